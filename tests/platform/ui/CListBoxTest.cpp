// The list controls tell their parent of every selection change the user makes,
// with the mouse and with the keys, and of none that the program makes itself.
#include "platform/ui/CDialogControls.h"

#include "UiTestSupport.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CResources.h"

#include <QComboBox>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr UINT IDD_LISTS = 9620;
constexpr int IDC_SINGLE = 1000;
constexpr int IDC_MULTIPLE = 1001;
constexpr int IDC_EXTENDED = 1002;
constexpr int IDC_CHOICE = 1003;

// What the parent heard: the control, the code, and the selection as the control told it then.
struct Heard {
    int id;
    UINT code;
    int curSel;
    std::set<int> selected;
    bool operator==(const Heard&) const = default;
};

class Lists : public CDialog {
public:
    Lists() : CDialog(IDD_LISTS) {}
    CListBox& list(int id) { return *static_cast<CListBox*>(GetDlgItem(id)); }
    CComboBox& combo() { return *static_cast<CComboBox*>(GetDlgItem(IDC_CHOICE)); }
    std::vector<Heard> heard;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        const int id = LOWORD(wParam);
        const UINT code = HIWORD(wParam);
        if ((id != IDC_CHOICE && code == LBN_SELCHANGE) || (id == IDC_CHOICE && code == CBN_SELCHANGE)) {
            Heard h{id, code, 0, {}};
            if (id == IDC_CHOICE) {
                h.curSel = combo().GetCurSel();
            } else {
                h.curSel = list(id).GetCurSel();
                for (int i = 0; i < list(id).GetCount(); ++i)
                    if (list(id).GetSel(i) > 0) h.selected.insert(i);
            }
            heard.push_back(h);
        }
        return CDialog::OnCommand(wParam, lParam);
    }
};

CDialogTemplate listsTemplate() {
    CDialogTemplate t;
    t.caption = "Lists";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    t.cx = 320;
    t.cy = 120;
    t.items = {
        DlgListBox(IDC_SINGLE, 7, 7, 70, 100, LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP),
        DlgListBox(IDC_MULTIPLE, 85, 7, 70, 100, LBS_NOTIFY | LBS_MULTIPLESEL | WS_VSCROLL | WS_TABSTOP),
        DlgListBox(IDC_EXTENDED, 163, 7, 70, 100, LBS_NOTIFY | LBS_EXTENDEDSEL | WS_VSCROLL | WS_TABSTOP),
        DlgComboBox(IDC_CHOICE, 241, 7, 70, 80, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP),
    };
    return t;
}

class CListBoxTest : public ::testing::Test {
public:
    void SetUp() override {
        CResources::Instance().AddDialog(IDD_LISTS, listsTemplate());
        ASSERT_TRUE(dlg.Create(IDD_LISTS));
        for (int id : {IDC_SINGLE, IDC_MULTIPLE, IDC_EXTENDED})
            for (const char* text : {"HEA", "HEB", "IPE", "UPN", "L"})
                dlg.list(id).AddString(text);
        for (const char* text : {"S235", "S275", "S355"})
            dlg.combo().AddString(text);
        dlg.ShowWindow(SW_SHOW);
        ProcessEvents();
        dlg.heard.clear();
    }
    QListWidget* widget(int id) { return qobject_cast<QListWidget*>(dlg.list(id).GetWidget()); }
    // A click on a row, where the user clicks: on the item in the list's viewport.
    void click(int id, int row, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QListWidget* list = widget(id);
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, at);
    }
    void key(int id, Qt::Key k) { QTest::keyClick(dlg.GetDlgItem(id)->GetWidget(), k); }

    Lists dlg;
};

TEST_F(CListBoxTest, EveryChangeTheUserMakesIsToldOnceWithTheSelectionComplete) {
    struct Step {
        const char* what;
        std::function<void(CListBoxTest&)> act;
        std::vector<Heard> expected;
    };
    const std::vector<Step> steps = {
        {"click in a single list", [](CListBoxTest& t) { t.click(IDC_SINGLE, 2); },
         {{IDC_SINGLE, LBN_SELCHANGE, 2, {2}}}},
        {"click on another row", [](CListBoxTest& t) { t.click(IDC_SINGLE, 4); },
         {{IDC_SINGLE, LBN_SELCHANGE, 4, {4}}}},
        {"arrow up", [](CListBoxTest& t) { t.key(IDC_SINGLE, Qt::Key_Up); }, {{IDC_SINGLE, LBN_SELCHANGE, 3, {3}}}},
        {"home", [](CListBoxTest& t) { t.key(IDC_SINGLE, Qt::Key_Home); }, {{IDC_SINGLE, LBN_SELCHANGE, 0, {0}}}},
        {"a click toggles a row of a multiple list on",
         [](CListBoxTest& t) { t.click(IDC_MULTIPLE, 1); }, {{IDC_MULTIPLE, LBN_SELCHANGE, 1, {1}}}},
        {"and another one", [](CListBoxTest& t) { t.click(IDC_MULTIPLE, 3); },
         {{IDC_MULTIPLE, LBN_SELCHANGE, 3, {1, 3}}}},
        {"a deselecting click", [](CListBoxTest& t) { t.click(IDC_MULTIPLE, 1); },
         {{IDC_MULTIPLE, LBN_SELCHANGE, LB_ERR, {3}}}},
        {"space toggles the row with the focus", [](CListBoxTest& t) { t.key(IDC_MULTIPLE, Qt::Key_Space); },
         {{IDC_MULTIPLE, LBN_SELCHANGE, 1, {1, 3}}}},
        {"click in an extended list", [](CListBoxTest& t) { t.click(IDC_EXTENDED, 0); },
         {{IDC_EXTENDED, LBN_SELCHANGE, 0, {0}}}},
        {"control click adds", [](CListBoxTest& t) { t.click(IDC_EXTENDED, 2, Qt::ControlModifier); },
         {{IDC_EXTENDED, LBN_SELCHANGE, 2, {0, 2}}}},
        {"control click on a selected row takes it away",
         [](CListBoxTest& t) { t.click(IDC_EXTENDED, 0, Qt::ControlModifier); },
         {{IDC_EXTENDED, LBN_SELCHANGE, LB_ERR, {2}}}},
        {"shift click spans", [](CListBoxTest& t) { t.click(IDC_EXTENDED, 4, Qt::ShiftModifier); },
         {{IDC_EXTENDED, LBN_SELCHANGE, 4, {0, 1, 2, 3, 4}}}},
        {"arrow down on a closed combo box", [](CListBoxTest& t) { t.key(IDC_CHOICE, Qt::Key_Down); },
         {{IDC_CHOICE, CBN_SELCHANGE, 0, {}}}},
        {"and again", [](CListBoxTest& t) { t.key(IDC_CHOICE, Qt::Key_Down); }, {{IDC_CHOICE, CBN_SELCHANGE, 1, {}}}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        dlg.heard.clear();
        step.act(*this);
        ProcessEvents();
        EXPECT_EQ(dlg.heard.size(), step.expected.size());
        for (size_t i = 0; i < std::min(dlg.heard.size(), step.expected.size()); ++i) {
            const Heard& h = dlg.heard[i];
            const Heard& e = step.expected[i];
            EXPECT_EQ(h.id, e.id);
            EXPECT_EQ(h.code, e.code);
            EXPECT_EQ(h.curSel, e.curSel);
            EXPECT_EQ(h.selected, e.selected);
        }
    }
}

TEST_F(CListBoxTest, TheProgramsOwnChangesAreNeverTold) {
    click(IDC_SINGLE, 1);
    click(IDC_MULTIPLE, 1);
    ProcessEvents();
    dlg.heard.clear();
    struct Call {
        const char* what;
        std::function<void(Lists&)> call;
    };
    const Call calls[] = {
        {"SetCurSel", [](Lists& d) { d.list(IDC_SINGLE).SetCurSel(3); }},
        {"SetCurSel(-1)", [](Lists& d) { d.list(IDC_SINGLE).SetCurSel(-1); }},
        {"SelectString", [](Lists& d) { d.list(IDC_SINGLE).SelectString(-1, "UPN"); }},
        {"AddString", [](Lists& d) { d.list(IDC_SINGLE).AddString("T"); }},
        {"InsertString", [](Lists& d) { d.list(IDC_SINGLE).InsertString(0, "Z"); }},
        {"DeleteString of the selected row", [](Lists& d) { d.list(IDC_SINGLE).DeleteString(4); }},
        {"ResetContent", [](Lists& d) { d.list(IDC_SINGLE).ResetContent(); }},
        {"SetSel", [](Lists& d) { d.list(IDC_MULTIPLE).SetSel(2, TRUE); }},
        {"SetSel of all", [](Lists& d) { d.list(IDC_MULTIPLE).SetSel(-1, FALSE); }},
        {"ResetContent of a multiple list", [](Lists& d) { d.list(IDC_MULTIPLE).ResetContent(); }},
        {"combo SetCurSel", [](Lists& d) { d.combo().SetCurSel(2); }},
        {"combo AddString", [](Lists& d) { d.combo().AddString("S460"); }},
        {"combo ResetContent", [](Lists& d) { d.combo().ResetContent(); }},
    };
    for (const Call& c : calls) {
        c.call(dlg);
        ProcessEvents();
        EXPECT_TRUE(dlg.heard.empty()) << c.what;
        dlg.heard.clear();
    }
    // The focus coming to a list makes a row current, not selected: nothing to tell either.
    dlg.list(IDC_SINGLE).AddString("HEA");
    dlg.GetDlgItem(IDC_SINGLE)->SetFocus();
    ProcessEvents();
    EXPECT_TRUE(dlg.heard.empty());
    EXPECT_EQ(dlg.list(IDC_SINGLE).GetCurSel(), LB_ERR);
}

} // namespace
