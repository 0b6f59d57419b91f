#include "app/design/MomentField.h"

#include "common/omMath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Rows psi = -1, -0.75 ... 1; columns C1 at k = 1.0, 0.7, 0.5, then C3 at k = 1.0, 0.7, 0.5.
const double endMomentTable[9][6] = {
    {2.752, 3.063, 3.149, 0.000, 0.000, 0.000}, {2.927, 3.009, 3.093, 0.366, 0.575, 0.837},
    {2.704, 3.009, 3.093, 0.676, 1.059, 1.546}, {2.281, 2.538, 2.609, 0.855, 1.340, 1.957},
    {1.879, 2.092, 2.150, 0.939, 1.473, 2.150}, {1.563, 1.739, 1.788, 0.977, 1.531, 2.235},
    {1.323, 1.473, 1.514, 0.992, 1.556, 2.271}, {1.141, 1.270, 1.305, 0.998, 1.565, 2.283},
    {1.000, 1.000, 1.000, 1.000, 1.113, 1.144},
};

// By factor (C1, C2, C3), then uniform mu 0, uniform mu 1, concentrated mu 0,
// concentrated mu 1; each the values at k = 0.5 and k = 1.0.
const double transverseTable[3][4][2] = {
    {{0.972, 1.132}, {0.712, 1.285}, {1.07, 1.365}, {0.938, 1.565}},
    {{0.304, 0.459}, {0.652, 1.562}, {0.432, 0.553}, {0.715, 1.267}},
    {{0.98, 0.525}, {1.07, 0.753}, {3.05, 1.73}, {4.8, 2.64}},
};

// The end-moment table's value in column col at the row for psi = j / 4.
double endMomentAt(int j, int col) {
    return endMomentTable[std::clamp(j + 4, 0, 8)][col];
}

} // namespace

void MomentField::SetField(double start, double end, const std::vector<double>& positions,
                           const std::vector<double>& moments) {
    m_x.clear();
    m_M.clear();
    const std::size_t n = std::min(positions.size(), moments.size());
    if (n == 0) return;
    auto first = positions.begin();
    auto last = first + static_cast<std::ptrdiff_t>(n);
    auto moment = [&](std::size_t i) { return moments[i]; };

    std::size_t i = static_cast<std::size_t>(std::lower_bound(first, last, start) - first);
    if (i >= n || positions[i] != start) {
        // Interpolate between the positions around the start (the nearest ones at the ends).
        std::size_t hi = std::min(i, n - 1);
        std::size_t lo = hi > 0 ? hi - 1 : hi;
        m_x.push_back(start);
        m_M.push_back(interpolate(positions[lo], moment(lo), positions[hi], moment(hi), start));
    }
    std::size_t stop = static_cast<std::size_t>(std::upper_bound(first, last, end) - first);
    for (; i < stop; ++i) {
        m_x.push_back(positions[i]);
        m_M.push_back(moment(i));
    }
    if (m_x.back() != end) {
        std::size_t lo = stop > 0 ? stop - 1 : 0;
        std::size_t hi = std::min(stop, n - 1);
        if (hi == lo && lo > 0) --lo;
        m_x.push_back(end);
        m_M.push_back(interpolate(positions[lo], moment(lo), positions[hi], moment(hi), end));
    }
}

double MomentField::MaxAbsMoment() const {
    double m = 0.0;
    for (double v : m_M)
        m = std::max(m, std::fabs(v));
    return m;
}

double MomentField::MaxMoment() const {
    double m = 0.0;
    for (double v : m_M)
        m = std::max(m, v);
    return m;
}

double MomentField::MinMoment() const {
    double m = 0.0;
    for (double v : m_M)
        m = std::min(m, v);
    return m;
}

double MomentField::MaxLoadMoment() const {
    if (m_M.size() < 3) return 0.0;
    const double x0 = m_x.front(), xn = m_x.back();
    const double M0 = m_M.front(), Mn = m_M.back();
    double best = 0.0;
    for (std::size_t i = 1; i + 1 < m_M.size(); ++i) {
        double d = m_M[i] - interpolate(x0, M0, xn, Mn, m_x[i]);
        if (std::fabs(d) > std::fabs(best)) best = d;
    }
    return best;
}

double MomentField::LoadShapeRatio() const {
    if (m_M.size() < 3) return 0.0;
    const double x0 = m_x.front(), xn = m_x.back();
    const double M0 = m_M.front(), Mn = m_M.back();
    double sum = 0.0, largest = 0.0;
    for (std::size_t i = 1; i + 1 < m_M.size(); ++i) {
        double d = std::fabs(m_M[i] - interpolate(x0, M0, xn, Mn, m_x[i]));
        sum += d * (m_x[i + 1] - m_x[i - 1]) / 2.0;
        largest = std::max(largest, d);
    }
    if (largest == 0.0 || xn <= x0) return 0.0;
    // Measured in fractions of the field, so that the limits 0.5 and 0.667 of
    // the load shapes hold for a field of any length.
    return sum / largest / (xn - x0);
}

double MomentField::EndMomentRatio() const {
    if (m_M.empty()) return 1.0;
    const double M0 = m_M.front(), Mn = m_M.back();
    if (M0 == 0.0 && Mn == 0.0) return 1.0;
    if (std::fabs(Mn) >= std::fabs(M0)) return M0 / Mn;
    return Mn / M0;
}

double MomentField::BetaPsi() const {
    if (m_M.empty() || (m_M.front() == 0.0 && m_M.back() == 0.0)) return 0.0;
    return 1.8 - 0.7 * EndMomentRatio();
}

double MomentField::BetaQ() const {
    const double r = LoadShapeRatio();
    if (r < 0.5) return 1.4;
    if (r >= 0.667) return 1.3;
    return 1.7 - 0.6 * r;
}

double MomentField::EquivalentMomentFactor() const {
    const double dM = MaxMoment() + std::fabs(MinMoment());
    const double MQ = MaxLoadMoment();
    if (dM == 0.0 && MQ == 0.0) return 1.0;
    const double betaPsi = BetaPsi();
    if (betaPsi != 0.0) return betaPsi + (std::fabs(MQ) / dM) * (BetaQ() - betaPsi);
    return BetaQ();
}

double MomentField::EndMomentCFactor(int which, double k, double psi) const {
    if (which == 2) return 0.0;
    if (psi == ownRatio) psi = EndMomentRatio();
    int j = std::min(3, static_cast<int>(4.0 * std::fabs(psi)));
    int j2 = j + 1;
    if (psi != 0.0) {
        j *= sgn(psi);
        j2 *= sgn(psi);
    }
    const int base = which == 1 ? 0 : 3;
    auto column = [&](int col) {
        return interpolate(j / 4.0, endMomentAt(j, base + col), j2 / 4.0, endMomentAt(j2, base + col), psi);
    };
    if (k < 0.5) return column(2);
    if (k >= 1.0) return column(0);
    if (k >= 0.7) return interpolate(1.0, column(0), 0.7, column(1), k);
    return interpolate(0.7, column(1), 0.5, column(2), k);
}

double MomentField::TransverseLoadCFactor(int which, double mu, double r, double k) {
    k = std::clamp(k, 0.5, 1.0);
    r = std::clamp(r, 0.5, 0.667);
    mu = std::min(mu, 1.0);
    const auto& rows = transverseTable[std::clamp(which, 1, 3) - 1];
    auto atK = [&](int row) { return interpolate(0.5, rows[row][0], 1.0, rows[row][1], k); };
    const double U = interpolate(0.0, atK(0), 1.0, atK(1), mu);
    const double P = interpolate(0.0, atK(2), 1.0, atK(3), mu);
    return interpolate(0.5, P, 0.667, U, r);
}

double MomentField::CFactor(int which, double k) const {
    k = std::clamp(k, 0.5, 1.0);
    if (m_M.empty()) return which == 1 ? 1.0 : 0.0;
    const double M0 = m_M.front(), Mn = m_M.back();
    const double r = LoadShapeRatio();
    if (std::fabs(M0) <= 1.0 && std::fabs(Mn) <= 1.0) return TransverseLoadCFactor(which, 0.0, r, k);
    const double MQ = MaxLoadMoment();
    const double Mend = std::max(std::fabs(M0), std::fabs(Mn));
    if (std::fabs(MQ) / Mend < 0.1) return EndMomentCFactor(which, k, ownRatio);
    const double mid = (M0 + Mn) / 2.0;
    const double Mmid = mid + MQ;
    if (M0 * Mn >= 0.0) {
        const double q = Mmid / mid;
        if (q < 0.0) return TransverseLoadCFactor(which, std::fabs(1.0 / q), r, k);
        if (q < 1.0) return EndMomentCFactor(which, k, ownRatio);
    } else {
        const bool firstBig = std::fabs(M0) >= std::fabs(Mn);
        const double Mbig = firstBig ? M0 : Mn;
        const double Msmall = firstBig ? Mn : M0;
        const double t = Mmid / (0.5 * Mbig);
        if (t <= 1.0) {
            if (Mmid / mid > 1.0 && t < 1.0) return EndMomentCFactor(which, k, 0.0);
            if (Mmid / mid <= 1.0 && Mmid / Msmall < 0.5) return EndMomentCFactor(which, k, ownRatio);
            return TransverseLoadCFactor(which, 0.0, r, k);
        }
    }
    // Neither shape fits: the general values.
    if (which == 1) return 1.0;
    if (which == 2 || which == 3) return TransverseLoadCFactor(which, 0.0, r, k);
    return EndMomentCFactor(which, k, ownRatio);
}
