// Windows: creation, the one teardown path, dispatch of the messages to their
// handlers, state, geometry, painting and timers. The handle registry and the
// family are in CWndRegistry.cpp, the Qt events and input in CWndEvents.cpp, the
// hooks in CWndHooks.cpp, the scroll bars in CWndScroll.cpp.
#include "platform/ui/CWnd.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CWndBridge.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

namespace {

RECT rectOf(const QRect& r) {
    return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// The widget of a window made with its own scroll bars: the viewport is the
// client area; scrolling is the window's business (WM_HSCROLL, WM_VSCROLL).
class CWndScrollArea : public QAbstractScrollArea {
public:
    using QAbstractScrollArea::QAbstractScrollArea;

protected:
    void scrollContentsBy(int, int) override { viewport()->update(); }
};

} // namespace

// --- the window -------------------------------------------------------------------------------------

CWnd::CWnd() = default;

CWnd::~CWnd() {
    m_bInDestructor = true;
    if (m_bAttached)
        Detach();
    else if (m_hWnd)
        DestroySequence(Teardown::destroy);
    for (CWndMessageHook* hook : m_hooks)
        hook->m_pWnd = nullptr;
    m_hooks.clear();
}

void CWnd::DestroyFromDestructor() {
    m_bInDestructor = true;
    if (m_bAttached)
        Detach();
    else if (m_hWnd)
        DestroySequence(Teardown::destroy);
}

QWidget* CWnd::GetClientWidget() const {
    return m_pWidget;
}

QWidget* CWnd::GetInputWidget() const {
    // A window with scroll bars paints and takes input in the area between them.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(m_pWidget)) return area->viewport();
    return GetClientWidget();
}

// --- teardown ---------------------------------------------------------------------------------------

BOOL CWnd::DestroyWindow() {
    ASSERT_UI_THREAD();
    if (!m_hWnd || m_bDestroying) return FALSE;
    DestroySequence(Teardown::destroy);
    // The window may have deleted itself in PostNcDestroy.
    return TRUE;
}

void CWnd::OnWidgetDying() {
    if (m_bDestroying) return;
    // Qt is deleting the widget: from here on nothing touches it.
    m_pWidget = nullptr;
    m_pPaintDevice = nullptr;
    DestroySequence(Teardown::dying);
}

void CWnd::DestroySequence(Teardown how) {
    m_bDestroying = true;
    SendMessage(WM_DESTROY);
    // The children go after their parent heard of its end and before it is gone,
    // so that their handlers still find it.
    const Teardown childHow = how == Teardown::destroy ? Teardown::destroy : Teardown::parentDying;
    const std::vector<HWND> children = m_children;
    for (HWND h : children)
        if (CWnd* child = FromHandle(h); child && !child->m_bDestroying) child->DestroySequence(childHow);
    ReleaseWidget(how);
    SendMessage(WM_NCDESTROY);
}

void CWnd::ReleaseWidget(Teardown how) {
    AfxForgetCapture(m_hWnd, how != Teardown::dying);
    LeaveParent();
    QWidget* widget = m_pWidget;
    if (widget && how == Teardown::destroy) OnWidgetReleasing(widget);
    if (m_pBridge) DetachBridge();
    m_pScrollBars.reset();
    m_pWidget = nullptr;
    m_pPaintDevice = nullptr;
    if (!widget) return;
    if (how == Teardown::destroy) widget->hide();
    // Deleted later: the widget may be delivering the event that destroys the
    // window. A widget whose ancestor Qt deletes now goes with it.
    widget->deleteLater();
}

void CWnd::DetachBridge() {
    for (const auto& timer : m_timers)
        m_pBridge->killTimer(timer.first);
    m_timers.clear();
    Unregister();
    // The bridge may be in the middle of delivering the event that destroys the
    // window, so it is deleted later, deaf from now on.
    m_pBridge->m_pOwner = nullptr;
    m_pBridge.release()->deleteLater();
}

void CWnd::OnWidgetReleasing(QWidget*) {}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) {
    return TRUE;
}

QWidget* CWnd::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    SetOwnPaintAndInput(true);
    if (!(cs.style & (WS_HSCROLL | WS_VSCROLL))) {
        // Mouse moves arrive without a button pressed, as windows expect.
        auto* widget = new QWidget(parentWidget);
        widget->setMouseTracking(true);
        return widget;
    }
    auto* area = new CWndScrollArea(parentWidget);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy((cs.style & WS_HSCROLL) ? Qt::ScrollBarAsNeeded
                                                               : Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy((cs.style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                             : Qt::ScrollBarAlwaysOff);
    area->viewport()->setMouseTracking(true);
    return area;
}

BOOL CWnd::Create(const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    ASSERT_UI_THREAD();
    CREATESTRUCT cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName ? lpszClassName : "";
    cs.lpszName = lpszWindowName ? lpszWindowName : "";
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = pParentWnd;
    cs.id = nID;
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    QWidget* parentWidget = cs.hwndParent ? cs.hwndParent->GetClientWidget() : nullptr;
    QWidget* widget = CreateWidget(cs, parentWidget);
    if (!widget) {
        PostNcDestroy();
        return FALSE;
    }
    m_dwStyle = cs.style;
    m_dwExStyle = cs.dwExStyle;
    m_nID = cs.id;
    AttachWidget(widget);
    if (m_bOwnPaintAndInput) CreateScrollBars();
    OnWidgetAttached();
    if (cs.x != CW_USEDEFAULT && cs.cx != CW_USEDEFAULT && cs.cx > 0 && cs.cy > 0)
        widget->setGeometry(cs.x, cs.y, cs.cx, cs.cy);
    if (!cs.lpszName.empty()) SetWindowText(cs.lpszName.c_str());
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (m_pWidget) {
        if (cs.style & WS_DISABLED) m_pWidget->setEnabled(false);
        if (cs.style & WS_VISIBLE) m_pWidget->show();
    }
    return TRUE;
}

void CWnd::PostNcDestroy() {}

// --- messages ---------------------------------------------------------------------------------------

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep) {
    std::vector<HWND> children;
    for (CWnd* child : GetChildWindows())
        children.push_back(child->m_hWnd);
    for (HWND h : children) {
        CWnd* child = FromHandle(h);
        if (!child) continue;
        child->SendMessage(message, wParam, lParam);
        if (bDeep && (child = FromHandle(h))) child->SendMessageToDescendants(message, wParam, lParam, TRUE);
    }
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (DispatchMessageMap(message, wParam, lParam, &result)) return result;
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    const UINT flags = static_cast<UINT>(wParam);
    switch (message) {
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_CREATE:
        return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY:
        OnNcDestroy();
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_SIZE:
        OnSize(flags, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(flags, point);
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(flags, point);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(flags, point);
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(flags, point);
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp(flags, point);
        return 0;
    case WM_MBUTTONDOWN:
        OnMButtonDown(flags, point);
        return 0;
    case WM_MBUTTONUP:
        OnMButtonUp(flags, point);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(flags, point);
        return 0;
    case WM_MOUSEWHEEL:
        return OnMouseWheel(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), point);
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(flags, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_KEYUP:
        OnKeyUp(flags, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_CHAR:
        OnChar(flags, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SYSKEYDOWN:
        OnSysKeyDown(flags, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SYSKEYUP:
        OnSysKeyUp(flags, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SYSCHAR:
        OnSysChar(flags, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_NOTIFY: {
        LRESULT answer = 0;
        OnNotify(wParam, lParam, &answer);
        return answer;
    }
    case WM_SETCURSOR:
        return OnSetCursor(FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
    case WM_CAPTURECHANGED:
        OnCaptureChanged(FromHandle(reinterpret_cast<HWND>(lParam)));
        return 0;
    case WM_CONTEXTMENU:
        OnContextMenu(FromHandle(reinterpret_cast<HWND>(wParam)), point);
        return 0;
    case WM_GETDLGCODE:
        return OnGetDlgCode();
    case WM_SETFOCUS:
        OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), AfxScrollPosOf(wParam), reinterpret_cast<CScrollBar*>(lParam));
        return 0;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), AfxScrollPosOf(wParam), reinterpret_cast<CScrollBar*>(lParam));
        return 0;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        return 0;
    case WM_EXITMENULOOP:
        OnExitMenuLoop(static_cast<BOOL>(wParam));
        return 0;
    case WM_MDIACTIVATE:
        // wParam: the window losing activation, lParam: the one gaining it.
        {
            CWnd* deactivated = FromHandle(reinterpret_cast<HWND>(wParam));
            CWnd* activated = FromHandle(reinterpret_cast<HWND>(lParam));
            OnMDIActivate(activated == this, activated, deactivated);
        }
        return 0;
    case WM_IDLEUPDATECMDUI:
        return OnIdleUpdateCmdUI(wParam, lParam);
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        return OnControlPaintMessage(message, wParam, lParam);
    default:
        if (AfxIsCtlColorMessage(message)) return OnControlPaintMessage(message, wParam, lParam);
        return DefWindowProc(message, wParam, lParam);
    }
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    if (lParam == 0) {
        // A command from a menu, a toolbar or an accelerator runs only while it is enabled.
        if (nID == 0) return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled) return FALSE;
        nCode = CN_COMMAND;
    } else {
        // A control's notification: the control may answer it itself.
        const HWND self = m_hWnd;
        if (CWnd* control = FromHandle(reinterpret_cast<HWND>(lParam));
            control && control->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
        if (!::IsWindow(self)) return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header) return FALSE;
    const HWND self = m_hWnd;
    if (CWnd* control = FromHandle(header->hwndFrom);
        control && control->OnChildNotify(WM_NOTIFY, header->idFrom, lParam, pResult))
        return TRUE;
    if (!::IsWindow(self)) return TRUE;
    AFX_NOTIFY notify{pResult, header};
    return OnCmdMsg(static_cast<UINT>(header->idFrom), static_cast<int>(MAKELONG(header->code, WM_NOTIFY)),
                    &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT ignored = 0;
    if (!pResult) pResult = &ignored;
    switch (message) {
    case WM_COMMAND:
        return OnCmdMsg(GetDlgCtrlID(),
                        static_cast<int>(MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND)), nullptr,
                        nullptr);
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify{pResult, header};
        return OnCmdMsg(GetDlgCtrlID(), static_cast<int>(MAKELONG(header->code, WM_REFLECT_BASE + WM_NOTIFY)),
                        &notify, nullptr);
    }
    default:
        if (AfxIsCtlColorMessage(message)) {
            // The control's ON_WM_CTLCOLOR_REFLECT entry; a null brush leaves the choice to the parent.
            LRESULT brush = 0;
            if (!DispatchMessageMap(WM_REFLECT_BASE + WM_CTLCOLOR, wParam, message - WM_CTLCOLORMSGBOX,
                                    &brush) ||
                !brush)
                return FALSE;
            *pResult = brush;
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// --- state ------------------------------------------------------------------------------------------

BOOL CWnd::ShowWindow(int nCmdShow) {
    if (!m_pWidget) return FALSE;
    const BOOL wasVisible = m_pWidget->isVisibleTo(m_pWidget->parentWidget()) && !m_pWidget->isHidden();
    const bool hasStates = m_pWidget->isWindow() || m_pWidget->inherits("QMdiSubWindow");
    switch (nCmdShow) {
    case SW_HIDE:
        m_pWidget->hide();
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        if (hasStates)
            m_pWidget->showNormal();
        else
            m_pWidget->show();
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        if (hasStates)
            m_pWidget->showMinimized();
        else
            m_pWidget->show();
        break;
    case SW_SHOWMAXIMIZED:
        if (hasStates)
            m_pWidget->showMaximized();
        else
            m_pWidget->show();
        break;
    default:
        m_pWidget->show();
        break;
    }
    OnShowStateChanged();
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    return m_pWidget && m_pWidget->isVisible();
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    if (!m_pWidget) return FALSE;
    const BOOL wasDisabled = !IsWindowEnabled();
    m_pWidget->setEnabled(bEnable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    if (!m_pWidget) return FALSE;
    return m_pWidget->isWindow() || !m_pWidget->parentWidget()
               ? m_pWidget->isEnabled()
               : m_pWidget->isEnabledTo(m_pWidget->parentWidget());
}

BOOL CWnd::IsIconic() const {
    return m_pWidget && m_pWidget->isMinimized();
}
BOOL CWnd::IsZoomed() const {
    return m_pWidget && m_pWidget->isMaximized();
}

DWORD CWnd::GetStyle() const {
    DWORD style = m_dwStyle & ~(WS_VISIBLE | WS_DISABLED | WS_MAXIMIZE | WS_MINIMIZE);
    if (!m_pWidget) return style;
    const bool visible = m_pWidget->isWindow() || !m_pWidget->parentWidget()
                             ? m_pWidget->isVisible()
                             : m_pWidget->isVisibleTo(m_pWidget->parentWidget());
    if (visible) style |= WS_VISIBLE;
    if (!IsWindowEnabled()) style |= WS_DISABLED;
    if (IsZoomed()) style |= WS_MAXIMIZE;
    if (IsIconic()) style |= WS_MINIMIZE;
    return style;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT) {
    const DWORD before = m_dwStyle;
    m_dwStyle = (m_dwStyle & ~dwRemove) | dwAdd;
    return before != m_dwStyle;
}

namespace {
// The text of a control is its widget's text (an edit's contents, a button's
// caption); a window's text is its title.
const char* textPropertyOf(const QWidget* widget) {
    if (!widget || widget->isWindow()) return nullptr;
    for (const char* name : {"text", "plainText", "title", "currentText"})
        if (widget->metaObject()->indexOfProperty(name) >= 0) return name;
    return nullptr;
}
} // namespace

void CWnd::SetWindowText(const char* lpszString) {
    m_strWindowText = lpszString ? lpszString : "";
    if (!m_pWidget) return;
    if (const char* property = textPropertyOf(m_pWidget)) {
        QString text = QString::fromUtf8(WidgetText(m_strWindowText).c_str());
        // A multi-line edit holds its lines apart by "\r\n", as the platform's does.
        if (std::strcmp(property, "plainText") == 0) text.replace("\r\n", "\n");
        m_pWidget->setProperty(property, text);
    } else
        m_pWidget->setWindowTitle(QString::fromUtf8(m_strWindowText.c_str()));
}

void CWnd::GetWindowText(CString& rString) const {
    rString = GetWindowText();
}

CString CWnd::GetWindowText() const {
    if (const char* property = textPropertyOf(m_pWidget)) {
        QString text = m_pWidget->property(property).toString();
        if (std::strcmp(property, "plainText") == 0) text.replace("\n", "\r\n");
        CString current(text.toStdString());
        const CString shown = WidgetText(m_strWindowText);
        if (shown != m_strWindowText && current == shown) return m_strWindowText;
        return current;
    }
    return m_strWindowText;
}

// --- geometry ---------------------------------------------------------------------------------------

void CWnd::GetClientRect(LPRECT lpRect) const {
    *lpRect = RECT{};
    if (QWidget* client = GetInputWidget()) *lpRect = RECT{0, 0, client->width(), client->height()};
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
    *lpRect = RECT{};
    if (!m_pWidget) return;
    *lpRect = rectOf(m_pWidget->isWindow() ? m_pWidget->frameGeometry()
                                           : QRect(m_pWidget->mapToGlobal(QPoint(0, 0)), m_pWidget->size()));
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL) {
    if (m_pWidget) m_pWidget->setGeometry(x, y, nWidth, nHeight);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int cx, int cy, UINT nFlags) {
    if (!m_pWidget) return FALSE;
    if (!(nFlags & SWP_NOMOVE)) m_pWidget->move(x, y);
    if (!(nFlags & SWP_NOSIZE)) m_pWidget->resize(cx, cy);
    if (nFlags & SWP_SHOWWINDOW) m_pWidget->show();
    if (nFlags & SWP_HIDEWINDOW) m_pWidget->hide();
    return TRUE;
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const {
    if (QWidget* w = GetInputWidget()) {
        const QPoint p = w->mapToGlobal(QPoint(lpPoint->x, lpPoint->y));
        *lpPoint = POINT{p.x(), p.y()};
    }
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    POINT a{lpRect->left, lpRect->top}, b{lpRect->right, lpRect->bottom};
    ClientToScreen(&a);
    ClientToScreen(&b);
    *lpRect = RECT{a.x, a.y, b.x, b.y};
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const {
    if (QWidget* w = GetInputWidget()) {
        const QPoint p = w->mapFromGlobal(QPoint(lpPoint->x, lpPoint->y));
        *lpPoint = POINT{p.x(), p.y()};
    }
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    POINT a{lpRect->left, lpRect->top}, b{lpRect->right, lpRect->bottom};
    ScreenToClient(&a);
    ScreenToClient(&b);
    *lpRect = RECT{a.x, a.y, b.x, b.y};
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const {
    if (!m_pWidget || !lpwndpl) return FALSE;
    *lpwndpl = WINDOWPLACEMENT{};
    lpwndpl->showCmd = IsIconic() ? SW_SHOWMINIMIZED : IsZoomed() ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    lpwndpl->ptMinPosition = POINT{-1, -1};
    lpwndpl->ptMaxPosition = POINT{-1, -1};
    // A window in its normal state is where it is now; a maximised or minimised
    // one keeps the rectangle it had before.
    lpwndpl->rcNormalPosition = IsIconic() || IsZoomed() ? m_rcNormal : rectOf(m_pWidget->geometry());
    return TRUE;
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl) {
    if (!m_pWidget || !lpwndpl) return FALSE;
    const RECT& rc = lpwndpl->rcNormalPosition;
    const QRect normal(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    const bool hasStates = m_pWidget->isWindow() || m_pWidget->inherits("QMdiSubWindow");
    // The normal rectangle first, so that a window shown maximised comes back to it.
    if (hasStates && (m_pWidget->isMaximized() || m_pWidget->isMinimized())) m_pWidget->showNormal();
    if (normal.width() > 0 && normal.height() > 0) m_pWidget->setGeometry(normal);
    m_rcNormal = rc;
    switch (static_cast<int>(lpwndpl->showCmd)) {
    case SW_HIDE:
        m_pWidget->hide();
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        ShowWindow(SW_SHOWMINIMIZED);
        break;
    case SW_SHOWMAXIMIZED:
        ShowWindow(SW_SHOWMAXIMIZED);
        break;
    default:
        m_pWidget->show();
        break;
    }
    OnShowStateChanged();
    return TRUE;
}

// --- painting and input -----------------------------------------------------------------------------

void CWnd::Invalidate(BOOL) {
    if (QWidget* w = GetInputWidget()) w->update();
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) {
    QWidget* w = GetInputWidget();
    if (!w) return;
    if (!lpRect) {
        Invalidate(bErase);
        return;
    }
    w->update(QRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top));
}

void CWnd::UpdateWindow() {
    if (QWidget* w = GetInputWidget())
        if (!m_pPaintDevice) w->repaint();
}

CWnd* CWnd::SetFocus() {
    CWnd* previous = GetFocus();
    if (QWidget* w = GetInputWidget()) w->setFocus(Qt::OtherFocusReason);
    return previous;
}

CWnd* CWnd::GetFocus() {
    return FromWidget(QApplication::focusWidget());
}

void CWnd::BringWindowToTop() {
    if (m_pWidget) m_pWidget->raise();
}

// --- family -----------------------------------------------------------------------------------------

CWnd* CWnd::GetTopLevelParent() const {
    const CWnd* wnd = this;
    while (CWnd* parent = wnd->GetParent())
        wnd = parent;
    return const_cast<CWnd*>(wnd);
}

CFrameWnd* CWnd::GetParentFrame() const {
    for (CWnd* parent = GetParent(); parent; parent = parent->GetParent())
        if (auto* frame = DYNAMIC_DOWNCAST_PTR<CFrameWnd>(parent)) return frame;
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const {
    CFrameWnd* frame = DYNAMIC_DOWNCAST_PTR<CFrameWnd>(const_cast<CWnd*>(this));
    if (!frame) frame = GetParentFrame();
    while (frame) {
        CFrameWnd* parent = frame->GetParentFrame();
        if (!parent) break;
        frame = parent;
    }
    return frame;
}

// --- timers -----------------------------------------------------------------------------------------

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void*) {
    ASSERT_UI_THREAD();
    if (!m_pBridge) return 0;
    KillTimer(nIDEvent);
    const int qtId = m_pBridge->startTimer(static_cast<int>(nElapse));
    if (qtId == 0) return 0;
    m_timers[qtId] = nIDEvent;
    return nIDEvent;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
    for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
        if (it->second == nIDEvent) {
            if (m_pBridge) m_pBridge->killTimer(it->first);
            m_timers.erase(it);
            return TRUE;
        }
    }
    return FALSE;
}

int CWnd::MessageBox(const char* lpszText, const char* lpszCaption, UINT nType) {
    ASSERT_UI_THREAD();
    CMessageBoxRequest request;
    request.text = lpszText ? lpszText : "";
    request.caption = lpszCaption ? lpszCaption : "Error";
    request.type = nType;
    return CPromptService::Instance().MessageBox(request);
}

// --- default handlers -------------------------------------------------------------------------------

int CWnd::OnCreate(LPCREATESTRUCT) {
    return 0;
}
void CWnd::OnDestroy() {}

void CWnd::OnNcDestroy() {
    // The application's main window is gone: the program ends.
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        AfxPostQuitMessage(0);
    }
    for (CWndMessageHook* hook : m_hooks)
        hook->m_pWnd = nullptr;
    m_hooks.clear();
    m_bDestroying = false;
    // A window being deleted is past the point where it could delete itself.
    if (!m_bInDestructor) PostNcDestroy();
}

void CWnd::OnClose() {
    DestroyWindow();
}
void CWnd::OnSize(UINT, int, int) {}
void CWnd::OnTimer(UINT_PTR) {}
void CWnd::OnPaint() {}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSysKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSysChar(UINT, UINT, UINT) {
    Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnCaptureChanged(CWnd*) {
    Default();
}
void CWnd::OnContextMenu(CWnd*, CPoint) {
    Default();
}
UINT CWnd::OnGetDlgCode() {
    return static_cast<UINT>(Default());
}
void CWnd::OnMouseLeave() {}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) {
    Default();
}
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) {
    Default();
}
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) {}
void CWnd::OnMenuSelect(UINT, UINT, HMENU) {}
void CWnd::OnExitMenuLoop(BOOL) {}
void CWnd::OnMDIActivate(BOOL, CWnd*, CWnd*) {}
LRESULT CWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
    return 0;
}
