// Numbers a structure can carry that no drawing can: coordinates, results,
// loads, pen widths and sizes that are no number, infinite, beyond any device
// or too small to divide by. Each is drawn through the geometry, loads and
// result drawings and the report's pictures; the drawing ends with bounded
// work and the finite portal beside the bad object is still drawn.
#include "DrawableFrame.h"

#include "app/shell/AStrakonReportDrawing.h"
#include "app/views/ADrawAttributes.h"
#include "common/omErrorContainer.h"
#include "model/omLoad.h"
#include "model/omLoadCaseResult.h"
#include "model/omNode2D.h"
#include "platform/gdi/CImageDC.h"
#include "tests/model/SolveRoad.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <limits>
#include <string>

namespace {

enum class Where { coordinate, result, load, penWidth, nodeSize, diagramFactor };

const char* name(Where w) {
    switch (w) {
    case Where::coordinate: return "coordinate";
    case Where::result: return "result";
    case Where::load: return "load";
    case Where::penWidth: return "pen width";
    case Where::nodeSize: return "node size";
    case Where::diagramFactor: return "diagram factor";
    }
    return "";
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A drawing of the whole case fits in far fewer records than the recording's cap.
constexpr std::size_t kRecordBound = 200000;

class AStrakonExtremeValuesTest : public DrawableFrame,
                                  public ::testing::WithParamInterface<std::tuple<Where, double>> {
protected:
    void SetUp() override {
        DrawableFrame::SetUp();
        ADrawAttributes* a = ADrawAttributes::Instance();
        savedNodeSize = a->m_nodeSize;
        savedFactor = a->m_diagramFactor;
        for (int i = 0; i < ADrawAttributes::kPenWidthCount; ++i)
            savedWidths[i] = a->m_penWidth[i];
    }
    void TearDown() override {
        ADrawAttributes* a = ADrawAttributes::Instance();
        a->m_nodeSize = savedNodeSize;
        a->m_diagramFactor = savedFactor;
        for (int i = 0; i < ADrawAttributes::kPenWidthCount; ++i)
            a->m_penWidth[i] = savedWidths[i];
        omErrorContainer::instance()->reset();
        DrawableFrame::TearDown();
    }

    // A fixed portal (x 0 to 6 m, z 0 to -4 m) and, beside it, a beam from
    // node 3 to node 5 that carries the bad value; both loaded and solved.
    void build() {
        node(1, 0.0, 0.0);
        node(2, 0.0, -4.0);
        node(3, 6.0, -4.0);
        node(4, 6.0, 0.0);
        node(5, 12.0, -4.0);
        fix(1, {Ux, Uz, Ry});
        fix(4, {Ux, Uz, Ry});
        fix(5, {Uz});
        member(1, 1, 2);
        member(2, 2, 3);
        member(3, 3, 4);
        member(4, 3, 5);
        for (unsigned id : {2u, 4u}) {
            auto* q = new omLoadLinear(s.getStructureType(), 0);
            q->setFs(Uz, omUnitValue(20.0, omUK_kN_m));
            q->setFe(Uz, omUnitValue(20.0, omUK_kN_m));
            q->setStart(0.0);
            q->setEnd(1.0);
            s.addElementLoad(id, q, "G");
            if (id == 4) badLine = q;
        }
        badForce = new omLoadForce(s.getStructureType(), 0);
        badForce->setF(Uz, omUnitValue(10.0, omUK_kN));
        s.addNodeLoad(5, badForce, "G");
        omVector factors(1);
        factors(1) = 1.0;
        s.addLoadCase("ULT", omLoadCase::lsUltimate, factors);
        ASSERT_TRUE(solveroad::run(s));
        s.SetActiveLoadGroup(1);
    }

    void spoil(Where where, double v) {
        ADrawAttributes* a = ADrawAttributes::Instance();
        switch (where) {
        case Where::coordinate: {
            auto* far = dynamic_cast<omNode2D*>(nodeOf(5));
            far->setUx(omUnitValue(v, omUK_m));
            far->setUz(omUnitValue(-v, omUK_m));
            break;
        }
        case Where::result: {
            omLoadCaseResult& r = memberOf(4)->getResult().getLCResult(1);
            for (omPointResult& p : r) {
                for (int k = 0; k < p.F.size(); ++k)
                    p.F[k] = v;
                for (int k = 0; k < p.U.size(); ++k)
                    p.U[k] = v;
                p.pressure = v;
            }
            break;
        }
        case Where::load:
            badLine->setFs(Uz, omUnitValue(v, omUK_kN_m));
            badLine->setFe(Uz, omUnitValue(-v, omUK_kN_m));
            badForce->setF(Uz, omUnitValue(v, omUK_kN));
            badForce->setF(Ry, omUnitValue(v, omUK_kNm));
            break;
        case Where::penWidth:
            for (double& w : a->m_penWidth)
                w = v;
            break;
        case Where::nodeSize: a->m_nodeSize = v; break;
        case Where::diagramFactor: a->m_diagramFactor = v; break;
        }
    }

    // Every drawing the views and the report make of the structure, into one recording.
    CMetaFile record(AMapC2L& map, const omRect& world) {
        CMetaFileDC rec(&screen());
        rec.SetMapMode(MM_LOMETRIC);
        ADrawAttributes& attributes = *ADrawAttributes::Instance();
        s.Draw(map, rec, world, 0, attributes);
        s.DrawLoads(map, rec, world, 0, attributes);
        for (int component : {0, 1, 2, 3, 4, 5})
            for (bool forces : {true, false})
                s.DrawResults(map, rec, world, 0, 1, component, forces, false);
        AStrakonReportDrawing report(s);
        report.Draw(map, &rec, world, 4, &attributes);
        report.DrawLoads(map, &rec, world, 4, &attributes);
        report.DrawResults(map, &rec, world, 4, 1, 0, true, false);
        report.DrawResults(map, &rec, world, 4, 1, 1, false, false);
        s.DrawResultUnits(map, &rec, omPoint(world.left, world.top), 0, true, false, 1);
        s.DrawResultUnits(map, &rec, omPoint(world.left, world.top), 1, false, false, 1);
        EXPECT_FALSE(rec.IsCapped());
        return rec.Close();
    }

    double savedNodeSize = 0.0;
    double savedFactor = 0.0;
    double savedWidths[ADrawAttributes::kPenWidthCount] = {};
    omLoadLinear* badLine = nullptr;
    omLoadForce* badForce = nullptr;
};

TEST_P(AStrakonExtremeValuesTest, DISABLED_DrawingEndsWithBoundedWorkAndTheFinitePortalIsStillDrawn) {
    const auto [where, v] = GetParam();
    SCOPED_TRACE(std::string(name(where)) + " = " + std::to_string(v));
    build();
    spoil(where, v);

    // The portal's own world, as a view that shows it.
    const omRect world(-2.0, -7.0, 8.0, 2.0);
    AMapC2L map = view(world);
    const CMetaFile picture = record(map, world);
    EXPECT_LT(picture.Records().size(), kRecordBound);

    // Played onto a picture of the device the map was made for.
    QImage image(800, 760, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        CImageDC dc(&image);
        dc.SetMapMode(MM_LOMETRIC);
        ASSERT_TRUE(picture.Play(dc));
    }
    // The column from node 1 to node 2 is drawn where it stands: some pixel
    // across its middle is not white.
    CDC& device = screen();
    POINT mid = map.LU(0.0, -2.0);
    device.LPtoDP(&mid);
    bool drawn = false;
    for (int dx = -6; dx <= 6 && !drawn; ++dx)
        if (image.rect().contains(mid.x + dx, mid.y)) drawn = image.pixel(mid.x + dx, mid.y) != qRgb(255, 255, 255);
    EXPECT_TRUE(drawn) << "at " << mid.x << ", " << mid.y;
}

INSTANTIATE_TEST_SUITE_P(EveryValueEverywhere, AStrakonExtremeValuesTest,
                         ::testing::Combine(::testing::Values(Where::coordinate, Where::result, Where::load,
                                                              Where::penWidth, Where::nodeSize,
                                                              Where::diagramFactor),
                                            ::testing::Values(kNaN, kInf, -kInf, 1e300, -1e300, 1e-300, 6.4e-314,
                                                              0.0)));

} // namespace

#include "StrakonDocumentFixture.h"
#include "StrakonModelSupport.h"
#include "platform/core/CArchive.h"
#include "tests/support/TempFolder.h"

namespace {

class AStrakonExtremeFileTest : public StrakonDocumentFixture {
protected:
    void SetUp() override {
        StrakonDocumentFixture::SetUp();
        omErrorContainer::instance()->setFileName(std::filesystem::path(STRAKON_SOURCE_DIR) / "resources" / "data" /
                                                  "Misc" / "Strakon.err");
    }
    void TearDown() override {
        ADrawAttributes* a = ADrawAttributes::Instance();
        a->m_nodeSize = 0.3;
        a->m_diagramFactor = 12.0;
        a->m_penWidth[0] = 0.0;
        a->m_penWidth[1] = 0.18;
        StrakonDocumentFixture::TearDown();
    }
    TempFolder folder;
};

TEST_F(AStrakonExtremeFileTest, AFileWithANodeFarBeyondAnyStructureOpensDrawsAndNamesTheNodeWhenSolved) {
    using namespace strakonmodel;
    const auto path = folder.path() / "far.oxs";
    {
        AStrakonDocument writer;
        omStrakon& s = *writer.GetModel();
        basics(s);
        s.addNode(0.0, 0.0, "m", 1);
        s.addNode(0.0, -3.0, "m", 2);
        s.addNode(4.0, -3.0, "m", 3);
        s.addNode(1e300, -3.0, "m", 7);
        s.addElement(1, 2, 1, 1, 1);
        s.addElement(2, 3, 1, 1, 2);
        s.addElement(3, 7, 1, 1, 3);
        fix(s, 1, {Ux, Uz, Ry});
        fix(s, 3, {Uz});
        nodeForce(s, 2, 10.0, 20.0);
        loadCase(s, "LC1", omLoadCase::lsUltimate, 1.0);
        for (const auto& [number, node] : *s.getNodeMap()) {
            double x = 0.0, z = 0.0;
            node->getPlanePoint(omNode::coorPlain, x, z);
            writer.GetExtents().AddPoint(x / 100.0, z / 100.0);
        }
        ASSERT_TRUE(writer.OnSaveDocument(path.c_str()));
    }

    AStrakonDocument opened;
    opened.AddView(&view);
    ASSERT_TRUE(opened.OnOpenDocument(path.c_str()));
    auto* drawable = dynamic_cast<AStrakon*>(opened.GetModel());
    ASSERT_NE(drawable, nullptr);
    ASSERT_NE(drawable->getNodeMap()->find(7), nullptr);

    // Drawn as a view of the whole structure and of the part near the origin.
    omRect all;
    opened.GetExtents().GetExtentsRect(all, omUK_m, AExtents2D::modeZoomAll);
    for (const omRect& world : {all, omRect(-2.0, -5.0, 6.0, 2.0)}) {
        AMapC2L map;
        map.SetTotalCU(world);
        map.SetMap_tc_tl(CRect(0, 0, 2000, -1500), AMapC2L::posCenter, AMapC2L::posCenter);
        CMetaFileDC rec;
        rec.SetMapMode(MM_LOMETRIC);
        map.SetMapModeData(rec);
        drawable->Draw(map, rec, world, 0, *ADrawAttributes::Instance());
        drawable->DrawLoads(map, rec, world, 0, *ADrawAttributes::Instance());
        EXPECT_FALSE(rec.IsCapped());
        EXPECT_GT(rec.Close().Records().size(), 0u);
    }

    EXPECT_FALSE(opened.Solve());
    EXPECT_TRUE(messages().contains("Node 7 lies at x = 1e+300 m")) << messages().toStdString();
    opened.RemoveView(&view);
}

TEST_F(AStrakonExtremeFileTest, DisplaySizesReadFromAFileAreHeldToTheirRanges) {
    using namespace strakonmodel;
    basics(model());
    model().addNode(0.0, 0.0, "m", 1);
    struct Case {
        double nodeSize, penWidth, diagramFactor;
        double expectedNodeSize, expectedPenWidth, expectedFactor;
    };
    const Case cases[] = {
        {6.4e-314, 1e300, 1e300, ADrawAttributes::kMinNodeSize, ADrawAttributes::kMaxPenWidth,
         ADrawAttributes::kMaxDiagramFactor},
        {1e300, -1.0, 1e-300, ADrawAttributes::kMaxNodeSize, 0.0, ADrawAttributes::kMinDiagramFactor},
        {0.0, 0.35, 12.0, ADrawAttributes::kMinNodeSize, 0.35, 12.0},
        {0.5, 0.25, 20.0, 0.5, 0.25, 20.0},
    };
    for (const Case& c : cases) {
        ADrawAttributes* a = ADrawAttributes::Instance();
        a->m_nodeSize = c.nodeSize;
        a->m_penWidth[1] = c.penWidth;
        a->m_diagramFactor = c.diagramFactor;
        CArchive out(CArchive::store);
        out.m_pDocument = doc.get();
        doc->Serialize(out);
        a->m_nodeSize = 0.3;
        a->m_penWidth[1] = 0.18;
        a->m_diagramFactor = 12.0;
        AStrakonDocument reader;
        CArchive in(CArchive::load, out.Detach());
        in.m_pDocument = &reader;
        reader.Serialize(in);
        EXPECT_EQ(a->m_nodeSize, c.expectedNodeSize) << c.nodeSize;
        EXPECT_EQ(a->m_penWidth[1], c.expectedPenWidth) << c.penWidth;
        EXPECT_EQ(a->m_diagramFactor, c.expectedFactor) << c.diagramFactor;
    }
}

} // namespace
