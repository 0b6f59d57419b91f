#include "platform/ui/CProfileStore.h"

CProfileStore::~CProfileStore() = default;

const CMemoryProfileStore::Value* CMemoryProfileStore::find(const CString& section, const CString& entry) const {
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
