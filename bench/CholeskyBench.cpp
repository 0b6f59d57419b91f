// The packed Cholesky factorisation of a plane frame's stiffness matrix, with
// the profile-aware loop and with the plain loop over the whole triangle.
//
//   build/bin/rezavud_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "rezavud/omCholesky.h"
#include "rezavud/omSymMatrix.h"
#include "rezavud/omVector.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {
// A frame of `storeys` x `bays` with fixed column feet. The free nodes are
// numbered storey by storey, three equations each (u, w, φ), so a column couples
// equations one storey (3 (bays + 1)) apart: the half-bandwidth is 3 (bays + 1) + 2.
omSymMatrix frameStiffness(int storeys, int bays) {
    const double storeyHeight = 3.0, bayWidth = 6.0, E = 3.0e7;
    const double columnA = 0.16, columnI = 2.1e-3, beamA = 0.12, beamI = 1.6e-3;
    const int perStorey = bays + 1;
    omSymMatrix k(3 * storeys * perStorey);
    // First equation of node (storey, column line); -1 for a fixed foot.
    auto firstEquation = [&](int storey, int line) {
        return storey == 0 ? -1 : 3 * ((storey - 1) * perStorey + line);
    };

    auto addElement = [&](int s1, int l1, int s2, int l2, double length, bool vertical, double A, double I) {
        // Local stiffness of a plane beam (u1 w1 φ1 u2 w2 φ2), turned into global axes.
        const double ea = E * A / length, ei = E * I;
        const double l2_ = length * length, l3 = l2_ * length;
        double local[6][6] = {};
        local[0][0] = local[3][3] = ea;
        local[0][3] = local[3][0] = -ea;
        local[1][1] = local[4][4] = 12 * ei / l3;
        local[1][4] = local[4][1] = -12 * ei / l3;
        local[1][2] = local[2][1] = local[1][5] = local[5][1] = -6 * ei / l2_;
        local[4][2] = local[2][4] = local[4][5] = local[5][4] = 6 * ei / l2_;
        local[2][2] = local[5][5] = 4 * ei / length;
        local[2][5] = local[5][2] = 2 * ei / length;
        const double c = vertical ? 0.0 : 1.0, s = vertical ? 1.0 : 0.0;
        double t[6][6] = {};
        for (int n = 0; n < 2; ++n) {
            t[3 * n][3 * n] = c;
            t[3 * n][3 * n + 1] = s;
            t[3 * n + 1][3 * n] = -s;
            t[3 * n + 1][3 * n + 1] = c;
            t[3 * n + 2][3 * n + 2] = 1;
        }
        double global[6][6] = {};
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j)
                for (int a = 0; a < 6; ++a)
                    for (int b = 0; b < 6; ++b)
                        global[i][j] += t[a][i] * local[a][b] * t[b][j];
        const int base[2] = {firstEquation(s1, l1), firstEquation(s2, l2)};
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j <= i; ++j) {
                if (base[i / 3] < 0 || base[j / 3] < 0) continue;
                const int ei_ = base[i / 3] + i % 3, ej = base[j / 3] + j % 3;
                k.atC(ei_, ej) += global[i][j];
            }
    };
    for (int storey = 1; storey <= storeys; ++storey) {
        for (int line = 0; line < perStorey; ++line)
            addElement(storey - 1, line, storey, line, storeyHeight, true, columnA, columnI);
        for (int line = 0; line < bays; ++line)
            addElement(storey, line, storey, line + 1, bayWidth, false, beamA, beamI);
    }
    return k;
}

// The largest distance of a row's first non-zero element from the diagonal.
int halfBandwidth(const omSymMatrix& m) {
    int width = 0;
    for (int i = 0; i < m.size(); ++i) {
        int j = 0;
        while (j < i && m.atC(i, j) == 0.0)
            ++j;
        width = std::max(width, i - j);
    }
    return width;
}

const omSymMatrix& frame() {
    static const omSymMatrix k = frameStiffness(50, 10);
    return k;
}

template <int (omCholesky::*factorise)()> void factoriseFrame(benchmark::State& state) {
    omSymMatrix work(frame().size());
    for (auto _ : state) {
        state.PauseTiming();
        work = frame();
        state.ResumeTiming();
        omCholesky cholesky(work);
        if ((cholesky.*factorise)() != 0) throw std::runtime_error("frame matrix not positive definite");
        benchmark::DoNotOptimize(work.direct(0));
    }
    state.counters["equations"] = frame().size();
    state.counters["halfBandwidth"] = halfBandwidth(frame());
}

template <int (omCholesky::*factorise)(), bool (omCholesky::*solve)(double*)>
void solveFrame(benchmark::State& state) {
    omSymMatrix work = frame();
    omCholesky cholesky(work);
    if ((cholesky.*factorise)() != 0) throw std::runtime_error("frame matrix not positive definite");
    omVector b(work.size());
    for (auto _ : state) {
        b.setAllTo(1.0);
        (cholesky.*solve)(b);
        benchmark::DoNotOptimize(b[0]);
    }
}
} // namespace

BENCHMARK(factoriseFrame<&omCholesky::makeTransformation>)
    ->Name("Factorise/profile")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(factoriseFrame<&omCholesky::makeTransformationFull>)
    ->Name("Factorise/full")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(solveFrame<&omCholesky::makeTransformation, &omCholesky::solve>)
    ->Name("Solve/profile")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(solveFrame<&omCholesky::makeTransformationFull, &omCholesky::solveFull>)
    ->Name("Solve/full")
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
