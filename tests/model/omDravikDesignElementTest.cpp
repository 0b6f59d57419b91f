// The non-linear member: its division at load points, its identity, and whole
// structures of such members solved along the Solve road against closed forms
// of second-order and large-rotation theory.
#include "model/elements/omDravikDesignElement.h"
#include "FrameBuilder.h"
#include "ModelTestSupport.h"
#include "model/elements/omDravikFE.h"
#include "model/omElementLoadGroup.h"
#include "model/omNode2D.h"
#include "model/omNodeMap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

using frametest::Frame;
using modeltest::errorCodes;

namespace {

// The section of an IPE 300 in steel: E I = 17547.6 kNm².
constexpr double E = 21000.0; // kN/cm²
constexpr double A = 53.8;    // cm²
constexpr double I = 8356.0;  // cm⁴
constexpr double EI = E * I;  // kNcm²
constexpr double L = 300.0;   // cm

// A frame whose section 1 is the IPE 300.
class DravikFrame : public Frame {
public:
    static constexpr unsigned kIPE = 9;
    DravikFrame() { section(kIPE, A, I, 30.0, 15.0); }
    // The IPE 300's values with a first moment of area, as a section whose
    // reference axis lies off its centroid.
    void eccentricSection(unsigned id, double Sy) {
        auto* cs = new omGenericCrossSection(omUnitValue(A, omUK_cm2), omUnitValue(I, omUK_cm4), id);
        cs->setProperty(omGenericCrossSection::pHeight, omUnitValue(30.0, omUK_cm));
        cs->setProperty(omGenericCrossSection::pBreadth, omUnitValue(15.0, omUK_cm));
        cs->setProperty(omGenericCrossSection::pSy, omUnitValue(Sy, omUK_cm3));
        s.addCrossSection(cs, id);
    }
    omDravikDesignElement* dravik(unsigned id, unsigned n1, unsigned n2, unsigned cs = kIPE) {
        auto* e = new omDravikDesignElement(*s.getNodeMap(), n1, n2, cs, 1, id);
        return dynamic_cast<omDravikDesignElement*>(s.addElement(e, id));
    }
    // A cantilever fixed at node 1, from (0, 0) to (L cos α, L sin α).
    void cantilever(double alpha = 0.0) {
        node(1, 0.0, 0.0);
        node(2, L * std::cos(alpha), L * std::sin(alpha));
        fix(1, {Ux, Uz, Ry});
        dravik(1, 1, 2);
    }
};

class DravikMemberTest : public modeltest::ModelTest {};

std::vector<double> positions(const omDesignElement& e) {
    std::vector<double> p;
    for (int i = 0; i < e.getFEPositions().size(); ++i)
        p.push_back(e.getFEPositions()[i]);
    return p;
}

TEST_F(DravikMemberTest, MemberIsDividedAtItsLoadPointsAndIntoThirds) {
    // Every load point is a division point, and every stretch between them
    // is divided into the fewest equal parts no longer than the member's
    // length over its number of finite elements (at least three).
    struct Case {
        const char* name;
        std::vector<double> points;    // concentrated loads
        std::vector<double> stretches; // start and end of linear loads
        std::vector<double> expected;
        unsigned fes = 1;
    };
    const Case cases[] = {
        {"no load", {}, {}, {0.0, 1.0 / 3.0, 2.0 / 3.0, 1.0}},
        {"no load, six asked for", {}, {}, {0.0, 1.0 / 6.0, 2.0 / 6.0, 0.5, 4.0 / 6.0, 5.0 / 6.0, 1.0}, 6},
        {"point at mid-span", {0.5}, {}, {0.0, 0.25, 0.5, 0.75, 1.0}},
        {"middle third", {}, {1.0 / 3.0, 2.0 / 3.0}, {0.0, 0.33333, 0.66667, 1.0}},
        {"points within 1e-5", {0.4, 0.400003, 0.399996}, {}, {0.0, 0.2, 0.4, 0.7, 1.0}},
        {"loads at the ends", {0.0, 1.0}, {0.0, 1.0}, {0.0, 1.0 / 3.0, 2.0 / 3.0, 1.0}},
        {"points and a stretch", {0.25, 0.75}, {0.25, 0.6}, {0.0, 0.25, 0.425, 0.6, 0.75, 1.0}},
    };
    for (const Case& c : cases) {
        DravikFrame f;
        f.node(1, 0.0, 0.0);
        f.node(2, L, 0.0);
        f.dravik(1, 1, 2)->setNumberOfFE(c.fes);
        for (double x : c.points)
            f.point(1, x, 1.0);
        for (size_t k = 0; k + 1 < c.stretches.size(); k += 2)
            f.linear(1, 0.1, 0.1, c.stretches[k], c.stretches[k + 1]);
        f.s.bind();
        const omDesignElement& e = *f.element(1);
        ASSERT_EQ(e.getFEs().size(), c.expected.size() - 1) << c.name;
        const std::vector<double> p = positions(e);
        for (size_t i = 0; i < p.size(); ++i)
            EXPECT_NEAR(p[i], c.expected[i], 1e-12) << c.name << ", position " << i;
        EXPECT_EQ(e.getInternalNodes().size(), c.expected.size() - 2) << c.name;
        size_t i = 1;
        for (const omNode* n : e.getInternalNodes()) {
            const omVector v = n->getVector(omUK_cm, omNode::coorPlain);
            EXPECT_NEAR(v(1), c.expected[i++] * L, 1e-9) << c.name;
            EXPECT_EQ(v(2), 0.0);
        }
        // Every concentrated load lands on an end of a finite element, within
        // the rounding of 1e-5 of the member.
        f.s.distributeElementLoad();
        for (size_t k = 0; k < e.getFEs().size(); ++k)
            for (const omLoad* load : e.getFEs()[k]->getLoads())
                if (load->getType() == omLoad::Concentrated) {
                    const double x = static_cast<const omLoadForce*>(load)->getX();
                    EXPECT_LE(std::min(x, 1.0 - x) * (p[k + 1] - p[k]), 1.0001e-5) << c.name << ": " << x;
                }
        for (const omLineFE* fe : e.getFEs())
            EXPECT_NE(dynamic_cast<const omDravikFE*>(fe), nullptr);
    }
}

TEST_F(DravikMemberTest, LoadJustBesideALoadPointActsAtThatPoint) {
    // Loads at 0.2 and 0.200004 of the member share one division point; the
    // second lies 1.5e-5 of its element's length beyond the point, and must
    // act there, not at the element's far end (0.467). The reaction at the
    // first support is that of two loads at 0.2.
    const double P = 1.0;
    DravikFrame f;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux, Uz});
    f.fix(2, {Uz});
    f.dravik(1, 1, 2);
    f.point(1, 0.2, P);
    f.point(1, 0.200004, P);
    f.loadCase("two loads");
    ASSERT_TRUE(f.solve());
    EXPECT_NEAR(-f.nodeResult(1, Uz), 2.0 * P * 0.8, 1e-4 * P);
}

TEST_F(DravikMemberTest, CloneAndCreateMakeNonLinearMembers) {
    DravikFrame f;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    omDravikDesignElement* e = f.dravik(7, 1, 2);
    e->setMaterialIndex2(3);
    e->setName("Column");
    f.point(7, 0.5, 2.0);
    EXPECT_FALSE(e->isLinear());

    std::unique_ptr<omDesignElement> copy(e->clone());
    ASSERT_NE(dynamic_cast<omDravikDesignElement*>(copy.get()), nullptr);
    EXPECT_FALSE(copy->isLinear());
    EXPECT_EQ(copy->getIndex(), 7u);
    EXPECT_EQ(copy->getName(), "Column");
    ASSERT_NE(copy->getLoad(), nullptr);
    EXPECT_EQ(copy->getLoad()->size(), 1);

    for (bool bound : {false, true}) {
        if (bound) f.s.bind();
        std::unique_ptr<omDesignElement> created(e->create());
        ASSERT_NE(dynamic_cast<omDravikDesignElement*>(created.get()), nullptr);
        EXPECT_EQ(created->getIndex(), 0u);
        EXPECT_EQ(created->getNodeIndex1(), 1u);
        EXPECT_EQ(created->getNodeIndex2(), 2u);
        EXPECT_EQ(created->getCrossSectionIndex(), DravikFrame::kIPE);
        EXPECT_EQ(created->getMaterialIndex(), 1u);
        EXPECT_EQ(created->getMaterialIndex2(), 3u);
        EXPECT_EQ(created->getLoad(), nullptr);
    }

    // The structure is solved as a non-linear one.
    f.loadCase("P");
    f.fix(1, {Ux, Uz, Ry});
    ASSERT_TRUE(f.solve());
}

TEST_F(DravikMemberTest, PolynomialDegreeOutsideTheTablesIsRefused) {
    const unsigned before = omDravikFE::m_N;
    for (unsigned degree : {0u, 1u, 9u, 40u}) {
        EXPECT_FALSE(omDravikFE::SetPolyDegree(degree)) << degree;
        EXPECT_EQ(omDravikFE::m_N, before);
    }
    omDravikFE existing;
    ASSERT_TRUE(omDravikFE::SetPolyDegree(8));
    EXPECT_EQ(omDravikFE::m_N, 9u);
    omDravikFE built;
    EXPECT_EQ(built.pointCount(), 9u);
    EXPECT_EQ(built.getUnknowns().size(), 11);
    // An element keeps the number of points it was built with.
    EXPECT_EQ(existing.pointCount(), before);
    EXPECT_EQ(existing.getUnknowns().size(), int(before) + 2);
    ASSERT_TRUE(omDravikFE::SetPolyDegree(2));
    EXPECT_EQ(omDravikFE::m_N, 3u);
    ASSERT_TRUE(omDravikFE::SetPolyDegree(before - 1));

    omDravikFE::SetLobato(true);
    EXPECT_TRUE(omDravikFE::m_bLobato);
    omDravikFE::SetLobato(false);
}

// ---------------------------------------------------------------------------
// Second-order theory

struct SecondOrder {
    double N;     // kN, compression
    double tip;   // cm
    double Mbase; // kNcm
};

class DravikSecondOrderTest : public modeltest::ModelTest,
                              public ::testing::WithParamInterface<std::tuple<SecondOrder, double>> {};

INSTANTIATE_TEST_SUITE_P(Cantilever, DravikSecondOrderTest,
                         ::testing::Combine(::testing::Values(SecondOrder{500.0, 0.57160, 3285.8},
                                                              SecondOrder{2000.0, 0.87288, 4745.8}),
                                            ::testing::Values(0.0, -std::numbers::pi / 2.0, 0.5)),
                         [](const auto& info) {
                             const double alpha = std::get<1>(info.param);
                             return "N" + std::to_string(int(std::get<0>(info.param).N)) +
                                    (alpha == 0.0  ? "_Horizontal"
                                     : alpha < 0.0 ? "_Column"
                                                   : "_Inclined");
                         });

TEST_P(DravikSecondOrderTest, CantileverUnderCompressionAndATransverseTipLoad) {
    // H = 10 kN across the member and the compression N along it, at the tip.
    const auto [expected, alpha] = GetParam();
    const double H = 10.0;
    DravikFrame f;
    f.cantilever(alpha);
    const double c = std::cos(alpha), s = std::sin(alpha);
    // Along the member (towards node 1) -N, across it H, turned into global axes.
    f.nodeForce(2, -expected.N * c - H * s, -expected.N * s + H * c);
    f.loadCase("second order");
    ASSERT_TRUE(f.solve());
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{});

    // The tip's displacement across the member, and the base moment.
    const double ux = f.nodeResult(2, Ux), uz = f.nodeResult(2, Uz);
    const double across = -s * ux + c * uz;
    EXPECT_NEAR(across, expected.tip, 0.01 * expected.tip);
    EXPECT_NEAR(f.u(1, 1.0, Uz), expected.tip, 0.01 * expected.tip);
    EXPECT_NEAR(std::fabs(f.M(1, 0.0)), expected.Mbase, 0.01 * expected.Mbase);
    EXPECT_NEAR(std::fabs(f.nodeResult(1, Ry)), expected.Mbase, 0.01 * expected.Mbase);
    EXPECT_NEAR(f.N(1, 0.5), -expected.N, 0.01 * expected.N);
}

TEST_F(DravikMemberTest, SmallLoadsGiveTheLinearMembers) {
    // An inclined member with a point load, a partial linear load and a
    // temperature gradient, hinged to a second member on a roller (a thrust
    // carried by the members' axial stiffness would be the one result that
    // the shortening of bent members moves by about 1e-6), and loads that bend the
    // members by about 1e-5 cm. The geometric terms grow with the square of
    // the deflection and the rounding of the element's kinematic condition
    // (the length minus the integral along the axis) stays near 1e-13 cm, so
    // both lie far below 1e-6 of the largest displacement.
    auto build = [](Frame& f, bool nonlinear) {
        f.node(1, 0.0, 0.0);
        f.node(2, 400.0, -300.0);
        f.node(3, 900.0, -300.0);
        f.fix(1, {Ux, Uz, Ry});
        f.fix(3, {Uz});
        for (unsigned id : {1u, 2u}) {
            if (nonlinear)
                f.s.addElement(new omDravikDesignElement(*f.s.getNodeMap(), id, id + 1, 1, 1, id), id);
            else
                f.member(id, id, id + 1, 1);
        }
        f.element(1)->release(omDesignElement::second, Ry, true);
        f.point(1, 0.3, 1e-3, 1e-3, 0.05);
        f.linear(1, 2e-6, 6e-6, 0.5, 0.9, 5e-6);
        f.temperature(1, 1e-3, -1e-3);
        f.uniform(2, 2e-6);
        f.loadCase("small");
    };
    Frame linear, dravik;
    build(linear, false);
    build(dravik, true);
    ASSERT_TRUE(linear.solve());
    ASSERT_TRUE(dravik.solve());

    const std::vector<double> points = {0.0, 0.1, 0.25, 0.35, 0.5, 0.7, 0.9, 1.0};
    double uMax = 0.0, fiMax = 0.0, forceMax = 0.0, momentMax = 0.0;
    for (unsigned e : {1u, 2u})
        for (double x : points) {
            uMax = std::max({uMax, std::fabs(linear.u(e, x, Ux)), std::fabs(linear.u(e, x, Uz))});
            fiMax = std::max(fiMax, std::fabs(linear.u(e, x, Ry)));
            forceMax = std::max({forceMax, std::fabs(linear.N(e, x)), std::fabs(linear.V(e, x))});
            momentMax = std::max(momentMax, std::fabs(linear.M(e, x)));
        }
    ASSERT_GT(uMax, 1e-5);
    ASSERT_LT(uMax, 1e-3);
    const double tolerance = 1e-6;
    // The hinge holds no moment.
    EXPECT_NEAR(dravik.M(1, 1.0), 0.0, tolerance * momentMax);
    // (At the load point itself the two members report the two sides of the
    // jump, so the comparison keeps off it.)
    for (unsigned e : {1u, 2u})
        for (double x : points) {
            EXPECT_NEAR(dravik.M(e, x), linear.M(e, x), tolerance * momentMax) << e << " at " << x;
            EXPECT_NEAR(dravik.N(e, x), linear.N(e, x), tolerance * forceMax) << e << " at " << x;
            EXPECT_NEAR(dravik.V(e, x), linear.V(e, x), tolerance * forceMax) << e << " at " << x;
            EXPECT_NEAR(dravik.u(e, x, Ux), linear.u(e, x, Ux), tolerance * uMax) << e << " at " << x;
            EXPECT_NEAR(dravik.u(e, x, Uz), linear.u(e, x, Uz), tolerance * uMax) << e << " at " << x;
            EXPECT_NEAR(dravik.u(e, x, Ry), linear.u(e, x, Ry), tolerance * fiMax) << e << " at " << x;
        }
    // The free node DOFs. (The reactions are taken at the start of the last
    // iteration, so those of a non-linear structure carry the residual that
    // the last increment removed; the member's own forces above are those of
    // the final state.)
    const std::pair<unsigned, omDofType> free[] = {{2, Ux}, {2, Uz}, {2, Ry}, {3, Ux}, {3, Ry}};
    for (const auto& [node, t] : free)
        EXPECT_NEAR(dravik.nodeResult(node, t), linear.nodeResult(node, t),
                    tolerance * (t == Ry ? fiMax : uMax))
            << "node " << node << ", DOF " << t;
}

// ---------------------------------------------------------------------------
// Large rotations

TEST_F(DravikMemberTest, EndMomentBendsTheCantileverIntoACircle) {
    for (double theta : {1.0, -1.0}) {
        DravikFrame f;
        f.cantilever();
        f.nodeForce(2, 0.0, 0.0, theta * EI / L);
        f.loadCase("end moment");
        ASSERT_TRUE(f.solve()) << theta;
        const double r = L / std::fabs(theta);
        EXPECT_NEAR(f.nodeResult(2, Ry), theta, 1e-4);
        EXPECT_NEAR(f.nodeResult(2, Ux), -(L - r * std::sin(std::fabs(theta))), 1e-4 * L);
        // φ = -dw/dx: a positive rotation lifts the tip (z points down).
        EXPECT_NEAR(f.nodeResult(2, Uz), -theta / std::fabs(theta) * r * (1.0 - std::cos(theta)), 1e-4 * L);
        // The moment is the same all along, and so is the curvature.
        for (double x : {0.0, 0.5, 1.0})
            EXPECT_NEAR(f.M(1, x), theta * EI / L, 1e-4 * EI / L) << x;
        EXPECT_NEAR(f.u(1, 0.5, Ry), theta / 2.0, 1e-4);
    }
}

TEST_F(DravikMemberTest, TipLoadGivesTheElastica) {
    // P L² / EI = 1, the load keeping its direction across the original axis.
    // The closed form is that of an inextensible member; the tension of the
    // IPE 300 under this load (P = 1950 kN) would stretch it by 0.1 %, so the
    // section's area is raised. The default member, a finer division and a
    // higher degree all give the four digits of the closed form.
    struct Division {
        unsigned members, degree;
    };
    const unsigned before = omDravikFE::m_N;
    const double tolerance = 2e-4;
    for (const Division d : {Division{1, before - 1}, Division{4, before - 1}, Division{1, 8}}) {
        ASSERT_TRUE(omDravikFE::SetPolyDegree(d.degree));
        DravikFrame f;
        f.section(2, 1e4 * A, I, 30.0, 15.0);
        for (unsigned i = 0; i <= d.members; ++i)
            f.node(i + 1, L * i / d.members, 0.0);
        f.fix(1, {Ux, Uz, Ry});
        for (unsigned i = 1; i <= d.members; ++i)
            f.dravik(i, i, i + 1, 2);
        const unsigned tip = d.members + 1;
        f.nodeForce(tip, 0.0, EI / (L * L));
        f.loadCase("elastica");
        const bool solved = f.solve();
        omDravikFE::SetPolyDegree(before - 1);
        ASSERT_TRUE(solved);
        const std::string name =
            std::to_string(d.members) + " member(s) of degree " + std::to_string(d.degree);
        EXPECT_NEAR(f.nodeResult(tip, Uz) / L, 0.3017, tolerance * 0.3017) << name;
        EXPECT_NEAR(-f.nodeResult(tip, Ux) / L, 0.0564, 5e-5) << name;
        EXPECT_NEAR(-f.nodeResult(tip, Ry), 0.4614, tolerance * 0.4614) << name;
    }
}

TEST_F(DravikMemberTest, LargeTipLoadGivesTheElasticaThroughLoadIncrements) {
    // P L²/EI = 10 and 20 turn the tip by 82° and 88°. The first Newton step
    // from rest, the linear solution, lies far beyond, where the tangent is
    // not positive definite; the load increments reach the equilibrium. The
    // reference values come from elastica.py beside this test. The last case
    // also warms the member by 500 °C, which lengthens it by ε = 0.6 %: the
    // member's moment is EI times the change of its rotation per unit of the
    // unstretched length, so the warm member is an elastica of length
    // L' = (1 + ε) L and stiffness (1 + ε) EI, P L'²/EI' = 10.06. That shows
    // that the temperature too acts in full at the end of the increments.
    struct Case {
        double a;        // P L²/EI
        double dT;       // uniform temperature rise
        double w, u, th; // tip deflection across and shortening along, over L', and rotation
    };
    const Case cases[] = {
        {10.0, 0.0, 0.810609024880, 0.554995597754, 1.430285538804},
        {20.0, 0.0, 0.868695898285, 0.683885567566, 1.532934956297},
        {10.0, 500.0, 0.811237890951, 0.556283172222, 1.431613200799},
    };
    const double tolerance = 1e-3;
    for (const Case& c : cases) {
        omErrorContainer::instance()->reset();
        DravikFrame f;
        // The axis hardly stretches under the tension along the bent member.
        f.section(2, 1e4 * A, I, 30.0, 15.0);
        f.node(1, 0.0, 0.0);
        f.node(2, L, 0.0);
        f.fix(1, {Ux, Uz, Ry});
        f.dravik(1, 1, 2, 2);
        f.nodeForce(2, 0.0, c.a * EI / (L * L));
        if (c.dT != 0.0) f.temperature(1, c.dT, c.dT);
        f.loadCase("elastica");
        ASSERT_TRUE(f.solve()) << c.a;
        EXPECT_EQ(errorCodes(), std::vector<unsigned>{});
        const double Lt = L * (1.0 + 1.2e-5 * c.dT);
        SCOPED_TRACE(c.a);
        EXPECT_NEAR(f.nodeResult(2, Uz) / Lt, c.w, tolerance * c.w);
        EXPECT_NEAR((Lt - (L + f.nodeResult(2, Ux))) / Lt, c.u, tolerance * c.u);
        EXPECT_NEAR(-f.nodeResult(2, Ry), c.th, tolerance * c.th);
        // The member's own results at its tip are those of the node.
        EXPECT_NEAR(f.u(1, 1.0, Ry), f.nodeResult(2, Ry), 1e-9);
    }
}

TEST_F(DravikMemberTest, BeamColumnMomentIsTheAmplifiedMomentAtTheDefaultDivision) {
    // Simply supported, a uniform load across and a compression of 0.35 and
    // 0.75 of the buckling load: M(L/2) = q/k²·(sec(kL/2) - 1) with k² = N/EI,
    // and w(L/2) = q/(EI k⁴)·(sec(kL/2) - 1 - (kL/2)²/2). One element over the
    // member misses the moment by 0.7 and 1.6 %.
    const double q = 0.01;
    for (double ratio : {0.35, 0.75}) {
        SCOPED_TRACE(ratio);
        DravikFrame f;
        f.section(2, 1e4 * A, I, 30.0, 15.0);
        f.node(1, 0.0, 0.0);
        f.node(2, L, 0.0);
        f.fix(1, {Ux, Uz});
        f.fix(2, {Uz});
        f.dravik(1, 1, 2, 2);
        const double N = ratio * std::numbers::pi * std::numbers::pi * EI / (L * L);
        f.nodeForce(2, -N, 0.0);
        f.uniform(1, q);
        f.loadCase("beam-column");
        ASSERT_TRUE(f.solve());
        const double k = std::sqrt(N / EI), h = k * L / 2.0;
        const double M = q / (k * k) * (1.0 / std::cos(h) - 1.0);
        const double w = q / (EI * k * k * k * k) * (1.0 / std::cos(h) - 1.0 - h * h / 2.0);
        EXPECT_NEAR(f.M(1, 0.5), M, 2e-3 * M);
        EXPECT_NEAR(f.u(1, 0.5, Uz), w, 2e-3 * w);
        // The hinged ends hold next to no moment.
        EXPECT_NEAR(f.M(1, 0.0), 0.0, 1e-3 * M);
        EXPECT_NEAR(f.M(1, 1.0), 0.0, 1e-3 * M);
    }
}

// ---------------------------------------------------------------------------
// Stability

TEST_F(DravikMemberTest, CantileverBelowTheBucklingLoadConverges) {
    const double Pcr = std::numbers::pi * std::numbers::pi * EI / (4.0 * L * L);
    const double N = 0.99 * Pcr, H = 1.0;
    DravikFrame f;
    f.cantilever();
    f.nodeForce(2, -N, H);
    f.loadCase("below");
    ASSERT_TRUE(f.solve());
    // Second-order theory of the extensible member: the axial strain ε
    // shortens the lever of N, k² = (1 + ε) N / EI, and stretches the deflection.
    const double eps = -N / (E * A);
    const double k = std::sqrt((1.0 + eps) * N / EI);
    const double tip = (1.0 + eps) * H / (N * k) * (std::tan(k * L) - k * L);
    EXPECT_NEAR(f.nodeResult(2, Uz), tip, 0.01 * tip);
}

TEST_F(DravikMemberTest, PerfectCantileverAboveTheBucklingLoadFailsWithoutResults) {
    // The extensible member buckles where N (1 - N/EA) reaches π²EI/4L², 0.4 %
    // above it for this section: 1.01 times it still lies beyond. The
    // straight member is the only equilibrium that the load increments can
    // follow, and beyond the buckling load its tangent is not positive
    // definite.
    const double Pcr = std::numbers::pi * std::numbers::pi * EI / (4.0 * L * L);
    for (double ratio : {1.01, 1.05, 2.0}) {
        omErrorContainer::instance()->reset();
        DravikFrame f;
        f.cantilever();
        f.nodeForce(2, -ratio * Pcr, 0.0);
        f.loadCase("above");
        CapturedLog log({lfLoadCase});
        EXPECT_FALSE(f.solve()) << ratio;
        const std::vector<unsigned> codes = errorCodes();
        ASSERT_EQ(codes.size(), 1u) << ratio;
        EXPECT_TRUE(codes[0] == 1022 || codes[0] == 1026) << codes[0];
        EXPECT_EQ(f.nodeResult(2, Ux), 0.0);
        EXPECT_EQ(f.M(1, 0.0), 0.0);
        // The increments stop just below the buckling load.
        const std::string text = log.text();
        const size_t at = text.find("stopped at the load level ");
        ASSERT_NE(at, std::string::npos) << text;
        const double reached = std::stod(text.substr(at + 26));
        EXPECT_LE(reached * ratio, 1.005) << ratio;
        EXPECT_GE(reached * ratio, 0.95) << ratio;
    }
}

TEST_F(DravikMemberTest, ImperfectCantileverAboveTheBucklingLoadStandsInTheBentEquilibrium) {
    // With a transverse force as well the bent member carries a load above
    // the buckling load in a stable equilibrium far from the straight axis,
    // which the load increments reach. The clamp's moment balances both tip
    // forces on the deflected lever arms.
    const double Pcr = std::numbers::pi * std::numbers::pi * EI / (4.0 * L * L);
    const double N = 1.01 * Pcr, H = 1.0;
    DravikFrame f;
    f.cantilever();
    f.nodeForce(2, -N, H);
    f.loadCase("above");
    ASSERT_TRUE(f.solve());
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{});
    const double ux = f.nodeResult(2, Ux), uz = f.nodeResult(2, Uz);
    // The elastica just beyond the buckling load turns the tip by about 16°.
    EXPECT_GT(uz, 0.1 * L);
    EXPECT_GT(-f.nodeResult(2, Ry), 0.2);
    const double Mclamp = N * uz + H * (L + ux);
    EXPECT_NEAR(std::fabs(f.nodeResult(1, Ry)), Mclamp, 1e-4 * Mclamp);
}

TEST_F(DravikMemberTest, ElementThatCannotBeCondensedFailsTheAssembly) {
    // Without bending stiffness the rotations inside the element are free.
    DravikFrame f;
    f.section(2, A, 0.0, 30.0, 15.0);
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    f.dravik(1, 1, 2, 2);
    f.nodeForce(2, 0.0, 5.0);
    f.loadCase("no bending stiffness");
    EXPECT_FALSE(f.solve());
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1025});
    EXPECT_EQ(f.nodeResult(2, Uz), 0.0);
}

TEST_F(DravikMemberTest, EveryLoadCaseStartsFromTheUndeformedMember) {
    // A large rotation first, then a small load: the second case is the linear
    // answer, whatever the first left behind.
    DravikFrame f;
    f.cantilever();
    f.s.addLoadGroup("small");
    f.nodeForce(2, 0.0, 0.0, EI / L);
    f.nodeForce(2, 0.0, 0.01, 0.0, "small");
    omLoadCase* large = f.loadCase("large");
    (*large)(2) = 0.0;
    omLoadCase* small = f.loadCase("small");
    (*small)(1) = 0.0;
    ASSERT_TRUE(f.solve());
    EXPECT_NEAR(f.nodeResult(2, Ry, 1), 1.0, 1e-4);
    EXPECT_NEAR(f.nodeResult(2, Uz, 2), 0.01 * L * L * L / (3.0 * EI), 1e-6 * 0.01 * L * L * L / (3.0 * EI));
}

TEST_F(DravikMemberTest, UniformTemperatureLengthensAFreeMemberWithoutBendingIt) {
    // The reference axis lies off the centroid (a first moment of area), yet a
    // member free to expand takes no moment and stays straight.
    DravikFrame f;
    f.eccentricSection(2, 60.0);
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    f.dravik(1, 1, 2, 2);
    f.temperature(1, 40.0, 40.0);
    f.loadCase("warm");
    ASSERT_TRUE(f.solve());
    EXPECT_NEAR(f.nodeResult(2, Ux), 1.2e-5 * 40.0 * L, 1e-9);
    EXPECT_NEAR(f.nodeResult(2, Uz), 0.0, 1e-9);
    EXPECT_NEAR(f.nodeResult(2, Ry), 0.0, 1e-12);
    EXPECT_NEAR(f.M(1, 0.0), 0.0, 1e-6);
    EXPECT_NEAR(f.nodeResult(1, Ry), 0.0, 1e-6);
}

} // namespace
