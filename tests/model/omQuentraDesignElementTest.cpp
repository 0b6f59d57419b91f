// Members of Quentra elements solved along the Solve road.
#include "model/elements/omQuentraDesignElement.h"
#include "CapturedLog.h"
#include "FrameBuilder.h"
#include "ModelTestSupport.h"
#include "NonlinearMemberSupport.h"
#include "model/elements/omQuentraFE.h"
#include "model/omElementMap.h"
#include "model/omNodeMap.h"
#include "model/omStiffnessMatrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

using frametest::Frame;
using modeltest::errorCodes;

namespace {

// The cantilever of the second-order checks: L = 3 m, EI = 17547.6 kNm².
constexpr double kL = 300.0;
constexpr double kEI = 17547.6e4; // kNcm²
constexpr double kH = 10.0;

class QuentraMember : public modeltest::ModelTest {
protected:
    // A cantilever along x, clamped at node 1, with the tip loads at node 2:
    // a transverse force H and an axial compression N.
    static void cantilever(Frame& f, double N, double H) {
        f.section(2, 78.1, kEI / frametest::kE);
        f.node(1, 0.0, 0.0);
        f.node(2, kL, 0.0);
        f.fix(1, {Ux, Uz, Ry});
        ASSERT_NE(f.s.addQuentraElement(1, 2, 2, 1, 1), nullptr);
        f.nodeForce(2, -N, H);
        f.loadCase("tip");
    }
};

} // namespace

TEST_F(QuentraMember, SecondOrderCantileverMatchesTheClosedForm) {
    // tip = H/(N k)·(tan kL - kL) and M = H·tan(kL)/k with k = √(N/EI).
    const struct { double N, tip, M; } cases[] = {{500.0, 0.57160, 3285.8}, {2000.0, 0.87288, 4745.8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.N);
        Frame f;
        cantilever(f, c.N, kH);
        ASSERT_TRUE(f.solve());
        const double k = std::sqrt(c.N / kEI);
        const double tip = kH / (c.N * k) * (std::tan(k * kL) - k * kL);
        const double M = kH * std::tan(k * kL) / k;
        EXPECT_NEAR(tip, c.tip, 1e-4 * c.tip);
        EXPECT_NEAR(M, c.M, 1e-4 * c.M);
        // One element with its internal modes is far better than the 1 % asked.
        EXPECT_NEAR(f.nodeResult(2, Uz), tip, 1e-4 * tip);
        EXPECT_NEAR(-f.M(1, 0.0), M, 1e-4 * M);
        EXPECT_NEAR(f.M(1, 1.0), 0.0, 1e-6 * M);
        EXPECT_NEAR(f.N(1, 0.5), -c.N, 1e-9 * c.N);
    }
}

TEST_F(QuentraMember, CantileverBucklesAtTheEulerLoad) {
    const double Pcr = std::numbers::pi * std::numbers::pi * kEI / (4.0 * kL * kL);
    {
        Frame f;
        cantilever(f, 0.99 * Pcr, kH);
        ASSERT_TRUE(f.solve());
        const double k = std::sqrt(0.99 * Pcr / kEI);
        const double tip = kH / (0.99 * Pcr * k) * (std::tan(k * kL) - k * kL);
        EXPECT_NEAR(f.nodeResult(2, Uz), tip, 0.01 * tip);
    }
    {
        Frame f;
        cantilever(f, 1.01 * Pcr, kH);
        EXPECT_FALSE(f.solve());
        const std::vector<unsigned> codes = errorCodes();
        ASSERT_EQ(codes.size(), 1u);
        EXPECT_TRUE(codes[0] == 1022 || codes[0] == 1026) << codes[0];
        EXPECT_NE(f.s.solveLoadCase(1, 1.0), 0);
        EXPECT_EQ(f.nodeResult(2, Uz), 0.0);
    }
}

TEST_F(QuentraMember, InternalModesThatCannotCarryTheCompressionFailTheAssembly) {
    // Far beyond the buckling load of the element's own internal modes their
    // stiffness is no longer positive: the member cannot be assembled.
    Frame f;
    cantilever(f, 100.0 * std::numbers::pi * std::numbers::pi * kEI / (kL * kL), kH);
    EXPECT_FALSE(f.solve());
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1025});
    EXPECT_EQ(f.s.solveLoadCase(1, 1.0), -2);
    EXPECT_EQ(f.nodeResult(2, Uz), 0.0);
}

TEST_F(QuentraMember, SmallLoadsGiveTheLinearResults) {
    const double scale = 1e-6;
    Frame linear, quentra;
    nlframe::portalFrame(linear, nlframe::linearMember, scale);
    nlframe::portalFrame(
        quentra,
        [](Frame& f, unsigned id, unsigned n1, unsigned n2) {
            ASSERT_NE(f.s.addQuentraElement(n1, n2, 1, 1, id), nullptr);
        },
        scale);
    solveroad::Options options;
    options.displacementPrecision = 1e-15;
    ASSERT_TRUE(linear.solve(options));
    ASSERT_TRUE(quentra.solve(options));
    nlframe::expectSameResults(linear, quentra, 1e-6, false);
}

TEST_F(QuentraMember, DeflectionAlongAMemberUnderADistributedLoadIsExact) {
    // The element's functions hold every quintic deflection, which is what a
    // load varying linearly over the whole member gives.
    auto beam = [](Frame& f, bool quentra) {
        f.node(1, 0.0, 0.0);
        f.node(2, 500.0, 0.0);
        f.fix(1, {Ux, Uz});
        f.fix(2, {Uz});
        if (quentra)
            ASSERT_NE(f.s.addQuentraElement(1, 2, 1, 1, 1), nullptr);
        else
            ASSERT_NE(f.member(1, 1, 2), nullptr);
        f.linear(1, 1e-6, 4e-6, 0.0, 1.0);
        f.loadCase("lc");
    };
    Frame linear, quentra;
    beam(linear, false);
    beam(quentra, true);
    solveroad::Options options;
    options.displacementPrecision = 1e-15;
    ASSERT_TRUE(linear.solve(options));
    ASSERT_TRUE(quentra.solve(options));
    const double wmax = std::fabs(linear.u(1, 0.5, Uz));
    const double fmax = std::fabs(linear.u(1, 0.0, Ry));
    for (double x : linear.element(1)->getResult().getPoints()) {
        EXPECT_NEAR(quentra.u(1, x, Uz), linear.u(1, x, Uz), 1e-8 * wmax) << x;
        EXPECT_NEAR(quentra.u(1, x, Ry), linear.u(1, x, Ry), 1e-8 * fmax) << x;
    }
}

TEST_F(QuentraMember, HeatingARestrainedBarActsAsTheSameCompression) {
    // A pinned beam held at both ends and heated carries N = -E·A·αT·ΔT; its
    // second-order deflection under a small load is that of the free-sliding
    // beam pushed by the same force, about twice the first-order one here.
    const double L = 300.0, alphaT = 1.2e-5;
    const double Pcr = std::numbers::pi * std::numbers::pi * frametest::kE * frametest::kI / (L * L);
    const double N = 0.5 * Pcr;
    const double dT = N / (frametest::kE * frametest::kA * alphaT);
    auto beam = [&](Frame& f, bool heated) {
        f.node(1, 0.0, 0.0);
        f.node(2, L, 0.0);
        f.fix(1, {Ux, Uz});
        f.fix(2, heated ? std::initializer_list<omDofType>{Ux, Uz} : std::initializer_list<omDofType>{Uz});
        ASSERT_NE(f.s.addQuentraElement(1, 2, 1, 1, 1), nullptr);
        f.point(1, 0.5, 0.1);
        if (heated)
            f.temperature(1, dT, dT);
        else
            f.nodeForce(2, -N, 0.0);
        f.loadCase("lc");
    };
    Frame heated, pushed;
    beam(heated, true);
    beam(pushed, false);
    solveroad::Options options;
    options.displacementPrecision = 1e-12;
    ASSERT_TRUE(heated.solve(options));
    ASSERT_TRUE(pushed.solve(options));
    EXPECT_NEAR(heated.N(1, 0.5), -N, 1e-6 * N);
    const double w = pushed.u(1, 0.5, Uz);
    EXPECT_GT(w, 1.9 * 0.1 * L * L * L / (48.0 * frametest::kE * frametest::kI));
    EXPECT_NEAR(heated.u(1, 0.5, Uz), w, 1e-4 * w);
    EXPECT_NEAR(heated.M(1, 0.5), pushed.M(1, 0.5), 1e-4 * std::fabs(pushed.M(1, 0.5)));
}

TEST_F(QuentraMember, EachLoadCaseStartsFromRest) {
    // The compression of the first case must not stay in the element: the
    // second case, with the transverse load alone, is the linear cantilever.
    Frame f;
    f.s.addLoadGroup("N");
    f.section(2, 78.1, kEI / frametest::kE);
    f.node(1, 0.0, 0.0);
    f.node(2, kL, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    ASSERT_NE(f.s.addQuentraElement(1, 2, 2, 1, 1), nullptr);
    f.nodeForce(2, 0.0, kH, 0.0, "G");
    f.nodeForce(2, -2000.0, 0.0, 0.0, "N");
    f.loadCase("both");
    omLoadCase* alone = f.loadCase("transverse");
    (*alone)(2) = 0.0;
    solveroad::Options options;
    options.displacementPrecision = 1e-10;
    ASSERT_TRUE(f.solve(options));
    const double linear = kH * kL * kL * kL / (3.0 * kEI);
    EXPECT_GT(f.nodeResult(2, Uz, 1), 1.5 * linear);
    EXPECT_NEAR(f.nodeResult(2, Uz, 2), linear, 1e-6 * linear);
}

TEST_F(QuentraMember, MemberKeepsItsKindWhenCopiedOrCreated) {
    Frame f;
    f.node(1, 0.0, 0.0);
    f.node(2, kL, 0.0);
    omDesignElement* member = f.s.addQuentraElement(1, 2, 1, 1, 7);
    ASSERT_NE(member, nullptr);
    EXPECT_TRUE(f.s.hasNonlinearElements());
    EXPECT_FALSE(member->isLinear());

    std::unique_ptr<omDesignElement> copy(member->clone());
    ASSERT_NE(dynamic_cast<omQuentraDesignElement*>(copy.get()), nullptr);
    EXPECT_FALSE(copy->isLinear());
    EXPECT_EQ(copy->getIndex(), 7u);

    std::unique_ptr<omDesignElement> created(member->create());
    ASSERT_NE(dynamic_cast<omQuentraDesignElement*>(created.get()), nullptr);
    EXPECT_EQ(created->getIndex(), 0u);
    EXPECT_EQ(created->getNodeIndex1(), 1u);
    EXPECT_EQ(created->getNodeIndex2(), 2u);

    std::unique_ptr<omLineFE> fe(dynamic_cast<omQuentraDesignElement*>(member)->createLineFE());
    EXPECT_NE(dynamic_cast<omQuentraFE*>(fe.get()), nullptr);
}

// A beam along x whose second member couples the first node's axial
// displacement with the far rotation only once the beam has deflected: the
// coupling is exactly 0 in the first iteration and not later. The stiffness
// matrix must keep room for it from the start; the answer and the number of
// iterations are those of the factorisation over the whole triangle.
TEST_F(QuentraMember, ACouplingThatIsZeroInTheFirstIterationStaysInTheFactor) {
    Frame f;
    f.section(2, 78.1, kEI / frametest::kE);
    f.node(1, 0.0, 0.0);
    f.node(2, kL, 0.0);
    f.node(3, 2.0 * kL, 0.0);
    f.fix(1, {Ux, Uz});
    f.fix(3, {Uz});
    ASSERT_NE(f.s.addQuentraElement(1, 2, 2, 1, 1), nullptr);
    ASSERT_NE(f.s.addQuentraElement(2, 3, 2, 1, 2), nullptr);
    f.nodeForce(3, -800.0, 0.0);
    f.nodeForce(2, 0.0, 12.0);
    f.loadCase("compressed");
    CapturedLog log({lfIterations});
    ASSERT_TRUE(f.solve());

    const omStiffnessMatrix* K = f.s.getStiffnessMatrix();
    ASSERT_NE(K, nullptr);
    const omNode* n2 = f.s.getNodeMap()->find(2);
    const omNode* n3 = f.s.getNodeMap()->find(3);
    EXPECT_EQ(K->firstColumn(static_cast<int>(n3->equation(Ry)) - 1), static_cast<int>(n2->equation(Ux)) - 1)
        << "the far rotation's row reaches back to the axial displacement";

    const std::string text = log.text();
    size_t iterations = 0;
    for (size_t at = text.find("*** Iteration:"); at != std::string::npos;
         at = text.find("*** Iteration:", at + 1))
        ++iterations;
    const double w2 = f.nodeResult(2, Uz), phi3 = f.nodeResult(3, Ry), u3 = f.nodeResult(3, Ux);
    EXPECT_EQ(iterations, 4u);
    EXPECT_EQ(w2, 0x1.79243e0252f27p-2);
    EXPECT_EQ(phi3, 0x1.e61d6b44aa883p-10);
    EXPECT_EQ(u3, -0x1.2c3f33c9b725dp-2);
}
