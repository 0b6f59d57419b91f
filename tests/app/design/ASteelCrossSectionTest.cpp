// The steel section classifier: plate limits, classes, shear, effective values and curves.
#include "app/design/ASteelCrossSection.h"

#include "SteelSections.h"

#include <gtest/gtest.h>

#include <cmath>

using steeltest::catalogueSection;

namespace {

constexpr double rel = 1e-3; // the values hold to 0.1 %

void expectNear(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * rel) << what;
}

} // namespace

TEST(BucklingCurve, ChiIsOneBelowTwoTenthsAndFallsFromThere) {
    BucklingCurve b(1);
    EXPECT_EQ(b.Chi(0.19), 1.0);
    EXPECT_DOUBLE_EQ(b.Chi(0.2), 1.0);
    EXPECT_LT(b.Chi(0.5), b.Chi(0.3));
    EXPECT_EQ(BucklingCurve(3).letter(), 'd');
    EXPECT_DOUBLE_EQ(BucklingCurve(2).alpha(), 0.49);
}

TEST(SteelPlate, ClassLimitsOfTheStandardStressCases) {
    struct Case {
        const char* name;
        bool internal;
        bool rolled;
        double sigma1, sigma2;
        double k, l12, l23, l34; // in units of epsilon
    };
    const Case cases[] = {
        {"internal, pure bending", true, true, 1.0, -1.0, 7.81 + 6.29 + 9.78, 72.0, 83.0, 124.0},
        {"outstand, rolled, uniform", false, true, 1.0, 1.0, 0.43, 10.0, 11.0, 23.0 * std::sqrt(0.43)},
        {"outstand, welded, uniform", false, false, 1.0, 1.0, 0.43, 9.0, 10.0, 21.0 * std::sqrt(0.43)},
    };
    for (double fy : {23.5, 35.5}) {
        const double eps = std::sqrt(23.5 / fy);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            SteelPlate p(c.internal, 10.0, 1.0, c.sigma1 * fy, c.sigma2 * fy, c.rolled, fy);
            EXPECT_NEAR(p.BucklingFactor(), c.k, 1e-9);
            EXPECT_NEAR(p.ClassLimit(false), c.l12 * eps, 1e-9);
            EXPECT_NEAR(p.ClassLimit(true), c.l23 * eps, 1e-9);
            EXPECT_NEAR(p.ClassLimit34(), c.l34 * eps, 1e-6);
        }
    }
    EXPECT_NEAR(23.0 * std::sqrt(0.43), 15.08, 0.005);
    EXPECT_NEAR(21.0 * std::sqrt(0.43), 13.77, 0.005);
    // Below psi = -2 the buckling factor stays at its value there.
    EXPECT_DOUBLE_EQ(SteelPlate(true, 10, 1, 1.0, -3.0, true, 23.5).BucklingFactor(), 53.82);
}

TEST(SteelPlate, AUncompressedPlateHasNoClassAndAPlateAtALimitBelongsToTheLowerClass) {
    SteelPlate tension(true, 10.0, 1.0, -5.0, -5.0, true, 23.5);
    EXPECT_EQ(tension.Classify(nullptr), 0.1);
    EXPECT_EQ(tension.BucklingFactor(), 0.0);
    EXPECT_EQ(tension.ClassLimit(true), 0.0);
    // Pure bending: d/t exactly 72, 83 and 124 give exactly 1, 2 and 3.
    for (double limit : {72.0, 83.0, 124.0}) {
        SteelPlate p(true, limit, 1.0, 1.0, -1.0, true, 23.5);
        EXPECT_NEAR(p.Classify(nullptr), limit == 72.0 ? 1.0 : (limit == 83.0 ? 2.0 : 3.0), 1e-12);
    }
    std::string report;
    SteelPlate(true, 35.0, 1.0, 1.0, 1.0, true, 23.5).Classify(&report);
    EXPECT_EQ(report, "Plate slenderness (d=35.00 cm/t= 1.00 cm) = 35.00\nSlenderness class limits: (3/4) = "
                      "42.00, (2/3) = 38.00, (1/2) = 33.00\nClass factor =  1.40");
}

TEST(SteelPlate, StockyPlatesAreFullyEffectiveAndSlenderOnesLoseTheirMiddle) {
    EXPECT_EQ(SteelPlate(true, 20.0, 1.0, 23.5, 23.5, false, 23.5).EffectiveHole(), std::make_pair(0.0, 0.0));
    auto [start, end] = SteelPlate(true, 60.0, 1.0, 23.5, 23.5, false, 23.5).EffectiveHole();
    EXPECT_GT(start, 0.0);
    EXPECT_LT(end, 60.0);
    EXPECT_NEAR(start, 60.0 - end, 1e-9); // symmetric under uniform compression
    // A plate whose stresses are given the other way round has the mirrored hole.
    auto a = SteelPlate(true, 60.0, 1.0, 23.5, 5.0, false, 23.5).EffectiveHole();
    auto b = SteelPlate(true, 60.0, 1.0, 5.0, 23.5, false, 23.5).EffectiveHole();
    EXPECT_NEAR(a.first, 60.0 - b.second, 1e-9);
    EXPECT_NEAR(a.second, 60.0 - b.first, 1e-9);
}

TEST(ASteelCrossSection_DSI, ClassesOfAnIPE300InS235) {
    auto ipe = catalogueSection("IPE 300");
    ASteelCrossSection_DSI c(ipe.get());
    expectNear(((c.b - c.tw) / 2.0 - c.a) / c.tf, 5.276, "flange c/tf");
    expectNear((c.h - 2.0 * (c.tf + c.a)) / c.tw, 35.01, "web d/tw");
    // Pure bending: the flange governs.
    ASteelClass bending = c.Classify(0.0, 5000.0, 23.5, nullptr);
    expectNear(bending.value, 0.528, "flange class value");
    EXPECT_EQ(bending.mark, 'F');
    std::string report;
    c.Classify(0.0, 5000.0, 23.5, &report);
    EXPECT_EQ(report.rfind("Flange:\nPlate slenderness", 0), 0u);
    EXPECT_NE(report.find("\nWeb:\nPlate slenderness"), std::string::npos);
    // The web alone in bending.
    SteelPlate web(true, c.h - 2.0 * (c.tf + c.a), c.tw, 1.0, -1.0, true, 23.5);
    expectNear(web.Classify(nullptr), 0.486, "web in bending");
    // Compression: class 2 by the web.
    ASteelClass compression = c.Classify(-100.0, 0.0, 23.5, nullptr);
    expectNear(compression.value, 1.403, "web in compression");
    EXPECT_EQ(compression.mark, 'W');
    EXPECT_EQ(std::ceil(compression.value), 2.0);
    expectNear(c.Classify(-200.0, 5000.0, 23.5, nullptr).value, 0.774, "-200 kN with 50 kNm");
    // The plates' own constants, not the catalogue's.
    expectNear(c.TorsionConstant(), 15.57, "It");
}

TEST(ASteelCrossSection_DSI, ShearRatioAndShearReducedValues) {
    auto ipe = catalogueSection("IPE 300");
    ASteelCrossSection_DSI c(ipe.get());
    expectNear(ipe->Vz(), 1.04 * 30.0 * 0.71, "shear area");
    std::string report;
    expectNear(c.ShearRatio(100.0 * 1.1, 23.5, 0.0, &report), 0.3660, "shear ratio");
    EXPECT_NE(report.find("Shear strength (simple post-critical) = 13.57 kN/cm2"), std::string::npos);
    EXPECT_EQ(c.ElasticShearReduced(0.0), std::make_pair(ipe->A(), ipe->Wy()));
    EXPECT_LT(c.PlasticShearReduced(0.5).second, ipe->Zy());
}

TEST(ASteelCrossSection_DSI, BucklingCurvesFollowTheShapeAndThickness) {
    auto ipe = catalogueSection("IPE 300"); // h/b 2, thin plates
    ASteelCrossSection_DSI slim(ipe.get());
    EXPECT_EQ(slim.CurveY().letter(), 'a');
    EXPECT_EQ(slim.CurveZ().letter(), 'b');
    EXPECT_EQ(slim.CurveLT().letter(), 'a');
    auto heb = catalogueSection("HEB 200"); // h/b 1
    ASteelCrossSection_DSI wide(heb.get());
    EXPECT_EQ(wide.CurveY().letter(), 'b');
    EXPECT_EQ(wide.CurveZ().letter(), 'c');
    omCrossSectionIDS welded(40.0, 20.0, 1.0, 2.0, 0.4, "cm", 3);
    welded.setRolled(false);
    ASteelCrossSection_DSI w(&welded);
    EXPECT_EQ(w.CurveY().letter(), 'b');
    EXPECT_EQ(w.CurveZ().letter(), 'c');
    EXPECT_EQ(w.CurveLT().letter(), 'c');
}

TEST(ASteelCrossSection_DSI, EffectiveValuesShrinkOnlyForSlenderPlates) {
    auto ipe = catalogueSection("IPE 300");
    ASteelCrossSection_DSI stocky(ipe.get());
    EXPECT_NEAR(stocky.EffectiveSection(0.0, 23.5).first, ipe->A(), 1e-9);
    // A welded girder with a thin web: class 4, reduced area and modulus.
    omCrossSectionIDS girder(120.0, 30.0, 0.6, 2.0, 0.4, "cm", 3);
    girder.setRolled(false);
    ASteelCrossSection_DSI c(&girder);
    EXPECT_GT(c.Classify(-100.0, 0.0, 23.5, nullptr).value, 3.0);
    auto [Aeff, Weff] = c.EffectiveSection(0.0, 23.5);
    // Only the web is slender (d/t 192): it keeps rho d of its width; the
    // flanges' outstands (c/t 7.15) stay whole.
    const double d = 120.0 - 2.0 * (2.0 + 0.4);
    const double lambdaP = (d / 0.6) / (28.4 * 2.0);
    const double rho = (lambdaP - 0.22) / (lambdaP * lambdaP);
    EXPECT_NEAR(Aeff, girder.A() - (1.0 - rho) * d * 0.6, 1e-9);
    EXPECT_LT(Weff, girder.Wy());
    EXPECT_GT(Weff, 0.9 * girder.Wy());
}

TEST(ASteelCrossSection_Tube, ClassOneExactlyAtFiftyEpsilonSquared) {
    for (double fy : {23.5, 35.5}) {
        const double eps2 = 23.5 / fy;
        auto tube = steeltest::tube(50.0 * eps2 * 0.5, 0.5);
        ASteelCrossSection_Tube c(tube.get());
        ASteelClass k = c.Classify(-100.0, 0.0, fy, nullptr);
        EXPECT_NEAR(k.value, 1.0, 1e-12);
        EXPECT_EQ(k.mark, ' ');
    }
    auto tube = steeltest::tube(50.0, 0.4); // D/t 125: class 4
    ASteelCrossSection_Tube c(tube.get());
    EXPECT_GT(c.Classify(0.0, 0.0, 23.5, nullptr).value, 3.0);
    EXPECT_FALSE(c.HasEffectiveSection());
}

TEST(ASteelCrossSection_Box, OutstandReplacesTheGoverningPlateOnlyWhenStrictlyLarger) {
    // Box: h 40, b 30, flange 1.0, outstand 3.0, web 0.8, weld 0.4.
    auto box = steeltest::box(40.0, 30.0, 0.8, 1.0, 3.0, 0.4);
    ASteelCrossSection_Box c(box.get());
    std::string report;
    ASteelClass k = c.Classify(-50.0, 0.0, 23.5, &report);
    EXPECT_NE(report.find("\nOutstand:\n"), std::string::npos);
    EXPECT_TRUE(k.mark == 'F' || k.mark == 'W' || k.mark == 'O');
    EXPECT_FALSE(c.LateralTorsionalApplies());
    EXPECT_DOUBLE_EQ(c.BiaxialExponent(0.0), 1.66);
    EXPECT_DOUBLE_EQ(c.BiaxialExponent(0.9), 6.0);
}
