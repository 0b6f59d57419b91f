#pragma once
// The main MDI frame's base: it knows its project and output windows (the
// derived frame makes them) and shows whether the open project is modified.
#include "framework/AFrameworkIds.h"
#include "platform/ui/CMDIFrameWnd.h"

class ABaseOutputWnd;
class ABaseProjectWnd;


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
