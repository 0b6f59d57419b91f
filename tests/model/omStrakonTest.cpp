// The structure object: editing entry points, binding, and the behaviour of
// the solution of a load case around the closed forms of omStrakonSolveTest.
#include "model/omStrakon.h"

#include "FrameBuilder.h"
#include "ModelTestSupport.h"
#include "model/omCrossSectionMap.h"
#include "model/omElementLoadGroup.h"
#include "model/omLinkedNode.h"
#include "model/omMaterialMap.h"
#include "model/omNode2D.h"
#include "model/omNodeLoadGroup.h"
#include "model/omStiffnessMatrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using frametest::Frame;
using modeltest::errorArguments;
using modeltest::errorCodes;

namespace {

class StrakonTest : public modeltest::ModelTest {};

// Counts the objects of the test's own classes that are destroyed, so that a
// refused object can be seen to be freed.
int g_destroyed = 0;

class CountedNode : public omNode2D {
public:
    explicit CountedNode(unsigned id)
        : omNode(omDofStrakonStructureType::instance(), id), omNode2D(0.0, 0.0, "cm", id) {}
    ~CountedNode() override { ++g_destroyed; }
};

class CountedLoad : public omLoadForce {
public:
    CountedLoad() : omLoadForce(omDofStrakonStructureType::instance(), 0) {}
    ~CountedLoad() override { ++g_destroyed; }
};

class CountedMaterial : public omMaterial {
public:
    explicit CountedMaterial(unsigned id) : omMaterial(id) {}
    ~CountedMaterial() override { ++g_destroyed; }
};

int countOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// A simply supported beam under a uniform load q.
void simpleBeam(Frame& f, double L = 600.0, double q = 0.2) {
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux, Uz});
    f.fix(2, {Uz});
    f.member(1, 1, 2);
    f.uniform(1, q);
}

} // namespace

// --- editing

TEST_F(StrakonTest, StartsWithoutMapsAndCreatesThemOnSetup) {
    omStrakon s;
    EXPECT_EQ(s.getNodeMap(), nullptr);
    EXPECT_EQ(s.getStiffnessMatrix(), nullptr);
    EXPECT_EQ(s.getDisplacementPrecision(), 1e-5);
    EXPECT_EQ(s.getMaxIterations(), 10u);
    EXPECT_EQ(s.getDisplacements().size(), 0);
    s.setupObjects();
    EXPECT_NE(s.getNodeMap(), nullptr);
    EXPECT_NE(s.getElementMap(), nullptr);
    EXPECT_NE(s.getLoadManager(), nullptr);
    EXPECT_NE(s.getCrossSectionMap(), nullptr);
    EXPECT_NE(s.getMaterialMap(), nullptr);
    EXPECT_EQ(s.getStructureType()->dofSize(), 3);
    EXPECT_TRUE(errorCodes().empty());
}

TEST_F(StrakonTest, NumbersNewNodesAfterTheLargestNumber) {
    omStrakon s;
    s.setupObjects();
    EXPECT_EQ(s.addNode(0.0, 0.0, "m", 0)->getIndex(), 1u);
    s.addNode(1.0, 0.0, "m", 2);
    s.addNode(2.0, 0.0, "m", 7);
    omNode* node = s.addNode(3.0, 0.0, "m", 0);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->getIndex(), 8u);
    EXPECT_DOUBLE_EQ(node->getVector(omUK_cm, omNode::coorPlain)(1), 300.0);
}

TEST_F(StrakonTest, RefusedObjectsAreFreedAndNotReturned) {
    omStrakon s;
    s.setupObjects();
    s.addNode(0.0, 0.0, "cm", 1);
    s.addNode(100.0, 0.0, "cm", 2);
    s.addLoadGroup("G");
    g_destroyed = 0;

    EXPECT_EQ(s.addNode(new CountedNode(1), 1), nullptr);
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{101});
    EXPECT_EQ(errorArguments(0), (std::vector<std::string>{"Node", "1"}));
    EXPECT_EQ(g_destroyed, 1);

    ASSERT_NE(s.addElement(1, 2, 1, 1, 5), nullptr);
    EXPECT_EQ(s.addElement(1, 2, 1, 1, 5), nullptr);
    EXPECT_EQ(s.getElementMap()->size(), 1u);

    EXPECT_TRUE(s.addMaterial(new CountedMaterial(3), 0));
    EXPECT_FALSE(s.addMaterial(new CountedMaterial(3), 0));
    EXPECT_EQ(g_destroyed, 2);

    EXPECT_FALSE(s.addElementLoad(5, new CountedLoad(), "no such group"));
    EXPECT_FALSE(s.addElementLoad(9, new CountedLoad(), "G"));
    EXPECT_FALSE(s.addNodeLoad(1, new CountedLoad(), "no such group"));
    EXPECT_FALSE(s.addNodeLoad(9, new CountedLoad(), "G"));
    EXPECT_EQ(g_destroyed, 6);
    EXPECT_EQ(errorCodes(), (std::vector<unsigned>{101, 101, 101, 1014, 1015, 1014, 1016}));

    EXPECT_TRUE(s.addElementLoad(5, new CountedLoad(), "G"));
    EXPECT_TRUE(s.addNodeLoad(2, new CountedLoad(), "G"));
    EXPECT_EQ(g_destroyed, 6);
    EXPECT_EQ(s.getElementMap()->find(5)->getLoad()->getLoads().front()->getLoadGroupIndex(), 1u);
}

TEST_F(StrakonTest, RefusedLoadCaseLeavesTheNamesakeAlone) {
    omStrakon s;
    s.setupObjects();
    s.addLoadGroup("G");
    s.addLoadGroup("Q");
    omVector first(2);
    first(1) = 1.35;
    first(2) = 1.5;
    omLoadCase* lc = s.addLoadCase("ULS", omLoadCase::lsUltimate, first);
    ASSERT_NE(lc, nullptr);
    EXPECT_EQ((*lc)(2), 1.5);

    omVector other(2);
    other.setAllTo(9.0);
    EXPECT_EQ(s.addLoadCase("ULS", omLoadCase::lsServiceability, other), nullptr);
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1012});
    EXPECT_EQ((*lc)(1), 1.35);
    EXPECT_EQ(s.getLoadManager()->caseSize(), 1);

    EXPECT_FALSE(s.addLoadGroup("G"));
    EXPECT_FALSE(s.addLoadGroup(""));
    EXPECT_FALSE(s.setLoadFactor("nothing", first));
    EXPECT_EQ(s.addLoadCase("", omLoadCase::lsUltimate), nullptr);
    EXPECT_EQ(errorCodes(), (std::vector<unsigned>{1012, 1010, 1009, 1013, 1011}));
}

TEST_F(StrakonTest, CrossSectionsKeepTheirOwnNumber) {
    omStrakon s;
    s.setupObjects();
    auto* first = new omGenericCrossSection(omUnitValue(10.0, omUK_cm2), omUnitValue(100.0, omUK_cm4), 4);
    EXPECT_TRUE(s.addCrossSection(first, 0));
    EXPECT_EQ(s.getCrossSectionMap()->doFind(4), first);
    auto* twin = new omGenericCrossSection(omUnitValue(10.0, omUK_cm2), omUnitValue(100.0, omUK_cm4), 4);
    EXPECT_FALSE(s.addCrossSection(twin, 0));
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{101});
    EXPECT_EQ(errorArguments(0), (std::vector<std::string>{"Cross-section", "0"}));
}

TEST_F(StrakonTest, SupportsNodesAndDeletion) {
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, 100.0, 0.0);
    f.node(3, 200.0, 0.0);
    f.member(1, 1, 2);
    f.member(2, 2, 3);
    EXPECT_TRUE(f.s.setSupport(1, Ux, true));
    EXPECT_TRUE(f.s.getNodeMap()->find(1)->getSupport(Ux));
    EXPECT_FALSE(f.s.setSupport(9, Ux, true));
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1016});

    std::list<omDesignElement*> users;
    EXPECT_EQ(f.s.objectsUsingNode(f.s.getNodeMap()->find(2), users), 2);
    EXPECT_EQ(f.s.objectsUsingNode(f.s.getNodeMap()->find(2), users), 0);
    EXPECT_EQ(users.size(), 2u);

    omNode2D stray(0.0, 0.0, "cm", 3);
    EXPECT_FALSE(f.s.deleteNode(&stray));
    EXPECT_EQ(f.s.getNodeMap()->size(), 3u);
    EXPECT_TRUE(f.s.deleteElement(f.element(2)));
    EXPECT_TRUE(f.s.deleteNode(f.s.getNodeMap()->find(3)));
    EXPECT_EQ(f.s.getNodeMap()->size(), 2u);
    EXPECT_EQ(f.s.numOfElem(true), 1u);
    EXPECT_EQ(f.s.numOfElem(false), 0u);
}

TEST_F(StrakonTest, BindWithoutElementsStillBindsTheLoadGroups) {
    Frame f;
    f.node(1, 0.0, 0.0);
    f.nodeForce(1, 1.0, 0.0);
    const omLoad* load = f.s.getNodeMap()->find(1)->getLoad()->getLoads().front();
    EXPECT_EQ(load->getLoadGroup(), nullptr);
    f.s.bind();
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1024});
    EXPECT_EQ(load->getLoadGroup(), f.s.getLoadManager()->getGroup(1));
}

TEST_F(StrakonTest, BindRecomputesTheNonlinearFlag) {
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, 100.0, 0.0);
    omLinearDesignElement2D* beam = f.member(1, 1, 2);
    EXPECT_FALSE(f.s.hasNonlinearElements());
    beam->setElGroundCoef(omUnitValue(0.01, omUK_kN_cm3));
    beam->setElGroundType(egNegativeSide);
    f.s.bind();
    EXPECT_TRUE(f.s.hasNonlinearElements());
    beam->setElGroundType(egNone);
    f.s.bind();
    EXPECT_FALSE(f.s.hasNonlinearElements());
}

TEST_F(StrakonTest, AllocationNumbersFreeDofsBeforeSupportedOnes) {
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, 100.0, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    f.member(1, 1, 2);
    f.s.bind();
    f.s.allocateStiffnessMatrix();
    const omStiffnessMatrix* K = f.s.getStiffnessMatrix();
    ASSERT_NE(K, nullptr);
    EXPECT_EQ(K->equations(), 3);
    EXPECT_EQ(K->reactions(), 3);
    EXPECT_EQ(f.s.numOfDof(), 3u);
    EXPECT_EQ(f.s.getNodeMap()->find(2)->equation(Ux), 1u);
    EXPECT_EQ(f.s.getNodeMap()->find(1)->equation(Ry), 6u);

    // A later allocation resizes the same matrix.
    f.fix(2, {Uz});
    f.s.allocateStiffnessMatrix();
    EXPECT_EQ(f.s.getStiffnessMatrix(), K);
    EXPECT_EQ(K->equations(), 2);
    EXPECT_EQ(K->reactions(), 4);
}

// --- solution of a load case

TEST_F(StrakonTest, LinearModelsConvergeAsSoonAsTheIncrementVanishes) {
    CapturedLog log({lfIterations});
    Frame loaded;
    simpleBeam(loaded);
    loaded.loadCase("q");
    ASSERT_TRUE(loaded.solve());
    EXPECT_EQ(countOf(log.text(), "*** Iteration: "), 2);

    // Without any load the first increment is exactly zero.
    Frame unloaded;
    unloaded.node(1, 0.0, 0.0);
    unloaded.node(2, 100.0, 0.0);
    unloaded.fix(1, {Ux, Uz, Ry});
    unloaded.member(1, 1, 2);
    unloaded.loadCase("none");
    ASSERT_TRUE(unloaded.solve());
    EXPECT_EQ(countOf(log.text(), "*** Iteration: "), 1);

    // A member on a one-sided ground is not linear: never one iteration only.
    omLinearDesignElement2D* beam = dynamic_cast<omLinearDesignElement2D*>(unloaded.element(1));
    beam->setElGroundCoef(omUnitValue(0.01, omUK_kN_cm3));
    beam->setElGroundType(egPositiveSide);
    ASSERT_TRUE(unloaded.solve());
    EXPECT_EQ(countOf(log.text(), "*** Iteration: "), 2);
}

TEST_F(StrakonTest, SmallFirstIncrementStillRecoversForcesFromTheConvergedState) {
    // With a precision above the whole deflection the first increment is within
    // it. The member forces must still be those of the deflected beam (zero end
    // moments), not those of the fixed start state (qL²/12 at the ends).
    const double L = 600.0, q = 0.2;
    Frame f;
    simpleBeam(f, L, q);
    f.loadCase("q");
    solveroad::Options options;
    options.displacementPrecision = 10.0;
    ASSERT_TRUE(f.solve(options));
    EXPECT_NEAR(f.M(1, 0.0), 0.0, 1e-9 * q * L * L);
    EXPECT_NEAR(f.M(1, 0.5), q * L * L / 8.0, 1e-9 * q * L * L);
}

TEST_F(StrakonTest, NonFiniteIncrementNeverConverges) {
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, 300.0, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    f.member(1, 1, 2);
    f.nodeForce(2, 0.0, std::numeric_limits<double>::quiet_NaN());
    f.loadCase("nan");
    EXPECT_FALSE(f.solve());
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1026});
    EXPECT_EQ(f.s.solveLoadCase(1, 1.0), -3);
    // Nothing was stored.
    EXPECT_EQ(f.nodeResult(2, Uz), 0.0);
}

TEST_F(StrakonTest, CaseThatCannotBeActivatedIsNotSolved) {
    Frame f;
    simpleBeam(f);
    f.loadCase("q");
    ASSERT_TRUE(f.solve());
    const double stored = f.M(1, 0.5);
    omErrorContainer::instance()->reset();

    EXPECT_EQ(f.s.solveLoadCase(4, 1.0), omStrakon::kCaseNotActive);
    EXPECT_EQ(f.s.solveLoadCase("none"), omStrakon::kCaseNotActive);
    EXPECT_EQ(errorCodes(), (std::vector<unsigned>{1020, 1020}));
    EXPECT_EQ(errorArguments(1), std::vector<std::string>{"none"});

    // Factors that do not fit the groups keep the case from becoming active.
    omErrorContainer::instance()->reset();
    f.s.getLoadManager()->getCase(1)->resize(3);
    EXPECT_EQ(f.s.solveLoadCase(1, 1.0), omStrakon::kCaseNotActive);
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1020});
    EXPECT_EQ(errorArguments(0), std::vector<std::string>{"q"});
    EXPECT_EQ(f.M(1, 0.5), stored);
}

TEST_F(StrakonTest, SolveByNameAndScaledResults) {
    const double L = 600.0, q = 0.2;
    Frame f;
    simpleBeam(f, L, q);
    f.loadCase("first");
    f.loadCase("second");
    ASSERT_TRUE(f.solve());
    const double M = f.M(1, 0.5, 2);
    const double w = f.u(1, 0.5, Uz, 2);

    EXPECT_EQ(f.s.solveLoadCase("second"), 0);
    EXPECT_EQ(f.M(1, 0.5, 2), M);
    EXPECT_EQ(f.s.solveLoadCase(2, 2.0), 0);
    EXPECT_DOUBLE_EQ(f.M(1, 0.5, 2), 2.0 * M);
    EXPECT_DOUBLE_EQ(f.u(1, 0.5, Uz, 2), 2.0 * w);
    EXPECT_DOUBLE_EQ(f.M(1, 0.5, 1), M);
    // The displacement vector holds the last case's total displacements.
    const omNode* n2 = f.s.getNodeMap()->find(2);
    EXPECT_DOUBLE_EQ(f.s.getDisplacements()(static_cast<int>(n2->equation(Ry))), f.nodeResult(2, Ry, 2));
    EXPECT_EQ(f.s.getReactions().size(), 3);
}

TEST_F(StrakonTest, LogsTheSolution) {
    CapturedLog log({lfLoadCase, lfIterations, lfReactions});
    Frame f;
    simpleBeam(f);
    f.loadCase("dead load");
    ASSERT_TRUE(f.solve());
    const std::string text = log.text();
    EXPECT_NE(text.find("\nSolving load case: dead load\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n\n*** Iteration: 1 ***\n\n"), std::string::npos);
    EXPECT_NE(text.find("\nDeterminant: 1"), std::string::npos);
    EXPECT_NE(text.find("\nReaction vector:\n"), std::string::npos);
    EXPECT_NE(text.find(std::string(74, '-')), std::string::npos);
}

TEST_F(StrakonTest, CreepCaseStartsFromTheUncreptGeometry) {
    Frame f;
    simpleBeam(f);
    f.element(1)->setNumberOfFE(2);
    omLoadCase* creep = f.loadCase("creep", omLoadCase::lsCreep);
    creep->setFiCreep(1.0);
    ASSERT_TRUE(f.solve());
    const double w = f.u(1, 0.5, Uz);
    ASSERT_GT(w, 0.0);
    const omNode* middle = f.element(1)->getInternalNodes().front();
    EXPECT_DOUBLE_EQ(middle->getCoor(Uz, omNode::coorCreep)->Get(omUK_cm), w);
    // A second run does not build on the offsets the first one left.
    ASSERT_TRUE(f.solve());
    EXPECT_DOUBLE_EQ(f.u(1, 0.5, Uz), w);
}
