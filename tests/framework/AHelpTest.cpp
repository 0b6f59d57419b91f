#include "framework/AHelp.h"

#include "framework/ABaseDialog.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWinApp.h"
#include "resources/tamrix/TamrixResources.h"

#include <QFileInfo>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

constexpr UINT IDD_HELPED = 9800;
constexpr DWORD kWizardInformationTopic = 0x20000 + 130;

// The program passes help requests on to the dispatcher.
class AHelpApp : public CWinApp {
public:
    AHelpApp() : CWinApp("Strakon") {}
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override {
        calls.emplace_back(static_cast<DWORD>(dwData), nCmd);
        AHelp::Instance()->WinHelp(static_cast<DWORD>(dwData), nCmd);
    }
    std::vector<std::pair<DWORD, UINT>> calls;
};

class AHelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_app.m_pszHelpFilePath = STRAKON_SOURCE_DIR "/resources/data/Help/Strakon.chm";
        CDialogTemplate t;
        t.caption = "Helped";
        t.style = WS_POPUP | WS_CAPTION;
        t.cx = 150;
        t.cy = 60;
        CDlgItemTemplate edit = DlgEditText(1000, 7, 7, 60, 12);
        edit.helpId = 0x50000;
        CDlgItemTemplate check = DlgCheckBox("Check", 1001, 7, 24, 60, 10);
        CDlgItemTemplate label = DlgLText("Label", IDC_STATIC, 70, 7, 60, 8);
        label.helpId = 0x50002;
        t.items = {edit, check, label, DlgPushButton("Help", IDHELP, 90, 40, 50, 14)};
        CResources::Instance().AddDialog(IDD_HELPED, t);
    }
    void TearDown() override { AHelp::Release(); }
    AHelpApp m_app;
    CScriptedDialogService m_dialogs;
};

class AHelpedDialog : public ABaseDialog {
public:
    explicit AHelpedDialog(DWORD topic) : ABaseDialog(IDD_HELPED, nullptr), m_topic(topic) {}
    DWORD GetDialogID() override { return m_topic; }
    DWORD m_topic;
};

TEST_F(AHelpTest, HelpTypeSwitchesTheExtensionAndIsStored) {
    struct Case {
        const char* path;
        int type;
        const char* result;
    };
    const Case cases[] = {
        {"/opt/strakon/Help/P.chm", 0, "/opt/strakon/Help/P.hlp"},
        {"/opt/strakon/Help/P.hlp", 1, "/opt/strakon/Help/P.chm"},
        {"/opt/strakon/Help/P.chm", 1, "/opt/strakon/Help/P.chm"},
        {"P", 0, "P.hlp"},
        {"/opt/str.akon/Help/P", 1, "/opt/str.akon/Help/P.chm"},
        {"/opt/strakon/Help/P.chm", 7, "/opt/strakon/Help/P.chm"},
    };
    for (const Case& c : cases) {
        m_app.m_pszHelpFilePath = c.path;
        AHelp::Instance()->SetHelpType(c.type);
        EXPECT_EQ(m_app.m_pszHelpFilePath, c.result) << c.path;
        EXPECT_EQ(static_cast<int>(m_app.GetProfileInt("Help", "HelpType", -1)), c.type);
    }
    // A new dispatcher starts with the stored choices.
    AHelp::Instance()->SetHelpType(1);
    AHelp::Instance()->SetPresentationMode(1);
    AHelp::Release();
    m_app.m_pszHelpFilePath = "/opt/strakon/Help/P.hlp";
    EXPECT_EQ(AHelp::Instance()->GetHelpType(), 1);
    EXPECT_EQ(AHelp::Instance()->GetPresentationMode(), 1);
    EXPECT_EQ(m_app.m_pszHelpFilePath, "/opt/strakon/Help/P.chm");
}

TEST_F(AHelpTest, TheHelpButtonOpensTheDialogsPageAndBothTypesShowTheSamePage) {
    for (int type : {1, 0}) {
        AHelp::Instance()->SetHelpType(type);
        // Presentation mode 1 without a main window leaves the window without owner.
        AHelp::Instance()->SetPresentationMode(1);
        AHelpedDialog dlg(kWizardInformationTopic);
        m_dialogs.Queue([](CDialog& d) {
            d.PressButton(IDHELP);
            d.PressButton(IDCANCEL);
        });
        dlg.DoModal();
        const CString page = AHelp::Instance()->GetShownPage();
        EXPECT_EQ(QFileInfo(QString::fromStdString(page)).fileName(), "130-structur-wizard-information.html");
        QTextBrowser* viewer = AHelp::Instance()->GetViewer();
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(viewer->parentWidget(), nullptr);
        EXPECT_TRUE(viewer->toPlainText().contains("Structure Location"));
        AHelp::Release();
    }
}

TEST_F(AHelpTest, NoTopicNoHelpAndHelpOnAControlIsSwallowed) {
    AHelpedDialog dlg(0xFFFFFFFF);
    std::vector<DWORD> ids;
    m_dialogs.Queue([&](CDialog& d) {
        d.PressButton(IDHELP);
        const DWORD* table = static_cast<ABaseDialog&>(d).GetHelpIDs();
        for (; table && (table[0] || table[1]); table += 2)
            ids.insert(ids.end(), {table[0], table[1]});
        EXPECT_EQ(d.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(d.GetDlgItem(1000)->m_hWnd)), TRUE);
        d.PressButton(IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_TRUE(m_app.calls.empty());
    EXPECT_EQ(AHelp::Instance()->GetViewer(), nullptr);
    EXPECT_EQ(ids, (std::vector<DWORD>{1000, 0x50000, 0xFFFF, 0x50002}));
}

TEST_F(AHelpTest, F1OnAControlAsksForHelpOnItAndIsSwallowed) {
    class ACounting : public AHelpedDialog {
    public:
        ACounting() : AHelpedDialog(kWizardInformationTopic) {}
        std::vector<HWND> asked;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_HELP) asked.push_back(reinterpret_cast<HWND>(lParam));
            return AHelpedDialog::WindowProc(message, wParam, lParam);
        }
    } dlg;
    HWND edit = nullptr;
    m_dialogs.Queue([&](CDialog& d) {
        QWidget* widget = d.GetDlgItem(1000)->GetWidget();
        edit = d.GetDlgItem(1000)->m_hWnd;
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_F1);
        d.PressButton(IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(dlg.asked, std::vector<HWND>{edit});
    EXPECT_TRUE(m_app.calls.empty());
    EXPECT_EQ(AHelp::Instance()->GetViewer(), nullptr);
}

TEST_F(AHelpTest, SheetsAskOnlyTheirOwnPages) {
    class AOwnPage : public ABasePropertyPage {
    public:
        AOwnPage() : ABasePropertyPage(IDD_HELPED, 0) {}
        DWORD GetDialogID() override { return kWizardInformationTopic; }
    };
    struct Case {
        bool own;
        size_t calls;
    };
    for (const Case& c : {Case{true, 1}, Case{false, 0}}) {
        m_app.calls.clear();
        ABasePropertySheet sheet("Properties");
        AOwnPage own;
        CPropertyPage foreign(IDD_HELPED);
        sheet.AddPage(c.own ? static_cast<CPropertyPage*>(&own) : &foreign);
        sheet.m_psh.dwFlags |= PSH_HASHELP;
        m_dialogs.Queue([](CPropertySheet& s) {
            s.PressButton(PSBTN_HELP);
            s.PressButton(PSBTN_CANCEL);
        });
        sheet.DoModal();
        EXPECT_EQ(m_app.calls.size(), c.calls) << c.own;
    }
    // A sheet without pages has nothing to ask.
    m_app.calls.clear();
    ABasePropertySheet empty("Empty");
    m_dialogs.Queue([](CPropertySheet& s) {
        s.SendMessage(WM_COMMAND, MAKEWPARAM(IDHELP, BN_CLICKED), 0);
        s.PressButton(PSBTN_CANCEL);
    });
    empty.DoModal();
    EXPECT_TRUE(m_app.calls.empty());
}

TEST_F(AHelpTest, EveryShippedDialogHasAPage) {
    RegisterTamrixResources();
    const CResourceModuleScope scope(kTamrixModule);
    const std::vector<UINT> ids = CResources::Instance().DialogIds();
    ASSERT_FALSE(ids.empty());
    for (UINT id : ids) {
        if (id >= 9000) continue; // the tests' own dialogs
        const CString page = AHelp::Instance()->PageOf(0x20000 + id);
        EXPECT_FALSE(page.empty()) << id;
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(page))) << id;
    }
}

} // namespace
