#pragma once
// The main MDI frame's base: it knows its project and output windows (the
// derived frame makes them) and shows whether the open project is modified.
#include "platform/ui/CMDIFrameWnd.h"

class ABaseOutputWnd;
class ABaseProjectWnd;

// The modified pane of the status bar (its text is " MOD ").
constexpr UINT ID_INDICATOR_MODIFIED = 32905;

class ABaseMDIFrameWnd : public SECMDIFrameWnd {
    DECLARE_DYNAMIC(ABaseMDIFrameWnd)
public:
    ABaseMDIFrameWnd();
    ~ABaseMDIFrameWnd() override;

    // The frame's docking windows; null in the base. Not owned by the caller.
    virtual ABaseProjectWnd* GetProjectWnd();
    virtual ABaseOutputWnd* GetOutputWnd();

    // Enabled while the application's project is open and modified.
    void OnUpdateModifiedIndicator(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
