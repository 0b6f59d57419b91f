// The output-settings sheet of a structure with 100 actions, 300 load cases and
// 50 envelopes: made and shown on its first page (three font lists filled), and
// made and shown with every page visited once (four font lists, both name-list
// pages reconciled and filled), then closed.
//
//   QT_QPA_PLATFORM=offscreen build/bin/output_settings_bench --benchmark_repetitions=5
//       --benchmark_report_aggregates_only=true   (one line)
#include "app/dialogs/AContentsSetupSheet.h"
#include "app/dialogs/AOutputPages.h"
#include "model/omDofStructureType.h"
#include "model/omEnvelope.h"
#include "model/omLoadCase.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "platform/storage/CSettingsStore.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <string>

namespace {

struct Structure {
    Structure() {
        CSettingsStore::Instance().SetFolder(settings.path().toStdString());
        for (int i = 1; i <= 100; ++i)
            loads.addGroup(omLoadGroup("Action " + std::to_string(i)));
        for (int i = 1; i <= 300; ++i)
            loads.addCase(new omLoadCase("Case " + std::to_string(i), omLoadCase::lsUltimate,
                                         omDofStrakonStructureType::instance()),
                          false);
        for (int i = 1; i <= 50; ++i) {
            auto* envelope = new omEnvelope;
            envelope->setName("Envelope " + std::to_string(i));
            loads.addEnvelope(envelope);
        }
    }
    QTemporaryDir settings;
    omLoadManager loads;
};

void OpenSheet(benchmark::State& state, bool everyPage) {
    static Structure structure;
    for (auto _ : state) {
        // As the command does: the lists follow the model once, then the sheet edits copies.
        AOutputStructureAttributes lists;
        lists.UpdateActionLists(structure.loads);
        lists.UpdateResultLists(structure.loads);
        AContentsSetupSheet sheet("Setup Output Content ...", nullptr, 0);
        sheet.m_output = *AOutputAttributes::Instance();
        sheet.m_structure = lists;
        AOutputGeneralPP general;
        AOutputGeometryLoadPP geometryLoad;
        AOutputResultsPP results;
        AOutputDescriptionPP description;
        AOutputFrontPagePP frontPage;
        AOutputHeadFootPP headFoot;
        AOutputMarginsPP margins;
        for (CPropertyPage* page : std::initializer_list<CPropertyPage*>{
                 &general, &geometryLoad, &results, &description, &frontPage, &headFoot, &margins})
            sheet.AddPage(page);
        general.SetAttributes(sheet.m_output);
        margins.SetAttributes(sheet.m_output);
        headFoot.SetAttributes(sheet.m_output);
        frontPage.SetAttributes(sheet.m_output, sheet.m_description);
        geometryLoad.SetAttributes(sheet.m_output, sheet.m_structure, &structure.loads);
        results.SetAttributes(sheet.m_output, sheet.m_structure, &structure.loads);
        description.SetAttributes(sheet.m_structure);
        sheet.Create();
        if (everyPage)
            for (int i = 1; i < sheet.GetPageCount(); ++i)
                sheet.SetActivePage(i);
        QApplication::processEvents();
        benchmark::DoNotOptimize(sheet.GetActiveIndex());
        sheet.DestroyWindow();
    }
}

void BM_OpenOnFirstPage(benchmark::State& state) {
    OpenSheet(state, false);
}
void BM_OpenAndVisitEveryPage(benchmark::State& state) {
    OpenSheet(state, true);
}
BENCHMARK(BM_OpenOnFirstPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndVisitEveryPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
