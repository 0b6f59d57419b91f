// The New sheet's structure page with the plug-ins of a wizard folder.
#include "app/dialogs/ADlgNew.h"

#include "SettingsFixture.h"
#include "app/shell/CStrakonApp.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/CResources.h"
#include "resources/ui/StrakonResources.h"
#include "tests/support/ArtifactsFolder.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include <string>
#include <vector>

namespace {

class NewSheet : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        AddShellDialogs(CResources::Instance());
    }
    static void type(CPropertyPage& page, int id, const char* text) {
        auto* line = qobject_cast<QLineEdit*>(page.GetDlgItem(id)->GetWidget());
        ASSERT_NE(line, nullptr);
        line->selectAll();
        line->del();
        QTest::keyClicks(line, QString::fromUtf8(text));
    }
    static bool okEnabled(CPropertySheet& sheet) {
        sheet.SendMessage(WM_KICKIDLE, 0, 0);
        return sheet.GetDlgItem(IDOK)->GetWidget()->isEnabled();
    }

    CStrakonApp app;
    CScriptedPromptService prompts;
    CScriptedDialogService dialogs;
};

TEST_F(NewSheet, PluginsJoinTheBlankWizardSortedAndTheFirstIsSelected) {
    ADlgNew sheet;
    sheet.m_structurePage.m_strWizardFolder = STRAKON_TEST_WIZARDS;
    std::vector<CString> entries;
    CString selectedPath;
    bool previewShown = false;
    bool addEnabled = true;
    std::vector<bool> okStates;
    dialogs.Queue([&](CPropertySheet& s) {
        ADlgNewStructure& page = static_cast<ADlgNew&>(s).m_structurePage;
        entries = page.EntryTexts();
        selectedPath = page.m_strWizardPath;
        previewShown = !page.GetDlgItem(1567)->GetWidget()->isHidden();
        addEnabled = page.GetDlgItem(1356)->GetWidget()->isEnabled();
        okStates.push_back(okEnabled(s));
        type(page, 1044, "Bridge");
        okStates.push_back(okEnabled(s));
        type(page, 1046, "");
        okStates.push_back(okEnabled(s));
        type(page, 1046, "/work/projects");
        okStates.push_back(okEnabled(s));
        s.GetWidget()->grab().save(QString::fromStdString((ArtifactsFolder() / "NewDialog.png").string()));
        s.PressButton(PSBTN_OK);
    });
    ASSERT_EQ(sheet.DoModal(), IDOK);
    ASSERT_EQ(entries.size(), 3u) << "the refusing plug-in and the one without an entry point are skipped";
    EXPECT_EQ(entries[0], "Arch Frame Wizard");
    EXPECT_EQ(entries[1], "Blank Strakon Wizard");
    EXPECT_EQ(entries[2], CString(std::string(100, 'W')))
        << "a name without its zero byte ends with the buffer";
    EXPECT_EQ(selectedPath, std::string(STRAKON_TEST_WIZARDS) + "/Good.mwf");
    EXPECT_TRUE(previewShown);
    EXPECT_FALSE(addEnabled) << "no project is open";
    EXPECT_EQ(okStates, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(sheet.m_structurePage.m_strName, "Bridge");
    EXPECT_EQ(sheet.m_structurePage.m_strLocation, "/work/projects");
    EXPECT_EQ(sheet.m_structurePage.m_nProjectChoice, 0);
}

TEST_F(NewSheet, AMissingWizardFolderLeavesTheBlankWizardAlone) {
    ADlgNew sheet;
    sheet.m_structurePage.m_strWizardFolder = "/nonexistent/Wizards";
    std::vector<CString> entries;
    CString path = "unset";
    dialogs.Queue([&](CPropertySheet& s) {
        entries = static_cast<ADlgNew&>(s).m_structurePage.EntryTexts();
        path = static_cast<ADlgNew&>(s).m_structurePage.m_strWizardPath;
        s.PressButton(PSBTN_CANCEL);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(entries, (std::vector<CString>{"Blank Strakon Wizard"}));
    EXPECT_EQ(path, "") << "the built-in entry has no plug-in path";
}

} // namespace
