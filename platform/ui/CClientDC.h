#pragma once
// A context of a window outside its paint event: it measures text and reports
// the window's device as the paint event's context would, and it refuses to draw
// (an assertion in debug builds), so that drawing outside the paint event fails
// loudly instead of drawing nothing. Windows draw in OnPaint / OnDraw and ask
// for a new paint with Invalidate.
#include "platform/gdi/CDC.h"

class CWnd;

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

    using CDC::DrawText;
    using CDC::Ellipse;
    using CDC::FillRect;
    using CDC::FillSolidRect;
    using CDC::LineTo;
    using CDC::MoveTo;
    using CDC::Polygon;
    using CDC::Rectangle;
    using CDC::TextOut;

    bool LineTo(int x, int y) override;
    bool Polyline(const POINT* points, int count) override;
    bool Polygon(const POINT* points, int count) override;
    bool Rectangle(int left, int top, int right, int bottom) override;
    bool Ellipse(int left, int top, int right, int bottom) override;
    bool Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
    bool Chord(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
    bool Pie(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
    void FillRect(const RECT* rect, CBrush* brush) override;
    void FillSolidRect(const RECT* rect, COLORREF color) override;
    bool SetPixelV(int x, int y, COLORREF color) override;
    bool DrawEdge(RECT* rect, UINT edge, UINT flags) override;
    void Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight) override;
    bool TextOut(int x, int y, std::string_view text) override;
    // With DT_CALCRECT it measures, as on any context; otherwise it is drawing.
    int DrawText(std::string_view text, RECT* rect, UINT format) override;

    CWnd* m_pWnd;
};
