#include "ElementTestSupport.h"
#include "model/elements/omDravikFE.h"
#include "model/elements/omQuentraFE.h"
#include "model/elements/omSolmarFE.h"
#include "model/omStiffnessMatrix.h"
#include "rezavud/omCholesky.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

using namespace elementtest;

namespace {

constexpr double L = 400.0;
constexpr double EA = BeamFixture::E * BeamFixture::A;
constexpr double EI = BeamFixture::E * BeamFixture::I;

void expectNearRelative(double expected, double actual, double scale, const std::string& what) {
    EXPECT_NEAR(expected, actual, 1e-11 * scale) << what;
}

class LinearLineFE2D : public BeamFixture {
protected:
    omSymMatrix stiffness(double alpha, const omVector& Ue = omVector(6)) {
        omSymMatrix K;
        EXPECT_TRUE(m_fe.constructK(K, Ue, alpha));
        return K;
    }
};

// --- stiffness matrix

TEST_F(LinearLineFE2D, HorizontalElementGetsTheElementAxesMatrix) {
    place(L, 0.0);
    ASSERT_EQ(0.0, m_fe.angle());
    const omSymMatrix K = stiffness(0.0);
    const double a = EA / L, k12 = 12 * EI / (L * L * L), k6 = 6 * EI / (L * L), k4 = 4 * EI / L,
                 k2 = 2 * EI / L;
    const double expected[6][6] = {{a, 0, 0, -a, 0, 0}, {0, k12, -k6, 0, -k12, -k6}, {0, -k6, k4, 0, k6, k2},
                                   {-a, 0, 0, a, 0, 0}, {0, -k12, k6, 0, k12, k6},   {0, -k6, k2, 0, k6, k4}};
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j)
            EXPECT_NEAR(expected[i][j], K.atC(i, j), 1e-13 * std::max(a, k4)) << i << "," << j;
}

TEST_F(LinearLineFE2D, VerticalElementSwapsAxialAndBendingTerms) {
    place(0.0, L);
    const omSymMatrix K = stiffness(m_fe.angle());
    expectNearRelative(12 * EI / (L * L * L), K.atC(0, 0), 12 * EI / (L * L * L), "(0,0)");
    expectNearRelative(EA / L, K.atC(1, 1), EA / L, "(1,1)");
    expectNearRelative(6 * EI / (L * L), K.atC(2, 0), 6 * EI / (L * L), "(2,0)");
    EXPECT_NEAR(0.0, K.atC(2, 1), 1e-12 * EA / L);
}

TEST_F(LinearLineFE2D, InclinedElementMatrixIsTheRotatedElementAxesMatrix) {
    place(300.0, 400.0);
    const double alpha = m_fe.angle();
    const omSymMatrix global = stiffness(alpha);
    omSymMatrix rotated = stiffness(0.0);
    m_fe.transform(rotated, alpha, false);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j <= i; ++j)
            EXPECT_NEAR(rotated.atC(i, j), global.atC(i, j), 1e-9 * EA / 500.0) << i << "," << j;
    m_fe.transform(rotated, alpha, true);
    const omSymMatrix local = stiffness(0.0);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j <= i; ++j)
            EXPECT_NEAR(local.atC(i, j), rotated.atC(i, j), 1e-9 * EA / 500.0) << i << "," << j;
}

TEST_F(LinearLineFE2D, VectorTransformTurnsDisplacementPairsOnly) {
    omVector v = vec6(1.0, 2.0, 3.0, 4.0, 5.0, 6.0);
    const double alpha = std::numbers::pi / 6.0, c = std::cos(alpha), s = std::sin(alpha);
    m_fe.transform(v, alpha, true);
    EXPECT_DOUBLE_EQ(c * 1.0 + s * 2.0, v[0]);
    EXPECT_DOUBLE_EQ(-s * 1.0 + c * 2.0, v[1]);
    EXPECT_EQ(3.0, v[2]);
    EXPECT_DOUBLE_EQ(c * 4.0 + s * 5.0, v[3]);
    EXPECT_EQ(6.0, v[5]);
    m_fe.transform(v, alpha, false);
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(i + 1.0, v[i], 1e-14) << i;
}

TEST_F(LinearLineFE2D, CreepCoefficientReducesTheModulus) {
    // A material whose modulus creeps as E / (1 + φ).
    class CreepingMaterial : public omMaterial {
    public:
        using omMaterial::omMaterial;
        omUnitValue E(double phi) const override {
            return omUnitValue(BeamFixture::E / (1.0 + phi), omUK_kN_cm2);
        }
    };
    CreepingMaterial creeping(E, 0.0, alphaT, 0.0, 0.2, 2);
    place(L, 0.0);
    m_fe.setMaterial(&creeping);
    const omSymMatrix elastic = stiffness(0.0);
    m_fe.setCreepFi(2.0);
    const omSymMatrix crept = stiffness(0.0);
    EXPECT_NEAR(elastic.atC(0, 0) / 3.0, crept.atC(0, 0), 1e-12 * elastic.atC(0, 0));
    EXPECT_NEAR(elastic.atC(5, 2) / 3.0, crept.atC(5, 2), 1e-12 * elastic.atC(5, 2));
}

TEST_F(LinearLineFE2D, AssemblesAtTheEquationNumbersOfItsDofs) {
    // Node 1 held: its DOFs are numbered after node 2's free ones.
    m_node1 = std::make_unique<omNode2D>(0.0, 0.0, "cm", 1);
    m_node2 = std::make_unique<omNode2D>(300.0, 400.0, "cm", 2);
    for (omDofType t : {Ux, Uz, Ry})
        m_node1->setSupport(t, true);
    m_fe.setNode1(m_node1.get());
    m_fe.setNode2(m_node2.get());
    m_fe.setMaterial(&m_material);
    m_fe.setCrossSection(&m_section);
    number();
    int* e = nullptr;
    ASSERT_TRUE(m_fe.setupIndex(e));
    const int expectedIndex[6] = {4, 5, 6, 1, 2, 3};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(expectedIndex[i], e[i]);

    const omVector U = vec6(0.1, -0.2, 0.003, 0.0, 0.0, 0.0);
    omStiffnessMatrix K(3, 3);
    omVector S(6);
    ASSERT_TRUE(m_fe.setupGlobalKAndF(&U, &K, &S, 1));
    const omSymMatrix Ke = stiffness(m_fe.angle());
    omVector Ug(6), Fe;
    for (int i = 0; i < 6; ++i)
        Ug[i] = U[expectedIndex[i] - 1];
    Ke.multiply(Ug, Fe);
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j)
            EXPECT_DOUBLE_EQ(Ke.atC(i, j), K.atC(expectedIndex[i] - 1, expectedIndex[j] - 1))
                << i << "," << j;
        EXPECT_NEAR(Fe[i], S[expectedIndex[i] - 1], 1e-9 * EA / 500.0) << i;
    }
}

TEST_F(LinearLineFE2D, DofWithoutEquationFailsTheAssembly) {
    place(L, 0.0);
    m_node2->resetEquationIndexes();
    const omVector U(6);
    omStiffnessMatrix K(6, 0);
    omVector S(6);
    S[0] = 5.0;
    EXPECT_FALSE(m_fe.setupGlobalKAndF(&U, &K, &S, 1));
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j <= i; ++j)
            EXPECT_EQ(0.0, K.atC(i, j));
    EXPECT_EQ(5.0, S[0]); // the force assembly never ran
    // Without a matrix the forces of the DOFs before the missing one are added.
    m_fe.addLoad(linearLoad(Uz, 0.0, 1.0, 0.1, 0.1));
    EXPECT_FALSE(m_fe.setupGlobalKAndF(&U, nullptr, &S, 1));
    EXPECT_NEAR(-0.1 * L / 2.0, S[1], 1e-12);
    EXPECT_TRUE(m_fe.setupGlobalKAndF(&U, nullptr, nullptr, 1));
}

TEST_F(LinearLineFE2D, EveryBeamElementRefusesEquationsBeyondTheGlobalMatrix) {
    place(L, 0.0); // equations 1 to 6
    std::vector<std::pair<const char*, std::unique_ptr<omLinearLineFE2D>>> kinds;
    kinds.emplace_back("linear", std::make_unique<omLinearLineFE2D>());
    kinds.emplace_back("Quentra", std::make_unique<omQuentraFE>());
    kinds.emplace_back("Solmar", std::make_unique<omSolmarFE>());
    kinds.emplace_back("Dravik", std::make_unique<omDravikFE>());
    const omVector U(6);
    auto largest = [](const omSymMatrix& K) {
        double m = 0.0;
        for (int i = 0; i < K.size(); ++i)
            for (int j = 0; j <= i; ++j)
                m = std::max(m, std::fabs(K.atC(i, j)));
        return m;
    };
    for (auto& [name, fe] : kinds) {
        fe->setNode1(m_node1.get());
        fe->setNode2(m_node2.get());
        fe->setMaterial(&m_material);
        fe->setCrossSection(&m_section);
        // A matrix and vector of a structure numbered before two more nodes came.
        omStiffnessMatrix small(3, 0);
        omVector S(3);
        EXPECT_FALSE(fe->setupGlobalKAndF(&U, &small, &S, 1)) << name;
        EXPECT_EQ(largest(small), 0.0) << name;
        EXPECT_EQ(S.norm(normMax), 0.0) << name;
        omStiffnessMatrix K(6, 0);
        omVector S6(6);
        EXPECT_TRUE(fe->setupGlobalKAndF(&U, &K, &S6, 1)) << name;
        EXPECT_GT(largest(K), 0.0) << name;
    }
}

TEST_F(LinearLineFE2D, ElementWithoutMaterialOrSectionFailsTheAssembly) {
    place(L, 0.0);
    m_fe.setMaterial(nullptr);
    const omVector U(6);
    omStiffnessMatrix K(6, 0);
    omVector S(6);
    EXPECT_FALSE(m_fe.setupGlobalKAndF(&U, &K, &S, 1));
    EXPECT_FALSE(m_fe.setupGlobalKAndF(&U, nullptr, &S, 1));
    EXPECT_TRUE(S.isNull());
    EXPECT_TRUE(m_fe.internalForceAt(0.5, U).isNull());
}

// --- end forces of loads on a held element (U = 0): F = -f_eq

// The fixture's load builders, open to the tables of cases.
class LoadBuilders : public LinearLineFE2D {
public:
    omLoadForce* point(double x, double fx, double fz, double my) { return pointLoad(x, fx, fz, my); }
    omLoadLinear* linear(omDofType t, double s, double e, double qs, double qe) {
        return linearLoad(t, s, e, qs, qe);
    }
    omLoadTemperature* temp(double tPos, double tNeg) { return temperature(tPos, tNeg); }
    void add(omLoad* load) { m_fe.addLoad(load); }
};

struct FixedEndCase {
    const char* name;
    std::function<omLoad*(LoadBuilders&)> load;
    std::function<omVector()> expected;
};

class FixedEndForces : public LoadBuilders, public ::testing::WithParamInterface<FixedEndCase> {};

void PrintTo(const FixedEndCase& c, std::ostream* os) {
    *os << c.name;
}

// -∫ q N_i over [a, c] for a uniform transverse q, by quadrature independent of the element's.
omVector partialUniform(double q, double a, double c) {
    omVector F(6);
    for (int i : {1, 2, 4, 5})
        F[i] = -q * simpson([&](double x) { return shape(i, x, L); }, a, c);
    return F;
}

TEST_P(FixedEndForces, MatchClosedForm) {
    place(L, 0.0);
    m_fe.addLoad(GetParam().load(*this));
    const omVector F = forces(omVector(6));
    const omVector expected = GetParam().expected();
    double scale = 0.0;
    for (int i = 0; i < 6; ++i)
        scale = std::max(scale, std::fabs(expected[i]));
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(expected[i], F[i], 1e-12 * scale) << i;
}

constexpr double q = 0.2, P = 50.0, Mc = 1000.0;

INSTANTIATE_TEST_SUITE_P(
    Loads, FixedEndForces,
    ::testing::Values(
        FixedEndCase{"UniformTransverse", [](LoadBuilders& f) { return f.linear(Uz, 0, 1, q, q); },
                     [] { return vec6(0, -q * L / 2, q * L * L / 12, 0, -q * L / 2, -q * L * L / 12); }},
        FixedEndCase{
            "Triangular", [](LoadBuilders& f) { return f.linear(Uz, 0, 1, 0, q); },
            [] { return vec6(0, -3 * q * L / 20, q * L * L / 30, 0, -7 * q * L / 20, -q * L * L / 20); }},
        FixedEndCase{"PartialUniform", [](LoadBuilders& f) { return f.linear(Uz, 0.25, 0.75, q, q); },
                     [] { return partialUniform(q, 0.25 * L, 0.75 * L); }},
        FixedEndCase{"PointAtQuarter", [](LoadBuilders& f) { return f.point(0.25, 0, P, 0); },
                     [] {
                         const double a = 100, b = 300;
                         return vec6(0, -P * b * b * (L + 2 * a) / (L * L * L), P * a * b * b / (L * L), 0,
                                     -P * a * a * (L + 2 * b) / (L * L * L), -P * a * a * b / (L * L));
                     }},
        FixedEndCase{"PointAtMiddle", [](LoadBuilders& f) { return f.point(0.5, 0, P, 0); },
                     [] { return vec6(0, -P / 2, P * L / 8, 0, -P / 2, -P * L / 8); }},
        FixedEndCase{"AxialPoint", [](LoadBuilders& f) { return f.point(0.25, 10.0, 0, 0); },
                     [] { return vec6(-7.5, 0, 0, -2.5, 0, 0); }},
        FixedEndCase{"UniformAxial", [](LoadBuilders& f) { return f.linear(Ux, 0, 1, 0.1, 0.1); },
                     [] { return vec6(-0.1 * L / 2, 0, 0, -0.1 * L / 2, 0, 0); }},
        FixedEndCase{"CoupleAtMiddle", [](LoadBuilders& f) { return f.point(0.5, 0, 0, Mc); },
                     [] { return vec6(0, -1.5 * Mc / L, Mc / 4, 0, 1.5 * Mc / L, Mc / 4); }},
        FixedEndCase{"UniformDistributedMoment", [](LoadBuilders& f) { return f.linear(Ry, 0, 1, 2.0, 2.0); },
                     [] { return vec6(0, -2.0, 0, 0, 2.0, 0); }},
        FixedEndCase{"UniformTemperature", [](LoadBuilders& f) { return f.temp(20.0, 20.0); },
                     [] {
                         const double N = EA * BeamFixture::alphaT * 20.0;
                         return vec6(N, 0, 0, -N, 0, 0);
                     }},
        FixedEndCase{"TemperatureGradient", [](LoadBuilders& f) { return f.temp(10.0, -10.0); },
                     [] {
                         const double M = EI * BeamFixture::alphaT * 20.0 / BeamFixture::h;
                         return vec6(0, 0, M, 0, 0, -M);
                     }}),
    [](const auto& info) { return std::string(info.param.name); });

// --- recovery along the element

TEST_F(LinearLineFE2D, SimplySupportedBeamUnderUniformLoad) {
    place(L, 0.0);
    m_fe.addLoad(linearLoad(Uz, 0.0, 1.0, q, q));
    const double theta = q * L * L * L / (24 * EI);
    const omVector U = vec6(0, 0, -theta, 0, 0, theta);
    const omVector F = forces(U);
    EXPECT_NEAR(0.0, F[2], 1e-9 * q * L * L);
    EXPECT_NEAR(0.0, F[5], 1e-9 * q * L * L);
    EXPECT_NEAR(-q * L / 2, F[1], 1e-12 * q * L);
    for (double r : {0.0, 0.1, 0.25, 0.5, 0.8, 1.0}) {
        const double x = r * L;
        const omForceVector N = m_fe.internalForceAt(r, U);
        EXPECT_NEAR(0.0, N.Fx(), 1e-12 * q * L) << r;
        EXPECT_NEAR(q * (L / 2 - x), N.Fz(), 1e-11 * q * L) << r;
        EXPECT_NEAR(q * x * (L - x) / 2, N.My(), 1e-9 * q * L * L) << r;
        const omDisplacementVector D = m_fe.displacementAt(r, U);
        const double w = q * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * EI);
        const double phi = -q * (L * L * L - 6 * L * x * x + 4 * x * x * x) / (24 * EI);
        EXPECT_NEAR(0.0, D.ux(), 1e-15) << r;
        EXPECT_NEAR(w, D.uz(), 1e-11 * 5 * q * L * L * L * L / (384 * EI)) << r;
        EXPECT_NEAR(phi, D.fiy(), 1e-11 * theta) << r;
    }
    EXPECT_NEAR(5 * q * L * L * L * L / (384 * EI), m_fe.displacementAt(0.5, U).uz(), 1e-15);
}

TEST_F(LinearLineFE2D, CantileverWithTipLoad) {
    place(L, 0.0);
    const omVector U = vec6(0, 0, 0, 0, P * L * L * L / (3 * EI), -P * L * L / (2 * EI));
    const omVector F = forces(U);
    EXPECT_NEAR(P, F[4], 1e-10 * P);
    EXPECT_NEAR(0.0, F[5], 1e-10 * P * L);
    for (double r : {0.0, 0.3, 0.6, 1.0}) {
        const double x = r * L;
        const omForceVector N = m_fe.internalForceAt(r, U);
        EXPECT_NEAR(P, N.Fz(), 1e-10 * P) << r;
        EXPECT_NEAR(-P * (L - x), N.My(), 1e-10 * P * L) << r;
        EXPECT_NEAR(P * x * x * (3 * L - x) / (6 * EI), m_fe.displacementAt(r, U).uz(),
                    1e-10 * P * L * L * L / (3 * EI))
            << r;
    }
}

TEST_F(LinearLineFE2D, FixedBeamWithPointLoadAtMiddle) {
    place(L, 0.0);
    m_fe.addLoad(pointLoad(0.5, 0.0, P, 0.0));
    const omVector U(6);
    forces(U);
    EXPECT_NEAR(-P * L / 8, m_fe.internalForceAt(0.0, U).My(), 1e-12 * P * L);
    EXPECT_NEAR(P * L / 8, m_fe.internalForceAt(0.5, U).My(), 1e-12 * P * L);
    EXPECT_NEAR(-P * L / 8, m_fe.internalForceAt(1.0, U).My(), 1e-12 * P * L);
    EXPECT_NEAR(P / 2, m_fe.internalForceAt(0.25, U).Fz(), 1e-12 * P);
    // The load counts from its own position on.
    EXPECT_NEAR(-P / 2, m_fe.internalForceAt(0.5, U).Fz(), 1e-12 * P);
    EXPECT_NEAR(P * L * L * L / (192 * EI), m_fe.displacementAt(0.5, U).uz(), 1e-12);
}

TEST_F(LinearLineFE2D, FixedBeamWithTriangularLoad) {
    place(L, 0.0);
    m_fe.addLoad(linearLoad(Uz, 0.0, 1.0, 0.0, q));
    const omVector U(6);
    forces(U);
    EXPECT_NEAR(-q * L * L / 30, m_fe.internalForceAt(0.0, U).My(), 1e-12 * q * L * L);
    EXPECT_NEAR(-q * L * L / 20, m_fe.internalForceAt(1.0, U).My(), 1e-12 * q * L * L);
    EXPECT_NEAR(q * L * L * L * L / (768 * EI), m_fe.displacementAt(0.5, U).uz(), 1e-14);
}

TEST_F(LinearLineFE2D, HeldBarUnderUniformAxialLoad) {
    place(L, 0.0);
    const double qx = 0.1;
    m_fe.addLoad(linearLoad(Ux, 0.0, 1.0, qx, qx));
    const omVector U(6);
    forces(U);
    for (double r : {0.0, 0.2, 0.5, 1.0})
        EXPECT_NEAR(qx * (L / 2 - r * L), m_fe.internalForceAt(r, U).Fx(), 1e-12 * qx * L) << r;
    EXPECT_NEAR(qx * L * L / (8 * EA), m_fe.displacementAt(0.5, U).ux(), 1e-16);
}

TEST_F(LinearLineFE2D, HeldBarUnderTemperature) {
    place(L, 0.0);
    m_fe.addLoad(temperature(20.0, 20.0));
    const omVector U(6);
    forces(U);
    for (double r : {0.0, 0.4, 1.0}) {
        EXPECT_NEAR(-EA * alphaT * 20.0, m_fe.internalForceAt(r, U).Fx(), 1e-12 * EA * alphaT * 20.0) << r;
        EXPECT_NEAR(0.0, m_fe.displacementAt(r, U).ux(), 1e-16) << r;
    }
    dropLoads();
    m_fe.addLoad(temperature(10.0, -10.0));
    forces(U);
    const double M = EI * alphaT * 20.0 / h;
    for (double r : {0.0, 0.4, 1.0}) {
        const omForceVector N = m_fe.internalForceAt(r, U);
        EXPECT_NEAR(0.0, N.Fx(), 1e-12 * M) << r;
        EXPECT_NEAR(-M, N.My(), 1e-12 * M) << r;
        const omDisplacementVector D = m_fe.displacementAt(r, U);
        EXPECT_NEAR(0.0, D.uz(), 1e-16) << r;
        EXPECT_NEAR(0.0, D.fiy(), 1e-16) << r;
    }
}

TEST_F(LinearLineFE2D, FreeBarElongatesUnderTemperature) {
    place(L, 0.0);
    m_fe.addLoad(temperature(30.0, 10.0));
    // The free bar's elongation and the curvature of the gradient.
    const double u = alphaT * 20.0 * L;
    const double kappa = alphaT * 20.0 / h;
    const omVector U = vec6(0, 0, 0, u, -kappa * L * L / 2, kappa * L);
    const omVector F = forces(U);
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(0.0, F[i], 1e-10 * EA * alphaT * 20.0) << i;
    const omDisplacementVector D = m_fe.displacementAt(0.5, U);
    EXPECT_NEAR(u / 2, D.ux(), 1e-15);
    EXPECT_NEAR(-kappa * L * L / 8, D.uz(), 1e-15);
}

TEST_F(LinearLineFE2D, EndDisplacementsAreReturnedExactly) {
    place(300.0, 400.0);
    m_fe.addLoad(linearLoad(Uz, 0.0, 1.0, q, q));
    const omVector U = vec6(0.123, -0.456, 0.00789, 1.25, 2.5, -0.0125);
    forces(U);
    omVector Ue(6);
    m_fe.extractDisplacement(U, Ue);
    const omDisplacementVector first = m_fe.displacementAt(0.0, U);
    const omDisplacementVector last = m_fe.displacementAt(1.0, U);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Ue[i], first[i]) << i;
        EXPECT_EQ(Ue[i + 3], last[i]) << i;
    }
}

TEST_F(LinearLineFE2D, LoadsBeyondTheSectionDoNotAct) {
    place(L, 0.0);
    m_fe.addLoad(pointLoad(0.6, 5.0, P, 100.0));
    m_fe.addLoad(linearLoad(Uz, 0.5, 0.9, q, 2 * q));
    const omVector U = vec6(0, 0.1, 0.001, 0, -0.2, 0.002);
    forces(U);
    const omVector& F = m_fe.endForces();
    for (double r : {0.0, 0.2, 0.45}) {
        const double x = r * L;
        const omForceVector N = m_fe.internalForceAt(r, U);
        EXPECT_NEAR(-F[0], N.Fx(), 1e-12 * P) << r;
        EXPECT_NEAR(-F[1], N.Fz(), 1e-12 * P) << r;
        EXPECT_NEAR(-(F[1] * x + F[2]), N.My(), 1e-12 * P * L) << r;
    }
}

// Recovery integrates from the first node; at the second node it must meet
// that node's end forces, and, the beam's end forces being exact, its displacements.
struct ConsistencyCase {
    const char* name;
    double x2, z2;
    ElGroundType ground;
    std::function<void(LoadBuilders&)> loads;
};

void PrintTo(const ConsistencyCase& c, std::ostream* os) {
    *os << c.name;
}

class RecoveryMeetsSecondNode : public LoadBuilders, public ::testing::WithParamInterface<ConsistencyCase> {};

TEST_P(RecoveryMeetsSecondNode, ForcesAndDisplacementsAtTheFarEnd) {
    const ConsistencyCase& c = GetParam();
    place(c.x2, c.z2);
    m_fe.setElasticGround(0.01, c.ground);
    c.loads(*this);
    const omVector U = vec6(0.05, 0.3, -0.002, 0.08, -0.25, 0.004);
    forces(U);
    const omVector F = m_fe.endForces();
    const omForceVector end = m_fe.internalForceAt(1.0, U);
    const double scale = std::max({std::fabs(F[3]), std::fabs(F[4]), std::fabs(F[5]) / L, 1.0});
    EXPECT_NEAR(F[3], end.Fx(), 1e-9 * scale);
    EXPECT_NEAR(F[4], end.Fz(), 1e-9 * scale);
    EXPECT_NEAR(F[5], end.My(), 1e-9 * scale * L);
    if (c.ground == egNone) {
        omVector Ue(6);
        m_fe.extractDisplacement(U, Ue);
        const omDisplacementVector D = m_fe.displacementAt(1.0 - 1e-12, U);
        EXPECT_NEAR(Ue[3], D.ux(), 1e-9);
        EXPECT_NEAR(Ue[4], D.uz(), 1e-9);
        EXPECT_NEAR(Ue[5], D.fiy(), 1e-11);
    }
}

const auto kAllLoads = [](LoadBuilders& f) {
    f.add(f.linear(Uz, 0.1, 0.7, 0.3, -0.1));
    f.add(f.linear(Ux, 0.2, 1.0, 0.05, 0.15));
    f.add(f.linear(Ry, 0.0, 0.5, 1.0, 3.0));
    f.add(f.point(0.35, 4.0, 20.0, 300.0));
    f.add(f.temp(25.0, 5.0));
};

INSTANTIATE_TEST_SUITE_P(
    Cases, RecoveryMeetsSecondNode,
    ::testing::Values(ConsistencyCase{"HorizontalNoLoad", 400, 0, egNone, [](LoadBuilders&) {}},
                      ConsistencyCase{"HorizontalAllLoads", 400, 0, egNone, kAllLoads},
                      ConsistencyCase{"InclinedAllLoads", 240, -320, egNone, kAllLoads},
                      ConsistencyCase{"GroundBothSides", 400, 0, egBothSides, kAllLoads},
                      ConsistencyCase{"GroundPositiveSide", 400, 0, egPositiveSide, kAllLoads},
                      ConsistencyCase{"GroundNegativeSideInclined", 240, -320, egNegativeSide, kAllLoads}),
    [](const auto& info) { return std::string(info.param.name); });

// --- elastic ground

TEST_F(LinearLineFE2D, GroundMatrixOverTheWholeLengthMatchesClosedForm) {
    place(L, 0.0);
    omSymMatrix K;
    m_fe.setGroundK(0.0, L, K);
    const double c = L / 420.0;
    const double expected[4][4] = {{156 * c, -22 * L * c, 54 * c, 13 * L * c},
                                   {-22 * L * c, 4 * L * L * c, -13 * L * c, -3 * L * L * c},
                                   {54 * c, -13 * L * c, 156 * c, 22 * L * c},
                                   {13 * L * c, -3 * L * L * c, 22 * L * c, 4 * L * L * c}};
    const int dof[4] = {1, 2, 4, 5};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_NEAR(expected[i][j], K.atC(dof[i], dof[j]), 1e-13 * 4 * L * L * c) << i << "," << j;
    for (int j = 0; j < 6; ++j) {
        EXPECT_EQ(0.0, K.atC(0, j));
        EXPECT_EQ(0.0, K.atC(3, j));
    }
}

TEST_F(LinearLineFE2D, GroundMatrixOfAStretchIntegratesTheShapeFunctionsThere) {
    place(L, 0.0);
    omSymMatrix K;
    m_fe.setGroundK(0.2 * L, 0.7 * L, K);
    for (int i : {1, 2, 4, 5})
        for (int j : {1, 2, 4, 5}) {
            const double expected =
                simpson([&](double x) { return shape(i, x, L) * shape(j, x, L); }, 0.2 * L, 0.7 * L);
            EXPECT_NEAR(expected, K.atC(i, j), 1e-11 * L * L * L) << i << "," << j;
        }
}

TEST_F(LinearLineFE2D, FreeBeamOnGroundSettlesUniformlyWithoutBending) {
    const double k = 0.01, qz = 0.3, w0 = qz / (k * b);
    for (const auto& [x2, z2] : {std::pair{L, 0.0}, std::pair{240.0, 320.0}}) {
        place(x2, z2);
        m_fe.setElasticGround(k, egBothSides);
        dropLoads();
        m_fe.addLoad(linearLoad(Uz, 0.0, 1.0, qz, qz));
        const double alpha = m_fe.angle();
        // w0 along the local z axis, in global components.
        const omVector U = vec6(-std::sin(alpha) * w0, std::cos(alpha) * w0, 0, -std::sin(alpha) * w0,
                                std::cos(alpha) * w0, 0);
        const omVector F = forces(U);
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(0.0, F[i], 1e-10 * qz * L) << i;
        for (double r : {0.0, 0.2, 0.5, 0.9, 1.0}) {
            const omForceVector N = m_fe.internalForceAt(r, U);
            EXPECT_NEAR(0.0, N.Fz(), 1e-10 * qz * L) << r;
            EXPECT_NEAR(0.0, N.My(), 1e-10 * qz * L * L) << r;
            const omDisplacementVector D = m_fe.displacementAt(r, U);
            EXPECT_NEAR(w0, D.uz(), 1e-12 * w0) << r;
            EXPECT_NEAR(0.0, D.fiy(), 1e-14) << r;
        }
    }
}

TEST_F(LinearLineFE2D, GroundWithoutCoefficientIsNoGround) {
    place(L, 0.0);
    m_fe.addLoad(linearLoad(Uz, 0.0, 1.0, q, q));
    const omVector U = vec6(0, 0.2, 0.001, 0, 0.3, -0.002);
    const omVector plain = forces(U);
    const omForceVector plainM = m_fe.internalForceAt(0.4, U);
    m_fe.setElasticGround(0.0, egBothSides);
    EXPECT_TRUE(plain == forces(U));
    EXPECT_TRUE(plainM == m_fe.internalForceAt(0.4, U));
    m_fe.setElasticGround(0.01, egNone);
    EXPECT_TRUE(plain == forces(U));
}

TEST_F(LinearLineFE2D, OneSidedGroundActsEverywhereWithoutDisplacement) {
    place(L, 0.0);
    omSymMatrix both, positive, negative;
    m_fe.setElasticGround(0.01, egBothSides);
    m_fe.constructGroundK(both, omVector(6), 0.0);
    m_fe.setElasticGround(0.01, egPositiveSide);
    m_fe.constructGroundK(positive, omVector(6), 0.0);
    m_fe.setElasticGround(0.01, egNegativeSide);
    m_fe.constructGroundK(negative, omVector(6), 0.0);
    EXPECT_TRUE(both == positive);
    EXPECT_TRUE(both == negative);
    EXPECT_NEAR(0.01 * b * 156 * L / 420, both.atC(1, 1), 1e-12);
}

TEST_F(LinearLineFE2D, DeflectionCubicMeetsTheEndDisplacements) {
    place(L, 0.0);
    const omVector Ue = vec6(0, 0.3, -0.002, 0, -0.1, 0.004);
    ACubicFunction w;
    m_fe.calculateW(Ue, w);
    EXPECT_NEAR(0.3, w(0.0), 1e-15);
    EXPECT_NEAR(-0.1, w(L), 1e-12);
    const double slopeL = (3 * w.GetA() * L + 2 * w.GetB()) * L + w.GetC();
    EXPECT_EQ(0.002, w.GetC());
    EXPECT_NEAR(-0.004, slopeL, 1e-15);
}

TEST_F(LinearLineFE2D, SymmetricDeflectionZeroAtBothEndsHasOnlyTheEndZeroes) {
    place(L, 0.0);
    ACubicFunction w;
    m_fe.calculateW(vec6(0, 0, 0.01, 0, 0, -0.01), w);
    EXPECT_EQ(0.0, w.GetA());
    std::vector<double> z;
    m_fe.calculateWZeroes(w, z);
    EXPECT_EQ((std::vector<double>{0.0, L}), z);
}

// A deflection with three sign changes inside a 2 cm element, symmetric about
// its middle: w = (x - 0.5)(x - 1)(x - 1.5).
class OneSidedGround : public LinearLineFE2D {
protected:
    void SetUp() override {
        LinearLineFE2D::SetUp();
        place(2.0, 0.0);
    }
    static double w(double x) { return (x - 0.5) * (x - 1.0) * (x - 1.5); }
    const omVector Ue = vec6(0, -0.75, -2.75, 0, 0.75, -2.75);
    static constexpr double k = 0.01;
};

TEST_F(OneSidedGround, StretchesAreBoundedByTheDeflectionZeroes) {
    ACubicFunction cubic;
    m_fe.calculateW(Ue, cubic);
    for (double x : {0.0, 0.3, 0.75, 1.2, 2.0})
        EXPECT_NEAR(w(x), cubic(x), 1e-14) << x;
    std::vector<double> z;
    m_fe.calculateWZeroes(cubic, z);
    ASSERT_EQ(5u, z.size());
    const double expected[5] = {0.0, 0.5, 1.0, 1.5, 2.0};
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(expected[i], z[i], 1e-14) << i;
}

TEST_F(OneSidedGround, StiffnessIntegratesOnlyWhereTheGroundIsPressed) {
    using Stretches = std::vector<std::pair<double, double>>;
    const Stretches positive{{0.5, 1.0}, {1.5, 2.0}}, negative{{0.0, 0.5}, {1.0, 1.5}};
    for (const auto& [type, stretches] :
         {std::pair{egPositiveSide, positive}, std::pair{egNegativeSide, negative}}) {
        m_fe.setElasticGround(k, type);
        omSymMatrix K;
        m_fe.constructGroundK(K, Ue, 0.0);
        for (int i : {1, 2, 4, 5})
            for (int j : {1, 2, 4, 5}) {
                double expected = 0.0;
                for (const auto& [a, c] : stretches)
                    expected +=
                        k * b * simpson([&](double x) { return shape(i, x, 2.0) * shape(j, x, 2.0); }, a, c);
                EXPECT_NEAR(expected, K.atC(i, j), 1e-14) << type << ": " << i << "," << j;
            }
    }
}

TEST_F(OneSidedGround, ReactionComesOnlyFromThePressedStretches) {
    m_fe.setElasticGround(k, egNegativeSide);
    const std::vector<std::pair<double, double>> pressed{{0.0, 0.5}, {1.0, 1.5}};
    for (double x : {0.3, 0.5, 0.75, 1.2, 1.6, 2.0}) {
        double force = 0.0, moment = 0.0;
        for (const auto& [a, c] : pressed) {
            const double end = std::min(c, x);
            if (end <= a) continue;
            force += simpson([&](double s) { return w(s); }, a, end);
            moment += simpson([&](double s) { return w(s) * (x - s); }, a, end);
        }
        const omDofVector D = m_fe.internalAtGround(x, Ue, false);
        EXPECT_NEAR(k * b * force, D[1], 1e-15) << x;
        EXPECT_NEAR(k * b * moment, D[2], 1e-15) << x;
        EXPECT_EQ(0.0, D[0]);
    }
}

TEST_F(LinearLineFE2D, OneSidedGroundLetsTheFarEndLiftOff) {
    // A beam lying on a ground that only pushes, loaded near its first end: the
    // element's own Newton iteration finds the contact stretch. Axial DOFs are held.
    m_node1 = std::make_unique<omNode2D>(0.0, 0.0, "cm", 1);
    m_node2 = std::make_unique<omNode2D>(L, 0.0, "cm", 2);
    m_node1->setSupport(Ux, true);
    m_node2->setSupport(Ux, true);
    m_fe.setNode1(m_node1.get());
    m_fe.setNode2(m_node2.get());
    m_fe.setMaterial(&m_material);
    m_fe.setCrossSection(&m_section);
    number();
    const double k = 0.01, Pz = 100.0;
    m_fe.setElasticGround(k, egPositiveSide);
    m_fe.addLoad(pointLoad(0.05, 0.0, Pz, 0.0));

    omVector U(6);
    bool converged = false;
    for (int iteration = 1; iteration <= 30 && !converged; ++iteration) {
        omStiffnessMatrix K(4, 2);
        omVector S(6);
        ASSERT_TRUE(m_fe.setupGlobalKAndF(&U, &K, &S, iteration));
        omCholesky cholesky(K);
        ASSERT_EQ(0, cholesky.makeTransformation());
        omVector dU(6);
        for (int i = 0; i < 4; ++i)
            dU[i] = -S[i];
        cholesky.solve(dU);
        double largest = 0.0;
        for (int i = 0; i < 4; ++i) {
            U[i] += dU[i];
            largest = std::max(largest, std::fabs(dU[i]));
        }
        converged = largest < 1e-9;
    }
    ASSERT_TRUE(converged);

    // The dofs 1 to 4 are w1, φ1, w2, φ2.
    omVector Ue(6);
    m_fe.extractDisplacement(U, Ue);
    EXPECT_GT(Ue[1], 0.0);
    EXPECT_LT(Ue[4], 0.0);
    ACubicFunction cubic;
    m_fe.calculateW(Ue, cubic);
    std::vector<double> z;
    m_fe.calculateWZeroes(cubic, z);
    ASSERT_EQ(3u, z.size());
    const double contact = z[1];
    // The ground's resultant over the contact stretch carries the load.
    const double resultant = k * b * simpson([&](double x) { return cubic(x); }, 0.0, contact);
    EXPECT_NEAR(Pz, resultant, 1e-9 * Pz);
    // Beyond the contact the ground adds nothing: the shear stays as it is there.
    const double shearAtContact = m_fe.internalForceAt(contact / L, U).Fz();
    for (double r : {0.7, 0.85, 1.0})
        EXPECT_NEAR(shearAtContact, m_fe.internalForceAt(r, U).Fz(), 1e-9 * Pz) << r;
    EXPECT_NEAR(0.0, m_fe.internalForceAt(1.0, U).Fz(), 1e-9 * Pz);
}

// --- calculation log

TEST_F(LinearLineFE2D, WritesItsMatricesAndForcesToTheLog) {
    CapturedLog log({lfElementMatrices, lfElementDetails, lfElementForces});
    place(L, 0.0);
    m_fe.setElasticGround(0.01, egBothSides);
    const omVector U(6);
    omStiffnessMatrix K(6, 0);
    omVector S(6);
    ASSERT_TRUE(m_fe.setupGlobalKAndF(&U, &K, &S, 1));
    const std::string text = log.text();
    for (const char* expected : {"\nomLinearLineFE2D -> Node1: 1, Node2: 2, Length: ", "\nStiffnessMatrix:\n",
                                 "\nEquivalent Forces:\n", "\n\nStiffnes Matrix (Local CS)\nE = ",
                                 "\n\nElastic Ground Stiffnes Matrix (Local CS)\na = ",
                                 "\n\nElastic Ground Stiffnes Matrix (Global CS)\nelGroundCoef = "})
        EXPECT_NE(std::string::npos, text.find(expected)) << expected;
}

TEST_F(LinearLineFE2D, WritesNothingWithItsCategoriesOff) {
    CapturedLog log({lfNodes});
    place(L, 0.0);
    const omVector U(6);
    omStiffnessMatrix K(6, 0);
    omVector S(6);
    ASSERT_TRUE(m_fe.setupGlobalKAndF(&U, &K, &S, 1));
    EXPECT_EQ("", log.text());
}

} // namespace
