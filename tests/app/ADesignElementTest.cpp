#include "DrawableFrame.h"

#include "app/design/AFactorColor.h"
#include "app/views/ADrawAttributes.h"
#include "common/omMath.h"
#include "controls/ASimpleObject.h"
#include "model/omGenericDesignData.h"
#include "platform/gdi/CImageDC.h"
#include "tests/support/ArtifactsFolder.h"

#include <QImage>

#include <cmath>

namespace {

using Type = CMetaRecord::Type;

class DesignElementTest : public DrawableFrame {
protected:
    void SetUp() override {
        DrawableFrame::SetUp();
        node(1, 0, 0);
        node(2, 6, 0);
    }
    ALinearDesignElement2D* beam() { return dynamic_cast<ALinearDesignElement2D*>(memberOf(1)); }
};

} // namespace

TEST_F(DesignElementTest, NonLinearMemberIsOneMemberFoundAsBothKinds) {
    auto* q = member<AQuentraDesignElement>(1, 1, 2);
    ASSERT_NE(q, nullptr);
    omDesignElement* model = q;
    EXPECT_EQ(dynamic_cast<ALinearDesignElement2D*>(model), q);
    EXPECT_NE(dynamic_cast<omDravikDesignElement*>(model), nullptr);
    EXPECT_EQ(static_cast<omDesignElement*>(static_cast<omDravikDesignElement*>(q)), model);
    EXPECT_EQ(q->GetObjectType(), 11);
    EXPECT_FALSE(q->isLinear());
    EXPECT_EQ(q->GetMenuResourceId(), 146u);

    std::unique_ptr<omDesignElement> copy(q->clone());
    EXPECT_EQ(dynamic_cast<AQuentraDesignElement*>(copy.get())->GetObjectType(), 11);
    EXPECT_EQ(copy->getIndex(), 1u);
    std::unique_ptr<omDesignElement> fresh(q->create());
    EXPECT_NE(dynamic_cast<AQuentraDesignElement*>(fresh.get()), nullptr);
    EXPECT_EQ(fresh->getIndex(), 0u);
    EXPECT_EQ(fresh->getNode2(), nodeOf(2));

    auto* linear = member(2, 2, 1);
    EXPECT_EQ(linear->GetObjectType(), 10);
    EXPECT_TRUE(linear->isLinear());
    linear->Select(true);
    std::unique_ptr<omDesignElement> linearCopy(linear->clone());
    EXPECT_TRUE(dynamic_cast<ALinearDesignElement2D*>(linearCopy.get())->IsSelected());
    EXPECT_EQ(dynamic_cast<AQuentraDesignElement*>(linearCopy.get()), nullptr);
}

TEST_F(DesignElementTest, SetBackCountsReleaseSymbolsAndThreeReleasesAsOne) {
    struct Case {
        std::vector<omDofType> released;
        double symbols;
    };
    const Case cases[] = {{{}, 0}, {{Ux}, 1}, {{Ry}, 1}, {{Ux, Uz}, 2}, {{Ry, Uz}, 2}, {{Ux, Uz, Ry}, 1}};
    for (const Case& c : cases) {
        s.deleteElement(memberOf(1));
        auto* m = member(1, 1, 2);
        for (omDofType t : c.released)
            m->release(omDesignElement::second, t, true);
        EXPECT_DOUBLE_EQ(m->GetSetBack(omDesignElement::second, 0.3), 0.15 + 0.3 * c.symbols);
        EXPECT_DOUBLE_EQ(m->GetSetBack(omDesignElement::first, 0.3), 0.15);
    }
}

TEST_F(DesignElementTest, PointsNearOrBeyondTheEndsAreNeverPicked) {
    member(1, 1, 2);
    const double s = ADrawAttributes::Instance()->m_nodeSize * 0.35; // 0.105
    EXPECT_EQ(beam()->GetDistance({-0.5, 0}), 1e10);
    EXPECT_EQ(beam()->GetDistance({s - 0.01, 0}), 1e10);
    EXPECT_EQ(beam()->GetDistance({6 - s + 0.01, 0}), 1e10);
    EXPECT_EQ(beam()->GetDistance({7, 0.01}), 1e10);
    EXPECT_DOUBLE_EQ(beam()->GetDistance({3, 0.05}), 0.0);
    EXPECT_NEAR(beam()->GetDistance({3, -0.5}), 0.5 - s, 1e-12);
    // Along a member drawn backwards the same holds.
    auto* back = member(2, 2, 1);
    EXPECT_NEAR(back->GetDistance({3, 0.5}), 0.5 - s, 1e-12);
    EXPECT_EQ(back->GetDistance({6.05, 0}), 1e10);
}

TEST_F(DesignElementTest, ReferencePointSnapsToRoundSteps) {
    member(1, 1, 2);
    // Six pixels at a factor f (logical units per metre, 1 logical unit per
    // pixel before the context's mapping is read) give r = 6 / f / 6 m.
    struct Case {
        double r;
        double step;
    };
    const Case cases[] = {
        {0.0011, 0.001}, {0.0019, 0.002}, {0.0024, 0.0025}, {0.0045, 0.005}, {0.031, 0.025}};
    for (const Case& c : cases) {
        AMapC2L map;
        map.SetTotalCU(omRect(0, -1, 6, 1));
        const double factor = 6.0 / (c.r * 6.0);
        const int width = static_cast<int>(std::lround(factor * 6));
        ASSERT_TRUE(map.SetMap_tc_tl(CRect(0, 0, width, -width / 3), AMapC2L::posCenter, AMapC2L::posCenter));
        const double r = map.GetD2LFactor() / map.GetFactor() * 6.0 / 6.0;
        ASSERT_NEAR(r, c.r, c.r * 0.01);
        const omPoint p = beam()->GetReferencePoint(map, {6 * 0.33371, 0.4});
        EXPECT_NEAR(p.x / 6, std::round(0.33371 / c.step) * c.step, 1e-9) << c.r;
        EXPECT_DOUBLE_EQ(p.y, 0.0);
    }
}

TEST_F(DesignElementTest, RubberLineMovesWholeOrStretches) {
    member(1, 1, 2);
    auto run = [&](std::vector<unsigned> moved) {
        AObjectPtrContainer selection;
        for (unsigned id : moved)
            selection.AddTail(dynamic_cast<ANode2D*>(nodeOf(id)));
        ASimpleObjectGroup group;
        beam()->AddDragShapes(group, selection);
        EXPECT_EQ(group.GetShapeCount(), 1);
        group.Offset({1, 2});
        return group;
    };
    // The group keeps the line; the shape is read back by drawing it.
    auto ends = [&](ASimpleObjectGroup& group) {
        CMetaFileDC rec(&screen());
        AMapC2L map = view(omRect(-1, -1, 9, 4));
        group.Draw(map, rec);
        std::vector<CPoint> points;
        for (const CMetaRecord& r : rec.GetMetaFile().Records())
            if (r.type == Type::moveTo || r.type == Type::lineTo) points.push_back(r.points[0]);
        return std::make_pair(points, map);
    };
    {
        ASimpleObjectGroup both = run({1, 2});
        auto [points, map] = ends(both);
        ASSERT_EQ(points.size(), 2u);
        EXPECT_EQ(points[0], map.LU(1, 2));
        EXPECT_EQ(points[1], map.LU(7, 2));
    }
    {
        ASimpleObjectGroup one = run({2});
        auto [points, map] = ends(one);
        ASSERT_EQ(points.size(), 2u);
        EXPECT_EQ(points[0], map.LU(0, 0));
        EXPECT_EQ(points[1], map.LU(7, 2));
    }
}

TEST_F(DesignElementTest, DesignColourFollowsTheResultsAndTheUltimateSwitch) {
    member(1, 1, 2);
    ADrawAttributes& a = *ADrawAttributes::Instance();
    const COLORREF white = RGB(255, 255, 255);
    EXPECT_EQ(beam()->GetDesignColour(a), white); // no design data

    struct Case {
        bool ult, ser, showUltimate;
        COLORREF expected;
    };
    const Case cases[] = {
        {true, true, true, GetFactorColor(0.95)},
        {true, true, false, GetFactorColor(0.4)},
        {false, true, true, white},
        {false, true, false, GetFactorColor(0.4)},
        {true, false, false, white},
        {false, false, false, white},
    };
    for (const Case& c : cases) {
        std::unique_ptr<omGenericDesignData> data(omGenericDesignData::createDesignDataObject(omGenericDesignData::dtSteel));
        ASSERT_NE(data, nullptr);
        data->setUltDesign(c.ult);
        data->setSerDesign(c.ser);
        data->setUltFactor(0.95);
        data->setSerFactor(0.4);
        beam()->setDesignData(data.get());
        a.m_showDesignUltimate = c.showUltimate;
        EXPECT_EQ(beam()->GetDesignColour(a), c.expected) << c.ult << c.ser << c.showUltimate;
    }
}

TEST_F(DesignElementTest, DesignStateLeavesTheRectangleSwitchAsItWas) {
    member(1, 1, 2);
    ADrawAttributes& a = *ADrawAttributes::Instance();
    a.m_showElementAsRect = false;
    AMapC2L map = view(omRect(-1, -1, 7, 2));
    CMetaFileDC rec(&screen());
    s.DrawDesignSummary(map, rec, map.GetTotalCU(), 0, a);
    EXPECT_FALSE(a.m_showElementAsRect);
    // Drawn as a rectangle filled white: the member has no design data.
    bool whiteBody = false;
    for (const CMetaRecord* r : records(rec.GetMetaFile(), Type::selectBrush))
        whiteBody |= r->brush.lbColor == RGB(255, 255, 255);
    EXPECT_TRUE(whiteBody);
    EXPECT_FALSE(records(rec.GetMetaFile(), Type::polygon).empty());
}

TEST_F(DesignElementTest, TipTextOfASixMetreMember) {
    member(1, 1, 2);
    EXPECT_EQ(std::string(beam()->GetTipText({1.5, 0.3})),
              "Id = 1\nRel. pos = 0.25\nNode1 = 1\nNode2 = 2\nL = 600 cm\nSec. = 1\nMat. = 1");
}

TEST_F(DesignElementTest, BoundingRectangleHoldsBothNodes) {
    member(1, 1, 2);
    omRect r = beam()->GetBoundingRect(false);
    r.normalize();
    EXPECT_LT(r.left, 0.0);
    EXPECT_GT(r.right, 6.0);
    omRect large = beam()->GetBoundingRect(true);
    large.normalize();
    EXPECT_TRUE(large.liesIn(r) || r.liesIn(large));
}

TEST_F(DesignElementTest, ShortMemberWithReleasesDrawsNoBodyButItsReleasesAndIndex) {
    node(3, 6.4, 0);
    auto* m = member(1, 2, 3);
    for (omDofType t : {Ry, Ux})
        m->release(omDesignElement::first, t, true);
    m->release(omDesignElement::second, Ry, true);
    m->setElGroundType(ElGroundType(1));
    m->setElGroundCoef(omUnitValue(0.01, omUK_kN_cm3));
    ADrawAttributes& a = *ADrawAttributes::Instance();
    a.m_showElementAsRect = false;
    AMapC2L map = view(omRect(5, -1, 8, 1));
    CMetaFileDC rec(&screen());
    m->Draw(map, rec, 0, a);
    const CMetaFile& f = rec.GetMetaFile();
    // No side line (dotted), no springs (six-point polylines), no direction arrow.
    for (const CMetaRecord* r : records(f, Type::selectPen))
        EXPECT_NE(r->pen.lopnStyle, static_cast<UINT>(PS_DOT));
    for (const CMetaRecord* r : records(f, Type::polyline))
        EXPECT_NE(r->points.size(), 6u);
    EXPECT_EQ(texts(f), std::vector<std::string>{"1"});
    // The releases: hinge and normal-force box at the start, hinge at the end.
    EXPECT_GE(records(f, Type::ellipse).size(), 2u);
}

TEST_F(DesignElementTest, LongMemberOnGroundDrawsSpringsOnBothSides) {
    auto* m = member(1, 1, 2);
    m->setElGroundType(ElGroundType(1));
    m->setElGroundCoef(omUnitValue(0.01, omUK_kN_cm3));
    ADrawAttributes& a = *ADrawAttributes::Instance();
    AMapC2L map = view(omRect(-1, -1, 7, 1));
    CMetaFileDC rec(&screen());
    m->Draw(map, rec, 0, a);
    int springs = 0;
    for (const CMetaRecord* r : records(rec.GetMetaFile(), Type::polyline))
        springs += r->points.size() == 6u;
    // (6 - 2 x 0.15) / (1.2 x 0.21) = 22.6: 22 springs a side.
    EXPECT_EQ(springs, 44);
}

TEST_F(DesignElementTest, LabelsBelowOneLogicalUnitAreNotDrawn) {
    member(1, 1, 2);
    ADrawAttributes& a = *ADrawAttributes::Instance();
    AMapC2L map = view(omRect(-1, -1, 7, 1), 8);
    ASSERT_LT(a.GetTextHeight(map), 1);
    CMetaFileDC rec(&screen());
    s.Draw(map, rec, map.GetTotalCU(), 0, a);
    EXPECT_TRUE(texts(rec.GetMetaFile()).empty());
    EXPECT_TRUE(records(rec.GetMetaFile(), Type::selectFont).empty());
}

TEST_F(DesignElementTest, PictureOfASmallFrame) {
    // Two columns and a beam, a hinge in the beam, a truss diagonal, a footing
    // beam on one-sided ground, three kinds of support, one selected member
    // and design colours on the second picture.
    node(3, 0, -4);
    node(4, 6, -4);
    node(5, 3, -4);
    node(6, 10, 0);
    node(7, 10, -4);
    fix(1, {Ux, Uz, Ry});
    fix(2, {Ux, Uz});
    fix(6, {Uz});
    for (unsigned id : {1u, 2u, 6u})
        dynamic_cast<ANode2D*>(nodeOf(id))->SetShowSupportSymbol(true);
    member(1, 1, 3);
    member(2, 2, 4);
    auto* left = member(3, 3, 5);
    left->release(omDesignElement::second, Ry, true);
    member<AQuentraDesignElement>(4, 5, 4);
    auto* truss = member(5, 4, 6);
    for (auto end : {omDesignElement::first, omDesignElement::second})
        truss->release(end, Ry, true);
    auto* ground = member(6, 2, 6);
    ground->setElGroundType(ElGroundType(2));
    ground->setElGroundCoef(omUnitValue(0.01, omUK_kN_cm3));
    member(7, 6, 7)->Select(true);
    member(8, 4, 7);
    const double factors[] = {0.3, 0.6, 0.8, 0.95, 1.2};
    for (unsigned id = 1; id <= 5; ++id) {
        auto* m = dynamic_cast<ALinearDesignElement2D*>(memberOf(id));
        std::unique_ptr<omGenericDesignData> data(omGenericDesignData::createDesignDataObject(omGenericDesignData::dtSteel));
        ASSERT_NE(data, nullptr);
        data->setUltFactor(factors[id - 1]);
        m->setDesignData(data.get());
    }

    ADrawAttributes& a = *ADrawAttributes::Instance();
    a.m_fillCrossSectionColor = false;
    const omRect world(-1.5, -5.5, 11.5, 1.5);
    AMapC2L map = view(world, 2600);
    CMetaFileDC rec(&screen());
    s.Draw(map, rec, world, 0, a);
    const CMetaFile structure = rec.Close();
    CMetaFileDC design(&screen());
    s.DrawDesignSummary(map, design, world, 0, a);
    const CMetaFile summary = design.Close();

    const std::vector<std::string> labels = texts(structure);
    for (const char* id : {"1", "5", "8"})
        EXPECT_NE(std::find(labels.begin(), labels.end(), id), labels.end()) << id;

    QImage img(1000, 1200, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setDotsPerMeterX(96 * 10000 / 254);
    img.setDotsPerMeterY(96 * 10000 / 254);
    {
        CImageDC dc(&img);
        dc.SetMapMode(MM_LOMETRIC);
        ASSERT_TRUE(dc.PlayMetaFile(structure, CPoint(20, -20)));
        ASSERT_TRUE(dc.PlayMetaFile(summary, CPoint(20, -1480)));
    }
    ASSERT_TRUE(img.save(QString::fromStdString((ArtifactsFolder() / "structure_frame.png").string())));
}
