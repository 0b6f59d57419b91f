#include "app/dialogs/AElementSplitNumber.h"

#include "platform/ui/CDataExchange.h"

AElementSplitNumber::AElementSplitNumber(CWnd* pParent) : ABaseDialog(IDD, pParent) {}
AElementSplitNumber::~AElementSplitNumber() = default;

BOOL AElementSplitNumber::OnInitDialog() {
    ABaseDialog::OnInitDialog();
    m_spin.SetRange32(2, 100);
    return TRUE;
}

void AElementSplitNumber::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, 1609, m_spin);
    DDX_Text(pDX, 1608, m_nNumber);
    DDV_MinMaxUInt(pDX, m_nNumber, 2, 100);
}
