// Control notifications in message maps: WM_COMMAND codes and WM_NOTIFY records
// reach the parent's entries, reflected forms reach the control first.
#include "platform/ui/CWnd.h"

#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

constexpr UINT kNameEdit = 10;
constexpr UINT kNoteEdit = 11;
constexpr UINT kFirstOption = 20;
constexpr UINT kLastOption = 22;
constexpr UINT kGrid = 30;
constexpr UINT kFirstCell = 40;
constexpr UINT kLastCell = 45;

// A control's own record: the header, then what the control tells.
struct NM_CELL {
    NMHDR hdr;
    int row;
    int column;
};

// Answers EN_CHANGE itself; the parent never hears of it.
class CSelfChangingEdit : public CWnd {
protected:
    void OnChange() { g_log.push_back("edit took its change"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSelfChangingEdit, CWnd)
ON_EN_CHANGE_REFLECT(&CSelfChangingEdit::OnChange)
END_MESSAGE_MAP()

// Looks at EN_CHANGE and lets its parent have it too.
class CWatchingEdit : public CWnd {
protected:
    BOOL OnChange() {
        g_log.push_back("edit saw its change");
        return FALSE;
    }
    void OnClick(NMHDR* pNMHDR, LRESULT* pResult) {
        g_log.push_back("grid took click " + std::to_string(pNMHDR->idFrom));
        *pResult = 5;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CWatchingEdit, CWnd)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &CWatchingEdit::OnChange)
ON_NOTIFY_REFLECT(NM_RCLICK, &CWatchingEdit::OnClick)
END_MESSAGE_MAP()

class CParentWnd : public CWnd {
protected:
    void OnNameChange() { g_log.push_back("parent: name changed"); }
    void OnNoteChange() { g_log.push_back("parent: note changed"); }
    void OnNoteKillFocus() { g_log.push_back("parent: note left"); }
    void OnOption(UINT id) { g_log.push_back("parent: option " + std::to_string(id)); }
    void OnGridDblClk(NM_CELL* pCell, LRESULT* pResult) {
        g_log.push_back("parent: double click on " + std::to_string(pCell->row) + "," +
                        std::to_string(pCell->column));
        *pResult = 1;
    }
    void OnCellClick(UINT id, NMHDR* pNMHDR, LRESULT* pResult) {
        g_log.push_back("parent: cell " + std::to_string(id) + " code " +
                        std::to_string(static_cast<int>(pNMHDR->code)));
        *pResult = -1;
    }
    BOOL OnEndEdit(UINT, NMHDR*, LRESULT* pResult) {
        g_log.push_back("parent: end edit refused");
        *pResult = -1;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
ON_EN_CHANGE(kNameEdit, &CParentWnd::OnNameChange)
ON_EN_CHANGE(kNoteEdit, &CParentWnd::OnNoteChange)
ON_EN_KILLFOCUS(kNoteEdit, &CParentWnd::OnNoteKillFocus)
ON_CONTROL_RANGE(BN_CLICKED, kFirstOption, kLastOption, &CParentWnd::OnOption)
ON_NOTIFY(NM_DBLCLK, kGrid, &CParentWnd::OnGridDblClk)
ON_NOTIFY_RANGE(NM_CLICK, kFirstCell, kLastCell, &CParentWnd::OnCellClick)
ON_NOTIFY_EX(LVN_ENDLABELEDIT, kGrid, &CParentWnd::OnEndEdit)
END_MESSAGE_MAP()

class CWndNotifyTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_log.clear();
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "Parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, 0));
        ASSERT_TRUE(name.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 50, 20), &parent, kNameEdit));
        ASSERT_TRUE(note.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 30, 50, 50), &parent, kNoteEdit));
        ASSERT_TRUE(
            option.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 60, 50, 80), &parent, kFirstOption + 1));
        ASSERT_TRUE(grid.Create(nullptr, nullptr, WS_VISIBLE, CRect(60, 0, 200, 100), &parent, kGrid));
    }
    void TearDown() override {
        parent.DestroyWindow();
        ProcessEvents();
    }

    LRESULT Command(CWnd& control, UINT code) {
        return parent.SendMessage(WM_COMMAND, MAKEWPARAM(control.GetDlgCtrlID(), static_cast<int>(code)),
                                  reinterpret_cast<LPARAM>(control.GetSafeHwnd()));
    }
    LRESULT Notify(CWnd& control, UINT id, UINT code, int row = 0, int column = 0) {
        NM_CELL cell{{control.GetSafeHwnd(), id, code}, row, column};
        return parent.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&cell));
    }

    CParentWnd parent;
    CSelfChangingEdit name;
    CWatchingEdit note;
    CWnd option;
    CWatchingEdit grid;
};

TEST_F(CWndNotifyTest, CommandCodesReachTheEntryOfTheirCodeAndIdAfterTheControlHadItsSay) {
    struct Row {
        CWnd* control;
        UINT code;
        std::vector<std::string> log;
    };
    const std::vector<Row> rows = {
        {&name, EN_CHANGE, {"edit took its change"}},
        {&note, EN_CHANGE, {"edit saw its change", "parent: note changed"}},
        {&note, EN_KILLFOCUS, {"parent: note left"}},
        {&note, EN_UPDATE, {}},
        {&option, BN_CLICKED, {"parent: option 21"}},
        {&option, BN_DOUBLECLICKED, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control->GetDlgCtrlID());
        SCOPED_TRACE(row.code);
        g_log.clear();
        Command(*row.control, row.code);
        EXPECT_EQ(g_log, row.log);
    }
}

TEST_F(CWndNotifyTest, NotifyRecordsReachTypedRangeAndReflectedHandlersWithTheirAnswer) {
    struct Row {
        UINT id;
        UINT code;
        LRESULT answer;
        std::vector<std::string> log;
    };
    const std::vector<Row> rows = {
        {kGrid, NM_DBLCLK, 1, {"parent: double click on 7,3"}},
        {kGrid, NM_RCLICK, 5, {"grid took click 30"}},
        {kGrid, LVN_ENDLABELEDIT, -1, {"parent: end edit refused"}},
        {kFirstCell, NM_CLICK, -1, {"parent: cell 40 code -2"}},
        {kLastCell, NM_CLICK, -1, {"parent: cell 45 code -2"}},
        {kLastCell + 1, NM_CLICK, 0, {}},
        {kGrid, NM_CLICK, 0, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        SCOPED_TRACE(static_cast<int>(row.code));
        g_log.clear();
        EXPECT_EQ(Notify(grid, row.id, row.code, 7, 3), row.answer);
        EXPECT_EQ(g_log, row.log);
    }
}

TEST_F(CWndNotifyTest, AHandlerThatEndsTheParentStopsTheNotificationThere) {
    // The control's reflected handler may close the dialog it sits in.
    class CClosingEdit : public CWnd {
    public:
        HWND parentToEnd = nullptr;
        BOOL OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) override {
            ::SendMessage(parentToEnd, WM_CLOSE, 0, 0);
            return FALSE;
        }
    };
    auto* owner = new CParentWnd;
    ASSERT_TRUE(owner->CreateEx(0, nullptr, "Owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, 0));
    CClosingEdit edit;
    ASSERT_TRUE(edit.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 10, 10), owner, kNameEdit));
    edit.parentToEnd = owner->GetSafeHwnd();
    const HWND ownerHandle = owner->GetSafeHwnd();
    owner->SendMessage(WM_COMMAND, MAKEWPARAM(kNameEdit, EN_CHANGE),
                       reinterpret_cast<LPARAM>(edit.GetSafeHwnd()));
    EXPECT_FALSE(IsWindow(ownerHandle));
    EXPECT_TRUE(g_log.empty()) << "the parent's map is not searched after it is gone";
    delete owner;
    ProcessEvents();
}

} // namespace
