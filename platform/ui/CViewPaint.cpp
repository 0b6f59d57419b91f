// The view's painting on screen: its cached picture and the overlay on top.
#include "platform/gdi/CDC.h"
#include "platform/ui/CView.h"
#include "platform/ui/CViewCache.h"

#include <QPainter>
#include <QWidget>

void CView::OnPaint() {
    QWidget* widget = GetInputWidget();
    QPaintDevice* device = GetPaintDevice();
    if (!device) return;
    QPainter painter(device);
    if (widget && device == widget) {
        if (!m_pCache) m_pCache = std::make_unique<CViewCache>(*this);
        m_pCache->Paint(painter, widget);
    }
    CDC dc(&painter, device);
    OnPrepareDC(&dc);
    if (!widget || device != widget) OnDraw(&dc);
    OnDrawOverlay(&dc);
}

void CView::OnDrawOverlay(CDC*) {}

void CView::Invalidate(BOOL bErase) {
    if (m_pCache) m_pCache->InvalidateAll();
    CWnd::Invalidate(bErase);
}

void CView::InvalidateRect(LPCRECT lpRect, BOOL bErase) {
    if (m_pCache) {
        if (lpRect)
            m_pCache->InvalidateClient(
                QRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top));
        else
            m_pCache->InvalidateAll();
    }
    CWnd::InvalidateRect(lpRect, bErase);
}

void CView::InvalidateOverlay() {
    CWnd::Invalidate(FALSE);
}
