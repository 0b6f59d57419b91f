#include "platform/ui/CFileDialog.h"

#include "platform/ui/AfxRes.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWnd.h"

#include <filesystem>

namespace {

std::filesystem::path toPath(const CString& s) {
    return std::filesystem::path(std::string(s));
}

int ask(UINT nIDPrompt, const CString& path, const CString& caption, UINT type) {
    CString text;
    AfxFormatString1(text, nIDPrompt, path.c_str());
    CMessageBoxRequest request;
    request.text = text;
    request.caption = caption;
    request.type = type;
    return CPromptService::Instance().MessageBox(request);
}

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt, const char* lpszFileName,
                         DWORD dwFlags, const char* lpszFilter, CWnd*)
    : m_bOpenFileDialog(bOpenFileDialog) {
    m_ofn.Flags = dwFlags;
    if (lpszDefExt) m_ofn.lpstrDefExt = lpszDefExt;
    if (lpszFileName) m_ofn.lpstrFile = lpszFileName;
    if (lpszFilter) m_ofn.lpstrFilter = lpszFilter;
}

CFileDialog::~CFileDialog() = default;

std::vector<std::pair<CString, CString>> CFileDialog::ParseFilter(const CString& filter) {
    std::vector<CString> parts;
    CString current;
    for (char c : filter) {
        if (c == '|' || c == '\0') {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(current);
    std::vector<std::pair<CString, CString>> pairs;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty()) break;
        pairs.emplace_back(parts[i], parts[i + 1]);
    }
    return pairs;
}

INT_PTR CFileDialog::DoModal() {
    ASSERT_UI_THREAD();
    CFileDialogRequest request;
    request.open = m_bOpenFileDialog != FALSE;
    request.title = m_ofn.lpstrTitle.empty()
                        ? AfxLoadString(m_bOpenFileDialog ? AFX_IDS_OPENFILE : AFX_IDS_SAVEFILE)
                        : m_ofn.lpstrTitle;
    request.filters = ParseFilter(m_ofn.lpstrFilter);
    request.filterIndex = static_cast<int>(m_ofn.nFilterIndex ? m_ofn.nFilterIndex : 1);
    request.defaultExtension = m_ofn.lpstrDefExt;
    if (!request.defaultExtension.empty() && request.defaultExtension[0] == '.')
        request.defaultExtension.erase(0, 1);
    request.initialFolder = m_ofn.lpstrInitialDir;
    request.fileName = m_ofn.lpstrFile;
    request.flags = m_ofn.Flags;

    for (;;) {
        CString path;
        if (!CPromptService::Instance().ChooseFile(request, path) || path.empty()) return IDCANCEL;
        const CString name = AfxGetFileName(path);
        if (!request.defaultExtension.empty() && name.find('.') == std::string::npos)
            path += "." + request.defaultExtension;
        std::error_code ec;
        const std::filesystem::path fsPath = toPath(path);
        const bool exists = std::filesystem::is_regular_file(fsPath, ec);
        request.fileName = path;
        if (request.open && (m_ofn.Flags & OFN_FILEMUSTEXIST) && !exists) {
            ask(AFX_IDP_FILE_NOT_FOUND, path, request.title, MB_OK | MB_ICONEXCLAMATION);
            continue;
        }
        if (m_ofn.Flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) {
            const std::filesystem::path folder = fsPath.parent_path();
            if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
                ask(AFX_IDP_PATH_NOT_FOUND, path, request.title, MB_OK | MB_ICONEXCLAMATION);
                continue;
            }
        }
        if (!request.open && (m_ofn.Flags & OFN_OVERWRITEPROMPT) && exists &&
            ask(AFX_IDP_ASK_TO_REPLACE, path, request.title, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
            continue;
        m_ofn.lpstrFile = path;
        return IDOK;
    }
}

CString CFileDialog::GetFileName() const {
    return AfxGetFileName(m_ofn.lpstrFile);
}

CString CFileDialog::GetFileTitle() const {
    const CString name = GetFileName();
    const size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : CString(name.substr(0, dot));
}

CString CFileDialog::GetFileExt() const {
    const CString name = GetFileName();
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? CString() : CString(name.substr(dot + 1));
}
