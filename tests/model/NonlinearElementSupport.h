#pragma once
// A single non-linear beam element between two free nodes whose DOFs get the
// equations 1 to 6, with a generic section (so that the first moment and the
// shear area can be set), one load group and helpers that drive the element's
// internal unknowns to equilibrium and compare its tangent with the finite
// differences of its end forces.
#include "ElementLoads.h"
#include "ModelTestSupport.h"
#include "model/elements/omLineFE.h"
#include "model/elements/omLinearLineFE2D.h"
#include "model/omDofStructureType.h"
#include "model/omGenericCrossSection.h"
#include "model/omLoad.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omNode2D.h"
#include "model/omStiffnessMatrix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace nltest {

using modeltest::frame;
using modeltest::vec6;

// E 21000 kN/cm2, G 8100 kN/cm2, alfaT 1.2e-5 1/°C; a section of A 78 cm2,
// Iy 5700 cm4, height 20 cm, breadth 20 cm and shear area Vz 25 cm2.
template <class FE> class ElementFixture : public modeltest::ModelTest, protected modeltest::ElementLoads {
public:
    static constexpr double E = 21000.0;
    static constexpr double G = 8100.0;
    static constexpr double A = 78.0;
    static constexpr double I = 5700.0;
    static constexpr double Vz = 25.0;

protected:
    void SetUp() override {
        ModelTest::SetUp();
        m_section.setProperty(omGenericCrossSection::pHeight, omUnitValue(20.0, omUK_cm));
        m_section.setProperty(omGenericCrossSection::pBreadth, omUnitValue(20.0, omUK_cm));
        m_section.setProperty(omGenericCrossSection::pVz, omUnitValue(Vz, omUK_cm2));
    }

    // Places the element from (0, 0) to (x2, z2) in cm and numbers its DOFs 1 to 6.
    void place(FE& fe, double x2, double z2) {
        m_node1 = std::make_unique<omNode2D>(0.0, 0.0, "cm", 1);
        m_node2 = std::make_unique<omNode2D>(x2, z2, "cm", 2);
        attach(fe);
        ASSERT_TRUE(modeltest::numberEndNodes(fe, *m_node1, *m_node2));
    }
    // The end forces of the element at rest under its one load match those of
    // the linear element, relative to the largest of them (moments over the length).
    void expectLinearEndForcesAtRest(FE& fe, double length) {
        omStiffnessMatrix K(6, 0), KL(6, 0);
        omVector S(6), SL(6);
        settle(fe, omVector(6), K, S, true);
        {
            omLinearLineFE2D linear;
            attach(linear);
            linear.addLoad(fe.getLoads()[0]->clone());
            const omVector U(6);
            ASSERT_TRUE(linear.setupGlobalKAndF(&U, &KL, &SL, 1));
        }
        double largest = 0.0;
        for (int i = 0; i < 6; ++i)
            largest = std::max(largest, std::fabs(SL[i]) * (i == 2 || i == 5 ? 1.0 / length : 1.0));
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(S[i], SL[i], 1e-8 * largest * (i == 2 || i == 5 ? length : 1.0)) << i;
    }

    void attach(omLineFE& fe) {
        fe.setNode1(m_node1.get());
        fe.setNode2(m_node2.get());
        fe.setMaterial(&m_material);
        fe.setCrossSection(&m_section);
    }

    // Assembles the element at the total displacements U into K and S (both
    // cleared first). The first call of a load case is iteration 1.
    static bool assemble(FE& fe, const omVector& U, omStiffnessMatrix& K, omVector& S, unsigned iteration) {
        K.reset();
        S.resize(6);
        S.setAllTo(0.0);
        return fe.setupGlobalKAndF(&U, &K, &S, iteration);
    }
    // Iterates the element's internal unknowns at fixed end displacements U
    // until they no longer change, and leaves its tangent and end forces there.
    // fresh starts from zero unknowns (iteration 1).
    static void settle(FE& fe, const omVector& U, omStiffnessMatrix& K, omVector& S, bool fresh) {
        ASSERT_TRUE(assemble(fe, U, K, S, fresh ? 1u : 2u));
        double change = 0.0;
        for (unsigned n = 2; n < 40; ++n) {
            change = fe.solveInternalEquations(omVector(6));
            ASSERT_TRUE(assemble(fe, U, K, S, n));
            if (change == 0.0) break;
        }
        ASSERT_LT(change, 1e-6);
    }

    // The largest difference between the tangent at U and the central
    // differences of the end forces, each relative to the geometric mean of
    // the two diagonal entries it couples (so that entries of every unit
    // count alike). step(j) is the difference step of DOF j.
    template <class Step> static double tangentError(FE& fe, const omVector& U, Step step) {
        omStiffnessMatrix K(6, 0);
        omVector S(6);
        settle(fe, U, K, S, true);
        double error = 0.0;
        for (int j = 0; j < 6; ++j) {
            const double h = step(j);
            omVector Sp(6), Sm(6);
            for (int sign : {1, -1}) {
                FE probe(fe);
                omVector Uh(U);
                Uh[j] += sign * h;
                omStiffnessMatrix Kh(6, 0);
                settle(probe, Uh, Kh, sign > 0 ? Sp : Sm, false);
            }
            for (int i = 0; i < 6; ++i) {
                const double fd = (Sp[i] - Sm[i]) / (2.0 * h);
                const double scale = std::sqrt(std::fabs(K.atC(i, i) * K.atC(j, j)));
                error = std::max(error, std::fabs(fd - K.atC(i, j)) / scale);
            }
        }
        return error;
    }

    omMaterial m_material{E, G, 1.2e-5, 0.0, 0.3, 1};
    omGenericCrossSection m_section{omUnitValue(A, omUK_cm2), omUnitValue(I, omUK_cm4), 1};
    std::unique_ptr<omNode2D> m_node1;
    std::unique_ptr<omNode2D> m_node2;
};

} // namespace nltest
