#include "platform/ui/CView.h"

#include "UiTestSupport.h"

#include "platform/gdi/CDC.h"
#include "platform/ui/CFrameWnd.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A page of 100 mm by 200 mm in 0.1 mm units, y upwards, with a mark at its corner.
class CPageView : public CScrollView {
    DECLARE_DYNCREATE(CPageView)
public:
    CPoint lastOrigin;
    std::vector<UINT> vscrolls;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override {
        vscrolls.push_back(nSBCode);
        CScrollView::OnVScroll(nSBCode, nPos, pScrollBar);
    }
    void OnInitialUpdate() override { SetScrollSizes(MM_LOMETRIC, CSize(1000, 2000)); }
    void OnDraw(CDC* pDC) override {
        lastOrigin = pDC->GetViewportOrg();
        pDC->FillSolidRect(0, 0, 100, -100, RGB(255, 0, 0));
    }
};
IMPLEMENT_DYNCREATE(CPageView, CScrollView)

class CScrollViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = OpenViewFrame(RUNTIME_CLASS(CPageView), "Page", CRect(0, 0, 300, 200));
        ASSERT_NE(frame, nullptr);
        view = static_cast<CPageView*>(frame->GetActiveView());
        ASSERT_NE(view, nullptr);
        ProcessEvents();
        dpi = view->GetInputWidget()->logicalDpiY();
    }
    void TearDown() override {
        frame->DestroyWindow();
        ProcessEvents();
    }
    CFrameWnd* frame = nullptr;
    CPageView* view = nullptr;
    int dpi = 96;
};

TEST_F(CScrollViewTest, SizesInTenthsOfAMillimetreBecomeDevicePixels) {
    int mode = 0;
    SIZE total, page, line;
    view->GetDeviceScrollSizes(mode, total, page, line);
    EXPECT_EQ(mode, MM_LOMETRIC);
    EXPECT_EQ(total.cy, (2000 * dpi + 127) / 254);
    EXPECT_EQ(page.cy, total.cy / 10);
    EXPECT_EQ(line.cy, page.cy / 10);
    EXPECT_EQ(view->GetTotalSize(), CSize(1000, 2000));
}

TEST_F(CScrollViewTest, ScrollPositionIsLogicalWithYDownwardsNegative) {
    EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 0));
    // An inch down is dpi pixels down.
    view->ScrollToPosition(CPoint(0, -254));
    EXPECT_EQ(view->GetDeviceScrollPosition(), CPoint(0, dpi));
    EXPECT_EQ(view->GetScrollPosition(), CPoint(0, -254));

    int mode = 0;
    SIZE total, page, line;
    view->GetDeviceScrollSizes(mode, total, page, line);
    EXPECT_TRUE(view->OnScroll(0xFF | (SB_LINEDOWN << 8), 0));
    EXPECT_EQ(view->GetDeviceScrollPosition().y, dpi + line.cy);
    view->SendMessage(WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(view->GetDeviceScrollPosition().y, 0);
    EXPECT_FALSE(view->OnScroll(0xFF | (SB_LINEUP << 8), 0)) << "nothing above the top";
    view->SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    const int bottom = view->GetScrollArea()->verticalScrollBar()->maximum();
    EXPECT_GT(bottom, 0);
    EXPECT_EQ(view->GetDeviceScrollPosition().y, bottom);
    view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(view->GetDeviceScrollPosition().y, bottom - 3 * line.cy);
}

TEST_F(CScrollViewTest, DrawingIsMappedAndMovedByTheScrollPosition) {
    // Five millimetres down: the red square, ten wide, shows its lower half at the top.
    view->ScrollToPosition(CPoint(0, -50));
    const int scrolled = (50 * dpi + 127) / 254;
    const int side = (100 * dpi + 127) / 254;
    QImage image = view->GetInputWidget()->grab().toImage();
    EXPECT_EQ(QColor(image.pixel(side / 2, 1)), QColor(Qt::red)) << "the picture moved by the scroll";
    // Drawn anew at the scrolled position, OnDraw sees the scroll in its mapping.
    view->Invalidate();
    image = view->GetInputWidget()->grab().toImage();
    EXPECT_EQ(view->lastOrigin, CPoint(0, -scrolled));
    EXPECT_EQ(QColor(image.pixel(side / 2, 1)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(side / 2, side - scrolled - 2)), QColor(Qt::red));
    EXPECT_NE(QColor(image.pixel(side / 2, side - scrolled + 2)), QColor(Qt::red));
}

} // namespace

namespace {

TEST_F(CScrollViewTest, TheUsersClickOnTheArrowScrollsByALineThroughTheScrollMessages) {
    frame->ShowWindow(SW_SHOWNORMAL);
    ProcessEvents();
    QScrollBar* bar = view->GetScrollArea()->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    int mode = 0;
    SIZE total, page, line;
    view->GetDeviceScrollSizes(mode, total, page, line);
    // The arrow at the bar's lower end.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 3));
    EXPECT_EQ(view->vscrolls, std::vector<UINT>({SB_LINEDOWN}));
    EXPECT_EQ(view->GetDeviceScrollPosition().y, line.cy);
    EXPECT_EQ(bar->sliderPosition(), line.cy);
}

} // namespace
