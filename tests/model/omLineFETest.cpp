#include "ElementTestSupport.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace elementtest;

namespace {

// A concentrated load that counts its deletions.
class TrackedLoad : public omLoadForce {
public:
    explicit TrackedLoad(int* deleted) : omLoadForce(frame(), 1), m_deleted(deleted) {}
    TrackedLoad(const TrackedLoad&) = default;
    ~TrackedLoad() override { ++*m_deleted; }
    omLoad* clone() const override { return new TrackedLoad(*this); }

private:
    int* m_deleted;
};

class LineFE : public BeamFixture {};

TEST_F(LineFE, DeletesOnlyTheLoadsItStillListsWhenDestroyed) {
    int deleted = 0;
    {
        omLinearLineFE2D fe;
        auto* cleared = new TrackedLoad(&deleted);
        fe.addLoad(cleared);
        fe.clearLoad();
        EXPECT_TRUE(fe.getLoads().empty());
        delete cleared; // the caller owns a cleared load again
        deleted = 0;
        fe.addLoad(new TrackedLoad(&deleted));
        fe.addLoad(new TrackedLoad(&deleted));
        EXPECT_EQ(2u, fe.getLoads().size());
    }
    EXPECT_EQ(2, deleted);
}

TEST_F(LineFE, CopiesOwnClonesOfTheLoads) {
    int deleted = 0;
    auto original = std::make_unique<omLinearLineFE2D>();
    auto* load = new TrackedLoad(&deleted);
    original->addLoad(load);
    omLinearLineFE2D copy(*original);
    omLinearLineFE2D assigned;
    assigned.addLoad(new TrackedLoad(&deleted));
    assigned = *original;
    EXPECT_EQ(1, deleted); // the assigned element's own load
    ASSERT_EQ(1u, copy.getLoads().size());
    ASSERT_EQ(1u, assigned.getLoads().size());
    EXPECT_NE(load, copy.getLoads()[0]);
    EXPECT_NE(load, assigned.getLoads()[0]);
    EXPECT_NE(copy.getLoads()[0], assigned.getLoads()[0]);
    original.reset();
    EXPECT_EQ(2, deleted);
    const omLinearLineFE2D& self = assigned;
    assigned = self;
    EXPECT_EQ(2, deleted);
    EXPECT_EQ(1u, assigned.getLoads().size());
}

TEST_F(LineFE, KeepsLoadsInTheOrderOfAddition) {
    omLinearLineFE2D fe;
    omLoad* first = pointLoad(0.2, 0.0, 1.0, 0.0);
    omLoad* second = temperature(1.0, 1.0);
    fe.addLoad(first);
    fe.addLoad(second);
    ASSERT_EQ(2u, fe.getLoads().size());
    EXPECT_EQ(first, fe.getLoads()[0]);
    EXPECT_EQ(second, fe.getLoads()[1]);
}

TEST_F(LineFE, LoadsOfInactiveOrZeroFactorGroupsContributeNothing) {
    place(400.0, 0.0);
    m_fe.addLoad(linearLoad(Uz, 0.0, 1.0, 0.2, 0.2));
    m_fe.addLoad(pointLoad(0.5, 3.0, 10.0, 0.0));
    m_fe.addLoad(temperature(20.0, -5.0));
    const omVector zero(6);
    const omVector full = forces(zero);
    ASSERT_FALSE(full.isNull());

    m_manager.getGroup(1)->setActive(false);
    EXPECT_TRUE(forces(zero).isNull());
    for (double x : {0.0, 0.3, 0.7, 1.0}) {
        EXPECT_TRUE(m_fe.internalForceAt(x, zero).isNull()) << x;
        EXPECT_TRUE(m_fe.displacementAt(x, zero).isNull()) << x;
    }

    m_manager.getGroup(1)->setActive(true);
    m_manager.getGroup(1)->setFactor(0.0);
    EXPECT_TRUE(forces(zero).isNull());

    m_manager.getGroup(1)->setFactor(2.0);
    const omVector doubled = forces(zero);
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(2.0 * full[i], doubled[i], 1e-9 * std::fabs(full[i])) << i;
}

TEST_F(LineFE, LoadWithoutABoundGroupContributesNothing) {
    place(400.0, 0.0);
    auto* load = new omLoadForce(frame(), 1);
    load->setF(Uz, omUnitValue(10.0, omUK_kN));
    m_fe.addLoad(load);
    EXPECT_TRUE(forces(omVector(6)).isNull());
}

TEST_F(LineFE, LengthIncludesSkewAndCreepOffsets) {
    place(300.0, 0.0);
    EXPECT_DOUBLE_EQ(300.0, m_fe.length());
    m_node2->setSkew(omUnitValue(0.0, omUK_cm), omUnitValue(400.0, omUK_cm));
    EXPECT_DOUBLE_EQ(500.0, m_fe.length());
    m_node1->setCreep(omUnitValue(-100.0, omUK_cm), omUnitValue(0.0, omUK_cm));
    EXPECT_DOUBLE_EQ(std::sqrt(400.0 * 400.0 + 400.0 * 400.0), m_fe.length());
    EXPECT_DOUBLE_EQ(std::numbers::pi / 4.0, m_fe.angle());
}

TEST_F(LineFE, ParsesConcentratedAndLinearLoadsIntoPositionsAndIntensities) {
    place(400.0, 0.0);
    omForceVector F1(frame()), F2(frame());
    double a = -1.0, b = -1.0;
    std::unique_ptr<omLoad> point(pointLoad(0.25, 1.0, 2.0, 3.0));
    EXPECT_TRUE(m_fe.parseLoad(point.get(), 400.0, 0.0, a, b, F1, F2));
    EXPECT_DOUBLE_EQ(100.0, a);
    EXPECT_DOUBLE_EQ(100.0, b);
    EXPECT_DOUBLE_EQ(2.0, F1.Fz());
    EXPECT_DOUBLE_EQ(3.0, F1.My());
    EXPECT_TRUE(F2.isNull());

    std::unique_ptr<omLoad> linear(linearLoad(Uz, 0.5, 1.0, 0.1, 0.3));
    EXPECT_TRUE(m_fe.parseLoad(linear.get(), 400.0, 0.0, a, b, F1, F2));
    EXPECT_DOUBLE_EQ(200.0, a);
    EXPECT_DOUBLE_EQ(400.0, b);
    EXPECT_DOUBLE_EQ(0.1, F1.Fz());
    EXPECT_DOUBLE_EQ(0.3, F2.Fz());
}

TEST_F(LineFE, ParseLoadLeavesEverythingUntouchedForATemperatureLoad) {
    place(400.0, 0.0);
    omForceVector F1(frame()), F2(frame());
    F1.Fz() = 7.0;
    F2.Fx() = 8.0;
    double a = 1.5, b = 2.5;
    std::unique_ptr<omLoad> load(temperature(10.0, 0.0));
    EXPECT_TRUE(m_fe.parseLoad(load.get(), 400.0, 0.0, a, b, F1, F2));
    EXPECT_EQ(1.5, a);
    EXPECT_EQ(2.5, b);
    EXPECT_EQ(7.0, F1.Fz());
    EXPECT_EQ(8.0, F2.Fx());
}

TEST_F(LineFE, MarksTheThreePlaneDofsOfBothNodes) {
    place(400.0, 0.0);
    for (const omNode* node : {m_fe.getNode1(), m_fe.getNode2()})
        for (omDofType t : {Ux, Uz, Ry})
            EXPECT_NE(0u, node->equation(t));
    omLinearLineFE2D withoutNodes;
    EXPECT_FALSE(withoutNodes.markUsedDofInNodes());
}

TEST_F(LineFE, HasNoInternalDofs) {
    EXPECT_EQ(nullptr, m_fe.createInternalNode());
    EXPECT_EQ(nullptr, m_fe.getInternalNode());
    m_fe.setInternalNode();
    EXPECT_EQ(0, m_fe.internalDOF());
    EXPECT_EQ(0.0, m_fe.solveInternalEquations(omVector(6)));
}

TEST_F(LineFE, ComparesByIdentity) {
    omLinearLineFE2D other(m_fe);
    EXPECT_TRUE(m_fe == m_fe);
    EXPECT_FALSE(m_fe == other);
    EXPECT_NE(m_fe < other, other < m_fe);
}

} // namespace
