#include "app/dialogs/ASkewStructureDlg.h"

#include "app/shell/AOptionsAttributes.h"
#include "platform/ui/CDataExchange.h"

ASkewStructureDlg::ASkewStructureDlg(CWnd* pParent) : ABaseDialog(IDD, pParent) {}
ASkewStructureDlg::~ASkewStructureDlg() = default;

void ASkewStructureDlg::DoDataExchange(CDataExchange* pDX) {
    m_zCenter.ConvertTo(AOptionsAttributes::Instance()->gridUnitMajor);
    ABaseDialog::DoDataExchange(pDX);
    const int digits = static_cast<int>(AOptionsAttributes::Instance()->workFormat.getDigits());
    DDX_Text(pDX, 1012, m_vertical);
    DDV_MinMaxDouble(pDX, m_vertical, -5000.0, 5000.0);
    DDX_UnitEdit(pDX, 1013, m_xCenter, 0, digits, &m_units, false);
    DDX_Text(pDX, 1006, m_horizontal);
    DDV_MinMaxDouble(pDX, m_horizontal, -5000.0, 5000.0);
    DDX_UnitEdit(pDX, 1007, m_zCenter, 0, digits, &m_units, false);
}
