#pragma once
// The page every material and cross-section page builds on: the name (1003)
// and the colour well (1064). Before its sheet runs, the owning dialog tells
// each page where to record itself when it becomes the active page, so that
// the dialog knows which page was showing when the user pressed OK.
#include "framework/ABaseDialog.h"
#include "platform/ui/CColorWell.h"

#include <string>

class CDataExchange;
class omUnitValue;

class ANameColorPage : public ABasePropertyPage {
    DECLARE_DYNCREATE(ANameColorPage)
public:
    ANameColorPage();
    explicit ANameColorPage(UINT nIDTemplate);
    ~ANameColorPage() override;

    // Where the page records itself when it becomes active (not owned; may stay null).
    void SetActivePageSlot(CPropertyPage** slot) { m_ppActivePage = slot; }

    BOOL OnSetActive() override;
    BOOL OnInitDialog() override;
    // Confirming the sheet on this page refuses a required modulus that is not positive.
    BOOL OnApply() override;
    DWORD GetDialogID() override { return m_nIDTemplate; }

    std::string m_strName = "Unknown";
    COLORREF m_color = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The page's name for a material or section: "Unknown" for an empty one.
    std::string NameToSave() const;

    CColorWell m_colorWell;
    CPropertyPage** m_ppActivePage = nullptr;
    // The modulus of elasticity a material page needs, checked only when the sheet is
    // confirmed on it: a new material starts without one, and the user must still be
    // able to leave the page for another material class.
    const omUnitValue* m_pRequiredModulus = nullptr;
    int m_nRequiredModulusId = 0;
};

// The options' first number format's digits, with which the editors show values.
int AEditorDigits();
