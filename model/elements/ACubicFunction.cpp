#include "model/elements/ACubicFunction.h"

#include "model/elements/AQuadraticFunction.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Cardano's formulas take the roots from differences of large numbers when one
// root lies far from the others (a small beside b, a cubic that is nearly a
// parabola): the roots near the origin then lose their digits, or all of
// them. The root of the largest size is the reliable one. Polished by Newton's
// method and divided out, it leaves a quadratic that gives the other two
// accurately. Returns the number of distinct real roots, which come first.
int refine(double a, double b, double c, double d, std::array<std::complex<double>, 3>& z, int count) {
    int k = 0;
    for (int i = 1; i < count; ++i)
        if (std::fabs(z[i].real()) > std::fabs(z[k].real())) k = i;
    double r = z[k].real();
    auto f = [&](double x) { return ((a * x + b) * x + c) * x + d; };
    double fr = f(r);
    for (int i = 0; i < 8 && fr != 0.0; ++i) {
        const double slope = (3.0 * a * r + 2.0 * b) * r + c;
        if (slope == 0.0) break;
        const double next = r - fr / slope;
        const double fn = f(next);
        if (!(std::fabs(fn) < std::fabs(fr))) break;
        r = next;
        fr = fn;
    }
    // Dividing out from the constant end is stable for the root of the largest
    // size; a single real root smaller than the complex pair goes from the other end.
    double B, C;
    if (r != 0.0 && (count > 1 || std::fabs(r) >= std::abs(z[1]))) {
        C = -d / r;
        B = (C - c) / r;
    } else {
        B = b + a * r;
        C = c + B * r;
    }
    std::array<std::complex<double>, 2> zq;
    const int n = AQuadraticFunction(a, B, C).SolveZeroes(zq);
    z[0] = r;
    z[1] = zq[0];
    z[2] = zq[1];
    return 1 + n;
}

} // namespace

ACubicFunction::~ACubicFunction() = default;

void ACubicFunction::Set(double a, double b, double c, double d) {
    m_a = a;
    m_b = b;
    m_c = c;
    m_d = d;
}

double ACubicFunction::operator()(double x) const {
    return ((m_a * x + m_b) * x + m_c) * x + m_d;
}

double ACubicFunction::_p() const {
    return (3.0 * m_a * m_c - m_b * m_b) / (9.0 * m_a * m_a);
}

double ACubicFunction::_q() const {
    return m_b * m_b * m_b / (27.0 * m_a * m_a * m_a) - m_b * m_c / (6.0 * m_a * m_a) + m_d / (2.0 * m_a);
}

double ACubicFunction::D() const {
    const double p = _p();
    const double q = _q();
    return q * q + p * p * p;
}

int ACubicFunction::SolveZeroes(std::array<std::complex<double>, 3>& z) const {
    z.fill(0.0);
    if (m_a == 0.0) {
        std::array<std::complex<double>, 2> zq;
        const int n = AQuadraticFunction(m_b, m_c, m_d).SolveZeroes(zq);
        z[0] = zq[0];
        z[1] = zq[1];
        return n;
    }
    const double shift = m_b / (3.0 * m_a);
    const double p = _p();
    const double q = _q();
    const double D = q * q + p * p * p;
    if (D == 0.0 && p == 0.0) {
        z.fill(-shift);
        return 1;
    }
    // With q = 0 the sign of r is free (t is 0 either way), but r itself must
    // not vanish: it carries the size of the two roots beside the middle one.
    const double r = (q < 0.0 ? -1.0 : 1.0) * std::sqrt(std::fabs(p));
    const double r3 = r * r * r;
    double t = r3 != 0.0 ? q / r3 : 0.0;
    const int count = D > 0.0 ? 1 : (D == 0.0 ? 2 : 3);
    const double sqrt3 = std::numbers::sqrt3;
    if (p == 0.0 || !std::isfinite(t)) {
        // p negligible beside q: y³ = -2q.
        const double y = std::cbrt(-2.0 * q);
        z[0] = y;
        z[1] = {-0.5 * y, 0.5 * sqrt3 * y};
        z[2] = {-0.5 * y, -0.5 * sqrt3 * y};
        for (auto& root : z)
            root -= shift;
        return refine(m_a, m_b, m_c, m_d, z, 1);
    }
    if (p > 0.0) {
        const double u = std::asinh(t);
        const double y = -2.0 * r * std::sinh(u / 3.0);
        z[0] = y;
        z[1] = {-0.5 * y, sqrt3 * r * std::cosh(u / 3.0)};
        z[2] = {-0.5 * y, -sqrt3 * r * std::cosh(u / 3.0)};
    } else if (D > 0.0) {
        // t is at least 1 here, but may round below it.
        t = std::max(t, 1.0);
        const double u = std::acosh(t);
        const double y = -2.0 * r * std::cosh(u / 3.0);
        z[0] = y;
        z[1] = {-0.5 * y, sqrt3 * r * std::sinh(u / 3.0)};
        z[2] = {-0.5 * y, -sqrt3 * r * std::sinh(u / 3.0)};
    } else {
        // t lies within [-1, 1] here, but may round just outside it.
        t = std::clamp(t, -1.0, 1.0);
        const double phi = std::acos(t);
        const double pi = std::numbers::pi;
        z[0] = -2.0 * r * std::cos(phi / 3.0);
        z[1] = 2.0 * r * std::cos((pi - phi) / 3.0);
        z[2] = 2.0 * r * std::cos((pi + phi) / 3.0);
    }
    for (auto& root : z)
        root -= shift;
    return refine(m_a, m_b, m_c, m_d, z, count);
}
