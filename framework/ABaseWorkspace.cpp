#include "framework/ABaseWorkspace.h"

#include "framework/ABaseMDIChildWnd.h"
#include "framework/ABaseMDIFrameWnd.h"
#include "framework/ABaseProjectWnd.h"
#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/CControlBar.h"
#include "platform/ui/CWinApp.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr DWORD kWorkspaceVersion = 10000;
constexpr DWORD kManagerVersion = 20000;

// Sets a flag for the lifetime of the object and puts the old value back.
class BusyScope {
public:
    explicit BusyScope(BYTE& flag) : m_flag(flag), m_old(flag) { m_flag = 1; }
    ~BusyScope() { m_flag = m_old; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BYTE& m_flag;
    BYTE m_old;
};

std::list<ABaseWorkspaceWindowInfo*>::iterator findInfo(std::list<ABaseWorkspaceWindowInfo*>& list,
                                                        HWND hWnd) {
    return std::find_if(list.begin(), list.end(),
                        [hWnd](ABaseWorkspaceWindowInfo* i) { return i->m_hWnd == hWnd; });
}

CFrameWnd* mainFrame() {
    return DYNAMIC_DOWNCAST_PTR<CFrameWnd>(AfxGetMainWnd());
}

} // namespace

// --- window records ----------------------------------------------------------------------------

ABaseWorkspaceWindowInfo::~ABaseWorkspaceWindowInfo() = default;

void ABaseWorkspaceWindowInfo::Serialize(CArchive&) {}

ABaseWorkspaceWindowInfoCreator::~ABaseWorkspaceWindowInfoCreator() = default;

ABaseWorkspaceWindowInfo* ABaseWorkspaceWindowInfoCreator::CreateWindowInfoObject(HWND) {
    return nullptr;
}

// --- workspace ---------------------------------------------------------------------------------

ABaseWorkspaceWindowInfoCreator* ABaseWorkspace::m_pWindowInfoCreator = nullptr;

ABaseWorkspace::ABaseWorkspace(ABaseWorkspaceManager* pManager) : m_pManager(pManager) {}

ABaseWorkspace::ABaseWorkspace(int nId, CString name, ABaseWorkspaceManager* pManager)
    : m_nId(nId), m_strName(std::move(name)), m_pManager(pManager) {}

ABaseWorkspace::~ABaseWorkspace() {
    RemoveAllFrames();
    RemoveAllControlBars();
}

void ABaseWorkspace::SetWindowInfoCreatorObject(ABaseWorkspaceWindowInfoCreator* pCreator) {
    if (pCreator == m_pWindowInfoCreator) return;
    delete m_pWindowInfoCreator;
    m_pWindowInfoCreator = pCreator;
}

void ABaseWorkspace::DeleteWindowInfoCreatorObject() {
    delete m_pWindowInfoCreator;
    m_pWindowInfoCreator = nullptr;
}

ABaseWorkspaceWindowInfo* ABaseWorkspace::MakeInfo(HWND hWnd) const {
    ABaseWorkspaceWindowInfo* info =
        m_pWindowInfoCreator ? m_pWindowInfoCreator->CreateWindowInfoObject(hWnd) : nullptr;
    // Without the program's record the window is still kept, in a plain one.
    if (!info) info = new ABaseWorkspaceWindowInfo(hWnd);
    info->m_hWnd = hWnd;
    return info;
}

void ABaseWorkspace::AddFrame(HWND hWnd) {
    if (!hWnd || findInfo(m_frames, hWnd) != m_frames.end()) return;
    m_frames.push_back(MakeInfo(hWnd));
}

void ABaseWorkspace::AddControlBar(HWND hWnd) {
    if (!hWnd || findInfo(m_controlBars, hWnd) != m_controlBars.end()) return;
    m_controlBars.push_back(MakeInfo(hWnd));
}

void ABaseWorkspace::RemoveFrame(HWND hWnd) {
    auto it = findInfo(m_frames, hWnd);
    if (it == m_frames.end()) return;
    delete *it;
    m_frames.erase(it);
}

void ABaseWorkspace::RemoveControlBar(HWND hWnd) {
    auto it = findInfo(m_controlBars, hWnd);
    if (it == m_controlBars.end()) return;
    delete *it;
    m_controlBars.erase(it);
}

void ABaseWorkspace::FrameActivated(HWND hWnd) {
    if (m_bBusy) return;
    auto it = findInfo(m_frames, hWnd);
    if (it == m_frames.end()) return;
    m_frames.splice(m_frames.end(), m_frames, it);
}

void ABaseWorkspace::ShowAll() {
    ShowAllFrames();
    ShowAllControlBars();
}

void ABaseWorkspace::HideAll() {
    HideAllFrames();
    HideAllControlBars();
}

void ABaseWorkspace::ShowAllFrames() {
    BusyScope busy(m_bBusy);
    const bool tracking = m_pManager && m_pManager->m_bTrackPlacement;
    CWnd* last = nullptr;
    for (auto it = m_frames.begin(); it != m_frames.end(); ++it) {
        ABaseWorkspaceWindowInfo* info = *it;
        CWnd* frame = CWnd::FromHandle(info->m_hWnd);
        if (!frame) continue;
        const bool isLast = std::next(it) == m_frames.end();
        frame->EnableWindow(TRUE);
        CWindowPlacement wp = info->m_wp;
        if (!wp.IsInitialized()) {
            // Never measured: the frame shows where it is.
            frame->GetWindowPlacement(&wp);
            wp.showCmd = SW_SHOWNORMAL;
        }
        if (tracking && isLast) {
            if (m_pManager->m_bLastFrameMaximized)
                wp.showCmd = SW_SHOWMAXIMIZED;
            else if (wp.showCmd == SW_SHOWMAXIMIZED || wp.showCmd == SW_MAXIMIZE)
                wp.showCmd = SW_SHOWNORMAL;
        }
        frame->SetWindowPlacement(&wp);
        if (isLast) last = frame;
    }
    if (!last) return;
    if (auto* child = DYNAMIC_DOWNCAST_PTR<CMDIChildWnd>(last))
        if (CMDIFrameWnd* mdi = child->GetMDIFrame()) mdi->MDIActivate(child);
    if (CFrameWnd* main = mainFrame()) {
        main->OnUpdateFrameTitle(TRUE);
        main->DrawMenuBar();
    }
}

void ABaseWorkspace::HideAllFrames() {
    BusyScope busy(m_bBusy);
    const bool tracking = m_pManager && m_pManager->m_bTrackPlacement;
    for (auto it = m_frames.begin(); it != m_frames.end(); ++it) {
        ABaseWorkspaceWindowInfo* info = *it;
        CWnd* frame = CWnd::FromHandle(info->m_hWnd);
        if (!frame) continue;
        const bool isLast = std::next(it) == m_frames.end();
        if (tracking) {
            frame->GetWindowPlacement(&info->m_wp);
            m_pManager->m_bLastFrameMaximized = frame->IsZoomed() ? 1 : 0;
        }
        if (isLast && (frame->IsZoomed() || frame->IsIconic())) frame->ShowWindow(SW_RESTORE);
        if (auto* frameWnd = DYNAMIC_DOWNCAST_PTR<CFrameWnd>(frame))
            frameWnd->ActivateFrame(SW_HIDE);
        else
            frame->ShowWindow(SW_HIDE);
        frame->EnableWindow(FALSE);
    }
}

void ABaseWorkspace::ShowAllControlBars() {
    CFrameWnd* main = mainFrame();
    for (ABaseWorkspaceWindowInfo* info : m_controlBars) {
        auto* bar = DYNAMIC_DOWNCAST_PTR<CControlBar>(CWnd::FromHandle(info->m_hWnd));
        if (!bar) continue;
        bar->EnableWindow(TRUE);
        if (main)
            main->ShowControlBar(bar, info->m_bVisible ? TRUE : FALSE, FALSE);
        else
            bar->ShowWindow(info->m_bVisible ? SW_SHOW : SW_HIDE);
    }
}

void ABaseWorkspace::HideAllControlBars() {
    if (m_pManager && m_pManager->GetActiveWorkspace() == this) UpdateToolbarsVisibleState();
    CFrameWnd* main = mainFrame();
    for (ABaseWorkspaceWindowInfo* info : m_controlBars) {
        auto* bar = DYNAMIC_DOWNCAST_PTR<CControlBar>(CWnd::FromHandle(info->m_hWnd));
        if (!bar) continue;
        bar->EnableWindow(FALSE);
        if (main)
            main->ShowControlBar(bar, FALSE, FALSE);
        else
            bar->ShowWindow(SW_HIDE);
    }
}

BOOL ABaseWorkspace::IsInWorkspace(HWND hWnd) const {
    auto has = [hWnd](const std::list<ABaseWorkspaceWindowInfo*>& list) {
        return std::any_of(list.begin(), list.end(),
                           [hWnd](ABaseWorkspaceWindowInfo* i) { return i->m_hWnd == hWnd; });
    };
    return has(m_frames) || has(m_controlBars);
}

void ABaseWorkspace::SaveWindowPlacement() {
    BusyScope busy(m_bBusy);
    for (ABaseWorkspaceWindowInfo* info : m_frames)
        if (CWnd* frame = CWnd::FromHandle(info->m_hWnd)) frame->GetWindowPlacement(&info->m_wp);
}

void ABaseWorkspace::SetWindowPlacement(const CWindowPlacement* pWp) {
    if (pWp && !m_frames.empty()) m_frames.back()->m_wp = *pWp;
}

CString ABaseWorkspace::ToolbarsSection(const CString& barText) const {
    return "Workspace\\" + m_strName + "\\Toolbars\\" + barText;
}

void ABaseWorkspace::InitializeToolbarsVisibleState() {
    CWinApp* app = AfxGetApp();
    if (!app) return;
    for (ABaseWorkspaceWindowInfo* info : m_controlBars) {
        CWnd* bar = CWnd::FromHandle(info->m_hWnd);
        if (!bar) continue;
        info->m_bVisible =
            app->GetProfileInt(ToolbarsSection(bar->GetWindowText()).c_str(), "Visible", 1) ? 1 : 0;
    }
}

void ABaseWorkspace::SaveToolbarsVisibleState() {
    CWinApp* app = AfxGetApp();
    if (!app) return;
    for (ABaseWorkspaceWindowInfo* info : m_controlBars) {
        CWnd* bar = CWnd::FromHandle(info->m_hWnd);
        if (!bar) continue;
        app->WriteProfileInt(ToolbarsSection(bar->GetWindowText()).c_str(), "Visible",
                             info->m_bVisible ? 1 : 0);
    }
}

void ABaseWorkspace::UpdateToolbarsVisibleState() {
    for (ABaseWorkspaceWindowInfo* info : m_controlBars) {
        CWnd* bar = CWnd::FromHandle(info->m_hWnd);
        if (!bar) continue;
        auto* controlBar = DYNAMIC_DOWNCAST_PTR<CControlBar>(bar);
        info->m_bVisible = (controlBar ? controlBar->IsVisible() : bar->IsWindowVisible()) ? 1 : 0;
    }
}

void ABaseWorkspace::UpdateAllFrames() {
    BusyScope busy(m_bBusy);
    for (ABaseWorkspaceWindowInfo* info : m_frames)
        if (auto* frame = DYNAMIC_DOWNCAST_PTR<ABaseMDIChildWnd>(CWnd::FromHandle(info->m_hWnd)))
            frame->UpdateFrameTitle();
}

void ABaseWorkspace::RemoveAllFrames() {
    for (ABaseWorkspaceWindowInfo* info : m_frames)
        delete info;
    m_frames.clear();
}

void ABaseWorkspace::RemoveAllControlBars() {
    for (ABaseWorkspaceWindowInfo* info : m_controlBars)
        delete info;
    m_controlBars.clear();
}

void ABaseWorkspace::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kWorkspaceVersion;
        ar << static_cast<int>(m_frames.size());
        for (ABaseWorkspaceWindowInfo* info : m_frames)
            info->Serialize(ar);
        return;
    }
    DWORD version = 0;
    ar >> version;
    int count = 0;
    ar >> count;
    if (count < 0) throw CArchiveException(CArchiveException::badIndex, "", "negative window count");
    ar.CheckCount(static_cast<std::uint64_t>(count), 1);
    if (count > 0 && !m_pWindowInfoCreator)
        throw CArchiveException(CArchiveException::badSchema, "", "no window records can be read");
    // The windows reopened by the records register in the active workspace:
    // this one, while the records are read.
    ABaseWorkspace* previous = m_pManager ? m_pManager->m_pActiveWorkspace : nullptr;
    if (m_pManager) m_pManager->m_pActiveWorkspace = this;
    struct Restore {
        ABaseWorkspaceManager* manager;
        ABaseWorkspace* previous;
        ~Restore() {
            if (manager) manager->m_pActiveWorkspace = previous;
        }
    } restore{m_pManager, previous};
    for (int i = 0; i < count; ++i) {
        ABaseWorkspaceWindowInfo* info = m_pWindowInfoCreator->CreateWindowInfoObject(nullptr);
        if (!info) throw CArchiveException(CArchiveException::badSchema, "", "no window record");
        try {
            info->Serialize(ar);
        } catch (...) {
            delete info;
            throw;
        }
        delete info;
    }
}

// --- manager -----------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(ABaseWorkspaceManager, CCmdTarget)

ABaseWorkspaceManager::ABaseWorkspaceManager() = default;

ABaseWorkspaceManager::~ABaseWorkspaceManager() {
    m_pActiveWorkspace = nullptr;
    for (auto& [id, workspace] : m_workspaces)
        delete workspace;
}

bool ABaseWorkspaceManager::AddWorkspace(int nId, CString name) {
    auto* workspace = new ABaseWorkspace(nId, std::move(name), this);
    auto [it, inserted] = m_workspaces.emplace(nId, workspace);
    if (!inserted) {
        if (m_pActiveWorkspace == it->second) m_pActiveWorkspace = workspace;
        delete it->second;
        it->second = workspace;
    }
    return true;
}

ABaseWorkspace* ABaseWorkspaceManager::GetWorkspace(int nId) const {
    auto it = m_workspaces.find(nId);
    return it == m_workspaces.end() ? nullptr : it->second;
}

void ABaseWorkspaceManager::SetActiveWorkspace(int nId, bool bShow) {
    ABaseWorkspace* workspace = GetWorkspace(nId);
    if (m_pActiveWorkspace && workspace == m_pActiveWorkspace) {
        if (bShow) m_pActiveWorkspace->ShowAll();
        return;
    }
    if (m_pActiveWorkspace && bShow) m_pActiveWorkspace->HideAll();
    m_pActiveWorkspace = workspace;
    if (m_pActiveWorkspace && bShow) m_pActiveWorkspace->ShowAll();
}

void ABaseWorkspaceManager::ShowAll() {
    for (auto& [id, workspace] : m_workspaces)
        workspace->ShowAll();
}

void ABaseWorkspaceManager::HideAll() {
    for (auto& [id, workspace] : m_workspaces)
        workspace->HideAll();
}

void ABaseWorkspaceManager::ShowAllFrames() {
    for (auto& [id, workspace] : m_workspaces)
        workspace->ShowAllFrames();
}

void ABaseWorkspaceManager::HideAllFrames() {
    for (auto& [id, workspace] : m_workspaces)
        workspace->HideAllFrames();
}

void ABaseWorkspaceManager::ShowAllControlBars() {
    for (auto& [id, workspace] : m_workspaces)
        workspace->ShowAllControlBars();
}

void ABaseWorkspaceManager::HideAllControlBars() {
    for (auto& [id, workspace] : m_workspaces)
        if (workspace != m_pActiveWorkspace) workspace->HideAllControlBars();
}

void ABaseWorkspaceManager::UpdateAllFrames() {
    for (auto& [id, workspace] : m_workspaces)
        workspace->UpdateAllFrames();
}

BOOL ABaseWorkspaceManager::IsInActiveWorkspace(HWND hWnd) const {
    return m_pActiveWorkspace && m_pActiveWorkspace->IsInWorkspace(hWnd);
}

void ABaseWorkspaceManager::SaveToolbarsVisibleState() {
    if (m_pActiveWorkspace) m_pActiveWorkspace->UpdateToolbarsVisibleState();
    for (auto& [id, workspace] : m_workspaces)
        workspace->SaveToolbarsVisibleState();
}

void ABaseWorkspaceManager::InitializeToolbarsVisibleState() {
    for (auto& [id, workspace] : m_workspaces)
        workspace->InitializeToolbarsVisibleState();
}

int ABaseWorkspaceManager::GetNumberOfSteps() const {
    int steps = 0;
    for (const auto& [id, workspace] : m_workspaces)
        steps += workspace->GetNumberOfSteps();
    return steps;
}

void ABaseWorkspaceManager::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kManagerVersion;
        ar << (m_pActiveWorkspace ? m_pActiveWorkspace->GetWorkspaceId() : -1);
        if (m_pActiveWorkspace) m_pActiveWorkspace->SaveWindowPlacement();
        ar << static_cast<int>(m_workspaces.size());
        for (auto& [id, workspace] : m_workspaces) {
            ar << id;
            ar << workspace->GetWorkspaceName();
            workspace->Serialize(ar);
        }
        return;
    }
    DWORD version = 0;
    ar >> version;
    int activeId = 0;
    ar >> activeId;
    int count = 0;
    ar >> count;
    if (count < 0) throw CArchiveException(CArchiveException::badIndex, "", "negative workspace count");
    // Each workspace takes at least its id, an empty name, its version and its count.
    ar.CheckCount(static_cast<std::uint64_t>(count), 13);
    for (int i = 0; i < count; ++i) {
        int id = 0;
        ar >> id;
        CString name;
        ar >> name;
        AddWorkspace(id, name);
        GetWorkspace(id)->Serialize(ar);
    }
    auto* main = DYNAMIC_DOWNCAST_PTR<ABaseMDIFrameWnd>(AfxGetMainWnd());
    ABaseProjectWnd* projectWnd = main ? main->GetProjectWnd() : nullptr;
    if (projectWnd) {
        m_bTrackPlacement = 0;
        projectWnd->ActivateWorkspace(activeId);
        m_bTrackPlacement = 1;
    }
}
