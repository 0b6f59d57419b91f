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
// The counter gives the number of equations.
#include "tests/model/SolveRoad.h"
#include "tests/model/StoreyFrame.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

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

// Registered at start-up, so that every size and kind gets a readable name.
const bool kRegistered = [] {
    for (storeyframe::Members kind :
         {storeyframe::Members::linear, storeyframe::Members::quentra, storeyframe::Members::dravik})
        for (const Size& size : kSizes) {
            // Under these loads the second-order members of taller frames lose
            // their stability (the matrix stops being positive definite).
            if (kind != storeyframe::Members::linear && size.storeys > 100) continue;
            const std::string name = std::string("SolveRoad/") + storeyframe::name(kind) + "/" +
                                     std::to_string(size.storeys) + "x" + std::to_string(size.bays);
            benchmark::RegisterBenchmark(name.c_str(), solveRoad, size.storeys, size.bays, kind)
                ->Unit(benchmark::kMillisecond)
                ->MinTime(size.storeys >= 200 ? 0.01 : 0.5);
        }
    return true;
}();

} // namespace

BENCHMARK_MAIN();
