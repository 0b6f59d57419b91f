#include "DrawableFrame.h"

#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AResultDiagram.h"
#include "model/omEnvelope.h"
#include "model/omLoadCase.h"
#include "tests/model/SolveRoad.h"

#include <cmath>

namespace {

using Type = CMetaRecord::Type;

class ResultDiagramTest : public DrawableFrame {
protected:
    void SetUp() override {
        DrawableFrame::SetUp();
        // Round-off at hinges and free ends is written as 0 and so not labelled.
        AOptionsAttributes::Instance()->workFormat = omNumberFormat(4, omNumberFormat::fixed, true, true, 1e-9);
    }
    omLoadCase* loadCase(const std::string& name) {
        omLoadCase* lc = s.addLoadCase(name, omLoadCase::lsUltimate);
        for (int k = 1; k <= lc->size(); ++k)
            (*lc)(k) = 1.0;
        return lc;
    }
    void uniform(unsigned element, double qz, const std::string& group = "G") {
        auto* load = new omLoadLinear(s.getStructureType(), 0);
        load->setFs(Uz, omUnitValue(qz, omUK_kN_cm));
        load->setFe(Uz, omUnitValue(qz, omUK_kN_cm));
        load->setStart(0.0);
        load->setEnd(1.0);
        ASSERT_TRUE(s.addElementLoad(element, load, group));
    }
    void nodeForce(unsigned node, double Fz, const std::string& group = "G") {
        auto* load = new omLoadForce(s.getStructureType(), 0);
        load->setF(Uz, omUnitValue(Fz, omUK_kN));
        ASSERT_TRUE(s.addNodeLoad(node, load, group));
    }
    // A simply supported beam of 6 m under 10 kN/m.
    void simpleBeam() {
        node(1, 0, 0);
        node(2, 6, 0);
        fix(1, {Ux, Uz});
        fix(2, {Uz});
        member(1, 1, 2);
        uniform(1, 0.1);
        loadCase("LC1");
    }
    double draw(CMetaFileDC& rec, AMapC2L& map, unsigned caseNumber, int component, bool forces,
                bool local = false) {
        return s.GetElementMap()->DrawResults(s, map, rec, map.GetTotalCU(), 0, caseNumber, component, forces,
                                              local);
    }
    const AResultDiagram& diagram(unsigned id) { return memberOf(id)->GetResultDiagram(); }
    static double size() { return ADrawAttributes::Instance()->GetDiagramSize(); }
};

} // namespace

TEST_F(ResultDiagramTest, MomentOfASimpleBeamReachesTheDiagramSizeAndIsLabelledQLSquaredOverEight) {
    simpleBeam();
    ASSERT_TRUE(solveroad::run(s));
    AUnitKeyAttributes::Instance()->moment = omUK_kNm;
    AMapC2L map = view(omRect(-1, -5, 7, 1));
    CMetaFileDC rec(&screen());
    const double scale = draw(rec, map, 1, 4, true);
    const double qL2over8 = 0.1 * 600 * 600 / 8; // kNcm
    EXPECT_NEAR(scale, size() / qL2over8, 1e-9 * scale);

    // The mid-span ordinate is the diagram size.
    const AResultDiagram& d = diagram(1);
    ASSERT_EQ(d.GetY().size(), 11);
    EXPECT_NEAR(std::fabs(d.GetY()(6)), size(), 1e-6);
    EXPECT_NEAR(d.GetX()(6), 3.0, 1e-12);

    // One label: the ends are 0 and not written.
    const std::vector<std::string> labels = texts(rec.GetMetaFile());
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_NEAR(std::stod(labels[0]), 45.0, 1e-6);

    // Closed outline (axis start, 11 points, axis end) and hatching every node size.
    EXPECT_EQ(records(rec.GetMetaFile(), Type::lineTo).size(), 12u + 19u);
    EXPECT_EQ(records(rec.GetMetaFile(), Type::moveTo).size(), 1u + 19u);
}

TEST_F(ResultDiagramTest, DisplacedShapeAndItsLocalForm) {
    // A cantilever with a load at its tip: the local form takes the chord
    // through the displaced ends away.
    node(1, 0, 0);
    node(2, 4, 0);
    fix(1, {Ux, Uz, Ry});
    member(1, 1, 2);
    nodeForce(2, 10.0);
    loadCase("LC1");
    ASSERT_TRUE(solveroad::run(s));
    AMapC2L map = view(omRect(-1, -5, 5, 5));

    CMetaFileDC global(&screen());
    const double scale = draw(global, map, 1, 2, false);
    const double tip = s.getLoadManager()->getCase(1)->getMaxAbsU().getDof(Uz);
    ASSERT_GT(tip, 0.0);
    EXPECT_NEAR(scale, size() / (3 * tip), 1e-9 * scale);
    const int n = diagram(1).GetY().size();
    EXPECT_NEAR(diagram(1).GetY()(n), size() / 3, 1e-6);
    EXPECT_NEAR(diagram(1).GetY()(1), 0.0, 1e-12);
    // A polyline without closing lines or hatching, and no labels at the ends.
    EXPECT_EQ(records(global.GetMetaFile(), Type::lineTo).size(), static_cast<size_t>(n - 1));
    EXPECT_TRUE(texts(global.GetMetaFile()).empty());

    CMetaFileDC local(&screen());
    draw(local, map, 1, 2, false, true);
    EXPECT_NEAR(diagram(1).GetY()(1), 0.0, 1e-12);
    EXPECT_NEAR(diagram(1).GetY()(n), 0.0, 1e-12);
    EXPECT_NEAR(diagram(1).GetX()(n), 4.0, 1e-12);
    // The local shape sags below the chord: one label at its interior extreme.
    EXPECT_EQ(texts(local.GetMetaFile()).size(), 1u);
}

TEST_F(ResultDiagramTest, ScaleRules) {
    omForceVector F(s.getStructureType());
    omDisplacementVector U(s.getStructureType());
    F.getDof(Ry) = 200.0;
    F.getDof(Uz) = 40.0;
    U.getDof(Ux) = 0.5;
    U.getDof(Uz) = 2.0;
    U.getDof(Ry) = 0.01;
    const double sz = size();
    EXPECT_DOUBLE_EQ(AElementMap::ResultScale(F, U, 0.3, true, 4), sz / 200.0);
    EXPECT_DOUBLE_EQ(AElementMap::ResultScale(F, U, 0.3, true, 2), sz / 40.0);
    EXPECT_DOUBLE_EQ(AElementMap::ResultScale(F, U, 0.3, false, 4), sz / 0.01);
    EXPECT_DOUBLE_EQ(AElementMap::ResultScale(F, U, 0.3, false, 2), sz / (3 * 2.0));
    EXPECT_DOUBLE_EQ(AElementMap::ResultScale(F, U, 0.3, false, 0), sz / 0.3);
    EXPECT_EQ(AElementMap::ResultScale(F, U, 0.0, false, 0), 0.0);
    // Beyond 80 diagram sizes the displaced shape is drawn at 0.01.
    U.getDof(Ux) = 81 * sz;
    EXPECT_DOUBLE_EQ(AElementMap::ResultScale(F, U, 0.3, false, 2), 0.01);
    U.getDof(Ux) = 79 * sz;
    EXPECT_DOUBLE_EQ(AElementMap::ResultScale(F, U, 0.3, false, 2), 1.0 / (3 * 79));
    // The minimum-value switch hides extremes below its threshold.
    omNumberFormat& format = AOptionsAttributes::Instance()->workFormat;
    format = omNumberFormat(3, format.getType(), false, true, 50.0);
    EXPECT_EQ(AElementMap::ResultScale(F, U, 0.3, true, 2), 0.0);
    EXPECT_DOUBLE_EQ(AElementMap::ResultScale(F, U, 0.3, true, 4), sz / 200.0);
}

TEST_F(ResultDiagramTest, EnvelopeDrawsASolidAndADottedCurveWithLabels) {
    simpleBeam();
    s.addLoadGroup("Q");
    uniform(1, -0.05, "Q");
    loadCase("LC2");
    auto* envelope = new omEnvelope;
    s.getLoadManager()->addEnvelope(envelope);
    envelope->add(1, s.getLoadManager()->getCase(1));
    envelope->add(2, s.getLoadManager()->getCase(2));
    ASSERT_TRUE(solveroad::run(s));

    AMapC2L map = view(omRect(-1, -5, 7, 5));
    CMetaFileDC rec(&screen());
    EXPECT_GT(draw(rec, map, 1001, 4, true), 0.0);
    const auto& r = rec.GetMetaFile().Records();
    size_t dotted = r.size();
    for (size_t i = 0; i < r.size(); ++i)
        if (r[i].type == Type::selectPen && r[i].pen.lopnStyle == static_cast<UINT>(PS_DOT)) dotted = i;
    ASSERT_LT(dotted, r.size());
    auto linesIn = [&](size_t from, size_t to) {
        int count = 0;
        for (size_t i = from; i < to; ++i)
            count += r[i].type == Type::lineTo;
        return count;
    };
    EXPECT_EQ(linesIn(0, dotted), 12 + 19);
    EXPECT_GE(linesIn(dotted, r.size()), 12);
    // Both extremes are labelled: the maximum and the minimum at mid-span.
    EXPECT_EQ(texts(rec.GetMetaFile()).size(), 2u);
}

TEST_F(ResultDiagramTest, MissingResultsDrawNothing) {
    simpleBeam();
    auto* envelope = new omEnvelope;
    s.getLoadManager()->addEnvelope(envelope);
    envelope->add(1, s.getLoadManager()->getCase(1));
    ASSERT_TRUE(solveroad::run(s));
    AMapC2L map = view(omRect(-1, -5, 12, 5));

    {
        // A case and an envelope that do not exist.
        CMetaFileDC rec(&screen());
        EXPECT_EQ(draw(rec, map, 5, 4, true), 0.0);
        EXPECT_EQ(draw(rec, map, 1003, 4, true), 0.0);
        EXPECT_TRUE(rec.GetMetaFile().IsEmpty());
    }
    {
        // A member added after the solution has no results: only the old one draws.
        node(3, 11, 0);
        member(2, 2, 3);
        CMetaFileDC rec(&screen());
        EXPECT_GT(draw(rec, map, 1, 4, true), 0.0);
        EXPECT_GT(draw(rec, map, 1001, 4, true), 0.0);
        EXPECT_EQ(diagram(2).GetX().size(), 0);
        EXPECT_EQ(diagram(1).GetX().size(), 11);
    }
    {
        // A deleted envelope.
        s.getLoadManager()->deleteEnvelope(1);
        CMetaFileDC rec(&screen());
        EXPECT_EQ(draw(rec, map, 1001, 4, true), 0.0);
        EXPECT_TRUE(rec.GetMetaFile().IsEmpty());
    }
    {
        // Results cleared by an edit: the scale stands, but no member draws.
        s.clearResults();
        CMetaFileDC rec(&screen());
        s.DrawResults(map, rec, map.GetTotalCU(), 0, 1, 4, true, false);
        EXPECT_TRUE(records(rec.GetMetaFile(), Type::lineTo).empty());
    }
}

TEST_F(ResultDiagramTest, ZoomOutWithoutLabelHeightRecordsNoText) {
    simpleBeam();
    ASSERT_TRUE(solveroad::run(s));
    AMapC2L map = view(omRect(-1, -5, 7, 1), 10);
    ASSERT_LT(ADrawAttributes::Instance()->GetTextHeight(map), 1);
    CMetaFileDC rec(&screen());
    s.DrawResults(map, rec, map.GetTotalCU(), 0, 1, 4, true, false);
    EXPECT_FALSE(records(rec.GetMetaFile(), Type::lineTo).empty());
    EXPECT_TRUE(texts(rec.GetMetaFile()).empty());
    EXPECT_TRUE(records(rec.GetMetaFile(), Type::selectFont).empty());
}

TEST_F(ResultDiagramTest, LabelPointsAndChord) {
    auto vec = [](std::initializer_list<double> v) {
        omVector out(static_cast<int>(v.size()));
        int i = 1;
        for (double x : v)
            out(i++) = x;
        return out;
    };
    using V = std::vector<int>;
    EXPECT_EQ(AResultDiagram::LabelPoints(vec({0, 3, 5, 2, 0}), true), (V{0, 2, 4}));
    EXPECT_EQ(AResultDiagram::LabelPoints(vec({1, 3, -2, 2, 0}), true), (V{0, 1, 2, 4}));
    // Extremes at the ends: exactly the two ends.
    EXPECT_EQ(AResultDiagram::LabelPoints(vec({-4, -1, 2, 5}), true), (V{0, 3}));
    EXPECT_EQ(AResultDiagram::LabelPoints(vec({-4, -1, 2, 5}), false), V{});
    EXPECT_EQ(AResultDiagram::LabelPoints(vec({0, 1, 0}), false), V{1});
    EXPECT_EQ(AResultDiagram::LabelPoints(vec({7}), true), V{});
    EXPECT_EQ(AResultDiagram::LabelPoints(omVector(), true), V{});

    omVector w = vec({1, 3, 5});
    SubtractChord(w, {0.0, 0.25, 1.0});
    EXPECT_DOUBLE_EQ(w(1), 0.0);
    EXPECT_DOUBLE_EQ(w(2), 3 - (1 + 4 * 0.25));
    EXPECT_DOUBLE_EQ(w(3), 0.0);
}

// Labels are written to the precision of the picture's largest value, in the
// work format: round-off is zero (never "-0") and so not labelled.
TEST_F(ResultDiagramTest, LabelsAreRoundedToThePicturesPrecision) {
    const omNumberFormat work(4, omNumberFormat::fixed, true, false, 1e-12);
    const struct {
        double value;
        double extreme;
        const char* text;
    } cases[] = {
        {84.0412, 84.0412, "84.04"},  {-67.7149, 84.0412, "-67.71"}, {-2.9e-13, 84.0412, "0"},
        {3.1e-13, 84.0412, "0"},      {-0.004, 84.0412, "0"},        {0.05123, 84.0412, "0.05"},
        {1.23456, 1.23456, "1.235"},  {-0.0004, 0.0012, "-0.0004"},  {12345.6, 12345.6, "12350"},
        {0.0, 0.0, "0"},              {-1e-13, 0.0, "-0.0000000000001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AResultDiagram::LabelText(c.value, c.extreme, work), c.text) << c.value << " of " << c.extreme;

    // A drawn beam in that format: the mid-span moment alone, its ends' round-off unwritten.
    AOptionsAttributes::Instance()->workFormat = work;
    simpleBeam();
    ASSERT_TRUE(solveroad::run(s));
    AUnitKeyAttributes::Instance()->moment = omUK_kNm;
    AMapC2L map = view(omRect(-1, -5, 7, 1));
    CMetaFileDC rec(&screen());
    draw(rec, map, 1, 4, true);
    EXPECT_EQ(texts(rec.GetMetaFile()), (std::vector<std::string>{"45"}));
}
