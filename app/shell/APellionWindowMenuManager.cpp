#include "app/shell/APellionWindowMenuManager.h"

#include "app/shell/AStrakonDocument.h"
#include "app/shell/CStrakonApp.h"
#include "app/views/AForceView.h"
#include "app/views/ALCResultView.h"
#include "framework/ABaseMDIChildWnd.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CPromptService.h"

IMPLEMENT_DYNCREATE(APellionWindowMenuManager, AWindowMenuManager)

void APellionWindowMenuManager::WindowNew() {
    auto* active = dynamic_cast<ABaseMDIChildWnd*>(GetActiveChild());
    auto* doc = active ? dynamic_cast<AStrakonDocument*>(active->GetActiveDocument()) : nullptr;
    CView* view = active ? active->GetActiveView() : nullptr;
    CStrakonApp* app = CStrakonApp::GetApp();
    if (!doc || !view || !app) {
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
        return;
    }
    int kind = CStrakonApp::WindowKindCount;
    for (int k = 0; k < CStrakonApp::WindowKindCount; ++k)
        if (app->GetWindowTemplate(k) && app->GetWindowTemplate(k) == active->GetDocTemplate()) kind = k;
    ABaseProjectTIWin* item = active->GetGuiTIWinObject();
    auto* results = dynamic_cast<ALCResultView*>(view);
    CFrameWnd* opened = nullptr;
    switch (kind) {
    case CStrakonApp::GeometryWindow:
        opened = doc->OpenGeometryWindow(item, TRUE);
        break;
    case CStrakonApp::LoadsWindow:
        opened = doc->OpenLoadsWindow(item, TRUE);
        break;
    case CStrakonApp::LoadCaseResultsWindow:
        // An envelope's results (case 1000 + n) stay the envelope's.
        opened = results && results->GetResultCase() > 1000 ? doc->OpenEnvelopeResultsWindow(item, TRUE)
                                                            : doc->OpenLoadCaseResultsWindow(item, TRUE);
        break;
    case CStrakonApp::LoadCombinationsWindow:
        opened = doc->OpenLoadCombinationsWindow(item, TRUE);
        break;
    case CStrakonApp::EnvelopeWindow:
        opened = doc->OpenEnvelopeWindow(item, TRUE);
        break;
    case CStrakonApp::ResumeWindow:
        opened = doc->OpenResumeWindow(item, TRUE);
        break;
    case CStrakonApp::ConcreteDesignWindow:
    case CStrakonApp::SteelDesignWindow:
        opened = doc->OpenDesignWindow(item, TRUE);
        break;
    default:
        // A window of no structure kind: another frame of its own template.
        AWindowMenuManager::WindowNew();
        return;
    }
    if (!opened) return;
    // The new window shows what the active one shows.
    if (auto* loads = dynamic_cast<AForceView*>(view))
        if (auto* shown = dynamic_cast<AForceView*>(opened->GetActiveView())) shown->SetLoadGroup(loads->GetLoadGroup());
    if (auto* shown = dynamic_cast<ALCResultView*>(opened->GetActiveView()); shown && results) {
        shown->SetResultCase(results->GetResultCase());
        opened->SetActiveView(shown);
        doc->SetActiveResultCase(results->GetResultCase(), true);
    }
}
