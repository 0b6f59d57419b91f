#pragma once
// The global stiffness matrix of a structure with the two vectors the solution
// of a load case works in. Equations are ordered with the E free DOFs first and
// the R supported DOFs last, so that only the leading E x E block is factorised
// and solved: supports are eliminated by their position, never by changing the
// matrix.
#include "rezavud/omCholesky.h"
#include "rezavud/omSymMatrix.h"
#include "rezavud/omVector.h"

#include <memory>
#include <vector>

class omStiffnessMatrix : public omSymMatrix {
public:
    // Order E + R with every entry 0, no factor.
    omStiffnessMatrix(int E = 0, int R = 0);
    // The other's entries, sizes and vectors; never its factor.
    omStiffnessMatrix(const omStiffnessMatrix& other);
    // Copies the entries, sizes and vectors and drops the target's factor: a
    // factor belongs to one matrix, and the target is factorised anew before it
    // is solved with.
    omStiffnessMatrix& operator=(const omStiffnessMatrix& other);
    ~omStiffnessMatrix() override;

    // The number of leading equations the factorisation works on: E.
    int solveSize() const override { return m_solveSize; }

    // Copies the solve size and both vectors, then the entries; returns the
    // base's result. The factor is not copied (this matrix has none afterwards).
    long copy(const omStiffnessMatrix& other);

    // The displacement vector (size E + R): the load, the unbalanced force, the
    // increment and finally the total displacements of a solution.
    omVector& F() { return m_F; }
    const omVector& F() const { return m_F; }
    // The reactions of the supported DOFs (size R).
    omVector& R() { return m_R; }
    const omVector& R() const { return m_R; }

    // Every entry 0, no factor.
    void reset();
    // Order E + R, solve size E, no factor; the vectors follow the new sizes.
    void resize(int E, int R);
    // Order E + R with only the profile stored: row i (0-based) of the E free
    // equations from column first[i] to the diagonal, the R supported rows
    // only at the columns listed for them; every element 0, no factor. The
    // profile comes from the connectivity of the elements, so that it holds
    // whatever values the elements take in later iterations.
    void allocate(int E, int R, const std::vector<int>& first,
                  const std::vector<std::vector<int>>& supported);
    int equations() const { return m_solveSize; }
    int reactions() const { return size() - m_solveSize; }

    // Factorises the leading E equations in place: 0 on success, otherwise the
    // 1-based equation whose pivot is not positive.
    int makeTransformation();
    // The decimal logarithm of the factor's determinant; only after a
    // successful makeTransformation (0 without a factor).
    double detLog10() const;
    // Solves the first E entries of v in place with the factor; false, and v
    // unchanged, without a factor.
    bool solveDisplacement(omVector& v) const;
    // R(i) = (row E + i of the matrix) . U - R(i) for i = 1 .. R; false when U
    // has fewer than E + R entries or R fewer than R.
    bool solveReactions(const omVector& U, omVector& R) const;

    bool hasFactor() const { return m_factor != nullptr; }

private:
    int m_solveSize = 0;
    std::unique_ptr<omCholesky> m_factor;
    omVector m_F;
    omVector m_R;
};
