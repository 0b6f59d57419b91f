#include "app/shell/ADesktopRegistration.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FileIO.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

bool IsPlain(const std::string& text) {
    if (text.empty()) return false;
    for (const char c : text)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || std::strchr("/._+-,=@:", c))) return false;
    return true;
}

// The bus daemon splits Exec as a shell does: single quotes keep everything.
std::string ServiceExecArgument(const std::string& text) {
    if (IsPlain(text)) return text;
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// An application entry's Exec: double quotes with ", `, $ and \ escaped, then the
// entry's own string escapes (a backslash doubled) and %% for a literal percent.
std::string DesktopExecArgument(const std::string& text) {
    std::string argument;
    if (IsPlain(text)) {
        argument = text;
    } else {
        argument = "\"";
        for (const char c : text) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') argument += '\\';
            argument += c;
        }
        argument += '"';
    }
    std::string escaped;
    for (const char c : argument) {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '%')
            escaped += "%%";
        else
            escaped += c;
    }
    return escaped;
}

std::optional<std::string> ReadText(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    try {
        const std::vector<std::uint8_t> bytes = fileio::readFile(path);
        return std::string(bytes.begin(), bytes.end());
    } catch (const CFileException&) {
        return std::nullopt;
    }
}

// Runs a tool with its output discarded; nothing when it is not installed.
void RunQuietly(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

} // namespace

ADesktopRegistration::ADesktopRegistration(fs::path dataHome)
    : m_dataHome(dataHome.empty() ? DefaultDataHome() : std::move(dataHome)) {}

fs::path ADesktopRegistration::DefaultDataHome() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') return xdg;
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/") / ".local" / "share";
}

fs::path ADesktopRegistration::ServiceFile() const {
    return m_dataHome / "dbus-1" / "services" / (std::string(kBusName) + ".service");
}

fs::path ADesktopRegistration::DesktopFile() const {
    return m_dataHome / "applications" / "strakon.desktop";
}

fs::path ADesktopRegistration::MimeFile() const {
    return m_dataHome / "mime" / "packages" / "strakon.xml";
}

std::string ADesktopRegistration::ServiceText(const fs::path& program) {
    return std::string("[D-BUS Service]\nName=") + kBusName +
           "\nExec=" + ServiceExecArgument(program.string()) + " -Automation\n";
}

std::string ADesktopRegistration::DesktopText(const fs::path& program) {
    return std::string("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Strakon\n"
                       "GenericName=Plane Frame Analysis\n"
                       "Comment=Analyses and designs plane frames\n"
                       "Exec=") +
           DesktopExecArgument(program.string()) +
           " %f\n"
           "Terminal=false\n"
           "Categories=Science;Engineering;\n"
           "MimeType=" +
           kStructureMimeType + ";" + kProjectMimeType + ";\n";
}

std::string ADesktopRegistration::MimeText() {
    // Both files are OLE2 compound files: the signature alone cannot tell them
    // apart, so the extension decides and the signature only confirms the family.
    const auto type = [](const char* name, const char* comment, const char* glob) {
        return std::string("  <mime-type type=\"") + name +
               "\">\n"
               "    <comment>" +
               comment +
               "</comment>\n"
               "    <sub-class-of type=\"application/x-ole-storage\"/>\n"
               "    <magic priority=\"40\">\n"
               "      <match type=\"string\" offset=\"0\" "
               "value=\"\\xd0\\xcf\\x11\\xe0\\xa1\\xb1\\x1a\\xe1\"/>\n"
               "    </magic>\n"
               "    <glob pattern=\"" +
               glob + "\" weight=\"60\"/>\n  </mime-type>\n";
    };
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n") +
           type(kStructureMimeType, "Orvex Frame Structure Document", "*.oxs") +
           type(kProjectMimeType, "Orvex Strakon Project Document", "*.oxp") + "</mime-info>\n";
}

bool ADesktopRegistration::Register(const fs::path& program, std::string& error) {
    if (!Apply({{ServiceFile(), ServiceText(program)},
                {DesktopFile(), DesktopText(program)},
                {MimeFile(), MimeText()}},
               false, error))
        return false;
    RefreshCaches();
    return true;
}

bool ADesktopRegistration::Unregister(std::string& error) {
    if (!Apply({{ServiceFile(), {}}, {DesktopFile(), {}}, {MimeFile(), {}}}, true, error)) return false;
    RefreshCaches();
    return true;
}

bool ADesktopRegistration::Apply(const std::vector<Change>& changes, bool remove, std::string& error) {
    struct Done {
        fs::path path;
        std::optional<std::string> before;
    };
    std::vector<Done> done;
    const auto fail = [&](const fs::path& path, const std::string& reason) {
        error = std::string(remove ? "Cannot remove " : "Cannot write ") + path.string() + ": " + reason;
        // Puts back what this run changed, newest first.
        for (auto it = done.rbegin(); it != done.rend(); ++it) {
            std::error_code ec;
            try {
                if (it->before)
                    fileio::writeFileAtomically(it->path, *it->before);
                else
                    fs::remove(it->path, ec);
            } catch (const CFileException&) {
            }
        }
        return false;
    };
    for (const Change& change : changes) {
        std::error_code ec;
        const bool exists = fs::symlink_status(change.path, ec).type() != fs::file_type::not_found;
        std::optional<std::string> before = ReadText(change.path);
        if (remove) {
            if (!exists) continue;
            if (!fs::remove(change.path, ec) || ec)
                return fail(change.path, ec ? ec.message() : "not removed");
        } else {
            fs::create_directories(change.path.parent_path(), ec);
            if (ec) return fail(change.path, ec.message());
            if (exists && !before) return fail(change.path, "it is no regular file");
            try {
                fileio::writeFileAtomically(change.path, change.text);
            } catch (const CFileException& e) {
                return fail(change.path, e.m_lOsError ? std::strerror(e.m_lOsError) : e.what());
            }
        }
        done.push_back({change.path, std::move(before)});
    }
    return true;
}

void ADesktopRegistration::RefreshCaches() const {
    std::error_code ec;
    if (fs::is_directory(m_dataHome / "mime", ec))
        RunQuietly({"update-mime-database", (m_dataHome / "mime").string()});
    if (fs::is_directory(m_dataHome / "applications", ec))
        RunQuietly({"update-desktop-database", (m_dataHome / "applications").string()});
}
