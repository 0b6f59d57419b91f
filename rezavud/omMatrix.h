#pragma once
// An owning dense matrix: an omSubMatrix over rows that it allocates itself.
// Copies never share rows. resize, copy, sum, difference, multiply and
// transpose replace the rows and so invalidate every view of the matrix.
#include "rezavud/omSubMatrix.h"

class omMatrix : public omSubMatrix {
public:
    omMatrix() = default;
    // All elements 0.0.
    omMatrix(int nRows, int nCols);
    // Filled row by row: element (i, j), 0-based, is values[i * nCols + j].
    omMatrix(int nRows, int nCols, const double* values);
    omMatrix(const omSubMatrix& m);
    omMatrix(const omMatrix& m);
    omMatrix(omMatrix&& m) noexcept;
    omMatrix& operator=(const omMatrix& m);
    omMatrix& operator=(omMatrix&& m) noexcept;
    ~omMatrix() override;

    // An owning copy of m's values when m has at least one row and one column;
    // otherwise the matrix stays as it was. Returns nRows x nCols of this matrix.
    long copy(const omSubMatrix& m);
    // Values of surviving places are kept, new places are 0.0; a dimension that
    // is not positive empties the matrix. Returns nRows x nCols.
    long resize(int nRows, int nCols);

    // this = a + b (a - b) over a's dimensions; b must be at least as large.
    void sum(const omMatrix& a, const omMatrix& b);
    void difference(const omMatrix& a, const omMatrix& b);
    // this = a b; a.nCols() must equal b.nRows().
    void multiply(const omMatrix& a, const omMatrix& b);
    void transpose(const omMatrix& a);
    void multiply(double f) { omSubMatrix::multiply(f); }

protected:
    // Rows of undefined values.
    void allocate(int nRows, int nCols);
    void deallocate();

private:
    // Takes over freshly built rows. Results are built apart and then taken
    // over, so that an operand may be this matrix or a view of it.
    void adopt(omMatrix& built);

    std::unique_ptr<double[]> m_values; // all rows, one after the other
};
