#include "rezavud/omLUGauss.h"

#include "rezavud/omMatrix.h"
#include "rezavud/omVector.h"

#include <gtest/gtest.h>

namespace {
omMatrix make(int r, int c, std::initializer_list<double> v) {
    return omMatrix(r, c, std::data(v));
}
omVector vec(std::initializer_list<double> v) {
    return omVector(static_cast<int>(v.size()), std::data(v));
}
} // namespace

TEST(omLUGauss, ZeroFirstPivotFailsWithoutPivotingAndIsExchangedWithIt) {
    omMatrix a = make(2, 2, {0, 1, 1, 1});
    omLUGauss plain(a, false, noPivot);
    EXPECT_EQ(plain.makeTransformation(), 1);
    EXPECT_EQ(plain.getPivotRow(0), 0);

    omLUGauss pivoting(a, false, partialPivot);
    EXPECT_EQ(pivoting.makeTransformation(), 0);
    EXPECT_EQ(pivoting.getPivotRow(0), 1);
    EXPECT_EQ(pivoting.getPivotRow(1), 0);
    omVector b = vec({2, 5}); // y = 2, x + y = 5
    EXPECT_EQ(pivoting.solve(b), 1);
    EXPECT_DOUBLE_EQ(b(1), 3);
    EXPECT_DOUBLE_EQ(b(2), 2);
}

TEST(omLUGauss, PartialPivotingTakesTheLargestRowFirst) {
    omMatrix a = make(2, 2, {2, 1, 4, 3});
    omLUGauss lu(a, false, partialPivot);
    ASSERT_EQ(lu.makeTransformation(), 0);
    EXPECT_EQ(lu.getPivotRow(0), 1);
    const omSubMatrix& w = lu;
    EXPECT_TRUE(w == make(2, 2, {4, 3, 0.5, -0.5})) << w;
    omVector b = vec({3, 7, 99});
    EXPECT_EQ(lu.solve(b), 1);
    EXPECT_DOUBLE_EQ(b(1), 1);
    EXPECT_DOUBLE_EQ(b(2), 1);
    EXPECT_EQ(b(3), 99) << "only the first n elements take part";
}

TEST(omLUGauss, FirstOfEqualMaximaStaysThePivot) {
    omMatrix a = make(3, 3, {1, 2, 3, -1, 1, 1, 1, 0, 4});
    omLUGauss lu(a, false, partialPivot);
    ASSERT_EQ(lu.makeTransformation(), 0);
    EXPECT_EQ(lu.getPivotRow(0), 0);
}

TEST(omLUGauss, InPlaceOverwritesTheCallersMatrixOtherwiseItStays) {
    const omMatrix original = make(2, 2, {2, 1, 4, 3});
    omMatrix inPlace = original;
    omMatrix kept = original;
    omLUGauss a(inPlace, true, partialPivot);
    omLUGauss b(kept, false, partialPivot);
    ASSERT_EQ(a.makeTransformation(), 0);
    ASSERT_EQ(b.makeTransformation(), 0);
    EXPECT_TRUE(inPlace == make(2, 2, {4, 3, 0.5, -0.5}));
    EXPECT_TRUE(kept == original);

    omMatrix big = make(3, 3, {9, 9, 9, 9, 0, 1, 9, 2, 0});
    omSubMatrix block(big, 2, 2, 2, 2);
    omLUGauss onBlock(block, true, partialPivot);
    ASSERT_EQ(onBlock.makeTransformation(), 0);
    EXPECT_TRUE(big == make(3, 3, {9, 9, 9, 9, 2, 0, 9, 0, 1})) << "rows of the view exchanged in place";
}

// Every pivot is tested, the last one included, and the failing stage names the
// input row that stood there.
TEST(omLUGauss, ZeroPivotInAnyStageIsReportedWithItsInputRow) {
    struct Case {
        const char* name;
        omMatrix a;
        omPivot pivot;
        int result;
    };
    const Case cases[] = {
        {"1x1 zero", make(1, 1, {0}), noPivot, 1},
        {"1x1 zero pivoting", make(1, 1, {0}), partialPivot, 1},
        {"1x1 non-zero", make(1, 1, {5}), partialPivot, 0},
        {"last pivot", make(2, 2, {1, 2, 2, 4}), noPivot, 2},
        {"last pivot after exchange", make(2, 2, {1, 2, 2, 4}), partialPivot, 1},
        {"middle pivot", make(3, 3, {1, 1, 1, 1, 1, 2, 1, 2, 3}), noPivot, 2},
        {"last of three pivoting", make(3, 3, {1, 0, 0, 0, 1, 1, 0, 2, 2}), partialPivot, 2},
    };
    for (const Case& c : cases) {
        omMatrix a = c.a;
        omLUGauss lu(a, false, c.pivot);
        EXPECT_EQ(lu.makeTransformation(), c.result) << c.name;
    }
}

TEST(omLUGauss, SolvesEveryColumnAndInverts) {
    omMatrix a = make(3, 3, {2, 1, 1, 4, -6, 0, -2, 7, 2});
    omLUGauss lu(a, false, partialPivot);
    ASSERT_EQ(lu.makeTransformation(), 0);
    // Columns: A (1,1,1) and A (1,-1,2).
    omMatrix B = make(4, 2, {4, 3, -2, 10, 7, -5, 8, 8});
    EXPECT_EQ(lu.solve(static_cast<omSubMatrix&>(B)), 1);
    const omMatrix expected = make(4, 2, {1, 1, 1, -1, 1, 2, 8, 8});
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 2; ++j)
            EXPECT_NEAR(B(i, j), expected(i, j), 1e-14) << i << "," << j;

    omMatrix m = make(2, 2, {4, 7, 2, 6});
    omLUGauss inv(m, true, partialPivot);
    ASSERT_EQ(inv.makeTransformation(), 0);
    omMatrix result(5, 1);
    EXPECT_EQ(inv.getInverse(result), 1);
    const omMatrix expectedInverse = make(2, 2, {0.6, -0.7, -0.2, 0.4});
    ASSERT_EQ(result.nRows(), 2);
    ASSERT_EQ(result.nCols(), 2);
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j)
            EXPECT_NEAR(result(i, j), expectedInverse(i, j), 1e-15);
}

TEST(omLUGauss, RefusesRightHandSidesShorterThanTheOrder) {
    omMatrix a = make(2, 2, {2, 1, 1, 3});
    omLUGauss lu(a, false, noPivot);
    ASSERT_EQ(lu.makeTransformation(), 0);
    omVector b = vec({1});
    EXPECT_EQ(lu.solve(b), 0);
    EXPECT_EQ(b(1), 1);
    omMatrix B = make(1, 2, {1, 2});
    EXPECT_EQ(lu.solve(static_cast<omSubMatrix&>(B)), 0);
    EXPECT_EQ(B(1, 2), 2);
}
