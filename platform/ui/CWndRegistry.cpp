// The handle registry of the windows and their families: handles, the windows
// of widgets, parents and children by id, attaching to existing widgets, and the
// platform's calls on handles.
#include "platform/ui/CWnd.h"

#include "platform/ui/CWndBridge.h"

#include <QCoreApplication>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <mutex>

namespace {

// Every living window by handle. Worker threads post through it, so it is
// guarded; a window leaves it before its bridge goes.
std::mutex g_registryMutex;
std::unordered_map<HWND, CWnd*> g_registry;
std::uintptr_t g_nextHandle = 0x10000;

} // namespace

const char* const kAfxHandleProperty = "strakonHwnd";

HWND AfxHandleOfWidget(const QObject* widget) {
    const QVariant handle = widget ? widget->property(kAfxHandleProperty) : QVariant();
    return handle.isValid() ? reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle.value<quintptr>()))
                            : nullptr;
}

bool AfxIsUserInterfaceThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    std::lock_guard<std::mutex> lock(g_registryMutex);
    auto it = g_registry.find(hWnd);
    return it == g_registry.end() ? nullptr : it->second;
}

CWnd* CWnd::FromWidget(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (HWND h = AfxHandleOfWidget(widget)) return FromHandle(h);
    return nullptr;
}

void CWnd::Register() {
    std::lock_guard<std::mutex> lock(g_registryMutex);
    g_nextHandle += 4;
    m_hWnd = reinterpret_cast<HWND>(g_nextHandle);
    g_registry[m_hWnd] = this;
}

void CWnd::Unregister() {
    std::lock_guard<std::mutex> lock(g_registryMutex);
    if (m_hWnd) g_registry.erase(m_hWnd);
    m_hWnd = nullptr;
}

bool CWnd::AttachWidget(QWidget* widget) {
    if (!widget) return false;
    m_pWidget = widget;
    m_bDestroying = false;
    m_pBridge = std::make_unique<CWndBridge>(this);
    Register();
    widget->setProperty(kAfxHandleProperty,
                        QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(m_hWnd)));
    widget->installEventFilter(m_pBridge.get());
    // Markers in the widget and in the client widget where the child windows sit,
    // so that Qt's deletion of either starts the teardown before the children go.
    m_pBridge->m_sentinels.emplace_back(new CWndSentinel(widget, m_hWnd));
    if (QWidget* client = GetClientWidget(); client && client != widget)
        m_pBridge->m_sentinels.emplace_back(new CWndSentinel(client, m_hWnd));
    // The viewport of a window with scroll bars takes its input.
    if (QWidget* input = GetInputWidget(); input && input != widget && input->parentWidget() == widget)
        WatchWidget(input);
    m_rcNormal =
        RECT{widget->x(), widget->y(), widget->x() + widget->width(), widget->y() + widget->height()};
    JoinParent(FromWidget(widget->parentWidget()));
    return true;
}

void CWnd::WatchWidget(QWidget* widget) {
    if (!widget || !m_pBridge) return;
    widget->setProperty(kAfxHandleProperty,
                        QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(m_hWnd)));
    widget->installEventFilter(m_pBridge.get());
}

// --- family -----------------------------------------------------------------------------------------

void CWnd::JoinParent(CWnd* parent) {
    if (!parent || parent == this) return;
    m_hWndParent = parent->m_hWnd;
    parent->m_children.push_back(m_hWnd);
    parent->m_childrenById[static_cast<int>(m_nID)].push_back(m_hWnd);
}

void CWnd::LeaveParent() {
    CWnd* parent = FromHandle(m_hWndParent);
    m_hWndParent = nullptr;
    if (!parent || !m_hWnd) return;
    auto& children = parent->m_children;
    children.erase(std::remove(children.begin(), children.end(), m_hWnd), children.end());
    auto it = parent->m_childrenById.find(static_cast<int>(m_nID));
    if (it != parent->m_childrenById.end()) {
        auto& same = it->second;
        same.erase(std::remove(same.begin(), same.end(), m_hWnd), same.end());
        if (same.empty()) parent->m_childrenById.erase(it);
    }
}

void CWnd::OnChildIdChanged(CWnd* child, int oldId) {
    auto it = m_childrenById.find(oldId);
    if (it != m_childrenById.end()) {
        auto& same = it->second;
        same.erase(std::remove(same.begin(), same.end(), child->m_hWnd), same.end());
        if (same.empty()) m_childrenById.erase(it);
    }
    // The children with one id stay in the order they came.
    auto& list = m_childrenById[child->GetDlgCtrlID()];
    const auto rank = [this](HWND h) { return std::find(m_children.begin(), m_children.end(), h); };
    list.insert(std::upper_bound(list.begin(), list.end(), child->m_hWnd,
                                 [&](HWND a, HWND b) { return rank(a) < rank(b); }),
                child->m_hWnd);
}

int CWnd::SetDlgCtrlID(int nID) {
    const int previous = static_cast<int>(m_nID);
    m_nID = static_cast<UINT>(nID);
    if (previous != nID)
        if (CWnd* parent = FromHandle(m_hWndParent)) parent->OnChildIdChanged(this, previous);
    return previous;
}

std::vector<CWnd*> CWnd::GetChildWindows() const {
    std::vector<CWnd*> children;
    children.reserve(m_children.size());
    for (HWND h : m_children)
        if (CWnd* child = FromHandle(h)) children.push_back(child);
    return children;
}

CWnd* CWnd::GetDlgItem(int nID) const {
    auto it = m_childrenById.find(nID);
    if (it == m_childrenById.end()) return nullptr;
    for (HWND h : it->second)
        if (CWnd* child = FromHandle(h)) return child;
    return nullptr;
}

CWnd* CWnd::GetParent() const {
    return FromHandle(m_hWndParent);
}

// --- attaching to existing widgets ------------------------------------------------------------------

BOOL CWnd::Attach(QWidget* widget) {
    if (!widget || m_pWidget || m_hWnd) return FALSE;
    if (CWnd* owner = FromHandle(AfxHandleOfWidget(widget)); owner && owner->m_pWidget == widget)
        return FALSE;
    if (!AttachWidget(widget)) return FALSE;
    m_bAttached = true;
    OnWidgetAttached();
    return TRUE;
}

QWidget* CWnd::Detach() {
    QWidget* widget = m_pWidget;
    if (!widget) return nullptr;
    LeaveParent();
    widget->removeEventFilter(m_pBridge.get());
    if (AfxHandleOfWidget(widget) == m_hWnd) widget->setProperty(kAfxHandleProperty, QVariant());
    const std::vector<QPointer<QObject>> sentinels = std::move(m_pBridge->m_sentinels);
    DetachBridge();
    m_pWidget = nullptr;
    m_bAttached = false;
    // The handle is gone, so the markers leave without a word.
    for (const QPointer<QObject>& sentinel : sentinels)
        delete sentinel.data();
    return widget;
}

BOOL CWnd::SubclassWindow(QWidget* widget) {
    return Attach(widget);
}

QWidget* CWnd::UnsubclassWindow() {
    return Detach();
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    CWnd* item = pParent ? pParent->GetDlgItem(static_cast<int>(nID)) : nullptr;
    if (!item || item == this || !item->m_pWidget || m_pWidget) return FALSE;
    // The control's placeholder window gives the widget up and is done; this window
    // takes its place among the parent's children.
    const auto place = std::find(pParent->m_children.begin(), pParent->m_children.end(), item->m_hWnd) -
                       pParent->m_children.begin();
    const DWORD style = item->m_dwStyle;
    QWidget* widget = item->Detach();
    item->PostNcDestroy();
    m_nID = nID;
    m_dwStyle = style;
    if (!Attach(widget)) return FALSE;
    auto& children = pParent->m_children;
    if (FromHandle(m_hWndParent) == pParent && place < static_cast<std::ptrdiff_t>(children.size())) {
        children.pop_back();
        children.insert(children.begin() + place, m_hWnd);
    }
    return TRUE;
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
