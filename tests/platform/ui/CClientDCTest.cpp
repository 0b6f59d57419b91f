#include "platform/ui/CClientDC.h"

#include "UiTestSupport.h"

#include "platform/ui/CWnd.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

class CClientDCTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            wnd.CreateEx(0, nullptr, "W", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, 0));
    }
    void TearDown() override {
        wnd.DestroyWindow();
        ProcessEvents();
    }
    CWnd wnd;
};

TEST_F(CClientDCTest, MeasuresTextOutsideThePaintEventAsTheWindowsDevice) {
    CClientDC dc(&wnd);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), wnd.GetInputWidget()->logicalDpiY());
    const CSize one = dc.GetTextExtent("M");
    const CSize three = dc.GetTextExtent("MMM");
    EXPECT_GT(one.cx, 0);
    EXPECT_GT(one.cy, 0);
    EXPECT_GT(three.cx, 2 * one.cx);
    TEXTMETRIC metrics{};
    EXPECT_TRUE(dc.GetTextMetrics(&metrics));
    EXPECT_EQ(metrics.tmHeight, one.cy);
    CRect box(0, 0, 0, 0);
    dc.DrawText("MMM", &box, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(box.Width(), three.cx) << "measuring with DrawText is no drawing";
}

TEST_F(CClientDCTest, DrawingOutsideThePaintEventFailsLoudly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    CClientDC dc(&wnd);
    CRect box(0, 0, 10, 10);
    EXPECT_DEBUG_DEATH(dc.LineTo(5, 5), "paint event");
    EXPECT_DEBUG_DEATH(dc.TextOut(0, 0, "x"), "paint event");
    EXPECT_DEBUG_DEATH(dc.FillSolidRect(&box, RGB(1, 2, 3)), "paint event");
    EXPECT_DEBUG_DEATH(dc.DrawText("x", &box, DT_SINGLELINE), "paint event");
}

} // namespace
