// The design pages of the report: a designed reinforced-concrete beam and a
// designed steel portal, laid out into a PDF and read back; the charts' data
// taken from the plotters the builder makes; the blocks of each case of the
// pages; results that no longer match the structure, and user texts that look
// like markup.
#include "app/report/AStrakonReport.h"

#include "DesignExamples.h"
#include "SettingsFixture.h"
#include "app/design/Plotter.h"
#include "app/report/AReportDrawing.h"
#include "app/report/AReportProgress.h"
#include "app/report/AReportText.h"
#include "app/report/omOutputLocaleDB.h"
#include "common/omErrorContainer.h"
#include "controls/report/ADrawTable.h"
#include "controls/report/AMetaFileRectPic.h"
#include "controls/report/APaper.h"
#include "controls/report/APrintManager.h"
#include "model/omElementResult.h"
#include "model/omMaterialMap.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CPrinterDC.h"
#include "tests/platform/gdi/GdiTestSupport.h"
#include "tests/support/ArtifactsFolder.h"
#include "tests/support/PdfText.h"

#include <QPdfWriter>

#include <cmath>
#include <fstream>
#include <functional>
#include <numbers>
#include <typeinfo>

namespace {

namespace fs = std::filesystem;
using testsupport::PdfText;

class NoDrawing : public AReportDrawing {
public:
    void Draw(AMapC2L&, CDC*, const omRect&, int, ADrawAttributes*) override {}
    void DrawLoads(AMapC2L&, CDC*, const omRect&, int, ADrawAttributes*) override {}
    void DrawResults(AMapC2L&, CDC*, const omRect&, int, int, int, bool, bool) override {}
    void SetActiveLoadGroup(int group) override { m_group = group; }
    int GetActiveLoadGroup() const override { return m_group; }

private:
    int m_group = 0;
};

// What one chart of the pages was made of.
struct Chart {
    std::string kind;
    std::string title;
    std::string caption;
    int height = 0;
    double limit = 0.0;
    double ymin = 0.0, ymax = 0.0;
    std::vector<ChartPoint> points;
    std::vector<ChartPoint2> points2;
    std::vector<ChartBar> bars;
    std::vector<ChartClassPoint> classes;
    std::vector<ChartUltPoint> ratios;
    std::vector<double> positions, k;
    std::string message;
};

// The builder with the chart picture's seam: every plotter it makes is copied
// before its picture is drawn.
class CapturingReport : public AStrakonReport {
public:
    using AStrakonReport::AStrakonReport;

    void AddChartPicture(APrintManager& report, CDC* dc, Plotter& plotter, const CString& caption,
                         const CString& title, int height) override {
        Chart c;
        c.title = title;
        c.caption = caption;
        c.height = height;
        double xmin = 0.0, xmax = 0.0;
        plotter.GetRange(xmin, xmax, c.ymin, c.ymax);
        const std::type_info& type = typeid(plotter);
        if (type == typeid(PlotterCracks) || type == typeid(PlotterLineLimit2)) {
            c.kind = type == typeid(PlotterCracks) ? "cracks" : "nm";
            c.points2 = static_cast<PlotterLineLimit2&>(plotter).m_points2;
        } else if (type == typeid(PlotterLineLimit)) {
            c.kind = "limit";
            c.points = static_cast<PlotterLineLimit&>(plotter).m_points;
            c.limit = static_cast<PlotterLineLimit&>(plotter).m_dLimit;
        } else if (type == typeid(PlotterBarArea)) {
            c.kind = "bars";
            c.bars = static_cast<PlotterBarArea&>(plotter).m_bars;
        } else if (type == typeid(PlotterSteelClass)) {
            c.kind = "class";
            c.classes = static_cast<PlotterSteelClass&>(plotter).m_points;
        } else if (type == typeid(PlotterSteelUlt)) {
            c.kind = "ult";
            c.ratios = static_cast<PlotterSteelUlt&>(plotter).m_points;
        } else if (type == typeid(PlotterDeflection)) {
            c.kind = "deflection";
            c.points = static_cast<PlotterDeflection&>(plotter).m_points;
        } else if (type == typeid(PlotterSupport)) {
            auto& support = static_cast<PlotterSupport&>(plotter);
            c.kind = "support";
            c.positions = support.m_positions;
            c.k = support.m_coefficients;
            c.message = support.m_strMessage;
        }
        charts.push_back(c);
        AStrakonReport::AddChartPicture(report, dc, plotter, caption, title, height);
    }
    const Chart* chart(const std::string& title) const {
        for (const Chart& c : charts)
            if (c.title == title) return &c;
        return nullptr;
    }

    std::vector<Chart> charts;
};

// Every block as one line: "text: ", "table: " or "picture: " and its text or caption.
std::vector<std::string> describe(const APrintManager& report) {
    std::vector<std::string> out;
    for (ADrawRect* block : report.GetBlocks()) {
        if (auto* table = dynamic_cast<ADrawSmartTable*>(block))
            out.push_back("table: " + table->GetCaption().GetText());
        else if (auto* picture = dynamic_cast<AMetaFileRectPic*>(block))
            out.push_back("picture: " + picture->GetCaption().GetText());
        else if (auto* text = dynamic_cast<ATextRect*>(block))
            out.push_back("text: " + text->GetText());
        else
            out.push_back("?");
    }
    return out;
}

int count(const std::vector<std::string>& lines, const std::string& prefix) {
    int n = 0;
    for (const std::string& line : lines)
        n += line.rfind(prefix, 0) == 0;
    return n;
}

std::vector<std::vector<std::string>> rows(const APrintManager& report, const std::string& caption, int which = 0) {
    std::vector<std::vector<std::string>> out;
    for (ADrawRect* block : report.GetBlocks())
        if (auto* table = dynamic_cast<ADrawSmartTable*>(block); table && table->GetCaption().GetText() == caption) {
            if (which-- > 0) continue;
            for (const auto* row : table->GetRows()) {
                std::vector<std::string> cells;
                for (const ATableCell* cell : *row) {
                    const auto* s = dynamic_cast<const ATableStringCell*>(cell);
                    cells.push_back(s ? std::string(s->GetText().GetText()) : "?");
                }
                out.push_back(cells);
            }
            break;
        }
    return out;
}

std::string squeeze(const std::string& text) {
    return testsupport::Squeezed(text);
}

const fs::path kTable = fs::path(STRAKON_SOURCE_DIR) / "resources/data/Common/DB/OutputStrings.db";

class AStrakonReportDesignTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        omErrorContainer::instance()->reset();
        omOutputLocaleDB::Replace(new omOutputLocaleDB(kTable));
        AOutputAttributes& o = *AOutputAttributes::Instance();
        o.m_strLanguage = "English";
        o.m_strCaptionFont = o.m_strNormalFont = o.m_strHeadFont = "DejaVu Sans";
        o.m_bDesignResults = true;
        AUnitKeyAttributes::Instance()->length = omUK_m;
        AOptionsAttributes::Instance()->outputFormat = omNumberFormat(4, omNumberFormat::fixed, true, true, 1e-9);
        SetReportProgress([this] { ++steps; });
        image = WhiteImage(800, 1100, 100);
        dc = std::make_unique<CImageDC>(&image);
        dc->SetMapMode(MM_LOMETRIC);
        auto* paper = new AStandardPaper;
        paper->Setup(*dc);
        composer.SetPaper(paper);
        fresh();
    }
    void TearDown() override {
        SetReportProgress({});
        composer.Clear();
        omOutputLocaleDB::Release();
        omErrorContainer::instance()->reset();
        SettingsFixture::TearDown();
    }
    // A new empty structure and an empty composer.
    void fresh() {
        model = std::make_unique<omStrakon>();
        model->setupObjects();
        composer.Clear();
        auto* paper = new AStandardPaper;
        paper->Setup(*dc);
        composer.SetPaper(paper);
        steps = 0;
    }
    // The design pages of every element into the composer.
    CapturingReport& pages(APrintManager& into, CDC* on) {
        report = std::make_unique<CapturingReport>(*model, drawing, printed);
        report->AddDesignPages(into, on);
        return *report;
    }
    CapturingReport& pages() { return pages(composer, dc.get()); }
    omDesignElement* element(unsigned id) { return model->getElementMap()->find(id); }
    omRCDesignBeamData& concrete(unsigned id = 1) { return dynamic_cast<omRCDesignBeamData&>(*element(id)->getDesignData()); }
    omSteelDesignData& steel(unsigned id) { return dynamic_cast<omSteelDesignData&>(*element(id)->getDesignData()); }

    // The pages laid out on A4 into a PDF at path; the PDF's text.
    std::string printed_pdf(const fs::path& path, const std::function<void(APrintManager&)>& afterLayout = {}) {
        QPdfWriter writer(QString::fromStdString(path.string()));
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        CPrinterDC printer(&writer);
        printer.SetMapMode(MM_LOMETRIC);
        APrintManager pdf;
        auto* paper = new AStandardPaper;
        paper->Setup(printer);
        pdf.SetPaper(paper);
        pdf.SetDefaultFont("DejaVu Sans", 100, 0);
        pages(pdf, &printer);
        const int count = pdf.Layout(&printer);
        EXPECT_GT(count, 0);
        printer.StartDoc("design");
        for (int page = 1; page <= count; ++page) {
            printer.StartPage();
            printer.SetMapMode(MM_LOMETRIC);
            EXPECT_TRUE(pdf.PrintPage(page, &printer));
            printer.EndPage();
        }
        printer.EndDoc();
        if (afterLayout) afterLayout(pdf);
        return squeeze(PdfText(path));
    }

    int steps = 0;
    QImage image;
    std::unique_ptr<CImageDC> dc;
    APrintManager composer;
    std::unique_ptr<omStrakon> model;
    NoDrawing drawing;
    AOutputStructureAttributes printed;
    std::unique_ptr<CapturingReport> report;
};

// Each picture block drawn alone into a PNG of the artifacts folder, named by its chart.
void savePictures(APrintManager& pdf, const std::vector<Chart>& charts, const std::string& prefix) {
    std::size_t i = 0;
    for (ADrawRect* block : pdf.GetBlocks()) {
        auto* picture = dynamic_cast<AMetaFileRectPic*>(block);
        if (!picture || i >= charts.size()) continue;
        const Chart& chart = charts[i++];
        const int dpi = 200;
        QImage png = WhiteImage(1300, int((chart.height + 120) / 254.0 * dpi) + 10, dpi);
        CImageDC pdc(&png);
        pdc.SetMapMode(MM_LOMETRIC);
        picture->Draw(&pdc, CPoint(20, -20));
        std::string name = prefix + "-" + std::to_string(i) + "-" + chart.kind + ".png";
        png.save(QString::fromStdString((ArtifactsFolder() / name).string()));
    }
}

TEST_F(AStrakonReportDesignTest, TheDesignedBeamPrintsItsDataReinforcementAndChartsIntoThePdf) {
    designexamples::buildRCBeam(*model);
    ASSERT_EQ(concrete().getShearResults().size(), 11u) << "the beam is designed";
    const fs::path path = ArtifactsFolder() / "design-rc-beam.pdf";
    std::vector<std::vector<std::string>> stirrups, top, bottom;
    const std::string text = printed_pdf(path, [&](APrintManager& pdf) {
        stirrups = rows(pdf, "Stirrups");
        top = rows(pdf, "Top reinforcement");
        bottom = rows(pdf, "Bottom reinforcement");
        savePictures(pdf, report->charts, "design-rc");
    });
    for (const char* s : {"Reinforced-concrete design of element 1", "Concrete: C30/37", "Reinforcement: B500",
                          "Stirrups", "Top reinforcement", "Bottom reinforcement", "9.4 cm2", "1.6 cm2",
                          "2 Fi 8/20.0", "Shear utilisation", "Axial force and bending moment", "Crack widths",
                          "wk = 0.2", "Ultimate limit state", "Serviceability limit state"})
        EXPECT_NE(text.find(s), std::string::npos) << s;
    EXPECT_EQ(text.find("wk = 0.3"), std::string::npos) << "the largest width is 0.212 mm";
    EXPECT_EQ(text.find("Error:"), std::string::npos);
    EXPECT_EQ(text.find("Not designed"), std::string::npos);
    const std::string fi = FormatReportValue(omUnitValue(8.0, omUK_mm), omUK_mm);
    const std::string e = FormatReportValue(omUnitValue(20.0, omUK_cm), omUK_cm);
    EXPECT_EQ(fi, "8");
    EXPECT_EQ(stirrups, (std::vector<std::vector<std::string>>{{"2", fi, e, "0.00", "1.00"}}));
    EXPECT_EQ(top, (std::vector<std::vector<std::string>>{{"1", "2", "10", "0.00", "1.00"}}));
    EXPECT_EQ(bottom, (std::vector<std::vector<std::string>>{{"1", "3", "20", "0.00", "1.00"}}));
}

TEST_F(AStrakonReportDesignTest, TheDesignedPortalPrintsSupportsLoadPositionAndTheStoredStabilityTexts) {
    designexamples::buildSteelPortal(*model);
    const fs::path path = ArtifactsFolder() / "design-steel-portal.pdf";
    std::vector<std::vector<std::vector<std::string>>> supports;
    const std::string text = printed_pdf(path, [&](APrintManager& pdf) {
        for (const char* caption : {"Supports against buckling about Y-Y", "Supports against buckling about Z-Z",
                                    "Supports against lateral-torsional buckling"})
            for (int member = 0; member < 3; ++member)
                supports.push_back(rows(pdf, caption, member));
        savePictures(pdf, report->charts, "design-steel");
    });
    ASSERT_EQ(supports.size(), 9u);
    for (const auto& table : supports)
        EXPECT_EQ(table, (std::vector<std::vector<std::string>>{{"1", "0.000", "1.000", "1.000"}}));
    for (unsigned id = 1; id <= 3; ++id) {
        SCOPED_TRACE(id);
        EXPECT_NE(text.find("Steel design of element " + std::to_string(id)), std::string::npos);
        const std::string stability = steel(id).getStabilityDescription();
        ASSERT_FALSE(stability.empty());
        EXPECT_NE(stability.find(CString::Formatted("%.3lf", steel(id).getElStab())), std::string::npos) << stability;
        EXPECT_NE(text.find(squeeze(stability)), std::string::npos) << stability << "\n" << text;
    }
    int positions = 0;
    const std::string position = "Load application for lateral-torsional buckling: -1.0 (unfavourable)";
    for (std::size_t at = text.find(position); at != std::string::npos; at = text.find(position, at + 1))
        ++positions;
    EXPECT_EQ(positions, 3);
    for (const char* s : {"Steel: S235", "Cross-section classes", "Cross-section resistance",
                          "Serviceability stresses", "Deflections", "HEA 200", "IPE 300"})
        EXPECT_NE(text.find(s), std::string::npos) << s;
    EXPECT_EQ(text.find("Error:"), std::string::npos);
    EXPECT_EQ(text.find("Not designed"), std::string::npos);
}

TEST_F(AStrakonReportDesignTest, TheBeamsChartsHoldTheDesignRunsResults) {
    designexamples::buildRCBeam(*model);
    const CapturingReport& r = pages();
    const std::vector<double>& x = element(1)->getResult().getPoints();
    ASSERT_EQ(x.size(), 11u);

    const Chart* shear = r.chart("Shear utilisation");
    ASSERT_NE(shear, nullptr);
    EXPECT_EQ(shear->kind, "limit");
    EXPECT_EQ(shear->limit, 1.0);
    EXPECT_EQ(shear->caption, "Shear utilisation");
    ASSERT_EQ(shear->points.size(), 11u);
    EXPECT_NEAR(shear->points.front().y, 0.750, 0.001);
    EXPECT_NEAR(shear->points.back().y, 0.750, 0.001);
    for (std::size_t i = 0; i < x.size(); ++i) {
        EXPECT_EQ(shear->points[i].x, x[i]);
        EXPECT_EQ(shear->points[i].y, concrete().getShearResults()[i]);
    }

    const Chart* nm = r.chart("N-M utilisation");
    ASSERT_NE(nm, nullptr);
    EXPECT_EQ(nm->kind, "nm");
    EXPECT_EQ(nm->caption, "Axial force and bending moment");
    ASSERT_EQ(nm->points2.size(), 11u);
    EXPECT_EQ(nm->points2[5].x, 0.5);
    EXPECT_NEAR(nm->points2[5].y2, -0.574, 0.001) << "the sagging side drawn downwards";
    EXPECT_EQ(nm->points2[5].y1, -concrete().getNMResults()[5].second);

    const Chart* cracks = r.chart("Crack widths [mm]");
    ASSERT_NE(cracks, nullptr);
    EXPECT_EQ(cracks->kind, "cracks");
    EXPECT_EQ(cracks->height, 450);
    ASSERT_EQ(cracks->points2.size(), 11u);
    EXPECT_NEAR(cracks->points2[5].y2, -0.212, 0.001);
    EXPECT_NEAR(cracks->ymin, -0.212, 0.001);
    EXPECT_EQ(cracks->ymax, 0.2);

    const Chart* stirrups = r.chart("Stirrups [mm2/cm]");
    ASSERT_NE(stirrups, nullptr);
    ASSERT_EQ(stirrups->bars.size(), 1u);
    EXPECT_EQ(stirrups->bars[0].label, "2 Fi 8/20.0");
    EXPECT_NEAR(stirrups->bars[0].value, 2 * std::numbers::pi / 4 * 64 / 20.0, 1e-12);
    EXPECT_EQ(stirrups->height, 300);
    for (const char* title : {"Top reinforcement [cm2]", "Bottom reinforcement [cm2]"}) {
        const Chart* bars = r.chart(title);
        ASSERT_NE(bars, nullptr) << title;
        ASSERT_EQ(bars->bars.size(), 1u);
        EXPECT_EQ(bars->bars[0].xs, 0.0);
        EXPECT_EQ(bars->bars[0].xe, 1.0);
    }
    EXPECT_EQ(r.chart("Top reinforcement [cm2]")->bars[0].label, "1.6 cm2");
    EXPECT_EQ(r.chart("Bottom reinforcement [cm2]")->bars[0].label, "9.4 cm2");
    EXPECT_EQ(r.charts.size(), 6u);
}

TEST_F(AStrakonReportDesignTest, ThePortalsChartsHoldTheStoredRecordsAtTheResultPositions) {
    designexamples::buildSteelPortal(*model);
    const CapturingReport& r = pages();
    ASSERT_EQ(r.charts.size(), 3u * 7u);
    for (unsigned id = 1; id <= 3; ++id) {
        SCOPED_TRACE(id);
        const std::vector<double>& x = element(id)->getResult().getPoints();
        const auto& records = steel(id).getCSRes();
        ASSERT_EQ(records.size(), x.size());
        const Chart* c = &r.charts[(id - 1) * 7];
        for (int s = 0; s < 3; ++s) {
            EXPECT_EQ(c[s].kind, "support");
            EXPECT_EQ(c[s].positions, (std::vector<double>{0.0, 1.0}));
            EXPECT_EQ(c[s].k, (std::vector<double>{1.0}));
            EXPECT_EQ(c[s].message, "");
        }
        EXPECT_EQ(c[0].title, "Y-Y supports");
        EXPECT_EQ(c[1].title, "Z-Z supports");
        EXPECT_EQ(c[2].title, "Lateral-torsional supports");
        const Chart &classes = c[3], &ratios = c[4], &stresses = c[5], &deflections = c[6];
        EXPECT_EQ(classes.kind, "class");
        EXPECT_EQ(ratios.kind, "ult");
        EXPECT_EQ(stresses.kind, "limit");
        EXPECT_EQ(stresses.limit, 23.5) << "the limit line at fy";
        EXPECT_EQ(deflections.kind, "deflection");
        ASSERT_EQ(classes.classes.size(), x.size());
        ASSERT_EQ(ratios.ratios.size(), x.size());
        ASSERT_EQ(stresses.points.size(), x.size());
        ASSERT_EQ(deflections.points.size(), x.size());
        for (std::size_t i = 0; i < x.size(); ++i) {
            EXPECT_EQ(classes.classes[i].x, x[i]);
            EXPECT_EQ(classes.classes[i].cls, records[i].classValue);
            EXPECT_EQ(classes.classes[i].mark, records[i].classMark);
            EXPECT_EQ(ratios.ratios[i].x, x[i]);
            EXPECT_EQ(ratios.ratios[i].r1, records[i].shearRatio);
            EXPECT_EQ(ratios.ratios[i].r2, records[i].resistanceFactor);
            EXPECT_EQ(stresses.points[i].x, x[i]);
            EXPECT_EQ(stresses.points[i].y, records[i].serStress);
            EXPECT_EQ(deflections.points[i].x, x[i]);
            EXPECT_EQ(deflections.points[i].y, records[i].relDeflection);
        }
        EXPECT_GT(ratios.ratios[0].r2, 0.0) << "the run stored its factors";
    }
}

// One change to a designed beam or portal and the blocks of one member's pages.
struct PageCase {
    const char* name;
    bool steelPortal;
    std::function<void(omStrakon&)> change;
    unsigned member;
    std::vector<std::string> expected; // the member's blocks; an empty list: none
};

// The blocks of one member's pages (from its heading to the next heading).
std::vector<std::string> memberBlocks(const std::vector<std::string>& all, unsigned member, bool steelPages) {
    const std::string heading = std::string("text: ") + (steelPages ? "Steel design of element " : "Reinforced-concrete design of element ") +
                                std::to_string(member);
    std::vector<std::string> out;
    bool in = false;
    for (const std::string& line : all) {
        if (line.rfind("text: Steel design of element ", 0) == 0 ||
            line.rfind("text: Reinforced-concrete design of element ", 0) == 0)
            in = line == heading;
        if (in) out.push_back(line);
    }
    return out;
}

omRCDesignBeamData& rcData(omStrakon& s) {
    return dynamic_cast<omRCDesignBeamData&>(*s.getElementMap()->find(1)->getDesignData());
}
omSteelDesignData& steelData(omStrakon& s, unsigned id) {
    return dynamic_cast<omSteelDesignData&>(*s.getElementMap()->find(id)->getDesignData());
}

TEST_F(AStrakonReportDesignTest, TheBlocksOfEachCaseOfThePages) {
    const std::string data = "text: ";
    const std::vector<PageCase> cases = {
        {"concrete, both checks off", false,
         [](omStrakon& s) {
             rcData(s).setUltDesign(false);
             rcData(s).setSerDesign(false);
         },
         1, {}},
        {"steel, both checks off", true,
         [](omStrakon& s) {
             steelData(s, 2).setUltDesign(false);
             steelData(s, 2).setSerDesign(false);
         },
         2, {}},
        {"concrete without stirrups", false,
         [](omStrakon& s) {
             rcData(s).getStirrups() = omStirrupVec();
             rcData(s).getStirrups().setNoStirrups(true);
         },
         1,
         {"text: Reinforced-concrete design of element 1", "*", "text: The element has no stirrups.",
          "table: Top reinforcement", "picture: ", "table: Bottom reinforcement", "picture: ",
          "text: Ultimate limit state", "picture: Shear utilisation", "picture: Axial force and bending moment",
          "text: Serviceability limit state", "picture: Crack widths"}},
        {"steel, all supports full", true,
         [](omStrakon& s) {
             steelData(s, 2).getYYSup().setFullSupport(true);
             steelData(s, 2).getZZSup().setFullSupport(true);
             steelData(s, 2).getLTSup().setFullSupport(true);
         },
         2,
         {"text: Steel design of element 2", "*",
          "text: The element is fully supported against buckling about Y-Y.",
          "text: The element is fully supported against buckling about Z-Z.",
          "text: The element is fully supported against lateral-torsional buckling.", "text: Ultimate limit state",
          "picture: Cross-section classes", "picture: Cross-section resistance", "*", "text: Serviceability limit state",
          "picture: Serviceability stresses", "picture: Deflections"}},
        {"steel, ultimate only", true, [](omStrakon& s) { steelData(s, 2).setSerDesign(false); }, 2,
         {"text: Steel design of element 2", "*", "table: Supports against buckling about Y-Y", "picture: ",
          "table: Supports against buckling about Z-Z", "picture: ",
          "table: Supports against lateral-torsional buckling", "picture: ",
          "text: Load application for lateral-torsional buckling: -1.0 (unfavourable)",
          "text: Ultimate limit state", "picture: Cross-section classes", "picture: Cross-section resistance", "*",
          "text: Serviceability limit state", "text: The serviceability limit state is not checked."}},
        {"steel, load factor 0.5 and stiffeners", true,
         [](omStrakon& s) {
             steelData(s, 2).setLoadPos(0.5);
             steelData(s, 2).setShearStiffDistance(omUnitValue(150.0, omUK_cm));
             steelData(s, 2).setUltDesign(false);
         },
         2,
         {"text: Steel design of element 2", "*", "table: Supports against buckling about Y-Y", "picture: ",
          "table: Supports against buckling about Z-Z", "picture: ",
          "table: Supports against lateral-torsional buckling", "picture: ",
          "text: Load application for lateral-torsional buckling: 0.5 (-)",
          "text: Distance between shear stiffeners: 1.5 m", "text: Ultimate limit state",
          "text: The ultimate limit state is not checked.", "text: Serviceability limit state",
          "picture: Serviceability stresses", "picture: Deflections"}},
        {"concrete, impossible design", false, [](omStrakon& s) { rcData(s).getTopBand() = omBarBand(); }, 1,
         {"text: Reinforced-concrete design of element 1", "*", "*"}},
        {"steel without material", true, [](omStrakon& s) { s.getElementMap()->find(2)->setMaterialIndex(0); }, 2,
         {"text: Steel design of element 2", "*", "*"}},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        if (c.steelPortal)
            designexamples::buildSteelPortal(*model);
        else
            designexamples::buildRCBeam(*model);
        c.change(*model);
        steps = 0;
        pages();
        EXPECT_EQ(steps, c.steelPortal ? 3 : 1);
        const std::vector<std::string> blocks = memberBlocks(describe(composer), c.member, c.steelPortal);
        ASSERT_EQ(blocks.size(), c.expected.size()) << ::testing::PrintToString(blocks);
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            if (c.expected[i] == "*") continue;
            EXPECT_EQ(blocks[i], c.expected[i]) << i;
        }
    }
}

TEST_F(AStrakonReportDesignTest, ImpossibleDesignsPrintTheirReasonsAndAMemberWithoutMaterialNDE) {
    designexamples::buildSteelPortal(*model);
    element(2)->setMaterialIndex(0);
    pages();
    const auto blocks = memberBlocks(describe(composer), 2, true);
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_NE(blocks[1].find("Steel: not defined"), std::string::npos) << blocks[1];
    EXPECT_NE(blocks[2].find("Steel material is either not selected or it is wrong."), std::string::npos);
    EXPECT_NE(blocks[2].find("@{N}"), std::string::npos) << "line breaks as markup";
}

TEST_F(AStrakonReportDesignTest, TwoStretchesOfEqualReinforcementGiveTwoEqualBars) {
    designexamples::buildRCBeam(*model);
    rcData(*model).getBottomBand() = designtest::band({{"3", "20", "0", "0.5"}, {"3", "20", "0.5", "1"}}, 3.0);
    const CapturingReport& r = pages();
    const Chart* bottom = r.chart("Bottom reinforcement [cm2]");
    ASSERT_NE(bottom, nullptr);
    ASSERT_EQ(bottom->bars.size(), 2u);
    EXPECT_EQ(bottom->bars[0].value, bottom->bars[1].value);
    EXPECT_EQ(bottom->bars[0].label, "9.4 cm2");
    EXPECT_EQ(bottom->bars[0].xe, 0.5);
    EXPECT_EQ(bottom->bars[1].xs, 0.5);
    EXPECT_EQ(rows(composer, "Bottom reinforcement").size(), 2u);
}

TEST_F(AStrakonReportDesignTest, MembersWithoutDesignDataOrWithAnotherKindGetNoPageButAStep) {
    // Design data of a class of its own: the exact type decides, not a cast.
    struct OtherData : omRCDesignBeamData {
        omGenericDesignData* clone() const override { return new OtherData(*this); }
    };
    designexamples::buildSteelPortal(*model);
    element(1)->setDesignData(nullptr);
    OtherData other;
    element(3)->setDesignData(&other);
    ASSERT_NE(typeid(*element(3)->getDesignData()), typeid(omRCDesignBeamData));
    pages();
    EXPECT_EQ(steps, 3);
    const auto blocks = describe(composer);
    EXPECT_EQ(count(blocks, "text: Steel design of element 2"), 1);
    EXPECT_EQ(count(blocks, "text: Steel design of element "), 1);
    EXPECT_EQ(count(blocks, "text: Reinforced-concrete design"), 0);
}

TEST_F(AStrakonReportDesignTest, ResultsThatNoLongerMatchTheMemberPrintNotDesignedInsteadOfCharts) {
    struct Case {
        const char* name;
        bool steelPortal;
        std::function<void(omStrakon&)> change;
    };
    const Case cases[] = {
        {"beam edited and solved", false,
         [](omStrakon& s) {
             s.clearResults();
             solveroad::run(s);
         }},
        {"portal edited and solved", true,
         [](omStrakon& s) {
             s.clearResults();
             solveroad::run(s);
         }},
        {"beam's shear list one short", false, [](omStrakon& s) { rcData(s).getShearResults().pop_back(); }},
        {"beam's crack list one long", false, [](omStrakon& s) { rcData(s).getCrackResults().push_back({0.1, 0.0}); }},
        {"portal's records one short", true, [](omStrakon& s) { steelData(s, 2).getCSRes().pop_back(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        if (c.steelPortal)
            designexamples::buildSteelPortal(*model);
        else
            designexamples::buildRCBeam(*model);
        c.change(*model);
        pages();
        // The changed member: its data and tables stay, its result charts give way.
        const auto blocks = memberBlocks(describe(composer), c.steelPortal ? 2 : 1, c.steelPortal);
        EXPECT_EQ(count(blocks, "text: Not designed since the last analysis."), 2) << ::testing::PrintToString(blocks);
        EXPECT_EQ(count(blocks, "table: "), 3) << "the data stay";
        for (const std::string& b : blocks)
            EXPECT_TRUE(b.rfind("picture: ", 0) != 0 || b == "picture: ") << b;
        EXPECT_EQ(count(blocks, "text: Class "), 0) << "no stability text";
    }
}

TEST_F(AStrakonReportDesignTest, AStirrupOfSpacingZeroIsNotConsideredAndKeepsTheChartFinite) {
    designexamples::buildRCBeam(*model);
    rcData(*model).getStirrups() = designtest::stirrups({{"2", "8", "20", "0", "1"}, {"4", "10", "20", "0", "0.5"}});
    rcData(*model).getStirrups()[1].setE(omUnitValue(0.0, omUK_cm));
    const CapturingReport& r = pages();
    const Chart* stirrups = r.chart("Stirrups [mm2/cm]");
    ASSERT_NE(stirrups, nullptr);
    ASSERT_EQ(stirrups->bars.size(), 2u);
    EXPECT_EQ(stirrups->bars[1].label, "4 Fi 10/0.0 (not considered)");
    EXPECT_EQ(stirrups->bars[1].value, 0.0);
    EXPECT_TRUE(std::isfinite(stirrups->ymax));
    EXPECT_NEAR(stirrups->ymax, 2 * std::numbers::pi / 4 * 64 / 20.0, 1e-12);
    // A negative spacing and one that is not a number are not considered either.
    for (double e : {-20.0, std::nan("")}) {
        rcData(*model).getStirrups()[1].setE(omUnitValue(e, omUK_cm));
        const CapturingReport& again = pages();
        const Chart* chart = again.chart("Stirrups [mm2/cm]");
        ASSERT_NE(chart, nullptr);
        EXPECT_EQ(chart->bars[1].value, 0.0) << e;
        EXPECT_NE(chart->bars[1].label.find("(not considered)"), std::string::npos) << e;
        EXPECT_TRUE(std::isfinite(chart->ymax));
    }
}

TEST_F(AStrakonReportDesignTest, NumbersFromAFileStayOnTheMemberAndOutOfTheCharts) {
    designexamples::buildRCBeam(*model);
    omBarVec second;
    second.setStringMatrix(designtest::table({{"1", "12", "0", "1"}}));
    second[0].setXS(std::nan(""));
    second[0].setXE(1.5);
    concrete().getBottomBand().setRow2(second);
    concrete().getShearResults()[3] = std::numeric_limits<double>::infinity();
    concrete().getCrackResults()[5].first = std::nan("");
    const CapturingReport& r = pages();
    const Chart* shear = r.chart("Shear utilisation");
    ASSERT_NE(shear, nullptr);
    EXPECT_EQ(shear->points.size(), 10u);
    EXPECT_TRUE(std::isfinite(shear->ymax));
    const Chart* cracks = r.chart("Crack widths [mm]");
    ASSERT_NE(cracks, nullptr);
    EXPECT_EQ(cracks->points2.size(), 10u);
    const Chart* bottom = r.chart("Bottom reinforcement [cm2]");
    ASSERT_NE(bottom, nullptr);
    ASSERT_EQ(bottom->bars.size(), 1u);
    EXPECT_EQ(bottom->bars[0].xs, 0.0);
    EXPECT_EQ(bottom->bars[0].xe, 1.0);
    EXPECT_EQ(bottom->bars[0].label, "9.4 cm2");
    EXPECT_EQ(rows(composer, "Bottom reinforcement").size(), 2u);
}

TEST_F(AStrakonReportDesignTest, AMemberWithoutSectionPrintsNDEAndItsReasons) {
    designexamples::buildRCBeam(*model);
    element(1)->setCrossSection(nullptr);
    ASSERT_EQ(element(1)->getCrossSection(), nullptr);
    pages();
    const auto blocks = describe(composer);
    const auto beam = memberBlocks(blocks, 1, false);
    ASSERT_EQ(beam.size(), 3u) << ::testing::PrintToString(blocks);
    EXPECT_EQ(beam[1].rfind("text: not defined@{N}@{N}", 0), 0u) << beam[1];
    EXPECT_NE(beam[2].find("Cross-section is either not selected"), std::string::npos) << beam[2];
}

TEST_F(AStrakonReportDesignTest, UserTextsPrintAsTyped) {
    designexamples::buildRCBeam(*model);
    const_cast<omMaterial*>(element(1)->getMaterial())->setName("C30/37 @site");
    const_cast<omMaterial*>(element(1)->getMaterial2())->setName("B500 @{F:D,2000}");
    const std::string text = printed_pdf(ArtifactsFolder() / "design-user-texts.pdf");
    EXPECT_NE(text.find("Concrete: C30/37 @site"), std::string::npos) << text.substr(0, 600);
    EXPECT_NE(text.find("Reinforcement: B500 @{F:D,2000}"), std::string::npos);
    EXPECT_EQ(text.find("Error:"), std::string::npos);
}

TEST_F(AStrakonReportDesignTest, TheStoredStabilityTextIsPrintedAsStored) {
    designexamples::buildSteelPortal(*model);
    steelData(*model, 2).setStabilityDescription("Class 1: @{A:B}bold\n\tstill 100% @@ fine");
    pages();
    const auto blocks = memberBlocks(describe(composer), 2, true);
    int found = 0;
    for (const std::string& b : blocks)
        found += b == "text: Class 1: @@{A:B}bold@{N}      still 100% @@@@ fine";
    EXPECT_EQ(found, 1) << ::testing::PrintToString(blocks);
}

TEST_F(AStrakonReportDesignTest, TheHeadingsComeFromTheChosenLanguage) {
    const fs::path table = dir.path() / "OutputStrings.db";
    {
        std::ifstream in(kTable);
        std::ofstream out(table);
        out << in.rdbuf() << "\n[Deutsch]\n"
            << "\"EC2:EL\", \"Stahlbetonbemessung des Elements %i\"\n"
            << "\"EC3:EL\", \"Stahlbemessung des Elements %i\"\n";
    }
    omOutputLocaleDB::Replace(new omOutputLocaleDB(table));
    struct Case {
        const char* language;
        const char* concrete;
        const char* steel;
    };
    for (const Case& c : {Case{"Deutsch", "text: Stahlbetonbemessung des Elements 1", "text: Stahlbemessung des Elements 2"},
                          Case{"English", "text: Reinforced-concrete design of element 1", "text: Steel design of element 2"}}) {
        SCOPED_TRACE(c.language);
        AOutputAttributes::Instance()->m_strLanguage = c.language;
        fresh();
        designexamples::buildSteelPortal(*model);
        pages();
        auto blocks = describe(composer);
        EXPECT_EQ(count(blocks, c.steel), 1) << ::testing::PrintToString(blocks);
        // The Deutsch section lacks the rest: English texts fill in.
        EXPECT_EQ(count(blocks, "text: Ultimate limit state"), 3);
        fresh();
        designexamples::buildRCBeam(*model);
        pages();
        blocks = describe(composer);
        EXPECT_EQ(count(blocks, c.concrete), 1) << ::testing::PrintToString(blocks);
        EXPECT_EQ(count(blocks, "text: Ultimate limit state"), 1);
    }
}

} // namespace
