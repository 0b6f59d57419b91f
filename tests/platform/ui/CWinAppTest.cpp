#include "platform/ui/CWinApp.h"

#include "SketchProgram.h"
#include "UiTestSupport.h"

#include "platform/ui/CPromptService.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace {

// An application that only looks at its command line.
class CCommandLineApp : public CWinApp {
public:
    CCommandLineApp() : CWinApp("Sketch Pad") {}
    BOOL InitInstance() override {
        ParseCommandLine(info);
        return TRUE;
    }
    CCommandLineInfo info;
};

TEST(CWinApp, CommandLineNamesTheFileAndTheSwitches) {
    CCommandLineApp app;
    char name[] = "sketch", file[] = "/home/u/house.skt", embedding[] = "-Embedding",
         automation[] = "--Automation";
    char* argv[] = {name, embedding, file, automation, nullptr};
    // No main window: the program ends at once with the exit code.
    EXPECT_EQ(AfxWinMain(4, argv), 0);
    EXPECT_EQ(app.info.m_strFileName, "/home/u/house.skt") << "a path with '/' is no switch";
    EXPECT_EQ(app.info.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_TRUE(app.info.m_bRunEmbedded);
    EXPECT_TRUE(app.info.m_bRunAutomated);

    CCommandLineInfo none;
    app.ParseCommandLine(none);
    EXPECT_EQ(none.m_nShellCommand, CCommandLineInfo::FileOpen);
}

TEST(CWinApp, ThereIsOnlyOneApplicationAtATime) {
    CWinApp first("one");
    EXPECT_EQ(AfxGetApp(), &first);
    EXPECT_STREQ(AfxGetAppName(), "one");
    EXPECT_THROW(CWinApp("two"), std::logic_error);
    EXPECT_EQ(AfxGetApp(), &first);
}

TEST(CWinApp, ShellCommandsOpenTheFileOrNothing) {
    CScriptedPromptService prompts;
    sketch::CSketchApp app;
    ASSERT_TRUE(app.InitInstance());
    CCommandLineInfo nothing;
    nothing.m_nShellCommand = CCommandLineInfo::FileNothing;
    EXPECT_TRUE(app.ProcessShellCommand(nothing));
    EXPECT_EQ(app.GetOpenDocumentCount(), 0);

    CCommandLineInfo missing;
    missing.ParseParam("/no/such/file.skt", FALSE, TRUE);
    EXPECT_FALSE(app.ProcessShellCommand(missing));
    EXPECT_EQ(prompts.MessageBoxes().size(), 1u);

    CCommandLineInfo fresh;
    EXPECT_TRUE(app.ProcessShellCommand(fresh));
    EXPECT_EQ(app.GetOpenDocumentCount(), 1) << "File New made an untitled sketch";
    app.m_pMainWnd->DestroyWindow();
    ProcessEvents();
}

} // namespace
