#include "platform/storage/SECRegistry.h"

#include "platform/storage/CSettingsStore.h"

SECRegistry::SECRegistry() : m_pStore(&CSettingsStore::Instance()) {}

SECRegistry::~SECRegistry() {
    Close();
}

bool SECRegistry::Connect(HKEY root, const char* machineName) {
    m_bConnected = root == HKEY_CURRENT_USER && (!machineName || !*machineName);
    return m_bConnected;
}

bool SECRegistry::Open(const CString& keyName, REGSAM access) {
    Close();
    if (!m_bConnected) return false;
    // Another running program may have changed the settings since they were read.
    m_pStore->Refresh();
    if (!m_pStore->KeyExists(keyName)) return false;
    m_strKeyName = keyName;
    m_access = access;
    m_bOpen = true;
    return true;
}

bool SECRegistry::Create(const CString& keyName, const char* /*className*/, DWORD /*options*/,
                         REGSAM access) {
    Close();
    if (!m_bConnected) return false;
    m_pStore->Refresh();
    if (!m_pStore->CreateKey(keyName)) return false;
    m_strKeyName = keyName;
    m_access = access;
    m_bOpen = true;
    return true;
}

void SECRegistry::Close() {
    if (!m_bOpen) return;
    m_bOpen = false;
    m_strKeyName.Empty();
    m_access = 0;
    // A failed write keeps the changes pending for the next close or the exit;
    // the registry's callers do not act on it.
    m_pStore->Flush();
}

bool SECRegistry::QueryValue(const CString& valueName, DWORD& type, std::vector<BYTE>& data) const {
    if (!m_bOpen || !(m_access & KEY_QUERY_VALUE)) return false;
    auto value = m_pStore->QueryValue(m_strKeyName, valueName);
    if (!value) return false;
    type = value->type;
    data = std::move(value->data);
    return true;
}

bool SECRegistry::SetValue(const CString& valueName, DWORD type, const void* data, std::size_t size) {
    if (!m_bOpen || !(m_access & KEY_SET_VALUE)) return false;
    const auto* bytes = static_cast<const BYTE*>(data);
    CSettingsStore::Value value{type, std::vector<BYTE>(bytes, bytes + size)};
    return m_pStore->SetValue(m_strKeyName, valueName, std::move(value));
}

bool SECRegistry::DeleteValue(const CString& valueName) {
    if (!m_bOpen || !(m_access & KEY_SET_VALUE)) return false;
    return m_pStore->DeleteValue(m_strKeyName, valueName);
}

bool SECRegistry::EnumerateKeys(DWORD index, CString& name) const {
    if (!m_bOpen || !(m_access & KEY_ENUMERATE_SUB_KEYS)) return false;
    std::string found;
    if (!m_pStore->EnumKey(m_strKeyName, index, found)) return false;
    name = found;
    return true;
}

bool SECRegistry::EnumerateValues(DWORD index, CString& name, DWORD& type) const {
    if (!m_bOpen || !(m_access & KEY_QUERY_VALUE)) return false;
    std::string found;
    if (!m_pStore->EnumValue(m_strKeyName, index, found, type)) return false;
    name = found;
    return true;
}

bool SECRegistry::DeleteKey(const CString& subkeyName) {
    if (!m_bOpen || !(m_access & KEY_SET_VALUE) || subkeyName.IsEmpty()) return false;
    std::string path = m_strKeyName;
    if (!path.empty() && path.back() != '\\') path += '\\';
    return m_pStore->DeleteKey(path + subkeyName);
}
