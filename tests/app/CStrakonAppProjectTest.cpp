// The project commands of the application worked as the user works them: a
// new project over files in the way, adding, inserting and removing
// structures, opening, saving and closing projects with their windows, Save As,
// the recent files, and the commands' enabled states.
#include "ProjectWindowFixture.h"

#include "app/dialogs/ADlgProjectRemoveStructure.h"
#include "model/omNodeMap.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/CRecentFileList.h"
#include "platform/ui/SECTabWnd.h"
#include "tests/support/ArtifactsFolder.h"

#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <fstream>
#include <map>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// The project commands of the File and Project menus.
constexpr UINT ID_CLOSE_PROJECT = 32896;
constexpr UINT ID_SAVE_PROJECT = 32897;
constexpr UINT ID_SAVE_PROJECT_AS = 32928;
constexpr UINT ID_INSERT_STRUCTURE = 32956;
constexpr UINT ID_REMOVE_STRUCTURE = 32957;
constexpr UINT ID_PROJECT_SETTINGS = 32958;

std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        files[entry.path().filename().string()] = bytes.str();
    }
    return files;
}

// Records whether a command is enabled, as a menu item would.
class EnableRecorder : public CCmdUI {
public:
    void Enable(BOOL bOn = TRUE) override {
        enabled = bOn != FALSE;
        CCmdUI::Enable(bOn);
    }
    bool enabled = false;
};

class CStrakonAppProjectTest : public ProjectWindowFixture {
protected:
    void SetUp() override {
        ProjectWindowFixture::SetUp();
        // The recent files live in the test's own settings store.
        app.SetRegistryKey("Orvex");
        app.LoadStdProfileSettings(6);
    }
    // The blank wizard ends with Finish at once.
    void finishWizard() {
        dialogs.Queue([](CPropertySheet& wizard) { wizard.PressButton(PSBTN_FINISH); });
    }
    std::vector<std::string> structureNames() {
        std::vector<std::string> names;
        for (ABaseStructureDoc* s : project()->GetStructures())
            names.push_back(s->GetTitle());
        return names;
    }
    // The Geometry tab's tree.
    const ABaseProjectTreeCtrl& geometryTree() { return *wnd().GetItems().front()->m_pTree; }
    std::vector<std::string> windowsOf(int id) {
        std::vector<std::string> titles;
        for (ABaseWorkspaceWindowInfo* info : AWorkspaceManager::Instance()->GetWorkspace(id)->GetFrames())
            titles.push_back(CWnd::FromHandle(info->m_hWnd)->GetWindowText());
        return titles;
    }
    bool enabled(UINT id) {
        EnableRecorder ui;
        ui.m_nID = id;
        app.OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui, nullptr);
        return ui.enabled;
    }
    void copyExample() {
        const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
        for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs", "two-frames.oxp"})
            fs::copy_file(examples / name, folder / name, fs::copy_options::overwrite_existing);
    }

    CScriptedDialogService dialogs;
};

TEST_F(CStrakonAppProjectTest, ANewProjectOverFilesInTheWayAsksOnceAndShowsTheNewStructure) {
    std::ofstream(folder / "Bridge.oxp") << "an old project";
    std::ofstream(folder / "Bridge.oxs") << "an old structure";
    prompts.QueueMessageBoxAnswer(IDNO);
    finishWizard();
    ASSERT_TRUE(app.CreateNewStructure("", "Bridge", folder.path().string(), TRUE));
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u) << "one question names both files";
    EXPECT_NE(prompts.MessageBoxes()[0].text.find((folder / "Bridge.oxp").string()), std::string::npos);
    EXPECT_NE(prompts.MessageBoxes()[0].text.find((folder / "Bridge.oxs").string()), std::string::npos);
    ASSERT_NE(project(), nullptr);
    EXPECT_EQ(project()->GetTitle(), "Bridge");
    EXPECT_EQ(structureNames(), std::vector<std::string>{"Bridge"});
    EXPECT_EQ(Snapshot(folder.path()).size(), 2u) << "the old files were replaced, nothing set aside stayed";
    EXPECT_NE(Snapshot(folder.path())["Bridge.oxs"], "an old structure");
    // The project window shows it, on the first tab, with the structure selected.
    EXPECT_EQ(wnd().GetTabWnd()->GetActiveTab(), 0);
    const HTREEITEM selected = geometryTree().GetSelectedItem();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(geometryTree().GetItemText(selected), "Structure 'Bridge'");
    EXPECT_EQ(geometryTree().GetItemText(geometryTree().GetRootItem()), "Project 'Bridge': 1 structure(s)");

    // Added to the open project: the project is changed, the tree grows.
    fs::create_directories(folder / "sub");
    finishWizard();
    ASSERT_TRUE(app.CreateNewStructure("", "Hall", (folder / "sub").string(), FALSE));
    EXPECT_EQ(structureNames(), (std::vector<std::string>{"Bridge", "Hall"}));
    EXPECT_TRUE(project()->IsModified());
    EXPECT_TRUE(fs::exists(folder / "sub" / "Hall.oxs"));
    EXPECT_EQ(geometryTree().GetItemText(geometryTree().GetSelectedItem()), "Structure 'Hall'");

    // A name the project has, in other letters: refused before the wizard, the sheet comes back.
    prompts.Clear();
    const auto unchanged = Snapshot(folder / "sub");
    EXPECT_FALSE(app.CreateNewStructure("", "HALL", (folder / "sub").string(), FALSE));
    ASSERT_EQ(prompts.MessageBoxes().size(), 2u);
    EXPECT_EQ(prompts.MessageBoxes()[1].text,
              "Error: Structure 'HALL' already exist in a project. Please a different structure name");
    EXPECT_EQ(Snapshot(folder / "sub"), unchanged);
    EXPECT_EQ(dialogs.Runs().size(), 2u) << "no wizard ran for it";

    // A cancelled wizard for a third one changes nothing on the disk or in the project.
    const auto before = Snapshot(folder.path());
    dialogs.Queue([](CPropertySheet& wizard) { wizard.PressButton(PSBTN_CANCEL); });
    EXPECT_TRUE(app.CreateNewStructure("", "Shed", folder.path().string(), FALSE));
    EXPECT_EQ(Snapshot(folder.path()), before);
    EXPECT_EQ(structureNames(), (std::vector<std::string>{"Bridge", "Hall"}));
}

TEST_F(CStrakonAppProjectTest, OpenSaveCloseAndReopenKeepTheWindowsInTheirWorkspaces) {
    copyExample();
    prompts.QueueFileAnswer((folder / "two-frames.oxp").string());
    app.OnFileOpen();
    ASSERT_NE(project(), nullptr);
    ASSERT_EQ(prompts.FileDialogs().size(), 1u);
    EXPECT_EQ(prompts.FileDialogs()[0].title, "Open Project");
    EXPECT_EQ(prompts.FileDialogs()[0].filters.size(), 1u) << "projects only, no all-files filter";
    EXPECT_EQ(project()->GetTitle(), "two-frames");
    EXPECT_EQ(app.m_strProjectPath, (folder / "two-frames.oxp").string());
    EXPECT_EQ(app.m_pActiveProgressBar, nullptr);
    EXPECT_EQ(windowsOf(0),
              (std::vector<std::string>{"portal-frame - Geometry", "beam-on-ground - Geometry"}));
    EXPECT_EQ(windowsOf(1), (std::vector<std::string>{"portal-frame - Action (Live load)"}));

    // Another window, saved with the project, comes back after closing and reopening.
    wnd().ActivateWorkspace(2);
    dynamic_cast<ATIWin*>(wnd().GetLoadCaseItem(structure("beam-on-ground"), 1))->DefaultAction();
    ProcessEvents();
    const std::vector<std::string> results = windowsOf(2);
    app.OnSaveProject();
    EXPECT_FALSE(project()->IsModified());
    app.OnCloseProject();
    EXPECT_EQ(project(), nullptr);
    EXPECT_TRUE(frame->GetMDIChildren().empty());
    EXPECT_EQ(geometryTree().GetItemText(geometryTree().GetRootItem()), "No opened project");

    ASSERT_NE(app.OpenDocumentFile((folder / "two-frames.oxp").string().c_str()), nullptr);
    EXPECT_EQ(windowsOf(2), results);
    EXPECT_EQ(AWorkspaceManager::Instance()->GetActiveWorkspace()->GetWorkspaceId(), 2);
    EXPECT_EQ((*app.m_pRecentFileList)[0], (folder / "two-frames.oxp").string());
}

TEST_F(CStrakonAppProjectTest, ARefusedCloseKeepsTheProjectAndOpensNothing) {
    copyExample();
    ASSERT_NE(app.OpenDocumentFile((folder / "two-frames.oxp").string().c_str()), nullptr);
    ABaseProjectDoc* open = project();
    open->SetModifiedFlag(TRUE);
    fs::copy_file(folder / "two-frames.oxp", folder / "other.oxp");
    // Open, a recent file and Close: each asks, Cancel keeps the project.
    prompts.QueueFileAnswer((folder / "other.oxp").string());
    prompts.QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_TRUE(app.OnCmdMsg(ID_FILE_OPEN, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(project(), open);
    prompts.QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_TRUE(app.OnCmdMsg(ID_FILE_MRU_FILE1, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(project(), open);
    prompts.QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_TRUE(app.OnCmdMsg(ID_CLOSE_PROJECT, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(project(), open);
    EXPECT_EQ(prompts.MessageBoxes().size(), 3u);
    // No: closed without saving.
    prompts.QueueMessageBoxAnswer(IDNO);
    app.OnCloseProject();
    EXPECT_EQ(project(), nullptr);
}

TEST_F(CStrakonAppProjectTest, ARecentFileThatIsGoneLeavesTheList) {
    copyExample();
    ASSERT_NE(app.OpenDocumentFile((folder / "two-frames.oxp").string().c_str()), nullptr);
    app.OnCloseProject();
    std::ofstream(folder / "damaged.oxp") << "not a compound file";
    app.m_pRecentFileList->Add((folder / "damaged.oxp").string().c_str());
    app.m_pRecentFileList->Add((folder / "gone.oxp").string().c_str());
    app.m_pRecentFileList->Add((folder / "portal-frame.oxs").string().c_str());
    const struct {
        const char* name;
        fs::path path;
    } cases[] = {{"missing", folder / "gone.oxp"},
                 {"damaged", folder / "damaged.oxp"},
                 {"a structure, not a project", folder / "portal-frame.oxs"}};
    for (const auto& c : cases) {
        int index = -1;
        for (int i = 0; i < app.m_pRecentFileList->GetSize(); ++i)
            if ((*app.m_pRecentFileList)[i] == c.path.string()) index = i;
        ASSERT_GE(index, 0) << c.name;
        prompts.Clear();
        EXPECT_TRUE(app.OnOpenRecentFile(ID_FILE_MRU_FILE1 + static_cast<UINT>(index))) << c.name;
        EXPECT_EQ(project(), nullptr) << c.name;
        for (int i = 0; i < app.m_pRecentFileList->GetSize(); ++i)
            EXPECT_NE((*app.m_pRecentFileList)[i], c.path.string()) << c.name;
    }
    EXPECT_EQ((*app.m_pRecentFileList)[0], (folder / "two-frames.oxp").string()) << "the good entry stays";
}

TEST_F(CStrakonAppProjectTest, AStructureFileIsNoProjectToOpenNorARecentFile) {
    copyExample();
    const auto before = Snapshot(folder.path());
    ASSERT_NE(app.OpenDocumentFile((folder / "two-frames.oxp").string().c_str()), nullptr);
    // The project's structures were opened, but only the project is a recent file.
    int entries = 0;
    for (int i = 0; i < app.m_pRecentFileList->GetSize(); ++i)
        if (!(*app.m_pRecentFileList)[i].empty()) ++entries;
    EXPECT_EQ(entries, 1);
    app.OnCloseProject();
    for (const char* name : {"portal-frame.oxs", "PORTAL-FRAME.OXS"}) {
        prompts.Clear();
        EXPECT_EQ(app.OpenDocumentFile((folder / name).string().c_str()), nullptr) << name;
        ASSERT_EQ(prompts.MessageBoxes().size(), 1u) << name;
        EXPECT_NE(prompts.MessageBoxes()[0].text.find("is a structure, not a project"), std::string::npos);
        EXPECT_EQ(project(), nullptr);
    }
    EXPECT_EQ(Snapshot(folder.path()), before);
}

TEST_F(CStrakonAppProjectTest, TheProjectTitleIsTheFileNameWithoutItsLastExtension) {
    const struct {
        const char* path;
        const char* title;
    } cases[] = {{"/work/Bridge.oxp", "Bridge"},
                 {"/work/Bridge.old.oxp", "Bridge.old"},
                 {"/work.d/Bridge", "Bridge"},
                 {"Bridge.oxp", "Bridge"},
                 {"/work/.oxp", ".oxp"}};
    for (const auto& c : cases)
        EXPECT_EQ(CStrakonApp::ProjectTitleOfPath(c.path), c.title) << c.path;
}

TEST_F(CStrakonAppProjectTest, TheProjectCommandsAreEnabledExactlyWhileAProjectIsOpen) {
    const UINT commands[] = {ID_CLOSE_PROJECT,    ID_SAVE_PROJECT,     ID_SAVE_PROJECT_AS,
                             ID_INSERT_STRUCTURE, ID_REMOVE_STRUCTURE, ID_PROJECT_SETTINGS};
    for (UINT id : commands)
        EXPECT_FALSE(enabled(id)) << id;
    newProject(folder / "P.oxp");
    for (UINT id : commands)
        EXPECT_TRUE(enabled(id)) << id;
}

TEST_F(CStrakonAppProjectTest, InsertStructureOpensAFileAndRefusesANameTheProjectHas) {
    auto build = [](omStrakon& s) { structurefile::buildPortal(s, false); };
    newProject(folder / "T.oxp");
    ASSERT_NE(addStructure("Other", folder / "b", build), nullptr);
    closeProject();
    newProject(folder / "P.oxp");
    ASSERT_NE(addStructure("Portal", folder / "a", build), nullptr);
    fs::create_directories(folder / "c");
    fs::copy_file(folder / "a" / "Portal.oxs", folder / "c" / "Portal.oxs");
    project()->SetModifiedFlag(FALSE);

    prompts.QueueFileAnswer((folder / "b" / "Other.oxs").string());
    app.OnInsertStructure();
    EXPECT_EQ(prompts.FileDialogs().back().title, "Insert Structure into Project");
    EXPECT_EQ(structureNames(), (std::vector<std::string>{"Portal", "Other"}));
    EXPECT_TRUE(project()->IsModified());
    EXPECT_EQ(childTexts(geometryTree(), geometryTree().GetRootItem()),
              (std::vector<std::string>{"Structure 'Portal'", "Structure 'Other'"}));
    EXPECT_EQ(structure("Other")->GetModel()->getNodeMap()->size(),
              structure("Portal")->GetModel()->getNodeMap()->size());

    // A second "Portal" from elsewhere: the project's own message, nothing added.
    prompts.Clear();
    prompts.QueueFileAnswer((folder / "c" / "Portal.oxs").string());
    app.OnInsertStructure();
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_NE(prompts.MessageBoxes()[0].text.find("already contains structure named 'Portal"),
              std::string::npos);
    EXPECT_EQ(structureNames(), (std::vector<std::string>{"Portal", "Other"}));

    // A file that is no structure: the error, nothing added.
    std::ofstream(folder / "c" / "Broken.oxs") << "not a structure";
    prompts.Clear();
    prompts.QueueFileAnswer((folder / "c" / "Broken.oxs").string());
    app.OnInsertStructure();
    ASSERT_FALSE(prompts.MessageBoxes().empty());
    EXPECT_EQ(prompts.MessageBoxes().back().text, "Error: Could not add a structure into the project.");
    EXPECT_EQ(structureNames(), (std::vector<std::string>{"Portal", "Other"}));
}

TEST_F(CStrakonAppProjectTest, RemoveStructureRemovesTheSelectedInTheListsOrderAndStaysOpen) {
    newProject(folder / "P.oxp");
    for (const char* name : {"Delta", "Alpha", "Charlie", "Bravo"})
        ASSERT_NE(addStructure(name, folder.path(), nullptr), nullptr);
    project()->SetModifiedFlag(FALSE);
    structure("Charlie")->SetModifiedFlag(TRUE);
    std::vector<std::string> lines;
    std::vector<std::string> afterRemove;
    bool removeEnabledWithoutSelection = true;
    bool removeEnabledWithSelection = false;
    dialogs.Queue([&](CDialog& d) {
        auto& dialog = dynamic_cast<ADlgProjectRemoveStructure&>(d);
        CListBox& list = dialog.m_wndList;
        for (int i = 0; i < list.GetCount(); ++i) {
            CString text;
            list.GetText(i, text);
            lines.push_back(fs::path(std::string(text)).filename().string());
        }
        d.SendMessage(WM_KICKIDLE, 0, 0);
        removeEnabledWithoutSelection =
            d.GetDlgItem(ADlgProjectRemoveStructure::IDC_REMOVE)->IsWindowEnabled();
        // Alpha, Charlie (changed: its question answered No) and Delta.
        list.SetSel(0);
        list.SetSel(2);
        list.SetSel(3);
        d.SendMessage(WM_KICKIDLE, 0, 0);
        removeEnabledWithSelection = d.GetDlgItem(ADlgProjectRemoveStructure::IDC_REMOVE)->IsWindowEnabled();
        d.GetWidget()->grab().save(
            QString::fromStdString((ArtifactsFolder() / "RemoveStructureDlg.png").string()));
        prompts.QueueMessageBoxAnswer(IDNO);
        d.PressButton(ADlgProjectRemoveStructure::IDC_REMOVE);
        EXPECT_FALSE(d.IsEnded());
        for (int i = 0; i < list.GetCount(); ++i) {
            CString text;
            list.GetText(i, text);
            afterRemove.push_back(fs::path(std::string(text)).filename().string());
        }
        d.PressButton(IDOK);
    });
    app.OnRemoveStructure();
    EXPECT_EQ(lines, (std::vector<std::string>{"Alpha.oxs", "Bravo.oxs", "Charlie.oxs", "Delta.oxs"}));
    EXPECT_FALSE(removeEnabledWithoutSelection);
    EXPECT_TRUE(removeEnabledWithSelection);
    EXPECT_EQ(afterRemove, std::vector<std::string>{"Bravo.oxs"});
    EXPECT_EQ(structureNames(), std::vector<std::string>{"Bravo"});
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_NE(prompts.MessageBoxes()[0].text.find("'Charlie'"), std::string::npos);
    EXPECT_TRUE(project()->IsModified());
    EXPECT_EQ(childTexts(geometryTree(), geometryTree().GetRootItem()),
              std::vector<std::string>{"Structure 'Bravo'"});
    EXPECT_TRUE(fs::exists(folder / "Alpha.oxs")) << "removed from the project, not from the disk";
}

TEST_F(CStrakonAppProjectTest, SaveAsRetitlesTheProjectAndItsWindowsFollow) {
    newProject(folder / "P.oxp");
    ASSERT_NE(
        addStructure("Portal", folder.path(), [](omStrakon& s) { structurefile::buildPortal(s, false); }),
        nullptr);
    wnd().ActivateWorkspace(0);
    dynamic_cast<ATIWin*>(wnd().GetGeometryItem(structure("Portal")))->DefaultAction();
    ASSERT_TRUE(saveProject());
    fs::create_directories(folder / "copy");
    prompts.QueueFileAnswer((folder / "copy" / "Q.oxp").string());
    app.OnSaveProjectAs();
    EXPECT_EQ(project()->GetTitle(), "Q");
    EXPECT_EQ(project()->GetPathName(), (folder / "copy" / "Q.oxp").string());
    EXPECT_EQ(geometryTree().GetItemText(geometryTree().GetRootItem()), "Project 'Q': 1 structure(s)");
    EXPECT_EQ(structure("Portal")->GetPathName(), (folder / "copy" / "Portal.oxs").string());
    EXPECT_EQ(windowsOf(0), std::vector<std::string>{"Portal - Geometry"});
    // The copy opens on its own, with its window.
    app.OnCloseProject();
    ASSERT_NE(app.OpenDocumentFile((folder / "copy" / "Q.oxp").string().c_str()), nullptr);
    EXPECT_EQ(windowsOf(0), std::vector<std::string>{"Portal - Geometry"});
}

TEST_F(CStrakonAppProjectTest, LoadingWorkspacesThatThrowsStillGivesTheBarBack) {
    copyExample();
    struct Interrupted {};
    {
        // The pause after the first step of the layout fails.
        class FailingPause : public CScriptedPromptService {
        public:
            void Sleep(DWORD) override { throw Interrupted{}; }
        } failing;
        EXPECT_THROW(app.OpenDocumentFile((folder / "two-frames.oxp").string().c_str()), Interrupted);
    }
    EXPECT_EQ(app.m_pActiveProgressBar, nullptr);
    // Saving shows its own bar, given back as well.
    ASSERT_NE(project(), nullptr);
    app.SaveWorkspace();
    EXPECT_EQ(app.m_pActiveProgressBar, nullptr);
}

TEST_F(CStrakonAppProjectTest, FileNewComesBackWithTheEntriesAfterARefusedNameAndThenMakesTheProject) {
    const auto fill = [](CPropertySheet& sheet, const char* name, const std::string& location) {
        CWnd* page = sheet.GetActivePage();
        for (auto [id, text] : {std::pair<int, std::string>{1044, name}, {1046, location}}) {
            auto* edit = qobject_cast<QLineEdit*>(page->GetDlgItem(id)->GetWidget());
            ASSERT_NE(edit, nullptr);
            edit->selectAll();
            edit->del();
            QTest::keyClicks(edit, QString::fromStdString(text));
        }
        // The sheet enables OK at idle time.
        sheet.SendMessage(WM_KICKIDLE, 0, 0);
    };
    CString kept;
    dialogs.Queue([&](CPropertySheet& sheet) {
        fill(sheet, "a:b", folder.path().string());
        sheet.PressButton(PSBTN_OK);
    });
    dialogs.Queue([&](CPropertySheet& sheet) {
        kept = sheet.GetActivePage()->GetDlgItemText(1044);
        fill(sheet, "Frame", folder.path().string());
        sheet.PressButton(PSBTN_OK);
    });
    finishWizard();
    app.OnFileNew();
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text.find("You entered invalid structure name.\n"), 0u);
    EXPECT_EQ(kept, "a:b");
    EXPECT_EQ(dialogs.Runs().size(), 3u);
    EXPECT_TRUE(fs::exists(folder / "Frame.oxp"));
    EXPECT_TRUE(fs::exists(folder / "Frame.oxs"));
    ASSERT_NE(project(), nullptr);
    EXPECT_EQ(project()->GetTitle(), "Frame");
    EXPECT_FALSE(project()->IsModified());
    // The files stand on their own: closed and opened again, the structure is there.
    app.OnCloseProject();
    ASSERT_NE(app.OpenDocumentFile((folder / "Frame.oxp").string().c_str()), nullptr);
    EXPECT_EQ(structureNames(), std::vector<std::string>{"Frame"});
}

} // namespace

namespace {

std::vector<std::string> RecentFiles(CStrakonApp& app) {
    std::vector<std::string> files;
    for (int i = 0; i < app.m_pRecentFileList->GetSize(); ++i)
        if (!(*app.m_pRecentFileList)[i].empty()) files.push_back((*app.m_pRecentFileList)[i]);
    return files;
}

TEST_F(CStrakonAppProjectTest, OnlyOpenedProjectsEnterTheRecentFilesAndOpenStartsInTheLastFolderWithNoName) {
    copyExample();
    const std::string good = (folder / "two-frames.oxp").string();
    ASSERT_NE(app.OpenDocumentFile(good.c_str()), nullptr);
    app.OnCloseProject();
    ASSERT_EQ(RecentFiles(app), std::vector<std::string>{good});

    // A project whose structures are not beside it opens, fails on them and closes again.
    fs::create_directories(folder / "lonely");
    fs::copy_file(folder / "two-frames.oxp", folder / "lonely" / "two-frames.oxp");
    // And a file that is no project at all.
    std::ofstream(folder / "lonely" / "junk.oxp") << "not a compound file";
    for (const fs::path& bad : {folder / "lonely" / "two-frames.oxp", folder / "lonely" / "junk.oxp"}) {
        EXPECT_EQ(app.OpenDocumentFile(bad.string().c_str()), nullptr) << bad;
        EXPECT_EQ(project(), nullptr) << bad;
        EXPECT_EQ(RecentFiles(app), std::vector<std::string>{good}) << bad;
    }

    // The Open dialog starts in the folder of the project last opened, with no name in it.
    prompts.QueueFileCancel();
    app.OnFileOpen();
    ASSERT_FALSE(prompts.FileDialogs().empty());
    EXPECT_EQ(prompts.FileDialogs().back().initialFolder, folder.path().string());
    EXPECT_TRUE(prompts.FileDialogs().back().fileName.empty()) << prompts.FileDialogs().back().fileName;

    // A folder chosen in a dialog is where the next one starts.
    fs::create_directories(folder / "elsewhere");
    fs::copy_file(folder / "portal-frame.oxs", folder / "elsewhere" / "portal-frame.oxs");
    ASSERT_NE(app.OpenDocumentFile(good.c_str()), nullptr);
    prompts.QueueFileAnswer((folder / "elsewhere" / "portal-frame.oxs").string());
    prompts.QueueMessageBoxAnswer(IDOK);
    app.OnInsertStructure();
    prompts.QueueFileCancel();
    app.OnFileOpen();
    EXPECT_EQ(prompts.FileDialogs().back().initialFolder, (folder / "elsewhere").string());
}

TEST_F(CStrakonAppProjectTest, InsertStructureIsEnabledWithAProjectAndADroppedStructureJoinsIt) {
    copyExample();
    EXPECT_FALSE(enabled(ID_INSERT_STRUCTURE));
    fs::create_directories(folder / "more");
    fs::copy_file(folder / "portal-frame.oxs", folder / "more" / "Annex.oxs");
    // Without a project a dropped structure is refused with the opening's message.
    prompts.Clear();
    app.OpenDroppedFile((folder / "more" / "Annex.oxs").string());
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_NE(prompts.MessageBoxes()[0].text.find("is a structure, not a project"), std::string::npos);
    EXPECT_EQ(project(), nullptr);
    // A dropped project opens.
    app.OpenDroppedFile((folder / "two-frames.oxp").string());
    ASSERT_NE(project(), nullptr);
    EXPECT_TRUE(enabled(ID_INSERT_STRUCTURE));
    // A dropped structure joins the open project.
    app.OpenDroppedFile((folder / "more" / "Annex.oxs").string());
    EXPECT_EQ(structureNames(), (std::vector<std::string>{"portal-frame", "beam-on-ground", "Annex"}));
    EXPECT_TRUE(project()->IsModified());
}

} // namespace
