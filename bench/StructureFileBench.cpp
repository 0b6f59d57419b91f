// Saving and opening a structure file's stream for a solved 50-storey x
// 10-bay frame with three load cases and an envelope: the document's save,
// and its load with the steps after it (bind, envelopes). Both once more
// after the program's Qt and application objects exist (bench/InProgram.h),
// last, so that the plain ones see a plain process.
#include "InProgram.h"
#include "app/shell/AStorageInterface.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "platform/core/CArchive.h"
#include "platform/storage/CSettingsStore.h"
#include "tests/model/SolveRoad.h"
#include "tests/model/StoreyFrame.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using FrameDocument = AStrakonDocument;

std::vector<std::uint8_t> solvedFrameStream() {
    FrameDocument doc;
    omStrakon* s = doc.GetModel();
    storeyframe::fill(s, 50, 10, storeyframe::Members::linear);
    omLoadCase* service = s->addLoadCase("service", omLoadCase::lsServiceability);
    (*service)(1) = 1.0;
    (*service)(2) = 1.0;
    solveroad::run(*s);
    CArchive ar(CArchive::store);
    doc.Serialize(ar);
    return ar.Detach();
}

void prepare() {
    static bool done = false;
    if (done) return;
    done = true;
    const auto folder = std::filesystem::temp_directory_path() / "strakon-structure-file-bench";
    std::filesystem::create_directories(folder);
    CSettingsStore::Instance().SetFolder(folder);
    AStorageInterface::InitializeAll();
}

void Save(benchmark::State& state) {
    prepare();
    const std::vector<std::uint8_t> bytes = solvedFrameStream();
    FrameDocument doc;
    {
        CArchive ar(CArchive::load, bytes);
        doc.Serialize(ar);
    }
    for (auto _ : state) {
        CArchive ar(CArchive::store);
        doc.Serialize(ar);
        benchmark::DoNotOptimize(ar.GetBuffer().data());
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

void Load(benchmark::State& state) {
    prepare();
    const std::vector<std::uint8_t> bytes = solvedFrameStream();
    for (auto _ : state) {
        FrameDocument doc;
        CArchive ar(CArchive::load, bytes);
        doc.Serialize(ar);
        benchmark::DoNotOptimize(doc.GetModel());
    }
}

void SaveInProgram(benchmark::State& state) {
    inprogram::enter();
    Save(state);
}

void LoadInProgram(benchmark::State& state) {
    inprogram::enter();
    Load(state);
}

} // namespace

BENCHMARK(Save)->Name("StructureFile/Save/50x10")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(Load)->Name("StructureFile/Load/50x10")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK(SaveInProgram)->Name("InProgram/StructureFile/Save/50x10")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(LoadInProgram)->Name("InProgram/StructureFile/Load/50x10")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
