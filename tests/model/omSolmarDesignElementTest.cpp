// Members of Solmar elements solved along the Solve road.
#include "model/elements/omSolmarDesignElement.h"
#include "FrameBuilder.h"
#include "ModelTestSupport.h"
#include "NonlinearMemberSupport.h"
#include "model/elements/omSolmarFE.h"
#include "model/omElementMap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

using frametest::Frame;
using frametest::kE;
using frametest::kI;
using modeltest::errorCodes;

namespace {

constexpr double kL = 300.0;

omDesignElement* solmar(Frame& f, unsigned id, unsigned n1, unsigned n2, unsigned cs = 1, unsigned fes = 1) {
    auto* member = new omSolmarDesignElement(*f.s.getNodeMap(), n1, n2, cs, 1, id);
    member->setNumberOfFE(fes);
    return f.s.addElement(member, id);
}

// A generic section with a shear area.
void shearSection(Frame& f, unsigned id, double A, double I, double Vz) {
    auto* cs = new omGenericCrossSection(omUnitValue(A, omUK_cm2), omUnitValue(I, omUK_cm4), id);
    cs->setProperty(omGenericCrossSection::pHeight, omUnitValue(30.0, omUK_cm));
    cs->setProperty(omGenericCrossSection::pBreadth, omUnitValue(20.0, omUK_cm));
    cs->setProperty(omGenericCrossSection::pVz, omUnitValue(Vz, omUK_cm2));
    f.s.addCrossSection(cs, id);
}

class SolmarMember : public modeltest::ModelTest {
protected:
    // A cantilever along x, clamped at node 1, with nodal loads at node 2.
    static void cantilever(Frame& f, unsigned cs, unsigned fes, double Fx, double Fz, double My = 0.0) {
        f.node(1, 0.0, 0.0);
        f.node(2, kL, 0.0);
        f.fix(1, {Ux, Uz, Ry});
        ASSERT_NE(solmar(f, 1, 1, 2, cs, fes), nullptr);
        f.nodeForce(2, Fx, Fz, My);
        f.loadCase("tip");
    }
};

} // namespace

TEST_F(SolmarMember, ShearCantileverDeflectsByBendingAndShear) {
    const double A = 100.0, Vz = 40.0, P = 1.0;
    const double EI = kE * kI, GAs = 0.4 * kE * Vz;
    Frame f;
    shearSection(f, 2, A, kI, Vz);
    cantilever(f, 2, 1, 0.0, P);
    solveroad::Options options;
    options.displacementPrecision = 1e-12;
    ASSERT_TRUE(f.solve(options));
    const double w = P * kL * kL * kL / (3.0 * EI) + P * kL / GAs;
    EXPECT_NEAR(f.nodeResult(2, Uz), w, 1e-6 * w);
    EXPECT_NEAR(f.nodeResult(2, Ry), -P * kL * kL / (2.0 * EI), 1e-6 * P * kL * kL / (2.0 * EI));
    // Along the member, from the element's own unknowns.
    for (double x : {0.0, 0.3, 0.5, 0.8, 1.0}) {
        const double s = x * kL;
        const double wx = P * s * s * (3.0 * kL - s) / (6.0 * EI) + P * s / GAs;
        EXPECT_NEAR(f.u(1, x, Uz), wx, 1e-6 * w) << x;
        EXPECT_NEAR(f.M(1, x), -P * (kL - s), 1e-6 * P * kL) << x;
        // The forces act on the rotated cross-section.
        const double theta = f.u(1, x, Ry);
        EXPECT_NEAR(f.V(1, x), P * std::cos(theta), 1e-6 * P) << x;
        EXPECT_NEAR(f.N(1, x), -P * std::sin(theta), 1e-6 * P) << x;
    }
}

TEST_F(SolmarMember, SmallLoadsGiveTheLinearResults) {
    // The sections of the frame have no shear area: the members are shear-rigid.
    const double scale = 1e-6;
    Frame linear, nonlinear;
    nlframe::portalFrame(linear, nlframe::linearMember, scale);
    nlframe::portalFrame(
        nonlinear,
        [](Frame& f, unsigned id, unsigned n1, unsigned n2) { ASSERT_NE(solmar(f, id, n1, n2), nullptr); },
        scale);
    solveroad::Options options;
    options.displacementPrecision = 1e-15;
    ASSERT_TRUE(linear.solve(options));
    ASSERT_TRUE(nonlinear.solve(options));
    nlframe::expectSameResults(linear, nonlinear, 1e-6, false);
}

TEST_F(SolmarMember, DistributedMomentActsOnce) {
    // A cantilever under a uniform distributed moment m: the moment grows
    // linearly to m·L at the clamp and the tip turns by m·L²/(2 EI).
    const double m = 1e-3;
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, kL, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    ASSERT_NE(solmar(f, 1, 1, 2), nullptr);
    auto* load = new omLoadLinear(f.s.getStructureType(), 0);
    load->setFs(Ry, omUnitValue(m, omUK_kNcm_cm));
    load->setFe(Ry, omUnitValue(m, omUK_kNcm_cm));
    ASSERT_TRUE(f.s.addElementLoad(1, load, "G"));
    f.loadCase("moment");
    solveroad::Options options;
    options.displacementPrecision = 1e-15;
    ASSERT_TRUE(f.solve(options));
    const double EI = kE * kI;
    EXPECT_NEAR(std::fabs(f.nodeResult(2, Ry)), m * kL * kL / (2.0 * EI), 1e-6 * m * kL * kL / (2.0 * EI));
    for (double x : {0.0, 0.25, 0.5, 1.0})
        EXPECT_NEAR(std::fabs(f.M(1, x)), m * kL * (1.0 - x), 1e-6 * m * kL) << x;
}

TEST_F(SolmarMember, SecondOrderCantileverIsWithinOnePercentOfTheClosedForm) {
    // The closed form of the second-order theory, tip = H/(N k)·(tan kL - kL)
    // and M = H·tan(kL)/k; the geometrically exact member also shortens.
    const double EI = 17547.6e4, H = 10.0;
    for (double N : {500.0, 2000.0}) {
        SCOPED_TRACE(N);
        Frame f;
        f.section(2, 78.1, EI / kE);
        cantilever(f, 2, 1, -N, H);
        ASSERT_TRUE(f.solve());
        const double k = std::sqrt(N / EI);
        const double tip = H / (N * k) * (std::tan(k * kL) - k * kL);
        EXPECT_NEAR(f.nodeResult(2, Uz), tip, 0.01 * tip);
        EXPECT_NEAR(-f.M(1, 0.0), H * std::tan(k * kL) / k, 0.01 * H * std::tan(k * kL) / k);
    }
}

TEST_F(SolmarMember, CantileverBucklesAtTheEulerLoad) {
    // Below the buckling load the cantilever converges; above it the perfect
    // one fails without results, the load increments stopping just below it,
    // whatever division is asked for.
    const double EI = 17547.6e4, H = 10.0;
    const double Pcr = std::numbers::pi * std::numbers::pi * EI / (4.0 * kL * kL);
    for (unsigned fes : {1u, 6u}) {
        SCOPED_TRACE(fes);
        {
            Frame f;
            f.section(2, 78.1, EI / kE);
            cantilever(f, 2, fes, -0.98 * Pcr, H);
            ASSERT_TRUE(f.solve());
            EXPECT_GT(f.nodeResult(2, Uz), 10.0);
        }
        for (double ratio : {1.02, 1.05}) {
            SCOPED_TRACE(ratio);
            omErrorContainer::instance()->reset();
            Frame f;
            f.section(2, 78.1, EI / kE);
            cantilever(f, 2, fes, -ratio * Pcr, 0.0);
            EXPECT_FALSE(f.solve());
            const std::vector<unsigned> codes = errorCodes();
            ASSERT_EQ(codes.size(), 1u);
            EXPECT_TRUE(codes[0] == 1022 || codes[0] == 1026) << codes[0];
            EXPECT_EQ(f.nodeResult(2, Ux), 0.0);
            EXPECT_EQ(f.M(1, 0.0), 0.0);
        }
    }
}

TEST_F(SolmarMember, ImperfectCantileverAboveTheBucklingLoadStandsInTheBentEquilibrium) {
    // A transverse force as well: the bent member carries 1.02 times the
    // buckling load in a stable equilibrium far from the straight axis, which
    // the load increments reach; the clamp balances both tip forces on their
    // deflected lever arms.
    const double EI = 17547.6e4, H = 10.0;
    const double N = 1.02 * std::numbers::pi * std::numbers::pi * EI / (4.0 * kL * kL);
    Frame f;
    f.section(2, 78.1, EI / kE);
    cantilever(f, 2, 1, -N, H);
    ASSERT_TRUE(f.solve());
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{});
    const double ux = f.nodeResult(2, Ux), uz = f.nodeResult(2, Uz);
    EXPECT_GT(uz, 0.2 * kL);
    const double Mclamp = N * uz + H * (kL + ux);
    EXPECT_NEAR(std::fabs(f.nodeResult(1, Ry)), Mclamp, 1e-4 * Mclamp);
}

TEST_F(SolmarMember, DefaultDivisionGivesEngineeringAccuracy) {
    // One element of linear curvature cannot hold a parabolic moment: a
    // simply supported member under a uniform load deflects by qL⁴/96EI
    // instead of 5qL⁴/384EI, and a cantilever near buckling is 5 % off.
    const double EI = kE * kI;
    {
        const double q = 0.01;
        Frame f;
        f.node(1, 0.0, 0.0);
        f.node(2, kL, 0.0);
        f.fix(1, {Ux, Uz});
        f.fix(2, {Uz});
        ASSERT_NE(solmar(f, 1, 1, 2), nullptr);
        f.uniform(1, q);
        f.loadCase("uniform");
        ASSERT_TRUE(f.solve());
        const double w = 5.0 * q * kL * kL * kL * kL / (384.0 * EI), M = q * kL * kL / 8.0;
        EXPECT_NEAR(f.u(1, 0.5, Uz), w, 2e-3 * w);
        EXPECT_NEAR(f.M(1, 0.5), M, 2e-3 * M);
        EXPECT_GE(f.element(1)->getFEs().size(), 4u);
    }
    {
        // 0.9 of the buckling load and a tip force across; the axis of this
        // section hardly shortens.
        const double P = 0.9 * std::numbers::pi * std::numbers::pi * EI / (4.0 * kL * kL), H = 1.0;
        Frame f;
        f.section(2, 1e5, kI);
        cantilever(f, 2, 1, -P, H);
        ASSERT_TRUE(f.solve());
        const double k = std::sqrt(P / EI);
        const double tip = H / (P * k) * (std::tan(k * kL) - k * kL);
        EXPECT_NEAR(f.nodeResult(2, Uz), tip, 5e-3 * tip);
        EXPECT_NEAR(std::fabs(f.nodeResult(1, Ry)), H * std::tan(k * kL) / k,
                    5e-3 * H * std::tan(k * kL) / k);
    }
}

TEST_F(SolmarMember, LargeRotationsAreExact) {
    // The axis of these sections hardly stretches.
    const double EI = 17547.6e4;
    {
        // An end moment θ·EI/L bends the cantilever into a circular arc.
        const double theta = 1.0;
        Frame f;
        f.section(2, 1e5, EI / kE);
        cantilever(f, 2, 1, 0.0, 0.0, theta * EI / kL);
        ASSERT_TRUE(f.solve());
        EXPECT_NEAR(f.nodeResult(2, Ry), theta, 1e-6);
        EXPECT_NEAR(f.nodeResult(2, Ux), -(kL - kL / theta * std::sin(theta)), 1e-6 * kL);
        EXPECT_NEAR(f.nodeResult(2, Uz), -kL / theta * (1.0 - std::cos(theta)), 1e-6 * kL);
    }
    {
        // The elastica under a tip load with P L²/EI = 1.
        Frame f;
        f.section(2, 1e5, EI / kE);
        cantilever(f, 2, 2, 0.0, EI / (kL * kL));
        ASSERT_TRUE(f.solve());
        EXPECT_NEAR(f.nodeResult(2, Uz) / kL, 0.30172, 2e-4 * 0.30172);
        EXPECT_NEAR(-f.nodeResult(2, Ux) / kL, 0.05643, 2e-4 * 0.05643);
        EXPECT_NEAR(-f.nodeResult(2, Ry), 0.46135, 2e-4 * 0.46135);
    }
}

TEST_F(SolmarMember, MemberKeepsItsKindWhenCopiedOrCreated) {
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, kL, 0.0);
    omDesignElement* member = solmar(f, 7, 1, 2);
    ASSERT_NE(member, nullptr);
    EXPECT_TRUE(f.s.hasNonlinearElements());
    EXPECT_FALSE(member->isLinear());
    member->setMaterialIndex2(3);

    std::unique_ptr<omDesignElement> copy(member->clone());
    ASSERT_NE(dynamic_cast<omSolmarDesignElement*>(copy.get()), nullptr);
    EXPECT_FALSE(copy->isLinear());
    EXPECT_EQ(copy->getIndex(), 7u);

    ASSERT_TRUE(member->bindNodes());
    std::unique_ptr<omDesignElement> created(member->create());
    ASSERT_NE(dynamic_cast<omSolmarDesignElement*>(created.get()), nullptr);
    EXPECT_EQ(created->getIndex(), 0u);
    EXPECT_EQ(created->getNode1(), member->getNode1());
    EXPECT_EQ(created->getNodeIndex2(), 2u);
    EXPECT_EQ(created->getMaterialIndex2(), 3u);

    std::unique_ptr<omLineFE> fe(dynamic_cast<omSolmarDesignElement*>(member)->createLineFE());
    EXPECT_NE(dynamic_cast<omSolmarFE*>(fe.get()), nullptr);
}
