// A dialog from a template with every kind of exchange, worked through the
// scripted dialog service as a user would: typing, clicking, choosing units.
#include "controls/AUnitEdit.h"

#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "tests/support/ArtifactsFolder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

constexpr UINT IDD_TEST = 9500;
constexpr int IDC_COUNT = 1000;
constexpr int IDC_KIND_A = 1001;
constexpr int IDC_KIND_B = 1002;
constexpr int IDC_KIND_C = 1003;
constexpr int IDC_SHOW = 1004;
constexpr int IDC_GRADE = 1005;
constexpr int IDC_NAMES = 1006;
constexpr int IDC_STEPS = 1007;
constexpr int IDC_STEPS_SPIN = 1008;
constexpr int IDC_FORCE1 = 1010;
constexpr int IDC_FORCE2 = 1011;
constexpr int IDC_FORCE3 = 1012;

void registerTemplate() {
    CDialogTemplate t;
    t.caption = "Member Loads";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    t.cx = 260;
    t.cy = 180;
    t.items = {
        DlgLText("Count:", IDC_STATIC, 7, 9, 50, 8),
        DlgEditText(IDC_COUNT, 60, 7, 40, 12),
        DlgGroupBox("Kind", IDC_STATIC, 7, 24, 100, 50),
        DlgRadioButton("Point load", IDC_KIND_A, 14, 35, 80, 10, WS_GROUP | WS_TABSTOP),
        DlgRadioButton("Line load", IDC_KIND_B, 14, 47, 80, 10),
        DlgRadioButton("Moment", IDC_KIND_C, 14, 59, 80, 10),
        DlgCheckBox("Show values", IDC_SHOW, 7, 80, 100, 10, WS_GROUP),
        DlgComboBox(IDC_GRADE, 7, 95, 100, 60, CBS_DROPDOWNLIST | WS_VSCROLL),
        DlgListBox(IDC_NAMES, 120, 7, 60, 60),
        DlgEditText(IDC_STEPS, 120, 75, 50, 12, ES_NUMBER),
        DlgControl("", IDC_STEPS_SPIN, UPDOWN_CLASS,
                   WS_VISIBLE | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 170, 75, 10,
                   12),
        DlgLText("F1:", IDC_STATIC, 120, 96, 20, 8),
        DlgEditText(IDC_FORCE1, 145, 94, 80, 12),
        DlgLText("F2:", IDC_STATIC, 120, 112, 20, 8),
        DlgEditText(IDC_FORCE2, 145, 110, 80, 12),
        DlgLText("F3:", IDC_STATIC, 120, 128, 20, 8),
        DlgEditText(IDC_FORCE3, 145, 126, 80, 12),
        DlgDefPushButton("OK", IDOK, 145, 160, 50, 14, WS_GROUP),
        DlgPushButton("Cancel", IDCANCEL, 200, 160, 50, 14),
    };
    CResources::Instance().AddDialog(IDD_TEST, t);
}

class ADlgTest : public CDialog {
public:
    ADlgTest() : CDialog(IDD_TEST) {}

    int m_nCount = 10;
    int m_nKind = 1;
    int m_nShow = 1;
    CString m_strGrade = "S355";
    std::vector<CString> m_names{"Beam", "Column", "Brace"};
    CSpinButtonCtrl m_spin;
    int m_nSteps = 4;
    omUnitValue m_f1{2.5, omUK_kN};
    omUnitValue m_f2{1500.0, omUK_N};
    omUnitValue m_f3{3.0, omUK_kN};
    AUnitGroupManager m_units;

    BOOL OnInitDialog() override {
        auto* grade = static_cast<CComboBox*>(GetDlgItem(IDC_GRADE));
        for (const char* g : {"S235", "S275", "S355"})
            grade->AddString(g);
        CDialog::OnInitDialog();
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 2, 100);
        DDX_Radio(pDX, IDC_KIND_A, m_nKind);
        DDX_Check(pDX, IDC_SHOW, m_nShow);
        DDX_CBString(pDX, IDC_GRADE, m_strGrade);
        DDX_LBStringVector(pDX, IDC_NAMES, m_names);
        DDX_Control(pDX, IDC_STEPS_SPIN, m_spin);
        if (!pDX->m_bSaveAndValidate) m_spin.SetRange32(1, 20);
        DDX_Text(pDX, IDC_STEPS, m_nSteps);
        DDX_UnitEdit(pDX, IDC_FORCE1, m_f1, 1, 5, &m_units, false);
        DDX_UnitEdit(pDX, IDC_FORCE2, m_f2, 1, 5, &m_units, false);
        DDX_UnitEdit(pDX, IDC_FORCE3, m_f3, 0, 5, &m_units, false);
    }
};

class UnitDialog : public ::testing::Test {
protected:
    void SetUp() override { registerTemplate(); }

    static CEdit* Edit(CDialog& dlg, int id) { return dynamic_cast<CEdit*>(dlg.GetDlgItem(id)); }
    static void Type(CDialog& dlg, int id, const char* text) {
        CEdit* edit = Edit(dlg, id);
        ASSERT_NE(edit, nullptr);
        edit->SetSel(0, -1);
        // Typed key by key, so that the edit's own key filter sees each one.
        QTest::keyClicks(edit->GetWidget(), QString::fromUtf8(text));
    }
    static bool HasFocus(CDialog& dlg, int id) {
        CWnd* item = dlg.GetDlgItem(id);
        return item && item->GetWidget() && QApplication::focusWidget() == item->GetWidget();
    }

    CScriptedPromptService m_prompts;
    CScriptedDialogService m_dialogs;
};

TEST_F(UnitDialog, FillsEveryControlFromItsMemberAndReadsThemBack) {
    ADlgTest dlg;
    m_dialogs.Queue([](CDialog& d) {
        EXPECT_EQ(d.GetDlgItemText(IDC_COUNT), "10");
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_KIND_B), BST_CHECKED);
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_SHOW), BST_CHECKED);
        EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(IDC_GRADE))->GetCurSel(), 2);
        EXPECT_EQ(static_cast<CListBox*>(d.GetDlgItem(IDC_NAMES))->GetCount(), 3);
        EXPECT_EQ(d.GetDlgItemText(IDC_STEPS), "4");
        EXPECT_EQ(d.GetDlgItemText(IDC_FORCE1), "2.5");
        // Group 1 shows the first edit's unit: 1500 N as 1.5 kN.
        EXPECT_EQ(d.GetDlgItemText(IDC_FORCE2), "1.5");

        Type(d, IDC_COUNT, "42");
        static_cast<CButton*>(d.GetDlgItem(IDC_KIND_C))->Click();
        static_cast<CButton*>(d.GetDlgItem(IDC_SHOW))->Click();
        static_cast<CComboBox*>(d.GetDlgItem(IDC_GRADE))->SetCurSel(0);
        static_cast<CListBox*>(d.GetDlgItem(IDC_NAMES))->AddString("Tie");
        Type(d, IDC_FORCE3, "2D2");
        d.PressButton(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(m_prompts.MessageBoxes().empty());
    EXPECT_EQ(dlg.m_nCount, 42);
    EXPECT_EQ(dlg.m_nKind, 2);
    EXPECT_EQ(dlg.m_nShow, 0);
    EXPECT_EQ(dlg.m_strGrade, "S235");
    EXPECT_EQ(dlg.m_names, (std::vector<CString>{"Beam", "Column", "Brace", "Tie"}));
    EXPECT_DOUBLE_EQ(dlg.m_f3.GetValue(), 200.0);
    EXPECT_EQ(dlg.m_f3.GetKey(), omUK_kN);
    EXPECT_EQ(dlg.m_f2.GetKey(), omUK_kN);
    EXPECT_DOUBLE_EQ(dlg.m_f2.GetValue(), 1.5);
    EXPECT_EQ(m_dialogs.Runs(), std::vector<UINT>{IDD_TEST});
}

TEST_F(UnitDialog, BadInputKeepsTheDialogOpenWithTheMessageAndTheFocusOnTheControl) {
    struct Case {
        int control;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {IDC_COUNT, "abc", "Please enter an integer."},
        {IDC_COUNT, "101", "Please enter an integer between 2 and 100."},
        {IDC_COUNT, "1", "Please enter an integer between 2 and 100."},
        {IDC_FORCE1, "abc", "Please enter a number."},
        {IDC_FORCE1, "1,5", "Please enter a number."},
        {IDC_FORCE1, "nan", "Please enter a number."},
        {IDC_FORCE1, "", "Please enter a number."},
        // Beyond what the drawing and the analysis can carry (10^12 kN).
        {IDC_FORCE1, "2e12", "Please enter a number between -1000000000000 and 1000000000000."},
        {IDC_FORCE1, "-1e300", "Please enter a number between -1000000000000 and 1000000000000."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        m_prompts.Clear();
        ADlgTest dlg;
        bool stayedOpen = false;
        bool focused = false;
        m_dialogs.Queue([&](CDialog& d) {
            d.GetWidget()->show();
            QApplication::setActiveWindow(d.GetWidget());
            d.GetDlgItem(c.control)->SetWindowText(c.text);
            // Text put there as a paste would: the unit edit counts it as typed.
            if (auto* line = qobject_cast<QLineEdit*>(d.GetDlgItem(c.control)->GetWidget())) {
                line->selectAll();
                line->insert(QString::fromUtf8(c.text));
            }
            d.PressButton(IDOK);
            stayedOpen = !d.IsEnded();
            focused = HasFocus(d, c.control);
            d.PressButton(IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_TRUE(stayedOpen);
        EXPECT_TRUE(focused);
        ASSERT_EQ(m_prompts.MessageBoxes().size(), 1u);
        EXPECT_EQ(m_prompts.MessageBoxes()[0].text, c.message);
    }
}

TEST_F(UnitDialog, LettersOtherThanExponentsAreSwallowedAndExponentLettersRead) {
    struct Case {
        const char* typed;
        const char* shown;
        double value;
    };
    const Case cases[] = {
        {"x", "", 0},    {"1.5e3", "1.5e3", 1500}, {"2D2", "2D2", 200},
        {"-0", "-0", 0}, {".0", ".0", 0},          {"1x2", "12", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ADlgTest dlg;
        CString shown;
        bool ok = false;
        m_dialogs.Queue([&](CDialog& d) {
            d.SetDlgItemText(IDC_FORCE3, "");
            Type(d, IDC_FORCE3, c.typed);
            shown = d.GetDlgItemText(IDC_FORCE3);
            if (shown.empty()) {
                d.PressButton(IDCANCEL);
                return;
            }
            d.PressButton(IDOK);
            ok = d.IsEnded();
        });
        dlg.DoModal();
        EXPECT_EQ(shown, c.shown);
        if (!shown.empty()) {
            EXPECT_TRUE(ok);
            EXPECT_DOUBLE_EQ(dlg.m_f3.GetValue(), c.value);
        }
    }
}

TEST_F(UnitDialog, ChoosingAUnitConvertsTheWholeGroupAndNothingElse) {
    ADlgTest dlg;
    dlg.m_f1 = omUnitValue(2.0, omUK_N);
    dlg.m_f2 = omUnitValue(3000.0, omUK_N);
    dlg.m_f3 = omUnitValue(4000.0, omUK_N);
    CString texts[3];
    m_dialogs.Queue([&](CDialog& d) {
        auto* edit = dynamic_cast<AUnitEdit*>(d.GetDlgItem(IDC_FORCE1));
        ASSERT_NE(edit, nullptr);
        const UINT kN = edit->GetUnitSelect().MenuIdOf(omUnitManager::Instance()->Unit(omUK_kN));
        ASSERT_NE(kN, 0u);
        m_prompts.QueuePopupMenuChoice(kN);
        QTest::mouseClick(edit->GetUnitSelect().GetWidget(), Qt::LeftButton);
        EXPECT_EQ(m_prompts.PopupMenusShown(), 1);
        texts[0] = d.GetDlgItemText(IDC_FORCE1);
        texts[1] = d.GetDlgItemText(IDC_FORCE2);
        texts[2] = d.GetDlgItemText(IDC_FORCE3);
        EXPECT_EQ(edit->GetUnitSelect().GetWindowText(), "kN");
        d.PressButton(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(texts[0], "0.002");
    EXPECT_EQ(texts[1], "3.0");
    EXPECT_EQ(texts[2], "4000.0");
    EXPECT_EQ(dlg.m_f1.GetKey(), omUK_kN);
    EXPECT_EQ(dlg.m_f2.GetKey(), omUK_kN);
    EXPECT_EQ(dlg.m_f3.GetKey(), omUK_N);
    EXPECT_DOUBLE_EQ(dlg.m_f2.GetValue(), 3.0);
}

TEST_F(UnitDialog, SpinStepsItsBuddyWithinTheRange) {
    ADlgTest dlg;
    dlg.m_nSteps = 19;
    m_dialogs.Queue([&](CDialog& d) {
        auto* spin = static_cast<CSpinButtonCtrl*>(d.GetDlgItem(IDC_STEPS_SPIN));
        EXPECT_EQ(spin->GetBuddy(), d.GetDlgItem(IDC_STEPS));
        spin->StepUp();
        EXPECT_EQ(d.GetDlgItemText(IDC_STEPS), "20");
        spin->StepUp();
        EXPECT_EQ(d.GetDlgItemText(IDC_STEPS), "20");
        spin->StepDown();
        spin->StepDown();
        d.PressButton(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nSteps, 18);
}

TEST_F(UnitDialog, ReopeningTakesEachEditOverOnce) {
    ADlgTest dlg;
    m_dialogs.Queue([&](CDialog& d) {
        CWnd* before = d.GetDlgItem(IDC_FORCE1);
        d.UpdateData(FALSE);
        d.UpdateData(FALSE);
        EXPECT_EQ(d.GetDlgItem(IDC_FORCE1), before);
        // One unit button per unit edit.
        int buttons = 0;
        for (CWnd* child : d.GetChildWindows())
            buttons += dynamic_cast<AUnitSelect*>(child) != nullptr;
        EXPECT_EQ(buttons, 3);
        d.PressButton(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    // The same dialog object again: a new window, taken over afresh.
    m_dialogs.Queue([&](CDialog& d) {
        EXPECT_NE(dynamic_cast<AUnitEdit*>(d.GetDlgItem(IDC_FORCE2)), nullptr);
        EXPECT_EQ(d.GetDlgItemText(IDC_FORCE2), "1.5");
        d.PressButton(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(UnitDialog, HidingAUnitEditHidesItsButtonToo) {
    ADlgTest dlg;
    m_dialogs.Queue([&](CDialog& d) {
        auto* edit = dynamic_cast<AUnitEdit*>(d.GetDlgItem(IDC_FORCE3));
        ASSERT_NE(edit, nullptr);
        QWidget* button = edit->GetUnitSelect().GetWidget();
        EXPECT_TRUE(button->isVisible());
        edit->ShowWindow(SW_HIDE);
        EXPECT_FALSE(button->isVisible());
        edit->ShowWindow(SW_SHOW);
        EXPECT_TRUE(button->isVisible());
        // The button sits in the edit's former rectangle, right of the edit.
        EXPECT_EQ(button->geometry().left(), edit->GetWidget()->geometry().right() + 1);
        EXPECT_EQ(button->geometry().top(), edit->GetWidget()->geometry().top());
        d.PressButton(IDCANCEL);
    });
    dlg.DoModal();
}

TEST_F(UnitDialog, Screenshot) {
    ADlgTest dlg;
    m_dialogs.Queue([&](CDialog& d) {
        d.GetWidget()->show();
        QApplication::processEvents();
        const QPixmap shot = d.GetWidget()->grab();
        EXPECT_TRUE(shot.save(QString::fromStdString((ArtifactsFolder() / "unit-dialog.png").string())));
        d.PressButton(IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(SimpleFloatParse, ReadsWholeDecimalTextsOnly) {
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {" 0 ", true, 0},
        {"1.5e3", true, 1500},
        {"2D2", true, 200},
        {"2d-1", true, 0.2},
        {"-0", true, 0},
        {".0", true, 0},
        {"\t-7.25\t", true, -7.25},
        {"+3", true, 3},
        {"abc", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"1,5", false, 0},
        {"nan", false, 0},
        {"inf", false, 0},
        {"-inf", false, 0},
        {"0x10", false, 0},
        {"1e999", false, 0},
        {"12abc", false, 0},
        {"1 2", false, 0},
        {"0.000000000000000000000000000000000000000000000000000000000000000000012", true, 1.2e-68},
    };
    for (const Case& c : cases) {
        double value = -99;
        EXPECT_EQ(AUnitGroupManager::SimpleFloatParse(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        }
    }
}

TEST(StripZeros, KeepsOneDigitBehindThePoint) {
    struct Case {
        const char* in;
        const char* out;
    };
    for (const Case& c : {Case{"1.500", "1.5"}, Case{"2.000", "2.0"}, Case{"10", "10"},
                          Case{"0.0020", "0.002"}, Case{"1.2500e+03", "1.25e+03"}}) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%s", c.in);
        AUnitGroupManager::StripZeros(buffer);
        EXPECT_STREQ(buffer, c.out) << c.in;
    }
}

} // namespace
