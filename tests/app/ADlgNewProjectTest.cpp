// The New sheet's project page worked as a user works it.
#include "app/dialogs/ADlgNewProject.h"

#include "SettingsFixture.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/CResources.h"
#include "resources/ui/StrakonResources.h"
#include "tests/support/ArtifactsFolder.h"

#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <filesystem>

namespace {

class ADlgNewProjectTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        RegisterStrakonResources();
    }
    CScriptedDialogService dialogs;
};

TEST_F(ADlgNewProjectTest, TheBlankProjectIsChosenInTheCurrentFolderAndTheNameIsTyped) {
    ABasePropertySheet sheet("New");
    ADlgNewProject page;
    sheet.AddPage(&page);
    std::vector<CString> entries;
    CString location;
    dialogs.Queue([&](CPropertySheet& s) {
        entries = page.EntryTexts();
        location = page.GetDlgItemText(1565);
        auto* name = qobject_cast<QLineEdit*>(page.GetDlgItem(1044)->GetWidget());
        ASSERT_NE(name, nullptr);
        QTest::keyClicks(name, "Bridges");
        s.GetWidget()->grab().save(
            QString::fromStdString((ArtifactsFolder() / "NewProjectPage.png").string()));
        s.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(entries, std::vector<CString>{"Blank Project"});
    EXPECT_EQ(location, std::filesystem::current_path().string());
    EXPECT_EQ(page.m_strName, "Bridges");
    EXPECT_EQ(page.m_strLocation, std::filesystem::current_path().string());
    EXPECT_TRUE(page.m_strSelectedPath.empty());
    EXPECT_EQ(page.m_images.GetImageCount(), 2);
}

} // namespace
