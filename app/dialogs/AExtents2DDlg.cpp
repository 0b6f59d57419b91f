#include "app/dialogs/AExtents2DDlg.h"

#include "app/shell/AOptionsAttributes.h"
#include "platform/ui/CDataExchange.h"

AExtents2DDlg::AExtents2DDlg(CWnd* pParent) : ABaseDialog(IDD, pParent) {}
AExtents2DDlg::~AExtents2DDlg() = default;

void AExtents2DDlg::DoDataExchange(CDataExchange* pDX) {
    m_left.ConvertTo(AOptionsAttributes::Instance()->gridUnitMajor);
    ABaseDialog::DoDataExchange(pDX);
    const int digits = static_cast<int>(AOptionsAttributes::Instance()->workFormat.getDigits());
    DDX_UnitEdit(pDX, 1044, m_left, 0, digits, &m_units, false);
    DDX_UnitEdit(pDX, 1045, m_right, 0, digits, &m_units, false);
    DDX_UnitEdit(pDX, 1046, m_top, 0, digits, &m_units, false);
    DDX_UnitEdit(pDX, 1047, m_bottom, 0, digits, &m_units, false);
}
