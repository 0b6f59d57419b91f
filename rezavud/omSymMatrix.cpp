#include "rezavud/omSymMatrix.h"

#include <algorithm>
#include <climits>
#include <new>
#include <ostream>
#include <stdexcept>
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
    if (hasProfile()) {
        // The leading block is kept element by element in the whole triangle.
        omSymMatrix whole(n);
        const int keep = std::min(n, m_n);
        for (int i = 0; i < keep; ++i)
            for (int j = m_first[i]; j <= i; ++j)
                whole.atC(i, j) = atC(i, j);
        *this = std::move(whole);
        return m_packed.size();
    }
    // The packed length is an int: refuse an order whose triangle cannot be held
    // rather than wrap around to a wrong size.
    if (rowStart(n) > INT_MAX) throw std::bad_array_new_length();
    m_packed.resize(calcSize(n));
    m_n = n;
    return m_packed.size();
}

void omSymMatrix::setProfile(int n, const std::vector<int>& first,
                             const std::vector<std::vector<int>>& listed) {
    if (n < 0 || static_cast<long>(first.size()) != n || static_cast<long>(listed.size()) > n)
        throw std::invalid_argument("profile of another order");
    const int listedFrom = n - static_cast<int>(listed.size());
    std::vector<int> firstColumn(first);
    std::vector<long> offset(first.size());
    long stored = 0;
    for (int i = 0; i < listedFrom; ++i) {
        if (first[i] < 0 || first[i] > i) throw std::invalid_argument("profile beyond its row");
        offset[i] = stored - first[i];
        stored += i - first[i] + 1;
    }
    const long listBase = stored;
    std::vector<long> listStart(listed.size() + 1);
    std::vector<int> columns;
    for (size_t r = 0; r < listed.size(); ++r) {
        const int i = listedFrom + static_cast<int>(r);
        listStart[r] = static_cast<long>(columns.size());
        int previous = -1;
        for (int j : listed[r]) {
            if (j <= previous || j > i)
                throw std::invalid_argument("listed columns out of order or beyond their row");
            columns.push_back(j);
            previous = j;
        }
        if (previous != i) columns.push_back(i);
        firstColumn[i] = columns[listStart[r]];
        offset[i] = 0;
    }
    listStart[listed.size()] = static_cast<long>(columns.size());
    stored += static_cast<long>(columns.size());
    if (stored > INT_MAX) throw std::bad_array_new_length();
    // A fresh vector, so that the old triangle's memory goes at once.
    m_packed = omVector(static_cast<int>(stored));
    m_n = n;
    m_first = std::move(firstColumn);
    m_offset = std::move(offset);
    m_listedFrom = listed.empty() ? -1 : listedFrom;
    m_listStart = std::move(listStart);
    m_listed = std::move(columns);
    m_listBase = listBase;
    m_outside = 0.0;
    // A matrix of order 0 keeps no profile: it is the plain empty triangle.
    if (n == 0) m_first.clear();
}

long omSymMatrix::listedPosition(int i, int j) const {
    const int r = i - m_listedFrom;
    const auto begin = m_listed.begin() + m_listStart[r];
    const auto end = m_listed.begin() + m_listStart[r + 1];
    const auto at = std::lower_bound(begin, end, j);
    if (at == end || *at != j) return -1;
    return m_listBase + (at - m_listed.begin());
}

void omSymMatrix::add(const omSymMatrix& m) {
    if (!hasProfile() && !m.hasProfile()) {
        m_packed.add(m.m_packed);
        return;
    }
    const int n = std::min(m_n, m.m_n);
    for (int i = 0; i < n; ++i)
        for (int j = std::max(firstColumn(i), m.firstColumn(i)); j <= i; ++j)
            atC(i, j) += m.atC(i, j);
}

bool omSymMatrix::isEqual(const omSymMatrix& m) const {
    if (!hasProfile() && !m.hasProfile()) return m_packed.isEqual(m.m_packed);
    if (m_n != m.m_n) return false;
    for (int i = 0; i < m_n; ++i)
        for (int j = std::min(firstColumn(i), m.firstColumn(i)); j <= i; ++j)
            if (atC(i, j) != m.atC(i, j)) return false;
    return true;
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
    if (hasProfile()) {
        // The same sums with the elements before the profile read as 0.
        for (int i = 0; i < m_n; ++i) {
            double s = 0.0;
            for (int j = 0; j < m_n; ++j)
                s += atC(i, j) * v[j];
            y[i] = s;
        }
        result = std::move(y);
        return;
    }
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
