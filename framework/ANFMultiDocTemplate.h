#pragma once
// A multi-document template whose documents open without any frame or view:
// the project and structure documents live on their own, and their windows are
// opened later through other templates on the same document.
#include "platform/ui/CDocTemplate.h"

class ANFMultiDocTemplate : public CMultiDocTemplate {
    DECLARE_DYNAMIC(ANFMultiDocTemplate)
public:
    ANFMultiDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                        const CRuntimeClass* pViewClass);
    ~ANFMultiDocTemplate() override;

    // With a path: opens the file into a new document (null when that fails,
    // and the document is gone). Without: a new untitled document, embedded when
    // bMakeVisible is FALSE. No frame, no view and no initial update.
    CDocument* OpenDocumentFile(const char* lpszPathName, BOOL bMakeVisible = TRUE) override;
};
