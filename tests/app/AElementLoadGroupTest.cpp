#include "app/views/AElementLoadGroup.h"

#include "SettingsFixture.h"
#include "ViewDrawingSupport.h"
#include "app/views/ADesignElement.h"
#include "app/views/ANode2D.h"
#include "app/views/ANodeLoadGroup.h"
#include "app/views/AStrakon.h"
#include "model/omElementMap.h"
#include "model/omLoad.h"
#include "platform/gdi/CImageDC.h"
#include "tests/support/ArtifactsFolder.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <numbers>

using viewdrawing::Polygons;
using viewdrawing::Segments;
using viewdrawing::Texts;

namespace {

constexpr double kPi = std::numbers::pi;

struct Linear {
    omDofType dof = Uz;
    double start = -5.0, end = -5.0; // kN/m
    omLoad::Scope scope = omLoad::LocalCS;
    omLoad::Scope position = omLoad::LocalCS;
    double from = 0.0, to = 1.0;
};

class AElementLoadGroupTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        s.setupObjects();
        s.addLoadGroup("G");
        s.addLoadGroup("H");
        member(1, 0.0, 0.0, 4.0, 0.0);
    }

    // Members between nodes of their own, numbered after the member.
    ADesignElement* member(unsigned id, double x1, double z1, double x2, double z2) {
        omNode* start = s.addNode(new ANode2D(x1, z1, "m", 10 * id), 10 * id);
        omNode* end = s.addNode(new ANode2D(x2, z2, "m", 10 * id + 1), 10 * id + 1);
        return dynamic_cast<ADesignElement*>(
            s.addElement(new ALinearDesignElement2D(*s.getNodeMap(), start, end, 0, 0, id), id));
    }
    omLoadLinear* linear(const Linear& l, const char* name = "q", unsigned element = 1, const char* group = "G") {
        auto* load = new omLoadLinear(name, s.getStructureType(), 0);
        load->setFs(l.dof, omUnitValue(l.start, l.dof == Ry ? omUK_kNm_m : omUK_kN_m));
        load->setFe(l.dof, omUnitValue(l.end, l.dof == Ry ? omUK_kNm_m : omUK_kN_m));
        load->setScope(l.scope);
        load->setPosition(l.position);
        load->setStart(l.from);
        load->setEnd(l.to);
        EXPECT_TRUE(s.addElementLoad(element, load, group));
        return load;
    }
    omLoadForce* force(const char* name, double x, double fz, double my = 0.0, unsigned element = 1,
                       omLoad::Scope scope = omLoad::LocalCS) {
        auto* load = new omLoadForce(name, s.getStructureType(), 0);
        load->setScope(scope);
        load->setF(Uz, omUnitValue(fz, omUK_kN));
        load->setF(Ry, omUnitValue(my, omUK_kNm));
        load->setX(x);
        EXPECT_TRUE(s.addElementLoad(element, load, "G"));
        return load;
    }
    omLoadTemperature* temperature(const char* name, double positiveFace, double negativeFace, unsigned element = 1) {
        auto* load = new omLoadTemperature(name, s.getStructureType(), 0);
        load->setT(1, 1, omUnitValue(positiveFace, omUK_degC));
        load->setT(0, 1, omUnitValue(negativeFace, omUK_degC));
        EXPECT_TRUE(s.addElementLoad(element, load, "G"));
        return load;
    }
    AElementLoadGroup& group(unsigned element = 1) {
        auto* g = dynamic_cast<AElementLoadGroup*>(s.getElementMap()->find(element)->getLoad());
        EXPECT_NE(g, nullptr) << "the member's factory makes drawable load groups";
        return *g;
    }
    CMetaFile draw(unsigned element = 1) {
        CMetaFileDC rec(&viewdrawing::LometricScreen());
        group(element).Draw(map, rec, 0, *ADrawAttributes::Instance());
        return rec.GetMetaFile();
    }
    // The logical point of a world point beside member 1 (horizontal, from (0, 0)).
    CPoint beside(double x, double offset) { return map.LU(omPoint(x, offset)); }

    static bool contains(const viewdrawing::Polygon& p, CPoint corner) {
        return std::find(p.points.begin(), p.points.end(), corner) != p.points.end();
    }

    AStrakon s;
    AMapC2L map = viewdrawing::HundredPerMetre();
    double d = 0.3; // the default node symbol size
};

// The direction of the arrow shafts drawn after the first polygon, each as an angle in [0, pi) on the page.
std::vector<double> shaftDirections(const CMetaFile& f) {
    const auto polygons = Polygons(f);
    std::vector<double> out;
    if (polygons.empty()) return out;
    const auto segments = Segments(f, polygons.front().record);
    for (size_t i = 0; i < segments.size(); i += 3) {
        const double dx = segments[i].to.x - segments[i].from.x;
        const double dy = segments[i].to.y - segments[i].from.y;
        double a = std::atan2(dy, dx);
        if (a < 0) a += kPi;
        if (a >= kPi - 1e-9) a -= kPi;
        out.push_back(a);
    }
    return out;
}

double pageAngle(CPoint from, CPoint to) {
    double a = std::atan2(to.y - from.y, to.x - from.x);
    if (a < 0) a += kPi;
    return a >= kPi - 1e-9 ? a - kPi : a;
}

} // namespace

TEST_F(AElementLoadGroupTest, DistributedLoadsGoFirstInALocalStackAndForcesOnTop) {
    force("F", 0.5, 10.0);
    temperature("T", 10.0, -10.0);
    linear({.dof = Ry, .start = 2.0, .end = 2.0}, "m");
    linear({.dof = Uz}, "q");
    group().SetShownLoad(0);
    const CMetaFile f = draw();
    const auto polygons = Polygons(f);
    ASSERT_EQ(polygons.size(), 3u);
    // 0.7 d beside the member, then 1.5 d further for each symbol, in list order.
    EXPECT_TRUE(contains(polygons[0], beside(0.0, 0.7 * d)));
    EXPECT_TRUE(contains(polygons[1], beside(0.0, 2.2 * d)));
    EXPECT_TRUE(contains(polygons[2], beside(0.0, 3.7 * d)));
    // The force's value comes after every rectangle.
    const auto& records = f.Records();
    const auto forceText = std::find_if(records.begin(), records.end(), [](const CMetaRecord& r) {
        return r.type == CMetaRecord::Type::textOut && r.text.find("10") == 0 && r.text.find("kN") != std::string::npos;
    });
    ASSERT_NE(forceText, records.end());
    EXPECT_GT(static_cast<size_t>(forceText - records.begin()), polygons.back().record);
    // The temperature shows the positive face's value as +z.
    const auto texts = Texts(f);
    std::string all;
    for (const std::string& t : texts)
        all += "[" + t + "]";
    EXPECT_NE(std::find(texts.begin(), texts.end(), "-z: -10 \u00b0C, +z: 10 \u00b0C"), texts.end()) << all;
}

TEST_F(AElementLoadGroupTest, EachComponentDrawsItsKindOfSymbol) {
    // A member at 36.87 degrees: local, horizontal and vertical directions all differ on the page.
    ADesignElement* inclined = member(2, 0.0, 0.0, 4.0, 3.0);
    ASSERT_NE(inclined, nullptr);
    const double along = pageAngle(map.LU(omPoint(0, 0)), map.LU(omPoint(4, 3)));
    const double across = along < kPi / 2 ? along + kPi / 2 : along - kPi / 2;
    struct Case {
        const char* name;
        Linear load;
        double shafts; // page direction of the arrows
    };
    const Case cases[] = {
        {"local x", {.dof = Ux, .start = 4, .end = 4}, along},
        {"world x", {.dof = Ux, .start = 4, .end = 4, .scope = omLoad::WorldCS}, 0.0},
        {"local z", {.dof = Uz}, across},
        {"world z", {.dof = Uz, .scope = omLoad::WorldCS}, kPi / 2},
        {"world x beside the vertical projection",
         {.dof = Ux, .start = 4, .end = 4, .scope = omLoad::WorldCS, .position = omLoad::WorldCS},
         0.0},
        {"world z beside the horizontal projection",
         {.dof = Uz, .scope = omLoad::WorldCS, .position = omLoad::WorldCS},
         kPi / 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        omLoadLinear* load = linear(c.load, c.name, 2);
        group(2).SetActiveLoadGroup(1);
        const CMetaFile f = draw(2);
        const std::vector<double> shafts = shaftDirections(f);
        ASSERT_GE(shafts.size(), 2u);
        for (double a : shafts)
            EXPECT_NEAR(a, c.shafts, 0.06);
        EXPECT_EQ(viewdrawing::Count(f, CMetaRecord::Type::arc), 0);
        group(2).remove(load);
    }
    // The moment draws turning arrows, the temperature arrows along the member.
    omLoadLinear* moment = linear({.dof = Ry, .start = 2, .end = 2}, "m", 2);
    EXPECT_GE(viewdrawing::Count(draw(2), CMetaRecord::Type::arc), 4);
    group(2).remove(moment);
    temperature("T", 10.0, -10.0, 2);
    for (double a : shaftDirections(draw(2)))
        EXPECT_NEAR(a, along, 0.06);
}

TEST_F(AElementLoadGroupTest, OnlyTheShownLoadIsFilled) {
    linear({.dof = Uz}, "q1");
    linear({.dof = Uz}, "q2");
    temperature("T", 10.0, 0.0);
    const ADrawAttributes& colours = *ADrawAttributes::Instance();
    struct Case {
        unsigned shown;
        COLORREF fills[3];
    };
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF uniform = colours.m_loadUniformAreaColor;
    const COLORREF warm = colours.m_loadTemperatureAreaColor;
    for (const Case& c : {Case{1, {uniform, white, white}}, Case{2, {white, uniform, white}},
                          Case{3, {white, white, warm}}, Case{0, {white, white, white}}}) {
        group().SetShownLoad(c.shown);
        const auto polygons = Polygons(draw());
        ASSERT_EQ(polygons.size(), c.shown ? 4u : 3u) << "the label's frame comes last";
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(polygons[static_cast<size_t>(i)].fill, c.fills[i]) << c.shown << " " << i;
        const auto texts = Texts(draw());
        const bool labelled = std::find(texts.begin(), texts.end(), "2/3: q2") != texts.end();
        EXPECT_EQ(labelled, c.shown == 2);
    }
}

TEST_F(AElementLoadGroupTest, AWorldLoadOnAHorizontalMemberDrawsWhatItsProjectionsCarry) {
    // The vertical projection of a horizontal member has no length: only the x part lies beside it.
    omLoadLinear* load = linear({.dof = Uz, .scope = omLoad::WorldCS, .position = omLoad::WorldCS});
    load->setFs(Ux, omUnitValue(3.0, omUK_kN_m));
    load->setFe(Ux, omUnitValue(3.0, omUK_kN_m));
    load->setFs(Ry, omUnitValue(1.0, omUK_kNm_m));
    load->setFe(Ry, omUnitValue(1.0, omUK_kNm_m));
    group().SetShownLoad(0);
    const auto polygons = Polygons(draw());
    ASSERT_EQ(polygons.size(), 2u) << "the z part and the moment";
    // The z part lies on the projection side, the moment on the member's side.
    EXPECT_TRUE(contains(polygons[0], beside(0.0, -0.7 * d)));
    EXPECT_TRUE(contains(polygons[1], beside(0.0, 0.7 * d)));
}

TEST_F(AElementLoadGroupTest, ALoadedPartWithoutLengthDrawsNothingAndTakesNoRoom) {
    linear({.dof = Uz}, "elsewhere", 1, "H");
    group().SetActiveLoadGroup(1);
    const omRect empty = group().GetBoundingRect(true);
    for (const auto& [from, to] : {std::pair{0.5, 0.5}, std::pair{0.8, 0.2}}) {
        omLoadLinear* load = linear({.dof = Uz, .from = from, .to = to});
        load->setFs(Ry, omUnitValue(1.0, omUK_kNm_m));
        group().SetShownLoad(0);
        EXPECT_TRUE(Polygons(draw()).empty()) << from << " " << to;
        EXPECT_EQ(group().GetBoundingRect(true), empty);
        group().remove(load);
    }
}

TEST_F(AElementLoadGroupTest, AOneSidedIntensityWidensTheBoundingRectangle) {
    temperature("T", 10.0, 0.0);
    linear({.dof = Ry, .start = 1, .end = 1});
    omLoadLinear* x = linear({.dof = Ux, .start = 0, .end = 0});
    // Member 1 lies along x at z = 0 and its local side is towards positive z.
    const omRect without = group().GetBoundingRect(true);
    EXPECT_NEAR(std::max(without.top, without.bottom), 5.2 * d, 1e-12) << "n_local = 3";
    x->setFe(Ux, omUnitValue(5.0, omUK_kN_m));
    const omRect with = group().GetBoundingRect(true);
    EXPECT_NEAR(std::max(with.top, with.bottom), 6.7 * d, 1e-12);
    // The force arrows' room: 6 d beyond the ends and 5 d on the other side.
    EXPECT_NEAR(with.left, -6 * d, 1e-12);
    EXPECT_NEAR(with.right, 4.0 + 6 * d, 1e-12);
    EXPECT_NEAR(std::min(with.top, with.bottom), -5 * d, 1e-12);
}

TEST_F(AElementLoadGroupTest, ClicksWalkThroughTheLoadsAndRemovalsKeepTheShownIndexInTheList) {
    linear({.dof = Uz}, "a");
    linear({.dof = Uz}, "b");
    linear({.dof = Uz}, "c");
    EXPECT_EQ(group().GetShownLoad(), 3u) << "an added load is shown";
    group().SetActiveLoadGroup(1);
    EXPECT_EQ(group().GetShownLoad(), 1u) << "a new action shows its first load";
    const unsigned expected[] = {1, 2, 3, 0};
    for (unsigned shown : expected) {
        group().Toggle();
        EXPECT_TRUE(group().IsSelected());
        EXPECT_EQ(group().GetShownLoad(), shown);
    }
    group().SetShownLoad(3);
    group().remove(group().GetListedLoad(3));
    EXPECT_EQ(group().GetShownLoad(), 2u);
    EXPECT_EQ(group().GetLoadLabel(2), "2/2: b");
    // One listed load: a click on the selected group deselects it.
    group().remove(group().GetListedLoad(1));
    group().Toggle();
    EXPECT_FALSE(group().IsSelected());
    // Another action lists nothing and draws nothing.
    group().SetActiveLoadGroup(2);
    EXPECT_EQ(group().GetShownLoad(), 0u);
    EXPECT_TRUE(draw().IsEmpty());
    EXPECT_EQ(group().GetTipText(omPoint()), "Loads: 0");
}

TEST_F(AElementLoadGroupTest, TheTipMarksEachKind) {
    force("F", 0.5, 10.0);
    linear({.dof = Uz}, "q");
    temperature("T", 5.0, 0.0);
    auto* odd = new omLoadDisplacement("D", s.getStructureType(), 1);
    group().add(odd);
    EXPECT_EQ(group().GetTipText(omPoint()), "Loads: 4\n1: F-F\n2: q-L\n3: T-T\n4: DERROR");
    EXPECT_EQ(group().GetObjectType(), 31);
    EXPECT_EQ(group().GetMenuResourceId(), 257u);
    // It is picked as its member is.
    const ADesignElement& element = *dynamic_cast<ADesignElement*>(s.getElementMap()->find(1));
    EXPECT_EQ(group().GetDistance(omPoint(2.0, 0.5)), element.GetDistance(omPoint(2.0, 0.5)));
    std::unique_ptr<omElementLoadGroup> copy(group().clone());
    auto* drawable = dynamic_cast<AElementLoadGroup*>(copy.get());
    ASSERT_NE(drawable, nullptr);
    EXPECT_EQ(drawable->GetDesignElement(), group().GetDesignElement());
    EXPECT_EQ(drawable->GetLoadCount(), 4);
}

TEST_F(AElementLoadGroupTest, PictureOfLoads) {
    // Node loads: a force, a moment, a settlement and a mixed sum.
    s.addNode(new ANode2D(-2.0, 0.0, "m", 50), 50);
    s.addNode(new ANode2D(-2.0, -3.0, "m", 51), 51);
    s.addNode(new ANode2D(6.0, -3.0, "m", 52), 52);
    auto nodeForce = [&](unsigned node, const char* name, double fx, double fz, double my) {
        auto* f = new omLoadForce(name, s.getStructureType(), 0);
        f->setF(Ux, omUnitValue(fx, omUK_kN));
        f->setF(Uz, omUnitValue(fz, omUK_kN));
        f->setF(Ry, omUnitValue(my, omUK_kNm));
        s.addNodeLoad(node, f, "G");
    };
    nodeForce(50, "F", 5.0, 10.0, 0.0);
    nodeForce(51, "M", 0.0, 0.0, 12.0);
    auto* settlement = new omLoadDisplacement("S", s.getStructureType(), 0);
    settlement->setU(Uz, omUnitValue(1.5, omUK_cm));
    s.addNodeLoad(52, settlement, "G");
    nodeForce(52, "Mix", 2.0, 0.0, 0.0);
    // Member loads: uniform and partial local loads, a world load on an inclined member, temperature.
    linear({.dof = Uz, .start = -4, .end = -4}, "g");
    linear({.dof = Uz, .start = 0, .end = -6, .from = 0.25, .to = 0.75}, "partial");
    member(2, 0.0, -3.0, 4.0, -6.0);
    linear({.dof = Uz, .start = -3, .end = -3, .scope = omLoad::WorldCS, .position = omLoad::WorldCS}, "snow", 2);
    linear({.dof = Ux, .start = 2, .end = 2, .scope = omLoad::WorldCS, .position = omLoad::WorldCS}, "wind", 2);
    member(3, 6.0, 0.0, 6.0, -3.0);
    temperature("T", 20.0, -10.0, 3);
    force("P", 0.5, 15.0, 0.0, 3, omLoad::LocalCS);
    s.SetActiveLoadGroup(1);
    group(1).Select(true);
    group(1).SetShownLoad(2);

    QImage image(1200, 900, QImage::Format_RGB32);
    image.fill(Qt::white);
    CImageDC dc(&image);
    dc.SetMapMode(MM_LOMETRIC);
    AMapC2L view;
    view.SetTotalCU(omRect(-3.5, -7.5, 8.5, 1.5));
    CRect logical(0, 0, 3175, -2381); // 1200 x 900 pixels at 96 dpi
    ASSERT_TRUE(view.SetMap_tc_tl(logical, AMapC2L::posCenter, AMapC2L::posCenter));
    view.SetMapModeData(dc);
    s.Draw(view, dc, view.GetTotalCU(), 0, *ADrawAttributes::Instance());
    s.DrawLoads(view, dc, view.GetTotalCU(), 0, *ADrawAttributes::Instance());
    ASSERT_TRUE(image.save(QString::fromStdString((ArtifactsFolder() / "loads.png").string())));
}
