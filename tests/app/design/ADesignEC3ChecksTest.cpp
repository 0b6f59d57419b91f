// The EC3 checks on their own: cross-section resistance, flexural buckling,
// lateral-torsional buckling, their interaction, and the moment-diagram factors.
#include "app/design/ADesignEC3.h"
#include "app/design/ASteelCrossSection.h"
#include "app/design/MomentField.h"

#include "SteelSections.h"
#include "model/omElementSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using steeltest::catalogueSection;

namespace {

constexpr double rel = 1e-3;
constexpr double gM = 1.1;

#define EXPECT_REL(actual, expected) EXPECT_NEAR((actual), (expected), std::fabs(expected) * rel)

omElementSupport fullySupported() {
    omElementSupport s;
    s.setFullSupport(true);
    return s;
}

omElementSupport oneField(double K) {
    omElementSupport s;
    s.set({0.0, 1.0}, {K});
    return s;
}

// A uniform moment M (kNcm) along the member at 11 positions.
AMomentDiagram uniformMoment(double M) {
    AMomentDiagram d;
    for (int i = 0; i <= 10; ++i) {
        d.positions.push_back(i / 10.0);
        d.moments.push_back(M);
    }
    return d;
}

} // namespace

TEST(CheckSectionResistance, IPE300InS235) {
    auto ipe = catalogueSection("IPE 300");
    ASteelCrossSection_DSI c(ipe.get());
    const double fy = 23.5;
    EXPECT_REL(ipe->A() * fy / gM, 1149.6);
    EXPECT_REL(ipe->Zy() * fy / gM / 100.0, 134.24);
    EXPECT_REL(ipe->Wy() * fy / gM / 100.0, 119.01);
    struct Case {
        const char* name;
        double My, N, classValue, expected;
    };
    const Case cases[] = {
        {"bending alone, plastic", 10000.0, 0.0, 0.5, 0.7449},
        {"bending alone, class 3 elastic", 10000.0, 0.0, 2.5, 10000.0 / 11901.4},
        {"compression with bending", 8000.0, -300.0, 1.5, 0.6404},
        {"axial force alone", 0.0, -500.0, 1.5, 500.0 / 1149.6},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_REL(ADesignEC3::CheckSectionResistance(k.My, k.N, 0.0, k.classValue, gM, gM, c, fy),
                   k.expected);
    }
    // Shear reduction limits even a class 3 section by the plastic moment reduced for shear.
    const double withShear = ADesignEC3::CheckSectionResistance(10000.0, 0.0, 0.6, 2.5, gM, gM, c, fy);
    EXPECT_GT(withShear, 10000.0 / 11901.4);
}

TEST(CheckSectionResistance, BoxesAndTubesInBendingTakeTheCombinedBranchAndAClass4TubeGivesTwo) {
    auto tube = steeltest::tube(30.0, 1.0);
    ASteelCrossSection_Tube t(tube.get());
    const double fy = 23.5;
    // Class 1, plastic: the combined branch gives the bending share alone.
    EXPECT_REL(ADesignEC3::CheckSectionResistance(5000.0, 0.0, 0.0, 1.0, gM, gM, t, fy),
               5000.0 / (tube->Zy() * fy / gM));
    // Class 4 without effective values: 2.0 in both branches, never a division by zero.
    EXPECT_EQ(ADesignEC3::CheckSectionResistance(0.0, -100.0, 0.0, 4.5, gM, gM, t, fy), 2.0);
    EXPECT_EQ(ADesignEC3::CheckSectionResistance(100.0, -100.0, 0.0, 4.5, gM, gM, t, fy), 2.0);
}

TEST(CheckCompressionMember, FlexuralBucklingOfRolledColumns) {
    struct Case {
        const char* section;
        double fy, L, chiY, chiZ, NbRd;
    };
    const Case cases[] = {
        {"IPE 300", 23.5, 400.0, 0.9675, 0.4408, 506.8},
        {"HEB 200", 23.5, 500.0, 0.8252, 0.5109, 852.2},
        {"HEB 200", 35.5, 500.0, 0.0, 0.0, 988.5},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.section) + " fy " + std::to_string(k.fy));
        auto cs = catalogueSection(k.section);
        ASteelCrossSection_DSI c(cs.get());
        if (k.chiY > 0.0) {
            EXPECT_REL(c.CurveY().Chi(c.SlendernessY(k.L, k.fy, 1.0, 21000.0)), k.chiY);
            EXPECT_REL(c.CurveZ().Chi(c.SlendernessZ(k.L, k.fy, 1.0, 21000.0)), k.chiZ);
        }
        const double f =
            ADesignEC3::CheckCompressionMember(-100.0, k.L, 1.0, k.fy, gM, c, oneField(1.0), oneField(1.0));
        EXPECT_REL(100.0 / f, k.NbRd);
    }
    // Fully supported about both axes: the squash load over gamma M1.
    auto ipe = catalogueSection("IPE 300");
    ASteelCrossSection_DSI c(ipe.get());
    EXPECT_REL(ADesignEC3::CheckCompressionMember(-100.0, 400.0, 1.0, 23.5, gM, c, fullySupported(),
                                                  fullySupported()),
               100.0 / (ipe->A() * 23.5 / gM));
}

TEST(CheckCompressionMember, HEB300ColumnOfAPublishedMultiStoreyExample) {
    // S235, L 8 m about y-y, 5.6 m about z-z, gamma M1 1.0. The published
    // slendernesses are 0.655 and 0.787 and chi y 0.808.
    auto heb = catalogueSection("HEB 300");
    ASteelCrossSection_DSI c(heb.get());
    const double lambdaY = c.SlendernessY(800.0, 23.5, 1.0, 21000.0);
    const double lambdaZ = c.SlendernessZ(560.0, 23.5, 1.0, 21000.0);
    EXPECT_NEAR(lambdaY, 0.655, 0.005);
    EXPECT_NEAR(lambdaZ, 0.787, 0.005);
    EXPECT_NEAR(c.CurveY().Chi(lambdaY), 0.808, 0.003);
    EXPECT_NEAR(c.CurveZ().Chi(lambdaZ), 0.670, 0.003);
    const double f =
        ADesignEC3::CheckCompressionMember(-1000.0, 800.0, 1.0, 23.5, 1.0, c, oneField(1.0), oneField(0.7));
    EXPECT_NEAR(1000.0 / f, 2349.0, 5.0);
}

TEST(CheckLateralTorsionalBuckling, IPE300OverSixMetresUnderAUniformMoment) {
    auto ipe = catalogueSection("IPE 300");
    ASteelCrossSection_DSI c(ipe.get());
    const double fy = 23.5, E = 21000.0, G = 8076.9, L = 600.0;
    // Mb,Rd = chi LT Zy fy / gamma M1 = 60.69 kNm, so 50 kNm gives 0.8239.
    const double f = ADesignEC3::CheckLateralTorsionalBuckling(0.0, uniformMoment(5000.0), 1.0, gM, 0.8, L,
                                                               oneField(1.0), c, fy, E, G, 0.0);
    EXPECT_REL(f, 0.8239);
    EXPECT_REL(5000.0 / f / 100.0, 60.69);
    // An axial tension relieves the compression flange.
    EXPECT_REL(ADesignEC3::CheckLateralTorsionalBuckling(100.0, uniformMoment(5000.0), 1.0, gM, 0.8, L,
                                                         oneField(1.0), c, fy, E, G, 0.0),
               0.6874);
    // A field held with K = 0 does not buckle laterally: the plastic resistance.
    EXPECT_REL(ADesignEC3::CheckLateralTorsionalBuckling(0.0, uniformMoment(5000.0), 1.0, gM, 0.8, L,
                                                         oneField(0.0), c, fy, E, G, 0.0),
               5000.0 / (ipe->Zy() * fy / gM));
}

TEST(CheckBendingCompression, IPE300OverFourMetresWithAxialForceAndUniformMoment) {
    auto ipe = catalogueSection("IPE 300");
    ASteelCrossSection_DSI c(ipe.get());
    const double fy = 23.5, E = 21000.0, G = 8076.9, L = 400.0;
    const double classValue = c.Classify(-200.0, 5000.0, fy, nullptr).value;
    // LT fully supported: flexural buckling with bending.
    EXPECT_REL(ADesignEC3::CheckBendingCompression(-200.0, uniformMoment(5000.0), classValue, gM, L,
                                                   oneField(1.0), oneField(1.0), c, fy),
               0.7968);
    // LT with K = 1: the lateral-torsional mode.
    EXPECT_REL(ADesignEC3::CheckBendingCompressionLT(-200.0, uniformMoment(5000.0), classValue, gM, L,
                                                     oneField(1.0), oneField(1.0), c, fy, E, G, 0.0),
               0.9369);
}

TEST(CheckBendingCompression, AMemberHeldInItsPlaneIsStillCheckedAboutZZ) {
    auto ipe = catalogueSection("IPE 300");
    ASteelCrossSection_DSI c(ipe.get());
    const double fy = 23.5, L = 400.0;
    const double f = ADesignEC3::CheckBendingCompression(-200.0, uniformMoment(5000.0), 1.0, gM, L,
                                                         fullySupported(), oneField(1.0), c, fy);
    // chi y = 1, lambda y = 0: k y = 1 - mu y |N| / (A fy) with mu y = (Zy - Wy) / Wy.
    const double chiZ = c.CurveZ().Chi(c.SlendernessZ(L, fy, 1.0, 21000.0));
    const double muY = (ipe->Zy() - ipe->Wy()) / ipe->Wy();
    const double kY = 1.0 - muY * 200.0 / (ipe->A() * fy);
    EXPECT_REL(f, (200.0 / (chiZ * ipe->A()) + kY * 5000.0 / ipe->Zy()) * gM / fy);
}

TEST(MomentField, FieldsTakeInterpolatedEndsOnlyBetweenResultPositions) {
    AMomentDiagram d{{0.0, 0.25, 0.5, 0.75, 1.0}, {0.0, 10.0, 20.0, 30.0, 40.0}};
    MomentField f;
    f.SetField(0.25, 0.75, d.positions, d.moments);
    EXPECT_EQ(f.positions(), (std::vector<double>{0.25, 0.5, 0.75}));
    f.SetField(0.1, 0.6, d.positions, d.moments);
    EXPECT_EQ(f.positions(), (std::vector<double>{0.1, 0.25, 0.5, 0.6}));
    EXPECT_NEAR(f.moments().front(), 4.0, 1e-12);
    EXPECT_NEAR(f.moments().back(), 24.0, 1e-12);
}

TEST(MomentField, FactorsOfTheStandardDiagrams) {
    MomentField f;
    AMomentDiagram uniform = uniformMoment(100.0);
    f.SetField(0.0, 1.0, uniform.positions, uniform.moments);
    EXPECT_DOUBLE_EQ(f.EndMomentRatio(), 1.0);
    EXPECT_NEAR(f.EquivalentMomentFactor(), 1.1, 1e-12);
    for (double k : {0.5, 0.7, 1.0})
        EXPECT_NEAR(f.CFactor(1, k), 1.0, 1e-12);

    AMomentDiagram opposite;
    for (int i = 0; i <= 10; ++i) {
        opposite.positions.push_back(i / 10.0);
        opposite.moments.push_back(100.0 - 20.0 * i);
    }
    f.SetField(0.0, 1.0, opposite.positions, opposite.moments);
    EXPECT_DOUBLE_EQ(f.EndMomentRatio(), -1.0);
    EXPECT_NEAR(f.CFactor(1, 1.0), 2.752, 1e-12);

    // End moments within 1 kNcm: the transverse-load table of a simply supported field.
    AMomentDiagram parabola;
    for (int i = 0; i <= 40; ++i) {
        const double x = i / 40.0;
        parabola.positions.push_back(x);
        parabola.moments.push_back(400.0 * x * (1.0 - x));
    }
    f.SetField(0.0, 1.0, parabola.positions, parabola.moments);
    EXPECT_NEAR(f.LoadShapeRatio(), 2.0 / 3.0, 2e-3);
    EXPECT_NEAR(f.CFactor(1, 1.0), 1.132, 2e-3);
}

TEST(MomentField, TheLoadShapeRatioIsMeasuredInTheField) {
    // A parabola between 0.25 and 0.75 of the member, in steps of 0.025.
    AMomentDiagram d;
    for (int i = 0; i <= 40; ++i) {
        const double x = i * 0.025;
        d.positions.push_back(x);
        const double u = (x - 0.25) / 0.5;
        d.moments.push_back(x < 0.25 || x > 0.75 ? 0.0 : 100.0 * u * (1.0 - u));
    }
    MomentField f;
    f.SetField(0.25, 0.75, d.positions, d.moments);
    EXPECT_NEAR(f.LoadShapeRatio(), 0.665, 1e-3);
    EXPECT_NEAR(f.CFactor(1, 1.0), 1.135, 1e-3);
}

TEST(MomentField, TablesAreInterpolatedAndClamped) {
    EXPECT_NEAR(MomentField::TransverseLoadCFactor(1, 0.0, 0.9, 1.2), 1.132, 1e-12);
    EXPECT_NEAR(MomentField::TransverseLoadCFactor(1, 0.0, 0.3, 0.3), 1.07, 1e-12);
    EXPECT_NEAR(MomentField::TransverseLoadCFactor(2, 1.0, 0.667, 0.75), (0.652 + 1.562) / 2.0, 1e-12);
    MomentField f;
    EXPECT_EQ(f.EndMomentCFactor(2, 1.0, 0.0), 0.0);
    EXPECT_NEAR(f.EndMomentCFactor(1, 0.85, 0.0), (1.879 + 2.092) / 2.0, 1e-12);
    EXPECT_NEAR(f.EndMomentCFactor(3, 0.3, -0.125), (0.0 + 0.0) / 2.0 + (1.957 + 2.150) / 2.0, 1e-12);
}
