#include "platform/ui/CProfileStore.h"

#include "platform/storage/CSettingsStore.h"


CProfileStore::~CProfileStore() = default;

const CMemoryProfileStore::Value* CMemoryProfileStore::find(const CString& section,
                                                            const CString& entry) const {
    auto it = m_values.find({section, entry});
    return it == m_values.end() ? nullptr : &it->second;
}

bool CMemoryProfileStore::GetInt(const CString& section, const CString& entry, UINT& value) const {
    const Value* v = find(section, entry);
    if (!v || !std::holds_alternative<UINT>(*v)) return false;
    value = std::get<UINT>(*v);
    return true;
}

bool CMemoryProfileStore::GetString(const CString& section, const CString& entry, CString& value) const {
    const Value* v = find(section, entry);
    if (!v || !std::holds_alternative<CString>(*v)) return false;
    value = std::get<CString>(*v);
    return true;
}

bool CMemoryProfileStore::GetBinary(const CString& section, const CString& entry,
                                    std::vector<std::uint8_t>& value) const {
    const Value* v = find(section, entry);
    if (!v || !std::holds_alternative<std::vector<std::uint8_t>>(*v)) return false;
    value = std::get<std::vector<std::uint8_t>>(*v);
    return true;
}

bool CMemoryProfileStore::WriteInt(const CString& section, const CString& entry, UINT value) {
    m_values[{section, entry}] = value;
    return true;
}

bool CMemoryProfileStore::WriteString(const CString& section, const CString& entry, const CString& value) {
    m_values[{section, entry}] = value;
    return true;
}

bool CMemoryProfileStore::WriteBinary(const CString& section, const CString& entry,
                                      const std::vector<std::uint8_t>& value) {
    m_values[{section, entry}] = value;
    return true;
}

bool CMemoryProfileStore::DeleteEntry(const CString& section, const CString& entry) {
    return m_values.erase({section, entry}) > 0;
}

bool CMemoryProfileStore::DeleteSection(const CString& section) {
    bool any = false;
    for (auto it = m_values.begin(); it != m_values.end();) {
        if (it->first.first == section) {
            it = m_values.erase(it);
            any = true;
        } else {
            ++it;
        }
    }
    return any;
}

// --- over the settings store ------------------------------------------------------------------------

CSettingsProfileStore::CSettingsProfileStore(CString baseKey, CSettingsStore* store)
    : m_baseKey(std::move(baseKey)), m_store(store) {}

CSettingsStore& CSettingsProfileStore::store() const {
    return m_store ? *m_store : CSettingsStore::Instance();
}

CString CSettingsProfileStore::keyOf(const CString& section) const {
    if (section.empty()) return m_baseKey;
    return m_baseKey.empty() ? section : CString(m_baseKey + "\\" + section);
}

bool CSettingsProfileStore::GetInt(const CString& section, const CString& entry, UINT& value) const {
    const auto v = store().QueryValue(keyOf(section), entry);
    const std::optional<DWORD> word = v ? v->AsDword() : std::nullopt;
    if (!word) return false;
    value = *word;
    return true;
}

bool CSettingsProfileStore::GetString(const CString& section, const CString& entry, CString& value) const {
    const auto v = store().QueryValue(keyOf(section), entry);
    if (!v || v->type != CSettingsStore::typeString) return false;
    value = CString(std::string(v->data.begin(), v->data.end()));
    return true;
}

bool CSettingsProfileStore::GetBinary(const CString& section, const CString& entry,
                                      std::vector<std::uint8_t>& value) const {
    const auto v = store().QueryValue(keyOf(section), entry);
    if (!v || v->type != CSettingsStore::typeBinary) return false;
    value = v->data;
    return true;
}

bool CSettingsProfileStore::WriteInt(const CString& section, const CString& entry, UINT value) {
    return store().SetValue(keyOf(section), entry, CSettingsStore::Value::Dword(value));
}

bool CSettingsProfileStore::WriteString(const CString& section, const CString& entry, const CString& value) {
    return store().SetValue(keyOf(section), entry, CSettingsStore::Value::String(value));
}

bool CSettingsProfileStore::WriteBinary(const CString& section, const CString& entry,
                                        const std::vector<std::uint8_t>& value) {
    CSettingsStore::Value v;
    v.type = CSettingsStore::typeBinary;
    v.data = value;
    return store().SetValue(keyOf(section), entry, std::move(v));
}

bool CSettingsProfileStore::DeleteEntry(const CString& section, const CString& entry) {
    return store().DeleteValue(keyOf(section), entry);
}

bool CSettingsProfileStore::DeleteSection(const CString& section) {
    // The section's key goes; the base key itself is never deleted this way.
    if (section.empty()) return false;
    return store().DeleteKey(keyOf(section));
}

bool CSettingsProfileStore::Flush() {
    return store().Flush();
}
