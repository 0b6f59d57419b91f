#include "ProjectFixture.h"

#include "platform/ui/AfxRes.h"
#include "platform/ui/CRecentFileList.h"

#include <vector>

IMPLEMENT_DYNCREATE(TestStructure, ABaseStructureDoc)
IMPLEMENT_DYNCREATE(TestProject, ABaseProjectDoc)

namespace {

namespace fs = std::filesystem;

using ABaseProjectDocTest = ProjectFixture;

struct RelativeCase {
    const char* path;
    const char* base;
    const char* expected;
};

TEST_F(ABaseProjectDocTest, StructurePathsBecomeRelativeToTheProjectFolderInTheStoredForm) {
    const std::vector<RelativeCase> cases = {
        {"/p/a/s.oxs", "/p/proj.oxp", "a\\s.oxs"},
        {"/p/a/s.oxs", "/p/q/proj.oxp", "..\\a\\s.oxs"},
        {"/p/s.oxs", "/p/proj.oxp", "s.oxs"},
        {"/pq/s.oxs", "/p/proj.oxp", "..\\pq\\s.oxs"},         // /p is no prefix of /pq
        {"/b/a/c/s.oxs", "/a/proj.oxp", "..\\b\\a\\c\\s.oxs"}, // /a inside the path is no match
        {"/x/y/s.oxs", "/p/q/r/proj.oxp", "..\\..\\..\\x\\y\\s.oxs"},
        {"/P/Deck/S.oxs", "/P/proj.oxp", "Deck\\S.oxs"}, // case kept
        {"\\p\\a\\s.oxs", "/p/proj.oxp", "a\\s.oxs"},    // either separator
        {"/p/a/s.oxs", "", "a\\s.oxs"},                  // the application's base path
    };
    app.m_strBasePath = "/p/Bridge.oxp";
    for (const RelativeCase& c : cases)
        EXPECT_EQ(project->Convert2RelativePath(c.path, c.base), c.expected)
            << c.path << " against " << c.base;
}

TEST_F(ABaseProjectDocTest, StoredRelativePathsBecomeAbsoluteAgainstTheBasePath) {
    const std::vector<RelativeCase> cases = {
        {"..\\a\\s.oxs", "/p/q/proj.oxp", "/p/a/s.oxs"},
        {"a\\s.oxs", "/p/proj.oxp", "/p/a/s.oxs"},
        {"s.oxs", "/p/proj.oxp", "/p/s.oxs"},
        {".\\s.oxs", "/p/proj.oxp", "/p/s.oxs"},
        {"..\\..\\..\\s.oxs", "/p/proj.oxp", "/s.oxs"},  // never past the root
        {"Deck\\S.oxs", "/P/proj.oxp", "/P/Deck/S.oxs"}, // case kept
        {"../a/s.oxs", "/p/q/proj.oxp", "/p/a/s.oxs"},
        {"/x/s.oxs", "/p/proj.oxp", "/x/s.oxs"}, // already absolute
    };
    for (const RelativeCase& c : cases) {
        app.m_strBasePath = c.base;
        EXPECT_EQ(project->Convert2AbsolutePath(c.path), c.expected) << c.path << " against " << c.base;
    }
}

TEST_F(ABaseProjectDocTest, RelativeAndAbsolutePathsRoundTrip) {
    app.m_strBasePath = "/home/eng/Projects/Bridge.oxp";
    for (const char* path : {"/home/eng/Projects/s.oxs", "/home/eng/Other/Deck/s.oxs", "/srv/s.oxs"})
        EXPECT_EQ(project->Convert2AbsolutePath(project->Convert2RelativePath(path, "")), path);
}

TEST_F(ABaseProjectDocTest, ALowerCasedWindowsPathFindsTheFileWhoseNameDiffersInCase) {
    fs::create_directories(folder / "A");
    std::ofstream(folder / "A" / "S.oxs") << "x";
    EXPECT_EQ(project->LocateStructureFile("a\\s.oxs"), (folder / "A" / "S.oxs").string());
    EXPECT_EQ(project->LocateStructureFile("A\\S.oxs"), (folder / "A" / "S.oxs").string());
    EXPECT_EQ(ABaseProjectDoc::FindFileIgnoringCase((folder / "a" / "missing.oxs").string()), "");
    EXPECT_EQ(project->LocateStructureFile("a\\missing.oxs"), (folder / "a" / "missing.oxs").string())
        << "nothing found: the path as stored, for the question that follows";
}

TEST_F(ABaseProjectDocTest, StructureNamesDifferingOnlyInCaseAreTheSameStructure) {
    TestStructure* frame = addNew("My Frame", "");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(project->GetStructure("my frame"), frame);
    EXPECT_EQ(project->GetStructure("MY FRAME"), frame);
    EXPECT_EQ(project->GetStructure("Other"), nullptr);
    prompts.Clear();
    EXPECT_FALSE(project->CanAddStructure("my frame", folder.path().string()));
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text, "Current project already contains structure named 'my frame.'");
    EXPECT_TRUE(project->CanAddStructure("Beam", folder.path().string()));
}

TEST_F(ABaseProjectDocTest, ANewStructureIsSavedUnderItsNameJoinsTheProjectAndBecomesActive) {
    TestStructure* frame = addNew("Frame1", "portal");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetTitle(), "Frame1");
    EXPECT_EQ(frame->GetParentDocument(), project);
    EXPECT_EQ(project->GetActiveStructure(), frame);
    EXPECT_EQ(frame->GetPathName(), (folder / "Frame1.oxs").string());
    app.LoadStdProfileSettings(4);
    frame->SetPathName(frame->GetPathName().c_str(), TRUE);
    EXPECT_TRUE((*app.m_pRecentFileList)[0].empty()) << "structure files never enter the recent-file list";
    ASSERT_TRUE(project->OnFileCloseProject(FALSE));
    EXPECT_EQ(readText(folder / "Frame1.oxs"), "portal");
}

TEST_F(ABaseProjectDocTest, AnExistingStructureFileIsOpenedIntoTheProject) {
    ASSERT_NE(addNew("Frame1", "portal"), nullptr);
    ASSERT_TRUE(project->OnFileCloseProject(FALSE));
    auto* s =
        static_cast<TestStructure*>(project->AddStructure("Portal", (folder / "Frame1.oxs").string(), TRUE));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->text, "portal");
    EXPECT_EQ(s->GetTitle(), "Portal");
    EXPECT_EQ(project->AddStructure("Gone", (folder / "gone.oxs").string(), TRUE), nullptr);
    EXPECT_EQ(project->GetStructures().size(), 1u);
}

TEST_F(ABaseProjectDocTest, ANewStructureNameThatIsNoFileNameIsRefused) {
    for (const char* name : {"../escape", "a/b", "a\\b", ""}) {
        prompts.Clear();
        EXPECT_EQ(project->AddStructure(name, folder.path().string(), FALSE), nullptr) << name;
        EXPECT_EQ(prompts.MessageBoxes().size(), 1u) << name;
    }
    EXPECT_TRUE(project->GetStructures().empty());
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST_F(ABaseProjectDocTest, ANewStructureAsksBeforeReplacingAFileOfItsName) {
    std::ofstream(folder / "Frame1.oxs") << "someone else's";
    prompts.QueueMessageBoxAnswer(IDNO);
    EXPECT_EQ(project->AddStructure("Frame1", folder.path().string(), FALSE), nullptr);
    EXPECT_EQ(fileBytes(folder / "Frame1.oxs"), "someone else's");
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_NE(prompts.MessageBoxes()[0].text.find("already exists"), std::string::npos);
    prompts.QueueMessageBoxAnswer(IDYES);
    ASSERT_NE(addNew("Frame1", "mine"), nullptr);
    ASSERT_TRUE(project->OnFileCloseProject(FALSE));
    EXPECT_EQ(readText(folder / "Frame1.oxs"), "mine");
}

TEST_F(ABaseProjectDocTest, AStructureChangeMarksTheProjectAndSavingItClearsBoth) {
    TestStructure* frame = addNew("Frame1", "");
    project->SetModifiedFlag(FALSE);
    frame->SetModifiedFlag(TRUE);
    EXPECT_TRUE(project->IsModified());
    ASSERT_TRUE(frame->SaveStructure());
    EXPECT_FALSE(frame->IsModified());
    EXPECT_FALSE(project->IsModified());
    EXPECT_EQ(frame->GetTitle(), "Frame1") << "the title is no file name";
}

// --- questions ---------------------------------------------------------------------------------

class ProjectQuestionsTest : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        frame = addNew("Frame1", "saved");
        beam = addNew("Beam", "saved");
        ASSERT_TRUE(frame && beam);
        ASSERT_TRUE(project->DoSave((folder / "Bridge.oxp").string().c_str(), TRUE));
        project->SetTitle("Bridge");
        frameBytes = fileBytes(folder / "Frame1.oxs");
        frame->text = "changed";
        frame->SetModifiedFlag(TRUE);
        prompts.Clear();
    }
    TestStructure* frame = nullptr;
    TestStructure* beam = nullptr;
    std::string frameBytes;
};

TEST_F(ProjectQuestionsTest, CancelWhenClosingAChangedProjectKeepsEverything) {
    prompts.QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_FALSE(project->OnFileCloseProject(TRUE));
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text,
              "The project 'Bridge' has been changed. Would you like to save it?");
    EXPECT_EQ(prompts.MessageBoxes()[0].type & 0xF, static_cast<UINT>(MB_YESNOCANCEL));
    EXPECT_EQ(prompts.MessageBoxes()[0].helpId, 61699u);
    EXPECT_EQ(project->GetStructures().size(), 2u);
    EXPECT_TRUE(frame->IsModified());
}

TEST_F(ProjectQuestionsTest, NoClosesTheProjectWithoutWritingAnyStructure) {
    prompts.QueueMessageBoxAnswer(IDNO);
    EXPECT_TRUE(project->OnFileCloseProject(TRUE));
    EXPECT_TRUE(project->GetStructures().empty());
    EXPECT_EQ(project->GetActiveStructure(), nullptr);
    EXPECT_EQ(fileBytes(folder / "Frame1.oxs"), frameBytes);
    EXPECT_EQ(prompts.MessageBoxes().size(), 1u);
}

TEST_F(ProjectQuestionsTest, YesWithAStructureThatCannotBeSavedKeepsItAndTheProject) {
    blockFile(folder / "Frame1.oxs");
    prompts.QueueMessageBoxAnswer(IDYES);
    EXPECT_FALSE(project->OnFileCloseProject(TRUE));
    EXPECT_EQ(project->GetStructures().size(), 2u);
    EXPECT_TRUE(frame->IsModified());
    EXPECT_EQ(frame->text, "changed");
}

TEST_F(ProjectQuestionsTest, YesSavesTheChangedStructuresAndThenCloses) {
    prompts.QueueMessageBoxAnswer(IDYES);
    EXPECT_TRUE(project->OnFileCloseProject(TRUE));
    EXPECT_TRUE(project->GetStructures().empty());
    EXPECT_EQ(app.workspacesSaved, 1);
    EXPECT_EQ(readText(folder / "Frame1.oxs"), "changed");
}

TEST_F(ProjectQuestionsTest, RemovingAChangedStructureAsksAndFollowsTheAnswer) {
    prompts.QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_FALSE(project->RemoveStructure(frame, TRUE));
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text,
              "The structure 'Frame1' has been changed. Would you like to save it?");
    EXPECT_EQ(prompts.MessageBoxes()[0].helpId, 61699u);
    EXPECT_EQ(project->GetStructures().size(), 2u);

    blockFile(folder / "Frame1.oxs");
    prompts.QueueMessageBoxAnswer(IDYES);
    EXPECT_FALSE(project->RemoveStructure(frame, TRUE)) << "a structure that cannot be saved stays";
    EXPECT_EQ(project->GetStructure("Frame1"), frame);
    EXPECT_TRUE(frame->IsModified());

    fs::remove_all(folder / "Frame1.oxs");
    std::ofstream(folder / "Frame1.oxs") << "untouched";
    project->SetActiveStructure(frame);
    project->SetModifiedFlag(FALSE);
    prompts.QueueMessageBoxAnswer(IDNO);
    EXPECT_TRUE(project->RemoveStructure(frame, TRUE));
    EXPECT_EQ(project->GetStructure("Frame1"), nullptr);
    EXPECT_EQ(project->GetActiveStructure(), nullptr) << "the removed structure is no longer active";
    EXPECT_EQ(fileBytes(folder / "Frame1.oxs"), "untouched");
    EXPECT_TRUE(project->IsModified());
}

TEST_F(ProjectQuestionsTest, RemovingWithoutTheBarLeavesTheProjectFlagAlone) {
    project->SetModifiedFlag(FALSE);
    project->SetActiveStructure(frame);
    EXPECT_TRUE(project->RemoveStructure(beam, FALSE));
    EXPECT_FALSE(project->IsModified());
    EXPECT_EQ(project->GetActiveStructure(), frame) << "another structure stays active";
    EXPECT_FALSE(project->RemoveStructure(beam, FALSE)) << "no longer in the project";
}

TEST_F(ProjectQuestionsTest, SavingTheProjectReportsAStructureThatCouldNotBeSaved) {
    EXPECT_TRUE(project->OnFileSaveProject());
    EXPECT_EQ(project->GetTitle(), "Bridge") << "the title survives the save";
    frame->SetModifiedFlag(TRUE);
    blockFile(folder / "Frame1.oxs");
    prompts.Clear();
    EXPECT_FALSE(project->OnFileSaveProject());
    EXPECT_FALSE(prompts.MessageBoxes().empty());
    EXPECT_TRUE(frame->IsModified());
}

// --- Save As -----------------------------------------------------------------------------------

class ProjectSaveAsTest : public ProjectQuestionsTest {
protected:
    void SetUp() override {
        ProjectQuestionsTest::SetUp();
        ASSERT_TRUE(frame->SaveStructure());
        frameBytes = fileBytes(folder / "Frame1.oxs");
        beamBytes = fileBytes(folder / "Beam.oxs");
        fs::create_directories(folder / "copy");
        target = folder / "copy" / "Copy.oxp";
    }
    fs::path target;
    std::string beamBytes;
};

TEST_F(ProjectSaveAsTest, EachStructureIsSavedBesideTheNewProjectUnderItsOwnTitle) {
    prompts.QueueFileAnswer(target.string());
    ASSERT_TRUE(project->OnFileSaveAsProject());
    EXPECT_EQ(project->GetTitle(), "Copy");
    EXPECT_EQ(project->GetPathName(), target.string());
    EXPECT_EQ(project->saveAsPathWhileSaving, target.string()) << "the project writer sees the new location";
    EXPECT_EQ(project->structuresSavedBefore, 2) << "structures first, the project file last";
    EXPECT_TRUE(project->m_strSaveAsPath.empty());
    EXPECT_EQ(frame->GetTitle(), "Frame1");
    EXPECT_EQ(beam->GetTitle(), "Beam");
    EXPECT_EQ(frame->GetPathName(), (folder / "copy" / "Frame1.oxs").string());
    EXPECT_EQ(app.framesUpdated, 1);
    ASSERT_EQ(prompts.FileDialogs().size(), 1u);
    EXPECT_EQ(prompts.FileDialogs()[0].title, "Save As");

    ASSERT_TRUE(project->OnFileCloseProject(FALSE));
    EXPECT_EQ(readText(folder / "copy" / "Frame1.oxs"), "changed");
    EXPECT_EQ(readText(folder / "copy" / "Beam.oxs"), "saved");
    EXPECT_EQ(fileBytes(folder / "Frame1.oxs"), frameBytes) << "the old files stay as they were";
    EXPECT_EQ(fileBytes(folder / "Beam.oxs"), beamBytes);
}

TEST_F(ProjectSaveAsTest, CancellingTheFileDialogChangesNothing) {
    prompts.QueueFileCancel();
    EXPECT_FALSE(project->OnFileSaveAsProject());
    EXPECT_EQ(project->GetTitle(), "Bridge");
    EXPECT_TRUE(fs::is_empty(folder / "copy"));
}

TEST_F(ProjectSaveAsTest, AForeignFileInTheWayIsReplacedOnlyWhenTheUserSaysSo) {
    std::ofstream(folder / "copy" / "Beam.oxs") << "foreign";
    prompts.QueueFileAnswer(target.string());
    prompts.QueueMessageBoxAnswer(IDNO);
    EXPECT_FALSE(project->OnFileSaveAsProject());
    EXPECT_EQ(fileBytes(folder / "copy" / "Beam.oxs"), "foreign");
    EXPECT_FALSE(fs::exists(target)) << "the project file is not written";
    EXPECT_TRUE(project->m_strSaveAsPath.empty());
    EXPECT_EQ(project->GetTitle(), "Bridge");
}

TEST_F(ProjectSaveAsTest, AStructureThatCannotBeSavedStopsWithTheMessageAndStaysWhereItWas) {
    blockFile(folder / "copy" / "Beam.oxs");
    prompts.QueueFileAnswer(target.string());
    prompts.SetMessageBoxHandler([](const CMessageBoxRequest& r) {
        return r.text.find("already exists") != std::string::npos ? IDYES : IDOK;
    });
    EXPECT_FALSE(project->OnFileSaveAsProject());
    bool told = false;
    for (const CMessageBoxRequest& r : prompts.MessageBoxes())
        told = told || r.text == "Could not save structure document";
    EXPECT_TRUE(told);
    EXPECT_EQ(beam->GetPathName(), (folder / "Beam.oxs").string());
    EXPECT_EQ(beam->GetTitle(), "Beam");
    EXPECT_EQ(project->GetStructures().size(), 2u);
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(project->m_strSaveAsPath.empty());
}

TEST_F(ProjectSaveAsTest, SavingAsIntoTheSameFolderAsksNothing) {
    prompts.QueueFileAnswer((folder / "Bridge2.oxp").string());
    ASSERT_TRUE(project->OnFileSaveAsProject());
    EXPECT_TRUE(prompts.MessageBoxes().empty());
    EXPECT_EQ(frame->GetPathName(), (folder / "Frame1.oxs").string());
}

} // namespace
