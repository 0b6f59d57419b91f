#pragma once
// A straight line through two points of the plane; the segment between them is
// the line's inside. Positions along the line are relative: 0 at the first
// point, 1 at the second, other values outside.
#include "common/omPoint.h"

class omLine {
public:
    // Flags of intersection and isInLine.
    enum : int {
        onLine = 1,      // a single point exists: the lines cross / the point lies on the line
        insideThis = 2,  // the point lies within this segment (ends included)
        insideOther = 4, // the point lies within the other segment (ends included)
    };

    // Relative tolerance of the tests above, as a fraction of the segment length.
    static constexpr double tolerance = 1e-9;

    omLine() = default;
    omLine(const omPoint& p1, const omPoint& p2) : m_p1(p1), m_p2(p2) {}
    omLine(double x1, double y1, double x2, double y2) : m_p1(x1, y1), m_p2(x2, y2) {}

    void set(const omPoint& p1, const omPoint& p2) {
        m_p1 = p1;
        m_p2 = p2;
    }
    void set(double x1, double y1, double x2, double y2) { set(omPoint(x1, y1), omPoint(x2, y2)); }
    // Kept for callers that change the ends and then ask for a recomputation;
    // the line derives everything from its ends on each call.
    void setup() {}

    const omPoint& p1() const { return m_p1; }
    const omPoint& p2() const { return m_p2; }
    omPoint& p1() { return m_p1; }
    omPoint& p2() { return m_p2; }

    double length() const { return m_p1.distance(m_p2); }
    // The direction from the first to the second point against the x axis, in
    // radians from 0 to 2 pi (0 for a line of zero length).
    double angle() const;
    // The point at relative position t.
    omPoint at(double t) const;
    // The relative position of a point's projection onto the line (0 for a line of zero length).
    double scalar(const omPoint& p) const;
    // The foot of the perpendicular from a point onto the line.
    omPoint perpendicular(const omPoint& p) const { return at(scalar(p)); }
    // The distance of a point from the (infinite) line.
    double distance(const omPoint& p) const { return p.distance(perpendicular(p)); }

    // Shifts the line parallel by d: positive d to the left of the direction
    // from the first to the second point (with the y axis up).
    void movePerpendicular(double d);

    // Where this line crosses the other one. Without a single crossing point
    // (parallel lines, or a line of zero length) the result is 0 and point is
    // unchanged. Otherwise point is the crossing and the result is onLine, plus
    // insideThis when it lies within this segment and insideOther when it lies
    // within the other one.
    int intersection(const omLine& other, omPoint& point) const;
    // Whether a point lies on the line (onLine) and within the segment
    // (insideThis as well); 0 when it lies off the line.
    int isInLine(const omPoint& p) const;

    bool operator==(const omLine& l) const { return m_p1 == l.m_p1 && m_p2 == l.m_p2; }

private:
    omPoint m_p1;
    omPoint m_p2;
};
