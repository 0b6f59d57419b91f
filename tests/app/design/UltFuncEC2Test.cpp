#include "app/design/UltFuncEC2.h"

#include "DesignFixtures.h"
#include "rezavud/SolverNewton2.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace designtest;

// Both shapes with their reinforcement, in the section functions' units.
class SectionFunctions : public ::testing::Test {
protected:
    void SetUp() override { useDefaultFactors(); }

    UltFuncEC2 column() {
        UltFuncEC2 f(&columnSection, concrete.get(), steel.get());
        f.SetParameters(omLoadCase::lsUltimate, barArea(2, 2.0), barArea(2, 2.0), 5.0, 5.0, 0.0, 0.0);
        return f;
    }
    UltFuncEC2 beam() {
        UltFuncEC2 f(&beamSection, concrete.get(), steel.get());
        f.SetParameters(omLoadCase::lsUltimate, barArea(3, 2.0), barArea(2, 1.0), 4.0, 3.5, 0.0, 0.0);
        return f;
    }

    std::unique_ptr<omConcrete> concrete{newC30()};
    std::unique_ptr<omRCSteel> steel{newB500()};
    omCrossSectionRect beamSection{50.0, 30.0, omUK_cm, 1};
    omCrossSectionRect columnSection{40.0, 40.0, omUK_cm, 2};
};

TEST_F(SectionFunctions, UltimateLawsFollowTheDesignStrengths) {
    const UltFuncEC2 f = beam();
    const double fcd = 2.0;         // 3.0 / 1.5
    const double fyd = 50.0 / 1.15; // 43.478
    struct Case {
        double eps;
        double concrete;
        double steel;
    };
    const Case cases[] = {
        {0.001, 0.0, 20.0},
        {0.0, 0.0, 0.0},
        {-0.001, -0.85 * fcd * 0.75, -20.0},
        {-0.002, -0.85 * fcd, -40.0},
        {-0.0035, -0.85 * fcd, -fyd},
        {-0.0035001, 0.0, -fyd},
        {0.025, 0.0, fyd},
        {0.0251, 0.0, 0.0},
        {-0.0251, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(f.ConcreteStress(c.eps), c.concrete, 1e-12) << c.eps;
        EXPECT_NEAR(f.SteelStress(c.eps), c.steel, 1e-9) << c.eps;
    }
}

TEST_F(SectionFunctions, PartialFactorsFollowTheLimitState) {
    SafetyFactorsEC::Instance()->m_EC2.m_concreteUltimateAccidental = 1.2;
    SafetyFactorsEC::Instance()->m_EC2.m_steelUltimateAccidental = 1.0;
    UltFuncEC2 f = beam();
    f.SetParameters(omLoadCase::lsUltimateAccidental, 1.0, 1.0, 4.0, 4.0, 0.0, 0.0);
    EXPECT_NEAR(f.ConcreteStress(-0.003), -0.85 * 2.5, 1e-12);
    EXPECT_NEAR(f.SteelStress(0.01), 50.0, 1e-12);
}

TEST_F(SectionFunctions, ServiceabilityLawsAreLinearWithoutConcreteTension) {
    SerFuncEC2Linear f(&beamSection, concrete.get(), steel.get());
    f.SetParameters(omLoadCase::lsServiceability, 1.0, 1.0, 4.0, 4.0, 0.0, 0.0);
    struct Case {
        double eps;
        double concrete;
        double steel;
    };
    const Case cases[] = {
        {0.001, 0.0, 20.0},    {-0.001, -3.3, -20.0}, {-0.0035, -11.55, -50.0},
        {-0.0036, 0.0, -50.0}, {0.003, 0.0, 50.0},    {0.0251, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(f.ConcreteStress(c.eps), c.concrete, 1e-9) << c.eps;
        EXPECT_NEAR(f.SteelStress(c.eps), c.steel, 1e-9) << c.eps;
    }
}

// Column 40/40 with 2 bars of 20 mm per face at 5 cm.
TEST_F(SectionFunctions, EdgeStrainsGiveTheColumnsForces) {
    const UltFuncEC2 f = column();
    struct Case {
        const char* what;
        double top, bottom;
        double N, M; // kN, kNcm
    };
    const Case cases[] = {
        {"crushed top, +2 per mille at the bottom bars", -0.0035, 0.002, -1237.2, 20870.0},
        {"uniform -2 per mille", -0.002, -0.002, -3201.3, 0.0},
        {"pure tension", 0.025, 0.025, 546.36, 0.0},
    };
    for (const Case& c : cases) {
        const auto [N, M] = f.Evaluate(c.top, c.bottom);
        EXPECT_NEAR(N, c.N, std::fabs(c.N) * 1e-3) << c.what;
        EXPECT_NEAR(M, c.M, std::max(std::fabs(c.M) * 1e-3, 1e-6)) << c.what;
    }
    EXPECT_EQ(f.At({0.0, 0.0}), std::make_pair(0.0, 0.0));
}

TEST_F(SectionFunctions, AStrainPlaneOfNoStrainLeavesMinusTheTargets) {
    UltFuncEC2 f = column();
    f.SetParameters(omLoadCase::lsUltimate, 6.0, 6.0, 5.0, 5.0, 1500.0, -300.0);
    EXPECT_EQ(f.f1({0.0, 0.0}), 300.0);
    EXPECT_EQ(f.f2({0.0, 0.0}), -1500.0);
}

// The beam's moment resistance: the plane through -3.5 per mille at the top
// whose axial force vanishes.
TEST_F(SectionFunctions, TheBeamsMomentResistanceWithoutAxialForce) {
    const UltFuncEC2 f = beam();
    double lo = 0.0, hi = 0.025;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (f.Evaluate(-0.0035, mid).first > 0.0 ? hi : lo) = mid;
    }
    const double epsS = 0.5 * (lo + hi);
    const auto [N, M] = f.Evaluate(-0.0035, epsS);
    EXPECT_NEAR(N, 0.0, 1e-6);
    EXPECT_NEAR(M / 100.0, 174.13, 174.13e-3);
    const double x = 0.0035 / (0.0035 + epsS) * (50.0 - 4.0);
    EXPECT_NEAR(x, 8.43, 0.01);
}

// The cracked elastic state of the beam under 100 kNm.
TEST_F(SectionFunctions, TheServiceabilityPlaneOfTheBeamUnderItsWorkingMoment) {
    SerFuncEC2Linear f(&beamSection, concrete.get(), steel.get());
    f.SetParameters(omLoadCase::lsServiceability, barArea(3, 2.0), barArea(2, 1.0), 4.0, 3.5, 10000.0, 0.0);
    SolverNewton2 solver(&f);
    double eps0 = -1e-5, kappa = 0.0;
    ASSERT_EQ(solver.Solve(eps0, kappa, 1e-7), 0);
    const double x = -eps0 / kappa - beamSection.zTop();
    EXPECT_NEAR(x, 11.31, 0.01);
    const double sigmaS = f.SteelStress(eps0 + kappa * f.zBottomBars());
    EXPECT_NEAR(sigmaS * 10.0, 251.2, 0.2512);
}

} // namespace
