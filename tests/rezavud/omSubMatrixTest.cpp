#include "rezavud/omSubMatrix.h"

#include "rezavud/omMatrix.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
// 1 2 3 4 / 5 6 7 8 / 9 10 11 12
omMatrix counting() {
    const double v[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    return omMatrix(3, 4, v);
}
} // namespace

TEST(omSubMatrix, ViewAddressesTheBlockOfItsMatrix) {
    omMatrix m = counting();
    omSubMatrix view(m, 2, 3, 2, 2);
    EXPECT_EQ(view.nRows(), 2);
    EXPECT_EQ(view.nCols(), 2);
    EXPECT_EQ(view(1, 1), 7);
    EXPECT_EQ(view.valAt_F(2, 2), 12);
    EXPECT_EQ(view.valAt(1, 0), 11);
    EXPECT_EQ(view[0][1], 8);
    view(1, 1) = -1;
    EXPECT_EQ(m(2, 3), -1) << "a view writes through to its matrix";

    omSubMatrix inner(view, 2, 2, 1, 1);
    EXPECT_EQ(inner(1, 1), 12) << "views of views";
    omSubMatrix same(view);
    EXPECT_EQ(&same(1, 1), &m(2, 3));
    omSubMatrix assigned;
    assigned = inner;
    EXPECT_EQ(&assigned(1, 1), &m(3, 4));
    assigned.copy(view);
    EXPECT_EQ(assigned.nRows(), 2);
    EXPECT_EQ(&assigned(1, 1), &m(2, 3));

    omSubMatrix none(m, 1, 1, 0, 4);
    EXPECT_EQ(none.getPointerColumn(), nullptr);
    none.setAllTo(3);
    EXPECT_EQ(omSubMatrix().getPointerColumn(), nullptr);
}

TEST(omSubMatrix, ValidRangeTestsOnlyTheUpperBounds) {
    omMatrix m = counting();
    struct Case {
        int row, col, nRows, nCols, valid;
    };
    const Case cases[] = {
        {1, 1, 3, 4, 1}, {2, 2, 2, 3, 1}, {2, 1, 3, 1, 0}, {1, 2, 1, 4, 0}, {-5, -5, 1, 1, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(m.isValidRange(c.row, c.col, c.nRows, c.nCols), c.valid) << c.row << "," << c.col;
    EXPECT_EQ(m.isSquare(), 0);
    EXPECT_EQ(omSubMatrix(m, 1, 1, 2, 2).isSquare(), 1);
}

TEST(omSubMatrix, ElementwiseOperationsStayInsideTheView) {
    omMatrix m = counting();
    omSubMatrix view(m, 1, 2, 2, 2); // 2 3 / 6 7
    omMatrix other(2, 2);
    other.setAllTo(1);
    view.add(other);
    view.multiply(2);
    view.subtract(other);
    view.divide(4);
    view.changeSign();
    const double expected[] = {1, -1.25, -1.75, 4, 5, -3.25, -3.75, 8, 9, 10, 11, 12};
    EXPECT_TRUE(m == omMatrix(3, 4, expected)) << m;
    view.abs();
    EXPECT_EQ(m(1, 2), 1.25);
    view.setAllTo(0);
    EXPECT_EQ(m(2, 3), 0);
    EXPECT_EQ(m(2, 4), 8);
}

TEST(omSubMatrix, EqualityNeedsSameDimensionsAndExactValues) {
    omMatrix a = counting();
    omMatrix b = counting();
    EXPECT_EQ(a.isEqual(b), 1);
    b(3, 4) += 1e-12;
    EXPECT_TRUE(a != b);
    EXPECT_TRUE(omSubMatrix(a, 1, 1, 2, 2) != omSubMatrix(a, 1, 1, 2, 3));
    EXPECT_TRUE(omSubMatrix(a, 1, 1, 2, 2) == omSubMatrix(b, 1, 1, 2, 2));
    EXPECT_TRUE(omSubMatrix() == omMatrix());
}

TEST(omSubMatrix, WritesDimensionsThenEachRow) {
    std::ostringstream os;
    os << omSubMatrix(counting(), 2, 2, 2, 2);
    EXPECT_EQ(os.str(), "{ 2 x 2 :\n 1: {6, 7}, \n 2: {10, 11}, \n}");
    std::ostringstream empty;
    empty << omMatrix();
    EXPECT_EQ(empty.str(), "{ 0 x 0 :\n}");
}
