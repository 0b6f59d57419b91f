#pragma once
// Integer points, sizes and rectangles with the semantics of the original
// platform's graphics: a rectangle includes its left and top edges and excludes
// its right and bottom ones, and it may be inverted (right < left) until it is
// normalised.
#include <algorithm>
#include <cstdint>

struct POINT {
    int x = 0;
    int y = 0;
};

struct SIZE {
    int cx = 0;
    int cy = 0;
};

struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class CSize : public SIZE {
public:
    constexpr CSize() = default;
    constexpr CSize(int x, int y) : SIZE{x, y} {}
    constexpr CSize(const SIZE& s) : SIZE(s) {}

    constexpr bool operator==(const CSize& o) const { return cx == o.cx && cy == o.cy; }
    constexpr CSize operator+(const CSize& o) const { return {cx + o.cx, cy + o.cy}; }
    constexpr CSize operator-(const CSize& o) const { return {cx - o.cx, cy - o.cy}; }
    constexpr CSize operator-() const { return {-cx, -cy}; }
    CSize& operator+=(const CSize& o) {
        cx += o.cx;
        cy += o.cy;
        return *this;
    }
    CSize& operator-=(const CSize& o) {
        cx -= o.cx;
        cy -= o.cy;
        return *this;
    }
};

class CPoint : public POINT {
public:
    constexpr CPoint() = default;
    constexpr CPoint(int x0, int y0) : POINT{x0, y0} {}
    constexpr CPoint(const POINT& p) : POINT(p) {}
    constexpr explicit CPoint(const SIZE& s) : POINT{s.cx, s.cy} {}

    void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }
    void Offset(const CSize& s) { Offset(s.cx, s.cy); }
    void SetPoint(int x0, int y0) {
        x = x0;
        y = y0;
    }

    constexpr bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    constexpr CPoint operator+(const CSize& s) const { return {x + s.cx, y + s.cy}; }
    constexpr CPoint operator-(const CSize& s) const { return {x - s.cx, y - s.cy}; }
    constexpr CSize operator-(const CPoint& o) const { return {x - o.x, y - o.y}; }
    constexpr CPoint operator+(const CPoint& o) const { return {x + o.x, y + o.y}; }
    constexpr CPoint operator-() const { return {-x, -y}; }
    CPoint& operator+=(const CSize& s) {
        Offset(s);
        return *this;
    }
    CPoint& operator-=(const CSize& s) {
        Offset(-s.cx, -s.cy);
        return *this;
    }
    CPoint& operator+=(const CPoint& p) {
        Offset(p.x, p.y);
        return *this;
    }
    CPoint& operator-=(const CPoint& p) {
        Offset(-p.x, -p.y);
        return *this;
    }
};

class CRect : public RECT {
public:
    constexpr CRect() = default;
    constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& r) : RECT(r) {}
    constexpr CRect(const POINT& topLeft, const SIZE& size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    constexpr CRect(const POINT& topLeft, const POINT& bottomRight)
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }

    // Empty: no area (an inverted rectangle is empty too).
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // Right and bottom edges are outside.
    constexpr bool PtInRect(const POINT& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    void SetRect(int l, int t, int r, int b) {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(const RECT& r) { *static_cast<RECT*>(this) = r; }
    bool EqualRect(const RECT& r) const {
        return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
    }

    void NormalizeRect() {
        if (left > right) std::swap(left, right);
        if (top > bottom) std::swap(top, bottom);
    }

    void InflateRect(int dx, int dy) {
        left -= dx;
        top -= dy;
        right += dx;
        bottom += dy;
    }
    void InflateRect(const SIZE& s) { InflateRect(s.cx, s.cy); }
    void InflateRect(int l, int t, int r, int b) {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(const SIZE& s) { InflateRect(-s.cx, -s.cy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }

    void OffsetRect(int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void OffsetRect(const POINT& p) { OffsetRect(p.x, p.y); }
    void OffsetRect(const SIZE& s) { OffsetRect(s.cx, s.cy); }
    void MoveToX(int x) {
        right = x + Width();
        left = x;
    }
    void MoveToY(int y) {
        bottom = y + Height();
        top = y;
    }
    void MoveToXY(int x, int y) {
        MoveToX(x);
        MoveToY(y);
    }

    // Intersection of two rectangles; an empty result is set to all zeros and gives false.
    bool IntersectRect(const RECT& a, const RECT& b) {
        CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom));
        if (r.IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        *this = r;
        return true;
    }
    // Smallest rectangle holding both; empty operands are ignored. False when the result is empty.
    bool UnionRect(const RECT& a, const RECT& b) {
        const CRect ra(a), rb(b);
        if (ra.IsRectEmpty()) {
            if (rb.IsRectEmpty()) {
                SetRectEmpty();
                return false;
            }
            *this = rb;
            return true;
        }
        if (rb.IsRectEmpty()) {
            *this = ra;
            return true;
        }
        SetRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom));
        return true;
    }

    constexpr bool operator==(const CRect& r) const {
        return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
    }
    CRect& operator+=(const POINT& p) {
        OffsetRect(p);
        return *this;
    }
    CRect& operator-=(const POINT& p) {
        OffsetRect(-p.x, -p.y);
        return *this;
    }
    CRect& operator&=(const RECT& r) {
        IntersectRect(*this, r);
        return *this;
    }
    CRect& operator|=(const RECT& r) {
        UnionRect(*this, r);
        return *this;
    }
    CRect operator+(const POINT& p) const {
        CRect r(*this);
        r.OffsetRect(p);
        return r;
    }
    CRect operator-(const POINT& p) const {
        CRect r(*this);
        r.OffsetRect(-p.x, -p.y);
        return r;
    }
    CRect operator&(const RECT& o) const {
        CRect r;
        r.IntersectRect(*this, o);
        return r;
    }
    CRect operator|(const RECT& o) const {
        CRect r;
        r.UnionRect(*this, o);
        return r;
    }
};
