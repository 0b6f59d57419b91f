// Every kind of window dies safely whichever way it goes: Qt deleting its
// widget, DestroyWindow, or a handler ending its own window in the middle of a
// key or a mouse event. Afterwards the program goes on as a user drives it
// (idle updates, a routed command, cascading and tiling, the Window menu) and
// no container still names the window.
#include "SketchAppTest.h"

#include "platform/ui/CMenu.h"

#include <QDialog>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace sketch;

namespace {

enum class Kind { view, mdiChild, toolBar, dockingWindow, dialogControl };
enum class Way { qtDeletes, destroyWindow, keyHandler, mouseHandler };

constexpr UINT kBarId = 0xE881;
constexpr UINT kDockId = 0xE882;
constexpr UINT kControlId = 1001;

// Bars and controls that the test makes on the heap delete themselves when their
// window goes, as the program's own windows do.
class COwnedToolBar : public CToolBar {
public:
    void PostNcDestroy() override { delete this; }
};

class COwnedDockingWindow : public SECControlBar {
public:
    void PostNcDestroy() override { delete this; }
};

class COwnedControl : public CWnd {
public:
    void PostNcDestroy() override { delete this; }
};

// A parent window of the dialog kind.
class CDialogLikeWnd : public CWnd {
public:
    void PostNcDestroy() override { delete this; }

protected:
    QWidget* CreateWidget(const CREATESTRUCT&, QWidget* parentWidget) override {
        return new QDialog(parentWidget);
    }
};

// Ends its window in the middle of the message it waits for.
class CEndingHook : public CWndMessageHook {
public:
    explicit CEndingHook(UINT message) : m_message(message) {}
    LRESULT HookProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == m_message) {
            CWnd* wnd = GetHookedWindow();
            HookWindow(nullptr);
            wnd->DestroyWindow();
            return 0;
        }
        return Next(message, wParam, lParam);
    }

private:
    UINT m_message;
};

struct Case {
    Kind kind;
    Way way;
};

std::string NameOf(const ::testing::TestParamInfo<Case>& info) {
    static const char* const kinds[] = {"View", "MdiChild", "ToolBar", "DockingWindow", "DialogControl"};
    static const char* const ways[] = {"QtDeletesTheWidget", "DestroyWindow", "KeyHandlerEndsIt",
                                       "MouseHandlerEndsIt"};
    return std::string(kinds[static_cast<int>(info.param.kind)]) + ways[static_cast<int>(info.param.way)];
}

class CWndTeardownTest : public SketchAppTest, public ::testing::WithParamInterface<Case> {
protected:
    CMDIChildWnd* NewChild() {
        frame->SendMessage(WM_COMMAND, ID_FILE_NEW, 0);
        return frame->MDIGetActive();
    }

    // Drives what a user's next steps would.
    void GoOn() {
        ProcessEvents();
        app->OnIdle(0);
        frame->SendMessage(WM_COMMAND, ID_EDIT_MARK, 0);
        frame->SendMessage(WM_COMMAND, ID_SHAPE_CIRCLE, 0);
        frame->MDICascade();
        frame->MDITile();
        if (CMenu* menu = frame->GetMenu())
            if (HMENU popup = frame->GetWindowMenuPopup(menu->GetSafeHmenu()))
                frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
        ProcessEvents();
    }
};

TEST_P(CWndTeardownTest, TheWindowGoesAndEveryContainerForgetsIt) {
    const Case c = GetParam();
    frame->ShowWindow(SW_SHOWNORMAL);
    CMDIChildWnd* first = NewChild();
    CMDIChildWnd* second = NewChild();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    CWnd* dialog = nullptr;

    CWnd* target = nullptr;
    switch (c.kind) {
    case Kind::view:
        target = second->GetActiveView();
        break;
    case Kind::mdiChild:
        target = second;
        break;
    case Kind::toolBar: {
        auto* bar = new COwnedToolBar;
        ASSERT_TRUE(bar->Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kBarId));
        target = bar;
        break;
    }
    case Kind::dockingWindow: {
        auto* dock = new COwnedDockingWindow;
        ASSERT_TRUE(dock->Create(frame, "Project", WS_CHILD | WS_VISIBLE | CBRS_LEFT, 0, kDockId));
        target = dock;
        break;
    }
    case Kind::dialogControl: {
        dialog = new CDialogLikeWnd;
        ASSERT_TRUE(dialog->CreateEx(0, nullptr, "Dialog", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, frame, 0));
        auto* control = new COwnedControl;
        ASSERT_TRUE(control->Create(nullptr, nullptr, WS_VISIBLE, CRect(10, 10, 60, 30), dialog, kControlId));
        target = control;
        break;
    }
    }
    ASSERT_NE(target, nullptr);
    ASSERT_TRUE(target->GetWidget());
    const HWND handle = target->GetSafeHwnd();
    const void* const address = target;
    const CWnd* const parent = target->GetParent();
    const HWND parentHandle = parent ? parent->GetSafeHwnd() : nullptr;
    QWidget* input = target->GetInputWidget();
    if (c.way != Way::mouseHandler) target->SetCapture();

    switch (c.way) {
    case Way::qtDeletes:
        delete target->GetWidget();
        break;
    case Way::destroyWindow:
        target->DestroyWindow();
        break;
    case Way::keyHandler: {
        auto* hook = new CEndingHook(WM_KEYDOWN);
        hook->HookWindow(target);
        // The key carries a character: no WM_CHAR may reach the ended window.
        QTest::keyClick(input, Qt::Key_A);
        delete hook;
        break;
    }
    case Way::mouseHandler: {
        auto* hook = new CEndingHook(WM_LBUTTONDOWN);
        hook->HookWindow(target);
        // The release follows the press that ended the window.
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(3, 3));
        delete hook;
        break;
    }
    }

    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(CWnd::GetCapture(), nullptr) << "the capture went with the window";
    GoOn();

    const auto& children = frame->GetMDIChildren();
    EXPECT_EQ(std::find(children.begin(), children.end(), address), children.end());
    for (CMDIChildWnd* child : children) {
        EXPECT_NE(static_cast<const void*>(child->GetActiveView()), address);
        EXPECT_TRUE(child->GetWidget());
    }
    EXPECT_NE(static_cast<const void*>(frame->MDIGetActive()), address);
    const auto& bars = frame->GetControlBars();
    EXPECT_EQ(std::find(bars.begin(), bars.end(), address), bars.end());
    if (CWnd* stillParent = CWnd::FromHandle(parentHandle)) {
        for (CWnd* child : stillParent->GetChildWindows())
            EXPECT_NE(static_cast<const void*>(child), address);
        if (c.kind == Kind::dialogControl) {
            EXPECT_EQ(stillParent->GetDlgItem(kControlId), nullptr);
        }
    }
    if (c.kind != Kind::mdiChild && c.kind != Kind::view) {
        EXPECT_EQ(frame->GetMDIChildren().size(), 2u) << "the documents' windows stay";
    }
    if (dialog) dialog->DestroyWindow();
}

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (Kind kind : {Kind::view, Kind::mdiChild, Kind::toolBar, Kind::dockingWindow, Kind::dialogControl})
        for (Way way : {Way::qtDeletes, Way::destroyWindow, Way::keyHandler, Way::mouseHandler})
            cases.push_back({kind, way});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryKindEveryWay, CWndTeardownTest, ::testing::ValuesIn(AllCases()), NameOf);

} // namespace
