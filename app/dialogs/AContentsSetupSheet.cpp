#include "app/dialogs/AContentsSetupSheet.h"

IMPLEMENT_DYNAMIC(AContentsSetupSheet, ABasePropertySheet)

AContentsSetupSheet::AContentsSetupSheet(CWnd* pParentWnd)
    : ABasePropertySheet("Setup Output Content ...", pParentWnd) {}

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
