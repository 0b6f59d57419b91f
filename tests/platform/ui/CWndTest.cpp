#include "platform/ui/CWnd.h"

#include "UiTestSupport.h"

#include "platform/ui/CPromptService.h"
#include "platform/ui/CWinApp.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

std::vector<std::string> g_log;

// A window that records its messages and deletes itself when it goes, as frames do.
class CLoggingWnd : public CWnd {
public:
    explicit CLoggingWnd(std::string name, bool ownsItself = false)
        : m_name(std::move(name)), m_owns(ownsItself) {}
    void OnDestroy() override { g_log.push_back(m_name + " destroy"); }
    void PostNcDestroy() override {
        g_log.push_back(m_name + " gone");
        if (m_owns) delete this;
    }
    void OnTimer(UINT_PTR id) override { timers.push_back(id); }
    void OnLButtonDown(UINT flags, CPoint point) override {
        clicks.push_back(point);
        clickFlags = flags;
    }
    void OnKeyDown(UINT key, UINT, UINT) override { keys.push_back(key); }
    void OnChar(UINT ch, UINT, UINT) override { chars.push_back(ch); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_USER + 3) g_log.push_back(m_name + " told");
        if (message >= WM_USER) {
            posted.push_back(static_cast<int>(wParam));
            threads.push_back(std::this_thread::get_id());
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

    std::vector<UINT_PTR> timers;
    std::vector<CPoint> clicks;
    UINT clickFlags = 0;
    std::vector<UINT> keys;
    std::vector<UINT> chars;
    std::vector<int> posted;
    std::vector<std::thread::id> threads;

private:
    std::string m_name;
    bool m_owns;
};

class CTagHook : public CWndMessageHook {
public:
    CTagHook(std::string tag, bool swallow = false) : m_tag(std::move(tag)), m_swallow(swallow) {}
    LRESULT HookProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_USER + 1) g_log.push_back(m_tag);
        if (m_swallow && message == WM_USER + 1) return 7;
        return Next(message, wParam, lParam);
    }

private:
    std::string m_tag;
    bool m_swallow;
};

class CWndTest : public ::testing::Test {
protected:
    void SetUp() override { g_log.clear(); }
    void TearDown() override { ProcessEvents(); }
};

TEST_F(CWndTest, HandlesStayUniqueAndDieWithTheirWindow) {
    CLoggingWnd first("first");
    ASSERT_TRUE(first.CreateEx(0, nullptr, "First", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, 0));
    const HWND handle = first.GetSafeHwnd();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(CWnd::FromHandle(handle), &first);
    EXPECT_EQ(CWnd::FromWidget(first.GetWidget()), &first);
    EXPECT_TRUE(IsWindow(handle));
    EXPECT_TRUE(first.DestroyWindow());
    EXPECT_FALSE(first.DestroyWindow());
    EXPECT_EQ(first.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(PostMessage(handle, WM_USER, 0, 0));

    CLoggingWnd second("second");
    ASSERT_TRUE(second.CreateEx(0, nullptr, "Second", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, 0));
    EXPECT_NE(second.GetSafeHwnd(), handle) << "a new window never takes an old handle";
    EXPECT_EQ(CWnd::FromHandle(handle), nullptr);
}

TEST_F(CWndTest, ChildrenAreDestroyedBeforeTheirParentAndSelfOwnedWindowsDeleteThemselves) {
    auto* parent = new CLoggingWnd("parent", true);
    ASSERT_TRUE(parent->CreateEx(0, nullptr, "Parent", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, 0));
    auto* child = new CLoggingWnd("child", true);
    ASSERT_TRUE(child->Create(nullptr, "Child", WS_VISIBLE, CRect(10, 10, 50, 50), parent, 7));
    EXPECT_EQ(child->GetParent(), parent);
    EXPECT_EQ(parent->GetDlgItem(7), child);
    EXPECT_EQ(parent->GetChildWindows(), std::vector<CWnd*>({child}));
    const HWND childHandle = child->GetSafeHwnd();
    parent->DestroyWindow();
    EXPECT_EQ(g_log,
              std::vector<std::string>({"parent destroy", "child destroy", "child gone", "parent gone"}));
    EXPECT_FALSE(IsWindow(childHandle));
}

TEST_F(CWndTest, ChildWindowsAreTheNearestWindowsBelowAndADeepSendReachesEachOnce) {
    CLoggingWnd parent("parent");
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "Parent", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, 0));
    CLoggingWnd first("first"), grandchild("grandchild"), second("second");
    ASSERT_TRUE(first.Create(nullptr, "First", WS_VISIBLE, CRect(0, 0, 50, 50), &parent, 1));
    ASSERT_TRUE(grandchild.Create(nullptr, "Grandchild", WS_VISIBLE, CRect(0, 0, 20, 20), &first, 2));
    ASSERT_TRUE(second.Create(nullptr, "Second", WS_VISIBLE, CRect(60, 0, 110, 50), &parent, 3));
    // A plain widget between a window and its child does not hide the child.
    auto* box = new QWidget(parent.GetWidget());
    second.GetWidget()->setParent(box);

    EXPECT_EQ(parent.GetChildWindows(), std::vector<CWnd*>({&first, &second}));
    EXPECT_EQ(first.GetChildWindows(), std::vector<CWnd*>({&grandchild}));
    EXPECT_EQ(second.GetParent(), &parent);
    EXPECT_EQ(parent.GetDlgItem(2), nullptr) << "a grandchild is no item of the parent";

    parent.SendMessageToDescendants(WM_USER + 3);
    EXPECT_EQ(g_log, std::vector<std::string>({"first told", "grandchild told", "second told"}));
    g_log.clear();
    parent.SendMessageToDescendants(WM_USER + 3, 0, 0, FALSE);
    EXPECT_EQ(g_log, std::vector<std::string>({"first told", "second told"}));
    parent.DestroyWindow();
}

TEST_F(CWndTest, HookedLastSeesAMessageFirstAndMaySwallowIt) {
    CLoggingWnd wnd("wnd");
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "W", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, 0));
    CTagHook first("first");
    CTagHook second("second");
    first.HookWindow(&wnd);
    second.HookWindow(&wnd);
    wnd.SendMessage(WM_USER + 1, 3, 0);
    EXPECT_EQ(g_log, std::vector<std::string>({"second", "first"}));
    EXPECT_EQ(wnd.posted, std::vector<int>({3}));

    g_log.clear();
    {
        CTagHook swallow("swallow", true);
        swallow.HookWindow(&wnd);
        EXPECT_EQ(wnd.SendMessage(WM_USER + 1, 4, 0), 7);
    }
    EXPECT_EQ(g_log, std::vector<std::string>({"swallow"}));
    EXPECT_EQ(wnd.posted.size(), 1u) << "the swallowed message never reached the window";

    g_log.clear();
    second.HookWindow(nullptr);
    wnd.SendMessage(WM_USER + 1, 5, 0);
    EXPECT_EQ(g_log, std::vector<std::string>({"first"}));
    wnd.DestroyWindow();
    EXPECT_FALSE(first.IsHooked()) << "hooks leave with the window";
}

TEST_F(CWndTest, MessagesPostedFromAWorkerArriveInOrderOnTheUserInterfaceThread) {
    CLoggingWnd wnd("wnd");
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "W", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, 0));
    const HWND handle = wnd.GetSafeHwnd();
    std::thread worker([handle]() {
        for (int i = 1; i <= 3; ++i)
            PostMessage(handle, WM_USER + 2, static_cast<WPARAM>(i), 0);
    });
    worker.join();
    EXPECT_TRUE(wnd.posted.empty()) << "posted messages wait for the event loop";
    ASSERT_TRUE(QTest::qWaitFor([&]() { return wnd.posted.size() == 3; }, 2000));
    EXPECT_EQ(wnd.posted, std::vector<int>({1, 2, 3}));
    for (std::thread::id id : wnd.threads)
        EXPECT_EQ(id, std::this_thread::get_id());
}

TEST_F(CWndTest, TimersRepeatUntilKilled) {
    CLoggingWnd wnd("wnd");
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "W", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, 0));
    EXPECT_EQ(wnd.SetTimer(5, 5), 5u);
    ASSERT_TRUE(QTest::qWaitFor([&]() { return wnd.timers.size() >= 2; }, 2000));
    EXPECT_TRUE(wnd.KillTimer(5));
    EXPECT_FALSE(wnd.KillTimer(5));
    const size_t fired = wnd.timers.size();
    QTest::qWait(30);
    EXPECT_EQ(wnd.timers.size(), fired);
    for (UINT_PTR id : wnd.timers)
        EXPECT_EQ(id, 5u);
}

TEST_F(CWndTest, MouseAndKeysArriveAsMessagesInClientCoordinates) {
    CLoggingWnd wnd("wnd");
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "W", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, 0));
    QTest::mouseClick(wnd.GetInputWidget(), Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 40));
    ASSERT_EQ(wnd.clicks.size(), 1u);
    EXPECT_EQ(wnd.clicks[0], CPoint(30, 40));
    EXPECT_EQ(wnd.clickFlags, MK_LBUTTON | MK_SHIFT);
    QTest::keyClick(wnd.GetInputWidget(), Qt::Key_Escape);
    QTest::keyClick(wnd.GetInputWidget(), Qt::Key_A);
    EXPECT_EQ(wnd.keys, std::vector<UINT>({VK_ESCAPE, 'A'}));
    EXPECT_EQ(wnd.chars, std::vector<UINT>({0x1B, 'a'}));
}

TEST_F(CWndTest, PlacementKeepsTheNormalRectangleWhileMaximised) {
    CLoggingWnd wnd("wnd");
    ASSERT_TRUE(
        wnd.CreateEx(0, nullptr, "W", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 20, 300, 200, nullptr, 0));
    WINDOWPLACEMENT placement;
    placement.showCmd = SW_SHOWMAXIMIZED;
    placement.rcNormalPosition = RECT{40, 50, 440, 350};
    ASSERT_TRUE(wnd.SetWindowPlacement(&placement));
    EXPECT_TRUE(wnd.IsZoomed());
    EXPECT_TRUE(wnd.GetStyle() & WS_MAXIMIZE);
    WINDOWPLACEMENT read;
    ASSERT_TRUE(wnd.GetWindowPlacement(&read));
    EXPECT_EQ(read.length, 44u);
    EXPECT_EQ(read.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
    EXPECT_EQ(CRect(read.rcNormalPosition), CRect(40, 50, 440, 350));
    wnd.ShowWindow(SW_RESTORE);
    EXPECT_FALSE(wnd.IsZoomed());
    ASSERT_TRUE(wnd.GetWindowPlacement(&read));
    EXPECT_EQ(read.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
}

TEST_F(CWndTest, ShowAndEnableStatesShowInTheStyle) {
    CLoggingWnd parent("parent");
    ASSERT_TRUE(
        parent.CreateEx(0, nullptr, "P", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, 0));
    CLoggingWnd child("child");
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 20, 20), &parent, 1));
    EXPECT_TRUE(child.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(child.GetStyle() & WS_CHILD);
    EXPECT_TRUE(child.ShowWindow(SW_HIDE));
    EXPECT_FALSE(child.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(child.EnableWindow(FALSE));
    EXPECT_TRUE(child.GetStyle() & WS_DISABLED);
    EXPECT_FALSE(child.IsWindowEnabled());
    EXPECT_TRUE(child.EnableWindow(TRUE)) << "it was disabled";
}

TEST(CWndThreadTest, SendingTimersWindowsAndPromptsBelongToTheUserInterfaceThread) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto onWorker = [](auto work) {
        std::thread worker(work);
        worker.join();
    };
    bool workerIsUi = true;
    onWorker([&]() { workerIsUi = AfxIsUserInterfaceThread(); });
    EXPECT_FALSE(workerIsUi);
    EXPECT_TRUE(AfxIsUserInterfaceThread());

    // A window object without its window: in a build without the checks the calls do nothing harmful.
    CWnd wnd;
    EXPECT_DEBUG_DEATH(onWorker([&]() { wnd.SendMessage(WM_NULL); }), "user-interface thread");
    EXPECT_DEBUG_DEATH(onWorker([&]() { wnd.SetTimer(1, 10); }), "user-interface thread");
#ifndef NDEBUG
    EXPECT_DEATH(
        onWorker([&]() { wnd.CreateEx(0, nullptr, "W", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, 0); }),
        "user-interface thread");
    EXPECT_DEATH(onWorker([&]() { wnd.MessageBox("Text"); }), "user-interface thread");
    EXPECT_DEATH(onWorker([&]() { AfxMessageBox("Text"); }), "user-interface thread");
#endif
}

} // namespace
