#pragma once
// The program as the user starts it: a real CStrakonApp through AfxWinMain,
// its start-up, main frame and message loop, with its own settings store, home
// and XDG folders. A script runs inside the loop once the program has started;
// message boxes and modal dialogs are answered by the scripted services, the
// rest is QTest input on the real widgets. When the script leaves the frame
// open, the program is closed as the user closes it.
#include "app/shell/AOutputWnd.h"
#include "app/shell/AProjectWorkspaceWnd.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CStrakonApp.h"
#include "platform/storage/CSettingsStore.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CControlBar.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CPropertySheet.h"
#include "resources/ui/StrakonResourceIds.h"
#include "tests/support/ArtifactsFolder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class ProgramFixture : public ::testing::Test {
protected:
    using Script = std::function<void(CStrakonApp&, CMainFrame&)>;

    void SetUp() override {
        CSettingsStore::Instance().SetFolder(settings.path());
        std::filesystem::create_directories(home / "Documents");
        ::setenv("HOME", home.path().c_str(), 1);
        ::setenv("XDG_DATA_HOME", (home / ".local-share").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    }
    void TearDown() override { CSettingsStore::Instance().Flush(); }

    // Starts the program with the arguments and runs the script in its loop; the
    // program's exit code. False in started when the program never reached its loop.
    int run(const std::vector<std::string>& arguments, const Script& script) {
        CStrakonApp app;
        bool started = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            // The script waits for the program's own loop: start-up has finished then.
            if (started || QThread::currentThread()->loopLevel() < 1) return;
            started = true;
            poll.stop();
            app.CloseSplash();
            if (CMainFrame* frame = app.GetMainFrame()) script(app, *frame);
            closeProgram(app);
        });
        poll.start();
        std::vector<std::string> args{"strakon"};
        args.insert(args.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const int code = AfxWinMain(static_cast<int>(args.size()), argv.data());
        EXPECT_TRUE(started) << "the program ended before its loop ran";
        return code;
    }
    // Closes the main window as its close box does; the answers to questions must be queued.
    static void closeProgram(CStrakonApp& app) {
        if (!app.m_pMainWnd) return;
        app.m_pMainWnd->SendMessage(WM_CLOSE, 0, 0);
        if (!app.m_pMainWnd) return;
        ADD_FAILURE() << "the main window stayed open";
        app.m_pMainWnd->DestroyWindow();
    }

    // Lets the program paint and follow its idle updates.
    static void settle(int ms = 30) {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        if (CWinApp* app = AfxGetApp()) app->RunIdleProcessing();
        QTest::qWait(ms);
    }
    // The whole screen under a real X server (xvfb-run): build/test-artifacts/program-<name>.png.
    static void shot(const std::string& name) {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
        settle(150);
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) return;
        const std::filesystem::path path = ArtifactsFolder() / ("program-" + name + ".png");
        EXPECT_TRUE(screen->grabWindow(0).save(QString::fromStdString(path.string()))) << path;
    }

    // What the update handlers say about a command, through the frame's route.
    static bool enabled(CMainFrame& frame, UINT id) {
        CTestCmdUI ui;
        ui.m_nID = id;
        ui.DoUpdate(&frame, TRUE);
        return ui.m_bEnabled;
    }
    static int checked(CMainFrame& frame, UINT id) {
        CTestCmdUI ui;
        ui.m_nID = id;
        ui.DoUpdate(&frame, TRUE);
        return ui.m_nCheck;
    }
    // Clicks the button of a command on a toolbar of the frame.
    static void clickToolButton(CMainFrame& frame, UINT toolbar, UINT command) {
        CToolBar* bar = frame.GetToolBar(toolbar);
        ASSERT_NE(bar, nullptr) << toolbar;
        QAction* action = bar->GetButtonAction(bar->CommandToIndex(command));
        ASSERT_NE(action, nullptr) << command;
        QWidget* button = bar->GetToolBarWidget()->widgetForAction(action);
        ASSERT_NE(button, nullptr) << command;
        ASSERT_TRUE(button->isVisible()) << "toolbar " << toolbar << " is hidden";
        ASSERT_TRUE(action->isEnabled()) << "command " << command << " is disabled";
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }
    // Types into an edit of a dialog as the user does, replacing its text. Home and Shift+End
    // select the text: Ctrl+A does not reach the edit of a scripted dialog, which is not the
    // active window.
    static void type(CWnd& dialog, int id, const std::string& text) {
        CWnd* edit = dialog.GetDlgItem(id);
        ASSERT_NE(edit, nullptr) << id;
        QWidget* widget = edit->GetWidget();
        QTest::keyClick(widget, Qt::Key_Home);
        QTest::keyClick(widget, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(widget, Qt::Key_Delete);
        QTest::keyClicks(widget, QString::fromStdString(text));
        ASSERT_EQ(edit->GetWindowText(), text) << "edit " << id;
    }
    // Ctrl+S, then File Close and File Open of the project file, as the user does.
    void saveCloseReopen(CStrakonApp& app, CMainFrame& frame, const std::filesystem::path& project) {
        QTest::keyClick(frame.GetWidget(), Qt::Key_S, Qt::ControlModifier);
        settle();
        frame.SendMessage(WM_COMMAND, ID_CLOSE_PROJECT, 0);
        settle();
        ASSERT_EQ(app.GetProjectDocument(), nullptr);
        prompts.QueueFileAnswer(project.string());
        frame.SendMessage(WM_COMMAND, ID_FILE_OPEN, 0);
        settle();
        ASSERT_NE(app.GetProjectDocument(), nullptr);
    }
    static bool shown(CControlBar* bar) { return bar && bar->IsVisible(); }
    // Moves the frame as the user does, to x, y (from the corner of the screen's available
    // area) and at most the size given: a placement that fits the screen is kept as it is.
    static void placeOnScreen(CMainFrame& frame, int x, int y, int width, int height) {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        // Room for the border the platform may add around the window.
        const int border = 8;
        frame.MoveWindow(area.left() + x, area.top() + y, std::min(width, area.width() - x - 2 * border),
                         std::min(height, area.height() - y - 2 * border));
    }

    TempFolder settings;
    TempFolder home;
    TempFolder work;
    CScriptedPromptService prompts;
    CScriptedDialogService dialogs;
};

// The project window's trees, walked by their texts.
inline HTREEITEM FindTreeItem(const CTreeCtrl& tree, std::initializer_list<std::string> path) {
    HTREEITEM h = tree.GetRootItem();
    for (const std::string& text : path) {
        HTREEITEM child = tree.GetChildItem(h);
        while (child && tree.GetItemText(child) != text)
            child = tree.GetNextSiblingItem(child);
        if (!(h = child)) return nullptr;
    }
    return h;
}
