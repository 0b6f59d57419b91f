#pragma once
// The dotted background grid of a structure view, and snapping to it. The grid
// has a major and a minor spacing in world units, given by the user or worked
// out from the zoom so that the dots stay a readable number of pixels apart:
// (screen width - 600) / 150 + 6 pixels for the major dots, (screen width -
// 600) / 300 + 3 for the minor ones, fixed when the grid is made.
#include "common/omPoint.h"
#include "platform/core/COLORREF.h"
#include "platform/core/CRect.h"

class AMapC2L;
class CDC;

class AGrid {
public:
    // A grid for the primary screen's width.
    AGrid();
    // A grid for a screen of the given width in pixels.
    explicit AGrid(int screenWidth);
    virtual ~AGrid();

    // Automatic spacing per grid; off, the user's spacing is taken.
    void EnableAutoUnits(bool major, bool minor) {
        m_autoMajor = major;
        m_autoMinor = minor;
    }
    // The user's spacings in world units.
    void SetUnits(double major, double minor) {
        m_userMajor = major;
        m_userMinor = minor;
    }
    void EnableMajor(bool on) { m_showMajor = on; }
    void EnableMinor(bool on) { m_showMinor = on; }
    bool IsMajorEnabled() const { return m_showMajor; }
    bool IsMinorEnabled() const { return m_showMinor; }
    void SetColors(COLORREF major, COLORREF minor) {
        m_majorColor = major;
        m_minorColor = minor;
    }
    // The spacings in use.
    double GetMajorUnit() const { return m_major; }
    double GetMinorUnit() const { return m_minor; }
    // Target distances of the dots in pixels.
    int GetMajorPixels() const { return m_majorPixels; }
    int GetMinorPixels() const { return m_minorPixels; }

    // Works out the spacings for the map's zoom (after every zoom).
    void CalculateUnits(const AMapC2L& map);

    // The world point of a logical point, snapped to the smaller positive
    // spacing (or the larger when only one is positive; not at all when neither
    // is). Whether the grids are shown does not matter. Always false.
    bool Snap(const AMapC2L& map, CPoint logical, double& x, double& y) const;
    bool Snap(const AMapC2L& map, CPoint logical, omPoint& world) const {
        return Snap(map, logical, world.x, world.y);
    }
    // The snapped point in logical units, in place.
    bool Snap(const AMapC2L& map, CPoint& logical) const;

    // Draws the dots inside the context's clip box and the axes icon at the world origin.
    void Draw(CDC& dc, const AMapC2L& map, CPoint scrollPosition) const;

private:
    // World length of the given number of pixels.
    double worldOfPixels(const AMapC2L& map, int pixels) const;
    void drawDots(CDC& dc, const AMapC2L& map, double step, COLORREF color, double left, double right,
                  double low, double high) const;

    bool m_autoMajor = true;
    bool m_autoMinor = true;
    double m_major = 0.0;
    double m_minor = 0.0;
    double m_userMajor = 1.0;
    double m_userMinor = 0.0;
    bool m_showMajor = true;
    bool m_showMinor = true;
    int m_majorPixels;
    int m_minorPixels;
    COLORREF m_minorColor = 0;
    COLORREF m_majorColor = 0;
};
