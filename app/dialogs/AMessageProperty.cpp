#include "app/dialogs/AMessageProperty.h"

#include "platform/ui/CDataExchange.h"

IMPLEMENT_DYNCREATE(AMessagePage, APPropertyPage)

AMessagePage::AMessagePage() : APPropertyPage(139) {}
AMessagePage::~AMessagePage() = default;

void AMessagePage::DoDataExchange(CDataExchange* pDX) {
    APPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, 1045, m_strMessage);
}

IMPLEMENT_DYNCREATE(AMessageProperty, APPropertySheet)

// The sheet serves every kind of selection, so its caption names none.
AMessageProperty::AMessageProperty(CWnd* pParentWnd) : APPropertySheet("Properties", pParentWnd) {
    AddPage(&m_page);
}

AMessageProperty::~AMessageProperty() = default;

void AMessageProperty::ReadExternalData() {
    if (const auto* text = static_cast<const CString*>(m_pExternalData)) m_page.m_strMessage = *text;
}

void AMessageProperty::ExchangeData(BOOL bSave) {
    if (bSave) return;
    ReadExternalData();
    if (m_page.IsWindow()) m_page.UpdateData(FALSE);
}
