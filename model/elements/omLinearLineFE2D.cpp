#include "model/elements/omLinearLineFE2D.h"

#include "common/omMath.h"
#include "model/elements/ACubicFunction.h"
#include "model/omCrossSection.h"
#include "model/omLoad.h"
#include "model/omLogFile.h"
#include "model/omMaterial.h"
#include "model/omNode.h"
#include "model/omStiffnessMatrix.h"
#include "rezavud/omGaussianQuadratureWeights.h"
#include "rezavud/omPolynom.h"
#include "rezavud/omSymMatrix.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <typeinfo>

namespace {

// The equation numbers of the element being assembled; see setupIndex.
int s_index[6];

const omDofType kDofTypes[3] = {Ux, Uz, Ry};
// The transverse DOFs of a 6-vector and the shape polynomials that belong to them.
const int kTransverse[4] = {1, 2, 4, 5};

const omDofStructureType* frameLayout() {
    return omDofStrakonStructureType::instance();
}

// The transverse shape functions: N_i = s_i·P_(i+1)(ξ) with s_i = L for the
// rotations (i = 2, 5), and their x-derivatives (d/dx = 2/L·d/dξ).
struct ShapeFunctions {
    explicit ShapeFunctions(double L)
        : L(L), P{omQuentraPolynom(2), omQuentraPolynom(3), omQuentraPolynom(5), omQuentraPolynom(6)} {}

    double scale(int k) const { return k == 1 || k == 3 ? L : 1.0; }
    // Index k (0..3) of kTransverse at the position x along the element.
    double N(int k, double x) const { return scale(k) * P[k].at(2.0 * x / L - 1.0, 0); }
    double dN(int k, double x) const { return scale(k) * 2.0 / L * P[k].at(2.0 * x / L - 1.0, 1); }

    double L;
    omQuentraPolynom P[4];
};

// ∫ from a to c of q(ξ)·(x - ξ)^n / n! dξ, q linear with the value qa at a and
// the slope k. With s = x - ξ the integrand is (qa + k·(x - a) - k·s)·s^n / n!.
double kernelIntegral(double qa, double k, double a, double c, double x, int n) {
    const double sa = x - a;
    const double sc = x - c;
    const double b0 = qa + k * sa;
    double nFact = 1.0;
    for (int i = 2; i <= n; ++i)
        nFact *= i;
    const double i1 = (std::pow(sa, n + 1) - std::pow(sc, n + 1)) / (n + 1);
    const double i2 = (std::pow(sa, n + 2) - std::pow(sc, n + 2)) / (n + 2);
    return (b0 * i1 - k * i2) / nFact;
}

} // namespace

omLinearLineFE2D::omLinearLineFE2D() = default;

omLinearLineFE2D::omLinearLineFE2D(const omLinearLineFE2D& other)
    : omLineFE(other), m_F(other.m_F), m_elGroundCoef(other.m_elGroundCoef),
      m_elGroundType(other.m_elGroundType) {}

omLinearLineFE2D& omLinearLineFE2D::operator=(const omLinearLineFE2D& other) {
    if (this == &other) return *this;
    omLineFE::operator=(other);
    m_F = other.m_F;
    m_elGroundCoef = other.m_elGroundCoef;
    m_elGroundType = other.m_elGroundType;
    return *this;
}

omLinearLineFE2D::~omLinearLineFE2D() = default;

bool omLinearLineFE2D::markUsedDofInNodes() {
    if (!m_node1 || !m_node2) return false;
    // The element does not own its nodes, but marking their DOFs is the one
    // change it makes to them, before the node map numbers the equations.
    auto* n1 = const_cast<omNode*>(m_node1);
    auto* n2 = const_cast<omNode*>(m_node2);
    bool ok = true;
    for (omNode* node : {n1, n2})
        for (omDofType t : kDofTypes)
            ok = node->useDof(t, true) && ok;
    return ok;
}

omNode* omLinearLineFE2D::createInternalNode() {
    return nullptr;
}

const omNode* omLinearLineFE2D::getInternalNode() const {
    return nullptr;
}

void omLinearLineFE2D::setInternalNode() {}

int omLinearLineFE2D::internalDOF() const {
    return 0;
}

void omLinearLineFE2D::setElasticGround(double k, ElGroundType type) {
    m_elGroundCoef = k;
    m_elGroundType = type;
}

double omLinearLineFE2D::angle() const {
    double L = 0.0, alpha = 0.0;
    chord(L, alpha);
    return alpha;
}

void omLinearLineFE2D::chord(double& L, double& alpha) const {
    L = alpha = 0.0;
    if (!m_node1 || !m_node2) return;
    double x1 = 0.0, z1 = 0.0, x2 = 0.0, z2 = 0.0;
    m_node1->getPlanePoint(omNode::coorSkewCreep, x1, z1);
    m_node2->getPlanePoint(omNode::coorSkewCreep, x2, z2);
    const double dx = x2 - x1;
    const double dz = z2 - z1;
    L = std::sqrt(dx * dx + dz * dz);
    alpha = std::atan2(dz, dx);
}

bool omLinearLineFE2D::setupIndex(int*& e) const {
    e = s_index;
    bool ok = true;
    int i = 0;
    for (const omNode* node : {m_node1, m_node2})
        for (omDofType t : kDofTypes) {
            e[i] = node ? static_cast<int>(node->equation(t)) : 0;
            ok = ok && e[i] != 0;
            ++i;
        }
    return ok;
}

bool omLinearLineFE2D::extractDisplacement(const omVector& U, omVector& Ue) const {
    return extractDisplacement(U, Ue, angle());
}

bool omLinearLineFE2D::extractDisplacement(const omVector& U, omVector& Ue, double alpha) const {
    int* e = nullptr;
    if (!setupIndex(e)) return false;
    // Equation numbers beyond the vector would read foreign memory.
    for (int i = 0; i < 6; ++i)
        if (e[i] > U.size()) return false;
    if (Ue.size() != 6) Ue.resize(6);
    for (int i = 0; i < 6; ++i)
        Ue[i] = U(e[i]);
    transform(Ue, alpha, true);
    return false;
}

bool omLinearLineFE2D::transform(omVector& v, double alpha, bool toLocal) const {
    if (alpha == 0.0) return true;
    const double c = std::cos(alpha);
    const double s = toLocal ? -std::sin(alpha) : std::sin(alpha);
    for (int i : {0, 3}) {
        const double v0 = v[i];
        const double v1 = v[i + 1];
        v[i] = c * v0 - s * v1;
        v[i + 1] = c * v1 + s * v0;
    }
    return true;
}

bool omLinearLineFE2D::transform(omSymMatrix& K, double alpha, bool toLocal) const {
    if (alpha == 0.0) return true;
    const double c = std::cos(alpha);
    const double s = toLocal ? -std::sin(alpha) : std::sin(alpha);
    double R[6][6] = {};
    for (int i : {0, 3}) {
        R[i][i] = c;
        R[i][i + 1] = -s;
        R[i + 1][i] = s;
        R[i + 1][i + 1] = c;
        R[i + 2][i + 2] = 1.0;
    }
    double KRt[6][6];
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) {
            double sum = 0.0;
            for (int k = 0; k < 6; ++k)
                sum += K.atC(i, k) * R[j][k];
            KRt[i][j] = sum;
        }
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j <= i; ++j) {
            double sum = 0.0;
            for (int k = 0; k < 6; ++k)
                sum += R[i][k] * KRt[k][j];
            K.atC(i, j) = sum;
        }
    return true;
}

bool omLinearLineFE2D::constructK(omSymMatrix& K, const omVector& Ue, double alpha) {
    K.resize(6);
    K.setAllTo(0.0);
    // An element whose material or section was not found cannot be assembled.
    if (!m_material || !m_crossSection) return false;
    const double L = length();
    const double E = m_material->E(m_creepFi).Get(omUK_kN_cm2);
    const double A = m_crossSection->A();
    const double I = m_crossSection->Iy();
    // The terms E·I/L³ times A·L²/I, 12, 6L, 4L² and 2L², each formed directly so
    // that a section without bending stiffness still gives its axial terms.
    const double kA = E * A / L;
    const double k12 = 12.0 * E * I / (L * L * L);
    const double k6 = 6.0 * E * I / (L * L);
    const double k4 = 4.0 * E * I / L;
    const double k2 = 2.0 * E * I / L;
    if (alpha == 0.0) {
        K.atC(0, 0) = kA;
        K.atC(3, 0) = -kA;
        K.atC(3, 3) = kA;
        K.atC(1, 1) = k12;
        K.atC(2, 1) = -k6;
        K.atC(2, 2) = k4;
        K.atC(4, 1) = -k12;
        K.atC(4, 2) = k6;
        K.atC(4, 4) = k12;
        K.atC(5, 1) = -k6;
        K.atC(5, 2) = k2;
        K.atC(5, 4) = k6;
        K.atC(5, 5) = k4;
    } else {
        const double c = std::cos(alpha);
        const double s = std::sin(alpha);
        const double k00 = c * c * kA + s * s * k12;
        const double k10 = (kA - k12) * s * c;
        const double k11 = s * s * kA + c * c * k12;
        const double k20 = k6 * s;
        const double k21 = -k6 * c;
        K.atC(0, 0) = k00;
        K.atC(1, 0) = k10;
        K.atC(1, 1) = k11;
        K.atC(2, 0) = k20;
        K.atC(2, 1) = k21;
        K.atC(2, 2) = k4;
        K.atC(3, 0) = -k00;
        K.atC(3, 1) = -k10;
        K.atC(3, 2) = -k20;
        K.atC(3, 3) = k00;
        K.atC(4, 0) = -k10;
        K.atC(4, 1) = -k11;
        K.atC(4, 2) = k6 * c;
        K.atC(4, 3) = k10;
        K.atC(4, 4) = k11;
        K.atC(5, 0) = k6 * s;
        K.atC(5, 1) = -k6 * c;
        K.atC(5, 2) = k2;
        K.atC(5, 3) = -k6 * s;
        K.atC(5, 4) = k6 * c;
        K.atC(5, 5) = k4;
    }
    if (m_elGroundType != egNone && m_elGroundCoef != 0.0) {
        omSymMatrix Kg(6);
        constructGroundK(Kg, Ue, alpha);
        K.add(Kg);
    }
    if (omLogFile* log = omLogFile::enabledFor(lfElementDetails))
        *log << "\n\nStiffnes Matrix (Local CS)"
             << "\nE = " << E << ", I = " << I << ", A = " << A << ", L = " << L << "K = " << K;
    return true;
}

bool omLinearLineFE2D::constructF(const omVector& Ue, omVector& F, double alpha) {
    F.resize(6);
    F.setAllTo(0.0);
    if (!m_material || !m_crossSection) {
        m_F = F;
        return false;
    }
    if (!Ue.isNull()) {
        omSymMatrix K;
        constructK(K, Ue, 0.0);
        K.multiply(Ue, F);
    }
    if (!m_loads.empty()) {
        const double L = length();
        const double E = m_material->E(m_creepFi).Get(omUK_kN_cm2);
        const double A = m_crossSection->A();
        const double I = m_crossSection->Iy();
        const ShapeFunctions shape(L);
        const double* gx = omGaussianQuadratureWeights::getX(3);
        const double* gw = omGaussianQuadratureWeights::getA(3);
        const Thermal t = thermal();
        const double NT = t.eps * E * A;
        const double MT = t.kappa * E * I;
        F[0] += NT;
        F[3] -= NT;
        F[2] += MT;
        F[5] -= MT;
        std::vector<PointLoad> loads;
        readLoads(L, alpha, loads);
        for (const PointLoad& load : loads) {
            const double a = load.a;
            const double b = load.b;
            const double n = load.n;
            const double p = load.p;
            const double m = load.m;
            if (load.concentrated) {
                if (n != 0.0) {
                    F[0] -= (1.0 - a / L) * n;
                    F[3] -= (a / L) * n;
                }
                for (int k = 0; k < 4; ++k) {
                    const int i = kTransverse[k];
                    F[i] -= shape.N(k, a) * p;
                    F[i] += shape.dN(k, a) * m;
                }
                continue;
            }
            const omLinearLoadIntensity intensity(*static_cast<const omLoadLinear*>(load.load), alpha);
            const double J = (b - a) / 2.0;
            const bool axial = n != 0.0 || load.axialAtEnd;
            for (int g = 0; g < 3; ++g) {
                const double x = (a + b) / 2.0 + J * gx[g];
                const double W = J * gw[g] * load.f;
                if (axial) {
                    const double q = intensity.p(x / L, Ux);
                    F[0] -= (1.0 - x / L) * q * W;
                    F[3] -= (x / L) * q * W;
                }
                const double pk = intensity.p(x / L, Uz);
                const double mk = intensity.p(x / L, Ry);
                for (int k = 0; k < 4; ++k) {
                    const int i = kTransverse[k];
                    F[i] -= pk * shape.N(k, x) * W;
                    F[i] += mk * shape.dN(k, x) * W;
                }
            }
        }
    }
    m_F = F;
    if (alpha != 0.0) transform(F, alpha, false);
    return true;
}

namespace {

void logElementLine(omLogFile& log, const omNode* n1, const omNode* n2, double L, double alpha) {
    log << "\nomLinearLineFE2D -> "
        << "Node1: " << (n1 ? n1->getIndex() : 0u) << ", Node2: " << (n2 ? n2->getIndex() : 0u)
        << ", Length: " << L << ", Angle: " << deg(alpha);
}

} // namespace

bool omLinearLineFE2D::addToGlobal(const int* e, const omSymMatrix* Ke, omSymMatrix* K, const omVector* Se,
                                   omVector* S) {
    const bool matrix = Ke && K;
    const bool forces = Se && S;
    // An equation beyond the global matrix or vector would be written into foreign memory.
    for (int i = 0; i < 6; ++i)
        if (e[i] < 1 || (matrix && e[i] > K->size()) || (forces && e[i] > S->size())) return false;
    if (matrix)
        for (int i = 0; i < 6; ++i)
            for (int j = i; j < 6; ++j)
                K->atC(std::max(e[i], e[j]) - 1, std::min(e[i], e[j]) - 1) += Ke->atC(j, i);
    if (forces)
        for (int i = 0; i < 6; ++i)
            (*S)[e[i] - 1] += (*Se)[i];
    return true;
}

bool omLinearLineFE2D::setupStiffnessMatrix(const omVector& Ue, omStiffnessMatrix& K) {
    const double alpha = angle();
    omSymMatrix Ke(6);
    if (!constructK(Ke, Ue, alpha)) return false;
    if (omLogFile* log = omLogFile::enabledFor(lfElementMatrices)) {
        logElementLine(*log, m_node1, m_node2, length(), alpha);
        *log << "\nStiffnessMatrix:\n" << Ke;
    }
    int* e = nullptr;
    if (!setupIndex(e)) return false;
    return addToGlobal(e, &Ke, &K, nullptr, nullptr);
}

bool omLinearLineFE2D::setupElementForces(const omVector& Ue, omVector& S) {
    const double alpha = angle();
    omVector Fe(6);
    if (!constructF(Ue, Fe, alpha)) return false;
    if (omLogFile* log = omLogFile::enabledFor(lfElementForces)) {
        logElementLine(*log, m_node1, m_node2, length(), alpha);
        *log << "\nEquivalent Forces:\n" << Fe;
    }
    int* e = nullptr;
    setupIndex(e);
    for (int i = 0; i < 6; ++i) {
        if (e[i] == 0 || e[i] > S.size()) return false;
        S[e[i] - 1] += Fe[i];
    }
    return true;
}

bool omLinearLineFE2D::setupGlobalKAndF(const omVector* U, omStiffnessMatrix* K, omVector* S, unsigned) {
    omVector Ue(6);
    if (U) extractDisplacement(*U, Ue);
    bool ok = true;
    if (K) {
        ok = setupStiffnessMatrix(Ue, *K);
        if (!ok) return false;
    }
    if (S) ok = setupElementForces(Ue, *S);
    return ok;
}

double omLinearLineFE2D::solveInternalEquations(const omVector&) {
    return 0.0;
}

omForceVector omLinearLineFE2D::internalForceAt(double x, const omVector& U) {
    return omForceVector(internalAt(m_F, x, U, false));
}

omDisplacementVector omLinearLineFE2D::displacementAt(double x, const omVector& U) {
    return omDisplacementVector(internalAt(m_F, x, U, true));
}

void omLinearLineFE2D::beginResults(const omVector& U) {
    prepareResults(U, m_results);
    m_resultsKept = true;
}

void omLinearLineFE2D::endResults() {
    m_resultsKept = false;
    m_results.U = nullptr;
}

void omLinearLineFE2D::resultsAt(double x, const omVector& U, omForceVector& F, omDisplacementVector& D) {
    // The elements derived from this one recover their results in their own
    // way: they take the general road.
    const bool own = typeid(*this) == typeid(omLinearLineFE2D);
    if (!own || !m_resultsKept || m_results.U != &U || F.type() != frameLayout() || F.size() != 3 ||
        D.type() != frameLayout() || D.size() != 3) {
        omLineFE::resultsAt(x, U, F, D);
        return;
    }
    double f[3], d[3];
    evaluateAt(m_results, m_F, x, false, f);
    evaluateAt(m_results, m_F, x, true, d);
    for (int i = 0; i < 3; ++i) {
        F[i] = f[i];
        D[i] = d[i];
    }
}

void omLinearLineFE2D::prepareResults(const omVector& U, ResultState& state) const {
    state.U = &U;
    chord(state.L, state.alpha);
    // A DOF without an equation leaves its displacement at 0.
    state.Ue.setAllTo(0.0);
    extractDisplacement(U, state.Ue, state.alpha);
    state.loads.clear();
    state.complete = m_material && m_crossSection;
    if (!state.complete) return;
    state.ground = m_elGroundType != egNone && m_elGroundCoef != 0.0;
    state.E = m_material->E(m_creepFi).Get(omUK_kN_cm2);
    state.A = m_crossSection->A();
    state.I = m_crossSection->Iy();
    const Thermal t = thermal();
    state.NT = t.eps * state.E * state.A;
    state.MT = t.kappa * state.E * state.I;
    readLoads(state.L, state.alpha, state.loads);
}

void omLinearLineFE2D::readLoads(double L, double alpha, std::vector<PointLoad>& loads) const {
    loads.clear();
    omForceVector F1(frameLayout());
    omForceVector F2(frameLayout());
    for (const omLoad* load : m_loads) {
        const double f = loadFactor(load);
        if (f == 0.0) continue;
        const omLoad::Type type = load->getType();
        if (type != omLoad::Concentrated && type != omLoad::Linear) continue;
        PointLoad l;
        F2.setAllTo(0.0);
        parseLoad(load, L, alpha, l.a, l.b, F1, F2);
        l.load = load;
        l.f = f;
        l.axialAtEnd = F2.getDof(Ux) != 0.0;
        l.concentrated = type == omLoad::Concentrated;
        l.n = f * F1.getDof(Ux);
        l.p = f * F1.getDof(Uz);
        l.m = f * F1.getDof(Ry);
        if (!l.concentrated) {
            l.nb = f * F2.getDof(Ux);
            l.pb = f * F2.getDof(Uz);
            l.mb = f * F2.getDof(Ry);
        }
        loads.push_back(l);
    }
}

omDofVector omLinearLineFE2D::internalAt(const omVector& F, double xRel, const omVector& U,
                                         bool displacements) {
    double d[3];
    if (m_resultsKept && m_results.U == &U) {
        evaluateAt(m_results, F, xRel, displacements, d);
    } else {
        ResultState state;
        prepareResults(U, state);
        evaluateAt(state, F, xRel, displacements, d);
    }
    omDofVector D(frameLayout());
    D[0] = d[0];
    D[1] = d[1];
    D[2] = d[2];
    return D;
}

void omLinearLineFE2D::evaluateAt(const ResultState& state, const omVector& F, double xRel,
                                  bool displacements, double D[3]) const {
    const double L = state.L;
    const omVector& Ue = state.Ue;
    const double x = L * xRel;
    D[0] = D[1] = D[2] = 0.0;
    if (!state.complete) return;
    if (displacements && x == 0.0) {
        D[0] = Ue[0];
        D[1] = Ue[1];
        D[2] = Ue[2];
        return;
    }
    if (displacements && x == L) {
        D[0] = Ue[3];
        D[1] = Ue[4];
        D[2] = Ue[5];
        return;
    }
    const double E = state.E;
    const double A = state.A;
    const double I = state.I;
    double d0 = 0.0;
    double d1 = 0.0;
    double d2 = 0.0;
    if (displacements) {
        const double NT = state.NT;
        const double MT = state.MT;
        d0 += NT * x;
        d1 -= MT * x * x / 2.0;
        d2 += MT * x;
    }
    for (const PointLoad& load : state.loads) {
        const double a = load.a;
        const double b = load.b;
        if (a > x) continue;
        const double n = load.n;
        const double p = load.p;
        const double m = load.m;
        if (load.concentrated) {
            const double d = x - a;
            if (!displacements) {
                d0 -= n;
                d1 -= p;
                d2 -= d * p + m;
            } else {
                if (n != 0.0) d0 -= d * n;
                if (p != 0.0) {
                    d2 -= d * d * p / 2.0;
                    d1 += d * d * d * p / 6.0;
                }
                if (m != 0.0) {
                    d2 -= d * m;
                    d1 += d * d * m / 2.0;
                }
            }
            continue;
        }
        // A linear load over [a, b], integrated up to the section.
        const double c = std::min(x, b);
        if (c <= a) continue;
        const double nb = load.nb;
        const double pb = load.pb;
        const double mb = load.mb;
        auto integral = [&](double qa, double qb, int power) {
            return kernelIntegral(qa, (qb - qa) / (b - a), a, c, x, power);
        };
        const bool hasN = n != 0.0 || nb != 0.0;
        const bool hasP = p != 0.0 || pb != 0.0;
        const bool hasM = m != 0.0 || mb != 0.0;
        if (!displacements) {
            if (hasN) d0 -= integral(n, nb, 0);
            if (hasP) {
                d1 -= integral(p, pb, 0);
                d2 -= integral(p, pb, 1);
            }
            if (hasM) d2 -= integral(m, mb, 0);
        } else {
            if (hasN) d0 -= integral(n, nb, 1);
            if (hasP) {
                d2 -= integral(p, pb, 2);
                d1 += integral(p, pb, 3);
            }
            if (hasM) {
                d2 -= integral(m, mb, 1);
                d1 += integral(m, mb, 2);
            }
        }
    }
    double g1 = 0.0;
    double g2 = 0.0;
    if (state.ground) {
        const omDofVector G = internalAtGround(x, Ue, displacements);
        g1 = G[1];
        g2 = G[2];
    }
    d1 += g1;
    d2 += g2;
    // The first node's end forces; none before the first force assembly.
    const double F0 = F.size() >= 3 ? F[0] : 0.0;
    const double Fz = F.size() >= 3 ? F[1] : 0.0;
    const double Fm = F.size() >= 3 ? F[2] : 0.0;
    if (!displacements) {
        d0 -= F0;
        d1 -= Fz;
        d2 -= Fz * x + Fm;
    } else {
        d0 -= F0 * x;
        d2 -= (Fz * x / 2.0 + Fm) * x;
        d1 += (Fz * x / 6.0 + Fm / 2.0) * x * x;
        d0 /= E * A;
        d1 /= E * I;
        d2 /= E * I;
        d0 += Ue[0];
        d2 += Ue[2];
        d1 += Ue[1] - x * Ue[2];
    }
    D[0] = d0;
    D[1] = d1;
    D[2] = d2;
}

void omLinearLineFE2D::calculateW(const omVector& Ue, ACubicFunction& w) const {
    const double L = length();
    const double w1 = Ue[1];
    const double phi1 = Ue[2];
    const double w2 = Ue[4];
    const double phi2 = Ue[5];
    double a = 2.0 * (w1 - w2) / (L * L * L) - (phi1 + phi2) / (L * L);
    const double b = (2.0 * phi1 + phi2) / L + 3.0 * (w2 - w1) / (L * L);
    if (equal(w1, w2, 1e-12) && equal(-phi1, phi2, 1e-12)) a = 0.0;
    w.Set(a, b, -phi1, w1);
}

void omLinearLineFE2D::calculateWZeroes(const ACubicFunction& w, std::vector<double>& z) const {
    const double L = length();
    z.clear();
    z.push_back(0.0);
    std::array<std::complex<double>, 3> roots;
    const int n = w.SolveZeroes(roots);
    for (int i = 0; i < n; ++i) {
        const double x = roots[i].real();
        if (x > 0.0 && x < L) z.push_back(x);
    }
    z.push_back(L);
    std::sort(z.begin(), z.end());
}

void omLinearLineFE2D::integrateW(ACubicFunction& w, double a, double x, double& r1, double& r2,
                                  bool displacements) const {
    // w(x - s) = c0 + c1·s + c2·s² + c3·s³ (Taylor at x), so that
    // ∫ from a to x of w(ξ)·(x - ξ)^n dξ = Σ c_j·s0^(n+j+1)/(n+j+1), s0 = x - a.
    const double A = w.GetA();
    const double B = w.GetB();
    const double C = w.GetC();
    const double c[4] = {w(x), -((3.0 * A * x + 2.0 * B) * x + C), 3.0 * A * x + B, -A};
    const double s0 = x - a;
    auto moment = [&](int n) {
        double sum = 0.0;
        for (int j = 0; j < 4; ++j)
            sum += c[j] * std::pow(s0, n + j + 1) / (n + j + 1);
        return sum;
    };
    if (!displacements) {
        r1 = moment(0);
        r2 = moment(1);
    } else {
        r1 = -moment(3) / 6.0;
        r2 = moment(2) / 2.0;
    }
}

void omLinearLineFE2D::setGroundK(double a, double b, omSymMatrix& K) const {
    K.resize(6);
    K.setAllTo(0.0);
    const double L = length();
    const ShapeFunctions shape(L);
    // The products of two cubics are of degree 6: the 4-point rule integrates them exactly.
    const double* gx = omGaussianQuadratureWeights::getX(4);
    const double* gw = omGaussianQuadratureWeights::getA(4);
    const double J = (b - a) / 2.0;
    for (int g = 0; g < 4; ++g) {
        const double x = (a + b) / 2.0 + J * gx[g];
        double N[4];
        for (int k = 0; k < 4; ++k)
            N[k] = shape.N(k, x);
        for (int k = 0; k < 4; ++k)
            for (int l = 0; l <= k; ++l)
                K.atC(kTransverse[k], kTransverse[l]) += N[k] * N[l] * J * gw[g];
    }
    if (omLogFile* log = omLogFile::enabledFor(lfElementDetails))
        *log << "\n\nElastic Ground Stiffnes Matrix (Local CS)"
             << "\na = " << a << ", b = " << b << ", L = " << L << "K = " << K;
}

void omLinearLineFE2D::constructGroundK(omSymMatrix& K, const omVector& Ue, double alpha) const {
    K.resize(6);
    K.setAllTo(0.0);
    if (m_elGroundType == egNone || m_elGroundCoef == 0.0 || !m_crossSection) return;
    const double L = length();
    if (m_elGroundType == egBothSides) {
        setGroundK(0.0, L, K);
    } else {
        ACubicFunction w;
        calculateW(Ue, w);
        std::vector<double> z;
        calculateWZeroes(w, z);
        omSymMatrix Ks(6);
        for (size_t i = 0; i + 1 < z.size(); ++i) {
            const double wm = w((z[i] + z[i + 1]) / 2.0);
            if ((wm >= 0.0 && m_elGroundType == egPositiveSide) ||
                (wm <= 0.0 && m_elGroundType == egNegativeSide)) {
                setGroundK(z[i], z[i + 1], Ks);
                K.add(Ks);
            }
        }
    }
    transform(K, alpha, false);
    const double breadth = m_crossSection->breadth();
    K.multiply(breadth * m_elGroundCoef);
    if (omLogFile* log = omLogFile::enabledFor(lfElementDetails))
        *log << "\n\nElastic Ground Stiffnes Matrix (Global CS)"
             << "\nelGroundCoef = " << m_elGroundCoef << ", alfa = " << alpha << "L = " << L
             << " CS Breadth = " << breadth << "K = " << K;
}

omDofVector omLinearLineFE2D::internalAtGround(double x, const omVector& Ue, bool displacements) const {
    omDofVector D(frameLayout());
    if (m_elGroundType == egNone || m_elGroundCoef == 0.0 || !m_crossSection) return D;
    ACubicFunction w;
    calculateW(Ue, w);
    double r1 = 0.0;
    double r2 = 0.0;
    if (m_elGroundType == egBothSides) {
        integrateW(w, 0.0, x, r1, r2, displacements);
        D[1] += r1;
        D[2] += r2;
    } else {
        std::vector<double> z;
        calculateWZeroes(w, z);
        for (size_t i = 0; i + 1 < z.size(); ++i) {
            const double wm = w((z[i] + z[i + 1]) / 2.0);
            const bool active = (wm > 0.0 && m_elGroundType == egPositiveSide) ||
                                (wm < 0.0 && m_elGroundType == egNegativeSide);
            if (!active || z[i] >= x) continue;
            integrateW(w, z[i], x, r1, r2, displacements);
            D[1] += r1;
            D[2] += r2;
            if (x > z[i + 1]) {
                integrateW(w, z[i + 1], x, r1, r2, displacements);
                D[1] -= r1;
                D[2] -= r2;
            }
        }
    }
    const double kb = m_crossSection->breadth() * m_elGroundCoef;
    D[1] *= kb;
    D[2] *= kb;
    return D;
}
