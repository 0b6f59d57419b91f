// Windows over widgets that exist already: attaching, detaching, taking over a
// parent's control by id, and the children by id.
#include "platform/ui/CWnd.h"

#include "UiTestSupport.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class CKeyCounter : public CWnd {
public:
    std::vector<UINT> keys;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override {
        keys.push_back(nChar);
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    }
};

// A control window as a dialog template would make it.
class CEditControl : public CWnd {
protected:
    QWidget* CreateWidget(const CREATESTRUCT&, QWidget* parentWidget) override {
        return new QLineEdit(parentWidget);
    }
};

class CWndAttachTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            parent.CreateEx(0, nullptr, "P", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, 0));
    }
    void TearDown() override {
        parent.DestroyWindow();
        ProcessEvents();
    }
    CWnd parent;
};

TEST_F(CWndAttachTest, AWidgetHasOneWindowWhichSeesEachKeyOnceAndGivesItBack) {
    auto* edit = new QLineEdit(parent.GetWidget());
    CKeyCounter wnd;
    ASSERT_TRUE(wnd.Attach(edit));
    EXPECT_FALSE(wnd.Attach(edit)) << "attached twice";
    CKeyCounter other;
    EXPECT_FALSE(other.Attach(edit)) << "the widget has its window";
    EXPECT_EQ(CWnd::FromWidget(edit), &wnd);
    EXPECT_EQ(wnd.GetParent(), &parent);
    QTest::keyClick(edit, Qt::Key_B);
    EXPECT_EQ(wnd.keys, std::vector<UINT>({'B'}));
    EXPECT_EQ(edit->text(), QString("b"));

    const HWND handle = wnd.GetSafeHwnd();
    EXPECT_EQ(wnd.Detach(), edit);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(CWnd::FromWidget(edit), &parent) << "the widget is the parent's again";
    QTest::keyClick(edit, Qt::Key_C);
    EXPECT_EQ(wnd.keys.size(), 1u);
    EXPECT_EQ(edit->text(), QString("bc"));
    EXPECT_TRUE(other.Attach(edit)) << "a detached widget may be attached anew";
    other.Detach();
}

TEST_F(CWndAttachTest, QtDeletingAnAttachedWidgetEndsTheWindowAndAnEndedObjectLeavesTheWidget) {
    auto* edit = new QLineEdit(parent.GetWidget());
    {
        CKeyCounter wnd;
        ASSERT_TRUE(wnd.Attach(edit));
    }
    ASSERT_EQ(CWnd::FromWidget(edit), &parent) << "the object went, the widget stays";
    CKeyCounter wnd;
    ASSERT_TRUE(wnd.Attach(edit));
    const HWND handle = wnd.GetSafeHwnd();
    delete edit;
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(wnd.GetWidget(), nullptr);
    EXPECT_TRUE(parent.GetChildWindows().empty());
}

TEST_F(CWndAttachTest, SubclassingTakesTheControlsPlaceAndId) {
    CEditControl before, control, after;
    ASSERT_TRUE(before.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 4));
    ASSERT_TRUE(control.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 30, 50, 50), &parent, 5));
    ASSERT_TRUE(after.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 60, 50, 80), &parent, 6));
    QWidget* widget = control.GetWidget();
    CKeyCounter mine;
    ASSERT_TRUE(mine.SubclassDlgItem(5, &parent));
    EXPECT_FALSE(control.IsWindow());
    EXPECT_EQ(mine.GetWidget(), widget);
    EXPECT_EQ(mine.GetDlgCtrlID(), 5);
    EXPECT_EQ(parent.GetDlgItem(5), &mine);
    EXPECT_EQ(parent.GetChildWindows(), std::vector<CWnd*>({&before, &mine, &after}));
    QTest::keyClick(widget, Qt::Key_D);
    EXPECT_EQ(mine.keys, std::vector<UINT>({'D'}));
    EXPECT_FALSE(mine.SubclassDlgItem(6, &parent)) << "a window takes one control";
}

TEST_F(CWndAttachTest, ChildrenByIdFollowNewIdsAndKeepTheirOrder) {
    std::vector<std::unique_ptr<CWnd>> children;
    for (int id : {3, 1, 3, 2}) {
        children.push_back(std::make_unique<CWnd>());
        ASSERT_TRUE(children.back()->Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 5, 5), &parent, id));
    }
    EXPECT_EQ(parent.GetDlgItem(3), children[0].get()) << "the first of an id";
    children[0]->SetDlgCtrlID(9);
    EXPECT_EQ(parent.GetDlgItem(3), children[2].get());
    EXPECT_EQ(parent.GetDlgItem(9), children[0].get());
    children[1]->SetDlgCtrlID(3);
    EXPECT_EQ(parent.GetDlgItem(3), children[1].get()) << "made earlier, it comes first";
    EXPECT_EQ(parent.GetDlgItem(1), nullptr);
    children[1]->DestroyWindow();
    EXPECT_EQ(parent.GetDlgItem(3), children[2].get());
}

TEST_F(CWndAttachTest, AWidgetMovedUnderAnotherWindowChangesItsFamily) {
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, "O", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, 0));
    CWnd page;
    ASSERT_TRUE(page.CreateEx(0, nullptr, "Page", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr, 12));
    EXPECT_EQ(page.GetParent(), nullptr);
    page.GetWidget()->setParent(parent.GetWidget());
    EXPECT_EQ(page.GetParent(), &parent);
    EXPECT_EQ(parent.GetDlgItem(12), &page);
    page.GetWidget()->setParent(other.GetWidget());
    EXPECT_EQ(page.GetParent(), &other);
    EXPECT_EQ(parent.GetDlgItem(12), nullptr);
    EXPECT_EQ(other.GetChildWindows(), std::vector<CWnd*>({&page}));
    other.DestroyWindow();
    EXPECT_FALSE(page.IsWindow()) << "the window went with its new parent";
}

} // namespace
