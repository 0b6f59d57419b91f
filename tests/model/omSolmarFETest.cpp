#include "model/elements/omSolmarFE.h"
#include "NonlinearElementSupport.h"
#include "model/elements/omLinearLineFE2D.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace nltest;

namespace {

constexpr double L = 300.0;

class SolmarFE : public ElementFixture<omSolmarFE> {
protected:
    omSolmarFE m_fe;
};

struct TangentCase {
    std::string name;
    double x2, z2;
    omVector U;
    std::function<void(omSolmarFE&)> load;
    double Sy = 0.0;
};

} // namespace

TEST_F(SolmarFE, TangentMatchesFiniteDifferencesOfTheEndForces) {
    const std::vector<TangentCase> cases = {
        {"bent and compressed", L, 0.0, vec6(0.0, 0.0, 0.2, -2.0, 40.0, -0.1), nullptr},
        {"large rotation", L, 0.0, vec6(0.0, 0.0, 0.0, -60.0, -150.0, 0.9), nullptr},
        {"stretched and bent the other way", L, 0.0, vec6(0.1, -1.0, -0.1, 0.4, 20.0, 0.3), nullptr},
        {"inclined", 180.0, 240.0, vec6(0.5, -0.2, 0.1, -4.0, 15.0, -0.2), nullptr},
        {"first moment of area", L, 0.0, vec6(0.0, 0.0, 0.2, -2.0, 40.0, -0.1), nullptr, 150.0},
        {"loaded", L, 0.0, vec6(0.0, 0.0, 0.2, -2.0, 40.0, -0.1),
         [this](omSolmarFE& fe) {
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
        omSolmarFE fe;
        m_section.setProperty(omGenericCrossSection::pSy, omUnitValue(c.Sy, omUK_cm3));
        place(fe, c.x2, c.z2);
        if (c.load) c.load(fe);
        const double error = tangentError(fe, c.U, [](int j) { return j == 2 || j == 5 ? 1e-6 : 1e-4; });
        EXPECT_LT(error, 1e-6);
    }
}

TEST_F(SolmarFE, ZeroStateGivesTheShearFlexibleBeamMatrix) {
    // Timoshenko's beam: with ψ = 12 EI/(GAs L²) the bending terms are those of
    // the slender beam divided by 1 + ψ, the rotation terms shifted by ψ.
    place(m_fe, L, 0.0);
    omStiffnessMatrix K(6, 0);
    omVector S(6);
    ASSERT_TRUE(assemble(m_fe, omVector(6), K, S, 1));
    const double EI = E * I, psi = 12.0 * EI / (G * Vz * L * L), c = EI / ((1.0 + psi) * L * L * L);
    const double a = E * A / L, k12 = 12 * c, k6 = 6 * L * c, k4 = (4 + psi) * L * L * c,
                 k2 = (2 - psi) * L * L * c;
    const double expected[6][6] = {{a, 0, 0, -a, 0, 0}, {0, k12, -k6, 0, -k12, -k6}, {0, -k6, k4, 0, k6, k2},
                                   {-a, 0, 0, a, 0, 0}, {0, -k12, k6, 0, k12, k6},   {0, -k6, k2, 0, k6, k4}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(S[i], 0.0, 1e-12);
        for (int j = 0; j < 6; ++j)
            EXPECT_NEAR(K.atC(i, j), expected[i][j],
                        1e-10 * std::sqrt(std::fabs(expected[i][i] * expected[j][j])))
                << i << "," << j;
    }
}

TEST_F(SolmarFE, LoadsAtRestGiveTheLinearElementsEndForces) {
    // Without a shear area the element is shear-rigid, as the linear one.
    m_section.setProperty(omGenericCrossSection::pVz, omUnitValue(0.0, omUK_cm2));
    const struct {
        const char* name;
        std::function<omLoad*()> load;
    } cases[] = {
        {"uniform", [this] { return linearLoad(Uz, 0.0, 1.0, 1e-7, 1e-7); }},
        {"uniform on a part", [this] { return linearLoad(Uz, 0.2, 0.7, 3e-7, 3e-7); }},
        {"trapezoidal", [this] { return linearLoad(Uz, 0.0, 1.0, 1e-7, 4e-7); }},
        {"axial trapezoidal", [this] { return linearLoad(Ux, 0.1, 0.8, 2e-7, -1e-7); }},
        {"distributed moment", [this] { return linearLoad(Ry, 0.3, 1.0, 1e-5, 1e-5); }},
        {"transverse point", [this] { return pointLoad(0.4, 0.0, 1e-5, 0.0); }},
        {"axial point", [this] { return pointLoad(0.4, 1e-5, 0.0, 0.0); }},
        {"point moment", [this] { return pointLoad(0.4, 0.0, 0.0, 1e-3); }},
        {"temperature gradient", [this] { return temperature(1e-7, -1e-7); }},
        {"uniform temperature", [this] { return temperature(1e-7, 1e-7); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        omSolmarFE fe;
        place(fe, L, 0.0);
        fe.addLoad(c.load());
        expectLinearEndForcesAtRest(fe, L);
    }
}

TEST_F(SolmarFE, EndNodeWithoutEquationsFailsWithNothingAdded) {
    place(m_fe, L, 0.0);
    m_node1->resetEquationIndexes();
    omStiffnessMatrix K(6, 0);
    omVector S(6);
    const omVector U(6);
    EXPECT_FALSE(m_fe.setupGlobalKAndF(&U, &K, &S, 1));
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(S[i], 0.0);
        for (int j = 0; j <= i; ++j)
            EXPECT_EQ(K.atC(i, j), 0.0);
    }
}

TEST_F(SolmarFE, InternalUnknownsStartFromRestInEveryLoadCase) {
    place(m_fe, L, 0.0);
    omLoad* load = pointLoad(0.5, 0.0, 10.0, 0.0);
    m_fe.addLoad(load);
    const omVector U = vec6(0.0, 0.0, 0.1, 0.0, 5.0, 0.0);
    omStiffnessMatrix K(6, 0);
    omVector first(6), again(6);
    settle(m_fe, U, K, first, true);
    EXPECT_FALSE(m_fe.getInternalUnknowns().isNull());
    // Iteration 1 of another case forgets the state.
    omVector S(6);
    ASSERT_TRUE(assemble(m_fe, vec6(0.0, 0.0, -0.3, 0.0, -20.0, 0.1), K, S, 1));
    m_fe.solveInternalEquations(omVector(6));
    settle(m_fe, U, K, again, true);
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(again[i], first[i], 1e-9 * (std::fabs(first[i]) + 1.0)) << i;
    m_fe.clearLoad();
    EXPECT_TRUE(m_fe.getLoads().empty());
    EXPECT_TRUE(m_fe.getInternalUnknowns().isNull());
    delete load;
}

TEST_F(SolmarFE, AssemblyIsLogged) {
    place(m_fe, L, 0.0);
    const omVector U = vec6(0.0, 0.0, 0.01, -0.1, 1.0, 0.0);
    omStiffnessMatrix K(6, 0);
    omVector S(6);
    {
        CapturedLog log({lfElementDetails});
        ASSERT_TRUE(assemble(m_fe, U, K, S, 1));
        const std::string text = log.text();
        for (const char* expected :
             {"\n\nSolmarFE stiffness matrix calculation details:\nLength: 300, Angle: 0\nIteration: 1",
              "\nCurrent internal U1 and displacement vector U2:\nU1 : ",
              "\n\nInternal variables in the numerical integration [0..L]:, integration point: ",
              "\nP*[1..p]: ", "\nFi: ", ", GAs: ",
              "\n\nFinal Stiffness matrices and right sides before the elimination",
              "\n\nMatrices during elimination\niK11: ", "\nL21: ", "\nL22: ",
              "\n\nFinal Stiffness matrices and right sides after the elimination"})
            EXPECT_NE(std::string::npos, text.find(expected)) << expected;
    }
    CapturedLog quiet({lfNodes});
    ASSERT_TRUE(assemble(m_fe, U, K, S, 2));
    EXPECT_EQ(quiet.text(), "");
}
