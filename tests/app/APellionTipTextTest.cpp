#include "app/views/APellionTipText.h"

#include "SettingsFixture.h"
#include "app/views/ADesignElement.h"
#include "app/views/AElementLoadGroup.h"
#include "app/views/ANode2D.h"
#include "app/views/ANodeLoadGroup.h"
#include "app/views/AStrakon.h"
#include "model/omElementMap.h"
#include "model/omGenericCrossSection.h"
#include "model/omNodeMap.h"
#include "model/omLoad.h"
#include "model/omMaterial.h"

#include <memory>

namespace {

class APellionTipTextTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        AUnitKeyAttributes* units = AUnitKeyAttributes::Instance();
        units->length = omUK_cm;
        units->mass = omUK_kg;
        units->forcePerLength = omUK_kN_m;
        units->rotation = omUK_deg;
        AOptionsAttributes::Instance()->workFormat = omNumberFormat(4, omNumberFormat::fixed, true);
        s.setupObjects();
        // An IPE 300 of S235 steel, 6 m long.
        auto* steel = new omMaterial(21000.0, 8100.0, 1.2e-5, 7850.0, 0.3, 1);
        steel->setName("S235");
        s.addMaterial(steel, 1);
        auto* ipe = new omGenericCrossSection(omUnitValue(53.8, omUK_cm2), omUnitValue(8356.0, omUK_cm4), 1);
        ipe->setName("IPE 300");
        s.addCrossSection(ipe, 1);
        s.addNode(new ANode2D(0.0, 0.0, "m", 1), 1);
        s.addNode(new ANode2D(6.0, 0.0, "m", 2), 2);
        s.addNode(new ANode2D(6.0, 3.25, "m", 3), 3);
        beam = dynamic_cast<ADesignElement*>(s.addElement(new ALinearDesignElement2D(*s.getNodeMap(), 1, 2, 1, 1, 4), 4));
        bare = dynamic_cast<ADesignElement*>(s.addElement(new ALinearDesignElement2D(*s.getNodeMap(), 2, 3, 0, 0, 5), 5));
        s.bind();
    }
    void TearDown() override {
        APellionTipText::Release();
        SettingsFixture::TearDown();
    }
    const APellionTipText& tips() { return *APellionTipText::Instance(); }
    ANode& node(unsigned id) { return *dynamic_cast<ANode*>(s.getNodeMap()->find(id)); }

    AStrakon s;
    ADesignElement* beam = nullptr;
    ADesignElement* bare = nullptr;
};

} // namespace

TEST_F(APellionTipTextTest, InstanceMakesOneObjectUntilReleased) {
    APellionTipText* first = APellionTipText::Instance();
    EXPECT_EQ(APellionTipText::Instance(), first);
    APellionTipText::Release();
    EXPECT_NE(APellionTipText::Instance(), nullptr);
}

TEST_F(APellionTipTextTest, AnIpe300SteelMemberOfSixMetresWeighs253KilogramsAndAboutFourTenthsOfAKilonewtonPerMetre) {
    ASSERT_NE(beam, nullptr);
    EXPECT_EQ(tips().ElementTip(*beam), "Linenar el.: 4\nMat: 1: S235\nCS: 1: IPE 300\nMass 253 kg\ng'=0.4143 kN/m");
    // The same through the geometry view's pick tip.
    EXPECT_EQ(tips().GetTipText(0, 1, beam, false, omPoint(), omPoint()), tips().ElementTip(*beam));
}

TEST_F(APellionTipTextTest, AMemberWithoutMaterialHasNoMassLine) {
    EXPECT_EQ(tips().ElementTip(*bare), "Linenar el.: 5\nMat: Undefined\nCS: Undefined");
}

TEST_F(APellionTipTextTest, TheRelativePositionIsNotClampedBeyondTheEnd) {
    EXPECT_EQ(tips().RelativePosition(*beam, omPoint(7.5, 1.0)), "Rel. x: 1.250");
    EXPECT_EQ(tips().RelativePosition(*beam, omPoint(-0.6, 0.0)), "Rel. x: -0.100");
    EXPECT_EQ(tips().GetTipText(0, 3, beam, false, omPoint(3.0, 0.2), omPoint()), "Linenar el.: 4\nRel. x: 0.500");
    EXPECT_EQ(tips().GetTipText(1, 9, beam, false, omPoint(1.5, 0.0), omPoint()), "Linenar el.: 4\nRel. x: 0.250");
    EXPECT_EQ(tips().GetTipText(1, 10, beam, false, omPoint(1.5, 0.0), omPoint()), "Linenar el.: 4");
}

TEST_F(APellionTipTextTest, AnglesAreMeasuredFromTheStartAndShownInTheRotationUnit) {
    const omPoint b(1.0, 1.0);
    EXPECT_EQ(tips().Angle(omPoint(3.0, 1.0), b), " Ang: 0 deg");
    EXPECT_EQ(tips().Angle(omPoint(1.0, 2.0), b), " Ang: -90 deg");
    AUnitKeyAttributes::Instance()->rotation = omUK_rad;
    EXPECT_EQ(tips().Angle(omPoint(1.0, 2.0), b), " Ang: -1.571 rad");
}

TEST_F(APellionTipTextTest, CoordinatesLengthsAndMovesAreInTheChosenLengthUnit) {
    EXPECT_EQ(tips().GetCoordinateText(1.5, -2.25), "x: 150 cm, z: -225 cm");
    EXPECT_EQ(tips().Length(omPoint(3.0, 4.0), omPoint()), "Len: 500 cm");
    EXPECT_EQ(tips().Move(omPoint(1.5, 0.0), omPoint(1.0, 0.25)), "dx=50.000 cm, dz=-25.000 cm");
    EXPECT_EQ(tips().NodeTip(node(3)), "Node: 3\nx=600.000 cm, z=325.000 cm");
    AUnitKeyAttributes::Instance()->length = omUK_m;
    EXPECT_EQ(tips().GetCoordinateText(1.5, -2.25), "x: 1.5 m, z: -2.25 m");
    // Drawing a member: where the cursor is, how long and at which angle.
    EXPECT_EQ(tips().GetTipText(0, 4, nullptr, true, omPoint(3.0, 4.0), omPoint()),
              "x: 3 m, z: 4 m\nLen: 5 m\n Ang: -53.13 deg");
    EXPECT_EQ(tips().GetTipText(0, 4, nullptr, false, omPoint(3.0, 4.0), omPoint()), "x: 3 m, z: 4 m");
    EXPECT_EQ(tips().GetTipText(0, 2, nullptr, false, omPoint(3.0, 4.0), omPoint(1, 1)), "Move: dx=2.000 m, dz=3.000 m");
    EXPECT_EQ(tips().GetTipText(0, 3, &node(1), false, omPoint(), omPoint()), "Invalid position");
    EXPECT_EQ(tips().GetTipText(0, 4, &node(1), false, omPoint(), omPoint()), "Node: 1\nx=0.000 m, z=0.000 m");
    EXPECT_EQ(tips().GetTipText(0, 5, &node(1), false, omPoint(), omPoint()), "");
    EXPECT_EQ(tips().GetTipText(2, 1, &node(1), false, omPoint(), omPoint()), "");
}

TEST_F(APellionTipTextTest, TheLoadsViewPromptsItsInputModesAndTellsTheLoadsUnderTheCursor) {
    const char* const prompts[] = {"Add concentrated force", "Add displacement", "Add uniform load",
                                   "Add uniform (2 pts) load", "Add linear load", "Add linear (2 pts) load",
                                   "Add temperature load"};
    for (int mode = 6; mode <= 12; ++mode)
        EXPECT_EQ(tips().GetTipText(1, mode, nullptr, false, omPoint(), omPoint()), prompts[mode - 6]) << mode;
    EXPECT_EQ(tips().GetTipText(1, 5, nullptr, false, omPoint(), omPoint()), "");
    EXPECT_EQ(tips().GetTipText(1, 7, &node(2), false, omPoint(), omPoint()), "Node: 2");

    s.addLoadGroup("G");
    auto* f = new omLoadForce("F1", s.getStructureType(), 0);
    f->setF(Uz, omUnitValue(5.0, omUK_kN));
    ASSERT_TRUE(s.addNodeLoad(2, f, "G"));
    auto* q = new omLoadLinear("q", s.getStructureType(), 0);
    ASSERT_TRUE(s.addElementLoad(4, q, "G"));
    AObjectPtrContainer nodeLoads, elementLoads;
    ASSERT_EQ(s.GetNodeLoads(nodeLoads), 1);
    ASSERT_EQ(s.GetElementLoads(elementLoads), 1);
    EXPECT_EQ(tips().GetTipText(1, 1, nodeLoads.front(), false, omPoint(), omPoint()), "Loads: 1\n1: F1-F");
    EXPECT_EQ(tips().GetTipText(1, 1, elementLoads.front(), false, omPoint(), omPoint()), "Loads: 1\n1: q-L");
    EXPECT_EQ(tips().GetTipText(1, 1, beam, false, omPoint(), omPoint()), "");
}
