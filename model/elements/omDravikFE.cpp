#include "model/elements/omDravikFE.h"

#include "common/omMath.h"
#include "model/elements/omLagrangePolynom.h"
#include "model/omCrossSection.h"
#include "model/omDofStructureType.h"
#include "model/omLoad.h"
#include "model/omLogFile.h"
#include "model/omMaterial.h"
#include "model/omStiffnessMatrix.h"
#include "rezavud/omGaussianQuadratureWeights.h"
#include "rezavud/omLUGauss.h"
#include "rezavud/omSymMatrix.h"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <vector>

namespace {

const omDofStructureType* frameLayout() {
    return omDofStrakonStructureType::instance();
}

// m_N may have been written directly; an element never works with a number of
// points that it cannot use.
unsigned usablePoints(unsigned n) {
    return std::clamp(n, omDravikFE::kMinPoints, omDravikFE::kMaxPoints);
}

bool allFinite(const omVector& v) {
    for (int i = 0; i < v.size(); ++i)
        if (!std::isfinite(v[i])) return false;
    return true;
}

bool allFinite(const omSubMatrix& m) {
    for (int i = 0; i < m.nRows(); ++i)
        for (int j = 0; j < m.nCols(); ++j)
            if (!std::isfinite(m.valAt(i, j))) return false;
    return true;
}

bool allFinite(const omSymMatrix& m) {
    for (int i = 0; i < m.size(); ++i)
        for (int j = 0; j <= i; ++j)
            if (!std::isfinite(m.atC(i, j))) return false;
    return true;
}

// "{ a, b, c }" of n values of a function of the index, for the log.
template <class F> void writeList(std::ostream& os, unsigned n, F value) {
    os << "{ ";
    for (unsigned i = 0; i < n; ++i)
        os << (i ? ", " : "") << value(i);
    os << " }";
}

} // namespace

bool omDravikFE::SetPolyDegree(unsigned degree) {
    if (degree + 1 < kMinPoints || degree + 1 > kMaxPoints || !omLagrangePolynom::hasTable(degree))
        return false;
    m_N = degree + 1;
    return true;
}

omDravikFE::omDravikFE() : m_n(usablePoints(m_N)) {
    m_U.resize(int(m_n) + 2);
    m_nGauss = m_n;
}

omDravikFE::omDravikFE(const omDravikFE& other)
    : omLineFE(other), omLinearLineFE2D(other), m_L(other.m_L), m_angle(other.m_angle), m_U(other.m_U),
      m_nGauss(other.m_nGauss), m_epsT(other.m_epsT), m_kappaT(other.m_kappaT), m_Z1(other.m_Z1),
      m_L12(other.m_L12), m_n(other.m_n) {}

omDravikFE& omDravikFE::operator=(const omDravikFE& other) {
    if (this == &other) return *this;
    omLinearLineFE2D::operator=(other);
    m_L = other.m_L;
    m_angle = other.m_angle;
    m_U = other.m_U;
    m_nGauss = other.m_nGauss;
    m_epsT = other.m_epsT;
    m_kappaT = other.m_kappaT;
    m_Z1 = other.m_Z1;
    m_L12 = other.m_L12;
    m_n = other.m_n;
    return *this;
}

omDravikFE::~omDravikFE() = default;

void omDravikFE::clearLoad() {
    omLinearLineFE2D::clearLoad();
    m_U.setAllTo(0.0);
}

std::vector<double> omDravikFE::iterationState() const {
    return stateOf(m_U);
}

void omDravikFE::setIterationState(const std::vector<double>& state) {
    takeState(state, m_U);
}

void omDravikFE::refreshGeometry() {
    chord(m_L, m_angle);
}

bool omDravikFE::sectionReady() const {
    if (!m_material || !m_crossSection) return false;
    const double E = m_material->E(m_creepFi).Get(omUK_kN_cm2);
    const double C11 = E * m_crossSection->A();
    const double C12 = E * m_crossSection->Sy();
    const double EI = E * m_crossSection->Iy();
    // Without axial or bending stiffness the strains are unbounded and the
    // rotations inside the element free.
    return std::isfinite(C11) && std::isfinite(C12) && std::isfinite(EI) && C11 > 0.0 &&
           EI - C12 * C12 / C11 > 0.0;
}

// ---------------------------------------------------------------------------
// Fields and loads

double omDravikFE::f_P(unsigned i, double x, unsigned derivative) const {
    const omLagrangePolynom P(m_n - 1, i);
    double value = P.at(x0L_to_x11(x), derivative);
    if (derivative != 0) value *= 2.0 / m_L;
    return value;
}

double omDravikFE::f_Fi(double x, unsigned derivative) const {
    double sum = 0.0;
    for (unsigned i = 0; i < m_n; ++i)
        sum += m_U[2 + i] * f_P(i, x, derivative);
    return sum;
}

void omDravikFE::f_R(double x, double& Rx, double& Rz) const {
    Rx = m_U[0];
    Rz = m_U[1];
    const double* X = omGaussianQuadratureWeights::getX(3);
    const double* A = omGaussianQuadratureWeights::getA(3);
    for (const omLoad* load : m_loads) {
        if (!load || load->getType() != omLoad::Linear) continue;
        const double f = loadFactor(load);
        if (f == 0.0) continue;
        const auto* linear = static_cast<const omLoadLinear*>(load);
        const double x1 = linear->getStart() * m_L;
        const double x2 = linear->getEnd() * m_L;
        if (x < x1) continue;
        const double upper = std::min(x2, x);
        const double c = (upper + x1) / 2.0;
        const double h = (upper - x1) / 2.0;
        const omLinearLoadIntensity q(*linear, m_angle);
        double sx = 0.0, sz = 0.0;
        for (int k = 0; k < 3; ++k) {
            const double s = h * X[k] + c;
            sx += q.p(s / m_L, Ux) * A[k];
            sz += q.p(s / m_L, Uz) * A[k];
        }
        Rx -= h * sx * f;
        Rz -= h * sz * f;
    }
}

double omDravikFE::f_m(double x) const {
    double m = 0.0;
    for (const omLoad* load : m_loads) {
        if (!load || load->getType() != omLoad::Linear) continue;
        const double f = loadFactor(load);
        if (f == 0.0) continue;
        const auto* linear = static_cast<const omLoadLinear*>(load);
        const double x1 = linear->getStart() * m_L;
        const double x2 = linear->getEnd() * m_L;
        if (x1 <= x && x <= x2) m += linear->p(x / m_L, m_angle, Ry) * f;
    }
    return m;
}

void omDravikFE::f_T(double& epsT, double& kappaT) const {
    const Thermal t = thermal();
    epsT = t.eps;
    kappaT = t.kappa;
}

void omDravikFE::f_S(omVector& S) const {
    const int n = int(m_n);
    for (const omLoad* load : m_loads) {
        if (!load || load->getType() != omLoad::Concentrated) continue;
        const double f = loadFactor(load);
        if (f == 0.0) continue;
        const auto* force = static_cast<const omLoadForce*>(load);
        const omForceVector F = force->getForce(m_angle);
        const double Fx = F.getDof(Ux) * f;
        const double Fz = F.getDof(Uz) * f;
        const double Fm = F.getDof(Ry) * f;
        // The member is divided at its load points, so a concentrated load
        // lies at one end of an element, up to the rounding of the load
        // points to 1e-5 of the member, which is a larger fraction of a short
        // element: the nearer end takes it.
        if (force->getX() < 0.5) {
            S[n + 2] -= Fx;
            S[n + 3] -= Fz;
            S[2] -= Fm;
        } else {
            S[n + 4] -= Fx;
            S[n + 5] -= Fz;
            S[n + 1] -= Fm;
        }
    }
}

void omDravikFE::f_Constituition(double, double kappa, double N, double& eps, double& Mc, double& C11,
                                 double& C12, double& C22p) const {
    const double E = m_material->E(m_creepFi).Get(omUK_kN_cm2);
    const double EI = E * m_crossSection->Iy();
    C11 = E * m_crossSection->A();
    C12 = E * m_crossSection->Sy();
    C22p = EI - C12 * C12 / C11;
    eps = N / C11 - (kappa - m_kappaT) * C12 / C11 + m_epsT;
    // The moment of the elastic strain only: a member free to expand under a
    // uniform temperature takes no moment, whatever the reference axis.
    Mc = (eps - m_epsT) * C12 + EI * (kappa - m_kappaT);
}

// ---------------------------------------------------------------------------
// Element matrices

bool omDravikFE::f_Element(const omVector& U2, omSymMatrix& K, omVector& S) {
    const int n = int(m_n);
    const int size = n + 6;
    K = omSymMatrix(size);
    S = omVector(size);
    if (!(m_L > 0.0) || !sectionReady()) return false;

    m_U[2] = U2[2];
    m_U[n + 1] = U2[5];

    omLogFile* log = omLogFile::enabledFor(lfElementDetails);
    const double* X = omGaussianQuadratureWeights::getX(m_nGauss);
    const double* A = omGaussianQuadratureWeights::getA(m_nGauss);
    std::vector<double> P(m_n), dP(m_n), g(m_n), h(m_n);

    for (unsigned k = 0; k < m_nGauss; ++k) {
        const double s = x11_to_x0L(X[k]);
        const double w = A[k];
        double Rx = 0.0, Rz = 0.0;
        f_R(s, Rx, Rz);
        double fi = 0.0, kappa = 0.0;
        for (unsigned i = 0; i < m_n; ++i) {
            P[i] = f_P(i, s, 0);
            dP[i] = f_P(i, s, 1);
            fi += m_U[2 + i] * P[i];
            kappa += m_U[2 + i] * dP[i];
        }
        const double sinFi = std::sin(fi);
        const double cosFi = std::cos(fi);
        const double N = Rx * cosFi - Rz * sinFi;
        const double Q = Rx * sinFi + Rz * cosFi;
        const double m = f_m(s);
        double eps = 0.0, Mc = 0.0, C11 = 0.0, C12 = 0.0, C22p = 0.0;
        f_Constituition(s, kappa, N, eps, Mc, C11, C12, C22p);
        for (unsigned i = 0; i < m_n; ++i) {
            g[i] = (C12 * dP[i] + Q * P[i]) / C11;
            h[i] = (1.0 + eps) * P[i];
        }

        S[0] -= (1.0 + eps) * cosFi * w;
        S[1] += (1.0 + eps) * sinFi * w;
        for (unsigned i = 0; i < m_n; ++i)
            S[2 + i] += (((1.0 + eps) * Q - m) * P[i] + Mc * dP[i]) * w;

        K.atC(0, 0) -= cosFi * cosFi / C11 * w;
        K.atC(1, 0) += cosFi * sinFi / C11 * w;
        K.atC(1, 1) -= sinFi * sinFi / C11 * w;
        for (unsigned i = 0; i < m_n; ++i) {
            K.atC(2 + i, 0) += (cosFi * g[i] + sinFi * h[i]) * w;
            K.atC(2 + i, 1) += (cosFi * h[i] - sinFi * g[i]) * w;
            for (unsigned j = 0; j <= i; ++j)
                K.atC(2 + i, 2 + j) +=
                    (dP[i] * dP[j] * C22p - (P[i] * dP[j] + dP[i] * P[j]) * (C12 / C11) * Q +
                     ((1.0 + eps) * N - Q * Q / C11) * P[i] * P[j]) *
                    w;
        }

        if (log) {
            std::ostream& os = *log;
            os << "\n\nInternal variables in the numerical integration [0..L]:"
               << ", integration point: " << X[k] << " " << w;
            os << "\nx0L: " << s << ", R1: " << Rx << ", R2: " << Rz;
            os << "\nP[1..p]: ";
            writeList(os, m_n, [&](unsigned i) { return P[i]; });
            os << "\ndP[1..p]: ";
            writeList(os, m_n, [&](unsigned i) { return dP[i]; });
            os << "\nFi: " << fi << ", sin(Fi): " << sinFi << ", cos(Fi): " << cosFi;
            os << "\nN: " << N << ", Q: " << Q;
            os << "\nFi': " << kappa << ", epsilon: " << eps << ", Mc: " << Mc;
            os << "\nC11: " << C11 << ", C12: " << C12 << ", C22p: " << C22p;
            os << "\ng[1..p]: ";
            writeList(os, m_n, [&](unsigned i) { return g[i]; });
            os << "\nh[1..p]: ";
            writeList(os, m_n, [&](unsigned i) { return h[i]; });
        }
    }

    K.multiply(m_L / 2.0);
    S.multiplyBy(m_L / 2.0);

    if (log) {
        *log << "\n\nStiffness matrix (K) and right side (S) after the integration."
             << "\nK and S are not complete, yet."
             << "\nK: " << K << "\nS: " << S;
    }

    const double u1 = U2[0], w1 = U2[1], u2 = U2[3], w2 = U2[4];
    S[0] += m_L + u2 - u1;
    S[1] += w2 - w1;
    S[n + 2] = -m_U[0];
    S[n + 3] = -m_U[1];
    double RxL = 0.0, RzL = 0.0;
    f_R(m_L, RxL, RzL);
    S[n + 4] = RxL;
    S[n + 5] = RzL;
    f_S(S);
    K.atC(n + 2, 0) = -1.0;
    K.atC(n + 4, 0) = 1.0;
    K.atC(n + 3, 1) = -1.0;
    K.atC(n + 5, 1) = 1.0;

    if (log)
        *log << "\n\nFinal K and S just before the elimination"
             << "\nK: " << K << "\nS: " << S;
    return true;
}

// ---------------------------------------------------------------------------
// Condensation

namespace {

// Positions in the element unknown vector (Rx0, Rz0, φ_0 .. φ_(n-1), u1, w1,
// u2, w2) of the internal unknowns (φ_1 .. φ_(n-2), Rx0, Rz0) and of the end
// DOFs in element order (u1, w1, θ1 = φ_0, u2, w2, θ2 = φ_(n-1)).
int internalPosition(int k, int n) {
    if (k < n - 2) return 3 + k;
    return k - (n - 2);
}

int externalPosition(int k, int n) {
    switch (k) {
    case 0:
        return n + 2;
    case 1:
        return n + 3;
    case 2:
        return 2;
    case 3:
        return n + 4;
    case 4:
        return n + 5;
    default:
        return n + 1;
    }
}

} // namespace

bool omDravikFE::f_Condense(const omSymMatrix& K, omSymMatrix& K22, const omVector& S, omVector& S2) {
    const int n = int(m_n);
    omMatrix K11(n, n), K12(n, 6);
    omVector S1(n);
    omSymMatrix K22new(6);
    omVector S2new(6);
    for (int i = 0; i < n; ++i) {
        const int pi = internalPosition(i, n);
        S1[i] = S[pi];
        for (int j = 0; j < n; ++j)
            K11.valAt(i, j) = K.atC(pi, internalPosition(j, n));
        for (int j = 0; j < 6; ++j)
            K12.valAt(i, j) = K.atC(pi, externalPosition(j, n));
    }
    for (int i = 0; i < 6; ++i) {
        const int pi = externalPosition(i, n);
        S2new[i] = S[pi];
        for (int j = 0; j <= i; ++j)
            K22new.atC(i, j) = K.atC(pi, externalPosition(j, n));
    }

    omLogFile* log = omLogFile::enabledFor(lfElementDetails);
    if (log) {
        *log << "\n\nDisassembled matrices and vectors before elimination"
             << "\nK11: " << K11 << "\nK12: " << K12 << "\nK22: " << K22new << "\nS1: " << S1
             << "\nS2: " << S2new;
    }

    // The blocks mix forces, rotations and lengths, so a pivot is judged
    // against the entries of its own column.
    std::vector<double> columnSize(n, 0.0);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            columnSize[j] = std::max(columnSize[j], std::fabs(K11.valAt(i, j)));
    omLUGauss lu(K11, true, partialPivot);
    if (lu.makeTransformation() != 0) return false;
    for (int k = 0; k < n; ++k)
        if (!(std::fabs(K11.valAt(k, k)) > 1e-12 * columnSize[k])) return false;
    omVector Z1(S1);
    omMatrix L12(K12);
    if (!lu.solve(Z1) || !lu.solve(L12)) return false;
    if (!allFinite(Z1) || !allFinite(L12)) return false;

    for (int i = 0; i < 6; ++i) {
        double s = 0.0;
        for (int k = 0; k < n; ++k)
            s += K12.valAt(k, i) * Z1[k];
        S2new[i] -= s;
        for (int j = 0; j <= i; ++j) {
            double kij = 0.0;
            for (int k = 0; k < n; ++k)
                kij += K12.valAt(k, i) * L12.valAt(k, j);
            K22new.atC(i, j) -= kij;
        }
    }
    if (!allFinite(K22new) || !allFinite(S2new)) return false;

    K22 = K22new;
    S2 = S2new;
    m_Z1 = Z1;
    m_L12 = L12;
    return true;
}

bool omDravikFE::setupGlobalKAndF(const omVector* U, omStiffnessMatrix* K, omVector* S, unsigned iteration) {
    refreshGeometry();
    if (iteration == 1) m_U.setAllTo(0.0);
    // At every assembly, not only the first: a solution by load increments
    // raises the temperature loads with the others.
    f_T(m_epsT, m_kappaT);
    int* index = nullptr;
    if (!setupIndex(index)) return false;

    omVector U2(6);
    if (U) extractDisplacement(*U, U2, m_angle);

    omLogFile* log = omLogFile::enabledFor(lfElementDetails);
    if (log) {
        *log << "\n\nDravik stiffness matrix calculation details:"
             << "\nLength: " << m_L << ", Angle: " << deg(m_angle) << "\nIteration: " << iteration
             << "\nCurrent internal and external displacement vector U:"
             << "\nU(int) : " << m_U << "\nU(ext) : " << U2;
    }

    omSymMatrix Ke;
    omVector Se;
    if (!f_Element(U2, Ke, Se)) return false;
    omSymMatrix K22(6);
    omVector S2(6);
    if (!f_Condense(Ke, K22, Se, S2)) return false;

    transform(K22, m_angle, false);
    transform(S2, m_angle, false);
    if (log) {
        *log << "\n\nFinal Stiffness matrices and right sides after the elimination"
             << "\nK22: " << K22 << "\nRight sides:"
             << "\nS2: " << S2;
    }

    // The index array is shared by every element; extractDisplacement has used it since.
    if (!setupIndex(index)) return false;
    return addToGlobal(index, &K22, K, &S2, S);
}

// ---------------------------------------------------------------------------
// Internal update

double omDravikFE::solveInternalEquations(const omVector& dU) {
    const int n = int(m_n);
    if (m_Z1.size() != n || m_L12.nRows() != n || m_L12.nCols() != 6) return 0.0;
    omVector dU2(6);
    extractDisplacement(dU, dU2);
    omVector dU1(n);
    for (int i = 0; i < n; ++i) {
        double s = m_Z1[i];
        for (int j = 0; j < 6; ++j)
            s += m_L12.valAt(i, j) * dU2[j];
        dU1[i] = -s;
    }

    omLogFile* log = omLogFile::enabledFor(lfElementDetails);
    if (log) {
        omVector L12dU2(n);
        for (int i = 0; i < n; ++i)
            L12dU2[i] = -dU1[i] - m_Z1[i];
        *log << "\n\nInternal degrees of freedom: ................."
             << "\ndU2: " << dU2 << "\nm_L12: " << m_L12 << "\nm_Z1: " << m_Z1 << "\nm_L12*dU2: " << L12dU2;
    }

    m_U[0] += dU1[n - 2];
    m_U[1] += dU1[n - 1];
    for (int k = 1; k <= n - 2; ++k)
        m_U[2 + k] += dU1[k - 1];
    m_U[2] += dU2[2];
    m_U[n + 1] += dU2[5];

    if (log) {
        *log << "\n\nInternal deegres of freedom after the global displacements are known"
             << "\ndU1: " << dU1 << "\nm_U: " << m_U;
    }
    return dU1.norm(normMax);
}

// ---------------------------------------------------------------------------
// Results along the element

omForceVector omDravikFE::internalForceAt(double x, const omVector& U) {
    omForceVector F(frameLayout());
    refreshGeometry();
    if (!(m_L > 0.0) || !sectionReady()) return F;
    const double s = x * m_L;
    double Rx = 0.0, Rz = 0.0;
    f_R(s, Rx, Rz);
    const double fi = f_Fi(s, 0);
    const double N = Rx * std::cos(fi) - Rz * std::sin(fi);
    const double Q = Rx * std::sin(fi) + Rz * std::cos(fi);
    const double kappa = f_Fi(s, 1);
    double eps = 0.0, Mc = 0.0, C11 = 0.0, C12 = 0.0, C22p = 0.0;
    f_Constituition(s, kappa, N, eps, Mc, C11, C12, C22p);
    F.getDof(Ux) = N;
    F.getDof(Uz) = Q;
    F.getDof(Ry) = Mc;

    if (omLogFile* log = omLogFile::enabledFor(lfElementDetails)) {
        omVector U2(6);
        extractDisplacement(U, U2, m_angle);
        *log << "\n\nDravik internal force calculation details:"
             << "\nPoint x: " << x << "\nCurrent internal and external displacement vector U:"
             << "\nU(int) : " << m_U << "\nU(ext) : " << U2 << "\nN: " << N << ", Q: " << Q << ", Mc: " << Mc;
    }
    return F;
}

omDisplacementVector omDravikFE::displacementAt(double x, const omVector& U) {
    omDisplacementVector D(frameLayout());
    refreshGeometry();
    omVector U2(6);
    extractDisplacement(U, U2, m_angle);
    if (!(m_L > 0.0) || !sectionReady()) return D;
    const double s = x * m_L;
    double Iu = 0.0, Iw = 0.0;
    const double* X = omGaussianQuadratureWeights::getX(m_nGauss);
    const double* A = omGaussianQuadratureWeights::getA(m_nGauss);
    for (unsigned k = 0; k < m_nGauss; ++k) {
        const double t = (X[k] + 1.0) * s / 2.0;
        const double w = A[k] * s / 2.0;
        double Rx = 0.0, Rz = 0.0;
        f_R(t, Rx, Rz);
        const double fi = f_Fi(t, 0);
        const double N = Rx * std::cos(fi) - Rz * std::sin(fi);
        double eps = 0.0, Mc = 0.0, C11 = 0.0, C12 = 0.0, C22p = 0.0;
        f_Constituition(t, f_Fi(t, 1), N, eps, Mc, C11, C12, C22p);
        Iu += (1.0 + eps) * std::cos(fi) * w;
        Iw -= (1.0 + eps) * std::sin(fi) * w;
    }
    D.getDof(Ux) = U2[0] + Iu - s;
    D.getDof(Uz) = U2[1] + Iw;
    D.getDof(Ry) = f_Fi(s, 0);
    return D;
}
