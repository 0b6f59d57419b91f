// The report body of a 50-storey, 10-bay frame (561 nodes, 1,050 members, two
// load cases and one envelope), solved once, with every table and picture on:
// BuildReport alone, then Layout of what it built, on A4 at 600 dpi. The
// pictures draw the members as lines; progress steps do nothing.
//
//   build/bin/report_build_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "app/report/AOutputAttributes.h"
#include "app/report/AReportDrawing.h"
#include "app/report/AStrakonReport.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AExtents2D.h"
#include "controls/AMapC2L.h"
#include "controls/report/APaper.h"
#include "controls/report/APrintManager.h"
#include "model/omElementMap.h"
#include "platform/gdi/CPrinterDC.h"
#include "platform/storage/CSettingsStore.h"
#include "tests/model/SolveRoad.h"
#include "tests/model/StoreyFrame.h"

#include <QApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class LineDrawing : public AReportDrawing {
public:
    explicit LineDrawing(omStrakon& model) : m_model(model) {}
    void Draw(AMapC2L& map, CDC* dc, const omRect&, int, ADrawAttributes*) override {
        omElementMap* elements = m_model.getElementMap();
        for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii()) {
            const omDesignElement* e = elements->object_ii();
            double x1, z1, x2, z2;
            e->getNode1()->getPlanePoint(omNode::coorPlain, x1, z1);
            e->getNode2()->getPlanePoint(omNode::coorPlain, x2, z2);
            dc->MoveTo(map.LU(x1 / 100, z1 / 100));
            dc->LineTo(map.LU(x2 / 100, z2 / 100));
        }
    }
    void DrawLoads(AMapC2L&, CDC*, const omRect&, int, ADrawAttributes*) override {}
    void DrawResults(AMapC2L& map, CDC* dc, const omRect& world, int, int, int, bool, bool) override {
        Draw(map, dc, world, 3, nullptr);
    }
    void SetActiveLoadGroup(int group) override { m_group = group; }
    int GetActiveLoadGroup() const override { return m_group; }

private:
    omStrakon& m_model;
    int m_group = 0;
};

struct Frame {
    Frame() : model(storeyframe::build(50, 10, storeyframe::Members::linear)), drawing(*model) {
        solveroad::run(*model);
        CSettingsStore::Instance().SetFolder(settings.path().toStdString());
        AOutputAttributes& o = *AOutputAttributes::Instance();
        o.m_bGeometryPic = o.m_bActionPic = o.m_bActionTab = o.m_bLoadCaseTab = true;
        o.m_nNodeTabType = o.m_nElementTabType = o.m_nMaterialTabType = o.m_nCSTabType = 1;
        for (auto& kind : o.m_bResult)
            for (bool& on : kind)
                on = true;
        o.m_bIntForcesTab = o.m_bDisplTab = o.m_bReactionsTab = o.m_bEnvelopesTab = true;
        printed.m_printedActions = {"dead", "wind"};
        omNodeMap* nodes = model->getNodeMap();
        for (nodes->start_ii(); !nodes->stop_ii(); nodes->increment_ii()) {
            double x, z;
            nodes->object_ii()->getPlanePoint(omNode::coorPlain, x, z);
            extents.AddPoint(x / 100, z / 100);
        }
    }
    void resetLists() {
        printed.m_printedResults.clear();
        printed.UpdateResultLists(*model->getLoadManager());
        // New envelopes are filed as not printed; the benchmark prints it.
        printed.m_printedResults.push_back("[EN]: " + model->getLoadManager()->getEnvelope(1)->name());
    }

    QTemporaryDir settings;
    std::unique_ptr<omStrakon> model;
    LineDrawing drawing;
    AOutputStructureAttributes printed;
    AExtents2D extents;
};

struct Composer {
    explicit Composer(const QString& file) : writer(file) {
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        dc = std::make_unique<CPrinterDC>(&writer);
        dc->SetMapMode(MM_LOMETRIC);
        auto* paper = new AStandardPaper;
        paper->Setup(*dc);
        composer.SetPaper(paper);
        composer.SetDefaultFont("DejaVu Sans", 100, 0);
    }
    QPdfWriter writer;
    std::unique_ptr<CPrinterDC> dc;
    APrintManager composer;
};

QApplication& app() {
    static int argc = 1;
    static char name[] = "report_build_bench";
    static char* argv[] = {name, nullptr};
    static QApplication a(argc, argv);
    return a;
}

Frame& frame() {
    static Frame f;
    return f;
}

void BuildReport(benchmark::State& state) {
    app();
    Frame& f = frame();
    QTemporaryDir dir;
    std::size_t blocks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto c = std::make_unique<Composer>(dir.filePath("build.pdf"));
        f.resetLists();
        state.ResumeTiming();
        AStrakonReport(*f.model, f.drawing, f.printed).BuildReport(c->composer, c->dc.get(), f.extents);
        state.PauseTiming();
        blocks = c->composer.GetBlocks().size();
        c.reset();
        state.ResumeTiming();
    }
    state.counters["blocks"] = double(blocks);
}
BENCHMARK(BuildReport)->Unit(benchmark::kMillisecond);

void LayoutOfTheBuiltReport(benchmark::State& state) {
    app();
    Frame& f = frame();
    QTemporaryDir dir;
    Composer c(dir.filePath("layout.pdf"));
    f.resetLists();
    AStrakonReport(*f.model, f.drawing, f.printed).BuildReport(c.composer, c.dc.get(), f.extents);
    int pages = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(pages = c.composer.Layout(c.dc.get()));
    state.counters["pages"] = pages;
}
BENCHMARK(LayoutOfTheBuiltReport)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
