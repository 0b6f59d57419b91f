#include "model/omElementResult.h"
#include "model/omLoadManager.h"

#include "ModelTestSupport.h"

namespace {

using modeltest::errorCodes;

const omDofStructureType* plane() {
    return omDofStrakonStructureType::instance();
}

// A member result of one load case from the positions and, per point, the
// moment My, the deflection uz and the ground pressure.
struct Point {
    double x, My, uz, pressure;
};

class ElementResult : public modeltest::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        lm.addCase(new omLoadCase("LC", omLoadCase::lsUltimate, plane()), true);
    }
    void fill(const std::vector<Point>& points) {
        auto* r = new omLoadCaseResult(lm.getCase(1), nullptr);
        for (const Point& p : points) {
            result.getPoints().push_back(p.x);
            omPointResult pr(plane());
            pr.F.My() = p.My;
            pr.U.uz() = p.uz;
            pr.pressure = p.pressure;
            r->push_back(pr);
        }
        result.addLCResult(r);
    }
    // A simply supported beam under uniform load whose ends settle by 1 and 3.
    void beam() {
        std::vector<Point> pts;
        for (int i = 0; i <= 4; ++i) {
            const double x = i / 4.0;
            pts.push_back({x, 4 * x * (1 - x), 1 + 2 * x + 16 * x * (1 - x), 0.0});
        }
        fill(pts);
    }
    static std::vector<unsigned> extremes(unsigned (omElementResult::*f)(std::vector<unsigned>&, omDofType,
                                                                         unsigned) const,
                                          const omElementResult& r, omDofType t) {
        std::vector<unsigned> out = {99};
        const unsigned n = (r.*f)(out, t, 1);
        EXPECT_EQ(n, out.size());
        return out;
    }

    omLoadManager lm;
    omElementResult result;
};

TEST_F(ElementResult, DisplacementRelativeToTheChord) {
    beam();
    EXPECT_TRUE(result.getDisplacement(1, 0, true).isNull());
    EXPECT_TRUE(result.getDisplacement(1, 4, true).isNull());
    EXPECT_DOUBLE_EQ(result.getDisplacement(1, 2, false).uz(), 6.0);
    EXPECT_DOUBLE_EQ(result.getDisplacement(1, 2, true).uz(), 4.0);
    EXPECT_DOUBLE_EQ(result.getDisplacement(1, 1, true).uz(), 3.0);
}

TEST_F(ElementResult, LinearDisplacementsHaveNoRelativePart) {
    fill({{0, 0, 1, 0}, {0.25, 0, 1.5, 0}, {0.5, 0, 2, 0}, {1, 0, 3, 0}});
    for (unsigned i = 0; i < 4; ++i)
        EXPECT_DOUBLE_EQ(result.getDisplacement(1, i, true).uz(), 0.0);
    std::vector<unsigned> out = {7};
    EXPECT_EQ(result.getExtremeUPoints(out, Uz, 1, true), 0u);
    EXPECT_TRUE(out.empty());
}

TEST_F(ElementResult, ForceAtAPosition) {
    // A point load at the middle: the shear jumps between 0.499995 and 0.500005.
    fill({{0, 10, 0, 0}, {0.499995, 10, 0, 0}, {0.500005, -10, 0, 0}, {1, -10, 0, 0}});
    EXPECT_DOUBLE_EQ(result.getForceAt(1, 0.25, Ry), 10.0);
    EXPECT_DOUBLE_EQ(result.getForceAt(1, 0.0, Ry), 10.0);
    EXPECT_DOUBLE_EQ(result.getForceAt(1, 1.0, Ry), -10.0);
    EXPECT_DOUBLE_EQ(result.getForceAt(1, 1.5, Ry), -10.0);
    EXPECT_NEAR(result.getForceAt(1, 0.5, Ry), 0.0, 1e-9);
    EXPECT_DOUBLE_EQ(result.getForceAt(1, 0.75, Ry), -10.0);
}

TEST_F(ElementResult, ForceIsInterpolatedOnTheEnclosingSegment) {
    beam();
    EXPECT_DOUBLE_EQ(result.getForceAt(1, 0.125, Ry), 0.375);
    EXPECT_DOUBLE_EQ(result.getForceAt(1, 0.5, Ry), 1.0);
    // Below the first position the first segment is extended.
    EXPECT_DOUBLE_EQ(result.getForceAt(1, -0.25, Ry), -0.75);
    EXPECT_DOUBLE_EQ(result.getForceAt(2, 0.5, Ry), 0.0);
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1030});
}

TEST_F(ElementResult, ExtremePointsOfAForceDiagram) {
    beam();
    EXPECT_EQ(extremes(&omElementResult::getExtremeFPoints, result, Ry), (std::vector<unsigned>{0, 2, 4}));
    // A monotone diagram gives the ends only.
    EXPECT_EQ(extremes(&omElementResult::getExtremeFPoints, result, Ux), (std::vector<unsigned>{0, 4}));

    omElementResult sine;
    auto* r = new omLoadCaseResult(lm.getCase(1), nullptr);
    for (double v : {0.0, 2.0, 0.0, -3.0, 0.0}) {
        omPointResult p(plane());
        p.pressure = v;
        r->push_back(p);
        sine.getPoints().push_back(r->size() / 5.0);
    }
    sine.addLCResult(r);
    std::vector<unsigned> out;
    EXPECT_EQ(sine.getExtremePressure(out, 1), 4u);
    EXPECT_EQ(out, (std::vector<unsigned>{0, 1, 3, 4}));
}

TEST_F(ElementResult, ExtremeDisplacementsLieInside) {
    beam();
    std::vector<unsigned> out;
    EXPECT_EQ(result.getExtremeUPoints(out, Uz, 1, true), 1u);
    EXPECT_EQ(out, std::vector<unsigned>{2});
    // Without the chord the largest value is at the middle too; the smallest is an end.
    EXPECT_EQ(result.getExtremeUPoints(out, Uz, 1, false), 1u);
    EXPECT_EQ(out, std::vector<unsigned>{2});
}

TEST_F(ElementResult, ExtremeDisplacementsAgainstASteepChord) {
    // One end settles by 10: the plain values rise steadily, the sag shows against the chord only.
    std::vector<Point> pts;
    for (int i = 0; i <= 4; ++i) {
        const double x = i / 4.0;
        pts.push_back({x, 0.0, 10 * x + 2 * x * (1 - x), 0.0});
    }
    fill(pts);
    std::vector<unsigned> out = {7};
    EXPECT_EQ(result.getExtremeUPoints(out, Uz, 1, false), 0u);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(result.getExtremeUPoints(out, Uz, 1, true), 1u);
    EXPECT_EQ(out, std::vector<unsigned>{2});
}

TEST_F(ElementResult, VectorsOfAQuantity) {
    beam();
    omVector v;
    result.getVector(v, 1, Ry, true, false);
    EXPECT_EQ(v.size(), 5);
    EXPECT_DOUBLE_EQ(v(3), 1.0);
    result.getVector(v, 1, Uz, false, false);
    EXPECT_DOUBLE_EQ(v(5), 3.0);
    result.getVector(v, 1, Ry, true, true);
    EXPECT_TRUE(v.isNull()) << "both flags give the pressures";
}

TEST_F(ElementResult, ValidityFollowsTheLoadManager) {
    EXPECT_TRUE(result.empty());
    EXPECT_FALSE(result.areResultsValid(&lm));
    beam();
    EXPECT_TRUE(result.areResultsValid(&lm));
    lm.addCase(new omLoadCase("LC2", omLoadCase::lsUltimate, plane()), true);
    EXPECT_FALSE(result.areResultsValid(&lm));

    omElementResult copy(result);
    EXPECT_EQ(copy.caseSize(), 1);
    EXPECT_NE(&copy.getLCResult(1), &result.getLCResult(1));
    result.clear();
    EXPECT_TRUE(result.empty());
    EXPECT_EQ(result.getPoints().size(), 5u) << "the positions stay";
    EXPECT_EQ(copy.getLCResult(1).size(), 5u);
    EXPECT_TRUE(result.getLCResult(1).empty());
}

TEST_F(ElementResult, CheckMaximumGoesToTheLoadCase) {
    omLoadCaseResult r(lm.getCase(1), nullptr);
    omForceVector f(plane());
    f.Fx() = -7;
    r.checkMaximum(f, omDisplacementVector(plane()), 0.5);
    EXPECT_DOUBLE_EQ(lm.getCase(1)->getMaxAbsF().Fx(), 7.0);
    EXPECT_DOUBLE_EQ(lm.getCase(1)->getMaxAbsCP(), 0.5);
    omLoadCaseResult none;
    none.checkMaximum(f, omDisplacementVector(plane()), 0.5);
}

TEST_F(ElementResult, EnvelopeLists) {
    auto* e = new omEnvelope;
    lm.addEnvelope(e);
    omElementEnvelope env;
    EXPECT_TRUE(env.empty());
    EXPECT_FALSE(env.areResultsValid(&lm));
    auto* maximum = new omLoadCaseResult(nullptr, e);
    auto* minimum = new omLoadCaseResult(nullptr, e);
    omPointResult p(plane());
    p.F.My() = 5;
    maximum->push_back(p);
    p.F.My() = -2;
    minimum->push_back(p);
    env.addResults(maximum, minimum);
    EXPECT_TRUE(env.areResultsValid(&lm));
    omVector v;
    env.getMaxVector(v, 1, Ry, true, false);
    EXPECT_DOUBLE_EQ(v(1), 5.0);
    env.getMinVector(v, 1, Ry, true, false);
    EXPECT_DOUBLE_EQ(v(1), -2.0);
    EXPECT_TRUE(env.getMaxResult(2).empty());
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1030});

    omElementEnvelope copy(env);
    env.clear();
    EXPECT_TRUE(env.empty());
    EXPECT_EQ(copy.getMinResult(1).size(), 1u);
}

} // namespace
