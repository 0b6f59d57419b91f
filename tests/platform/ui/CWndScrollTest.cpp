// The scroll bars of a window made with WS_VSCROLL: what the user does on the
// bar arrives as SB_ codes with 32-bit positions, and the bar stands where the
// window puts it.
#include "platform/ui/CWnd.h"

#include "UiTestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kLine = 10;
constexpr UINT kPage = 1000;
constexpr int kLast = 1000000;

// Scrolls as programs do: it moves the bar itself, by a line, a page or to the thumb.
class CListWnd : public CWnd {
public:
    struct Heard {
        UINT code;
        UINT pos;
        bool operator==(const Heard&) const = default;
    };
    std::vector<Heard> heard;

    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*) override {
        heard.push_back({nSBCode, nPos});
        int pos = GetScrollPos(SB_VERT);
        switch (nSBCode) {
        case SB_LINEDOWN:
            pos += kLine;
            break;
        case SB_PAGEDOWN:
            pos += static_cast<int>(kPage);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            pos = static_cast<int>(nPos);
            break;
        default:
            return;
        }
        SetScrollPos(SB_VERT, pos);
    }
};

QRect partOf(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

class CWndScrollTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, "List", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE, 0, 0, 200,
                                 300, nullptr, 0));
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = kLast;
        info.nPage = kPage;
        info.nPos = 0;
        ASSERT_TRUE(wnd.SetScrollInfo(SB_VERT, &info));
        bar = wnd.GetQtScrollBar(SB_VERT);
        ASSERT_NE(bar, nullptr);
        ProcessEvents();
    }
    void TearDown() override {
        wnd.DestroyWindow();
        ProcessEvents();
    }

    CListWnd wnd;
    QScrollBar* bar = nullptr;
};

TEST_F(CWndScrollTest, TheRangeKeepsAPageInViewAndReadsBackAsItWasGiven) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(wnd.GetScrollInfo(SB_VERT, &info));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, kLast);
    EXPECT_EQ(info.nPage, kPage);
    EXPECT_EQ(wnd.GetScrollLimit(SB_VERT), kLast - static_cast<int>(kPage) + 1);
    EXPECT_EQ(wnd.SetScrollPos(SB_VERT, 2 * kLast), 0) << "the previous position comes back";
    EXPECT_EQ(wnd.GetScrollPos(SB_VERT), wnd.GetScrollLimit(SB_VERT)) << "no position past the last page";
    EXPECT_EQ(wnd.GetQtScrollBar(SB_HORZ), wnd.GetQtScrollBar(SB_HORZ));
    EXPECT_TRUE(bar->isVisible());
}

TEST_F(CWndScrollTest, ArrowPageAndThumbArriveAsTheirCodesWith32BitPositions) {
    using Heard = CListWnd::Heard;
    QTest::mouseClick(bar, Qt::LeftButton, {}, partOf(bar, QStyle::SC_ScrollBarAddLine).center());
    EXPECT_EQ(wnd.heard, std::vector<Heard>({{SB_LINEDOWN, 0}}));
    EXPECT_EQ(wnd.GetScrollPos(SB_VERT), kLine) << "the bar stands where the window put it";

    wnd.heard.clear();
    const QRect page = partOf(bar, QStyle::SC_ScrollBarAddPage);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(page.center().x(), page.bottom() - 2));
    EXPECT_EQ(wnd.heard, std::vector<Heard>({{SB_PAGEDOWN, static_cast<UINT>(kLine)}}));
    EXPECT_EQ(wnd.GetScrollPos(SB_VERT), kLine + static_cast<int>(kPage));

    wnd.heard.clear();
    const QPoint thumb = partOf(bar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    // A move with the button held drags the thumb.
    const QPoint to = thumb + QPoint(0, 60);
    QMouseEvent drag(QEvent::MouseMove, QPointF(to), QPointF(bar->mapToGlobal(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &drag);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb + QPoint(0, 60));
    ASSERT_GE(wnd.heard.size(), 3u);
    const Heard track = wnd.heard[wnd.heard.size() - 3];
    EXPECT_EQ(track.code, SB_THUMBTRACK);
    EXPECT_GT(track.pos, 0xFFFFu) << "a position past 16 bits arrives whole";
    EXPECT_EQ(wnd.heard[wnd.heard.size() - 2], (Heard{SB_THUMBPOSITION, track.pos}));
    EXPECT_EQ(wnd.heard.back().code, SB_ENDSCROLL);
    EXPECT_EQ(wnd.GetScrollPos(SB_VERT), static_cast<int>(track.pos));
    SCROLLINFO info;
    info.fMask = SIF_TRACKPOS;
    ASSERT_TRUE(wnd.GetScrollInfo(SB_VERT, &info));
    EXPECT_EQ(info.nTrackPos, static_cast<int>(track.pos));
}

TEST_F(CWndScrollTest, AWindowThatDoesNotScrollKeepsItsBarWhereItWas) {
    class CStillWnd : public CWnd {
    public:
        int heard = 0;
        void OnVScroll(UINT, UINT, CScrollBar*) override { ++heard; }
    } still;
    ASSERT_TRUE(still.CreateEx(0, nullptr, "Still", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE, 0, 0, 200,
                               300, nullptr, 0));
    still.SetScrollRange(SB_VERT, 0, 500);
    still.SetScrollPos(SB_VERT, 100);
    QScrollBar* stillBar = still.GetQtScrollBar(SB_VERT);
    ASSERT_NE(stillBar, nullptr);
    QTest::mouseClick(stillBar, Qt::LeftButton, {}, partOf(stillBar, QStyle::SC_ScrollBarAddLine).center());
    EXPECT_EQ(still.heard, 1);
    EXPECT_EQ(still.GetScrollPos(SB_VERT), 100);
    EXPECT_EQ(stillBar->sliderPosition(), 100);
    still.DestroyWindow();
}

} // namespace
