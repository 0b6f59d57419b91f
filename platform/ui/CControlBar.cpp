#include "platform/ui/CControlBar.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CResources.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QImage>
#include <QMainWindow>
#include <QPixmap>
#include <QToolBar>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)
IMPLEMENT_DYNAMIC(CToolBar, CControlBar)
IMPLEMENT_DYNAMIC(SECControlBar, CControlBar)

namespace {

Qt::ToolBarAreas toolBarAreas(DWORD align) {
    Qt::ToolBarAreas areas;
    if (align & CBRS_ALIGN_TOP) areas |= Qt::TopToolBarArea;
    if (align & CBRS_ALIGN_BOTTOM) areas |= Qt::BottomToolBarArea;
    if (align & CBRS_ALIGN_LEFT) areas |= Qt::LeftToolBarArea;
    if (align & CBRS_ALIGN_RIGHT) areas |= Qt::RightToolBarArea;
    return areas;
}

Qt::DockWidgetAreas dockAreas(DWORD align) {
    Qt::DockWidgetAreas areas;
    if (align & CBRS_ALIGN_TOP) areas |= Qt::TopDockWidgetArea;
    if (align & CBRS_ALIGN_BOTTOM) areas |= Qt::BottomDockWidgetArea;
    if (align & CBRS_ALIGN_LEFT) areas |= Qt::LeftDockWidgetArea;
    if (align & CBRS_ALIGN_RIGHT) areas |= Qt::RightDockWidgetArea;
    return areas;
}

// The update handlers' view of a toolbar button.
class CToolCmdUI : public CCmdUI {
public:
    QAction* m_pAction = nullptr;
    void Enable(BOOL bOn) override {
        m_pAction->setEnabled(bOn != FALSE);
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck) override {
        m_pAction->setCheckable(true);
        m_pAction->setChecked(nCheck != 0);
    }
    void SetRadio(BOOL bOn) override { SetCheck(bOn ? 1 : 0); }
    // Buttons show pictures, not texts.
    void SetText(const char*) override {}
};

} // namespace

std::vector<QImage> AfxLoadToolBarImages(UINT nIDBitmap, int count, int cx, int cy) {
    std::vector<QImage> images;
    if (count <= 0 || cx <= 0 || cy <= 0) return images;
    // Drawn at twice the size, so that the pictures stay sharp on fine screens.
    const QImage strip = CResources::Instance().LoadBitmap(nIDBitmap, QSize(count * cx * 2, cy * 2));
    if (strip.isNull()) return images;
    const int w = strip.width() / count;
    for (int i = 0; i < count; ++i) {
        QImage image = strip.copy(i * w, 0, w, strip.height());
        image.setDevicePixelRatio(static_cast<qreal>(w) / cx);
        images.push_back(image);
    }
    return images;
}

// --- control bar ------------------------------------------------------------------------------------

CControlBar::CControlBar() = default;
CControlBar::~CControlBar() {
    DestroyFromDestructor();
    if (CFrameWnd* frame = GetDockingFrame()) frame->RemoveControlBar(this);
}

CFrameWnd* CControlBar::GetDockingFrame() const {
    return DYNAMIC_DOWNCAST_PTR<CFrameWnd>(FromHandle(m_hDockSite));
}

void CControlBar::SetDockSite(CFrameWnd* pFrame) {
    m_hDockSite = pFrame ? pFrame->GetSafeHwnd() : nullptr;
    if (pFrame) pFrame->AddControlBar(this);
}

BOOL CControlBar::CreateInFrame(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    auto* frame = DYNAMIC_DOWNCAST_PTR<CFrameWnd>(pParentWnd);
    if (!frame) return FALSE;
    if (!CreateEx(0, nullptr, nullptr, dwStyle | WS_CHILD, 0, 0, 0, 0, frame, nID)) return FALSE;
    SetDockSite(frame);
    if (!(dwStyle & WS_VISIBLE)) GetWidget()->hide();
    return TRUE;
}

QMainWindow* CControlBar::GetFrameMainWindow(const CREATESTRUCT& cs) {
    auto* frame = DYNAMIC_DOWNCAST_PTR<CFrameWnd>(cs.hwndParent);
    return frame ? frame->GetMainWindow() : nullptr;
}

void CControlBar::SetBarName(QWidget* widget, UINT nID) {
    widget->setObjectName(QString("Bar-%1").arg(nID));
}

void CControlBar::EnableDocking(DWORD dwDockStyle) {
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
    if (auto* toolbar = qobject_cast<QToolBar*>(GetWidget())) {
        toolbar->setAllowedAreas(toolBarAreas(m_dwDockStyle));
        toolbar->setFloatable(true);
        toolbar->setMovable(m_dwDockStyle != 0);
    } else if (auto* dock = qobject_cast<QDockWidget*>(GetWidget())) {
        dock->setAllowedAreas(dockAreas(m_dwDockStyle));
    }
}

BOOL CControlBar::IsVisible() const {
    const QWidget* w = GetWidget();
    return w && !w->isHidden();
}

BOOL CControlBar::IsFloating() const {
    if (auto* toolbar = qobject_cast<QToolBar*>(GetWidget())) return toolbar->isFloating();
    if (auto* dock = qobject_cast<QDockWidget*>(GetWidget())) return dock->isFloating();
    return FALSE;
}

void CControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    if (!IsVisible()) return 0;
    CFrameWnd* target = GetDockingFrame();
    if (!target) target = GetParentFrame();
    if (target) OnUpdateCmdUI(target, static_cast<BOOL>(wParam));
    return 0;
}

void CControlBar::OnDestroy() {
    if (CFrameWnd* frame = GetDockingFrame()) frame->RemoveControlBar(this);
    m_hDockSite = nullptr;
    CWnd::OnDestroy();
}

// --- toolbar ----------------------------------------------------------------------------------------

CToolBar::CToolBar() = default;
CToolBar::~CToolBar() = default;

QToolBar* CToolBar::GetToolBarWidget() const {
    return qobject_cast<QToolBar*>(GetWidget());
}

QWidget* CToolBar::CreateWidget(const CREATESTRUCT& cs, QWidget*) {
    QMainWindow* window = GetFrameMainWindow(cs);
    if (!window) return nullptr;
    auto* toolbar = new QToolBar(window);
    SetBarName(toolbar, cs.id);
    toolbar->setIconSize(QSize(16, 15));
    Qt::ToolBarArea area = Qt::TopToolBarArea;
    if (cs.style & CBRS_ALIGN_BOTTOM) area = Qt::BottomToolBarArea;
    if (cs.style & CBRS_ALIGN_LEFT) area = Qt::LeftToolBarArea;
    if (cs.style & CBRS_ALIGN_RIGHT) area = Qt::RightToolBarArea;
    window->addToolBar(area, toolbar);
    return toolbar;
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    if (!CreateInFrame(pParentWnd, dwStyle, nID)) return FALSE;
    EnableDocking(0);
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource) {
    const CToolBarResource* resource = CResources::Instance().FindToolBar(nIDResource);
    if (!resource) return FALSE;
    return SetButtons(resource->buttons.data(), static_cast<int>(resource->buttons.size()), nIDResource,
                      resource->width, resource->height);
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount, UINT nIDBitmap, int cxImage, int cyImage) {
    QToolBar* toolbar = GetToolBarWidget();
    if (!toolbar) return FALSE;
    toolbar->clear();
    m_buttons.clear();
    int images = 0;
    for (int i = 0; i < nIDCount; ++i)
        if (lpIDArray[i]) ++images;
    const std::vector<QImage> pictures =
        nIDBitmap ? AfxLoadToolBarImages(nIDBitmap, images, cxImage, cyImage) : std::vector<QImage>{};
    toolbar->setIconSize(QSize(cxImage, cyImage));
    const HWND self = m_hWnd;
    int image = 0;
    for (int i = 0; i < nIDCount; ++i) {
        const UINT id = lpIDArray[i];
        if (!id) {
            m_buttons.push_back(toolbar->addSeparator());
            continue;
        }
        CString full, prompt, tip;
        AfxLoadString(id, full);
        AfxExtractSubString(prompt, full.c_str(), 0, '\n');
        AfxExtractSubString(tip, full.c_str(), 1, '\n');
        auto* action = new QAction(toolbar);
        action->setData(id);
        action->setText(QString::fromUtf8(tip.empty() ? prompt.c_str() : tip.c_str()));
        action->setToolTip(QString::fromUtf8(tip.c_str()));
        action->setStatusTip(QString::fromUtf8(prompt.c_str()));
        if (image < static_cast<int>(pictures.size()))
            action->setIcon(QIcon(QPixmap::fromImage(pictures[image])));
        ++image;
        QObject::connect(action, &QAction::triggered, action, [self, id]() {
            auto* bar = static_cast<CToolBar*>(FromHandle(self));
            if (!bar) return;
            CFrameWnd* frame = bar->GetDockingFrame();
            if (frame) frame->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(id), 0), 0);
        });
        toolbar->addAction(action);
        m_buttons.push_back(action);
    }
    return TRUE;
}

UINT CToolBar::GetItemID(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCount()) return 0;
    QAction* a = m_buttons[static_cast<size_t>(nIndex)];
    return a->isSeparator() ? 0 : a->data().toUInt();
}

int CToolBar::CommandToIndex(UINT nIDFind) const {
    for (int i = 0; i < GetCount(); ++i)
        if (nIDFind && GetItemID(i) == nIDFind) return i;
    return -1;
}

QAction* CToolBar::GetButtonAction(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[static_cast<size_t>(nIndex)] : nullptr;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        QAction* action = m_buttons[static_cast<size_t>(i)];
        if (action->isSeparator()) continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = action->data().toUInt();
        state.m_pAction = action;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

// --- docking window ---------------------------------------------------------------------------------

SECControlBar::SECControlBar() = default;
SECControlBar::~SECControlBar() = default;

QDockWidget* SECControlBar::GetDockWidget() const {
    return qobject_cast<QDockWidget*>(GetWidget());
}

QWidget* SECControlBar::GetClientWidget() const {
    return m_pInside ? m_pInside : GetWidget();
}

QWidget* SECControlBar::CreateWidget(const CREATESTRUCT& cs, QWidget*) {
    QMainWindow* window = GetFrameMainWindow(cs);
    if (!window) return nullptr;
    auto* dock = new QDockWidget(window);
    SetBarName(dock, cs.id);
    m_pInside = new QWidget(dock);
    dock->setWidget(m_pInside);
    Qt::DockWidgetArea area = Qt::LeftDockWidgetArea;
    if (cs.style & CBRS_ALIGN_TOP) area = Qt::TopDockWidgetArea;
    if (cs.style & CBRS_ALIGN_BOTTOM) area = Qt::BottomDockWidgetArea;
    if (cs.style & CBRS_ALIGN_RIGHT) area = Qt::RightDockWidgetArea;
    window->addDockWidget(area, dock);
    return dock;
}

BOOL SECControlBar::Create(CWnd* pParentWnd, const char* lpszWindowName, DWORD dwStyle, DWORD dwExStyle,
                           UINT nID) {
    auto* frame = DYNAMIC_DOWNCAST_PTR<CFrameWnd>(pParentWnd);
    if (!frame) return FALSE;
    // The window is created hidden; the style's visible bit shows it once it is docked.
    if (!CreateEx(dwExStyle, nullptr, lpszWindowName, (dwStyle | WS_CHILD) & ~WS_VISIBLE, 0, 0, 0, 0, frame,
                  nID))
        return FALSE;
    SetDockSite(frame);
    GetWidget()->setVisible((dwStyle & WS_VISIBLE) != 0);
    return TRUE;
}

void SECControlBar::OnWidgetAttached() {
    WatchWidget(m_pInside);
}

bool SECControlBar::FilterEvent(QObject* watched, QEvent* event) {
    // The bar's close button hides it; the bar lives on.
    if (event->type() == QEvent::Close && watched == GetWidget()) {
        event->ignore();
        if (CFrameWnd* frame = GetDockingFrame())
            frame->ShowControlBar(this, FALSE, FALSE);
        else
            GetWidget()->hide();
        return true;
    }
    return CControlBar::FilterEvent(watched, event);
}
