#include "platform/ui/CControlBar.h"

#include "SketchAppTest.h"
#include "UiTestSupport.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CStatusBar.h"

#include <QDockWidget>
#include <QEventLoop>
#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace sketch;

namespace {

constexpr UINT kDockId = 116;

// A docking window with a child window that fills its inside, as the project window does.
class CTreeBar : public SECControlBar {
public:
    CWnd m_inner;
    int sizes = 0;
    int OnCreate(LPCREATESTRUCT) override {
        return m_inner.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 10, 10), this, 0xE900) ? 0 : -1;
    }
    void OnSize(UINT, int cx, int cy) override {
        ++sizes;
        m_inner.MoveWindow(0, 0, cx, cy);
    }
};

class CControlBarTest : public SketchAppTest {
protected:
};

TEST_F(CControlBarTest, ViewMenuShowsAndHidesTheToolbarWithACheckMark) {
    ASSERT_EQ(frame->GetControlBar(AFX_IDW_TOOLBAR), &frame->m_wndToolBar);
    CTestCmdUI state;
    state.m_nID = ID_VIEW_TOOLBAR;
    state.DoUpdate(frame, TRUE);
    EXPECT_EQ(state.m_nCheck, 1);
    frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR, 0);
    EXPECT_FALSE(frame->m_wndToolBar.IsVisible());
    state.DoUpdate(frame, TRUE);
    EXPECT_EQ(state.m_nCheck, 0);
    frame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR, 0);
    EXPECT_FALSE(frame->m_wndStatusBar.IsVisible());
}

TEST_F(CControlBarTest, SavedBarLayoutComesBack) {
    auto* dock = new CTreeBar;
    ASSERT_TRUE(dock->Create(frame, "Project Workspace", WS_VISIBLE | CBRS_LEFT, 0, kDockId));
    dock->EnableDocking(CBRS_ALIGN_ANY);
    frame->DockControlBar(dock, AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(frame->GetMainWindow()->dockWidgetArea(dock->GetDockWidget()), Qt::RightDockWidgetArea);
    frame->ShowControlBar(&frame->m_wndToolBar, FALSE, FALSE);
    frame->SaveBarState("BarState");

    frame->ShowControlBar(&frame->m_wndToolBar, TRUE, FALSE);
    frame->DockControlBar(dock, AFX_IDW_DOCKBAR_LEFT);
    ASSERT_TRUE(frame->LoadBarState("BarState"));
    EXPECT_FALSE(frame->m_wndToolBar.IsVisible());
    EXPECT_EQ(frame->GetMainWindow()->dockWidgetArea(dock->GetDockWidget()), Qt::RightDockWidgetArea);
    EXPECT_FALSE(frame->LoadBarState("NoSuchState"));
    dock->DestroyWindow();
    delete dock;
}

TEST_F(CControlBarTest, DockingWindowHoldsChildWindowsAndItsCloseButtonOnlyHidesIt) {
    CTreeBar dock;
    ASSERT_TRUE(dock.Create(frame, "Project Workspace", WS_VISIBLE, 0, kDockId));
    EXPECT_EQ(frame->GetControlBar(kDockId), &dock);
    EXPECT_EQ(dock.GetWindowText(), "Project Workspace");
    EXPECT_EQ(dock.GetDockWidget()->windowTitle(), "Project Workspace");
    EXPECT_EQ(dock.m_inner.GetParent(), &dock);
    EXPECT_EQ(dock.GetDlgItem(0xE900), &dock.m_inner);
    dock.GetDockWidget()->resize(200, 300);
    ProcessEvents();
    EXPECT_GT(dock.sizes, 0);
    CRect inner;
    dock.m_inner.GetWindowRect(&inner);
    CRect inside;
    dock.GetClientRect(&inside);
    EXPECT_EQ(inner.Size(), inside.Size());

    dock.GetDockWidget()->close();
    EXPECT_TRUE(dock.IsWindow());
    EXPECT_FALSE(dock.IsVisible());
    dock.DestroyWindow();
    EXPECT_EQ(frame->GetControlBar(kDockId), nullptr);
}

TEST_F(CControlBarTest, StatusBarPanesTakeTheirStringsStylesAndAProgressControl) {
    CStatusBar& bar = frame->m_wndStatusBar;
    EXPECT_EQ(bar.CommandToIndex(ID_INDICATOR_MARK), 1);
    EXPECT_EQ(bar.CommandToIndex(12345), -1);
    UINT id = 0, style = 0;
    int width = 0;
    bar.GetPaneInfo(1, id, style, width);
    EXPECT_EQ(id, ID_INDICATOR_MARK);
    EXPECT_GT(width, 0) << "as wide as the pane's text";
    bar.SetPaneStyle(1, SBPS_DISABLED);
    EXPECT_EQ(bar.GetPaneText(1), " MARK ");
    EXPECT_EQ(bar.GetShownPaneText(1), "");

    // A progress control in pane 0, as the program's progress bar puts it there.
    ProcessEvents();
    UINT id0 = 0, style0 = 0;
    int width0 = 0;
    bar.GetPaneInfo(0, id0, style0, width0);
    bar.SetPaneInfo(0, id0, SBPS_NOBORDERS | SBPS_STRETCH, 10000);
    bar.SetPaneText(0, "Loading Workspaces");
    CRect pane;
    bar.GetItemRect(0, &pane);
    ASSERT_FALSE(pane.IsRectEmpty());
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE | PBS_SMOOTH, pane, &bar, 1));
    EXPECT_EQ(progress.GetParent(), &bar);
    EXPECT_EQ(progress.GetProgressBarWidget()->geometry(),
              QRect(pane.left, pane.top, pane.Width(), pane.Height()));
    progress.SetRange32(0, 3);
    progress.SetStep(1);
    EXPECT_EQ(progress.StepIt(), 0);
    progress.StepIt();
    progress.StepIt();
    EXPECT_EQ(progress.GetPos(), 3);
    EXPECT_EQ(progress.GetProgressBarWidget()->value(), 3);
    progress.StepIt();
    EXPECT_EQ(progress.GetPos(), 0) << "past the end the bar starts again";
    progress.DestroyWindow();
    bar.SetPaneInfo(0, id0, style0, width0);
    frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ(bar.GetPaneText(0), "Ready");
}

TEST_F(CControlBarTest, IdleProcessingRunsByItselfWhenTheEventLoopWaits) {
    QAction* lock = frame->m_wndToolBar.GetButtonAction(frame->m_wndToolBar.CommandToIndex(ID_EDIT_LOCK));
    QAction* mark = frame->m_wndToolBar.GetButtonAction(frame->m_wndToolBar.CommandToIndex(ID_EDIT_MARK));
    // A posted command (as a click makes one) leads to idle processing without anyone asking for it.
    frame->PostMessage(WM_COMMAND, ID_EDIT_LOCK, 0);
    QEventLoop loop;
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(frame->m_bLocked);
    EXPECT_TRUE(lock->isChecked());
    EXPECT_FALSE(mark->isEnabled());
}

} // namespace
