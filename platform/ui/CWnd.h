#pragma once
// A window: the C++ object of the framework that stands for one Qt widget. The
// object exists before its window (Create makes the widget) and may outlive it
// (DestroyWindow takes the widget away; frames and views then delete themselves
// in PostNcDestroy). Every window has a handle that stays unique for the run,
// so code that keeps handles (workspaces, tree items, worker threads) can ask
// whether the window still exists.
//
// A window dies one way, whoever starts it (DestroyWindow, Qt deleting the
// widget because its parent went or a subwindow was closed, the C++ object
// deleted while its window exists): WM_DESTROY to the window, then the same for
// each of its child windows, then WM_NCDESTROY and PostNcDestroy. Containers
// that keep windows drop them in OnDestroy.
//
// The Qt events that the program reacts to arrive as messages through
// SendMessage, so message hooks and ON_MESSAGE entries see them, and end in the
// virtual handlers (OnSize, OnLButtonDown, OnKeyDown, OnTimer, OnClose, ...).
// Before that, PreTranslateMessage of the window and of its parents up to the
// top-level window may stop mouse and key input. A window over a Qt control
// passes an input message on to the control when its handler chain reaches
// Default (the base On... handlers do); a window that paints itself keeps its input.
// A handler may destroy its own window: the event goes no further.
//
// Windows are made, messages sent and timers set on the user-interface thread
// only (asserted in debug builds). PostMessage may be called from any thread;
// the message is handled on the user-interface thread.
#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"
#include "platform/ui/WinUi.h"

#include <cassert>
#include <map>
#include <memory>
#include <unordered_map>
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
class QScrollBar;
class QWidget;
struct CWndScrollBars;

// A cursor: one of the standard shapes (AfxLoadStandardCursor).
struct HICON__;
using HCURSOR = HICON__*;
constexpr UINT IDC_ARROW = 32512;
constexpr UINT IDC_IBEAM = 32513;
constexpr UINT IDC_WAIT = 32514;
constexpr UINT IDC_CROSS = 32515;
constexpr UINT IDC_UPARROW = 32516;
constexpr UINT IDC_SIZENWSE = 32642;
constexpr UINT IDC_SIZENESW = 32643;
constexpr UINT IDC_SIZEWE = 32644;
constexpr UINT IDC_SIZENS = 32645;
constexpr UINT IDC_SIZEALL = 32646;
constexpr UINT IDC_NO = 32648;
constexpr UINT IDC_HAND = 32649;

// The scroll bar settings of SetScrollInfo and GetScrollInfo.
constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
constexpr int SB_BOTH = 3;

struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};
using LPSCROLLINFO = SCROLLINFO*;

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

    // Makes the window stand for an existing Qt widget (which it does not own: Detach
    // gives it back, and the widget's deletion destroys the window). FALSE when the
    // window already has a widget or the widget belongs to another window.
    BOOL Attach(QWidget* widget);
    // Gives the widget back without destroying anything; the handle dies.
    QWidget* Detach();
    // Attach, and the window's handlers see the control's messages first.
    BOOL SubclassWindow(QWidget* widget);
    // The same for the parent's child window with the id, whose widget this window takes over.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    QWidget* UnsubclassWindow();

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
    // The message being handled runs on to DefWindowProc: a Qt control under the
    // window then gets its input event.
    LRESULT Default();
    // A menu command, an accelerator or a control's notification (the control's
    // handle in lParam, its code in the high word of wParam; offered to the control first).
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A control's WM_NOTIFY record (offered to the control first); *pResult is the answer.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A notification this window sent to its parent, reflected back to it; TRUE when it took it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // WM_CTLCOLOR*, WM_DRAWITEM and WM_MEASUREITEM from a child control: offered to
    // the control first, then to OnCtlColor, OnDrawItem or OnMeasureItem.
    LRESULT OnControlPaintMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Mouse and key input before dispatch; TRUE stops it. Asked of the target window,
    // then of its parents up to the top-level window.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // State.
    BOOL IsWindow() const { return m_hWnd != nullptr; }
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
    // The first child window with the id, without a walk over the widgets.
    CWnd* GetDlgItem(int nID) const;
    // The direct child windows, in the order they were created.
    std::vector<CWnd*> GetChildWindows() const;

    // The window's own scroll bars (made for WS_HSCROLL and WS_VSCROLL). The
    // user's scrolling arrives as WM_HSCROLL/WM_VSCROLL with the SB_ codes;
    // positions are 32-bit (GetScrollPos, GetScrollInfo's nTrackPos).
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    int GetScrollPos(int nBar) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    int GetScrollLimit(int nBar) const;
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    void EnableScrollBarCtrl(int nBar, BOOL bEnable = TRUE);
    // The Qt bar of SB_HORZ or SB_VERT; null when the window has none.
    QScrollBar* GetQtScrollBar(int nBar) const;

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
    virtual BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    virtual void OnCaptureChanged(CWnd* pWnd);
    virtual void OnContextMenu(CWnd* pWnd, CPoint pos);
    virtual UINT OnGetDlgCode();
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSetFocus(CWnd* pOldWnd);
    virtual void OnKillFocus(CWnd* pNewWnd);
    virtual void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    virtual void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    virtual void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    virtual void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    virtual void OnExitMenuLoop(BOOL bIsTrackPopupMenu);
    virtual void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    virtual LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // The colours of a child control (nCtlColor: CTLCOLOR_EDIT, CTLCOLOR_STATIC, ...),
    // asked when the control answered nothing itself: set the text and background
    // colours on pDC and return the background brush; null keeps the defaults.
    virtual HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // An owner-drawn child control's item to draw or measure, when the control
    // did not draw or measure it itself. The base does nothing.
    virtual void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    // Makes the widget of the window under the parent widget (null for a top-level
    // window). The base makes a plain widget; frames, views and bars make theirs.
    virtual QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget);
    // What the widget shows for the window text. The base shows it as it is; a
    // static hides the marks of its mnemonic. GetWindowText still gives the text
    // that was set while the widget shows that text.
    virtual CString WidgetText(const CString& windowText) const { return windowText; }
    // Qt events of the window's widgets; true consumes the event.
    virtual bool FilterEvent(QObject* watched, QEvent* event);
    // Also routes the events of another widget of this window through FilterEvent.
    void WatchWidget(QWidget* widget);
    // Whether the window paints itself (OnPaint) and keeps its mouse and key
    // input; a window over a Qt control sees its input as messages too and hands
    // on to the control what its handlers leave to Default.
    void SetOwnPaintAndInput(bool own) { m_bOwnPaintAndInput = own; }
    bool HasOwnPaintAndInput() const { return m_bOwnPaintAndInput; }
    // The device of the paint event being handled (in OnPaint only).
    QPaintDevice* GetPaintDevice() const { return m_pPaintDevice; }
    // DestroyWindow is about to delete the widget (still whole): a class undoes
    // what it did to Qt with it. Not called when Qt deletes the widget itself.
    virtual void OnWidgetReleasing(QWidget* widget);
    // For the destructors of classes whose containers refer to the window: the
    // window dies here, while the class is still itself; PostNcDestroy is not called.
    void DestroyFromDestructor();
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
    friend class CWndSentinel;
    friend struct CWndScrollBars;
    friend BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Registry and family (CWndRegistry.cpp).
    bool AttachWidget(QWidget* widget);
    void Register();
    void Unregister();
    void JoinParent(CWnd* parent);
    void LeaveParent();
    void OnChildIdChanged(CWnd* child, int oldId);
    // Teardown (CWnd.cpp): destroy deletes the widget; dying is Qt deleting it;
    // parentDying is Qt deleting an ancestor, which takes the widget along.
    enum class Teardown { destroy, dying, parentDying };
    void DestroySequence(Teardown how);
    void ReleaseWidget(Teardown how);
    void DetachBridge();
    void OnWidgetDying();
    // Messages and Qt events (CWndEvents.cpp).
    LRESULT CallHooks(size_t index, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT TranslateEvent(QObject* watched, QEvent* event, bool& consumed);
    // Sends an input message after PreTranslateMessage; false when the window
    // died meanwhile. *pDefault tells whether the handlers reached Default.
    bool SendInput(UINT message, WPARAM wParam, LPARAM lParam, bool* pDefault, bool* pStopped);
    void TrackNormalRect();
    void ApplyCursor(UINT message);
    // Scroll bars (CWndScroll.cpp).
    void CreateScrollBars();

    QWidget* m_pWidget = nullptr;
    std::unique_ptr<CWndBridge> m_pBridge;
    std::vector<CWndMessageHook*> m_hooks; // the first sees a message first
    std::map<int, UINT_PTR> m_timers;      // Qt's timer id to the window's
    RECT m_rcNormal{};
    bool m_bOwnPaintAndInput = false;
    bool m_bDestroying = false;
    bool m_bInDestructor = false;
    bool m_bAttached = false; // the widget is someone else's (Attach)
    QPaintDevice* m_pPaintDevice = nullptr;
    int m_nWheelRest = 0; // wheel movement not yet sent (less than a notch)
    // The family: the parent's handle, the children in the order they came, and
    // the children by id (GetDlgItem).
    HWND m_hWndParent = nullptr;
    std::vector<HWND> m_children;
    std::unordered_map<int, std::vector<HWND>> m_childrenById;
    std::unique_ptr<CWndScrollBars> m_pScrollBars;
};

// The standard cursor shapes (IDC_...).
HCURSOR AfxLoadStandardCursor(UINT nIDCursor);
// Sets the cursor of the window being asked for its cursor (WM_SETCURSOR), or of
// the capture window; returns the one it had.
HCURSOR SetCursor(HCURSOR hCursor);

// The platform's calls on handles.
BOOL IsWindow(HWND hWnd);
// Whether the caller runs on the user-interface thread (the application's).
bool AfxIsUserInterfaceThread();
// A programming error when not on the user-interface thread (debug builds).
#define ASSERT_UI_THREAD() assert(AfxIsUserInterfaceThread() && "only the user-interface thread may do this")
// Queued to the window's user-interface thread; safe from any thread. FALSE when the window is gone.
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
