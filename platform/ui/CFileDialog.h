#pragma once
// The file open and save dialog. The platform's chooser is the prompt service's;
// this class adds what the flags promise: the default extension is appended to a
// name without one, OFN_FILEMUSTEXIST and OFN_PATHMUSTEXIST refuse names that do
// not exist, OFN_OVERWRITEPROMPT asks before an existing file is chosen for saving.
// A refused name shows the chooser again.
#include "platform/core/CString.h"
#include "platform/core/PathNames.h"
#include "platform/core/WinTypes.h"
#include "platform/ui/WinUi.h"

#include <utility>
#include <vector>

class CWnd;

// The dialog's settings. The filter is pairs of description and patterns, each
// ended by '|' (or by '\0'), e.g. "Project Files (*.oxp)|*.oxp|All Files (*.*)|*.*||".
struct OPENFILENAME {
    DWORD Flags = 0;
    CString lpstrTitle;
    CString lpstrInitialDir;
    CString lpstrFilter;
    DWORD nFilterIndex = 1;
    CString lpstrDefExt; // without the dot
    CString lpstrFile;   // the initial name, then the chosen path
};

class CFileDialog {
public:
    explicit CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt = nullptr,
                         const char* lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         const char* lpszFilter = nullptr, CWnd* pParentWnd = nullptr);
    virtual ~CFileDialog();

    // IDOK or IDCANCEL.
    virtual INT_PTR DoModal();

    CString GetPathName() const { return m_ofn.lpstrFile; }
    // The name with its extension.
    CString GetFileName() const;
    // The name without folder and extension.
    CString GetFileTitle() const;
    // The extension without the dot.
    CString GetFileExt() const;

    OPENFILENAME m_ofn;

    // The pairs of a filter text.
    static std::vector<std::pair<CString, CString>> ParseFilter(const CString& filter);

protected:
    BOOL m_bOpenFileDialog;
};
