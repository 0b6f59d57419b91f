#include "app/shell/AStrakonDocument.h"
#include "app/shell/AProjectTreeItems.h"
#include "app/shell/CStrakonApp.h"
#include "app/views/AForceView.h"
#include "app/views/ALCResultView.h"
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

namespace {

// The number the entry stands for (load group, load case, envelope), -1 without an entry.
int IndexOf(ABaseProjectTIWin* pItem) {
    auto* item = dynamic_cast<ATIWin*>(pItem);
    return item ? static_cast<int>(item->GetIndex()) : -1;
}

// The window's view of the class, re-activated once it has been told what to show.
template <class View> View* ViewOf(CFrameWnd* frame) {
    return frame ? dynamic_cast<View*>(frame->GetActiveView()) : nullptr;
}

} // namespace

CFrameWnd* AStrakonDocument::OpenLoadsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) {
    CFrameWnd* frame = OpenWindow(CStrakonApp::LoadsWindow, pItem, bMakeVisible);
    if (auto* view = ViewOf<AForceView>(frame); view && IndexOf(pItem) >= 0) {
        view->SetLoadGroup(IndexOf(pItem));
        frame->SetActiveView(view);
    }
    return frame;
}

CFrameWnd* AStrakonDocument::OpenLoadCombinationsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) {
    return OpenWindow(CStrakonApp::LoadCombinationsWindow, pItem, bMakeVisible);
}

CFrameWnd* AStrakonDocument::OpenEnvelopeResultsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) {
    CFrameWnd* frame = OpenWindow(CStrakonApp::LoadCaseResultsWindow, pItem, bMakeVisible);
    if (auto* view = ViewOf<ALCResultView>(frame); view && IndexOf(pItem) >= 0) {
        view->SetResultCase(1000 + IndexOf(pItem));
        frame->SetActiveView(view);
    }
    return frame;
}

CFrameWnd* AStrakonDocument::OpenLoadCaseResultsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) {
    CFrameWnd* frame = OpenWindow(CStrakonApp::LoadCaseResultsWindow, pItem, bMakeVisible);
    if (auto* view = ViewOf<ALCResultView>(frame); view && IndexOf(pItem) >= 0) {
        view->SetResultCase(IndexOf(pItem));
        frame->SetActiveView(view);
    }
    return frame;
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
