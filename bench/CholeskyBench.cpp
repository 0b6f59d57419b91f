// The Cholesky factorisation of the assembled stiffness matrix of regular
// multi-storey frames with linear members (tests/model/StoreyFrame.h), three
// ways on the same matrix:
//   profile  - the stiffness matrix's own skyline storage, as the Solve road factorises it;
//   triangle - the same values in a whole packed triangle, whose profile the
//              factorisation finds by scanning the values first (up to 100 x 20:
//              the triangle of 200 x 20 alone takes 650 MB);
//   dpbtrf   - LAPACK's banded Cholesky on the band of the same matrix.
// The counters give the equations n, the half-bandwidth b and the time per n·b²
// in nanoseconds (Google Benchmark prints an inverted rate with an "s").
// Then the back substitution of one right-hand side with the profile factor.
//
//   build/bin/rezavud_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "tests/model/SolveRoad.h"
#include "tests/model/StoreyFrame.h"

#include "model/omElementMap.h"
#include "model/omStiffnessMatrix.h"
#include "rezavud/omCholesky.h"
#include "rezavud/omSymMatrix.h"
#include "rezavud/omVector.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

extern "C" void dpbtrf_(const char* uplo, const int* n, const int* kd, double* ab, const int* ldab,
                        int* info);

namespace {

struct Size {
    int storeys;
    int bays;
};

const Size kSizes[] = {{10, 5}, {50, 10}, {100, 20}, {200, 20}, {400, 40}};

// The stiffness matrix of the frame's first iteration, assembled as the Solve road does it.
const omStiffnessMatrix& assembled(const Size& size) {
    static std::map<std::pair<int, int>, std::unique_ptr<omStiffnessMatrix>> cache;
    auto& kept = cache[{size.storeys, size.bays}];
    if (kept) return *kept;
    std::unique_ptr<omStrakon> s =
        storeyframe::build(size.storeys, size.bays, storeyframe::Members::linear, true);
    s->bind();
    s->allocateStiffnessMatrix();
    s->distributeElementLoad();
    s->reserveResults(10);
    s->getLoadManager()->setActiveCase(1);
    omStiffnessMatrix* K = s->getStiffnessMatrix();
    if (!K) throw std::runtime_error("no stiffness matrix");
    omVector U(K->size());
    omVector S(K->size());
    if (!s->getElementMap()->setupGlobalKAndF(&U, K, &S, 1)) throw std::runtime_error("assembly failed");
    kept = std::make_unique<omStiffnessMatrix>(*K);
    return *kept;
}

int halfBandwidth(const omSymMatrix& m, int n) {
    int width = 0;
    for (int i = 0; i < n; ++i)
        width = std::max(width, i - m.firstColumn(i));
    return width;
}

void counters(benchmark::State& state, int n, int b) {
    state.counters["n"] = n;
    state.counters["b"] = b;
    // Seconds per iteration and per 1e-9 n·b²: nanoseconds per n·b².
    state.counters["ns/nb2"] = benchmark::Counter(
        1e-9 * n * b * b, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void factoriseProfile(benchmark::State& state, Size size) {
    const omStiffnessMatrix& K = assembled(size);
    omStiffnessMatrix work(K);
    for (auto _ : state) {
        state.PauseTiming();
        work = K;
        state.ResumeTiming();
        if (work.makeTransformation() != 0) throw std::runtime_error("not positive definite");
        benchmark::DoNotOptimize(work.direct(0));
    }
    counters(state, K.equations(), halfBandwidth(K, K.equations()));
}

void factoriseTriangle(benchmark::State& state, Size size) {
    const omStiffnessMatrix& K = assembled(size);
    const int n = K.equations();
    omSymMatrix triangle(n);
    for (int i = 0; i < n; ++i)
        for (int j = K.firstColumn(i); j <= i; ++j)
            triangle.atC(i, j) = K.atC(i, j);
    omSymMatrix work(n);
    for (auto _ : state) {
        state.PauseTiming();
        work = triangle;
        state.ResumeTiming();
        omCholesky cholesky(work);
        if (cholesky.makeTransformation() != 0) throw std::runtime_error("not positive definite");
        benchmark::DoNotOptimize(work.direct(0));
    }
    counters(state, n, halfBandwidth(K, n));
}

void factoriseLapack(benchmark::State& state, Size size) {
    const omStiffnessMatrix& K = assembled(size);
    const int n = K.equations();
    const int kd = halfBandwidth(K, n);
    const int ldab = kd + 1;
    // Column j holds A(j .. j + kd, j), the band below the diagonal.
    std::vector<double> band(static_cast<size_t>(ldab) * n, 0.0);
    for (int i = 0; i < n; ++i)
        for (int j = K.firstColumn(i); j <= i; ++j)
            band[static_cast<size_t>(j) * ldab + (i - j)] = K.atC(i, j);
    std::vector<double> work(band.size());
    for (auto _ : state) {
        state.PauseTiming();
        work = band;
        state.ResumeTiming();
        int info = 0;
        dpbtrf_("L", &n, &kd, work.data(), &ldab, &info);
        if (info != 0) throw std::runtime_error("dpbtrf failed");
        benchmark::DoNotOptimize(work[0]);
    }
    counters(state, n, kd);
}

void backSubstitution(benchmark::State& state, Size size) {
    omStiffnessMatrix work(assembled(size));
    if (work.makeTransformation() != 0) throw std::runtime_error("not positive definite");
    omVector b(work.size());
    for (auto _ : state) {
        b.setAllTo(1.0);
        work.solveDisplacement(b);
        benchmark::DoNotOptimize(b[0]);
    }
    state.counters["n"] = work.equations();
}

std::string label(const char* what, const Size& size) {
    return std::string(what) + "/" + std::to_string(size.storeys) + "x" + std::to_string(size.bays);
}

const bool kRegistered = [] {
    for (const Size& size : kSizes) {
        const double minTime = size.storeys >= 200 ? 0.05 : 0.5;
        benchmark::RegisterBenchmark(label("Factorise/profile", size).c_str(), factoriseProfile, size)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(minTime);
        if (static_cast<long>(size.storeys) * size.bays <= 2000)
            benchmark::RegisterBenchmark(label("Factorise/triangle", size).c_str(), factoriseTriangle, size)
                ->Unit(benchmark::kMillisecond)
                ->MinTime(minTime);
        benchmark::RegisterBenchmark(label("Factorise/dpbtrf", size).c_str(), factoriseLapack, size)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(minTime);
        benchmark::RegisterBenchmark(label("Solve/profile", size).c_str(), backSubstitution, size)
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(minTime);
    }
    return true;
}();

} // namespace

BENCHMARK_MAIN();
