#include "common/omRect.h"

#include <gtest/gtest.h>

TEST(omRect, NormalizeOrdersTheEdges) {
    omRect r(5, 4, 1, 2);
    r.normalize();
    EXPECT_EQ(r, omRect(1, 2, 5, 4));
    EXPECT_EQ(omRect(1, 2, 5, 4).normalized(), omRect(1, 2, 5, 4));
}

TEST(omRect, UnionGrowsAndIgnoresNullRectangles) {
    omRect r;
    r.Union(omRect(1, 1, 2, 2));
    EXPECT_EQ(r, omRect(1, 1, 2, 2)); // a null rectangle takes the other
    r.Union(omRect());
    EXPECT_EQ(r, omRect(1, 1, 2, 2));
    r.Union(omRect(5, 0, 3, -1)); // inverted operands count by their extent
    EXPECT_EQ(r, omRect(1, -1, 5, 2));

    // A world rectangle with the y axis up stays so as it grows.
    omRect up(0, 10, 10, 0);
    up.Union(omRect(-2, 3, 4, 12));
    EXPECT_EQ(up, omRect(-2, 12, 10, 0));
    up.Union(5, -1);
    EXPECT_EQ(up, omRect(-2, 12, 10, -1));

    omRect p;
    p.Union(3, 4);
    EXPECT_EQ(p, omRect(3, 4, 3, 4));
    p.Union(-1, 6);
    EXPECT_EQ(p, omRect(-1, 4, 3, 6));
    p.Union(omPoint(0, 5));
    EXPECT_EQ(p, omRect(-1, 4, 3, 6));
    p.Union(0, 0); // the origin is a point like any other
    EXPECT_EQ(p, omRect(-1, 0, 3, 6));
}

TEST(omRect, IntersectAndMeet) {
    omRect r;
    EXPECT_TRUE(r.intersect(omRect(0, 0, 4, 4), omRect(2, 3, 6, 8)));
    EXPECT_EQ(r, omRect(2, 3, 4, 4));
    EXPECT_TRUE(r.intersect(omRect(0, 0, 4, 4), omRect(4, 4, 6, 6))); // touching corners
    EXPECT_EQ(r, omRect(4, 4, 4, 4));
    EXPECT_TRUE(r.intersect(omRect(0, 4, 4, 0), omRect(2, 3, 6, 8)));
    EXPECT_EQ(r, omRect(2, 4, 4, 3)); // oriented as the first
    EXPECT_FALSE(r.intersect(omRect(0, 0, 4, 4), omRect(5, 0, 6, 4)));
    EXPECT_TRUE(r.isRectNull());
    // A point-sized rectangle (a node) meets the window around it.
    EXPECT_TRUE(omRect(0, 10, 10, 0).meets(omRect(5, 5, 5, 5)));
}

TEST(omRect, ShrinkScalesAboutTheCentre) {
    omRect r(0, 0, 4, 2);
    r.shrink(2);
    EXPECT_EQ(r, omRect(1, 0.5, 3, 1.5));
    r.shrink(0.5);
    EXPECT_EQ(r, omRect(0, 0, 4, 2));
    r.shrink(0);
    r.shrink(-1);
    EXPECT_EQ(r, omRect(0, 0, 4, 2));
}

TEST(omRect, LiesInAsksWhetherTheArgumentIsInside) {
    const omRect window(0, 0, 10, 10);
    EXPECT_TRUE(window.liesIn(omRect(1, 1, 9, 9)));
    EXPECT_TRUE(window.liesIn(omRect(0, 0, 10, 10)));
    EXPECT_TRUE(window.liesIn(omRect(9, 9, 1, 1)));
    EXPECT_FALSE(window.liesIn(omRect(5, 5, 11, 6)));
    EXPECT_TRUE(omRect(10, 10, 0, 0).liesIn(omRect(2, 2, 3, 3)));
    EXPECT_TRUE(window.contains(10, 0));
    EXPECT_FALSE(window.contains(10.5, 0));
}

TEST(omRect, EmptyAndNull) {
    EXPECT_TRUE(omRect().isRectNull());
    EXPECT_TRUE(omRect().isRectEmpty());
    EXPECT_TRUE(omRect(1, 1, 1, 5).isRectEmpty());
    EXPECT_FALSE(omRect(1, 1, 1, 5).isRectNull());
    EXPECT_FALSE(omRect(0, 5, 3, 1).isRectEmpty()); // y up is not empty
}
