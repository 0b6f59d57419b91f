// Members: division into finite elements, load distribution, splitting, results
// and envelopes at the member's points.
#include "model/omDesignElement.h"

#include "FrameBuilder.h"
#include "ModelTestSupport.h"
#include "model/elements/omLinearLineFE2D.h"
#include "model/omElementLoadGroup.h"
#include "model/omEnvelope.h"
#include "model/omGenericDesignData.h"
#include "model/omLinkedNode.h"
#include "model/omNode2D.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <memory>

using frametest::Frame;
using modeltest::errorArguments;
using modeltest::errorCodes;

namespace {

class DesignElementTest : public modeltest::ModelTest {
protected:
    // A horizontal member 1-2 of length L on the x axis, bound and divided.
    omLinearDesignElement2D* beam(unsigned fes, double L = 400.0) {
        f.node(1, 0.0, 0.0);
        f.node(2, L, 0.0);
        omLinearDesignElement2D* e = f.member(1, 1, 2, fes);
        f.loadCase("lc");
        f.s.bind();
        return e;
    }
    std::vector<omLoad*> piecesOf(const omDesignElement* e, unsigned fe) {
        return e->getFEs()[fe]->getLoads();
    }

    Frame f;
};

const omLoadLinear* linearPiece(const omLoad* load) {
    return dynamic_cast<const omLoadLinear*>(load);
}

double intensity(const omLoadLinear* load, double x) {
    return load->getForce(0.0, x).getDof(Uz);
}

} // namespace

TEST_F(DesignElementTest, DividesIntoFiniteElementsWithInteriorNodes) {
    omLinearDesignElement2D* e = beam(2);
    ASSERT_EQ(e->getFEs().size(), 2u);
    ASSERT_EQ(e->getInternalNodes().size(), 1u);
    const omNode* middle = e->getInternalNodes().front();
    EXPECT_EQ(middle->getIndex(), 0u);
    EXPECT_DOUBLE_EQ(middle->getVector(omUK_cm, omNode::coorPlain)(1), 200.0);
    EXPECT_EQ(e->getFEs()[0]->getNode2(), middle);
    EXPECT_EQ(e->getFEs()[1]->getNode1(), middle);
    EXPECT_EQ(e->getFEs()[0]->getNode1(), e->getNode1());
    EXPECT_EQ(e->getFEPositions()[1], 0.5);
    EXPECT_EQ(e->getFEPositions()[2], 1.0);
    // The interior node takes part in the numbering.
    EXPECT_EQ(f.s.getNodeMap()->getExternalNodes().size(), 1u);

    // A ground needs at least five.
    e->setElGroundCoef(omUnitValue(0.01, omUK_kN_cm3));
    e->setElGroundType(egBothSides);
    ASSERT_TRUE(e->setupFEs());
    EXPECT_EQ(e->getFEs().size(), 5u);
    EXPECT_EQ(e->getInternalNodes().size(), 4u);
    const auto* fe = dynamic_cast<const omLinearLineFE2D*>(e->getFEs()[3]);
    ASSERT_NE(fe, nullptr);
    EXPECT_EQ(fe->getElGroundType(), egBothSides);
    EXPECT_EQ(fe->getElGroundCoef(), 0.01);
}

TEST_F(DesignElementTest, InteriorNodesIgnoreOffsetsLeftOnTheEnds) {
    // Creep offsets of an earlier solution are still on the nodes when the
    // members are divided; the interior nodes lie on the entered chord, and the
    // offsets reach them by the usual path.
    f.node(1, 0.0, 0.0);
    auto* end = dynamic_cast<omNode2D*>(f.node(2, 400.0, 0.0));
    end->setCreep(omUnitValue(0.0, omUK_cm), omUnitValue(8.0, omUK_cm));
    omLinearDesignElement2D* e = f.member(1, 1, 2, 4);
    f.s.bind();
    ASSERT_EQ(e->getInternalNodes().size(), 3u);
    double x = 0.0;
    for (const omNode* node : e->getInternalNodes()) {
        x += 100.0;
        const omVector p = node->getVector(omUK_cm, omNode::coorSkewCreep);
        EXPECT_DOUBLE_EQ(p(1), x);
        EXPECT_EQ(p(2), 0.0);
    }
    for (int i = 0; i <= 4; ++i)
        EXPECT_DOUBLE_EQ(e->getFEPositions()[i], i / 4.0);
}

TEST_F(DesignElementTest, LinkedNodeWithAReleaseStandsBetweenMemberAndNode) {
    f.node(1, 0.0, 0.0);
    f.node(2, 400.0, 0.0);
    omLinearDesignElement2D* e = f.member(1, 1, 2);
    EXPECT_FALSE(e->isReleased(omDesignElement::second, Ry));
    e->release(omDesignElement::second, Ry, true);
    f.s.bind();
    EXPECT_EQ(e->getFEs()[0]->getNode1(), e->getNode1());
    EXPECT_EQ(e->getFEs()[0]->getNode2(), e->getLinkedNode2());
    EXPECT_EQ(e->getLinkedNode2()->getMaster(), e->getNode2());
    EXPECT_EQ(f.s.getNodeMap()->getExternalNodes(),
              std::vector<omNode*>{const_cast<omLinkedNode*>(e->getLinkedNode2())});
    EXPECT_EQ(e->getReleaseString(omDesignElement::second), "Ry");
    EXPECT_EQ(e->getReleaseString(omDesignElement::first), "");
}

TEST_F(DesignElementTest, PositionsMapToTheFiniteElementThatHoldsThem) {
    const double L = 400.0, P = 10.0;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    omLinearDesignElement2D* e = f.member(1, 1, 2, 2);
    f.nodeForce(2, 0.0, P);
    f.loadCase("tip");
    ASSERT_TRUE(f.solve());
    const omVector& U = f.s.getDisplacements();
    // At and beyond the end: the last finite element at its end.
    EXPECT_NEAR(e->internalForceAt(1.0, U).getDof(Ry), 0.0, 1e-9 * P * L);
    EXPECT_EQ(e->internalForceAt(1.5, U).getDof(Ry), e->internalForceAt(1.0, U).getDof(Ry));
    EXPECT_NEAR(e->internalForceAt(0.25, U).getDof(Ry), -0.75 * P * L, 1e-9 * P * L);
    EXPECT_NEAR(e->internalForceAt(0.75, U).getDof(Ry), -0.25 * P * L, 1e-9 * P * L);
    EXPECT_DOUBLE_EQ(e->displacementAt(1.0, U).getDof(Uz), f.nodeResult(2, Uz));
}

TEST_F(DesignElementTest, DistributesLoadsOverTheFiniteElements) {
    omLinearDesignElement2D* e = beam(2);
    f.linear(1, 2.0, 2.0, 0.25, 0.75);
    f.point(1, 0.75, 5.0);
    f.temperature(1, 10.0, 20.0);
    ASSERT_TRUE(e->distributeLoad());

    const auto first = piecesOf(e, 0), second = piecesOf(e, 1);
    ASSERT_EQ(first.size(), 2u);
    ASSERT_EQ(second.size(), 3u);
    const omLoadLinear* a = linearPiece(first[0]);
    const omLoadLinear* b = linearPiece(second[0]);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->getStart(), 0.5);
    EXPECT_EQ(a->getEnd(), 1.0);
    EXPECT_EQ(b->getStart(), 0.0);
    EXPECT_EQ(b->getEnd(), 0.5);
    EXPECT_EQ(first[1]->getType(), omLoad::Temperature);
    const auto* force = dynamic_cast<const omLoadForce*>(second[1]);
    ASSERT_NE(force, nullptr);
    EXPECT_EQ(force->getX(), 0.5);
    EXPECT_EQ(second[2]->getType(), omLoad::Temperature);

    // A second distribution replaces the pieces rather than adding to them.
    ASSERT_TRUE(e->distributeLoad());
    EXPECT_EQ(piecesOf(e, 0).size(), 2u);
    EXPECT_EQ(piecesOf(e, 1).size(), 3u);
}

TEST_F(DesignElementTest, PiecesOfALinearLoadKeepTheLoadsOwnIntensities) {
    omLinearDesignElement2D* e = beam(4);
    // 2 kN/m at the start rising to 6 kN/m at the end, over the whole member.
    omLoadLinear* load = f.linear(1, 0.02, 0.06, 0.0, 1.0);
    load->convert(omUK_kN_m, omUK_kNm_m);
    ASSERT_TRUE(e->distributeLoad());
    for (unsigned i = 0; i < 4; ++i) {
        const omLoadLinear* piece = linearPiece(piecesOf(e, i).front());
        ASSERT_NE(piece, nullptr);
        EXPECT_EQ(piece->getStart(), 0.0);
        EXPECT_EQ(piece->getEnd(), 1.0);
        EXPECT_NEAR(intensity(piece, 0.0), 0.02 + 0.01 * i, 1e-15) << i;
        EXPECT_NEAR(intensity(piece, 1.0), 0.03 + 0.01 * i, 1e-15) << i;
        // The pieces keep the load's units.
        EXPECT_EQ(const_cast<omLoadLinear*>(piece)->getFs(Uz).GetKey(), omUK_kN_m);
    }
}

TEST_F(DesignElementTest, RisingLoadOnAFinelyDividedBeam) {
    // The fixed-end moments of a triangular load: qL²/30 and qL²/20, whatever the division.
    const double L = 600.0, q = 0.3;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    f.fix(2, {Ux, Uz, Ry});
    f.member(1, 1, 2, 6);
    f.linear(1, 0.0, q, 0.0, 1.0);
    f.loadCase("triangle");
    ASSERT_TRUE(f.solve());
    EXPECT_NEAR(f.M(1, 0.0), -q * L * L / 30.0, 1e-9 * q * L * L);
    EXPECT_NEAR(f.M(1, 1.0), -q * L * L / 20.0, 1e-9 * q * L * L);
}

TEST_F(DesignElementTest, ResultPointsAreEqualStepsAndLoadPoints) {
    omLinearDesignElement2D* e = beam(1);
    e->reserveResults(4, f.s.getLoadManager());
    EXPECT_EQ(e->getResult().getPoints(), (std::vector<double>{0.0, 0.25, 0.5, 0.75, 1.0}));
    ASSERT_EQ(e->getResult().caseSize(), 1);
    EXPECT_EQ(e->getResult().getLCResult(1).size(), 5u);
    EXPECT_TRUE(e->areResultsValid(f.s.getLoadManager()));

    f.point(1, 0.4, 1.0);
    e->reserveResults(4, f.s.getLoadManager());
    EXPECT_EQ(e->getResult().getPoints().size(), 7u);
    EXPECT_EQ(e->getResult().getLCResult(1).size(), 7u);

    f.loadCase("another");
    EXPECT_FALSE(e->areResultsValid(f.s.getLoadManager()));
    e->clearResults();
    EXPECT_TRUE(e->getResult().empty());
}

TEST_F(DesignElementTest, ContactPressureFollowsTheGroundSide) {
    omLinearDesignElement2D* e = beam(1);
    const double k = 0.02;
    e->setElGroundCoef(omUnitValue(k, omUK_kN_cm3));
    struct Case {
        ElGroundType type;
        double down, up; // pressure at w = +2 and w = -2
    } cases[] = {{egNone, 0.0, 0.0},
                 {egBothSides, 2 * k, -2 * k},
                 {egPositiveSide, 2 * k, 0.0},
                 {egNegativeSide, 0.0, -2 * k}};
    for (const Case& c : cases) {
        e->setElGroundType(c.type);
        EXPECT_DOUBLE_EQ(e->contactPressure(2.0), c.down) << c.type;
        EXPECT_DOUBLE_EQ(e->contactPressure(-2.0), c.up) << c.type;
    }
    e->setElGroundCoef(omUnitValue(0.0, omUK_kN_cm3));
    e->setElGroundType(egBothSides);
    EXPECT_FALSE(e->isElasticGround());
    EXPECT_TRUE(e->isLinear());
    EXPECT_EQ(e->contactPressure(2.0), 0.0);
}

TEST_F(DesignElementTest, ModifyResultsScalesOnlyThatCase) {
    const double L = 400.0, q = 0.1;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux, Uz});
    f.fix(2, {Uz});
    omLinearDesignElement2D* e = f.member(1, 1, 2);
    e->setElGroundCoef(omUnitValue(0.001, omUK_kN_cm3));
    e->setElGroundType(egBothSides);
    f.uniform(1, q);
    f.loadCase("a");
    f.loadCase("b");
    ASSERT_TRUE(f.solve());
    const omPointResult before = f.pointAt(1, 0.5, 1);
    ASSERT_GT(before.pressure, 0.0);
    e->modifyResults(1, 2.0);
    const omPointResult& after = f.pointAt(1, 0.5, 1);
    EXPECT_EQ(after.F.getDof(Ry), 2.0 * before.F.getDof(Ry));
    EXPECT_EQ(after.U.getDof(Uz), 2.0 * before.U.getDof(Uz));
    EXPECT_EQ(after.pressure, 2.0 * before.pressure);
    EXPECT_EQ(f.pointAt(1, 0.5, 2).F.getDof(Ry), before.F.getDof(Ry));
}

TEST_F(DesignElementTest, SkewAndCreepOffsetsBecomeResultsInMemberAxes) {
    struct Case {
        double x2, z2; // node 2; node 1 at the origin
        double expectUx, expectUz;
    } cases[] = {{400.0, 0.0, 2.0, 0.0}, {0.0, 400.0, 0.0, -2.0}};
    for (const Case& c : cases) {
        Frame g;
        auto* n1 = dynamic_cast<omNode2D*>(g.node(1, 0.0, 0.0));
        auto* n2 = dynamic_cast<omNode2D*>(g.node(2, c.x2, c.z2));
        omLinearDesignElement2D* e = g.member(1, 1, 2);
        g.loadCase("lc");
        g.s.bind();
        e->reserveResults(2, g.s.getLoadManager());
        n1->setSkew(omUnitValue(1.0, omUK_cm), omUnitValue(0.0, omUK_cm));
        n2->setSkew(omUnitValue(3.0, omUK_cm), omUnitValue(0.0, omUK_cm));
        n2->setCreep(omUnitValue(7.0, omUK_cm), omUnitValue(7.0, omUK_cm));
        e->skewCreepDisplacementsToResults(true, false, 1);
        const omPointResult& middle = e->getResult().getLCResult(1)[1];
        EXPECT_NEAR(middle.U.getDof(Ux), c.expectUx, 1e-12);
        EXPECT_NEAR(middle.U.getDof(Uz), c.expectUz, 1e-12);

        e->skewCreepDisplacementsToResults(false, false, 1);
        for (const omPointResult& p : e->getResult().getLCResult(1)) {
            EXPECT_EQ(p.U.getDof(Ux), 0.0);
            EXPECT_EQ(p.U.getDof(Uz), 0.0);
        }
    }
}

TEST_F(DesignElementTest, EnvelopeExtremesStartFromTheLargestDoubles) {
    omLinearDesignElement2D* e = beam(1);
    e->reserveResults(2, f.s.getLoadManager());
    // A positive moment everywhere in the only case.
    for (omPointResult& p : e->getResult().getLCResult(1)) {
        p.F.getDof(Ry) = 5.0;
        p.pressure = 1.0;
    }
    e->getResult().getLCResult(1)[1].F.getDof(Ry) = 7.0;
    auto* envelope = new omEnvelope();
    f.s.getLoadManager()->addEnvelope(envelope);
    envelope->add(1, f.s.getLoadManager()->getCase(1));
    e->reserveEnvelope(f.s.getLoadManager());
    EXPECT_EQ(e->getEnvelope().getMinResult(1)[0].F.getDof(Ry), DBL_MAX);
    EXPECT_EQ(e->getEnvelope().getMaxResult(1)[0].pressure, -DBL_MAX);
    e->calcEnvelope(1, f.s.getLoadManager());
    const omLoadCaseResult& minimum = e->getEnvelope().getMinResult(1);
    const omLoadCaseResult& maximum = e->getEnvelope().getMaxResult(1);
    EXPECT_EQ(minimum[0].F.getDof(Ry), 5.0);
    EXPECT_EQ(minimum[1].F.getDof(Ry), 7.0);
    for (size_t j = 0; j < minimum.size(); ++j) {
        EXPECT_EQ(minimum[j].F.getDof(Ry), maximum[j].F.getDof(Ry));
        EXPECT_EQ(minimum[j].pressure, 1.0);
    }
    EXPECT_EQ(envelope->getMaxAbsF().getDof(Ry), 7.0);
    EXPECT_TRUE(e->getEnvelope().areResultsValid(f.s.getLoadManager()));
}

TEST_F(DesignElementTest, SplitsAtANodeAndMovesTheLoads) {
    const double L = 400.0;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    const omNode* middle = f.node(3, L / 2.0, 0.0);
    omLinearDesignElement2D* e = f.member(1, 1, 2, 3);
    e->release(omDesignElement::second, Ry, true);
    f.s.bind();
    omLoadForce* point = f.point(1, 0.75, 4.0);
    omLoadLinear* stays = f.linear(1, 1.0, 1.0, 0.1, 0.3);
    f.linear(1, 1.0, 1.0, 0.6, 0.9);
    omLoadLinear* whole = f.linear(1, 2.0, 4.0, 0.0, 1.0);
    ASSERT_NE(point, nullptr);

    omUndoList undo;
    std::unique_ptr<omDesignElement> other(e->split(undo, middle));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(undo.size(), 2u);
    EXPECT_EQ(e->getNodeIndex2(), 3u);
    EXPECT_EQ(other->getNodeIndex1(), 3u);
    EXPECT_EQ(other->getNodeIndex2(), 2u);
    EXPECT_EQ(other->getNumberOfFE(), 3u);
    EXPECT_TRUE(e->getFEs().empty());
    // The release of the old end moves with it.
    EXPECT_TRUE(other->isReleased(omDesignElement::second, Ry));
    EXPECT_FALSE(e->isReleased(omDesignElement::second, Ry));

    EXPECT_DOUBLE_EQ(stays->getStart(), 0.2);
    EXPECT_DOUBLE_EQ(stays->getEnd(), 0.6);
    EXPECT_EQ(whole->getStart(), 0.0);
    EXPECT_EQ(whole->getEnd(), 1.0);
    EXPECT_DOUBLE_EQ(intensity(whole, 0.0), 2.0);
    EXPECT_DOUBLE_EQ(intensity(whole, 1.0), 3.0);
    EXPECT_EQ(e->getLoad()->size(), 2);

    const auto& moved = other->getLoad()->getLoads();
    ASSERT_EQ(moved.size(), 3u);
    const auto* movedPoint = dynamic_cast<const omLoadForce*>(moved[0]);
    ASSERT_NE(movedPoint, nullptr);
    EXPECT_DOUBLE_EQ(movedPoint->getX(), 0.5);
    const omLoadLinear* movedLinear = linearPiece(moved[1]);
    ASSERT_NE(movedLinear, nullptr);
    EXPECT_DOUBLE_EQ(movedLinear->getStart(), 0.2);
    EXPECT_DOUBLE_EQ(movedLinear->getEnd(), 0.8);
    const omLoadLinear* cut = linearPiece(moved[2]);
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(cut->getStart(), 0.0);
    EXPECT_EQ(cut->getEnd(), 1.0);
    EXPECT_DOUBLE_EQ(intensity(cut, 0.0), 3.0);
    EXPECT_DOUBLE_EQ(intensity(cut, 1.0), 4.0);

    // At an end node nothing is split.
    omUndoList again;
    EXPECT_EQ(e->split(again, f.s.getNodeMap()->find(1)), nullptr);
}

TEST_F(DesignElementTest, CopiesCarryTheMemberButNotItsAnalysis) {
    omLinearDesignElement2D* e = beam(2);
    e->setName("Rafter");
    e->release(omDesignElement::first, Ry, true);
    e->setElGroundCoef(omUnitValue(0.01, omUK_kN_cm3));
    e->setElGroundType(egPositiveSide);
    f.uniform(1, 0.1);
    std::unique_ptr<omDesignElement> copy(e->clone());
    EXPECT_EQ(copy->getIndex(), 1u);
    EXPECT_EQ(copy->getIdName(true, true), "1: Rafter");
    EXPECT_EQ(copy->getIdName(false, true), "Rafter");
    EXPECT_EQ(copy->getNode2(), e->getNode2());
    EXPECT_TRUE(copy->isReleased(omDesignElement::first, Ry));
    EXPECT_NE(copy->getLinkedNode1(), e->getLinkedNode1());
    EXPECT_EQ(copy->getNumberOfFE(), 2u);
    EXPECT_TRUE(copy->getFEs().empty());
    EXPECT_FALSE(copy->isLinear());
    ASSERT_NE(copy->getLoad(), nullptr);
    EXPECT_NE(copy->getLoad(), e->getLoad());
    EXPECT_EQ(copy->getLoad()->getElement<omDesignElement>(), copy.get());

    std::unique_ptr<omDesignElement> fresh(e->create());
    EXPECT_EQ(fresh->getIndex(), 0u);
    EXPECT_EQ(fresh->getNodeIndex2(), 2u);
    EXPECT_EQ(fresh->getLoad(), nullptr);
}

TEST_F(DesignElementTest, MissingPartsAreReported) {
    f.node(1, 0.0, 0.0);
    f.member(1, 1, 5, 1, 7, 8);
    f.s.bind();
    EXPECT_EQ(errorCodes(), (std::vector<unsigned>{1001, 1008, 1007}));
    EXPECT_EQ(errorArguments(0), (std::vector<std::string>{"1", "5"}));
    EXPECT_TRUE(f.element(1)->getFEs().empty());
    EXPECT_EQ(f.element(1)->volume(), 0.0);
}

TEST_F(DesignElementTest, VolumeIsAreaTimesLength) {
    omLinearDesignElement2D* e = beam(1, 300.0);
    EXPECT_DOUBLE_EQ(e->length(), 300.0);
    EXPECT_DOUBLE_EQ(e->volume(), frametest::kA * 300.0);
    EXPECT_DOUBLE_EQ(f.s.getElementMap()->volume(), frametest::kA * 300.0);
}

TEST_F(DesignElementTest, LogsTheMemberAndItsForces) {
    CapturedLog log({lfElements, lfElementLoads, lfElementResults});
    Frame g;
    g.node(1, 0.0, 0.0);
    g.node(2, 400.0, 0.0);
    g.fix(1, {Ux, Uz, Ry});
    g.member(1, 1, 2);
    g.point(1, 1.0, 2.0);
    g.loadCase("lc");
    ASSERT_TRUE(g.solve());
    const std::string text = log.text();
    EXPECT_NE(
        text.find("\nid=1, Node1: 1, Node2: 2, Length: 400, Linked Node1: 0, Linked Node2: 0, NumFE: 1, "
                  "Section: 1, Material: 1, LinearDesignElement2D"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find("\nElement: 1 has 1 load(s):"), std::string::npos);
    EXPECT_NE(text.find("Element forces and displacements for all elements:"), std::string::npos);
    EXPECT_NE(text.find("\nx(rel): 0.00, F="), std::string::npos);
}
