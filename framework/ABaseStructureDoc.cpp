#include "framework/ABaseStructureDoc.h"

#include "framework/ABaseProjectDoc.h"

IMPLEMENT_DYNAMIC(ABaseStructureDoc, COleDocument)

ABaseStructureDoc::ABaseStructureDoc() {
    m_bAutoDelete = FALSE;
}

ABaseStructureDoc::~ABaseStructureDoc() = default;

BOOL ABaseStructureDoc::SaveStructure() {
    const CString title = GetTitle();
    const BOOL saved = DoFileSave();
    SetTitle(title.c_str());
    return saved;
}

BOOL ABaseStructureDoc::CloseStructure() {
    if (IsModified() && !SaveStructure()) return FALSE;
    OnCloseDocument();
    return TRUE;
}

void ABaseStructureDoc::SetModifiedFlag(BOOL bModified) {
    COleDocument::SetModifiedFlag(bModified);
    if (m_pParentDoc) m_pParentDoc->SetModifiedFlag(bModified);
}

void ABaseStructureDoc::SetPathName(const char* lpszPathName, BOOL) {
    COleDocument::SetPathName(lpszPathName, FALSE);
}

BOOL ABaseStructureDoc::CanCloseFrame(CFrameWnd*) {
    return TRUE;
}
