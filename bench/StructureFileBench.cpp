// Saving and opening a structure file's stream for a solved 50-storey x
// 10-bay frame with three load cases and an envelope: the document's save,
// and its load with the steps after it (bind, envelopes).
#include "app/shell/AStorageInterface.h"
#include "app/shell/AStrakonDocument.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "platform/core/CArchive.h"
#include "platform/storage/CSettingsStore.h"
#include "tests/model/SolveRoad.h"
#include "tests/model/StoreyFrame.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

// A document that takes a model built elsewhere.
class FrameDocument : public AStrakonDocument {
public:
    void Adopt(std::unique_ptr<omStrakon> model) {
        delete m_pModel;
        m_pModel = model.release();
    }
};

std::vector<std::uint8_t> solvedFrameStream() {
    auto s = storeyframe::build(50, 10, storeyframe::Members::linear);
    omLoadCase* service = s->addLoadCase("service", omLoadCase::lsServiceability);
    (*service)(1) = 1.0;
    (*service)(2) = 1.0;
    solveroad::run(*s);
    FrameDocument doc;
    doc.Adopt(std::move(s));
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

} // namespace

BENCHMARK(Save)->Name("StructureFile/Save/50x10")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(Load)->Name("StructureFile/Load/50x10")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
