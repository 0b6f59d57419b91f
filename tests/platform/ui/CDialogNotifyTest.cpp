// Controls of a dialog tell the dialog's message map what happens to them, and
// a control may answer its own notifications first.
#include "platform/ui/CDialog.h"

#include "UiTestSupport.h"

#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr UINT IDD_NOTIFY = 9690;
enum : int {
    IDC_NAME = 1000,
    IDC_COUNT,
    IDC_SPIN,
    IDC_SHOW,
    IDC_GRADE,
    IDC_ROWS,
    IDC_TREE,
    IDC_TABS,
    IDC_OWN
};

// An edit that answers its own changes; with m_pass set it lets the dialog hear them too.
class AOwnEdit : public CEdit {
public:
    int m_nChanges = 0;
    BOOL m_pass = FALSE;
    BOOL OnChange() {
        ++m_nChanges;
        return !m_pass;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(AOwnEdit, CEdit)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &AOwnEdit::OnChange)
END_MESSAGE_MAP()

class ANotified : public CDialog {
public:
    ANotified() : CDialog(IDD_NOTIFY) {}
    std::vector<std::string> heard;
    int m_nRefuseSteps = 0;
    AOwnEdit m_own;

    void OnChangeName() { heard.push_back("name changed"); }
    void OnFocusName() { heard.push_back("name focused"); }
    void OnShow() { heard.push_back("show clicked"); }
    void OnGrade() { heard.push_back("grade chosen"); }
    void OnChangeOwn() { heard.push_back("own changed"); }
    void OnDeltaPos(NMUPDOWN* change, LRESULT* result) {
        heard.push_back("step " + std::to_string(change->iPos) + " " + std::to_string(change->iDelta));
        *result = m_nRefuseSteps > 0 ? 1 : 0;
        if (m_nRefuseSteps > 0) --m_nRefuseSteps;
    }
    void OnRowChanged(NMLISTVIEW* change, LRESULT*) {
        heard.push_back("row " + std::to_string(change->iItem) +
                        (change->uNewState & LVIS_SELECTED ? " on" : " off"));
    }
    void OnTreeChanged(NMTREEVIEW* change, LRESULT*) {
        auto* tree = static_cast<CTreeCtrl*>(GetDlgItem(IDC_TREE));
        heard.push_back("tree " + tree->GetItemText(change->itemNew.hItem));
    }
    void OnTab(NMHDR*, LRESULT*) { heard.push_back("tab"); }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_OWN, m_own); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ANotified, CDialog)
ON_EN_CHANGE(IDC_NAME, &ANotified::OnChangeName)
ON_EN_SETFOCUS(IDC_NAME, &ANotified::OnFocusName)
ON_BN_CLICKED(IDC_SHOW, &ANotified::OnShow)
ON_CBN_SELCHANGE(IDC_GRADE, &ANotified::OnGrade)
ON_EN_CHANGE(IDC_OWN, &ANotified::OnChangeOwn)
ON_NOTIFY(UDN_DELTAPOS, IDC_SPIN, &ANotified::OnDeltaPos)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_ROWS, &ANotified::OnRowChanged)
ON_NOTIFY(TVN_SELCHANGED, IDC_TREE, &ANotified::OnTreeChanged)
ON_NOTIFY(TCN_SELCHANGE, IDC_TABS, &ANotified::OnTab)
END_MESSAGE_MAP()

class DialogNotifications : public ::testing::Test {
protected:
    void SetUp() override {
        CDialogTemplate t;
        t.caption = "Notified";
        t.style = WS_POPUP | WS_CAPTION;
        t.cx = 300;
        t.cy = 200;
        t.items = {DlgEditText(IDC_NAME, 7, 7, 80, 12),
                   DlgEditText(IDC_COUNT, 7, 24, 40, 12),
                   DlgControl("", IDC_SPIN, UPDOWN_CLASS,
                              WS_VISIBLE | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 47, 24, 10, 12),
                   DlgCheckBox("Show", IDC_SHOW, 7, 40, 60, 10),
                   DlgComboBox(IDC_GRADE, 7, 55, 80, 60, CBS_DROPDOWNLIST),
                   DlgControl("", IDC_ROWS, WC_LISTVIEW, WS_VISIBLE | LVS_REPORT, 100, 7, 90, 60),
                   DlgControl("", IDC_TREE, WC_TREEVIEW, WS_VISIBLE, 200, 7, 90, 60),
                   DlgControl("", IDC_TABS, WC_TABCONTROL, WS_VISIBLE, 100, 80, 190, 14),
                   DlgEditText(IDC_OWN, 7, 100, 80, 12)};
        CResources::Instance().AddDialog(IDD_NOTIFY, t);
    }
    CScriptedPromptService m_prompts;
    CScriptedDialogService m_dialogs;
};

TEST_F(DialogNotifications, ControlsReachTheDialogsMessageMap) {
    ANotified dlg;
    m_dialogs.Queue([&](CDialog& d) {
        dlg.heard.clear();
        d.GetDlgItem(IDC_NAME)->GetWidget()->setFocus();
        QApplication::setActiveWindow(d.GetWidget());
        static_cast<CEdit*>(d.GetDlgItem(IDC_NAME))->TypeText("a");
        static_cast<CButton*>(d.GetDlgItem(IDC_SHOW))->Click();
        auto* grade = static_cast<CComboBox*>(d.GetDlgItem(IDC_GRADE));
        grade->AddString("S235");
        grade->AddString("S355");
        emit qobject_cast<QComboBox*>(grade->GetWidget())->activated(1);
        auto* rows = static_cast<CListCtrl*>(d.GetDlgItem(IDC_ROWS));
        rows->InsertColumn(0, "Node");
        rows->InsertItem(0, "1");
        rows->InsertItem(1, "2");
        rows->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        rows->SetItemState(1, 0, LVIS_SELECTED);
        auto* tree = static_cast<CTreeCtrl*>(d.GetDlgItem(IDC_TREE));
        tree->SelectItem(tree->InsertItem("Loads"));
        auto* tabs = static_cast<CTabCtrl*>(d.GetDlgItem(IDC_TABS));
        tabs->InsertItem(0, "Geometry");
        tabs->InsertItem(1, "Loads");
        tabs->SetCurSel(1);                                            // by code: no notification
        qobject_cast<QTabBar*>(tabs->GetWidget())->setCurrentIndex(0); // as a click does
        d.PressButton(IDCANCEL);
    });
    dlg.DoModal();
    const std::vector<std::string> expected{"name focused", "name changed", "show clicked", "grade chosen",
                                            "row 1 on",     "row 1 off",    "tree Loads",   "tab"};
    EXPECT_EQ(dlg.heard, expected);
}

TEST_F(DialogNotifications, TheDialogMayRefuseASpinStep) {
    ANotified dlg;
    m_dialogs.Queue([&](CDialog& d) {
        auto* spin = static_cast<CSpinButtonCtrl*>(d.GetDlgItem(IDC_SPIN));
        spin->SetRange32(0, 10);
        spin->SetPos(4);
        dlg.heard.clear();
        dlg.m_nRefuseSteps = 1;
        spin->StepUp();
        EXPECT_EQ(spin->GetPos(), 4);
        spin->StepUp();
        EXPECT_EQ(spin->GetPos(), 5);
        EXPECT_EQ(d.GetDlgItemText(IDC_COUNT), "5");
        d.PressButton(IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(dlg.heard, (std::vector<std::string>{"step 4 1", "step 4 1"}));
}

TEST_F(DialogNotifications, AControlAnswersItsOwnNotificationsFirst) {
    ANotified dlg;
    m_dialogs.Queue([&](CDialog& d) {
        dlg.heard.clear();
        d.SetDlgItemText(IDC_OWN, "taken");
        EXPECT_EQ(dlg.m_own.m_nChanges, 1);
        EXPECT_TRUE(dlg.heard.empty());
        dlg.m_own.m_pass = TRUE;
        d.SetDlgItemText(IDC_OWN, "passed on");
        EXPECT_EQ(dlg.m_own.m_nChanges, 2);
        EXPECT_EQ(dlg.heard, std::vector<std::string>{"own changed"});
        d.PressButton(IDCANCEL);
    });
    dlg.DoModal();
}

// The dialog watching tab changes and the drop-down list of the grade box.
class AWatching : public ANotified {
public:
    BOOL m_keepTab = FALSE;
    void OnTabChanging(NMHDR*, LRESULT* result) {
        auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(IDC_TABS));
        heard.push_back("leaving " + std::to_string(tabs->GetCurSel()));
        *result = m_keepTab;
    }
    void OnDropDown() {
        auto* grade = static_cast<CComboBox*>(GetDlgItem(IDC_GRADE));
        heard.push_back("dropping " + std::to_string(grade->GetCount()));
        if (grade->GetCount() == 0) grade->AddString("S460");
    }
    void OnCloseUp() { heard.push_back("closed"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(AWatching, ANotified)
ON_NOTIFY(TCN_SELCHANGING, IDC_TABS, &AWatching::OnTabChanging)
ON_CBN_DROPDOWN(IDC_GRADE, &AWatching::OnDropDown)
ON_CBN_CLOSEUP(IDC_GRADE, &AWatching::OnCloseUp)
END_MESSAGE_MAP()

TEST_F(DialogNotifications, TheDialogMayKeepTheTabWhenTheUserPicksAnother) {
    AWatching dlg;
    m_dialogs.Queue([&](CDialog& d) {
        auto* tabs = static_cast<CTabCtrl*>(d.GetDlgItem(IDC_TABS));
        for (const char* text : {"Geometry", "Loads", "Results"})
            tabs->InsertItem(tabs->GetItemCount(), text);
        auto* bar = qobject_cast<QTabBar*>(tabs->GetWidget());
        dlg.heard.clear();
        dlg.m_keepTab = TRUE;
        bar->setCurrentIndex(2); // as a click does
        EXPECT_EQ(tabs->GetCurSel(), 0);
        dlg.m_keepTab = FALSE;
        bar->setCurrentIndex(1);
        EXPECT_EQ(tabs->GetCurSel(), 1);
        tabs->SetCurSel(2); // by code: no notification
        bar->setCurrentIndex(0);
        EXPECT_EQ(tabs->GetCurSel(), 0);
        tabs->DeleteItem(0); // a removal moves the selection without asking
        d.PressButton(IDCANCEL);
    });
    dlg.DoModal();
    const std::vector<std::string> expected{"leaving 0", "leaving 0", "tab", "leaving 2", "tab", "tab"};
    EXPECT_EQ(dlg.heard, expected);
}

TEST_F(DialogNotifications, AComboBoxTellsWhenItsListDropsDownAndClosesUp) {
    AWatching dlg;
    m_dialogs.Queue([&](CDialog& d) {
        auto* grade = static_cast<CComboBox*>(d.GetDlgItem(IDC_GRADE));
        auto* combo = qobject_cast<QComboBox*>(grade->GetWidget());
        dlg.heard.clear();
        grade->ShowDropDown(TRUE);
        // The list the dialog filled while it dropped down is the one shown.
        EXPECT_TRUE(grade->GetDroppedState());
        EXPECT_EQ(combo->view()->model()->rowCount(), 1);
        grade->ShowDropDown(FALSE);
        EXPECT_FALSE(grade->GetDroppedState());
        grade->ShowDropDown(TRUE);
        combo->view()->parentWidget()->close(); // as a click elsewhere closes it
        const std::vector<std::string> expected{"dropping 0", "closed", "dropping 1", "closed"};
        EXPECT_EQ(dlg.heard, expected);
        d.PressButton(IDCANCEL);
    });
    dlg.DoModal();
}

} // namespace
