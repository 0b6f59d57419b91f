#pragma once
// Gaussian elimination into a unit lower triangular L and an upper triangular U
// (Doolittle form), optionally with partial (row) pivoting, and the solution of
// linear systems with one or many right-hand sides. The working matrix holds U
// on and above the diagonal and the multipliers of L below it.
#include <memory>
#include <vector>

class omMatrix;
class omSubMatrix;
class omVector;

// The numbers are fixed: every value other than 0 pivots.
enum omPivot { noPivot = 0, partialPivot = 1 };

class omLUGauss {
public:
    // inPlace: the factorisation overwrites m's elements and exchanges the contents
    // of m's rows, so m must outlive this object. Otherwise it works on a copy of m.
    // Nothing is computed yet.
    omLUGauss(omSubMatrix& m, bool inPlace, omPivot pivot);
    ~omLUGauss();
    omLUGauss(const omLUGauss&) = delete;
    omLUGauss& operator=(const omLUGauss&) = delete;

    operator omSubMatrix&() { return *m_matrix; }
    // The 0-based row of the input matrix that now stands in row k.
    int getPivotRow(int k) const;

    // 0 on success; otherwise 1 + getPivotRow(k) for the first stage k whose pivot
    // is zero, the last one included, with the working matrix partly eliminated.
    int makeTransformation();
    // Solve A x = b in place after a successful factorisation; 1, or 0 with b
    // unchanged when b holds fewer than n elements.
    int solve(omVector& b);
    // The same for every column of B; 0 with B unchanged when B has fewer than n rows.
    int solve(omSubMatrix& B);
    // inv = A⁻¹, resized to n x n.
    int getInverse(omMatrix& inv);

protected:
    // Forward and back substitution on an already permuted array of n elements.
    int solve(double* y);

private:
    int order() const;

    std::unique_ptr<omSubMatrix> m_matrix;
    std::vector<int> m_permutation; // empty without pivoting
    omPivot m_pivot;
    bool m_inPlace;
};
