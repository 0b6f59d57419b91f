#include "model/omElementLoadGroup.h"
#include "model/omLoad.h"

#include "ModelTestSupport.h"

namespace {

const omDofStructureType* plane() {
    return omDofStrakonStructureType::instance();
}

// Stands in for a member: the list needs only its number.
struct Member : omId {
    explicit Member(unsigned id) : omId(id) {}
};

omLoadForce* pointLoad(double x, unsigned group = 1) {
    auto* f = new omLoadForce(plane(), group);
    f->setX(x);
    return f;
}

omLoadLinear* lineLoad(double start, double end, unsigned group = 1) {
    auto* q = new omLoadLinear(plane(), group);
    q->setStart(start);
    q->setEnd(end);
    return q;
}

class ElementLoadGroup : public modeltest::ModelTest {
protected:
    Member member{5};
};

TEST_F(ElementLoadGroup, ResultPointsBesideConcentratedLoads) {
    struct Case {
        double x;
        std::vector<double> points;
    };
    for (const Case& c : {Case{0.5, {0.499995, 0.500005}}, Case{0.0, {5e-6}}, Case{1.0, {0.999995}}}) {
        omElementLoadGroup list(&member);
        list.add(pointLoad(c.x));
        std::vector<double> points;
        list.addResultPoints(points);
        ASSERT_EQ(points.size(), c.points.size()) << "x = " << c.x;
        for (size_t i = 0; i < points.size(); ++i)
            EXPECT_NEAR(points[i], c.points[i], 1e-15);
    }
}

TEST_F(ElementLoadGroup, ResultPointsAreSortedAndUnique) {
    omElementLoadGroup list(&member);
    list.add(lineLoad(0.5, 1.0));
    list.add(lineLoad(0.25, 0.5));
    list.add(new omLoadTemperature(plane(), 1));
    std::vector<double> points = {0.0, 0.25, 0.5, 0.75, 1.0};
    list.addResultPoints(points);
    EXPECT_EQ(points, (std::vector<double>{0.0, 0.25, 0.5, 0.75, 1.0}));
}

TEST_F(ElementLoadGroup, GroupZeroMeansEveryGroup) {
    omElementLoadGroup list(&member);
    list.add(pointLoad(0.5, 1));
    list.add(lineLoad(0, 1, 2));
    list.add(new omLoadTemperature(plane(), 2));
    omElementLoadGroup::NumberedLoads out;
    EXPECT_EQ(list.getLoads(0, false, true, true, true, out), 3);
    EXPECT_EQ(list.getLoads(2, false, false, false, true, out), 1);
    EXPECT_EQ(list.getLoads(2, true, true, false, false, out), 0);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[3].first, 5u);
    EXPECT_EQ(out[3].second, list.getLoads()[1]);
    EXPECT_EQ(list.getElement<Member>(), &member);
}

TEST_F(ElementLoadGroup, RemovingAGroupRenumbersTheOthers) {
    omElementLoadGroup list(&member);
    list.add(pointLoad(0.1, 1));
    list.add(pointLoad(0.2, 2));
    list.add(pointLoad(0.3, 3));
    omElementLoadGroup::NumberedLoads removed;
    list.removeLoadGroup(2, &removed);
    ASSERT_EQ(removed.size(), 1u);
    EXPECT_EQ(removed[0].first, 5u);
    EXPECT_EQ(list.size(), 2);
    EXPECT_EQ(list.getLoads()[1]->getLoadGroupIndex(), 2u);
    delete removed[0].second;

    omElementLoadGroup copy(list);
    EXPECT_EQ(copy.getElement<Member>(), nullptr);
    copy.setElement(&member);
    EXPECT_EQ(copy.size(), 2);
}

} // namespace
