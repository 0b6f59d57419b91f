#pragma once
// The MDI frames: the main window with its client area of child frames
// (QMdiArea), and the child frames (QMdiSubWindow) that show the documents.
// Children take the control ids AFX_IDM_FIRST_MDICHILD + 0, 1, ... in the order
// they were created (renumbered when one goes), and may be activated, hidden,
// disabled, maximised, cascaded, tiled, or stepped through with next and
// previous. Only shown, enabled children count for cascading, tiling and
// stepping. While a child is active the menu bar shows its template's menu.
#include "platform/ui/CFrameWnd.h"

#include <vector>

class CMDIChildWnd;
class QMdiArea;
class QMdiSubWindow;

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNAMIC(CMDIFrameWnd)
public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;

    // The active child; *pbMaximized tells whether it is maximised.
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDINext();
    void MDIPrev();
    // MDITILE_SKIPDISABLED leaves disabled children where they are.
    void MDICascade(int nType = 0);
    void MDITile(int nType = MDITILE_HORIZONTAL);
    CWnd* GetMDIClient() const { return FromHandle(m_hWndMDIClient); }
    QMdiArea* GetMdiArea() const;
    // The children in the order they were created.
    const std::vector<CMDIChildWnd*>& GetMDIChildren() const { return m_children; }
    // The popup of the menu bar that lists the open windows; null for none.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    CFrameWnd* GetActiveFrame() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;

    BOOL OnMDIWindowCmd(UINT nID);
    void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
    void OnWindowNew();

protected:
    QWidget* GetClientWidget() const override;
    bool IsShownChild(const CMDIChildWnd* pChild, bool enabledOnly) const;
    std::vector<CMDIChildWnd*> ShownChildren(bool enabledOnly) const;
    // The children that cascading and tiling arrange: shown, not minimised, and
    // enabled with MDITILE_SKIPDISABLED.
    std::vector<CMDIChildWnd*> ArrangedChildren(int nType) const;

private:
    friend class CMDIChildWnd;
    void AddChild(CMDIChildWnd* pChild);
    void RemoveChild(CMDIChildWnd* pChild);
    void OnChildHidden(CMDIChildWnd* pChild);
    void SetActiveChild(CMDIChildWnd* pChild);
    void OnSubWindowActivated(QMdiSubWindow* subWindow);

    HWND m_hWndMDIClient = nullptr;
    std::vector<CMDIChildWnd*> m_children;
    HWND m_hActiveChild = nullptr;
    bool m_bChoosingActive = false;

    DECLARE_MESSAGE_MAP()
};

class CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();
    ~CMDIChildWnd() override;

    virtual BOOL Create(const char* lpszClassName, const char* lpszWindowName,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CMDIFrameWnd* pParentWnd = nullptr,
                        CCreateContext* pContext = nullptr);
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    // -1 shows the frame (maximised when the active child is), then activates it.
    void ActivateFrame(int nCmdShow = -1) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd) override;
    // The child leaves its frame's list (and the Window menu).
    void OnDestroy() override;
    QMdiSubWindow* GetSubWindow() const;

    // The template's menu and accelerators, shown while this child is active.
    CMenu* m_hMenuShared = nullptr;
    UINT m_nIDAccelShared = 0;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    void OnWidgetReleasing(QWidget* widget) override;
    void OnShowStateChanged() override;

private:
    HWND m_hMDIFrame = nullptr;
};

// The toolkit's MDI frames that the program's frames derive from.
class SECMDIFrameWnd : public CMDIFrameWnd {
    DECLARE_DYNAMIC(SECMDIFrameWnd)
public:
    SECMDIFrameWnd();
    ~SECMDIFrameWnd() override;
};

class SECMDIChildWnd : public CMDIChildWnd {
    DECLARE_DYNCREATE(SECMDIChildWnd)
public:
    SECMDIChildWnd();
    ~SECMDIChildWnd() override;
};
