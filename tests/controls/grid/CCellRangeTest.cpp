#include "controls/grid/CCellRange.h"

#include <gtest/gtest.h>

TEST(CCellRangeTest, RangesKnowTheirBoundsAndIntersect) {
    const CCellRange r(1, 2, 3, 5);
    EXPECT_TRUE(r.IsValid());
    EXPECT_EQ(r.GetRowSpan(), 3);
    EXPECT_EQ(r.GetColSpan(), 4);
    EXPECT_EQ(r.Count(), 12);
    EXPECT_TRUE(r.InRange(3, 5));
    EXPECT_FALSE(r.InRange(4, 5));
    EXPECT_EQ(r.GetTopLeft(), CCellID(1, 2));
    EXPECT_EQ(r.Intersect(CCellRange(2, 0, 9, 3)), CCellRange(2, 2, 3, 3));
    EXPECT_FALSE(CCellRange().IsValid());
    EXPECT_FALSE(CCellRange(3, 0, 2, 0).IsValid());
}
