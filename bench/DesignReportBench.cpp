// The design pages of the report of a 50-storey, 10-bay frame (1,050 members),
// solved and designed in the set-up, in two variants: every member steel (IPE
// 300 in S235 with default supports) and every member a 30/50 concrete section
// with the EC2 tests' reinforcement. Only the model tables and "Design results"
// are on. Timed: BuildReport alone, Layout of what it built, and the printing
// of every page into a PDF; and, apart, what preparing the sections'
// interaction diagrams of every concrete member would add to the build.
//
//   build/bin/design_report_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "app/design/ADesignEC2.h"
#include "app/report/AOutputAttributes.h"
#include "app/report/AReportDrawing.h"
#include "app/report/AReportProgress.h"
#include "app/report/AStrakonReport.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/views/AExtents2D.h"
#include "controls/report/AMetaFileRectPic.h"
#include "controls/report/APaper.h"
#include "controls/report/APrintManager.h"
#include "model/omElementMap.h"
#include "platform/gdi/CPrinterDC.h"
#include "platform/storage/CSettingsStore.h"
#include "tests/app/DesignExamples.h"
#include "tests/model/SolveRoad.h"
#include "tests/model/StoreyFrame.h"

#include <QApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

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

QApplication& app() {
    static int argc = 1;
    static char name[] = "design_report_bench";
    static char* argv[] = {name, nullptr};
    static QApplication a(argc, argv);
    return a;
}

enum Variant { steel = 0, concrete = 1 };

struct Frame {
    explicit Frame(Variant variant) : model(storeyframe::build(50, 10, storeyframe::Members::linear)) {
        omStrakon& s = *model;
        if (variant == steel) {
            s.addMaterial(designexamples::s235(2), 2);
            s.addCrossSection(designexamples::ipe300(3), 3);
        } else {
            designtest::useDefaultFactors();
            s.addMaterial(designtest::newC30(3), 3);
            s.addMaterial(designtest::newB500(4), 4);
            s.addCrossSection(new omCrossSectionRect(50.0, 30.0, omUK_cm, 4), 4);
        }
        omElementMap* elements = s.getElementMap();
        for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii()) {
            omDesignElement* e = elements->object_ii();
            if (variant == steel) {
                e->setMaterialIndex(2);
                e->setCrossSectionIndex(3);
                omSteelDesignData data;
                designexamples::useCases(data);
                e->setDesignData(&data);
            } else {
                e->setMaterialIndex(3);
                e->setMaterialIndex2(4);
                e->setCrossSectionIndex(4);
                omRCDesignBeamData data = designtest::beamData();
                designexamples::useCases(data);
                e->setDesignData(&data);
            }
        }
        solveroad::run(s);
        for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii()) {
            const unsigned id = elements->object_ii()->getIndex();
            if (variant == steel)
                DesignSteelElement(&s, id);
            else
                ADesignEC2::Run(id, &s);
            ++members;
        }
    }
    std::unique_ptr<omStrakon> model;
    NoDrawing drawing;
    AOutputStructureAttributes printed;
    AExtents2D extents;
    int members = 0;
};

void settings() {
    static QTemporaryDir folder;
    static bool done = false;
    if (done) return;
    done = true;
    CSettingsStore::Instance().SetFolder(folder.path().toStdString());
    AOutputAttributes& o = *AOutputAttributes::Instance();
    o.m_bGeometryPic = o.m_bActionPic = o.m_bActionTab = o.m_bLoadCaseTab = false;
    o.m_nNodeTabType = o.m_nElementTabType = o.m_nMaterialTabType = o.m_nCSTabType = 1;
    for (auto& kind : o.m_bResult)
        for (bool& on : kind)
            on = false;
    o.m_bIntForcesTab = o.m_bDisplTab = o.m_bReactionsTab = o.m_bEnvelopesTab = false;
    o.m_bDesignResults = true;
    o.m_strCaptionFont = o.m_strHeadFont = o.m_strNormalFont = "DejaVu Sans";
}

Frame& frame(Variant variant) {
    app();
    settings();
    static std::unique_ptr<Frame> frames[2];
    if (!frames[variant]) frames[variant] = std::make_unique<Frame>(variant);
    return *frames[variant];
}

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

int pictures(const APrintManager& composer) {
    int n = 0;
    for (ADrawRect* block : composer.GetBlocks())
        n += dynamic_cast<AMetaFileRectPic*>(block) != nullptr;
    return n;
}

void BuildDesignReport(benchmark::State& state) {
    Frame& f = frame(Variant(state.range(0)));
    QTemporaryDir dir;
    std::size_t blocks = 0;
    int pics = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto c = std::make_unique<Composer>(dir.filePath("build.pdf"));
        state.ResumeTiming();
        AStrakonReport(*f.model, f.drawing, f.printed).BuildReport(c->composer, c->dc.get(), f.extents);
        state.PauseTiming();
        blocks = c->composer.GetBlocks().size();
        pics = pictures(c->composer);
        c.reset();
        state.ResumeTiming();
    }
    state.counters["members"] = f.members;
    state.counters["blocks"] = double(blocks);
    state.counters["pictures"] = pics;
}
BENCHMARK(BuildDesignReport)->Arg(steel)->Arg(concrete)->Unit(benchmark::kMillisecond);

void LayoutOfTheDesignReport(benchmark::State& state) {
    Frame& f = frame(Variant(state.range(0)));
    QTemporaryDir dir;
    Composer c(dir.filePath("layout.pdf"));
    AStrakonReport(*f.model, f.drawing, f.printed).BuildReport(c.composer, c.dc.get(), f.extents);
    int pages = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(pages = c.composer.Layout(c.dc.get()));
    state.counters["pages"] = pages;
}
BENCHMARK(LayoutOfTheDesignReport)->Arg(steel)->Arg(concrete)->Unit(benchmark::kMillisecond);

// Every page printed into the PDF after one layout.
void PdfOfTheDesignReport(benchmark::State& state) {
    Frame& f = frame(Variant(state.range(0)));
    QTemporaryDir dir;
    int pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto c = std::make_unique<Composer>(dir.filePath("print.pdf"));
        AStrakonReport(*f.model, f.drawing, f.printed).BuildReport(c->composer, c->dc.get(), f.extents);
        pages = c->composer.Layout(c->dc.get());
        state.ResumeTiming();
        c->dc->StartDoc("design");
        for (int page = 1; page <= pages; ++page) {
            c->dc->StartPage();
            c->dc->SetMapMode(MM_LOMETRIC);
            c->composer.PrintPage(page, c->dc.get());
            c->dc->EndPage();
        }
        c->dc->EndDoc();
        state.PauseTiming();
        c.reset();
        state.ResumeTiming();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(PdfOfTheDesignReport)->Arg(steel)->Arg(concrete)->Unit(benchmark::kMillisecond)->Iterations(1);

// What the interaction diagrams of every concrete member would add, were
// they prepared before each crack chart; the chart reads none of them.
void PrepareSectionsOfEveryMember(benchmark::State& state) {
    Frame& f = frame(concrete);
    for (auto _ : state) {
        const omElementMap* elements = f.model->getElementMap();
        for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii()) {
            ADesignEC2 design(elements->object_ii()->getIndex(), f.model.get());
            benchmark::DoNotOptimize(design.PrepareSections());
        }
    }
    state.counters["members"] = f.members;
}
BENCHMARK(PrepareSectionsOfEveryMember)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
