#include "rezavud/omCholesky.h"

#include "rezavud/omMatrix.h"
#include "rezavud/omSymMatrix.h"
#include "rezavud/omVector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>
#include <vector>

namespace {
// A matrix whose factorisation and solution cover only its leading rows, as the
// stiffness matrix keeps the supported equations out.
class LeadingBlockMatrix : public omSymMatrix {
public:
    LeadingBlockMatrix(int n, int solved) : omSymMatrix(n), m_solved(solved) {}
    int solveSize() const override { return m_solved; }

private:
    int m_solved;
};

omSymMatrix twoByTwo() {
    omSymMatrix m(2);
    m(1, 1) = 4;
    m(2, 1) = 2;
    m(2, 2) = 3;
    return m;
}

// A symmetric positive-definite matrix whose rows begin at irregular columns
// (the profile), with some exact zeros inside the profile as well.
omSymMatrix profileMatrix(int n, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::uniform_int_distribution<int> width(0, 8);
    omSymMatrix m(n);
    for (int i = 0; i < n; ++i) {
        const int first = std::max(0, i - width(random));
        for (int j = first; j < i; ++j)
            m.atC(i, j) = (random() % 5 == 0) ? 0.0 : value(random);
        if (first < i) m.atC(i, first) = 0.5; // the row really begins there
    }
    for (int i = 0; i < n; ++i) {
        double offDiagonal = 0.0;
        for (int j = 0; j < n; ++j)
            if (j != i) offDiagonal += std::fabs(m.atC(i, j));
        m.atC(i, i) = offDiagonal + 0.5 + value(random) * 0.25;
    }
    return m;
}

omVector ramp(int n) {
    omVector v(n);
    for (int i = 0; i < n; ++i)
        v[i] = 1.0 + 0.25 * i;
    return v;
}
} // namespace

TEST(omCholesky, OneByOneTakesTheRootOrRefusesANonPositivePivot) {
    omSymMatrix m(1);
    m(1, 1) = 4;
    EXPECT_EQ(omCholesky(m).makeTransformation(), 0);
    EXPECT_EQ(m(1, 1), 2);

    for (double bad : {0.0, -4.0, std::numeric_limits<double>::quiet_NaN()}) {
        m(1, 1) = bad;
        EXPECT_EQ(omCholesky(m).makeTransformation(), 1) << bad;
        EXPECT_TRUE(m(1, 1) == bad || std::isnan(bad)) << "left unchanged";
    }
    omSymMatrix empty;
    omCholesky none(empty);
    EXPECT_EQ(none.makeTransformation(), 0);
    EXPECT_EQ(none.detLog10(), 0.0);
}

TEST(omCholesky, FactorisesAndSolvesTheTwoByTwoExample) {
    omSymMatrix m = twoByTwo();
    omCholesky cholesky(m);
    ASSERT_EQ(cholesky.makeTransformation(), 0);
    EXPECT_EQ(m(1, 1), 2);
    EXPECT_EQ(m(2, 1), 1);
    EXPECT_DOUBLE_EQ(m(2, 2), std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(cholesky.detLog10(), std::log10(2 * std::sqrt(2.0)));

    const double rhs[] = {6, 5};
    omVector b(2, rhs);
    EXPECT_TRUE(cholesky.solve(b));
    EXPECT_DOUBLE_EQ(b(1), 1);
    EXPECT_DOUBLE_EQ(b(2), 1);

    omMatrix B(2, 2, std::data({6.0, 4.0, 5.0, 2.0}));
    EXPECT_TRUE(cholesky.solve(B));
    EXPECT_DOUBLE_EQ(B(1, 1), 1);
    EXPECT_DOUBLE_EQ(B(2, 1), 1);
    EXPECT_DOUBLE_EQ(B(1, 2), 1);
    EXPECT_DOUBLE_EQ(B(2, 2), 0);
}

TEST(omCholesky, FailedPivotLeavesThePartialFactor) {
    omSymMatrix m(3);
    m(1, 1) = 4;
    m(2, 1) = 2;
    m(2, 2) = 1; // 1 - (2/2)² = 0
    m(3, 1) = 6;
    m(3, 2) = 5;
    m(3, 3) = 20;
    EXPECT_EQ(omCholesky(m).makeTransformation(), 2);
    EXPECT_EQ(m(1, 1), 2);
    EXPECT_EQ(m(2, 1), 1);
    EXPECT_EQ(m(3, 1), 3) << "the first column is factorised";
    EXPECT_EQ(m(2, 2), 1);
    EXPECT_EQ(m(3, 2), 5);
    EXPECT_EQ(m(3, 3), 20);
}

TEST(omCholesky, SolveSizeLimitsFactorAndSolutionToTheLeadingBlock) {
    LeadingBlockMatrix m(4, 2);
    const omSymMatrix a = twoByTwo();
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= i; ++j)
            m(i, j) = (i <= 2) ? a(i, j) : 10 * i + j;
    omCholesky cholesky(m);
    ASSERT_EQ(cholesky.makeTransformation(), 0);
    EXPECT_DOUBLE_EQ(m(2, 2), std::sqrt(2.0));
    for (int i = 3; i <= 4; ++i)
        for (int j = 1; j <= i; ++j)
            EXPECT_EQ(m(i, j), 10 * i + j) << i << "," << j;

    omVector b(4, std::data({6.0, 5.0, 77.0, 88.0}));
    EXPECT_TRUE(cholesky.solve(b));
    EXPECT_DOUBLE_EQ(b(1), 1);
    EXPECT_DOUBLE_EQ(b(2), 1);
    EXPECT_EQ(b(3), 77);
    EXPECT_EQ(b(4), 88);

    omMatrix B(3, 1, std::data({6.0, 5.0, 9.0}));
    EXPECT_TRUE(cholesky.solve(B));
    EXPECT_DOUBLE_EQ(B(1, 1), 1);
    EXPECT_EQ(B(3, 1), 9);
}

TEST(omCholesky, RefusesRightHandSidesShorterThanTheSolveSize) {
    omSymMatrix m = twoByTwo();
    omCholesky cholesky(m);
    ASSERT_EQ(cholesky.makeTransformation(), 0);
    omVector b(1, std::data({6.0}));
    EXPECT_FALSE(cholesky.solve(b));
    EXPECT_EQ(b.size(), 1);
    EXPECT_EQ(b(1), 6);
    omMatrix B(1, 2, std::data({6.0, 7.0}));
    EXPECT_FALSE(cholesky.solve(B));
    EXPECT_EQ(B(1, 2), 7);
}

TEST(omCholesky, ProfileLoopsGiveTheSameFactorAndSolutionAsTheFullLoops) {
    for (unsigned seed : {1u, 2u, 3u}) {
        const omSymMatrix a = profileMatrix(60, seed);
        omSymMatrix profiled = a;
        omSymMatrix full = a;
        omCholesky byProfile(profiled);
        omCholesky byFull(full);
        ASSERT_EQ(byProfile.makeTransformation(), 0);
        ASSERT_EQ(byFull.makeTransformationFull(), 0);
        EXPECT_TRUE(profiled == full) << "seed " << seed;

        omVector x = ramp(60);
        omVector y = x;
        byProfile.solve(x);
        byFull.solveFull(y);
        EXPECT_TRUE(x == y) << "seed " << seed;

        // The solution solves the original system.
        omVector check;
        a.multiply(x, check);
        check.subtract(ramp(60));
        EXPECT_LT(check.norm(normMax), 1e-12);
    }
}

TEST(omCholesky, ProfileLoopFailsAtTheSameRowWithTheSamePartialFactor) {
    const omSymMatrix a = [] {
        omSymMatrix m = profileMatrix(40, 7);
        m.atC(25, 25) = -1.0;
        return m;
    }();
    omSymMatrix profiled = a;
    omSymMatrix full = a;
    EXPECT_EQ(omCholesky(profiled).makeTransformation(), 26);
    EXPECT_EQ(omCholesky(full).makeTransformationFull(), 26);
    EXPECT_TRUE(profiled == full);
}

TEST(omCholesky, SolvesWithAFactorMadeByAnotherObject) {
    omSymMatrix m = profileMatrix(30, 11);
    ASSERT_EQ(omCholesky(m).makeTransformationFull(), 0);
    omVector x = ramp(30);
    omVector y = ramp(30);
    omCholesky(m).solve(x);
    omCholesky(m).solveFull(y);
    EXPECT_TRUE(x == y);
}

TEST(omCholesky, LeadingBlockIgnoresTheProfileOfLaterRows) {
    const omSymMatrix a = profileMatrix(20, 5);
    LeadingBlockMatrix m(20, 12);
    for (int k = 0; k < 210; ++k)
        m.direct(k) = a.direct(k);
    omSymMatrix reference(12);
    for (int k = 0; k < 78; ++k)
        reference.direct(k) = a.direct(k);
    ASSERT_EQ(omCholesky(m).makeTransformation(), 0);
    ASSERT_EQ(omCholesky(reference).makeTransformation(), 0);
    for (int k = 0; k < 78; ++k)
        EXPECT_EQ(m.direct(k), reference.direct(k)) << k;
    for (int k = 78; k < 210; ++k)
        EXPECT_EQ(m.direct(k), a.direct(k)) << k;
}

namespace {
// The values of a whole triangle in a matrix that keeps a profile of its own,
// `wider` columns wider than the values need (as a profile from the
// connectivity holds couplings that are still 0).
omSymMatrix withProfile(const omSymMatrix& a, int wider) {
    const int n = a.size();
    std::vector<int> first(n);
    for (int i = 0; i < n; ++i) {
        int j = 0;
        while (j < i && a.atC(i, j) == 0.0)
            ++j;
        first[i] = std::max(0, j - wider);
    }
    omSymMatrix m;
    m.setProfile(n, first);
    for (int i = 0; i < n; ++i)
        for (int j = first[i]; j <= i; ++j)
            m.atC(i, j) = a.atC(i, j);
    return m;
}

struct ProfileCase {
    unsigned seed;
    int wider;
    // 0-based diagonal made negative, or -1.
    int brokenPivot;
};
} // namespace

class omCholeskyProfileStorage : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(omCholeskyProfileStorage, GivesTheBitsOfTheWholeTriangle) {
    const ProfileCase& c = GetParam();
    omSymMatrix a = profileMatrix(50, c.seed);
    if (c.brokenPivot >= 0) a.atC(c.brokenPivot, c.brokenPivot) = -1.0;
    omSymMatrix whole = a;
    omSymMatrix profiled = withProfile(a, c.wider);
    ASSERT_TRUE(profiled.hasProfile());
    omCholesky byWhole(whole);
    omCholesky byProfile(profiled);
    const int failed = byWhole.makeTransformationFull();
    EXPECT_EQ(byProfile.makeTransformation(), failed);
    EXPECT_EQ(failed, c.brokenPivot + 1);
    // Every element, the partial factor of a failure included, and the zeros before each profile.
    for (int i = 0; i < 50; ++i)
        for (int j = 0; j <= i; ++j)
            ASSERT_EQ(profiled.atC(i, j), whole.atC(i, j)) << i << ", " << j;
    if (failed != 0) return;
    EXPECT_EQ(byProfile.detLog10(), byWhole.detLog10());
    omVector x = ramp(50);
    omVector y = ramp(50);
    byProfile.solve(x);
    byWhole.solveFull(y);
    EXPECT_TRUE(x == y);
    // A factor that another object made is solved with the same result.
    omVector z = ramp(50);
    omCholesky(profiled).solve(z);
    EXPECT_TRUE(z == y);
}

INSTANTIATE_TEST_SUITE_P(IrregularProfiles, omCholeskyProfileStorage,
                         ::testing::Values(ProfileCase{1, 0, -1}, ProfileCase{2, 3, -1},
                                           ProfileCase{3, 50, -1}, ProfileCase{4, 2, 31},
                                           ProfileCase{5, 0, 0}, ProfileCase{6, 5, 49}));

TEST(omCholesky, RefusesAMatrixWrittenOutsideItsProfile) {
    omSymMatrix m = withProfile(profileMatrix(10, 3), 0);
    int i = 9;
    while (m.firstColumn(i) == 0)
        --i;
    m.atC(i, 0) += 1.0;
    EXPECT_THROW(omCholesky(m).makeTransformation(), std::logic_error);
    EXPECT_THROW(omCholesky(m).makeTransformationFull(), std::logic_error);
}

TEST(omCholesky, FactorisesOnlyRowsOfAProfile) {
    // The leading block of two rows is a profile; the last row keeps listed columns.
    class Block : public omSymMatrix {
    public:
        explicit Block(int solved) : m_solved(solved) { setProfile(3, {0, 0, 0}, {{0}}); }
        int solveSize() const override { return m_solved; }

    private:
        int m_solved;
    };
    Block two(2);
    two(1, 1) = 4;
    two(2, 1) = 2;
    two(2, 2) = 3;
    two(3, 1) = 5;
    two(3, 3) = 1;
    EXPECT_EQ(omCholesky(two).makeTransformation(), 0);
    EXPECT_EQ(two(1, 1), 2);
    EXPECT_EQ(two(3, 1), 5) << "the listed row stays as it was";
    Block three(3);
    EXPECT_THROW(omCholesky(three).makeTransformation(), std::logic_error);
    double b[3] = {1, 1, 1};
    EXPECT_THROW(omCholesky(three).solve(b), std::logic_error);
}
