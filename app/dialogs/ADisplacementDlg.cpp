#include "app/dialogs/ADisplacementDlg.h"

#include "app/shell/AUnitKeyAttributes.h"
#include "model/omDofStructureType.h"
#include "model/omNode.h"
#include "platform/ui/CDataExchange.h"
#include "resources/ui/StrakonLoadIds.h"

namespace {
constexpr int kDigits = 8;
}

ADisplacementDlg::ADisplacementDlg(CWnd* pParent)
    : ABaseDialog(IDD, pParent), m_load(omDofStrakonStructureType::instance(), 0) {}

ADisplacementDlg::~ADisplacementDlg() = default;

void ADisplacementDlg::SetLoad(const omLoadDisplacement& load, const omNode* node) {
    m_load = load;
    m_name = load.getName();
    m_pNode = node;
    const AUnitKeyAttributes* keys = AUnitKeyAttributes::Instance();
    m_load.convert(keys->length, keys->rotation);
}

bool ADisplacementDlg::GetLoad(omLoadDisplacement& load) {
    for (omDofType t : {Ux, Uz, Ry})
        load.setU(t, m_load.getU(t));
    load.setName(m_name);
    return m_load.getU(Ux).GetValue() != 0.0 || m_load.getU(Uz).GetValue() != 0.0 ||
           m_load.getU(Ry).GetValue() != 0.0;
}

BOOL ADisplacementDlg::OnInitDialog() {
    ABaseDialog::OnInitDialog();
    const struct {
        UINT id;
        omDofType dof;
    } edits[] = {{IDC_DISPLACEMENT_UX, Ux}, {IDC_DISPLACEMENT_UZ, Uz}, {IDC_DISPLACEMENT_FIY, Ry}};
    for (const auto& e : edits)
        if (CWnd* control = GetDlgItem(static_cast<int>(e.id)))
            control->EnableWindow(m_pNode && m_pNode->getSupport(e.dof));
    return TRUE;
}

void ADisplacementDlg::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DISPLACEMENT_NAME, m_name);
    DDX_UnitEdit(pDX, IDC_DISPLACEMENT_UX, m_load.getU(Ux), 1, kDigits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_DISPLACEMENT_UZ, m_load.getU(Uz), 1, kDigits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_DISPLACEMENT_FIY, m_load.getU(Ry), 2, kDigits, &m_units, false);
}
