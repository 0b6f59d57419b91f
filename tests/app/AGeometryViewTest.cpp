// The geometry view on a real structure document, worked with mouse and keys:
// drawing members by click, move, click, nodes with and without splitting,
// the orthogonal mode, releases, elastic ground with its dialog, the fill swap,
// the context menus and moving; and the pictures of a frame.
#include "app/views/AGeometryView.h"

#include "StructureViewFixture.h"

#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "model/elements/omLinearLineFE2D.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDialog.h"
#include "resources/ui/StrakonDialogs.h"
#include "resources/ui/StrakonResourceIds.h"

#include <QLineEdit>

namespace {

using namespace strakonmodel;

class AGeometryViewTest : public StructureViewTest<AGeometryView> {
protected:
    void SetUp() override {
        StructureViewTest::SetUp();
        RegisterStrakonDialogs();
        RegisterStrakonContextMenus();
        // A portal frame: columns 1-2 and 4-3, beam 2-3 (metres, z down).
        basics(model());
        model().addNode(0.0, 0.0, "m", 1);
        model().addNode(0.0, -3.0, "m", 2);
        model().addNode(4.0, -3.0, "m", 3);
        model().addNode(4.0, 0.0, "m", 4);
        model().addElement(1, 2, 1, 1, 1);
        model().addElement(2, 3, 1, 1, 2);
        model().addElement(4, 3, 1, 1, 3);
        // As after reading a file: the members know their sections and materials.
        model().bind();
        FitExtents(2.0);
        ASSERT_NE(OpenView(), nullptr);
    }
    std::vector<RecordedEdit> EditsNamed(const char* name) {
        std::vector<RecordedEdit> out;
        for (const RecordedEdit& e : doc->edits)
            if (e.name == name) out.push_back(e);
        return out;
    }
    static void Type(CDialog& d, int id, const char* text) {
        auto* line = qobject_cast<QLineEdit*>(d.GetDlgItem(id)->GetWidget());
        ASSERT_NE(line, nullptr);
        line->selectAll();
        line->del();
        QTest::keyClicks(line, QString::fromUtf8(text));
    }

    CScriptedDialogService dialogs;
};

TEST_F(AGeometryViewTest, AMemberIsDrawnByClickMoveClickAndAReleaseAtItsStartInsertsNothing) {
    Command(ID_ADD_LINEAR_ELEMENT);
    EXPECT_EQ(view->GetInputMode(), AGeometryView::inputLinearElement);
    EXPECT_EQ(view->GetMouseMode(), AZoomView::modeOther);
    EXPECT_EQ(view->GetDragFlag(), 1);
    EXPECT_EQ(Checked(ID_ADD_LINEAR_ELEMENT), 1);
    EXPECT_EQ(Checked(ID_ADD_NONLINEAR_ELEMENT), 0);

    // From node 2 to a free grid point.
    Click(At(0.0, -3.0));
    EXPECT_TRUE(view->IsActionInProgress());
    Move(At(1.5, -4.2));
    EXPECT_FALSE(view->GetDragShapes().IsEmpty()) << "the rubber line follows the mouse";
    EXPECT_NEAR(view->GetElementEnd().x, 1.5, 1e-9);
    Click(At(1.5, -4.2));
    ASSERT_EQ(doc->Names(), std::vector<std::string>({"NewElement"}));
    const RecordedEdit& e = doc->edits[0];
    EXPECT_EQ(e.first, NodeOf(2));
    EXPECT_EQ(e.second, nullptr) << "the end lies in free space";
    EXPECT_NEAR(e.values[0], 0.0, 1e-9);
    EXPECT_NEAR(e.values[1], -3.0, 1e-9);
    EXPECT_NEAR(e.values[2], 1.5, 1e-9);
    EXPECT_NEAR(e.values[3], -4.2, 1e-9);
    EXPECT_EQ(e.values[4], 0.0) << "linear";
    EXPECT_EQ(e.values[5], 1.0) << "splits what it crosses";
    EXPECT_FALSE(view->IsActionInProgress());
    EXPECT_TRUE(view->GetDragShapes().IsEmpty());
    EXPECT_EQ(view->GetInputMode(), AGeometryView::inputLinearElement) << "the next member may follow";

    // A non-linear member ending on a node, with Shift: no split.
    Command(ID_ADD_NONLINEAR_ELEMENT);
    Click(At(2.0, -4.5));
    Move(At(4.0, -3.0));
    QTest::mouseMove(input, At(4.0, -3.0));
    Press(At(4.0, -3.0), Qt::ShiftModifier);
    Release(At(4.0, -3.0), Qt::ShiftModifier);
    ASSERT_EQ(doc->edits.size(), 2u);
    EXPECT_EQ(doc->edits[1].second, NodeOf(3));
    EXPECT_EQ(doc->edits[1].values[4], 1.0);
    EXPECT_EQ(doc->edits[1].values[5], 0.0);

    // Released where it started: the rubber line goes, nothing is inserted.
    Click(At(2.0, -4.5));
    Move(At(3.0, -4.5));
    Move(At(2.0, -4.5));
    Click(At(2.0, -4.5));
    EXPECT_EQ(doc->edits.size(), 2u);
    EXPECT_FALSE(view->IsActionInProgress());
    EXPECT_TRUE(view->GetDragShapes().IsEmpty());
}

TEST_F(AGeometryViewTest, ANodeOnAMemberSplitsItUnlessShiftIsHeldAndNeverLandsOnANode) {
    Command(ID_ADD_NODE);
    Click(At(2.0, -3.0));
    Click(At(2.0, -3.0), Qt::ShiftModifier);
    const auto nodes = EditsNamed("NewNode");
    ASSERT_EQ(nodes.size(), 2u);
    EXPECT_NEAR(nodes[0].values[0], 2.0, 1e-9);
    EXPECT_NEAR(nodes[0].values[1], -3.0, 1e-9);
    EXPECT_EQ(nodes[0].values[2], 1.0) << "split";
    EXPECT_EQ(nodes[1].values[2], 0.0) << "Shift: no split";

    Click(At(4.0, -3.0));
    EXPECT_EQ(EditsNamed("NewNode").size(), 2u);
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text, "Cannot put a node over an existing node!");
    EXPECT_EQ(prompts.MessageBoxes()[0].caption, "Error");
}

TEST_F(AGeometryViewTest, OrthogonalModeTiesADiagonalToVerticalAndStopsAtAHitMember) {
    Command(ID_TOGGLE_ORTO);
    EXPECT_EQ(Checked(ID_TOGGLE_ORTO), 1);
    Command(ID_ADD_LINEAR_ELEMENT);
    Click(At(-1.5, -4.5));
    Move(At(1.5, -1.5));
    Click(At(1.5, -1.5));
    ASSERT_EQ(doc->edits.size(), 1u);
    EXPECT_NEAR(doc->edits[0].values[2], -1.5, 1e-9) << "3 across and 3 up: vertical";
    EXPECT_NEAR(doc->edits[0].values[3], -1.5, 1e-9);

    // Towards the beam, ending on it where the vertical line crosses it.
    Click(At(1.0, -4.5));
    Move(At(1.3, -3.0));
    Click(At(1.3, -3.0));
    ASSERT_EQ(doc->edits.size(), 2u);
    EXPECT_NEAR(doc->edits[1].values[2], 1.0, 1e-9);
    EXPECT_NEAR(doc->edits[1].values[3], -3.0, 1e-9);

    // Along the beam (parallel to it) the orthogonal point stays.
    Click(At(-1.0, -3.0));
    Move(At(2.6, -3.0));
    Click(At(2.6, -3.0));
    ASSERT_EQ(doc->edits.size(), 3u);
    EXPECT_NEAR(doc->edits[2].values[2], 2.6, 1e-9);
    EXPECT_NEAR(doc->edits[2].values[3], -3.0, 1e-9);
}

TEST_F(AGeometryViewTest, AReleaseClickTogglesTheNearerEndAndTheMiddleIsTheFirstEnd) {
    Command(ID_TOGGLE_FI_RELEASE);
    EXPECT_EQ(Checked(ID_TOGGLE_FI_RELEASE), 1);
    Click(At(2.0, -3.0));
    Click(At(3.2, -3.0));
    const auto releases = EditsNamed("ToggleElementRelease");
    ASSERT_EQ(releases.size(), 2u);
    EXPECT_EQ(releases[0].first, MemberOf(2));
    EXPECT_EQ(releases[0].values, std::vector<double>({0.0, 4.0})) << "t = 0.5: the first end";
    EXPECT_EQ(releases[1].values, std::vector<double>({1.0, 4.0}));
    Click(At(2.0, -1.5));
    EXPECT_EQ(EditsNamed("ToggleElementRelease").size(), 2u) << "no member there";
}

TEST_F(AGeometryViewTest, TheGroundClickTakesTheDialogsAnswerAndWithShiftTheLastValues) {
    const omUnitKey unit = AUnitKeyAttributes::Instance()->forcePerVolume;
    Command(ID_ELASTIC_GROUND);
    dialogs.Queue([&](CDialog& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(1001), BST_CHECKED) << "preset: no ground";
        Type(d, 1000, "12");
        d.CheckRadioButton(1001, 1004, 1003);
        d.PressButton(IDOK);
    });
    Click(At(2.0, -3.0));
    // With Shift: the last values, no dialog.
    Click(At(0.0, -1.5), Qt::ShiftModifier);
    EXPECT_EQ(dialogs.Runs().size(), 1u);
    // Cancelled: nothing changes.
    dialogs.Queue([&](CDialog& d) { d.PressButton(IDCANCEL); });
    Click(At(2.0, -3.0));
    EXPECT_EQ(dialogs.Runs().size(), 2u);
    const auto grounds = EditsNamed("SetElasticGround");
    ASSERT_EQ(grounds.size(), 2u);
    const double k = omUnitValue(12.0, unit).Get(omUK_kN_m3);
    EXPECT_EQ(grounds[0].first, MemberOf(2));
    EXPECT_NEAR(grounds[0].values[0], k, 1e-9 * k);
    EXPECT_EQ(grounds[0].values[1], 2.0) << "the positive side";
    EXPECT_EQ(grounds[1].first, MemberOf(1));
    EXPECT_NEAR(grounds[1].values[0], k, 1e-9 * k);
    EXPECT_EQ(grounds[1].values[1], 2.0);
}

TEST_F(AGeometryViewTest, SwappingTheFillTwiceReturnsToTheFirstFill) {
    ADrawAttributes& attributes = *ADrawAttributes::Instance();
    const bool material = attributes.m_fillMaterialColor, section = attributes.m_fillCrossSectionColor;
    Command(ID_SHOW_MATERIAL_COLOR);
    EXPECT_EQ(Checked(ID_SHOW_MATERIAL_COLOR), 1);
    EXPECT_EQ(Checked(ID_SHOW_CROSS_SECTION_COLOR), 0);
    Command(ID_SHOW_CROSS_SECTION_COLOR);
    EXPECT_EQ(attributes.m_fillMaterialColor, material);
    EXPECT_EQ(attributes.m_fillCrossSectionColor, section);
}

TEST_F(AGeometryViewTest, AMoveOfZeroLengthSubmitsNothingAndAMoveSubmitsItsOffset) {
    Command(ID_SELECT);
    EXPECT_EQ(view->GetMouseMode(), AZoomView::modePick);
    EXPECT_EQ(doc->GetObjectList().GetCount(), 4 + 3) << "nodes and members to pick";
    Click(At(4.0, -3.0));
    ASSERT_EQ(doc->GetSelection().GetCount(), 1);
    Command(ID_MOVE);
    Click(At(4.0, -3.0));
    Click(At(4.0, -3.0));
    EXPECT_TRUE(EditsNamed("MoveSelection").empty());
    EXPECT_EQ(view->GetMouseMode(), AZoomView::modePick);

    Command(ID_MOVE);
    Click(At(4.0, -3.0));
    Move(At(5.0, -3.5));
    EXPECT_FALSE(view->GetDragShapes().IsEmpty()) << "the node and its two members follow";
    Save("GeometryViewMove.png");
    Click(At(5.0, -3.5));
    const auto moves = EditsNamed("MoveSelection");
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_NEAR(moves[0].values[0], 1.0, 1e-9);
    EXPECT_NEAR(moves[0].values[1], -0.5, 1e-9);
}

TEST_F(AGeometryViewTest, ContextMenusActOnTheObjectUnderTheCursor) {
    Command(ID_SELECT);
    // Split the beam into three.
    prompts.QueuePopupMenuChoice(ID_SPLIT_3);
    Click(At(2.0, -3.0), Qt::NoModifier, Qt::RightButton);
    ASSERT_EQ(EditsNamed("SplitElement").size(), 1u);
    EXPECT_EQ(EditsNamed("SplitElement")[0].first, MemberOf(2));
    EXPECT_EQ(EditsNamed("SplitElement")[0].values[0], 3.0);
    // More ...: the dialog preset to 10.
    dialogs.Queue([&](CDialog& d) {
        EXPECT_EQ(d.GetDlgItemText(1608), "10");
        d.PressButton(IDOK);
    });
    prompts.QueuePopupMenuChoice(ID_SPLIT_MORE);
    Click(At(2.0, -3.0), Qt::NoModifier, Qt::RightButton);
    ASSERT_EQ(EditsNamed("SplitElement").size(), 2u);
    EXPECT_EQ(EditsNamed("SplitElement")[1].values[0], 10.0);
    // A node's support toggles.
    prompts.QueuePopupMenuChoice(ID_NODE_TOGGLE_UX);
    Click(At(0.0, 0.0), Qt::NoModifier, Qt::RightButton);
    ASSERT_EQ(EditsNamed("ToggleNodeSupport").size(), 1u);
    EXPECT_EQ(EditsNamed("ToggleNodeSupport")[0].first, static_cast<ANode*>(NodeOf(1)));
    EXPECT_EQ(EditsNamed("ToggleNodeSupport")[0].values[0], 0.0);
    // The ground side of a member without ground: the warning, no edit.
    prompts.QueuePopupMenuChoice(ID_GROUND_BOTH);
    Click(At(2.0, -3.0), Qt::NoModifier, Qt::RightButton);
    EXPECT_TRUE(EditsNamed("SetElasticGround").empty());
    ASSERT_FALSE(prompts.MessageBoxes().empty());
    EXPECT_EQ(prompts.MessageBoxes().back().text, "The elastic ground coefficient is NULL!\nThis command has no effect!");
    // Move from the member's menu: the member and its nodes are selected and Move mode is on.
    prompts.QueuePopupMenuChoice(ID_ELEMENT_MOVE);
    Click(At(2.0, -3.0), Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(view->GetMouseMode(), AZoomView::modeMove);
    EXPECT_EQ(doc->GetSelection().GetCount(), 3);
    EXPECT_TRUE(NodeOf(2)->IsSelected());
    EXPECT_TRUE(NodeOf(3)->IsSelected());
}

TEST_F(AGeometryViewTest, TheFrameIsDrawnWithSupportsHingesGroundLabelsSelectionAndGrid) {
    // Every support kind and angle, on nodes of their own along the bottom.
    struct Support {
        double x;
        std::vector<omDofType> dofs;
        double angle;
    };
    const Support supports[] = {{6, {Ux}, 90},       {7, {Ux}, 270},      {8, {Uz}, 0},        {9, {Uz}, 180},
                                {10, {Ux, Uz}, 0},   {11, {Ux, Uz}, 90},  {12, {Ux, Uz}, 180}, {13, {Ux, Uz}, 270},
                                {14, {Ux, Uz, Ry}, 0}, {15, {Ux, Uz, Ry}, 90}, {16, {Ux, Uz, Ry}, 180},
                                {17, {Ux, Uz, Ry}, 270}};
    unsigned id = 10;
    for (const Support& s : supports) {
        model().addNode(s.x, 0.0, "m", id);
        for (omDofType t : s.dofs)
            model().setSupport(id, t, true);
        NodeOf(id)->SetSupportAngle(s.angle);
        NodeOf(id)->SetShowSupportSymbol(true);
        ++id;
    }
    fix(model(), 1, {Ux, Uz, Ry});
    NodeOf(1)->SetShowSupportSymbol(true);
    fix(model(), 4, {Ux, Uz});
    NodeOf(4)->SetShowSupportSymbol(true);
    // A hinge, a truss member, grounds on one side and on both.
    MemberOf(2)->release(omDesignElement::second, Ry, true);
    model().addNode(8.0, -3.0, "m", 5);
    model().addElement(3, 5, 1, 1, 4);
    MemberOf(4)->release(omDesignElement::first, Ry, true);
    MemberOf(4)->release(omDesignElement::second, Ry, true);
    model().addNode(6.0, -6.0, "m", 6);
    model().addNode(17.0, -6.0, "m", 7);
    model().addElement(6, 7, 1, 1, 5);
    auto* ground = dynamic_cast<ALinearDesignElement2D*>(MemberOf(5));
    ground->setElGroundCoef(omUnitValue(20000.0, omUK_kN_m3));
    ground->setElGroundType(egPositiveSide);
    auto* both = dynamic_cast<ALinearDesignElement2D*>(MemberOf(1));
    both->setElGroundCoef(omUnitValue(20000.0, omUK_kN_m3));
    both->setElGroundType(egBothSides);
    model().bind();
    FitExtents(1.5);
    doc->UpdateAllViews(nullptr, 3, nullptr);
    view->OnZoomExtents();
    Command(ID_SELECT);
    Click(At(4.0, -3.0));
    Click(At(2.0, -3.0), Qt::ShiftModifier);
    EXPECT_EQ(doc->GetSelection().GetCount(), 2);
    Move(At(3.0, -4.5));
    Save("GeometryViewFrame.png");

    // Zoom Window: the band over the picture.
    Command(ID_ZOOM_WINDOW);
    Click(At(-0.5, 0.5));
    Move(At(5.0, -4.0));
    EXPECT_TRUE(view->GetDragRect().IsDrawn());
    Save("GeometryViewZoomBand.png");
    QTest::keyClick(input, Qt::Key_Escape);
    EXPECT_EQ(view->GetMouseMode(), AZoomView::modePick);
}

} // namespace
