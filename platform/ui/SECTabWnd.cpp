#include "platform/ui/SECTabWnd.h"

#include "platform/ui/CResources.h"

#include <QIcon>
#include <QPixmap>
#include <QTabWidget>

IMPLEMENT_DYNAMIC(SECTabWnd, CWnd)

SECTabWnd::SECTabWnd() = default;

SECTabWnd::~SECTabWnd() = default;

BOOL SECTabWnd::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CWnd::Create(nullptr, nullptr, dwStyle | WS_CHILD, CRect(0, 0, 0, 0), pParentWnd, nID);
}

QWidget* SECTabWnd::CreateWidget(const CREATESTRUCT&, QWidget* parentWidget) {
    auto* tabs = new QTabWidget(parentWidget);
    tabs->setTabPosition(QTabWidget::South);
    tabs->setDocumentMode(true);
    tabs->setIconSize(QSize(16, 16));
    tabs->setUsesScrollButtons(true);
    return tabs;
}

void SECTabWnd::OnWidgetAttached() {
    QTabWidget* tabs = GetTabWidget();
    const HWND self = m_hWnd;
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [self](int index) {
        // The window may be on its way out while Qt still reports.
        auto* wnd = static_cast<SECTabWnd*>(CWnd::FromHandle(self));
        if (!wnd || index < 0) return;
        if (CWnd* parent = wnd->GetParent()) parent->SendMessage(TCM_TABSEL, static_cast<WPARAM>(index), 0);
    });
}

QTabWidget* SECTabWnd::GetTabWidget() const {
    return qobject_cast<QTabWidget*>(GetWidget());
}

int SECTabWnd::AddTab(CWnd* pWnd, const char* lpszLabel) {
    QTabWidget* tabs = GetTabWidget();
    if (!tabs || !pWnd || !pWnd->GetWidget()) return -1;
    // The first tab becomes the current one at once; the parent hears of it
    // only through ActivateTab or the user's choice.
    const QSignalBlocker quiet(tabs);
    const int index = tabs->addTab(pWnd->GetWidget(), QString::fromStdString(lpszLabel ? lpszLabel : ""));
    return index;
}

void SECTabWnd::SetTabIcon(int nIndex, UINT nIDIcon, int cx, int cy) {
    QTabWidget* tabs = GetTabWidget();
    if (!tabs || nIndex < 0 || nIndex >= tabs->count()) return;
    const QImage image = CResources::Instance().LoadBitmap(nIDIcon, QSize(cx, cy));
    if (image.isNull()) return;
    tabs->setTabIcon(nIndex, QIcon(QPixmap::fromImage(image.scaled(cx, cy))));
}

int SECTabWnd::GetTabCount() const {
    QTabWidget* tabs = GetTabWidget();
    return tabs ? tabs->count() : 0;
}

CWnd* SECTabWnd::GetTabWnd(int nIndex) const {
    QTabWidget* tabs = GetTabWidget();
    if (!tabs || nIndex < 0 || nIndex >= tabs->count()) return nullptr;
    return CWnd::FromWidget(tabs->widget(nIndex));
}

CString SECTabWnd::GetTabLabel(int nIndex) const {
    QTabWidget* tabs = GetTabWidget();
    if (!tabs || nIndex < 0 || nIndex >= tabs->count()) return CString();
    return tabs->tabText(nIndex).toStdString();
}

int SECTabWnd::GetActiveTab() const {
    QTabWidget* tabs = GetTabWidget();
    return tabs ? tabs->currentIndex() : -1;
}

void SECTabWnd::ActivateTab(int nIndex) {
    QTabWidget* tabs = GetTabWidget();
    if (!tabs || nIndex < 0 || nIndex >= tabs->count()) return;
    tabs->setCurrentIndex(nIndex);
}

void SECTabWnd::ScrollToTab(int nIndex) {
    // The tab bar keeps the current tab in view itself.
    ActivateTab(nIndex);
}
