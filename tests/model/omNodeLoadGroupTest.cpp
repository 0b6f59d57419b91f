#include "model/omNodeLoadGroup.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "model/omNode2D.h"

#include "ModelTestSupport.h"

namespace {

const omDofStructureType* plane() {
    return omDofStrakonStructureType::instance();
}

// Counts live loads so that the tests see every delete.
struct CountedForce : omLoadForce {
    static inline int alive = 0;
    explicit CountedForce(unsigned group) : omLoadForce(plane(), group) { ++alive; }
    CountedForce(const CountedForce& o) : omLoadForce(o) { ++alive; }
    ~CountedForce() override { --alive; }
    omLoad* clone() const override { return new CountedForce(*this); }
};

class NodeLoadGroup : public modeltest::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        CountedForce::alive = 0;
    }
    void TearDown() override {
        EXPECT_EQ(CountedForce::alive, 0);
        ModelTest::TearDown();
    }
    omNode2D node{0, 0, "m", 8};
};

TEST_F(NodeLoadGroup, RemovingAGroupDeletesItsLoadsAndRenumbersLaterOnes) {
    omNodeLoadGroup list(&node);
    auto* a = new CountedForce(1);
    auto* b = new CountedForce(2);
    auto* c = new CountedForce(3);
    list.add(a);
    list.add(b);
    list.add(c);
    omLoadManager lm;
    for (const char* name : {"A", "B", "C"})
        lm.addGroup(omLoadGroup(name));
    list.bindLoadGroups(&lm);
    list.removeLoadGroup(2, nullptr);
    EXPECT_EQ(CountedForce::alive, 2);
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.getLoads()[1], c);
    EXPECT_EQ(c->getLoadGroupIndex(), 2u);
    EXPECT_EQ(c->getLoadGroup(), nullptr);
    EXPECT_EQ(a->getLoadGroup(), lm.getGroup(1)) << "lower groups keep their binding";

    list.insertLoadGroup(1);
    EXPECT_EQ(a->getLoadGroupIndex(), 2u);
    EXPECT_EQ(c->getLoadGroupIndex(), 3u);
    EXPECT_EQ(a->getLoadGroup(), nullptr);
}

TEST_F(NodeLoadGroup, RemovedLoadsCanBeKept) {
    omNodeLoadGroup list(&node);
    auto* a = new CountedForce(2);
    list.add(a);
    omNodeLoadGroup::NumberedLoads removed;
    list.removeLoadGroup(2, &removed);
    ASSERT_EQ(removed.size(), 1u);
    EXPECT_EQ(removed[0].first, 8u);
    EXPECT_EQ(removed[0].second, a);
    EXPECT_EQ(list.size(), 0);
    delete a;
}

TEST_F(NodeLoadGroup, RemoveDeletesOnlyLoadsOfTheList) {
    omNodeLoadGroup list(&node);
    auto* a = new CountedForce(1);
    CountedForce stranger(1);
    list.add(a);
    list.remove(&stranger);
    EXPECT_EQ(list.size(), 1);
    list.remove(a);
    EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(CountedForce::alive, 1);
}

TEST_F(NodeLoadGroup, CopiesCloneAndAssignmentReplacesTheOldLoads) {
    omNodeLoadGroup list(&node);
    list.add(new CountedForce(1));
    list.add(new CountedForce(2));
    omNodeLoadGroup copy(list);
    EXPECT_EQ(copy.getNode(), nullptr);
    EXPECT_EQ(copy.size(), 2);
    EXPECT_NE(copy.getLoads()[0], list.getLoads()[0]);
    EXPECT_EQ(CountedForce::alive, 4);

    omNode2D other(1, 1, "m", 9);
    omNodeLoadGroup target(&other);
    target.add(new CountedForce(3));
    target = list;
    EXPECT_EQ(target.getNode(), &other);
    EXPECT_EQ(target.size(), 2);
    EXPECT_EQ(CountedForce::alive, 6) << "the replaced load is deleted, not leaked";
    target = target;
    EXPECT_EQ(target.size(), 2);

    std::unique_ptr<omNodeLoadGroup> clone(list.clone());
    EXPECT_EQ(clone->size(), 2);
}

TEST_F(NodeLoadGroup, KindsOfLoads) {
    omNodeLoadGroup list(&node);
    auto* f = new CountedForce(1);
    f->setF(Uz, omUnitValue(1, omUK_kN));
    auto* d = new omLoadDisplacement(plane(), 1);
    d->setU(Ry, omUnitValue(0.1, omUK_rad));
    auto* f2 = new CountedForce(2);
    list.add(f);
    list.add(d);
    list.add(f2);
    EXPECT_TRUE(list.isForce(Uz));
    EXPECT_FALSE(list.isForce(Ux));
    EXPECT_FALSE(list.isForce(Uy));
    EXPECT_TRUE(list.isDisplacement(Ry));
    EXPECT_FALSE(list.isDisplacement(Uz));

    omNodeLoadGroup::NumberedLoads out;
    EXPECT_EQ(list.getLoads(1, true, false, out), 1);
    EXPECT_EQ(list.getLoads(1, true, true, out), 2);
    EXPECT_EQ(list.getLoads(0, true, true, out), 0) << "a node list knows no group 0";
    EXPECT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0], std::make_pair(8u, static_cast<const omLoad*>(f)));
}

TEST_F(NodeLoadGroup, LogReportOfTheNodeLoads) {
    CapturedLog capture({lfNodeLoads, lfLoads});
    auto* f = new CountedForce(1);
    f->setName("P");
    node.addLoad(f);
    node.logFileLoadReport();
    node.getLoad()->logFileReport();
    EXPECT_EQ(capture.text(), " \nNode: 8 has 1 load(s):"
                              "\nLoad name: P, Load group: , Scope: World CS, Type: Concentrated"
                              "\n\tApplication point: 0, Force vector: { 3: Ux=0 Uz=0 Ry=0 }"
                              "\n\nNumber of node loads: 1\n"
                              "\nLoad name: P, Load group: , Scope: World CS, Type: Concentrated"
                              "\n\tApplication point: 0, Force vector: { 3: Ux=0 Uz=0 Ry=0 }");
    node.resetLoad();
}

} // namespace
