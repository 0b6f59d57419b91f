#include "platform/ui/CRecentFileList.h"

#include "platform/core/PathNames.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CWinApp.h"

#include <algorithm>

CRecentFileList::CRecentFileList(UINT nStart, const char* lpszSection, const char* lpszEntryFormat, int nSize,
                                 int nMaxDispLen)
    : m_nStart(nStart), m_strSectionName(lpszSection ? lpszSection : ""),
      m_strEntryFormat(lpszEntryFormat ? lpszEntryFormat : "File%d"), m_nMaxDisplayLength(nMaxDispLen),
      m_arrNames(static_cast<size_t>(std::max(nSize, 0))) {}

CRecentFileList::~CRecentFileList() = default;

void CRecentFileList::Add(const char* lpszPathName) {
    if (!lpszPathName || !*lpszPathName || m_arrNames.empty()) return;
    const CString path = lpszPathName;
    auto it = std::find(m_arrNames.begin(), m_arrNames.end(), path);
    if (it == m_arrNames.end()) it = m_arrNames.end() - 1;
    std::rotate(m_arrNames.begin(), it, it + 1);
    m_arrNames.front() = path;
}

void CRecentFileList::Remove(int nIndex) {
    if (nIndex < 0 || nIndex >= GetSize()) return;
    m_arrNames.erase(m_arrNames.begin() + nIndex);
    m_arrNames.emplace_back();
}

void CRecentFileList::ReadList() {
    CWinApp* app = AfxGetApp();
    if (!app) return;
    for (int i = 0; i < GetSize(); ++i) {
        const CString entry = CString::Formatted(m_strEntryFormat.c_str(), i + 1);
        m_arrNames[static_cast<size_t>(i)] =
            app->GetProfileString(m_strSectionName.c_str(), entry.c_str(), "");
    }
}

void CRecentFileList::WriteList() {
    CWinApp* app = AfxGetApp();
    if (!app) return;
    // Entries that are no longer used go, so that the profile holds the list exactly.
    app->WriteProfileString(m_strSectionName.c_str(), nullptr, nullptr);
    for (int i = 0; i < GetSize(); ++i) {
        const CString& name = m_arrNames[static_cast<size_t>(i)];
        if (name.empty()) continue;
        const CString entry = CString::Formatted(m_strEntryFormat.c_str(), i + 1);
        app->WriteProfileString(m_strSectionName.c_str(), entry.c_str(), name.c_str());
    }
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, BOOL bAtLeastName) const {
    if (nIndex < 0 || nIndex >= GetSize() || m_arrNames[static_cast<size_t>(nIndex)].empty()) return FALSE;
    const CString& path = m_arrNames[static_cast<size_t>(nIndex)];
    if (path.GetLength() <= m_nMaxDisplayLength) {
        strName = path;
        return TRUE;
    }
    // The first folder, "...", and as much of the end as fits, always the file name.
    const size_t nameStart = path.find_last_of("/\\");
    const CString fileName = AfxGetFileName(path);
    const size_t firstSep = path.find_first_of("/\\", 1);
    const CString head = firstSep == std::string::npos ? CString() : CString(path.substr(0, firstSep + 1));
    const char sep = nameStart == std::string::npos ? '/' : path[nameStart];
    const CString dots = CString("...") + sep;
    if (head.GetLength() + dots.GetLength() + fileName.GetLength() > m_nMaxDisplayLength) {
        strName = bAtLeastName ? fileName : CString();
        return TRUE;
    }
    // Keep as many trailing folders as fit.
    CString tail = fileName;
    size_t end = nameStart;
    while (end != std::string::npos && end > firstSep) {
        const size_t prev = path.find_last_of("/\\", end - 1);
        if (prev == std::string::npos || prev <= firstSep) break;
        const CString candidate = CString(path.substr(prev + 1, end - prev)) + tail;
        if (head.GetLength() + dots.GetLength() + candidate.GetLength() > m_nMaxDisplayLength) break;
        tail = candidate;
        end = prev;
    }
    strName = head + dots + tail;
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI) {
    if (!pCmdUI) return;
    CMenu* menu = pCmdUI->m_pMenu;
    if (m_strOriginal.empty() && menu) menu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);
    if (m_arrNames.empty() || m_arrNames.front().empty()) {
        // Nothing opened (or everything removed): only the placeholder stays, disabled.
        if (menu) {
            for (int i = 1; i < GetSize(); ++i)
                menu->DeleteMenu(pCmdUI->m_nID + static_cast<UINT>(i), MF_BYCOMMAND);
            pCmdUI->m_nIndexMax = menu->GetMenuItemCount();
        }
        if (!m_strOriginal.empty()) pCmdUI->SetText(m_strOriginal.c_str());
        pCmdUI->Enable(FALSE);
        return;
    }
    if (!menu) return;
    for (int i = 0; i < GetSize(); ++i)
        menu->DeleteMenu(pCmdUI->m_nID + static_cast<UINT>(i), MF_BYCOMMAND);
    for (int i = 0; i < GetSize() && !m_arrNames[static_cast<size_t>(i)].empty(); ++i) {
        CString name;
        GetDisplayName(name, i);
        name.Replace("&", "&&");
        const CString text = i < 9 ? CString::Formatted("&%d ", i + 1) + name
                                   : CString::Formatted("%d&%d ", (i + 1) / 10, (i + 1) % 10) + name;
        menu->InsertMenu(pCmdUI->m_nIndex++, MF_STRING | MF_BYPOSITION, pCmdUI->m_nID++, text.c_str());
    }
    // The caller goes on after the items just added.
    --pCmdUI->m_nIndex;
    pCmdUI->m_nIndexMax = menu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}
