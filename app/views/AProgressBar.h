#pragma once
// A progress control that a long operation (solving, preparing the output,
// loading and saving workspaces) shows inside a pane of the main frame's status
// bar, right of a prompt text, with the wait cursor for its lifetime. Without a
// main frame or a status bar nothing is created and stepping does nothing.
#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/ui/CProgressCtrl.h"

class CStatusBar;

class AProgressBar : public CProgressCtrl {
    DECLARE_DYNCREATE(AProgressBar)
public:
    AProgressBar();
    // Creates at once; percent is the control's width in percent of the pane's
    // room right of the text, range the number of steps.
    AProgressBar(const char* text, int percent, int range, bool smooth = false, int pane = 0,
                 bool waitCursor = true);
    ~AProgressBar() override;

    bool Create(const char* text, int percent, int range, bool smooth = false, int pane = 0,
                bool waitCursor = true);
    bool SetRange(int lower, int upper, int step);
    bool SetStep(int step);
    bool StepIt();

    // The status bar that the control goes into: the main frame's message bar,
    // or the main window's descendant with the status bar's id; null when none.
    static CStatusBar* GetStatusBar();

protected:
    bool FilterEvent(QObject* watched, QEvent* event) override;

private:
    // Places the control in the pane: right of the prompt text, percent of the
    // remaining width, a tenth of the height off at top and bottom.
    void Resize();
    // Hides the control and gives the pane back its text, id, style and width.
    void Clear();

    int m_nPercent = 0;
    int m_nPane = 0;
    CString m_strText;
    CString m_strPrevText;
    CRect m_rect;
    bool m_bWaitCursor = false;
    int m_nPaneId = 0;
    int m_nPaneStyle = 0;
    int m_nPaneWidth = 0;
};
