// Opening examples/two-frames.oxp as File Open does: the project, its two
// structures, the project window's trees and the windows of its workspaces,
// with the progress bar's pauses slept for real. Should stay under 1 s. Prints
// the median of the runs, with and without the pauses. Run by hand on an
// otherwise idle machine, without a display:
//
//   QT_QPA_PLATFORM=offscreen build/bin/project_open_bench [runs]
#include "tests/app/ProjectWindowFixture.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The test machinery's prompts, but the pauses last as long as asked.
class SleepingPrompts : public CScriptedPromptService {
public:
    void Sleep(DWORD milliseconds) override {
        if (sleep) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        CScriptedPromptService::Sleep(milliseconds);
    }
    bool sleep = true;
};

class Bench : public ProjectWindowFixture {
public:
    void TestBody() override {}
    void Start() {
        ProjectWindowFixture::SetUp();
        const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
        for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs", "two-frames.oxp"})
            fs::copy_file(examples / name, folder / name, fs::copy_options::overwrite_existing);
    }
    void Stop() { ProjectWindowFixture::TearDown(); }
    // One opening; the project is closed again afterwards. Negative when it failed.
    double Open(bool sleep) {
        SleepingPrompts pauses;
        pauses.sleep = sleep;
        const auto start = std::chrono::steady_clock::now();
        CDocument* opened = app.OpenDocumentFile((folder / "two-frames.oxp").string().c_str());
        ProcessEvents();
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        steps = static_cast<int>(pauses.Sleeps().size());
        closeProject();
        return opened ? ms : -1.0;
    }
    int steps = 0;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication qt(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    Bench bench;
    bench.Start();
    std::vector<double> slept, unslept;
    for (int i = 0; i < runs; ++i) {
        slept.push_back(bench.Open(true));
        unslept.push_back(bench.Open(false));
        if (slept.back() < 0 || unslept.back() < 0) {
            std::fprintf(stderr, "the example project could not be opened\n");
            return 1;
        }
    }
    std::printf("two-frames.oxp, runs %d, progress steps %d\n", runs, bench.steps);
    std::printf("opened with its windows          %8.2f ms\n", median(slept));
    std::printf("the same without the pauses      %8.2f ms\n", median(unslept));
    bench.Stop();
    return 0;
}
