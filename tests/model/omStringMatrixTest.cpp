#include "model/omStringMatrix.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

omStringMatrix filled(int rows, int cols) {
    omStringMatrix m;
    m.Resize(rows, cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            m.At(r, c) = std::to_string(r) + "," + std::to_string(c);
    return m;
}

TEST(omStringMatrix, ResizeKeepsTheTextsThatStayAndAddsEmptyCells) {
    omStringMatrix m = filled(3, 2);
    m.Resize(2, 3);
    ASSERT_EQ(m.GetRows(), 2);
    ASSERT_EQ(m.GetCols(), 3);
    EXPECT_EQ(m.At(0, 0), "0,0");
    EXPECT_EQ(m.At(0, 1), "0,1");
    EXPECT_EQ(m.At(1, 0), "1,0");
    EXPECT_EQ(m.At(1, 1), "1,1");
    EXPECT_EQ(m.At(0, 2), "");
    EXPECT_EQ(m(1, 2), "");
}

TEST(omStringMatrix, NoRowsMeansEmptyWhateverTheColumns) {
    omStringMatrix m = filled(2, 2);
    m.Resize(0, 4);
    EXPECT_TRUE(m.IsEmpty());
    EXPECT_EQ(m.GetRows(), 0);
    EXPECT_EQ(m.GetCols(), 0);

    m = filled(2, 2);
    m.Clear();
    EXPECT_TRUE(m.IsEmpty());

    // Rows without cells are rows all the same.
    m.Resize(2, 0);
    EXPECT_FALSE(m.IsEmpty());
    EXPECT_EQ(m.GetCols(), 0);
}

TEST(omStringMatrix, CopiesAreIndependent) {
    omStringMatrix a = filled(2, 2);
    omStringMatrix b;
    b.Copy(a);
    omStringMatrix c(a);
    a.At(0, 0) = "changed";
    EXPECT_EQ(b.At(0, 0), "0,0");
    EXPECT_EQ(c.At(0, 0), "0,0");
}

// Cells outside the table share one empty text; what a caller writes into it
// must never turn up as the text of another missing cell.
TEST(omStringMatrix, CellsOutsideTheTableAreEmptyAndStayEmpty) {
    omStringMatrix none;
    none.At(0, 0) = "written into nothing";
    EXPECT_EQ(none.At(0, 0), "");
    EXPECT_EQ(std::as_const(none).At(3, 1), "");

    omStringMatrix m = filled(2, 2);
    m.At(5, 0) = "beyond the rows";
    m.At(1, 7) = "beyond the row";
    m.At(-1, 0) = "before the rows";
    EXPECT_EQ(std::as_const(m).At(5, 0), "");
    EXPECT_EQ(m.At(1, 7), "");
    EXPECT_EQ(m.GetRows(), 2);
    EXPECT_EQ(m.GetCols(), 2);
    EXPECT_EQ(m.At(1, 1), "1,1");
}

} // namespace
