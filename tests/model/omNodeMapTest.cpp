#include "model/omNodeMap.h"
#include "model/omLinkedNode.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "model/omNode2D.h"
#include "model/omNodeLoadGroup.h"

#include "ModelTestSupport.h"

namespace {

using modeltest::errorArguments;
using modeltest::errorCodes;

const omDofStructureType* plane() {
    return omDofStrakonStructureType::instance();
}

// The node lists never touch the stiffness matrix they are given; the tests
// have none to give.
const omStiffnessMatrix& noMatrix() {
    alignas(64) static const unsigned char storage[256] = {};
    return *reinterpret_cast<const omStiffnessMatrix*>(storage);
}

// A portal leg and a beam:
//
//   2 o-------------o 3 (pinned: Ux, Uz)
//     |  hinge at 2 on the beam (linked node 10, Ry released)
//     |
//   1 # (fixed: Ux, Uz, Ry)
//
// The column uses nodes 1 and 2; the beam uses the hinge and node 3.
class Frame : public modeltest::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        auto* n1 = new omNode2D(0, 0, "m", 1);
        auto* n2 = new omNode2D(0, 4, "m", 2);
        auto* n3 = new omNode2D(6, 4, "m", 3);
        for (omDofType t : {Ux, Uz, Ry})
            n1->setSupport(t, true);
        n3->setSupport(Ux, true);
        n3->setSupport(Uz, true);
        // Inserted out of order: numbering follows the numbers, not the insertion.
        map.insert(n3);
        map.insert(n1);
        map.insert(n2);
        hinge = new omLinkedNode2D(n2, 10);
        hinge->releaseLink(Ry, true);
        map.addExternalNode(hinge);

        for (omNode* n : {static_cast<omNode*>(n1), static_cast<omNode*>(n2), static_cast<omNode*>(hinge),
                          static_cast<omNode*>(n3)})
            for (omDofType t : {Ux, Uz, Ry})
                n->useDof(t, true);
    }
    void TearDown() override {
        map.clearExternalNodes();
        delete hinge;
        ModelTest::TearDown();
    }

    void number() {
        map.resetEquationIndexes();
        for (unsigned id : {1u, 2u, 3u})
            for (omDofType t : {Ux, Uz, Ry})
                map.find(id)->useDof(t, true);
        for (omDofType t : {Ux, Uz, Ry})
            hinge->useDof(t, true);
        ASSERT_TRUE(map.setupEquationIndexes());
    }

    std::vector<unsigned> equations(const omNode* n) const {
        return {n->equation(Ux), n->equation(Uz), n->equation(Ry)};
    }

    // One load group "G" and one case with factor 1.5 for it, active and bound.
    void activateCase(double factor = 1.5) {
        lm.addGroup(omLoadGroup("G"));
        auto* lc = new omLoadCase("LC", omLoadCase::lsUltimate, plane());
        lm.addCase(lc, true);
        ASSERT_TRUE(lm.setFactors("LC", omVector(1, &factor)));
        ASSERT_TRUE(lm.setActiveCase(1));
        map.bindLoadGroups(&lm);
    }

    omNodeMap map;
    omLinkedNode2D* hinge = nullptr;
    omLoadManager lm;
};

TEST_F(Frame, FreeDofsComeFirstThenSupportedOnesInNodeOrder) {
    number();
    EXPECT_EQ(map.getNumberOfEquations(), 5u);
    EXPECT_EQ(map.getNumberOfReactions(), 5u);
    EXPECT_EQ(equations(map.find(2)), (std::vector<unsigned>{1, 2, 3}));
    EXPECT_EQ(equations(map.find(3)), (std::vector<unsigned>{9, 10, 4}));
    EXPECT_EQ(equations(map.find(1)), (std::vector<unsigned>{6, 7, 8}));
    // The hinge shares the translations of node 2 and numbers its own rotation
    // after every free DOF of the map nodes.
    EXPECT_EQ(equations(hinge), (std::vector<unsigned>{1, 2, 5}));
    EXPECT_TRUE(errorCodes().empty());
}

TEST_F(Frame, TwoNodeExample) {
    omNodeMap small;
    auto* fixed = new omNode2D(0, 0, "m", 1);
    auto* free = new omNode2D(1, 0, "m", 2);
    for (omDofType t : {Ux, Uz, Ry}) {
        fixed->setSupport(t, true);
        fixed->useDof(t, true);
        free->useDof(t, true);
    }
    small.insert(fixed);
    small.insert(free);
    small.setupEquationIndexes();
    EXPECT_EQ(small.getNumberOfEquations(), 3u);
    EXPECT_EQ(small.getNumberOfReactions(), 3u);
    EXPECT_EQ(equations(free), (std::vector<unsigned>{1, 2, 3}));
    EXPECT_EQ(equations(fixed), (std::vector<unsigned>{4, 5, 6}));
}

TEST_F(Frame, ANodeNoElementUsesIsReportedAndLeftOut) {
    map.insert(new omNode2D(9, 9, "m", 4));
    number();
    EXPECT_EQ(errorCodes(), (std::vector<unsigned>{1017, 1017, 1017}));
    EXPECT_EQ(errorArguments(0), (std::vector<std::string>{"Ux", "4"}));
    EXPECT_EQ(equations(map.find(4)), (std::vector<unsigned>{0, 0, 0}));
    EXPECT_EQ(map.getNumberOfEquations(), 5u);
}

TEST_F(Frame, NodalForcesLandOnTheirEquationsTimesTheFactor) {
    number();
    activateCase(1.5);
    auto* f2 = new omLoadForce(plane(), 1);
    f2->setF(Ux, omUnitValue(10, omUK_kN));
    f2->setF(Ry, omUnitValue(5, omUK_kNm));
    map.addLoad(2, f2);
    // A force on a supported direction goes to its reaction equation.
    auto* f3 = new omLoadForce(plane(), 1);
    f3->setF(Uz, omUnitValue(4000, omUK_N));
    map.addLoad(3, f3);
    map.bindLoadGroups(&lm);

    omVector F(10);
    EXPECT_TRUE(map.setupForceVector(noMatrix(), F));
    std::vector<double> expected(10, 0.0);
    expected[0] = 15.0;
    expected[2] = 750.0;
    expected[9] = 6.0;
    EXPECT_EQ(F, omVector(10, expected.data()));
    EXPECT_TRUE(errorCodes().empty());
}

TEST_F(Frame, InactiveOrZeroFactorGroupsContributeNothing) {
    number();
    activateCase(0.0);
    auto* f = new omLoadForce(plane(), 1);
    f->setF(Ux, omUnitValue(10, omUK_kN));
    map.addLoad(2, f);
    map.bindLoadGroups(&lm);
    omVector F(10);
    map.setupForceVector(noMatrix(), F);
    EXPECT_TRUE(F.isNull());

    double one = 1.0;
    lm.setFactors("LC", omVector(1, &one));
    lm.setActiveCase(1);
    lm.getGroup(1)->setActive(false);
    map.setupForceVector(noMatrix(), F);
    EXPECT_TRUE(F.isNull());

    // An unbound load (no group) acts in no case.
    lm.getGroup(1)->setActive(true);
    f->setLoadGroupIndex(1);
    map.setupForceVector(noMatrix(), F);
    EXPECT_TRUE(F.isNull());
}

TEST_F(Frame, PrescribedDisplacementsGoToSupportedEquationsOnly) {
    number();
    activateCase(2.0);
    auto* d1 = new omLoadDisplacement(plane(), 1);
    d1->setU(Uz, omUnitValue(1, omUK_cm));
    d1->setU(Ry, omUnitValue(0.001, omUK_rad));
    map.addLoad(1, d1);
    auto* d3 = new omLoadDisplacement(plane(), 1);
    d3->setU(Ry, omUnitValue(0.5, omUK_rad)); // Ry of node 3 is free
    map.addLoad(3, d3);
    map.bindLoadGroups(&lm);

    omVector U(10);
    U.setAllTo(7.0);
    map.setPrescribedDisplacement(U, 5);
    std::vector<double> expected = {7, 7, 7, 7, 7, 0, 2, 0.002, 0, 0};
    EXPECT_EQ(U, omVector(10, expected.data()));
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1006});
    EXPECT_EQ(errorArguments(0), (std::vector<std::string>{"Ry", "0.5", "3"}));
}

TEST_F(Frame, LoadsWithoutAnEquationAreReportedAndSkipped) {
    map.insert(new omNode2D(9, 9, "m", 4));
    number();
    omErrorContainer::instance()->reset();
    activateCase(1.0);
    auto* f = new omLoadForce(plane(), 1);
    f->setF(Uz, omUnitValue(3, omUK_kN));
    map.addLoad(4, f);
    auto* d = new omLoadDisplacement(plane(), 1);
    d->setU(Ux, omUnitValue(2, omUK_cm));
    map.addLoad(4, d);
    map.bindLoadGroups(&lm);

    omVector F(10), U(10);
    map.setupForceVector(noMatrix(), F);
    map.setPrescribedDisplacement(U, 5);
    EXPECT_TRUE(F.isNull());
    EXPECT_TRUE(U.isNull());
    EXPECT_EQ(errorCodes(), (std::vector<unsigned>{1004, 1005}));
    EXPECT_EQ(errorArguments(0), (std::vector<std::string>{"Uz", "3", "4"}));
    EXPECT_EQ(errorArguments(1), (std::vector<std::string>{"Ux", "2", "4"}));
}

TEST_F(Frame, ForceVectorTooShortIsReportedNotOverrun) {
    number();
    activateCase(1.0);
    auto* f = new omLoadForce(plane(), 1);
    f->setF(Uz, omUnitValue(3, omUK_kN));
    map.addLoad(3, f); // reaction equation 10
    map.bindLoadGroups(&lm);
    omVector F(5);
    map.setupForceVector(noMatrix(), F);
    EXPECT_TRUE(F.isNull());
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1030});
}

TEST_F(Frame, LoadForAnUnknownNodeIsReported) {
    map.addLoad(99, new omLoadForce(plane(), 1));
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1016});
}

TEST_F(Frame, RemovedLoadGroupComesBackWithInsert) {
    lm.addGroup(omLoadGroup("A"));
    lm.addGroup(omLoadGroup("B"));
    lm.addGroup(omLoadGroup("C"));
    const omLoad* loads[3];
    for (unsigned g = 1; g <= 3; ++g) {
        auto* f = new omLoadForce(plane(), g);
        loads[g - 1] = f;
        map.addLoad(2, f);
    }
    auto* other = new omLoadForce(plane(), 2);
    map.addLoad(3, other);

    omNode::NumberedLoads removed;
    map.removeLoadGroup(2, &removed);
    ASSERT_EQ(removed.size(), 2u);
    EXPECT_EQ(removed[0], std::make_pair(2u, loads[1]));
    EXPECT_EQ(removed[1], std::make_pair(3u, static_cast<const omLoad*>(other)));
    EXPECT_EQ(loads[2]->getLoadGroupIndex(), 2u);
    EXPECT_EQ(map.find(2)->getLoad()->size(), 2);

    map.insertLoadGroup(2, &removed);
    EXPECT_EQ(loads[1]->getLoadGroupIndex(), 2u);
    EXPECT_EQ(loads[2]->getLoadGroupIndex(), 3u);
    omNode::NumberedLoads out;
    EXPECT_EQ(map.getLoads(2, true, false, out), 2);
    EXPECT_EQ(map.getLoads(2, false, true, out), 2) << "appends to what out holds";
}

TEST_F(Frame, SkewFollowsHeightAndSkipsLinkedNodes) {
    map.setSkew(200, 0, omUnitValue(0, omUK_m), omUnitValue(0, omUK_m));
    const omNode* top = map.find(2);
    EXPECT_DOUBLE_EQ(top->getCoor(Ux, omNode::coorSkew)->Get(omUK_m), 0.02);
    EXPECT_DOUBLE_EQ(top->getCoor(Uz, omNode::coorSkew)->Get(omUK_m), 0.0);
    EXPECT_DOUBLE_EQ(map.find(1)->getCoor(Ux, omNode::coorSkew)->Get(omUK_m), 0.0);

    omNodeMap tall;
    tall.insert(new omNode2D(0, 10, "m", 1));
    tall.setSkew(200, 0, omUnitValue(0, omUK_m), omUnitValue(0, omUK_m));
    EXPECT_DOUBLE_EQ(tall.find(1)->getCoor(Ux, omNode::coorSkew)->Get(omUK_m), 0.05);

    // The hinge takes its coordinates from node 2, so it shows node 2's skew.
    EXPECT_EQ(hinge->getCoor(Ux, omNode::coorSkew), top->getCoor(Ux, omNode::coorSkew));

    // Offset nodes are found only by their offset coordinates.
    EXPECT_EQ(map.findCoor(map.find(2)->getVector(omNode::coorPlain)), nullptr);
    EXPECT_EQ(map.findCoor(map.find(2)->getVector(omNode::coorSkewCreep)), map.find(2));
    EXPECT_EQ(map.findCoor(map.find(1)->getVector(omNode::coorPlain)), map.find(1));

    map.resetSkew();
    EXPECT_EQ(map.findCoor(map.find(2)->getVector(omNode::coorPlain)), map.find(2));
}

TEST_F(Frame, CreepIsTakenPerDofFromItsOwnEquation) {
    // Node 4 is held only horizontally: its vertical creep must survive.
    auto* roller = new omNode2D(3, 0, "m", 4);
    roller->setSupport(Ux, true);
    map.insert(roller);
    map.resetEquationIndexes();
    for (unsigned id : {1u, 2u, 3u})
        for (omDofType t : {Ux, Uz, Ry})
            map.find(id)->useDof(t, true);
    for (omDofType t : {Ux, Uz, Ry})
        hinge->useDof(t, true);
    roller->useDof(Ux, true);
    roller->useDof(Uz, true);
    map.setupEquationIndexes();
    ASSERT_EQ(errorCodes(), std::vector<unsigned>{1017}) << "Ry of node 4 is not used";
    omErrorContainer::instance()->reset();
    ASSERT_EQ(roller->equation(Ux), 12u);
    ASSERT_EQ(roller->equation(Uz), 5u);

    // U by equation number: free 1..6, supported 7..12.
    std::vector<double> u = {0.1, 0.2, 0.3, 0.4, 0.6, 0.5, 0, 0, 0, 0, 0, 0};
    map.setCreep(omVector(12, u.data()));
    EXPECT_DOUBLE_EQ(map.find(2)->getCoor(Ux, omNode::coorCreep)->Get(omUK_cm), 0.1);
    EXPECT_DOUBLE_EQ(map.find(2)->getCoor(Uz, omNode::coorCreep)->Get(omUK_cm), 0.2);
    EXPECT_DOUBLE_EQ(roller->getCoor(Ux, omNode::coorCreep)->Get(omUK_cm), 0.0);
    EXPECT_DOUBLE_EQ(roller->getCoor(Uz, omNode::coorCreep)->Get(omUK_cm), 0.6);
    EXPECT_DOUBLE_EQ(map.find(1)->getCoor(Ux, omNode::coorCreep)->Get(omUK_cm), 0.0);
    EXPECT_TRUE(errorCodes().empty());

    map.resetCreep();
    EXPECT_DOUBLE_EQ(map.find(2)->getCoor(Ux, omNode::coorCreep)->Get(omUK_cm), 0.0);
    EXPECT_DOUBLE_EQ(roller->getCoor(Uz, omNode::coorCreep)->Get(omUK_cm), 0.0);
}

TEST_F(Frame, OffsetsBecomeTheResultsOfACase) {
    number();
    activateCase();
    map.reserveResults(&lm);
    omNode2D* top = dynamic_cast<omNode2D*>(map.find(2));
    top->setSkew(omUnitValue(2, omUK_cm), omUnitValue(1, omUK_cm));
    top->setCreep(omUnitValue(0.5, omUK_cm), omUnitValue(0.25, omUK_cm));
    std::vector<double> u = {9, 9, 9, 9, 9};
    map.storeResults(1, 5, omVector(5, u.data()), omVector(5));
    map.skewCreepDisplacementsToResults(true, true, 1);
    EXPECT_DOUBLE_EQ(top->getResult(1, Ux).GetValue(), 2.5);
    EXPECT_DOUBLE_EQ(top->getResult(1, Uz).GetValue(), 1.25);
    EXPECT_DOUBLE_EQ(top->getResult(1, Ry).GetValue(), 9.0);
    map.skewCreepDisplacementsToResults(true, false, 1);
    EXPECT_DOUBLE_EQ(top->getResult(1, Ux).GetValue(), 2.0);

    map.skewCreepDisplacementsToResults(true, true, 3);
    EXPECT_EQ(errorCodes(), std::vector<unsigned>(3, 1030)) << "one report per map node";
}

TEST_F(Frame, ResultsAndEnvelopesOfAllMapNodes) {
    number();
    activateCase();
    EXPECT_FALSE(map.areResultsValid(&lm));
    map.reserveResults(&lm);
    EXPECT_TRUE(map.areResultsValid(&lm));
    std::vector<double> u = {1, 2, 3, 4, 5}, r = {6, 7, 8, 9, 10};
    map.storeResults(1, 5, omVector(5, u.data()), omVector(5, r.data()));
    EXPECT_DOUBLE_EQ(map.find(3)->getResult(1, Uz).GetValue(), 10.0);
    EXPECT_DOUBLE_EQ(map.find(3)->getResult(1, Ry).GetValue(), 4.0);
    lm.addEnvelope(new omEnvelope);
    lm.getEnvelope(1)->add(1, lm.getCase(1));
    map.reserveEnvelope(&lm);
    map.calcEnvelope(1, &lm);
    EXPECT_DOUBLE_EQ(map.find(1)->getEnvelope(1).first(3), 8.0);
    EXPECT_DOUBLE_EQ(map.find(1)->getEnvelope(1).second(3), 8.0);
    map.clearResults();
    EXPECT_FALSE(map.areResultsValid(&lm));
}

TEST_F(Frame, CopiesOwnTheirNodes) {
    omNodeMap copy(map);
    EXPECT_EQ(copy.size(), 3u);
    EXPECT_NE(copy.find(1), map.find(1));
    EXPECT_EQ(copy.getExternalNodes(), map.getExternalNodes());
    copy.clearExternalNodes();
}

TEST_F(Frame, InternalIteratorWalksByNumber) {
    std::vector<unsigned> seen;
    for (map.start_ii(); !map.stop_ii(); map.increment_ii())
        seen.push_back(map.object_ii()->getIndex());
    EXPECT_EQ(seen, (std::vector<unsigned>{1, 2, 3}));
}

TEST_F(Frame, LogOfTheMapAndItsNodeLoads) {
    CapturedLog capture({lfNodes, lfNodeLoads});
    omNodeMap one;
    auto* n = new omNode2D(1, 0, "m", 1);
    one.insert(n);
    one.logFileReport();
    const std::string dash = "\n" + std::string(74, '-') + "\n";
    const std::string nodes = "Nodes in the omNodeMap object:";
    const std::string loads = "Load on nodes in the omNodeMap object:";
    EXPECT_EQ(capture.text(), "\n" + nodes + "\n" + std::string(nodes.size(), '*') +
                                  "\n\nNumber of nodes: 1\n"
                                  "  \nid=1, Coord.: { 2: 100, 0 }, Node Type: 2D, Structure type: Strakon" +
                                  dash + "\n" + loads + "\n" + std::string(loads.size(), '*') + "\n" + dash);
}

} // namespace
