#pragma once
// Where the application's profile lives: the recent-file list, the bar layout,
// window placements and the other values that CWinApp's profile calls read and
// write by section and entry. The application starts with a store in memory; the
// program plugs in its settings store at start-up, a test its own.
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

class CProfileStore {
public:
    virtual ~CProfileStore();

    // Each getter returns false (and leaves its output alone) when the entry is missing.
    virtual bool GetInt(const CString& section, const CString& entry, UINT& value) const = 0;
    virtual bool GetString(const CString& section, const CString& entry, CString& value) const = 0;
    virtual bool GetBinary(const CString& section, const CString& entry,
                           std::vector<std::uint8_t>& value) const = 0;
    virtual bool WriteInt(const CString& section, const CString& entry, UINT value) = 0;
    virtual bool WriteString(const CString& section, const CString& entry, const CString& value) = 0;
    virtual bool WriteBinary(const CString& section, const CString& entry,
                             const std::vector<std::uint8_t>& value) = 0;
    virtual bool DeleteEntry(const CString& section, const CString& entry) = 0;
    virtual bool DeleteSection(const CString& section) = 0;
    // Makes the changes lasting; true when nothing is left pending.
    virtual bool Flush() { return true; }
};

class CSettingsStore;

// The profile under a key of the settings store: section S, entry E is the
// value E of the key "<base>\S" (sections may hold '\' themselves).
class CSettingsProfileStore : public CProfileStore {
public:
    // The store is not owned; null means the process's store.
    CSettingsProfileStore(CString baseKey, CSettingsStore* store = nullptr);

    const CString& GetBaseKey() const { return m_baseKey; }

    bool GetInt(const CString& section, const CString& entry, UINT& value) const override;
    bool GetString(const CString& section, const CString& entry, CString& value) const override;
    bool GetBinary(const CString& section, const CString& entry,
                   std::vector<std::uint8_t>& value) const override;
    bool WriteInt(const CString& section, const CString& entry, UINT value) override;
    bool WriteString(const CString& section, const CString& entry, const CString& value) override;
    bool WriteBinary(const CString& section, const CString& entry,
                     const std::vector<std::uint8_t>& value) override;
    bool DeleteEntry(const CString& section, const CString& entry) override;
    bool DeleteSection(const CString& section) override;
    bool Flush() override;

private:
    CSettingsStore& store() const;
    CString keyOf(const CString& section) const;

    CString m_baseKey;
    CSettingsStore* m_store;
};

class CMemoryProfileStore : public CProfileStore {
public:
    bool GetInt(const CString& section, const CString& entry, UINT& value) const override;
    bool GetString(const CString& section, const CString& entry, CString& value) const override;
    bool GetBinary(const CString& section, const CString& entry,
                   std::vector<std::uint8_t>& value) const override;
    bool WriteInt(const CString& section, const CString& entry, UINT value) override;
    bool WriteString(const CString& section, const CString& entry, const CString& value) override;
    bool WriteBinary(const CString& section, const CString& entry,
                     const std::vector<std::uint8_t>& value) override;
    bool DeleteEntry(const CString& section, const CString& entry) override;
    bool DeleteSection(const CString& section) override;

private:
    using Value = std::variant<UINT, CString, std::vector<std::uint8_t>>;
    const Value* find(const CString& section, const CString& entry) const;
    std::map<std::pair<CString, CString>, Value> m_values;
};
