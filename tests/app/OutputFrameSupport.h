#pragma once
// A main frame with the program's output window at the bottom, as the main
// frame of the program holds it, and a status bar for the progress of long
// operations.
#include "app/shell/AOutputWnd.h"
#include "framework/ABaseMDIFrameWnd.h"
#include "platform/ui/CControlBar.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CStatusBar.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/SECTabWnd.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QPlainTextEdit>

class OutputTestFrame : public ABaseMDIFrameWnd {
public:
    static constexpr UINT kFrameId = 9310;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override {
        if (ABaseMDIFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
        static const UINT indicators[] = {ID_SEPARATOR};
        if (!statusBar.Create(this) || !statusBar.SetIndicators(indicators, 1)) return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        if (!outputWnd.Create(this, "Output Window", WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, 0, 115)) return -1;
        return 0;
    }
    ABaseOutputWnd* GetOutputWnd() override { return &outputWnd; }
    CStatusBar statusBar;
    AOutputWnd outputWnd;
};

// Opens the frame as the application's main window and closes it again.
class OutputFrameHolder {
public:
    explicit OutputFrameHolder(CWinApp& app) : m_app(app) {
        CResources& r = CResources::Instance();
        r.AddString(OutputTestFrame::kFrameId, "Strakon");
        r.AddMenu(OutputTestFrame::kFrameId, {MenuPopup("&File", {MenuItem("&Close", ID_FILE_CLOSE)})});
        frame = new OutputTestFrame;
        if (!frame->LoadFrame(OutputTestFrame::kFrameId)) return;
        app.m_pMainWnd = frame;
        frame->MoveWindow(0, 0, 900, 600);
        frame->ShowWindow(SW_SHOW);
        ProcessEvents();
    }
    ~OutputFrameHolder() {
        if (m_app.m_pMainWnd) m_app.m_pMainWnd->DestroyWindow();
        m_app.m_pMainWnd = nullptr;
        ProcessEvents();
    }
    OutputFrameHolder(const OutputFrameHolder&) = delete;
    OutputFrameHolder& operator=(const OutputFrameHolder&) = delete;

    AOutputWnd& output() { return frame->outputWnd; }
    static QString text(AMessageEdit& view) {
        auto* edit = qobject_cast<QPlainTextEdit*>(view.GetWidget());
        return edit ? edit->toPlainText() : QString();
    }
    QString messages() { return text(output().GetMessageView()); }
    QString log() { return text(output().GetLogView()); }

    OutputTestFrame* frame = nullptr;

private:
    CWinApp& m_app;
};
