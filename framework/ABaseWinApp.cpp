#include "framework/ABaseWinApp.h"

IMPLEMENT_DYNAMIC(ABaseWinApp, CWinApp)

BEGIN_MESSAGE_MAP(ABaseWinApp, CWinApp)
END_MESSAGE_MAP()

ABaseWinApp::ABaseWinApp(const char* lpszAppName) : CWinApp(lpszAppName) {}

ABaseWinApp::~ABaseWinApp() = default;

ABaseWinApp* ABaseWinApp::GetApp() {
    return DYNAMIC_DOWNCAST_PTR<ABaseWinApp>(AfxGetApp());
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
