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
    DWORD GetDialogID() override { return m_nIDTemplate; }

    std::string m_strName = "Unknown";
    COLORREF m_color = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The page's name for a material or section: "Unknown" for an empty one.
    std::string NameToSave() const;

    CColorWell m_colorWell;
    CPropertyPage** m_ppActivePage = nullptr;
};

// The options' first number format's digits, with which the editors show values.
int AEditorDigits();
// A modulus of elasticity must be positive: anything else fails the exchange with the range prompt.
void DDV_PositiveUnitValue(CDataExchange* pDX, const omUnitValue& value);
