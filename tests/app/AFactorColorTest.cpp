#include "app/design/AFactorColor.h"

#include <gtest/gtest.h>

TEST(FactorColorTest, UtilisationBandsFromReserveToExceeded) {
    const struct {
        double factor;
        COLORREF colour;
    } cases[] = {
        {0.0, RGB(135, 206, 250)},  {0.4999, RGB(135, 206, 250)}, {0.5, RGB(50, 205, 50)},
        {0.6999, RGB(50, 205, 50)}, {0.7, RGB(255, 215, 0)},      {0.9, RGB(255, 165, 0)},
        {0.9999, RGB(255, 165, 0)}, {1.0, RGB(255, 0, 0)},        {10.0, RGB(255, 0, 0)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetFactorColor(c.factor), c.colour) << c.factor;
}
