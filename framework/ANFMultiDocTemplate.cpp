#include "framework/ANFMultiDocTemplate.h"

#include "platform/ui/AfxRes.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CPromptService.h"

IMPLEMENT_DYNAMIC(ANFMultiDocTemplate, CMultiDocTemplate)

ANFMultiDocTemplate::ANFMultiDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                         const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : CMultiDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

ANFMultiDocTemplate::~ANFMultiDocTemplate() = default;

CDocument* ANFMultiDocTemplate::OpenDocumentFile(const char* lpszPathName, BOOL bMakeVisible) {
    CDocument* doc = CreateNewDocument();
    if (!doc) {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC, MB_OK);
        return nullptr;
    }
    // A document that failed to open or initialise leaves the template and goes.
    auto discard = [this, doc]() {
        RemoveDocument(doc);
        delete doc;
    };
    if (lpszPathName) {
        CWaitCursor wait;
        try {
            if (!doc->OnOpenDocument(lpszPathName)) {
                discard();
                return nullptr;
            }
        } catch (...) {
            // The half-opened document must not stay in the template's list.
            discard();
            throw;
        }
        doc->SetPathName(lpszPathName, TRUE);
        return doc;
    }
    SetDefaultTitle(doc);
    if (!bMakeVisible) doc->m_bEmbedded = TRUE;
    if (!doc->OnNewDocument()) {
        discard();
        return nullptr;
    }
    ++m_nUntitledCount;
    return doc;
}
