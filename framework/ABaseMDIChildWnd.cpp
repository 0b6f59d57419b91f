#include "framework/ABaseMDIChildWnd.h"

#include "framework/ABaseMDIFrameWnd.h"
#include "framework/ABaseProjectTI.h"
#include "framework/ABaseWinApp.h"
#include "framework/ABaseWorkspace.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CView.h"

IMPLEMENT_DYNCREATE(ABaseMDIChildWnd, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(ABaseMDIChildWnd, SECMDIChildWnd)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_MODIFIED, &ABaseMDIChildWnd::OnUpdateModifiedIndicator)
END_MESSAGE_MAP()

namespace {

ABaseWorkspaceManager* workspaceManager() {
    ABaseWinApp* app = ABaseWinApp::GetApp();
    return app ? app->GetWorkspaceManager() : nullptr;
}

} // namespace

ABaseMDIChildWnd::ABaseMDIChildWnd() = default;

ABaseMDIChildWnd::~ABaseMDIChildWnd() = default;

BOOL ABaseMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                 CCreateContext* pContext) {
    if (pContext) m_pDocTemplate = pContext->m_pNewDocTemplate;
    return SECMDIChildWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

BOOL ABaseMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style &= ~FWS_ADDTOTITLE;
    return SECMDIChildWnd::PreCreateWindow(cs);
}

void ABaseMDIChildWnd::RegisterFrame() {
    if (m_pWorkspace) return;
    ABaseWorkspaceManager* manager = workspaceManager();
    if (!manager || !manager->GetActiveWorkspace()) return;
    m_pWorkspace = manager->GetActiveWorkspace();
    m_pWorkspace->AddFrame(m_hWnd);
}

ABaseWorkspace* ABaseMDIChildWnd::GetWorkspace() {
    // A loaded project replaces the manager's workspaces: a frame of a replaced one belongs to none.
    ABaseWorkspaceManager* manager = workspaceManager();
    bool alive = false;
    if (manager && m_pWorkspace)
        for (const auto& [id, workspace] : manager->GetWorkspaces())
            alive = alive || workspace == m_pWorkspace;
    if (!alive) m_pWorkspace = nullptr;
    return m_pWorkspace;
}

void ABaseMDIChildWnd::UnregisterFrame() {
    if (ABaseWorkspace* workspace = GetWorkspace()) workspace->RemoveFrame(m_hWnd);
    m_pWorkspace = nullptr;
}

void ABaseMDIChildWnd::ActivateFrame(int nCmdShow) {
    RegisterFrame();
    ABaseWorkspaceManager* manager = workspaceManager();
    if (nCmdShow == -1 && GetWorkspace() && m_pWorkspace->IsFirstFrame() && manager &&
        manager->m_bLastFrameMaximized)
        nCmdShow = SW_SHOWMAXIMIZED;
    SECMDIChildWnd::ActivateFrame(nCmdShow);
}

void ABaseMDIChildWnd::SetGuiTIWinObject(ABaseProjectTIWin* pItem) {
    if (!pItem) return;
    if (m_pItem && m_pItem != pItem) {
        ABaseProjectTIWin* old = m_pItem;
        m_pItem = nullptr;
        old->RemoveWindow(m_hWnd);
    }
    m_pItem = pItem;
    m_bBound = 1;
    pItem->AddWindow(m_hWnd);
    UpdateFrameTitle();
}

void ABaseMDIChildWnd::InvalidGuiTIWinObject() {
    m_bBound = 0;
    m_pItem = nullptr;
}

void ABaseMDIChildWnd::InitializeFrame(ABaseMDIChildWnd* pFrom) {
    if (pFrom) SetGuiTIWinObject(pFrom->GetGuiTIWinObject());
}

void ABaseMDIChildWnd::UpdateFrameTitle() {
    if (!m_bBound || !m_pItem) return;
    CDocument* doc = GetActiveDocument();
    // Before its first update the frame has no active view yet: its pane has the document.
    if (!doc)
        if (auto* view = DYNAMIC_DOWNCAST_PTR<CView>(GetDlgItem(AFX_IDW_PANE_FIRST)))
            doc = view->GetDocument();
    CString title = (doc ? doc->GetTitle() : CString()) + " - " + m_pItem->GetDescription();
    if (m_pItem->GetWindows().size() > 1) {
        CString number;
        number.Format(":%d", m_pItem->GetWindowListPosition(m_hWnd));
        title += number;
    }
    if (GetWindowText() != title) SetWindowText(title.c_str());
}

void ABaseMDIChildWnd::OnDestroy() {
    UnregisterFrame();
    if (m_pItem) {
        ABaseProjectTIWin* item = m_pItem;
        m_pItem = nullptr;
        m_bBound = 0;
        item->RemoveWindow(m_hWnd);
    }
    SECMDIChildWnd::OnDestroy();
}

void ABaseMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd) {
    SECMDIChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    if (bActivate)
        if (ABaseWorkspace* workspace = GetWorkspace()) workspace->FrameActivated(m_hWnd);
}

void ABaseMDIChildWnd::OnUpdateModifiedIndicator(CCmdUI* pCmdUI) {
    if (auto* main = DYNAMIC_DOWNCAST_PTR<ABaseMDIFrameWnd>(AfxGetMainWnd()))
        main->OnUpdateModifiedIndicator(pCmdUI);
}
