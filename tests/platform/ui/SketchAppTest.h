#pragma once
// A fixture with the sketch program started: its application, main frame and a
// scripted prompt service that answers message boxes and file dialogs.
#include "SketchProgram.h"
#include "UiTestSupport.h"
#include "platform/ui/CPromptService.h"

#include <gtest/gtest.h>

#include <memory>

class SketchAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<sketch::CSketchApp>();
        ASSERT_TRUE(app->InitInstance());
        frame = app->MainFrame();
        ASSERT_NE(frame, nullptr);
    }
    void TearDown() override {
        if (app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
        ProcessEvents();
        app.reset();
        ProcessEvents();
    }

    // Installed before the application starts and removed after it is gone.
    CScriptedPromptService prompts;
    std::unique_ptr<sketch::CSketchApp> app;
    sketch::CSketchMainFrame* frame = nullptr;
};
