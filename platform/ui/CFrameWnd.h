#pragma once
// A frame window: a main window (QMainWindow) with its menu bar, accelerators,
// control bars and status bar, and the client area where its view sits. The
// frame routes commands (active view, which passes them to its document, then
// the frame, then the application), runs the update handlers of a popup menu as
// it opens and of its bars at idle time, shows the string table's prompts in the
// status bar, and asks the document before it closes.
#include "platform/core/CString.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CWnd.h"

#include <QPointer>

#include <memory>
#include <vector>

class CControlBar;
class CDocTemplate;
class CDocument;
class CMenu;
class CView;
class QGridLayout;
class QMainWindow;
class QShortcut;
struct CRuntimeClass;

// What a frame needs to make its view: passed through Create and LoadFrame.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

constexpr DWORD AFX_WS_DEFAULT_VIEW = WS_CHILD | WS_VISIBLE | WS_BORDER;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    static const RECT rectDefault;

    BOOL Create(const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, UINT nIDMenu = 0,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Creates the frame with the menu, accelerators and title (the string's first
    // part) of the resource id. On failure the frame is gone: it deletes itself.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

    // The active view and document.
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    // The frame whose view is active: this one, or the active MDI child.
    virtual CFrameWnd* GetActiveFrame() { return this; }

    // -1 shows the frame as it should first appear; SW_HIDE hides it.
    virtual void ActivateFrame(int nCmdShow = -1);
    // The first update of a new frame: the view becomes active, the views get
    // OnInitialUpdate and the frame is shown (with bMakeVisible).
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // Titles.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(const char* lpszDocName);
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(const char* lpszTitle) { m_strTitle = lpszTitle ? lpszTitle : ""; }
    // The frame's number among the frames of its document, 0 when it is the only one.
    int m_nWindow = 0;

    // Menus and accelerators.
    CMenu* GetMenu() const override { return m_pMenuShown; }
    // Shows the menu in the menu bar (null: none). The frame does not take the menu over.
    BOOL SetMenu(CMenu* pMenu);
    // Shows the menu bar again after its popups were added or removed.
    void DrawMenuBar();
    // The menu the frame loaded for itself.
    CMenu* GetDefaultMenu() const { return m_pMenuDefault.get(); }
    BOOL LoadAccelTable(UINT nIDResource);
    UINT GetAccelTableID() const { return m_nIDAccel; }

    // The status bar's message pane.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(const char* lpszText);
    void SetMessageText(UINT nID);
    CWnd* GetMessageBar();

    // Control bars.
    void EnableDocking(DWORD dwDockStyle);
    // Docks the bar on the side of a dock-bar id (AFX_IDW_DOCKBAR_TOP ...); 0 picks one it may use.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID) const;
    const std::vector<CControlBar*>& GetControlBars() const { return m_listControlBars; }
    // The bars' places, sizes and visibility, kept under the profile section.
    void SaveBarState(const char* lpszProfileName) const;
    BOOL LoadBarState(const char* lpszProfileName);
    void RecalcLayout(BOOL bNotify = TRUE);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnClose() override;
    void OnDestroy() override;
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) override;
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) override;
    void OnExitMenuLoop(BOOL bIsTrackPopupMenu) override;
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

    // Commands of the View menu that show and hide a bar by its id.
    BOOL OnBarCheck(UINT nID);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);

    // Disabled menu items without an update or command handler (the framework's default).
    BOOL m_bAutoMenuEnable = TRUE;

    // Bars register and leave as they are created and destroyed.
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    QMainWindow* GetMainWindow() const;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    QWidget* GetClientWidget() const override;
    QWidget* GetInputWidget() const override { return m_pClientArea; }
    bool FilterEvent(QObject* watched, QEvent* event) override;
    void OnWidgetAttached() override;
    // Makes the client area, where the view goes, inside the frame's widget.
    QWidget* CreateClientArea(QWidget* frameWidget);
    // Puts a pane (the view) into the client area.
    void AddToClientArea(CWnd* pWnd);
    // The menu and accelerators to show (MDI frames follow the active child).
    void ShowMenuAndAccelerators(CMenu* pMenu, UINT nIDAccel);

    CView* m_pViewActive = nullptr;
    CString m_strTitle;
    UINT m_nIDHelp = 0;
    DWORD m_dwDockStyle = 0;
    std::unique_ptr<CMenu> m_pMenuDefault;
    CMenu* m_pMenuShown = nullptr;
    UINT m_nIDAccel = 0;
    std::vector<QPointer<QShortcut>> m_shortcuts;
    std::vector<CControlBar*> m_listControlBars;
    QWidget* m_pClientArea = nullptr;
    QGridLayout* m_pClientLayout = nullptr;

    DECLARE_MESSAGE_MAP()
};
