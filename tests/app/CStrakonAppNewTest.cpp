// File New's checks before anything is written: the structure name, the files
// in the way, and a wizard that is cancelled.
#include "app/shell/CStrakonApp.h"

#include "SettingsFixture.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/CResources.h"
#include "resources/ui/StrakonResources.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        files[entry.path().filename().string()] = bytes.str();
    }
    return files;
}

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class NewStructure : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        AddShellDialogs(CResources::Instance());
    }
    CStrakonApp app;
    CScriptedPromptService prompts;
    CScriptedDialogService dialogs;
    TempFolder folder;
};

TEST_F(NewStructure, NamesThatWouldNotNameOneFileInTheFolderAreRefused) {
    const struct {
        const char* name;
        bool valid;
    } cases[] = {{"Bridge", true}, {"Bridge.old", true}, {"Brücke 2", true}, {"a/b", false},
                 {"a:b", false},   {".", false},         {"..", false},      {"", false},
                 {"a\tb", false},  {"a\x7f", false},     {"a\\b", false},    {"a*b", false},
                 {"a?b", false},   {"a\"b", false},      {"a<b>", false},    {"a|b", false}};
    for (const auto& c : cases) {
        CString message;
        EXPECT_EQ(CStrakonApp::IsValidStructureName(c.name, message), c.valid) << c.name;
        EXPECT_EQ(message.empty(), c.valid) << c.name;
    }
    // Refused: the New sheet comes back, and nothing is asked or written.
    prompts.Clear();
    EXPECT_FALSE(app.CreateNewStructure("", "a/b", folder.path().string(), TRUE));
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text.find("You entered invalid structure name.\n"), 0u);
    EXPECT_TRUE(dialogs.Runs().empty());
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST_F(NewStructure, TheQuestionNamesEachFileInTheWayAndACancelledWizardWritesNothing) {
    const fs::path project = folder / "Bridge.oxp";
    const fs::path structure = folder / "Bridge.oxs";
    const struct {
        const char* name;
        bool projectThere;
        bool structureThere;
    } cases[] = {
        {"only the structure", false, true}, {"only the project", true, false}, {"both", true, true}};
    for (const auto& c : cases) {
        fs::remove(project);
        fs::remove(structure);
        if (c.projectThere) Write(project, "the user's project");
        if (c.structureThere) Write(structure, "the user's structure");
        const auto before = Snapshot(folder.path());

        // Yes: choose another name.
        prompts.Clear();
        prompts.QueueMessageBoxAnswer(IDYES);
        EXPECT_FALSE(app.CreateNewStructure("", "Bridge", folder.path().string(), TRUE)) << c.name;
        ASSERT_EQ(prompts.MessageBoxes().size(), 1u) << c.name;
        const CString& question = prompts.MessageBoxes()[0].text;
        EXPECT_EQ(question.find(project.string()) != std::string::npos, c.projectThere) << question;
        EXPECT_EQ(question.find(structure.string()) != std::string::npos, c.structureThere) << question;
        EXPECT_NE(question.find("Would you like to select a different name?"), std::string::npos);

        // No, then Cancel in the wizard: the files are as they were and nothing joined them.
        prompts.Clear();
        prompts.QueueMessageBoxAnswer(IDNO);
        dialogs.Queue([](CPropertySheet& wizard) { wizard.PressButton(PSBTN_CANCEL); });
        EXPECT_TRUE(app.CreateNewStructure("", "Bridge", folder.path().string(), TRUE)) << c.name;
        EXPECT_EQ(Snapshot(folder.path()), before) << c.name;
        EXPECT_EQ(app.GetProjectDocument(), nullptr) << c.name;
    }
}

TEST_F(NewStructure, TheDefaultLocationIsTheRecentFilesFolderElseNotTheProgramFolder) {
    app.WriteProfileString("Recent File List", "File1", (folder / "Hall.oxp").string().c_str());
    EXPECT_EQ(app.DefaultNewLocation(), folder.path().string());
    app.WriteProfileString("Recent File List", "File1", "/nonexistent/place/Hall.oxp");
    const CString fallback = app.DefaultNewLocation();
    EXPECT_FALSE(fallback.empty());
    EXPECT_NE(fs::path(std::string(fallback)), fs::path(STRAKON_BINARY_DIR) / "bin");
}

} // namespace
