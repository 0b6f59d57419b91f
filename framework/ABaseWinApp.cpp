#include "framework/ABaseWinApp.h"

IMPLEMENT_DYNAMIC(ABaseWinApp, CWinApp)

BEGIN_MESSAGE_MAP(ABaseWinApp, CWinApp)
END_MESSAGE_MAP()

ABaseWinApp::ABaseWinApp(const char* lpszAppName) : CWinApp(lpszAppName) {}

ABaseWinApp::~ABaseWinApp() = default;

ABaseWinApp* ABaseWinApp::GetApp() {
    CWinApp* app = AfxGetApp();
    return app && app->IsKindOf(RUNTIME_CLASS(ABaseWinApp)) ? static_cast<ABaseWinApp*>(app) : nullptr;
}

void ABaseWinApp::UpdateAllFrames() {}

BOOL ABaseWinApp::LoadWorkspace() {
    return TRUE;
}

BOOL ABaseWinApp::SaveWorkspace() {
    return TRUE;
}

BOOL ABaseWinApp::InitInstance() {
    return TRUE;
}

int ABaseWinApp::ExitInstance() {
    return CWinApp::ExitInstance();
}
