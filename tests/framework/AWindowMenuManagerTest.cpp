#include "ShellFixture.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CMenu.h"

#include <QAction>
#include <QMenu>
#include <QTest>

namespace {

class AWindowMenuManagerTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        structure = addNew("Frame1", "");
    }
    // n windows, each on its own item "W0", "W1", ...
    std::vector<ShellChildFrame*> openWindows(int n) {
        std::vector<ShellChildFrame*> frames;
        for (int i = 0; i < n; ++i) {
            items.push_back(std::make_unique<ShellItem>(structure, "W" + std::to_string(items.size())));
            frames.push_back(openWindow(structure, items.back().get()));
        }
        // The menu bar shows the active window's menu.
        windowMenu = frame->GetMenu()->GetSubMenu(1);
        return frames;
    }
    // The window entries of the Window menu, as "text" with "*" for the checked one.
    std::vector<std::string> entries() {
        std::vector<std::string> texts;
        for (QAction* action : windowMenu->GetQMenu()->actions())
            if (action->data().toUInt() >= AFX_IDM_FIRST_MDICHILD)
                texts.push_back(action->text().toStdString() + (action->isChecked() ? "*" : ""));
        return texts;
    }
    bool enabled(UINT id) {
        struct Probe : CCmdUI {
            void Enable(BOOL on) override {
                state = on;
                CCmdUI::Enable(on);
            }
            BOOL state = -1;
        } probe;
        probe.m_nID = id;
        probe.DoUpdate(frame, TRUE);
        return probe.state == TRUE;
    }
    void command(UINT id) { frame->SendMessage(WM_COMMAND, id, 0); }

    TestStructure* structure = nullptr;
    CMenu* windowMenu = nullptr;
    std::vector<std::unique_ptr<ShellItem>> items;
};

TEST_F(AWindowMenuManagerTest, TwelveWindowsListNineAndTheActiveOneTakesTheLastPlace) {
    openWindows(12);
    frame->windowMenu.LoadWindowMenu(windowMenu);
    EXPECT_EQ(entries(), std::vector<std::string>({"&1 Frame1 - W0", "&2 Frame1 - W1", "&3 Frame1 - W2",
                                                   "&4 Frame1 - W3", "&5 Frame1 - W4", "&6 Frame1 - W5",
                                                   "&7 Frame1 - W6", "&8 Frame1 - W7", "&9 Frame1 - W11*"}));
    const QList<QAction*> actions = windowMenu->GetQMenu()->actions();
    EXPECT_EQ(actions.back()->data().toUInt(), ID_WINDOW_MOREWINDOWS) << "the entries go before More Windows";
    frame->windowMenu.LoadWindowMenu(windowMenu);
    EXPECT_EQ(entries().size(), 9u) << "the old entries go first";
}

TEST_F(AWindowMenuManagerTest, TheActiveWindowAmongTheFirstIsListedOnce) {
    std::vector<ShellChildFrame*> frames = openWindows(12);
    frames[2]->MDIActivate();
    frame->windowMenu.LoadWindowMenu(windowMenu);
    const std::vector<std::string> listed = entries();
    ASSERT_EQ(listed.size(), 9u);
    EXPECT_EQ(listed[2], "&3 Frame1 - W2*");
    EXPECT_EQ(listed[8], "&9 Frame1 - W8");
}

TEST_F(AWindowMenuManagerTest, WindowsOfAHiddenWorkspaceAreNeitherListedNorCounted) {
    openWindows(3);
    frame->projectWnd.ActivateWorkspace(1);
    openWindows(1);
    frame->windowMenu.LoadWindowMenu(windowMenu);
    EXPECT_EQ(entries(), std::vector<std::string>({"&1 Frame1 - W3*"}));
    EXPECT_EQ(frame->windowMenu.GetVisibleChildWindowCount(), 1);
    EXPECT_EQ(frame->windowMenu.GetChildWindowCount(), 4);
    EXPECT_FALSE(enabled(ID_WINDOW_NEXT)) << "one visible window: nothing to step to";
    EXPECT_FALSE(enabled(ID_WINDOW_PREVIOUS));
    EXPECT_TRUE(enabled(ID_WINDOW_CLOSE));
    frame->projectWnd.ActivateWorkspace(0);
    EXPECT_TRUE(enabled(ID_WINDOW_NEXT));
}

TEST_F(AWindowMenuManagerTest, WithoutWindowsTheCommandsAreDisabledAndNewWindowSaysItFailed) {
    EXPECT_EQ(frame->windowMenu.GetVisibleChildWindowCount(), 0);
    for (UINT id : {ID_WINDOW_CASCADE, ID_WINDOW_CLOSE, ID_WINDOW_CLOSEALL, ID_WINDOW_MOREWINDOWS,
                    ID_WINDOW_NEW, ID_WINDOW_TILE_HORZ, ID_WINDOW_TILE_VERT})
        EXPECT_FALSE(enabled(id)) << id;
    prompts.Clear();
    frame->windowMenu.WindowNew();
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].helpId, 61705u);
}

TEST_F(AWindowMenuManagerTest, NewWindowIsMadeByTheActiveFramesTemplateOnTheSameItem) {
    ShellChildFrame* first = openWindows(1).front();
    command(ID_WINDOW_NEW);
    auto* second = dynamic_cast<ShellChildFrame*>(frame->MDIGetActive());
    ASSERT_NE(second, nullptr);
    ASSERT_NE(second, first);
    EXPECT_EQ(second->GetDocTemplate(), viewTemplate);
    EXPECT_EQ(second->GetGuiTIWinObject(), items[0].get());
    EXPECT_EQ(first->GetWindowText(), "Frame1 - W0:1");
    EXPECT_EQ(second->GetWindowText(), "Frame1 - W0:2");
    EXPECT_EQ(second->GetWorkspace(), workspace(0));
}

TEST_F(AWindowMenuManagerTest, CloseAllStopsAtAWindowThatStaysOpen) {
    std::vector<ShellChildFrame*> frames = openWindows(4);
    frames[1]->refuseClose = true;
    frames[1]->MDIActivate();
    command(ID_WINDOW_CLOSEALL);
    ProcessEvents();
    EXPECT_EQ(frames[1]->closeRequests, 1);
    EXPECT_EQ(frame->GetMDIChildren().size(), 4u) << "the refusing window was the first asked";
    frames[3]->MDIActivate();
    command(ID_WINDOW_CLOSEALL);
    ProcessEvents();
    EXPECT_EQ(frames[1]->closeRequests, 2);
    EXPECT_LT(frame->GetMDIChildren().size(), 4u);
    EXPECT_GE(frame->GetMDIChildren().size(), 1u);
    frames[1]->refuseClose = false;
    command(ID_WINDOW_CLOSEALL);
    ProcessEvents();
    EXPECT_TRUE(frame->GetMDIChildren().empty());
}

TEST_F(AWindowMenuManagerTest, CloseAllLeavesTheWindowsOfHiddenWorkspaces) {
    openWindows(2);
    frame->projectWnd.ActivateWorkspace(1);
    openWindows(2);
    command(ID_WINDOW_CLOSEALL);
    ProcessEvents();
    EXPECT_EQ(frame->GetMDIChildren().size(), 2u);
    EXPECT_EQ(workspace(0)->GetNumberOfSteps(), 2);
}

TEST_F(AWindowMenuManagerTest, NextAndTileActOnTheActiveWorkspace) {
    std::vector<ShellChildFrame*> frames = openWindows(3);
    command(ID_WINDOW_NEXT);
    EXPECT_EQ(frame->MDIGetActive(), frames[0]);
    command(ID_WINDOW_PREVIOUS);
    EXPECT_EQ(frame->MDIGetActive(), frames[2]);
    command(ID_WINDOW_TILE_VERT);
    CRect a, b;
    frames[0]->GetWindowRect(&a);
    frames[1]->GetWindowRect(&b);
    EXPECT_EQ(a.top, b.top);
    EXPECT_LT(a.left, b.left);
}

TEST_F(AWindowMenuManagerTest, TheEntriesCountFromOneAndTheirDigitActivatesTheWindow) {
    std::vector<ShellChildFrame*> frames = openWindows(3);
    frame->windowMenu.LoadWindowMenu(windowMenu);
    EXPECT_EQ(entries(), std::vector<std::string>({"&1 Frame1 - W0", "&2 Frame1 - W1", "&3 Frame1 - W2*"}));
    QMenu* menu = windowMenu->GetQMenu();
    menu->popup(QPoint(10, 10));
    ProcessEvents();
    QTest::keyClick(menu, Qt::Key_1);
    ProcessEvents();
    EXPECT_EQ(frame->MDIGetActive(), frames[0]) << "the key 1 picks the first window listed";
    EXPECT_FALSE(menu->isVisible());
}

} // namespace
