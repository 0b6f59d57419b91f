#pragma once
// A small program to host the graphic views in: an application whose main
// window is an MDI frame with a status bar (pane 0 for prompts, one pane for
// the cursor coordinates), and a scripted prompt service that answers message
// boxes, popups and modal dialogs.
#include "platform/ui/AfxRes.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CStatusBar.h"
#include "platform/ui/CWinApp.h"

#include <QApplication>
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>

namespace viewhost {

constexpr UINT IDR_HOSTFRAME = 60128;
constexpr UINT ID_INDICATOR_COORDINATES = 60129;

class HostFrame : public CMDIFrameWnd {
public:
    int OnCreate(LPCREATESTRUCT cs) override {
        if (CMDIFrameWnd::OnCreate(cs) == -1) return -1;
        static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_COORDINATES};
        if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 2)) return -1;
        SetMessageText(AFX_IDS_IDLEMESSAGE);
        return 0;
    }
    CStatusBar m_wndStatusBar;
};

class HostApp : public CWinApp {
public:
    BOOL InitInstance() override {
        CResources& r = CResources::Instance();
        r.AddStrings({{IDR_HOSTFRAME, "View Host"}, {ID_INDICATOR_COORDINATES, "                              "}});
        auto* frame = new HostFrame;
        if (!frame->LoadFrame(IDR_HOSTFRAME)) return FALSE;
        m_pMainWnd = frame;
        frame->MoveWindow(0, 0, 900, 640);
        frame->ShowWindow(SW_SHOW);
        return TRUE;
    }
    HostFrame* Frame() const { return static_cast<HostFrame*>(m_pMainWnd); }
};

inline void Pump() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

class ViewHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<HostApp>();
        ASSERT_TRUE(app->InitInstance());
        frame = app->Frame();
        Pump();
    }
    void TearDown() override {
        if (app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
        Pump();
        app.reset();
        Pump();
    }
    CStatusBar& StatusBar() { return frame->m_wndStatusBar; }

    CScriptedPromptService prompts;
    std::unique_ptr<HostApp> app;
    HostFrame* frame = nullptr;
};

} // namespace viewhost
