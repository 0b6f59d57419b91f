#include "app/dialogs/AContentsSetupSheet.h"

IMPLEMENT_DYNAMIC(AContentsSetupSheet, ABasePropertySheet)

AContentsSetupSheet::AContentsSetupSheet(const char* caption, CWnd* pParentWnd, UINT firstPage)
    : ABasePropertySheet(caption, pParentWnd, firstPage) {
    // The settings are taken over only when the sheet is closed with OK.
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
}

AContentsSetupSheet::~AContentsSetupSheet() = default;

bool AContentsSetupSheet::SameDescription(const ADocAttributes& a, const ADocAttributes& b) {
    return a.author == b.author && a.project == b.project && a.keywords == b.keywords && a.title == b.title &&
           a.subtitle == b.subtitle && a.investor == b.investor && a.comment == b.comment && a.file == b.file;
}

bool AContentsSetupSheet::SameLists(const AOutputStructureAttributes& a,
                                    const AOutputStructureAttributes& b) {
    return a.m_printedActions == b.m_printedActions && a.m_unprintedActions == b.m_unprintedActions &&
           a.m_printedResults == b.m_printedResults && a.m_unprintedResults == b.m_unprintedResults &&
           a.m_bUseDescription == b.m_bUseDescription && a.m_strDescription == b.m_strDescription;
}
