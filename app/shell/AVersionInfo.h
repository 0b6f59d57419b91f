#pragma once
// The version block of a file. The program's own block is compiled in; files
// on this system carry none, so any other file opens to nothing.
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <map>
#include <memory>

class AVersionInfo {
public:
    AVersionInfo();
    ~AVersionInfo();
    AVersionInfo(const AVersionInfo&) = delete;
    AVersionInfo& operator=(const AVersionInfo&) = delete;

    // A null file means the program file. FALSE when the file has no version block.
    BOOL Open(const char* file = nullptr);
    // The string value of the block; translation 0 means the block's own one.
    // Empty without a block, or when the block has no such value.
    CString GetString(const char* name, DWORD translation = 0) const;
    DWORD GetTranslation() const { return m_translation; }
    void Close();

    // The program file's block: language 0x0409, code page 0x04B0.
    static constexpr DWORD kProgramTranslation = 0x040904B0;

private:
    std::unique_ptr<std::map<CString, CString>> m_pBlock;
    DWORD m_translation = 0;
};
