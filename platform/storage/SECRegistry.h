#pragma once
// The registry class that settings objects derive from: it connects to the
// user's root, opens (or creates) one key and reads and writes that key's
// values. It works on the process's settings store (CSettingsStore), which
// stands in for the registry. Changes reach the settings file when the key is
// closed, which the destructor does.
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <cstdint>
#include <string>
#include <vector>

class CSettingsStore;

// Root keys; only the current user's exists here.
enum HKEY : std::uintptr_t {
    HKEY_CLASSES_ROOT = 0x80000000u,
    HKEY_CURRENT_USER = 0x80000001u,
    HKEY_LOCAL_MACHINE = 0x80000002u,
};

using REGSAM = DWORD;
inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_WRITE = 0x20006;
inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;

inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;

class SECRegistry : public CObject {
public:
    SECRegistry();
    // Closes the key.
    ~SECRegistry() override;

    // Connects to a root key of the local machine; false for another machine or
    // a root other than the current user's.
    bool Connect(HKEY root = HKEY_CURRENT_USER, const char* machineName = nullptr);
    bool IsConnected() const { return m_bConnected; }

    // Opens an existing key ('\'-separated path below the root); false when it is missing.
    bool Open(const CString& keyName, REGSAM access = KEY_ALL_ACCESS);
    // Opens the key, creating it and the keys above it when missing. The class
    // name is kept for the calls that pass one; the store has no use for it.
    bool Create(const CString& keyName, const char* className = nullptr,
                DWORD options = REG_OPTION_NON_VOLATILE, REGSAM access = KEY_ALL_ACCESS);
    // Writes the changes to the settings file and forgets the key.
    void Close();
    bool IsOpen() const { return m_bOpen; }
    const CString& GetKeyName() const { return m_strKeyName; }

    // The raw value: its type and bytes; false when the value is missing or the
    // key is not open for reading.
    bool QueryValue(const CString& valueName, DWORD& type, std::vector<BYTE>& data) const;
    // Writes a value of the given type; false when the key is not open for writing.
    bool SetValue(const CString& valueName, DWORD type, const void* data, std::size_t size);
    bool DeleteValue(const CString& valueName);

    // The index-th subkey's name (in name order); false past the last.
    bool EnumerateKeys(DWORD index, CString& name) const;
    // The index-th value's name and type; false past the last.
    bool EnumerateValues(DWORD index, CString& name, DWORD& type) const;
    // Deletes a subkey of the open key with everything below it.
    bool DeleteKey(const CString& subkeyName);

    // The store this object works on (the process's store unless set); not owned.
    void SetStore(CSettingsStore* store) { m_pStore = store; }
    CSettingsStore* GetStore() const { return m_pStore; }

protected:
    CSettingsStore* m_pStore;
    CString m_strKeyName;
    REGSAM m_access = 0;
    bool m_bConnected = false;
    bool m_bOpen = false;
};
