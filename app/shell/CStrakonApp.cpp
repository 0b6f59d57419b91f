#include "app/shell/CStrakonApp.h"

#include "app/report/AReportProgress.h"
#include "app/shell/AApplicationBus.h"
#include "app/views/AProgressBar.h"
#include "platform/ui/CPromptService.h"

IMPLEMENT_DYNAMIC(CStrakonApp, ABaseWinApp)

CStrakonApp::CStrakonApp() : ABaseWinApp("Strakon") {
    // The report builder steps the bar of the output preparation.
    SetReportProgress([this] { StepProgress(1); });
}

CStrakonApp::~CStrakonApp() {
    SetReportProgress({});
}

CStrakonApp* CStrakonApp::GetApp() {
    return DYNAMIC_DOWNCAST_PTR<CStrakonApp>(AfxGetApp());
}

CDocTemplate* CStrakonApp::GetStructureDocTemplate() {
    return m_pStructureTemplate;
}

CDocTemplate* CStrakonApp::GetProjectDocTemplate() {
    return m_pProjectTemplate;
}

void CStrakonApp::StepProgress(int steps) {
    for (int i = 0; i < steps && m_pActiveProgressBar; ++i) {
        m_pActiveProgressBar->StepIt();
        CPromptService::Instance().Sleep(15);
    }
}

AProgressScope::AProgressScope(const char* text, int range)
    : m_pBar(std::make_unique<AProgressBar>(text, 20, range, false, 0, true)) {
    if (CStrakonApp* app = CStrakonApp::GetApp()) app->m_pActiveProgressBar = m_pBar.get();
}

AProgressScope::~AProgressScope() {
    if (CStrakonApp* app = CStrakonApp::GetApp(); app && app->m_pActiveProgressBar == m_pBar.get())
        app->m_pActiveProgressBar = nullptr;
}
