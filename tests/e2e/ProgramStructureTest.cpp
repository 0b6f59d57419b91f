// A structure made, drawn, saved and opened again in the running program.
#include "ProgramFixture.h"

#include "app/shell/AStrakonDocument.h"
#include "app/views/AGeometryView.h"
#include "app/views/AStrakon.h"
#include "framework/ABaseProjectDoc.h"
#include "model/omElementMap.h"
#include "model/omLoadManager.h"
#include "model/omElementResult.h"
#include "model/omDesignElement.h"
#include "model/omNodeLoadGroup.h"
#include "model/omNodeMap.h"
#include "model/omStrakon.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "resources/ui/StrakonLoadIds.h"
#include "resources/ui/StrakonResourceIds.h"

#include <cmath>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class ProgramStructure : public ProgramFixture {
protected:
    // File New from the toolbar: the New sheet makes "name" in the work folder with the blank wizard.
    void newStructure(CMainFrame& frame, const std::string& name) {
        dialogs.Queue([&, name](CPropertySheet& sheet) {
            CPropertyPage& page = *sheet.GetActivePage();
            type(page, 1044, name);
            type(page, 1046, work.path().string());
            sheet.SendMessage(WM_KICKIDLE, 0, 0);
            shot("new-dialog");
            sheet.PressButton(PSBTN_OK);
        });
        dialogs.Queue([&](CPropertySheet& wizard) { wizard.PressButton(PSBTN_FINISH); });
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_FILE_NEW);
    }
    // Opens the structure's geometry window from the project window, as Enter on its entry does.
    AGeometryView* openGeometry(CMainFrame& frame, const std::string& structure) {
        CTreeCtrl& tree = frame.GetProjectWindow()->GetGeometryTree();
        HTREEITEM item = FindTreeItem(tree, {"Structure '" + structure + "'", "Geometry"});
        if (!item) {
            for (HTREEITEM h = tree.GetRootItem(); h; h = tree.GetNextSiblingItem(h)) {
                ADD_FAILURE() << tree.GetItemText(h);
                for (HTREEITEM c = tree.GetChildItem(h); c; c = tree.GetNextSiblingItem(c)) ADD_FAILURE() << " " << tree.GetItemText(c);
            }
            return nullptr;
        }
        tree.SelectItem(item);
        QTest::keyClick(tree.GetInputWidget(), Qt::Key_Return);
        settle();
        CMDIChildWnd* child = frame.MDIGetActive();
        if (!child) return nullptr;
        child->MDIMaximize();
        settle();
        return dynamic_cast<AGeometryView*>(child->GetActiveView());
    }
    // The client pixel of a world point (metres) in a view.
    static QPoint at(AZoomView& view, double x, double z) {
        view.ClientToLogical(CPoint(0, 0));
        const CPoint device = view.GetC2L().DU(view.GetC2L().LU(x, z));
        return QPoint(device.x, device.y);
    }
    static int supportedNodes(omStrakon& model) {
        int supported = 0;
        for (const auto& [number, node] : *model.getNodeMap())
            if (node->isSupported()) ++supported;
        return supported;
    }
    static size_t loadsOf(omStrakon& model) {
        size_t loads = 0;
        for (const auto& [number, node] : *model.getNodeMap())
            if (const omNodeLoadGroup* group = node->getLoad()) loads += group->getLoads().size();
        return loads;
    }
    static void click(AZoomView& view, QPoint p) {
        QWidget* input = view.GetInputWidget();
        QTest::mouseMove(input, p);
        QTest::mousePress(input, Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseRelease(input, Qt::LeftButton, Qt::NoModifier, p);
        settle(5);
    }
};

TEST_F(ProgramStructure, NewFrameWritesBothFilesAndIsDrawnWithTheMouse) {
    run({}, [&](CStrakonApp& app, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        newStructure(frame, "Frame");
        EXPECT_TRUE(fs::exists(work / "Frame.oxp"));
        EXPECT_TRUE(fs::exists(work / "Frame.oxs"));
        ASSERT_NE(app.GetProjectDocument(), nullptr);
        EXPECT_TRUE(enabled(frame, ID_OPTIONS)) << "a structure is active now";
        EXPECT_TRUE(enabled(frame, ID_OUTPUT_SETTINGS));

        AGeometryView* view = openGeometry(frame, "Frame");
        ASSERT_NE(view, nullptr);
        auto* doc = dynamic_cast<AStrakonDocument*>(view->GetDocument());
        ASSERT_NE(doc, nullptr);
        EXPECT_TRUE(shown(frame.GetToolBar(IDW_TOOLBAR_GEOMETRY))) << "the Geometry workspace's toolbars";
        EXPECT_TRUE(shown(frame.GetToolBar(IDW_TOOLBAR_SUPPORTS)));

        // Two columns and a beam, drawn member by member with the mouse.
        clickToolButton(frame, IDW_TOOLBAR_GEOMETRY, ID_ADD_LINEAR_ELEMENT);
        const double points[][2] = {{0, 0}, {0, -4}, {6, -4}, {6, 0}};
        for (int i = 0; i + 1 < 4; ++i) {
            click(*view, at(*view, points[i][0], points[i][1]));
            click(*view, at(*view, points[i + 1][0], points[i + 1][1]));
        }
        // Escape ends the chain of members.
        QTest::keyClick(view->GetInputWidget(), Qt::Key_Escape);
        settle(5);
        omStrakon& model = *doc->GetModel();
        EXPECT_EQ(model.getNodeMap()->size(), 4u);
        EXPECT_EQ(model.getElementMap()->size(), 3u);
        // Fixed feet from the Supports toolbar: the support, then the node.
        clickToolButton(frame, IDW_TOOLBAR_SUPPORTS, ID_SUPPORT_FIXED_1);
        EXPECT_EQ(checked(frame, ID_SUPPORT_FIXED_1), 1) << "the view takes supports";
        click(*view, at(*view, 0, 0));
        click(*view, at(*view, 6, 0));
        EXPECT_EQ(supportedNodes(model), 2);
        shot("drawn-frame");

        // A force at the top of the left column, placed in the loads window of "Action 1".
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_LOADS);
        CTreeCtrl& loads = frame.GetProjectWindow()->GetLoadTree();
        HTREEITEM action = FindTreeItem(loads, {"Structure 'Frame'", "Actions", "Action 1"});
        ASSERT_NE(action, nullptr);
        loads.SelectItem(action);
        QTest::keyClick(loads.GetInputWidget(), Qt::Key_Return);
        settle();
        ASSERT_NE(frame.MDIGetActive(), nullptr);
        frame.MDIGetActive()->MDIMaximize();
        settle();
        auto* forces = dynamic_cast<AZoomView*>(frame.MDIGetActive()->GetActiveView());
        ASSERT_NE(forces, nullptr);
        clickToolButton(frame, IDW_TOOLBAR_LOADS, ID_ADD_FORCE);
        dialogs.Queue([&](CDialog& force) {
            type(force, IDC_FORCE_FX, "10");
            force.PressButton(IDOK);
        });
        click(*forces, at(*forces, 0, -4));
        ASSERT_EQ(dialogs.Runs().back(), IDD_CONCENTRATED_FORCE);
        EXPECT_EQ(loadsOf(model), 1u);

        // Ctrl+S saves the project and its structure; File Close and File Open bring it back.
        EXPECT_TRUE(app.GetProjectDocument()->IsModified() || doc->IsModified());
        // Back in the main window after the dialog, as the user's click brings it.
        frame.GetWidget()->activateWindow();
        settle();
        QTest::keyClick(frame.GetWidget(), Qt::Key_S, Qt::ControlModifier);
        settle();
        EXPECT_FALSE(doc->IsModified());
        prompts.Clear();
        frame.SendMessage(WM_COMMAND, ID_CLOSE_PROJECT, 0);
        EXPECT_TRUE(prompts.MessageBoxes().empty()) << "nothing left to save";
        settle();
        ASSERT_EQ(app.GetProjectDocument(), nullptr);
        EXPECT_TRUE(frame.GetMDIChildren().empty());
        prompts.QueueFileAnswer((work / "Frame.oxp").string());
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_FILE_OPEN);
        ASSERT_NE(app.GetProjectDocument(), nullptr);
        auto* reopened = dynamic_cast<AStrakonDocument*>(app.GetProjectDocument()->GetStructure("Frame"));
        ASSERT_NE(reopened, nullptr);
        EXPECT_EQ(reopened->GetModel()->getNodeMap()->size(), 4u);
        EXPECT_EQ(reopened->GetModel()->getElementMap()->size(), 3u);
        EXPECT_EQ(supportedNodes(*reopened->GetModel()), 2);
        EXPECT_EQ(loadsOf(*reopened->GetModel()), 1u);
        // The geometry window comes back in its workspace.
        std::vector<std::string> titles;
        for (CMDIChildWnd* child : frame.GetMDIChildren())
            if (child->IsWindowVisible()) titles.push_back(child->GetWindowText());
        EXPECT_EQ(titles, (std::vector<std::string>{"Frame - Action (Action 1)"})) << "the Loads workspace was active";
    });
}


TEST_F(ProgramStructure, SolvingAColumnWithoutMaterialOrSectionFromTheMenuNamesBothAndGivesNoResults) {
    std::string messages;
    run({}, [&](CStrakonApp& app, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        newStructure(frame, "Column");
        AGeometryView* view = openGeometry(frame, "Column");
        ASSERT_NE(view, nullptr);
        auto* doc = dynamic_cast<AStrakonDocument*>(view->GetDocument());
        ASSERT_NE(doc, nullptr);
        clickToolButton(frame, IDW_TOOLBAR_GEOMETRY, ID_ADD_LINEAR_ELEMENT);
        click(*view, at(*view, 0, 0));
        click(*view, at(*view, 0, -3));
        QTest::keyClick(view->GetInputWidget(), Qt::Key_Escape);
        clickToolButton(frame, IDW_TOOLBAR_SUPPORTS, ID_SUPPORT_FULL_1);
        click(*view, at(*view, 0, 0));
        omStrakon& model = *doc->GetModel();
        ASSERT_EQ(model.getElementMap()->size(), 1u);

        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_LOADS);
        CTreeCtrl& loads = frame.GetProjectWindow()->GetLoadTree();
        HTREEITEM action = FindTreeItem(loads, {"Structure 'Column'", "Actions", "Action 1"});
        ASSERT_NE(action, nullptr);
        loads.SelectItem(action);
        QTest::keyClick(loads.GetInputWidget(), Qt::Key_Return);
        settle();
        ASSERT_NE(frame.MDIGetActive(), nullptr);
        frame.MDIGetActive()->MDIMaximize();
        settle();
        auto* forces = dynamic_cast<AZoomView*>(frame.MDIGetActive()->GetActiveView());
        ASSERT_NE(forces, nullptr);
        clickToolButton(frame, IDW_TOOLBAR_LOADS, ID_ADD_FORCE);
        dialogs.Queue([&](CDialog& force) {
            type(force, IDC_FORCE_FX, "10");
            force.PressButton(IDOK);
        });
        click(*forces, at(*forces, 0, -3));
        frame.GetWidget()->activateWindow();
        // Solve from the menu.
        EXPECT_TRUE(enabled(frame, ID_SOLVE));
        frame.SendMessage(WM_COMMAND, ID_SOLVE, 0);
        settle();
        messages = frame.GetOutputWindow()->GetMessageView().GetWindowText();
        EXPECT_NE(AfxGetMainWnd(), nullptr);
        for (ABaseStructureDoc* s : app.GetProjectDocument()->GetStructures())
            s->SetModifiedFlag(FALSE);
        app.GetProjectDocument()->SetModifiedFlag(FALSE);
    });
    // A new structure has no material and no cross-section yet: the output window says so.
    EXPECT_NE(messages.find("Error 1008: Element 1: its material 1 does not exist."), std::string::npos) << messages;
    EXPECT_NE(messages.find("Error 1007: Element 1: its cross-section 1 does not exist."), std::string::npos)
        << messages;
}

} // namespace
