#include "platform/ui/CView.h"

#include "platform/ui/CPrintInfo.h"

#include "platform/gdi/CDC.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CViewCache.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>

#include <climits>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CScrollView, CView)

const SIZE CScrollView::sizeDefault = {0, 0};

namespace {

// The widget of a view: a scroll area whose viewport is the view's client area.
// Painting and input reach the view through its window's event filter.
class CViewArea : public QAbstractScrollArea {
public:
    using QAbstractScrollArea::QAbstractScrollArea;

protected:
    void scrollContentsBy(int, int) override { viewport()->update(); }
};

// a * b / c rounded half away from zero, as the platform's MulDiv.
int mulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const long long p = static_cast<long long>(a) * b;
    long long q = p / c;
    const long long r = p % c;
    if (2 * std::llabs(r) >= std::llabs(static_cast<long long>(c))) q += ((p < 0) != (c < 0)) ? -1 : 1;
    return static_cast<int>(q);
}

// Logical units per inch of the fixed mapping mode (the drawing layer's only
// one, MM_LOMETRIC); 0 for the others, whose units are pixels here.
int unitsPerInch(int mapMode) {
    return mapMode == MM_LOMETRIC ? 254 : 0;
}

// The resolution that fixed logical units map to on the view.
QPoint logicalDpi(const QWidget* w) {
    return w ? QPoint(w->logicalDpiX(), w->logicalDpiY()) : QPoint(96, 96);
}

} // namespace

// --- view -------------------------------------------------------------------------------------------

CView::CView() = default;

CView::~CView() {
    // Deleted while its window exists: the window dies first, which takes the view
    // out of its frame.
    DestroyFromDestructor();
    if (m_pDocument) m_pDocument->RemoveView(this);
}

QAbstractScrollArea* CView::GetScrollArea() const {
    return qobject_cast<QAbstractScrollArea*>(GetWidget());
}

QWidget* CView::GetInputWidget() const {
    QAbstractScrollArea* area = GetScrollArea();
    return area ? area->viewport() : GetWidget();
}

QWidget* CView::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    SetOwnPaintAndInput(true);
    auto* area = new CViewArea(parentWidget);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setFocusPolicy(Qt::StrongFocus);
    // Mouse moves arrive without a button pressed, as the views expect.
    area->viewport()->setMouseTracking(true);
    if (!(cs.style & WS_BORDER)) area->setFrameShape(QFrame::NoFrame);
    return area;
}

void CView::OnWidgetAttached() {
    if (QAbstractScrollArea* area = GetScrollArea()) WatchWidget(area->viewport());
}

bool CView::FilterEvent(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched == GetInputWidget()) {
        // A click activates the view's window and makes the view its active view.
        // Each step may end the view (its handlers run); the event then goes no further.
        const HWND self = GetSafeHwnd();
        if (CFrameWnd* frame = GetParentFrame()) {
            CFrameWnd* top = frame->GetTopLevelFrame();
            if (top && top != frame && top->GetActiveFrame() != frame) frame->ActivateFrame();
            if (!::IsWindow(self)) return true;
            if (frame->GetActiveView() != this) frame->SetActiveView(this);
            if (!::IsWindow(self)) return true;
        }
        if (GetWidget()) GetWidget()->setFocus(Qt::MouseFocusReason);
        if (!::IsWindow(self)) return true;
    }
    return CWnd::FilterEvent(watched, event);
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    auto* context = lpCreateStruct ? static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams) : nullptr;
    if (context && context->m_pCurrentDoc) context->m_pCurrentDoc->AddView(this);
    return CWnd::OnCreate(lpCreateStruct);
}

void CView::OnDestroy() {
    if (CFrameWnd* frame = GetParentFrame(); frame && frame->GetActiveView() == this)
        frame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy() {
    delete this;
}

LRESULT CView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITIALUPDATE) {
        OnInitialUpdate();
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CView::OnInitialUpdate() {
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*) {
    Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*) {
    // The active view of the active window takes the keyboard.
    if (bActivate && pActivateView == this && GetWidget() && GetWidget()->window()->isActiveWindow())
        SetFocus();
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo) {
    if (pInfo) pInfo->m_bContinuePrinting = pInfo->GetMaxPage() != 0xFFFF || pInfo->m_nCurPage == 1;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    if (OnPrintCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// --- scroll view ------------------------------------------------------------------------------------

CScrollView::CScrollView() = default;
CScrollView::~CScrollView() = default;

CSize CScrollView::LogicalToDevice(CSize size) const {
    const int perInch = unitsPerInch(m_nMapMode);
    if (!perInch) return CSize(std::abs(size.cx), std::abs(size.cy));
    const QPoint dpi = logicalDpi(GetInputWidget());
    return CSize(std::abs(mulDiv(size.cx, dpi.x(), perInch)), std::abs(mulDiv(size.cy, dpi.y(), perInch)));
}

CPoint CScrollView::LogicalToDevice(CPoint point) const {
    const int perInch = unitsPerInch(m_nMapMode);
    if (!perInch) return point;
    const QPoint dpi = logicalDpi(GetInputWidget());
    // The fixed modes count y upwards.
    return CPoint(mulDiv(point.x, dpi.x(), perInch), -mulDiv(point.y, dpi.y(), perInch));
}

CPoint CScrollView::DeviceToLogical(CPoint point) const {
    const int perInch = unitsPerInch(m_nMapMode);
    if (!perInch) return point;
    const QPoint dpi = logicalDpi(GetInputWidget());
    return CPoint(mulDiv(point.x, perInch, dpi.x()), -mulDiv(point.y, perInch, dpi.y()));
}

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine) {
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_pageLog = sizePage;
    m_lineLog = sizeLine;
    m_totalDev = LogicalToDevice(CSize(sizeTotal));
    m_pageDev = LogicalToDevice(CSize(sizePage));
    m_lineDev = LogicalToDevice(CSize(sizeLine));
    if (m_pageDev.cx == 0) m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0) m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0) m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0) m_lineDev.cy = m_pageDev.cy / 10;
    UpdateBars();
    Invalidate(TRUE);
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const {
    nMapMode = m_nMapMode;
    sizeTotal = m_totalDev;
    sizePage = m_pageDev;
    sizeLine = m_lineDev;
}

void CScrollView::UpdateBars() {
    QAbstractScrollArea* area = GetScrollArea();
    if (!area) return;
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const QSize client = area->maximumViewportSize();
    QScrollBar* h = area->horizontalScrollBar();
    QScrollBar* v = area->verticalScrollBar();
    // Room that a bar takes from the other direction once it shows.
    const bool needH = m_totalDev.cx > client.width();
    const bool needV = m_totalDev.cy > client.height();
    const int width = client.width() - (needV ? v->sizeHint().width() : 0);
    const int height = client.height() - (needH ? h->sizeHint().height() : 0);
    h->setRange(0, std::max(0, m_totalDev.cx - width));
    h->setPageStep(std::max(1, m_pageDev.cx));
    h->setSingleStep(std::max(1, m_lineDev.cx));
    v->setRange(0, std::max(0, m_totalDev.cy - height));
    v->setPageStep(std::max(1, m_pageDev.cy));
    v->setSingleStep(std::max(1, m_lineDev.cy));
}

CPoint CScrollView::GetDeviceScrollPosition() const {
    QAbstractScrollArea* area = GetScrollArea();
    if (!area) return {};
    return CPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value());
}

CPoint CScrollView::GetScrollPosition() const {
    return DeviceToLogical(GetDeviceScrollPosition());
}

void CScrollView::ScrollToPosition(POINT pt) {
    QAbstractScrollArea* area = GetScrollArea();
    if (!area) return;
    const CPoint device = LogicalToDevice(CPoint(pt));
    area->horizontalScrollBar()->setValue(device.x);
    area->verticalScrollBar()->setValue(device.y);
}

BOOL CScrollView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll) {
    QAbstractScrollArea* area = GetScrollArea();
    if (!area) return FALSE;
    auto step = [&](UINT code, int current, int page, int line, int max) {
        switch (code) {
        case SB_TOP:
            return 0;
        case SB_BOTTOM:
            return max;
        case SB_LINEUP:
            return current - line;
        case SB_LINEDOWN:
            return current + line;
        case SB_PAGEUP:
            return current - page;
        case SB_PAGEDOWN:
            return current + page;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            return static_cast<int>(nPos);
        default:
            return current;
        }
    };
    QScrollBar* h = area->horizontalScrollBar();
    QScrollBar* v = area->verticalScrollBar();
    const int x = step(nScrollCode & 0xFF, h->value(), m_pageDev.cx, m_lineDev.cx, h->maximum());
    const int y = step((nScrollCode >> 8) & 0xFF, v->value(), m_pageDev.cy, m_lineDev.cy, v->maximum());
    return OnScrollBy(CSize(x - h->value(), y - v->value()), bDoScroll);
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll) {
    QAbstractScrollArea* area = GetScrollArea();
    if (!area) return FALSE;
    QScrollBar* h = area->horizontalScrollBar();
    QScrollBar* v = area->verticalScrollBar();
    const int x = std::clamp(h->value() + sizeScroll.cx, h->minimum(), h->maximum());
    const int y = std::clamp(v->value() + sizeScroll.cy, v->minimum(), v->maximum());
    if (x == h->value() && y == v->value()) return FALSE;
    if (bDoScroll) {
        // The scroll area moves the view's picture and repaints.
        h->setValue(x);
        v->setValue(y);
    }
    return TRUE;
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*) {
    OnScroll(nSBCode | 0xFF00, nPos);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*) {
    OnScroll(0xFF | (nSBCode << 8), nPos);
}

BOOL CScrollView::OnMouseWheel(UINT nFlags, short zDelta, CPoint) {
    // Three lines a notch, as the system's default; with Shift the wheel scrolls across.
    if (nFlags & MK_SHIFT) return OnScrollBy(CSize(mulDiv(-zDelta, m_lineDev.cx * 3, 120), 0));
    return OnScrollBy(CSize(0, mulDiv(-zDelta, m_lineDev.cy * 3, 120)));
}

void CScrollView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    if (pDC && m_nMapMode) {
        pDC->SetMapMode(m_nMapMode);
        const CPoint origin = pDC->IsPrinting() ? CPoint() : -GetDeviceScrollPosition();
        pDC->SetViewportOrg(origin.x, origin.y);
    }
    CView::OnPrepareDC(pDC, pInfo);
}
