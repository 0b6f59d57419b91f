#include "framework/ABaseProjectWnd.h"

#include "framework/ABaseOutputWnd.h"
#include "framework/ABaseProjectDoc.h"
#include "framework/ABaseProjectTreeCtrl.h"
#include "framework/ABaseStructureDoc.h"
#include "framework/ABaseWinApp.h"
#include "framework/ABaseWorkspace.h"
#include "platform/ui/SECTabWnd.h"

IMPLEMENT_DYNCREATE(ABaseProjectWnd, SECControlBar)

BEGIN_MESSAGE_MAP(ABaseProjectWnd, SECControlBar)
ON_MESSAGE(TCM_TABSEL, &ABaseProjectWnd::OnTabSelected)
END_MESSAGE_MAP()

ABaseProjectWnd::ABaseProjectWnd() = default;

ABaseProjectWnd::~ABaseProjectWnd() {
    // The tab window's widget goes with the bar's; its object is the bar's to delete.
    delete m_pTabWnd;
    m_pTabWnd = nullptr;
    for (ABaseProjectWndItem* item : m_items)
        delete item;
}

void ABaseProjectWnd::AddProjectView(ABaseProjectTreeCtrl* pTree, DWORD dwStyle, UINT nTabIndex,
                                     UINT nControlId, UINT nIconId, CString label, ABaseWorkspace* pWorkspace,
                                     const CRuntimeClass* pStructureItemClass) {
    auto* item = new ABaseProjectWndItem;
    item->m_pTree = pTree;
    item->m_dwStyle = dwStyle;
    item->m_nTabIndex = nTabIndex;
    item->m_nControlId = nControlId;
    item->m_nIconId = nIconId;
    item->m_strLabel = label;
    item->m_pWorkspace = pWorkspace;
    if (pWorkspace) {
        item->m_nWorkspaceId = pWorkspace->GetWorkspaceId();
        item->m_pManager = pWorkspace->GetWorkspaceManager();
    }
    item->m_pStructureItemClass = pStructureItemClass;
    m_items.push_back(item);
}

int ABaseProjectWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (SECControlBar::OnCreate(lpCreateStruct) == -1) return -1;
    m_pTabWnd = new SECTabWnd;
    if (!m_pTabWnd->Create(this, WS_CHILD | WS_VISIBLE, 0xE900)) {
        delete m_pTabWnd;
        m_pTabWnd = nullptr;
        return -1;
    }
    AfxFillControlBar(this, m_pTabWnd->GetWidget());
    for (ABaseProjectWndItem* item : m_items) {
        if (!item->m_pTree) continue;
        if (!item->m_pTree->IsWindow() &&
            !item->m_pTree->Create(nullptr, nullptr, item->m_dwStyle | WS_CHILD | WS_VISIBLE,
                                   CRect(0, 0, 0, 0), m_pTabWnd, item->m_nControlId))
            continue;
        const int index = m_pTabWnd->AddTab(item->m_pTree, item->m_strLabel.c_str());
        m_pTabWnd->SetTabIcon(index, item->m_nIconId, 16, 16);
    }
    AddEmptyProjectItems();
    m_pTabWnd->ActivateTab(0);
    m_pTabWnd->ScrollToTab(0);
    m_bCreated = TRUE;
    return 0;
}

void ABaseProjectWnd::AddEmptyProjectItems() {
    for (ABaseProjectWndItem* item : m_items)
        if (item->m_pTree && item->m_pTree->IsWindow())
            item->m_pTree->InsertItem(m_strEmptyTree.c_str(), 0, 0, TVI_ROOT, TVI_LAST);
}

ABaseWorkspace* ABaseProjectWnd::GetTabWorkspace(int nTab) const {
    for (ABaseProjectWndItem* item : m_items) {
        if (!m_pTabWnd || m_pTabWnd->GetTabWnd(nTab) != item->m_pTree) continue;
        item->m_pWorkspace =
            item->m_pManager ? item->m_pManager->GetWorkspace(item->m_nWorkspaceId) : nullptr;
        return item->m_pWorkspace;
    }
    return nullptr;
}

void ABaseProjectWnd::AddProject() {
    for (ABaseProjectWndItem* item : m_items)
        if (item->m_pTree) item->m_pTree->AddProject();
    ABaseWinApp* app = ABaseWinApp::GetApp();
    ABaseProjectDoc* project = app ? app->GetProjectDocument() : nullptr;
    if (!project) return;
    for (ABaseStructureDoc* structure : project->GetStructures())
        AddStructure(structure);
}

void ABaseProjectWnd::AddStructure(ABaseStructureDoc* pStructure) {
    for (ABaseProjectWndItem* item : m_items) {
        if (!item->m_pTree || !item->m_pStructureItemClass) continue;
        CObject* made = item->m_pStructureItemClass->CreateObject();
        auto* object = DYNAMIC_DOWNCAST_PTR<ABaseProjectSTreeItem>(made);
        if (!object) {
            delete made;
            continue;
        }
        object->Initialize(pStructure, item->m_pTree);
        item->m_pTree->AddStructure(pStructure, object);
    }
}

void ABaseProjectWnd::RemoveStructure(ABaseStructureDoc* pStructure) {
    for (ABaseProjectWndItem* item : m_items)
        if (item->m_pTree) item->m_pTree->RemoveStructure(pStructure);
}

void ABaseProjectWnd::UpdateStructureName(ABaseStructureDoc* pStructure) {
    for (ABaseProjectWndItem* item : m_items)
        if (item->m_pTree) item->m_pTree->UpdateStructureName(pStructure);
}

void ABaseProjectWnd::UpdateProject() {}

void ABaseProjectWnd::RemoveProject() {
    for (ABaseProjectWndItem* item : m_items)
        if (item->m_pTree) item->m_pTree->RemoveProject();
    AddEmptyProjectItems();
}

int ABaseProjectWnd::GetNumberOfSteps() {
    int steps = 0;
    for (ABaseProjectWndItem* item : m_items)
        if (item->m_pTree) steps += item->m_pTree->GetNumberOfSteps();
    return steps;
}

void ABaseProjectWnd::ActivateWorkspace(int nTab) {
    if (!m_pTabWnd) return;
    if (m_pTabWnd->GetActiveTab() != nTab) {
        // The tab window reports the change, and the workspace follows.
        m_pTabWnd->ActivateTab(nTab);
        m_pTabWnd->ScrollToTab(nTab);
        return;
    }
    if (ABaseWorkspace* workspace = GetTabWorkspace(nTab))
        if (ABaseWorkspaceManager* manager = workspace->GetWorkspaceManager())
            manager->SetActiveWorkspace(nTab, true);
}

LRESULT ABaseProjectWnd::OnTabSelected(WPARAM wParam, LPARAM) {
    if (!m_bCreated) return 0;
    ABaseWorkspace* workspace = GetTabWorkspace(static_cast<int>(wParam));
    if (!workspace || !workspace->GetWorkspaceManager()) return 0;
    workspace->GetWorkspaceManager()->SetActiveWorkspace(workspace->GetWorkspaceId(), true);
    return 0;
}
