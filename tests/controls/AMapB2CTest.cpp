#include "controls/AMapB2C.h"

#include <cmath>

#include <gtest/gtest.h>

TEST(AMapB2C, RefusesAZeroLengthOrAZeroLargestValue) {
    AMapB2C map;
    EXPECT_FALSE(map.SetMap(100, 0, false, false)); // no value seen yet
    map.CheckMaxBU(-40);
    map.CheckMaxBU(25);
    EXPECT_DOUBLE_EQ(map.GetMaxBU(), 40);
    EXPECT_FALSE(map.SetMap(0, 0, false, false));
    EXPECT_TRUE(map.SetMap(100, 0, false, false));
}

TEST(AMapB2C, LinearMapsTheLargestMagnitudeToTheLength) {
    AMapB2C map;
    map.CheckMaxBU(-50);
    ASSERT_TRUE(map.SetMap(200, 0, false, false));
    EXPECT_DOUBLE_EQ(map.CU(-50), -200);
    EXPECT_DOUBLE_EQ(map.CU(25), 100);
    EXPECT_DOUBLE_EQ(map.BU(100), 25);
}

TEST(AMapB2C, LogarithmicLengthsTurnBackIntoTheirValues) {
    AMapB2C map;
    map.CheckMaxBU(1000);
    ASSERT_TRUE(map.SetMap(300, 0, true, false));
    EXPECT_NEAR(map.CU(1000), 300, 1e-9);
    for (double v : {-1000.0, -12.5, -0.1, 0.0, 0.3, 7.0, 999.0}) {
        EXPECT_NEAR(map.CU(v), (v < 0 ? -1 : 1) * std::log(std::fabs(v) + 1) * 300 / std::log(1001.0), 1e-9);
        EXPECT_NEAR(map.BU(map.CU(v)), v, 1e-9 * (1 + std::fabs(v))) << v;
    }
}

TEST(AMapB2C, MinimumEffectRaisesShortLengthsAndKeepsTheirSign) {
    AMapB2C map;
    map.CheckMaxBU(100);
    ASSERT_TRUE(map.SetMap(100, 5, false, true));
    EXPECT_DOUBLE_EQ(map.CU(0.01), 5);
    EXPECT_DOUBLE_EQ(map.CU(-0.01), -5); // a small negative moment stays negative
    EXPECT_DOUBLE_EQ(map.CU(0), 0);
    EXPECT_DOUBLE_EQ(map.CU(-30), -30);
    map.EnableMinEffect(false);
    EXPECT_DOUBLE_EQ(map.CU(0.01), 0.01);

    map.EnableLogMap(true);
    map.EnableMinEffect(true);
    ASSERT_TRUE(map.SetMap());
    EXPECT_DOUBLE_EQ(map.CU(-0.001), -5);
}
