// The whole Solve road of a 50-storey x 10-bay plane frame (561 nodes, 1050
// members, 1650 free equations) under one load case: binding, numbering,
// allocation, load distribution, result reservation, the Newton-Raphson
// solution with its two assemblies and factorisations, the result storage
// and the envelopes.
//
//   build/bin/kinor_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "tests/model/SolveRoad.h"

#include "model/omGenericCrossSection.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omStrakon.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Nodes are numbered level by level (level 0 holds the fixed feet), so that a
// column couples equations one storey apart.
std::unique_ptr<omStrakon> frame(int storeys, int bays) {
    const double storeyHeight = 300.0, bayWidth = 600.0; // cm
    auto s = std::make_unique<omStrakon>();
    s->setupObjects();
    s->addMaterial(new omMaterial(3000.0, 0.0, 1e-5, 2500.0, 0.2, 1), 1);
    s->addCrossSection(
        new omGenericCrossSection(omUnitValue(1600.0, omUK_cm2), omUnitValue(213333.0, omUK_cm4), 1), 1);
    s->addCrossSection(
        new omGenericCrossSection(omUnitValue(1200.0, omUK_cm2), omUnitValue(160000.0, omUK_cm4), 2), 2);
    s->addLoadGroup("dead and wind");

    const int lines = bays + 1;
    auto id = [lines](int level, int line) { return static_cast<unsigned>(level * lines + line + 1); };
    for (int level = 0; level <= storeys; ++level)
        for (int line = 0; line < lines; ++line)
            s->addNode(line * bayWidth, -level * storeyHeight, "cm", id(level, line));
    for (int line = 0; line < lines; ++line)
        for (omDofType t : {Ux, Uz, Ry})
            s->setSupport(id(0, line), t, true);

    unsigned member = 0;
    for (int level = 1; level <= storeys; ++level) {
        for (int line = 0; line < lines; ++line)
            s->addElement(id(level - 1, line), id(level, line), 1, 1, ++member);
        for (int line = 0; line < bays; ++line) {
            s->addElement(id(level, line), id(level, line + 1), 2, 1, ++member);
            auto* q = new omLoadLinear(s->getStructureType(), 0);
            q->setFs(Uz, omUnitValue(0.3, omUK_kN_cm));
            q->setFe(Uz, omUnitValue(0.3, omUK_kN_cm));
            s->addElementLoad(member, q, "dead and wind");
        }
        auto* wind = new omLoadForce(s->getStructureType(), 0);
        wind->setF(Ux, omUnitValue(15.0, omUK_kN));
        s->addNodeLoad(id(level, 0), wind, "dead and wind");
    }
    omLoadCase* lc = s->addLoadCase("ULS", omLoadCase::lsUltimate);
    (*lc)(1) = 1.0;
    return s;
}

void BM_SolveRoad50x10(benchmark::State& state) {
    std::unique_ptr<omStrakon> s = frame(50, 10);
    for (auto _ : state) {
        if (!solveroad::run(*s)) {
            state.SkipWithError("the frame did not solve");
            break;
        }
        benchmark::DoNotOptimize(s->getDisplacements());
    }
    state.counters["equations"] = static_cast<double>(s->numOfDof());
}
BENCHMARK(BM_SolveRoad50x10)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
