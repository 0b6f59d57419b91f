// The about box's two lines and the version block behind them.
#include "app/shell/CAboutDlg.h"
#include "app/shell/AVersionInfo.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "resources/ui/StrakonResources.h"
#include "tests/support/ArtifactsFolder.h"

#include <gtest/gtest.h>

#include <QPixmap>
#include <QWidget>

namespace {

TEST(CAboutDlgTest, TheProductLineCarriesTheProgramVersionAndTheBuildLineTheProductVersion) {
    AddShellDialogs(CResources::Instance());
    CScriptedDialogService dialogs;
    CString product, build;
    dialogs.Queue([&](CDialog& d) {
        product = d.GetDlgItemText(CAboutDlg::IDC_PRODUCT_LINE);
        build = d.GetDlgItemText(CAboutDlg::IDC_BUILD_LINE);
        d.GetWidget()->grab().save(QString::fromStdString((ArtifactsFolder() / "AboutBox.png").string()));
        d.PressButton(IDOK);
    });
    CAboutDlg about;
    EXPECT_EQ(about.DoModal(), IDOK);
    EXPECT_EQ(product, "Orvex Strakon Version 2.00 (Final Release)");
    EXPECT_EQ(build, "Build version: 2, 0,0, 2626");
}

TEST(CAboutDlgTest, TheVersionBlockAnswersOnlyForTheProgramAndItsTranslation) {
    AVersionInfo info;
    EXPECT_EQ(info.GetString("ProductVersion"), "") << "not open";
    ASSERT_TRUE(info.Open());
    EXPECT_EQ(info.GetTranslation(), 0x040904B0u);
    EXPECT_EQ(info.GetString("ProductVersion"), "2, 0,0, 2626");
    EXPECT_EQ(info.GetString("ProductVersion", 0x040904B0u), "2, 0,0, 2626");
    EXPECT_EQ(info.GetString("ProductVersion", 0x040704B0u), "");
    EXPECT_EQ(info.GetString("NoSuchValue"), "");
    EXPECT_FALSE(info.Open("/bin/sh")) << "files here carry no version block";
    EXPECT_EQ(info.GetString("ProductVersion"), "");
}

} // namespace
