#include "rezavud/omMatrix.h"

#include <gtest/gtest.h>

namespace {
omMatrix make(int r, int c, std::initializer_list<double> v) {
    return omMatrix(r, c, std::data(v));
}
} // namespace

TEST(omMatrix, ConstructionFillsRowByRowAndCopiesOwnTheirRows) {
    omMatrix zero(2, 3);
    EXPECT_EQ(zero.nRows(), 2);
    EXPECT_EQ(zero.nCols(), 3);
    EXPECT_EQ(zero(2, 3), 0);
    omMatrix m = make(2, 3, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(m.valAt(1, 0), 4);

    omMatrix copy(m);
    copy(1, 1) = 9;
    EXPECT_EQ(m(1, 1), 1);
    omMatrix assigned;
    assigned = m;
    EXPECT_NE(assigned[0], m[0]);
    EXPECT_TRUE(assigned == m);
    assigned = omMatrix();
    EXPECT_EQ(assigned.nRows(), 0);
    EXPECT_EQ(assigned.getPointerColumn(), nullptr);

    omMatrix fromView(omSubMatrix(m, 1, 2, 2, 2));
    EXPECT_TRUE(fromView == make(2, 2, {2, 3, 5, 6}));
    EXPECT_NE(&fromView(1, 1), &m(1, 2));
}

TEST(omMatrix, CopyFromAnEmptyViewLeavesTheMatrix) {
    omMatrix m = make(2, 2, {1, 2, 3, 4});
    EXPECT_EQ(m.copy(omSubMatrix()), 4);
    EXPECT_EQ(m.copy(omSubMatrix(m, 1, 1, 0, 2)), 4);
    EXPECT_TRUE(m == make(2, 2, {1, 2, 3, 4}));
    EXPECT_EQ(m.copy(make(1, 3, {7, 8, 9})), 3);
    EXPECT_TRUE(m == make(1, 3, {7, 8, 9}));
}

TEST(omMatrix, CopyFromAViewOfItselfKeepsTheValues) {
    omMatrix m = make(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(m.copy(omSubMatrix(m, 2, 2, 2, 2)), 4);
    EXPECT_TRUE(m == make(2, 2, {5, 6, 8, 9}));
}

TEST(omMatrix, ResizeKeepsSurvivingPlacesAndZeroFillsTheRest) {
    omMatrix m = make(2, 2, {1, 2, 3, 4});
    EXPECT_EQ(m.resize(3, 1), 3);
    EXPECT_TRUE(m == make(3, 1, {1, 3, 0}));
    EXPECT_EQ(m.resize(2, 3), 6);
    EXPECT_TRUE(m == make(2, 3, {1, 0, 0, 3, 0, 0}));
    EXPECT_EQ(m.resize(0, 5), 0);
    EXPECT_EQ(m.nRows(), 0);
    EXPECT_EQ(m.nCols(), 0);
    EXPECT_EQ(m.resize(1, 1), 1);
    EXPECT_EQ(m(1, 1), 0);
}

TEST(omMatrix, ProductsSumsAndTransposes) {
    const omMatrix a = make(2, 3, {1, 2, 3, 4, 5, 6});
    const omMatrix b = make(3, 2, {7, 8, 9, 10, 11, 12});
    omMatrix c;
    c.multiply(a, b);
    EXPECT_TRUE(c == make(2, 2, {58, 64, 139, 154})) << c;

    omMatrix t;
    t.transpose(a);
    EXPECT_TRUE(t == make(3, 2, {1, 4, 2, 5, 3, 6}));

    omMatrix s;
    s.sum(a, a);
    EXPECT_TRUE(s == make(2, 3, {2, 4, 6, 8, 10, 12}));
    s.difference(s, a);
    EXPECT_TRUE(s == a) << "an operand may be the result";
    s.multiply(0.5);
    EXPECT_EQ(s(2, 3), 3);

    omMatrix square = make(2, 2, {1, 1, 0, 1});
    square.multiply(square, square);
    EXPECT_TRUE(square == make(2, 2, {1, 2, 0, 1}));
}
