#include "app/dialogs/ANameColorPage.h"

#include "app/shell/AOptionsAttributes.h"
#include "common/omUnitValue.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CPropertySheet.h"
#include "resources/ui/StrakonEditorIds.h"

IMPLEMENT_DYNCREATE(ANameColorPage, ABasePropertyPage)

ANameColorPage::ANameColorPage() = default;

ANameColorPage::ANameColorPage(UINT nIDTemplate) : ABasePropertyPage(nIDTemplate, 0) {}

ANameColorPage::~ANameColorPage() = default;

BOOL ANameColorPage::OnSetActive() {
    if (m_ppActivePage) *m_ppActivePage = this;
    return ABasePropertyPage::OnSetActive();
}

BOOL ANameColorPage::OnInitDialog() {
    // The exchange of the base's initialisation has taken the colour well over.
    return ABasePropertyPage::OnInitDialog();
}

void ANameColorPage::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PAGE_NAME, m_strName);
    DDX_ColorWell(pDX, IDC_PAGE_COLOR, m_colorWell, m_color);
}

std::string ANameColorPage::NameToSave() const {
    return m_strName.empty() ? std::string("Unknown") : m_strName;
}

int AEditorDigits() {
    return static_cast<int>(AOptionsAttributes::Instance()->workFormat.getDigits());
}

BOOL ANameColorPage::OnApply() {
    CPropertySheet* sheet = GetSheet();
    if (m_pRequiredModulus && sheet && sheet->GetActivePage() == this && !(m_pRequiredModulus->GetValue() > 0.0)) {
        // No upper bound: the prompt names the one limit that matters.
        AfxMessageBox("Please enter a number greater than 0.", MB_ICONEXCLAMATION);
        if (CWnd* edit = GetDlgItem(m_nRequiredModulusId)) edit->SetFocus();
        return FALSE;
    }
    return ABasePropertyPage::OnApply();
}
