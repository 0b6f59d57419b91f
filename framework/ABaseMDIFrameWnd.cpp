#include "framework/ABaseMDIFrameWnd.h"

#include "framework/ABaseProjectDoc.h"
#include "framework/ABaseWinApp.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CResources.h"

IMPLEMENT_DYNAMIC(ABaseMDIFrameWnd, SECMDIFrameWnd)

BEGIN_MESSAGE_MAP(ABaseMDIFrameWnd, SECMDIFrameWnd)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_MODIFIED, &ABaseMDIFrameWnd::OnUpdateModifiedIndicator)
END_MESSAGE_MAP()

ABaseMDIFrameWnd::ABaseMDIFrameWnd() {
    // The pane's text; a program's own string table may have put it already.
    CString text;
    if (!CResources::Instance().FindString(ID_INDICATOR_MODIFIED, text))
        CResources::Instance().AddString(ID_INDICATOR_MODIFIED, " MOD ");
}

ABaseMDIFrameWnd::~ABaseMDIFrameWnd() = default;

ABaseProjectWnd* ABaseMDIFrameWnd::GetProjectWnd() {
    return nullptr;
}

ABaseOutputWnd* ABaseMDIFrameWnd::GetOutputWnd() {
    return nullptr;
}

void ABaseMDIFrameWnd::OnUpdateModifiedIndicator(CCmdUI* pCmdUI) {
    ABaseWinApp* app = ABaseWinApp::GetApp();
    ABaseProjectDoc* project = app ? app->GetProjectDocument() : nullptr;
    pCmdUI->Enable(project && project->IsModified());
}
