#include "ShellFixture.h"

#include "platform/ui/CCmdUI.h"

#include <QImage>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTreeWidget>
#include <QWidget>

namespace {

class ABaseMDIChildWndTest : public ShellFixture {
protected:
    QIcon tree0Icon() {
        auto* widget = qobject_cast<QTreeWidget*>(frame->projectWnd.trees[0].GetWidget());
        return widget && widget->topLevelItemCount() ? widget->topLevelItem(0)->icon(0) : QIcon();
    }
};

TEST_F(ABaseMDIChildWndTest, TwoFramesOnOneItemAreNumberedAndTheSurvivorLosesItsNumber) {
    TestStructure* s = addNew("Frame1", "");
    ShellItem item(s, "Geometry");
    ShellChildFrame* first = openWindow(s, &item);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetWindowText(), "Frame1 - Geometry");
    ShellChildFrame* second = openWindow(s, nullptr);
    second->InitializeFrame(first);
    EXPECT_EQ(first->GetWindowText(), "Frame1 - Geometry:1");
    EXPECT_EQ(second->GetWindowText(), "Frame1 - Geometry:2");
    first->SendMessage(WM_CLOSE);
    ProcessEvents();
    EXPECT_EQ(item.GetWindows().size(), 1u);
    EXPECT_EQ(second->GetWindowText(), "Frame1 - Geometry");
}

TEST_F(ABaseMDIChildWndTest, BindingListsAFrameOnceLeavesTheOldItemAndIgnoresNull) {
    TestStructure* s = addNew("Frame1", "");
    ShellItem geometry(s, "Geometry");
    ShellItem loads(s, "Loads");
    ShellChildFrame* child = openWindow(s, &geometry);
    child->SetGuiTIWinObject(&geometry);
    EXPECT_EQ(geometry.GetWindows().size(), 1u) << "binding twice lists the frame once";
    EXPECT_EQ(child->GetWindowText(), "Frame1 - Geometry");
    child->SetGuiTIWinObject(&loads);
    EXPECT_TRUE(geometry.GetWindows().empty()) << "the old item lets the frame go";
    EXPECT_EQ(loads.GetWindowListPosition(child->m_hWnd), 1);
    EXPECT_EQ(child->GetWindowText(), "Frame1 - Loads");
    child->SetGuiTIWinObject(nullptr);
    EXPECT_EQ(child->GetGuiTIWinObject(), &loads);
    ShellChildFrame* unbound = openWindow(s, nullptr);
    ShellChildFrame* other = openWindow(s, nullptr);
    other->InitializeFrame(unbound);
    EXPECT_EQ(other->GetGuiTIWinObject(), nullptr) << "a frame made from an unbound frame stays unbound";
}

TEST_F(ABaseMDIChildWndTest, AnItemThatDiesUnbindsItsFramesAndTheirTitlesStay) {
    TestStructure* s = addNew("Frame1", "");
    ShellChildFrame* child = nullptr;
    {
        ShellItem item(s, "Geometry");
        child = openWindow(s, &item);
    }
    EXPECT_EQ(child->GetGuiTIWinObject(), nullptr);
    EXPECT_FALSE(child->IsBound());
    child->SendMessage(WM_CLOSE);
    ProcessEvents();
    EXPECT_TRUE(frame->GetMDIChildren().empty());
}

TEST_F(ABaseMDIChildWndTest, CloseAllWindowsStopsAtAFrameThatRefusesToClose) {
    TestStructure* s = addNew("Frame1", "");
    ShellItem item(s, "Geometry");
    ShellChildFrame* a = openWindow(s, &item);
    ShellChildFrame* b = openWindow(s, &item);
    ShellChildFrame* c = openWindow(s, &item);
    b->refuseClose = true;
    EXPECT_FALSE(item.CloseAllWindows());
    ProcessEvents();
    EXPECT_EQ(b->closeRequests, 1) << "asked once, not again and again";
    EXPECT_EQ(c->closeRequests, 0) << "the loop stops at the refusing frame";
    EXPECT_EQ(item.GetWindows().size(), 2u);
    b->refuseClose = false;
    EXPECT_TRUE(item.CloseAllWindows());
    ProcessEvents();
    EXPECT_FALSE(item.IsWindowOpened());
    (void)a;
}

TEST_F(ABaseMDIChildWndTest, FramesJoinTheActiveWorkspaceOnFirstActivationAndLeaveWhenDestroyed) {
    TestStructure* s = addNew("Frame1", "");
    ShellChildFrame* a = openWindow(s, nullptr);
    EXPECT_EQ(a->GetWorkspace(), workspace(0));
    manager.SetActiveWorkspace(1, true);
    ShellChildFrame* b = openWindow(s, nullptr);
    EXPECT_EQ(b->GetWorkspace(), workspace(1));
    EXPECT_TRUE(workspace(1)->IsInWorkspace(b->m_hWnd));
    EXPECT_FALSE(workspace(0)->IsInWorkspace(b->m_hWnd));
    EXPECT_EQ(manager.GetNumberOfSteps(), 2);
    const HWND handle = b->m_hWnd;
    b->SendMessage(WM_CLOSE);
    ProcessEvents();
    EXPECT_FALSE(workspace(1)->IsInWorkspace(handle));
}

TEST_F(ABaseMDIChildWndTest, SwitchingTabsHidesAndDisablesFramesAndComingBackShowsTheLastMaximised) {
    TestStructure* s = addNew("Frame1", "");
    ShellItem geometry(s, "Geometry");
    ShellItem loads(s, "Loads");
    ShellChildFrame* g1 = openWindow(s, &geometry);
    ShellChildFrame* g2 = openWindow(s, &geometry);
    g2->MDIMaximize();
    ASSERT_TRUE(g2->IsZoomed());
    SECTabWnd* tabs = frame->projectWnd.GetTabWnd();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->GetTabCount(), 2);
    EXPECT_EQ(tabs->GetTabLabel(1), "Loads");

    tabs->ActivateTab(1);
    EXPECT_EQ(manager.GetActiveWorkspace(), workspace(1));
    for (ShellChildFrame* g : {g1, g2}) {
        EXPECT_FALSE(g->IsWindowVisible());
        EXPECT_FALSE(g->IsWindowEnabled());
    }
    ShellChildFrame* l1 = openWindow(s, &loads);
    EXPECT_TRUE(l1->IsZoomed()) << "the first frame of a workspace opens as the last one was left";
    EXPECT_EQ(visibleTitles(), std::vector<std::string>({"Frame1 - Loads"}));

    frame->projectWnd.ActivateWorkspace(0);
    EXPECT_EQ(manager.GetActiveWorkspace(), workspace(0));
    EXPECT_FALSE(l1->IsWindowVisible());
    EXPECT_TRUE(g1->IsWindowVisible() && g1->IsWindowEnabled());
    EXPECT_TRUE(g2->IsZoomed()) << "the last active frame comes back maximised";
    EXPECT_EQ(frame->MDIGetActive(), g2);
    EXPECT_EQ(workspace(0)->GetFrames().back()->m_hWnd, g2->m_hWnd);
}

TEST_F(ABaseMDIChildWndTest, ActivationOrderDecidesWhichFrameComesBackActive) {
    TestStructure* s = addNew("Frame1", "");
    ShellItem item(s, "Geometry");
    ShellChildFrame* a = openWindow(s, &item);
    ShellChildFrame* b = openWindow(s, &item);
    a->MDIActivate();
    EXPECT_EQ(workspace(0)->GetFrames().back()->m_hWnd, a->m_hWnd);
    frame->projectWnd.ActivateWorkspace(1);
    frame->projectWnd.ActivateWorkspace(0);
    EXPECT_EQ(frame->MDIGetActive(), a);
    EXPECT_TRUE(b->IsWindowVisible());
}

TEST_F(ABaseMDIChildWndTest, TheModifiedPaneFollowsTheProject) {
    CResources::Instance();
    EXPECT_EQ(AfxLoadString(ID_INDICATOR_MODIFIED), " MOD ");
    struct Probe : CCmdUI {
        void Enable(BOOL on) override {
            enabled = on;
            m_bEnableChanged = TRUE;
        }
        BOOL enabled = -1;
    };
    Probe probe;
    probe.m_nID = ID_INDICATOR_MODIFIED;
    project->SetModifiedFlag(FALSE);
    frame->OnUpdateModifiedIndicator(&probe);
    EXPECT_FALSE(probe.enabled);
    project->SetModifiedFlag(TRUE);
    frame->OnUpdateModifiedIndicator(&probe);
    EXPECT_TRUE(probe.enabled);
    app.m_pProjectDoc = nullptr;
    frame->OnUpdateModifiedIndicator(&probe);
    EXPECT_FALSE(probe.enabled);
    app.m_pProjectDoc = project;
}

TEST_F(ABaseMDIChildWndTest, ClosingTheProjectEmptiesTheOutputWindow) {
    addNew("Frame1", "");
    project->SetModifiedFlag(FALSE);
    EXPECT_TRUE(project->OnFileCloseProject(TRUE));
    EXPECT_EQ(frame->outputWnd.cleared, 1);
}

} // namespace

namespace {

TEST_F(ABaseMDIChildWndTest, TheShellShowsTheProjectWindowTabsTheOutputAndTheActiveWorkspace) {
    TestStructure* s = addNew("Frame1", "");
    addNew("Beam", "");
    for (ShellTree& tree : frame->projectWnd.trees)
        ASSERT_TRUE(tree.CreateImageList(503));
    frame->projectWnd.AddProject();
    for (ShellTree& tree : frame->projectWnd.trees) {
        tree.UpdateProject();
        tree.ExpandItem(tree.GetProjectItem(), TRUE);
        tree.ExpandItem(tree.GetChildItem(tree.GetProjectItem()), TRUE);
    }
    EXPECT_FALSE(tree0Icon().isNull()) << "the items show the image list's pictures";
    ShellItem geometry(s, "Geometry"), nodes(s, "Nodes"), loads(s, "Loads");
    openWindow(s, &geometry);
    openWindow(s, &nodes);
    frame->projectWnd.ActivateWorkspace(1);
    openWindow(s, &loads);
    frame->projectWnd.ActivateWorkspace(0);
    frame->MDITile(MDITILE_VERTICAL | MDITILE_SKIPDISABLED);
    ProcessEvents();
    SECTabWnd* tabs = frame->projectWnd.GetTabWnd();
    EXPECT_EQ(tabs->GetTabWidget()->iconSize(), QSize(16, 16));
    EXPECT_FALSE(tabs->GetTabWidget()->tabIcon(0).isNull());
    EXPECT_EQ(visibleTitles(), std::vector<std::string>({"Frame1 - Geometry", "Frame1 - Nodes"}));
    const QImage shot = frame->GetWidget()->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QString::fromStdString((ArtifactsFolder() / "framework-shell.png").string())));
}

} // namespace
