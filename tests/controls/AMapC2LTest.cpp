#include "controls/AMapC2L.h"

#include "platform/gdi/CDC.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace {

using P = AMapC2L::Position;
constexpr P C = AMapC2L::posCenter;

// A world of 10 by 5 units with y up.
AMapC2L tenByFive() {
    AMapC2L map;
    map.SetTotalCU(omRect(0, 5, 10, 0));
    return map;
}

} // namespace

TEST(AMapC2L, ZoomInStopsAtThirtyThousandUnitsOverTheLargerSide) {
    AMapC2L map = tenByFive();
    ASSERT_TRUE(map.SetMap_tc_tl(CRect(0, 0, 1000, -500), C, C));
    EXPECT_DOUBLE_EQ(map.GetFactor(), 100.0);

    const omRect tiny(1, 1.001, 1.001, 1);
    ASSERT_TRUE(map.SetMap_wc_tl(tiny, CRect(0, 0, 1000, -1000), C, C));
    EXPECT_DOUBLE_EQ(map.GetFactor(), 3000.0); // clamped, not refused
    EXPECT_FALSE(map.IsZoomInLimit());

    // At the limit, asking for more is refused and leaves the map as it was.
    const AMapC2L before = map;
    EXPECT_FALSE(map.SetMap_wc_tl(omRect(1, 1.0005, 1.0005, 1), CRect(0, 0, 1000, -1000), C, C));
    EXPECT_TRUE(map.IsZoomInLimit());
    EXPECT_DOUBLE_EQ(map.GetFactor(), 3000.0);
    EXPECT_EQ(map.GetWindowCU(), before.GetWindowCU());
    EXPECT_EQ(map.GetWindowLU(), before.GetWindowLU());

    // The next successful map clears the flag.
    EXPECT_TRUE(map.SetMap_tc_tl(CRect(0, 0, 1000, -500), C, C));
    EXPECT_FALSE(map.IsZoomInLimit());
}

TEST(AMapC2L, ZoomInLimitTakesTheLargerSideWhicheverWayYPoints) {
    // A tall structure with z downwards: top above bottom in numbers.
    AMapC2L map;
    map.SetTotalCU(omRect(0, -10, 5, 0));
    ASSERT_TRUE(map.SetMap_wc_tl(omRect(1, -1.001, 1.001, -1), CRect(0, 0, 1000, -1000), C, C));
    EXPECT_DOUBLE_EQ(map.GetFactor(), 3000.0);
}

TEST(AMapC2L, WorldToLogicalAddsAHalfAndTruncatesTowardZero) {
    AMapC2L map;
    map.SetTotalCU(omRect(-5, 5, 5, -5));
    ASSERT_TRUE(map.SetMap_tc_tl(CRect(-50, 50, 50, -50), C, C)); // factor 10, offsets 0
    struct Case {
        double x;
        int expected;
    };
    const Case cases[] = {{-0.27, -2}, {-0.25, -2}, {-0.3, -2}, {-0.31, -2}, {-0.36, -3},
                          {0.24, 2},   {0.25, 3},   {0.0, 0},   {-0.04, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(map.LU(c.x, 0.0).x, c.expected) << c.x;

    // And back without rounding.
    double x = 0, y = 0;
    map.CU(CPoint(-27, 13), x, y);
    EXPECT_DOUBLE_EQ(x, -2.7);
    EXPECT_DOUBLE_EQ(y, 1.3);
    EXPECT_EQ(map.LU(omRect(-1, 2, 3, -4)), CRect(-9, 20, 30, -39));
}

TEST(AMapC2L, AWideWorldInASquareLeavesEqualBands) {
    AMapC2L map = tenByFive();
    ASSERT_TRUE(map.SetMap_tc_tl(CRect(0, 0, 1000, -1000), C, C));
    EXPECT_DOUBLE_EQ(map.GetFactor(), 100.0);
    // The square shows the world from 7.5 down to -2.5: 2.5 units (250
    // logical units) above and below the world's 5.
    const omRect shown = map.CU(CRect(0, 0, 1000, -1000));
    EXPECT_DOUBLE_EQ(shown.left, 0.0);
    EXPECT_DOUBLE_EQ(shown.right, 10.0);
    EXPECT_DOUBLE_EQ(shown.top - 5.0, 2.5);
    EXPECT_DOUBLE_EQ(0.0 - shown.bottom, 2.5);
    EXPECT_TRUE(map.IsYUp());
}

TEST(AMapC2L, AlignsByPosition) {
    const omRect wide(0, 5, 10, 0), tall(0, 10, 5, 0);
    struct Case {
        omRect world;
        P h, v;
        omRect shown; // the world that the logical square shows
    };
    const Case cases[] = {
        {wide, C, AMapC2L::posTop, omRect(0, 5, 10, -5)},
        {wide, C, AMapC2L::posBottom, omRect(0, 10, 10, 0)},
        {wide, C, C, omRect(0, 7.5, 10, -2.5)},
        {wide, C, AMapC2L::posLeft, omRect(0, 10, 10, 0)}, // any other value: bottom
        {tall, AMapC2L::posLeft, C, omRect(0, 10, 10, 0)},
        {tall, AMapC2L::posRight, C, omRect(-5, 10, 5, 0)},
        {tall, AMapC2L::posTop, C, omRect(-5, 10, 5, 0)}, // any other value: right
        {tall, C, C, omRect(-2.5, 10, 7.5, 0)},
    };
    for (const Case& c : cases) {
        AMapC2L map;
        map.SetTotalCU(c.world);
        ASSERT_TRUE(map.SetMap_tc_tl(CRect(0, 0, 1000, -1000), c.h, c.v));
        EXPECT_EQ(map.CU(CRect(0, 0, 1000, -1000)), c.shown) << c.h << " " << c.v;
    }
}

TEST(AMapC2L, ZoomOutLimitWhenTheWindowShowsTheWholeWorld) {
    AMapC2L map = tenByFive();
    ASSERT_TRUE(map.SetMap_tc_tl(CRect(0, 0, 1000, -500), C, C));
    EXPECT_TRUE(map.IsZoomOutLimit());
    EXPECT_EQ(map.GetWindowCU(), map.GetTotalCU());
    EXPECT_EQ(map.GetTotalLU(), CRect(0, 0, 1000, -500));
    EXPECT_EQ(map.GetWindowLU(), CRect(0, 0, 1000, -500));

    ASSERT_TRUE(map.SetMap_wc_tl(omRect(2, 4, 4, 2), CRect(0, 0, 1000, -500), C, C));
    EXPECT_FALSE(map.IsZoomOutLimit());
    EXPECT_EQ(map.GetWindowLU(), map.LU(omRect(2, 4, 4, 2)));
}

TEST(AMapC2L, RefusesADegenerateWorldAndWidensAnEmptyTarget) {
    AMapC2L map = tenByFive();
    ASSERT_TRUE(map.SetMap_tc_tl(CRect(0, 0, 1000, -500), C, C));
    const AMapC2L before = map;
    EXPECT_FALSE(map.SetMap_wc_tl(omRect(1, 1, 3, 1), CRect(0, 0, 100, -100), C, C));
    EXPECT_FALSE(map.SetMap_wc_wl(omRect(1, 1, 1, 3), CRect(0, 0, 100, -100), C, C));
    EXPECT_EQ(map.GetFactor(), before.GetFactor());
    EXPECT_EQ(map.LU(3.0, 3.0), before.LU(3.0, 3.0));

    // A logical rectangle of no height is taken as two units high.
    ASSERT_TRUE(map.SetMap_wc_tl(omRect(0, 1, 1, 0), CRect(0, 0, 100, 0), C, C));
    EXPECT_DOUBLE_EQ(map.GetFactor(), 2.0);

    AMapC2L empty;
    EXPECT_FALSE(empty.SetMap_tc_tl(CRect(0, 0, 100, -100), C, C));
}

TEST(AMapC2L, ScrollingWindowKeepsTheWorldRightOfAndBelowLogicalZero) {
    AMapC2L map;
    map.SetTotalCU(omRect(0, 10, 20, 0));
    ASSERT_TRUE(map.SetMap_wc_wl(omRect(5, 6, 7, 4), CRect(0, 0, 400, -300), C, C));
    EXPECT_DOUBLE_EQ(map.GetFactor(), 150.0);
    EXPECT_EQ(map.GetWindowCU(), omRect(5, 6, 7, 4));
    EXPECT_EQ(map.GetTotalLU(), CRect(0, 0, 2999, -1499));
    // The logical window covers what the logical rectangle showed, now shifted.
    EXPECT_EQ(map.GetWindowLU(), CRect(699, -599, 1099, -899));
    EXPECT_FALSE(map.IsZoomOutLimit());
}

TEST(AMapC2L, DeviceConversionsUseTheContextsMappingData) {
    AMapC2L map = tenByFive();
    map.SetMap_tc_tl(CRect(0, 0, 1000, -500), C, C);
    // Before any context was read the map converts one to one.
    EXPECT_EQ(map.DU(CPoint(12, -34)), CPoint(12, -34));

    CDC dc(CDeviceCaps::FromPixels(1000, 800, 96, 96));
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetWindowOrg(100, -200);
    dc.SetViewportOrg(5, 7);
    map.SetMapModeData(dc);
    EXPECT_EQ(map.GetViewportOrg(), CPoint(5, 7));
    EXPECT_DOUBLE_EQ(map.GetD2LFactor(), 254.0 / 96.0);
    EXPECT_DOUBLE_EQ(map.GetD2CFactor(), 254.0 / 96.0 / 100.0);
    EXPECT_DOUBLE_EQ(map.DistD2L(96), 254.0);
    EXPECT_DOUBLE_EQ(map.DistC2L(2.5), 250.0);
    EXPECT_DOUBLE_EQ(map.DistL2C(250), 2.5);
    EXPECT_DOUBLE_EQ(map.DistC2D(map.DistD2C(10)), 10.0);

    // The map's device conversion agrees with the context's.
    for (const CPoint p : {CPoint(0, 0), CPoint(354, -454), CPoint(1000, -1), CPoint(-77, 33)}) {
        POINT d = p;
        dc.LPtoDP(&d);
        EXPECT_EQ(map.DU(p), CPoint(d)) << p.x << "," << p.y;
        POINT l = d;
        dc.DPtoLP(&l);
        EXPECT_EQ(map.LU(CPoint(d)), CPoint(l));
    }
    EXPECT_EQ(map.DU(CPoint(354, -454)), CPoint(101, 103));
    EXPECT_EQ(map.DU(CRect(100, -200, 354, -454)), CRect(5, 7, 101, 103));
    EXPECT_EQ(map.DU(omPoint(5, 2.5)), map.DU(map.LU(5.0, 2.5)));
    const omPoint back = map.DUtoCU(map.DU(omPoint(5, 2.5)));
    EXPECT_NEAR(back.x, 5, 0.03);
    EXPECT_NEAR(back.y, 2.5, 0.03);
}

TEST(AMapC2L, CopiesEverythingAndResetKeepsTheWindows) {
    AMapC2L map = tenByFive();
    map.SetMap_tc_tl(CRect(0, 0, 1000, -500), C, C);
    CDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    map.SetMapModeData(dc);

    AMapC2L copy(map);
    EXPECT_EQ(copy.LU(3.3, 1.1), map.LU(3.3, 1.1));
    EXPECT_EQ(copy.DU(CPoint(10, -10)), map.DU(CPoint(10, -10)));
    EXPECT_EQ(copy.GetTotalCU(), map.GetTotalCU());
    EXPECT_EQ(copy.GetWindowLU(), map.GetWindowLU());

    map.Reset();
    EXPECT_TRUE(map.GetTotalCU().isRectNull());
    EXPECT_EQ(map.GetFactor(), 0.0);
    EXPECT_EQ(map.GetWindowCU(), copy.GetWindowCU());
    EXPECT_EQ(map.GetWindowLU(), copy.GetWindowLU());

    map.UnionRect(omRect(0, 1, 2, 0));
    map.UnionRect(omPoint(5, -3));
    EXPECT_EQ(map.GetTotalCU().normalized(), omRect(0, -3, 5, 1));
}

TEST(AMapC2L, NumbersBeyondTheDeviceAreHeldInTheirDirectionAndNoNumberIsNowhere) {
    AMapC2L map;
    map.SetTotalCU(omRect(-5, 5, 5, -5));
    ASSERT_TRUE(map.SetMap_tc_tl(CRect(-50, 50, 50, -50), C, C));
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double x, y;
        CPoint expected;
    };
    const Case cases[] = {
        {1e300, 0.0, CPoint(gdi::kDeviceLimit, 0)},
        {-1e300, 2.0, CPoint(-gdi::kDeviceLimit, 20)},
        {inf, -inf, CPoint(gdi::kDeviceLimit, -gdi::kDeviceLimit)},
        {1e-300, 6.4e-314, CPoint(0, 0)},
        {nan, 1.0, CPoint(gdi::kNowhere, gdi::kNowhere)},
        {1.0, nan, CPoint(gdi::kNowhere, gdi::kNowhere)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(map.LU(c.x, c.y), c.expected) << c.x << ", " << c.y;
    EXPECT_TRUE(gdi::isNowhere(gdi::kNowhere + 3 * gdi::kDeviceLimit));
    EXPECT_FALSE(gdi::isNowhere(-gdi::kDeviceLimit));
    EXPECT_FALSE(gdi::isNowhere(INT_MIN));
}

TEST(AMapC2L, AWorldOfNoNumberOrNoSizeSetsNoMap) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const omRect& world : {omRect(-inf, 1, inf, -1), omRect(nan, 1, 2, -1), omRect(0, 4.9e-324, 4.9e-324, 0),
                                omRect(-1e308, 1e308, 1e308, -1e308)}) {
        AMapC2L map;
        map.SetTotalCU(world);
        EXPECT_FALSE(map.SetMap_tc_tl(CRect(0, 0, 100, -100), C, C)) << world.left << " " << world.top;
        EXPECT_EQ(map.LU(1.0, 1.0), CPoint(0, 0)) << "the map stays unset";
    }
}
