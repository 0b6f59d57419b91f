#include "app/shell/CMainFrame.h"

#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AOutputWnd.h"
#include "app/shell/APellionToolbarsMenuManager.h"
#include "app/shell/APellionWindowMenuManager.h"
#include "app/shell/AProjectWorkspaceWnd.h"
#include "app/shell/ARegistry.h"
#include "app/shell/CStrakonApp.h"
#include "app/dialogs/AOptionsSheet.h"
#include "app/messages/DocumentItemManager.h"
#include "app/messages/DocumentMessageDlg.h"
#include "framework/ABaseProjectDoc.h"
#include "framework/ABaseStructureDoc.h"
#include "framework/ABaseWorkspace.h"
#include "framework/CCoolMenuManager.h"
#include "framework/CWindowPlacement.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CControlBar.h"
#include "platform/ui/CDropFiles.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CStatusBar.h"
#include "platform/ui/CWinThread.h"
#include "resources/ui/StrakonResourceIds.h"
#include "resources/ui/StrakonResources.h"

#include <QAction>
#include <QNetworkInformation>

#include <cstdio>
#include <mutex>

#include <vector>

IMPLEMENT_DYNCREATE(CMainFrame, ABaseMDIFrameWnd)


namespace {

constexpr const char* kProductKey = "Software\\Orvex\\Strakon";

// The character sets of the Character Set menu, in the order of its commands.
constexpr int kCharacterSets[] = {0, 238, 186, 162, 161, 204};

ABaseWorkspaceManager* workspaceManager() {
    ABaseWinApp* app = ABaseWinApp::GetApp();
    return app ? app->GetWorkspaceManager() : nullptr;
}

ABaseStructureDoc* activeStructure() {
    ABaseWinApp* app = ABaseWinApp::GetApp();
    ABaseProjectDoc* project = app ? app->GetProjectDocument() : nullptr;
    return project ? project->GetActiveStructure() : nullptr;
}

std::mutex g_probeMutex;
std::function<bool()> g_onlineProbe;

// The background update: under the message store's lock, or not at all.
UINT DownloadDocuments(LPVOID param) {
    const HWND frame = static_cast<HWND>(param);
    DocumentItemManager* manager = DocumentItemManager::Instance();
    if (!manager || manager->Lock(0) != DocumentItemManager::kLocked) return 0;
    const bool ok = manager->Update();
    manager->Unlock();
    // Dropped when the frame has gone meanwhile.
    ::PostMessage(frame, CMainFrame::WM_DOCUMENTS_DOWNLOADED, ok ? 1 : 0, 0);
    return 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CMainFrame, ABaseMDIFrameWnd)
ON_COMMAND(ID_VIEW_PROJECT_WINDOW, &CMainFrame::OnViewProjectWindow)
ON_UPDATE_COMMAND_UI(ID_VIEW_PROJECT_WINDOW, &CMainFrame::OnUpdateViewProjectWindow)
ON_COMMAND(ID_VIEW_OUTPUT_WINDOW, &CMainFrame::OnViewOutputWindow)
ON_UPDATE_COMMAND_UI(ID_VIEW_OUTPUT_WINDOW, &CMainFrame::OnUpdateViewOutputWindow)
ON_COMMAND(ID_OPTIONS, &CMainFrame::OnOptions)
ON_UPDATE_COMMAND_UI(ID_OPTIONS, &CMainFrame::OnUpdateStructureCommand)
ON_COMMAND(ID_OUTPUT_SETTINGS, &CMainFrame::OnOutputSettings)
ON_UPDATE_COMMAND_UI(ID_OUTPUT_SETTINGS, &CMainFrame::OnUpdateStructureCommand)
ON_COMMAND_RANGE(ID_CHARSET_WESTERN, ID_CHARSET_CYRILLIC, &CMainFrame::OnCharacterSet)
ON_UPDATE_COMMAND_UI_RANGE(ID_CHARSET_WESTERN, ID_CHARSET_CYRILLIC, &CMainFrame::OnUpdateCharacterSet)
ON_COMMAND(ID_MESSAGE_DOCUMENTS, &CMainFrame::OnMessageDocuments)
ON_UPDATE_COMMAND_UI(ID_MESSAGE_DOCUMENTS, &CMainFrame::OnUpdateMessageDocuments)
ON_MESSAGE(CMainFrame::WM_DOCUMENTS_DOWNLOADED, &CMainFrame::OnDocumentsDownloaded)
ON_COMMAND(ID_FACTORY_DEFAULTS, &CMainFrame::OnFactoryDefaults)
ON_MESSAGE(WM_DROPFILES, &CMainFrame::OnDropFiles)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
    : m_pCoolMenu(std::make_unique<CCoolMenuManager>()),
      m_pWindowMenuManager(std::make_unique<APellionWindowMenuManager>()),
      m_pToolbarsMenuManager(std::make_unique<APellionToolbarsMenuManager>()),
      m_pStatusBar(std::make_unique<SECStatusBar>()), m_pProjectWnd(std::make_unique<AProjectWorkspaceWnd>()),
      m_pOutputWnd(std::make_unique<AOutputWnd>()) {}

CMainFrame::~CMainFrame() {
    // The bars are windows of this frame: they go while it still stands.
    DestroyFromDestructor();
}

ABaseProjectWnd* CMainFrame::GetProjectWnd() {
    return m_pProjectWnd.get();
}

ABaseOutputWnd* CMainFrame::GetOutputWnd() {
    return m_pOutputWnd.get();
}

CToolBar* CMainFrame::GetToolBar(UINT nID) const {
    for (const auto& bar : m_toolBars)
        if (bar->GetDlgCtrlID() == static_cast<int>(nID)) return bar.get();
    return nullptr;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (ABaseMDIFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;

    m_pCoolMenu->Install(this);
    m_pCoolMenu->LoadToolbar(IDR_MAINFRAME);
    // The pictures of commands that no toolbar shows, when the program has them.
    m_pCoolMenu->LoadToolbar(IDR_MENUIMAGES);

    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_COORDINATES, ID_INDICATOR_MODIFIED};
    if (!m_pStatusBar->Create(this) || !m_pStatusBar->SetIndicators(indicators, 3)) return -1;

    if (!CreateToolBars() || !CreateDockingWindows()) return -1;

    LoadBarState(kBarState);
    BindWorkspaces();
    m_nTimer = SetTimer(kDownloadTimer, kDownloadPeriod);
    return 0;
}

BOOL CMainFrame::CreateToolBars() {
    EnableDocking(CBRS_ALIGN_ANY);
    for (const AToolBarDef& def : StrakonToolBars()) {
        auto bar = std::make_unique<CToolBar>();
        const DWORD style = WS_CHILD | (def.shownAtFirst ? WS_VISIBLE : 0) | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY;
        if (!bar->Create(this, style, def.id)) return FALSE;
        if (!bar->SetButtons(def.buttons.data(), static_cast<int>(def.buttons.size()))) return FALSE;
        // Every button shows the picture that toolbar resource 128 has for its command.
        const std::vector<QIcon>& images = m_pCoolMenu->GetImages();
        for (int i = 0; i < bar->GetCount(); ++i) {
            const int image = m_pCoolMenu->GetButtonIndex(static_cast<WORD>(bar->GetItemID(i)));
            if (image >= 0 && image < static_cast<int>(images.size()))
                if (QAction* action = bar->GetButtonAction(i)) action->setIcon(images[static_cast<size_t>(image)]);
        }
        bar->SetWindowText(def.title);
        bar->EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(bar.get(), def.dockBarId);
        m_toolBars.push_back(std::move(bar));
    }
    return TRUE;
}

BOOL CMainFrame::CreateDockingWindows() {
    CWinApp* app = AfxGetApp();
    const bool projectShown = app->GetProfileInt(kSettings, "Project window", 1) != 0;
    const bool outputShown = app->GetProfileInt(kSettings, "Output window", 0) != 0;
    if (!m_pProjectWnd->Create(this, "Project Workspace", (projectShown ? WS_VISIBLE : 0) | WS_CHILD | CBRS_LEFT,
                               0xF31, IDW_PROJECT_WINDOW))
        return FALSE;
    m_pProjectWnd->EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(m_pProjectWnd.get(), AFX_IDW_DOCKBAR_LEFT);
    if (!m_pOutputWnd->Create(this, "Output Window", (outputShown ? WS_VISIBLE : 0) | WS_CHILD | CBRS_BOTTOM, 0xF31,
                              IDW_OUTPUT_WINDOW))
        return FALSE;
    m_pOutputWnd->EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(m_pOutputWnd.get(), AFX_IDW_DOCKBAR_BOTTOM);
    return TRUE;
}

void CMainFrame::BindWorkspaces() {
    ABaseWorkspaceManager* manager = workspaceManager();
    if (!manager) return;
    for (const AToolBarDef& def : StrakonToolBars()) {
        if (def.workspace < 0) continue;
        ABaseWorkspace* workspace = manager->GetWorkspace(def.workspace);
        CToolBar* bar = GetToolBar(def.id);
        if (workspace && bar) workspace->AddControlBar(bar->GetSafeHwnd());
    }
    manager->InitializeToolbarsVisibleState();
    // The active workspace's bars are not hidden first: hiding them would take
    // their state from the bars just made instead of the saved one.
    ABaseWorkspace* active = manager->GetActiveWorkspace();
    for (const auto& [id, workspace] : manager->GetWorkspaces())
        if (workspace != active) workspace->HideAllControlBars();
    if (active) manager->SetActiveWorkspace(active->GetWorkspaceId(), true);
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (ABaseWorkspaceManager* manager = workspaceManager();
        manager && manager->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (m_pWindowMenuManager->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    if (m_pToolbarsMenuManager->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return ABaseMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

HMENU CMainFrame::GetWindowMenuPopup(HMENU hMenuBar) {
    m_hWindowMenu = ABaseMDIFrameWnd::GetWindowMenuPopup(hMenuBar);
    return nullptr;
}

void CMainFrame::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) {
    if (CMenu* bar = GetMenu()) GetWindowMenuPopup(bar->GetSafeHmenu());
    if (pPopupMenu && m_hWindowMenu && pPopupMenu->GetSafeHmenu() == m_hWindowMenu)
        m_pWindowMenuManager->LoadWindowMenu(pPopupMenu);
    if (!bSysMenu)
        if (CMenu* menuBar = GetMenu())
            for (int i = 0; i < static_cast<int>(menuBar->GetMenuItemCount()); ++i) {
                CMenu* popup = menuBar->GetSubMenu(i);
                CMenu* nested = popup ? popup->GetSubMenu(0) : nullptr;
                if (APellionToolbarsMenuManager::IsToolbarsMenu(nested)) {
                    m_pToolbarsMenuManager->LoadToolbarsMenu(nested);
                    break;
                }
            }
    ABaseMDIFrameWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
}

void CMainFrame::SetCoordinateText(const char* text) {
    const int pane = m_pStatusBar->CommandToIndex(ID_INDICATOR_COORDINATES);
    if (pane >= 0) m_pStatusBar->SetPaneText(pane, text ? text : "", TRUE);
}

void CMainFrame::OnClose() {
    CWinApp* app = AfxGetApp();
    CWindowPlacement placement;
    placement.Save(kSettings, "FrameWindow", this);
    SaveBarState(kBarState);
    if (ABaseWorkspaceManager* manager = workspaceManager()) manager->SaveToolbarsVisibleState();
    app->WriteProfileInt(kSettings, "Project window", m_pProjectWnd->IsVisible() ? 1 : 0);
    app->WriteProfileInt(kSettings, "Output window", m_pOutputWnd->IsVisible() ? 1 : 0);
    if (ABaseWinApp* base = ABaseWinApp::GetApp(); base && base->m_pProjectDoc) {
        if (!base->m_pProjectDoc->OnFileCloseProject(TRUE)) return;
        delete base->m_pProjectDoc;
        base->m_pProjectDoc = nullptr;
    }
    ABaseMDIFrameWnd::OnClose();
}

void CMainFrame::ToggleBar(CControlBar* bar) {
    if (bar && bar->IsWindow()) ShowControlBar(bar, !bar->IsVisible(), FALSE);
}

void CMainFrame::OnViewProjectWindow() {
    ToggleBar(m_pProjectWnd.get());
}

void CMainFrame::OnUpdateViewProjectWindow(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_pProjectWnd->IsWindow() && m_pProjectWnd->IsVisible() ? 1 : 0);
}

void CMainFrame::OnViewOutputWindow() {
    ToggleBar(m_pOutputWnd.get());
}

void CMainFrame::OnUpdateViewOutputWindow(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_pOutputWnd->IsWindow() && m_pOutputWnd->IsVisible() ? 1 : 0);
}

void CMainFrame::OnOptions() {
    ABaseStructureDoc* structure = activeStructure();
    if (!structure) return;
    if (structure->OnCmdMsg(ID_OPTIONS, CN_COMMAND, nullptr, nullptr)) return;
    // A structure without its own options command: the sheet, and its views follow the new options.
    if (!AOptionsSheet::RunOptions()) return;
    structure->UpdateAllViews(nullptr, 11);
    structure->UpdateAllViews(nullptr, 0);
}

void CMainFrame::OnOutputSettings() {
    if (ABaseStructureDoc* structure = activeStructure())
        structure->OnCmdMsg(ID_OUTPUT_SETTINGS, CN_COMMAND, nullptr, nullptr);
}

void CMainFrame::OnUpdateStructureCommand(CCmdUI* pCmdUI) {
    pCmdUI->Enable(activeStructure() != nullptr);
}

int CMainFrame::CharacterSetOf(UINT nID) {
    if (nID < ID_CHARSET_WESTERN || nID > ID_CHARSET_CYRILLIC) return -1;
    return kCharacterSets[nID - ID_CHARSET_WESTERN];
}

void CMainFrame::OnCharacterSet(UINT nID) {
    const int set = CharacterSetOf(nID);
    if (set >= 0) AOptionsAttributes::Instance()->characterSet = static_cast<std::uint8_t>(set);
}

void CMainFrame::OnUpdateCharacterSet(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetRadio(CharacterSetOf(pCmdUI->m_nID) == AOptionsAttributes::Instance()->characterSet);
}

// --- the message documents ---------------------------------------------------------------------------

void CMainFrame::SetOnlineProbe(std::function<bool()> probe) {
    std::lock_guard lock(g_probeMutex);
    g_onlineProbe = std::move(probe);
}

bool CMainFrame::IsOnline() {
    {
        std::lock_guard lock(g_probeMutex);
        if (g_onlineProbe) return g_onlineProbe();
    }
    // Loaded at the first tick; without a backend the server may still be on the LAN.
    if (!QNetworkInformation::instance()) QNetworkInformation::loadDefaultBackend();
    QNetworkInformation* info = QNetworkInformation::instance();
    return !info || info->reachability() != QNetworkInformation::Reachability::Disconnected;
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent) {
    ABaseMDIFrameWnd::OnTimer(nIDEvent);
    if (nIDEvent != kDownloadTimer) return;
    DocumentItemManager* manager = DocumentItemManager::Instance();
    if (!manager || manager->GetListAddress().empty() || !manager->GetAutoDownload()) return;
    if (m_pMessageWorker) {
        if (!m_pMessageWorker->IsFinished()) return;
        m_pMessageWorker->WaitForExit();
        m_pMessageWorker.reset();
    }
    if (!IsOnline()) return;
    m_pMessageWorker = std::make_unique<CWinThread>(DownloadDocuments, GetSafeHwnd());
    m_pMessageWorker->m_bAutoDelete = FALSE;
    if (!m_pMessageWorker->CreateThread()) m_pMessageWorker.reset();
}

BOOL CMainFrame::IsMessageCheckRunning() const {
    return m_pMessageWorker && !m_pMessageWorker->IsFinished();
}

void CMainFrame::StopMessageCheck() {
    if (m_nTimer && GetSafeHwnd()) KillTimer(kDownloadTimer);
    m_nTimer = 0;
    if (!m_pMessageWorker) return;
    DocumentItemManager* manager = DocumentItemManager::Instance();
    if (manager) manager->Abort(true);
    m_pMessageWorker->WaitForExit();
    m_pMessageWorker.reset();
    if (manager) manager->Abort(false);
}

void CMainFrame::OnDestroy() {
    StopMessageCheck();
    ABaseMDIFrameWnd::OnDestroy();
}

LRESULT CMainFrame::OnDocumentsDownloaded(WPARAM wParam, LPARAM) {
    if (m_pMessageWorker) {
        m_pMessageWorker->WaitForExit();
        m_pMessageWorker.reset();
    }
    if (wParam == 0) return 0;
    if (m_nTimer) KillTimer(kDownloadTimer);
    m_nTimer = 0;
    DocumentItemManager* manager = DocumentItemManager::Instance();
    if (!manager) return 0;
    const int added = manager->m_nNewCount;
    const int updated = manager->m_nUpdatedCount;
    if (added == 0 && updated == 0) return 0;
    char text[512];
    std::snprintf(text, sizeof text,
                  "The Document Message System of\nOrvex Strakon has downloaded:\n\n%i new document(s),\n%i updated "
                  "document(s)\n\nWould you like to view new documents now?",
                  added, updated);
    // Cancel is taken as No.
    if (MessageBox(text, "Information", MB_YESNOCANCEL | MB_ICONQUESTION) == IDYES) OnMessageDocuments();
    return 0;
}

void CMainFrame::OnMessageDocuments() {
    DocumentItemManager* manager = DocumentItemManager::Instance();
    if (!manager || manager->Lock(0) != DocumentItemManager::kLocked) return;
    DocumentMessageDlg dlg(this);
    dlg.DoModal();
    manager->m_nNewCount = 0;
    manager->m_nUpdatedCount = 0;
    manager->Unlock();
}

void CMainFrame::OnUpdateMessageDocuments(CCmdUI* pCmdUI) {
    DocumentItemManager* manager = DocumentItemManager::Instance();
    // A lock this process holds fails at once, without opening the lock file.
    const bool free = manager && manager->Lock(0) == DocumentItemManager::kLocked;
    if (free) manager->Unlock();
    pCmdUI->Enable(free);
}

void CMainFrame::OnFactoryDefaults() {
    const char* text = "This command will restore the factory default settings\nand will exit the application.\n\n"
                       "Most of the user specified settings will be lost!\n"
                       "\nWould you like to proceed?";
    if (MessageBox(text, "WARNING", MB_YESNO | MB_ICONSTOP | MB_DEFBUTTON2) != IDYES) return;
    const HWND self = GetSafeHwnd();
    CStrakonApp* app = CStrakonApp::GetApp();
    OnClose();
    // The sweep runs also when the user kept the program open: the confirmed
    // restore is done at once, and the program that goes on writes what it holds
    // again when it finally closes.
    const bool closed = !CWnd::FromHandle(self);
    SweepSettings();
    if (closed && app) app->m_bFactoryDefaults = true;
}

LRESULT CMainFrame::OnDropFiles(WPARAM wParam, LPARAM) {
    auto* drop = reinterpret_cast<HDROP>(wParam);
    std::vector<CString> paths;
    const UINT count = DragQueryFile(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i)
        paths.push_back(AfxDragQueryFile(drop, i));
    DragFinish(drop);
    ActivateFrame();
    const HWND self = GetSafeHwnd();
    for (const CString& path : paths) {
        CStrakonApp* app = CStrakonApp::GetApp();
        // A question of the opening may have ended the program.
        if (!app || !CWnd::FromHandle(self)) break;
        app->OpenDroppedFile(path);
    }
    return 0;
}

void CMainFrame::SweepSettings() {
    ARegistry reg;
    if (!reg.OpenOrCreate(kProductKey)) return;
    DWORD index = 0;
    CString name;
    while (reg.EnumerateKeys(index, name)) {
        if (name == "Options") {
            index = 1;
            continue;
        }
        if (!reg.DeleteKey(name)) break;
    }
}
