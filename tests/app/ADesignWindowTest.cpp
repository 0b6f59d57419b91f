// The design window of a member, opened from the project window's Design tab
// as the user does: the concrete window with its view on the member, the steel
// kind not yet, the note for a member that fits no design, and the Design
// toolbar's commands reaching the active design view.
#include "ProjectWindowFixture.h"

#include "app/design/ADesignConcreteView.h"
#include "app/design/ADesignSupportWidthDlg.h"
#include "app/shell/AProjectTreeItems.h"
#include "model/omCrossSectionIDS.h"
#include "model/omElementMap.h"
#include "model/omMaterial.h"
#include "platform/ui/CDialog.h"
#include "resources/ui/StrakonResourceIds.h"
#include "tests/app/design/DesignFixtures.h"

namespace {

using namespace designtest;

class ADesignWindowTest : public ProjectWindowFixture {
protected:
    // The RC beam (member 1), a steel member (2) and a member of a plain material (3).
    AStrakonDocument* AddStructure() {
        newProject(folder.path() / "design.oxp");
        return addStructure("beam", folder.path(), [](omStrakon& s) {
            addRCBeam(s);
            auto* steel = new omSteel(omUnitValue(23.5, omUK_kN_cm2), 30);
            steel->setE(omUnitValue(21000.0, omUK_kN_cm2));
            s.addMaterial(steel, 30);
            s.addMaterial(new omMaterial(3000.0, 0.0, 1e-5, 0.0, 0.2, 31), 31);
            s.addCrossSection(new omCrossSectionIDS(40.0, 20.0, 1.0, 1.5, 0.5, "cm", 30), 30);
            s.addNode(600.0, -300.0, "cm", 3);
            s.addElement(2, 3, 30, 30, 2);
            s.addElement(1, 3, RCBeam::section, 31, 3);
        });
    }
    CFrameWnd* Open(AStrakonDocument* doc, int member) {
        auto* item = dynamic_cast<ABaseProjectTIWin*>(wnd().GetDesignElementItem(doc, member));
        EXPECT_NE(item, nullptr) << member;
        return item ? doc->OpenDesignWindow(item, TRUE) : nullptr;
    }

    CScriptedDialogService dialogs;
};

TEST_F(ADesignWindowTest, AConcreteMemberOpensItsWindowWithItsDataMadeOnce) {
    AStrakonDocument* doc = AddStructure();
    ASSERT_NE(doc, nullptr);
    doc->GetModel()->getElementMap()->find(RCBeam::member)->setDesignData(nullptr);
    CFrameWnd* child = Open(doc, RCBeam::member);
    ASSERT_NE(child, nullptr);
    ProcessEvents();
    auto* view = dynamic_cast<ADesignConcreteView*>(child->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetElementNumber(), RCBeam::member);
    EXPECT_NE(view->GetConcreteData(), nullptr);
    EXPECT_EQ(doc->GetCommandManager().GetCommandCount(), 1) << "the missing data, once";
    EXPECT_EQ(view->GetUltimateList().GetCount(), 2);
    EXPECT_TRUE(view->GetUltimateList().IsWindowEnabled());
    EXPECT_TRUE(prompts.MessageBoxes().empty());

    // The Design toolbar's command goes through the main frame to the active design view.
    dialogs.Queue([](CDialog& d) { d.PressButton(IDCANCEL); });
    frame->SendMessage(WM_COMMAND, ID_SUPPORT_WIDTHS, 0);
    EXPECT_EQ(dialogs.Runs(), (std::vector<UINT>{ADesignSupportWidthDlg::IDD}));
}

TEST_F(ADesignWindowTest, SteelGivesNoWindowYetAndAMemberThatFitsNoDesignGivesTheNote) {
    AStrakonDocument* doc = AddStructure();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(Open(doc, 2), nullptr);
    EXPECT_TRUE(prompts.MessageBoxes().empty());
    EXPECT_EQ(Open(doc, 3), nullptr);
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text.rfind("Note:\nDue to variety of design combinations", 0), 0u);
    EXPECT_EQ(doc->GetCommandManager().GetCommandCount(), 0);
}

} // namespace
