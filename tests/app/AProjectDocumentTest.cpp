#include "ProjectWindowFixture.h"
#include "ProjectRecords.h"

#include "model/omNodeMap.h"
#include "platform/storage/CCompoundFile.h"
#include "platform/ui/SECTabWnd.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string run(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

class AProjectDocumentTest : public ProjectWindowFixture {
protected:
    // A project P in folder with structures built from the example builders.
    void makeProject(const std::vector<std::pair<std::string, fs::path>>& structures) {
        newProject(folder / "P.oxp");
        for (const auto& [name, where] : structures)
            ASSERT_NE(addStructure(name, where, [](omStrakon& s) { structurefile::buildPortal(s, false); }), nullptr);
        ASSERT_TRUE(saveProject());
    }
    std::vector<std::string> structureNames() {
        std::vector<std::string> names;
        for (ABaseStructureDoc* s : project()->GetStructures())
            names.push_back(s->GetTitle());
        return names;
    }
    // The titles of the windows a workspace holds, in its order.
    std::vector<std::string> windowsOf(int id) {
        std::vector<std::string> titles;
        for (ABaseWorkspaceWindowInfo* info : AWorkspaceManager::Instance()->GetWorkspace(id)->GetFrames())
            titles.push_back(CWnd::FromHandle(info->m_hWnd)->GetWindowText());
        return titles;
    }
    ATIWin* item(ABaseProjectTI* p) { return dynamic_cast<ATIWin*>(p); }
    // Opens the windows of the example: geometry in Geometry, the loads of
    // action 2 in Loads, case 1 and envelope 1 in Results, Results active.
    void openExampleWindows(AStrakonDocument* s) {
        wnd().ActivateWorkspace(0);
        item(wnd().GetGeometryItem(s))->DefaultAction();
        wnd().ActivateWorkspace(1);
        item(wnd().GetActionItem(s, 2))->DefaultAction();
        wnd().ActivateWorkspace(2);
        item(wnd().GetLoadCaseItem(s, 1))->DefaultAction();
        item(wnd().GetEnvelopeItem(s, 1))->DefaultAction();
        ProcessEvents();
    }
};

TEST_F(AProjectDocumentTest, AnotherReaderFindsTheThreeStreamsAndTheProjectRecord) {
    makeProject({{"Portal", folder.path()}, {"Beam", folder / "a"}});
    item(wnd().GetGeometryItem(structure("Portal")))->DefaultAction();
    ASSERT_TRUE(saveProject());
    const std::string script =
        "import olefile,struct,sys\n"
        "o=olefile.OleFileIO(sys.argv[1])\n"
        "print(sorted('/'.join(e) for e in o.listdir()))\n"
        "d=o.openstream('Strakon/Project').read()\n"
        "v,n=struct.unpack_from('<II',d,0);p=8;out=[v,n]\n"
        "for i in range(2*n):\n"
        "  l=d[p];out.append(d[p+1:p+1+l].decode());p+=1+l\n"
        "out.append(struct.unpack_from('<I',d,p)[0]);print(out,len(d)==p+4)\n";
    const fs::path py = folder / "read.py";
    std::ofstream(py) << script;
    EXPECT_EQ(run("/usr/bin/python3 " + py.string() + " " + (folder / "P.oxp").string()),
              "['Strakon/Project', 'Strakon/ProjectWnd', 'Strakon/Workspace']\n"
              "[10000, 2, 'Portal', 'Portal.oxs', 'Beam', 'a\\\\Beam.oxs', 33] True\n")
        << "the step count is one window and two structures of 16 steps";
}

TEST_F(AProjectDocumentTest, LocationsAreRelativeAndFollowAMovedProject) {
    const fs::path root = folder / "root";
    fs::create_directories(root / "proj");
    newProject(root / "proj" / "P.oxp");
    auto build = [](omStrakon& s) { structurefile::buildPortal(s, false); };
    addStructure("s", root / "proj", build);
    addStructure("t", root / "proj" / "a", build);
    addStructure("u", root / "a", build);
    ASSERT_TRUE(saveProject());
    closeProject();
    const Bytes record = readStream(root / "proj" / "P.oxp", "Project");
    const std::string text(record.begin(), record.end());
    for (const char* location : {"\x05s.oxs", "\x07" "a\\t.oxs", "\x0A..\\a\\u.oxs"})
        EXPECT_NE(text.find(location), std::string::npos) << location;
    fs::rename(root, folder / "moved");
    ASSERT_NE(openProject(folder / "moved" / "proj" / "P.oxp"), nullptr);
    EXPECT_EQ(structureNames(), (std::vector<std::string>{"s", "t", "u"}));
    EXPECT_TRUE(prompts.FileDialogs().empty());
}

TEST_F(AProjectDocumentTest, LowerCasedLocationsAndUpperCasedFileNamesAreFound) {
    makeProject({{"S", folder / "A"}});
    closeProject();
    // A file written where letter case does not count.
    RecordWriter w;
    w.dword(10000).dword(1).text("S").text("a\\s.oxs").dword(16);
    writeStream(folder / "P.oxp", "Project", w.bytes);
    ASSERT_NE(openProject(folder / "P.oxp"), nullptr);
    EXPECT_EQ(structureNames(), (std::vector<std::string>{"S"}));

    // A structure inserted from a file named in capitals keeps its real name.
    fs::copy_file(folder / "A" / "S.oxs", folder / "Frame.OXS");
    ASSERT_NE(project()->AddStructure("Frame", (folder / "Frame.OXS").string(), TRUE), nullptr);
    wnd().AddStructure(structure("Frame"));
    ASSERT_TRUE(saveProject());
    closeProject();
    ASSERT_NE(openProject(folder / "P.oxp"), nullptr);
    EXPECT_EQ(structureNames().size(), 2u);
    EXPECT_EQ(structure("Frame")->GetPathName(), (folder / "Frame.OXS").string());
    EXPECT_TRUE(prompts.FileDialogs().empty());
}

TEST_F(AProjectDocumentTest, SaveAsWritesEveryStructureBesideTheNewProject) {
    newProject(folder / "P.oxp");
    for (int n = 1; n <= 3; ++n)
        addStructure("S" + std::to_string(n), folder.path(), [n](omStrakon& s) {
            for (int i = 1; i <= n; ++i)
                s.addNode(i, 0.0, "m", static_cast<unsigned>(i));
        });
    ASSERT_TRUE(saveProject());
    fs::create_directories(folder / "copy");
    prompts.QueueFileAnswer((folder / "copy" / "Q.oxp").string());
    ASSERT_TRUE(project()->OnFileSaveAsProject());
    app.SaveWorkspace();
    closeProject();
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(fs::exists(folder / "copy" / ("S" + std::to_string(n) + ".oxs")));
    ASSERT_NE(openProject(folder / "copy" / "Q.oxp"), nullptr);
    for (int n = 1; n <= 3; ++n) {
        AStrakonDocument* s = structure("S" + std::to_string(n));
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(fs::path(std::string(s->GetPathName())).parent_path(), folder / "copy");
        EXPECT_EQ(s->GetModel()->getNodeMap()->size(), static_cast<size_t>(n));
    }
}

TEST_F(AProjectDocumentTest, ReopeningRestoresTheWindowsInTheirWorkspacesWithTheirPlacements) {
    makeProject({{"Portal", folder.path()}});
    openExampleWindows(structure("Portal"));
    EXPECT_EQ(windowsOf(2), (std::vector<std::string>{"Portal - Results (Case 1)", "Portal - Envelope description"}));
    CMDIChildWnd* envelope = frame->MDIGetActive();
    envelope->MoveWindow(30, 40, 330, 240);
    ProcessEvents();
    CRect placed;
    envelope->GetWindowRect(&placed);
    ASSERT_TRUE(saveProject());
    closeProject();
    EXPECT_TRUE(frame->GetMDIChildren().empty());

    wnd().ActivateWorkspace(0);
    ASSERT_NE(openProject(folder / "P.oxp"), nullptr);
    ProcessEvents();
    EXPECT_EQ(windowsOf(0), (std::vector<std::string>{"Portal - Geometry"}));
    EXPECT_EQ(windowsOf(1), (std::vector<std::string>{"Portal - Action (Live load)"}));
    EXPECT_EQ(windowsOf(2), (std::vector<std::string>{"Portal - Results (Case 1)", "Portal - Envelope description"}));
    EXPECT_EQ(AWorkspaceManager::Instance()->GetActiveWorkspace()->GetWorkspaceId(), 2);
    EXPECT_EQ(wnd().GetTabWnd()->GetActiveTab(), 2);
    EXPECT_EQ(visibleTitles(),
              (std::vector<std::string>{"Portal - Results (Case 1)", "Portal - Envelope description"}));
    CWnd* reopened = CWnd::FromHandle(AWorkspaceManager::Instance()->GetWorkspace(2)->GetFrames().back()->m_hWnd);
    CRect now;
    reopened->GetWindowRect(&now);
    EXPECT_EQ(now, placed);
    auto* view = dynamic_cast<ALCResultView*>(static_cast<CFrameWnd*>(reopened)->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetResultCase(), 1001) << "the envelope's results";
}

TEST_F(AProjectDocumentTest, AnActiveWorkspaceOutsideTheFourGivesGeometry) {
    makeProject({{"Portal", folder.path()}});
    openExampleWindows(structure("Portal"));
    ASSERT_TRUE(saveProject());
    closeProject();
    Bytes workspace = readStream(folder / "P.oxp", "Workspace");
    workspace[4] = 7;
    writeStream(folder / "P.oxp", "Workspace", workspace);
    ASSERT_NE(openProject(folder / "P.oxp"), nullptr);
    EXPECT_EQ(AWorkspaceManager::Instance()->GetActiveWorkspace()->GetWorkspaceId(), 0);
    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"Portal - Geometry"}));
}

TEST_F(AProjectDocumentTest, RecordsOfAnotherWriterAndOfOlderVersionsAreRead) {
    makeProject({{"Portal", folder.path()}});
    closeProject();
    RecordWriter ws;
    ws.dword(10000).dword(1);
    ws.dword(10000).dword(1).window("Portal", "ATIWinGGeometryItem");
    ws.dword(10000).dword(3)
        .window("Ghost", "ATIWinDElementItem", 4)
        .window("Portal", "GuiTIWinLActionItem", 3)
        .window("Portal", "ATIWinLActionsLoadCasesManagerItem");
    ws.dword(10000).dword(0);
    writeStream(folder / "P.oxp", "Workspace", ws.bytes);
    RecordWriter pw;
    pw.dword(10000);
    pw.dword(10000).dword(2);
    pw.text("Ghost").dword(10000).dword(1).dword(10000);
    for (int i = 0; i < 8; ++i)
        pw.dword(1);
    pw.text("PORTAL").dword(10000).dword(1).dword(10000).dword(0);
    for (int i = 0; i < 7; ++i)
        pw.dword(1);
    pw.dword(10000).dword(1).text("Portal").dword(10000).dword(1).dword(10000).dword(0);
    pw.dword(10000).dword(1).text("Portal").dword(10000).dword(0).dword(10000).dword(1).dword(1);
    writeStream(folder / "P.oxp", "ProjectWnd", pw.bytes);

    ASSERT_NE(openProject(folder / "P.oxp"), nullptr);
    EXPECT_TRUE(prompts.MessageBoxes().empty());
    EXPECT_EQ(windowsOf(0), (std::vector<std::string>{"Portal - Geometry"}));
    EXPECT_EQ(windowsOf(1), (std::vector<std::string>{"Portal - Action (Temperature)", "Portal - Actions/Load cases Manager"}))
        << "the older class name opens a loads window; the ghost's index is consumed";
    EXPECT_TRUE(windowsOf(3).empty());
    EXPECT_EQ(AWorkspaceManager::Instance()->GetActiveWorkspace()->GetWorkspaceId(), 1);
    auto& g = wnd().GetGeometryTree();
    EXPECT_FALSE(g.IsItemExpanded(find(g, {"Structure 'Portal'", "Elements"})));
    EXPECT_TRUE(g.IsItemExpanded(find(g, {"Structure 'Portal'", "Nodes"})));
    auto& l = wnd().GetLoadTree();
    EXPECT_FALSE(l.IsItemExpanded(find(l, {"Structure 'Portal'", "Actions"})));
    auto& r = wnd().GetResultTree();
    EXPECT_FALSE(r.IsItemExpanded(find(r, {"Structure 'Portal'"})));
    EXPECT_TRUE(r.IsItemExpanded(find(r, {"Structure 'Portal'", "Load cases"})));
    auto& d = wnd().GetDesignTree();
    EXPECT_TRUE(d.IsItemExpanded(find(d, {"Structure 'Portal'"}))) << "no Design record: the tree stays as built";
}

TEST_F(AProjectDocumentTest, ADamagedLayoutIsReportedAndTheProjectStillOpens) {
    makeProject({{"Portal", folder.path()}});
    closeProject();
    RecordWriter ws;
    ws.dword(10001).dword(0).dword(10000).dword(3);
    ws.window("Portal", "ATIWinGGeometryItem").window("Portal", "ATIWinRLoadCaseItem", 2);
    const size_t cut = ws.bytes.size();
    ws.window("Portal", "ATIWinRLoadCaseItem", 3);
    ws.bytes.resize(cut + 9);
    writeStream(folder / "P.oxp", "Workspace", ws.bytes);
    AProjectDocument* opened = openProject(folder / "P.oxp");
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(windowsOf(0), (std::vector<std::string>{"Portal - Geometry", "Portal - Results (Case 2)"}));
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_NE(prompts.MessageBoxes()[0].text.find("damaged"), std::string::npos);
    EXPECT_EQ(wnd().GetGeometryTree().GetStructureItems().size(), 1u) << "the trees were still read";
}

TEST_F(AProjectDocumentTest, AMissingStructureIsLocatedOrTheOpeningFails) {
    makeProject({{"Portal", folder.path()}, {"Beam", folder.path()}});
    closeProject();
    fs::rename(folder / "Beam.oxs", folder / "Girder.oxs");
    prompts.QueueFileCancel();
    EXPECT_EQ(openProject(folder / "P.oxp"), nullptr);
    ASSERT_EQ(prompts.FileDialogs().size(), 1u);
    const CFileDialogRequest& asked = prompts.FileDialogs()[0];
    EXPECT_EQ(asked.title, "Locate Structure Document");
    EXPECT_EQ(asked.fileName, "Beam.oxs");
    EXPECT_EQ(fs::path(std::string(asked.initialFolder)), folder.path());

    prompts.QueueFileAnswer((folder / "Girder.oxs").string());
    ASSERT_NE(openProject(folder / "P.oxp"), nullptr);
    EXPECT_EQ(structureNames(), (std::vector<std::string>{"Portal", "Girder"}));
    EXPECT_TRUE(project()->IsModified()) << "the new location must be saved";
    ASSERT_TRUE(saveProject());
    closeProject();
    ASSERT_NE(openProject(folder / "P.oxp"), nullptr);
    EXPECT_EQ(prompts.FileDialogs().size(), 2u) << "asked once only";
    EXPECT_FALSE(project()->IsModified());
}

TEST_F(AProjectDocumentTest, AWriteProtectedProjectOpensReadOnlyAndIsNotSaved) {
    makeProject({{"Portal", folder.path()}});
    closeProject();
    const fs::path file = folder / "P.oxp";
    const Bytes before = readStream(file, "Project");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ASSERT_NE(openProject(file), nullptr);
    EXPECT_TRUE(project()->IsReadOnly());
    EXPECT_FALSE(project()->OnFileSaveProject());
    EXPECT_FALSE(prompts.MessageBoxes().empty()) << "the refusal is said";
    closeProject();
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(readStream(file, "Project"), before);
}

TEST_F(AProjectDocumentTest, EveryTruncationOfTheStreamsOpensOrFailsCleanly) {
    makeProject({{"Portal", folder.path()}});
    openExampleWindows(structure("Portal"));
    ASSERT_TRUE(saveProject());
    closeProject();
    prompts.SetMessageBoxHandler([](const CMessageBoxRequest&) { return IDOK; });
    for (const char* name : {"Project", "Workspace", "ProjectWnd"}) {
        const Bytes whole = readStream(folder / "P.oxp", name);
        for (size_t size = 0; size < whole.size(); ++size) {
            writeStream(folder / "P.oxp", name, Bytes(whole.begin(), whole.begin() + static_cast<long>(size)));
            openProject(folder / "P.oxp");
            closeProject();
        }
        writeStream(folder / "P.oxp", name, whole);
    }
    ASSERT_NE(openProject(folder / "P.oxp"), nullptr);
    EXPECT_EQ(windowsOf(2).size(), 2u);
}

} // namespace

namespace {

// The example project of examples/: the portal frame and the beam on ground,
// with windows in the Geometry, Loads and Results workspaces, Loads active.
// With STRAKON_WRITE_EXAMPLE_PROJECT set to a folder, the program's own save
// writes it there together with its two structures.
TEST_F(AProjectDocumentTest, TheExampleProjectReopensWithItsWindows) {
    const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
    const char* target = std::getenv("STRAKON_WRITE_EXAMPLE_PROJECT");
    if (target && *target) {
        const fs::path out = target;
        fs::create_directories(out);
        for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs"})
            fs::copy_file(examples / name, out / name, fs::copy_options::overwrite_existing);
        fs::remove(out / "two-frames.oxp");
        newProject(out / "two-frames.oxp");
        for (const char* name : {"portal-frame", "beam-on-ground"}) {
            auto* s = project()->AddStructure(name, (out / (std::string(name) + ".oxs")).string().c_str(), TRUE);
            ASSERT_NE(s, nullptr);
            wnd().AddStructure(s);
        }
        openExampleWindows(structure("portal-frame"));
        wnd().ActivateWorkspace(0);
        item(wnd().GetGeometryItem(structure("beam-on-ground")))->DefaultAction();
        wnd().ActivateWorkspace(1);
        ASSERT_TRUE(project()->DoSave((out / "two-frames.oxp").string().c_str(), TRUE));
        app.SaveWorkspace();
        closeProject();
    }
    for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs", "two-frames.oxp"})
        fs::copy_file(examples / name, folder / name);
    ASSERT_NE(openProject(folder / "two-frames.oxp"), nullptr);
    EXPECT_EQ(structureNames(), (std::vector<std::string>{"portal-frame", "beam-on-ground"}));
    EXPECT_EQ(windowsOf(0), (std::vector<std::string>{"portal-frame - Geometry", "beam-on-ground - Geometry"}));
    EXPECT_EQ(windowsOf(1), (std::vector<std::string>{"portal-frame - Action (Live load)"}));
    EXPECT_EQ(windowsOf(2).size(), 2u);
    EXPECT_EQ(AWorkspaceManager::Instance()->GetActiveWorkspace()->GetWorkspaceId(), 1);
}


// The view of a workspace's window, by its position there.
template <class View> View* viewIn(int workspace, size_t position) {
    const auto& frames = AWorkspaceManager::Instance()->GetWorkspace(workspace)->GetFrames();
    if (position >= frames.size()) return nullptr;
    auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandle((*std::next(frames.begin(), position))->m_hWnd));
    return frame ? dynamic_cast<View*>(frame->GetActiveView()) : nullptr;
}

TEST_F(AProjectDocumentTest, LoadsAndResultWindowsShowTheirActionCaseAndEnvelope) {
    makeProject({{"Portal", folder.path()}});
    AStrakonDocument* s = structure("Portal");
    wnd().ActivateWorkspace(1);
    item(wnd().GetActionItem(s, 3))->DefaultAction();
    wnd().ActivateWorkspace(2);
    item(wnd().GetLoadCaseItem(s, 2))->DefaultAction();
    item(wnd().GetEnvelopeItem(s, 1))->DefaultAction();
    item(wnd().GetEnvelopeManagerItem(s))->DefaultAction();
    ProcessEvents();
    auto* loads = viewIn<AForceView>(1, 0);
    ASSERT_NE(loads, nullptr);
    EXPECT_EQ(loads->GetLoadGroup(), 3);
    EXPECT_EQ(s->GetActiveLoadGroup(), 3) << "the loads window made its action the active one";
    auto* results = viewIn<ALCResultView>(2, 0);
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->GetResultCase(), 2);
    auto* envelope = viewIn<ALCResultView>(2, 1);
    ASSERT_NE(envelope, nullptr);
    EXPECT_EQ(envelope->GetResultCase(), 1001);
    EXPECT_NE(viewIn<AEnvelopeView>(2, 2), nullptr);

    // The example project reopens its loads window on action 2 and the envelope's results.
    closeProject();
    const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
    for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs", "two-frames.oxp"})
        fs::copy_file(examples / name, folder / name);
    ASSERT_NE(openProject(folder / "two-frames.oxp"), nullptr);
    ProcessEvents();
    loads = viewIn<AForceView>(1, 0);
    ASSERT_NE(loads, nullptr);
    EXPECT_EQ(loads->GetLoadGroup(), 2);
    EXPECT_TRUE(loads->IsLoadGroupValid());
    std::vector<int> shown;
    for (size_t i = 0; i < 2; ++i)
        if (auto* v = viewIn<ALCResultView>(2, i)) shown.push_back(v->GetResultCase());
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<int>{1, 1001}));
}

} // namespace
