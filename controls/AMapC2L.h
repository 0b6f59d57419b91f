#pragma once
// The coordinate map of every drawing: world coordinates (computational units,
// CU: metres of the structure) to the integer logical coordinates of a device
// context (LU) and on to device pixels (DU), and back.
//
//   logical = world * factor + offset      per axis, rounded by adding 0.5 and truncating
//   device  = (logical - window origin) * viewport extent / window extent + viewport origin
//
// The second step uses the device context's mapping data as SetMapModeData last
// read it. The map also keeps the zoom-in limit, which holds logical coordinates
// to 30000 units over the larger side of the whole world.
#include "common/omPoint.h"
#include "common/omRect.h"
#include "platform/core/CRect.h"

class CDC;

class AMapC2L {
public:
    // Where a world rectangle goes inside a logical rectangle of other
    // proportions. Horizontally posLeft and posCenter have their own
    // alignment and every other value aligns the right edges; vertically posTop
    // and posCenter, every other value aligning the bottom edges.
    enum Position { posTop = 0, posBottom = 1, posCenter = 2, posLeft = 3, posRight = 4 };

    AMapC2L() = default;
    AMapC2L(const AMapC2L&) = default;
    AMapC2L& operator=(const AMapC2L&) = default;
    virtual ~AMapC2L();

    // --- World and logical units ----------------------------------------------------
    CPoint LU(double x, double y) const;
    CPoint LU(const omPoint& p) const { return LU(p.x, p.y); }
    CRect LU(const omRect& r) const;
    void CU(const CPoint& p, double& x, double& y) const;
    omPoint CU(const CPoint& p) const;
    omRect CU(const CRect& r) const;

    // --- Logical units and device pixels ------------------------------------------------
    CPoint DU(const CPoint& logical) const;
    CRect DU(const CRect& logical) const;
    // From device pixels.
    CPoint LU(const CPoint& device) const;
    CRect LU(const CRect& device) const;
    CPoint DU(const omPoint& world) const { return DU(LU(world)); }
    CPoint DU(double x, double y) const { return DU(LU(x, y)); }
    CRect DU(const omRect& world) const { return DU(LU(world)); }
    omPoint DUtoCU(const CPoint& device) const { return CU(LU(device)); }
    omRect DUtoCU(const CRect& device) const { return CU(LU(device)); }
    // Reads the context's window and viewport extents and origins (the context
    // is not changed). Until it has run the map converts one to one.
    void SetMapModeData(const CDC& dc);

    // --- Scales and distances -----------------------------------------------------------
    // Logical units per world unit.
    double GetFactor() const;
    // Logical units per pixel, and world units per pixel.
    double GetD2LFactor() const;
    double GetD2CFactor() const { return GetD2LFactor() / GetFactor(); }
    double DistC2L(double d) const { return GetFactor() * d; }
    double DistL2C(double d) const { return d / GetFactor(); }
    double DistD2L(double d) const { return GetD2LFactor() * d; }
    double DistL2D(double d) const { return d / GetD2LFactor(); }
    double DistD2C(double d) const { return GetD2CFactor() * d; }
    double DistC2D(double d) const { return d / GetD2CFactor(); }

    // --- Extents --------------------------------------------------------------------------
    const omRect& GetTotalCU() const { return m_totalCU; }
    void SetTotalCU(const omRect& r) { m_totalCU = r; }
    // Grow the whole world by the common library's union.
    void UnionRect(const omRect& r) { m_totalCU.Union(r); }
    void UnionRect(const omPoint& p) { m_totalCU.Union(p); }
    const omRect& GetWindowCU() const { return m_windowCU; }
    const CRect& GetTotalLU() const { return m_totalLU; }
    const CRect& GetWindowLU() const { return m_windowLU; }
    CPoint GetViewportOrg() const { return CPoint(m_viewportOrgX, m_viewportOrgY); }
    // The world's y axis points up when its top is not below its bottom.
    bool IsYUp() const { return m_totalCU.top >= m_totalCU.bottom; }
    // The whole world, factors and offsets back to zero; the windows stay.
    void Reset();
    // The last SetMap was refused at the zoom-in limit.
    bool IsZoomInLimit() const { return m_zoomInLimit; }
    // The window shows the whole world.
    bool IsZoomOutLimit() const { return m_windowCU == m_totalCU; }

    // --- Setting the map ----------------------------------------------------------------
    // Each returns whether a map was set; when not, nothing changes but the
    // zoom-in-limit flag.
    // The whole world into the logical rectangle, which becomes both logical rectangles.
    bool SetMap_tc_tl(CRect logical, Position h, Position v);
    // A world rectangle into the logical rectangle (the whole logical extent).
    bool SetMap_wc_tl(omRect world, CRect logical, Position h, Position v);
    // A world rectangle into the logical window of a scrolling view; the whole
    // world is then moved so that it never starts left of or above logical zero.
    bool SetMap_wc_wl(omRect world, CRect logical, Position h, Position v);

private:
    bool fit(const omRect& world, CRect logical, Position h, Position v);

    omRect m_totalCU;
    omRect m_windowCU;
    CRect m_totalLU;
    CRect m_windowLU;
    double m_yFactor = 0.0;
    double m_yOffset = 0.0;
    double m_xFactor = 0.0;
    double m_xOffset = 0.0;
    // The device context's mapping as last read.
    int m_windowExtX = 1;
    int m_windowExtY = 1;
    int m_viewportExtX = 1;
    int m_viewportExtY = 1;
    int m_windowOrgX = 0;
    int m_windowOrgY = 0;
    int m_viewportOrgX = 0;
    int m_viewportOrgY = 0;
    bool m_zoomInLimit = false;
};
