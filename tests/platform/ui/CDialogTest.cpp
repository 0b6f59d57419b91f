#include "platform/ui/CDialog.h"

#include "UiTestSupport.h"

#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWinApp.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr UINT IDD_SMALL = 9600;
constexpr int IDC_NAME = 1000;
constexpr int IDC_VALUE = 1001;
constexpr int IDC_LIST = 1002;
constexpr int IDC_COMBO = 1003;
constexpr int IDC_CUSTOM = 1004;

CDialogTemplate smallTemplate() {
    CDialogTemplate t;
    t.caption = "Small";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    t.cx = 200;
    t.cy = 100;
    t.items = {
        DlgEditText(IDC_NAME, 7, 7, 100, 12),
        DlgEditText(IDC_VALUE, 7, 24, 100, 12),
        DlgListBox(IDC_LIST, 110, 7, 80, 40, LBS_SORT),
        DlgComboBox(IDC_COMBO, 7, 40, 100, 60, CBS_DROPDOWN),
        DlgControl("", IDC_CUSTOM, "MFCGridCtrl", WS_VISIBLE | WS_BORDER, 110, 50, 80, 20),
        DlgDefPushButton("OK", IDOK, 90, 80, 50, 14),
        DlgPushButton("Cancel", IDCANCEL, 145, 80, 50, 14),
    };
    return t;
}

class Small : public CDialog {
public:
    Small() : CDialog(IDD_SMALL) {}
    CString m_name = "Frame";
    double m_value = 0.1;
    int m_nMaxChars = 10;
    double m_min = 0, m_max = 1e9;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_NAME, m_name);
        DDV_MaxChars(pDX, m_name, m_nMaxChars);
        DDX_Text(pDX, IDC_VALUE, m_value);
        DDV_MinMaxDouble(pDX, m_value, m_min, m_max);
    }
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { CResources::Instance().AddDialog(IDD_SMALL, smallTemplate()); }
    CScriptedPromptService m_prompts;
};

TEST_F(DialogTest, BuildsTheTemplatesControlsWithTheirIdsAndClasses) {
    Small dlg;
    ASSERT_TRUE(dlg.Create(IDD_SMALL));
    EXPECT_EQ(dlg.GetWindowText(), "Small");
    EXPECT_NE(qobject_cast<QDialog*>(dlg.GetWidget()), nullptr);
    EXPECT_NE(dynamic_cast<CEdit*>(dlg.GetDlgItem(IDC_NAME)), nullptr);
    EXPECT_NE(dynamic_cast<CListBox*>(dlg.GetDlgItem(IDC_LIST)), nullptr);
    auto* combo = dynamic_cast<CComboBox*>(dlg.GetDlgItem(IDC_COMBO));
    ASSERT_NE(combo, nullptr);
    // The edit part of a combo box that can be typed into is a window with the platform's id.
    ASSERT_NE(combo->GetDlgItem(IDC_COMBO_EDIT), nullptr);
    EXPECT_EQ(combo->GetDlgItem(IDC_COMBO_EDIT)->GetWidget(),
              qobject_cast<QComboBox*>(combo->GetWidget())->lineEdit());
    // A custom control is a placeholder window with its id.
    CWnd* custom = dlg.GetDlgItem(IDC_CUSTOM);
    ASSERT_NE(custom, nullptr);
    EXPECT_EQ(custom->GetRuntimeClass(), RUNTIME_CLASS(CWnd));
    auto* ok = qobject_cast<QPushButton*>(dlg.GetDlgItem(IDOK)->GetWidget());
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(LOWORD(dlg.GetDefID()), IDOK);
    // Dialog units follow the font: the edit is wider than it is high, in proportion.
    RECT r;
    dlg.GetDlgItem(IDC_NAME)->GetClientRect(&r);
    EXPECT_GT(r.right, 5 * r.bottom);
    // Controls follow the template's order.
    std::vector<int> ids;
    for (CWnd* child : dlg.GetChildWindows())
        ids.push_back(child->GetDlgCtrlID());
    EXPECT_EQ(ids, (std::vector<int>{IDC_NAME, IDC_VALUE, IDC_LIST, IDC_COMBO, IDC_CUSTOM, IDOK, IDCANCEL}));
    dlg.DestroyWindow();
}

TEST_F(DialogTest, NumbersAreWrittenAndReadWithoutTheLocale) {
    struct Case {
        double value;
        const char* text;
    };
    for (const Case& c : {Case{0.1, "0.1"}, Case{1500, "1500"}, Case{-2.5e-7, "-2.5e-07"},
                          Case{1.0 / 3, "0.333333333333333"}}) {
        Small dlg;
        dlg.m_min = -1e9;
        dlg.m_value = c.value;
        CScriptedDialogService dialogs;
        CString shown;
        dialogs.Queue([&](CDialog& d) {
            shown = d.GetDlgItemText(IDC_VALUE);
            d.PressButton(IDOK);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(shown, c.text);
    }
}

TEST_F(DialogTest, ChecksTellTheUserAndKeepTheDialogOpen) {
    struct Case {
        const char* name;
        const char* value;
        const char* message; // null when OK closes the dialog
    };
    const Case cases[] = {
        {"Frame", "2.5", nullptr},
        {"Frame", " 2.5 ", nullptr},
        {"Frame", "2,5", "Please enter a number."},
        {"Frame", "inf", "Please enter a number."},
        {"Frame", "0x10", "Please enter a number."},
        {"Frame", "-1", "Please enter a number between 0 and 1000000000."},
        {"Twelve chars", "1", "Please enter no more than 10 characters."},
        // Ten characters in eleven bytes.
        {"Zehn Zeic\xC3\xA4", "1", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        m_prompts.Clear();
        Small dlg;
        // The edit takes longer names than the check allows, as a name set by code may be.
        dlg.m_nMaxChars = 20;
        CScriptedDialogService dialogs;
        dialogs.Queue([&](CDialog& d) {
            static_cast<Small&>(d).m_nMaxChars = 10;
            d.SetDlgItemText(IDC_NAME, c.name);
            d.SetDlgItemText(IDC_VALUE, c.value);
            d.PressButton(IDOK);
            if (!d.IsEnded()) d.PressButton(IDCANCEL);
        });
        const INT_PTR result = dlg.DoModal();
        if (!c.message) {
            EXPECT_EQ(result, IDOK);
            EXPECT_TRUE(m_prompts.MessageBoxes().empty());
            EXPECT_DOUBLE_EQ(dlg.m_value, std::stod(c.value));
        } else {
            EXPECT_EQ(result, IDCANCEL);
            ASSERT_EQ(m_prompts.MessageBoxes().size(), 1u);
            EXPECT_EQ(m_prompts.MessageBoxes()[0].text, c.message);
        }
    }
}

TEST_F(DialogTest, ListAndComboSearchesIgnoreCaseAndWrapAround) {
    Small dlg;
    ASSERT_TRUE(dlg.Create(IDD_SMALL));
    auto* list = static_cast<CListBox*>(dlg.GetDlgItem(IDC_LIST));
    for (const char* s : {"column", "Beam", "brace", "Arch"})
        list->AddString(s);
    CString text;
    list->GetText(0, text);
    EXPECT_EQ(text, "Arch"); // sorted
    EXPECT_EQ(list->FindString(-1, "B"), 1);
    EXPECT_EQ(list->FindString(1, "b"), 2);
    EXPECT_EQ(list->FindString(2, "b"), 1); // wraps round
    EXPECT_EQ(list->FindStringExact(-1, "BRACE"), 2);
    EXPECT_EQ(list->FindStringExact(-1, "bra"), LB_ERR);
    EXPECT_EQ(list->GetCurSel(), LB_ERR);
    auto* combo = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_COMBO));
    combo->AddString("kN");
    combo->AddString("kNm");
    EXPECT_EQ(combo->GetCurSel(), CB_ERR);
    EXPECT_EQ(combo->SelectString(-1, "KNM"), 1);
    EXPECT_EQ(combo->GetWindowText(), "kNm");
    combo->SetWindowText("typed");
    EXPECT_EQ(combo->GetCurSel(), CB_ERR);
    combo->SetItemData(0, 77);
    EXPECT_EQ(combo->GetItemData(0), 77u);
    dlg.DestroyWindow();
}

TEST_F(DialogTest, AStaticHidesItsMnemonicMarksAndKeepsItsText) {
    constexpr UINT IDD_LABELS = 9601;
    const struct {
        const char* text;
        DWORD style;
        const char* shown;
    } cases[] = {{"&Name", 0, "Name"},           {"Cross-&section:", 0, "Cross-section:"},
                 {"Steel && concrete", 0, "Steel & concrete"}, {"&&&Both", 0, "&Both"},
                 {"Last&", 0, "Last"},           {"No marks", 0, "No marks"},
                 {"&Name", SS_NOPREFIX, "&Name"}};
    CDialogTemplate t;
    t.caption = "Labels";
    t.style = WS_POPUP | WS_CAPTION;
    t.cx = 200;
    t.cy = 160;
    UINT id = 1100;
    for (const auto& c : cases) {
        t.items.push_back(DlgLText(c.text, id, 7, 7 + 14 * static_cast<int>(id - 1100), 150, 10, c.style));
        ++id;
    }
    CResources::Instance().AddDialog(IDD_LABELS, t);
    CDialog dlg(IDD_LABELS);
    ASSERT_TRUE(dlg.Create(IDD_LABELS));
    id = 1100;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CWnd* label = dlg.GetDlgItem(static_cast<int>(id++));
        ASSERT_NE(qobject_cast<QLabel*>(label->GetWidget()), nullptr);
        EXPECT_EQ(qobject_cast<QLabel*>(label->GetWidget())->text().toStdString(), c.shown);
        EXPECT_EQ(label->GetWindowText(), c.text) << "the window text keeps its marks";
    }
    // A text set later is shown the same way.
    dlg.SetDlgItemText(1100, "&Id && name");
    EXPECT_EQ(qobject_cast<QLabel*>(dlg.GetDlgItem(1100)->GetWidget())->text(), "Id & name");
    EXPECT_EQ(dlg.GetDlgItemText(1100), "&Id && name");
    dlg.DestroyWindow();
}

TEST_F(DialogTest, EscapeAndTheCloseButtonCancelThroughOnCancel) {
    class Counting : public Small {
    public:
        int cancels = 0;
        void OnCancel() override {
            ++cancels;
            Small::OnCancel();
        }
    };
    Counting dlg;
    CScriptedDialogService dialogs;
    dialogs.Queue([](CDialog& d) { static_cast<QDialog*>(d.GetWidget())->reject(); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    dialogs.Queue([](CDialog& d) { d.GetWidget()->close(); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.cancels, 2);
}

TEST_F(DialogTest, TheProgramsServiceRunsAnEventLoopUntilTheDialogEnds) {
    Small dlg;
    dlg.m_name = "Loop";
    int kicks = 0;
    class Kicked : public Small {
    public:
        int* kicks = nullptr;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_KICKIDLE) ++*kicks;
            return Small::WindowProc(message, wParam, lParam);
        }
    } kicked;
    kicked.kicks = &kicks;
    QTimer::singleShot(0, [&kicked]() {
        kicked.SetDlgItemText(IDC_NAME, "Changed");
        kicked.PressButton(IDOK);
    });
    EXPECT_EQ(kicked.DoModal(), IDOK);
    EXPECT_EQ(kicked.m_name, "Changed");
    EXPECT_GE(kicks, 1);
    EXPECT_FALSE(kicked.IsWindow());
}

TEST_F(DialogTest, AMissingTemplateFailsTheRun) {
    CDialog dlg(4242);
    CScriptedDialogService dialogs;
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(dialogs.Runs().empty());
}

TEST(CResourcesModules, LibraryTablesComeFirstInsideTheirScopeAndTheProgramsOutside) {
    CResources& r = CResources::Instance();
    CDialogTemplate program;
    program.caption = "Program 130";
    CDialogTemplate library;
    library.caption = "Library 130";
    r.AddDialog(130, program);
    r.AddString(9901, "program string");
    {
        CResourceModuleScope scope("tamrix");
        r.AddDialog(130, library);
        r.AddString(9900, "library string");
        EXPECT_EQ(r.FindDialog(130)->caption, "Library 130");
        EXPECT_EQ(AfxLoadString(9900), "library string");
        // What the library lacks comes from the program.
        EXPECT_EQ(AfxLoadString(9901), "program string");
    }
    EXPECT_EQ(r.FindDialog(130)->caption, "Program 130");
    EXPECT_EQ(AfxLoadString(9900), "");
    {
        CResourceModuleScope other("velloc");
        EXPECT_EQ(r.FindDialog(130)->caption, "Program 130");
    }
}

} // namespace
namespace {
TEST(CResourcesModules, TheFrameworksExchangePromptsAreThere) {
    CString text;
    AfxFormatString2(text, AFX_IDP_PARSE_INT_RANGE, "2", "100");
    EXPECT_EQ(text, "Please enter an integer between 2 and 100.");
}
} // namespace
namespace {

class ACommandApp : public CWinApp {
public:
    ACommandApp() : CWinApp("Strakon") {}
    std::vector<UINT> handled;
    void OnCommandRange(UINT id) { handled.push_back(id); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ACommandApp, CWinApp)
ON_COMMAND_RANGE(0, 0xFFFF, &ACommandApp::OnCommandRange)
END_MESSAGE_MAP()

TEST_F(DialogTest, OnlyCommandsNotControlIdsGoOnToTheApplication) {
    ACommandApp app;
    Small dlg;
    ASSERT_TRUE(dlg.Create(IDD_SMALL));
    struct Case {
        UINT id;
        bool reachesApp;
    };
    for (const Case& c :
         {Case{IDC_NAME, false}, Case{0x8123, true}, Case{0xE100, true}, Case{0xF060, false}}) {
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(c.id), BN_CLICKED), 1);
        EXPECT_EQ(!app.handled.empty() && app.handled.back() == c.id, c.reachesApp) << c.id;
    }
    dlg.DestroyWindow();
}

} // namespace
