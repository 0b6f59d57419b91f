// The structure document's Solve on a solved-once 50-storey, 10-bay frame with
// three load cases (two ultimate, one serviceability), as the Solve command
// runs it: with a progress bar of the application, the 15 ms pauses through a
// prompt service that does not sleep, the calculation log and its model report
// written every time, and the report file. And the output window's log view
// loading a 20 MB calculation log, of which it shows the tail.
//
//   build/bin/document_solve_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "app/shell/AStrakonDocument.h"
#include "app/shell/CStrakonApp.h"
#include "app/views/AStrakon.h"
#include "model/omLoadCase.h"
#include "model/omLogFile.h"
#include "platform/storage/CSettingsStore.h"
#include "platform/ui/CPromptService.h"
#include "tests/app/OutputFrameSupport.h"
#include "tests/model/StoreyFrame.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

namespace {

struct Program {
    Program() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "document_solve_bench";
        static char* argv[] = {name, nullptr};
        qt = std::make_unique<QApplication>(argc, argv);
        CSettingsStore::Instance().SetFolder(folder.path().toStdString());
        omLogFile::Instance()->newFileName(folder.filePath("Strakon.log").toStdString());
        app = std::make_unique<CStrakonApp>();
        prompts = std::make_unique<CScriptedPromptService>();
    }
    QTemporaryDir folder;
    std::unique_ptr<QApplication> qt;
    std::unique_ptr<CStrakonApp> app;
    std::unique_ptr<CScriptedPromptService> prompts;
};

Program& program() {
    static Program p;
    return p;
}

void DocumentSolve(benchmark::State& state) {
    program();
    AStrakonDocument doc;
    omStrakon* s = doc.GetModel();
    storeyframe::fill(s, 50, 10, storeyframe::Members::linear);
    omLoadCase* service = s->addLoadCase("service", omLoadCase::lsServiceability);
    (*service)(1) = 1.0;
    (*service)(2) = 1.0;
    bool solved = false;
    for (auto _ : state) {
        AProgressScope progress("Solving ...", s->getLoadManager()->caseSize() + 1);
        solved = doc.Solve();
        program().prompts->Clear();
    }
    if (!solved) state.SkipWithError("the frame did not solve");
}
BENCHMARK(DocumentSolve)->Unit(benchmark::kMillisecond);

void LogViewLoadsATwentyMegabyteLog(benchmark::State& state) {
    Program& p = program();
    OutputFrameHolder holder(*p.app);
    const QString path = p.folder.filePath("long.log");
    {
        std::ofstream out(path.toStdString(), std::ios::binary);
        const std::string line = "Solving load case: dead and wind, node 1234: Ux = 1.234567e-02 Uz = -3.2e-03\r\n";
        for (std::size_t written = 0; written < 20u * 1024 * 1024; written += line.size())
            out << line;
    }
    for (auto _ : state) {
        holder.output().ShowLog(path.toStdString());
        benchmark::DoNotOptimize(holder.log().size());
    }
}
BENCHMARK(LogViewLoadsATwentyMegabyteLog)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
