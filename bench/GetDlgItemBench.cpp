// Finding a child window by id among many (a dialog's DDX asks for every
// control): the time must not grow with the number of children.
#include "platform/ui/CWnd.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

void BM_GetDlgItemOfTheLastChild(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    CWnd parent;
    parent.CreateEx(0, nullptr, "Parent", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, 0);
    std::vector<std::unique_ptr<CWnd>> children;
    for (int i = 0; i < count; ++i) {
        children.push_back(std::make_unique<CWnd>());
        children.back()->Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 1000 + i);
    }
    const int last = 1000 + count - 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(parent.GetDlgItem(last));
    state.SetComplexityN(count);
    children.clear();
    parent.DestroyWindow();
}
BENCHMARK(BM_GetDlgItemOfTheLastChild)->Arg(10)->Arg(50)->Arg(200)->Arg(500)->Complexity();

// A full pass over every control, as UpdateData does.
void BM_GetDlgItemOfEveryChild(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    CWnd parent;
    parent.CreateEx(0, nullptr, "Parent", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, 0);
    std::vector<std::unique_ptr<CWnd>> children;
    for (int i = 0; i < count; ++i) {
        children.push_back(std::make_unique<CWnd>());
        children.back()->Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 1000 + i);
    }
    for (auto _ : state)
        for (int i = 0; i < count; ++i)
            benchmark::DoNotOptimize(parent.GetDlgItem(1000 + i));
    state.SetComplexityN(count);
    children.clear();
    parent.DestroyWindow();
}
BENCHMARK(BM_GetDlgItemOfEveryChild)->Arg(10)->Arg(50)->Arg(200)->Arg(500)->Complexity();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
