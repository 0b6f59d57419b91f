// The report composer on a large report: two autosized tables of 561 and 1,050
// rows by 6 columns and two pictures of 1,050 labelled lines, on A4 at 600 dpi.
// Measures Layout alone and printing every page to a PDF.
//
//   build/bin/report_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "controls/report/ADrawTable.h"
#include "controls/report/AMetaFileRectPic.h"
#include "controls/report/APaper.h"
#include "controls/report/APrintManager.h"
#include "platform/gdi/CPrinterDC.h"

#include <QApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

struct Report {
    explicit Report(const QString& file) : writer(file) {
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        dc = std::make_unique<CPrinterDC>(&writer);
        dc->SetMapMode(MM_LOMETRIC);
        auto* paper = new AStandardPaper;
        paper->Setup(*dc);
        composer.SetPaper(paper);
        composer.SetDefaultFont("DejaVu Sans", 100, 0);
        for (int rows : {561, 1050}) {
            auto* table = new ADrawSmartTable;
            table->SetCaption("Table of " + std::to_string(rows) + " rows");
            for (const char* head : {"No.", "x", "z", "N", "V", "M"})
                table->AddTopCell(head);
            for (int r = 1; r <= rows; ++r)
                for (int c = 0; c < 6; ++c)
                    table->AddCell(CString(std::to_string(r * 7 + c * 1.25)));
            table->SetAutoSize(30, 25);
            composer.Add(table);
        }
        for (int p = 0; p < 2; ++p) {
            auto* picture = new AMetaFileRectPic(CSize(1800, -2400));
            CMetaFileDC* rec = picture->OpenMetaFileDC(dc.get());
            for (int i = 0; i < 1050; ++i) {
                const int x = (i % 35) * 50, y = -(i / 35) * 80;
                rec->MoveTo(x, y);
                rec->LineTo(x + 45, y - 70);
                rec->TextOut(x, y, std::to_string(i + 1));
            }
            picture->CloseMetaFileDC();
            composer.Add(picture);
        }
    }

    QPdfWriter writer;
    std::unique_ptr<CPrinterDC> dc;
    APrintManager composer;
};

QApplication& app() {
    static int argc = 1;
    static char name[] = "report_bench";
    static char* argv[] = {name, nullptr};
    static QApplication a(argc, argv);
    return a;
}

void Layout(benchmark::State& state) {
    app();
    QTemporaryDir dir;
    Report report(dir.filePath("layout.pdf"));
    int pages = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(pages = report.composer.Layout(report.dc.get()));
    state.counters["pages"] = pages;
}
BENCHMARK(Layout)->Unit(benchmark::kMillisecond);

void PrintAllPages(benchmark::State& state) {
    app();
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        auto report = std::make_unique<Report>(dir.filePath("print.pdf"));
        state.ResumeTiming();
        const int pages = report->composer.Layout(report->dc.get());
        report->dc->StartDoc("bench");
        for (int p = 1; p <= pages; ++p) {
            report->dc->StartPage();
            report->dc->SetMapMode(MM_LOMETRIC);
            report->composer.PrintPage(p, report->dc.get());
            report->dc->EndPage();
        }
        report->dc->EndDoc();
        state.counters["pages"] = pages;
        state.PauseTiming();
        report.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(PrintAllPages)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
