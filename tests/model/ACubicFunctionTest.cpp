#include "model/elements/ACubicFunction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <vector>

namespace {

struct CubicCase {
    const char* name;
    double a, b, c, d;
    int count;
    std::vector<double> realRoots; // the first `count` roots, ascending
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const CubicCase& c, std::ostream* os) {
    *os << c.name;
}

class CubicRoots : public ::testing::TestWithParam<CubicCase> {};

TEST_P(CubicRoots, FindsTheDistinctRealRootsFirst) {
    const CubicCase& t = GetParam();
    const ACubicFunction f(t.a, t.b, t.c, t.d);
    std::array<std::complex<double>, 3> z;
    ASSERT_EQ(t.count, f.SolveZeroes(z));
    std::vector<double> real;
    for (int i = 0; i < t.count; ++i) {
        EXPECT_TRUE(std::isfinite(z[i].real()) && std::isfinite(z[i].imag())) << i;
        real.push_back(z[i].real());
    }
    std::sort(real.begin(), real.end());
    for (size_t i = 0; i < t.realRoots.size(); ++i)
        EXPECT_NEAR(t.realRoots[i], real[i], 1e-9) << i;
    for (const auto& root : z)
        EXPECT_TRUE(std::isfinite(root.real()) && std::isfinite(root.imag()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CubicRoots,
    ::testing::Values(
        // (x - 1)(x - 2)(x - 3)
        CubicCase{"ThreeRealRoots", 1.0, -6.0, 11.0, -6.0, 3, {1.0, 2.0, 3.0}},
        // 2(x - 1)(x² + 1): p > 0
        CubicCase{"OneRealRootAndComplexPair", 2.0, -2.0, 2.0, -2.0, 1, {1.0}},
        // x³ - 3x + 4: p < 0 with D > 0
        CubicCase{"OneRealRootWithNegativeP", 1.0, 0.0, -3.0, 4.0, 1, {-2.1958233454456475}},
        // x³ - 8 (p = 0)
        CubicCase{"PureCube", 1.0, 0.0, 0.0, -8.0, 1, {2.0}},
        // (x - 2)³
        CubicCase{"TripleRootCountsOnce", 1.0, -6.0, 12.0, -8.0, 1, {2.0}},
        // (x + 2)(x - 1)²: D is exactly 0
        CubicCase{"DoubleRootBesideSimpleOne", 1.0, 0.0, -3.0, 2.0, 2, {-2.0, 1.0}},
        // No cube term: the quadratic (x - 1)(x - 4)
        CubicCase{"WithoutCubeTermSolvesTheQuadratic", 0.0, 1.0, -5.0, 4.0, 2, {1.0, 4.0}},
        // The reduced equation has q = 0: roots symmetric about the inflection point
        CubicCase{"RootsSymmetricAboutTheInflectionPoint", 1.0, -3.0, 2.75, -0.75, 3, {0.5, 1.0, 1.5}},
        CubicCase{"OddCubeThroughZero", 1.0, 0.0, -1.0, 0.0, 3, {-1.0, 0.0, 1.0}},
        // 2(x + 10)²(x - 3): q/r³ rounds to just above 1 with D just below 0
        CubicCase{"RatioRoundedAboveOneIsClamped", 2.0, 34.0, 80.0, -600.0, 3, {-10.0, -10.0, 3.0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ACubicFunction, RatioRoundedBelowOneWithPositiveDiscriminantStaysFinite) {
    // 0.5(x + 0.5)²(x - 2): D rounds above 0 while q/r³ rounds below 1, which
    // the inverse hyperbolic cosine cannot take.
    const ACubicFunction f(0.5, -0.5, -0.875, -0.25);
    std::array<std::complex<double>, 3> z;
    ASSERT_EQ(2, f.SolveZeroes(z));
    EXPECT_NEAR(2.0, z[0].real(), 1e-12);
    EXPECT_NEAR(-0.5, z[1].real(), 1e-7);
    EXPECT_NEAR(-0.5, z[2].real(), 1e-7);
    for (const auto& root : z)
        EXPECT_EQ(0.0, root.imag());
}

TEST(ACubicFunction, KeepsTheRootsBesideAFarRoot) {
    // A parabola over 0 .. 400 with a cube term so small that its third root
    // lies at 5e11: the reduced equation's numbers are then so large that
    // Cardano's formulas alone lose the two near roots entirely.
    const double L = 400.0;
    const ACubicFunction f(1e-18, -0.08 / (L * L), 0.08 / L, -0.01);
    std::array<std::complex<double>, 3> z;
    ASSERT_EQ(3, f.SolveZeroes(z));
    std::vector<double> real{z[0].real(), z[1].real(), z[2].real()};
    std::sort(real.begin(), real.end());
    EXPECT_NEAR(58.57864376126914, real[0], 1e-9);
    EXPECT_NEAR(341.4213565187309, real[1], 1e-9);
    EXPECT_NEAR(499999999600.0, real[2], 1.0);
}

TEST(ACubicFunction, ComplexRootsOfAPositivePAreConjugate) {
    // x(x² + 3): the reduced equation has q = 0 and p = 1.
    std::array<std::complex<double>, 3> z;
    ASSERT_EQ(1, ACubicFunction(1.0, 0.0, 3.0, 0.0).SolveZeroes(z));
    EXPECT_NEAR(0.0, std::abs(z[0]), 1e-12);
    EXPECT_NEAR(0.0, z[1].real(), 1e-12);
    EXPECT_NEAR(std::sqrt(3.0), std::abs(z[1].imag()), 1e-12);
    EXPECT_NEAR(-z[1].imag(), z[2].imag(), 1e-12);
}

TEST(ACubicFunction, EvaluatesAndGivesItsReducedDiscriminant) {
    ACubicFunction f;
    EXPECT_EQ(0.0, f(2.0));
    f.Set(1.0, -6.0, 11.0, -6.0);
    EXPECT_EQ(-6.0, f.GetB());
    EXPECT_EQ(-6.0, f.GetD());
    EXPECT_DOUBLE_EQ(24.0, f(5.0));
    // p = -1/3, q = 0: D = -1/27 (three real roots).
    EXPECT_NEAR(-1.0 / 27.0, f.D(), 1e-15);
}

} // namespace
