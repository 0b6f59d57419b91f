#include "model/omStiffnessMatrix.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// 2 free equations and 1 supported one of a spring chain: k = 2 between the
// free DOFs, 4 from each free DOF to the support.
omStiffnessMatrix springs() {
    omStiffnessMatrix K(2, 1);
    K(1, 1) = 6.0;
    K(2, 1) = -2.0;
    K(2, 2) = 6.0;
    K(3, 1) = -4.0;
    K(3, 2) = -4.0;
    K(3, 3) = 8.0;
    return K;
}
} // namespace

TEST(omStiffnessMatrix, KeepsFreeAndSupportedEquationsApart) {
    omStiffnessMatrix K(4, 2);
    EXPECT_EQ(K.size(), 6);
    EXPECT_EQ(K.equations(), 4);
    EXPECT_EQ(K.reactions(), 2);
    EXPECT_EQ(K.solveSize(), 4);
    EXPECT_EQ(K.F().size(), 6);
    EXPECT_EQ(K.R().size(), 2);
    EXPECT_FALSE(K.hasFactor());

    K.resize(3, 0);
    EXPECT_EQ(K.size(), 3);
    EXPECT_EQ(K.reactions(), 0);
    EXPECT_EQ(K.F().size(), 3);
    EXPECT_EQ(K.R().size(), 0);
}

TEST(omStiffnessMatrix, FactorisesAndSolvesOnlyTheFreeBlock) {
    omStiffnessMatrix K = springs();
    ASSERT_EQ(K.makeTransformation(), 0);
    // The supported row is neither factorised nor touched.
    EXPECT_EQ(K(3, 1), -4.0);
    EXPECT_EQ(K(3, 3), 8.0);
    omVector v(3);
    v(1) = 1.0;
    v(2) = 3.0;
    v(3) = 99.0;
    ASSERT_TRUE(K.solveDisplacement(v));
    // [6 -2; -2 6] u = (1, 3): u = (0.375, 0.625).
    EXPECT_NEAR(v(1), 0.375, 1e-15);
    EXPECT_NEAR(v(2), 0.625, 1e-15);
    EXPECT_EQ(v(3), 99.0);
    // The determinant of the factor: sqrt(32).
    EXPECT_NEAR(K.detLog10(), std::log10(std::sqrt(32.0)), 1e-14);
}

TEST(omStiffnessMatrix, SolveWithoutFactorFailsAndLeavesTheVector) {
    omStiffnessMatrix K = springs();
    omVector v(3);
    v.setAllTo(2.0);
    EXPECT_FALSE(K.solveDisplacement(v));
    ASSERT_EQ(K.makeTransformation(), 0);
    K.resize(2, 1);
    EXPECT_FALSE(K.hasFactor());
    EXPECT_FALSE(K.solveDisplacement(v));
    EXPECT_EQ(v(1), 2.0);
    ASSERT_EQ(K.makeTransformation(), 0);
    K.reset();
    EXPECT_FALSE(K.hasFactor());
    EXPECT_EQ(K(2, 1), 0.0);
}

TEST(omStiffnessMatrix, ReportsTheFailingEquation) {
    omStiffnessMatrix K(3, 0);
    K(1, 1) = 1.0;
    K(2, 2) = 0.0; // a mechanism in the second equation
    K(3, 3) = 1.0;
    EXPECT_EQ(K.makeTransformation(), 2);

    omStiffnessMatrix empty(0, 2);
    EXPECT_EQ(empty.makeTransformation(), 0);
}

TEST(omStiffnessMatrix, ReactionsAreTheSupportedRowsTimesUMinusTheHeldValues) {
    const omStiffnessMatrix K = springs();
    omVector U(3);
    U(1) = 0.375;
    U(2) = 0.625;
    omVector R(1);
    R(1) = 0.5;
    ASSERT_TRUE(K.solveReactions(U, R));
    EXPECT_DOUBLE_EQ(R(1), -4.0 * 0.375 - 4.0 * 0.625 - 0.5);

    omVector shortU(2);
    EXPECT_FALSE(K.solveReactions(shortU, R));
    omStiffnessMatrix free(2, 0);
    omVector none;
    EXPECT_TRUE(free.solveReactions(U, none));
}

TEST(omStiffnessMatrix, CopiesNeverShareAFactor) {
    omStiffnessMatrix K = springs();
    K.F()(1) = 7.0;
    K.R()(1) = 3.0;
    ASSERT_EQ(K.makeTransformation(), 0);

    omStiffnessMatrix copy(K);
    EXPECT_FALSE(copy.hasFactor());
    EXPECT_EQ(copy.equations(), 2);
    EXPECT_EQ(copy.F()(1), 7.0);
    EXPECT_EQ(copy.R()(1), 3.0);
    EXPECT_TRUE(copy.isEqual(K));

    omStiffnessMatrix assigned(5, 5);
    ASSERT_EQ(assigned.makeTransformation(), 1);
    assigned = K;
    EXPECT_FALSE(assigned.hasFactor());
    EXPECT_EQ(assigned.size(), 3);
    EXPECT_EQ(assigned.reactions(), 1);
    EXPECT_TRUE(K.hasFactor());
}
