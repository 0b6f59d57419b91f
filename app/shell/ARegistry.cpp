#include "app/shell/ARegistry.h"

#include <cstring>

ARegistry::ARegistry() = default;

ARegistry::~ARegistry() = default;

bool ARegistry::OpenOrCreate(const CString& keyName) {
    if (!IsConnected() && !Connect(HKEY_CURRENT_USER)) return false;
    return Open(keyName, KEY_ALL_ACCESS) || Create(keyName);
}

omUnitKey ARegistry::GetUnitKey(const CString& valueName, omUnitKey current) const {
    const omUnitManager* units = omUnitManager::Instance();
    const CString name = GetString(valueName, units->Unit(current)->GetName());
    const omUnitKey key = units->Key(name);
    if (key == omUK_NoUnit || !units->Compatible(key, current)) return current;
    return key;
}

bool ARegistry::SetUnitKey(const CString& valueName, omUnitKey key) {
    return SetString(valueName, omUnitManager::Instance()->Unit(key)->GetName());
}

DWORD ARegistry::GetDword(const CString& valueName, DWORD defaultValue) const {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (!QueryValue(valueName, type, data) || type != REG_DWORD || data.size() != sizeof(DWORD))
        return defaultValue;
    DWORD value;
    std::memcpy(&value, data.data(), sizeof value);
    return value;
}

CString ARegistry::GetString(const CString& valueName, const CString& defaultValue) const {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (!QueryValue(valueName, type, data) || type != REG_SZ) return defaultValue;
    return CString(std::string(data.begin(), data.end()));
}

double ARegistry::GetDouble(const CString& valueName, double defaultValue) const {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (!QueryValue(valueName, type, data) || type != REG_BINARY || data.size() != sizeof(double))
        return defaultValue;
    double value;
    std::memcpy(&value, data.data(), sizeof value);
    return value;
}

bool ARegistry::GetBool(const CString& valueName, bool defaultValue) const {
    return GetDword(valueName, defaultValue ? 1 : 0) != 0;
}

unsigned ARegistry::GetBinary(const CString& valueName, void* buffer, unsigned capacity,
                              BinarySize size) const {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (!buffer || !QueryValue(valueName, type, data) || type != REG_BINARY || data.empty()) return 0;
    if (data.size() > capacity || (size == BinarySize::exactly && data.size() != capacity)) return 0;
    std::memcpy(buffer, data.data(), data.size());
    return static_cast<unsigned>(data.size());
}

bool ARegistry::SetBool(const CString& valueName, bool value) {
    return SetDword(valueName, value ? 1 : 0);
}

bool ARegistry::SetDword(const CString& valueName, DWORD value) {
    return SetValue(valueName, REG_DWORD, &value, sizeof value);
}

bool ARegistry::SetString(const CString& valueName, const CString& value) {
    return SetValue(valueName, REG_SZ, value.data(), value.size());
}

bool ARegistry::SetDouble(const CString& valueName, double value) {
    return SetValue(valueName, REG_BINARY, &value, sizeof value);
}

bool ARegistry::SetBinary(const CString& valueName, const void* data, unsigned size) {
    if (!data && size > 0) return false;
    return SetValue(valueName, REG_BINARY, data, size);
}
