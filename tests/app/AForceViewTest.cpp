// The loads view on a real portal frame with loads of every kind in three
// actions: the input modes every loads view shares, placing loads with the
// mouse through the load dialogs (answered by the dialog service), the partial
// load's drag, the view of an action that went, the load context menus, and a
// picture of the loads of two actions.
#include "app/views/AForceView.h"

#include "ForceViewFixture.h"
#include "UnitKeySupport.h"

#include "app/views/AElementLoadGroup.h"
#include "app/views/ANodeLoadGroup.h"
#include "model/omElementLoadGroup.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "model/omNodeLoadGroup.h"
#include "platform/ui/CDialog.h"
#include "resources/ui/StrakonLoadIds.h"
#include "resources/ui/StrakonResourceIds.h"
#include "resources/ui/StrakonResources.h"

#include <QLineEdit>

namespace {

class AForceViewTest : public ForceViewFixture {
protected:
    void SetUp() override {
        ForceViewFixture::SetUp();
        UseKiloNewtonMetreKeys();
        OpenPortal(2);
    }
    // A second loads view of the same document in its own child window.
    AForceView* OpenSecond(int action) {
        auto* second = new CMDIChildWnd;
        CCreateContext context;
        context.m_pNewViewClass = AForceView::GetThisClass();
        context.m_pCurrentDoc = doc.get();
        if (!second->Create(nullptr, "Loads 2", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                            CRect(0, 0, 400, 300), frame, &context))
            return nullptr;
        second->InitialUpdateFrame(doc.get(), TRUE);
        auto* v = dynamic_cast<AForceView*>(second->GetActiveView());
        if (v) v->SetLoadGroup(action);
        return v;
    }
    omPoint PointOn(unsigned member, double t) {
        return MemberOf(member)->getLine(omUK_m, omNode::coorPlain).at(t);
    }
    QPoint AtMember(unsigned member, double t) {
        const omPoint p = PointOn(member, t);
        return At(p.x, p.y);
    }
    QPoint AtNode(unsigned node) {
        const omVector v = NodeOf(node)->getVector(omUK_m, omNode::coorPlain);
        return At(v(1), v(2));
    }
    // The loads of one action on a node or a member.
    std::vector<omLoad*> NodeLoads(unsigned node, unsigned action) {
        std::vector<omLoad*> out;
        if (const omNodeLoadGroup* group = NodeOf(node)->getLoad())
            for (omLoad* load : group->getLoads())
                if (load->getLoadGroupIndex() == action) out.push_back(load);
        return out;
    }
    std::vector<omLoad*> MemberLoads(unsigned member, unsigned action) {
        std::vector<omLoad*> out;
        if (const omElementLoadGroup* group = MemberOf(member)->getLoad())
            for (omLoad* load : group->getLoads())
                if (load->getLoadGroupIndex() == action) out.push_back(load);
        return out;
    }
    int Commands() { return doc->GetCommandManager().GetCommandCount(); }
    static void Type(CDialog& d, int id, const char* text) {
        auto* line = qobject_cast<QLineEdit*>(d.GetDlgItem(id)->GetWidget());
        ASSERT_NE(line, nullptr);
        line->selectAll();
        line->del();
        line->insert(QString::fromUtf8(text));
    }

    CScriptedDialogService dialogs;
};

TEST_F(AForceViewTest, OtherViewsHintsLeaveTheInputModeAndThePickableObjects) {
    ASSERT_EQ(view->GetInputMode(), AForceView::inputForce) << "a new loads view places forces";
    const auto objects = doc->GetObjectList();
    ASSERT_FALSE(objects.IsEmpty());
    for (int hint : {4000, 3200, 5101, 6003}) {
        SCOPED_TRACE(hint);
        doc->UpdateAllViews(nullptr, hint, nullptr);
        EXPECT_EQ(view->GetInputMode(), AForceView::inputForce);
        EXPECT_EQ(view->GetMouseMode(), AZoomView::modeOther);
        EXPECT_EQ(doc->GetObjectList(), objects);
    }
}

TEST_F(AForceViewTest, AModeChosenInOneLoadsViewSwitchesEveryLoadsViewOfTheDocument) {
    AForceView* second = OpenSecond(1);
    ASSERT_NE(second, nullptr);
    Command(ID_ADD_TEMPERATURE_LOAD);
    for (AForceView* v : {view, second}) {
        EXPECT_EQ(v->GetInputMode(), AForceView::inputTemperature);
        EXPECT_EQ(v->GetMouseMode(), AZoomView::modeOther);
    }
    EXPECT_EQ(Checked(ID_ADD_TEMPERATURE_LOAD), 1);
    EXPECT_EQ(Checked(ID_ADD_FORCE), 0);
    // Members alone can take a temperature.
    for (AObject* object : doc->GetObjectList())
        EXPECT_NE(dynamic_cast<ADesignElement*>(object), nullptr);

    Command(ID_SELECT);
    EXPECT_EQ(second->GetMouseMode(), AZoomView::modePick);
    EXPECT_EQ(Checked(ID_SELECT), 1);
    for (AObject* object : doc->GetObjectList())
        EXPECT_TRUE(dynamic_cast<ANodeLoadGroup*>(object) || dynamic_cast<AElementLoadGroup*>(object));
}

TEST_F(AForceViewTest, AShiftClickAfterStartUpAddsNothingSinceThePrototypeForceIsZero) {
    Click(AtMember(2, 0.5), Qt::ShiftModifier);
    Click(AtNode(2), Qt::ShiftModifier);
    EXPECT_EQ(Commands(), 0);
    EXPECT_TRUE(dialogs.Runs().empty());
}

TEST_F(AForceViewTest, AForceAtAQuarterOfAMemberIsOneUndoableCommand) {
    const size_t before = MemberLoads(2, 2).size();
    CString relative;
    dialogs.Queue([&](CDialog& d) {
        relative = d.GetDlgItemText(IDC_FORCE_RELATIVE);
        Type(d, IDC_FORCE_FZ, "-7.5");
        Type(d, IDC_FORCE_NAME, "Hoist");
        d.PressButton(IDOK);
    });
    Click(AtMember(2, 0.25));
    EXPECT_EQ(dialogs.Runs(), std::vector<UINT>({IDD_CONCENTRATED_FORCE}));
    EXPECT_EQ(relative, "0.25");
    ASSERT_EQ(Commands(), 1);
    auto loads = MemberLoads(2, 2);
    ASSERT_EQ(loads.size(), before + 1);
    auto* added = dynamic_cast<omLoadForce*>(loads.back());
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->getName(), "Hoist");
    EXPECT_DOUBLE_EQ(added->getX(), 0.25);
    EXPECT_DOUBLE_EQ(added->getF(Uz).Get(omUK_kN), -7.5);
    EXPECT_NE(added, &AForceView::PrototypeForce()) << "the document stores a clone";

    // The last values carry over: Shift places the same force without asking.
    Click(AtNode(3), Qt::ShiftModifier);
    EXPECT_EQ(NodeLoads(3, 2).size(), 1u);
    EXPECT_EQ(dialogs.Runs().size(), 1u);

    doc->GetCommandManager().Undo();
    doc->GetCommandManager().Undo();
    EXPECT_EQ(MemberLoads(2, 2).size(), before);
    EXPECT_TRUE(NodeLoads(3, 2).empty());

    // Cancel adds nothing.
    dialogs.Queue([](CDialog& d) { d.PressButton(IDCANCEL); });
    Click(AtMember(2, 0.5));
    EXPECT_EQ(MemberLoads(2, 2).size(), before);
}

TEST_F(AForceViewTest, ADisplacementNeedsASupportedNode) {
    Command(ID_PRESCRIBE_DISPLACEMENT);
    Click(AtNode(2));
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text, "The selected node is not supported in either direction.\n"
                                              "You can't prescribe displacement for unsupported node!");
    EXPECT_EQ(prompts.MessageBoxes()[0].type & 0xF, UINT(MB_OK));
    EXPECT_TRUE(dialogs.Runs().empty());
    EXPECT_EQ(Commands(), 0);

    dialogs.Queue([&](CDialog& d) {
        Type(d, IDC_DISPLACEMENT_UZ, "0.02");
        d.PressButton(IDOK);
    });
    Click(AtNode(1));
    EXPECT_EQ(dialogs.Runs(), std::vector<UINT>({IDD_DISPLACEMENT}));
    auto loads = NodeLoads(1, 2);
    ASSERT_EQ(loads.size(), 1u);
    EXPECT_NEAR(dynamic_cast<omLoadDisplacement*>(loads[0])->getU(Uz).Get(omUK_m), 0.02, 1e-12);
}

TEST_F(AForceViewTest, APartialLoadIsClampedToTheMember) {
    struct Part {
        double a, b;
        bool loaded;
        double start, end;
    };
    const Part parts[] = {
        {1.4, 0.5, true, 0.5, 1.0}, {0.5, 1.4, true, 0.5, 1.0}, {-0.3, 0.2, true, 0.0, 0.2},
        {1.2, 1.5, false, 0, 0},    {-0.5, -0.1, false, 0, 0},  {0.3, 0.3, false, 0, 0},
    };
    for (const Part& p : parts) {
        double start = -1, end = -1;
        EXPECT_EQ(AForceView::LoadedPart(p.a, p.b, start, end), p.loaded) << p.a << " " << p.b;
        if (!p.loaded) continue;
        EXPECT_DOUBLE_EQ(start, p.start);
        EXPECT_DOUBLE_EQ(end, p.end);
    }

    Command(ID_ADD_PARTIAL_ELEMENT_LOAD);
    const size_t before = MemberLoads(2, 2).size();
    CString start, end;
    dialogs.Queue([&](CDialog& d) {
        start = d.GetDlgItemText(IDC_LINEAR_START);
        end = d.GetDlgItemText(IDC_LINEAR_END);
        Type(d, IDC_LINEAR_FZ_START, "4");
        d.PressButton(IDOK);
    });
    // Press in the middle, drag beyond the end, press again.
    Click(AtMember(2, 0.5));
    Move(AtMember(2, 0.8));
    Move(AtMember(2, 1.3));
    Click(AtMember(2, 1.3));
    EXPECT_EQ(start, "0.5");
    EXPECT_EQ(end, "1");
    auto loads = MemberLoads(2, 2);
    ASSERT_EQ(loads.size(), before + 1);
    auto* part = dynamic_cast<omLoadLinear*>(loads.back());
    ASSERT_NE(part, nullptr);
    EXPECT_DOUBLE_EQ(part->getStart(), 0.5);
    EXPECT_DOUBLE_EQ(part->getEnd(), 1.0);

    // The other way round, with the last values.
    Click(AtMember(2, 0.5), Qt::ShiftModifier);
    Click(AtMember(2, -0.4), Qt::ShiftModifier);
    loads = MemberLoads(2, 2);
    ASSERT_EQ(loads.size(), before + 2);
    EXPECT_DOUBLE_EQ(dynamic_cast<omLoadLinear*>(loads.back())->getStart(), 0.0);
    EXPECT_DOUBLE_EQ(dynamic_cast<omLoadLinear*>(loads.back())->getEnd(), 0.5);
}

TEST_F(AForceViewTest, TheViewOfARemovedActionAddsNothingAndDrawsTheStructureAlone) {
    doc->DeleteLoadGroup(3);
    doc->DeleteLoadGroup(2);
    EXPECT_FALSE(view->IsLoadGroupValid());
    EXPECT_EQ(Checked(ID_ADD_FORCE), 1);
    Click(AtMember(2, 0.5), Qt::ShiftModifier);
    Command(ID_ADD_TEMPERATURE_LOAD);
    AForceView::PrototypeTemperatureLoad().setT(1, 1, omUnitValue(10.0, omUK_degC));
    Click(AtMember(1, 0.5), Qt::ShiftModifier);
    EXPECT_TRUE(dialogs.Runs().empty());
    EXPECT_EQ(Commands(), 2) << "only the two deletions";
    for (int action : {-1, 0, 2})
        for (unsigned member : {1u, 2u, 3u})
            EXPECT_TRUE(MemberLoads(member, static_cast<unsigned>(action)).empty());
    Save("LoadsViewRemovedAction.png");
}

TEST_F(AForceViewTest, ThePopupDeleteRemovesOnlyTheActiveActionsLoads) {
    auto* dead = new omLoadForce("Mass", model().getStructureType(), 0);
    dead->setF(Uz, omUnitValue(3.0, omUK_kN));
    model().addNodeLoad(2, dead, "Dead load");
    model().bind();
    ASSERT_EQ(NodeLoads(2, 1).size(), 1u);
    ASSERT_EQ(NodeLoads(2, 2).size(), 1u);
    doc->deletes = true;
    Show(view, 2);
    prompts.QueuePopupMenuChoice(ID_NODE_LOAD_DELETE);
    Click(AtNode(2), Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(prompts.PopupMenusShown(), 1);
    EXPECT_TRUE(NodeLoads(2, 2).empty());
    EXPECT_EQ(NodeLoads(2, 1).size(), 1u) << "the other action keeps its load";
    EXPECT_EQ(view->GetMouseMode(), AZoomView::modePick);
    doc->GetCommandManager().Undo();
    EXPECT_EQ(NodeLoads(2, 2).size(), 1u);

    // The member's menu, Select: the member's load group is picked.
    prompts.QueuePopupMenuChoice(ID_ELEMENT_LOAD_SELECT);
    Command(ID_ADD_FORCE);
    Click(AtMember(2, 0.5), Qt::NoModifier, Qt::RightButton);
    ASSERT_EQ(doc->GetSelection().GetCount(), 1);
    EXPECT_EQ(doc->GetSelection().front(), dynamic_cast<AElementLoadGroup*>(MemberOf(2)->getLoad()));
}

TEST_F(AForceViewTest, PictureOfTheLoadsOfTwoActions) {
    // Action 1 (dead load): a partial linear load, a settlement, a node force and a moment;
    // action 2 (live load): forces on a member and a node, a uniform load, a temperature.
    const omDofStructureType* type = model().getStructureType();
    auto* moment = new omLoadForce("Moment", type, 0);
    moment->setF(Ry, omUnitValue(15.0, omUK_kNm));
    model().addNodeLoad(3, moment, "Dead load");
    auto* push = new omLoadForce("Push", type, 0);
    push->setF(Ux, omUnitValue(8.0, omUK_kN));
    model().addNodeLoad(2, push, "Dead load");
    auto* snow = new omLoadLinear("Snow", type, 0);
    snow->setFs(Uz, omUnitValue(5.0, omUK_kN_m));
    snow->setFe(Uz, omUnitValue(5.0, omUK_kN_m));
    model().addElementLoad(2, snow, "Live load");
    auto* warm = new omLoadTemperature("Warm", type, 0);
    warm->setT(1, 1, omUnitValue(15.0, omUK_degC));
    warm->setT(0, 1, omUnitValue(5.0, omUK_degC));
    model().addElementLoad(3, warm, "Live load");
    model().bind();
    for (int action : {1, 2}) {
        Show(view, action);
        view->OnZoomExtents();
        Move(AtMember(2, 0.4));
        Save(action == 1 ? "LoadsViewAction1.png" : "LoadsViewAction2.png");
    }
}

} // namespace
