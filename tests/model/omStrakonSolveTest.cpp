// Whole structures solved along the Solve road and checked against closed forms.
#include "CapturedLog.h"
#include "FrameBuilder.h"
#include "ModelTestSupport.h"
#include "model/elements/omDravikDesignElement.h"
#include "model/omEnvelope.h"
#include "model/omLinkedNode.h"
#include "model/omNodeMap.h"
#include "model/omStiffnessMatrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <string>

using frametest::Frame;
using frametest::kA;
using frametest::kB;
using frametest::kE;
using frametest::kH;
using frametest::kI;
using modeltest::errorArguments;
using modeltest::errorCodes;

namespace {

const double EI = kE * kI;
const double EA = kE * kA;

// Relative closeness for formulations that are exact: only rounding is left.
void expectExact(double actual, double expected, double scale = 0.0) {
    const double tolerance = 1e-9 * std::max(std::fabs(expected), scale) + 1e-12;
    EXPECT_NEAR(actual, expected, tolerance);
}

class SolveTest : public modeltest::ModelTest, public ::testing::WithParamInterface<unsigned> {};
class StructureTest : public modeltest::ModelTest {};

// Every closed form below holds whatever the number of finite elements per member.
INSTANTIATE_TEST_SUITE_P(FiniteElements, SolveTest, ::testing::Values(1u, 3u),
                         [](const auto& info) { return std::to_string(info.param) + "FE"; });

} // namespace

TEST_P(SolveTest, CantileverUnderATipLoad) {
    const double L = 400.0, P = 12.0;
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    f.member(1, 1, 2, GetParam());
    f.nodeForce(2, 0.0, P);
    f.loadCase("tip");
    ASSERT_TRUE(f.solve());

    expectExact(f.nodeResult(2, Uz), P * L * L * L / (3.0 * EI));
    expectExact(f.nodeResult(2, Ry), -P * L * L / (2.0 * EI));
    expectExact(f.M(1, 0.0), -P * L, P * L);
    expectExact(f.M(1, 0.5), -P * L / 2.0, P * L);
    expectExact(f.V(1, 0.3), P, P);
    const double x = 0.5 * L;
    expectExact(f.u(1, 0.5, Uz), P * x * x * (3.0 * L - x) / (6.0 * EI));
    // The support holds the load.
    expectExact(f.nodeResult(1, Uz), -P);
    expectExact(std::fabs(f.nodeResult(1, Ry)), P * L);
}

TEST_P(SolveTest, SimplySupportedBeamUnderAUniformLoad) {
    const double L = 600.0, q = 0.2;
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux, Uz});
    f.fix(2, {Uz});
    f.member(1, 1, 2, GetParam());
    f.uniform(1, q);
    f.loadCase("q");
    ASSERT_TRUE(f.solve());

    const double M0 = q * L * L / 8.0;
    expectExact(f.M(1, 0.5), M0);
    expectExact(f.M(1, 0.0), 0.0, M0);
    expectExact(f.M(1, 1.0), 0.0, M0);
    expectExact(f.M(1, 0.2), q * 0.2 * L * 0.8 * L / 2.0);
    expectExact(f.u(1, 0.5, Uz), 5.0 * q * std::pow(L, 4) / (384.0 * EI));
    expectExact(f.nodeResult(1, Ry), -q * L * L * L / (24.0 * EI));
    expectExact(f.nodeResult(2, Ry), q * L * L * L / (24.0 * EI));
    expectExact(f.nodeResult(1, Uz), -q * L / 2.0);
}

TEST_P(SolveTest, FixedEndBeamUnderAUniformLoad) {
    const double L = 500.0, q = 0.1;
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    f.fix(2, {Ux, Uz, Ry});
    // One finite element leaves no free equation; the results still come from
    // an assembly at the (zero) displacements.
    f.member(1, 1, 2, GetParam());
    f.uniform(1, q);
    f.loadCase("q");
    ASSERT_TRUE(f.solve());

    const double qL2 = q * L * L;
    expectExact(f.M(1, 0.0), -qL2 / 12.0, qL2);
    expectExact(f.M(1, 1.0), -qL2 / 12.0, qL2);
    expectExact(f.M(1, 0.5), qL2 / 24.0, qL2);
    expectExact(f.u(1, 0.5, Uz), q * std::pow(L, 4) / (384.0 * EI));
}

TEST_P(SolveTest, TwoSpanContinuousBeam) {
    const double L = 400.0, q = 0.15;
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.node(3, 2.0 * L, 0.0);
    f.fix(1, {Ux, Uz});
    f.fix(2, {Uz});
    f.fix(3, {Uz});
    f.member(1, 1, 2, GetParam());
    f.member(2, 2, 3, GetParam());
    f.uniform(1, q);
    f.uniform(2, q);
    f.loadCase("q");
    ASSERT_TRUE(f.solve());

    const double qL2 = q * L * L;
    expectExact(f.M(1, 1.0), -qL2 / 8.0, qL2);
    expectExact(f.M(2, 0.0), -qL2 / 8.0, qL2);
    // The middle support takes 5/4 qL.
    expectExact(f.nodeResult(2, Uz), -1.25 * q * L);
}

TEST_F(StructureTest, PortalFrameUnderAHorizontalLoad) {
    // Fixed feet, stiff axial members: base and knee moments of the classic
    // closed form with k = Ib h / (Ic L).
    const double h = 400.0, L = 600.0, H = 20.0, Ic = kI, Ib = 2.0 * kI, stiff = 1e6;
    Frame f;
    f.section(2, stiff, Ic);
    f.section(3, stiff, Ib);
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.node(3, 0.0, -h);
    f.node(4, L, -h);
    f.fix(1, {Ux, Uz, Ry});
    f.fix(2, {Ux, Uz, Ry});
    f.member(1, 1, 3, 1, 2);
    f.member(2, 2, 4, 1, 2);
    f.member(3, 3, 4, 1, 3);
    f.nodeForce(3, H, 0.0);
    f.loadCase("wind");
    ASSERT_TRUE(f.solve());

    const double k = Ib * h / (Ic * L);
    const double base = H * h * (1.0 + 3.0 * k) / (2.0 * (1.0 + 6.0 * k));
    const double knee = 3.0 * k * H * h / (2.0 * (1.0 + 6.0 * k));
    for (unsigned column : {1u, 2u}) {
        EXPECT_NEAR(std::fabs(f.M(column, 0.0)), base, 1e-5 * base) << column;
        EXPECT_NEAR(std::fabs(f.M(column, 1.0)), knee, 1e-5 * knee) << column;
    }
    EXPECT_NEAR(std::fabs(f.M(3, 0.0)), knee, 1e-5 * knee);
    // Each foot takes half the load.
    EXPECT_NEAR(f.nodeResult(1, Ux), -H / 2.0, 1e-6 * H);
    EXPECT_NEAR(f.nodeResult(2, Ux), -H / 2.0, 1e-6 * H);
}

TEST_F(StructureTest, TemperatureInARestrainedBar) {
    const double L = 500.0, dT = 30.0, alpha = 1.2e-5;
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    f.fix(2, {Ux, Uz, Ry});
    f.member(1, 1, 2, 2);
    f.s.addLoadGroup("gradient");
    f.temperature(1, dT, dT);
    f.temperature(1, -dT / 2.0, dT / 2.0, "gradient");
    omLoadCase* uniform = f.loadCase("uniform");
    (*uniform)(2) = 0.0;
    omLoadCase* gradient = f.loadCase("gradient");
    (*gradient)(1) = 0.0;
    ASSERT_TRUE(f.solve());

    for (double x : {0.0, 0.3, 0.5, 1.0}) {
        expectExact(f.N(1, x, 1), -EA * alpha * dT);
        expectExact(f.M(1, x, 1), 0.0, EA * alpha * dT);
        expectExact(std::fabs(f.M(1, x, 2)), EI * alpha * dT / kH);
        expectExact(f.N(1, x, 2), 0.0, EI * alpha * dT / kH);
        expectExact(f.u(1, x, Uz, 2), 0.0, 1e-6);
    }
}

TEST_F(StructureTest, SettlementOfAFixedEndSupport) {
    const double L = 500.0, delta = 1.5;
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    f.fix(2, {Ux, Uz, Ry});
    f.member(1, 1, 2, 2);
    f.settlement(2, Uz, delta);
    f.loadCase("settlement");
    ASSERT_TRUE(f.solve());

    const double M = 6.0 * EI * delta / (L * L);
    expectExact(std::fabs(f.M(1, 0.0)), M);
    expectExact(f.M(1, 1.0), -f.M(1, 0.0), M);
    expectExact(f.M(1, 0.5), 0.0, M);
    expectExact(std::fabs(f.nodeResult(2, Uz)), 12.0 * EI * delta / (L * L * L));
    expectExact(f.u(1, 1.0, Uz), delta);
}

TEST_F(StructureTest, HingeOfAGerberBeam) {
    // A cantilever 1-2 carries a simply supported span 2-3 through a hinge at 2.
    const double a = 200.0, b = 500.0, q = 0.1;
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, a, 0.0);
    f.node(3, a + b, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    f.fix(3, {Uz});
    f.member(1, 1, 2);
    omLinearDesignElement2D* span = f.member(2, 2, 3, 2);
    ASSERT_TRUE(span->release(omDesignElement::first, Ry, true));
    EXPECT_EQ(span->getReleaseString(omDesignElement::first), "Ry");
    f.uniform(2, q);
    f.loadCase("q");
    ASSERT_TRUE(f.solve());

    const double bq = q * b * b;
    expectExact(f.M(2, 0.0), 0.0, bq);
    expectExact(f.M(1, 1.0), 0.0, bq);
    expectExact(f.M(2, 0.5), bq / 8.0, bq);
    expectExact(f.M(1, 0.0), -q * b / 2.0 * a, bq);
    // The span turns against the cantilever's end at the hinge.
    const double cantileverEnd = f.u(1, 1.0, Ry);
    const double spanStart = f.u(2, 0.0, Ry);
    EXPECT_GT(std::fabs(spanStart - cantileverEnd), 1e-6);
}

TEST_F(StructureTest, WorldProjectedLoadOnAnInclinedRafter) {
    // A rafter rising over Lx by Lz, pinned at the foot and on a roller at the
    // top, under a vertical load per horizontal length.
    const double Lx = 800.0, Lz = 300.0, q = 0.05;
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, Lx, -Lz);
    f.fix(1, {Ux, Uz});
    f.fix(2, {Uz});
    f.member(1, 1, 2, 2);
    omLoadLinear* load = f.linear(1, q, q, 0.0, 1.0);
    load->setScope(omLoad::WorldCS);
    load->setPosition(omLoad::WorldCS);
    f.loadCase("snow");
    ASSERT_TRUE(f.solve());

    const double M = q * Lx * Lx / 8.0;
    expectExact(f.M(1, 0.5), M);
    expectExact(f.M(1, 0.3), q * 0.3 * Lx * 0.7 * Lx / 2.0);
    expectExact(f.nodeResult(1, Uz) + f.nodeResult(2, Uz), -q * Lx);
    expectExact(f.nodeResult(1, Ux), 0.0, q * Lx);
}

TEST_F(StructureTest, FreeBeamOnGroundUnderAUniformLoadSinksEvenly) {
    const double L = 500.0, q = 0.1, k = 0.01;
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux});
    omLinearDesignElement2D* beam = f.member(1, 1, 2);
    beam->setElGroundCoef(omUnitValue(k, omUK_kN_cm3));
    beam->setElGroundType(egBothSides);
    f.uniform(1, q);
    f.loadCase("q");
    ASSERT_TRUE(f.solve());

    EXPECT_EQ(beam->getFEs().size(), 5u);
    for (double x : {0.0, 0.25, 0.5, 0.9, 1.0}) {
        expectExact(f.u(1, x, Uz), q / (k * kB));
        expectExact(f.M(1, x), 0.0, q * L * L);
        expectExact(f.pressure(1, x), q / kB);
    }
}

TEST_F(StructureTest, LongBeamOnGroundMatchesHetenyi) {
    const double L = 2000.0, P = 100.0, k = 0.01;
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.node(3, 2.0 * L, 0.0);
    f.fix(1, {Ux});
    for (unsigned e : {1u, 2u}) {
        omLinearDesignElement2D* beam = f.member(e, e, e + 1, 30);
        beam->setElGroundCoef(omUnitValue(k, omUK_kN_cm3));
        beam->setElGroundType(egBothSides);
    }
    f.nodeForce(2, 0.0, P);
    f.loadCase("P");
    ASSERT_TRUE(f.solve());

    const double lambda = std::pow(k * kB / (4.0 * EI), 0.25);
    ASSERT_GT(lambda * L, 6.0); // long enough for the infinite beam's solution
    const double w0 = P * lambda / (2.0 * k * kB);
    const double M0 = P / (4.0 * lambda);
    EXPECT_NEAR(f.nodeResult(2, Uz), w0, 1e-3 * w0);
    EXPECT_NEAR(f.M(1, 1.0), M0, 1e-3 * M0);
    EXPECT_NEAR(f.M(2, 0.0), M0, 1e-3 * M0);
}

TEST_F(StructureTest, OneSidedGroundLetsTheBeamLiftOff) {
    // An off-centre load tips a beam on a ground that only pushes: the far end
    // lifts, and the ground under the rest carries the whole load.
    const double L = 1000.0, P = 50.0, k = 0.01;
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux});
    omLinearDesignElement2D* beam = f.member(1, 1, 2, 40);
    beam->setElGroundCoef(omUnitValue(k, omUK_kN_cm3));
    beam->setElGroundType(egPositiveSide);
    EXPECT_FALSE(beam->isLinear());
    f.point(1, 0.1, P);
    f.loadCase("P");
    solveroad::Options options;
    options.internalPoints = 399;
    options.maxIterations = 50;
    options.displacementPrecision = 1e-9;
    ASSERT_TRUE(f.solve(options)) << (errorCodes().empty() ? 0u : errorCodes()[0]);

    const omLoadCaseResult& r = f.element(1)->getResult().getLCResult(1);
    const auto& points = f.element(1)->getResult().getPoints();
    double resultant = 0.0;
    unsigned lifted = 0;
    for (size_t j = 0; j < points.size(); ++j) {
        const double w = r[j].U.getDof(Uz);
        if (w < 0.0) {
            ++lifted;
            EXPECT_EQ(r[j].pressure, 0.0) << points[j];
        } else {
            expectExact(r[j].pressure, k * w);
        }
        if (j > 0)
            resultant += 0.5 * (r[j].pressure + r[j - 1].pressure) * kB * (points[j] - points[j - 1]) * L;
    }
    EXPECT_GT(lifted, 10u);
    EXPECT_LT(r.back().U.getDof(Uz), 0.0);
    EXPECT_NEAR(resultant, P, 1e-4 * P);
}

TEST_F(StructureTest, SwayImperfectionCaseTiltsTheFollowingCases) {
    const double h = 400.0, P = 100.0;
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, 0.0, -h);
    f.fix(1, {Ux, Uz, Ry});
    f.member(1, 1, 2);
    f.nodeForce(2, 0.0, P);
    omLoadCase* sway = f.loadCase("sway", omLoadCase::lsSkew);
    sway->setSkew(200.0, 0.0, omUnitValue(0.0, omUK_cm), omUnitValue(0.0, omUK_cm));
    f.loadCase("P");
    ASSERT_TRUE(f.solve());

    // The sway case's results are the offsets themselves.
    expectExact(std::fabs(f.nodeResult(2, Ux, 1)), h / 200.0);
    expectExact(f.nodeResult(1, Ux, 1), 0.0, 1.0);
    expectExact(std::fabs(f.u(1, 1.0, Uz, 1)), h / 200.0);
    // The vertical load acts on the tilted column.
    expectExact(std::fabs(f.M(1, 0.0, 2)), P * h / 200.0);
    // After the run no node keeps a sway offset.
    EXPECT_EQ(f.s.getNodeMap()->find(2)->getCoor(Ux, omNode::coorSkew)->GetValue(), 0.0);
}

namespace {
// A material whose modulus creeps as E / (1 + phi).
class CreepingMaterial : public omMaterial {
public:
    CreepingMaterial(double E, unsigned id) : omMaterial(E, 0.0, 1e-5, 0.0, 0.2, id) {}
    omUnitValue E(double phi) const override { return omMaterial::E(0.0) / (1.0 + phi); }
    omMaterial* clone() const override { return new CreepingMaterial(*this); }
};
} // namespace

TEST_F(StructureTest, CreepCaseDeflectsWithTheReducedModulus) {
    const double L = 600.0, q = 0.1;
    Frame f;
    f.material(new CreepingMaterial(kE, 2), 2);
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux, Uz});
    f.fix(2, {Uz});
    f.member(1, 1, 2, 2, 1, 2);
    f.uniform(1, q);
    f.loadCase("elastic");
    omLoadCase* creep = f.loadCase("creep", omLoadCase::lsCreep);
    creep->setFiCreep(2.0);
    ASSERT_TRUE(f.solve());

    const double elastic = 5.0 * q * std::pow(L, 4) / (384.0 * EI);
    expectExact(f.u(1, 0.5, Uz, 1), elastic);
    expectExact(f.u(1, 0.5, Uz, 2), 3.0 * elastic);
    expectExact(f.M(1, 0.5, 2), q * L * L / 8.0);
    // The creep case leaves its displacements on the nodes as creep offsets.
    const omNode* middle = f.element(1)->getInternalNodes().front();
    expectExact(middle->getCoor(Uz, omNode::coorCreep)->Get(omUK_cm), 3.0 * elastic);
}

TEST_F(StructureTest, EnvelopesKeepTheRecordsOfTheExtremeCases) {
    const double L = 500.0, q = 0.1;
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux, Uz});
    f.fix(2, {Uz});
    f.member(1, 1, 2);
    f.s.addLoadGroup("up");
    f.uniform(1, q);
    f.uniform(1, -2.0 * q, 0.0, "up");
    omLoadCase* down = f.loadCase("down");
    (*down)(2) = 0.0;
    omLoadCase* up = f.loadCase("up");
    (*up)(1) = 0.0;
    auto* envelope = new omEnvelope();
    envelope->setQuantity(omEnvelope::qMy);
    f.s.getLoadManager()->addEnvelope(envelope);
    envelope->add(1, down);
    envelope->add(2, up);
    ASSERT_TRUE(f.solve());

    const omDesignElement* beam = f.element(1);
    const omLoadCaseResult& maximum = beam->getEnvelope().getMaxResult(1);
    const omLoadCaseResult& minimum = beam->getEnvelope().getMinResult(1);
    const omLoadCaseResult& first = beam->getResult().getLCResult(1);
    const omLoadCaseResult& second = beam->getResult().getLCResult(2);
    ASSERT_EQ(maximum.size(), first.size());
    for (size_t j = 1; j + 1 < first.size(); ++j) {
        // Whole records: the displacements and forces of the case that holds the extreme.
        EXPECT_EQ(maximum[j].F.getDof(Ry), first[j].F.getDof(Ry));
        EXPECT_EQ(maximum[j].U.getDof(Uz), first[j].U.getDof(Uz));
        EXPECT_EQ(minimum[j].F.getDof(Ry), second[j].F.getDof(Ry));
        EXPECT_EQ(minimum[j].U.getDof(Uz), second[j].U.getDof(Uz));
        EXPECT_GT(maximum[j].F.getDof(Ry), 0.0);
        EXPECT_LT(minimum[j].F.getDof(Ry), 0.0);
    }
    // The envelope's overall maxima cover both extremes.
    expectExact(envelope->getMaxAbsF().getDof(Ry), 2.0 * q * L * L / 8.0);

    // Nodes keep per-DOF extremes: node 1 turns one way in one case and the other way in the other.
    const omNodeEnvelope& node = f.s.getNodeMap()->find(1)->getEnvelope(1);
    const double r1 = f.nodeResult(1, Ry, 1), r2 = f.nodeResult(1, Ry, 2);
    const omDofStructureType* type = f.s.getStructureType();
    EXPECT_EQ(node.first(type->dofIndex(Ry)), std::max(r1, r2));
    EXPECT_EQ(node.second(type->dofIndex(Ry)), std::min(r1, r2));
    EXPECT_EQ(node.first(type->dofIndex(Uz)), std::max(f.nodeResult(1, Uz, 1), f.nodeResult(1, Uz, 2)));
}

namespace {
// A beam from node n to node n + 1 at height z on two vertical supports,
// which only slides along its axis, with a moment at its second node. Powers
// of two make the vanishing pivot exactly zero.
void slidingBeam(Frame& f, unsigned member, unsigned n, double z) {
    f.material(2, 2048.0);
    f.section(2, 4.0, 4096.0);
    f.node(n, 0.0, z);
    f.node(n + 1, 512.0, z);
    f.fix(n, {Uz});
    f.fix(n + 1, {Uz});
    f.member(member, n, n + 1, 1, 2, 2);
    f.nodeForce(n + 1, 0.0, 0.0, 10.0);
}
} // namespace

// --- load increments and the order of the equations

TEST_F(StructureTest, LoadIncrementsOnlyAfterANonLinearCaseFailsBeyondItsFirstIteration) {
    // A cantilever under a tip force across it, P L²/EI as given, with the
    // log of the load cases and iterations on. A case that converges from
    // rest, a linear one and one whose tangent at rest already fails (a
    // mechanism beside the non-linear member, a beam that slides along its
    // axis) never take the load increments; a stable non-linear structure
    // under a large load takes them and converges without a report.
    struct Case {
        const char* name;
        bool dravik;
        double a; // P L²/EI
        bool withSlidingBeam;
        unsigned expected; // error code, 0 for none
        bool increments;
    };
    const Case cases[] = {
        {"moderate load", true, 1.0, false, 0, false},
        {"large load", true, 10.0, false, 0, true},
        {"linear member, large load", false, 10.0, false, 0, false},
        {"mechanism", true, 10.0, true, 1022, false},
    };
    const double L = 300.0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        omErrorContainer::instance()->reset();
        Frame f;
        f.node(1, 0.0, 0.0);
        f.node(2, L, 0.0);
        f.fix(1, {Ux, Uz, Ry});
        if (c.dravik)
            f.s.addElement(new omDravikDesignElement(*f.s.getNodeMap(), 1, 2, 1, 1, 1), 1);
        else
            f.member(1, 1, 2);
        f.nodeForce(2, 0.0, c.a * EI / (L * L));
        if (c.withSlidingBeam) slidingBeam(f, 2, 3, 100.0);
        f.loadCase("tip");
        CapturedLog log({lfLoadCase, lfIterations});
        EXPECT_EQ(f.solve(), c.expected == 0);
        EXPECT_EQ(errorCodes(),
                  c.expected == 0 ? std::vector<unsigned>{} : std::vector<unsigned>{c.expected});
        const std::string text = log.text();
        EXPECT_EQ(text.find("load increments") != std::string::npos, c.increments) << text;
        EXPECT_EQ(text.find("Load level") != std::string::npos, c.increments);
        EXPECT_EQ(text.find("stopped at the load level"), std::string::npos);
        if (!c.dravik) expectExact(f.nodeResult(2, Uz), c.a * EI / (L * L) * L * L * L / (3.0 * EI));
    }
}

TEST_F(StructureTest, FailedLoadIncrementsReportTheLoadLevelReached) {
    // A perfect column of non-linear members above its buckling load: the
    // increments pass the load up to just below buckling, where the tangent
    // of the straight column stops being positive definite.
    const double L = 300.0;
    const double Pcr = std::numbers::pi * std::numbers::pi * EI / (4.0 * L * L);
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, L, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    f.s.addElement(new omDravikDesignElement(*f.s.getNodeMap(), 1, 2, 1, 1, 1), 1);
    f.nodeForce(2, -2.0 * Pcr, 0.0);
    f.loadCase("column");
    // The member report leaves the log's numbers fixed with no decimals.
    CapturedLog log({lfLoadCase, lfElements});
    EXPECT_FALSE(f.solve());
    ASSERT_EQ(errorCodes(), std::vector<unsigned>{1022});
    EXPECT_EQ(errorArguments(0).at(0), "column");
    const std::string text = log.text();
    const size_t at = text.find("stopped at the load level ");
    ASSERT_NE(at, std::string::npos) << text;
    const double reached = std::stod(text.substr(at + 26));
    // Just below half the load, the buckling load with the shortening of the axis.
    EXPECT_GT(reached, 0.48);
    EXPECT_LE(reached, 0.503);
    // The displacement vector holds the straight column at that level.
    const double shortening = -reached * 2.0 * Pcr * L / EA;
    EXPECT_NEAR(f.s.getDisplacements()[f.s.getNodeMap()->find(2)->equation(Ux) - 1], shortening,
                1e-3 * std::fabs(shortening));
    // The groups act with the case's own factors again.
    EXPECT_EQ(f.s.getLoadManager()->getGroup(1)->factor(), 1.0);
    EXPECT_EQ(f.nodeResult(2, Ux), 0.0);
}

TEST_F(StructureTest, InteriorNodesAreNumberedRightAfterTheirMembersLastEndNode) {
    // Nodes 1, 2, 3 on a line, node 1 clamped; member 1 from node 2 back to
    // node 1 in three finite elements, member 2 from node 2 to node 3. The
    // interior nodes of member 1 follow node 2, the end numbered last, so
    // that their equations lie beside those of the member's ends.
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, 300.0, 0.0);
    f.node(3, 600.0, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    f.member(1, 2, 1, 3);
    f.member(2, 2, 3);
    f.nodeForce(3, 0.0, 1.0);
    f.loadCase("tip");
    f.s.bind();
    f.s.allocateStiffnessMatrix();
    const omNode* n2 = f.s.getNodeMap()->find(2);
    const omNode* n3 = f.s.getNodeMap()->find(3);
    EXPECT_EQ(n2->equation(Ux), 1u);
    EXPECT_EQ(n2->equation(Ry), 3u);
    unsigned next = 4;
    ASSERT_EQ(f.element(1)->getInternalNodes().size(), 2u);
    for (const omNode* interior : f.element(1)->getInternalNodes())
        for (omDofType t : {Ux, Uz, Ry})
            EXPECT_EQ(interior->equation(t), next++);
    EXPECT_EQ(n3->equation(Ux), 10u);
    EXPECT_EQ(n3->equation(Ry), 12u);
    EXPECT_EQ(f.s.numOfDof(), 12u);
    // The order changes nothing in the results: the cantilever's tip.
    ASSERT_TRUE(f.solve());
    expectExact(f.nodeResult(3, Uz), 600.0 * 600.0 * 600.0 / (3.0 * EI));
}

// --- error paths

TEST_F(StructureTest, MechanismIsReportedWithItsEquation) {
    Frame f;
    slidingBeam(f, 1, 1, 0.0);
    f.loadCase("slide");
    EXPECT_FALSE(f.solve());

    // Equations: node 1 Ux 1, Ry 2; node 2 Ux 3, Ry 4. Node 2's Ux has nothing left.
    ASSERT_EQ(errorCodes(), std::vector<unsigned>{1022});
    EXPECT_EQ(errorArguments(0), (std::vector<std::string>{"slide", "3"}));
    EXPECT_EQ(f.s.solveLoadCase(1, 1.0), 3);
    // Nothing is stored for a failed case.
    EXPECT_EQ(f.nodeResult(2, Ry), 0.0);
}

TEST_F(StructureTest, ModelWithoutElementsOrNodesIsReported) {
    Frame withoutElements;
    withoutElements.node(1, 0.0, 0.0);
    withoutElements.loadCase("lc");
    EXPECT_FALSE(withoutElements.solve());
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1024});

    Frame empty;
    empty.loadCase("lc");
    EXPECT_FALSE(empty.solve());
    EXPECT_EQ(errorCodes(), (std::vector<unsigned>{1023, 1024}));
}

TEST_F(StructureTest, NoConvergenceIsReported) {
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, 300.0, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    f.member(1, 1, 2);
    f.nodeForce(2, 0.0, 5.0);
    f.loadCase("tip");
    solveroad::Options options;
    options.maxIterations = 1; // a loaded linear model needs a second iteration
    EXPECT_FALSE(f.solve(options));
    ASSERT_EQ(errorCodes(), std::vector<unsigned>{1026});
    EXPECT_EQ(errorArguments(0), (std::vector<std::string>{"tip", "1", "1e-05"}));
    EXPECT_EQ(f.s.solveLoadCase(1, 1.0), -3);

    // Without iterations nothing is assembled at all.
    omErrorContainer::instance()->reset();
    f.s.setMaxIterations(0);
    EXPECT_EQ(f.s.solveLoadCase(1, 1.0), -3);
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1026});
}

// With linear members only, the second iteration solves with the first
// iteration's factor. Logging the element matrices makes every iteration
// assemble and factorise again: both roads give the same bits.
TEST_F(StructureTest, LinearModelsSolveTheSecondIterationWithTheFirstFactor) {
    auto solved = [](bool logMatrices) {
        auto f = std::make_unique<Frame>();
        f->node(1, 0.0, 0.0);
        f->node(2, 0.0, -400.0);
        f->node(3, 600.0, -400.0);
        f->node(4, 600.0, 0.0);
        f->fix(1, {Ux, Uz, Ry});
        f->fix(4, {Ux, Uz});
        f->member(1, 1, 2, 2);
        f->member(2, 2, 3, 3);
        f->member(3, 4, 3);
        f->uniform(2, 0.3);
        f->point(1, 0.4, 20.0, 5.0, 300.0);
        f->temperature(2, -10.0, 20.0);
        f->nodeForce(2, 15.0, 0.0);
        f->loadCase("one");
        f->nodeForce(3, 0.0, 40.0, 0.0, "G");
        std::unique_ptr<CapturedLog> log;
        if (logMatrices)
            log = std::make_unique<CapturedLog>(std::initializer_list<lfCategory>{lfElementMatrices});
        EXPECT_TRUE(f->solve());
        return f;
    };
    const auto reused = solved(false);
    const auto assembled = solved(true);
    for (unsigned node = 1; node <= 4; ++node)
        for (omDofType t : {Ux, Uz, Ry})
            EXPECT_EQ(reused->nodeResult(node, t), assembled->nodeResult(node, t)) << node << " " << t;
    for (unsigned e = 1; e <= 3; ++e)
        for (double x : {0.0, 0.4, 1.0})
            for (omDofType t : {Ux, Uz, Ry}) {
                EXPECT_EQ(reused->force(e, x, t), assembled->force(e, x, t)) << e << " " << x << " " << t;
                EXPECT_EQ(reused->u(e, x, t), assembled->u(e, x, t)) << e << " " << x << " " << t;
            }
}
