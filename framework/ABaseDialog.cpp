#include "framework/ABaseDialog.h"

#include "framework/AHelp.h"
#include "platform/ui/CWinApp.h"

#include <QWidget>

IMPLEMENT_DYNAMIC(ABaseDialog, CDialog)
IMPLEMENT_DYNAMIC(ABasePropertyPage, CPropertyPage)
IMPLEMENT_DYNAMIC(ABasePropertySheet, CPropertySheet)

namespace {
constexpr DWORD kNoTopic = 0xFFFFFFFF;

void showTopic(DWORD topic) {
    if (topic == kNoTopic) return;
    if (CWinApp* app = AfxGetApp()) app->WinHelp(topic, HELP_CONTEXT);
}
} // namespace

std::vector<DWORD> AfxBuildHelpIDs(const CWnd* pDialog) {
    std::vector<DWORD> ids;
    if (pDialog)
        for (CWnd* child : pDialog->GetChildWindows()) {
            const DWORD helpId =
                child->GetWidget() ? child->GetWidget()->property("strakonHelpId").toUInt() : 0;
            if (helpId == 0) continue;
            ids.push_back(static_cast<DWORD>(child->GetDlgCtrlID()));
            ids.push_back(helpId);
        }
    ids.push_back(0);
    ids.push_back(0);
    return ids;
}

// --- ABaseDialog ------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(ABaseDialog, CDialog)
ON_MESSAGE(WM_HELP, &ABaseDialog::OnHelpMessage)
END_MESSAGE_MAP()

ABaseDialog::ABaseDialog() = default;
ABaseDialog::ABaseDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}
ABaseDialog::ABaseDialog(const char* lpszTemplateName, CWnd* pParentWnd)
    : CDialog(lpszTemplateName, pParentWnd) {}
ABaseDialog::~ABaseDialog() = default;

const DWORD* ABaseDialog::GetHelpIDs() {
    return m_helpIDs.empty() ? nullptr : m_helpIDs.data();
}

DWORD ABaseDialog::GetDialogID() {
    return kNoTopic;
}

BOOL ABaseDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_helpIDs = AfxBuildHelpIDs(this);
    return TRUE;
}

void ABaseDialog::OnDestroy() {
    m_helpIDs.clear();
    CDialog::OnDestroy();
}

void ABaseDialog::DoDataExchange(CDataExchange*) {}

void ABaseDialog::OnHelp() {
    showTopic(GetDialogID());
}

LRESULT ABaseDialog::OnHelpMessage(WPARAM, LPARAM lParam) {
    return AHelp::Instance()->TextPopup(reinterpret_cast<HWND>(lParam), GetHelpIDs());
}

// --- ABasePropertyPage ------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(ABasePropertyPage, CPropertyPage)
ON_MESSAGE(WM_HELP, &ABasePropertyPage::OnHelpMessage)
END_MESSAGE_MAP()

ABasePropertyPage::ABasePropertyPage() = default;
ABasePropertyPage::ABasePropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CPropertyPage(nIDTemplate, nIDCaption) {}
ABasePropertyPage::ABasePropertyPage(const char* lpszTemplateName, UINT nIDCaption)
    : CPropertyPage(lpszTemplateName, nIDCaption) {}
ABasePropertyPage::~ABasePropertyPage() = default;

const DWORD* ABasePropertyPage::GetHelpIDs() {
    return m_helpIDs.empty() ? nullptr : m_helpIDs.data();
}

DWORD ABasePropertyPage::GetDialogID() {
    return kNoTopic;
}

BOOL ABasePropertyPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_helpIDs = AfxBuildHelpIDs(this);
    return TRUE;
}

LRESULT ABasePropertyPage::OnHelpMessage(WPARAM, LPARAM lParam) {
    return AHelp::Instance()->TextPopup(reinterpret_cast<HWND>(lParam), GetHelpIDs());
}

// --- ABasePropertySheet -----------------------------------------------------------------------------

ABasePropertySheet::ABasePropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage) {}
ABasePropertySheet::ABasePropertySheet(const char* pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage) {}
ABasePropertySheet::~ABasePropertySheet() = default;

int ABasePropertySheet::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CPropertySheet::OnCreate(lpCreateStruct) == -1) return -1;
    m_dwExStyle |= WS_EX_CONTEXTHELP;
    if (QWidget* widget = GetWidget(); widget && widget->isWindow())
        widget->setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    return 0;
}

void ABasePropertySheet::OnHelp() {
    // No page, or a page that is not one of ours: no help.
    auto* page = dynamic_cast<ABasePropertyPage*>(GetActivePage());
    if (!page) return;
    showTopic(page->GetDialogID());
}
