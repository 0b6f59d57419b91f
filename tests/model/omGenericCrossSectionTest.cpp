#include "model/omGenericCrossSection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using G = omGenericCrossSection;

TEST(GenericCrossSection, StartsWithAreaAndSecondMomentOnly) {
    G s(omUnitValue(10.0, omUK_cm2), omUnitValue(100.0, omUK_cm4), 4);
    EXPECT_EQ(s.A(), 10.0);
    EXPECT_EQ(s.Iy(), 100.0);
    for (double v : {s.Vy(), s.Vz(), s.Ix(), s.Iz(), s.Iyz(), s.Sy(), s.Sz(), s.Wy(), s.Wz(), s.Zy(), s.Zz(),
                     s.zTop(), s.height(), s.breadth()})
        EXPECT_EQ(v, 0.0);
    EXPECT_EQ(s.Integrate(-10, 10, 0), 0.0);
    EXPECT_EQ(s.Bw(0, 0), 0.0);
    EXPECT_EQ(s.type(), csGeneric);
    EXPECT_EQ(s.numberOfVariables(), 0);
    EXPECT_FALSE(s.canStoreBars());
    EXPECT_EQ(s.getMaxBarBands(), 0);
    EXPECT_FALSE(s.isProperlySet()) << "height and breadth are not set";
    EXPECT_EQ(s.property(G::pWy).GetKey(), omUK_cm3);
    EXPECT_EQ(s.property(G::pHeight).GetKey(), omUK_cm);

    s.setProperty(G::pHeight, omUnitValue(30.0, omUK_cm));
    s.setProperty(G::pBreadth, omUnitValue(15.0, omUK_cm));
    EXPECT_TRUE(s.isProperlySet());
}

TEST(GenericCrossSection, PropertiesAreReadInInternalUnits) {
    G s(omUnitValue(1000.0, omUK_mm2), omUnitValue(1e-6, omUK_m4), 1);
    EXPECT_DOUBLE_EQ(s.A(), 10.0);
    EXPECT_DOUBLE_EQ(s.Iy(), 100.0);
    s.setProperty(G::pHeight, omUnitValue(0.3, omUK_m));
    s.setProperty(G::pTopDistance, omUnitValue(120.0, omUK_mm));
    EXPECT_DOUBLE_EQ(s.height(), 30.0);
    EXPECT_DOUBLE_EQ(s.height(omUK_mm), 300.0);
    EXPECT_DOUBLE_EQ(s.zTop(), -12.0);
    EXPECT_DOUBLE_EQ(s.zBottom(), 18.0);
    s.setProperty(G::pIz, omUnitValue(25.0, omUK_cm4));
    EXPECT_DOUBLE_EQ(s.iz(), std::sqrt(2.5));
}

TEST(GenericCrossSection, CopiesCarryAllSixteenValues) {
    G s(omUnitValue(10.0, omUK_cm2), omUnitValue(100.0, omUK_cm4), 4);
    s.setName("G");
    for (int p = 0; p < G::propertyCount; ++p)
        s.setProperty(G::Property(p), omUnitValue(p + 1.0, G::unitKey(G::Property(p))));
    std::unique_ptr<G> c(s.clone());
    EXPECT_EQ(c->getIndex(), 4u);
    EXPECT_EQ(c->name(), "G");
    for (int p = 0; p < G::propertyCount; ++p)
        EXPECT_EQ(c->property(G::Property(p)), s.property(G::Property(p)));
    G other(omUnitValue(), omUnitValue(), 0);
    other = s;
    EXPECT_EQ(other.Zz(), 13.0);
    EXPECT_EQ(other.zTop(), -16.0);
}

} // namespace
