// The grid control with 20,000 rows of 12 columns: painting one screen, sizing
// every row and column to its text, sorting, and saving and loading a file.
// Painting a screen should cost the same at 1,000 rows as at 20,000.
//
//   build/bin/grid_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "controls/grid/CGridCtrl.h"
#include "platform/gdi/CImageDC.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int kColumns = 12;

// A parent window with a grid of the given rows filling a 1280 x 800 screen.
struct BenchGrid {
    explicit BenchGrid(int rows) : grid(rows + 1, kColumns, 1, 1) {
        parent.CreateEx(0, nullptr, "Bench", WS_OVERLAPPEDWINDOW, 0, 0, 1280, 800, nullptr, 0);
        grid.Create(RECT{0, 0, 1280, 800}, &parent, 100);
        char text[32];
        for (int r = 0; r <= rows; ++r)
            for (int c = 0; c < kColumns; ++c) {
                // Texts of one length at every grid size, so that only the row count differs.
                std::snprintf(text, sizeof text, "%05d.%02d", (r * 7919) % (rows + 1), c);
                grid.SetItemText(r, c, text);
            }
        parent.GetWidget()->show();
        QApplication::processEvents();
        grid.ResetScrollBars();
    }
    ~BenchGrid() {
        grid.DestroyWindow();
        parent.DestroyWindow();
    }
    CWnd parent;
    CGridCtrl grid;
};

void PaintScreen(benchmark::State& state) {
    BenchGrid bench(static_cast<int>(state.range(0)));
    // Scrolled to the middle, so that the rows above count if painting walked them.
    bench.grid.SetScrollPos32(SB_VERT, static_cast<int>(bench.grid.GetVirtualHeight() / 2));
    QImage image(1280, 800, QImage::Format_RGB32);
    for (auto _ : state) {
        CImageDC dc(&image);
        bench.grid.OnDraw(&dc);
        benchmark::DoNotOptimize(image.bits());
    }
    if (qEnvironmentVariableIsSet("STRAKON_BENCH_PICTURE"))
        image.save(qEnvironmentVariable("STRAKON_BENCH_PICTURE"));
}
BENCHMARK(PaintScreen)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

void AutoSize(benchmark::State& state) {
    BenchGrid bench(20000);
    for (auto _ : state)
        bench.grid.AutoSize();
}
BENCHMARK(AutoSize)->Unit(benchmark::kMillisecond)->Iterations(3);

void SortTextItems(benchmark::State& state) {
    BenchGrid bench(20000);
    bool ascending = true;
    for (auto _ : state) {
        bench.grid.SortTextItems(1, ascending);
        ascending = !ascending;
    }
}
BENCHMARK(SortTextItems)->Unit(benchmark::kMillisecond)->Iterations(4);

void SaveAndLoad(benchmark::State& state) {
    BenchGrid bench(20000);
    const std::string path = (std::filesystem::temp_directory_path() / "strakon-grid-bench.csv").string();
    CGridCtrl loaded;
    for (auto _ : state) {
        bench.grid.Save(path.c_str());
        loaded.Load(path.c_str());
    }
    std::filesystem::remove(path);
}
BENCHMARK(SaveAndLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
