#include "platform/storage/ProgramPaths.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <system_error>
#include <unistd.h>

namespace programpaths {

namespace {

std::filesystem::path systemTempFolder() {
    if (const char* dir = std::getenv("TMPDIR"); dir && *dir == '/') return dir;
    return "/tmp";
}

// Removes the folder at exit, but only in the process that made it: a child
// made by fork shares the object and must leave the folder to its parent.
struct TempFolder {
    std::filesystem::path path;
    pid_t owner = 0;
    ~TempFolder() {
        if (path.empty() || ::getpid() != owner) return;
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

} // namespace

std::filesystem::path programFile() {
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return path;
    return std::filesystem::current_path(ec) / "strakon";
}

std::filesystem::path processTempFolder() {
    static TempFolder folder;
    static std::once_flag once;
    std::call_once(once, [] {
        std::string pattern =
            (systemTempFolder() / ("strakon-" + std::to_string(::getpid()) + "-XXXXXX")).string();
        if (::mkdtemp(pattern.data())) {
            folder.path = pattern;
            folder.owner = ::getpid();
        } else {
            // Without a folder of its own the program still runs, sharing the system's.
            folder.path.clear();
        }
    });
    return folder.path.empty() ? systemTempFolder() : folder.path;
}

std::string fromBackslashes(std::string_view relative) {
    std::string path(relative);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

} // namespace programpaths
