#pragma once
// The program's main window: the status bar, the seven toolbars bound to the
// four workspaces, the docking project and output windows, and the commands of
// the Tools menu and of the two docking windows. Commands go to the workspace
// manager and the two menu managers before the frame's own handlers. The frame
// keeps its placement and its bar layout ("PellionBarState") across starts.
#include "framework/ABaseMDIFrameWnd.h"

#include <functional>
#include <memory>
#include <vector>

class AOutputWnd;
class APellionToolbarsMenuManager;
class APellionWindowMenuManager;
class AProjectWorkspaceWnd;
class CCoolMenuManager;
class CToolBar;
class CWinThread;
class SECStatusBar;

class CMainFrame : public ABaseMDIFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    // The profile section of every frame setting, and the name of the bar layout.
    static constexpr const char* kSettings = "Settings";
    static constexpr const char* kBarState = "PellionBarState";
    // The background check for new message documents: its timer, and the
    // message its worker posts with the update's result (1 success) when done.
    static constexpr UINT_PTR kDownloadTimer = 10;
    static constexpr UINT kDownloadPeriod = 30000;
    static constexpr UINT WM_DOCUMENTS_DOWNLOADED = 0x405;

    CMainFrame();
    ~CMainFrame() override;

    ABaseProjectWnd* GetProjectWnd() override;
    ABaseOutputWnd* GetOutputWnd() override;
    AOutputWnd* GetOutputWindow() const { return m_pOutputWnd.get(); }
    AProjectWorkspaceWnd* GetProjectWindow() const { return m_pProjectWnd.get(); }
    SECStatusBar* GetStatusBar() const { return m_pStatusBar.get(); }
    CToolBar* GetToolBar(UINT nID) const;
    APellionToolbarsMenuManager& GetToolbarsMenuManager() const { return *m_pToolbarsMenuManager; }
    APellionWindowMenuManager& GetWindowMenuManager() const { return *m_pWindowMenuManager; }

    // The text of the coordinate pane, shown at once.
    void SetCoordinateText(const char* text);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // Remembers the Window popup and gives none: the window menu manager lists the windows.
    HMENU GetWindowMenuPopup(HMENU hMenuBar) override;
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    // Saves the placement, the bar layout, the toolbars' states and the docking
    // windows' visibility, then closes the project; a cancelled save question
    // keeps the frame open.
    void OnClose() override;

    void OnViewProjectWindow();
    void OnUpdateViewProjectWindow(CCmdUI* pCmdUI);
    void OnViewOutputWindow();
    void OnUpdateViewOutputWindow(CCmdUI* pCmdUI);
    // Options and Output Settings act on the open project's active structure.
    void OnOptions();
    void OnOutputSettings();
    void OnUpdateStructureCommand(CCmdUI* pCmdUI);
    // The code page of text output.
    void OnCharacterSet(UINT nID);
    void OnUpdateCharacterSet(CCmdUI* pCmdUI);
    // A tick of the download timer starts the background update when a server is
    // configured, the user allows automatic downloads, no update is running and
    // the machine is not known to be offline.
    void OnTimer(UINT_PTR nIDEvent) override;
    // Ends the background check: no more ticks, and a running update gives up
    // and has ended when this returns.
    void StopMessageCheck();
    BOOL IsMessageCheckRunning() const;
    // Asks whether to view the documents a successful update brought.
    LRESULT OnDocumentsDownloaded(WPARAM wParam, LPARAM lParam);
    // The message viewer, while the message store can be locked; the counts of
    // new and updated documents start again from 0 once it closes.
    void OnMessageDocuments();
    void OnUpdateMessageDocuments(CCmdUI* pCmdUI);
    // Whether the machine may be online: only a network that the system reports
    // as disconnected says no. Tests replace it (an empty function restores it).
    static void SetOnlineProbe(std::function<bool()> probe);
    static bool IsOnline();
    // Asks, closes the frame and, once it has closed, removes every setting but "Options".
    void OnFactoryDefaults();
    // Files dropped on the window, each in the order dropped (CStrakonApp::OpenDroppedFile).
    LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam);
    // Removes every subkey of the product key but "Options"; stops at a failed deletion.
    static void SweepSettings();

    // The character set of a command of the Character Set menu; -1 for another id.
    static int CharacterSetOf(UINT nID);

protected:
    BOOL CreateToolBars();
    BOOL CreateDockingWindows();
    void BindWorkspaces();
    void ToggleBar(CControlBar* bar);
    void OnDestroy() override;

private:
    std::unique_ptr<CCoolMenuManager> m_pCoolMenu;
    std::unique_ptr<APellionWindowMenuManager> m_pWindowMenuManager;
    std::unique_ptr<APellionToolbarsMenuManager> m_pToolbarsMenuManager;
    std::unique_ptr<SECStatusBar> m_pStatusBar;
    std::unique_ptr<AProjectWorkspaceWnd> m_pProjectWnd;
    std::unique_ptr<AOutputWnd> m_pOutputWnd;
    std::vector<std::unique_ptr<CToolBar>> m_toolBars;
    HMENU m_hWindowMenu = nullptr;
    UINT_PTR m_nTimer = 0;
    std::unique_ptr<CWinThread> m_pMessageWorker;

    DECLARE_MESSAGE_MAP()
};
