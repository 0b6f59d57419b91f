// A structure made, drawn, saved and opened again in the running program.
#include "ProgramFixture.h"

#include "app/shell/AStrakonDocument.h"
#include "app/views/AGeometryView.h"
#include "app/dialogs/ALinElem2DProperty.h"
#include "app/views/AStrakon.h"
#include "framework/APPropertyFrame.h"
#include "framework/ABaseProjectDoc.h"
#include "model/omElementMap.h"
#include "model/omLoadManager.h"
#include "model/omElementResult.h"
#include "model/omDesignElement.h"
#include "model/omNodeLoadGroup.h"
#include "model/omNodeMap.h"
#include "model/omStrakon.h"
#include "model/omCrossSectionMap.h"
#include "model/omDofStructureType.h"
#include "model/omMaterialMap.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "resources/ui/StrakonEditorIds.h"
#include "resources/ui/StrakonLoadIds.h"
#include "resources/ui/StrakonResourceIds.h"

#include <QComboBox>
#include <QListWidget>

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
    // The bending moment at the first end of a member in load case lc, in kNm.
    static double footMoment(const omDesignElement& member, int lc) {
        return omUnitValue(member.getResult().getForceAt(lc, 0.0, Ry), omUK_kNcm).Get(omUK_kNm);
    }
    // Opens the loads window of the structure's "Action 1", maximised, and places
    // a force Fx = 10 kN through its dialog with a click at (x, z) m.
    void placeForce(CMainFrame& frame, const std::string& structure, double x, double z) {
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_LOADS);
        CTreeCtrl& loads = frame.GetProjectWindow()->GetLoadTree();
        HTREEITEM action = FindTreeItem(loads, {"Structure '" + structure + "'", "Actions", "Action 1"});
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
        click(*forces, at(*forces, x, z));
        ASSERT_EQ(dialogs.Runs().back(), IDD_CONCENTRATED_FORCE);
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
        ASSERT_NO_FATAL_FAILURE(placeForce(frame, "Frame", 0, -4));
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


TEST_F(ProgramStructure, AColumnAddedToTheExampleProjectIsSolvedOnceItHasASteelMaterialAndAnIpeSection) {
    const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
    for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs", "two-frames.oxp"})
        fs::copy_file(examples / name, work / name);
    // A free-standing column of length L (m) with a horizontal force H (kN) at its tip.
    const double H = 10.0, L = 3.0;
    std::string unsolved, solved;
    run({(work / "two-frames.oxp").string()}, [&](CStrakonApp& app, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        ASSERT_NE(app.GetProjectDocument(), nullptr);
        // File New, "Add to current project".
        dialogs.Queue([&](CPropertySheet& sheet) {
            CPropertyPage& page = *sheet.GetActivePage();
            type(page, 1044, "Column");
            type(page, 1046, work.path().string());
            CWnd* add = page.GetDlgItem(1356);
            ASSERT_NE(add, nullptr);
            ASSERT_TRUE(add->IsWindowEnabled()) << "a project is open";
            QTest::mouseClick(add->GetWidget(), Qt::LeftButton);
            sheet.SendMessage(WM_KICKIDLE, 0, 0);
            sheet.PressButton(PSBTN_OK);
        });
        dialogs.Queue([&](CPropertySheet& wizard) { wizard.PressButton(PSBTN_FINISH); });
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_FILE_NEW);
        EXPECT_EQ(app.GetProjectDocument()->GetStructures().size(), 3u) << "added to the example project";

        AGeometryView* view = openGeometry(frame, "Column");
        ASSERT_NE(view, nullptr);
        auto* doc = dynamic_cast<AStrakonDocument*>(view->GetDocument());
        ASSERT_NE(doc, nullptr);
        clickToolButton(frame, IDW_TOOLBAR_GEOMETRY, ID_ADD_LINEAR_ELEMENT);
        click(*view, at(*view, 0, 0));
        click(*view, at(*view, 0, -L));
        QTest::keyClick(view->GetInputWidget(), Qt::Key_Escape);
        clickToolButton(frame, IDW_TOOLBAR_SUPPORTS, ID_SUPPORT_FULL_1);
        click(*view, at(*view, 0, 0));
        QTest::keyClick(view->GetInputWidget(), Qt::Key_Escape);
        settle(5);
        omStrakon& model = *doc->GetModel();
        ASSERT_EQ(model.getElementMap()->size(), 1u);
        ASSERT_EQ(supportedNodes(model), 1);

        ASSERT_NO_FATAL_FAILURE(placeForce(frame, "Column", 0, -L));
        ASSERT_EQ(loadsOf(model), 1u);
        frame.GetWidget()->activateWindow();

        // Solve from the menu: a new structure has no material and no cross-section yet.
        EXPECT_TRUE(enabled(frame, ID_SOLVE));
        frame.SendMessage(WM_COMMAND, ID_SOLVE, 0);
        settle();
        unsolved = frame.GetOutputWindow()->GetMessageView().GetWindowText();
        EXPECT_FALSE(model.areResultsValid());

        // A steel from the material editor and an IPE 300 from the section catalogue, both from the menu
        // of the column's geometry window.
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_GEOMETRY);
        view = openGeometry(frame, "Column");
        ASSERT_NE(view, nullptr);
        dialogs.Queue([&](CDialog& editor) {
            dialogs.Queue([](CPropertySheet& sheet) {
                sheet.SetActivePage(1);
                CPropertyPage& page = *sheet.GetActivePage();
                auto choose = [&page](int id, const char* text) {
                    auto* combo = qobject_cast<QComboBox*>(page.GetDlgItem(id)->GetWidget());
                    ASSERT_NE(combo, nullptr);
                    const int index = combo->findText(text);
                    ASSERT_GE(index, 0) << text;
                    combo->setCurrentIndex(index);
                    emit combo->activated(index);
                };
                choose(IDC_STEEL_CODE, "EN 1993-1-1");
                choose(IDC_STEEL_GRADE, "S235 (t <= 40 mm)");
                sheet.PressButton(PSBTN_OK);
            });
            editor.PressButton(IDC_MATERIAL_NEW);
            editor.PressButton(IDOK);
        });
        frame.SendMessage(WM_COMMAND, ID_EDIT_MATERIALS, 0);
        ASSERT_EQ(model.getMaterialMap()->size(), 1u);
        dialogs.Queue([&](CDialog& editor) {
            dialogs.Queue([](CPropertySheet& sheet) {
                sheet.SetActivePage(3);
                CPropertyPage& page = *sheet.GetActivePage();
                page.PressButton(IDC_DSI_STANDARD);
                auto* groups = qobject_cast<QListWidget*>(page.GetDlgItem(IDC_DSI_GROUP)->GetWidget());
                ASSERT_NE(groups, nullptr);
                groups->setCurrentRow(0);
                auto* sections = qobject_cast<QListWidget*>(page.GetDlgItem(IDC_DSI_SECTION)->GetWidget());
                ASSERT_NE(sections, nullptr);
                const QList<QListWidgetItem*> found = sections->findItems("IPE 300", Qt::MatchExactly);
                ASSERT_EQ(found.size(), 1);
                sections->setCurrentRow(sections->row(found[0]));
                sheet.PressButton(PSBTN_OK);
            });
            editor.PressButton(IDC_CS_NEW);
            editor.PressButton(IDOK);
        });
        frame.SendMessage(WM_COMMAND, ID_EDIT_CROSS_SECTIONS, 0);
        ASSERT_EQ(model.getCrossSectionMap()->size(), 1u);

        // Properties on the column's context menu: the element sheet takes the material and the section.
        prompts.QueuePopupMenuChoice(ID_ELEMENT_PROPERTIES);
        const QPoint middle = at(*view, 0, -L / 2);
        QTest::mouseMove(view->GetInputWidget(), middle);
        QTest::mousePress(view->GetInputWidget(), Qt::RightButton, Qt::NoModifier, middle);
        QTest::mouseRelease(view->GetInputWidget(), Qt::RightButton, Qt::NoModifier, middle);
        settle();
        EXPECT_EQ(prompts.PopupMenusShown(), 1);
        auto* sheet = dynamic_cast<ALinElem2DProperty*>(APPropertyFrame::Instance()->GetProperySheet());
        ASSERT_NE(sheet, nullptr) << "the element sheet";
        auto pick = [&](int page, int id, const std::string& prefix) {
            sheet->SetActivePage(page);
            settle(5);
            auto* combo = dynamic_cast<CComboBox*>(sheet->GetActivePage()->GetDlgItem(id));
            ASSERT_NE(combo, nullptr) << id;
            auto* box = static_cast<QComboBox*>(combo->GetWidget());
            int index = -1;
            for (int i = 0; i < box->count(); ++i)
                if (box->itemText(i).toStdString().rfind(prefix, 0) == 0) index = i;
            ASSERT_GE(index, 0) << prefix;
            box->setCurrentIndex(index);
            Q_EMIT box->activated(index);
            settle(5);
        };
        pick(2, 1040, "1: IPE 300");
        pick(3, 1043, "1: S235");
        shot("element-sheet");
        QTest::mouseClick(APPropertyFrame::Instance()->GetApplyButton().GetWidget(), Qt::LeftButton);
        settle();
        const omDesignElement* column = model.getElementMap()->find(1);
        ASSERT_NE(column, nullptr);
        EXPECT_EQ(column->getMaterialIndex(), 1u);
        EXPECT_EQ(column->getCrossSectionIndex(), 1u);

        // Solve from the menu again: no errors now, and the foot carries H·L.
        frame.GetWidget()->activateWindow();
        frame.SendMessage(WM_COMMAND, ID_SOLVE, 0);
        settle();
        solved = frame.GetOutputWindow()->GetMessageView().GetWindowText();
        ASSERT_TRUE(model.areResultsValid()) << solved;
        EXPECT_NEAR(std::abs(footMoment(*column, 2)), H * L, 1e-6 * H * L) << "the serviceability case";
        EXPECT_NEAR(std::abs(footMoment(*column, 1)), 1.5 * H * L, 1e-6 * H * L) << "the ultimate case: 1.5 H";
        EXPECT_NEAR(column->getResult().getForceAt(2, 1.0, Ry), 0.0, 1e-6) << "the free tip";

        // Saved, closed, opened again: the results are read back, not solved again.
        ASSERT_NO_FATAL_FAILURE(saveCloseReopen(app, frame, work / "two-frames.oxp"));
        auto* reopened = dynamic_cast<AStrakonDocument*>(app.GetProjectDocument()->GetStructure("Column"));
        ASSERT_NE(reopened, nullptr);
        omStrakon& back = *reopened->GetModel();
        ASSERT_TRUE(back.areResultsValid());
        const omDesignElement* again = back.getElementMap()->find(1);
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(again->getMaterialIndex(), 1u);
        EXPECT_EQ(again->getCrossSectionIndex(), 1u);
        EXPECT_NEAR(std::abs(footMoment(*again, 2)), H * L, 1e-6 * H * L);
        EXPECT_NEAR(std::abs(footMoment(*again, 1)), 1.5 * H * L, 1e-6 * H * L);
        for (ABaseStructureDoc* s : app.GetProjectDocument()->GetStructures())
            s->SetModifiedFlag(FALSE);
        app.GetProjectDocument()->SetModifiedFlag(FALSE);
    });
    // The first Solve names both missing records in the output window.
    EXPECT_NE(unsolved.find("Error 1008: Element 1: its material 1 does not exist."), std::string::npos) << unsolved;
    EXPECT_NE(unsolved.find("Error 1007: Element 1: its cross-section 1 does not exist."), std::string::npos)
        << unsolved;
    // The second adds no error.
    const std::string added = solved.rfind(unsolved, 0) == 0 ? solved.substr(unsolved.size()) : solved;
    EXPECT_EQ(added.find("Error"), std::string::npos) << added;
}

} // namespace
