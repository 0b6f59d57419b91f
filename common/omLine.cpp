#include "common/omLine.h"

#include <cmath>
#include <numbers>

double omLine::angle() const {
    const double dx = m_p2.x - m_p1.x, dy = m_p2.y - m_p1.y;
    if (dx == 0.0 && dy == 0.0) return 0.0;
    double a = std::atan2(dy, dx);
    if (a < 0.0) a += 2 * std::numbers::pi;
    // atan2 of a tiny negative dy can land exactly on 2 pi after the addition.
    if (a >= 2 * std::numbers::pi) a = 0.0;
    return a;
}

omPoint omLine::at(double t) const {
    return {m_p1.x + t * (m_p2.x - m_p1.x), m_p1.y + t * (m_p2.y - m_p1.y)};
}

double omLine::scalar(const omPoint& p) const {
    const double dx = m_p2.x - m_p1.x, dy = m_p2.y - m_p1.y;
    const double l2 = dx * dx + dy * dy;
    if (l2 == 0.0) return 0.0;
    return ((p.x - m_p1.x) * dx + (p.y - m_p1.y) * dy) / l2;
}

void omLine::movePerpendicular(double d) {
    const double l = length();
    if (l == 0.0) return;
    const omPoint shift(-(m_p2.y - m_p1.y) / l * d, (m_p2.x - m_p1.x) / l * d);
    m_p1 += shift;
    m_p2 += shift;
}

namespace {
bool within(double t) {
    return t >= -omLine::tolerance && t <= 1.0 + omLine::tolerance;
}
} // namespace

int omLine::intersection(const omLine& other, omPoint& point) const {
    const double ax = m_p2.x - m_p1.x, ay = m_p2.y - m_p1.y;
    const double bx = other.m_p2.x - other.m_p1.x, by = other.m_p2.y - other.m_p1.y;
    const double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
    if (la == 0.0 || lb == 0.0) return 0;
    const double cross = ax * by - ay * bx;
    // Parallel when the sine of the angle between the lines vanishes.
    if (std::fabs(cross) <= tolerance * la * lb) return 0;
    const double cx = other.m_p1.x - m_p1.x, cy = other.m_p1.y - m_p1.y;
    const double t = (cx * by - cy * bx) / cross; // along this line
    const double u = (cx * ay - cy * ax) / cross; // along the other one
    point = at(t);
    int flags = onLine;
    if (within(t)) flags |= insideThis;
    if (within(u)) flags |= insideOther;
    return flags;
}

int omLine::isInLine(const omPoint& p) const {
    const double l = length();
    if (l == 0.0) return p.distance(m_p1) <= tolerance ? onLine | insideThis : 0;
    if (distance(p) > tolerance * l) return 0;
    return within(scalar(p)) ? onLine | insideThis : onLine;
}
