// The whole Solve road of regular multi-storey frames (tests/model/StoreyFrame.h)
// under one load case: binding, numbering, allocation, load distribution,
// result reservation, the Newton-Raphson solution, the result storage and the
// envelopes. Frames of 10 x 5, 50 x 10, 100 x 20, 200 x 20 and 400 x 40
// (storeys x bays, up to about 50,000 equations) with linear members, and up
// to 100 x 20 with Quentra and with Dravik members.
//
//   build/bin/kinor_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//   build/bin/kinor_bench --benchmark_filter='linear/50x10'
//
// Every road runs once more under "InProgram/", after the program's Qt and
// application objects exist (bench/InProgram.h); those run last, so that the
// plain ones see a plain process:
//
//   build/bin/kinor_bench --benchmark_filter='^SolveRoad/linear/50x10'
//   build/bin/kinor_bench --benchmark_filter='InProgram/SolveRoad/linear/50x10'
//
// "SolveRoadWithLog/" runs the 50 x 10 roads with the calculation log writing
// the node and member results, as the program's Solve has it.
//
// The counter gives the number of equations.
#include "InProgram.h"
#include "tests/model/SolveRoad.h"
#include "tests/model/StoreyFrame.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

void solveRoad(benchmark::State& state, int storeys, int bays, storeyframe::Members kind) {
    std::unique_ptr<omStrakon> s = storeyframe::build(storeys, bays, kind, true);
    for (auto _ : state) {
        if (!solveroad::run(*s)) {
            state.SkipWithError("the frame did not solve");
            break;
        }
        benchmark::DoNotOptimize(s->getDisplacements());
    }
    state.counters["equations"] = static_cast<double>(s->numOfDof());
}

struct Size {
    int storeys;
    int bays;
};

const Size kSizes[] = {{10, 5}, {50, 10}, {100, 20}, {200, 20}, {400, 40}};

void solveRoadInProgram(benchmark::State& state, int storeys, int bays, storeyframe::Members kind) {
    inprogram::enter();
    solveRoad(state, storeys, bays, kind);
}

void solveRoadWithLog(benchmark::State& state, int storeys, int bays, storeyframe::Members kind) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("strakon-bench-" + std::to_string(::getpid()) + ".log");
    omLogFile* log = omLogFile::Instance(file.string());
    log->newFileName(file.string());
    log->enable(lfNodeResults, true);
    log->enable(lfElementResults, true);
    solveRoad(state, storeys, bays, kind);
    state.counters["log bytes"] = static_cast<double>(log->tellp());
    log->enableAll(false);
    log->close();
    std::filesystem::remove(file);
}

// Registered at start-up, so that every size and kind gets a readable name;
// the roads inside the program come last.
const bool kRegistered = [] {
    const storeyframe::Members kinds[] = {storeyframe::Members::linear, storeyframe::Members::quentra,
                                          storeyframe::Members::dravik};
    auto registerRoads = [&](const char* prefix, auto road) {
        for (storeyframe::Members kind : kinds)
            for (const Size& size : kSizes) {
                // Under these loads the second-order members of taller frames lose
                // their stability (the matrix stops being positive definite).
                if (kind != storeyframe::Members::linear && size.storeys > 100) continue;
                const std::string name = std::string(prefix) + "SolveRoad/" + storeyframe::name(kind) + "/" +
                                         std::to_string(size.storeys) + "x" + std::to_string(size.bays);
                benchmark::RegisterBenchmark(name.c_str(), road, size.storeys, size.bays, kind)
                    ->Unit(benchmark::kMillisecond)
                    ->MinTime(size.storeys >= 200 ? 0.01 : 0.5);
            }
    };
    registerRoads("", solveRoad);
    for (storeyframe::Members kind : kinds)
        benchmark::RegisterBenchmark((std::string("SolveRoadWithLog/") + storeyframe::name(kind) + "/50x10").c_str(),
                                     solveRoadWithLog, 50, 10, kind)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.5);
    registerRoads("InProgram/", solveRoadInProgram);
    return true;
}();

} // namespace

BENCHMARK_MAIN();
