// The program's help requests reach the help viewer: the Help button of a real
// editor, pressed with the mouse, and Help Topics show their pages.
#include "app/dialogs/AMaterialDlg.h"
#include "app/dialogs/AMaterialMap.h"
#include "app/shell/CStrakonApp.h"
#include "framework/AHelp.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CCmdUI.h"
#include "tests/app/EditorFixture.h"

#include <QTest>
#include <QTextBrowser>

namespace {

class CStrakonAppHelp : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        app.m_pszHelpFilePath = STRAKON_SOURCE_DIR "/resources/data/Help/Strakon.chm";
    }
    void TearDown() override {
        AHelp::Release();
        EditorFixture::TearDown();
    }
    static QString shown() {
        QTextBrowser* viewer = AHelp::Instance()->GetViewer();
        return viewer && viewer->isVisible() ? viewer->source().toLocalFile() : QString();
    }
    CStrakonApp app;
};

TEST_F(CStrakonAppHelp, TheEditorsHelpButtonShowsItsPageInTheViewer) {
    AMaterialMap map;
    QString page;
    dialogs.Queue([&](CDialog& dlg) {
        CWnd* help = dlg.GetDlgItem(IDHELP);
        ASSERT_NE(help, nullptr);
        QTest::mouseClick(help->GetWidget(), Qt::LeftButton);
        page = shown();
        dlg.PressButton(IDCANCEL);
    });
    AMaterialDlg dlg(nullptr, &map);
    dlg.DoModal();
    EXPECT_TRUE(page.endsWith("/142-material-editor.html")) << page.toStdString();
    ASSERT_NE(AHelp::Instance()->GetViewer(), nullptr);
    EXPECT_TRUE(AHelp::Instance()->GetViewer()->toPlainText().contains("Material"));
}

TEST_F(CStrakonAppHelp, HelpTopicsIsEnabledAndShowsTheStartPage) {
    CTestCmdUI ui;
    ui.m_nID = ID_HELP_FINDER;
    ui.DoUpdate(&app, TRUE);
    EXPECT_TRUE(ui.m_bEnabled);
    for (UINT command : {ID_HELP_FINDER, ID_HELP}) {
        if (QTextBrowser* viewer = AHelp::Instance()->GetViewer()) viewer->close();
        ASSERT_TRUE(app.OnCmdMsg(command, CN_COMMAND, nullptr, nullptr)) << command;
        EXPECT_TRUE(shown().endsWith("/index.html")) << command;
    }
}

} // namespace
