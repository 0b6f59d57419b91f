// Grid text files, the clipboard, and drag and drop.
#include "GridTestWindow.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CPromptService.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QMimeData>
#include <QPixmap>

#include <csignal>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::vector<std::string>> Cells(const CGridCtrl& grid) {
    std::vector<std::vector<std::string>> cells;
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        cells.emplace_back();
        for (int c = 0; c < grid.GetColumnCount(); ++c)
            cells.back().push_back(grid.GetItemText(r, c));
    }
    return cells;
}

} // namespace

TEST(CGridCtrlFileTest, PlainCellsAreWrittenAsCommaSeparatedLines) {
    TempFolder dir;
    CGridCtrl grid(2, 3, 1, 0);
    const char* texts[2][3] = {{"a", "b", "c"}, {"1", "", "3"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            grid.SetItemText(r, c, texts[r][c]);
    ASSERT_TRUE(grid.Save((dir / "plain.csv").c_str()));
    EXPECT_EQ(ReadAll(dir / "plain.csv"), "a,b,c\r\n1,,3\r\n");

    CGridCtrl loaded(5, 5, 2, 2);
    ASSERT_TRUE(loaded.Load((dir / "plain.csv").c_str()));
    EXPECT_EQ(Cells(loaded), Cells(grid));
    EXPECT_EQ(loaded.GetFixedRowCount(), 0);
    EXPECT_EQ(loaded.GetItemFormat(0, 1), static_cast<UINT>(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
}

TEST(CGridCtrlFileTest, CommasQuotesLineBreaksAndLongLinesSurviveARoundTrip) {
    TempFolder dir;
    CGridCtrl grid(3, 3, 1, 0);
    const std::string longText(3000, 'x');
    const std::string texts[3][3] = {
        {longText, "head,ing", "plain"}, {"say \"hi\"", "two\nlines", "crlf\r\nline"}, {"", "\"", ",,"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            grid.SetItemText(r, c, texts[r][c].c_str());
    ASSERT_TRUE(grid.Save((dir / "quoted.csv").c_str()));
    CGridCtrl loaded;
    ASSERT_TRUE(loaded.Load((dir / "quoted.csv").c_str()));
    EXPECT_EQ(Cells(loaded), Cells(grid));
}

TEST(CGridCtrlFileTest, AWindows1252FileWithCarriageReturnsLoads) {
    TempFolder dir;
    WriteAll(dir / "old.csv", "Name,M\xe4\xdf\r\nTr\xe4ger,12\xb0\r\n");
    CGridCtrl grid;
    ASSERT_TRUE(grid.Load((dir / "old.csv").c_str()));
    ASSERT_EQ(grid.GetRowCount(), 2);
    ASSERT_EQ(grid.GetColumnCount(), 2);
    EXPECT_EQ(grid.GetItemText(0, 1), "M\u00e4\u00df");
    EXPECT_EQ(grid.GetItemText(1, 0), "Tr\u00e4ger");
    EXPECT_EQ(grid.GetItemText(1, 1), "12\u00b0");
}

TEST(CGridCtrlFileTest, AFileThatCannotBeReadLeavesTheGridAsItWas) {
    TempFolder dir;
    CScriptedPromptService prompts;
    CGridCtrl grid(2, 2);
    grid.SetItemText(1, 1, "kept");
    EXPECT_FALSE(grid.Load((dir / "missing.csv").c_str()));
    std::filesystem::create_directory(dir / "folder.csv");
    EXPECT_FALSE(grid.Load((dir / "folder.csv").c_str()));
    EXPECT_EQ(grid.GetRowCount(), 2);
    EXPECT_EQ(grid.GetItemText(1, 1), "kept");
    EXPECT_EQ(prompts.MessageBoxes().size(), 2u);
    grid.SetVirtualMode(true);
    WriteAll(dir / "ok.csv", "a\r\n");
    EXPECT_FALSE(grid.Load((dir / "ok.csv").c_str()));
}

TEST(CGridCtrlFileTest, AFailingSaveKeepsTheOldFile) {
    TempFolder dir;
    CScriptedPromptService prompts;
    WriteAll(dir / "grid.csv", "old,file\r\n");
    CGridCtrl grid(50, 10);
    for (int r = 0; r < 50; ++r)
        for (int c = 0; c < 10; ++c)
            grid.SetItemText(r, c, "a long enough cell text");
    // The file size limit makes the write fail part way, whoever runs the test.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1024;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = grid.Save((dir / "grid.csv").c_str());
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadAll(dir / "grid.csv"), "old,file\r\n");
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text, "Unable to save grid list");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// --- clipboard -------------------------------------------------------------------------------------

TEST(CGridCtrlClipboardTest, NonAdjacentCellsCopyAsTheirBoundingRange) {
    GridWindow<> w(3, 5);
    w.grid.SetItemText(1, 1, "a");
    w.grid.SetItemText(1, 2, "b");
    w.grid.SetItemText(1, 3, "c");
    w.grid.SetSelectedRange(1, 1, 1, 1);
    w.grid.SetItemState(1, 3, w.grid.GetItemState(1, 3) | GVIS_SELECTED);
    w.grid.OnEditCopy();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "a\t\tc");
}

TEST(CGridCtrlClipboardTest, PastedTextSplitsAtTabsCommasAndLineEnds) {
    struct Case {
        const char* what;
        const char* text;
    };
    const Case cases[] = {
        {"line feeds", "1,2\n3\t4"}, {"carriage returns", "1,2\r\n3\t4\r\n"}, {"spaces", " 1 , 2\n3\t 4 "}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GridWindow<> w(4, 4);
        w.grid.SetItemText(3, 1, "untouched");
        QApplication::clipboard()->setText(QString::fromUtf8(c.text));
        w.grid.SetFocusCell(1, 1);
        w.grid.OnEditPaste();
        EXPECT_EQ(w.grid.GetItemText(1, 1), "1");
        EXPECT_EQ(w.grid.GetItemText(1, 2), "2");
        EXPECT_EQ(w.grid.GetItemText(2, 1), "3");
        EXPECT_EQ(w.grid.GetItemText(2, 2), "4");
        EXPECT_EQ(w.grid.GetItemText(3, 1), "untouched");
        EXPECT_EQ(w.grid.GetRowCount(), 4);
    }
}

TEST(CGridCtrlClipboardTest, CellsWithCommasSurviveBetweenTwoGrids) {
    GridWindow<> from(3, 3), to(3, 4);
    from.grid.SetItemText(1, 1, "a,b");
    from.grid.SetItemText(1, 2, "tab\there");
    from.grid.SetSelectedRange(1, 1, 1, 2);
    from.grid.OnEditCopy();
    to.grid.SetFocusCell(1, 1);
    to.grid.OnEditPaste();
    EXPECT_EQ(to.grid.GetItemText(1, 1), "a,b");
    EXPECT_EQ(to.grid.GetItemText(1, 2), "tab\there");
    EXPECT_EQ(to.grid.GetItemText(1, 3), "");
}

TEST(CGridCtrlClipboardTest, PastingIntoAnOpenEditorPastesAtItsCaret) {
    GridWindow<> w(3, 3);
    w.grid.SetItemText(1, 1, "ab");
    w.grid.SetFocusCell(1, 1);
    w.grid.OnEditCell(1, 1, CPoint(-1, -1), VK_LBUTTON);
    ASSERT_TRUE(w.grid.IsItemEditing(1, 1));
    QApplication::clipboard()->setText("1,2");
    w.grid.OnEditPaste();
    EXPECT_EQ(w.grid.GetItemText(1, 2), "");
    w.grid.EndEditing();
    EXPECT_EQ(w.grid.GetItemText(1, 1), "ab1,2");
    QApplication::processEvents();
}

TEST(CGridCtrlClipboardTest, AParentThatRefusesTheEditKeepsAPastedField) {
    GridWindow<> w(3, 3);
    w.grid.SetItemText(1, 1, "old");
    w.parent.answers[GVN_BEGINLABELEDIT] = -1;
    QApplication::clipboard()->setText("new");
    w.grid.SetFocusCell(1, 1);
    w.grid.OnEditPaste();
    EXPECT_EQ(w.grid.GetItemText(1, 1), "old");
}

// --- drag and drop ---------------------------------------------------------------------------------

namespace {

// Drops the dragged data onto a cell of a grid, as a move.
struct DropOnto {
    DropOnto(CGridCtrl* target, CPoint point) {
        CGridCtrl::SetDragRunner([target, point](QMimeData* data, CGridCtrl*) {
            return target->OnDrop(data, DROPEFFECT_MOVE, point) ? Qt::MoveAction : Qt::IgnoreAction;
        });
    }
    ~DropOnto() { CGridCtrl::SetDragRunner({}); }
};

} // namespace

TEST(CGridCtrlDragTest, AMoveOntoAnOverlappingRangeKeepsEveryValue) {
    GridWindow<> w(3, 5);
    w.grid.EnableDragAndDrop(true);
    w.grid.SetItemText(1, 1, "A");
    w.grid.SetItemText(1, 2, "B");
    w.grid.SetSelectedRange(1, 1, 1, 2);
    DropOnto drop(&w.grid, w.CentreOf(1, 2));
    w.grid.OnBeginDrag();
    EXPECT_EQ(w.grid.GetItemText(1, 1), "");
    EXPECT_EQ(w.grid.GetItemText(1, 2), "A");
    EXPECT_EQ(w.grid.GetItemText(1, 3), "B");
    EXPECT_EQ(w.parent.Codes().front(), GVN_BEGINDRAG);
}

TEST(CGridCtrlDragTest, AMoveToAnotherGridClearsTheSourceAndACopyKeepsIt) {
    for (bool move : {true, false}) {
        SCOPED_TRACE(move ? "move" : "copy");
        GridWindow<> from(3, 3), to(3, 3);
        from.grid.EnableDragAndDrop(true);
        to.grid.EnableDragAndDrop(true);
        from.grid.SetItemText(1, 1, "x,y");
        from.grid.SetSelectedRange(1, 1, 1, 1);
        CGridCtrl* target = &to.grid;
        const CPoint point = to.CentreOf(2, 2);
        CGridCtrl::SetDragRunner([target, point, move](QMimeData* data, CGridCtrl*) {
            target->OnDrop(data, move ? DROPEFFECT_MOVE : DROPEFFECT_COPY, point);
            return move ? Qt::MoveAction : Qt::CopyAction;
        });
        from.grid.OnBeginDrag();
        CGridCtrl::SetDragRunner({});
        EXPECT_EQ(to.grid.GetItemText(2, 2), "x,y");
        EXPECT_EQ(from.grid.GetItemText(1, 1), move ? "" : "x,y");
    }
}

TEST(CGridCtrlDragTest, OnlyEditableCellsTakeADrop) {
    GridWindow<> w(3, 3);
    w.grid.EnableDragAndDrop(true);
    QMimeData data;
    data.setText("t");
    EXPECT_EQ(w.grid.OnDragEnter(&data, 0, w.CentreOf(1, 1)), DROPEFFECT_MOVE);
    EXPECT_TRUE(w.grid.GetItemState(1, 1) & GVIS_DROPHILITED);
    EXPECT_EQ(w.grid.OnDragOver(&data, MK_CONTROL, w.CentreOf(2, 2)), DROPEFFECT_COPY);
    EXPECT_FALSE(w.grid.GetItemState(1, 1) & GVIS_DROPHILITED);
    w.grid.SetItemState(2, 1, w.grid.GetItemState(2, 1) | GVIS_READONLY);
    EXPECT_EQ(w.grid.OnDragOver(&data, 0, w.CentreOf(2, 1)), DROPEFFECT_NONE);
    w.grid.OnDragLeave();
    EXPECT_FALSE(w.grid.GetItemState(2, 2) & GVIS_DROPHILITED);
    QMimeData nothing;
    EXPECT_EQ(w.grid.OnDragEnter(&nothing, 0, w.CentreOf(1, 1)), DROPEFFECT_NONE);
}

TEST(CGridCtrlDragTest, TheDropTargetServesOneGridOnce) {
    GridWindow<> w(3, 3), other(3, 3);
    CGridDropTarget target;
    EXPECT_FALSE(target.Register(nullptr));
    ASSERT_TRUE(target.Register(&w.grid));
    EXPECT_FALSE(target.Register(&other.grid));
    EXPECT_TRUE(w.grid.GetInputWidget()->acceptDrops());
    EXPECT_EQ(target.OnDragScroll(&w.grid, MK_CONTROL), DROPEFFECT_COPY);
    EXPECT_EQ(target.OnDragScroll(&w.grid, 0), DROPEFFECT_MOVE);
    EXPECT_EQ(target.OnDragScroll(&other.grid, 0), DROPEFFECT_NONE);
    target.Revoke();
    EXPECT_FALSE(w.grid.GetInputWidget()->acceptDrops());
}

TEST(CGridCtrlClipboardTest, TheEditCommandsReachTheGridAndAreEnabledByItsState) {
    GridWindow<> w(3, 3);
    w.grid.SetItemText(1, 1, "cmd");
    CTestCmdUI state;
    state.m_nID = ID_EDIT_COPY;
    w.grid.OnCmdMsg(ID_EDIT_COPY, CN_UPDATE_COMMAND_UI, &state, nullptr);
    EXPECT_FALSE(state.m_bEnabled);
    w.grid.SetSelectedRange(1, 1, 1, 1);
    state.m_bEnabled = FALSE;
    w.grid.OnCmdMsg(ID_EDIT_COPY, CN_UPDATE_COMMAND_UI, &state, nullptr);
    EXPECT_TRUE(state.m_bEnabled);
    EXPECT_TRUE(w.grid.OnCmdMsg(ID_EDIT_COPY, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "cmd");
    w.grid.SetEditable(false);
    state.m_bEnabled = TRUE;
    state.m_nID = ID_EDIT_CUT;
    w.grid.OnCmdMsg(ID_EDIT_CUT, CN_UPDATE_COMMAND_UI, &state, nullptr);
    EXPECT_FALSE(state.m_bEnabled);
}

TEST(CGridCtrlDragTest, TheDragImageIsTheFocusCell) {
    GridWindow<> w(3, 3);
    CPoint hotSpot;
    EXPECT_TRUE(w.grid.CreateDragImage(&hotSpot).isNull());
    w.grid.SetItemText(1, 1, "drag");
    w.grid.SetFocusCell(1, 1);
    const QPixmap image = w.grid.CreateDragImage(&hotSpot);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), w.grid.GetColumnWidth(1));
    EXPECT_EQ(image.height(), w.grid.GetRowHeight(1));
    EXPECT_EQ(hotSpot, CPoint(image.width(), image.height()));
}
