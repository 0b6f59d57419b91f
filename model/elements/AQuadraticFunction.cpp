#include "model/elements/AQuadraticFunction.h"

#include <algorithm>
#include <cmath>

AQuadraticFunction::~AQuadraticFunction() = default;

void AQuadraticFunction::Set(double a, double b, double c) {
    m_a = a;
    m_b = b;
    m_c = c;
}

double AQuadraticFunction::operator()(double x) const {
    return (m_a * x + m_b) * x + m_c;
}

double AQuadraticFunction::D() const {
    return 4.0 * m_a * m_c - m_b * m_b;
}

double AQuadraticFunction::_p() const {
    return m_b / m_a;
}

double AQuadraticFunction::_q() const {
    const double h = _p();
    return m_c / m_a - h * h / 4.0;
}

int AQuadraticFunction::SolveZeroes(std::array<std::complex<double>, 2>& z) const {
    z.fill(0.0);
    if (m_a == 0.0) {
        if (m_b == 0.0) return 0;
        z[0] = -m_c / m_b;
        return 1;
    }
    const double h = _p();
    const double k = _q();
    const double m = -h / 2.0;
    const double s = std::sqrt(std::fabs(k));
    if (k > 0.0) {
        z[0] = {m, s};
        z[1] = {m, -s};
        return 0;
    }
    if (k == 0.0) {
        z[0] = m;
        z[1] = m;
        return 1;
    }
    // m - s and m + s, the root of the smaller magnitude taken from the product
    // of the roots: the direct difference of two close numbers would lose its digits.
    double large = m >= 0.0 ? m + s : m - s;
    double small = large != 0.0 ? (m_c / m_a) / large : 0.0;
    z[0] = std::min(large, small);
    z[1] = std::max(large, small);
    return 2;
}
