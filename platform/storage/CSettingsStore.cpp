#include "platform/storage/CSettingsStore.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FileIO.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

struct CSettingsStore::Change {
    enum Kind { createKey, setValue, deleteValue, deleteKey };
    Kind kind;
    std::vector<std::string> path;
    std::string name;
    Value value;
};

namespace {

bool isControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

enum class KeyProblem { none, invalidName, tooDeep };

// Splits a key path into its names; nothing when the path is invalid, and
// problem (when given) says why.
std::optional<std::vector<std::string>> splitKey(std::string_view key, KeyProblem* problem = nullptr) {
    auto refuse = [&](KeyProblem why) -> std::optional<std::vector<std::string>> {
        if (problem) *problem = why;
        return std::nullopt;
    };
    std::vector<std::string> names;
    if (problem) *problem = KeyProblem::none;
    if (key.empty()) return names;
    if (key.back() == '\\') key.remove_suffix(1);
    // Counted before anything is built, so that a hostile path costs nothing.
    if (static_cast<std::size_t>(std::count(key.begin(), key.end(), '\\')) >= CSettingsStore::kMaxKeyDepth)
        return refuse(KeyProblem::tooDeep);
    std::size_t start = 0;
    for (;;) {
        std::size_t sep = key.find('\\', start);
        std::string_view name =
            key.substr(start, sep == std::string_view::npos ? std::string_view::npos : sep - start);
        if (name.empty() || std::any_of(name.begin(), name.end(), isControl))
            return refuse(KeyProblem::invalidName);
        names.emplace_back(name);
        if (sep == std::string_view::npos) break;
        start = sep + 1;
    }
    return names;
}

// The start of a key path for a message: a hostile one may be very long.
std::string shortKey(std::string_view key) {
    constexpr std::size_t shown = 80;
    if (key.size() <= shown) return std::string(key);
    return std::string(key.substr(0, shown)) + "...";
}

std::string keyProblemText(KeyProblem problem, std::string_view key) {
    if (problem == KeyProblem::tooDeep)
        return "the settings key \"" + shortKey(key) + "\" is nested deeper than " +
               std::to_string(CSettingsStore::kMaxKeyDepth) + " levels";
    return "\"" + shortKey(key) + "\" is no valid settings key";
}

using Key = CSettingsStore::Key;
using Value = CSettingsStore::Value;

Key* walk(Key& root, const std::vector<std::string>& path, bool create) {
    Key* key = &root;
    for (const auto& name : path) {
        auto it = key->subkeys.find(name);
        if (it == key->subkeys.end()) {
            if (!create) return nullptr;
            it = key->subkeys.emplace(name, std::make_unique<Key>()).first;
        }
        key = it->second.get();
    }
    return key;
}

} // namespace

// ---- a key ----------------------------------------------------------------

CSettingsStore::Key::~Key() {
    std::vector<std::unique_ptr<Key>> doomed;
    auto takeSubkeys = [&](Key& key) {
        for (auto& entry : key.subkeys)
            doomed.push_back(std::move(entry.second));
        key.subkeys.clear();
    };
    takeSubkeys(*this);
    while (!doomed.empty()) {
        std::unique_ptr<Key> key = std::move(doomed.back());
        doomed.pop_back();
        takeSubkeys(*key);
    }
}

const CSettingsStore::Value* CSettingsStore::Key::FindValue(std::string_view name) const {
    auto it = m_index.find(std::string(name));
    return it == m_index.end() ? nullptr : &m_values[it->second].second;
}

void CSettingsStore::Key::SetValue(std::string_view name, Value value) {
    auto [it, added] = m_index.try_emplace(std::string(name), m_values.size());
    if (added)
        m_values.emplace_back(std::string(name), std::move(value));
    else
        m_values[it->second].second = std::move(value);
}

bool CSettingsStore::Key::DeleteValue(std::string_view name) {
    auto it = m_index.find(std::string(name));
    if (it == m_index.end()) return false;
    const std::size_t at = it->second;
    m_index.erase(it);
    m_values.erase(m_values.begin() + static_cast<std::ptrdiff_t>(at));
    for (auto& entry : m_index)
        if (entry.second > at) --entry.second;
    return true;
}

namespace {

// ---- the file's text ------------------------------------------------------

const char* const kHex = "0123456789abcdef";

void appendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (isControl(c)) {
                out += "\\x";
                out += kHex[(static_cast<unsigned char>(c) >> 4) & 0xF];
                out += kHex[static_cast<unsigned char>(c) & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void appendHexBytes(std::string& out, const std::vector<BYTE>& data) {
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (i) out += ',';
        out += kHex[data[i] >> 4];
        out += kHex[data[i] & 0xF];
    }
}

void appendValue(std::string& out, const Value& value) {
    if (value.type == CSettingsStore::typeString) {
        appendQuoted(out,
                     std::string_view(reinterpret_cast<const char*>(value.data.data()), value.data.size()));
    } else if (const std::optional<DWORD> word = value.AsDword()) {
        DWORD v = *word;
        char buffer[9];
        for (int i = 7; i >= 0; --i) {
            buffer[i] = kHex[v & 0xF];
            v >>= 4;
        }
        buffer[8] = 0;
        out += "dword:";
        out += buffer;
    } else if (value.type == CSettingsStore::typeBinary) {
        out += "hex:";
        appendHexBytes(out, value.data);
    } else {
        out += "hex(" + std::to_string(value.type) + "):";
        appendHexBytes(out, value.data);
    }
}

void formatValues(std::string& out, const Key& key, const std::string& path) {
    out += "\n[" + path + "]\n";
    for (const auto& [name, value] : key.Values()) {
        if (name.empty())
            out += '@';
        else
            appendQuoted(out, name);
        out += '=';
        appendValue(out, value);
        out += '\n';
    }
}

// Every key below root in name order, each after the key above it. The walk
// keeps its own stack and one path that grows and shrinks with it, so that the
// work is linear in the text written, however deep the keys nest.
void formatTree(std::string& out, const Key& root) {
    struct Level {
        const Key* key;
        std::map<std::string, std::unique_ptr<Key>, NoCaseLess>::const_iterator next;
        std::size_t pathLength;
    };
    std::string path;
    std::vector<Level> stack{{&root, root.subkeys.begin(), 0}};
    while (!stack.empty()) {
        Level& level = stack.back();
        if (level.next == level.key->subkeys.end()) {
            stack.pop_back();
            continue;
        }
        const auto& [name, sub] = *level.next++;
        path.resize(level.pathLength);
        if (!path.empty()) path += '\\';
        path += name;
        // A key needs a header of its own when nothing below it names it.
        if (!sub->Values().empty() || sub->subkeys.empty()) formatValues(out, *sub, path);
        stack.push_back({sub.get(), sub->subkeys.begin(), path.size()});
    }
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = ToLowerAscii(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Reads a quoted text at pos; false when it is not one.
bool parseQuoted(std::string_view line, std::size_t& pos, std::string& text) {
    if (pos >= line.size() || line[pos] != '"') return false;
    ++pos;
    text.clear();
    while (pos < line.size()) {
        char c = line[pos++];
        if (c == '"') return true;
        if (c != '\\') {
            text += c;
            continue;
        }
        if (pos >= line.size()) return false;
        char e = line[pos++];
        switch (e) {
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case 't':
            text += '\t';
            break;
        case 'x': {
            int hi = pos < line.size() ? hexDigit(line[pos]) : -1;
            int lo = pos + 1 < line.size() ? hexDigit(line[pos + 1]) : -1;
            if (hi < 0 || lo < 0) return false;
            text += static_cast<char>(hi * 16 + lo);
            pos += 2;
            break;
        }
        default:
            text += e; // \" and \\ and anything a person may have typed
        }
    }
    return false;
}

bool parseHexBytes(std::string_view text, std::vector<BYTE>& data) {
    data.clear();
    std::size_t pos = 0;
    auto skipSpace = [&] {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
            ++pos;
    };
    skipSpace();
    if (pos == text.size()) return true;
    for (;;) {
        skipSpace();
        if (pos + 2 > text.size()) return false;
        int hi = hexDigit(text[pos]), lo = hexDigit(text[pos + 1]);
        if (hi < 0 || lo < 0) return false;
        data.push_back(static_cast<BYTE>(hi * 16 + lo));
        pos += 2;
        skipSpace();
        if (pos == text.size()) return true;
        if (text[pos] != ',') return false;
        ++pos;
    }
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && CompareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// One value line; false when the line is malformed (it is then skipped).
bool parseValueLine(std::string_view line, std::string& name, Value& value) {
    std::size_t pos = 0;
    if (line[0] == '@') {
        name.clear();
        pos = 1;
    } else if (!parseQuoted(line, pos, name)) {
        return false;
    }
    if (pos >= line.size() || line[pos] != '=') return false;
    std::string_view rest = line.substr(pos + 1);
    if (!rest.empty() && rest[0] == '"') {
        std::size_t p = 0;
        std::string text;
        if (!parseQuoted(rest, p, text) || p != rest.size()) return false;
        value.type = CSettingsStore::typeString;
        value.data.assign(text.begin(), text.end());
        return true;
    }
    if (startsWithNoCase(rest, "dword:")) {
        std::string_view digits = rest.substr(6);
        DWORD v = 0;
        auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v, 16);
        if (ec != std::errc() || end != digits.data() + digits.size() || digits.empty() || digits.size() > 8)
            return false;
        value = Value::Dword(v);
        return true;
    }
    if (startsWithNoCase(rest, "hex:")) {
        value.type = CSettingsStore::typeBinary;
        return parseHexBytes(rest.substr(4), value.data);
    }
    if (startsWithNoCase(rest, "hex(")) {
        std::size_t close = rest.find("):");
        if (close == std::string_view::npos) return false;
        std::string_view digits = rest.substr(4, close - 4);
        DWORD type = 0;
        auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), type, 10);
        if (ec != std::errc() || end != digits.data() + digits.size()) return false;
        value.type = type;
        return parseHexBytes(rest.substr(close + 2), value.data);
    }
    return false;
}

} // namespace

std::string CSettingsStore::Format(const Key& root) {
    std::string out = "; Strakon settings: [key] lines, each followed by its values as\n"
                      "; \"name\"=\"text\", \"name\"=dword:<8 hex digits> or \"name\"=hex:<bytes>.\n";
    formatTree(out, root);
    return out;
}

void CSettingsStore::Parse(std::string_view text, Key& root, std::vector<std::string>* problems) {
    Key* current = nullptr;
    std::size_t start = 0;
    std::size_t lineNumber = 0;
    while (start < text.size()) {
        ++lineNumber;
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = trimRight(text.substr(start, end - start));
        start = end + 1;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line[0] == '[') {
            current = nullptr;
            if (line.size() < 2 || line.back() != ']') continue;
            KeyProblem problem = KeyProblem::none;
            const std::string_view keyPath = line.substr(1, line.size() - 2);
            auto path = splitKey(keyPath, &problem);
            if (path && !path->empty())
                current = walk(root, *path, true);
            else if (problem == KeyProblem::tooDeep && problems)
                problems->push_back("line " + std::to_string(lineNumber) + ": " +
                                    keyProblemText(problem, keyPath) +
                                    "; the key and its values are ignored");
            continue;
        }
        std::string name;
        Value value;
        if (current && parseValueLine(line, name, value)) current->SetValue(name, std::move(value));
    }
}

// ---- the store ------------------------------------------------------------

CSettingsStore::CSettingsStore(std::filesystem::path folder)
    : m_folder(std::move(folder)), m_root(std::make_unique<Key>()) {}

CSettingsStore::~CSettingsStore() {
    try {
        Flush();
    } catch (...) {
        // Nothing can be reported at exit.
    }
}

CSettingsStore& CSettingsStore::Instance() {
    static CSettingsStore store(DefaultFolder());
    return store;
}

std::filesystem::path CSettingsStore::DefaultFolder() {
    if (const char* dir = std::getenv("STRAKON_CONFIG_DIR"); dir && *dir) return dir;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return std::filesystem::path(xdg) / "Strakon";
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) home = pw->pw_dir;
    }
    if (home && *home) return std::filesystem::path(home) / ".config" / "Strakon";
    return std::filesystem::temp_directory_path() / "Strakon";
}

void CSettingsStore::SetFolder(const std::filesystem::path& folder) {
    std::lock_guard lock(m_mutex);
    Flush();
    m_folder = folder;
    m_loaded = false;
    m_unreadable = false;
    m_stamp = {};
    m_root = std::make_unique<Key>();
    m_pending.clear();
    m_lastError.clear();
}

std::filesystem::path CSettingsStore::GetFolder() const {
    std::lock_guard lock(m_mutex);
    return m_folder;
}

std::filesystem::path CSettingsStore::GetFilePath() const {
    std::lock_guard lock(m_mutex);
    return m_folder / kFileName;
}

bool CSettingsStore::IsValidKeyPath(std::string_view key) {
    return splitKey(key).has_value();
}

CSettingsStore::FileStamp CSettingsStore::stampOf() const {
    FileStamp stamp;
    struct stat st {};
    if (::stat((m_folder / kFileName).c_str(), &st) != 0) return stamp;
    stamp.exists = true;
    stamp.dev = st.st_dev;
    stamp.ino = st.st_ino;
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

void CSettingsStore::reloadFromFile(bool force) {
    const FileStamp stamp = stampOf();
    if (!force && m_loaded && stamp == m_stamp) return;
    auto root = std::make_unique<Key>();
    m_unreadable = false;
    if (stamp.exists) {
        try {
            auto bytes = fileio::readFile(m_folder / kFileName);
            std::vector<std::string> problems;
            Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), *root,
                  &problems);
            if (!problems.empty()) {
                // The rest of the file is read; the next write leaves the refused keys out.
                m_lastError = (m_folder / kFileName).string() + ", " + problems.front();
                if (problems.size() > 1)
                    m_lastError += " (and " + std::to_string(problems.size() - 1) + " more keys)";
            }
        } catch (const CException& e) {
            // Settings that cannot be read give their defaults, but the file is
            // kept as it is: writing over it would lose them for good.
            m_unreadable = true;
            m_lastError = e.what();
        }
    }
    for (const auto& change : m_pending)
        apply(change, *root);
    m_root = std::move(root);
    m_stamp = stamp;
    m_loaded = true;
}

void CSettingsStore::loadIfNeeded() {
    if (!m_loaded) reloadFromFile(true);
}

void CSettingsStore::Refresh() {
    std::lock_guard lock(m_mutex);
    reloadFromFile(false);
}

void CSettingsStore::apply(const Change& change, Key& root) {
    switch (change.kind) {
    case Change::createKey:
        walk(root, change.path, true);
        break;
    case Change::setValue:
        walk(root, change.path, true)->SetValue(change.name, change.value);
        break;
    case Change::deleteValue:
        if (Key* key = walk(root, change.path, false)) key->DeleteValue(change.name);
        break;
    case Change::deleteKey: {
        if (change.path.empty()) break;
        std::vector<std::string> parentPath(change.path.begin(), change.path.end() - 1);
        if (Key* parent = walk(root, parentPath, false)) parent->subkeys.erase(change.path.back());
        break;
    }
    }
}

void CSettingsStore::record(Change change) {
    apply(change, *m_root);
    m_pending.push_back(std::move(change));
}

CSettingsStore::Key* CSettingsStore::find(std::string_view key) {
    auto path = splitKey(key);
    return path ? walk(*m_root, *path, false) : nullptr;
}

bool CSettingsStore::KeyExists(std::string_view key) {
    std::lock_guard lock(m_mutex);
    loadIfNeeded();
    return find(key) != nullptr;
}

bool CSettingsStore::CreateKey(std::string_view key) {
    std::lock_guard lock(m_mutex);
    loadIfNeeded();
    KeyProblem problem = KeyProblem::none;
    auto path = splitKey(key, &problem);
    if (!path) {
        m_lastError = keyProblemText(problem, key);
        return false;
    }
    if (!walk(*m_root, *path, false)) record({Change::createKey, std::move(*path), {}, {}});
    return true;
}

bool CSettingsStore::EnumKey(std::string_view key, DWORD index, std::string& name) {
    std::lock_guard lock(m_mutex);
    loadIfNeeded();
    Key* k = find(key);
    if (!k || index >= k->subkeys.size()) return false;
    name = std::next(k->subkeys.begin(), index)->first;
    return true;
}

bool CSettingsStore::DeleteKey(std::string_view key) {
    std::lock_guard lock(m_mutex);
    loadIfNeeded();
    auto path = splitKey(key);
    if (!path || path->empty() || !walk(*m_root, *path, false)) return false;
    record({Change::deleteKey, std::move(*path), {}, {}});
    return true;
}

std::optional<CSettingsStore::Value> CSettingsStore::QueryValue(std::string_view key, std::string_view name) {
    std::lock_guard lock(m_mutex);
    loadIfNeeded();
    Key* k = find(key);
    const Value* value = k ? k->FindValue(name) : nullptr;
    if (!value) return std::nullopt;
    return *value;
}

bool CSettingsStore::SetValue(std::string_view key, std::string_view name, Value value) {
    std::lock_guard lock(m_mutex);
    loadIfNeeded();
    KeyProblem problem = KeyProblem::none;
    auto path = splitKey(key, &problem);
    if (!path) {
        m_lastError = keyProblemText(problem, key);
        return false;
    }
    record({Change::setValue, std::move(*path), std::string(name), std::move(value)});
    return true;
}

bool CSettingsStore::DeleteValue(std::string_view key, std::string_view name) {
    std::lock_guard lock(m_mutex);
    loadIfNeeded();
    Key* k = find(key);
    if (!k || !k->FindValue(name)) return false;
    record({Change::deleteValue, *splitKey(key), std::string(name), {}});
    return true;
}

bool CSettingsStore::EnumValue(std::string_view key, DWORD index, std::string& name, DWORD& type) {
    std::lock_guard lock(m_mutex);
    loadIfNeeded();
    Key* k = find(key);
    if (!k || index >= k->Values().size()) return false;
    name = k->Values()[index].first;
    type = k->Values()[index].second.type;
    return true;
}

bool CSettingsStore::HasPendingChanges() const {
    std::lock_guard lock(m_mutex);
    return !m_pending.empty();
}

std::string CSettingsStore::GetLastError() const {
    std::lock_guard lock(m_mutex);
    return m_lastError;
}

bool CSettingsStore::Flush() {
    std::lock_guard lock(m_mutex);
    if (m_pending.empty()) return true;
    std::error_code ec;
    std::filesystem::create_directories(m_folder, ec);
    // Programs sharing the file take turns through a lock file beside it: the
    // file itself is replaced on every write, so a lock on it would not last.
    const std::filesystem::path lockPath = m_folder / (std::string(kFileName) + ".lock");
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        int err = errno;
        m_lastError = CFileException(CFileException::causeFromErrno(err), lockPath.string(), err).what();
        return false;
    }
    // Another program holds the lock only for the moment of its own write;
    // waiting a little longer than that never hangs the program.
    bool locked = false;
    for (int attempt = 0; attempt < 200 && !locked; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            locked = true;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    bool ok = false;
    if (!locked) {
        m_lastError = "the settings file is locked by another program (" + lockPath.string() + ")";
    } else {
        ok = writeLocked();
    }
    ::close(fd);
    return ok;
}

bool CSettingsStore::writeLocked() {
    try {
        reloadFromFile(false);
        if (m_unreadable) return false;
        fileio::writeFileAtomically(m_folder / kFileName, Format(*m_root));
        m_stamp = stampOf();
        m_pending.clear();
        return true;
    } catch (const CException& e) {
        m_lastError = e.what();
        return false;
    }
}
