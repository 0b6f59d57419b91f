#include "app/views/AExtents2D.h"

#include "app/views/ADrawAttributes.h"
#include "common/omUnitManager.h"

#include <algorithm>
#include <cmath>

AExtents2D::AExtents2D() : left(0.0, omUK_cm), right(0.0, omUK_cm), top(0.0, omUK_cm), bottom(0.0, omUK_cm) {}

AExtents2D::~AExtents2D() = default;

bool AExtents2D::AddPoint(double x, double z) {
    bool grew = false;
    if (m_nodeRect.isRectNull()) {
        m_nodeRect = omRect(x, z, x, z);
        if (x == 0.0 && z == 0.0) m_nodeRect.top = m_nodeRect.bottom = -0.00001;
    } else {
        if (x < m_nodeRect.left) {
            m_nodeRect.left = x;
            grew = true;
        }
        if (x > m_nodeRect.right) {
            m_nodeRect.right = x;
            grew = true;
        }
        if (z > m_nodeRect.bottom) {
            m_nodeRect.bottom = z;
            grew = true;
        }
        if (z < m_nodeRect.top) {
            m_nodeRect.top = z;
            grew = true;
        }
    }
    const omUnitValue ux(x, omUK_m);
    const omUnitValue uz(z, omUK_m);
    if (ux < left) left = ux;
    if (right < ux) right = ux;
    if (uz < top) top = uz;
    if (bottom < uz) bottom = uz;
    return grew;
}

void AExtents2D::GetExtentsRect(omRect& out, omUnitKey unit, int mode, double length) const {
    omRect r = mode == modeExtents
                   ? omRect(left.Get(omUK_m), top.Get(omUK_m), right.Get(omUK_m), bottom.Get(omUK_m))
                   : m_nodeRect;
    // Extents that are no numbers or turned inside out (a damaged or foreign
    // file's) give way to the rectangle of the nodes.
    const auto usable = [](const omRect& e) {
        return std::isfinite(e.left) && std::isfinite(e.right) && std::isfinite(e.top) &&
               std::isfinite(e.bottom) && e.right >= e.left && e.bottom >= e.top;
    };
    if (!usable(r)) r = m_nodeRect;
    // A rectangle of the nodes wider than doubles carry is held to one that
    // still has a size (its far nodes are drawn at the edge of the device).
    constexpr double kFar = 1e307;
    for (double* edge : {&r.left, &r.right, &r.top, &r.bottom})
        *edge = std::isnan(*edge) ? 0.0 : std::clamp(*edge, -kFar, kFar);
    const ADrawAttributes* attr = ADrawAttributes::Instance();
    const double s = attr->m_nodeSize;
    const double d = attr->GetDiagramSize();
    double margin = 0.0;
    switch (mode) {
    case modeExtents:
        margin = 3 * s;
        break;
    case modeLoads:
        margin = 9 * s;
        break;
    case modeResults:
        margin = 3 * s + d;
        break;
    case modeZoomAll:
        margin = 2 * s;
        break;
    case modeReport:
        margin = 5 * s;
        break;
    case modeDisplaced: {
        const double l = 0.01 * length;
        const bool large = l > 0.2 * (r.right - r.left) || l > 0.2 * (r.bottom - r.top);
        margin = large && 3 * s < l ? 0.71 * l + s : 3 * s + d;
        break;
    }
    default:
        break;
    }
    r.left -= margin;
    r.right += margin;
    r.top -= margin;
    r.bottom += margin;
    if (unit != omUK_m) {
        const omUnitManager* units = omUnitManager::Instance();
        r.left = units->Convert(r.left, omUK_m, unit);
        r.right = units->Convert(r.right, omUK_m, unit);
        r.top = units->Convert(r.top, omUK_m, unit);
        r.bottom = units->Convert(r.bottom, omUK_m, unit);
    }
    out = r;
}
