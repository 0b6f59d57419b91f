#include "app/shell/CAboutDlg.h"

#include "app/shell/AVersionInfo.h"
#include "platform/ui/CDataExchange.h"

#include <cstdio>

IMPLEMENT_DYNAMIC(CAboutDlg, ABaseDialog)

CAboutDlg::CAboutDlg(CWnd* pParent) : ABaseDialog(IDD, pParent) {}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PRODUCT_LINE, m_productLine);
    DDX_Control(pDX, IDC_BUILD_LINE, m_buildLine);
}

BOOL CAboutDlg::OnInitDialog() {
    ABaseDialog::OnInitDialog();
    AVersionInfo version;
    version.Open();
    m_buildLine.SetWindowText(("Build version: " + version.GetString("ProductVersion")).c_str());
    CString product = m_productLine.GetWindowText();
    char number[32];
    std::snprintf(number, sizeof number, "%3.2f", kProgramVersion);
    if (const size_t at = product.find("XXX"); at != std::string::npos) product.replace(at, 3, number);
    m_productLine.SetWindowText(product.c_str());
    version.Close();
    return TRUE;
}
