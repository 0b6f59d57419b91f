#include "framework/ABaseProjectWnd.h"

#include "platform/ui/SECTabWnd.h"

IMPLEMENT_DYNCREATE(ABaseProjectWnd, SECControlBar)

BEGIN_MESSAGE_MAP(ABaseProjectWnd, SECControlBar)
ON_MESSAGE(TCM_TABSEL, &ABaseProjectWnd::OnTabSelected)
END_MESSAGE_MAP()

ABaseProjectWnd::ABaseProjectWnd() = default;

ABaseProjectWnd::~ABaseProjectWnd() {
    for (ABaseProjectWndItem* item : m_items)
        delete item;
}

void ABaseProjectWnd::AddProjectView(CWnd* pTree, DWORD dwStyle, UINT nTabIndex, UINT nControlId,
                                     UINT nIconId, CString label, ABaseWorkspace* pWorkspace,
                                     CRuntimeClass* pStructureItemClass) {
    auto* item = new ABaseProjectWndItem;
    item->m_pTree = pTree;
    item->m_dwStyle = dwStyle;
    item->m_nTabIndex = nTabIndex;
    item->m_nControlId = nControlId;
    item->m_nIconId = nIconId;
    item->m_strLabel = label;
    item->m_pWorkspace = pWorkspace;
    item->m_pStructureItemClass = pStructureItemClass;
    m_items.push_back(item);
}

int ABaseProjectWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (SECControlBar::OnCreate(lpCreateStruct) == -1) return -1;
    return 0;
}

void ABaseProjectWnd::AddProject() {}
void ABaseProjectWnd::AddStructure(ABaseStructureDoc*) {}
void ABaseProjectWnd::RemoveStructure(ABaseStructureDoc*) {}
void ABaseProjectWnd::UpdateStructureName(ABaseStructureDoc*) {}
void ABaseProjectWnd::UpdateProject() {}
void ABaseProjectWnd::RemoveProject() {}

int ABaseProjectWnd::GetNumberOfSteps() {
    return 0;
}

void ABaseProjectWnd::ActivateWorkspace(int) {}

LRESULT ABaseProjectWnd::OnTabSelected(WPARAM, LPARAM) {
    return 0;
}
