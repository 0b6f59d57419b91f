#include "framework/AWizard.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDataExchange.h"
#include "resources/tamrix/TamrixResources.h"

#include <QWidget>

#include <cstdio>

IMPLEMENT_DYNAMIC(AWizard, ABasePropertySheet)
IMPLEMENT_DYNCREATE(AWizardPage, ABasePropertyPage)
IMPLEMENT_DYNAMIC(ADlgWizardInformation, ABaseDialog)

// --- AWizard ----------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(AWizard, ABasePropertySheet)
ON_MESSAGE(WM_KICKIDLE, &AWizard::OnKickIdle)
ON_UPDATE_COMMAND_UI(ID_WIZBACK, &AWizard::OnUpdateBack)
ON_UPDATE_COMMAND_UI(ID_WIZNEXT, &AWizard::OnUpdateNext)
ON_UPDATE_COMMAND_UI(ID_WIZFINISH, &AWizard::OnUpdateFinish)
END_MESSAGE_MAP()

AWizard::AWizard(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : ABasePropertySheet(nIDCaption, pParentWnd, iSelectPage) {
    SetWizardMode();
}

AWizard::AWizard(const char* pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : ABasePropertySheet(pszCaption, pParentWnd, iSelectPage) {
    SetWizardMode();
}

AWizard::~AWizard() = default;

BOOL AWizard::OnInitDialog() {
    const BOOL result = ABasePropertySheet::OnInitDialog();
    ArrangeButtons();
    return result;
}

BOOL AWizard::OnWizardFinish() {
    return TRUE;
}

void AWizard::ArrangeButtons() {
    CWnd* cancel = GetDlgItem(IDCANCEL);
    CWnd* next = GetDlgItem(ID_WIZNEXT);
    CWnd* back = GetDlgItem(ID_WIZBACK);
    if (!cancel || !next || !back) return;
    RECT rcCancel, rcNext;
    cancel->GetWindowRect(&rcCancel);
    next->GetWindowRect(&rcNext);
    const int d = rcNext.left - rcCancel.left;
    for (CWnd* button : {back, next}) {
        RECT r;
        button->GetWindowRect(&r);
        ScreenToClient(&r);
        button->MoveWindow(r.left + d, r.top, r.right - r.left, r.bottom - r.top);
    }
    if (CWnd* finish = GetDlgItem(ID_WIZFINISH)) finish->ShowWindow(SW_SHOW);
}

void AWizard::UpdateWizardTitle() {
    const CString current = GetWindowText();
    if (current == m_strLastTitle) return;
    char step[64];
    std::snprintf(step, sizeof step, " - Step %d of %d", GetActiveIndex() + 1, GetPageCount());
    m_strLastTitle = current + step;
    SetWindowText(m_strLastTitle.c_str());
}

LRESULT AWizard::OnKickIdle(WPARAM wParam, LPARAM lParam) {
    SendMessageToDescendants(WM_KICKIDLE, wParam, lParam, TRUE);
    AfxUpdateDialogControls(this, this, FALSE);
    if (m_bUpdateTitle) UpdateWizardTitle();
    return 0;
}

void AWizard::OnUpdateBack(CCmdUI* pCmdUI) {
    auto* page = dynamic_cast<AWizardPage*>(GetActivePage());
    pCmdUI->Enable(GetActiveIndex() > 0 && (!page || page->EnableBackButton()));
}

void AWizard::OnUpdateNext(CCmdUI* pCmdUI) {
    auto* page = dynamic_cast<AWizardPage*>(GetActivePage());
    const BOOL enable = GetActiveIndex() < GetPageCount() - 1 && (!page || page->EnableNextButton());
    pCmdUI->Enable(enable);
    // Next is the default button exactly while it is enabled.
    if (auto* next = dynamic_cast<CButton*>(GetDlgItem(ID_WIZNEXT))) {
        const UINT wanted = enable ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        if ((next->GetButtonStyle() & BS_TYPEMASK) != wanted) next->SetButtonStyle(wanted);
    }
}

void AWizard::OnUpdateFinish(CCmdUI* pCmdUI) {
    BOOL enable = TRUE;
    for (int i = 0; i < GetPageCount() && enable; ++i) {
        auto* page = dynamic_cast<AWizardPage*>(GetPage(i));
        if (page && !page->EnableFinishButton()) enable = FALSE;
    }
    pCmdUI->Enable(enable);
}

// --- AWizardPage ------------------------------------------------------------------------------------

AWizardPage::AWizardPage() = default;
AWizardPage::AWizardPage(UINT nIDTemplate, UINT nIDCaption) : ABasePropertyPage(nIDTemplate, nIDCaption) {}
AWizardPage::~AWizardPage() = default;

BOOL AWizardPage::EnableBackButton() {
    return TRUE;
}
BOOL AWizardPage::EnableNextButton() {
    return TRUE;
}
BOOL AWizardPage::EnableFinishButton() {
    return TRUE;
}
void AWizardPage::GetInformation(CString&) {}

BOOL AWizardPage::OnWizardFinish() {
    if (!UpdateData(TRUE)) return FALSE;
    auto* wizard = dynamic_cast<AWizard*>(GetSheet());
    if (wizard && !wizard->OnWizardFinish()) return FALSE;
    return ABasePropertyPage::OnWizardFinish();
}

// --- ADlgWizardInformation --------------------------------------------------------------------------

ADlgWizardInformation::ADlgWizardInformation(CWnd* pParent) : ABaseDialog(IDD, pParent) {
    RegisterTamrixResources();
    m_strResourceModule = kTamrixModule;
}

ADlgWizardInformation::~ADlgWizardInformation() = default;

void ADlgWizardInformation::SetMessageBottom(const CString& first, const CString& second, BOOL show) {
    m_strBottom1 = first;
    m_strBottom2 = second;
    m_bShowBottom = show;
}

void ADlgWizardInformation::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_INFORMATION, m_information);
    DDX_Control(pDX, IDC_MESSAGE_TOP, m_messageTop);
    DDX_Control(pDX, IDC_MESSAGE_BOTTOM1, m_messageBottom1);
    DDX_Control(pDX, IDC_MESSAGE_BOTTOM2, m_messageBottom2);
}

BOOL ADlgWizardInformation::OnInitDialog() {
    ABaseDialog::OnInitDialog();
    if (!m_strTop.empty()) m_messageTop.SetWindowText(m_strTop.c_str());
    if (!m_strInformation.empty()) m_information.SetWindowText(m_strInformation.c_str());
    if (m_bShowBottom) {
        if (!m_strBottom1.empty()) m_messageBottom1.SetWindowText(m_strBottom1.c_str());
        if (!m_strBottom2.empty()) m_messageBottom2.SetWindowText(m_strBottom2.c_str());
    } else {
        m_messageBottom1.ShowWindow(SW_HIDE);
        m_messageBottom2.ShowWindow(SW_HIDE);
    }
    return TRUE;
}
