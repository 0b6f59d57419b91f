#include "model/omLinkedNode.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "model/omNode2D.h"
#include "model/omNodeLoadGroup.h"

#include "ModelTestSupport.h"

#include <cfloat>

namespace {

using modeltest::errorArguments;
using modeltest::errorCodes;

class Node : public modeltest::ModelTest {
protected:
    static void useAll(omNode& n) {
        for (omDofType t : {Ux, Uz, Ry})
            n.useDof(t, true);
    }
};

TEST_F(Node, NumbersFreeAndSupportedDofsSeparately) {
    omNode2D n(0, 0, "m", 1);
    n.setSupport(Ux, true);
    n.setSupport(Uz, true);
    useAll(n);
    unsigned eq = 5, reac = 1;
    EXPECT_TRUE(n.setupEquationIndexes(eq, reac));
    EXPECT_EQ(n.equation(Ux), 1u);
    EXPECT_EQ(n.equation(Uz), 2u);
    EXPECT_EQ(n.equation(Ry), 5u);
    EXPECT_EQ(eq, 6u);
    EXPECT_EQ(reac, 3u);
    n.setupReactionIndexes(10);
    EXPECT_EQ(n.equation(Ux), 11u);
    EXPECT_EQ(n.equation(Uz), 12u);
    EXPECT_EQ(n.equation(Ry), 5u);
    EXPECT_EQ(n.equation(Uy), 0u);
}

TEST_F(Node, UnusedDofsAreReportedAndStoreZero) {
    omNode2D n(0, 0, "m", 4);
    unsigned eq = 1, reac = 1;
    n.setupEquationIndexes(eq, reac);
    EXPECT_EQ(errorCodes(), (std::vector<unsigned>{1017, 1017, 1017}));
    EXPECT_EQ(errorArguments(2), (std::vector<std::string>{"Ry", "4"}));
    EXPECT_EQ(eq, 1u);

    omLoadManager lm;
    lm.addCase(new omLoadCase("LC", omLoadCase::lsUltimate, omDofStrakonStructureType::instance()), true);
    n.reserveResults(&lm);
    omVector U(3), R(3);
    U.setAllTo(9.0);
    R.setAllTo(9.0);
    n.storeResults(1, 3, U, R);
    for (omDofType t : {Ux, Uz, Ry})
        EXPECT_DOUBLE_EQ(n.getResult(1, t).GetValue(), 0.0);
}

TEST_F(Node, DofOutsideTheLayoutIsRefused) {
    omNode2D n;
    EXPECT_FALSE(n.setSupport(Uy, true));
    EXPECT_FALSE(n.useDof(Rz, true));
    EXPECT_FALSE(n.reaction(Uy));
    EXPECT_EQ(errorCodes(), (std::vector<unsigned>{1003, 1003, 1003}));
    EXPECT_EQ(errorArguments(0), (std::vector<std::string>{"Uy", "Strakon"}));
    EXPECT_FALSE(n.isSupported());
}

TEST_F(Node, LinkedNodeSharesTheMastersLinkedDofs) {
    omNode2D master(2, 3, "m", 1);
    omLinkedNode2D hinge(&master, 10);
    EXPECT_TRUE(hinge.releaseLink(Ry, true));
    EXPECT_FALSE(hinge.releaseLink(Uy, true));
    EXPECT_TRUE(hinge.isReleased(Ry));
    EXPECT_TRUE(hinge.anyReleasedLink());

    EXPECT_TRUE(hinge.useDof(Ux, true));
    EXPECT_TRUE(hinge.useDof(Ry, true));
    master.useDof(Uz, true);
    master.useDof(Ry, true);
    master.setSupport(Uz, true);

    unsigned eq = 1, reac = 1;
    master.setupEquationIndexes(eq, reac);
    hinge.setupEquationIndexes(eq, reac);
    EXPECT_TRUE(errorCodes().empty()) << "the master uses every DOF";
    EXPECT_EQ(hinge.equation(Ux), master.equation(Ux));
    EXPECT_EQ(hinge.equation(Uz), master.equation(Uz));
    EXPECT_EQ(hinge.equation(Ry), 3u);
    EXPECT_EQ(master.equation(Ry), 2u);
    EXPECT_TRUE(hinge.reaction(Uz));
    EXPECT_FALSE(hinge.reaction(Ry));

    // It follows the master and cannot be moved or supported itself.
    EXPECT_FALSE(hinge.setSupport(Ux, true));
    hinge.move(omVector(2), omUK_m);
    EXPECT_EQ(hinge.getVector(omNode::coorPlain), master.getVector(omNode::coorPlain));
    EXPECT_EQ(hinge.getCoor(Ux, omNode::coorPlain), master.getCoor(Ux, omNode::coorPlain));
}

TEST_F(Node, LinkedNodeWithoutMasterAnswersNothing) {
    omLinkedNode2D orphan(nullptr, 3);
    EXPECT_FALSE(orphan.useDof(Ux, true));
    EXPECT_EQ(orphan.equation(Ux), 0u);
    EXPECT_FALSE(orphan.reaction(Ux));
    EXPECT_EQ(orphan.getVector(omNode::coorPlain).size(), 0);
    EXPECT_EQ(orphan.create(), nullptr);
}

TEST_F(Node, Texts) {
    omNode2D n(0, 0, "m", 7);
    n.setName("A");
    EXPECT_EQ(n.getIdName(true, true), "7: A");
    EXPECT_EQ(n.getIdName(false, true), "A");
    EXPECT_EQ(n.getIdName(true, false), "7");
    n.setName(std::string(300, 'x'));
    EXPECT_EQ(n.getIdName(true, true).size(), 200u);
    // A cut never splits a character: behind "7: " the 200th byte would be half an "ä".
    std::string umlauts;
    for (int i = 0; i < 150; ++i)
        umlauts += "\xC3\xA4";
    n.setName(umlauts);
    EXPECT_EQ(n.getIdName(true, true).size(), 199u);

    EXPECT_EQ(n.getSupportString(), "");
    n.setSupport(Ux, true);
    n.setSupport(Ry, true);
    EXPECT_EQ(n.getSupportString(), "UxRy");
    EXPECT_TRUE(n.isSupported());
    EXPECT_TRUE(n.isFree());
    n.setSupport(Uz, true);
    EXPECT_FALSE(n.isFree());
}

TEST_F(Node, CoordinatesWithOffsets) {
    omNode2D n(2, 3, "m", 1);
    n.setSkew(omUnitValue(10, omUK_cm), omUnitValue(0, omUK_cm));
    n.setCreep(omUnitValue(0.01, omUK_m), omUnitValue(2, omUK_cm));
    EXPECT_EQ(n.getVector(omUK_m, omNode::coorPlain), omVector(2, std::vector<double>{2, 3}.data()));
    EXPECT_DOUBLE_EQ(n.getVector(omNode::coorSkew)(1), 210.0);
    EXPECT_DOUBLE_EQ(n.getVector(omNode::coorCreep)(1), 201.0);
    EXPECT_DOUBLE_EQ(n.getVector(omNode::coorSkewCreep)(1), 211.0);
    EXPECT_DOUBLE_EQ(n.getVector(omNode::coorSkewCreep)(2), 302.0);
    EXPECT_EQ(n.getCoor(Ux, omNode::coorSkewCreep), nullptr);
    EXPECT_EQ(n.getCoor(Ry, omNode::coorPlain), nullptr);
    EXPECT_DOUBLE_EQ(n.getCoor(Uz, omNode::coorCreep)->Get(omUK_cm), 2.0);

    n.move(omVector(2, std::vector<double>{1, -1}.data()), omUK_m);
    EXPECT_DOUBLE_EQ(n.getVector(omUK_m, omNode::coorPlain)(1), 3.0);
    EXPECT_DOUBLE_EQ(n.getVector(omUK_m, omNode::coorPlain)(2), 2.0);
    n.setCoor(omVector(1), "m");
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1030});
    EXPECT_DOUBLE_EQ(n.getVector(omUK_m, omNode::coorPlain)(1), 3.0);
}

TEST_F(Node, ResultsCarryTheUnitOfTheirKind) {
    omNode2D n(0, 0, "m", 1);
    n.setSupport(Uz, true);
    useAll(n);
    unsigned eq = 1, reac = 1;
    n.setupEquationIndexes(eq, reac);
    n.setupReactionIndexes(eq - 1);

    omLoadManager lm;
    lm.addCase(new omLoadCase("LC", omLoadCase::lsUltimate, omDofStrakonStructureType::instance()), true);
    n.reserveResults(&lm);
    EXPECT_TRUE(n.areResultsValid(&lm));
    omVector U(3), R(1);
    U(1) = 0.5;
    U(2) = 0.25;
    R(1) = 12.0;
    n.storeResults(1, 2, U, R);
    EXPECT_DOUBLE_EQ(n.getResult(1, Ux).GetValue(), 0.5);
    EXPECT_EQ(n.getResult(1, Ux).GetKey(), omUK_cm);
    EXPECT_DOUBLE_EQ(n.getResult(1, Uz).GetValue(), 12.0);
    EXPECT_EQ(n.getResult(1, Uz).GetKey(), omUK_kN);
    EXPECT_DOUBLE_EQ(n.getResult(1, Ry).GetValue(), 0.25);
    EXPECT_EQ(n.getResult(1, Ry).GetKey(), omUK_rad);

    // A case number the node does not hold is reported, never read.
    EXPECT_DOUBLE_EQ(n.getResult(2, Ux).GetValue(), 0.0);
    n.storeResults(0, 2, U, R);
    EXPECT_EQ(errorCodes(), (std::vector<unsigned>{1030, 1030}));

    lm.addCase(new omLoadCase("LC2", omLoadCase::lsUltimate, omDofStrakonStructureType::instance()), true);
    EXPECT_FALSE(n.areResultsValid(&lm));
}

TEST_F(Node, EnvelopeOverOneCaseIsThatCase) {
    omNode2D n(0, 0, "m", 1);
    useAll(n);
    unsigned eq = 1, reac = 1;
    n.setupEquationIndexes(eq, reac);
    omLoadManager lm;
    lm.addCase(new omLoadCase("LC", omLoadCase::lsUltimate, omDofStrakonStructureType::instance()), true);
    lm.addEnvelope(new omEnvelope);
    lm.getEnvelope(1)->add(1, lm.getCase(1));
    n.reserveResults(&lm);
    n.reserveEnvelope(&lm);
    EXPECT_DOUBLE_EQ(n.getEnvelope(1).first(1), -DBL_MAX);
    EXPECT_DOUBLE_EQ(n.getEnvelope(1).second(1), DBL_MAX);
    omVector U(3, std::vector<double>{1, -2, 3}.data()), R;
    n.storeResults(1, 3, U, R);
    n.calcEnvelope(1, &lm);
    EXPECT_EQ(static_cast<const omVector&>(n.getEnvelope(1).first), U);
    EXPECT_EQ(static_cast<const omVector&>(n.getEnvelope(1).second), U);

    EXPECT_EQ(n.getEnvelope(2).first.size(), 0);
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1030});
    n.clearResults();
    EXPECT_TRUE(!n.areResultsValid(&lm));
}

TEST_F(Node, LoadsBelongToTheNodeAndCopiesCloneThem) {
    omNode2D n(0, 0, "m", 3);
    auto* load = new omLoadForce(nullptr, 1);
    n.addLoad(load);
    ASSERT_NE(n.getLoad(), nullptr);
    EXPECT_EQ(n.getLoad()->getNode(), &n);
    EXPECT_EQ(load->getDofStructureType(), n.getDofStructureType());

    n.setSupport(Ux, true);
    omNode2D copy(n);
    EXPECT_EQ(copy.getIndex(), 3u);
    EXPECT_TRUE(copy.getSupport(Ux));
    ASSERT_NE(copy.getLoad(), nullptr);
    EXPECT_EQ(copy.getLoad()->getNode(), &copy);
    ASSERT_EQ(copy.getLoad()->size(), 1);
    EXPECT_NE(copy.getLoad()->getLoads()[0], load);

    std::unique_ptr<omNode> clone(n.clone());
    EXPECT_NE(dynamic_cast<omNode2D*>(clone.get()), nullptr);
    EXPECT_EQ(clone->getLoad()->getNode(), clone.get());
    n.resetLoad();
    EXPECT_EQ(n.getLoad(), nullptr);
}

TEST_F(Node, LogReportOfOneNode) {
    CapturedLog capture({lfNodes, lfNodeDofs});
    omNode2D n(1.5, 2, "m", 12);
    n.setSupport(Uz, true);
    n.useDof(Ux, true);
    n.useDof(Uz, true);
    unsigned eq = 1, reac = 1;
    n.setupEquationIndexes(eq, reac);
    n.setupReactionIndexes(1);
    n.logFileReport();
    // The width of 6 is taken by the first text written after it is set.
    EXPECT_EQ(capture.text(), "  \nid=12, Coord.: { 2: 150, 200 }, Node Type: 2D, Structure type: Strakon"
                              "\n\tDOF: Ux, equation: 1, free"
                              "\n\tDOF: Uz, equation: 2, supported"
                              "\n\tDOF: Ry, equation: 0, free, not used");
}

TEST_F(Node, LogReportOfALinkedNode) {
    CapturedLog capture({lfNodes, lfNodeDofs});
    omNode2D master(0, 0, "m", 1);
    omLinkedNode2D hinge(&master, 5);
    hinge.releaseLink(Ry, true);
    hinge.logFileReport();
    EXPECT_EQ(capture.text(),
              "  \nid=5, linked to the master node #: 1, Node Type: 2D, Structure type: Strakon"
              "\n\tDOF: Ux, equation: 0, free, linked to master"
              "\n\tDOF: Uz, equation: 0, free, linked to master"
              "\n\tDOF: Ry, equation: 0, free, not used");
}

TEST_F(Node, NothingIsLoggedWithTheCategoryOff) {
    CapturedLog capture({lfNodeDofs});
    omNode2D n(0, 0, "m", 1);
    n.logFileReport();
    n.logFileNodeResults(omVector(3), omVector(), 3);
    EXPECT_EQ(capture.text(), "");
}

TEST_F(Node, LogOfNodeResults) {
    CapturedLog capture({lfNodeResults});
    omNode2D n(0, 0, "m", 2);
    n.setSupport(Uz, true);
    useAll(n);
    unsigned eq = 1, reac = 1;
    n.setupEquationIndexes(eq, reac);
    n.setupReactionIndexes(2);
    capture.log().setf(std::ios::fixed, std::ios::floatfield);
    n.logFileNodeResults(omVector(2, std::vector<double>{0.1, 0.002}.data()),
                         omVector(1, std::vector<double>{25.4}.data()), 2);
    EXPECT_EQ(capture.text(),
              "\nNode id: 2, Ux-> displacement: 0.10000, Uz-> reaction: 25, Ry-> displacement: 0.00200");
}

} // namespace
