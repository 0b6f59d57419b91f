#pragma once
// Typed settings under the current user's key "Software\Orvex\Strakon". Always a
// local object: connect, open the key (creating it when opening fails), read or
// write a run of values, and let the destructor close it.
//
//   ARegistry reg;
//   reg.Connect(HKEY_CURRENT_USER);
//   if (!reg.Open(key, KEY_ALL_ACCESS)) reg.Create(key);
//   double size = reg.GetDouble("Size major", 1.0);
//
// Reads never fail towards the caller: a missing, unreadable or wrongly typed
// or sized value gives the default. Writes return whether they succeeded.
#include "common/omUnitManager.h"
#include "platform/storage/SECRegistry.h"

class ARegistry : public SECRegistry {
public:
    ARegistry();
    ~ARegistry() override;

    // As every settings object opens its key: connect to the current user,
    // open the key with full access and create it when that fails.
    bool OpenOrCreate(const CString& keyName);

    // A DWORD value, or the default.
    DWORD GetDword(const CString& valueName, DWORD defaultValue) const;
    // A string value, or the default.
    CString GetString(const CString& valueName, const CString& defaultValue) const;
    // A binary value of exactly 8 bytes (a little-endian IEEE double), or the default.
    double GetDouble(const CString& valueName, double defaultValue) const;
    // GetDword (value name, default) differs from 0.
    bool GetBool(const CString& valueName, bool defaultValue) const;

    enum class BinarySize {
        atMost,  // any value of 1 to capacity bytes
        exactly, // only a value of capacity bytes: a fixed record
    };
    // Copies a binary value into the caller's buffer of capacity bytes and
    // returns the number of bytes copied. A missing or empty value, a value
    // longer than the buffer, or (for a fixed record) one of another size gives
    // 0 and leaves the buffer untouched, so that the caller's default stays.
    unsigned GetBinary(const CString& valueName, void* buffer, unsigned capacity,
                       BinarySize size = BinarySize::atMost) const;

    // A unit stored by its name. A name that names no unit, or a unit of
    // another quantity than current's, gives current: a stored "kN" never
    // becomes a length unit.
    omUnitKey GetUnitKey(const CString& valueName, omUnitKey current) const;
    // The unit's name as the unit manager gives it ("" for no unit).
    bool SetUnitKey(const CString& valueName, omUnitKey key);

    // A DWORD of 0 or 1.
    bool SetBool(const CString& valueName, bool value);
    bool SetDword(const CString& valueName, DWORD value);
    bool SetString(const CString& valueName, const CString& value);
    // The 8 bytes of the double as a binary value.
    bool SetDouble(const CString& valueName, double value);
    bool SetBinary(const CString& valueName, const void* data, unsigned size);
};
