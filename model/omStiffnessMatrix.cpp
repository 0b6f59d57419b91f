#include "model/omStiffnessMatrix.h"

#include <algorithm>
#include <new>

omStiffnessMatrix::omStiffnessMatrix(int E, int R)
    : omSymMatrix(std::max(E, 0) + std::max(R, 0)), m_solveSize(std::max(E, 0)),
      m_F(std::max(E, 0) + std::max(R, 0)), m_R(std::max(R, 0)) {}

omStiffnessMatrix::omStiffnessMatrix(const omStiffnessMatrix& other) : omSymMatrix() {
    copy(other);
}

omStiffnessMatrix& omStiffnessMatrix::operator=(const omStiffnessMatrix& other) {
    if (this != &other) copy(other);
    return *this;
}

omStiffnessMatrix::~omStiffnessMatrix() = default;

long omStiffnessMatrix::copy(const omStiffnessMatrix& other) {
    m_factor.reset();
    m_solveSize = other.m_solveSize;
    m_F = other.m_F;
    m_R = other.m_R;
    return omSymMatrix::copy(other);
}

void omStiffnessMatrix::reset() {
    setAllTo(0.0);
    m_factor.reset();
}

void omStiffnessMatrix::resize(int E, int R) {
    E = std::max(E, 0);
    R = std::max(R, 0);
    omSymMatrix::resize(E + R);
    m_solveSize = E;
    m_factor.reset();
    m_F.resize(E + R);
    m_R.resize(R);
}

void omStiffnessMatrix::allocate(int E, int R, const std::vector<int>& first,
                                 const std::vector<std::vector<int>>& supported) {
    E = std::max(E, 0);
    R = std::max(R, 0);
    m_factor.reset();
    setProfile(E + R, first, supported);
    m_solveSize = E;
    m_F.resize(E + R);
    m_R.resize(R);
}

int omStiffnessMatrix::makeTransformation() {
    m_factor.reset();
    m_factor.reset(new (std::nothrow) omCholesky(*this));
    // Without a factor object the block counts as not factorised at its first equation.
    if (!m_factor) return 1;
    return m_factor->makeTransformation();
}

double omStiffnessMatrix::detLog10() const {
    return m_factor ? m_factor->detLog10() : 0.0;
}

bool omStiffnessMatrix::solveDisplacement(omVector& v) const {
    if (!m_factor) return false;
    return m_factor->solve(v);
}

bool omStiffnessMatrix::solveReactions(const omVector& U, omVector& R) const {
    const int n = size();
    const int r = n - m_solveSize;
    if (U.size() < n || R.size() < r) return false;
    for (int i = 0; i < r; ++i) {
        const int row = m_solveSize + i;
        double sum = 0.0;
        for (int j = 0; j < n; ++j)
            sum += atC(row, j) * U[j];
        R[i] = sum - R[i];
    }
    return true;
}
