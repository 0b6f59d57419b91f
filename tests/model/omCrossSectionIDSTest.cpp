#include "model/omCrossSectionIDS.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// h 30, b 15, tw 0.7, tf 1.1, w 0.4 (cm), welded, upright.
class IDS : public ::testing::Test {
protected:
    omCrossSectionIDS s{30.0, 15.0, 0.7, 1.1, 0.4, "cm", 5};
};

TEST_F(IDS, ValuesOfTheUprightSection) {
    EXPECT_NEAR(s.A(), 52.46, 1e-12);
    EXPECT_NEAR(s.Vy(), 33.0, 1e-12);
    EXPECT_NEAR(s.Vz(), 19.46, 1e-12);
    // Hand values: the full rectangle less the two voids beside the web.
    EXPECT_NEAR(s.Iy(), (15.0 * 27000.0 - 14.3 * 27.8 * 27.8 * 27.8) / 12.0, 1e-9);
    EXPECT_NEAR(s.Iz(), (2.0 * 1.1 * 3375.0 + 27.8 * 0.343) / 12.0, 1e-9);
    EXPECT_NEAR(s.Wy(), 2.0 * s.Iy() / 30.0, 1e-9);
    EXPECT_NEAR(s.Wz(), 2.0 * s.Iz() / 15.0, 1e-9);
    EXPECT_NEAR(s.Zy(), 15.0 * 1.1 * 28.9 + 0.7 * 13.9 * 13.9, 1e-9);
    EXPECT_NEAR(s.Zz(), 1.1 * 225.0 / 2.0 + 27.8 * 0.49 / 4.0, 1e-9);
    EXPECT_NEAR(s.Ix(), (2.0 * 15.0 * 1.331 + 27.8 * 0.343) / 3.0, 1e-9);
    EXPECT_EQ(s.Bw(1, 2), 0.7);
    EXPECT_EQ(s.zTop(), -15.0);
    EXPECT_EQ(s.zBottom(), 15.0);
    EXPECT_EQ(s.type(), csIDS);
    EXPECT_EQ(s.getMaxBarBands(), 2);
    EXPECT_EQ(s.getStirrupLength(3, 4), 0.0);
}

TEST_F(IDS, RolledSectionTakesTheRolledShearArea) {
    s.setRolled(true);
    EXPECT_NEAR(s.Vz(), 1.04 * 30.0 * 0.7, 1e-12);
    EXPECT_NEAR(s.Vz(), 21.84, 1e-12);
    EXPECT_NEAR(s.Vy(), 33.0, 1e-12);
}

TEST_F(IDS, ChangedAxesExchangeTheDirections) {
    const double Iy = s.Iy(), Iz = s.Iz(), Wy = s.Wy(), Wz = s.Wz(), Zy = s.Zy(), Zz = s.Zz();
    const double Vy = s.Vy(), Vz = s.Vz(), A = s.A(), Ix = s.Ix();
    s.setChangeAxis(true);
    EXPECT_EQ(s.height(), 15.0);
    EXPECT_EQ(s.breadth(), 30.0);
    EXPECT_EQ(s.height(omUK_mm), 150.0);
    EXPECT_EQ(s.breadth(omUK_mm), 300.0);
    EXPECT_EQ(s.Iy(), Iz);
    EXPECT_EQ(s.Iz(), Iy);
    EXPECT_EQ(s.Wy(), Wz);
    EXPECT_EQ(s.Wz(), Wy);
    EXPECT_EQ(s.Zy(), Zz);
    EXPECT_EQ(s.Zz(), Zy);
    EXPECT_EQ(s.Vy(), Vz);
    EXPECT_EQ(s.Vz(), Vy);
    EXPECT_EQ(s.A(), A);
    EXPECT_EQ(s.Ix(), Ix);
    EXPECT_EQ(s.zTop(), -7.5);
    EXPECT_EQ(s.zBottom(), 7.5);
}

TEST_F(IDS, IntegralsInBothOrientations) {
    for (bool turned : {false, true}) {
        SCOPED_TRACE(turned ? "turned" : "upright");
        s.setChangeAxis(turned);
        const double half = s.height() / 2.0;
        EXPECT_NEAR(s.Integrate(-half, half, 0), s.A(), 1e-9);
        EXPECT_NEAR(s.Integrate(half, -half, 0), s.A(), 1e-9);
        EXPECT_NEAR(s.Integrate(-15, 15, 0), s.A(), 1e-9);
        EXPECT_NEAR(s.Integrate(-15, 15, 1), 0.0, 1e-9);
        EXPECT_NEAR(s.Integrate(-15, 15, 2), s.Iy(), 1e-9);
        EXPECT_NEAR(s.Integrate(0, 15, 0), s.A() / 2.0, 1e-9);
        EXPECT_EQ(s.Integrate(-15, 15, 5), 0.0);
    }
    s.setChangeAxis(false);
    // The top flange alone, and the flange with 2 cm of web.
    EXPECT_NEAR(s.Integrate(-15, -13.9, 0), 16.5, 1e-12);
    EXPECT_NEAR(s.Integrate(-15, -11.9, 0), 16.5 + 1.4, 1e-12);
}

TEST_F(IDS, BarsNeedThickPlates) {
    s.setVariable(3, omUnitValue(2.0, omUK_cm));
    s.setVariable(4, omUnitValue(2.0, omUK_cm));
    EXPECT_TRUE(s.canStoreBars());
    s.setVariable(3, omUnitValue(1.99, omUK_cm));
    EXPECT_FALSE(s.canStoreBars());
}

TEST_F(IDS, ProperlySet) {
    EXPECT_TRUE(s.isProperlySet());
    s.setVariable(5, omUnitValue(0.0, omUK_cm));
    EXPECT_TRUE(s.isProperlySet()) << "no weld is allowed";

    struct Case {
        unsigned variable;
        double value;
        const char* what;
    };
    const Case refused[] = {
        {4, 30.0, "flange as thick as the height"},
        {4, 15.0, "two flanges filling the height"},
        {4, 15.0, "flange as thick as the breadth"},
        {3, 15.0, "web as thick as the breadth"},
        {1, 0.0, "no height"},
        {2, -15.0, "negative breadth"},
        {3, 0.0, "no web"},
        {5, -0.1, "negative weld"},
    };
    for (const Case& c : refused) {
        omCrossSectionIDS t(s);
        t.setVariable(c.variable, omUnitValue(c.value, omUK_cm));
        EXPECT_FALSE(t.isProperlySet()) << c.what;
    }
}

TEST_F(IDS, VariablesOfferThePlateThicknesses) {
    EXPECT_EQ(s.numberOfVariables(), 5);
    const char* names[] = {"h", "b", "tw", "tf", "w"};
    const char* descriptions[] = {"height", "breadth", "web thickness", "flange thickness", "weld thickness"};
    for (unsigned i = 1; i <= 5; ++i) {
        EXPECT_EQ(s.name(i), names[i - 1]);
        EXPECT_EQ(s.description(i), descriptions[i - 1]);
    }
    EXPECT_EQ(s.lower(1), 15.0);
    EXPECT_EQ(s.upper(2), 250.0);
    EXPECT_EQ(s.step(5), 0.1);
    EXPECT_EQ(s.step(3), 0.0);
    ASSERT_EQ(s.values(3).size(), 46u);
    EXPECT_EQ(s.values(4), s.values(3));
    // A thickness typed in cm snaps to the plate of that thickness.
    EXPECT_EQ(s.roundUp(3, 0.35), 0.35);
    EXPECT_EQ(s.roundDown(3, 0.35), 0.35);
    EXPECT_EQ(s.roundUp(3, 2.6), 3.0);
    EXPECT_EQ(s.roundDown(3, 3.4), 3.0);
    EXPECT_EQ(s.roundUp(3, 7.5), 0.0);
}

TEST_F(IDS, ConstructorsAndCopies) {
    omCrossSectionIDS byValues(omUnitValue(300, omUK_mm), omUnitValue(150, omUK_mm), omUnitValue(7, omUK_mm),
                               omUnitValue(11, omUK_mm), omUnitValue(4, omUK_mm), 2);
    EXPECT_NEAR(byValues.A(), s.A(), 1e-12);
    EXPECT_EQ(byValues.weldThickness(), 0.4);
    EXPECT_EQ(byValues.getIndex(), 2u);

    s.setChangeAxis(true);
    s.setRolled(true);
    std::unique_ptr<omCrossSectionIDS> c(s.clone());
    EXPECT_TRUE(c->changeAxis());
    EXPECT_TRUE(c->isRolled());
    EXPECT_EQ(c->getIndex(), 5u);
    EXPECT_EQ(c->Iy(), s.Iy());
    byValues = s;
    EXPECT_TRUE(byValues.changeAxis());
    EXPECT_EQ(byValues.getIndex(), 5u);

    omCrossSectionIDS empty(9);
    EXPECT_FALSE(empty.changeAxis());
    EXPECT_FALSE(empty.isRolled());
    EXPECT_FALSE(empty.isProperlySet());
}

} // namespace
