#pragma once
// A folder chooser on the file dialog: the user picks a folder, not a file.
#include "platform/ui/CFileDialog.h"

class AFolderDialog : public CFileDialog {
public:
    explicit AFolderDialog(const char* lpszInitialFolder = nullptr, CWnd* pParentWnd = nullptr);
    ~AFolderDialog() override;

    // IDOK or IDCANCEL; the choice goes through the prompt service.
    INT_PTR DoModal() override;
    // The chosen folder without a trailing separator; the root stays "/".
    CString GetSelectedFolder() const;
    CString GetCurrentFolder() const { return m_strCurrentFolder; }

    // The folder without trailing separators, the root kept as "/".
    static CString WithoutTrailingSeparator(const CString& folder);

private:
    CString m_strCurrentFolder;
    CString m_strSelectedFolder;
};
