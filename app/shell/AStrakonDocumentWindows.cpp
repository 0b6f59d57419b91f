#include "app/design/ADesignView.h"
#include "app/shell/AProjectTreeItems.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"
#include "app/shell/CStrakonApp.h"
#include "app/views/AEnvelopeView.h"
#include "app/views/AForceView.h"
#include "app/views/ALCResultView.h"
#include "framework/ABaseMDIChildWnd.h"
#include "framework/ABaseProjectTI.h"
#include "model/omElementMap.h"
#include "model/omGenericDesignData.h"
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
    // The entry's action, load case or envelope, before the view's first update and activation.
    const auto* entry = dynamic_cast<ATIWin*>(pItem);
    const int index = entry ? static_cast<int>(entry->GetIndex()) : 0;
    CWnd* pane = frame->GetDlgItem(AFX_IDW_PANE_FIRST);
    if (auto* loads = dynamic_cast<AForceView*>(pane); loads && index > 0) loads->SetLoadGroup(index);
    if (auto* results = dynamic_cast<ALCResultView*>(pane); results && index > 0)
        results->SetResultCase(dynamic_cast<ATIWinREnvelopeItem*>(pItem) ? 1000 + index : index);
    if (auto* design = dynamic_cast<ADesignView*>(pane); design && index > 0)
        design->SetElementNumber(static_cast<unsigned>(index));
    docTemplate->InitialUpdateFrame(frame, this, bMakeVisible);
    if (auto* envelopes = dynamic_cast<AEnvelopeView*>(pane); envelopes && index > 0)
        envelopes->SelectEnvelope(index);
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

CFrameWnd* AStrakonDocument::OpenDesignWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) {
    const auto* entry = dynamic_cast<ATIWin*>(pItem);
    const int kind = ADesignView::DesignKindOf(this, entry ? entry->GetIndex() : 0);
    if (kind == omGenericDesignData::dtSteel) return nullptr;
    if (kind != omGenericDesignData::dtRCBeam) {
        AfxMessageBox("Note:\nDue to variety of design combinations\nwe are not able to handle all of them\n"
                      "Currently, only following combinations are supported:\n\n"
                      "   (*) Steel material + I, box or tube cross-section,\n"
                      "   (*) Concrete material + rectangle or T cross-section.\n\n"
                      "More combinations will be supported in next versions of the application!",
                      MB_OK | MB_ICONSTOP);
        return nullptr;
    }
    CFrameWnd* frame = OpenWindow(CStrakonApp::ConcreteDesignWindow, pItem, bMakeVisible);
    auto* view = frame ? dynamic_cast<ADesignView*>(frame->GetActiveView()) : nullptr;
    if (!view) return frame;
    // Missing design data are made once, here: the view's refills never change the model.
    view->CreateMissingDesignData();
    view->FillLoadCaseLists();
    view->Invalidate();
    frame->SetActiveView(nullptr);
    frame->SetActiveView(view);
    return frame;
}
