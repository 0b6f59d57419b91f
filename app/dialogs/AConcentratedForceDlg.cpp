#include "app/dialogs/AConcentratedForceDlg.h"

#include "app/dialogs/ALoadPosition.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "model/omDofStructureType.h"
#include "platform/ui/CDataExchange.h"
#include "resources/ui/StrakonLoadIds.h"

namespace {
constexpr int kDigits = 8;
}

BEGIN_MESSAGE_MAP(AConcentratedForceDlg, ABaseDialog)
ON_EN_KILLFOCUS(IDC_FORCE_RELATIVE, &AConcentratedForceDlg::OnRelativeKillFocus)
ON_EN_KILLFOCUS(IDC_FORCE_ABSOLUTE, &AConcentratedForceDlg::OnAbsoluteKillFocus)
END_MESSAGE_MAP()

AConcentratedForceDlg::AConcentratedForceDlg(CWnd* pParent)
    : ABaseDialog(IDD, pParent), m_load(omDofStrakonStructureType::instance(), 0) {}

AConcentratedForceDlg::~AConcentratedForceDlg() = default;

void AConcentratedForceDlg::SetLoad(const omLoadForce& load, bool onMember, double length) {
    m_load = load;
    m_relative = load.getX();
    const AUnitKeyAttributes* keys = AUnitKeyAttributes::Instance();
    m_load.convert(keys->force, keys->moment);
    m_name = load.getName();
    m_onMember = onMember;
    m_length = length;
    if (onMember) {
        m_system = load.getScope() == omLoad::WorldCS ? 0 : 1;
    } else {
        m_relative = 0.0;
        m_system = 0;
    }
    m_absolute.Set(keys->length);
    ALoadPosition::SetAbsolute(m_absolute, m_relative, m_length);
}

bool AConcentratedForceDlg::GetLoad(omLoadForce& load) {
    for (omDofType t : {Ux, Uz, Ry})
        load.setF(t, m_load.getF(t));
    load.setName(m_name);
    load.setX(m_relative);
    if (m_onMember) load.setScope(m_system != 0 ? omLoad::LocalCS : omLoad::WorldCS);
    return m_load.getF(Ux).GetValue() != 0.0 || m_load.getF(Uz).GetValue() != 0.0 ||
           m_load.getF(Ry).GetValue() != 0.0;
}

BOOL AConcentratedForceDlg::OnInitDialog() {
    ABaseDialog::OnInitDialog();
    for (UINT id : {IDC_FORCE_WORLD, IDC_FORCE_LOCAL, IDC_FORCE_RELATIVE, IDC_FORCE_ABSOLUTE, IDC_FORCE_SPIN})
        if (CWnd* control = GetDlgItem(static_cast<int>(id))) control->EnableWindow(m_onMember);
    m_spin.SetRange32(0, 100);
    ALoadPosition::SetAbsolute(m_absolute, m_relative, m_length);
    m_spin.SetPos(ALoadPosition::SpinPosition(m_relative));
    UpdateData(FALSE);
    return TRUE;
}

void AConcentratedForceDlg::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FORCE_SPIN, m_spin);
    DDX_Text(pDX, IDC_FORCE_NAME, m_name);
    DDX_Radio(pDX, IDC_FORCE_WORLD, m_system);
    DDX_Text(pDX, IDC_FORCE_RELATIVE, m_relative);
    DDV_MinMaxDouble(pDX, m_relative, 0.0, 1.0);
    DDX_UnitEdit(pDX, IDC_FORCE_FX, m_load.getF(Ux), 1, kDigits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_FORCE_FZ, m_load.getF(Uz), 1, kDigits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_FORCE_MY, m_load.getF(Ry), 2, kDigits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_FORCE_ABSOLUTE, m_absolute, 0, kDigits, &m_units, false);
}

void AConcentratedForceDlg::OnRelativeKillFocus() {
    if (!UpdateData(TRUE)) return;
    ALoadPosition::SetAbsolute(m_absolute, m_relative, m_length);
    m_spin.SetPos(ALoadPosition::SpinPosition(m_relative));
    UpdateData(FALSE);
}

void AConcentratedForceDlg::OnAbsoluteKillFocus() {
    if (!UpdateData(TRUE)) return;
    m_relative = ALoadPosition::Relative(m_absolute, m_length);
    m_spin.SetPos(ALoadPosition::SpinPosition(m_relative));
    UpdateData(FALSE);
}

void AConcentratedForceDlg::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (nSBCode != SB_THUMBPOSITION || reinterpret_cast<CWnd*>(pScrollBar) != &m_spin) {
        ABaseDialog::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    // What was typed or chosen elsewhere stays.
    if (!UpdateData(TRUE)) return;
    m_relative = static_cast<int>(nPos) * 0.01;
    ALoadPosition::SetAbsolute(m_absolute, m_relative, m_length);
    UpdateData(FALSE);
}
