#include "app/design/ADesignEC2.h"

#include "DesignFixtures.h"
#include "app/design/DesignFactor.h"
#include "common/omErrorContainer.h"
#include "model/omElementResult.h"
#include "model/omLoadCaseResult.h"
#include "model/omMaterialMap.h"
#include "tests/model/FrameBuilder.h"
#include "tests/model/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace designtest;

constexpr unsigned kConcrete = RCBeam::concrete;
constexpr unsigned kSteel = RCBeam::steel;
constexpr unsigned kRect = RCBeam::section;
constexpr int kUlt = RCBeam::ultimate;
constexpr int kSer = RCBeam::serviceability;
constexpr std::size_t kPoints = RCBeam::points;
constexpr std::size_t kMid = RCBeam::mid;

const std::string kHead = "The design of this element is not possible due to the following reason(s):";

// The RC beam of the fixtures.
class BeamDesign : public ::testing::Test {
protected:
    void SetUp() override { build(); }

    // A fresh structure and design data as above.
    void build() {
        useDefaultFactors();
        omErrorContainer::instance()->reset();
        frame = std::make_unique<frametest::Frame>();
        ASSERT_NE(addRCBeam(frame->s), nullptr);
        data = rcBeamData();
    }

    // Solves and hands the member its design data.
    void solve() {
        frametest::Frame& f = *frame;
        ASSERT_TRUE(f.solve()) << "the analysis failed";
        ASSERT_EQ(f.element(1)->getResult().getPoints().size(), kPoints);
        f.element(1)->setDesignData(&data);
    }
    omRCDesignBeamData& stored() {
        return *dynamic_cast<omRCDesignBeamData*>(frame->element(1)->getDesignData());
    }
    // Replaces the forces of one point of a case.
    void forces(int lc, std::size_t i, double N, double V, double M) {
        omPointResult& p = frame->element(1)->getResult().getLCResult(static_cast<unsigned>(lc))[i];
        p.F.getDof(Ux) = N;
        p.F.getDof(Uz) = V;
        p.F.getDof(Ry) = M;
    }
    std::string reasons(unsigned element = 1) {
        ADesignEC2 design(element, &frame->s);
        CString text = "stale";
        const bool possible = design.IsDesignPossible(&text);
        EXPECT_EQ(possible, text.empty()) << text;
        return text;
    }

    std::unique_ptr<frametest::Frame> frame;
    omRCDesignBeamData data;
};

TEST_F(BeamDesign, TheWholeRoadWritesResultsAndFactorsIntoTheDesignData) {
    solve();
    ASSERT_TRUE(ADesignEC2::Run(1, &frame->s));
    const omRCDesignBeamData& d = stored();
    ASSERT_EQ(d.getShearResults().size(), kPoints);
    ASSERT_EQ(d.getNMResults().size(), kPoints);
    ASSERT_EQ(d.getCrackResults().size(), kPoints);
    EXPECT_NEAR(d.getShearResults().front(), 0.750, 0.001);
    EXPECT_NEAR(d.getShearResults().back(), 0.750, 0.001);
    EXPECT_NEAR(d.getNMResults()[kMid].first, 0.574, 0.001);
    EXPECT_EQ(d.getNMResults()[kMid].second, 0.0) << "no hogging moment";
    EXPECT_NEAR(d.getCrackResults()[kMid].first, 0.212, 0.001);
    EXPECT_EQ(d.getCrackResults().front().first, 0.0) << "no moment at the support";
    EXPECT_NEAR(d.getUltFactor(), 0.750, 0.001);
    EXPECT_NEAR(d.getSerFactor(), 0.212 / 0.3, 0.002);
}

TEST_F(BeamDesign, SwitchedOffChecksLeaveTheirResultsEmpty) {
    data.setSerDesign(false);
    solve();
    ASSERT_TRUE(ADesignEC2::Run(1, &frame->s));
    EXPECT_TRUE(stored().getCrackResults().empty());
    EXPECT_EQ(stored().getSerFactor(), 0.0);
    EXPECT_GT(stored().getUltFactor(), 0.0);
}

TEST_F(BeamDesign, ShearResistancesOfTheBeam) {
    struct Case {
        const char* what;
        bool supportWidths; // on with 0 cm: the first point lies in the support zone
        bool noStirrups;
        bool removeStirrups;
        double N, V;
        double u;
    };
    // VRd1 74.58 kN (k 1.6652, rho 0.00695), Vwd 88.90 kN (z 40.68), VRd2 671.2 kN.
    const Case cases[] = {
        {"stirrups carry", false, false, false, 0.0, 80.0, 0.8998},
        {"support zone: the struts", true, false, false, 0.0, 335.6, 0.5},
        {"without stirrups: the concrete", false, true, false, 0.0, 37.29, 0.5},
        {"tension lowers the concrete's share", false, true, false, 500.0, 6.7788, 1.0},
        {"d without the stirrups", false, true, true, 500.0, 6.1930, 1.0},
        {"tension uses it up", false, true, false, 600.0, 1.0, designNotVerified},
        {"the same with d = 46.0", false, true, true, 600.0, 1.0, designNotVerified},
        {"no shear, no resistance", false, true, false, 600.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        data = beamData();
        data.enableSupportWidth(c.supportWidths);
        data.getStirrups().setNoStirrups(c.noStirrups);
        if (c.removeStirrups) data.getStirrups() = omStirrupVec();
        data.getStirrups().setNoStirrups(c.noStirrups);
        std::pair<std::vector<int>, std::vector<int>> lists{{kUlt}, {kSer}};
        data.transferLC(omGenericDesignData::lctIn, lists);
        solve();
        forces(kUlt, 0, c.N, c.V, 0.0);
        ADesignEC2 design(1, &frame->s);
        std::vector<double> shear;
        design.DesignShear(shear);
        ASSERT_EQ(shear.size(), kPoints) << c.what;
        EXPECT_NEAR(shear[0], c.u, 0.001) << c.what;
    }
}

TEST_F(BeamDesign, BendingIsReadFromTheDiagramWithTheMomentShifted) {
    struct Case {
        double V, M;
        double first, second;
    };
    const Case cases[] = {
        {0.0, 10000.0, 0.5744, 0.0},
        // 0.5 * 50 kN * z 40.68 cm added in the moment's direction.
        {50.0, 10000.0, 11017.0 / 17413.0, 0.0},
        {0.0, -1000.0, 0.0, -0.31},
    };
    for (const Case& c : cases) {
        solve();
        forces(kUlt, kMid, 0.0, c.V, c.M);
        ADesignEC2 design(1, &frame->s);
        design.PrepareSections();
        std::vector<std::pair<double, double>> nm;
        design.DesignBending(nm);
        ASSERT_EQ(nm.size(), kPoints);
        EXPECT_NEAR(nm[kMid].first, c.first, 0.003) << c.M;
        EXPECT_NEAR(nm[kMid].second, c.second, 0.01) << c.M;
    }
}

// Support widths of 20 cm: inside a support the moment at its face governs
// and is not shifted; within d of the face the shift grows from 0.
TEST_F(BeamDesign, SupportWidthsReplaceAndShiftTheMoment) {
    struct Case {
        bool widths;
        std::size_t point;
        double Mdesign; // kNcm, read at N = 0 against the beam's 17409 kNcm
    };
    const double z = 0.9 * 45.2;
    const Case cases[] = {
        // The face's moment, read between the result points at 0 and 60 cm;
        // no shift inside the support.
        {true, 0, 3599.96 / 3.0},
        // Without widths the zero moment at the end is shifted by the falling shear.
        {false, 0, 0.5 * 66.666 * z},
        // 60 cm from the end, inside 20 + d: the shear taken from 0 at the face.
        {true, 1, 3599.96 + 0.5 * (0.22222 * (300.0 - 65.2) * 40.0 / 45.2) * z},
        {false, 1, 3599.96 + 0.5 * 53.333 * z},
    };
    for (const Case& c : cases) {
        build();
        data.enableSupportWidth(c.widths);
        data.setLeftSupportWidth(omUnitValue(20.0, omUK_cm));
        data.setRightSupportWidth(omUnitValue(20.0, omUK_cm));
        solve();
        ADesignEC2 design(1, &frame->s);
        design.PrepareSections();
        std::vector<std::pair<double, double>> nm;
        design.DesignBending(nm);
        EXPECT_NEAR(nm[c.point].first, c.Mdesign / (10000.0 / 0.5744), 0.0005)
            << "point " << c.point << (c.widths ? " with" : " without") << " widths";
    }
}

TEST_F(BeamDesign, CrackWidthsOfTheBeam) {
    struct Case {
        double M;
        double first, second;
    };
    const Case cases[] = {
        // x 11.31 cm, sigma s 251.2 MPa, hc,ef 12.0 cm, rho 0.02618, sr 212.2 mm.
        {10000.0, 0.212, 0.0},
        {12000.0, 0.2654, 0.0},
        // Beyond what the section carries: never a width of 0.
        {30000.0, designNotVerified, 0.0},
        {-30000.0, 0.0, -designNotVerified},
        {0.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        solve();
        forces(kSer, kMid, 0.0, 0.0, c.M);
        ADesignEC2 design(1, &frame->s);
        design.PrepareSections();
        std::vector<std::pair<double, double>> cracks;
        const double factor = design.CheckCracks(cracks);
        ASSERT_EQ(cracks.size(), kPoints);
        EXPECT_NEAR(cracks[kMid].first, c.first, 0.0005) << c.M;
        EXPECT_NEAR(cracks[kMid].second, c.second, 0.0005) << c.M;
        const double widest = std::max(cracks[kMid].first, -cracks[kMid].second);
        if (widest == designNotVerified)
            EXPECT_EQ(factor, designNotVerified) << c.M;
        else
            EXPECT_GE(factor, widest / 0.3 - 1e-12) << c.M;
    }
}

TEST_F(BeamDesign, CaseNumbersWithoutCaseOrResultsArePassedOver) {
    std::pair<std::vector<int>, std::vector<int>> lists{{0, kUlt, 7}, {kSer, 9}};
    data.transferLC(omGenericDesignData::lctIn, lists);
    solve();
    ASSERT_TRUE(ADesignEC2::Run(1, &frame->s));
    EXPECT_NEAR(stored().getUltFactor(), 0.750, 0.001);
    EXPECT_NEAR(stored().getSerFactor(), 0.212 / 0.3, 0.002);
}

TEST_F(BeamDesign, ReasonsAreNumberedInOrder) {
    struct Case {
        const char* what;
        void (*change)(frametest::Frame&, omRCDesignBeamData&);
        std::string text;
    };
    const Case cases[] = {
        {"all in order", [](frametest::Frame&, omRCDesignBeamData&) {}, ""},
        {"no concrete",
         [](frametest::Frame& f, omRCDesignBeamData&) {
             f.element(1)->setMaterial(f.s.getMaterialMap()->find(1));
         },
         kHead + "\n     1 - Concrete material is either not selected or it is wrong."},
        {"neither material",
         [](frametest::Frame& f, omRCDesignBeamData&) {
             f.element(1)->setMaterial(f.s.getMaterialMap()->find(1));
             f.element(1)->setMaterial2(nullptr);
         },
         kHead + "\n     1 - Concrete material is either not selected or it is wrong." +
             "\n     2 - Reinforcement material is either not selected or it is wrong."},
        {"gaps in both bands",
         [](frametest::Frame&, omRCDesignBeamData& d) {
             d.getBottomBand() = band({{"3", "20", "0", "0.5"}}, 3.0);
             d.getTopBand() = band({{"2", "10", "0.25", "1"}}, 3.0);
         },
         kHead +
             "\n     1 - Bottom reinforcement is not defined. There are uncovered areas:\n\t[50.00-100.00]%" +
             "\n     2 - Top reinforcement is not defined. There are uncovered areas:\n\t[0.00-25.00]%"},
        {"stirrups of spacing 0",
         [](frametest::Frame&, omRCDesignBeamData& d) { d.getStirrups()[0].setE(omUnitValue(0.0, omUK_cm)); },
         kHead + "\n     1 - Stirrups are not defined. There are uncovered areas:\n\t[0.00-100.00]%"},
        {"no stirrups needed",
         [](frametest::Frame&, omRCDesignBeamData& d) {
             d.getStirrups() = omStirrupVec();
             d.getStirrups().setNoStirrups(true);
         },
         ""},
        {"a fresh concrete",
         [](frametest::Frame& f, omRCDesignBeamData&) {
             auto* c = new omConcrete(20);
             f.s.addMaterial(c, 20);
             f.element(1)->setMaterial(c);
         },
         kHead + "\n     1 - Concrete strengths and elastic modulus must be greater than zero."},
        {"no yield strength",
         [](frametest::Frame& f, omRCDesignBeamData&) {
             auto* s = new omRCSteel(21);
             f.s.addMaterial(s, 21);
             f.element(1)->setMaterial2(s);
         },
         kHead +
             "\n     1 - Yield strength and elastic modulus of the reinforcement must be greater than zero."},
        {"a cover deeper than the section",
         [](frametest::Frame&, omRCDesignBeamData& d) {
             d.getTopBand().setCover(omUnitValue(49.5, omUK_cm));
         },
         kHead + "\n     1 - Concrete cover leaves no effective depth."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        build();
        solve();
        c.change(*frame, stored());
        EXPECT_EQ(reasons(), c.text);
        // Whatever the reasons, the run neither crashes nor computes.
        const bool ran = ADesignEC2::Run(1, &frame->s);
        EXPECT_EQ(ran, c.text.empty());
        if (!ran) {
            EXPECT_EQ(stored().getUltFactor(), 0.0);
        }
    }
}

TEST_F(BeamDesign, AnUnknownElementOrMissingDesignDataGiveReasons) {
    solve();
    EXPECT_EQ(reasons(99), kHead + "\n     1 - The element does not exist.");
    EXPECT_FALSE(ADesignEC2::Run(99, &frame->s));
    frame->element(1)->setDesignData(nullptr);
    EXPECT_EQ(reasons(), kHead + "\n     1 - The element has no reinforced-concrete design data.");
    ADesignEC2 design(1, &frame->s);
    std::vector<double> shear;
    EXPECT_EQ(design.DesignShear(shear), 0.0);
    EXPECT_TRUE(design.PrepareSections());
    std::vector<std::pair<double, double>> nm;
    EXPECT_EQ(design.DesignBending(nm), 0.0);
}

// The stirrup dialog refuses a spacing of 0, but a structure file can hold one.
TEST_F(BeamDesign, AStirrupOfSpacingZeroFromARecordCoversNothing) {
    data.getStirrups() = stirrups({{"2", "8", "20", "0", "0.5"}, {"2", "8", "20", "0.5", "1"}});
    data.getStirrups()[1].setE(omUnitValue(0.0, omUK_cm));
    omRCDesignBeamData read;
    loadFrom(storedBytes(data), read);
    ASSERT_EQ(read.getStirrups().size(), 2);
    ASSERT_EQ(read.getStirrups()[1].getE().Get(omUK_cm), 0.0);
    data = read;
    solve();
    EXPECT_EQ(reasons(),
              kHead + "\n     1 - Stirrups are not defined. There are uncovered areas:\n\t[50.00-100.00]%");
    EXPECT_FALSE(ADesignEC2::Run(1, &frame->s));
    ADesignEC2 design(1, &frame->s);
    std::vector<double> shear;
    EXPECT_EQ(design.DesignShear(shear), 0.0);
    EXPECT_EQ(shear, std::vector<double>(kPoints, 0.0));
}

TEST_F(BeamDesign, StretchesOfTheSameReinforcementShareOneSection) {
    data.getBottomBand() = band({{"3", "20", "0", "0.5"}, {"3", "20", "0.5", "1"}}, 3.0);
    solve();
    ADesignEC2 design(1, &frame->s);
    ASSERT_TRUE(design.PrepareSections());
    ASSERT_EQ(design.getStretches().size(), 2u);
    ASSERT_EQ(design.getSections().size(), 1u);
    EXPECT_EQ(design.getStretches()[1].start, 0.5);
    EXPECT_EQ(design.getStretches()[1].section, 0);
    EXPECT_FALSE(design.getSections()[0].diagram.getPoints().empty());
    // A copied record carries the reinforcement, not the diagram.
    const ADesignEC2::Section copy = design.getSections()[0];
    EXPECT_TRUE(copy.diagram.getPoints().empty());
    EXPECT_TRUE(copy.sameReinforcement(design.getSections()[0]));
}

TEST_F(BeamDesign, AtAChangeOfReinforcementTheStrongerSectionIsUsed) {
    struct Case {
        const char* first;
        const char* second;
        double x;
        int section;
    };
    const Case cases[] = {
        {"3", "2", 0.5, 0}, {"3", "2", 0.6, 1}, {"3", "2", 0.4, 0}, {"2", "3", 0.5, 1}, {"2", "3", 0.49, 0},
    };
    for (const Case& c : cases) {
        build();
        data.getBottomBand() = band({{c.first, "20", "0", "0.5"}, {c.second, "20", "0.5", "1"}}, 3.0);
        solve();
        ADesignEC2 design(1, &frame->s);
        design.PrepareSections();
        ASSERT_EQ(design.getSections().size(), 2u);
        EXPECT_EQ(design.SectionAt(c.x), &design.getSections()[static_cast<std::size_t>(c.section)])
            << c.first << "/" << c.second << " at " << c.x;
    }
}

TEST_F(BeamDesign, EffectiveDepthAndAnchoredSteel) {
    data.getBottomBand() = band({{"3", "20", "0", "1"}, {"2", "20", "0", "0.2"}}, 3.0);
    solve();
    ADesignEC2 design(1, &frame->s);
    EXPECT_NEAR(design.EffectiveDepth(0.5, 1.0), 45.2, 1e-9);
    EXPECT_NEAR(design.EffectiveDepth(0.5, -1.0), 50.0 - 3.5 - 0.8, 1e-9);
    EXPECT_NEAR(design.AnchoredTensionArea(0.1, 0.15, 1.0), barArea(3, 2.0), 1e-9) << "the bars end within d";
    EXPECT_NEAR(design.AnchoredTensionArea(0.01, 0.15, 1.0), barArea(5, 2.0), 1e-9);
    EXPECT_NEAR(design.AnchoredTensionArea(0.1, 0.15, -1.0), barArea(2, 1.0), 1e-9);
}

} // namespace
