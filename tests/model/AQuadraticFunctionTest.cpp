#include "model/elements/AQuadraticFunction.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

struct QuadraticCase {
    const char* name;
    double a, b, c;
    int count;
    std::vector<std::complex<double>> roots;
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const QuadraticCase& c, std::ostream* os) {
    *os << c.name;
}

class QuadraticRoots : public ::testing::TestWithParam<QuadraticCase> {};

TEST_P(QuadraticRoots, CountsRealRootsFirstAndGivesEveryRoot) {
    const QuadraticCase& t = GetParam();
    std::array<std::complex<double>, 2> z;
    EXPECT_EQ(t.count, AQuadraticFunction(t.a, t.b, t.c).SolveZeroes(z));
    for (size_t i = 0; i < t.roots.size(); ++i) {
        EXPECT_NEAR(t.roots[i].real(), z[i].real(), 1e-12) << i;
        EXPECT_NEAR(t.roots[i].imag(), z[i].imag(), 1e-12) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuadraticRoots,
    ::testing::Values(QuadraticCase{"TwoRealAscending", 2.0, -6.0, 4.0, 2, {1.0, 2.0}},
                      QuadraticCase{"DoubleRootCountsOnce", 1.0, -4.0, 4.0, 1, {2.0, 2.0}},
                      QuadraticCase{"ComplexPairHasNoRealRoot", 1.0, -2.0, 5.0, 0, {{1.0, 2.0}, {1.0, -2.0}}},
                      QuadraticCase{"LinearWithoutSquareTerm", 0.0, 2.0, -3.0, 1, {1.5, 0.0}},
                      QuadraticCase{"ConstantHasNoRoot", 0.0, 0.0, 3.0, 0, {0.0, 0.0}},
                      QuadraticCase{"RootAtZero", 1.0, -3.0, 0.0, 2, {0.0, 3.0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AQuadraticFunction, KeepsTheSmallRootOfWidelySeparatedRoots) {
    // (x - 1e-9)(x - 1e9): the small root would lose all its digits in m + s.
    std::array<std::complex<double>, 2> z;
    ASSERT_EQ(2, AQuadraticFunction(1.0, -(1e9 + 1e-9), 1.0).SolveZeroes(z));
    EXPECT_NEAR(1e-9, z[0].real(), 1e-22);
    EXPECT_NEAR(1e9, z[1].real(), 1e-6);
}

TEST(AQuadraticFunction, EvaluatesAndGivesItsDiscriminant) {
    AQuadraticFunction f;
    EXPECT_EQ(0.0, f(3.0));
    f.Set(2.0, -3.0, 1.0);
    EXPECT_EQ(2.0, f.GetA());
    EXPECT_EQ(-3.0, f.GetB());
    EXPECT_EQ(1.0, f.GetC());
    EXPECT_DOUBLE_EQ(2.0 * 9.0 - 3.0 * 3.0 + 1.0, f(3.0));
    EXPECT_DOUBLE_EQ(4.0 * 2.0 * 1.0 - 9.0, f.D());
    const AQuadraticFunction copy = f;
    EXPECT_EQ(f(1.5), copy(1.5));
}

} // namespace
