#include "platform/ui/CPropertySheet.h"

#include "UiTestSupport.h"

#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"

#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

constexpr UINT IDD_GENERAL = 9650;
constexpr UINT IDD_UNITS = 9651;
constexpr int IDC_COUNT = 1000;
constexpr int IDC_SPIN = 1001;

class APage : public CPropertyPage {
public:
    explicit APage(UINT id) : CPropertyPage(id) {}
    int m_nCount = 5;
    int m_nApplied = 0;
    int m_nReset = 0;
    void OnOK() override { ++m_nApplied; }
    void OnCancel() override { ++m_nReset; }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 1, 9);
    }
};

class PropertySheet : public ::testing::Test {
protected:
    void SetUp() override {
        for (UINT id : {IDD_GENERAL, IDD_UNITS}) {
            CDialogTemplate t;
            t.caption = id == IDD_GENERAL ? "General" : "Units";
            t.style = WS_CHILD;
            t.cx = 180;
            t.cy = 90;
            t.items = {DlgEditText(IDC_COUNT, 7, 7, 40, 12),
                       DlgControl("", IDC_SPIN, UPDOWN_CLASS,
                                  WS_VISIBLE | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 47, 7, 10,
                                  12)};
            CResources::Instance().AddDialog(id, t);
        }
    }
    CScriptedPromptService m_prompts;
    CScriptedDialogService m_dialogs;
};

TEST_F(PropertySheet, PagesGetWindowsWhenShownAndOkAppliesOnlyThose) {
    CPropertySheet sheet("Options");
    APage general(IDD_GENERAL), units(IDD_UNITS);
    sheet.AddPage(&general);
    sheet.AddPage(&units);
    m_dialogs.Queue([&](CPropertySheet& s) {
        EXPECT_TRUE(general.IsWindow());
        EXPECT_FALSE(units.IsWindow());
        EXPECT_EQ(s.GetDlgItem(ID_APPLY_NOW)->IsWindowEnabled(), FALSE);
        general.SetModified();
        EXPECT_EQ(s.GetDlgItem(ID_APPLY_NOW)->IsWindowEnabled(), TRUE);
        // An invalid page keeps the focus: no other page, no OK.
        general.SetDlgItemText(IDC_COUNT, "12");
        EXPECT_FALSE(s.SetActivePage(1));
        EXPECT_EQ(s.GetActiveIndex(), 0);
        s.PressButton(PSBTN_OK);
        EXPECT_FALSE(s.IsEnded());
        EXPECT_EQ(m_prompts.MessageBoxes().size(), 2u);
        general.SetDlgItemText(IDC_COUNT, "7");
        s.PressButton(PSBTN_APPLYNOW);
        EXPECT_EQ(general.m_nApplied, 1);
        EXPECT_EQ(s.GetDlgItem(ID_APPLY_NOW)->IsWindowEnabled(), FALSE);
        s.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(general.m_nCount, 7);
    EXPECT_EQ(general.m_nApplied, 2);
    EXPECT_EQ(units.m_nApplied, 0);
    EXPECT_FALSE(general.IsWindow());
}

TEST_F(PropertySheet, TheStartPageAndTabClicksActivatePagesAndCancelResetsThem) {
    CPropertySheet sheet("Options", nullptr, 1);
    APage general(IDD_GENERAL), units(IDD_UNITS);
    sheet.AddPage(&general);
    sheet.AddPage(&units);
    EXPECT_EQ(sheet.GetActivePage(), &units);
    m_dialogs.Queue([&](CPropertySheet& s) {
        EXPECT_EQ(s.GetActiveIndex(), 1);
        EXPECT_FALSE(general.IsWindow());
        auto* tabs = s.GetWidget()->findChild<QTabWidget*>();
        ASSERT_NE(tabs, nullptr);
        EXPECT_EQ(tabs->tabText(0), "General");
        tabs->setCurrentIndex(0);
        EXPECT_EQ(s.GetActiveIndex(), 0);
        EXPECT_TRUE(general.IsWindow());
        s.PressButton(PSBTN_CANCEL);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(general.m_nReset, 1);
    EXPECT_EQ(units.m_nReset, 1);
}

TEST_F(PropertySheet, SpinButtonsCountTowardTheirUpperEndWhicheverWayTheRangeRuns) {
    struct Case {
        int lower, upper, start;
        int afterUp;
    };
    for (const Case& c : {Case{1, 10, 5, 6}, Case{10, 1, 5, 4}, Case{100, 0, 0, 0}, Case{0, 100, 100, 100},
                          Case{-100000, 100000, 99999, 100000}}) {
        CPropertySheet sheet("Spin");
        APage general(IDD_GENERAL);
        sheet.AddPage(&general);
        ASSERT_TRUE(sheet.Create(nullptr, WS_POPUP | WS_CAPTION));
        auto* spin = dynamic_cast<CSpinButtonCtrl*>(general.GetDlgItem(IDC_SPIN));
        ASSERT_NE(spin, nullptr);
        EXPECT_EQ(spin->GetBuddy(), general.GetDlgItem(IDC_COUNT));
        spin->SetRange32(c.lower, c.upper);
        spin->SetPos(c.start);
        spin->StepUp();
        EXPECT_EQ(spin->GetPos(), c.afterUp) << c.lower << ".." << c.upper;
        EXPECT_EQ(general.GetDlgItemText(IDC_COUNT), std::to_string(c.afterUp));
        sheet.DestroyWindow();
    }
}

} // namespace
