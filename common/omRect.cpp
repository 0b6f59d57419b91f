#include "common/omRect.h"

#include <algorithm>
#include <cmath>
#include <utility>

void omRect::normalize() {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
}

namespace {
// Gives a normalised rectangle the orientation of a model rectangle.
omRect orientedAs(omRect r, const omRect& model) {
    if (model.left > model.right) std::swap(r.left, r.right);
    if (model.top > model.bottom) std::swap(r.top, r.bottom);
    return r;
}
} // namespace

void omRect::Union(const omRect& r) {
    if (r.isRectNull()) return;
    if (isRectNull()) {
        *this = r;
        return;
    }
    const omRect a = normalized(), b = r.normalized();
    *this = orientedAs(omRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                              std::max(a.bottom, b.bottom)),
                       *this);
}

void omRect::Union(double x, double y) {
    if (isRectNull()) {
        *this = omRect(x, y, x, y);
        return;
    }
    const omRect n = normalized();
    *this = orientedAs(
        omRect(std::min(n.left, x), std::min(n.top, y), std::max(n.right, x), std::max(n.bottom, y)), *this);
}

bool omRect::meets(const omRect& r) const {
    const omRect a = normalized(), b = r.normalized();
    return std::max(a.left, b.left) <= std::min(a.right, b.right) &&
           std::max(a.top, b.top) <= std::min(a.bottom, b.bottom);
}

bool omRect::intersect(const omRect& a, const omRect& b) {
    if (!a.meets(b)) {
        setRectEmpty();
        return false;
    }
    const omRect na = a.normalized(), nb = b.normalized();
    *this = orientedAs(omRect(std::max(na.left, nb.left), std::max(na.top, nb.top),
                              std::min(na.right, nb.right), std::min(na.bottom, nb.bottom)),
                       a);
    return true;
}

void omRect::shrink(double factor) {
    if (!(factor > 0.0) || !std::isfinite(factor)) return;
    const omPoint c = center();
    const double halfW = (right - left) / (2 * factor), halfH = (bottom - top) / (2 * factor);
    left = c.x - halfW;
    right = c.x + halfW;
    top = c.y - halfH;
    bottom = c.y + halfH;
}

bool omRect::liesIn(const omRect& r) const {
    const omRect outer = normalized(), inner = r.normalized();
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

bool omRect::contains(double x, double y) const {
    const omRect n = normalized();
    return x >= n.left && x <= n.right && y >= n.top && y <= n.bottom;
}
