#include "controls/AMapC2L.h"

#include "common/omMath.h"
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cmath>

AMapC2L::~AMapC2L() = default;

CPoint AMapC2L::LU(double x, double y) const {
    const double lx = x * m_xFactor + m_xOffset;
    const double ly = y * m_yFactor + m_yOffset;
    // A point with either coordinate unknown is nowhere as a whole.
    if (std::isnan(lx) || std::isnan(ly)) return CPoint(gdi::kNowhere, gdi::kNowhere);
    return CPoint(gdi::toDevice(lx), gdi::toDevice(ly));
}

CRect AMapC2L::LU(const omRect& r) const {
    const CPoint tl = LU(r.left, r.top);
    const CPoint br = LU(r.right, r.bottom);
    return CRect(tl.x, tl.y, br.x, br.y);
}

void AMapC2L::CU(const CPoint& p, double& x, double& y) const {
    // A map that was never set has no scale; it answers the world origin.
    x = m_xFactor != 0.0 ? (p.x - m_xOffset) / m_xFactor : 0.0;
    y = m_yFactor != 0.0 ? (p.y - m_yOffset) / m_yFactor : 0.0;
}

omPoint AMapC2L::CU(const CPoint& p) const {
    omPoint w;
    CU(p, w.x, w.y);
    return w;
}

omRect AMapC2L::CU(const CRect& r) const {
    const omPoint tl = CU(CPoint(r.left, r.top));
    const omPoint br = CU(CPoint(r.right, r.bottom));
    return omRect(tl.x, tl.y, br.x, br.y);
}

CPoint AMapC2L::DU(const CPoint& p) const {
    return CPoint(CDC::MapAxis(p.x, m_windowOrgX, m_viewportExtX, m_windowExtX, m_viewportOrgX),
                  CDC::MapAxis(p.y, m_windowOrgY, m_viewportExtY, m_windowExtY, m_viewportOrgY));
}

CRect AMapC2L::DU(const CRect& r) const {
    const CPoint tl = DU(CPoint(r.left, r.top));
    const CPoint br = DU(CPoint(r.right, r.bottom));
    return CRect(tl.x, tl.y, br.x, br.y);
}

CPoint AMapC2L::LU(const CPoint& d) const {
    return CPoint(CDC::MapAxis(d.x, m_viewportOrgX, m_windowExtX, m_viewportExtX, m_windowOrgX),
                  CDC::MapAxis(d.y, m_viewportOrgY, m_windowExtY, m_viewportExtY, m_windowOrgY));
}

CRect AMapC2L::LU(const CRect& d) const {
    const CPoint tl = LU(CPoint(d.left, d.top));
    const CPoint br = LU(CPoint(d.right, d.bottom));
    return CRect(tl.x, tl.y, br.x, br.y);
}

void AMapC2L::SetMapModeData(const CDC& dc) {
    const CSize we = dc.GetWindowExt();
    const CSize ve = dc.GetViewportExt();
    const CPoint wo = dc.GetWindowOrg();
    const CPoint vo = dc.GetViewportOrg();
    m_windowExtX = we.cx;
    m_windowExtY = we.cy;
    m_viewportExtX = ve.cx;
    m_viewportExtY = ve.cy;
    m_windowOrgX = wo.x;
    m_windowOrgY = wo.y;
    m_viewportOrgX = vo.x;
    m_viewportOrgY = vo.y;
}

double AMapC2L::GetFactor() const {
    return std::fabs(m_xFactor);
}

double AMapC2L::GetD2LFactor() const {
    return static_cast<double>(m_windowExtX) / m_viewportExtX;
}

void AMapC2L::Reset() {
    m_totalCU = omRect();
    m_xFactor = m_yFactor = m_xOffset = m_yOffset = 0.0;
}

bool AMapC2L::fit(const omRect& world, CRect logical, Position h, Position v) {
    if (logical.Height() == 0) logical.bottom = logical.top - 2;
    if (logical.Width() == 0) logical.right = logical.left + 2;

    // The larger side of the whole world by its size, whichever way its y axis
    // points: a world with y downwards has a negative top - bottom.
    const double worldSide =
        std::max(std::fabs(m_totalCU.right - m_totalCU.left), std::fabs(m_totalCU.top - m_totalCU.bottom));
    const double limit = worldSide > 0.0 ? 30000.0 / worldSide : HUGE_VAL;

    if (world.right == world.left || world.top == world.bottom) return false;
    const double sx = (logical.right - logical.left) / (world.right - world.left);
    const double sy = (logical.top - logical.bottom) / (world.top - world.bottom);
    double s = std::min(std::fabs(sx), std::fabs(sy));
    // A world of no size or of no number (an extent that is infinite, denormal
    // or NaN) has no scale to draw it with.
    if (!std::isfinite(s) || !(s > 0.0)) return false;

    if (std::fabs(m_xFactor) == limit && s > limit) {
        m_zoomInLimit = true;
        return false;
    }
    m_zoomInLimit = false;
    s = std::min(s, limit);

    m_xFactor = sgn(sx) * s;
    m_yFactor = sgn(sy) * s;

    double worldX, logicalX;
    if (h == posCenter) {
        worldX = (world.left + world.right) / 2;
        logicalX = (logical.left + logical.right) / 2;
    } else if (h == posLeft) {
        worldX = world.left;
        logicalX = logical.left;
    } else {
        worldX = world.right;
        logicalX = logical.right;
    }
    m_xOffset = logicalX - worldX * m_xFactor;

    double worldY, logicalY;
    if (v == posCenter) {
        worldY = (world.top + world.bottom) / 2;
        logicalY = (logical.top + logical.bottom) / 2;
    } else if (v == posTop) {
        worldY = world.top;
        logicalY = logical.top;
    } else {
        worldY = world.bottom;
        logicalY = logical.bottom;
    }
    m_yOffset = logicalY - worldY * m_yFactor;
    if (!std::isfinite(m_xOffset) || !std::isfinite(m_yOffset)) {
        m_xFactor = m_yFactor = m_xOffset = m_yOffset = 0.0;
        return false;
    }
    return true;
}

bool AMapC2L::SetMap_tc_tl(CRect logical, Position h, Position v) {
    if (!fit(m_totalCU, logical, h, v)) return false;
    m_windowCU = m_totalCU;
    m_totalLU = logical;
    m_windowLU = logical;
    return true;
}

bool AMapC2L::SetMap_wc_tl(omRect world, CRect logical, Position h, Position v) {
    if (!fit(world, logical, h, v)) return false;
    m_windowCU = world;
    m_totalLU = logical;
    m_windowLU = LU(world);
    return true;
}

bool AMapC2L::SetMap_wc_wl(omRect world, CRect logical, Position h, Position v) {
    if (!fit(world, logical, h, v)) return false;
    const omRect covered = CU(logical);
    m_windowCU = world;
    const CPoint corner = LU(m_totalCU.left, m_totalCU.top);
    if (corner.x < 0) m_xOffset += -corner.x;
    if (corner.y > 0) m_yOffset -= corner.y;
    m_totalLU = LU(m_totalCU);
    m_windowLU = LU(covered);
    return true;
}
