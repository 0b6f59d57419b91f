#include "app/views/ADragRect.h"

#include "platform/core/COLORREF.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/ui/CView.h"

#include <algorithm>

const COLORREF ADragRect::kFrameColor = RGB(64, 64, 64);

ADragRect::ADragRect() : CRect(0, 0, 0, 0) {}

ADragRect::~ADragRect() = default;

void ADragRect::Begin(CView* view, int x, int y) {
    SetRect(x, y, x, y);
    m_bDrawn = false;
    if (!view) return;
    view->SetCapture();
    if (m_bAutoWidth) {
        CRect client;
        view->GetClientRect(&client);
        m_nWidth = std::max(client.Width(), client.Height()) / 550 + 1;
    }
    view->Invalidate(FALSE);
}

void ADragRect::Move(CView* view, int x, int y) {
    right = x;
    bottom = y;
    m_bDrawn = true;
    if (view) view->Invalidate(FALSE);
}

void ADragRect::End(CView* view, int, int) {
    const bool wasDrawn = m_bDrawn;
    m_bDrawn = false;
    CWnd::ReleaseCapture();
    if (view && wasDrawn) view->Invalidate(FALSE);
}

void ADragRect::Redraw(CView*, CDC* dc) {
    if (!m_bDrawn || !dc) return;
    CRect frame(*this);
    dc->LPtoDP(&frame);
    frame.NormalizeRect();
    if (frame.IsRectEmpty()) return;
    // The frame's width is in pixels: draw in device units.
    const int saved = dc->SaveDC();
    dc->SetMapMode(MM_TEXT);
    dc->SetWindowOrg(0, 0);
    dc->SetViewportOrg(0, 0);
    const int w = std::max(1, std::min({m_nWidth, frame.Width(), frame.Height()}));
    const CRect strips[] = {
        {frame.left, frame.top, frame.right, frame.top + w},
        {frame.left, frame.bottom - w, frame.right, frame.bottom},
        {frame.left, frame.top + w, frame.left + w, frame.bottom - w},
        {frame.right - w, frame.top + w, frame.right, frame.bottom - w},
    };
    for (const CRect& strip : strips)
        if (!strip.IsRectEmpty()) dc->FillSolidRect(&strip, kFrameColor);
    dc->RestoreDC(saved);
}
