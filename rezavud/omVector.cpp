#include "rezavud/omVector.h"

#include "rezavud/omSubMatrix.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>
#include <istream>
#include <ostream>
#include <vector>

namespace {
// The searches start from the largest single-precision value, so elements at or
// beyond it are never found.
constexpr double searchBound = 3.4028234663852886e38;

std::unique_ptr<double[]> newZeros(int n) {
    return std::unique_ptr<double[]>(new double[n]());
}
} // namespace

omVector::omVector(int n) {
    resize(n);
}

omVector::omVector(int n, const double* values) {
    resize(n);
    if (m_size > 0) std::memcpy(m_data.get(), values, sizeof(double) * m_size);
}

omVector::omVector(const omVector& v) : AStorageBase(v) {
    copy(v);
}

omVector::omVector(omVector&& v) noexcept
    : AStorageBase(v), m_size(std::exchange(v.m_size, 0)), m_data(std::move(v.m_data)) {}

omVector::omVector(const omVector& v, int first, int count) {
    count = std::min(count, v.m_size - first + 1);
    if (count <= 0) return;
    resize(count);
    std::memcpy(m_data.get(), v.m_data.get() + (first - 1), sizeof(double) * count);
}

omVector::~omVector() = default;

omVector& omVector::operator=(const omVector& v) {
    copy(v);
    return *this;
}

omVector& omVector::operator=(omVector&& v) noexcept {
    if (this != &v) {
        m_data = std::move(v.m_data);
        m_size = std::exchange(v.m_size, 0);
    }
    return *this;
}

void omVector::adopt(std::unique_ptr<double[]> data, int n) {
    m_data = std::move(data);
    m_size = m_data ? n : 0;
}

int omVector::resize(int n) {
    assert(n >= 0);
    if (n == m_size) return m_size;
    if (n <= 0) {
        adopt(nullptr, 0);
        return m_size;
    }
    auto data = newZeros(n);
    if (m_size > 0) std::memcpy(data.get(), m_data.get(), sizeof(double) * std::min(n, m_size));
    adopt(std::move(data), n);
    return m_size;
}

int omVector::copy(const omVector& v) {
    if (this == &v) return m_size;
    if (v.m_size != m_size) {
        // The old values would only be overwritten: allocate without keeping them.
        adopt(v.m_size > 0 ? std::unique_ptr<double[]>(new double[v.m_size]) : nullptr, v.m_size);
    }
    if (m_size > 0) std::memcpy(m_data.get(), v.m_data.get(), sizeof(double) * m_size);
    return m_size;
}

int omVector::absCopy(const omVector& v) {
    copy(v);
    for (int i = 0; i < m_size; ++i)
        m_data[i] = std::fabs(m_data[i]);
    return m_size;
}

int omVector::getFrom(const omVector& src, int from, int count, int to, bool grow) {
    if (count == 0) return 0;
    count = std::min(count, src.m_size - from + 1);
    // Nothing to move: neither grow nor shrink the target.
    if (count <= 0) return 0;
    if (m_size - to + 1 < count) {
        if (grow)
            resize(to + count - 1);
        else
            count = m_size - to + 1;
    }
    if (count <= 0) return 0;
    // memmove: the source may be this vector with overlapping ranges.
    std::memmove(m_data.get() + (to - 1), src.m_data.get() + (from - 1), sizeof(double) * count);
    return count;
}

int omVector::putInto(omVector& dst, int to, int count, int from, bool grow) const {
    return dst.getFrom(*this, from, count, to, grow);
}

omVector& omVector::addAt(const omVector& src, int from, int count, int to) {
    count = std::min({count, src.m_size - from + 1, m_size - to + 1});
    for (int k = 0; k < count; ++k)
        m_data[to - 1 + k] += src.m_data[from - 1 + k];
    return *this;
}

void omVector::remove(int first, int next) {
    assert(first >= 1 && next >= first && next <= m_size + 1);
    if (first < 1 || next <= first || next > m_size + 1) return;
    std::memmove(m_data.get() + (first - 1), m_data.get() + (next - 1), sizeof(double) * (m_size - next + 1));
    resize(m_size - (next - first));
}

omVector& omVector::add(const omVector& v) {
    const int n = std::min(m_size, v.m_size);
    for (int i = 0; i < n; ++i)
        m_data[i] += v.m_data[i];
    return *this;
}

omVector& omVector::subtract(const omVector& v) {
    const int n = std::min(m_size, v.m_size);
    for (int i = 0; i < n; ++i)
        m_data[i] -= v.m_data[i];
    return *this;
}

int omVector::sum(const omVector& a, const omVector& b) {
    // Built apart and then taken over, so that a or b may be this vector.
    const int n = std::min(a.m_size, b.m_size);
    auto data = n > 0 ? std::unique_ptr<double[]>(new double[n]) : nullptr;
    for (int i = 0; i < n; ++i)
        data[i] = a.m_data[i] + b.m_data[i];
    adopt(std::move(data), n);
    return m_size;
}

int omVector::difference(const omVector& a, const omVector& b) {
    const int n = std::min(a.m_size, b.m_size);
    auto data = n > 0 ? std::unique_ptr<double[]>(new double[n]) : nullptr;
    for (int i = 0; i < n; ++i)
        data[i] = a.m_data[i] - b.m_data[i];
    adopt(std::move(data), n);
    return m_size;
}

omVector& omVector::multiplyBy(double f) {
    for (int i = 0; i < m_size; ++i)
        m_data[i] *= f;
    return *this;
}

omVector& omVector::divideBy(double f) {
    for (int i = 0; i < m_size; ++i)
        m_data[i] /= f;
    return *this;
}

omVector& omVector::changeSign() {
    for (int i = 0; i < m_size; ++i)
        m_data[i] = -m_data[i];
    return *this;
}

void omVector::setAllTo(double x) {
    std::fill_n(m_data.get(), m_size, x);
}

void omVector::normalize() {
    const double length = abs();
    for (int i = 0; i < m_size; ++i)
        m_data[i] /= length;
}

int omVector::multiply(const omSubMatrix& m, const omVector& v) {
    // Built apart, so that v may be this vector.
    const int rows = std::max(m.nRows(), 0);
    const int cols = m.nCols();
    auto data = rows > 0 ? newZeros(rows) : nullptr;
    for (int i = 0; i < rows; ++i) {
        const double* row = m[i];
        double s = 0.0;
        for (int j = 0; j < cols; ++j)
            s += row[j] * v.m_data[j];
        data[i] = s;
    }
    adopt(std::move(data), rows);
    return m_size;
}

double omVector::scalarProduct(const omVector& v) const {
    double s = 0.0;
    for (int i = 0; i < m_size; ++i)
        s += m_data[i] * v.m_data[i];
    return s;
}

double omVector::abs() const {
    return std::sqrt(scalarProduct(*this));
}

double omVector::norm(NormType t) const {
    switch (static_cast<int>(t)) {
    case normSum: {
        double s = 0.0;
        for (int i = 0; i < m_size; ++i)
            s += std::fabs(m_data[i]);
        return s;
    }
    case normEuclidean:
    case 3:
        return abs();
    case normMax: {
        double s = 0.0;
        for (int i = 0; i < m_size; ++i)
            s = std::max(s, std::fabs(m_data[i]));
        return s;
    }
    default:
        return 0.0;
    }
}

int omVector::indexOfMinElementC() const {
    double best = searchBound;
    int index = -1;
    for (int i = 0; i < m_size; ++i) {
        if (m_data[i] < best) {
            best = m_data[i];
            index = i;
        }
    }
    return index;
}

int omVector::indexOfMaxElementC() const {
    double best = -searchBound;
    int index = -1;
    for (int i = 0; i < m_size; ++i) {
        if (m_data[i] > best) {
            best = m_data[i];
            index = i;
        }
    }
    return index;
}

bool omVector::isEqual(const omVector& v) const {
    return m_size == v.m_size && isPartlyEqual(v, m_size);
}

bool omVector::isPartlyEqual(const omVector& v, int n) const {
    if (m_size < n || v.m_size < n) return false;
    for (int i = 0; i < n; ++i)
        if (m_data[i] != v.m_data[i]) return false;
    return true;
}

bool omVector::operator<(const omVector& v) const {
    for (int i = 0; i < m_size; ++i)
        if (!(m_data[i] < v.m_data[i])) return false;
    return true;
}

bool omVector::lessOrEqual(const omVector& v) const {
    for (int i = 0; i < m_size; ++i)
        if (!(m_data[i] <= v.m_data[i])) return false;
    return true;
}

bool omVector::operator>(const omVector& v) const {
    for (int i = 0; i < m_size; ++i)
        if (!(m_data[i] > v.m_data[i])) return false;
    return true;
}

bool omVector::greaterOrEqual(const omVector& v) const {
    for (int i = 0; i < m_size; ++i)
        if (!(m_data[i] >= v.m_data[i])) return false;
    return true;
}

bool omVector::isNull() const {
    for (int i = 0; i < m_size; ++i)
        if (m_data[i] != 0.0) return false;
    return true;
}

std::ostream& operator<<(std::ostream& os, const omVector& v) {
    os << "{ " << v.size() << ": ";
    for (int i = 0; i < v.size(); ++i) {
        if (i > 0) os << ", ";
        os << v[i];
    }
    return os << " }";
}

std::istream& operator>>(std::istream& is, omVector& v) {
    char separator = 0;
    int n = 0;
    is >> std::ws;
    is.get(separator);
    is >> std::ws >> n >> std::ws;
    is.get(separator);
    if (!is) return is;
    if (n < 0) {
        is.setstate(std::ios::failbit);
        return is;
    }
    if (n != 0) {
        // Read before resizing: a size that the stream cannot back up allocates
        // nothing and leaves the vector as it was.
        std::vector<double> values;
        for (int i = 0; i < n; ++i) {
            double x = 0.0;
            if (!(is >> std::ws >> x)) return is;
            values.push_back(x);
        }
        // The input may end right after the last value: the vector is complete
        // then, and the stream must not report a failure.
        if (!is.eof()) is >> std::ws;
        v.resize(n);
        std::copy(values.begin(), values.end(), static_cast<double*>(v));
        return is;
    }
    if (!is.eof()) is >> std::ws;
    return is;
}
