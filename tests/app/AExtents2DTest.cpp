#include "app/views/AExtents2D.h"

#include "SettingsFixture.h"

namespace {

class AExtents2DTest : public SettingsFixture {};

void expectRect(const omRect& r, double l, double t, double rt, double b) {
    EXPECT_NEAR(r.left, l, 1e-12);
    EXPECT_NEAR(r.top, t, 1e-12);
    EXPECT_NEAR(r.right, rt, 1e-12);
    EXPECT_NEAR(r.bottom, b, 1e-12);
}

TEST_F(AExtents2DTest, AddPointGrowsTheNodeRectangleAndTheExtents) {
    AExtents2D e;
    EXPECT_FALSE(e.AddPoint(0.0, 0.0));
    expectRect(e.m_nodeRect, 0, -0.00001, 0, -0.00001);
    EXPECT_FALSE(e.AddPoint(0.0, -0.00001)) << "inside";
    EXPECT_TRUE(e.AddPoint(4.0, -0.00001));
    expectRect(e.m_nodeRect, 0, -0.00001, 4, -0.00001);
    EXPECT_TRUE(e.AddPoint(2.0, 3.0));
    EXPECT_TRUE(e.AddPoint(-1.0, -2.0));
    expectRect(e.m_nodeRect, -1, -2, 4, 3);
    EXPECT_FALSE(e.AddPoint(1.0, 1.0));
    expectRect(e.m_nodeRect, -1, -2, 4, 3);
    // The extent values grow in metres; they started at 0 cm.
    EXPECT_DOUBLE_EQ(e.left.Get(omUK_m), -1.0);
    EXPECT_DOUBLE_EQ(e.right.Get(omUK_m), 4.0);
    EXPECT_DOUBLE_EQ(e.top.Get(omUK_m), -2.0);
    EXPECT_DOUBLE_EQ(e.bottom.Get(omUK_m), 3.0);
}

TEST_F(AExtents2DTest, TheFirstPointOfEmptyExtentsIsNoGrowth) {
    AExtents2D e;
    EXPECT_FALSE(e.AddPoint(5.0, 2.0));
    expectRect(e.m_nodeRect, 5, 2, 5, 2);
    // The user's extents keep their 0 cm where the point lies beyond them.
    EXPECT_DOUBLE_EQ(e.left.Get(omUK_m), 0.0);
    EXPECT_DOUBLE_EQ(e.right.Get(omUK_m), 5.0);
}

TEST_F(AExtents2DTest, TheDrawingRectangleHasTheMarginOfItsMode) {
    AExtents2D e;
    e.left.Set(-2.0, omUK_m);
    e.right.Set(800.0, omUK_cm);
    e.top.Set(-1.0, omUK_m);
    e.bottom.Set(5.0, omUK_m);
    e.AddPoint(0.0, 1.0);
    e.AddPoint(6.0, 4.0);
    const double s = 0.3, d = 12 * 0.3;
    const struct {
        int mode;
        double length;
        omRect source;
        double margin;
    } cases[] = {
        {0, 0, {-2, -1, 8, 5}, 3 * s}, // the user's extents, not the nodes
        {1, 0, {0, 1, 6, 4}, 9 * s},
        {2, 0, {0, 1, 6, 4}, 3 * s + d},
        {3, 0, {0, 1, 6, 4}, 2 * s},
        {4, 0, {0, 1, 6, 4}, 5 * s},
        // A displaced shape whose hundredth is small against both fifths: as mode 2.
        {5, 10.0, {0, 1, 6, 4}, 3 * s + d},
        // Its hundredth (1.5) is more than a fifth of the height and 3 s is less.
        {5, 150.0, {0, 1, 6, 4}, 0.71 * 1.5 + s},
        {6, 0, {0, 1, 6, 4}, 0},
        {-1, 0, {0, 1, 6, 4}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        omRect r;
        e.GetExtentsRect(r, omUK_m, c.mode, c.length);
        expectRect(r, c.source.left - c.margin, c.source.top - c.margin, c.source.right + c.margin,
                   c.source.bottom + c.margin);
    }
    omRect cm;
    e.GetExtentsRect(cm, omUK_cm, 3, 0);
    expectRect(cm, -60, 40, 660, 460);
}

TEST_F(AExtents2DTest, ACopyTakesTheValuesAndTheRectangle) {
    AExtents2D e;
    e.AddPoint(1, 2);
    e.AddPoint(3, 4);
    AExtents2D copy;
    copy = e;
    expectRect(copy.m_nodeRect, 1, 2, 3, 4);
    EXPECT_EQ(copy.right, e.right);
    e.AddPoint(10, 10);
    EXPECT_DOUBLE_EQ(copy.m_nodeRect.right, 3);
}

} // namespace
