#include "model/omDofVector.h"

#include "ModelTestSupport.h"

#include <sstream>

namespace {

using modeltest::errorArguments;
using modeltest::errorCodes;

class DofVector : public modeltest::ModelTest {
protected:
    const omDofStrakonStructureType* plane = omDofStrakonStructureType::instance();
};

TEST_F(DofVector, PlaneLayoutIsUxUzRy) {
    EXPECT_EQ(plane->dofSize(), 3);
    EXPECT_EQ(plane->name(), "Strakon");
    EXPECT_EQ((*plane)(1), Ux);
    EXPECT_EQ((*plane)(3), Ry);
    EXPECT_EQ((*plane)[0], Ux);
    EXPECT_EQ(plane->dofIndex(Uz), 2);
    EXPECT_EQ(plane->dofIndex(Uy), 0);
    EXPECT_FALSE(plane->exist(Uy));
    EXPECT_TRUE(plane->exist(Ry));
}

TEST_F(DofVector, DofNames) {
    EXPECT_EQ(omDofStructureType::name(Ry), "Ry");
    EXPECT_EQ(omDofStructureType::name(static_cast<omDofType>(6)), "Internal");
    EXPECT_EQ(omDofStructureType::name(static_cast<omDofType>(100)), "Internal");
    EXPECT_EQ(omDofStructureType::name(static_cast<omDofType>(250)), "Internal");
    EXPECT_EQ(omDofStructureType::name(static_cast<omDofType>(-3)), "Internal");
}

TEST_F(DofVector, PositionOutsideTheLayoutIsReported) {
    EXPECT_EQ((*plane)(4), Ux);
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1030});
}

TEST_F(DofVector, MissingDofIsReportedAndTheFirstElementStandsIn) {
    omForceVector f(plane);
    f.Fx() = 1.5;
    f.Fz() = 2.5;
    f.My() = 3.5;
    EXPECT_DOUBLE_EQ(f(1), 1.5);
    EXPECT_DOUBLE_EQ(f(3), 3.5);
    EXPECT_DOUBLE_EQ(f.getDof(Uy), 1.5);
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1002});
    EXPECT_EQ(errorArguments(0), std::vector<std::string>{"Uy"});
}

TEST_F(DofVector, TransferTakesTheSharedDofs) {
    omDisplacementVector source(plane), target(plane);
    source.ux() = 1.0;
    source.uz() = 2.0;
    source.fiy() = 3.0;
    EXPECT_EQ(target.transfer(source), 3);
    EXPECT_EQ(target, source);

    omDofVector empty(nullptr);
    target.ux() = 7.0;
    EXPECT_EQ(target.transfer(empty), 0);
    EXPECT_TRUE(target.isNull());
}

TEST_F(DofVector, CopiesKeepTheLayout) {
    omForceVector f(*plane);
    f.Fz() = 4.0;
    omDofVector copy(nullptr);
    copy = f;
    EXPECT_EQ(copy.type(), plane);
    EXPECT_DOUBLE_EQ(copy.getDof(Uz), 4.0);
    omDisplacementVector u(copy);
    EXPECT_DOUBLE_EQ(u.uz(), 4.0);
}

TEST_F(DofVector, StreamNamesEveryDof) {
    omForceVector f(plane);
    f.Fx() = 1;
    f.Fz() = -2;
    f.My() = 3.5;
    std::ostringstream s;
    s << f;
    EXPECT_EQ(s.str(), "{ 3: Ux=1 Uz=-2 Ry=3.5 }");
    std::ostringstream e;
    e << omDofVector(nullptr);
    EXPECT_EQ(e.str(), "{ 0: }");
}

TEST_F(DofVector, EmptyVectorNeverReadsOutsideItself) {
    omDofVector v(nullptr);
    v.getDof(Ux) = 5.0;
    EXPECT_EQ(v.size(), 0);
    EXPECT_DOUBLE_EQ(static_cast<const omDofVector&>(v).getDof(Ux), 0.0);
    EXPECT_FALSE(errorCodes().empty());
}

TEST_F(DofVector, ReleaseGivesAFreshLayout) {
    omDofStrakonStructureType::release();
    omDofStrakonStructureType* a = omDofStrakonStructureType::instance();
    EXPECT_EQ(a, omDofStrakonStructureType::instance());
    omDofStrakonStructureType::release();
    // The next instance is a new object; it may reuse the address, so only
    // its working state is checked.
    omDofStrakonStructureType* b = omDofStrakonStructureType::instance();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->dofSize(), 3);
}

TEST_F(DofVector, KeepAbsMaximum) {
    omForceVector maxima(plane), f(plane);
    f.Fx() = -4.0;
    f.Fz() = 1.0;
    omKeepAbsMaximum(maxima, f);
    f.Fx() = 2.0;
    f.Fz() = -3.0;
    omKeepAbsMaximum(maxima, f);
    EXPECT_DOUBLE_EQ(maxima.Fx(), 4.0);
    EXPECT_DOUBLE_EQ(maxima.Fz(), 3.0);
    EXPECT_DOUBLE_EQ(maxima.My(), 0.0);
}

} // namespace
