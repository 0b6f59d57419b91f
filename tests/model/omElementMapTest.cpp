#include "model/omElementMap.h"

#include "FrameBuilder.h"
#include "ModelTestSupport.h"
#include "StoreyFrame.h"
#include "model/omElementLoadGroup.h"
#include "model/omLoadManager.h"
#include "model/omStiffnessMatrix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using frametest::Frame;

namespace {
class ElementMapTest : public modeltest::ModelTest {};

// Design data that records what the map asks of it.
class RecordingDesignData : public omGenericDesignData {
public:
    omGenericDesignData* clone() const override { return new RecordingDesignData(*this); }
};
} // namespace

TEST_F(ElementMapTest, EmptyMapFansOutToNothing) {
    omElementMap map;
    omStiffnessMatrix K(0, 0);
    omVector S, U;
    EXPECT_TRUE(map.setupGlobalKAndF(&U, &K, &S, 1));
    EXPECT_TRUE(map.markUsedDofInNodes());
    EXPECT_TRUE(map.distributeLoad());
    EXPECT_EQ(map.solveInternalEquations(U), 0.0);
    EXPECT_EQ(map.volume(), 0.0);
    EXPECT_FALSE(map.isElasticGround());
    EXPECT_EQ(map.getNumberOfElements(true), 0u);
    omElementMap::DesignDataLC data;
    map.transferDesignDataLC(omGenericDesignData::LCT(1), data);
    EXPECT_TRUE(data.empty());
}

TEST_F(ElementMapTest, FindsTheMembersOfANodeOnce) {
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, 100.0, 0.0);
    f.node(3, 200.0, 0.0);
    f.member(1, 1, 2);
    f.member(2, 2, 3);
    f.member(3, 1, 3);
    omElementMap& map = *f.s.getElementMap();
    std::list<omDesignElement*> out;
    EXPECT_EQ(map.elementsUsingNode(f.s.getNodeMap()->find(2), out), 2);
    EXPECT_EQ(map.elementsUsingNode(f.s.getNodeMap()->find(2), out), 0);
    EXPECT_EQ(map.elementsUsingNode(f.s.getNodeMap()->find(3), out), 1);
    EXPECT_EQ(out, (std::list<omDesignElement*>{f.element(1), f.element(2), f.element(3)}));
}

TEST_F(ElementMapTest, CountsLinearAndGroundMembers) {
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, 100.0, 0.0);
    f.member(1, 1, 2);
    omLinearDesignElement2D* ground = f.member(2, 1, 2);
    omElementMap& map = *f.s.getElementMap();
    EXPECT_FALSE(map.isElasticGround());
    ground->setElGroundCoef(omUnitValue(0.01, omUK_kN_cm3));
    ground->setElGroundType(egBothSides);
    EXPECT_TRUE(map.isElasticGround());
    EXPECT_EQ(map.getNumberOfElements(true), 1u);
    EXPECT_EQ(map.getNumberOfElements(false), 1u);
    EXPECT_EQ(map.getNumberOfElements(true) + map.getNumberOfElements(false), map.size());
}

TEST_F(ElementMapTest, LoadGroupsComeAndGoWithTheirLoads) {
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, 100.0, 0.0);
    f.member(1, 1, 2);
    f.member(2, 1, 2);
    f.s.addLoadGroup("Q");
    f.uniform(1, 0.1);
    f.uniform(1, 0.2, 0.0, "Q");
    f.uniform(2, 0.3, 0.0, "Q");
    omElementMap& map = *f.s.getElementMap();

    omElementMap::NumberedLoads removed;
    map.removeLoadGroup(2, &removed);
    ASSERT_EQ(removed.size(), 2u);
    EXPECT_EQ(removed[0].first, 1u);
    EXPECT_EQ(removed[1].first, 2u);
    EXPECT_EQ(f.element(1)->getLoad()->size(), 1);
    EXPECT_EQ(f.element(2)->getLoad()->size(), 0);

    map.insertLoadGroup(2, &removed);
    EXPECT_EQ(f.element(1)->getLoad()->size(), 2);
    EXPECT_EQ(f.element(2)->getLoad()->getLoads().front()->getLoadGroupIndex(), 2u);

    omElementMap::NumberedLoads all;
    EXPECT_EQ(map.getLoads(0, true, true, true, true, all), 3);
    omElementMap::NumberedLoads second;
    EXPECT_EQ(map.getLoads(2, true, true, true, true, second), 2);

    map.bindLoadGroups(f.s.getLoadManager());
    EXPECT_EQ(f.element(2)->getLoad()->getLoads().front()->getLoadGroup(), f.s.getLoadManager()->getGroup(2));
}

TEST_F(ElementMapTest, TransfersDesignDataCaseListsBothWays) {
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, 100.0, 0.0);
    f.member(1, 1, 2);
    f.member(2, 1, 2);
    RecordingDesignData data;
    f.element(2)->setDesignData(&data);
    ASSERT_NE(f.element(2)->getDesignData(), nullptr);
    EXPECT_NE(f.element(2)->getDesignData(), &data);
    EXPECT_EQ(f.element(2)->getDesignData()->getElement(), f.element(2));

    omLoadCase* uls = f.loadCase("ULS");
    omElementMap& map = *f.s.getElementMap();
    map.modifyDesignDataLC(1, omGenericDesignData::LCC(0), uls);
    omElementMap::DesignDataLC lists;
    map.transferDesignDataLC(omGenericDesignData::LCT(1), lists);
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists[0].first, 2u);
    EXPECT_EQ(lists[0].second.first, std::vector<int>{1});

    lists[0].second.first.clear();
    map.transferDesignDataLC(omGenericDesignData::LCT(0), lists);
    omElementMap::DesignDataLC after;
    map.transferDesignDataLC(omGenericDesignData::LCT(1), after);
    EXPECT_TRUE(after[0].second.first.empty());
}

TEST_F(ElementMapTest, LogsItsMembers) {
    CapturedLog log({lfElements, lfElementLoads});
    omElementMap empty;
    empty.logFileReport();
    const std::string text = log.text();
    EXPECT_NE(text.find("Elements in the omElementMap object:"), std::string::npos);
    EXPECT_NE(text.find("\n\nTotal number of design elements: 0"), std::string::npos);
    EXPECT_NE(text.find("Load on elements in the omElementMap object:"), std::string::npos);
}

// The stiffness matrix keeps each row from the first equation it shares a
// member with: in a storey frame numbered level by level, a node's rows reach
// back to the node below it (the column), the rows of the first level to their
// left neighbour, and the supported feet's rows to the node above them.
TEST_F(ElementMapTest, StiffnessProfileFollowsTheConnectivity) {
    std::unique_ptr<omStrakon> s = storeyframe::build(12, 3, storeyframe::Members::linear, true);
    s->bind();
    s->allocateStiffnessMatrix();
    const omStiffnessMatrix* K = s->getStiffnessMatrix();
    ASSERT_NE(K, nullptr);
    ASSERT_TRUE(K->hasProfile());
    EXPECT_EQ(K->listedFrom(), K->equations()) << "the supported rows keep only their columns";
    omNodeMap& nodes = *s->getNodeMap();
    const unsigned lines = 4;
    auto equation = [&](unsigned level, unsigned line, omDofType t) {
        return static_cast<int>(nodes.find(level * lines + line + 1)->equation(t)) - 1;
    };
    const struct {
        unsigned level, line;
        unsigned fromLevel, fromLine;
    } rows[] = {{0, 0, 1, 0}, {0, 2, 1, 2}, {1, 0, 1, 0}, {1, 2, 1, 1},
                {2, 0, 1, 0}, {4, 3, 3, 3}, {6, 1, 5, 1}};
    for (const auto& r : rows)
        for (omDofType t : {Ux, Uz, Ry}) {
            SCOPED_TRACE(testing::Message() << "node " << r.level << "/" << r.line << " dof " << t);
            EXPECT_EQ(K->firstColumn(equation(r.level, r.line, t)), equation(r.fromLevel, r.fromLine, Ux));
        }
    // The free equations keep a band of one storey (a node's three rows reach
    // back to the node below); only the supported feet's rows, numbered last,
    // reach back to the first level.
    int band = 0;
    for (int i = 0; i < K->equations(); ++i)
        band = std::max(band, i - K->firstColumn(i));
    EXPECT_EQ(band, 3 * static_cast<int>(lines) + 2);
    // The feet's rows hold their own three equations and the three of the node above.
    const int foot = equation(0, 2, Uz);
    for (int j = 0; j <= foot; ++j) {
        const bool coupled =
            j == foot || j == equation(0, 2, Ux) || (j >= equation(1, 2, Ux) && j <= equation(1, 2, Ry));
        omStiffnessMatrix probe(*K);
        probe.atC(foot, j) = 1.0;
        EXPECT_EQ(probe.profileIntact(), coupled) << j;
    }
    const long n = K->size();
    EXPECT_LT(K->storedSize() * 5, n * (n + 1) / 2);
}
