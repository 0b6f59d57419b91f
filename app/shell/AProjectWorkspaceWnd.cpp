#include "app/shell/AProjectWorkspaceWnd.h"

#include "app/shell/AProjectTreeItems.h"
#include "app/shell/AStructureTreeItems.h"
#include "app/shell/AWorkspaceManager.h"
#include "framework/ABaseProjectDoc.h"
#include "framework/ABaseStructureDoc.h"
#include "framework/ABaseWinApp.h"
#include "platform/core/CArchive.h"

#include <memory>

IMPLEMENT_DYNCREATE(AProjectWorkspaceWnd, ABaseProjectWnd)

namespace {

constexpr DWORD kTreeVersion = 10000;
constexpr DWORD kWindowVersion = 10001;
constexpr DWORD kTreeStyle = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;

// The tabs: caption, control id, tab icon, image strip, steps per structure.
struct TabResource {
    const char* caption;
    UINT controlId;
    UINT icon;
    UINT strip;
    int steps;
};
constexpr TabResource kTabs[] = {
    {"Geometry", 112, 161, 171, 8},
    {"Loads", 113, 162, 172, 1},
    {"Results", 114, 163, 169, 2},
    {"Design", 117, 256, 173, 5},
};

} // namespace

// --- trees -------------------------------------------------------------------------------------

AProjectTreeView::AProjectTreeView(UINT nImageStrip, int nStepsPerStructure, const CRuntimeClass* pItemClass)
    : m_nImageStrip(nImageStrip), m_nStepsPerStructure(nStepsPerStructure), m_pItemClass(pItemClass) {}

int AProjectTreeView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (ABaseProjectTreeCtrl::OnCreate(lpCreateStruct) == -1) return -1;
    return CreateImageList(m_nImageStrip) ? 0 : -1;
}

int AProjectTreeView::GetNumberOfSteps() {
    return static_cast<int>(m_structureItems.size()) * m_nStepsPerStructure;
}

template <class T> T* AProjectTreeView::BranchOf(CDocument* pStructure) const {
    return dynamic_cast<T*>(GetSTreeItemObject(dynamic_cast<ABaseStructureDoc*>(pStructure)));
}

void AProjectTreeView::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kTreeVersion;
        ar << static_cast<DWORD>(m_structureItems.size());
        for (ABaseProjectSTreeItem* item : m_structureItems) {
            ar << (item->GetStructureDoc() ? item->GetStructureDoc()->GetTitle() : CString());
            item->Serialize(ar);
        }
        return;
    }
    DWORD version = 0;
    DWORD count = 0;
    ar >> version >> count;
    // Every record holds at least a name's length byte and two words.
    ar.CheckCount(count, 9);
    ABaseWinApp* app = ABaseWinApp::GetApp();
    ABaseProjectDoc* project = app ? app->GetProjectDocument() : nullptr;
    for (DWORD i = 0; i < count; ++i) {
        CString name;
        ar >> name;
        ABaseStructureDoc* structure = project ? project->GetStructure(name) : nullptr;
        ABaseProjectSTreeItem* item = structure ? GetSTreeItemObject(structure) : nullptr;
        if (item) {
            item->SetRestoreExpansion(TRUE);
            item->Serialize(ar);
            item->SetRestoreExpansion(FALSE);
            continue;
        }
        // A structure that is not in the project, or that has no branch here:
        // its values are read and dropped, so that the records after it stay in step.
        std::unique_ptr<CObject> made(m_pItemClass ? m_pItemClass->CreateObject() : nullptr);
        auto* temporary = dynamic_cast<ABaseProjectSTreeItem*>(made.get());
        if (!temporary) throw CArchiveException(CArchiveException::badClass, "", "no branch to read into");
        temporary->Serialize(ar);
    }
}

AProjectGeomertyView::AProjectGeomertyView() : AProjectTreeView(kTabs[0].strip, kTabs[0].steps, RUNTIME_CLASS(ASGTreeItem)) {
    m_pProjectItemClass = RUNTIME_CLASS(ATIGProject);
}

void AProjectGeomertyView::UpdateElements(CDocument* pStructure) {
    if (auto* branch = BranchOf<ASGTreeItem>(pStructure)) branch->UpdateElements();
}
void AProjectGeomertyView::UpdateNodes(CDocument* pStructure) {
    if (auto* branch = BranchOf<ASGTreeItem>(pStructure)) branch->UpdateNodes();
}
void AProjectGeomertyView::UpdateMaterials(CDocument* pStructure) {
    if (auto* branch = BranchOf<ASGTreeItem>(pStructure)) branch->UpdateMaterials();
}
void AProjectGeomertyView::UpdateCrossSections(CDocument* pStructure) {
    if (auto* branch = BranchOf<ASGTreeItem>(pStructure)) branch->UpdateCrossSections();
}
ABaseProjectTI* AProjectGeomertyView::GetGeometryItem(CDocument* pStructure) {
    auto* branch = BranchOf<ASGTreeItem>(pStructure);
    return branch ? branch->GetGeometryItem() : nullptr;
}

AProjectLoadView::AProjectLoadView() : AProjectTreeView(kTabs[1].strip, kTabs[1].steps, RUNTIME_CLASS(ASLTreeItem)) {
    m_pProjectItemClass = RUNTIME_CLASS(ATILProject);
}

void AProjectLoadView::UpdateActions(CDocument* pStructure) {
    if (auto* branch = BranchOf<ASLTreeItem>(pStructure)) branch->UpdateActions();
}
ABaseProjectTI* AProjectLoadView::GetActionItem(CDocument* pStructure, int number) {
    auto* branch = BranchOf<ASLTreeItem>(pStructure);
    return branch ? branch->GetActionItem(number) : nullptr;
}
ABaseProjectTI* AProjectLoadView::GetActionsLoadCasesManagerItem(CDocument* pStructure) {
    auto* branch = BranchOf<ASLTreeItem>(pStructure);
    return branch ? branch->GetActionsLoadCasesManagerItem() : nullptr;
}

AProjectResultView::AProjectResultView() : AProjectTreeView(kTabs[2].strip, kTabs[2].steps, RUNTIME_CLASS(ASRTreeItem)) {
    m_pProjectItemClass = RUNTIME_CLASS(ATIRProject);
}

void AProjectResultView::UpdateLoadCases(CDocument* pStructure) {
    if (auto* branch = BranchOf<ASRTreeItem>(pStructure)) branch->UpdateLoadCases();
}
void AProjectResultView::UpdateEnvelopes(CDocument* pStructure) {
    if (auto* branch = BranchOf<ASRTreeItem>(pStructure)) branch->UpdateEnvelopes();
}
ABaseProjectTI* AProjectResultView::GetLoadCaseItem(CDocument* pStructure, int number) {
    auto* branch = BranchOf<ASRTreeItem>(pStructure);
    return branch ? branch->GetLoadCaseItem(number) : nullptr;
}
ABaseProjectTI* AProjectResultView::GetEnvelopeItem(CDocument* pStructure, int number) {
    auto* branch = BranchOf<ASRTreeItem>(pStructure);
    return branch ? branch->GetEnvelopeItem(number) : nullptr;
}
ABaseProjectTI* AProjectResultView::GetEnvelopeManagerItem(CDocument* pStructure) {
    auto* branch = BranchOf<ASRTreeItem>(pStructure);
    return branch ? branch->GetEnvelopeManagerItem() : nullptr;
}

AProjectDesignView::AProjectDesignView() : AProjectTreeView(kTabs[3].strip, kTabs[3].steps, RUNTIME_CLASS(ASDTreeItem)) {
    m_pProjectItemClass = RUNTIME_CLASS(ATIDProject);
}

void AProjectDesignView::UpdateElements(CDocument* pStructure) {
    if (auto* branch = BranchOf<ASDTreeItem>(pStructure)) branch->UpdateElements();
}
ABaseProjectTI* AProjectDesignView::GetDesignResumeItem(CDocument* pStructure) {
    auto* branch = BranchOf<ASDTreeItem>(pStructure);
    return branch ? branch->GetDesignResumeItem() : nullptr;
}
ABaseProjectTI* AProjectDesignView::GetDesignElementItem(CDocument* pStructure, int number) {
    auto* branch = BranchOf<ASDTreeItem>(pStructure);
    return branch ? branch->GetDesignElementItem(number) : nullptr;
}

// --- window ------------------------------------------------------------------------------------

AProjectWorkspaceWnd::AProjectWorkspaceWnd() {
    m_bCreated = FALSE;
}

int AProjectWorkspaceWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    AWorkspaceManager* manager = AWorkspaceManager::Instance();
    ABaseProjectTreeCtrl* trees[] = {&m_wndGeometry, &m_wndLoads, &m_wndResults, &m_wndDesign};
    const CRuntimeClass* items[] = {RUNTIME_CLASS(ASGTreeItem), RUNTIME_CLASS(ASLTreeItem),
                                    RUNTIME_CLASS(ASRTreeItem), RUNTIME_CLASS(ASDTreeItem)};
    for (UINT tab = 0; tab < 4; ++tab)
        AddProjectView(trees[tab], kTreeStyle, tab, kTabs[tab].controlId, kTabs[tab].icon, kTabs[tab].caption,
                       manager->GetWorkspace(static_cast<int>(tab)), items[tab]);
    return ABaseProjectWnd::OnCreate(lpCreateStruct) == -1 ? -1 : 0;
}

void AProjectWorkspaceWnd::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kWindowVersion;
        m_wndGeometry.Serialize(ar);
        m_wndLoads.Serialize(ar);
        m_wndResults.Serialize(ar);
        m_wndDesign.Serialize(ar);
        return;
    }
    DWORD version = 0;
    ar >> version;
    m_wndGeometry.Serialize(ar);
    m_wndLoads.Serialize(ar);
    m_wndResults.Serialize(ar);
    if (version >= kWindowVersion) m_wndDesign.Serialize(ar);
}

void AProjectWorkspaceWnd::RemoveStructure(ABaseStructureDoc* pStructure) {
    ABaseProjectWnd::RemoveStructure(pStructure);
    for (ABaseProjectTreeCtrl* tree :
         {static_cast<ABaseProjectTreeCtrl*>(&m_wndGeometry), static_cast<ABaseProjectTreeCtrl*>(&m_wndLoads),
          static_cast<ABaseProjectTreeCtrl*>(&m_wndResults), static_cast<ABaseProjectTreeCtrl*>(&m_wndDesign)})
        tree->UpdateProject();
}

void AProjectWorkspaceWnd::UpdateElements(CDocument* pStructure) {
    m_wndGeometry.UpdateElements(pStructure);
    m_wndDesign.UpdateElements(pStructure);
}
void AProjectWorkspaceWnd::UpdateNodes(CDocument* pStructure) {
    m_wndGeometry.UpdateNodes(pStructure);
}
void AProjectWorkspaceWnd::UpdateMaterials(CDocument* pStructure) {
    // A member's kind of design, and so its folder in the Design tree, follows its material.
    m_wndGeometry.UpdateMaterials(pStructure);
    m_wndDesign.UpdateElements(pStructure);
}
void AProjectWorkspaceWnd::UpdateCrossSections(CDocument* pStructure) {
    m_wndGeometry.UpdateCrossSections(pStructure);
}
void AProjectWorkspaceWnd::UpdateActions(CDocument* pStructure) {
    m_wndLoads.UpdateActions(pStructure);
}
void AProjectWorkspaceWnd::UpdateLoadCases(CDocument* pStructure) {
    m_wndResults.UpdateLoadCases(pStructure);
}
void AProjectWorkspaceWnd::UpdateEnvelopes(CDocument* pStructure) {
    m_wndResults.UpdateEnvelopes(pStructure);
}
ABaseProjectTI* AProjectWorkspaceWnd::GetGeometryItem(CDocument* pStructure) {
    return m_wndGeometry.GetGeometryItem(pStructure);
}
ABaseProjectTI* AProjectWorkspaceWnd::GetActionItem(CDocument* pStructure, int number) {
    return m_wndLoads.GetActionItem(pStructure, number);
}
ABaseProjectTI* AProjectWorkspaceWnd::GetLoadCaseItem(CDocument* pStructure, int number) {
    return m_wndResults.GetLoadCaseItem(pStructure, number);
}
ABaseProjectTI* AProjectWorkspaceWnd::GetEnvelopeItem(CDocument* pStructure, int number) {
    return m_wndResults.GetEnvelopeItem(pStructure, number);
}
ABaseProjectTI* AProjectWorkspaceWnd::GetActionsLoadCasesManagerItem(CDocument* pStructure) {
    return m_wndLoads.GetActionsLoadCasesManagerItem(pStructure);
}
ABaseProjectTI* AProjectWorkspaceWnd::GetEnvelopeManagerItem(CDocument* pStructure) {
    return m_wndResults.GetEnvelopeManagerItem(pStructure);
}
ABaseProjectTI* AProjectWorkspaceWnd::GetDesignResumeItem(CDocument* pStructure) {
    return m_wndDesign.GetDesignResumeItem(pStructure);
}
ABaseProjectTI* AProjectWorkspaceWnd::GetDesignElementItem(CDocument* pStructure, int number) {
    return m_wndDesign.GetDesignElementItem(pStructure, number);
}
