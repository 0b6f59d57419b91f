#pragma once
// The output-settings sheet, "Setup Output Content ...". It edits copies of the
// program's report settings, of the structure's report lists and of the
// structure's report description; the command takes them over only after OK.
// The pages that show them are added by the sheet's user. There is no Apply:
// OK and Cancel stand at the right end of the button row, OK first.
#include "app/report/AOutputAttributes.h"
#include "app/views/ADocAttributes.h"
#include "framework/ABaseDialog.h"

class omLoadManager;

class AContentsSetupSheet : public ABasePropertySheet {
    DECLARE_DYNAMIC(AContentsSetupSheet)
public:
    AContentsSetupSheet(const char* caption, CWnd* pParentWnd = nullptr, UINT firstPage = 0);
    ~AContentsSetupSheet() override;

    // The copies the pages edit.
    AOutputAttributes m_output;
    AOutputStructureAttributes m_structure;
    ADocAttributes m_description;
    // The structure's actions and load cases, for the report lists; not owned, may be null.
    const omLoadManager* m_pLoadManager = nullptr;

    // Whether the values kept in the structure file differ between two states.
    static bool SameDescription(const ADocAttributes& a, const ADocAttributes& b);
    static bool SameLists(const AOutputStructureAttributes& a, const AOutputStructureAttributes& b);
};
