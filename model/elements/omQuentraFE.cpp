#include "model/elements/omQuentraFE.h"

#include "common/omMath.h"
#include "model/omCrossSection.h"
#include "model/omLoad.h"
#include "model/omLogFile.h"
#include "model/omMaterial.h"
#include "model/omNode.h"
#include "model/omStiffnessMatrix.h"
#include "rezavud/omCholesky.h"
#include "rezavud/omGaussianQuadratureWeights.h"
#include "rezavud/omPolynom.h"
#include "rezavud/omSymMatrix.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kGauss = 5;
constexpr int kPar = 9;
constexpr int kModes = 3;
// The parameters with a transverse shape function; 0 and 3 are the axial end
// displacements.
constexpr int kTransverse[7] = {1, 2, 4, 5, 6, 7, 8};

const omDofStructureType* frameLayout() {
    return omDofStrakonStructureType::instance();
}

// The shape functions of the nine parameters at ξ: the deflection, the rotation
// φ = -dw/dx and the curvature κ = dφ/dx (all 0 for the axial parameters).
// Which of the deflection (derivative 0), rotation (1) and curvature (2) a caller reads.
constexpr unsigned kW = 1, kPhi = 2, kKappa = 4, kAll = kW | kPhi | kKappa;

// The polynomials of the nine parameters and their first two derivatives at
// ξ: P[i][d] (0 for the axial parameters and for the derivatives not asked for).
struct Polynomials {
    explicit Polynomials(double xi, unsigned asked = kAll) {
        for (int i = 0; i < kPar; ++i)
            P[i][0] = P[i][1] = P[i][2] = 0.0;
        for (int i : kTransverse) {
            const omQuentraPolynom p(unsigned(i + 1));
            for (unsigned d = 0; d < 3; ++d)
                if (asked & (1u << d)) P[i][d] = p.at(xi, d);
        }
    }
    double P[kPar][3];
};

// The polynomials at the points of the element's Gauss rule, where every
// assembly reads them.
const Polynomials& atGaussPoint(int k) {
    static const std::vector<Polynomials> table = [] {
        std::vector<Polynomials> points;
        const double* gx = omGaussianQuadratureWeights::getX(unsigned(kGauss));
        for (int g = 0; g < kGauss; ++g)
            points.emplace_back(gx[g]);
        return points;
    }();
    return table[k];
}

struct Shapes {
    Shapes(double xi, double L, unsigned asked = kAll) : Shapes(Polynomials(xi, asked), L) {}
    Shapes(const Polynomials& p, double L) {
        for (int i = 0; i < kPar; ++i)
            w[i] = phi[i] = kappa[i] = 0.0;
        for (int i : kTransverse) {
            const double s = i == 2 || i >= 5 ? L : 1.0;
            w[i] = s * p.P[i][0];
            phi[i] = -2.0 / L * s * p.P[i][1];
            kappa[i] = -4.0 / (L * L) * s * p.P[i][2];
        }
    }
    double w[kPar];
    double phi[kPar];
    double kappa[kPar];
};

double dot(const double* a, const omVector& U) {
    double sum = 0.0;
    for (int i : kTransverse)
        sum += a[i] * U[i];
    return sum;
}

void writeGaussVector(omLogFile& log, const char* label, const double* v, int n) {
    log << label << "{ " << n << ": ";
    for (int k = 0; k < n; ++k)
        log << (k ? ", " : "") << v[k];
    log << " }";
}

} // namespace

omQuentraFE::omQuentraFE()
    : m_nGauss(kGauss), m_nPar(kPar), m_U(kPar), m_r(kModes), m_A(4, 6), m_b(kPar), m_S(6) {}

omQuentraFE::omQuentraFE(const omQuentraFE& other)
    : omLineFE(other), omLinearLineFE2D(other), m_nGauss(other.m_nGauss), m_nPar(other.m_nPar),
      m_U(other.m_U), m_Nd(other.m_Nd), m_r(other.m_r), m_c(other.m_c), m_A(other.m_A), m_b(other.m_b),
      m_S(other.m_S) {}

omQuentraFE& omQuentraFE::operator=(const omQuentraFE& other) {
    if (this == &other) return *this;
    omLinearLineFE2D::operator=(other);
    m_nGauss = other.m_nGauss;
    m_nPar = other.m_nPar;
    m_U = other.m_U;
    m_Nd = other.m_Nd;
    m_r = other.m_r;
    m_c = other.m_c;
    m_A = other.m_A;
    m_b = other.m_b;
    m_S = other.m_S;
    return *this;
}

omQuentraFE::~omQuentraFE() = default;

void omQuentraFE::beginResults(const omVector& U) {
    omLinearLineFE2D::beginResults(U);
    axialLoads(m_axialLoads);
    m_resultsP = currentParameters(U);
    m_resultsL = length();
    m_resultsU = &U;
    m_axialLoadsKept = true;
}

void omQuentraFE::endResults() {
    omLinearLineFE2D::endResults();
    m_axialLoadsKept = false;
    m_resultsU = nullptr;
}

void omQuentraFE::clearLoad() {
    omLinearLineFE2D::clearLoad();
    m_U.setAllTo(0.0);
    m_Nd = 0.0;
}

std::vector<double> omQuentraFE::iterationState() const {
    std::vector<double> state = stateOf(m_U, 1);
    state.back() = m_Nd;
    return state;
}

void omQuentraFE::setIterationState(const std::vector<double>& state) {
    if (takeState(state, m_U, 1)) m_Nd = state.back();
}

double omQuentraFE::modulus() const {
    // Creep load cases read a reduced modulus here as in every other element.
    return m_material->E(m_creepFi).Get(omUK_kN_cm2);
}

void omQuentraFE::axialLoads(std::vector<AxialLoad>& loads) const {
    loads.clear();
    const double L = length();
    const double alpha = angle();
    omForceVector F1(frameLayout());
    omForceVector F2(frameLayout());
    for (const omLoad* load : m_loads) {
        const double f = loadFactor(load);
        const omLoad::Type type = load->getType();
        if (f == 0.0 || (type != omLoad::Concentrated && type != omLoad::Linear)) continue;
        AxialLoad l;
        l.concentrated = type == omLoad::Concentrated;
        l.f = f;
        parseLoad(load, L, alpha, l.a, l.b, F1, F2);
        l.na = F1.getDof(Ux);
        l.nb = F2.getDof(Ux);
        loads.push_back(l);
    }
}

double omQuentraFE::axialLoad(double x) const {
    if (m_axialLoadsKept) return axialLoad(x, m_axialLoads);
    std::vector<AxialLoad> loads;
    axialLoads(loads);
    return axialLoad(x, loads);
}

double omQuentraFE::axialLoad(double x, const std::vector<AxialLoad>& loads) {
    double sum = 0.0;
    for (const AxialLoad& load : loads) {
        const double f = load.f;
        const double a = load.a;
        const double b = load.b;
        if (a > x) continue;
        if (load.concentrated) {
            sum += f * load.na;
            continue;
        }
        // The intensity varies linearly, so the mean of the two ends of the
        // loaded stretch integrates it exactly.
        const double c = std::min(b, x);
        const double na = load.na;
        const double nc = interpolate(a, na, b, load.nb, c);
        sum += f * (c - a) * 0.5 * (na + nc);
    }
    return sum;
}

double omQuentraFE::axialLoadIntegral(double x) const {
    if (m_axialLoadsKept) return axialLoadIntegral(x, m_axialLoads);
    std::vector<AxialLoad> loads;
    axialLoads(loads);
    return axialLoadIntegral(x, loads);
}

double omQuentraFE::axialLoadIntegral(double x, const std::vector<AxialLoad>& loads) {
    double sum = 0.0;
    for (const AxialLoad& load : loads) {
        const double f = load.f;
        const double a = load.a;
        const double b = load.b;
        if (a >= x) continue;
        if (load.concentrated) {
            sum += f * load.na * (x - a);
            continue;
        }
        // Over the load the resultant grows as na·t + (nb - na)·t²/(2(b - a)),
        // t = s - a; beyond it it stays at the load's total.
        const double na = load.na;
        const double nb = load.nb;
        const double c = std::min(b, x);
        const double t = c - a;
        const double slope = b != a ? (nb - na) / (b - a) : 0.0;
        sum += f * (na * t * t / 2.0 + slope * t * t * t / 6.0);
        if (x > b) sum += f * 0.5 * (na + nb) * (b - a) * (x - b);
    }
    return sum;
}

bool omQuentraFE::DnMASI(double kappa, double N, double& Dn, double& M, double& EA, double& ES,
                         double& EI) const {
    const double E = modulus();
    EA = E * m_crossSection->A();
    ES = E * m_crossSection->Sy();
    EI = E * m_crossSection->Iy();
    Dn = (N - kappa * ES) / EA;
    M = Dn * ES + kappa * EI;
    return true;
}

bool omQuentraFE::lateralAndBendingLoad(double& S, int i, double L,
                                        const std::vector<PointLoad>& loads) const {
    const double s = i == 2 || i >= 5 ? L : 1.0;
    const omQuentraPolynom P(unsigned(i + 1));
    const double* gx = omGaussianQuadratureWeights::getX(unsigned(m_nGauss));
    const double* gw = omGaussianQuadratureWeights::getA(unsigned(m_nGauss));
    for (const PointLoad& load : loads) {
        const double a = load.a;
        const double b = load.b;
        const double p = load.p;
        const double m = load.m;
        if (load.concentrated) {
            if (p == 0.0 && m == 0.0) continue;
            const double xi = 2.0 * a / L - 1.0;
            S -= s * P.at(xi, 0) * p;
            S += s * (2.0 / L) * P.at(xi, 1) * m;
            continue;
        }
        const double pb = load.pb;
        const double mb = load.mb;
        if (p == 0.0 && pb == 0.0 && m == 0.0 && mb == 0.0) continue;
        // The intensities vary between start and end; the element's rule on
        // [a, b] integrates them with the shape functions exactly.
        for (int k = 0; k < m_nGauss; ++k) {
            const double x = 0.5 * ((b - a) * gx[k] + a + b);
            const double xi = 2.0 * x / L - 1.0;
            const double W = 0.5 * (b - a) * gw[k];
            S -= W * s * interpolate(a, p, b, pb, x) * P.at(xi, 0);
            S += W * (2.0 / L) * s * interpolate(a, m, b, mb, x) * P.at(xi, 1);
        }
    }
    return true;
}

double omQuentraFE::temperatureLoad_S(const double* kappaI) const {
    // The axial force is an unknown of its own, found from the compatibility
    // that holds the thermal elongation; only the thermal curvature acts on the
    // bending here. Adding the thermal axial force to the second-order term as
    // well would count it twice.
    const Thermal t = thermal();
    if (t.kappa == 0.0) return 0.0;
    const double E = modulus();
    const double EA = E * m_crossSection->A();
    const double ES = E * m_crossSection->Sy();
    const double C33p = E * m_crossSection->Iy() - ES * ES / EA;
    const double* gw = omGaussianQuadratureWeights::getA(unsigned(m_nGauss));
    double sum = 0.0;
    for (int k = 0; k < m_nGauss; ++k)
        sum += C33p * t.kappa * kappaI[k] * gw[k];
    return -0.5 * length() * sum;
}

double omQuentraFE::temperatureLoad_Rd() const {
    const Thermal t = thermal();
    if (t.eps == 0.0 && t.kappa == 0.0) return 0.0;
    const double E = modulus();
    const double ES = E * m_crossSection->Sy();
    const double EA = E * m_crossSection->A();
    return (t.eps + ES / EA * t.kappa) * length();
}

void omQuentraFE::int_Xq_Fi(double a, double b, const omVector& U, unsigned n, omVector& x,
                            omVector& fi) const {
    phiAtGaussPoints(a, b, U, n, length(), x, fi);
}

void omQuentraFE::phiAtGaussPoints(double a, double b, const omVector& U, unsigned n, double L, omVector& x,
                                   omVector& fi) const {
    const double* gx = omGaussianQuadratureWeights::getX(n);
    x.resize(int(n));
    fi.resize(int(n));
    for (unsigned k = 0; k < n; ++k) {
        x[k] = 0.5 * ((b - a) * gx[k] + a + b);
        const Shapes sh(2.0 * x[k] / L - 1.0, L, kPhi);
        fi[k] = dot(sh.phi, U);
    }
}

omVector omQuentraFE::currentParameters(const omVector& U) const {
    omVector P(m_U);
    omVector Ue(6);
    extractDisplacement(U, Ue);
    for (int i = 0; i < 6; ++i)
        P[i] = Ue[i];
    return P;
}

bool omQuentraFE::condensation(omMatrix& K, omVector& S, double Rd, const omVector& g, double f) {
    // The axial force first: its row is g·dU + f·dN = -Rd.
    m_b = g;
    m_b.divideBy(f);
    m_c = Rd / f;
    for (int i = 0; i < kPar; ++i) {
        for (int j = 0; j < kPar; ++j)
            K[i][j] -= g[i] * g[j] / f;
        S[i] -= m_b[i] * Rd;
    }
    // Then the internal modes.
    omSymMatrix K22(kModes);
    for (int i = 0; i < kModes; ++i)
        for (int j = 0; j <= i; ++j)
            K22.atC(i, j) = K[6 + i][6 + j];
    omCholesky cholesky(K22);
    if (cholesky.makeTransformation() != 0) return false;
    omMatrix iK22(kModes, kModes);
    for (int i = 0; i < kModes; ++i)
        iK22[i][i] = 1.0;
    cholesky.solve(iK22);

    double Sint[kModes];
    for (int k = 0; k < kModes; ++k)
        Sint[k] = S[6 + k];
    // T = K12·K22⁻¹ with K12 the end rows of the mode columns.
    double T[6][kModes];
    for (int i = 0; i < 6; ++i)
        for (int k = 0; k < kModes; ++k) {
            T[i][k] = 0.0;
            for (int l = 0; l < kModes; ++l)
                T[i][k] += K[i][6 + l] * iK22[l][k];
        }
    for (int k = 0; k < kModes; ++k) {
        m_r[k] = 0.0;
        for (int l = 0; l < kModes; ++l)
            m_r[k] += iK22[k][l] * Sint[l];
        for (int j = 0; j < 6; ++j) {
            double a = 0.0;
            for (int l = 0; l < kModes; ++l)
                a += iK22[k][l] * K[j][6 + l];
            m_A[k][j] = a;
        }
    }
    for (int i = 0; i < 6; ++i) {
        for (int k = 0; k < kModes; ++k)
            S[i] -= T[i][k] * Sint[k];
        for (int j = 0; j < 6; ++j)
            for (int k = 0; k < kModes; ++k)
                K[i][j] -= T[i][k] * K[j][6 + k];
    }
    if (omLogFile* log = omLogFile::enabledFor(lfCondensation)) {
        *log << "\n\nElimination of S7,S8,S9 and Rd";
        omMatrix K11(6, 6);
        omVector S1(6);
        for (int i = 0; i < 6; ++i) {
            S1[i] = S[i];
            for (int j = 0; j < 6; ++j)
                K11[i][j] = K[i][j];
        }
        *log << "\nK11=" << K11 << "\nS1=" << S1;
    }
    return true;
}

bool omQuentraFE::setupGlobalKAndF(const omVector* U, omStiffnessMatrix* K, omVector* S, unsigned n) {
    if (!U || !K || !S) return false;
    int* index = nullptr;
    if (!setupIndex(index)) return false;
    int e[6];
    std::copy(index, index + 6, e);

    double L = 0.0, alpha = 0.0;
    chord(L, alpha);
    if (n == 1) {
        m_U.setAllTo(0.0);
        m_Nd = 0.0;
    }
    {
        omVector Ue(6);
        extractDisplacement(*U, Ue, alpha);
        for (int i = 0; i < 6; ++i)
            m_U[i] = Ue[i];
    }

    const double* gx = omGaussianQuadratureWeights::getX(unsigned(m_nGauss));
    const double* gw = omGaussianQuadratureWeights::getA(unsigned(m_nGauss));
    const double h = 0.5 * L;
    std::vector<AxialLoad> loads;
    axialLoads(loads);
    const double AL = axialLoad(L, loads);
    std::vector<PointLoad> transverse;
    readLoads(L, alpha, transverse);

    omMatrix Kfull(kPar, kPar);
    omVector Sfull(kPar);
    omVector g(kPar);
    double f = 0.0;
    double Rd = 0.0;
    double kappaOf[kPar][kGauss] = {};
    double xs[kGauss], fis[kGauss], kas[kGauss], Ns[kGauss], Ms[kGauss], Dns[kGauss], EAs[kGauss],
        ESs[kGauss], EIs[kGauss];
    for (int k = 0; k < m_nGauss; ++k) {
        const Shapes sh = m_nGauss == kGauss ? Shapes(atGaussPoint(k), L) : Shapes(gx[k], L);
        const double x = (gx[k] + 1.0) * h;
        const double fi = dot(sh.phi, m_U);
        const double kappa = dot(sh.kappa, m_U);
        const double N = 0.5 * AL + m_Nd - axialLoad(x, loads);
        double Dn, M, EA, ES, EI;
        DnMASI(kappa, N, Dn, M, EA, ES, EI);
        // The exact derivative of M by κ: with N held, E·S turns part of the
        // bending into axial strain.
        const double C33p = EI - ES * ES / EA;
        const double w = gw[k] * h;
        for (int i : kTransverse) {
            kappaOf[i][k] = sh.kappa[i];
            Sfull[i] += (N * fi * sh.phi[i] + M * sh.kappa[i]) * w;
            g[i] += (ES / EA * sh.kappa[i] + fi * sh.phi[i]) * w;
            for (int j : kTransverse)
                Kfull[i][j] += (N * sh.phi[i] * sh.phi[j] + C33p * sh.kappa[i] * sh.kappa[j]) * w;
        }
        f -= w / EA;
        // The axial force's own part of Dn is integrated exactly below.
        Rd += (0.5 * fi * fi - Dn + N / EA) * w;
        xs[k] = x;
        fis[k] = fi;
        kas[k] = kappa;
        Ns[k] = N;
        Ms[k] = M;
        Dns[k] = Dn;
        EAs[k] = EA;
        ESs[k] = ES;
        EIs[k] = EI;
    }
    for (int i : kTransverse) {
        lateralAndBendingLoad(Sfull[i], i, L, transverse);
        Sfull[i] += temperatureLoad_S(kappaOf[i]);
    }
    Sfull[0] = -m_Nd - 0.5 * AL;
    Sfull[3] = m_Nd - 0.5 * AL;
    g[0] = -1.0;
    g[3] = 1.0;
    Rd += m_U[3] - m_U[0] - temperatureLoad_Rd() -
          (L * (0.5 * AL + m_Nd) - axialLoadIntegral(L, loads)) / (modulus() * m_crossSection->A());
    for (int i = 0; i < 6; ++i)
        m_S[i] = Sfull[i];

    if (omLogFile* log = omLogFile::enabledFor(lfElementDetails)) {
        *log << "\n\nQuentraFE stiffness matrix calculation details:"
             << "\nNode1: " << (m_node1 ? m_node1->getIndex() : 0u)
             << ", Node2: " << (m_node2 ? m_node2->getIndex() : 0u) << ", Length: " << L
             << ", Angle: " << deg(alpha) << "\nU=" << m_U;
        writeGaussVector(*log, "\nxi=", xs, m_nGauss);
        writeGaussVector(*log, "\nFi=", fis, m_nGauss);
        writeGaussVector(*log, "\nDm=", kas, m_nGauss);
        writeGaussVector(*log, "\nN=", Ns, m_nGauss);
        writeGaussVector(*log, "\nM=", Ms, m_nGauss);
        writeGaussVector(*log, "\nDn=", Dns, m_nGauss);
        writeGaussVector(*log, "\nAt=", EAs, m_nGauss);
        writeGaussVector(*log, "\nSt=", ESs, m_nGauss);
        writeGaussVector(*log, "\nIt=", EIs, m_nGauss);
    }
    if (omLogFile* log = omLogFile::enabledFor(lfElementForces)) {
        omVector internal(kModes);
        for (int k = 0; k < kModes; ++k)
            internal[k] = Sfull[6 + k];
        *log << "\n\nElement Forces:"
             << "\nNodal S(1..6)=" << m_S << "\nInternal S(7..9)=" << internal
             << "\nInternal deformation Rd=" << Rd;
    }
    if (omLogFile* log = omLogFile::enabledFor(lfElementMatrices)) {
        omMatrix K11(6, 6), K12(6, kModes), K22(kModes, kModes);
        for (int i = 0; i < 6; ++i) {
            for (int j = 0; j < 6; ++j)
                K11[i][j] = Kfull[i][j];
            for (int k = 0; k < kModes; ++k)
                K12[i][k] = Kfull[i][6 + k];
        }
        for (int k = 0; k < kModes; ++k)
            for (int l = 0; l < kModes; ++l)
                K22[k][l] = Kfull[6 + k][6 + l];
        *log << "\n\nElement Matrices K11, K12, K22 ..."
             << "\nK11=" << K11 << "\nK12=" << K12 << "\nK22=" << K22 << "\nK13=" << g << "\nK33=" << f;
    }

    if (!condensation(Kfull, Sfull, Rd, g, f)) return false;

    omSymMatrix Ke(6);
    omVector Se(6);
    for (int i = 0; i < 6; ++i) {
        Se[i] = Sfull[i];
        for (int j = 0; j <= i; ++j)
            Ke.atC(i, j) = Kfull[i][j];
    }
    transform(Ke, alpha, false);
    transform(Se, alpha, false);
    return addToGlobal(e, &Ke, K, &Se, S);
}

double omQuentraFE::solveInternalEquations(const omVector& dU) {
    omVector dUe(kPar);
    {
        omVector d(6);
        extractDisplacement(dU, d);
        for (int i = 0; i < 6; ++i)
            dUe[i] = d[i];
    }
    double e1 = 0.0;
    for (int k = 0; k < kModes; ++k) {
        double dq = -m_r[k];
        for (int j = 0; j < 6; ++j)
            dq -= m_A[k][j] * dUe[j];
        dUe[6 + k] = dq;
        m_U[6 + k] += dq;
        e1 += dq * dq;
    }
    e1 = std::sqrt(e1);
    const double dN = m_b.scalarProduct(dUe) + m_c;
    m_Nd -= dN;
    if (omLogFile* log = omLogFile::enabledFor(lfElementDetails))
        *log << "\n\nSolution of internal equations:"
             << "\ndU=" << dUe << "\nNd=" << m_Nd;
    return std::max(e1, std::fabs(dN));
}

omForceVector omQuentraFE::internalForceAt(double x, const omVector& U) {
    omForceVector D(internalAt(m_S, x, U, false));
    if (x == 0.0) return D;
    const bool kept = m_axialLoadsKept && m_resultsU == &U;
    const double L = kept ? m_resultsL : length();
    const double xa = L * x;
    omVector own;
    if (!kept) own = currentParameters(U);
    const omVector& P = kept ? m_resultsP : own;
    omVector xs, fis;
    phiAtGaussPoints(0.0, xa, P, unsigned(m_nGauss), L, xs, fis);
    const double* gw = omGaussianQuadratureWeights::getA(unsigned(m_nGauss));
    const double N0 = 0.5 * axialLoad(L) + m_Nd;
    double sum = 0.0;
    for (int k = 0; k < m_nGauss; ++k)
        sum += (N0 - axialLoad(xs[k])) * fis[k] * gw[k];
    D.getDof(Ry) += 0.5 * xa * sum;
    return D;
}

omDisplacementVector omQuentraFE::displacementAt(double x, const omVector& U) {
    omDisplacementVector D(frameLayout());
    const bool kept = m_axialLoadsKept && m_resultsU == &U;
    omVector own;
    if (!kept) own = currentParameters(U);
    const omVector& P = kept ? m_resultsP : own;
    const double L = kept ? m_resultsL : length();
    const double xa = L * x;
    if (xa == 0.0 || xa == L) {
        const int o = xa == 0.0 ? 0 : 3;
        D.getDof(Ux) = P[o];
        D.getDof(Uz) = P[o + 1];
        D.getDof(Ry) = P[o + 2];
        return D;
    }
    const Shapes sh(2.0 * xa / L - 1.0, L, kW | kPhi);
    const double* gx = omGaussianQuadratureWeights::getX(unsigned(m_nGauss));
    const double* gw = omGaussianQuadratureWeights::getA(unsigned(m_nGauss));
    const double N0 = 0.5 * axialLoad(L) + m_Nd;
    double sum = 0.0;
    for (int k = 0; k < m_nGauss; ++k) {
        const double xk = 0.5 * (gx[k] + 1.0) * xa;
        const Shapes sk(2.0 * xk / L - 1.0, L, kPhi | kKappa);
        const double fi = dot(sk.phi, P);
        double Dn, M, EA, ES, EI;
        const double N = N0 - axialLoad(xk);
        DnMASI(dot(sk.kappa, P), N, Dn, M, EA, ES, EI);
        sum += (Dn - N / EA - 0.5 * fi * fi) * gw[k];
    }
    const double EA = modulus() * m_crossSection->A();
    D.getDof(Ux) =
        P[0] + 0.5 * xa * sum + (xa * N0 - axialLoadIntegral(xa)) / EA + temperatureLoad_Rd() * xa / L;
    D.getDof(Uz) = dot(sh.w, P);
    D.getDof(Ry) = dot(sh.phi, P);
    return D;
}
