#include "app/design/ADesignSupportWidthDlg.h"

#include "app/shell/AOptionsAttributes.h"
#include "platform/ui/CDataExchange.h"
#include "resources/ui/StrakonDesignIds.h"

BEGIN_MESSAGE_MAP(ADesignSupportWidthDlg, ABaseDialog)
ON_BN_CLICKED(IDC_SUPPORT_WIDTH_OFF, &ADesignSupportWidthDlg::OnRadio)
ON_BN_CLICKED(IDC_SUPPORT_WIDTH_ON, &ADesignSupportWidthDlg::OnRadio)
END_MESSAGE_MAP()

ADesignSupportWidthDlg::ADesignSupportWidthDlg(CWnd* pParent) : ABaseDialog(IDD, pParent) {}

ADesignSupportWidthDlg::~ADesignSupportWidthDlg() = default;

void ADesignSupportWidthDlg::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_SUPPORT_WIDTH_OFF, m_nRadio);
    const int digits = static_cast<int>(AOptionsAttributes::Instance()->workFormat.getDigits());
    DDX_UnitEdit(pDX, IDC_SUPPORT_WIDTH_LEFT, m_left, 1, digits, &m_units, true);
    DDX_UnitEdit(pDX, IDC_SUPPORT_WIDTH_RIGHT, m_right, 1, digits, &m_units, false);
}

BOOL ADesignSupportWidthDlg::OnInitDialog() {
    const BOOL result = ABaseDialog::OnInitDialog();
    EnableEdits();
    return result;
}

void ADesignSupportWidthDlg::OnRadio() {
    EnableEdits();
}

void ADesignSupportWidthDlg::EnableEdits() {
    const bool on = IsDlgButtonChecked(IDC_SUPPORT_WIDTH_ON) == BST_CHECKED;
    for (int id : {IDC_SUPPORT_WIDTH_LEFT, IDC_SUPPORT_WIDTH_RIGHT})
        if (CWnd* edit = GetDlgItem(id)) edit->EnableWindow(on);
}
