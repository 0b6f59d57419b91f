// Finding a child window by id among many (a dialog's DDX asks for every
// control): the time must not grow with the number of children.
#include "platform/ui/CWnd.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

// A parent window with count children of the ids 1000, 1001, ...
class CFamily {
public:
    explicit CFamily(int count) {
        m_parent.CreateEx(0, nullptr, "Parent", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, 0);
        for (int i = 0; i < count; ++i) {
            m_children.push_back(std::make_unique<CWnd>());
            m_children.back()->Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 1000 + i);
        }
    }
    ~CFamily() {
        m_children.clear();
        m_parent.DestroyWindow();
    }
    CWnd& Parent() { return m_parent; }

private:
    CWnd m_parent;
    std::vector<std::unique_ptr<CWnd>> m_children;
};

void BM_GetDlgItemOfTheLastChild(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    CFamily family(count);
    const int last = 1000 + count - 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(family.Parent().GetDlgItem(last));
    state.SetComplexityN(count);
}
BENCHMARK(BM_GetDlgItemOfTheLastChild)->Arg(10)->Arg(50)->Arg(200)->Arg(500)->Complexity();

// A full pass over every control, as UpdateData does.
void BM_GetDlgItemOfEveryChild(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    CFamily family(count);
    for (auto _ : state)
        for (int i = 0; i < count; ++i)
            benchmark::DoNotOptimize(family.Parent().GetDlgItem(1000 + i));
    state.SetComplexityN(count);
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
