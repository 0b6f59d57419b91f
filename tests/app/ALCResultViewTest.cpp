// The load-case result view on a solved portal frame: the diagram commands and
// the hints they send, what a sway-imperfection case offers, a shown case that
// is deleted, picking result marks, and the pictures of the diagrams.
#include "app/views/ALCResultView.h"

#include "StructureViewFixture.h"

#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AElementResultSheet.h"
#include "framework/APPropertyFrame.h"
#include "model/elements/omLinearLineFE2D.h"
#include "model/omEnvelope.h"
#include "model/omLoadManager.h"
#include "platform/ui/CCmdUI.h"
#include "resources/ui/StrakonResourceIds.h"
#include "tests/support/MouseInput.h"

#include <QApplication>
#include <QClipboard>

#include <algorithm>

namespace {

using namespace strakonmodel;

class HintRecorder : public CView {
public:
    void OnDraw(CDC*) override {}
    void OnUpdate(CView*, LPARAM lHint, CObject*) override { hints.push_back(static_cast<int>(lHint)); }
    std::vector<int> hints;
};

class ALCResultViewTest : public StructureViewTest<ALCResultView> {
protected:
    void SetUp() override {
        StructureViewTest::SetUp();
        // A portal frame on a foundation beam that rests on the ground (metres, z down).
        basics(model());
        model().addNode(0.0, 0.0, "m", 1);
        model().addNode(0.0, -3.0, "m", 2);
        model().addNode(4.0, -3.0, "m", 3);
        model().addNode(4.0, 0.0, "m", 4);
        model().addElement(1, 2, 1, 1, 1);
        model().addElement(2, 3, 1, 1, 2);
        model().addElement(4, 3, 1, 1, 3);
        model().addElement(1, 4, 1, 1, 4);
        auto* foundation = dynamic_cast<ALinearDesignElement2D*>(MemberOf(4));
        foundation->setElGroundCoef(omUnitValue(50000.0, omUK_kN_m3));
        foundation->setElGroundType(egBothSides);
        fix(model(), 1, {Ux, Uz});
        fix(model(), 4, {Uz});
        nodeForce(model(), 2, 20.0, 40.0);
        nodeForce(model(), 3, 0.0, 60.0);
        loadCase(model(), "LC1", omLoadCase::lsUltimate, 1.0);
        loadCase(model(), "sway", omLoadCase::lsSkew, 1.0)
            ->setSkew(200.0, 0.0, omUnitValue(0.0, omUK_cm), omUnitValue(0.0, omUK_cm));
        loadCase(model(), "LC3", omLoadCase::lsUltimate, -0.6);
        auto* envelope = new omEnvelope;
        model().getLoadManager()->addEnvelope(envelope);
        envelope->add(1, model().getLoadManager()->getCase(1));
        envelope->add(2, model().getLoadManager()->getCase(3));
        ASSERT_TRUE(doc->Solve());
        FitExtents(1.0);
        ASSERT_NE(OpenView(), nullptr);
        doc->AddView(&recorder);
    }
    void TearDown() override {
        doc->RemoveView(&recorder);
        StructureViewTest::TearDown();
    }
    void Show(int resultCase, UINT kind) {
        view->SetResultCase(resultCase);
        doc->SetActiveResultCase(resultCase, false);
        Command(kind);
        recorder.hints.clear();
    }

    // The hints the document sent, sorted: a result view answers a kind's hint
    // with its own redraw hint while the kind's hint is still going round.
    std::vector<int> Hints() {
        std::vector<int> hints = recorder.hints;
        std::sort(hints.begin(), hints.end());
        return hints;
    }

    HintRecorder recorder;
};

TEST_F(ALCResultViewTest, DiagramCommandsSwitchEveryResultViewAndTheDisplacedShapeRecomputesTheExtents) {
    EXPECT_EQ(view->GetResultKind(), ALCResultView::kindMoments);
    EXPECT_EQ(Checked(ID_RESULT_MOMENTS), 1);
    Command(ID_RESULT_AXIAL_FORCES);
    EXPECT_EQ(Hints(), std::vector<int>({3000, 3102}));
    EXPECT_EQ(view->GetResultKind(), ALCResultView::kindAxialForces);
    EXPECT_EQ(Checked(ID_RESULT_MOMENTS), 0);

    Command(ID_RESULT_MOMENTS);
    recorder.hints.clear();
    Command(ID_RESULT_DISPLACEMENTS);
    Command(ID_RESULT_MOMENTS);
    EXPECT_EQ(Hints(), std::vector<int>({3003, 3003, 3101, 3104}));

    Command(ID_RESULT_DISPLACEMENTS);
    Command(ID_RESULT_LOCAL_DISPLACEMENTS);
    EXPECT_TRUE(view->IsLocal());
    Command(ID_RESULT_DISPLACEMENTS);
    EXPECT_FALSE(view->IsLocal());

    recorder.hints.clear();
    const double factor = ADrawAttributes::Instance()->m_diagramFactor;
    Command(ID_EXPAND_DIAGRAM);
    EXPECT_DOUBLE_EQ(ADrawAttributes::Instance()->m_diagramFactor, factor * 1.25);
    Command(ID_TOGGLE_LABELS);
    EXPECT_FALSE(ADrawAttributes::Instance()->m_showResultsLabels);
    EXPECT_EQ(Hints(), std::vector<int>({3000, 3003}));
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    EXPECT_FALSE(Enabled(ID_EDIT_REDO));
    EXPECT_EQ(view->GetModeName(), "Result View");
}

TEST_F(ALCResultViewTest, ASwayImperfectionCaseOffersOnlyDisplacementsAndContactPressures) {
    struct Case {
        int resultCase;
        bool forces;
    };
    for (const Case c : {Case{1, true}, Case{2, false}, Case{1001, true}}) {
        SCOPED_TRACE(c.resultCase);
        view->SetResultCase(c.resultCase);
        for (UINT id : {ID_RESULT_MOMENTS, ID_RESULT_AXIAL_FORCES, ID_RESULT_SHEAR_FORCES, ID_RESULT_ROTATIONS,
                        ID_RESULT_LOCAL_DISPLACEMENTS})
            EXPECT_EQ(Enabled(id), c.forces) << id;
        EXPECT_TRUE(Enabled(ID_RESULT_DISPLACEMENTS));
        EXPECT_TRUE(Enabled(ID_CONTACT_PRESSURES)) << "a member rests on the ground";
    }
    // Without ground, contact pressures are off and unchecked.
    view->SetResultCase(1);
    Command(ID_CONTACT_PRESSURES);
    EXPECT_EQ(Checked(ID_CONTACT_PRESSURES), 1);
    dynamic_cast<ALinearDesignElement2D*>(MemberOf(4))->setElGroundType(egNone);
    EXPECT_FALSE(Enabled(ID_CONTACT_PRESSURES));
    EXPECT_EQ(Checked(ID_CONTACT_PRESSURES), 0);
}

TEST_F(ALCResultViewTest, ADeletedCaseLeavesTheStructureDrawnAndTheDiagramCommandsDisabled) {
    Show(3, ID_RESULT_MOMENTS);
    model().getLoadManager()->deleteCase(3);
    doc->UpdateAllViews(nullptr, 3200, nullptr);
    EXPECT_FALSE(view->IsResultCaseValid());
    Save("ResultViewDeletedCase.png");
    for (UINT id : {ID_RESULT_MOMENTS, ID_RESULT_DISPLACEMENTS, ID_CONTACT_PRESSURES, ID_EXPAND_DIAGRAM})
        EXPECT_FALSE(Enabled(id)) << id;
    view->OnActivateView(TRUE, view, view);
    EXPECT_EQ(doc->GetActiveResultCase(), 3);
    omRect extents;
    doc->GetDrawExtents(extents, omUK_m, 5, 3);
    EXPECT_TRUE(std::isfinite(extents.width()));
    Command(ID_RESULT_DISPLACEMENTS);
    Save("ResultViewDeletedCase.png");

    // An envelope that goes is treated the same way.
    Show(1001, ID_RESULT_MOMENTS);
    model().getLoadManager()->deleteEnvelope(1);
    doc->UpdateAllViews(nullptr, 5101, nullptr);
    EXPECT_FALSE(Enabled(ID_RESULT_MOMENTS));
    Save("ResultViewDeletedCase.png");
}

TEST_F(ALCResultViewTest, ActivationOffersTheResultMarksOfLoadCasesUpToOneThousand) {
    for (int resultCase : {1, 1000, 1001}) {
        SCOPED_TRACE(resultCase);
        view->SetResultCase(resultCase);
        view->OnActivateView(TRUE, view, view);
        EXPECT_EQ(doc->GetObjectList().GetCount(), resultCase <= 1000 ? 4 : 0);
        EXPECT_EQ(view->GetMouseMode(), AZoomView::modePick);
        EXPECT_EQ(doc->GetActiveResultCase(), resultCase);
    }
}

TEST_F(ALCResultViewTest, PicturesOfTheDiagrams) {
    struct Picture {
        int resultCase;
        UINT kind;
        const char* file;
    };
    const Picture pictures[] = {
        {1, ID_RESULT_MOMENTS, "ResultViewMoments.png"},
        {1, ID_RESULT_DISPLACEMENTS, "ResultViewDisplacements.png"},
        {1, ID_RESULT_LOCAL_DISPLACEMENTS, "ResultViewLocalUz.png"},
        {1, ID_CONTACT_PRESSURES, "ResultViewContactPressures.png"},
        {1001, ID_RESULT_MOMENTS, "ResultViewEnvelope.png"},
    };
    for (const Picture& p : pictures) {
        Show(p.resultCase, p.kind);
        view->OnZoomExtents();
        Move(At(2.0, -1.5));
        Save(p.file);
    }
}

TEST_F(ALCResultViewTest, DISABLED_DoubleClickOnAMemberShowsItsResultsOfTheActiveCaseAndFollowsANewCase) {
    Show(1, ID_RESULT_MOMENTS);
    view->OnActivateView(TRUE, view, view);
    view->OnZoomExtents();
    // The girder from node 2 to node 3, at its middle.
    const QPoint girder = At(2.0, -3.0);
    QTest::mouseMove(input, girder);
    testsupport::DoubleClick(input, girder);
    viewhost::Pump();
    APPropertyFrame* frame = APPropertyFrame::Existing();
    ASSERT_NE(frame, nullptr);
    auto* sheet = dynamic_cast<ADesignElementResultProperty*>(frame->GetProperySheet());
    ASSERT_NE(sheet, nullptr) << "the results mark's sheet";
    EXPECT_EQ(frame->GetWindowText(), "Element Properties");
    ADesignElementResultPage& page = sheet->GetResultPage();
    EXPECT_EQ(doc->m_pElementResultPage, &page) << "the document knows the open page";
    EXPECT_EQ(page.GetDlgItem(1554)->GetWindowText(), MemberOf(2)->getIdName(true, true));
    EXPECT_EQ(sheet->GetTabText(0), "LC1");
    CGridCtrl& grid = page.GetGrid();
    ASSERT_EQ(grid.GetRowCount(), 7);
    const int n = grid.GetColumnCount() - 1;
    ASSERT_GE(n, 2);
    const omElementResult& result = MemberOf(2)->getResult();
    const double moment = result.getLCResult(1)[0].F.getDof(Ry);
    EXPECT_NEAR(omUnitValue(std::stod(grid.GetItemText(1, 1)), AUnitKeyAttributes::Instance()->moment).Get(omUK_kNcm),
                moment, std::fabs(moment) * 1e-3 + 1e-6);

    // All to clipboard, pressed with the mouse.
    QApplication::clipboard()->clear();
    QTest::mouseClick(page.GetDlgItem(1438)->GetWidget(), Qt::LeftButton);
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[1].split('\t').first().trimmed().toStdString(), grid.GetItemText(1, 1));

    // Another case's window becomes active: the open page follows it.
    const std::string before = grid.GetItemText(1, 1);
    view->SetResultCase(3);
    view->OnActivateView(TRUE, view, view);
    EXPECT_EQ(page.GetLoadCase(), 3);
    EXPECT_EQ(sheet->GetTabText(0), "LC3");
    EXPECT_NE(grid.GetItemText(1, 1), before);
    // An envelope is no load case: an empty grid, nothing stale.
    view->SetResultCase(1001);
    view->OnActivateView(TRUE, view, view);
    EXPECT_EQ(grid.GetRowCount(), 0);

    frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(doc->m_pElementResultPage, nullptr);
    APPropertyFrame::Release();
}

} // namespace
