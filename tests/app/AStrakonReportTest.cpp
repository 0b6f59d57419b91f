// The report body of a solved two-bay portal: blocks, their order, table
// cells, pictures, settings, progress and the error paths; and the whole
// report laid out into a PDF and read back.
#include "app/report/AStrakonReport.h"

#include "DrawableFrame.h"
#include "SettingsFixture.h"
#include "app/report/AReportDrawing.h"
#include "app/report/AReportProgress.h"
#include "app/report/AReportText.h"
#include "app/report/omOutputLocaleDB.h"
#include "app/views/AExtents2D.h"
#include "common/omErrorContainer.h"
#include "controls/AMapC2L.h"
#include "controls/report/ADrawTable.h"
#include "controls/report/AMetaFileRectPic.h"
#include "controls/report/APaper.h"
#include "controls/report/APrintManager.h"
#include "model/omEnvelope.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CPrinterDC.h"
#include "tests/model/FrameBuilder.h"
#include "tests/model/SolveRoad.h"
#include "tests/platform/gdi/GdiTestSupport.h"
#include "tests/support/ArtifactsFolder.h"
#include "tests/support/PdfText.h"

#include <QPdfWriter>

#include <array>
#include <cstdio>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

// The structure as the views draw it, reduced to what the report's pictures
// show: members as lines, a tick per load of the active group, and the
// bending moments of a load case as an offset polyline.
class TestDrawing : public AReportDrawing {
public:
    explicit TestDrawing(omStrakon& model) : m_model(model) {}

    void Draw(AMapC2L& map, CDC* dc, const omRect&, int mode, ADrawAttributes* attributes) override {
        ++draws;
        modes.push_back(mode);
        rectangleSwitch.push_back(attributes->m_showElementAsRect);
        omElementMap* elements = m_model.getElementMap();
        for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii()) {
            const omDesignElement* e = elements->object_ii();
            dc->MoveTo(map.LU(point(e->getNode1())));
            dc->LineTo(map.LU(point(e->getNode2())));
        }
    }
    void DrawLoads(AMapC2L& map, CDC* dc, const omRect&, int, ADrawAttributes*) override {
        loadGroups.push_back(m_active);
        if (throwInLoads) throw std::runtime_error("loads failed");
        omLoadList::NumberedLoads loads;
        m_model.getElementMap()->getLoads(m_active, true, true, true, true, loads);
        for (const auto& [id, load] : loads) {
            const omDesignElement* e = m_model.getElementMap()->find(id);
            const omPoint a = point(e->getNode1()), b = point(e->getNode2());
            const omPoint mid((a.x + b.x) / 2, (a.y + b.y) / 2);
            dc->MoveTo(map.LU(omPoint(mid.x, mid.y - 0.6)));
            dc->LineTo(map.LU(mid));
        }
    }
    void DrawResults(AMapC2L& map, CDC* dc, const omRect&, int, int resultCase, int kind, bool forces,
                     bool) override {
        results.push_back(resultCase * 100 + kind * 10 + forces);
        if (resultCase > 1000 || !(forces && kind == 4)) return;
        double largest = 0.0;
        omElementMap* elements = m_model.getElementMap();
        for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii())
            for (const omPointResult& p : elements->object_ii()->getResult().getLCResult(unsigned(resultCase)))
                largest = std::max(largest, std::fabs(p.F.getDof(Ry)));
        if (largest == 0.0) return;
        for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii()) {
            const omDesignElement* e = elements->object_ii();
            const omPoint a = point(e->getNode1()), b = point(e->getNode2());
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            const omPoint normal(-(b.y - a.y) / length, (b.x - a.x) / length);
            const auto& positions = e->getResult().getPoints();
            const auto& values = e->getResult().getLCResult(unsigned(resultCase));
            for (std::size_t j = 0; j < values.size() && j < positions.size(); ++j) {
                const double s = positions[j], m = 0.8 * values[j].F.getDof(Ry) / largest;
                const omPoint on(a.x + s * (b.x - a.x) + m * normal.x, a.y + s * (b.y - a.y) + m * normal.y);
                if (j == 0)
                    dc->MoveTo(map.LU(on));
                else
                    dc->LineTo(map.LU(on));
            }
        }
    }
    void SetActiveLoadGroup(int group) override { m_active = group; }
    int GetActiveLoadGroup() const override { return m_active; }

    int draws = 0;
    std::vector<int> modes;
    std::vector<bool> rectangleSwitch;
    std::vector<int> loadGroups;
    std::vector<int> results;
    bool throwInLoads = false;

private:
    static omPoint point(const omNode* node) {
        double x = 0.0, z = 0.0;
        node->getPlanePoint(omNode::coorPlain, x, z);
        return omPoint(x / 100.0, z / 100.0);
    }
    omStrakon& m_model;
    int m_active = 0;
};

// Two bays of 6 m on three 4 m columns (cm, kN); z points down.
struct Portal {
    explicit Portal(bool ground = true, bool solved = true) {
        f.s.addLoadGroup("Q");
        f.s.addLoadGroup("W");
        for (auto [id, x, z] : {std::tuple{1u, 0.0, 400.0}, {2u, 0.0, 0.0}, {3u, 600.0, 0.0}, {4u, 600.0, 400.0},
                                {5u, 1200.0, 0.0}, {6u, 1200.0, 400.0}})
            f.node(id, x, z);
        for (unsigned n : {1u, 4u, 6u})
            f.fix(n, {Ux, Uz, Ry});
        for (auto [id, a, b] : {std::tuple{1u, 1u, 2u}, {2u, 2u, 3u}, {3u, 3u, 4u}, {4u, 3u, 5u}, {5u, 5u, 6u}})
            f.member(id, a, b, 2);
        f.element(4)->release(omDesignElement::second, Ry, true);
        if (ground) {
            auto* beam = dynamic_cast<omLinearDesignElement2D*>(f.element(2));
            beam->setElGroundCoef(omUnitValue(0.0005, omUK_kN_cm3));
            beam->setElGroundType(egBothSides);
        }
        f.uniform(2, 0.20);
        f.uniform(4, 0.20);
        f.uniform(2, 0.10, 0.0, "Q");
        f.point(4, 0.5, 15.0, 0.0, 0.0, "Q");
        f.temperature(4, 10.0, -10.0, "Q");
        f.nodeForce(2, 12.0, 0.0, 0.0, "W");
        f.settlement(6, Uz, 1.0, "W");
        f.s.addLoadCase("ULT", omLoadCase::lsUltimate, factors({1.35, 1.5, 0.0}));
        f.s.addLoadCase("SER", omLoadCase::lsServiceability, factors({1.0, 1.0, 0.0}));
        f.s.addLoadCase("Creep", omLoadCase::lsCreep, factors({1.0, 0.0, 0.0}))->setFiCreep(2.0);
        f.s.addLoadCase("Sway", omLoadCase::lsSkew, factors({0.0, 0.0, 0.0}))
            ->setSkew(200.0, 0.0, omUnitValue(0.0, omUK_cm), omUnitValue(0.0, omUK_cm));
        auto* envelope = new omEnvelope();
        envelope->setName("Env");
        envelope->useAllCases(false);
        envelope->setFilter(true, true, false);
        omLoadManager* loads = f.s.getLoadManager();
        loads->addEnvelope(envelope);
        envelope->add(1, loads->getCase(1));
        envelope->add(2, loads->getCase(2));
        if (solved) {
            EXPECT_TRUE(f.solve());
        }
        omNodeMap* nodes = f.s.getNodeMap();
        for (nodes->start_ii(); !nodes->stop_ii(); nodes->increment_ii()) {
            double x = 0.0, z = 0.0;
            nodes->object_ii()->getPlanePoint(omNode::coorPlain, x, z);
            extents.AddPoint(x / 100.0, z / 100.0);
        }
        printed.m_printedActions = {"G", "Q", "W"};
        printed.m_printedResults = {"[LC]: ULT", "[LC]: SER", "[LC]: Creep", "[LC]: Sway", "[EN]: Env"};
    }
    static omVector factors(std::initializer_list<double> values) {
        omVector v(int(values.size()));
        int k = 1;
        for (double value : values)
            v(k++) = value;
        return v;
    }

    frametest::Frame f;
    AExtents2D extents;
    AOutputStructureAttributes printed;
};

CString text(const ATableCell* cell) {
    const auto* s = dynamic_cast<const ATableStringCell*>(cell);
    return s ? s->GetText().GetText() : CString("?");
}

std::vector<std::string> cells(const std::vector<ATableCell*>& row) {
    std::vector<std::string> out;
    for (const ATableCell* cell : row)
        out.push_back(text(cell));
    return out;
}

// What the report holds: captions of every block and the tables by caption.
struct Blocks {
    explicit Blocks(const APrintManager& report) {
        for (ADrawRect* block : report.GetBlocks()) {
            if (auto* table = dynamic_cast<ADrawSmartTable*>(block)) {
                captions.push_back(table->GetCaption().GetText());
                tables.push_back(table);
            } else if (auto* picture = dynamic_cast<AMetaFileRectPicMap*>(block)) {
                captions.push_back("[pic] " + picture->GetCaption().GetText());
                pictures.push_back(picture);
            }
        }
    }
    const ADrawSmartTable* table(const std::string& caption) const {
        for (ADrawSmartTable* t : tables)
            if (t->GetCaption().GetText() == caption) return t;
        return nullptr;
    }
    std::vector<std::vector<std::string>> rows(const std::string& caption) const {
        std::vector<std::vector<std::string>> out;
        if (const ADrawSmartTable* t = table(caption))
            for (const auto* row : t->GetRows())
                out.push_back(cells(*row));
        return out;
    }
    std::vector<std::string> head(const std::string& caption) const {
        const ADrawSmartTable* t = table(caption);
        return t ? cells(t->GetHead()) : std::vector<std::string>{};
    }
    int count(const std::string& prefix) const {
        int n = 0;
        for (const std::string& c : captions)
            n += c.rfind(prefix, 0) == 0;
        return n;
    }
    std::vector<std::string> captions;
    std::vector<ADrawSmartTable*> tables;
    std::vector<AMetaFileRectPicMap*> pictures;
};

class AStrakonReportTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        omErrorContainer::instance()->reset();
        omOutputLocaleDB::Replace(new omOutputLocaleDB(fs::path(STRAKON_SOURCE_DIR) /
                                                       "resources/data/Common/DB/OutputStrings.db"));
        AOutputAttributes& o = *AOutputAttributes::Instance();
        o.m_strLanguage = "English";
        o.m_bGeometryPic = o.m_bActionPic = o.m_bActionTab = o.m_bLoadCaseTab = true;
        o.m_nNodeTabType = o.m_nElementTabType = o.m_nMaterialTabType = o.m_nCSTabType = 1;
        for (auto& kind : o.m_bResult)
            for (bool& on : kind)
                on = true;
        o.m_bIntForcesTab = o.m_bDisplTab = o.m_bReactionsTab = o.m_bEnvelopesTab = true;
        o.m_bDesignResults = false;
        o.m_nPicPosition = 1;
        AUnitKeyAttributes& u = *AUnitKeyAttributes::Instance();
        u.length = omUK_m;
        u.force = omUK_kN;
        u.moment = omUK_kNm;
        AOptionsAttributes::Instance()->outputFormat = omNumberFormat(4, omNumberFormat::fixed, true, true, 1e-9);
        ADrawAttributes::Instance()->m_showElementAsRect = true;
        SetReportProgress([this] { ++steps; });
        image = WhiteImage(800, 1100, 100);
        dc = std::make_unique<CImageDC>(&image);
        dc->SetMapMode(MM_LOMETRIC);
        auto* paper = new AStandardPaper;
        paper->Setup(*dc);
        composer.SetPaper(paper);
    }
    void TearDown() override {
        SetReportProgress({});
        composer.Clear();
        omOutputLocaleDB::Release();
        omErrorContainer::instance()->reset();
        SettingsFixture::TearDown();
    }
    // Builds the report of portal into the composer.
    void build(Portal& portal, AStrakonReport* report = nullptr) {
        TestDrawing& d = drawingOf(portal);
        AStrakonReport own(portal.f.s, d, portal.printed);
        (report ? *report : own).BuildReport(composer, dc.get(), portal.extents);
    }
    TestDrawing& drawingOf(Portal& portal) {
        if (!drawing) drawing = std::make_unique<TestDrawing>(portal.f.s);
        return *drawing;
    }

    int steps = 0;
    QImage image;
    std::unique_ptr<CImageDC> dc;
    APrintManager composer;
    std::unique_ptr<TestDrawing> drawing;
};

TEST_F(AStrakonReportTest, TheBlocksFollowTheReportOrderWithLoadCasesBeforeTheEnvelope) {
    Portal portal;
    build(portal);
    const Blocks blocks(composer);
    const std::vector<std::string> expectedStart = {
        "[pic] Geometry",
        "Nodes",
        "Elements",
        "Elements on elastic ground",
        "Materials",
        "Cross-sections",
        "Actions and load cases",
        "Skew load cases",
        "[pic] A1 : G",
        "A1: G: Line loads",
        "[pic] A2 : Q",
        "A2: Q: Line loads",
        "A2: Q: Concentrated loads",
        "A2: Q: Temperature loads",
        "[pic] A3 : W",
        "A3: W: Node forces",
        "A3: W: Prescribed displacements",
        "[pic] LC1: ULT: Bending moments",
        "[pic] LC1: ULT: Axial forces",
        "[pic] LC1: ULT: Shear forces",
        "[pic] LC1: ULT: Displacements",
        "[pic] LC1: ULT: Local displacements",
        "[pic] LC1: ULT: Rotations",
        "[pic] LC1: ULT: Contact pressure",
        "LC1: ULT: Node displacements",
        "LC1: ULT: Reactions",
        "LC1: ULT: Element 1: ",
    };
    ASSERT_GE(blocks.captions.size(), expectedStart.size());
    EXPECT_EQ(std::vector<std::string>(blocks.captions.begin(), blocks.captions.begin() + expectedStart.size()),
              expectedStart);
    // The skew case gets its displacements only; the envelope comes last.
    EXPECT_EQ(blocks.count("[pic] LC4: Sway"), 1);
    EXPECT_EQ(blocks.count("[pic] LC4: Sway: Displacements"), 1);
    EXPECT_EQ(blocks.count("LC4"), 0);
    EXPECT_EQ(blocks.count("[pic] EN1: Env"), 7);
    EXPECT_EQ(blocks.count("EN1: Env (Leading Quantity = "), 5);
    EXPECT_EQ(blocks.captions.back().rfind("EN1: Env (Leading Quantity = ", 0), 0u);
    EXPECT_EQ(blocks.count("LC2: SER: Element "), 5);
    EXPECT_EQ(blocks.count("LC3: Creep: Element "), 5);
}

TEST_F(AStrakonReportTest, ModelTablesHoldTheModelInTheChosenUnits) {
    Portal portal;
    build(portal);
    const Blocks blocks(composer);
    EXPECT_EQ(blocks.head("Nodes"), (std::vector<std::string>{"No.", "X coordinate@{N}@{F:D,90}[m]",
                                                              "Z coordinate@{N}@{F:D,90}[m]", "Supports"}));
    const auto nodes = blocks.rows("Nodes");
    ASSERT_EQ(nodes.size(), 6u);
    EXPECT_EQ(nodes[0], (std::vector<std::string>{"1: ", "0", "4", "UxUzRy"}));
    EXPECT_EQ(nodes[2], (std::vector<std::string>{"3: ", "6", "0", "-"}));
    const auto elements = blocks.rows("Elements");
    ASSERT_EQ(elements.size(), 5u);
    EXPECT_EQ(elements[0], (std::vector<std::string>{"1: ", "linear", "1: ", "2: ", "1: ", "1: ", "4", "-", "-"}));
    EXPECT_EQ(elements[1][1], "non-linear");
    EXPECT_EQ(elements[3], (std::vector<std::string>{"4: ", "linear", "3: ", "5: ", "1: ", "1: ", "6", "-", "Ry"}));
    EXPECT_EQ(blocks.rows("Elements on elastic ground"),
              (std::vector<std::vector<std::string>>{
                  {"2: ", "both sides",
                   FormatReportValue(omUnitValue(0.0005, omUK_kN_cm3), AUnitKeyAttributes::Instance()->forcePerVolume)}}));
    EXPECT_EQ(blocks.head("Cross-sections")[1], "A@{N}@{F:D,90}[" +
                                                    omUnitManager::Instance()->Unit(AUnitKeyAttributes::Instance()->area)->GetName() + "]");
    EXPECT_EQ(blocks.rows("Cross-sections").size(), 1u);
    EXPECT_EQ(blocks.rows("Materials").size(), 1u);
}

TEST_F(AStrakonReportTest, TableSettingTwoPrintsTheTablesOfSettingOne) {
    auto snapshot = [&] {
        Portal portal;
        build(portal);
        std::vector<std::vector<std::string>> all;
        for (const char* caption : {"Nodes", "Elements", "Materials", "Cross-sections"})
            for (auto& row : Blocks(composer).rows(caption))
                all.push_back(row);
        composer.Clear();
        drawing.reset();
        return all;
    };
    const auto normal = snapshot();
    AOutputAttributes& o = *AOutputAttributes::Instance();
    o.m_nNodeTabType = o.m_nElementTabType = o.m_nMaterialTabType = o.m_nCSTabType = 2;
    EXPECT_EQ(snapshot(), normal);
    EXPECT_FALSE(normal.empty());
}

TEST_F(AStrakonReportTest, LoadCaseRowsShowFactorsCreepAndSkewNumbers) {
    Portal portal;
    build(portal);
    const Blocks blocks(composer);
    EXPECT_EQ(blocks.head("Actions and load cases"),
              (std::vector<std::string>{"Load case", "Limit state", "G", "Q", "W"}));
    EXPECT_EQ(blocks.rows("Actions and load cases"),
              (std::vector<std::vector<std::string>>{{"ULT", "Ultimate", "1.35", "1.50", "-"},
                                                     {"SER", "Serviceability", "1.00", "1.00", "-"},
                                                     {"Creep", "Creep (2.00)", "1.00", "-", "-"},
                                                     {"Sway", "Skew (1)", "-", "-", "-"}}));
    EXPECT_EQ(blocks.head("Skew load cases")[2], "Skew ratio (Z)");
    EXPECT_EQ(blocks.rows("Skew load cases"),
              (std::vector<std::vector<std::string>>{{"1", "Sway", "1/200", "0", "---", "0"}}));
}

TEST_F(AStrakonReportTest, ActionTablesListTheLoadsOfTheirKind) {
    Portal portal;
    build(portal);
    const Blocks blocks(composer);
    EXPECT_EQ(blocks.rows("A3: W: Node forces"),
              (std::vector<std::vector<std::string>>{{"2: ", "12", "0", "0", "--"}}));
    EXPECT_EQ(blocks.rows("A3: W: Prescribed displacements"),
              (std::vector<std::vector<std::string>>{{"6: ", "0", "0.01", "0", "--"}}));
    const auto line = blocks.rows("A2: Q: Line loads");
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(line[0][0], "2: ");
    EXPECT_EQ(std::vector<std::string>(line[0].begin() + 7, line[0].end()),
              (std::vector<std::string>{"local", "0.00", "1.00", "local", "--"}));
    const auto point = blocks.rows("A2: Q: Concentrated loads");
    ASSERT_EQ(point.size(), 1u);
    EXPECT_EQ(point[0], (std::vector<std::string>{"4: ", "0", "15", "0", "local", "0.50", "--"}));
    EXPECT_EQ(blocks.rows("A2: Q: Temperature loads")[0].front(), "4: ");
    EXPECT_EQ(blocks.count("A1: G: Node forces"), 0);
}

TEST_F(AStrakonReportTest, ResultTablesReadTheSolvedResults) {
    Portal portal;
    build(portal);
    const Blocks blocks(composer);
    const auto displacements = blocks.rows("LC1: ULT: Node displacements");
    ASSERT_EQ(displacements.size(), 3u);
    const omNode* node3 = portal.f.s.getNodeMap()->find(3);
    EXPECT_EQ(displacements[1], (std::vector<std::string>{"3: ", FormatReportValue(node3->getResult(1, Ux), omUK_m),
                                                          FormatReportValue(node3->getResult(1, Uz), omUK_m),
                                                          FormatReportValue(node3->getResult(1, Ry),
                                                                            AUnitKeyAttributes::Instance()->rotation)}));
    const auto reactions = blocks.rows("LC1: ULT: Reactions");
    ASSERT_EQ(reactions.size(), 3u);
    const omNode* node4 = portal.f.s.getNodeMap()->find(4);
    EXPECT_EQ(reactions[1][2], FormatReportValue(node4->getResult(1, Uz), omUK_kN));
    EXPECT_NE(reactions[1][2], "0.00");
    // Element 2 rests on ground and has the pressure column.
    EXPECT_EQ(blocks.head("LC1: ULT: Element 2: ").size(), 5u);
    EXPECT_EQ(blocks.head("LC1: ULT: Element 1: ").size(), 4u);
    const auto beam = blocks.rows("LC1: ULT: Element 4: ");
    const omElementResult& result = portal.f.element(4)->getResult();
    ASSERT_EQ(beam.size(), result.getLCResult(1).size());
    EXPECT_EQ(beam.front()[0], "0.00");
    EXPECT_EQ(beam.back()[0], "1.00");
    EXPECT_EQ(beam.front()[3], FormatReportValue(omUnitValue(result.getLCResult(1)[0].F.getDof(Ry), omUK_kNcm), omUK_kNm));
    const std::string envelope = "EN1: Env (Leading Quantity = " +
                                 std::string(portal.f.s.getLoadManager()->getEnvelope(1)->getQuantityString()) +
                                 "): Element 2: ";
    EXPECT_EQ(blocks.head(envelope).size(), 9u);
    EXPECT_EQ(blocks.rows(envelope).size(), portal.f.element(2)->getResult().getPoints().size());
}

TEST_F(AStrakonReportTest, ResultTitlesAndUnitLines) {
    Portal portal;
    TestDrawing d(portal.f.s);
    AStrakonReport report(portal.f.s, d, portal.printed);
    EXPECT_EQ(report.ResultTitleLines(1), (std::vector<CString>{"1.35 G + 1.50 Q"}));
    EXPECT_EQ(report.ResultTitleLines(3), (std::vector<CString>{"1.00 G"}));
    EXPECT_EQ(report.ResultTitleLines(4),
              (std::vector<CString>{"Skew ratio (Z): 1/200  Reference coordinate (Z): 0"}));
    EXPECT_EQ(report.ResultTitleLines(1001),
              (std::vector<CString>{CString("Envelope: Env -> 1 + 2 LQ: ") +
                                    portal.f.s.getLoadManager()->getEnvelope(1)->getQuantityString()}));
    EXPECT_TRUE(report.ResultTitleLines(1002).empty());
    EXPECT_TRUE(report.ResultTitleLines(9).empty());
    EXPECT_EQ(report.ResultUnitsText(2, false, false, 1), "Units: m, kN, kNm");
    EXPECT_EQ(report.ResultUnitsText(2, false, false, 4), "Units: m");
    EXPECT_EQ(report.ResultUnitsText(4, true, false, 1), "Units: kNm");
    EXPECT_EQ(report.ResultUnitsText(0, true, false, 1), "Units: kN");
}

TEST_F(AStrakonReportTest, SettingsChooseAndOrderActionsAndResultCases) {
    Portal portal(false);
    portal.printed.m_printedActions = {"W", "G", "Q"};
    portal.printed.m_printedResults = {"[EN]: Env", "Garbage", "[LC]: SER", "[LC]: ULT"};
    portal.printed.m_unprintedResults = {"[LC]: Creep", "[LC]: Sway"};
    build(portal);
    const Blocks blocks(composer);
    std::vector<std::string> order;
    for (const std::string& c : blocks.captions)
        if (c.rfind("[pic] A", 0) == 0 || (c.rfind("[pic] ", 0) == 0 && c.find("Bending") != std::string::npos))
            order.push_back(c);
    EXPECT_EQ(order, (std::vector<std::string>{"[pic] A1 : G", "[pic] A2 : Q", "[pic] A3 : W",
                                               "[pic] LC1: ULT: Bending moments", "[pic] LC2: SER: Bending moments",
                                               "[pic] EN1: Env: Bending moments"}));
    // Without ground there is no pressure picture, whatever the switches say.
    EXPECT_EQ(blocks.count("[pic] LC1: ULT: Contact pressure"), 0);
    EXPECT_EQ(blocks.count("Elements on elastic ground"), 0);
    EXPECT_EQ(blocks.head("LC1: ULT: Element 2: ").size(), 4u);
}

TEST_F(AStrakonReportTest, ProgressStepsFiveTwicePerActionAndSevenPerResultCase) {
    for (bool design : {false, true}) {
        AOutputAttributes::Instance()->m_bDesignResults = design;
        steps = 0;
        Portal portal;
        build(portal);
        EXPECT_EQ(steps, 5 + 2 * 3 + 7 * 5 + (design ? 5 : 0)) << design;
        composer.Clear();
        drawing.reset();
    }
    AOutputAttributes& o = *AOutputAttributes::Instance();
    for (auto& kind : o.m_bResult)
        for (bool& on : kind)
            on = false;
    steps = 0;
    Portal portal;
    build(portal);
    EXPECT_EQ(steps, 5 + 2 * 3 + 7 * 5 + 5);
    EXPECT_EQ(Blocks(composer).count("[pic] LC"), 0);
}

TEST_F(AStrakonReportTest, PicturesDrawLinesUnderLoadsAndKeepTheActiveActionAndTheSwitch) {
    Portal portal;
    TestDrawing& d = drawingOf(portal);
    d.SetActiveLoadGroup(2);
    build(portal);
    EXPECT_EQ(d.loadGroups, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(d.GetActiveLoadGroup(), 2);
    EXPECT_TRUE(ADrawAttributes::Instance()->m_showElementAsRect);
    ASSERT_FALSE(d.rectangleSwitch.empty());
    EXPECT_EQ(d.modes.front(), 0);
    for (std::size_t i = 1; i < d.rectangleSwitch.size(); ++i) {
        EXPECT_FALSE(d.rectangleSwitch[i]) << i;
        EXPECT_EQ(d.modes[i], 3);
    }
}

TEST_F(AStrakonReportTest, ABindingErrorThrowsBeforeAnyBlock) {
    omStrakon empty;
    empty.setupObjects();
    TestDrawing d(empty);
    AOutputStructureAttributes printed;
    AStrakonReport report(empty, d, printed);
    AExtents2D extents;
    EXPECT_THROW(report.BuildReport(composer, dc.get(), extents), omError);
    EXPECT_TRUE(composer.GetBlocks().empty());
    EXPECT_EQ(steps, 0);
}

TEST_F(AStrakonReportTest, WithoutValidResultsTheReportEndsAfterTheActions) {
    AOutputAttributes::Instance()->m_bDesignResults = true;
    Portal portal(true, false);
    build(portal);
    const Blocks blocks(composer);
    EXPECT_EQ(blocks.captions.back(), "A3: W: Prescribed displacements");
    EXPECT_EQ(steps, 5 + 2 * 3);
}

TEST_F(AStrakonReportTest, AnEnvelopeLongerThanTheResultsPrintsDashesInsteadOfFailing) {
    Portal portal;
    omDesignElement* beam = portal.f.element(4);
    auto& minimum = const_cast<omElementEnvelope&>(beam->getEnvelope()).getMinResult(1);
    minimum.pop_back();
    beam->getResult().getLCResult(1).pop_back();
    ASSERT_NO_THROW(build(portal));
    const Blocks blocks(composer);
    const std::string caption = "EN1: Env (Leading Quantity = " +
                                std::string(portal.f.s.getLoadManager()->getEnvelope(1)->getQuantityString()) +
                                "): Element 4: ";
    const auto rows = blocks.rows(caption);
    ASSERT_EQ(rows.size(), beam->getResult().getPoints().size());
    EXPECT_EQ(rows.back()[1], "-");
    EXPECT_NE(rows.back()[2], "-");
    EXPECT_EQ(blocks.rows("LC1: ULT: Element 4: ").size(), rows.size() - 1);
    EXPECT_FALSE(omErrorContainer::instance()->hasErrors());
}

// A block builder that fails as a library call can.
class FailingReport : public AStrakonReport {
public:
    using AStrakonReport::AStrakonReport;
    bool AddMaterialsTable(APrintManager&) override { throw std::out_of_range("invalid vector<T> subscript"); }
};

TEST_F(AStrakonReportTest, AFailureInABlockBuilderEndsInTheContainersError) {
    Portal portal;
    FailingReport report(portal.f.s, drawingOf(portal), portal.printed);
    try {
        build(portal, &report);
        FAIL() << "no error";
    } catch (const omError& e) {
        EXPECT_EQ(e.m_count, 1u);
    }
    const auto errors = omErrorContainer::instance()->errors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].code, AStrakonReport::kBuildError);
    EXPECT_EQ(omErrorArgumentText(errors[0].arguments.at(0)), "invalid vector<T> subscript");
}

TEST_F(AStrakonReportTest, AFailureInsideAnActionPictureRestoresTheActionAndTheSwitch) {
    Portal portal;
    TestDrawing& d = drawingOf(portal);
    d.SetActiveLoadGroup(3);
    d.throwInLoads = true;
    EXPECT_THROW(build(portal), omError);
    EXPECT_EQ(d.GetActiveLoadGroup(), 3);
    EXPECT_TRUE(ADrawAttributes::Instance()->m_showElementAsRect);
}

using testsupport::PdfText;

// A composer on an A4 PDF at 600 dpi in the report's mapping.
struct PdfReport {
    explicit PdfReport(const fs::path& path) : writer(QString::fromStdString(path.string())), printer(&writer) {
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        printer.SetMapMode(MM_LOMETRIC);
        auto* paper = new AStandardPaper;
        paper->Setup(printer);
        composer.SetPaper(paper);
        composer.SetDefaultFont("DejaVu Sans", 100, 0);
    }
    QPdfWriter writer;
    CPrinterDC printer;
    APrintManager composer;
};

TEST_F(AStrakonReportTest, TheLaidOutReportReadsBackFromThePdf) {
    const fs::path path = ArtifactsFolder() / "strakon-report.pdf";
    PdfReport output(path);
    CPrinterDC& printer = output.printer;
    APrintManager& pdf = output.composer;
    AOutputAttributes::Instance()->m_strNormalFont = "DejaVu Sans";
    AOutputAttributes::Instance()->m_strHeadFont = "DejaVu Sans";
    ADrawAttributes::Instance()->m_fontName = "DejaVu Sans";
    Portal portal;
    TestDrawing d(portal.f.s);
    AStrakonReport report(portal.f.s, d, portal.printed);
    ASSERT_TRUE(report.BuildReport(pdf, &printer, portal.extents));
    const int pages = pdf.Layout(&printer);
    ASSERT_GT(pages, 3);
    printer.StartDoc("report");
    int geometryPage = 0, momentPage = 0;
    for (int page = 1; page <= pages; ++page) {
        printer.StartPage();
        printer.SetMapMode(MM_LOMETRIC);
        EXPECT_TRUE(pdf.PrintPage(page, &printer));
        printer.EndPage();
    }
    printer.EndDoc();
    const std::string all = PdfText(path);
    auto at = [&](const std::string& s) { return all.find(s); };
    for (const char* s : {"Geometry", "Nodes", "Elements on elastic ground", "Materials", "Cross-sections",
                          "Actions and load cases", "Skew load cases", "A1 : G", "A1: G: Line loads",
                          "LC1: ULT: Bending moments", "LC1: ULT: Node displacements", "LC2: SER", "LC3: Creep",
                          "EN1: Env"})
        EXPECT_NE(at(s), std::string::npos) << s;
    EXPECT_LT(at("Geometry"), at("Nodes"));
    EXPECT_LT(at("Nodes"), at("Materials"));
    EXPECT_LT(at("Materials"), at("Cross-sections"));
    EXPECT_LT(at("Cross-sections"), at("Actions and load cases"));
    EXPECT_LT(at("Actions and load cases"), at("A1 : G"));
    EXPECT_LT(at("A1 : G"), at("LC1: ULT: Bending moments"));
    EXPECT_LT(at("LC3: Creep"), at("EN1: Env"));
    for (const char* s : {"1.35", "1.50", "Creep (2.00)", "Skew (1)", "1/200", "---", "1.35 G + 1.50 Q", "[m]",
                          "[kNm]", "Units: kNm"})
        EXPECT_NE(at(s), std::string::npos) << s;
    EXPECT_EQ(at("Error:"), std::string::npos);

    for (int page = 1; page <= pages; ++page) {
        const std::string text = PdfText(path, page);
        if (!geometryPage && text.find("Geometry") != std::string::npos) geometryPage = page;
        if (!momentPage && text.find("LC1: ULT: Bending moments") != std::string::npos) momentPage = page;
    }
    ASSERT_GT(geometryPage, 0);
    ASSERT_GT(momentPage, 0);
    for (auto [page, name] : {std::pair{geometryPage, "report-geometry"}, std::pair{momentPage, "report-moments"}}) {
        const std::string command = "pdftoppm -png -r 60 -singlefile -f " + std::to_string(page) + " -l " +
                                    std::to_string(page) + " '" + path.string() + "' '" +
                                    (ArtifactsFolder() / name).string() + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
        EXPECT_TRUE(fs::exists(ArtifactsFolder() / (std::string(name) + ".png")));
    }
}

// The views' model builds its own report: its drawing of the structure and of
// the diagrams goes into the pictures, and its active action survives.
class AStrakonBuildReportTest : public DrawableFrame {
protected:
    void SetUp() override {
        DrawableFrame::SetUp();
        omErrorContainer::instance()->reset();
        omOutputLocaleDB::Replace(new omOutputLocaleDB(fs::path(STRAKON_SOURCE_DIR) /
                                                       "resources/data/Common/DB/OutputStrings.db"));
        AOutputAttributes& o = *AOutputAttributes::Instance();
        o.m_strLanguage = "English";
        o.m_strNormalFont = o.m_strHeadFont = "DejaVu Sans";
        o.m_bGeometryPic = o.m_bActionPic = o.m_bActionTab = o.m_bLoadCaseTab = true;
        o.m_nNodeTabType = o.m_nElementTabType = 1;
        o.m_nPicPosition = 2;
        o.m_bResult[AOutputAttributes::resMy][AOutputAttributes::picUlt] = true;
        ADrawAttributes::Instance()->m_fontName = "DejaVu Sans";
        ADrawAttributes::Instance()->m_showElementAsRect = true;
        AUnitKeyAttributes::Instance()->moment = omUK_kNm;
    }
    void TearDown() override {
        omOutputLocaleDB::Release();
        omErrorContainer::instance()->reset();
        DrawableFrame::TearDown();
    }
};

TEST_F(AStrakonBuildReportTest, TheModelDrawsItsPicturesAndKeepsItsActiveAction) {
    s.addLoadGroup("Q");
    node(1, 0.0, 4.0);
    node(2, 0.0, 0.0);
    node(3, 6.0, 0.0);
    node(4, 6.0, 4.0);
    fix(1, {Ux, Uz, Ry});
    fix(4, {Ux, Uz, Ry});
    member(1, 1, 2);
    member(2, 2, 3);
    member(3, 3, 4);
    auto* load = new omLoadLinear(s.getStructureType(), 0);
    load->setFs(Uz, omUnitValue(20.0, omUK_kN_m));
    load->setFe(Uz, omUnitValue(20.0, omUK_kN_m));
    load->setStart(0.0);
    load->setEnd(1.0);
    s.addElementLoad(2, load, "G");
    omVector factors(2);
    factors(1) = 1.0;
    s.addLoadCase("ULT", omLoadCase::lsUltimate, factors);
    ASSERT_TRUE(solveroad::run(s));
    AExtents2D extents;
    for (unsigned id = 1; id <= 4; ++id) {
        double x = 0.0, z = 0.0;
        nodeOf(id)->getPlanePoint(omNode::coorPlain, x, z);
        extents.AddPoint(x / 100.0, z / 100.0);
    }
    AOutputStructureAttributes printed;
    printed.m_printedActions = {"G", "Q"};
    printed.m_printedResults = {"[LC]: ULT"};
    s.SetActiveLoadGroup(2);

    const fs::path path = ArtifactsFolder() / "strakon-model-report.pdf";
    PdfReport output(path);
    CPrinterDC& printer = output.printer;
    APrintManager& pdf = output.composer;
    ASSERT_TRUE(s.BuildReport(pdf, &printer, extents, printed));
    EXPECT_EQ(s.GetActiveLoadGroup(), 2);
    EXPECT_TRUE(ADrawAttributes::Instance()->m_showElementAsRect);
    const int pages = pdf.Layout(&printer);
    printer.StartDoc("report");
    for (int page = 1; page <= pages; ++page) {
        printer.StartPage();
        printer.SetMapMode(MM_LOMETRIC);
        EXPECT_TRUE(pdf.PrintPage(page, &printer));
        printer.EndPage();
    }
    printer.EndDoc();
    const std::string all = PdfText(path);
    for (const char* text : {"Geometry", "A1 : G", "A2 : Q", "LC1: ULT: Bending moments", "1.00 G", "Units: kNm"})
        EXPECT_NE(all.find(text), std::string::npos) << text;
    EXPECT_EQ(all.find("Error:"), std::string::npos);
    for (int page = 1; page <= pages; ++page)
        if (PdfText(path, page).find("Bending moments") != std::string::npos ||
            PdfText(path, page).find("Geometry") != std::string::npos) {
            const std::string name = "model-report-page" + std::to_string(page);
            const std::string command = "pdftoppm -png -r 60 -singlefile -f " + std::to_string(page) + " -l " +
                                        std::to_string(page) + " '" + path.string() + "' '" +
                                        (ArtifactsFolder() / name).string() + "'";
            EXPECT_EQ(std::system(command.c_str()), 0);
        }
}

} // namespace
