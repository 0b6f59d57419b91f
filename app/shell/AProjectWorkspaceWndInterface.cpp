#include "app/shell/AProjectWorkspaceWndInterface.h"

#include "framework/ABaseMDIFrameWnd.h"
#include "framework/ABaseProjectWnd.h"
#include "platform/ui/CWinApp.h"

void AProjectWorkspaceWndInterface::UpdateElements(CDocument*) {}
void AProjectWorkspaceWndInterface::UpdateNodes(CDocument*) {}
void AProjectWorkspaceWndInterface::UpdateMaterials(CDocument*) {}
void AProjectWorkspaceWndInterface::UpdateCrossSections(CDocument*) {}
void AProjectWorkspaceWndInterface::UpdateActions(CDocument*) {}
void AProjectWorkspaceWndInterface::UpdateLoadCases(CDocument*) {}
void AProjectWorkspaceWndInterface::UpdateEnvelopes(CDocument*) {}

ABaseProjectTI* AProjectWorkspaceWndInterface::GetGeometryItem(CDocument*) { return nullptr; }
ABaseProjectTI* AProjectWorkspaceWndInterface::GetActionItem(CDocument*, int) { return nullptr; }
ABaseProjectTI* AProjectWorkspaceWndInterface::GetLoadCaseItem(CDocument*, int) { return nullptr; }
ABaseProjectTI* AProjectWorkspaceWndInterface::GetEnvelopeItem(CDocument*, int) { return nullptr; }
ABaseProjectTI* AProjectWorkspaceWndInterface::GetActionsLoadCasesManagerItem(CDocument*) { return nullptr; }
ABaseProjectTI* AProjectWorkspaceWndInterface::GetEnvelopeManagerItem(CDocument*) { return nullptr; }
ABaseProjectTI* AProjectWorkspaceWndInterface::GetDesignResumeItem(CDocument*) { return nullptr; }
ABaseProjectTI* AProjectWorkspaceWndInterface::GetDesignElementItem(CDocument*, int) { return nullptr; }

AProjectWorkspaceWndInterface* AProjectWorkspaceWndInterface::FromMainFrame()
{
    auto* frame = dynamic_cast<ABaseMDIFrameWnd*>(AfxGetMainWnd());
    if (frame == nullptr)
        return nullptr;
    return dynamic_cast<AProjectWorkspaceWndInterface*>(frame->GetProjectWnd());
}
