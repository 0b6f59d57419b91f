#include "controls/AGrid.h"

#include "common/omMath.h"
#include "common/omRect.h"
#include "controls/AMapC2L.h"
#include "controls/ASymbol.h"
#include "platform/gdi/CDC.h"

#include <cmath>

AGrid::AGrid() : AGrid(CDeviceCaps::Screen().horzRes) {}

AGrid::AGrid(int screenWidth)
    : m_majorPixels((screenWidth - 600) / 150 + 6), m_minorPixels((screenWidth - 600) / 300 + 3) {}

AGrid::~AGrid() = default;

double AGrid::worldOfPixels(const AMapC2L& map, int pixels) const {
    // By magnitude: a mapping that turns an axis over has a negative extent ratio.
    return pixels * std::fabs(map.GetD2LFactor() / map.GetFactor());
}

void AGrid::CalculateUnits(const AMapC2L& map) {
    const double majorWorld = worldOfPixels(map, m_majorPixels);
    const double minorWorld = worldOfPixels(map, m_minorPixels);
    const int p = digits(majorWorld);
    m_major = m_autoMajor ? std::pow(10.0, p) : m_userMajor;
    if (!m_autoMinor) {
        m_minor = m_userMinor;
        return;
    }
    const double c = std::pow(10.0, p);
    const double candidates[] = {0.1, 0.2, 0.25, 0.5};
    double best = candidates[0];
    double distance = 10.0;
    for (double k : candidates) {
        const double d = std::fabs(minorWorld / c - k);
        if (d < distance) {
            distance = d;
            best = k;
        }
    }
    m_minor = c * best;
}

bool AGrid::Snap(const AMapC2L& map, CPoint logical, double& x, double& y) const {
    map.CU(logical, x, y);
    const double step =
        m_major > 0.0 && m_minor > 0.0 ? std::min(m_major, m_minor) : std::max(m_major, m_minor);
    if (step > 0.0) {
        x = omSnap(x, step);
        y = omSnap(y, step);
    }
    return false;
}

bool AGrid::Snap(const AMapC2L& map, CPoint& logical) const {
    double x = 0.0, y = 0.0;
    const bool result = Snap(map, logical, x, y);
    logical = map.LU(x, y);
    return result;
}

void AGrid::drawDots(CDC& dc, const AMapC2L& map, double step, COLORREF color, double left, double right,
                     double low, double high) const {
    if (!(step > 0.0) || !std::isfinite(step)) return;
    omSuggestMinMaxOutside(step, left, right);
    omSuggestMinMaxOutside(step, low, high);
    // Positions are counted from the first grid value so that rounding does not add up.
    const double endY = high + 0.1 * step;
    const double endX = right + 0.1 * step;
    // A map without scale could ask for dots without end; a screen never holds more.
    constexpr long kMaxSteps = 1 << 14;
    for (long iy = 0; iy < kMaxSteps; ++iy) {
        const double y = low + iy * step;
        if (y > endY) break;
        for (long ix = 0; ix < kMaxSteps; ++ix) {
            const double x = left + ix * step;
            if (x > endX) break;
            dc.SetPixelV(map.LU(x, y), color);
        }
    }
}

void AGrid::Draw(CDC& dc, const AMapC2L& map, CPoint) const {
    if (!m_showMajor && !m_showMinor) return;
    CRect clip;
    dc.GetClipBox(&clip);
    omRect world = map.CU(clip);
    world.normalize();
    const double majorWorld = worldOfPixels(map, m_majorPixels);
    const double minorWorld = worldOfPixels(map, m_minorPixels);

    if (m_showMinor && m_minor < m_major && m_minor >= minorWorld)
        drawDots(dc, map, m_minor, m_minorColor, world.left, world.right, world.top, world.bottom);
    if (m_showMajor && m_major >= majorWorld)
        drawDots(dc, map, m_major, m_majorColor, world.left, world.right, world.top, world.bottom);

    const CPoint origin = map.LU(0.0, 0.0);
    const double size = static_cast<int>(8 * m_majorPixels * map.GetD2LFactor());
    ASymOrigin axes(size, size, 0.0);
    axes.SetColors(RGB(128, 128, 128), RGB(128, 128, 128));
    axes.Draw(dc, omPoint(origin.x, origin.y), false);
}
