#include "platform/ui/CWnd.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimerEvent>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <unordered_map>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

namespace {

const char* const kHandleProperty = "strakonHwnd";

// Every living window by handle. Worker threads post through it, so it is
// guarded; a window leaves it before its bridge goes.
std::mutex g_registryMutex;
std::unordered_map<HWND, CWnd*> g_registry;
std::uintptr_t g_nextHandle = 0x10000;

QEvent::Type messageEventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

class CMessageEvent : public QEvent {
public:
    CMessageEvent(UINT message, WPARAM wParam, LPARAM lParam)
        : QEvent(messageEventType()), m_message(message), m_wParam(wParam), m_lParam(lParam) {}
    UINT m_message;
    WPARAM m_wParam;
    LPARAM m_lParam;
};

QWidget* g_capture = nullptr;

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

RECT rectOf(const QRect& r) {
    return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

} // namespace

// The Qt side of a window: filters the events of its widgets, receives the
// messages posted to it and runs its timers.
class CWndBridge : public QObject {
public:
    explicit CWndBridge(CWnd* owner) : m_pOwner(owner) {}
    CWnd* m_pOwner;

    bool eventFilter(QObject* watched, QEvent* event) override {
        return m_pOwner && m_pOwner->FilterEvent(watched, event);
    }

    bool event(QEvent* event) override {
        if (event->type() == messageEventType()) {
            auto* message = static_cast<CMessageEvent*>(event);
            if (m_pOwner) m_pOwner->SendMessage(message->m_message, message->m_wParam, message->m_lParam);
            return true;
        }
        return QObject::event(event);
    }

protected:
    void timerEvent(QTimerEvent* event) override {
        if (!m_pOwner) return;
        auto it = m_pOwner->m_timers.find(event->timerId());
        if (it != m_pOwner->m_timers.end()) m_pOwner->SendMessage(WM_TIMER, it->second, 0);
    }
};

// --- message hooks ----------------------------------------------------------------------------------

CWndMessageHook::CWndMessageHook() = default;

CWndMessageHook::~CWndMessageHook() {
    HookWindow(nullptr);
}

BOOL CWndMessageHook::HookWindow(CWnd* pWnd) {
    if (m_pWnd) {
        auto& hooks = m_pWnd->m_hooks;
        hooks.erase(std::remove(hooks.begin(), hooks.end(), this), hooks.end());
        m_pWnd = nullptr;
    }
    if (pWnd) {
        pWnd->m_hooks.insert(pWnd->m_hooks.begin(), this);
        m_pWnd = pWnd;
    }
    return TRUE;
}

LRESULT CWndMessageHook::HookProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Next(message, wParam, lParam);
}

LRESULT CWndMessageHook::Next(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_pWnd) return 0;
    auto& hooks = m_pWnd->m_hooks;
    auto it = std::find(hooks.begin(), hooks.end(), this);
    const size_t next = it == hooks.end() ? hooks.size() : static_cast<size_t>(it - hooks.begin()) + 1;
    return m_pWnd->CallHooks(next, message, wParam, lParam);
}

// --- the window -------------------------------------------------------------------------------------

CWnd::CWnd() = default;

CWnd::~CWnd() {
    for (CWndMessageHook* hook : m_hooks)
        hook->m_pWnd = nullptr;
    m_hooks.clear();
    if (m_pWidget) ReleaseWidget(true);
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    std::lock_guard<std::mutex> lock(g_registryMutex);
    auto it = g_registry.find(hWnd);
    return it == g_registry.end() ? nullptr : it->second;
}

CWnd* CWnd::FromWidget(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const QVariant handle = widget->property(kHandleProperty);
        if (handle.isValid())
            return FromHandle(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle.value<quintptr>())));
    }
    return nullptr;
}

QWidget* CWnd::GetClientWidget() const {
    return m_pWidget;
}
QWidget* CWnd::GetInputWidget() const {
    return GetClientWidget();
}

bool CWnd::AttachWidget(QWidget* widget) {
    if (!widget) return false;
    m_pWidget = widget;
    m_bDestroying = false;
    m_pBridge = std::make_unique<CWndBridge>(this);
    {
        std::lock_guard<std::mutex> lock(g_registryMutex);
        g_nextHandle += 4;
        m_hWnd = reinterpret_cast<HWND>(g_nextHandle);
        g_registry[m_hWnd] = this;
    }
    widget->setProperty(kHandleProperty, QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(m_hWnd)));
    widget->installEventFilter(m_pBridge.get());
    CWndBridge* bridge = m_pBridge.get();
    QObject::connect(widget, &QObject::destroyed, bridge, [bridge]() {
        if (bridge->m_pOwner) bridge->m_pOwner->OnWidgetDestroyedExternally();
    });
    m_rcNormal = rectOf(widget->geometry());
    return true;
}

void CWnd::WatchWidget(QWidget* widget) {
    if (!widget || !m_pBridge) return;
    widget->setProperty(kHandleProperty, QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(m_hWnd)));
    widget->installEventFilter(m_pBridge.get());
}

void CWnd::Unregister() {
    std::lock_guard<std::mutex> lock(g_registryMutex);
    if (m_hWnd) g_registry.erase(m_hWnd);
    m_hWnd = nullptr;
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

void CWnd::ReleaseWidget(bool deleteWidget) {
    QWidget* widget = m_pWidget;
    if (!widget) return;
    if (g_capture == widget || g_capture == GetInputWidget()) ReleaseCapture();
    OnWidgetReleasing(widget);
    DetachBridge();
    m_pWidget = nullptr;
    if (deleteWidget) {
        widget->hide();
        widget->deleteLater();
    }
}

void CWnd::OnWidgetDestroyedExternally() {
    // Qt deleted the widget (its parent went): the window is gone without the
    // usual destroy sequence; only the final step runs.
    m_pWidget = nullptr;
    DetachBridge();
    OnNcDestroy();
}

void CWnd::OnWidgetReleasing(QWidget*) {}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) {
    return TRUE;
}

QWidget* CWnd::CreateWidget(const CREATESTRUCT&, QWidget* parentWidget) {
    SetOwnPaintAndInput(true);
    return new QWidget(parentWidget);
}

BOOL CWnd::Create(const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
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

BOOL CWnd::DestroyWindow() {
    if (!m_pWidget || m_bDestroying) return FALSE;
    m_bDestroying = true;
    SendMessage(WM_DESTROY);
    // Children go before their parent, so that a child's handlers still find it.
    std::vector<HWND> children;
    for (CWnd* child : GetChildWindows())
        children.push_back(child->m_hWnd);
    for (HWND h : children)
        if (CWnd* child = FromHandle(h)) child->DestroyWindow();
    ReleaseWidget(true);
    SendMessage(WM_NCDESTROY);
    return TRUE;
}

void CWnd::PostNcDestroy() {}

// --- messages ---------------------------------------------------------------------------------------

LRESULT CWnd::CallHooks(size_t index, UINT message, WPARAM wParam, LPARAM lParam) {
    if (index < m_hooks.size()) return m_hooks[index]->HookProc(message, wParam, lParam);
    return WindowProc(message, wParam, lParam);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallHooks(0, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

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

BOOL CWnd::PreTranslateMessage(UINT, WPARAM, LPARAM) {
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT, WPARAM, LPARAM) {
    return 0;
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
    case WM_SETFOCUS:
        OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<CScrollBar*>(lParam));
        return 0;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<CScrollBar*>(lParam));
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
    default:
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
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
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
    m_rcNormal = rectOf(m_pWidget->geometry());
}

LRESULT CWnd::TranslateEvent(QObject* watched, QEvent* event, bool& consumed) {
    QWidget* input = GetInputWidget();
    const bool own = m_bOwnPaintAndInput && watched == input;
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
            m_pPaintDevice = nullptr;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        if (!own) break;
        consumed = true;
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
                return 0;
            }
        }
        return SendMessage(message, mouseFlags(mouse->buttons(), mouse->modifiers()), where);
    }
    case QEvent::Wheel: {
        if (!own) break;
        consumed = true;
        auto* wheel = static_cast<QWheelEvent*>(event);
        const UINT flags = mouseFlags(wheel->buttons(), wheel->modifiers());
        return SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(static_cast<int>(flags), wheel->angleDelta().y()),
                           pointParam(wheel->globalPosition().toPoint()));
    }
    case QEvent::Leave:
        if (own) SendMessage(WM_MOUSELEAVE);
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (!m_bOwnPaintAndInput || (watched != input && watched != m_pWidget)) break;
        auto* key = static_cast<QKeyEvent*>(event);
        const UINT vk = AfxQtKeyToVirtualKey(key->key());
        const LPARAM info = MAKELPARAM(1, key->isAutoRepeat() ? 0x4000 : 0);
        if (event->type() == QEvent::KeyPress) {
            if (vk) SendMessage(WM_KEYDOWN, vk, info);
            const QString text = key->text();
            for (QChar c : text)
                if (c.isPrint() || c == '\r' || c == '\b' || c == '\t' || c == QChar(0x1B))
                    SendMessage(WM_CHAR, c.unicode(), info);
        } else if (vk) {
            SendMessage(WM_KEYUP, vk, info);
        }
        consumed = true;
        return 0;
    }
    case QEvent::FocusIn:
        if (own) SendMessage(WM_SETFOCUS);
        break;
    case QEvent::FocusOut:
        if (own) SendMessage(WM_KILLFOCUS);
        break;
    default:
        break;
    }
    return 0;
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
        QString text = QString::fromUtf8(m_strWindowText.c_str());
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
        return CString(text.toStdString());
    }
    return m_strWindowText;
}

int CWnd::SetDlgCtrlID(int nID) {
    const int previous = static_cast<int>(m_nID);
    m_nID = static_cast<UINT>(nID);
    return previous;
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

CWnd* CWnd::SetCapture() {
    CWnd* previous = GetCapture();
    if (QWidget* w = GetInputWidget()) {
        if (g_capture && g_capture != w) g_capture->releaseMouse();
        w->grabMouse();
        g_capture = w;
    }
    return previous;
}

CWnd* CWnd::GetCapture() {
    return g_capture ? FromWidget(g_capture) : nullptr;
}

BOOL CWnd::ReleaseCapture() {
    if (!g_capture) return FALSE;
    QPointer<QWidget> w = g_capture;
    g_capture = nullptr;
    if (w) w->releaseMouse();
    return TRUE;
}

void CWnd::BringWindowToTop() {
    if (m_pWidget) m_pWidget->raise();
}

// --- family -----------------------------------------------------------------------------------------

CWnd* CWnd::GetParent() const {
    if (!m_pWidget) return nullptr;
    return FromWidget(m_pWidget->parentWidget());
}

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

void CWnd::CollectChildWindows(const QWidget* widget, std::vector<CWnd*>& children) const {
    for (QObject* object : widget->children()) {
        auto* w = qobject_cast<QWidget*>(object);
        if (!w) continue;
        const QVariant handle = w->property(kHandleProperty);
        const auto hWnd = handle.isValid()
                              ? reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle.value<quintptr>()))
                              : nullptr;
        // Untagged widgets and this window's other widgets hold further children.
        if (!hWnd || hWnd == m_hWnd) {
            CollectChildWindows(w, children);
            continue;
        }
        // Another window's own widget is a child; what lies below belongs to it.
        CWnd* wnd = FromHandle(hWnd);
        if (wnd && wnd->m_pWidget == w) children.push_back(wnd);
    }
}

std::vector<CWnd*> CWnd::GetChildWindows() const {
    std::vector<CWnd*> children;
    // The widgets of other windows nearest below this window's widgets, in the
    // order they were created; the walk does not go into them, so a deep walk over
    // the family visits every widget once.
    if (m_pWidget) CollectChildWindows(m_pWidget, children);
    return children;
}

CWnd* CWnd::GetDlgItem(int nID) const {
    for (CWnd* child : GetChildWindows())
        if (child->GetDlgCtrlID() == nID) return child;
    return nullptr;
}

// --- timers -----------------------------------------------------------------------------------------

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void*) {
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
    PostNcDestroy();
}

void CWnd::OnClose() {
    DestroyWindow();
}
void CWnd::OnSize(UINT, int, int) {}
void CWnd::OnTimer(UINT_PTR) {}
void CWnd::OnPaint() {}
void CWnd::OnLButtonDown(UINT, CPoint) {}
void CWnd::OnLButtonUp(UINT, CPoint) {}
void CWnd::OnLButtonDblClk(UINT, CPoint) {}
void CWnd::OnRButtonDown(UINT, CPoint) {}
void CWnd::OnRButtonUp(UINT, CPoint) {}
void CWnd::OnMButtonDown(UINT, CPoint) {}
void CWnd::OnMButtonUp(UINT, CPoint) {}
void CWnd::OnMouseMove(UINT, CPoint) {}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) {
    return FALSE;
}
void CWnd::OnMouseLeave() {}
void CWnd::OnKeyDown(UINT, UINT, UINT) {}
void CWnd::OnKeyUp(UINT, UINT, UINT) {}
void CWnd::OnChar(UINT, UINT, UINT) {}
void CWnd::OnSetFocus(CWnd*) {}
void CWnd::OnKillFocus(CWnd*) {}
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) {}
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) {}
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) {}
void CWnd::OnMenuSelect(UINT, UINT, HMENU) {}
void CWnd::OnExitMenuLoop(BOOL) {}
void CWnd::OnMDIActivate(BOOL, CWnd*, CWnd*) {}
LRESULT CWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
    return 0;
}

// --- calls on handles -------------------------------------------------------------------------------

BOOL IsWindow(HWND hWnd) {
    return CWnd::FromHandle(hWnd) != nullptr;
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!hWnd) return FALSE;
    std::lock_guard<std::mutex> lock(g_registryMutex);
    auto it = g_registry.find(hWnd);
    if (it == g_registry.end() || !it->second->m_pBridge) return FALSE;
    QCoreApplication::postEvent(it->second->m_pBridge.get(), new CMessageEvent(message, wParam, lParam));
    return TRUE;
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandle(hWnd);
    return wnd ? wnd->SendMessage(message, wParam, lParam) : 0;
}
