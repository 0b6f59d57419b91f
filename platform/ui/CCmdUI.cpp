#include "platform/ui/CCmdUI.h"

#include "platform/ui/CCmdTarget.h"
#include "platform/ui/CMenu.h"

CCmdUI::CCmdUI() = default;
CCmdUI::~CCmdUI() = default;

void CCmdUI::Enable(BOOL bOn) {
    if (m_pMenu) m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) {
    if (m_pMenu) m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
}

void CCmdUI::SetRadio(BOOL bOn) {
    if (!m_pMenu) return;
    m_pMenu->SetMenuItemRadio(m_nIndex, MF_BYPOSITION, TRUE);
    m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_CHECKED : MF_UNCHECKED));
}

void CCmdUI::SetText(const char* lpszText) {
    if (m_pMenu) m_pMenu->SetMenuItemText(m_nIndex, MF_BYPOSITION, lpszText);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    if (!pTarget) return FALSE;
    m_bEnableChanged = FALSE;
    const BOOL handled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    // An update handler that only checks its element leaves the enabling to the
    // command handler, as one that is missing does: else a button disabled while
    // no view had the command would stay disabled once one has it.
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info;
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return handled;
}

CTestCmdUI::CTestCmdUI() = default;
CTestCmdUI::~CTestCmdUI() = default;

void CTestCmdUI::Enable(BOOL bOn) {
    m_bEnabled = bOn;
    m_bEnableChanged = TRUE;
}

void CTestCmdUI::SetCheck(int nCheck) {
    m_nCheck = nCheck;
}

void CTestCmdUI::SetRadio(BOOL bOn) {
    m_bRadio = TRUE;
    m_nCheck = bOn ? 1 : 0;
}

void CTestCmdUI::SetText(const char* lpszText) {
    m_bTextSet = TRUE;
    m_strText = lpszText ? lpszText : "";
}
