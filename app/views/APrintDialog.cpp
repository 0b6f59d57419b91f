#include "app/views/APrintDialog.h"

APrintDialog::APrintDialog(BOOL printSetupOnly, DWORD flags, CWnd* parent)
    : CPrintDialog(printSetupOnly, flags, parent) {
    m_pd.nFromPage = 1;
    m_pd.nToPage = 0;
    m_pd.nMinPage = 1;
    m_pd.nMaxPage = 0;
}

APrintDialog::~APrintDialog() = default;

BOOL APrintDialog::OnInitDialog() {
    CPrintDialog::OnInitDialog();
    HideControl(1025);
    return TRUE;
}
