#include "app/shell/APellionToolbarsMenuManager.h"

#include "framework/ABaseWinApp.h"
#include "framework/ABaseWorkspace.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CControlBar.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMenu.h"

IMPLEMENT_DYNCREATE(APellionToolbarsMenuManager, CCmdTarget)

BEGIN_MESSAGE_MAP(APellionToolbarsMenuManager, CCmdTarget)
ON_COMMAND_RANGE(APellionToolbarsMenuManager::kFirstGeneral, APellionToolbarsMenuManager::kLastToggle,
                 &APellionToolbarsMenuManager::OnToggleToolbar)
ON_UPDATE_COMMAND_UI_RANGE(APellionToolbarsMenuManager::kFirstGeneral, APellionToolbarsMenuManager::kLastToggle,
                           &APellionToolbarsMenuManager::OnUpdateToggleToolbar)
END_MESSAGE_MAP()

namespace {

CFrameWnd* mainFrame() {
    return dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
}

ABaseWorkspace* activeWorkspace() {
    ABaseWinApp* app = ABaseWinApp::GetApp();
    ABaseWorkspaceManager* manager = app ? app->GetWorkspaceManager() : nullptr;
    return manager ? manager->GetActiveWorkspace() : nullptr;
}

} // namespace

bool APellionToolbarsMenuManager::IsToolbarsMenu(const CMenu* pMenu) {
    if (!pMenu || pMenu->GetMenuItemCount() == 0) return false;
    const UINT first = pMenu->GetMenuItemID(0);
    return first == kPlaceholder || (first >= kFirstGeneral && first <= kLastToggle);
}

void APellionToolbarsMenuManager::LoadToolbarsMenu(CMenu* pMenu) {
    if (!pMenu) return;
    for (int i = static_cast<int>(pMenu->GetMenuItemCount()) - 1; i >= 0; --i)
        pMenu->DeleteMenu(static_cast<UINT>(i), MF_BYPOSITION);
    CFrameWnd* frame = mainFrame();
    UINT position = 0;
    bool listed = false;
    const auto insert = [&](CControlBar* bar, UINT id) {
        pMenu->InsertMenu(position++, MF_BYPOSITION | MF_STRING | (bar->IsVisible() ? MF_CHECKED : MF_UNCHECKED), id,
                          bar->GetWindowText().c_str());
        listed = true;
    };
    for (UINT id = kFirstGeneral; frame && id <= kLastGeneral; ++id)
        if (CControlBar* bar = frame->GetControlBar(id)) insert(bar, id);
    pMenu->InsertMenu(position++, MF_BYPOSITION | MF_SEPARATOR);
    ABaseWorkspace* workspace = activeWorkspace();
    for (UINT id = kFirstWorkspace; frame && workspace && id <= kLastWorkspace; ++id)
        if (CControlBar* bar = frame->GetControlBar(id); bar && workspace->IsInWorkspace(bar->GetSafeHwnd()))
            insert(bar, id);
    if (!listed) pMenu->InsertMenu(0, MF_BYPOSITION | MF_STRING, kPlaceholder, "Empty");
}

void APellionToolbarsMenuManager::OnToggleToolbar(UINT nID) {
    CFrameWnd* frame = mainFrame();
    CControlBar* bar = frame ? frame->GetControlBar(nID) : nullptr;
    if (bar) frame->ShowControlBar(bar, !bar->IsVisible(), FALSE);
}

void APellionToolbarsMenuManager::OnUpdateToggleToolbar(CCmdUI* pCmdUI) {
    CFrameWnd* frame = mainFrame();
    CControlBar* bar = frame ? frame->GetControlBar(pCmdUI->m_nID) : nullptr;
    pCmdUI->Enable(bar != nullptr);
    pCmdUI->SetCheck(bar && bar->IsVisible() ? 1 : 0);
}
