#pragma once
// A window: the C++ object of the framework that stands for one Qt widget. The
// object exists before its window (Create makes the widget) and may outlive it
// (DestroyWindow takes the widget away; frames and views then delete themselves
// in PostNcDestroy). Every window has a handle that stays unique for the run,
// so code that keeps handles (workspaces, tree items, worker threads) can ask
// whether the window still exists.
//
// The Qt events that the program reacts to arrive as messages through
// SendMessage, so message hooks and ON_MESSAGE entries see them, and end in the
// virtual handlers (OnSize, OnLButtonDown, OnKeyDown, OnTimer, OnClose, ...).
// PostMessage may be called from any thread; the message is handled on the
// user-interface thread.
#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"
#include "platform/ui/WinUi.h"

#include <map>
#include <memory>
#include <vector>

class CFrameWnd;
class CMenu;
class CScrollBar;
class CWnd;
class CWndBridge;
struct CCreateContext;
class QEvent;
class QObject;
class QPaintDevice;
class QWidget;

struct CREATESTRUCT {
    LPVOID lpCreateParams = nullptr; // the CCreateContext when a frame or view is created
    CWnd* hwndParent = nullptr;
    int cy = CW_USEDEFAULT;
    int cx = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int x = CW_USEDEFAULT;
    DWORD style = 0;
    CString lpszName;
    CString lpszClass;
    DWORD dwExStyle = 0;
    UINT id = 0;
};
using LPCREATESTRUCT = CREATESTRUCT*;

// Sees a window's messages before the window does. Several hooks may sit on one
// window; the one hooked last sees a message first and passes it on with Next.
class CWndMessageHook {
public:
    CWndMessageHook();
    virtual ~CWndMessageHook();
    CWndMessageHook(const CWndMessageHook&) = delete;
    CWndMessageHook& operator=(const CWndMessageHook&) = delete;

    // Hooks the window (null unhooks). The hook goes away by itself when the window dies.
    BOOL HookWindow(CWnd* pWnd);
    BOOL IsHooked() const { return m_pWnd != nullptr; }
    CWnd* GetHookedWindow() const { return m_pWnd; }

    // Passes the message on by default.
    virtual LRESULT HookProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // The next hook of the window, or the window's own WindowProc.
    LRESULT Next(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class CWnd;
    CWnd* m_pWnd = nullptr;
};

class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Null until the window exists and again after it is destroyed.
    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The living window of a handle; null for a handle whose window is gone.
    static CWnd* FromHandle(HWND hWnd);
    // The window that a widget belongs to (the widget or its nearest tagged ancestor).
    static CWnd* FromWidget(const QWidget* widget);

    // The widget of the window (a top-level window, a subwindow, a dock, a control).
    QWidget* GetWidget() const { return m_pWidget; }
    // Where child windows go.
    virtual QWidget* GetClientWidget() const;
    // Where mouse and key input arrive and where the window paints.
    virtual QWidget* GetInputWidget() const;

    // Creation.
    virtual BOOL Create(const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    BOOL CreateEx(DWORD dwExStyle, const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle,
                  int x, int y, int nWidth, int nHeight, CWnd* pParentWnd, UINT nID,
                  LPVOID lpParam = nullptr);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL DestroyWindow();
    // Called last when the window is gone; classes that own themselves delete this here.
    virtual void PostNcDestroy();

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Queued; may be called from any thread. FALSE when the window is gone.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // State.
    BOOL IsWindow() const { return m_pWidget != nullptr; }
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const { return m_dwExStyle; }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    void SetWindowText(const char* lpszString);
    void GetWindowText(CString& rString) const;
    CString GetWindowText() const;
    int GetDlgCtrlID() const { return static_cast<int>(m_nID); }
    int SetDlgCtrlID(int nID);

    // Geometry (client coordinates of the parent for child windows).
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);

    // Painting and input. A view that keeps a picture of its drawing learns
    // here that the picture is out of date.
    virtual void Invalidate(BOOL bErase = TRUE);
    virtual void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void UpdateWindow();
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    static BOOL ReleaseCapture();
    void BringWindowToTop();

    // Family.
    CWnd* GetParent() const;
    CWnd* GetTopLevelParent() const;
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    CWnd* GetDlgItem(int nID) const;
    // The direct child windows, in the order their widgets were created.
    std::vector<CWnd*> GetChildWindows() const;

    // Timers: OnTimer(nIDEvent) every nElapse ms; a second SetTimer with the same id replaces it.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // The menu of a frame; null for other windows.
    virtual CMenu* GetMenu() const { return nullptr; }

    int MessageBox(const char* lpszText, const char* lpszCaption = nullptr, UINT nType = MB_OK);

    // Handlers of the window's messages.
    virtual int OnCreate(LPCREATESTRUCT lpCreateStruct);
    virtual void OnDestroy();
    virtual void OnNcDestroy();
    virtual void OnClose();
    virtual void OnSize(UINT nType, int cx, int cy);
    virtual void OnTimer(UINT_PTR nIDEvent);
    virtual void OnPaint();
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnLButtonUp(UINT nFlags, CPoint point);
    virtual void OnLButtonDblClk(UINT nFlags, CPoint point);
    virtual void OnRButtonDown(UINT nFlags, CPoint point);
    virtual void OnRButtonUp(UINT nFlags, CPoint point);
    virtual void OnMButtonDown(UINT nFlags, CPoint point);
    virtual void OnMButtonUp(UINT nFlags, CPoint point);
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    virtual BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    virtual void OnMouseLeave();
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSetFocus(CWnd* pOldWnd);
    virtual void OnKillFocus(CWnd* pNewWnd);
    virtual void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    virtual void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    virtual void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    virtual void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    virtual void OnExitMenuLoop(BOOL bIsTrackPopupMenu);
    virtual void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    virtual LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

protected:
    // Makes the widget of the window under the parent widget (null for a top-level
    // window). The base makes a plain widget; frames, views and bars make theirs.
    virtual QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget);
    // Qt events of the window's widgets; true consumes the event.
    virtual bool FilterEvent(QObject* watched, QEvent* event);
    // Also routes the events of another widget of this window through FilterEvent.
    void WatchWidget(QWidget* widget);
    // Whether the window paints itself (OnPaint) and takes mouse and key input
    // as messages; windows over Qt controls leave both to the control.
    void SetOwnPaintAndInput(bool own) { m_bOwnPaintAndInput = own; }
    bool HasOwnPaintAndInput() const { return m_bOwnPaintAndInput; }
    // The device of the paint event being handled (in OnPaint only).
    QPaintDevice* GetPaintDevice() const { return m_pPaintDevice; }
    // The widget is going away: frames take it out of their containers.
    virtual void OnWidgetReleasing(QWidget* widget);
    // The widget exists and has its handle: a class watches its other widgets here.
    virtual void OnWidgetAttached() {}
    // ShowWindow or SetWindowPlacement changed how the window is shown.
    virtual void OnShowStateChanged() {}

    DWORD m_dwStyle = 0;
    DWORD m_dwExStyle = 0;
    UINT m_nID = 0;
    CString m_strWindowText;

private:
    friend class CWndBridge;
    friend class CWndMessageHook;
    friend BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool AttachWidget(QWidget* widget);
    void Unregister();
    // Stops the timers, takes the handle out of use and lets the bridge go.
    void DetachBridge();
    void ReleaseWidget(bool deleteWidget);
    void OnWidgetDestroyedExternally();
    LRESULT CallHooks(size_t index, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT TranslateEvent(QObject* watched, QEvent* event, bool& consumed);
    void TrackNormalRect();
    void CollectChildWindows(const QWidget* widget, std::vector<CWnd*>& children) const;

    QWidget* m_pWidget = nullptr;
    std::unique_ptr<CWndBridge> m_pBridge;
    std::vector<CWndMessageHook*> m_hooks; // the first sees a message first
    std::map<int, UINT_PTR> m_timers;      // Qt's timer id to the window's
    RECT m_rcNormal{};
    bool m_bOwnPaintAndInput = false;
    bool m_bDestroying = false;
    QPaintDevice* m_pPaintDevice = nullptr;
};

// The platform's calls on handles.
BOOL IsWindow(HWND hWnd);
// Queued to the window's user-interface thread; safe from any thread. FALSE when the window is gone.
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
