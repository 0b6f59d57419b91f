#include "controls/AGrid.h"

#include "controls/AMapC2L.h"
#include "platform/gdi/CMetaFile.h"

#include <set>

#include <gtest/gtest.h>

using Type = CMetaRecord::Type;

namespace {

// A view-like map: MM_LOMETRIC on a 96 dpi screen, factor logical units per
// world unit, the world origin at logical (0, 0).
AMapC2L viewMap(double factor, CDC& dc) {
    AMapC2L map;
    map.SetTotalCU(omRect(-1, 1, 1, -1));
    map.SetMap_tc_tl(CRect(static_cast<int>(-factor), static_cast<int>(factor), static_cast<int>(factor),
                           static_cast<int>(-factor)),
                     AMapC2L::posCenter, AMapC2L::posCenter);
    map.SetMapModeData(dc);
    return map;
}

CDC& screen() {
    static CDC dc(CDeviceCaps::FromPixels(1024, 768, 96, 96));
    dc.SetMapMode(MM_LOMETRIC);
    return dc;
}

} // namespace

TEST(AGrid, TargetDistancesFollowTheScreenWidth) {
    const AGrid at1024(1024);
    EXPECT_EQ(at1024.GetMajorPixels(), 8);
    EXPECT_EQ(at1024.GetMinorPixels(), 4);
    const AGrid at1600(1600);
    EXPECT_EQ(at1600.GetMajorPixels(), 12);
    EXPECT_EQ(at1600.GetMinorPixels(), 6);
}

TEST(AGrid, AutomaticSpacingIsAPowerOfTenAndARoundFractionOfIt) {
    // One pixel is 254/96 logical units; at factor f it is 2.6458/f world units.
    struct Case {
        double factor;
        double major, minor;
    };
    const Case cases[] = {
        {1000, 0.1, 0.01}, // 8 px = 0.0212, 4 px = 0.0106
        {100, 1, 0.1},     // 0.212 and 0.106
        {30, 1, 0.25},     // 0.706 and 0.353: 0.25 is nearer than 0.5
        {10, 10, 1},       // 2.12 and 1.06
        {2, 100, 10},      // 10.6 and 5.3: 0.1 wins its tie-free nearest
    };
    for (const Case& c : cases) {
        AGrid grid(1024);
        grid.CalculateUnits(viewMap(c.factor, screen()));
        EXPECT_DOUBLE_EQ(grid.GetMajorUnit(), c.major) << c.factor;
        EXPECT_NEAR(grid.GetMinorUnit(), c.minor, 1e-12) << c.factor;
    }

    AGrid user(1024);
    user.EnableAutoUnits(false, false);
    user.SetUnits(0.5, 0.125);
    user.CalculateUnits(viewMap(100, screen()));
    EXPECT_DOUBLE_EQ(user.GetMajorUnit(), 0.5);
    EXPECT_DOUBLE_EQ(user.GetMinorUnit(), 0.125);
}

TEST(AGrid, SnapsToTheSmallerPositiveSpacing) {
    const AMapC2L map = viewMap(100, screen()); // 100 logical units per world unit
    struct Case {
        bool autoMajor, autoMinor;
        double userMajor, userMinor;
        double x, y; // expected world point of logical (137, -62)
    };
    const Case cases[] = {
        {false, false, 0.5, 0.25, 1.25, -0.5}, // both positive: the smaller
        {false, false, 0.5, 0.0, 1.5, -0.5},   // minor 0: the major
        {false, false, 0.0, 0.25, 1.25, -0.5}, // major 0: the minor
        {false, false, 0.0, 0.0, 1.37, -0.62}, // neither: not snapped
        {true, true, 0, 0, 1.4, -0.6},         // automatic: 1 and 0.1
    };
    for (const Case& c : cases) {
        AGrid grid(1024);
        grid.EnableAutoUnits(c.autoMajor, c.autoMinor);
        grid.SetUnits(c.userMajor, c.userMinor);
        grid.CalculateUnits(map);
        grid.EnableMajor(false); // shown or not does not matter
        double x = 0, y = 0;
        EXPECT_FALSE(grid.Snap(map, CPoint(137, -62), x, y));
        EXPECT_NEAR(x, c.x, 1e-12);
        EXPECT_NEAR(y, c.y, 1e-12);
    }

    AGrid grid(1024);
    grid.EnableAutoUnits(false, false);
    grid.SetUnits(0.5, 0);
    grid.CalculateUnits(map);
    CPoint logical(137, -62);
    grid.Snap(map, logical);
    EXPECT_EQ(logical, CPoint(150, -49)); // y -0.5 lands on -50 + 0.5, truncated
    omPoint world;
    grid.Snap(map, CPoint(-260, 30), world);
    EXPECT_EQ(world, omPoint(-2.5, 0.5));
}

TEST(AGrid, DrawsDotsOverTheClipBoxAndTheAxesAtTheOrigin) {
    CDC reference(CDeviceCaps::FromPixels(200, 100, 96, 96));
    reference.SetMapMode(MM_LOMETRIC);
    reference.SetWindowOrg(-100, 100); // the world origin a little inside
    AGrid grid(1024);
    grid.EnableAutoUnits(false, false);
    grid.SetUnits(1.0, 0.5);
    grid.SetColors(RGB(0, 0, 0), RGB(0, 0, 255));
    const AMapC2L map = viewMap(100, reference);
    grid.CalculateUnits(map);

    CMetaFileDC rec(&reference);
    grid.Draw(rec, map, CPoint(0, 0));
    // The clip box: x from -1 to 4.29 world units, y from 1 down to -1.65.
    std::set<std::pair<int, int>> major, minor;
    for (const CMetaRecord& r : rec.GetMetaFile().Records()) {
        if (r.type != Type::setPixel) continue;
        auto& into = static_cast<COLORREF>(r.value) == RGB(0, 0, 255) ? minor : major;
        into.insert({r.points[0].x, r.points[0].y});
    }
    // Major dots at whole units from -1 to 5 and from -2 to 1 (one step outside).
    EXPECT_EQ(major.size(), 7u * 4u);
    EXPECT_TRUE(major.count({-99, 100}));  // world (-1, 1)
    EXPECT_TRUE(major.count({500, -199})); // world (5, -2)
    // Minor dots at halves from -1 to 4.5 and from -2 to 1.
    EXPECT_EQ(minor.size(), 12u * 7u);
    EXPECT_TRUE(minor.count({450, -149})); // world (4.5, -1.5)

    const CMetaRecord* icon = nullptr;
    for (const CMetaRecord& r : rec.GetMetaFile().Records())
        if (r.type == Type::polyline) icon = &r;
    ASSERT_NE(icon, nullptr);
    // 8 major distances of 8 pixels, in logical units: 169; its origin on (0, 0).
    EXPECT_EQ(icon->points[2], CPoint(0, static_cast<int>(-0.85 * 169)));

    // Minor dots closer than their target distance are left out.
    AGrid dense(1024);
    dense.EnableAutoUnits(false, false);
    dense.SetUnits(1.0, 0.01); // one logical unit apart
    dense.CalculateUnits(map);
    CMetaFileDC few(&reference);
    dense.Draw(few, map, CPoint(0, 0));
    int dots = 0;
    for (const CMetaRecord& r : few.GetMetaFile().Records())
        dots += r.type == Type::setPixel;
    EXPECT_EQ(dots, 7 * 4);

    // Nothing at all with both grids off.
    dense.EnableMajor(false);
    dense.EnableMinor(false);
    CMetaFileDC none(&reference);
    dense.Draw(none, map, CPoint(0, 0));
    EXPECT_TRUE(none.GetMetaFile().IsEmpty());
}
