#include "common/omMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

TEST(omMath, DigitsPutsTheValueBetweenATenthAndOne) {
    const std::pair<double, int> cases[] = {
        {1.0, 1},   {9.99, 1},   {10.0, 2}, {1000.0, 4},    {0.5, 0}, {0.1, 0},
        {0.05, -1}, {0.001, -2}, {-250, 3}, {1e-300, -299}, {0.0, 0},
    };
    for (const auto& [x, p] : cases)
        EXPECT_EQ(digits(x), p) << x;
    EXPECT_EQ(digits(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(digits(std::numeric_limits<double>::quiet_NaN()), 0);
    // Powers of ten and their neighbours land on the right decade.
    for (int e = -20; e <= 20; ++e) {
        for (double m : {1.0, 0.999999999, 1.000000001, 3.3}) {
            const double x = m * std::pow(10.0, e);
            const double q = x / std::pow(10.0, digits(x));
            EXPECT_GE(q, 0.1 * (1 - 1e-15)) << x;
            EXPECT_LT(q, 1.0) << x;
        }
    }
}

TEST(omMath, SnapRoundsToMultiplesOfTheStep) {
    const std::tuple<double, double, double> cases[] = {
        {0.3, 0.1, 0.3},    {0.123456, 0.001, 0.123}, {7.4, 2.5, 7.5},  {-7.4, 2.5, -7.5},  {1.25, 0.5, 1.5},
        {-1.25, 0.5, -1.5}, {12.0, 0, 12.0},          {12.0, -1, 12.0}, {0.35, 0.01, 0.35},
    };
    for (const auto& [value, step, snapped] : cases)
        EXPECT_EQ(omSnap(value, step), snapped) << value << " " << step;
}

TEST(omMath, SmallHelpers) {
    EXPECT_EQ(sgn(-0.1), -1);
    EXPECT_EQ(sgn(0.0), 0);
    EXPECT_EQ(sgn(3.0), 1);
    EXPECT_DOUBLE_EQ(deg(std::numbers::pi), 180.0);
    EXPECT_DOUBLE_EQ(rad(90.0), std::numbers::pi / 2);
    EXPECT_TRUE(equal(1.0, 1.5, 0.5));
    EXPECT_TRUE(equal(1.5, 1.0, 0.5));
    EXPECT_FALSE(equal(1.0, 1.5, 0.25));
    EXPECT_DOUBLE_EQ(interpolate(0, 10, 2, 20, 1), 15.0);
    EXPECT_DOUBLE_EQ(interpolate(0, 10, 2, 20, 4), 30.0);
    EXPECT_EQ(interpolate(1, 10, 1, 20, 1), 10.0);
}

TEST(omMath, RotateTurnsCounterClockwise) {
    double x = 1, y = 0;
    omRotate(x, y, std::numbers::pi / 2);
    EXPECT_NEAR(x, 0.0, 1e-15);
    EXPECT_NEAR(y, 1.0, 1e-15);
    omRotate(x, y, std::numbers::pi);
    EXPECT_NEAR(x, 0.0, 1e-15);
    EXPECT_NEAR(y, -1.0, 1e-15);
}

TEST(omMath, SuggestMinMaxOutsideWidensToTheGrid) {
    double lo = 0.35, hi = 2.01;
    omSuggestMinMaxOutside(0.5, lo, hi);
    EXPECT_EQ(lo, 0.0);
    EXPECT_EQ(hi, 2.5);
    lo = -0.3, hi = 0.3;
    omSuggestMinMaxOutside(0.1, lo, hi);
    EXPECT_EQ(lo, -0.3);
    EXPECT_EQ(hi, 0.3);
    lo = 1, hi = 2;
    omSuggestMinMaxOutside(0, lo, hi);
    EXPECT_EQ(lo, 1.0);
    EXPECT_EQ(hi, 2.0);
}

TEST(omMath, PenWidthInLogicalUnits) {
    // Ten logical units per millimetre: 10 points are 3.53 mm.
    EXPECT_EQ(GuiPTS10toMM(10.0, 100), 35);
    EXPECT_EQ(GuiPTS10toMM(10.0, 0), 0);
}
