#pragma once
// The user's settings, kept where the original platform kept them in the
// registry: a tree of keys, each with typed values (a 32-bit word, a string or
// bytes). Keys are written as '\'-separated paths below the user's root, e.g.
// "Software\Orvex\Strakon\Options\Grid/Snap Page"; a '/' is an ordinary
// character of a key name. Key and value names compare without regard to ASCII
// case and keep the case they were created with.
//
// The tree lives in one text file that a person can read and edit,
// "settings.reg" in the settings folder:
//   $STRAKON_CONFIG_DIR when set, else $XDG_CONFIG_HOME/Strakon, else ~/.config/Strakon.
// SetFolder points the store elsewhere (tests, a second instance).
//
// Changes are kept in memory until Flush, which writes the file atomically.
// Several running programs share the file: Flush re-reads a file that another
// program has changed since it was read and applies only this program's own
// changes on top of it, so that no program loses another one's settings.
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CSettingsStore {
public:
    // Value types, numbered as the registry numbers them.
    enum : DWORD { typeString = 1, typeBinary = 3, typeDword = 4 };

    struct Value {
        DWORD type = typeBinary;
        // A string's UTF-8 bytes, a word's 4 little-endian bytes, or the bytes themselves.
        std::vector<BYTE> data;
        bool operator==(const Value&) const = default;

        static Value Dword(DWORD word) {
            return {typeDword, {BYTE(word), BYTE(word >> 8), BYTE(word >> 16), BYTE(word >> 24)}};
        }
        static Value String(std::string_view text) { return {typeString, {text.begin(), text.end()}}; }
        // The word of a DWORD value; nothing for a value of another type or size.
        std::optional<DWORD> AsDword() const {
            if (type != typeDword || data.size() != 4) return std::nullopt;
            return DWORD(data[0]) | DWORD(data[1]) << 8 | DWORD(data[2]) << 16 | DWORD(data[3]) << 24;
        }
    };

    static constexpr const char* kFileName = "settings.reg";

    // A store over the file in the given folder; the file is read on first use.
    explicit CSettingsStore(std::filesystem::path folder);
    CSettingsStore(const CSettingsStore&) = delete;
    CSettingsStore& operator=(const CSettingsStore&) = delete;
    // Writes what is still pending; a failure is then dropped.
    ~CSettingsStore();

    // The process's store, in DefaultFolder() unless SetFolder moves it.
    static CSettingsStore& Instance();
    static std::filesystem::path DefaultFolder();

    // Writes pending changes to the current file, then works on the file in folder.
    void SetFolder(const std::filesystem::path& folder);
    std::filesystem::path GetFolder() const;
    std::filesystem::path GetFilePath() const;

    // Keys nest at most this deep, in the file as through the calls: a file
    // that nests deeper is damaged or hostile.
    static constexpr std::size_t kMaxKeyDepth = 64;

    // A key path is valid when it has at most kMaxKeyDepth names and none of
    // them is empty or holds a control character; one trailing '\' is allowed.
    static bool IsValidKeyPath(std::string_view key);

    // Keys.
    bool KeyExists(std::string_view key);
    // Creates the key and the keys above it; false for an invalid path
    // (GetLastError then says why).
    bool CreateKey(std::string_view key);
    // The name of the index-th subkey (in name order); false past the last.
    bool EnumKey(std::string_view key, DWORD index, std::string& name);
    // Deletes the key with every key and value below it; false when it is missing.
    bool DeleteKey(std::string_view key);

    // Values. A missing key or value gives nothing.
    std::optional<Value> QueryValue(std::string_view key, std::string_view name);
    // Sets a value, creating the key when needed; false for an invalid key path
    // (GetLastError then says why).
    bool SetValue(std::string_view key, std::string_view name, Value value);
    bool DeleteValue(std::string_view key, std::string_view name);
    // The name and type of the index-th value (in the order they were created).
    bool EnumValue(std::string_view key, DWORD index, std::string& name, DWORD& type);

    // Takes in changes that another program has written since the file was read.
    void Refresh();
    // Writes the pending changes. False when the file could not be written; the
    // changes then stay pending and GetLastError says why.
    bool Flush();
    bool HasPendingChanges() const;
    // The last failure: of a write, of a call given an invalid key, or a key of
    // the file that reading refused (its keys nested too deep); the rest of
    // such a file is read, and the next write leaves the refused key out.
    std::string GetLastError() const;

    // The file's text for the current tree (what Flush writes), and its reading.
    // Parse skips what it cannot read and adds a line to problems (when given)
    // for each key it refuses.
    struct Key;
    static std::string Format(const Key& root);
    static void Parse(std::string_view text, Key& root, std::vector<std::string>* problems = nullptr);

    struct Key {
        Key() = default;
        Key(const Key&) = delete;
        Key& operator=(const Key&) = delete;
        // Frees the keys below one after another, never by recursion.
        ~Key();

        std::map<std::string, std::unique_ptr<Key>, NoCaseLess> subkeys;

        // In the order they were created, as a person reading the file expects.
        const std::vector<std::pair<std::string, Value>>& Values() const { return m_values; }
        const Value* FindValue(std::string_view name) const;
        void SetValue(std::string_view name, Value value);
        bool DeleteValue(std::string_view name);

    private:
        std::vector<std::pair<std::string, Value>> m_values;
        // Where each value stands in m_values: a key may hold many of them.
        std::map<std::string, std::size_t, NoCaseLess> m_index;
    };

private:
    struct Change;
    struct FileStamp {
        std::uint64_t dev = 0, ino = 0, size = 0;
        std::int64_t mtimeNs = 0;
        bool exists = false;
        bool operator==(const FileStamp&) const = default;
    };

    void loadIfNeeded();
    void reloadFromFile(bool force);
    void apply(const Change& change, Key& root);
    void record(Change change);
    bool writeLocked();
    FileStamp stampOf() const;
    Key* find(std::string_view key);

    mutable std::recursive_mutex m_mutex;
    std::filesystem::path m_folder;
    bool m_loaded = false;
    // A file that exists but cannot be read is never overwritten.
    bool m_unreadable = false;
    FileStamp m_stamp;
    std::unique_ptr<Key> m_root;
    std::vector<Change> m_pending;
    std::string m_lastError;
};
