#include "platform/core/CRect.h"
#include "platform/core/COLORREF.h"

#include <gtest/gtest.h>

TEST(CRect, RightAndBottomEdgesAreOutside) {
    CRect r(0, 0, 10, 5);
    EXPECT_EQ(r.Width(), 10);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(r.PtInRect(CPoint(9, 4)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 4)));
    EXPECT_FALSE(r.PtInRect(CPoint(9, 5)));
}

TEST(CRect, InvertedRectanglesAreEmptyUntilNormalised) {
    CRect r(10, 8, 2, 3);
    EXPECT_EQ(r.Width(), -8);
    EXPECT_TRUE(r.IsRectEmpty());
    r.NormalizeRect();
    EXPECT_EQ(r, CRect(2, 3, 10, 8));
    EXPECT_FALSE(r.IsRectEmpty());
}

TEST(CRect, IntersectAndUnion) {
    CRect a(0, 0, 10, 10), b(5, 5, 20, 20), c(30, 30, 40, 40), empty;
    EXPECT_EQ(a & b, CRect(5, 5, 10, 10));
    CRect r;
    EXPECT_FALSE(r.IntersectRect(a, c));
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_EQ(a | b, CRect(0, 0, 20, 20));
    EXPECT_EQ(a | empty, a); // empty operands do not stretch the union
    CRect touching(10, 0, 20, 10);
    EXPECT_FALSE(r.IntersectRect(a, touching));
}

TEST(CRect, InflateOffsetMove) {
    CRect r(1, 2, 3, 4);
    r.InflateRect(1, 2);
    EXPECT_EQ(r, CRect(0, 0, 4, 6));
    r.OffsetRect(CPoint(10, 20));
    EXPECT_EQ(r, CRect(10, 20, 14, 26));
    r.MoveToXY(0, 0);
    EXPECT_EQ(r, CRect(0, 0, 4, 6));
    EXPECT_EQ(r.CenterPoint(), CPoint(2, 3));
    EXPECT_EQ(CPoint(5, 5) - CPoint(2, 1), CSize(3, 4));
}

TEST(COLORREF, ChannelsSitAs0x00BBGGRR) {
    static_assert(RGB(0x12, 0x34, 0x56) == 0x00563412u);
    EXPECT_EQ(GetRValue(RGB(1, 2, 3)), 1);
    EXPECT_EQ(GetGValue(RGB(1, 2, 3)), 2);
    EXPECT_EQ(GetBValue(RGB(1, 2, 3)), 3);
}
