#pragma once
// Factorises a packed symmetric matrix in place into L Lᵀ and solves with the
// factor. Only the leading solveSize() block is factorised and solved; rows and
// columns beyond it are never read or written.
//
// Two phases on one matrix: after makeTransformation returns 0 the matrix holds
// L, and any number of solves may follow. After a failure the block holds a
// partial factor and must be rebuilt before it is used again.
//
// The loops skip the leading zeros of each row (the profile). A matrix that
// keeps a profile of its own (omSymMatrix::setProfile) is factorised within
// it; in a whole triangle the profile is that of the values as they stand. The
// factor keeps the zero profile of the matrix, and a sum that starts at 0.0 is
// not changed by adding zero products, so the results are the same as those of
// the loops over the whole triangle, which are kept as makeTransformationFull
// and solveFull for checking and measuring (whole triangles only).
#include <vector>

class omMatrix;
class omSymMatrix;
class omVector;

class omCholesky {
public:
    // Binds the matrix (not owned; it must outlive this object). Nothing is computed.
    explicit omCholesky(omSymMatrix& m);
    omCholesky(const omCholesky&) = delete;
    omCholesky& operator=(const omCholesky&) = delete;

    // 0 on success, otherwise the 1-based row whose pivot is not positive (a NaN
    // included), with the columns before it already factorised. Throws
    // std::logic_error when something was written outside the matrix's profile
    // or the block reaches rows that keep listed columns.
    int makeTransformation();
    // log10 of the factor's determinant (half that of the block); 0.0 for an empty block.
    double detLog10() const;
    // Overwrites b[0 .. solveSize()-1] with the solution of A x = b.
    bool solve(double* b);
    // false, and b unchanged, when b is shorter than solveSize(); later elements stay as they are.
    bool solve(omVector& b);
    // Solves for every column; false, and B unchanged, when B has fewer than solveSize() rows.
    bool solve(omMatrix& B);

    // The same factorisation and solution over the whole triangle; std::logic_error for a profile matrix.
    int makeTransformationFull();
    bool solveFull(double* b);

private:
    int blockSize() const;
    // The profile of the block: the matrix's own, or the values' as they stand.
    void findProfile(int s);

    omSymMatrix& m_matrix;
    // For each row of the block the column of its first non-zero element, and
    // for each column the last row that reaches it. Empty until known.
    std::vector<int> m_first;
    std::vector<int> m_last;
};
