// The program's start as the user meets it: from AfxWinMain to a shown main
// window (with the tip of the day answered at once), and the same with the
// example project named on the command line, which opens with its windows in
// their workspaces. Each run ends by closing the main window, so the times are
// upper bounds of the start alone. Settings and XDG folders are fresh ones.
#include "app/shell/CMainFrame.h"
#include "app/shell/CStrakonApp.h"
#include "platform/storage/CSettingsStore.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPromptService.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QThread>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path Scratch() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "strakon-start-bench-XXXXXX").string();
        return fs::path(::mkdtemp(pattern.data()) ? pattern : "/tmp/strakon-start-bench");
    }();
    return folder;
}

// Questions are answered at once, but the pauses of the progress bars are real.
class PausingPrompts : public CScriptedPromptService {
public:
    void Sleep(DWORD milliseconds) override {
        CScriptedPromptService::Sleep(milliseconds);
        QThread::msleep(milliseconds);
    }
};

// One run of the program; false when no main window was shown.
bool RunProgram(const std::vector<std::string>& arguments) {
    PausingPrompts prompts;
    CScriptedDialogService dialogs;
    // Nothing is saved on the way out.
    prompts.SetMessageBoxHandler([](const CMessageBoxRequest&) { return IDNO; });
    CStrakonApp app;
    bool shown = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QThread::currentThread()->loopLevel() < 1) return;
        poll.stop();
        shown = app.m_pMainWnd && app.m_pMainWnd->IsWindowVisible();
        if (app.m_pMainWnd) app.m_pMainWnd->SendMessage(WM_CLOSE, 0, 0);
    });
    poll.start();
    std::vector<std::string> args{"strakon"};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    AfxWinMain(static_cast<int>(args.size()), argv.data());
    return shown;
}

void BM_StartToShownMainWindow(benchmark::State& state) {
    for (auto _ : state)
        if (!RunProgram({})) state.SkipWithError("no main window");
}
BENCHMARK(BM_StartToShownMainWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_StartWithTheExampleProject(benchmark::State& state) {
    const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
    const fs::path work = Scratch() / "project";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(work);
        fs::create_directories(work);
        for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs", "two-frames.oxp"})
            fs::copy_file(examples / name, work / name);
        state.ResumeTiming();
        if (!RunProgram({(work / "two-frames.oxp").string()})) state.SkipWithError("no main window");
    }
}
BENCHMARK(BM_StartWithTheExampleProject)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    const fs::path home = Scratch() / "home";
    fs::create_directories(home);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / ".local-share").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    CSettingsStore::Instance().SetFolder(Scratch() / "settings");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(Scratch(), ec);
    return 0;
}
