#include "app/views/AProgressBar.h"

#include "ViewHostFixture.h"

#include <QProgressBar>
#include <QFontMetrics>
#include <QStatusBar>

using namespace viewhost;

namespace {

class AProgressBarTest : public ViewHostTest {};

TEST_F(AProgressBarTest, SitsInPaneZeroRightOfItsPromptAndGivesThePaneBack) {
    UINT id0 = 0, style0 = 0;
    int width0 = 0;
    StatusBar().GetPaneInfo(0, id0, style0, width0);
    const int cursors = AfxGetWaitCursorCount();
    {
        AProgressBar bar("Solving load cases", 20, 4, true, 0, true);
        ASSERT_TRUE(bar.IsWindow());
        Pump();
        EXPECT_EQ(bar.GetParent(), &StatusBar());
        EXPECT_EQ(StatusBar().GetPaneText(0), "Solving load cases");
        EXPECT_EQ(AfxGetWaitCursorCount(), cursors + 1);
        UINT id = 0, style = 0;
        int width = 0;
        StatusBar().GetPaneInfo(0, id, style, width);
        EXPECT_EQ(style, SBPS_NOBORDERS | SBPS_STRETCH);

        CRect pane;
        StatusBar().GetItemRect(0, &pane);
        const int textWidth =
            QFontMetrics(StatusBar().GetWidget()->font()).horizontalAdvance("Solving load cases");
        const QRect geometry = bar.GetProgressBarWidget()->geometry();
        EXPECT_EQ(geometry.left(), pane.left + textWidth) << "right of the prompt";
        EXPECT_EQ(geometry.width(), (pane.Width() - textWidth) * 20 / 100);
        EXPECT_EQ(geometry.top(), pane.top + pane.Height() / 10);
        EXPECT_EQ(geometry.bottom() + 1, pane.bottom - pane.Height() / 10);

        EXPECT_TRUE(bar.StepIt());
        bar.StepIt();
        EXPECT_EQ(bar.GetPos(), 2);
        int lower = -1, upper = -1;
        bar.GetRange(lower, upper);
        EXPECT_EQ(lower, 0);
        EXPECT_EQ(upper, 4);
    }
    EXPECT_EQ(StatusBar().GetPaneText(0), "Ready");
    EXPECT_EQ(AfxGetWaitCursorCount(), cursors);
    UINT id = 0, style = 0;
    int width = 0;
    StatusBar().GetPaneInfo(0, id, style, width);
    EXPECT_EQ(id, id0);
    EXPECT_EQ(style, style0);
    EXPECT_EQ(width, width0);
}

TEST_F(AProgressBarTest, AnEmptyPromptLeavesTheControlAtThePanesLeftEdge) {
    AProgressBar bar("", 20, 10);
    ASSERT_TRUE(bar.IsWindow());
    CRect pane;
    StatusBar().GetItemRect(0, &pane);
    EXPECT_EQ(bar.GetProgressBarWidget()->geometry().left(), pane.left);
}

TEST_F(AProgressBarTest, WithoutAStatusBarNothingIsCreatedAndSteppingDoesNothing) {
    CWnd* main = app->m_pMainWnd;
    app->m_pMainWnd = nullptr;
    const int cursors = AfxGetWaitCursorCount();
    {
        AProgressBar bar("Loading Workspaces", 20, 3);
        EXPECT_FALSE(bar.IsWindow());
        EXPECT_FALSE(bar.StepIt());
        EXPECT_FALSE(bar.SetRange(0, 5, 1));
        EXPECT_EQ(AfxGetWaitCursorCount(), cursors);
    }
    EXPECT_EQ(AfxGetWaitCursorCount(), cursors);
    app->m_pMainWnd = main;
}

} // namespace
