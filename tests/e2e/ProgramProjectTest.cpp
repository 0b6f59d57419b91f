// The example project opened from the command line: its windows in their
// workspaces, the Toolbars menu of each workspace, and New Window from each kind.
#include "ProgramFixture.h"

#include "app/shell/APellionToolbarsMenuManager.h"
#include "app/shell/APellionWindowMenuManager.h"
#include "app/shell/AProjectTreeItems.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"
#include "app/shell/AWorkspaceManager.h"
#include "app/views/AEnvelopeView.h"
#include "app/views/AForceView.h"
#include "app/views/AGeometryView.h"
#include "app/views/ALCResultView.h"
#include "app/views/ALoadCombinationsView.h"
#include "framework/ABaseMDIChildWnd.h"
#include "framework/ABaseProjectDoc.h"
#include "framework/ABaseStructureDoc.h"
#include "model/omLoadManager.h"
#include "model/omStrakon.h"
#include "platform/ui/CMenu.h"
#include "resources/ui/StrakonResourceIds.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class ProgramProject : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
        for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs", "two-frames.oxp"})
            fs::copy_file(examples / name, work / name);
    }
    // The visible child windows' titles.
    static std::vector<std::string> windows(CMainFrame& frame) {
        std::vector<std::string> titles;
        for (CMDIChildWnd* child : frame.GetMDIChildren())
            if (child->IsWindowVisible()) titles.push_back(child->GetWindowText());
        return titles;
    }
    // The Toolbars menu as it is about to open: its entries, "+" before a checked one.
    static std::vector<std::string> toolbarsMenu(CMainFrame& frame) {
        CMenu* bar = frame.GetMenu();
        CMenu* view = nullptr;
        for (int i = 0; bar && i < static_cast<int>(bar->GetMenuItemCount()); ++i) {
            CString text;
            bar->GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
            if (text == "&View") view = bar->GetSubMenu(i);
        }
        if (!view) return {"no View menu"};
        frame.OnInitMenuPopup(view, 1, FALSE);
        CMenu* toolbars = view->GetSubMenu(0);
        std::vector<std::string> items;
        for (int i = 0; toolbars && i < static_cast<int>(toolbars->GetMenuItemCount()); ++i) {
            const UINT id = toolbars->GetMenuItemID(i);
            if (id == 0) {
                items.push_back("|");
                continue;
            }
            CString text;
            toolbars->GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
            const bool isChecked = toolbars->GetMenuState(static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED;
            items.push_back((isChecked ? "+" : "") + text);
        }
        return items;
    }
};

TEST_F(ProgramProject, TheExampleProjectOpensWithItsWindowsAndTheLoadsWorkspaceActive) {
    const int code = run({(work / "two-frames.oxp").string()}, [&](CStrakonApp& app, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        ASSERT_NE(app.GetProjectDocument(), nullptr);
        EXPECT_EQ(app.GetProjectDocument()->GetTitle(), "two-frames");
        EXPECT_EQ(windows(frame), (std::vector<std::string>{"portal-frame - Action (Live load)"}));
        EXPECT_TRUE(shown(frame.GetToolBar(IDW_TOOLBAR_LOADS)));
        EXPECT_FALSE(shown(frame.GetToolBar(IDW_TOOLBAR_GEOMETRY)));
        EXPECT_TRUE(enabled(frame, ID_OPTIONS));
        // The Geometry workspace from its toolbar button.
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_GEOMETRY);
        EXPECT_EQ(windows(frame),
                  (std::vector<std::string>{"portal-frame - Geometry", "beam-on-ground - Geometry"}));
        shot("example-project");
    });
    EXPECT_EQ(code, 0);
}

TEST_F(ProgramProject, AFileNamedRelativeToTheCurrentFolderOpensAndIsTitledWithoutItsLastExtension) {
    fs::copy_file(work / "two-frames.oxp", work / "Bridge.old.oxp");
    const fs::path previous = fs::current_path();
    fs::current_path(work.path());
    run({"Bridge.old.oxp"}, [&](CStrakonApp& app, CMainFrame&) {
        ASSERT_NE(app.GetProjectDocument(), nullptr);
        EXPECT_EQ(app.GetProjectDocument()->GetTitle(), "Bridge.old");
        EXPECT_EQ(app.m_strProjectPath, (work / "Bridge.old.oxp").string());
        EXPECT_NE(app.GetProjectDocument()->GetStructure("portal-frame"), nullptr);
    });
    fs::current_path(previous);
}

TEST_F(ProgramProject, TheToolbarsMenuListsTheGeneralToolbarsAndThoseOfTheActiveWorkspace) {
    run({(work / "two-frames.oxp").string()}, [&](CStrakonApp&, CMainFrame& frame) {
        const struct {
            UINT command;
            std::vector<std::string> menu;
        } cases[] = {
            {ID_WORKSPACE_GEOMETRY, {"+Standard", "+View", "|", "+Geometry", "+Supports"}},
            {ID_WORKSPACE_LOADS, {"+Standard", "+View", "|", "+Loads"}},
            {ID_WORKSPACE_RESULTS, {"+Standard", "+View", "|", "+Results"}},
            {ID_WORKSPACE_DESIGN, {"+Standard", "+View", "|", "+Design"}},
        };
        for (const auto& c : cases) {
            frame.SendMessage(WM_COMMAND, c.command, 0);
            settle(5);
            EXPECT_EQ(toolbarsMenu(frame), c.menu) << c.command;
        }
        // Choosing "Results" in the Results workspace hides it; the next opening shows it unchecked.
        frame.SendMessage(WM_COMMAND, ID_WORKSPACE_RESULTS, 0);
        frame.SendMessage(WM_COMMAND, IDW_TOOLBAR_RESULTS, 0);
        settle(5);
        EXPECT_FALSE(shown(frame.GetToolBar(IDW_TOOLBAR_RESULTS)));
        EXPECT_EQ(toolbarsMenu(frame), (std::vector<std::string>{"+Standard", "+View", "|", "Results"}));
        // The workspace keeps it hidden when the user comes back.
        frame.SendMessage(WM_COMMAND, ID_WORKSPACE_GEOMETRY, 0);
        frame.SendMessage(WM_COMMAND, ID_WORKSPACE_RESULTS, 0);
        settle(5);
        EXPECT_FALSE(shown(frame.GetToolBar(IDW_TOOLBAR_RESULTS)));
    });
}

TEST_F(ProgramProject, NewWindowOpensAnotherWindowOfTheActiveWindowsOwnKind) {
    run({(work / "two-frames.oxp").string()}, [&](CStrakonApp& app, CMainFrame& frame) {
        auto* project = app.GetProjectDocument();
        ASSERT_NE(project, nullptr);
        auto* portal = dynamic_cast<AStrakonDocument*>(project->GetStructure("portal-frame"));
        ASSERT_NE(portal, nullptr);
        AProjectWorkspaceWnd& wnd = *frame.GetProjectWindow();
        ASSERT_TRUE(portal->Solve());
        wnd.UpdateEnvelopes(portal);
        const int envelopes = portal->GetModel()->getLoadManager()->envelopeSize();
        ASSERT_GE(envelopes, 1) << "the example has an envelope";
        const int envelope = envelopes >= 2 ? 2 : 1;
        struct Case {
            const char* name;
            ABaseProjectTI* item;
            const CRuntimeClass* view;
            int shownCase; // the result case or load group the window shows, -1 when none
        };
        const Case cases[] = {
            {"geometry", wnd.GetGeometryItem(portal), RUNTIME_CLASS(AGeometryView), -1},
            {"action", wnd.GetActionItem(portal, 1), RUNTIME_CLASS(AForceView), 1},
            {"load case", wnd.GetLoadCaseItem(portal, 2), RUNTIME_CLASS(ALCResultView), 2},
            {"envelope", wnd.GetEnvelopeItem(portal, envelope), RUNTIME_CLASS(ALCResultView), 1000 + envelope},
            {"load combinations", wnd.GetActionsLoadCasesManagerItem(portal),
             RUNTIME_CLASS(ALoadCombinationsView), -1},
            {"envelopes", wnd.GetEnvelopeManagerItem(portal), RUNTIME_CLASS(AEnvelopeView), -1},
        };
        const auto shownOf = [](CView* view) {
            if (auto* r = dynamic_cast<ALCResultView*>(view)) return r->GetResultCase();
            if (auto* l = dynamic_cast<AForceView*>(view)) return l->GetLoadGroup();
            return -1;
        };
        for (const Case& c : cases) {
            auto* item = dynamic_cast<ATIWin*>(c.item);
            ASSERT_NE(item, nullptr) << c.name;
            item->DefaultAction();
            settle(5);
            CMDIChildWnd* active = frame.MDIGetActive();
            ASSERT_NE(active, nullptr) << c.name;
            const size_t before = frame.GetMDIChildren().size();
            frame.SendMessage(WM_COMMAND, ID_WINDOW_NEW, 0);
            settle(5);
            ASSERT_EQ(frame.GetMDIChildren().size(), before + 1) << c.name;
            CMDIChildWnd* opened = frame.MDIGetActive();
            ASSERT_NE(opened, active) << c.name;
            CView* view = opened->GetActiveView();
            ASSERT_NE(view, nullptr) << c.name;
            EXPECT_TRUE(view->IsKindOf(c.view)) << c.name;
            EXPECT_EQ(shownOf(view), c.shownCase) << c.name;
            EXPECT_EQ(shownOf(active->GetActiveView()), c.shownCase) << c.name;
            EXPECT_EQ(dynamic_cast<ABaseMDIChildWnd*>(opened)->GetGuiTIWinObject(), c.item) << c.name;
        }
        // Without any window the command is disabled, and the manager gives the framework's failure message.
        while (CMDIChildWnd* child = frame.MDIGetActive())
            child->SendMessage(WM_CLOSE, 0, 0);
        EXPECT_FALSE(enabled(frame, ID_WINDOW_NEW));
        prompts.Clear();
        frame.GetWindowMenuManager().WindowNew();
        EXPECT_EQ(prompts.MessageBoxes().size(), 1u);
        // The solved structure is not saved.
        for (ABaseStructureDoc* s : project->GetStructures())
            s->SetModifiedFlag(FALSE);
        project->SetModifiedFlag(FALSE);
    });
}

} // namespace
