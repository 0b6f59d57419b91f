// Input of windows: messages for windows over Qt controls that pass on what the
// handlers leave to Default, PreTranslateMessage up the parents, the dialog
// code, the cursor, the capture, the context menu and the wheel.
#include "platform/ui/CFrameWnd.h"

#include "UiTestSupport.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A window over a line edit that keeps the character x from it.
class CFilterEdit : public CWnd {
public:
    void PostNcDestroy() override {}
    QLineEdit* Edit() const { return static_cast<QLineEdit*>(GetWidget()); }
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override {
        chars.push_back(nChar);
        if (nChar == 'x') return;
        CWnd::OnChar(nChar, nRepCnt, nFlags);
    }
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override {
        keys.push_back(nChar);
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    }
    UINT OnGetDlgCode() override { return wantsTab ? DLGC_WANTTAB : CWnd::OnGetDlgCode(); }

    std::vector<UINT> chars;
    std::vector<UINT> keys;
    bool wantsTab = false;

protected:
    QWidget* CreateWidget(const CREATESTRUCT&, QWidget* parentWidget) override {
        return new QLineEdit(parentWidget);
    }
};

// A frame that watches the keys of its children and stops F2.
class CWatchingFrame : public CFrameWnd {
public:
    void PostNcDestroy() override {}
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message != WM_KEYDOWN) return FALSE;
        seen.push_back({pMsg->hwnd, static_cast<UINT>(pMsg->wParam)});
        return pMsg->wParam == VK_F1 + 1;
    }
    struct Seen {
        HWND hwnd;
        UINT key;
        bool operator==(const Seen&) const = default;
    };
    std::vector<Seen> seen;
};

class CDialogLikeWnd : public CWnd {
protected:
    QWidget* CreateWidget(const CREATESTRUCT&, QWidget* parentWidget) override {
        return new QDialog(parentWidget);
    }
};

// A window that paints itself and tells what it heard.
class CCanvas : public CWnd {
public:
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override {
        cursorAsks.push_back({pWnd == this, nHitTest, message});
        if (!sizing) return CWnd::OnSetCursor(pWnd, nHitTest, message);
        ::SetCursor(AfxLoadStandardCursor(IDC_SIZEWE));
        return TRUE;
    }
    void OnCaptureChanged(CWnd* pWnd) override { captureLostTo.push_back(pWnd); }
    void OnContextMenu(CWnd* pWnd, CPoint pos) override {
        menuFrom.push_back(pWnd);
        menuAt.push_back(pos);
    }
    BOOL OnMouseWheel(UINT, short zDelta, CPoint) override {
        wheel.push_back(zDelta);
        return TRUE;
    }
    struct Ask {
        bool self;
        UINT hitTest;
        UINT message;
        bool operator==(const Ask&) const = default;
    };
    std::vector<Ask> cursorAsks;
    std::vector<CWnd*> captureLostTo;
    std::vector<CWnd*> menuFrom;
    std::vector<CPoint> menuAt;
    std::vector<short> wheel;
    bool sizing = false;
};

class CWndInputTest : public ::testing::Test {
protected:
    void TearDown() override { ProcessEvents(); }
};

TEST_F(CWndInputTest, AWindowOverAnEditKeepsWhatItHandlesAndTheEditGetsTheRest) {
    CWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, nullptr, "P", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, 0));
    CFilterEdit edit;
    ASSERT_TRUE(edit.Create(nullptr, nullptr, WS_VISIBLE, CRect(5, 5, 150, 30), &parent, 7));
    QTest::keyClicks(edit.Edit(), "axbxxc");
    EXPECT_EQ(edit.Edit()->text(), QString("abc"));
    EXPECT_EQ(edit.chars, std::vector<UINT>({'a', 'x', 'b', 'x', 'x', 'c'}));
    QTest::keyClick(edit.Edit(), Qt::Key_Backspace);
    EXPECT_EQ(edit.Edit()->text(), QString("ab")) << "keys the window passes on edit the text";
    EXPECT_EQ(edit.keys.back(), VK_BACK);
    parent.DestroyWindow();
}

TEST_F(CWndInputTest, TheFrameSeesAKeyOfAChildControlFirstAndMayStopIt) {
    CWatchingFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    CFilterEdit edit;
    ASSERT_TRUE(edit.Create(nullptr, nullptr, WS_VISIBLE, CRect(5, 5, 150, 30), &frame, 7));
    QTest::keyClick(edit.Edit(), Qt::Key_Q);
    QTest::keyClick(edit.Edit(), Qt::Key_F2);
    using Seen = CWatchingFrame::Seen;
    EXPECT_EQ(frame.seen, std::vector<Seen>({{edit.GetSafeHwnd(), 'Q'}, {edit.GetSafeHwnd(), VK_F1 + 1}}));
    EXPECT_EQ(edit.keys, std::vector<UINT>({'Q'})) << "the stopped key never reached the edit's window";
    EXPECT_EQ(edit.Edit()->text(), QString("q"));
    frame.DestroyWindow();
}

TEST_F(CWndInputTest, InADialogTabReachesOnlyTheControlThatAsksForIt) {
    CDialogLikeWnd dialog;
    ASSERT_TRUE(dialog.CreateEx(0, nullptr, "D", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, 0));
    CFilterEdit first, second;
    ASSERT_TRUE(first.Create(nullptr, nullptr, WS_VISIBLE, CRect(5, 5, 150, 25), &dialog, 1));
    ASSERT_TRUE(second.Create(nullptr, nullptr, WS_VISIBLE, CRect(5, 35, 150, 55), &dialog, 2));
    QApplication::setActiveWindow(dialog.GetWidget());
    second.wantsTab = true;

    first.Edit()->setFocus();
    QTest::keyClick(first.Edit(), Qt::Key_Tab);
    EXPECT_TRUE(first.keys.empty()) << "a control that does not ask gets no Tab";
    EXPECT_EQ(QApplication::focusWidget(), second.Edit()) << "Tab moved the focus on";

    QTest::keyClick(second.Edit(), Qt::Key_Tab);
    EXPECT_EQ(second.keys, std::vector<UINT>({VK_TAB}));
    EXPECT_EQ(QApplication::focusWidget(), second.Edit()) << "the control that wants Tab keeps the focus";
    dialog.DestroyWindow();
}

TEST_F(CWndInputTest, TheCursorIsAskedForAtTheHitPointAndKeptWhileTheWindowSetsIt) {
    CCanvas canvas;
    ASSERT_TRUE(
        canvas.CreateEx(0, nullptr, "C", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, 0));
    QWidget* input = canvas.GetInputWidget();
    canvas.sizing = true;
    QTest::mouseMove(input, QPoint(20, 20));
    ASSERT_FALSE(canvas.cursorAsks.empty());
    EXPECT_EQ(canvas.cursorAsks.back(), (CCanvas::Ask{true, HTCLIENT, WM_MOUSEMOVE}));
    EXPECT_EQ(input->cursor().shape(), Qt::SizeHorCursor);
    canvas.sizing = false;
    QTest::mousePress(input, Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_EQ(canvas.cursorAsks.back(), (CCanvas::Ask{true, HTCLIENT, WM_LBUTTONDOWN}));
    EXPECT_EQ(input->cursor().shape(), Qt::ArrowCursor) << "a window that sets none shows the arrow again";
    QTest::mouseRelease(input, Qt::LeftButton, {}, QPoint(30, 20));
    canvas.DestroyWindow();
}

TEST_F(CWndInputTest, CaptureLossContextMenuAndWheelNotchesArrive) {
    CCanvas first, second;
    ASSERT_TRUE(
        first.CreateEx(0, nullptr, "A", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, 0));
    ASSERT_TRUE(
        second.CreateEx(0, nullptr, "B", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, 0));
    first.SetCapture();
    EXPECT_EQ(CWnd::GetCapture(), &first);
    second.SetCapture();
    EXPECT_EQ(first.captureLostTo, std::vector<CWnd*>({&second}));
    CWnd::ReleaseCapture();
    EXPECT_EQ(second.captureLostTo, std::vector<CWnd*>({nullptr}));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    QWidget* input = first.GetInputWidget();
    const QPoint global = input->mapToGlobal(QPoint(10, 12));
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(10, 12), global);
    QApplication::sendEvent(input, &menu);
    EXPECT_EQ(first.menuFrom, std::vector<CWnd*>({&first}));
    EXPECT_EQ(first.menuAt, std::vector<CPoint>({CPoint(global.x(), global.y())}));

    // A fine wheel moves in thirds of a notch; the window hears of whole notches.
    auto turn = [&](int delta) {
        QWheelEvent wheel(QPointF(10, 10), QPointF(global), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(input, &wheel);
    };
    for (int delta : {40, 40, 40, 40, -120, -120})
        turn(delta);
    EXPECT_EQ(first.wheel, std::vector<short>({120, -120}));
    turn(-40);
    EXPECT_EQ(first.wheel, std::vector<short>({120, -120, -120}))
        << "the third left over adds to the next turn";

    // A window that takes neither hands both on to its parent.
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 50, 50), &first, 3));
    QWidget* childInput = child.GetInputWidget();
    QWheelEvent wheel(QPointF(5, 5), QPointF(global), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(childInput, &wheel);
    EXPECT_EQ(first.wheel.size(), 4u);
    QContextMenuEvent childMenu(QContextMenuEvent::Keyboard, QPoint(5, 5), global);
    QApplication::sendEvent(childInput, &childMenu);
    EXPECT_EQ(first.menuFrom, std::vector<CWnd*>({&first, &child})) << "the parent learns where it was asked";
    first.DestroyWindow();
    second.DestroyWindow();
}

} // namespace
