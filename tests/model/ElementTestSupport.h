#pragma once
// A single plane beam element between two free nodes, with a material, a
// rectangular section, one load group and helpers that build its loads. The
// element's six DOFs get equations 1 to 6, so a global vector of six entries is
// the element's own displacement vector in global axes.
#include "ElementLoads.h"
#include "ModelTestSupport.h"
#include "model/elements/ACubicFunction.h"
#include "model/elements/omLinearLineFE2D.h"
#include "model/omCrossSectionRect.h"
#include "model/omLoad.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omNode2D.h"
#include "rezavud/omSymMatrix.h"

#include <cmath>
#include <memory>
#include <vector>

namespace elementtest {

// Makes the protected steps of the element callable.
class ProbeFE : public omLinearLineFE2D {
public:
    using omLinearLineFE2D::calculateW;
    using omLinearLineFE2D::calculateWZeroes;
    using omLinearLineFE2D::constructF;
    using omLinearLineFE2D::constructGroundK;
    using omLinearLineFE2D::constructK;
    using omLinearLineFE2D::integrateW;
    using omLinearLineFE2D::internalAtGround;
    using omLinearLineFE2D::parseLoad;
    using omLinearLineFE2D::setGroundK;
    using omLinearLineFE2D::setupIndex;
    const omVector& endForces() const { return m_F; }
};

using modeltest::frame;
using modeltest::vec6;

// E 3000 kN/cm2, alfaT 1e-5 1/°C, section h 40 cm by b 30 cm.
class BeamFixture : public modeltest::ModelTest, protected modeltest::ElementLoads {
public:
    static constexpr double E = 3000.0;
    static constexpr double alphaT = 1e-5;
    static constexpr double h = 40.0;
    static constexpr double b = 30.0;
    static constexpr double A = b * h;
    static constexpr double I = b * h * h * h / 12.0;

protected:
    // Places the element from (0, 0) to (x2, z2) in cm and numbers its DOFs 1 to 6.
    void place(double x2, double z2) {
        m_node1 = std::make_unique<omNode2D>(0.0, 0.0, "cm", 1);
        m_node2 = std::make_unique<omNode2D>(x2, z2, "cm", 2);
        m_fe.setNode1(m_node1.get());
        m_fe.setNode2(m_node2.get());
        m_fe.setMaterial(&m_material);
        m_fe.setCrossSection(&m_section);
        number();
    }

    void number() { ASSERT_TRUE(modeltest::numberEndNodes(m_fe, *m_node1, *m_node2)); }

    // Deletes the element's loads and empties its list.
    void dropLoads() {
        for (omLoad* load : m_fe.getLoads())
            delete load;
        m_fe.clearLoad();
    }

    // The element forces at the global displacements U, in global axes.
    omVector forces(const omVector& U) {
        omVector S(6);
        EXPECT_TRUE(m_fe.setupGlobalKAndF(&U, nullptr, &S, 1));
        return S;
    }

    omMaterial m_material{E, 0.0, alphaT, 0.0, 0.2, 1};
    omCrossSectionRect m_section{h, b, omUK_cm, 1};
    std::unique_ptr<omNode2D> m_node1;
    std::unique_ptr<omNode2D> m_node2;
    ProbeFE m_fe;
};

// ∫ from a to c of f by composite Simpson's rule; exact for cubics, and close
// enough for the products of the shape functions with a fine division.
template <class F> double simpson(F f, double a, double c, int n = 2000) {
    const double step = (c - a) / n;
    double sum = f(a) + f(c);
    for (int i = 1; i < n; ++i)
        sum += f(a + i * step) * (i % 2 ? 4.0 : 2.0);
    return sum * step / 3.0;
}

// The transverse shape functions of DOFs 1, 2, 4, 5 at x on an element of length L.
inline double shape(int dof, double x, double L) {
    const double t = x / L;
    switch (dof) {
    case 1:
        return 1.0 - 3.0 * t * t + 2.0 * t * t * t;
    case 2:
        return -L * t * (1.0 - t) * (1.0 - t);
    case 4:
        return 3.0 * t * t - 2.0 * t * t * t;
    case 5:
        return L * t * t * (1.0 - t);
    default:
        return 0.0;
    }
}

} // namespace elementtest
