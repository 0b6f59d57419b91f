#include "model/elements/omDravikFE.h"
#include "ElementLoads.h"
#include "ModelTestSupport.h"
#include "model/omGenericCrossSection.h"
#include "model/omLoad.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omNode2D.h"
#include "rezavud/omSymMatrix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

omVector vec(std::initializer_list<double> values) {
    omVector v(int(values.size()));
    int i = 0;
    for (double x : values)
        v[i++] = x;
    return v;
}

// Makes the element's own steps callable and its unknowns writable.
class DravikProbe : public omDravikFE {
public:
    using omDravikFE::f_Condense;
    using omDravikFE::f_Element;
    using omDravikFE::f_T;
    omVector& unknowns() { return m_U; }
    const omVector& Z1() const { return m_Z1; }
    void readGeometry() {
        m_L = length();
        m_angle = angle();
    }
    void setTemperature(double epsT, double kappaT) {
        m_epsT = epsT;
        m_kappaT = kappaT;
    }

    // The element unknown vector (Rx0, Rz0, φ_0 .. φ_(n-1), u1, w1, u2, w2):
    // the end rotations and displacements come from U2.
    omVector state(const omVector& U2) const {
        const int n = int(pointCount());
        omVector x(n + 6);
        for (int i = 0; i < n + 2; ++i)
            x[i] = m_U[i];
        x[2] = U2[2];
        x[n + 1] = U2[5];
        x[n + 2] = U2[0];
        x[n + 3] = U2[1];
        x[n + 4] = U2[3];
        x[n + 5] = U2[4];
        return x;
    }
    void setState(const omVector& x, omVector& U2) {
        const int n = int(pointCount());
        for (int i = 0; i < n + 2; ++i)
            m_U[i] = x[i];
        U2[0] = x[n + 2];
        U2[1] = x[n + 3];
        U2[2] = x[2];
        U2[3] = x[n + 4];
        U2[4] = x[n + 5];
        U2[5] = x[n + 1];
    }

    // Solves the element's internal equations for fixed end displacements by
    // Newton's method on the condensation; leaves the condensed tangent and the
    // end forces (element axes) at that state.
    bool equilibrate(const omVector& U2, omSymMatrix& K22, omVector& S2) {
        const int n = int(pointCount());
        for (int iteration = 0; iteration < 40; ++iteration) {
            omSymMatrix K;
            omVector S;
            if (!f_Element(U2, K, S) || !f_Condense(K, K22, S, S2)) return false;
            double change = 0.0;
            for (int k = 1; k <= n - 2; ++k)
                m_U[2 + k] -= m_Z1[k - 1];
            m_U[0] -= m_Z1[n - 2];
            m_U[1] -= m_Z1[n - 1];
            for (int k = 0; k < n - 2; ++k)
                change = std::max(change, std::fabs(m_Z1[k]));
            change = std::max(change, std::fabs(m_Z1[n - 2]) * 1e-6);
            change = std::max(change, std::fabs(m_Z1[n - 1]) * 1e-6);
            if (change < 1e-14) {
                omSymMatrix Kf;
                omVector Sf;
                return f_Element(U2, Kf, Sf) && f_Condense(Kf, K22, Sf, S2);
            }
        }
        return false;
    }
};

// Makes the linear element's matrix and end forces callable, for comparison.
class LinearProbe : public omLinearLineFE2D {
public:
    using omLinearLineFE2D::constructF;
    using omLinearLineFE2D::constructK;
};

// A steel member of 3 m with the section of an IPE 300 (E I = 17547.6 kNm²),
// given as a generic section so that its first moment can be set.
class DravikElementTest : public modeltest::ModelTest, protected modeltest::ElementLoads {
protected:
    static constexpr double E = 21000.0; // kN/cm²
    static constexpr double A = 53.8;    // cm²
    static constexpr double I = 8356.0;  // cm⁴
    static constexpr double h = 30.0;    // cm
    static constexpr double L = 300.0;   // cm
    static constexpr double alphaT = 1.2e-5;

    void SetUp() override {
        ModelTest::SetUp();
        m_section.setProperty(omGenericCrossSection::pHeight, omUnitValue(h, omUK_cm));
        m_section.setProperty(omGenericCrossSection::pBreadth, omUnitValue(15.0, omUK_cm));
        place(L, 0.0);
    }

    // Both elements from (0, 0) to (x2, z2) in cm, DOFs numbered 1 to 6.
    void place(double x2, double z2) {
        m_node1 = std::make_unique<omNode2D>(0.0, 0.0, "cm", 1);
        m_node2 = std::make_unique<omNode2D>(x2, z2, "cm", 2);
        for (omLinearLineFE2D* e :
             {static_cast<omLinearLineFE2D*>(&m_fe), static_cast<omLinearLineFE2D*>(&m_linear)}) {
            e->setNode1(m_node1.get());
            e->setNode2(m_node2.get());
            e->setMaterial(&m_material);
            e->setCrossSection(&m_section);
        }
        ASSERT_TRUE(modeltest::numberEndNodes(m_fe, *m_node1, *m_node2));
        m_fe.readGeometry();
    }

    // Each element takes its own copy, since each deletes its loads.
    void addToBoth(omLoad* load) {
        m_fe.addLoad(load);
        m_linear.addLoad(load->clone());
    }

    omMaterial m_material{E, 8100.0, alphaT, 7850.0, 0.3, 1};
    omGenericCrossSection m_section{omUnitValue(A, omUK_cm2), omUnitValue(I, omUK_cm4), 1};
    std::unique_ptr<omNode2D> m_node1;
    std::unique_ptr<omNode2D> m_node2;
    DravikProbe m_fe;
    LinearProbe m_linear;
};

// Typical sizes of the unknowns (forces, rotations, displacements) and of the
// equations (lengths, moments, forces), which make the entries of a tangent
// comparable with one another.
struct Scales {
    double force, moment, length;
};

Scales scalesOf(double EI, double L) {
    return {EI / (L * L), EI / L, L};
}

// The largest difference between the tangent and the derivative by central
// differences, both scaled, relative to the largest scaled tangent entry; an
// entry that is small in the scaled matrix is compared with its own size too.
double tangentError(const omSymMatrix& K, const std::vector<double>& columnScale,
                    const std::vector<double>& rowScale,
                    const std::function<omVector(int, double)>& gradient) {
    const int size = K.size();
    double largest = 0.0;
    for (int i = 0; i < size; ++i)
        for (int j = 0; j < size; ++j)
            largest = std::max(largest, std::fabs(K.atC(i, j) * columnScale[j] / rowScale[i]));
    double worst = 0.0;
    for (int j = 0; j < size; ++j) {
        const double step = 1e-5 * columnScale[j];
        const omVector plus = gradient(j, step);
        const omVector minus = gradient(j, -step);
        for (int i = 0; i < size; ++i) {
            const double fd = (plus[i] - minus[i]) / (2.0 * step) * columnScale[j] / rowScale[i];
            const double k = K.atC(i, j) * columnScale[j] / rowScale[i];
            const double scale = std::max(std::fabs(k), 1e-3 * largest);
            worst = std::max(worst, std::fabs(fd - k) / scale);
        }
    }
    return worst;
}

TEST_F(DravikElementTest, TangentIsTheDerivativeOfTheGradientAtTurnedLoadedStates) {
    // A first moment couples bending and stretching; loads of every kind the
    // element integrates, and a temperature strain and curvature.
    m_section.setProperty(omGenericCrossSection::pSy, omUnitValue(40.0, omUK_cm3));
    m_fe.addLoad(linearLoad(Uz, 0.0, 1.0, 0.3, -0.1));
    m_fe.addLoad(linearLoad(Ux, 0.0, 1.0, -0.2, 0.15));
    m_fe.addLoad(linearLoad(Ry, 0.0, 1.0, 5.0, 2.0));
    m_fe.addLoad(pointLoad(1.0, 30.0, -12.0, 400.0));
    m_fe.addLoad(pointLoad(0.0, -8.0, 5.0, -250.0));
    m_fe.setTemperature(3e-4, 2e-6);
    const int n = int(m_fe.pointCount());
    const Scales s = scalesOf(E * I, L);
    std::vector<double> columns(n + 6, 1.0), rows(n + 6, 1.0);
    columns[0] = columns[1] = s.force;
    rows[0] = rows[1] = s.length;
    for (int i = 2; i < n + 2; ++i)
        rows[i] = s.moment;
    for (int i = n + 2; i < n + 6; ++i) {
        columns[i] = s.length;
        rows[i] = s.force;
    }

    const std::vector<std::vector<double>> states = {
        {-800.0, 150.0, 0.2, 0.45, 0.6, 0.5, 0.9, 0.4, -3.0, -0.1, 25.0},
        {1200.0, -60.0, -1.1, -0.6, 0.05, 0.7, 1.4, -2.0, 7.0, 4.0, -60.0},
        {30.0, 900.0, 2.5, 2.7, 3.0, 3.3, 3.1, 0.0, 0.0, -40.0, 120.0},
    };
    for (const std::vector<double>& values : states) {
        omVector x(n + 6);
        for (int i = 0; i < n + 6; ++i)
            x[i] = values[i];
        omVector U2(6);
        m_fe.setState(x, U2);
        omSymMatrix K;
        omVector S;
        ASSERT_TRUE(m_fe.f_Element(U2, K, S));
        auto gradient = [&](int j, double step) {
            omVector y(x);
            y[j] += step;
            omVector V(6);
            m_fe.setState(y, V);
            omSymMatrix Kp;
            omVector Sp;
            m_fe.f_Element(V, Kp, Sp);
            return Sp;
        };
        EXPECT_LT(tangentError(K, columns, rows, gradient), 1e-6) << "state with Rx0 " << values[0];
    }
}

TEST_F(DravikElementTest, CondensedTangentIsTheDerivativeOfTheCondensedEndForces) {
    m_fe.addLoad(linearLoad(Uz, 0.0, 1.0, 0.8, 0.4));
    m_fe.addLoad(pointLoad(1.0, -900.0, 20.0, 0.0));
    const Scales s = scalesOf(E * I, L);
    const std::vector<double> columns = {s.length, s.length, 1.0, s.length, s.length, 1.0};
    const std::vector<double> rows = {s.force, s.force, s.moment, s.force, s.force, s.moment};

    for (const omVector& base :
         {vec({0.0, 0.0, 0.0, -0.05, 0.8, -0.004}), vec({0.2, -3.0, 0.3, -20.0, 60.0, 0.6}),
          vec({-1.0, 2.0, -0.5, -70.0, -150.0, -1.2})}) {
        m_fe.unknowns().setAllTo(0.0);
        omSymMatrix K22;
        omVector S2;
        ASSERT_TRUE(m_fe.equilibrate(base, K22, S2));
        const omVector converged = m_fe.unknowns();
        auto forces = [&](int j, double step) {
            omVector U2(base);
            U2[j] += step;
            m_fe.unknowns() = converged;
            omSymMatrix Kp;
            omVector Sp;
            EXPECT_TRUE(m_fe.equilibrate(U2, Kp, Sp));
            return Sp;
        };
        EXPECT_LT(tangentError(K22, columns, rows, forces), 1e-6) << "end state " << base;
    }
}

TEST_F(DravikElementTest, StraightUnloadedElementHasTheLinearStiffness) {
    omSymMatrix Kd, Kl;
    omVector S2;
    ASSERT_TRUE(m_fe.equilibrate(omVector(6), Kd, S2));
    m_linear.constructK(Kl, omVector(6), 0.0);
    const Scales s = scalesOf(E * I, L);
    const double scale[6] = {s.length, s.length, 1.0, s.length, s.length, 1.0};
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j <= i; ++j) {
            const double expected = Kl.atC(i, j) * scale[i] * scale[j];
            EXPECT_NEAR(Kd.atC(i, j) * scale[i] * scale[j], expected,
                        1e-9 * E * I / L + 1e-6 * std::fabs(expected))
                << "entry " << i << ", " << j;
        }
    EXPECT_LT(S2.norm(normMax), 1e-9);
}

TEST_F(DravikElementTest, SmallLoadsGiveTheLinearEndForcesAndInternalForces) {
    // Loads and end displacements small enough that the rotations stay near
    // 1e-7, where the geometric terms no longer show.
    addToBoth(linearLoad(Uz, 0.0, 1.0, 2e-4, -1e-4));
    addToBoth(linearLoad(Ux, 0.0, 1.0, 1e-4, 3e-4));
    addToBoth(linearLoad(Ry, 0.0, 1.0, 5e-3, 5e-3));
    addToBoth(pointLoad(1.0, 0.02, -0.03, 1.5));
    addToBoth(pointLoad(0.0, 0.01, 0.04, -2.0));
    addToBoth(temperature(1e-3, -2e-3));
    double epsT = 0.0, kappaT = 0.0;
    m_fe.f_T(epsT, kappaT);
    EXPECT_DOUBLE_EQ(epsT, (1e-3 - 2e-3) / 2.0 * alphaT);
    EXPECT_DOUBLE_EQ(kappaT, (1e-3 + 2e-3) / h * alphaT);
    m_fe.setTemperature(epsT, kappaT);

    const omVector Ue = vec({1e-6, -3e-5, 2e-7, -2e-6, 4e-5, -1e-7});
    omSymMatrix K22;
    omVector S2;
    ASSERT_TRUE(m_fe.equilibrate(Ue, K22, S2));
    omVector F(6);
    m_linear.constructF(Ue, F, 0.0);
    const double scale = F.norm(normMax);
    ASSERT_GT(scale, 0.0);
    const double lever[6] = {1.0, 1.0, 1.0 / L, 1.0, 1.0, 1.0 / L};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(S2[i] * lever[i], F[i] * lever[i], 1e-6 * scale) << "end force " << i;

    // The element's DOFs are equations 1 to 6 on the x axis. (At the second
    // end the linear element counts a load at that end into the section force,
    // this element does not: the member divides at every load point, and the
    // node takes the load.)
    const omVector U = Ue;
    for (double x : {0.0, 0.2, 0.5, 0.85, 1.0}) {
        if (x < 1.0) {
            const omForceVector Fd = m_fe.internalForceAt(x, U);
            const omForceVector Fl = m_linear.internalForceAt(x, U);
            EXPECT_NEAR(Fd.getDof(Ux), Fl.getDof(Ux), 1e-6 * scale) << "N at " << x;
            EXPECT_NEAR(Fd.getDof(Uz), Fl.getDof(Uz), 1e-6 * scale) << "Q at " << x;
            EXPECT_NEAR(Fd.getDof(Ry) / L, Fl.getDof(Ry) / L, 1e-6 * scale) << "M at " << x;
        }
        const omDisplacementVector Dd = m_fe.displacementAt(x, U);
        const omDisplacementVector Dl = m_linear.displacementAt(x, U);
        const double w = 4e-5;
        EXPECT_NEAR(Dd.getDof(Ux), Dl.getDof(Ux), 1e-6 * w) << "u at " << x;
        EXPECT_NEAR(Dd.getDof(Uz), Dl.getDof(Uz), 1e-6 * w) << "w at " << x;
        EXPECT_NEAR(Dd.getDof(Ry) * L, Dl.getDof(Ry) * L, 1e-6 * w) << "rotation at " << x;
    }
}

TEST_F(DravikElementTest, SingularInternalBlockIsRefusedAndChangesNothing) {
    omSymMatrix K22;
    omVector S2;
    ASSERT_TRUE(m_fe.equilibrate(vec({0.0, 0.0, 0.0, 0.0, 1.0, 0.01}), K22, S2));
    const omSymMatrix keptK = K22;
    const omVector keptS = S2;
    const omVector keptZ1 = m_fe.Z1();
    const int n = int(m_fe.pointCount());

    // An internal block of zeros, and one whose last pivot is rounding noise.
    omSymMatrix zero(n + 6);
    omSymMatrix nearlySingular(n + 6);
    for (int i = 0; i < n + 6; ++i)
        nearlySingular.atC(i, i) = 1.0;
    nearlySingular.atC(0, 0) = 1e3;
    nearlySingular.atC(1, 0) = 1e3;
    nearlySingular.atC(1, 1) = 1e3 * (1.0 + 1e-15);
    for (const omSymMatrix* K : {&zero, &nearlySingular}) {
        omVector S(n + 6);
        S.setAllTo(1.0);
        EXPECT_FALSE(m_fe.f_Condense(*K, K22, S, S2));
        EXPECT_EQ(K22, keptK);
        EXPECT_EQ(S2, keptS);
        EXPECT_EQ(m_fe.Z1(), keptZ1);
    }
}

TEST_F(DravikElementTest, AssemblyFailsWithoutAddingAnythingWhenTheElementCannotBeFormed) {
    const omVector U = vec({0.0, 0.0, 0.0, 0.1, 0.2, 0.01});
    auto unchanged = [&](const char* what) {
        omVector S(6);
        S.setAllTo(2.5);
        EXPECT_FALSE(m_fe.setupGlobalKAndF(&U, nullptr, &S, 1)) << what;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(S[i], 2.5) << what;
    };
    {
        omVector S(6);
        ASSERT_TRUE(m_fe.setupGlobalKAndF(&U, nullptr, &S, 1));
    }

    // No bending stiffness, then no material.
    m_section.setProperty(omGenericCrossSection::pIy, omUnitValue(0.0, omUK_cm4));
    unchanged("no bending stiffness");
    m_section.setProperty(omGenericCrossSection::pIy, omUnitValue(I, omUK_cm4));
    m_fe.setMaterial(nullptr);
    unchanged("no material");
    m_fe.setMaterial(&m_material);

    // Both ends at one place.
    omNode2D same(0.0, 0.0, "cm", 3);
    m_fe.setNode2(&same);
    unchanged("no length");
    m_fe.setNode2(m_node2.get());

    // Displacements that are not numbers.
    const omVector broken = vec({0.0, 0.0, 0.0, std::nan(""), 0.0, 0.0});
    omVector S(6);
    EXPECT_FALSE(m_fe.setupGlobalKAndF(&broken, nullptr, &S, 1));
    EXPECT_EQ(S.norm(normMax), 0.0);

    // An end DOF without an equation number.
    m_node2->resetEquationIndexes();
    unchanged("no equation");
}

TEST_F(DravikElementTest, InternalUpdateNeedsACondensation) {
    omVector dU(6);
    dU.setAllTo(0.1);
    m_fe.unknowns()[0] = 5.0;
    EXPECT_EQ(m_fe.solveInternalEquations(dU), 0.0);
    EXPECT_EQ(m_fe.getUnknowns()[0], 5.0);

    // After an assembly it moves the unknowns; clearLoad sets them back to 0.
    const omVector U = vec({0.0, 0.0, 0.0, 0.0, 1.0, 0.0});
    omVector S(6);
    ASSERT_TRUE(m_fe.setupGlobalKAndF(&U, nullptr, &S, 1));
    EXPECT_GT(m_fe.solveInternalEquations(omVector(6)), 0.0);
    EXPECT_GT(m_fe.getUnknowns().norm(normMax), 0.0);
    // clearLoad hands the load back to whoever added it.
    std::unique_ptr<omLoad> load(linearLoad(Uz, 0.0, 1.0, 0.1, 0.1));
    m_fe.addLoad(load.get());
    m_fe.clearLoad();
    EXPECT_TRUE(m_fe.getLoads().empty());
    EXPECT_EQ(m_fe.getUnknowns().norm(normMax), 0.0);
}

TEST_F(DravikElementTest, CopyCarriesTheStateAndItsOwnLoads) {
    m_fe.addLoad(linearLoad(Uz, 0.0, 1.0, 0.1, 0.2));
    const omVector U = vec({0.0, 0.0, 0.0, 0.0, 1.0, 0.0});
    omVector S(6);
    ASSERT_TRUE(m_fe.setupGlobalKAndF(&U, nullptr, &S, 1));
    m_fe.solveInternalEquations(omVector(6));

    omDravikFE copy(m_fe);
    EXPECT_EQ(copy.pointCount(), m_fe.pointCount());
    EXPECT_EQ(copy.getUnknowns(), m_fe.getUnknowns());
    ASSERT_EQ(copy.getLoads().size(), 1u);
    EXPECT_NE(copy.getLoads()[0], m_fe.getLoads()[0]);
    for (double x : {0.0, 0.4, 1.0}) {
        EXPECT_EQ(copy.internalForceAt(x, U), m_fe.internalForceAt(x, U));
        EXPECT_EQ(copy.displacementAt(x, U), m_fe.displacementAt(x, U));
    }
    omDravikFE assigned;
    assigned = m_fe;
    EXPECT_EQ(assigned.getUnknowns(), m_fe.getUnknowns());
    // Both go on alike from the condensation they share.
    EXPECT_EQ(copy.solveInternalEquations(omVector(6)), m_fe.solveInternalEquations(omVector(6)));
    EXPECT_EQ(copy.getUnknowns(), m_fe.getUnknowns());
}

TEST_F(DravikElementTest, DetailsGoToTheCalculationLog) {
    CapturedLog captured({lfElementDetails});
    m_fe.addLoad(linearLoad(Uz, 0.0, 1.0, 0.1, 0.1));
    const omVector U = vec({0.0, 0.0, 0.0, 0.0, 1.0, 0.0});
    omVector S(6);
    ASSERT_TRUE(m_fe.setupGlobalKAndF(&U, nullptr, &S, 1));
    m_fe.solveInternalEquations(omVector(6));
    m_fe.internalForceAt(0.5, U);
    const std::string text = captured.text();
    for (const char* expected : {"\n\nDravik stiffness matrix calculation details:",
                                 "\nLength: 300, Angle: 0",
                                 "\nIteration: 1",
                                 "\nU(int) : ",
                                 "\nU(ext) : ",
                                 "\n\nInternal variables in the numerical integration [0..L]:",
                                 ", integration point: ",
                                 "\nx0L: ",
                                 "\nP[1..p]: ",
                                 "\ndP[1..p]: ",
                                 "\nFi': ",
                                 "\nC11: ",
                                 "\ng[1..p]: ",
                                 "\nh[1..p]: ",
                                 "\nK and S are not complete, yet.",
                                 "\n\nFinal K and S just before the elimination",
                                 "\n\nDisassembled matrices and vectors before elimination",
                                 "\nK11: ",
                                 "\nK12: ",
                                 "\n\nFinal Stiffness matrices and right sides after the elimination",
                                 "\nS2: ",
                                 "\n\nInternal degrees of freedom: .................",
                                 "\nm_L12*dU2: ",
                                 "\n\nInternal deegres of freedom after the global displacements are known",
                                 "\ndU1: ",
                                 "\n\nDravik internal force calculation details:",
                                 "\nPoint x: 0.5"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

} // namespace
