#include "app/design/InteractionDiagram.h"

#include "app/design/DesignFactor.h"
#include "app/design/UltFuncEC2.h"
#include "common/omLine.h"

#include <algorithm>
#include <cmath>

InteractionDiagram::~InteractionDiagram() = default;

void InteractionDiagram::Reset() {
    m_points.clear();
    m_minM = m_maxM = m_minN = m_maxN = 0.0;
}

bool InteractionDiagram::AddPoint(const Point& point) {
    if (!m_points.empty() && m_points.back().M == point.M) return false;
    m_points.push_back(point);
    m_minM = std::min(m_minM, point.M);
    m_maxM = std::max(m_maxM, point.M);
    m_minN = std::min(m_minN, point.N);
    m_maxN = std::max(m_maxN, point.N);
    return true;
}

void InteractionDiagram::Build(const UltFuncEC2& f) {
    Reset();
    auto add = [&](double epsTop, double epsBottom) {
        const auto [N, M] = f.Evaluate(epsTop, epsBottom);
        AddPoint({M, N, epsBottom, epsTop});
    };
    // Strains are counted in steps of 0.00025 (q) so that the walk meets its
    // corner strains exactly.
    constexpr double q = 0.00025;
    // Pure tension.
    add(0.025, 0.025);
    // Bottom bars at the limit strain, the top edge from 0 to -0.0035.
    for (int k = 0; k < 5; ++k)
        add(-0.0007 * k, 0.025);
    // Top edge crushed, the bottom strain from the limit down to 0, finer near 0.
    for (int n = 100; n > 0;) {
        add(-0.0035, n * q);
        n -= n > 30 ? 10 : (n > 4 ? 2 : 1);
    }
    // Rotation about the point of strain -0.002 at 3/7 of the depth from the top.
    for (int k = 0; k < 5; ++k) {
        const double epsBottom = -0.0004 * k;
        add(-0.0035 - 0.75 * epsBottom, epsBottom);
    }
    for (int k = 0; k < 5; ++k) {
        const double epsTop = -0.002 + 0.0004 * k;
        add(epsTop, -0.0035 - 0.75 * epsTop);
    }
    // Bottom edge crushed, the top strain from 0 up towards the limit.
    for (int n = 0; n * q < 0.02499975;) {
        add(n * q, -0.0035);
        n += n > 30 ? 10 : (n > 4 ? 2 : 1);
    }
    // Top bars at the limit strain, the bottom edge from -0.0035 to 0.
    for (int k = 5; k >= 0; --k)
        add(0.025, -0.0007 * k);
}

omPoint InteractionDiagram::Intersect(double M, double N) const {
    const double sM = m_maxM - m_minM;
    const double sN = m_maxN - m_minN;
    if (m_points.empty() || !(sM > 0.0) || !(sN > 0.0)) return {};
    const omLine ray(omPoint(0.0, 0.0), omPoint(M / sM, N / sN));
    const std::size_t n = m_points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point& a = m_points[i];
        const Point& b = m_points[(i + 1) % n];
        const omLine edge(a.M / sM, a.N / sN, b.M / sM, b.N / sN);
        omPoint hit;
        const int flags = ray.intersection(edge, hit);
        if (!(flags & omLine::insideOther)) continue;
        if (ray.scalar(hit) > 0.0) return hit;
    }
    return {};
}

double InteractionDiagram::Utilisation(double M, double N) const {
    if (M == 0.0 && N == 0.0) return 0.0;
    const double sM = m_maxM - m_minM;
    const double sN = m_maxN - m_minN;
    if (!(sM > 0.0) || !(sN > 0.0)) return designNotVerified;
    const omPoint P = Intersect(M, N);
    if (std::fabs(P.x) <= 1e-12 && std::fabs(P.y) <= 1e-12) return designNotVerified;
    return omLine(omPoint(0.0, 0.0), P).scalar(omPoint(M / sM, N / sN));
}
