#include "app/shell/AWorkspaceManager.h"

#include "app/shell/AProjectTreeItems.h"
#include "app/shell/AProjectWorkspaceWndInterface.h"
#include "app/shell/CStrakonApp.h"
#include "framework/ABaseMDIChildWnd.h"
#include "framework/ABaseMDIFrameWnd.h"
#include "framework/ABaseProjectDoc.h"
#include "framework/ABaseProjectWnd.h"
#include "framework/ABaseStructureDoc.h"
#include "platform/core/CArchive.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDocument.h"

#include <cstring>
#include <functional>
#include <memory>

IMPLEMENT_DYNCREATE(AWorkspaceManager, ABaseWorkspaceManager)

namespace {
// The commands of the Window menu that switch the workspaces.
constexpr UINT ID_WORKSPACE_GEOMETRY = 32880;
constexpr UINT ID_WORKSPACE_LOADS = 32881;
constexpr UINT ID_WORKSPACE_RESULTS = 32882;
constexpr UINT ID_WORKSPACE_DESIGN = 32883;
} // namespace

BEGIN_MESSAGE_MAP(AWorkspaceManager, ABaseWorkspaceManager)
ON_COMMAND(ID_WORKSPACE_GEOMETRY, &AWorkspaceManager::ActivateGeometryWorkspace)
ON_COMMAND(ID_WORKSPACE_LOADS, &AWorkspaceManager::ActivateLoadsWorkspace)
ON_COMMAND(ID_WORKSPACE_RESULTS, &AWorkspaceManager::ActivateResultsWorkspace)
ON_COMMAND(ID_WORKSPACE_DESIGN, &AWorkspaceManager::ActivateDesignWorkspace)
ON_UPDATE_COMMAND_UI(ID_WORKSPACE_GEOMETRY, &AWorkspaceManager::OnUpdateGeometryWorkspace)
ON_UPDATE_COMMAND_UI(ID_WORKSPACE_LOADS, &AWorkspaceManager::OnUpdateLoadsWorkspace)
ON_UPDATE_COMMAND_UI(ID_WORKSPACE_RESULTS, &AWorkspaceManager::OnUpdateResultsWorkspace)
ON_UPDATE_COMMAND_UI(ID_WORKSPACE_DESIGN, &AWorkspaceManager::OnUpdateDesignWorkspace)
END_MESSAGE_MAP()

namespace {

constexpr DWORD kManagerVersion = 10001;
constexpr DWORD kWindowInfoVersion = 10000;
constexpr int kWorkspaceCount = 4;

std::unique_ptr<AWorkspaceManager>& holder() {
    static std::unique_ptr<AWorkspaceManager> manager;
    return manager;
}

ABaseProjectWnd* projectWnd() {
    auto* frame = dynamic_cast<ABaseMDIFrameWnd*>(AfxGetMainWnd());
    return frame ? frame->GetProjectWnd() : nullptr;
}

} // namespace

AWorkspaceManager::AWorkspaceManager() {
    AddWorkspace(0, "Geometry");
    AddWorkspace(1, "Loads");
    AddWorkspace(2, "Results");
    AddWorkspace(3, "Design");
    m_pActiveWorkspace = GetWorkspace(0);
    m_bTrackPlacement = 1;
    m_bLastFrameMaximized = 0;
}

AWorkspaceManager* AWorkspaceManager::Instance() {
    if (!holder()) holder() = std::make_unique<AWorkspaceManager>();
    return holder().get();
}

void AWorkspaceManager::Release() {
    holder().reset();
}

void AWorkspaceManager::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kManagerVersion;
        ar << (m_pActiveWorkspace ? m_pActiveWorkspace->GetWorkspaceId() : 0);
        if (m_pActiveWorkspace) m_pActiveWorkspace->SaveWindowPlacement();
        for (int id = 0; id < kWorkspaceCount; ++id)
            if (ABaseWorkspace* workspace = GetWorkspace(id)) workspace->Serialize(ar);
        return;
    }
    DWORD version = 0;
    int activeId = 0;
    ar >> version >> activeId;
    const int stored = version > 10000 ? kWorkspaceCount : kWorkspaceCount - 1;
    for (int id = 0; id < stored; ++id)
        if (ABaseWorkspace* workspace = GetWorkspace(id)) workspace->Serialize(ar);
    // A damaged id would leave no workspace to show.
    if (activeId < 0 || activeId >= kWorkspaceCount || !GetWorkspace(activeId)) activeId = 0;
    // The placements just read must survive the switch.
    m_bTrackPlacement = 0;
    if (ABaseProjectWnd* wnd = projectWnd())
        wnd->ActivateWorkspace(activeId);
    else
        SetActiveWorkspace(activeId, true);
    m_bTrackPlacement = 1;
}

void AWorkspaceManager::ActivateWorkspace(int nId) {
    if (ABaseProjectWnd* wnd = projectWnd()) wnd->ActivateWorkspace(nId);
}

void AWorkspaceManager::CheckWorkspace(CCmdUI* pCmdUI, int nId) {
    pCmdUI->SetCheck(m_pActiveWorkspace && m_pActiveWorkspace->GetWorkspaceId() == nId ? 1 : 0);
}

void AWorkspaceManager::ActivateGeometryWorkspace() {
    ActivateWorkspace(0);
}
void AWorkspaceManager::ActivateLoadsWorkspace() {
    ActivateWorkspace(1);
}
void AWorkspaceManager::ActivateResultsWorkspace() {
    ActivateWorkspace(2);
}
void AWorkspaceManager::ActivateDesignWorkspace() {
    ActivateWorkspace(3);
}
void AWorkspaceManager::OnUpdateGeometryWorkspace(CCmdUI* pCmdUI) {
    CheckWorkspace(pCmdUI, 0);
}
void AWorkspaceManager::OnUpdateLoadsWorkspace(CCmdUI* pCmdUI) {
    CheckWorkspace(pCmdUI, 1);
}
void AWorkspaceManager::OnUpdateResultsWorkspace(CCmdUI* pCmdUI) {
    CheckWorkspace(pCmdUI, 2);
}
void AWorkspaceManager::OnUpdateDesignWorkspace(CCmdUI* pCmdUI) {
    CheckWorkspace(pCmdUI, 3);
}

// --- window records ----------------------------------------------------------------------------

namespace {

using Finder = std::function<ABaseProjectTI*(AProjectWorkspaceWndInterface&, CDocument*, int)>;

// The kinds of window a record can name, by the type name of their tree entry
// (and the name older files use).
struct WindowKind {
    const char* typeName;
    const char* olderName;
    bool indexed;
    Finder find;
};

const WindowKind* kindOf(const CString& typeName) {
    using I = AProjectWorkspaceWndInterface;
    static const WindowKind kinds[] = {
        {".?AVATIWinGGeometryItem@@", ".?AVGuiTIWinGGeometryItem@@", false,
         [](I& w, CDocument* d, int) { return w.GetGeometryItem(d); }},
        {".?AVATIWinLActionItem@@", ".?AVGuiTIWinLActionItem@@", true,
         [](I& w, CDocument* d, int n) { return w.GetActionItem(d, n); }},
        {".?AVATIWinLActionsLoadCasesManagerItem@@", ".?AVGuiTIWinLActionsLoadCasesManagerItem@@", false,
         [](I& w, CDocument* d, int) { return w.GetActionsLoadCasesManagerItem(d); }},
        {".?AVATIWinRLoadCaseItem@@", ".?AVGuiTIWinRLoadCaseItem@@", true,
         [](I& w, CDocument* d, int n) { return w.GetLoadCaseItem(d, n); }},
        {".?AVATIWinREnvelopeItem@@", nullptr, true,
         [](I& w, CDocument* d, int n) { return w.GetEnvelopeItem(d, n); }},
        {".?AVATIWinREnvelopeManagerItem@@", nullptr, false,
         [](I& w, CDocument* d, int) { return w.GetEnvelopeManagerItem(d); }},
        {".?AVATIWinDResumeItem@@", nullptr, false, [](I& w, CDocument* d, int) { return w.GetDesignResumeItem(d); }},
        {".?AVATIWinDElementItem@@", nullptr, true,
         [](I& w, CDocument* d, int n) { return w.GetDesignElementItem(d, n); }},
    };
    for (const WindowKind& kind : kinds)
        if (typeName == kind.typeName || (kind.olderName && typeName == kind.olderName)) return &kind;
    return nullptr;
}

void stepProgress() {
    if (CStrakonApp* app = CStrakonApp::GetApp()) app->StepProgress(1);
}

} // namespace

void AWindowInfo::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kWindowInfoVersion;
        ar << m_wp;
        auto* frame = dynamic_cast<ABaseMDIChildWnd*>(CWnd::FromHandle(m_hWnd));
        CDocument* doc = frame ? frame->GetActiveDocument() : nullptr;
        auto* item = frame ? dynamic_cast<ATIWin*>(frame->GetGuiTIWinObject()) : nullptr;
        ar << (doc ? doc->GetTitle() : CString());
        // A window of no known entry is stored under no type name: reading skips it.
        ar << CString(item ? item->GetTypeName() : "");
        if (item && item->IsIndexed()) ar << static_cast<int>(item->GetIndex());
        stepProgress();
        return;
    }
    DWORD version = 0;
    ar >> version;
    ar >> m_wp;
    CString title;
    CString typeName;
    ar >> title >> typeName;
    const WindowKind* kind = kindOf(typeName);
    int index = 0;
    if (kind && kind->indexed) ar >> index;
    stepProgress();

    ABaseWinApp* app = ABaseWinApp::GetApp();
    ABaseProjectDoc* project = app ? app->GetProjectDocument() : nullptr;
    ABaseStructureDoc* structure = project ? project->GetStructure(title) : nullptr;
    AProjectWorkspaceWndInterface* wnd = AProjectWorkspaceWndInterface::FromMainFrame();
    if (!kind || !structure || !wnd) return;
    auto* item = dynamic_cast<ATIWin*>(kind->find(*wnd, structure, index));
    CFrameWnd* opened = item ? item->Open(FALSE) : nullptr;
    auto* frame = dynamic_cast<ABaseMDIChildWnd*>(opened);
    if (!frame) return;
    frame->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    frame->RegisterFrame();
    if (ABaseWorkspaceManager* manager = app->GetWorkspaceManager())
        if (manager->GetActiveWorkspace()) manager->GetActiveWorkspace()->SetWindowPlacement(&m_wp);
    // The workspace enables and shows the frame when it is shown.
    frame->EnableWindow(FALSE);
}

ABaseWorkspaceWindowInfo* AWindowInfoCreator::CreateWindowInfoObject(HWND hWnd) {
    return new AWindowInfo(hWnd);
}
