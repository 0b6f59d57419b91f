#include "rezavud/omSymMatrix.h"

#include <climits>
#include <new>
#include <ostream>
#include <utility>

omSymMatrix::omSymMatrix(int n) {
    resize(n);
}

omSymMatrix::~omSymMatrix() = default;

long omSymMatrix::copy(const omSymMatrix& m) {
    *this = m;
    return m_packed.size();
}

long omSymMatrix::resize(int n) {
    if (n < 0) n = 0;
    // The packed length is an int: refuse an order whose triangle cannot be held
    // rather than wrap around to a wrong size.
    if (rowStart(n) > INT_MAX) throw std::bad_array_new_length();
    m_packed.resize(calcSize(n));
    m_n = n;
    return m_packed.size();
}

int omSymMatrix::calcSize(int n) const {
    return static_cast<int>(rowStart(n));
}

void omSymMatrix::checkSwap(int& i, int& j) const {
    if (j < i) std::swap(i, j);
}

void omSymMatrix::multiply(const omVector& v, omVector& result) const {
    // Built apart, so that result may be v. Each element sums over j in
    // ascending order: the row of the triangle, then the column below the diagonal.
    omVector y(m_n);
    const double* a = m_packed;
    for (int i = 0; i < m_n; ++i) {
        const double* row = a + rowStart(i);
        double s = 0.0;
        for (int j = 0; j <= i; ++j)
            s += row[j] * v[j];
        for (int j = i + 1; j < m_n; ++j)
            s += a[rowStart(j) + i] * v[j];
        y[i] = s;
    }
    result = std::move(y);
}

std::ostream& operator<<(std::ostream& os, const omSymMatrix& m) {
    const int n = m.size();
    os << "{ ";
    for (int i = 0; i < n; ++i) {
        if (i > 0) os << "  ";
        os << i + 1 << ": { ";
        for (int j = 0; j < n; ++j) {
            if (j > 0) os << ", ";
            os << m.atC(i, j);
        }
        os << " }";
        if (i + 1 < n) os << ",\n";
    }
    return os << " }\n";
}
