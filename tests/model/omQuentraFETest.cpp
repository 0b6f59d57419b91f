#include "model/elements/omQuentraFE.h"
#include "NonlinearElementSupport.h"
#include "model/elements/omLinearLineFE2D.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace nltest;

namespace {

constexpr double L = 300.0;

class QuentraFE : public ElementFixture<omQuentraFE> {
protected:
    // The linear element on the same nodes, section, material and loads.
    void assembleLinear(const omVector& U, omStiffnessMatrix& K, omVector& S) {
        omLinearLineFE2D linear;
        attach(linear);
        for (const omLoad* load : m_fe.getLoads())
            linear.addLoad(load->clone());
        K.reset();
        S.resize(6);
        S.setAllTo(0.0);
        ASSERT_TRUE(linear.setupGlobalKAndF(&U, &K, &S, 1));
    }

    omQuentraFE m_fe;
};

// --- tangent

struct TangentCase {
    std::string name;
    double x2, z2;
    omVector U;
    // Adds the loads of the case to the element.
    std::function<void(omQuentraFE&)> load;
    double Sy = 0.0;
};

} // namespace

TEST_F(QuentraFE, TangentMatchesFiniteDifferencesOfTheEndForces) {
    const std::vector<TangentCase> cases = {
        {"bent and compressed", L, 0.0, vec6(0.0, 0.0, 0.02, -0.3, 4.0, -0.01), nullptr},
        {"stretched and bent the other way", L, 0.0, vec6(0.1, -1.0, -0.01, 0.4, 2.0, 0.03), nullptr},
        {"inclined", 180.0, 240.0, vec6(0.5, -0.2, 0.01, -0.4, 1.5, -0.02), nullptr},
        {"first moment of area", L, 0.0, vec6(0.0, 0.0, 0.02, -0.3, 4.0, -0.01), nullptr, 150.0},
        {"loaded", L, 0.0, vec6(0.0, 0.0, 0.02, -0.3, 4.0, -0.01),
         [this](omQuentraFE& fe) {
             fe.addLoad(linearLoad(Uz, 0.2, 0.9, 0.5, 2.0));
             fe.addLoad(linearLoad(Ux, 0.0, 1.0, -0.3, 0.1));
             fe.addLoad(linearLoad(Ry, 0.1, 0.6, 5.0, -3.0));
             fe.addLoad(pointLoad(0.4, -20.0, 15.0, 300.0));
             fe.addLoad(temperature(30.0, -10.0));
         },
         150.0},
    };
    for (const TangentCase& c : cases) {
        SCOPED_TRACE(c.name);
        omQuentraFE fe;
        m_section.setProperty(omGenericCrossSection::pSy, omUnitValue(c.Sy, omUK_cm3));
        place(fe, c.x2, c.z2);
        if (c.load) c.load(fe);
        const double error = tangentError(fe, c.U, [](int j) { return j == 2 || j == 5 ? 1e-6 : 1e-4; });
        EXPECT_LT(error, 1e-6);
    }
}

TEST_F(QuentraFE, LoadsAtRestGiveTheLinearElementsEndForces) {
    const struct {
        const char* name;
        std::function<omLoad*()> load;
    } cases[] = {
        {"uniform", [this] { return linearLoad(Uz, 0.0, 1.0, 1e-7, 1e-7); }},
        {"trapezoidal on a part", [this] { return linearLoad(Uz, 0.2, 0.7, 1e-7, 4e-7); }},
        {"axial trapezoidal", [this] { return linearLoad(Ux, 0.1, 0.8, 2e-7, -1e-7); }},
        {"distributed moment", [this] { return linearLoad(Ry, 0.3, 1.0, 1e-5, 3e-5); }},
        {"transverse point", [this] { return pointLoad(0.4, 0.0, 1e-5, 0.0); }},
        {"axial point", [this] { return pointLoad(0.4, 1e-5, 0.0, 0.0); }},
        {"point moment", [this] { return pointLoad(0.4, 0.0, 0.0, 1e-3); }},
        {"temperature gradient", [this] { return temperature(1e-7, -1e-7); }},
        {"uniform temperature", [this] { return temperature(1e-7, 1e-7); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        omQuentraFE fe;
        place(fe, L, 0.0);
        fe.addLoad(c.load());
        expectLinearEndForcesAtRest(fe, L);
    }
}

TEST_F(QuentraFE, ZeroStateGivesTheLinearBendingMatrixPlusTheAxialStiffness) {
    for (const double z2 : {0.0, 240.0}) {
        SCOPED_TRACE(z2);
        omQuentraFE fe;
        place(fe, 180.0, z2);
        omStiffnessMatrix K(6, 0), KL(6, 0);
        omVector S(6), SL(6);
        ASSERT_TRUE(assemble(fe, omVector(6), K, S, 1));
        omLinearLineFE2D linear;
        attach(linear);
        const omVector U(6);
        ASSERT_TRUE(linear.setupGlobalKAndF(&U, &KL, &SL, 1));
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(S[i], 0.0);
            for (int j = 0; j <= i; ++j)
                EXPECT_NEAR(K.atC(i, j), KL.atC(i, j), 1e-10 * std::sqrt(KL.atC(i, i) * KL.atC(j, j)))
                    << i << "," << j;
        }
    }
}

TEST_F(QuentraFE, CreepCaseReadsTheReducedModulus) {
    class CreepingMaterial : public omMaterial {
    public:
        using omMaterial::omMaterial;
        omUnitValue E(double phi) const override { return omMaterial::E(0.0) / (1.0 + phi); }
    };
    CreepingMaterial creeping(E, G, 1.2e-5, 0.0, 0.3, 2);
    place(m_fe, L, 0.0);
    m_fe.setMaterial(&creeping);
    omStiffnessMatrix elastic(6, 0), crept(6, 0);
    omVector S(6);
    ASSERT_TRUE(assemble(m_fe, omVector(6), elastic, S, 1));
    m_fe.setCreepFi(2.0);
    ASSERT_TRUE(assemble(m_fe, omVector(6), crept, S, 1));
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(crept.atC(i, i), elastic.atC(i, i) / 3.0, 1e-12 * elastic.atC(i, i)) << i;
}

TEST_F(QuentraFE, FailingAssemblyAddsNothing) {
    omStiffnessMatrix K(6, 0);
    omVector S(6);
    const omVector U(6);
    {
        // A compression far beyond the buckling load of the internal modes.
        omQuentraFE fe;
        place(fe, L, 0.0);
        fe.addLoad(pointLoad(1.0, -1e8, 0.0, 0.0));
        EXPECT_FALSE(fe.setupGlobalKAndF(&U, &K, &S, 1));
    }
    {
        // An end node whose DOFs have no equation numbers.
        omQuentraFE fe;
        place(fe, L, 0.0);
        m_node2->resetEquationIndexes();
        EXPECT_FALSE(fe.setupGlobalKAndF(&U, &K, &S, 1));
        // Both K and S are needed.
        place(fe, L, 0.0);
        EXPECT_FALSE(fe.setupGlobalKAndF(&U, &K, nullptr, 1));
        EXPECT_FALSE(fe.setupGlobalKAndF(&U, nullptr, &S, 1));
    }
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(S[i], 0.0);
        for (int j = 0; j <= i; ++j)
            EXPECT_EQ(K.atC(i, j), 0.0);
    }
}

TEST_F(QuentraFE, ClearLoadResetsTheInternalUnknownsAndKeepsTheLoads) {
    place(m_fe, L, 0.0);
    omLoad* load = linearLoad(Uz, 0.0, 1.0, 0.5, 0.5);
    m_fe.addLoad(load);
    omStiffnessMatrix K(6, 0);
    omVector S(6);
    settle(m_fe, vec6(0.0, 0.0, 0.0, -0.5, 0.0, 0.0), K, S, true);
    EXPECT_NE(m_fe.getAxialForce(), 0.0);
    EXPECT_NE(m_fe.getParameters()[6], 0.0);
    m_fe.clearLoad();
    EXPECT_TRUE(m_fe.getLoads().empty());
    EXPECT_EQ(m_fe.getAxialForce(), 0.0);
    EXPECT_TRUE(m_fe.getParameters().isNull());
    delete load;
}

TEST_F(QuentraFE, MomentAtTheFirstEndHasNoSecondOrderPart) {
    // A stretched, bent element: the moment at x = 0 is the end moment alone,
    // further along the axial force acts on the rotations.
    place(m_fe, L, 0.0);
    const omVector U = vec6(0.0, 0.0, 0.02, 0.5, 3.0, -0.01);
    omStiffnessMatrix K(6, 0);
    omVector S(6);
    settle(m_fe, U, K, S, true);
    ASSERT_GT(m_fe.getAxialForce(), 1000.0);
    EXPECT_NEAR(m_fe.internalForceAt(0.0, U).getDof(Ry), -m_fe.getEndForces()[2], 1e-9 * std::fabs(S[2]));
    const double linear = -m_fe.getEndForces()[2] - m_fe.getEndForces()[1] * L;
    EXPECT_GT(std::fabs(m_fe.internalForceAt(1.0, U).getDof(Ry) - linear), 1.0);
    // At the second end equilibrium gives its end moment back.
    EXPECT_NEAR(m_fe.internalForceAt(1.0, U).getDof(Ry), m_fe.getEndForces()[5], 1e-6 * std::fabs(S[5]));
}

TEST_F(QuentraFE, AssemblyAndUpdateAreLogged) {
    place(m_fe, L, 0.0);
    const omVector U = vec6(0.0, 0.0, 0.01, -0.1, 1.0, 0.0);
    omStiffnessMatrix K(6, 0);
    omVector S(6);
    {
        CapturedLog log({lfElementMatrices, lfElementDetails, lfCondensation, lfElementForces});
        ASSERT_TRUE(assemble(m_fe, U, K, S, 1));
        m_fe.solveInternalEquations(omVector(6));
        const std::string text = log.text();
        for (const char* expected :
             {"\n\nQuentraFE stiffness matrix calculation details:\nNode1: 1, Node2: 2, Length: 300, Angle: "
              "0\nU=",
              "\nxi=", "\nDm=", "\nIt=", "\n\nElement Forces:\nNodal S(1..6)=", "\nInternal S(7..9)=",
              "\nInternal deformation Rd=", "\n\nElement Matrices K11, K12, K22 ...\nK11=", "\nK13=",
              "\nK33=", "\n\nElimination of S7,S8,S9 and Rd\nK11=", "\nS1=",
              "\n\nSolution of internal equations:\ndU=", "\nNd="})
            EXPECT_NE(std::string::npos, text.find(expected)) << expected;
    }
    CapturedLog quiet({lfNodes});
    ASSERT_TRUE(assemble(m_fe, U, K, S, 2));
    EXPECT_EQ(quiet.text(), "");
}
