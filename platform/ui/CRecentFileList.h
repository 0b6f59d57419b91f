#pragma once
// The recent-file list: the last files opened, newest first, kept in the
// application's profile (section and "File1", "File2", ... entries) and shown
// in the File menu in place of the first recent-file command.
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <vector>

class CCmdUI;

class CRecentFileList {
public:
    CRecentFileList(UINT nStart, const char* lpszSection, const char* lpszEntryFormat, int nSize,
                    int nMaxDispLen = 40);
    virtual ~CRecentFileList();

    int GetSize() const { return static_cast<int>(m_arrNames.size()); }
    // An empty string for an unused place.
    CString& operator[](int nIndex) { return m_arrNames.at(static_cast<size_t>(nIndex)); }
    const CString& operator[](int nIndex) const { return m_arrNames.at(static_cast<size_t>(nIndex)); }

    // Puts the path first; an entry of the same path moves up, the oldest drops out.
    virtual void Add(const char* lpszPathName);
    virtual void Remove(int nIndex);
    virtual void ReadList();
    virtual void WriteList();
    // Replaces the recent-file items of the menu with the list ("&1 name", ...);
    // an empty list shows the original item disabled.
    virtual void UpdateMenu(CCmdUI* pCmdUI);
    // The path as the menu shows it: shortened to the display length, keeping the file name.
    virtual BOOL GetDisplayName(CString& strName, int nIndex, BOOL bAtLeastName = TRUE) const;

    CString m_strOriginal;

protected:
    UINT m_nStart;
    CString m_strSectionName;
    CString m_strEntryFormat;
    int m_nMaxDisplayLength;
    std::vector<CString> m_arrNames;
};
