#include "framework/AWizard.h"

#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWinApp.h"
#include "tests/support/ArtifactsFolder.h"

#include <QApplication>
#include <QPixmap>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

constexpr UINT IDD_PAGE1 = 9700;
constexpr int IDC_SPANS = 1000;

void registerPages() {
    const char* captions[] = {"Geometry", "Loads", "Supports"};
    for (UINT i = 0; i < 3; ++i) {
        CDialogTemplate t;
        t.caption = captions[i];
        t.style = WS_CHILD | WS_CAPTION;
        t.cx = 220;
        t.cy = 110;
        t.items = {DlgLText("Spans:", IDC_STATIC, 7, 9, 40, 8), DlgEditText(IDC_SPANS, 50, 7, 40, 12)};
        CResources::Instance().AddDialog(IDD_PAGE1 + i, t);
    }
}

class APage : public AWizardPage {
public:
    explicit APage(UINT id) : AWizardPage(id) {}
    int m_nSpans = 3;
    BOOL m_bNext = TRUE;
    BOOL m_bFinish = TRUE;
    int m_nFinishAsked = 0;
    BOOL EnableNextButton() override { return m_bNext; }
    BOOL EnableFinishButton() override {
        ++m_nFinishAsked;
        return m_bFinish;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_SPANS, m_nSpans);
        DDV_MinMaxInt(pDX, m_nSpans, 1, 10);
    }
};

class AStructureWizard : public AWizard {
public:
    AStructureWizard() : AWizard("New Structure") {
        for (APage* page : {&m_one, &m_two, &m_three})
            AddPage(page);
    }
    APage m_one{IDD_PAGE1}, m_two{IDD_PAGE1 + 1}, m_three{IDD_PAGE1 + 2};
    BOOL m_bAccept = TRUE;
    BOOL OnWizardFinish() override { return m_bAccept; }
};

struct Buttons {
    bool back, next, finish, nextDefault;
    bool operator==(const Buttons& o) const {
        return back == o.back && next == o.next && finish == o.finish && nextDefault == o.nextDefault;
    }
};

std::ostream& operator<<(std::ostream& out, const Buttons& b) {
    return out << "back " << b.back << " next " << b.next << " finish " << b.finish << " default "
               << b.nextDefault;
}

Buttons buttonsOf(CPropertySheet& sheet) {
    auto* next = qobject_cast<QPushButton*>(sheet.GetDlgItem(ID_WIZNEXT)->GetWidget());
    return Buttons{sheet.GetDlgItem(ID_WIZBACK)->IsWindowEnabled() != FALSE,
                   sheet.GetDlgItem(ID_WIZNEXT)->IsWindowEnabled() != FALSE,
                   sheet.GetDlgItem(ID_WIZFINISH)->IsWindowEnabled() != FALSE, next->isDefault()};
}

void kick(CPropertySheet& sheet) {
    sheet.SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, 0);
}

class AWizardTest : public ::testing::Test {
protected:
    void SetUp() override { registerPages(); }
    CWinApp m_app{"Strakon"};
    CScriptedPromptService m_prompts;
    CScriptedDialogService m_dialogs;
};

TEST_F(AWizardTest, StepCaptionIsAddedOncePerPageAndButtonsFollowThePages) {
    AStructureWizard wizard;
    std::vector<CString> captions;
    std::vector<Buttons> states;
    m_dialogs.Queue([&](CPropertySheet& sheet) {
        // The service gave the sheet one idle pass already.
        captions.push_back(sheet.GetWindowText());
        states.push_back(buttonsOf(sheet));
        sheet.PressButton(PSBTN_NEXT);
        kick(sheet);
        kick(sheet);
        kick(sheet);
        captions.push_back(sheet.GetWindowText());
        states.push_back(buttonsOf(sheet));
        wizard.m_two.m_bNext = FALSE;
        kick(sheet);
        states.push_back(buttonsOf(sheet));
        wizard.m_two.m_bNext = TRUE;
        kick(sheet);
        sheet.PressButton(PSBTN_NEXT);
        kick(sheet);
        captions.push_back(sheet.GetWindowText());
        states.push_back(buttonsOf(sheet));
        // A page not shown yet answers from its members; the first FALSE decides.
        wizard.m_one.m_bFinish = FALSE;
        kick(sheet);
        states.push_back(buttonsOf(sheet));
        wizard.m_one.m_bFinish = TRUE;
        sheet.PressButton(PSBTN_BACK);
        kick(sheet);
        captions.push_back(sheet.GetWindowText());
        sheet.GetWidget()->show();
        QApplication::processEvents();
        sheet.GetWidget()->grab().save(
            QString::fromStdString((ArtifactsFolder() / "wizard-step-2.png").string()));
        sheet.PressButton(PSBTN_CANCEL);
    });
    EXPECT_EQ(wizard.DoModal(), IDCANCEL);
    EXPECT_EQ(captions, (std::vector<CString>{"Geometry - Step 1 of 3", "Loads - Step 2 of 3",
                                              "Supports - Step 3 of 3", "Loads - Step 2 of 3"}));
    const std::vector<Buttons> expected{
        {false, true, true, true},  // first page: no Back
        {true, true, true, true},   // middle page
        {true, false, true, false}, // the page refuses Next: Next loses the default style
        {true, false, true, false}, // last page: no Next
        {true, false, false, false},
    };
    EXPECT_EQ(states, expected);
    EXPECT_EQ(wizard.m_three.m_nFinishAsked > 0, true);
}

TEST_F(AWizardTest, FinishWithInvalidInputOrARefusingWizardStaysOpen) {
    struct Case {
        const char* spans;
        BOOL accept;
        bool ends;
        size_t messages;
    };
    for (const Case& c : {Case{"12", TRUE, false, 1}, Case{"5", FALSE, false, 0}, Case{"5", TRUE, true, 0}}) {
        SCOPED_TRACE(c.spans);
        m_prompts.Clear();
        AStructureWizard wizard;
        wizard.m_bAccept = c.accept;
        bool ended = false;
        m_dialogs.Queue([&](CPropertySheet& sheet) {
            sheet.SetActivePage(1);
            sheet.GetActivePage()->SetDlgItemText(IDC_SPANS, c.spans);
            sheet.PressButton(PSBTN_FINISH);
            ended = sheet.IsEnded();
            if (!ended) sheet.PressButton(PSBTN_CANCEL);
        });
        const INT_PTR result = wizard.DoModal();
        EXPECT_EQ(ended, c.ends);
        EXPECT_EQ(result, c.ends ? static_cast<INT_PTR>(ID_WIZFINISH) : IDCANCEL);
        EXPECT_EQ(m_prompts.MessageBoxes().size(), c.messages);
        if (c.ends) {
            EXPECT_EQ(wizard.m_two.m_nSpans, 5);
        }
    }
}

TEST_F(AWizardTest, OnePageWizardOffersOnlyFinishAndFinishStandsBesideNext) {
    AWizard wizard("Single");
    APage page(IDD_PAGE1);
    wizard.AddPage(&page);
    m_dialogs.Queue([&](CPropertySheet& sheet) {
        EXPECT_EQ(buttonsOf(sheet), (Buttons{false, false, true, false}));
        RECT next, finish, cancel;
        sheet.GetDlgItem(ID_WIZNEXT)->GetWindowRect(&next);
        sheet.GetDlgItem(ID_WIZFINISH)->GetWindowRect(&finish);
        sheet.GetDlgItem(IDCANCEL)->GetWindowRect(&cancel);
        EXPECT_TRUE(sheet.GetDlgItem(ID_WIZFINISH)->IsWindowVisible());
        EXPECT_LT(next.right, finish.left + 1);
        EXPECT_LT(finish.right, cancel.left);
        sheet.PressButton(PSBTN_FINISH);
    });
    EXPECT_EQ(wizard.DoModal(), static_cast<INT_PTR>(ID_WIZFINISH));
}

TEST_F(AWizardTest, InformationDialogShowsItsTextsOrHidesTheBottom) {
    struct Case {
        BOOL show;
        const char* top;
        bool bottomVisible;
        const char* topShown;
    };
    for (const Case& c : {Case{TRUE, "", true,
                               "Structure wizard will create a new structure with the following "
                               "specifications:"},
                          Case{FALSE, "Frame of 3 spans", false, "Frame of 3 spans"}}) {
        ADlgWizardInformation dlg;
        dlg.SetMessageTop(c.top);
        dlg.SetMessageBottom("Structure Location:", "/tmp/frame.oxs", c.show);
        dlg.SetInformation("Spans: 3\r\nHeight: 4 m");
        m_dialogs.Queue([&](CDialog& d) {
            EXPECT_EQ(d.GetWindowText(), "Structur Wizard Information");
            EXPECT_EQ(d.GetDlgItemText(ADlgWizardInformation::IDC_MESSAGE_TOP), c.topShown);
            EXPECT_EQ(d.GetDlgItem(ADlgWizardInformation::IDC_MESSAGE_BOTTOM2)->IsWindowVisible() != FALSE,
                      c.bottomVisible);
            EXPECT_EQ(d.GetDlgItemText(ADlgWizardInformation::IDC_INFORMATION), "Spans: 3\r\nHeight: 4 m");
            d.GetWidget()->show();
            d.PressButton(IDOK);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
    }
}

} // namespace
