#include "controls/AFolderDialog.h"

#include "platform/ui/CPromptService.h"

AFolderDialog::AFolderDialog(const char* lpszInitialFolder, CWnd* pParentWnd)
    : CFileDialog(TRUE, nullptr, "*..*", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER, nullptr,
                  pParentWnd) {
    m_ofn.lpstrTitle = "Choose folder";
    m_ofn.lpstrInitialDir = lpszInitialFolder ? lpszInitialFolder : "";
    m_strCurrentFolder = m_ofn.lpstrInitialDir;
}

AFolderDialog::~AFolderDialog() = default;

INT_PTR AFolderDialog::DoModal() {
    CFileDialogRequest request;
    request.open = true;
    request.folder = true;
    request.title = m_ofn.lpstrTitle;
    request.initialFolder = m_ofn.lpstrInitialDir;
    request.flags = m_ofn.Flags;
    CString chosen;
    if (!CPromptService::Instance().ChooseFile(request, chosen)) return IDCANCEL;
    m_strCurrentFolder = m_strSelectedFolder = chosen;
    m_ofn.lpstrFile = chosen;
    return IDOK;
}

CString AFolderDialog::WithoutTrailingSeparator(const CString& folder) {
    CString result = folder;
    while (result.size() > 1 && (result.back() == '/' || result.back() == '\\'))
        result.pop_back();
    return result;
}

CString AFolderDialog::GetSelectedFolder() const {
    return WithoutTrailingSeparator(m_strSelectedFolder);
}
