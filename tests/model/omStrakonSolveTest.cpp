// Whole structures solved along the Solve road and checked against closed forms.
#include "CapturedLog.h"
#include "FrameBuilder.h"
#include "ModelTestSupport.h"
#include "model/omEnvelope.h"
#include "model/omLinkedNode.h"
#include "model/omNodeMap.h"
#include "model/omStiffnessMatrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

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

// --- error paths

TEST_F(StructureTest, MechanismIsReportedWithItsEquation) {
    // A beam on two vertical supports only slides along its axis. Powers of two
    // make the vanishing pivot exactly zero.
    Frame f;
    f.material(2, 2048.0);
    f.section(2, 4.0, 4096.0);
    f.node(1, 0.0, 0.0);
    f.node(2, 512.0, 0.0);
    f.fix(1, {Uz});
    f.fix(2, {Uz});
    f.member(1, 1, 2, 1, 2, 2);
    f.nodeForce(2, 0.0, 0.0, 10.0);
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
