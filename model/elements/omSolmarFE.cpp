#include "model/elements/omSolmarFE.h"

#include "common/omMath.h"
#include "model/elements/omLegendrePolynom.h"
#include "model/omCrossSection.h"
#include "model/omLoad.h"
#include "model/omLogFile.h"
#include "model/omMaterial.h"
#include "model/omStiffnessMatrix.h"
#include "rezavud/omGaussianQuadratureWeights.h"
#include "rezavud/omLUGauss.h"
#include "rezavud/omSymMatrix.h"

#include <algorithm>
#include <cmath>

namespace {

const omDofStructureType* frameLayout() {
    return omDofStrakonStructureType::instance();
}

// Local variables of a section: curvature, rotation, the two force components.
enum { vKappa = 0, vTheta = 1, vRx = 2, vRz = 3 };

// ∫ from a to c of a linear intensity with the values qa at a and qb at b.
double integrateLinear(double qa, double qb, double a, double b, double c) {
    if (c <= a) return 0.0;
    return (c - a) * 0.5 * (qa + interpolate(a, qa, b, qb, c));
}

} // namespace

omSolmarFE::omSolmarFE() : m_U(5), m_Ue(6) {}

omSolmarFE::omSolmarFE(const omSolmarFE& other)
    : omLineFE(other), omLinearLineFE2D(other), m_L(other.m_L), m_angle(other.m_angle), m_U(other.m_U),
      m_nGauss(other.m_nGauss), m_p(other.m_p), m_Z1(other.m_Z1), m_L12(other.m_L12), m_Ue(other.m_Ue),
      m_pointLoads(other.m_pointLoads), m_linearLoads(other.m_linearLoads), m_breaks(other.m_breaks),
      m_epsT(other.m_epsT), m_kappaT(other.m_kappaT), m_C11(other.m_C11), m_C13(other.m_C13),
      m_EI(other.m_EI), m_GAs(other.m_GAs) {}

omSolmarFE& omSolmarFE::operator=(const omSolmarFE& other) {
    if (this == &other) return *this;
    omLinearLineFE2D::operator=(other);
    m_L = other.m_L;
    m_angle = other.m_angle;
    m_U = other.m_U;
    m_nGauss = other.m_nGauss;
    m_p = other.m_p;
    m_Z1 = other.m_Z1;
    m_L12 = other.m_L12;
    m_Ue = other.m_Ue;
    m_pointLoads = other.m_pointLoads;
    m_linearLoads = other.m_linearLoads;
    m_breaks = other.m_breaks;
    m_epsT = other.m_epsT;
    m_kappaT = other.m_kappaT;
    m_C11 = other.m_C11;
    m_C13 = other.m_C13;
    m_EI = other.m_EI;
    m_GAs = other.m_GAs;
    return *this;
}

omSolmarFE::~omSolmarFE() = default;

void omSolmarFE::clearLoad() {
    omLinearLineFE2D::clearLoad();
    m_U.setAllTo(0.0);
}

std::vector<double> omSolmarFE::iterationState() const {
    return stateOf(m_U);
}

void omSolmarFE::setIterationState(const std::vector<double>& state) {
    takeState(state, m_U);
}

void omSolmarFE::prepare(const omVector& U) {
    chord(m_L, m_angle);
    m_Ue.resize(6);
    m_Ue.setAllTo(0.0);
    extractDisplacement(U, m_Ue, m_angle);

    const double E = m_material->E(m_creepFi).Get(omUK_kN_cm2);
    const double G = m_material->G().Get(omUK_kN_cm2);
    m_C11 = E * m_crossSection->A();
    m_C13 = E * m_crossSection->Sy();
    m_EI = E * m_crossSection->Iy();
    m_GAs = G * m_crossSection->Vz();

    m_pointLoads.clear();
    m_linearLoads.clear();
    const Thermal thermalStrain = thermal();
    m_epsT = thermalStrain.eps;
    m_kappaT = thermalStrain.kappa;
    m_breaks.assign({0.0, m_L});
    omForceVector F1(frameLayout());
    omForceVector F2(frameLayout());
    for (const omLoad* load : m_loads) {
        const double f = loadFactor(load);
        if (f == 0.0) continue;
        switch (load->getType()) {
        case omLoad::Concentrated: {
            double a = 0.0;
            double b = 0.0;
            parseLoad(load, m_L, m_angle, a, b, F1, F2);
            m_pointLoads.push_back({a, f * F1.getDof(Ux), f * F1.getDof(Uz), f * F1.getDof(Ry)});
            m_breaks.push_back(a);
            break;
        }
        case omLoad::Linear: {
            double a = 0.0;
            double b = 0.0;
            parseLoad(load, m_L, m_angle, a, b, F1, F2);
            if (b <= a) break;
            LinearLoad l{a,
                         b,
                         {f * F1.getDof(Ux), f * F2.getDof(Ux)},
                         {f * F1.getDof(Uz), f * F2.getDof(Uz)},
                         {f * F1.getDof(Ry), f * F2.getDof(Ry)}};
            m_linearLoads.push_back(l);
            m_breaks.push_back(a);
            m_breaks.push_back(b);
            break;
        }
        default:
            break;
        }
    }
    // The forces jump at concentrated loads and bend at the ends of
    // distributed ones; the integration is cut there.
    std::vector<double> breaks;
    for (double x : m_breaks)
        if (x >= 0.0 && x <= m_L) breaks.push_back(x);
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    m_breaks = std::move(breaks);
}

void omSolmarFE::gaussPoints(double x, std::vector<double>& xs, std::vector<double>& ws) const {
    xs.clear();
    ws.clear();
    const double* gx = omGaussianQuadratureWeights::getX(m_nGauss);
    const double* gw = omGaussianQuadratureWeights::getA(m_nGauss);
    for (size_t k = 0; k + 1 < m_breaks.size(); ++k) {
        const double a = m_breaks[k];
        if (a >= x) break;
        const double b = std::min(m_breaks[k + 1], x);
        for (unsigned j = 0; j < m_nGauss; ++j) {
            xs.push_back(a + (gx[j] + 1.0) * (b - a) / 2.0);
            ws.push_back(gw[j] * (b - a) / 2.0);
        }
    }
}

double omSolmarFE::f_P(unsigned i, double x) const {
    return omLegendrePolynom(i).at(x0L_to_x11(x), 0);
}

double omSolmarFE::f_PS(unsigned i, double x) const {
    const unsigned n = i / 2 + 1;
    const double* gx = omGaussianQuadratureWeights::getX(n);
    const double* gw = omGaussianQuadratureWeights::getA(n);
    double sum = 0.0;
    for (unsigned k = 0; k < n; ++k)
        sum += f_P(i, (gx[k] + 1.0) * x / 2.0) * gw[k] * x / 2.0;
    return sum;
}

double omSolmarFE::f_Kappa(double x) const {
    double sum = 0.0;
    for (unsigned i = 0; i < m_p; ++i)
        sum += m_U[i] * f_P(i, x);
    return sum;
}

double omSolmarFE::f_Fi(double x) const {
    double sum = 0.0;
    for (unsigned i = 0; i < m_p; ++i)
        sum += m_U[i] * f_PS(i, x);
    return sum;
}

void omSolmarFE::f_R(double x, double& Rx, double& Rz) const {
    Rx = m_U[m_p];
    Rz = m_U[m_p + 1];
    for (const PointLoad& l : m_pointLoads)
        if (l.a <= x) {
            Rx -= l.Fx;
            Rz -= l.Fz;
        }
    for (const LinearLoad& l : m_linearLoads) {
        const double c = std::min(l.b, x);
        Rx -= integrateLinear(l.qx[0], l.qx[1], l.a, l.b, c);
        Rz -= integrateLinear(l.qz[0], l.qz[1], l.a, l.b, c);
    }
}

double omSolmarFE::f_IntM(double x) const {
    double sum = 0.0;
    for (const PointLoad& l : m_pointLoads)
        if (l.a <= x) sum += l.M;
    for (const LinearLoad& l : m_linearLoads)
        sum += integrateLinear(l.m[0], l.m[1], l.a, l.b, std::min(l.b, x));
    return sum;
}

double omSolmarFE::momentIntensity(double x) const {
    double m = 0.0;
    for (const LinearLoad& l : m_linearLoads)
        if (x >= l.a && x <= l.b) m += interpolate(l.a, l.m[0], l.b, l.m[1], x);
    return m;
}

void omSolmarFE::f_Constituition(double, double kappa, double N, double Q, double& eps, double& gamma,
                                 double& Mc, double& C11, double& C13, double& C33p, double& GAs) const {
    C11 = m_C11;
    C13 = m_C13;
    C33p = m_EI - C13 * C13 / C11;
    GAs = m_GAs;
    eps = (N - C13 * (kappa - m_kappaT)) / C11 + m_epsT;
    // A section or material without shear stiffness is taken as shear-rigid,
    // as the linear element takes every section.
    gamma = GAs > 0.0 ? Q / GAs : 0.0;
    Mc = C13 / C11 * N + C33p * (kappa - m_kappaT);
}

double omSolmarFE::axialStretch(const Section& q) {
    // (1 + ε)·cos θ + γ·sin θ - 1, with cos θ - 1 = -2·sin²(θ/2).
    const double h = std::sin(0.5 * q.theta);
    return q.eps * q.c - 2.0 * h * h + q.gamma * q.s;
}

omSolmarFE::Section omSolmarFE::sectionAt(double x) const {
    Section q;
    q.kappa = 0.0;
    q.theta = m_Ue[2];
    for (unsigned i = 0; i < m_p; ++i) {
        q.P[i] = f_P(i, x);
        q.PS[i] = f_PS(i, x);
        q.kappa += m_U[i] * q.P[i];
        q.theta += m_U[i] * q.PS[i];
    }
    f_R(x, q.Rx, q.Rz);
    q.c = std::cos(q.theta);
    q.s = std::sin(q.theta);
    q.N = q.Rx * q.c - q.Rz * q.s;
    q.Q = q.Rx * q.s + q.Rz * q.c;
    double C11, C13, C33p, GAs;
    f_Constituition(x, q.kappa, q.N, q.Q, q.eps, q.gamma, q.Mc, C11, C13, C33p, GAs);
    return q;
}

void omSolmarFE::sectionDerivatives(const Section& q, double grad[4], double hess[4][4]) const {
    // The section's part of the functional is
    //   Φ = C33p (κ - κT)²/2 + (C13/C11) N (κ - κT) - N²/(2 C11) - Q²/(2 GAs) - N (1 + εT)
    // with N and Q the force resultant in the rotated section. Its derivatives
    // are the constitutive moment (by κ), the moment equilibrium (1 + ε)Q - γN
    // (by θ) and the negative tangent of the deformed axis (by Rx, Rz).
    const double C33p = m_EI - m_C13 * m_C13 / m_C11;
    const double invGAs = m_GAs > 0.0 ? 1.0 / m_GAs : 0.0;
    const double PhiN = -(1.0 + q.eps);
    const double PhiQ = -q.gamma;
    const double c = q.c;
    const double s = q.s;
    // ∂(κ, N, Q)/∂(κ, θ, Rx, Rz)
    const double J[3][4] = {{1.0, 0.0, 0.0, 0.0}, {0.0, -q.Q, c, -s}, {0.0, q.N, s, c}};
    const double H[3][3] = {
        {C33p, m_C13 / m_C11, 0.0}, {m_C13 / m_C11, -1.0 / m_C11, 0.0}, {0.0, 0.0, -invGAs}};
    const double dPhi[3] = {q.Mc, PhiN, PhiQ};
    for (int a = 0; a < 4; ++a) {
        grad[a] = 0.0;
        for (int m = 0; m < 3; ++m)
            grad[a] += dPhi[m] * J[m][a];
        for (int b = 0; b < 4; ++b) {
            double sum = 0.0;
            for (int m = 0; m < 3; ++m)
                for (int n = 0; n < 3; ++n)
                    sum += J[m][a] * H[m][n] * J[n][b];
            hess[a][b] = sum;
        }
    }
    // Second derivatives of N and Q by θ, Rx, Rz.
    const double d2N[3][3] = {{-q.N, -s, -c}, {-s, 0.0, 0.0}, {-c, 0.0, 0.0}};
    const double d2Q[3][3] = {{-q.Q, c, -s}, {c, 0.0, 0.0}, {-s, 0.0, 0.0}};
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b)
            hess[1 + a][1 + b] += PhiN * d2N[a][b] + PhiQ * d2Q[a][b];
}

double omSolmarFE::f_M_ABCDp(double x, double* A, double* B, double* C, double* Dp) const {
    std::vector<double> xs, ws;
    gaussPoints(x, xs, ws);
    if (A) {
        *A = *B = *C = 0.0;
        for (unsigned i = 0; i < m_p; ++i)
            Dp[i] = 0.0;
    }
    double M = m_U[m_p + 2];
    for (size_t j = 0; j < xs.size(); ++j) {
        const Section q = sectionAt(xs[j]);
        M += ((1.0 + q.eps) * q.Q - q.gamma * q.N) * ws[j];
        if (!A) continue;
        double grad[4], hess[4][4];
        sectionDerivatives(q, grad, hess);
        *A += hess[vTheta][vRx] * ws[j];
        *B += hess[vTheta][vRz] * ws[j];
        *C += hess[vTheta][vTheta] * ws[j];
        for (unsigned i = 0; i < m_p; ++i)
            Dp[i] += (hess[vTheta][vKappa] * q.P[i] + hess[vTheta][vTheta] * q.PS[i]) * ws[j];
    }
    return M - f_IntM(x);
}

bool omSolmarFE::f_Condense(omMatrix& K11, omMatrix& K12, omMatrix& K21, omMatrix& K22, omVector& S1,
                            omVector& S2) {
    const int ni = K11.nRows();
    omLUGauss lu(K11, false, partialPivot);
    if (lu.makeTransformation() != 0) return false;
    omMatrix iK11;
    lu.getInverse(iK11);
    omLogFile* log = omLogFile::enabledFor(lfElementDetails);
    if (log)
        *log << "\n\nMatrices during elimination"
             << "\niK11: " << iK11;

    omVector Z1(ni);
    omMatrix L12(ni, 6);
    for (int i = 0; i < ni; ++i)
        for (int k = 0; k < ni; ++k) {
            Z1[i] += iK11[i][k] * S1[k];
            for (int j = 0; j < 6; ++j)
                L12[i][j] += iK11[i][k] * K12[k][j];
        }
    for (int i = 0; i < 6; ++i)
        for (int k = 0; k < ni; ++k) {
            S2[i] -= K21[i][k] * Z1[k];
            for (int j = 0; j < 6; ++j)
                K22[i][j] -= K21[i][k] * L12[k][j];
        }
    if (log) {
        omMatrix L21(6, ni), L22(6, 6);
        for (int i = 0; i < 6; ++i)
            for (int k = 0; k < ni; ++k)
                for (int l = 0; l < ni; ++l)
                    L21[i][k] += K21[i][l] * iK11[l][k];
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j)
                for (int k = 0; k < ni; ++k)
                    L22[i][j] += L21[i][k] * K12[k][j];
        *log << "\nL21: " << L21 << "\nL22: " << L22;
    }
    m_Z1 = Z1;
    m_L12 = L12;
    return true;
}

bool omSolmarFE::setupGlobalKAndF(const omVector* U, omStiffnessMatrix* K, omVector* S, unsigned iteration) {
    if (!U) return false;
    int* index = nullptr;
    if (!setupIndex(index)) return false;
    int e[6];
    std::copy(index, index + 6, e);
    if (iteration == 1) m_U.setAllTo(0.0);
    prepare(*U);

    const unsigned p = m_p;
    const int iRx = int(p);
    const int iRz = int(p) + 1;
    const int iM = int(p) + 2;
    const int ni = int(p) + 3;
    const int iE = ni;
    const int n = ni + 6;
    const int iT1 = iE + 2;

    // The functional's gradient r and Hessian J in the unknowns (a, Rx0, Rz0,
    // M(L), end displacements): the end moment M(L) is its multiplier of the
    // rotation condition. M(L) follows from M0 by the moment equilibrium, and
    // the unknown kept is M0.
    omVector r(n);
    omMatrix J(n, n);

    std::vector<double> xs, ws;
    gaussPoints(m_L, xs, ws);
    omLogFile* log = omLogFile::enabledFor(lfElementDetails);
    if (log)
        *log << "\n\nSolmarFE stiffness matrix calculation details:"
             << "\nLength: " << m_L << ", Angle: " << deg(m_angle) << "\nIteration: " << iteration
             << "\nCurrent internal U1 and displacement vector U2:"
             << "\nU1 : " << m_U << "\nU2 : " << m_Ue;
    for (size_t j = 0; j < xs.size(); ++j) {
        const Section q = sectionAt(xs[j]);
        double grad[4], hess[4][4];
        sectionDerivatives(q, grad, hess);
        const double w = ws[j];
        const double m = momentIntensity(xs[j]);
        // The columns of the unknowns that each local variable depends on.
        double B[4][16] = {};
        for (unsigned i = 0; i < p; ++i) {
            B[vKappa][i] = q.P[i];
            B[vTheta][i] = q.PS[i];
        }
        B[vTheta][iT1] = 1.0;
        B[vRx][iRx] = 1.0;
        B[vRz][iRz] = 1.0;
        for (int a = 0; a < 4; ++a)
            for (int k = 0; k < n; ++k) {
                if (B[a][k] == 0.0) continue;
                double g = grad[a];
                if (a == vTheta) g -= m;
                // The length of the element is taken out of the stretch of its
                // axis, so that small strains do not vanish in the difference of
                // two lengths.
                if (a == vRx) g = -axialStretch(q);
                r[k] += w * B[a][k] * g;
                for (int b = 0; b < 4; ++b)
                    for (int l = 0; l < n; ++l)
                        if (B[b][l] != 0.0) J[k][l] += w * B[a][k] * hess[a][b] * B[b][l];
            }
        if (log) {
            *log << "\n\nInternal variables in the numerical integration [0..L]:"
                 << ", integration point: " << xs[j] << ", " << w << "\nx0L: " << xs[j]
                 << ", kappa: " << q.kappa << ", R1: " << q.Rx << ", R2: " << q.Rz << "\nP[1..p]: ";
            for (unsigned i = 0; i < p; ++i)
                *log << q.P[i] << " ";
            *log << "\nP*[1..p]: ";
            for (unsigned i = 0; i < p; ++i)
                *log << q.PS[i] << " ";
            *log << "\nFi: " << q.theta << ", sin(Fi): " << q.s << ", cos(Fi): " << q.c << "\nN: " << q.N
                 << ", Q: " << q.Q << "\ngamma: " << q.gamma << ", epsilon: " << q.eps << ", Mc: " << q.Mc
                 << ", GAs: " << m_GAs << "\nC11: " << m_C11 << ", C13: " << m_C13
                 << ", C33p: " << m_EI - m_C13 * m_C13 / m_C11;
        }
    }
    // Concentrated moments work on the rotation at their point.
    for (const PointLoad& l : m_pointLoads) {
        if (l.M == 0.0) continue;
        r[iT1] -= l.M;
        for (unsigned i = 0; i < p; ++i)
            r[i] -= l.M * f_PS(i, l.a);
    }
    double dML[16] = {};
    const double ML = f_M_ABCDp(m_L, &dML[iRx], &dML[iRz], &dML[iT1], dML);
    const double Rx0 = m_U[iRx];
    const double Rz0 = m_U[iRz];
    double RxL, RzL;
    f_R(m_L, RxL, RzL);
    // The work of the end forces on the end displacements.
    r[iRx] += m_Ue[3] - m_Ue[0];
    r[iRz] += m_Ue[4] - m_Ue[1];
    r[iE + 0] -= Rx0;
    r[iE + 1] -= Rz0;
    r[iE + 3] += RxL;
    r[iE + 4] += RzL;
    const struct {
        int i, j;
        double v;
    } couplings[4] = {{iRx, iE + 0, -1.0}, {iRx, iE + 3, 1.0}, {iRz, iE + 1, -1.0}, {iRz, iE + 4, 1.0}};
    for (const auto& c : couplings) {
        J[c.i][c.j] += c.v;
        J[c.j][c.i] += c.v;
    }
    // The rotation condition θ2 - θ1 = φ(L) with its multiplier M(L).
    r[iM] += m_Ue[5] - m_Ue[2];
    r[iE + 5] += ML;
    r[iT1] -= ML;
    J[iM][iE + 5] += 1.0;
    J[iE + 5][iM] += 1.0;
    J[iM][iT1] -= 1.0;
    J[iT1][iM] -= 1.0;
    for (unsigned i = 0; i < p; ++i) {
        const double PSL = f_PS(i, m_L);
        r[iM] -= m_U[i] * PSL;
        r[i] -= ML * PSL;
        J[iM][i] -= PSL;
        J[i][iM] -= PSL;
    }
    // From the multiplier M(L) to M0: every column but its own takes the
    // multiplier's column times the derivative of M(L).
    for (int l = 0; l < n; ++l) {
        if (l == iM || dML[l] == 0.0) continue;
        for (int k = 0; k < n; ++k)
            J[k][l] += J[k][iM] * dML[l];
    }

    omMatrix K11(ni, ni), K12(ni, 6), K21(6, ni), K22(6, 6);
    omVector S1(ni), S2(6);
    for (int i = 0; i < ni; ++i) {
        S1[i] = r[i];
        for (int j = 0; j < ni; ++j)
            K11[i][j] = J[i][j];
        for (int j = 0; j < 6; ++j)
            K12[i][j] = J[i][iE + j];
    }
    for (int i = 0; i < 6; ++i) {
        S2[i] = r[iE + i];
        for (int j = 0; j < ni; ++j)
            K21[i][j] = J[iE + i][j];
        for (int j = 0; j < 6; ++j)
            K22[i][j] = J[iE + i][iE + j];
    }
    if (log)
        *log << "\n\nFinal Stiffness matrices and right sides before the elimination"
             << "\nMatrices:"
             << "\nK11: " << K11 << "\nK12: " << K12 << "\nK21: " << K21 << "\nK22: " << K22
             << "\nRight sides:"
             << "\nS1: " << S1 << "\nS2: " << S2;

    if (!f_Condense(K11, K12, K21, K22, S1, S2)) return false;
    if (log)
        *log << "\n\nFinal Stiffness matrices and right sides after the elimination"
             << "\nK22: " << K22 << "\nRight sides:"
             << "\nS2: " << S2;

    omSymMatrix Ke(6);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j <= i; ++j)
            Ke.atC(i, j) = K22[i][j];
    transform(Ke, m_angle, false);
    transform(S2, m_angle, false);
    return addToGlobal(e, &Ke, K, &S2, S);
}

double omSolmarFE::solveInternalEquations(const omVector& dU) {
    if (m_Z1.size() != m_U.size()) return 0.0;
    omVector dU2(6);
    extractDisplacement(dU, dU2);
    double largest = 0.0;
    for (int i = 0; i < m_U.size(); ++i) {
        double d = -m_Z1[i];
        for (int j = 0; j < 6; ++j)
            d -= m_L12[i][j] * dU2[j];
        m_U[i] += d;
        largest = std::max(largest, std::fabs(d));
    }
    return largest;
}

omForceVector omSolmarFE::internalForceAt(double x, const omVector& U) {
    prepare(U);
    const double s = std::clamp(x, 0.0, 1.0) * m_L;
    const Section q = sectionAt(s);
    omForceVector F(frameLayout());
    F.getDof(Ux) = q.N;
    F.getDof(Uz) = q.Q;
    F.getDof(Ry) = f_M_ABCDp(s, nullptr, nullptr, nullptr, nullptr);
    return F;
}

omDisplacementVector omSolmarFE::displacementAt(double x, const omVector& U) {
    prepare(U);
    omDisplacementVector D(frameLayout());
    if (x == 0.0 || x == 1.0) {
        const int o = x == 0.0 ? 0 : 3;
        D.getDof(Ux) = m_Ue[o];
        D.getDof(Uz) = m_Ue[o + 1];
        D.getDof(Ry) = m_Ue[o + 2];
        return D;
    }
    const double s = x * m_L;
    std::vector<double> xs, ws;
    gaussPoints(s, xs, ws);
    double u = 0.0;
    double w = 0.0;
    for (size_t j = 0; j < xs.size(); ++j) {
        const Section q = sectionAt(xs[j]);
        u += axialStretch(q) * ws[j];
        w += (q.gamma * q.c - (1.0 + q.eps) * q.s) * ws[j];
    }
    D.getDof(Ux) = m_Ue[0] + u;
    D.getDof(Uz) = m_Ue[1] + w;
    D.getDof(Ry) = m_Ue[2] + f_Fi(s);
    return D;
}
