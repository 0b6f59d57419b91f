// Messages and the Qt events of a window's widgets: sending with the handler
// chain's Default, PreTranslateMessage, the translation of mouse, key, focus,
// paint and size events into messages, the capture and the cursor.
#include "platform/ui/CWnd.h"

#include "platform/ui/CWndBridge.h"
#include "platform/ui/VirtualKeys.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimerEvent>
#include <QWheelEvent>
#include <QWidget>

#include <cstdlib>

namespace {

// The message each window of the thread is handling, innermost first: Default
// runs on to DefWindowProc with it, and the event translation learns from it
// whether the handlers got that far.
struct CurrentMessage {
    CWnd* wnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool reachedDefault;
    CurrentMessage* outer;
};
thread_local CurrentMessage* t_current = nullptr;

class CurrentMessageScope {
public:
    explicit CurrentMessageScope(CurrentMessage& message) : m_message(message) { t_current = &message; }
    ~CurrentMessageScope() { t_current = m_message.outer; }
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

private:
    CurrentMessage& m_message;
};

// The capture: the window's handle, and the widget that grabbed the mouse.
HWND g_hCapture = nullptr;
QPointer<QWidget> g_captureWidget;

// The widget that was last asked for its cursor (WM_SETCURSOR), where SetCursor applies.
QPointer<QWidget> g_cursorWidget;
// Widgets whose cursor SetCursor set; they go back to the arrow when not asked to keep it.
bool g_cursorSetByHandler = false;

UINT mouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    UINT flags = 0;
    if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) flags |= MK_CONTROL;
    return flags;
}

LPARAM pointParam(const QPoint& p) {
    return MAKELPARAM(p.x(), p.y());
}

} // namespace

QEvent::Type AfxMessageEventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

// --- the bridge -------------------------------------------------------------------------------------

bool CWndBridge::eventFilter(QObject* watched, QEvent* event) {
    return m_pOwner && m_pOwner->FilterEvent(watched, event);
}

bool CWndBridge::event(QEvent* event) {
    if (event->type() == AfxMessageEventType()) {
        auto* message = static_cast<CMessageEvent*>(event);
        if (m_pOwner) m_pOwner->SendMessage(message->m_message, message->m_wParam, message->m_lParam);
        return true;
    }
    return QObject::event(event);
}

void CWndBridge::timerEvent(QTimerEvent* event) {
    if (!m_pOwner) return;
    auto it = m_pOwner->m_timers.find(event->timerId());
    if (it != m_pOwner->m_timers.end()) m_pOwner->SendMessage(WM_TIMER, it->second, 0);
}

CWndSentinel::~CWndSentinel() {
    if (CWnd* wnd = CWnd::FromHandle(m_hWnd)) wnd->OnWidgetDying();
}

// --- sending ----------------------------------------------------------------------------------------

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    ASSERT_UI_THREAD();
    CurrentMessage current{this, message, wParam, lParam, false, t_current};
    CurrentMessageScope scope(current);
    return CallHooks(0, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    if (!t_current) return 0;
    return DefWindowProc(t_current->message, t_current->wParam, t_current->lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (t_current && t_current->wnd == this && t_current->message == message)
        t_current->reachedDefault = true;
    switch (message) {
    case WM_SETCURSOR:
        // The parent may choose the cursor for its children.
        if (CWnd* parent = GetParent()) return parent->SendMessage(message, wParam, lParam);
        return FALSE;
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU:
        // A window that takes its own input hands these on to its parent, as the
        // platform does; over a Qt control they go on to the control.
        if (m_bOwnPaintAndInput)
            if (CWnd* parent = GetParent()) return parent->SendMessage(message, wParam, lParam);
        return 0;
    default:
        return 0;
    }
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

bool CWnd::SendInput(UINT message, WPARAM wParam, LPARAM lParam, bool* pDefault, bool* pStopped) {
    const HWND self = m_hWnd;
    *pDefault = false;
    *pStopped = false;
    MSG msg;
    msg.hwnd = self;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = static_cast<DWORD>(QDateTime::currentMSecsSinceEpoch());
    const QPoint pos = QCursor::pos();
    msg.pt = POINT{pos.x(), pos.y()};
    // The target window first, then its parents up to the top-level window.
    for (CWnd* wnd = this; wnd;) {
        const HWND parent = wnd->m_hWndParent;
        const BOOL stop = wnd->PreTranslateMessage(&msg);
        if (!::IsWindow(self)) return false;
        if (stop) {
            *pStopped = true;
            return true;
        }
        wnd = FromHandle(parent);
    }
    CurrentMessage current{this, message, wParam, lParam, false, t_current};
    {
        CurrentMessageScope scope(current);
        CallHooks(0, message, wParam, lParam);
    }
    if (!::IsWindow(self)) return false;
    *pDefault = current.reachedDefault;
    return true;
}

// --- Qt events --------------------------------------------------------------------------------------

bool CWnd::FilterEvent(QObject* watched, QEvent* event) {
    bool consumed = false;
    TranslateEvent(watched, event, consumed);
    return consumed;
}

void CWnd::TrackNormalRect() {
    if (!m_pWidget) return;
    if (m_pWidget->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) return;
    const QRect r = m_pWidget->geometry();
    m_rcNormal = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void CWnd::ApplyCursor(UINT message) {
    QWidget* input = GetInputWidget();
    if (!input) return;
    g_cursorWidget = input;
    g_cursorSetByHandler = false;
    const HWND self = m_hWnd;
    const LRESULT kept =
        SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(self), MAKELPARAM(HTCLIENT, message));
    // A window that set no cursor this time shows the arrow again.
    if (::IsWindow(self) && !kept && !g_cursorSetByHandler && input->property("strakonCursorSet").toBool()) {
        input->unsetCursor();
        input->setProperty("strakonCursorSet", false);
    }
}

LRESULT CWnd::TranslateEvent(QObject* watched, QEvent* event, bool& consumed) {
    QWidget* input = GetInputWidget();
    const bool own = m_bOwnPaintAndInput && watched == input;
    // Input of a window over a control arrives at the control, its own widget.
    const bool inputTarget =
        m_bOwnPaintAndInput ? watched == input : watched == m_pWidget || watched == input;
    const HWND self = m_hWnd;
    bool reachedDefault = false;
    bool stopped = false;
    switch (event->type()) {
    case QEvent::Close:
        if (watched == m_pWidget) {
            event->ignore();
            consumed = true;
            return SendMessage(WM_CLOSE);
        }
        break;
    case QEvent::Move:
        if (watched == m_pWidget) TrackNormalRect();
        break;
    case QEvent::ParentChange:
        // A widget moved under another window's widget changes its family too.
        if (watched == m_pWidget && !m_bDestroying) {
            CWnd* parent = FromWidget(m_pWidget->parentWidget());
            if (parent != FromHandle(m_hWndParent)) {
                LeaveParent();
                JoinParent(parent);
            }
        }
        break;
    case QEvent::Resize:
        if (watched == m_pWidget) TrackNormalRect();
        if (watched == input) {
            UINT kind = SIZE_RESTORED;
            if (m_pWidget && m_pWidget->isMaximized()) kind = SIZE_MAXIMIZED;
            if (m_pWidget && m_pWidget->isMinimized()) kind = SIZE_MINIMIZED;
            SendMessage(WM_SIZE, kind, MAKELPARAM(input->width(), input->height()));
        }
        break;
    case QEvent::Paint:
        if (own) {
            consumed = true;
            m_pPaintDevice = input;
            SendMessage(WM_PAINT);
            if (::IsWindow(self)) m_pPaintDevice = nullptr;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        if (!inputTarget) break;
        auto* mouse = static_cast<QMouseEvent*>(event);
        const LPARAM where = pointParam(mouse->position().toPoint());
        UINT message = WM_MOUSEMOVE;
        const bool press = event->type() == QEvent::MouseButtonPress;
        const bool dbl = event->type() == QEvent::MouseButtonDblClick;
        if (event->type() != QEvent::MouseMove) {
            switch (mouse->button()) {
            case Qt::LeftButton:
                message = dbl ? WM_LBUTTONDBLCLK : press ? WM_LBUTTONDOWN : WM_LBUTTONUP;
                break;
            case Qt::RightButton:
                message = dbl ? WM_RBUTTONDBLCLK : press ? WM_RBUTTONDOWN : WM_RBUTTONUP;
                break;
            case Qt::MiddleButton:
                message = dbl ? WM_MBUTTONDBLCLK : press ? WM_MBUTTONDOWN : WM_MBUTTONUP;
                break;
            default:
                consumed = own;
                return 0;
            }
        }
        if (message == WM_MOUSEMOVE || press || dbl) {
            ApplyCursor(message);
            if (!::IsWindow(self)) {
                consumed = true;
                return 0;
            }
        }
        if (!SendInput(message, mouseFlags(mouse->buttons(), mouse->modifiers()), where, &reachedDefault,
                       &stopped)) {
            consumed = true;
            return 0;
        }
        consumed = own || stopped || !reachedDefault;
        return 0;
    }
    case QEvent::Wheel: {
        if (!inputTarget) break;
        auto* wheel = static_cast<QWheelEvent*>(event);
        // Fine wheels and touch pads move in parts of a notch; the window hears of whole notches.
        m_nWheelRest += wheel->angleDelta().y();
        const int notches = m_nWheelRest / WHEEL_DELTA * WHEEL_DELTA;
        if (notches == 0) {
            consumed = own;
            return 0;
        }
        m_nWheelRest -= notches;
        const UINT flags = mouseFlags(wheel->buttons(), wheel->modifiers());
        if (!SendInput(WM_MOUSEWHEEL, MAKEWPARAM(static_cast<int>(flags), notches),
                       pointParam(wheel->globalPosition().toPoint()), &reachedDefault, &stopped)) {
            consumed = true;
            return 0;
        }
        consumed = own || stopped || !reachedDefault;
        return 0;
    }
    case QEvent::ContextMenu: {
        if (!inputTarget) break;
        const QPoint pos = static_cast<QContextMenuEvent*>(event)->globalPos();
        if (!SendInput(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(self), pointParam(pos), &reachedDefault,
                       &stopped)) {
            consumed = true;
            return 0;
        }
        consumed = own || stopped || !reachedDefault;
        return 0;
    }
    case QEvent::Leave:
        if (own) SendMessage(WM_MOUSELEAVE);
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (watched != input && watched != m_pWidget) break;
        auto* key = static_cast<QKeyEvent*>(event);
        const UINT vk = AfxQtKeyToVirtualKey(key->key());
        const LPARAM info = MAKELPARAM(1, key->isAutoRepeat() ? 0x4000 : 0);
        const bool alt = key->modifiers() & Qt::AltModifier;
        bool wantsKey = false;
        if (vk == VK_TAB) {
            // Tab moves the focus in a dialog unless the window asks for it.
            const UINT code = static_cast<UINT>(SendMessage(WM_GETDLGCODE, vk, 0));
            if (!::IsWindow(self)) {
                consumed = true;
                return 0;
            }
            wantsKey = (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) != 0;
            if (!wantsKey && m_pWidget && m_pWidget->window()->inherits("QDialog")) break;
        }
        bool allDefault = true;
        auto send = [&](UINT message, WPARAM wParam) {
            if (!SendInput(message, wParam, info, &reachedDefault, &stopped)) return false;
            allDefault = allDefault && reachedDefault && !stopped;
            return !stopped;
        };
        if (event->type() == QEvent::KeyPress) {
            if (vk && !send(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk)) {
                consumed = true;
                return 0;
            }
            const QString text = key->text();
            for (QChar c : text) {
                if (!(c.isPrint() || c == '\r' || c == '\b' || c == '\t' || c == QChar(0x1B))) continue;
                if (!send(alt ? WM_SYSCHAR : WM_CHAR, c.unicode())) {
                    consumed = true;
                    return 0;
                }
            }
        } else if (vk && !send(alt ? WM_SYSKEYUP : WM_KEYUP, vk)) {
            consumed = true;
            return 0;
        }
        consumed = own || wantsKey || !allDefault;
        return 0;
    }
    case QEvent::FocusIn:
        if (watched == input || watched == m_pWidget) SendMessage(WM_SETFOCUS);
        break;
    case QEvent::FocusOut:
        if (watched == input || watched == m_pWidget) {
            CWnd* next = FromWidget(QApplication::focusWidget());
            SendMessage(WM_KILLFOCUS,
                        reinterpret_cast<WPARAM>(next && next != this ? next->m_hWnd : nullptr));
        }
        break;
    default:
        break;
    }
    return 0;
}

// --- capture and cursor -----------------------------------------------------------------------------

CWnd* CWnd::SetCapture() {
    ASSERT_UI_THREAD();
    CWnd* previous = GetCapture();
    QWidget* w = GetInputWidget();
    if (!w) return previous;
    if (g_captureWidget && g_captureWidget != w) g_captureWidget->releaseMouse();
    g_hCapture = m_hWnd;
    g_captureWidget = w;
    w->grabMouse();
    if (previous && previous != this)
        previous->SendMessage(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(m_hWnd));
    return previous;
}

CWnd* CWnd::GetCapture() {
    return FromHandle(g_hCapture);
}

BOOL CWnd::ReleaseCapture() {
    if (!g_hCapture) return FALSE;
    const HWND h = g_hCapture;
    QPointer<QWidget> w = g_captureWidget;
    g_hCapture = nullptr;
    g_captureWidget = nullptr;
    if (w) w->releaseMouse();
    if (CWnd* wnd = FromHandle(h)) wnd->SendMessage(WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

void AfxForgetCapture(HWND hWnd, bool releaseGrab) {
    if (!hWnd || g_hCapture != hWnd) return;
    QPointer<QWidget> w = g_captureWidget;
    g_hCapture = nullptr;
    g_captureWidget = nullptr;
    if (releaseGrab && w) w->releaseMouse();
}

HCURSOR AfxLoadStandardCursor(UINT nIDCursor) {
    Qt::CursorShape shape = Qt::ArrowCursor;
    switch (nIDCursor) {
    case IDC_IBEAM:
        shape = Qt::IBeamCursor;
        break;
    case IDC_WAIT:
        shape = Qt::WaitCursor;
        break;
    case IDC_CROSS:
        shape = Qt::CrossCursor;
        break;
    case IDC_UPARROW:
        shape = Qt::UpArrowCursor;
        break;
    case IDC_SIZENWSE:
        shape = Qt::SizeFDiagCursor;
        break;
    case IDC_SIZENESW:
        shape = Qt::SizeBDiagCursor;
        break;
    case IDC_SIZEWE:
        shape = Qt::SizeHorCursor;
        break;
    case IDC_SIZENS:
        shape = Qt::SizeVerCursor;
        break;
    case IDC_SIZEALL:
        shape = Qt::SizeAllCursor;
        break;
    case IDC_NO:
        shape = Qt::ForbiddenCursor;
        break;
    case IDC_HAND:
        shape = Qt::PointingHandCursor;
        break;
    default:
        break;
    }
    return reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(shape) + 1);
}

HCURSOR SetCursor(HCURSOR hCursor) {
    QWidget* target = g_captureWidget ? g_captureWidget.data() : g_cursorWidget.data();
    if (!target) return nullptr;
    const HCURSOR previous =
        reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(target->cursor().shape()) + 1);
    if (hCursor) {
        target->setCursor(static_cast<Qt::CursorShape>(reinterpret_cast<std::uintptr_t>(hCursor) - 1));
        target->setProperty("strakonCursorSet", true);
        g_cursorSetByHandler = true;
    }
    return previous;
}
