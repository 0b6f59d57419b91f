#include "ShellFixture.h"

#include "platform/core/Exceptions.h"

#include <functional>

namespace {

// The program's window record: the structure and the item's description,
// and on loading the window opened again.
class ShellWindowInfo : public ABaseWorkspaceWindowInfo {
public:
    using ABaseWorkspaceWindowInfo::ABaseWorkspaceWindowInfo;
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << CWnd::FromHandle(m_hWnd)->GetWindowText();
        } else {
            std::string title;
            ar >> title;
            if (s_reopen) s_reopen(title);
        }
    }
    static std::function<void(const std::string&)> s_reopen;
};
std::function<void(const std::string&)> ShellWindowInfo::s_reopen;

class ShellInfoCreator : public ABaseWorkspaceWindowInfoCreator {
public:
    ABaseWorkspaceWindowInfo* CreateWindowInfoObject(HWND hWnd) override { return new ShellWindowInfo(hWnd); }
};

class ABaseWorkspaceTest : public ShellFixture {
protected:
    void TearDown() override {
        ShellFixture::TearDown();
        ABaseWorkspace::DeleteWindowInfoCreatorObject();
        ShellWindowInfo::s_reopen = nullptr;
    }
    std::vector<std::string> frameTitles(int id) {
        std::vector<std::string> titles;
        for (ABaseWorkspaceWindowInfo* info : workspace(id)->GetFrames())
            titles.push_back(CWnd::FromHandle(info->m_hWnd)->GetWindowText());
        return titles;
    }
    void closeAllFrames() {
        const std::vector<CMDIChildWnd*> children = frame->GetMDIChildren();
        for (CMDIChildWnd* child : children)
            child->DestroyWindow();
        ProcessEvents();
    }
};

TEST_F(ABaseWorkspaceTest, TheWorkspaceRecordReopensEveryWindowInItsWorkspaceInActivationOrder) {
    ABaseWorkspace::SetWindowInfoCreatorObject(new ShellInfoCreator);
    TestStructure* s = addNew("Frame1", "");
    ShellItem geometry(s, "Geometry"), beams(s, "Beams"), nodes(s, "Nodes"), loads(s, "Loads");
    ShellChildFrame* g = openWindow(s, &geometry);
    openWindow(s, &beams);
    openWindow(s, &nodes);
    g->MDIActivate();
    frame->projectWnd.ActivateWorkspace(1);
    openWindow(s, &loads);
    EXPECT_EQ(frameTitles(0),
              std::vector<std::string>({"Frame1 - Beams", "Frame1 - Nodes", "Frame1 - Geometry"}));

    CArchive out(CArchive::store);
    manager.Serialize(out);
    std::vector<std::uint8_t> bytes = out.Detach();
    closeAllFrames();
    EXPECT_EQ(manager.GetNumberOfSteps(), 0);

    std::map<std::string, ShellItem*> items = {{"Frame1 - Geometry", &geometry},
                                               {"Frame1 - Beams", &beams},
                                               {"Frame1 - Nodes", &nodes},
                                               {"Frame1 - Loads", &loads}};
    ShellWindowInfo::s_reopen = [&](const std::string& title) { openWindow(s, items.at(title)); };
    frame->projectWnd.ActivateWorkspace(0);
    CArchive in(CArchive::load, bytes);
    manager.Serialize(in);
    EXPECT_EQ(in.BytesLeft(), 0u);
    EXPECT_EQ(frameTitles(0),
              std::vector<std::string>({"Frame1 - Beams", "Frame1 - Nodes", "Frame1 - Geometry"}));
    EXPECT_EQ(frameTitles(1), std::vector<std::string>({"Frame1 - Loads"}));
    EXPECT_EQ(manager.GetActiveWorkspace(), workspace(1)) << "the stored active workspace is shown";
    EXPECT_EQ(frame->projectWnd.GetTabWnd()->GetActiveTab(), 1);
    EXPECT_EQ(visibleTitles(), std::vector<std::string>({"Frame1 - Loads"}));
    EXPECT_EQ(workspace(2)->GetWorkspaceName(), "Results");
    EXPECT_TRUE(manager.m_bTrackPlacement);
}

TEST_F(ABaseWorkspaceTest, TheManagerRecordHasItsFieldsInOrderWhateverItsVersionWord) {
    CArchive out(CArchive::store);
    out << static_cast<DWORD>(12345) << 1 << 1; // version, active id, one workspace
    out << 1 << std::string("Loads again") << static_cast<DWORD>(10000) << 0;
    CArchive in(CArchive::load, out.Detach());
    manager.Serialize(in);
    EXPECT_EQ(in.BytesLeft(), 0u);
    EXPECT_EQ(manager.GetActiveWorkspace(), workspace(1));
    EXPECT_EQ(workspace(1)->GetWorkspaceName(), "Loads again");
}

TEST_F(ABaseWorkspaceTest, RecordsThatNothingCanReadFailAsABadSchema) {
    CArchive out(CArchive::store);
    out << static_cast<DWORD>(10000) << 2 << 0 << 0; // two window records, no creator installed
    CArchive in(CArchive::load, out.Detach());
    try {
        workspace(0)->Serialize(in);
        FAIL() << "no exception";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
    }
    EXPECT_EQ(manager.GetActiveWorkspace(), workspace(0)) << "the active workspace is put back";
}

TEST_F(ABaseWorkspaceTest, ACountBeyondTheDataIsRefusedBeforeAnythingIsMade) {
    ABaseWorkspace::SetWindowInfoCreatorObject(new ShellInfoCreator);
    CArchive out(CArchive::store);
    out << static_cast<DWORD>(20000) << 0 << 0x40000000;
    CArchive in(CArchive::load, out.Detach());
    EXPECT_THROW(manager.Serialize(in), CArchiveException);
    EXPECT_EQ(manager.GetWorkspaces().size(), 4u);
}

TEST_F(ABaseWorkspaceTest, WithoutACreatorAFrameIsKeptInAPlainRecord) {
    TestStructure* s = addNew("Frame1", "");
    ShellChildFrame* child = openWindow(s, nullptr);
    ASSERT_EQ(workspace(0)->GetFrames().size(), 1u);
    EXPECT_EQ(workspace(0)->GetFrames().front()->m_hWnd, child->m_hWnd);
    workspace(0)->AddFrame(child->m_hWnd);
    EXPECT_EQ(workspace(0)->GetFrames().size(), 1u) << "a frame is listed once";
}

TEST_F(ABaseWorkspaceTest, AReplacedWorkspaceIsDeletedAndTheActiveOneFollows) {
    manager.SetActiveWorkspace(2, false);
    EXPECT_TRUE(manager.AddWorkspace(2, "Results again"));
    ASSERT_NE(manager.GetActiveWorkspace(), nullptr);
    EXPECT_EQ(manager.GetActiveWorkspace(), workspace(2));
    EXPECT_EQ(manager.GetActiveWorkspace()->GetWorkspaceName(), "Results again");
    manager.SetActiveWorkspace(7, false);
    EXPECT_EQ(manager.GetActiveWorkspace(), nullptr) << "an unknown id leaves none active";
}

TEST_F(ABaseWorkspaceTest, ABusyWorkspaceKeepsItsOrderWhileItShowsItsFrames) {
    TestStructure* s = addNew("Frame1", "");
    ShellChildFrame* a = openWindow(s, nullptr);
    ShellChildFrame* b = openWindow(s, nullptr);
    workspace(0)->FrameActivated(a->m_hWnd);
    EXPECT_EQ(workspace(0)->GetFrames().back()->m_hWnd, a->m_hWnd);
    workspace(0)->ShowAllFrames();
    EXPECT_EQ(workspace(0)->GetFrames().back()->m_hWnd, a->m_hWnd);
    EXPECT_EQ(frame->MDIGetActive(), a);
    workspace(0)->FrameActivated(reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(workspace(0)->GetFrames().size(), 2u);
    (void)b;
}

TEST_F(ABaseWorkspaceTest, BarVisibilityIsKeptPerWorkspaceInTheSettings) {
    app.SetRegistryKey("Orvex");
    workspace(0)->AddControlBar(frame->outputWnd.m_hWnd);
    workspace(1)->AddControlBar(frame->outputWnd.m_hWnd);
    frame->ShowControlBar(&frame->outputWnd, FALSE, FALSE);
    manager.SaveToolbarsVisibleState();
    EXPECT_EQ(app.GetProfileInt("Workspace\\Geometry\\Toolbars\\Output", "Visible", 7), 0u);
    EXPECT_EQ(app.GetProfileInt("Workspace\\Loads\\Toolbars\\Output", "Visible", 7), 1u)
        << "another workspace keeps its own state";
    frame->ShowControlBar(&frame->outputWnd, TRUE, FALSE);
    workspace(0)->InitializeToolbarsVisibleState();
    workspace(0)->ShowAllControlBars();
    EXPECT_FALSE(frame->outputWnd.IsVisible());
}

TEST_F(ABaseWorkspaceTest, APlacementIsStoredAsTenNumbersWithRightBeforeTop) {
    app.SetRegistryKey("Orvex");
    CWindowPlacement wp;
    wp.showCmd = 1;
    wp.ptMinPosition = POINT{-1, -1};
    wp.ptMaxPosition = POINT{-1, -1};
    wp.rcNormalPosition = RECT{10, 20, 410, 320};
    ASSERT_TRUE(wp.WriteProfileWP("Settings", "Frame"));
    EXPECT_EQ(app.GetProfileString("Settings", "Frame", ""), "1,0,-1,-1,-1,-1,10,410,20,320");
    CWindowPlacement back;
    ASSERT_TRUE(back.GetProfileWP("Settings", "Frame"));
    EXPECT_EQ(back.rcNormalPosition.top, 20);
    EXPECT_EQ(back.rcNormalPosition.right, 410);
    app.WriteProfileString("Settings", "Frame", "1,0,-1,-1,-1,-1,10,410,20");
    EXPECT_FALSE(back.GetProfileWP("Settings", "Frame")) << "nine numbers are not a placement";
}

} // namespace
