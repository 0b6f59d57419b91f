#pragma once
// A rectangle of the plane in world coordinates. Its edges are doubles and its
// orientation is free: world rectangles with the y axis up have top > bottom.
// normalize() turns it into the form left <= right, top <= bottom. Operations
// that combine or compare rectangles go by their extents whatever the
// orientation, and a rectangle that grows or is cut keeps its own orientation.
// A rectangle with all four edges 0 is null: it stands for "nothing" in Union.
#include "common/omPoint.h"

struct omRect {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    constexpr omRect() = default;
    // The edges in the order of the platform's rectangles: left, top, right, bottom.
    constexpr omRect(double l, double t, double r, double b) : left(l), top(t), right(r), bottom(b) {}
    // The rectangle with these two corners (not normalised).
    constexpr omRect(const omPoint& topLeft, const omPoint& bottomRight)
        : left(topLeft.x), top(topLeft.y), right(bottomRight.x), bottom(bottomRight.y) {}

    double width() const { return right - left; }
    double height() const { return bottom - top; }
    omPoint topLeft() const { return {left, top}; }
    omPoint bottomRight() const { return {right, bottom}; }
    omPoint center() const { return {(left + right) / 2, (top + bottom) / 2}; }

    // left <= right and top <= bottom.
    void normalize();
    omRect normalized() const {
        omRect r(*this);
        r.normalize();
        return r;
    }

    // Grows the rectangle to hold r; a null r changes nothing, and a null
    // rectangle becomes r as it is.
    void Union(const omRect& r);
    // Grows the rectangle to hold the point; a null rectangle becomes the point.
    void Union(double x, double y);
    void Union(const omPoint& p) { Union(p.x, p.y); }

    // Sets this rectangle to the common part of a and b, oriented as a, and
    // returns true when they meet (touching edges count); otherwise it becomes
    // null and the result is false.
    bool intersect(const omRect& a, const omRect& b);
    // True when the two rectangles meet (touching edges count).
    bool meets(const omRect& r) const;

    // Scales the rectangle about its centre by 1/factor: 2 halves it, 0.5
    // doubles it. A factor that is not a positive finite number changes nothing.
    void shrink(double factor);

    // True when r lies entirely inside this rectangle, edges included; both are
    // taken normalised. (A selection window asks this of each object's rectangle.)
    bool liesIn(const omRect& r) const;
    // True when the point lies inside or on the edges.
    bool contains(double x, double y) const;

    // No area: zero width or zero height.
    bool isRectEmpty() const { return left == right || top == bottom; }
    // All four edges 0.
    bool isRectNull() const { return left == 0.0 && top == 0.0 && right == 0.0 && bottom == 0.0; }
    void setRectEmpty() { *this = omRect(); }

    constexpr bool operator==(const omRect& r) const = default;
};
