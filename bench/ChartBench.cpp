// Every kind of chart with 1001 points drawn through ChartBase::Draw into a
// 1920 x 1080 picture, as a design view or a report page draws it.
#include "app/design/ChartBase.h"
#include "app/design/Plotter.h"
#include "platform/gdi/CImageDC.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

constexpr int kPoints = 1001;

QApplication& app() {
    static int argc = 1;
    static char name[] = "chart_bench";
    static char* argv[] = {name, nullptr};
    static QApplication a(argc, argv);
    return a;
}

double at(int i) {
    return static_cast<double>(i) / (kPoints - 1);
}

std::unique_ptr<Plotter> make(int kind) {
    switch (kind) {
    case 0: {
        auto p = std::make_unique<PlotterLineLimit>();
        for (int i = 0; i < kPoints; ++i)
            p->m_points.push_back({at(i), 1.3 * std::sin(at(i) * 3.14159)});
        return p;
    }
    case 1: {
        auto p = std::make_unique<PlotterLineLimit2>();
        for (int i = 0; i < kPoints; ++i)
            p->m_points2.push_back({at(i), std::sin(at(i) * 3.14159), -std::cos(at(i) * 3.14159)});
        return p;
    }
    case 2: {
        auto p = std::make_unique<PlotterCracks>();
        for (int i = 0; i < kPoints; ++i)
            p->m_points2.push_back({at(i), 0.35 * std::sin(at(i) * 3.14159), -0.1});
        return p;
    }
    case 3: {
        auto p = std::make_unique<PlotterDeflection>();
        for (int i = 0; i < kPoints; ++i)
            p->m_points.push_back({at(i), std::sin(at(i) * 3.14159) / 250.0});
        return p;
    }
    case 4: {
        auto p = std::make_unique<PlotterBarVec>();
        for (int i = 0; i < kPoints; ++i)
            p->m_bars.push_back(ChartBar(at(i) / 2, 0.5 + at(i) / 2, "2 Fi 16", 0.0));
        return p;
    }
    case 5: {
        auto p = std::make_unique<PlotterBarArea>();
        for (int i = 0; i < kPoints; ++i)
            p->m_bars.push_back(ChartBar(at(i) * 0.999, at(i), "2 Fi 8/15.0", 6.7 + at(i)));
        return p;
    }
    case 6: {
        auto p = std::make_unique<PlotterSteelClass>();
        for (int i = 0; i < kPoints; ++i)
            p->m_points.push_back({at(i), i == 500 ? 1e12 : 1.0 + i % 4, 'W'});
        return p;
    }
    case 7: {
        auto p = std::make_unique<PlotterSteelUlt>();
        for (int i = 0; i < kPoints; ++i)
            p->m_points.push_back({at(i), at(i), 1.0 - at(i)});
        return p;
    }
    default: {
        auto p = std::make_unique<PlotterSupport>();
        std::vector<double> positions, k;
        for (int i = 0; i < kPoints; ++i)
            positions.push_back(at(i));
        k.assign(kPoints - 1, 1.0);
        p->SetData(positions, k, false, "");
        return p;
    }
    }
}

void BM_Chart(benchmark::State& state) {
    app();
    std::unique_ptr<Plotter> plotter = make(static_cast<int>(state.range(0)));
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        CImageDC dc(&image);
        dc.SetMapMode(MM_LOMETRIC);
        dc.SetViewportOrg(0, 1080);
        CSize size(1920, 1080);
        dc.DPtoLP(&size);
        ChartBase chart;
        chart.m_nWidth = std::abs(size.cx);
        chart.m_nHeight = std::abs(size.cy);
        chart.SetPlotter(plotter.get());
        chart.Draw(&dc, CPoint(0, 0));
        benchmark::DoNotOptimize(image.constBits());
    }
}
// 0 limit, 1 limit2, 2 cracks, 3 deflection, 4 bar vec, 5 bar area, 6 steel class (one of 1e12), 7 ult, 8 support.
BENCHMARK(BM_Chart)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
