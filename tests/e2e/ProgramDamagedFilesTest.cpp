// Damaged and foreign files in the real program: File Open of a project whose
// structure file is damaged, and Insert Structure of a project file. Each
// message is shown on the screen as the program's message box shows it.
#include "ProgramFixture.h"

#include "app/shell/AStrakonDocument.h"
#include "framework/ABaseProjectDoc.h"
#include "platform/storage/CCompoundFile.h"
#include "resources/ui/StrakonResourceIds.h"

#include <QMessageBox>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class ProgramDamagedFiles : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
        for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs", "two-frames.oxp"})
            fs::copy_file(examples / name, work / name);
        // Every message is put on the screen, pictured, and answered with OK.
        prompts.SetMessageBoxHandler([this](const CMessageBoxRequest& request) {
            QMessageBox box(QMessageBox::Warning, "Strakon", QString::fromStdString(std::string(request.text)));
            box.show();
            shot(nextShot);
            box.close();
            return IDOK;
        });
    }
    std::string nextShot = "message";
};

// The records of the beam's file start with zeros, as after a zeroed sector.
void damage(const fs::path& structure) {
    CCompoundFile file(structure);
    auto storage = file.Root().OpenStorage("Strakon");
    auto stream = storage->OpenStream("Contents");
    std::vector<std::uint8_t> data = stream->GetData();
    std::fill(data.begin(), data.begin() + std::min<std::size_t>(data.size(), 64), 0);
    stream->SetData(data);
    storage->Commit();
    file.Commit();
    file.Close();
}

TEST_F(ProgramDamagedFiles, OpeningAProjectWithADamagedStructureNamesTheFileAndChangesNothing) {
    damage(work / "beam-on-ground.oxs");
    const auto before = fs::file_size(work / "beam-on-ground.oxs");
    nextShot = "damaged-structure";
    const int code = run({}, [&](CStrakonApp& app, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        prompts.QueueFileAnswer((work / "two-frames.oxp").string());
        frame.SendMessage(WM_COMMAND, ID_FILE_OPEN, 0);
        settle();
        bool named = false;
        for (const CMessageBoxRequest& m : prompts.MessageBoxes())
            named = named ||
                    std::string(m.text).find("beam-on-ground.oxs is not a structure file or is damaged") != std::string::npos;
        EXPECT_TRUE(named);
        if (ABaseProjectDoc* project = app.GetProjectDocument()) {
            for (ABaseStructureDoc* s : project->GetStructures()) {
                EXPECT_NE(s->GetTitle(), "beam-on-ground") << "the damaged structure is not open";
            }
        }
        shot("damaged-structure-after");
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(fs::file_size(work / "beam-on-ground.oxs"), before);
}

TEST_F(ProgramDamagedFiles, InsertStructureOfAProjectFileSaysItIsAProject) {
    fs::copy_file(work / "two-frames.oxp", work / "other.oxp");
    nextShot = "insert-project-as-structure";
    const int code = run({(work / "two-frames.oxp").string()}, [&](CStrakonApp& app, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        ASSERT_NE(app.GetProjectDocument(), nullptr);
        const std::size_t structures = app.GetProjectDocument()->GetStructures().size();
        prompts.QueueFileAnswer((work / "other.oxp").string());
        frame.SendMessage(WM_COMMAND, ID_INSERT_STRUCTURE, 0);
        settle();
        // The refusal names the file once; the command's own failure message follows it.
        const std::string path = (work / "other.oxp").string();
        std::string refusal;
        for (const CMessageBoxRequest& m : prompts.MessageBoxes())
            if (std::string(m.text).find("other.oxp is a project file, not a structure") != std::string::npos)
                refusal = m.text;
        ASSERT_FALSE(refusal.empty());
        const std::size_t first = refusal.find(path);
        EXPECT_NE(first, std::string::npos) << refusal;
        EXPECT_EQ(refusal.find(path, first + 1), std::string::npos) << "the path once: " << refusal;
        EXPECT_EQ(prompts.MessageBoxes().back().text, "Error: Could not add a structure into the project.");
        EXPECT_EQ(app.GetProjectDocument()->GetStructures().size(), structures);
        app.GetProjectDocument()->SetModifiedFlag(FALSE);
    });
    EXPECT_EQ(code, 0);
}

} // namespace
