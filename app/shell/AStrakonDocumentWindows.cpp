#include "app/shell/AStrakonDocument.h"
#include "app/shell/CStrakonApp.h"
#include "framework/ABaseMDIChildWnd.h"
#include "framework/ABaseProjectTI.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CPromptService.h"

CFrameWnd* AStrakonDocument::OpenWindow(int kind, ABaseProjectTIWin* pItem, BOOL bMakeVisible) {
    CStrakonApp* app = CStrakonApp::GetApp();
    CDocTemplate* docTemplate = app ? app->GetWindowTemplate(kind) : nullptr;
    if (!docTemplate) return nullptr;
    CFrameWnd* frame = docTemplate->CreateNewFrame(this, nullptr);
    if (!frame) {
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
        return nullptr;
    }
    docTemplate->InitialUpdateFrame(frame, this, bMakeVisible);
    if (auto* child = dynamic_cast<ABaseMDIChildWnd*>(frame)) child->SetGuiTIWinObject(pItem);
    return frame;
}

CFrameWnd* AStrakonDocument::OpenGeometryWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) {
    return OpenWindow(CStrakonApp::GeometryWindow, pItem, bMakeVisible);
}

CFrameWnd* AStrakonDocument::OpenLoadsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) {
    return OpenWindow(CStrakonApp::LoadsWindow, pItem, bMakeVisible);
}

CFrameWnd* AStrakonDocument::OpenLoadCombinationsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) {
    return OpenWindow(CStrakonApp::LoadCombinationsWindow, pItem, bMakeVisible);
}

CFrameWnd* AStrakonDocument::OpenEnvelopeResultsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) {
    return OpenWindow(CStrakonApp::LoadCaseResultsWindow, pItem, bMakeVisible);
}

CFrameWnd* AStrakonDocument::OpenLoadCaseResultsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) {
    return OpenWindow(CStrakonApp::LoadCaseResultsWindow, pItem, bMakeVisible);
}

CFrameWnd* AStrakonDocument::OpenEnvelopeWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) {
    return OpenWindow(CStrakonApp::EnvelopeWindow, pItem, bMakeVisible);
}

CFrameWnd* AStrakonDocument::OpenResumeWindow(ABaseProjectTIWin*, BOOL) {
    return nullptr;
}

CFrameWnd* AStrakonDocument::OpenDesignWindow(ABaseProjectTIWin*, BOOL) {
    return nullptr;
}
