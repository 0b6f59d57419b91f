// The grid's cells without a window: counts, fixed rows and columns, items,
// modified flags, virtual mode, the selection map and sorting.
#include "controls/grid/CGridCtrl.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A grid of r x c cells with texts "r:c".
void Fill(CGridCtrl& grid) {
    for (int r = 0; r < grid.GetRowCount(); ++r)
        for (int c = 0; c < grid.GetColumnCount(); ++c)
            grid.SetItemText(r, c, (std::to_string(r) + ":" + std::to_string(c)).c_str());
}

} // namespace

TEST(CGridCtrlTest, FixedRowsBeyondTheRowCountAddRowsThatAreFixedWithDefaultColours) {
    CGridCtrl grid(1, 2);
    grid.SetItemBkColour(0, 1, RGB(1, 2, 3));
    ASSERT_TRUE(grid.SetFixedRowCount(3));
    EXPECT_EQ(grid.GetRowCount(), 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c) {
            SCOPED_TRACE(testing::Message() << r << "," << c);
            EXPECT_EQ(grid.GetItemState(r, c) & (GVIS_FIXED | GVIS_FIXEDROW), GVIS_FIXED | GVIS_FIXEDROW);
            EXPECT_EQ(grid.GetItemBkColour(r, c), CLR_DEFAULT);
            EXPECT_EQ(grid.GetItemFgColour(r, c), CLR_DEFAULT);
        }
    // Lowering the count takes the fixed bits away again, outside the fixed columns.
    grid.SetFixedColumnCount(1);
    ASSERT_TRUE(grid.SetFixedRowCount(1));
    EXPECT_EQ(grid.GetItemState(2, 1) & (GVIS_FIXED | GVIS_FIXEDROW), 0u);
    EXPECT_EQ(grid.GetItemState(2, 0) & (GVIS_FIXED | GVIS_FIXEDCOL | GVIS_FIXEDROW),
              GVIS_FIXED | GVIS_FIXEDCOL);
}

TEST(CGridCtrlTest, InsertingAtTheEndAppendsColumnsButRefusesRows) {
    struct Case {
        const char* what;
        int rows, cols, fixedRows, fixedCols;
        bool row; // InsertRow, else InsertColumn
        int before;
        int expected;
    };
    const Case cases[] = {
        {"row at the row count", 3, 2, 1, 0, true, 3, -1},
        {"row inside the fixed rows", 3, 2, 1, 0, true, 0, -1},
        {"row appended", 3, 2, 1, 0, true, -1, 3},
        {"row before row 1", 3, 2, 1, 0, true, 1, 1},
        {"column at the column count appends", 3, 2, 0, 1, false, 2, 2},
        {"column beyond the count", 3, 2, 0, 1, false, 3, -1},
        {"column inside the fixed columns", 3, 2, 0, 1, false, 0, -1},
        {"column on an empty grid gets a heading row", 0, 0, 0, 0, false, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CGridCtrl grid(c.rows, c.cols, c.fixedRows, c.fixedCols);
        const int result =
            c.row ? grid.InsertRow("new", c.before) : grid.InsertColumn("new", DT_LEFT, c.before);
        EXPECT_EQ(result, c.expected);
        if (result >= 0) {
            EXPECT_EQ(grid.GetItemText(c.row ? result : 0, c.row ? 0 : result), "new");
        }
        if (c.rows == 0) {
            EXPECT_EQ(grid.GetRowCount(), 1);
        }
    }
}

TEST(CGridCtrlTest, InsertedAndDeletedRowsKeepCellsInPlaceAndTheFocusOnItsCell) {
    CGridCtrl grid(4, 3, 1, 1);
    Fill(grid);
    grid.SetFocusCell(2, 1);
    ASSERT_EQ(grid.InsertRow("x", 1), 1);
    EXPECT_EQ(grid.GetItemText(3, 1), "2:1");
    EXPECT_EQ(grid.GetFocusCell(), CCellID(3, 1));
    ASSERT_TRUE(grid.DeleteRow(1));
    EXPECT_EQ(grid.GetItemText(2, 1), "2:1");
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 1));
    ASSERT_TRUE(grid.DeleteColumn(0));
    EXPECT_EQ(grid.GetFixedColumnCount(), 0);
    EXPECT_EQ(grid.GetItemText(2, 0), "2:1");
    EXPECT_FALSE(grid.DeleteRow(9));
    ASSERT_TRUE(grid.DeleteNonFixedRows());
    EXPECT_EQ(grid.GetRowCount(), 1);
    ASSERT_TRUE(grid.DeleteAllItems());
    EXPECT_EQ(grid.GetRowCount() + grid.GetColumnCount() + grid.GetFixedRowCount(), 0);
}

TEST(CGridCtrlTest, ADefaultCellIsReadOnlyWhateverItsState) {
    CGridCtrl grid(2, 2);
    for (bool fixedRow : {false, true})
        for (bool fixedCol : {false, true}) {
            CGridDefaultCell* cell = grid.GetDefaultCell(fixedRow, fixedCol);
            cell->SetState(0);
            EXPECT_TRUE(cell->IsReadOnly());
            EXPECT_TRUE(cell->GetState() & GVIS_READONLY);
        }
    CGridDefaultCell alone;
    EXPECT_TRUE(alone.IsReadOnly());
    EXPECT_EQ(alone.GetFormat(), 0x8824u);
}

TEST(CGridCtrlTest, SettingTheGridUnmodifiedClearsEveryCell) {
    CGridCtrl grid(4, 4, 1, 1);
    Fill(grid);
    EXPECT_TRUE(grid.GetModified(2, 2));
    EXPECT_TRUE(grid.GetModified());
    // A single cell cleared leaves the grid modified.
    grid.SetModified(false, 2, 2);
    EXPECT_FALSE(grid.GetModified(2, 2));
    EXPECT_TRUE(grid.GetModified(3, 3));
    EXPECT_TRUE(grid.GetModified());
    grid.SetModified(false);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_FALSE(grid.GetItemState(r, c) & GVIS_MODIFIED) << r << "," << c;
    EXPECT_FALSE(grid.GetModified());
    // State, colour and format setters do not mark a cell.
    grid.SetItemFgColour(1, 1, RGB(9, 9, 9));
    grid.SetItemFormat(1, 1, DT_RIGHT);
    EXPECT_FALSE(grid.GetModified(1, 1));
    grid.SetItemData(1, 1, 7);
    EXPECT_TRUE(grid.GetModified(1, 1));
}

namespace {

bool VirtualText(GV_DISPINFO* info, LPARAM user) {
    info->item.strText = "v" + std::to_string(info->item.row) + "." + std::to_string(info->item.col) + "." +
                         std::to_string(user);
    return true;
}

} // namespace

TEST(CGridCtrlTest, VirtualModeAsksTheCallbackAndRefusesSetters) {
    CGridCtrl grid;
    grid.SetVirtualMode(true);
    grid.SetCallbackFunc(VirtualText, 5);
    grid.SetRowCount(100000);
    grid.SetColumnCount(4);
    EXPECT_EQ(grid.GetItemText(70000, 3), "v70000.3.5");
    EXPECT_FALSE(grid.SetItemText(1, 1, "x"));
    EXPECT_FALSE(grid.SetItemData(1, 1, 1));
    EXPECT_FALSE(grid.SetItemBkColour(1, 1, 0));
    EXPECT_FALSE(grid.SetCellType(1, 1, RUNTIME_CLASS(CGridCell)));
    EXPECT_FALSE(grid.IsEditable());
    // Selection lives in the map alone, and the record shows it.
    grid.SetSelectedRange(5, 1, 5, 2);
    EXPECT_TRUE(grid.IsCellSelected(5, 2));
    EXPECT_TRUE(grid.GetCell(5, 1)->IsSelected());
    EXPECT_FALSE(grid.GetCell(6, 1)->IsSelected());
}

TEST(CGridCtrlTest, RowsThatShareTheirLow16BitsAreSelectedApart) {
    CGridCtrl grid(70001, 3, 1, 1);
    grid.SetSelectedRange(70000, 1, 70000, 1);
    EXPECT_TRUE(grid.IsCellSelected(70000, 1));
    EXPECT_FALSE(grid.IsCellSelected(4464, 1));
    EXPECT_EQ(grid.GetSelectedCount(), 1);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(70000, 1, 70000, 1));
    grid.SetSelectedRange(4464, 1, 4464, 2);
    EXPECT_FALSE(grid.IsCellSelected(70000, 1));
    EXPECT_EQ(grid.GetSelectedCount(), 2);
}

TEST(CGridCtrlTest, SortingMovesWholeRowsAndTheirHeights) {
    CGridCtrl grid(6, 2, 1, 0);
    const char* keys[] = {"head", "delta", "alpha", "echo", "charlie", "bravo"};
    for (int r = 0; r < 6; ++r) {
        grid.SetItemText(r, 0, keys[r]);
        grid.SetItemText(r, 1, std::to_string(r).c_str());
        grid.SetRowHeight(r, 10 + r);
    }
    ASSERT_TRUE(grid.SortTextItems(0, true));
    const char* ascending[] = {"head", "alpha", "bravo", "charlie", "delta", "echo"};
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(grid.GetItemText(r, 0), ascending[r]);
    EXPECT_EQ(grid.GetItemText(1, 1), "2");
    EXPECT_EQ(grid.GetRowHeight(1), 12);
    ASSERT_TRUE(grid.SortTextItems(0, false));
    EXPECT_EQ(grid.GetItemText(1, 0), "echo");
    EXPECT_EQ(grid.GetItemText(5, 0), "alpha");
    EXPECT_EQ(grid.GetSortColumn(), 0);
    EXPECT_FALSE(grid.GetSortAscending());
    EXPECT_FALSE(grid.SortTextItems(5, true));
}

TEST(CGridCtrlTest, NumericCompareOrdersByValue) {
    CGridCtrl grid(5, 1, 1, 0);
    const char* values[] = {"n", "10", "9", "-3", "100"};
    for (int r = 0; r < 5; ++r)
        grid.SetItemText(r, 0, values[r]);
    ASSERT_TRUE(grid.SortItems(CGridCtrl::pfnCellRezavudCompare, 0, true));
    EXPECT_EQ(grid.GetItemText(1, 0), "-3");
    EXPECT_EQ(grid.GetItemText(2, 0), "9");
    EXPECT_EQ(grid.GetItemText(4, 0), "100");
}

TEST(CGridCtrlTest, ItemsTravelThroughTheItemRecordAndCellTypesCopyTheirCell) {
    CGridCtrl grid(3, 3, 1, 1);
    GV_ITEM item;
    item.row = 1;
    item.col = 2;
    item.mask = GVIF_TEXT | GVIF_PARAM | GVIF_FORMAT | GVIF_BKCLR | GVIF_MARGIN;
    item.strText = "text";
    item.lParam = 42;
    item.nFormat = DT_RIGHT;
    item.crBkClr = RGB(10, 20, 30);
    item.nMargin = 7;
    ASSERT_TRUE(grid.SetItem(&item));
    GV_ITEM back;
    back.row = 1;
    back.col = 2;
    back.mask = item.mask;
    ASSERT_TRUE(grid.GetItem(&back));
    EXPECT_EQ(back.strText, "text");
    EXPECT_EQ(back.lParam, 42);
    EXPECT_EQ(back.nFormat, static_cast<UINT>(DT_RIGHT));
    EXPECT_EQ(back.crBkClr, RGB(10, 20, 30));
    EXPECT_EQ(back.nMargin, 7u);

    LOGFONT lf;
    lf.lfHeight = -20;
    lf.SetFaceName("DejaVu Sans");
    grid.SetItemFont(1, 2, &lf);
    CFont* font = grid.GetCell(1, 2)->GetFontObject();
    // A second cell's font leaves the first cell's font object alone.
    LOGFONT other = lf;
    other.lfHeight = -30;
    grid.SetItemFont(2, 2, &other);
    EXPECT_EQ(grid.GetCell(1, 2)->GetFontObject(), font);
    EXPECT_EQ(grid.GetCell(1, 2)->GetFont()->lfHeight, -20);

    ASSERT_TRUE(grid.SetCellType(1, 2, RUNTIME_CLASS(CGridCell)));
    EXPECT_EQ(grid.GetItemText(1, 2), "text");
    EXPECT_EQ(grid.GetItemData(1, 2), 42);
    EXPECT_EQ(grid.GetItemFont(1, 2)->lfHeight, -20);
    EXPECT_FALSE(grid.SetCellType(1, 2, RUNTIME_CLASS(CGridCtrl)));
    EXPECT_FALSE(grid.SetDefaultCellType(RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(grid.SetItemTextFmt(2, 1, "%d of %s", 3, "4"));
    EXPECT_EQ(grid.GetItemText(2, 1), "3 of 4");
    EXPECT_FALSE(grid.SetItemText(9, 9, "x"));
    EXPECT_EQ(grid.GetItemText(9, 9), "");
    EXPECT_EQ(grid.GetRowHeight(9), -1);
}

TEST(CGridCtrlTest, NextItemSearchesInItsDirectionOutsideTheFixedCells) {
    CGridCtrl grid(6, 6, 1, 1);
    grid.SetSelectedRange(2, 2, 2, 2);
    grid.SetItemState(4, 2, grid.GetItemState(4, 2) | GVIS_SELECTED);
    grid.SetItemState(2, 4, grid.GetItemState(2, 4) | GVIS_SELECTED);
    grid.SetModified(false);
    grid.SetItemText(5, 5, "changed");
    struct Case {
        CCellID from;
        int flags;
        CCellID expected;
    };
    const Case cases[] = {
        {{2, 2}, GVNI_SELECTED | GVNI_BELOW, {4, 2}},   {{4, 2}, GVNI_SELECTED | GVNI_ABOVE, {2, 2}},
        {{2, 2}, GVNI_SELECTED | GVNI_TORIGHT, {2, 4}}, {{2, 4}, GVNI_SELECTED | GVNI_TOLEFT, {2, 2}},
        {{2, 2}, GVNI_SELECTED | GVNI_ALL, {2, 4}},     {{2, 4}, GVNI_SELECTED | GVNI_ALL, {4, 2}},
        {{4, 2}, GVNI_SELECTED | GVNI_ALL, {-1, -1}},   {{1, 1}, GVNI_MODIFIED | GVNI_ALL, {5, 5}},
        {{2, 2}, GVNI_SELECTED | GVNI_ABOVE, {-1, -1}}, {{1, 1}, GVNI_FIXED | GVNI_ALL, {-1, -1}},
    };
    for (const Case& c : cases) {
        CCellID from = c.from;
        EXPECT_EQ(grid.GetNextItem(from, c.flags), c.expected)
            << c.from.row << "," << c.from.col << " flags " << c.flags;
    }
}
