// The grid in a window: painting, scrolling, sizing, the keyboard, the mouse,
// in-place editing and what the parent is told.
#include "GridTestWindow.h"
#include "controls/grid/CGridCellCombo.h"
#include "controls/grid/CInPlaceEdit.h"
#include "controls/grid/CTitleTip.h"
#include "platform/gdi/CGdiObject.h"
#include "tests/support/ArtifactsFolder.h"

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>

#include <string>

namespace {

void Fill(CGridCtrl& grid) {
    for (int c = 1; c < grid.GetColumnCount(); ++c)
        grid.SetItemText(0, c, ("Col " + std::to_string(c)).c_str());
    for (int r = 1; r < grid.GetRowCount(); ++r) {
        grid.SetItemText(r, 0, std::to_string(r).c_str());
        for (int c = 1; c < grid.GetColumnCount(); ++c)
            grid.SetItemText(r, c, (std::to_string(r) + "." + std::to_string(c)).c_str());
    }
}

void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
         const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void Mouse(QWidget* target, QEvent::Type type, CPoint p, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF local(p.x, p.y);
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, local, target->mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : button, buttons, modifiers);
    QApplication::sendEvent(target, &event);
}

void Click(QWidget* target, CPoint p) {
    Mouse(target, QEvent::MouseButtonPress, p);
    Mouse(target, QEvent::MouseButtonRelease, p);
}

// The line editor open on a cell, or null.
QLineEdit* EditorOf(CGridCtrl& grid, int row, int col) {
    CGridCellBase* cell = grid.GetCell(row, col);
    CWnd* editor = cell ? cell->GetEditWnd() : nullptr;
    return editor ? qobject_cast<QLineEdit*>(editor->GetWidget()) : nullptr;
}

} // namespace

TEST(CGridCtrlInputTest, TabWrapsAtTheEndOfARowAndLeavesTheGridFromTheLastCell) {
    GridWindow<> w(3, 4);
    auto* next = new QLineEdit(w.parent.GetWidget());
    next->setGeometry(0, 0, 5, 5);
    next->show();
    w.parent.GetWidget()->activateWindow();
    w.grid.SetFocus();
    QApplication::processEvents();
    QWidget* input = w.grid.GetWidget();
    w.grid.SetFocusCell(1, 3);
    Key(input, Qt::Key_Tab, Qt::NoModifier, "\t");
    EXPECT_EQ(w.grid.GetFocusCell(), CCellID(2, 1));
    Key(input, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(w.grid.GetFocusCell(), CCellID(1, 3));
    w.grid.SetFocusCell(2, 3);
    Key(input, Qt::Key_Tab, Qt::NoModifier, "\t");
    EXPECT_EQ(w.grid.GetFocusCell(), CCellID(2, 3));
    EXPECT_EQ(QApplication::focusWidget(), next);
    EXPECT_FALSE(w.grid.IsItemEditing(2, 3));
}

TEST(CGridCtrlInputTest, ArrowKeysSkipHiddenColumnsAndStayInTheGrid) {
    GridWindow<> w(4, 5);
    w.grid.SetColumnWidth(2, 0);
    QWidget* input = w.grid.GetWidget();
    w.grid.SetFocusCell(1, 1);
    struct Step {
        int key;
        CCellID expected;
    };
    const Step steps[] = {{Qt::Key_Right, {1, 3}}, {Qt::Key_Left, {1, 1}}, {Qt::Key_Left, {1, 1}},
                          {Qt::Key_Up, {1, 1}},    {Qt::Key_Down, {2, 1}}, {Qt::Key_End, {2, 4}},
                          {Qt::Key_Home, {2, 1}}};
    for (const Step& s : steps) {
        Key(input, s.key);
        EXPECT_EQ(w.grid.GetFocusCell(), s.expected) << "key " << s.key;
    }
    EXPECT_TRUE(w.grid.IsCellSelected(2, 1));
}

TEST(CGridCtrlInputTest, TypedCharactersOpenTheEditorHoldingThem) {
    struct Case {
        int key;
        const char* text;
    };
    const Case cases[] = {{Qt::Key_Percent, "%"},
                          {Qt::Key_Space, " "},
                          {Qt::Key_ParenLeft, "("},
                          {Qt::Key_QuoteDbl, "\""},
                          {Qt::Key_A, "a"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        GridWindow<> w(3, 3);
        w.grid.SetItemText(1, 1, "old");
        w.grid.SetFocusCell(1, 1);
        Key(w.grid.GetWidget(), c.key, Qt::NoModifier, QString::fromUtf8(c.text));
        QLineEdit* editor = EditorOf(w.grid, 1, 1);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->text().toStdString(), c.text);
        EXPECT_TRUE(w.grid.IsItemEditing(1, 1));
        EXPECT_EQ(w.parent.Codes().back(), GVN_BEGINLABELEDIT);
    }
}

TEST(CGridCtrlInputTest, EscapePutsTheTextAndTheModifiedBitBack) {
    GridWindow<> w(3, 3);
    w.grid.SetItemText(1, 1, "old");
    w.grid.SetModified(false);
    w.grid.SetFocusCell(1, 1);
    Key(w.grid.GetWidget(), Qt::Key_X, Qt::NoModifier, "x");
    QLineEdit* editor = EditorOf(w.grid, 1, 1);
    ASSERT_NE(editor, nullptr);
    Key(editor, Qt::Key_Y, Qt::NoModifier, "y");
    EXPECT_EQ(editor->text().toStdString(), "xy");
    Key(editor, Qt::Key_Escape);
    EXPECT_EQ(w.grid.GetItemText(1, 1), "old");
    EXPECT_FALSE(w.grid.GetModified(1, 1));
    EXPECT_FALSE(w.grid.IsItemEditing(1, 1));
    QApplication::processEvents();
}

TEST(CGridCtrlInputTest, ReturnStoresTheEditAndTabMovesOnEditing) {
    GridWindow<> w(3, 4);
    w.grid.SetFocusCell(1, 1);
    Key(w.grid.GetWidget(), Qt::Key_F2);
    QLineEdit* editor = EditorOf(w.grid, 1, 1);
    ASSERT_NE(editor, nullptr);
    Key(editor, Qt::Key_Z, Qt::NoModifier, "z");
    Key(editor, Qt::Key_Tab, Qt::NoModifier, "\t");
    EXPECT_EQ(w.grid.GetItemText(1, 1), "z");
    EXPECT_TRUE(w.grid.GetModified(1, 1));
    EXPECT_EQ(w.grid.GetFocusCell(), CCellID(1, 2));
    // The next cell's editor is open with nothing typed into it.
    QLineEdit* second = EditorOf(w.grid, 1, 2);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->text().toStdString(), "");
    Key(second, Qt::Key_Q, Qt::NoModifier, "q");
    Key(second, Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(w.grid.GetItemText(1, 2), "q");
    EXPECT_FALSE(w.grid.IsItemEditing(1, 2));
    QApplication::processEvents();
}

TEST(CGridCtrlInputTest, AParentThatRefusesTheEditKeepsDeleteFromClearing) {
    for (LRESULT answer : {LRESULT{-1}, LRESULT{0}}) {
        SCOPED_TRACE(answer);
        GridWindow<> w(3, 3);
        w.grid.SetItemText(1, 1, "keep");
        w.parent.answers[GVN_BEGINLABELEDIT] = answer;
        w.grid.SetFocusCell(1, 1);
        Key(w.grid.GetWidget(), Qt::Key_Delete);
        EXPECT_EQ(w.grid.GetItemText(1, 1), answer < 0 ? "keep" : "");
    }
}

TEST(CGridCtrlInputTest, AColumnDraggedToNothingHidesUnlessHidingIsOff) {
    for (bool hiding : {true, false}) {
        SCOPED_TRACE(hiding);
        GridWindow<> w(3, 4);
        w.grid.EnableColumnHide(hiding);
        CRect heading;
        w.grid.GetCellRect(0, 2, &heading);
        QWidget* input = w.grid.GetInputWidget();
        const CPoint border(heading.right, (heading.top + heading.bottom) / 2);
        Mouse(input, QEvent::MouseMove, border, Qt::NoButton);
        Mouse(input, QEvent::MouseButtonPress, border);
        EXPECT_EQ(w.grid.GetMouseMode(), CGridCtrl::MOUSE_SIZING_COL);
        const CPoint left(heading.left - 5, border.y);
        Mouse(input, QEvent::MouseMove, left);
        Mouse(input, QEvent::MouseButtonRelease, left);
        EXPECT_EQ(w.grid.GetColumnWidth(2), hiding ? 0 : 1);
    }
}

TEST(CGridCtrlInputTest, AHeadingClickSortsAscendingThenDescending) {
    GridWindow<> w(5, 3);
    w.grid.SetHeaderSort(true);
    const char* values[] = {"b", "c", "a", "d"};
    for (int r = 1; r < 5; ++r)
        w.grid.SetItemText(r, 1, values[r - 1]);
    QWidget* input = w.grid.GetInputWidget();
    Click(input, w.CentreOf(0, 1));
    EXPECT_EQ(w.grid.GetItemText(1, 1), "a");
    EXPECT_EQ(w.grid.GetItemText(4, 1), "d");
    EXPECT_TRUE(w.grid.IsCellSelected(2, 1));
    Click(input, w.CentreOf(0, 1));
    EXPECT_EQ(w.grid.GetItemText(1, 1), "d");
    EXPECT_EQ(w.grid.GetItemText(4, 1), "a");
}

TEST(CGridCtrlInputTest, AClickTellsTheParentAndADragSelectsARange) {
    GridWindow<> w(6, 5);
    QWidget* input = w.grid.GetInputWidget();
    Mouse(input, QEvent::MouseButtonPress, w.CentreOf(1, 1));
    Mouse(input, QEvent::MouseMove, w.CentreOf(3, 2));
    Mouse(input, QEvent::MouseButtonRelease, w.CentreOf(3, 2));
    QApplication::processEvents();
    EXPECT_EQ(w.grid.GetSelectedCellRange(), CCellRange(1, 1, 3, 2));
    EXPECT_EQ(w.grid.GetFocusCell(), CCellID(3, 2));
    const std::vector<UINT> expected = {GVN_SELCHANGING, GVN_SELCHANGED, GVN_CLICK};
    EXPECT_EQ(w.parent.Codes(), expected);
    EXPECT_EQ(w.parent.commands, std::vector<int>{100});
    // A click on the focus cell opens its editor.
    Click(input, w.CentreOf(3, 2));
    EXPECT_TRUE(w.grid.IsItemEditing(3, 2));
}

TEST(CGridCtrlInputTest, EnsureVisibleEndsForCellsThatCannotBeShown) {
    GridWindow<> w(200, 6, 1, 1, 300, 120);
    w.grid.SetRowHeight(150, 0);
    w.grid.EnsureVisible(150, 3);
    w.grid.EnsureVisible(120, 3);
    EXPECT_TRUE(w.grid.IsCellVisible(120, 3));
    // Fixed cells taller than the window: nothing can scroll into view.
    w.grid.SetRowHeight(0, 500);
    w.grid.EnsureVisible(10, 3);
    EXPECT_FALSE(w.grid.IsVisibleVScroll());
}

TEST(CGridCtrlInputTest, ExpandingColumnsSharesTheRoomOverTheShownColumns) {
    GridWindow<> w(3, 4, 1, 1);
    CRect client;
    w.grid.GetClientRect(&client);
    w.grid.SetColumnWidth(0, 30);
    w.grid.SetColumnWidth(1, 30);
    w.grid.SetColumnWidth(2, 0);
    w.grid.SetColumnWidth(3, client.Width() - 60 - 7);
    const int third = w.grid.GetColumnWidth(3);
    w.grid.ExpandColumnsToFit(true);
    EXPECT_EQ(w.grid.GetColumnWidth(0), 30 + 3);
    EXPECT_EQ(w.grid.GetColumnWidth(1), 30 + 2);
    EXPECT_EQ(w.grid.GetColumnWidth(2), 0);
    EXPECT_EQ(w.grid.GetColumnWidth(3), third + 2);
    // Columns wider than the window shrink, never below one pixel.
    w.grid.SetColumnWidth(1, 5000);
    w.grid.ExpandColumnsToFit(true);
    for (int c : {0, 1, 3})
        EXPECT_GE(w.grid.GetColumnWidth(c), 1);
    EXPECT_EQ(w.grid.GetColumnWidth(2), 0);
    CGridCtrl empty;
    empty.ExpandColumnsToFit();
    empty.ExpandRowsToFit();
}

TEST(CGridCtrlInputTest, AWheelStepOfMinusOneScrollsAPage) {
    GridWindow<> w(300, 4, 1, 1, 300, 200);
    QAbstractScrollArea* area = qobject_cast<QAbstractScrollArea*>(w.grid.GetWidget());
    ASSERT_TRUE(w.grid.IsVisibleVScroll());
    w.grid.SetWheelScrollLines(3);
    w.grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
    EXPECT_EQ(area->verticalScrollBar()->value(), 3 * w.grid.GetRowHeight(5));
    w.grid.SetScrollPos32(SB_VERT, 0);
    w.grid.SetWheelScrollLines(-1);
    w.grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
    CRect client;
    w.grid.GetClientRect(&client);
    EXPECT_EQ(area->verticalScrollBar()->value(), client.Height() - w.grid.GetFixedRowHeight());
    // Half notches add up.
    w.grid.SetScrollPos32(SB_VERT, 0);
    w.grid.SetWheelScrollLines(1);
    w.grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -60), 0);
    EXPECT_EQ(area->verticalScrollBar()->value(), 0);
    w.grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -60), 0);
    EXPECT_EQ(area->verticalScrollBar()->value(), w.grid.GetRowHeight(1));
}

TEST(CGridCtrlInputTest, FixedRowsThatFillTheWindowShowNoScrollBars) {
    GridWindow<> w(30, 20, 1, 1, 300, 200);
    EXPECT_TRUE(w.grid.IsVisibleVScroll());
    EXPECT_TRUE(w.grid.IsVisibleHScroll());
    w.grid.SetRowHeight(0, 400);
    w.grid.ResetScrollBars();
    EXPECT_FALSE(w.grid.IsVisibleVScroll());
    EXPECT_FALSE(w.grid.IsVisibleHScroll());
}

TEST(CGridCtrlInputTest, AutoSizeMeasuresTextAndKeepsHiddenColumnsHidden) {
    GridWindow<> w(3, 4);
    w.grid.SetItemText(1, 1, "a much longer text than the default width");
    w.grid.SetColumnWidth(2, 0);
    w.grid.AutoSize();
    EXPECT_GT(w.grid.GetColumnWidth(1), w.grid.GetColumnWidth(3));
    EXPECT_EQ(w.grid.GetColumnWidth(2), 0);
    EXPECT_GT(w.grid.GetRowHeight(1), 1);
}

TEST(CGridCtrlInputTest, TheGridPaintsHeadingsCellsSelectionAndFocus) {
    GridWindow<> w(14, 6, 1, 1, 460, 260);
    Fill(w.grid);
    w.grid.SetItemBkColour(3, 3, RGB(255, 230, 150));
    w.grid.SetItemText(3, 3, "coloured");
    w.grid.SetItemFormat(2, 2, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    w.grid.SetSortColumn(2);
    w.grid.AutoSize();
    w.grid.SetFocusCell(5, 2);
    w.grid.SetSelectedRange(5, 2, 7, 4);
    QApplication::processEvents();
    EXPECT_TRUE(w.grid.IsVisibleVScroll());
    const QImage image = w.grid.GetWidget()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    image.save(QString::fromStdString((ArtifactsFolder() / "grid-control.png").string()));
    // A selected cell is painted in the highlight colour.
    const CPoint selected = w.CentreOf(6, 3);
    const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    const QWidget* viewport = w.grid.GetInputWidget();
    const QPoint at = viewport->mapTo(w.grid.GetWidget(), QPoint(selected.x, selected.y - 4));
    EXPECT_EQ(image.pixelColor(at * image.devicePixelRatio()).rgb(), highlight.rgb());
}

TEST(CGridCtrlInputTest, ATitleTipShowsTheTextOfANarrowCellAndGoesWhenTheMouseLeaves) {
    GridWindow<> w(3, 3);
    w.grid.SetItemText(1, 1, "a text far wider than the narrow column it sits in");
    w.grid.SetItemText(1, 2, "short");
    w.parent.GetWidget()->activateWindow();
    w.grid.SetFocus();
    QApplication::processEvents();
    QWidget* input = w.grid.GetInputWidget();
    Mouse(input, QEvent::MouseMove, w.CentreOf(1, 2), Qt::NoButton);
    EXPECT_TRUE(w.grid.GetTitleTip() == nullptr || !w.grid.GetTitleTip()->IsShown());
    Mouse(input, QEvent::MouseMove, w.CentreOf(1, 1), Qt::NoButton);
    ASSERT_NE(w.grid.GetTitleTip(), nullptr);
    EXPECT_TRUE(w.grid.GetTitleTip()->IsShown());
    EXPECT_EQ(w.grid.GetTitleTip()->GetTipText(), " a text far wider than the narrow column it sits in ");
    const QImage tip = w.grid.GetTitleTip()->GetWidget()->grab().toImage();
    tip.save(QString::fromStdString((ArtifactsFolder() / "grid-title-tip.png").string()));
    Mouse(input, QEvent::MouseMove, w.CentreOf(2, 2), Qt::NoButton);
    EXPECT_FALSE(w.grid.GetTitleTip()->IsShown());
    w.grid.EnableTitleTips(false);
    Mouse(input, QEvent::MouseMove, w.CentreOf(1, 1), Qt::NoButton);
    EXPECT_FALSE(w.grid.GetTitleTip()->IsShown());
}

TEST(CGridCtrlInputTest, AComboCellEditsWithItsChoices) {
    GridWindow<> w(3, 3);
    ASSERT_TRUE(w.grid.SetCellType(1, 1, RUNTIME_CLASS(CGridCellCombo)));
    auto* cell = static_cast<CGridCellCombo*>(w.grid.GetCell(1, 1));
    cell->SetOptions({"ULS", "SLS", "ALS"});
    cell->SetStyle(CGridCellCombo::kDropDownList);
    w.grid.SetItemText(1, 1, "SLS");
    w.grid.SetFocusCell(1, 1);
    Key(w.grid.GetWidget(), Qt::Key_F2);
    CWnd* editor = cell->GetEditWnd();
    auto* combo = editor ? qobject_cast<QComboBox*>(editor->GetWidget()) : nullptr;
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText().toStdString(), "SLS");
    combo->setCurrentIndex(2);
    Key(combo, Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(w.grid.GetItemText(1, 1), "ALS");
    EXPECT_FALSE(w.grid.IsItemEditing(1, 1));
    QApplication::processEvents();
}

TEST(CGridCtrlInputTest, AFontSentToTheGridGoesToEveryDefaultCell) {
    GridWindow<> w(3, 3);
    CFont font;
    font.CreateFont(-24, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "DejaVu Sans");
    const int before = w.grid.GetDefCellHeight();
    w.grid.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(&font), TRUE);
    for (bool fixedRow : {false, true})
        EXPECT_EQ(w.grid.GetDefaultCell(fixedRow, !fixedRow)->GetFont()->lfHeight, -24);
    EXPECT_GT(w.grid.GetDefCellHeight(), before);
    auto* answer = reinterpret_cast<CFont*>(w.grid.SendMessage(WM_GETFONT));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->GetData().lfWeight, FW_BOLD);
}

TEST(CGridCtrlInputTest, AGridTakesOverADialogPlaceholder) {
    CRecordingParent parent;
    parent.CreateEx(0, nullptr, "Dialog", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 360, 220, nullptr, 0);
    auto* placeholder = new CWnd;
    ASSERT_TRUE(
        placeholder->Create(nullptr, "", WS_CHILD | WS_VISIBLE, RECT{10, 10, 330, 190}, &parent, 1234));
    {
        CGridCtrl grid(20, 4, 1, 1);
        ASSERT_TRUE(grid.SubclassDlgItem(1234, &parent));
        EXPECT_EQ(parent.GetDlgItem(1234), &grid);
        Fill(grid);
        parent.GetWidget()->show();
        QApplication::processEvents();
        grid.ResetScrollBars();
        EXPECT_TRUE(grid.IsVisibleVScroll());
        CRect rect;
        ASSERT_TRUE(grid.GetCellRect(2, 2, &rect));
        Click(grid.GetInputWidget(), CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
        EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 2));
        Key(grid.GetWidget(), Qt::Key_Down);
        EXPECT_EQ(grid.GetFocusCell(), CCellID(3, 2));
        QApplication::processEvents();
        EXPECT_EQ(parent.commands, std::vector<int>{1234});
        const QImage image = grid.GetWidget()->grab().toImage();
        image.save(QString::fromStdString((ArtifactsFolder() / "grid-in-placeholder.png").string()));
        grid.DestroyWindow();
    }
    parent.DestroyWindow();
    QApplication::processEvents();
}
