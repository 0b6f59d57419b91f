#pragma once
// The rubber band of the zoom views: the frame that follows the mouse while the
// user drags a zoom window, a pan or a selection window. The rectangle is kept
// in the logical units of the view's drawing (left and top the anchor, right
// and bottom the free corner). Nothing is drawn by inversion: Begin, Move and
// End keep the rectangle and invalidate the view, and the view's drawing calls
// Redraw, which paints the frame on top while a band is shown.
#include "platform/core/COLORREF.h"
#include "platform/core/CRect.h"

class CDC;
class CView;

class ADragRect : public CRect {
public:
    ADragRect();
    virtual ~ADragRect();

    // Anchors the band at the logical point and captures the mouse; with the
    // automatic width the frame becomes max(client width, height) / 550 + 1 pixels.
    void Begin(CView* view, int x, int y);
    // Moves the free corner; the band is shown from now on.
    void Move(CView* view, int x, int y);
    // Takes the band away and releases the mouse.
    void End(CView* view, int x, int y);
    // Paints the frame into dc (a context of the view's drawing, in its
    // mapping) while the band is shown and not empty on the device.
    void Redraw(CView* view, CDC* dc);

    bool IsDrawn() const { return m_bDrawn; }
    int GetFrameWidth() const { return m_nWidth; }

    bool m_bAutoWidth = true;
    int m_nWidth = 1; // pixels
    // The colour of the frame.
    static const COLORREF kFrameColor;

private:
    bool m_bDrawn = false;
};
