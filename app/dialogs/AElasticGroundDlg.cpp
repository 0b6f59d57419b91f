#include "app/dialogs/AElasticGroundDlg.h"

#include "platform/ui/CDataExchange.h"
#include "platform/ui/CPromptService.h"

#include <cmath>

namespace {
constexpr int kGroundDigits = 8;
} // namespace

AElasticGroundDlg::AElasticGroundDlg(CWnd* pParent) : ABaseDialog(IDD, pParent) {}
AElasticGroundDlg::~AElasticGroundDlg() = default;

void AElasticGroundDlg::SetGround(const omUnitValue& coefficient, int side) {
    m_coefficient = coefficient;
    m_nSide = side;
}

bool AElasticGroundDlg::GetGround(omUnitValue& coefficient, int& side) const {
    coefficient = m_coefficient;
    side = m_nSide;
    return m_nSide >= 0;
}

void AElasticGroundDlg::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, 1001, m_nSide);
    DDX_UnitEdit(pDX, 1000, m_coefficient, 0, kGroundDigits, &m_units, false);
    // A negative stiffness of the ground pulls the member instead of carrying it:
    // the analysis would be unstable or plainly wrong.
    if (pDX->m_bSaveAndValidate && !(std::isfinite(m_coefficient.GetValue()) && m_coefficient.GetValue() >= 0.0)) {
        pDX->PrepareEditCtrl(1000);
        AfxMessageBox("The coefficient of subgrade reaction must be a number of zero or more.",
                      MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}
