#include "platform/ui/CDialog.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialogBuilder.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CDialogWidget.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWinApp.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <map>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

CDialogWidget::CDialogWidget(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

void CDialogWidget::reject() {
    if (CWnd* wnd = CWnd::FromWidget(this)) wnd->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void CDialogWidget::accept() {}
void CDialogWidget::done(int) {}

void CDialogWidget::keyPressEvent(QKeyEvent* event) {
    // F1 asks for help on the control that has the focus.
    if (event->key() == Qt::Key_F1) {
        if (CWnd* wnd = CWnd::FromWidget(this)) {
            CWnd* control = CWnd::FromWidget(focusWidget());
            wnd->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(control ? control->m_hWnd : nullptr));
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

RECT AfxDialogTemplateRect(const CDialogTemplate& dialogTemplate) {
    CDialog dummy;
    CDialogBuilder builder(dummy, dialogTemplate);
    builder.MeasureUnits(builder.Font());
    const QSize size = builder.Size();
    return RECT{0, 0, size.width(), size.height()};
}

CTemplateWindow::~CTemplateWindow() = default;

// --- CDialog ----------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
ON_COMMAND(IDHELP, &CDialog::OnHelp)
ON_COMMAND(ID_HELP, &CDialog::OnHelp)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {
    m_nIDHelp = nIDTemplate;
}

CDialog::CDialog(const char* lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName ? lpszTemplateName : ""), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    if (IsWindow()) DestroyWindow();
}

const CDialogTemplate* CDialog::GetTemplate() const {
    const CResourceModuleScope scope(m_strResourceModule.empty() ? CResources::CurrentModule().c_str()
                                                                 : m_strResourceModule.c_str());
    if (m_nIDTemplate) return CResources::Instance().FindDialog(m_nIDTemplate);
    if (!m_lpszTemplateName.empty()) return CResources::Instance().FindDialog(m_lpszTemplateName.c_str());
    return nullptr;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDTemplate = nIDTemplate;
    if (!m_nIDHelp) m_nIDHelp = nIDTemplate;
    if (pParentWnd) m_pParentWnd = pParentWnd;
    return CreateFromTemplate(m_pParentWnd, 0);
}

BOOL CDialog::Create(const char* lpszTemplateName, CWnd* pParentWnd) {
    m_nIDTemplate = 0;
    m_lpszTemplateName = lpszTemplateName ? lpszTemplateName : "";
    if (pParentWnd) m_pParentWnd = pParentWnd;
    return CreateFromTemplate(m_pParentWnd, 0);
}

BOOL CDialog::CreateFromTemplate(CWnd* pParentWnd, DWORD extraStyle) {
    if (IsWindow()) return FALSE;
    const CDialogTemplate* dialogTemplate = GetTemplate();
    if (!dialogTemplate) return FALSE;
    m_pBuilder = std::make_unique<CDialogBuilder>(*this, *dialogTemplate);
    const DWORD style = (dialogTemplate->style | extraStyle) & ~WS_VISIBLE;
    if (!CreateEx(dialogTemplate->exStyle, "#32770", dialogTemplate->caption.c_str(), style, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd, 0))
        return FALSE;
    m_pBuilder->Build();
    SendMessage(WM_INITDIALOG, 0, 0);
    if (IsWindow() && !m_run.modal && ((dialogTemplate->style | extraStyle) & WS_VISIBLE))
        ShowWindow(SW_SHOW);
    return IsWindow();
}

QWidget* CDialog::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    SetOwnPaintAndInput(false);
    QWidget* widget = nullptr;
    if (cs.style & WS_CHILD) {
        widget = new QWidget(parentWidget);
    } else {
        // A popup dialog stays over its owner's window.
        QWidget* owner = parentWidget ? parentWidget->window() : nullptr;
        Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
        if (cs.style & WS_SYSMENU) flags |= Qt::WindowCloseButtonHint;
        if (cs.dwExStyle & WS_EX_CONTEXTHELP) flags |= Qt::WindowContextHelpButtonHint;
        auto* dialog = new CDialogWidget(owner, flags);
        dialog->setSizeGripEnabled(false);
        widget = dialog;
    }
    const QFont font = m_pBuilder->Font();
    widget->setFont(font);
    m_pBuilder->MeasureUnits(font);
    const QSize size = m_pBuilder->Size();
    if (cs.style & WS_CHILD) {
        const CDialogTemplate& t = m_pBuilder->Template();
        widget->setGeometry(m_pBuilder->ToPixelsX(t.x), m_pBuilder->ToPixelsY(t.y), size.width(),
                            size.height());
    } else if (cs.style & WS_THICKFRAME) {
        widget->resize(size);
    } else {
        widget->setFixedSize(size);
    }
    return widget;
}

INT_PTR CDialog::DoModal() {
    m_run.Begin();
    CWnd* parent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    if (!CreateFromTemplate(parent, 0)) {
        m_run.modal = false;
        return -1;
    }
    INT_PTR result = m_run.result;
    if (!m_run.ended) result = CModalDialogService::Instance().RunModal(*this, m_run, m_nIDTemplate);
    if (IsWindow()) DestroyWindow();
    m_run.modal = false;
    return result;
}

void CDialog::EndDialog(int nResult) {
    if (m_run.modal)
        m_run.End(nResult);
    else
        ShowWindow(SW_HIDE);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::OnHelp() {
    if (CWinApp* app = AfxGetApp()) app->WinHelp(m_nIDHelp ? 0x20000 + m_nIDHelp : 0, HELP_CONTEXT);
}

void CDialog::OnClose() {
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        LRESULT result = 0;
        if (DispatchMessageMap(message, wParam, lParam, &result)) return result;
        return OnInitDialog();
    }
    case DM_SETDEFID:
        SetDefID(static_cast<UINT>(wParam));
        return TRUE;
    case DM_GETDEFID:
        return static_cast<LRESULT>(GetDefID());
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    // A command (not a control's id, not a system command) that the dialog leaves
    // goes on to its owner, then the application.
    if ((nCode != CN_COMMAND && nCode != CN_UPDATE_COMMAND_UI) || nID < 0x8000 || nID >= 0xF000) return FALSE;
    if (m_pParentWnd && m_pParentWnd->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    if (CWinApp* app = AfxGetApp(); app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return FALSE;
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (!pWndCtrl || !pWndCtrl->GetWidget()) return;
    pWndCtrl->GetWidget()->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(pWndCtrl->GetWidget())) edit->selectAll();
}

void CDialog::NextDlgCtrl() const {
    if (QWidget* w = GetWidget()) {
        QWidget* focus = w->focusWidget();
        if (focus && focus->nextInFocusChain()) focus->nextInFocusChain()->setFocus(Qt::TabFocusReason);
    }
}

void CDialog::PrevDlgCtrl() const {
    if (QWidget* w = GetWidget()) {
        QWidget* focus = w->focusWidget();
        if (focus && focus->previousInFocusChain())
            focus->previousInFocusChain()->setFocus(Qt::BacktabFocusReason);
    }
}

void CDialog::SetDefID(UINT nID) {
    for (CWnd* child : GetChildWindows())
        if (auto* push = qobject_cast<QPushButton*>(child->GetWidget()))
            push->setDefault(static_cast<UINT>(child->GetDlgCtrlID()) == nID);
}

DWORD CDialog::GetDefID() const {
    for (CWnd* child : GetChildWindows())
        if (auto* push = qobject_cast<QPushButton*>(child->GetWidget()))
            if (push->isDefault()) return MAKELPARAM(child->GetDlgCtrlID(), 0x534B); // DC_HASDEFID
    return 0;
}

void CDialog::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        CheckDlgButton(id, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED);
}

int CDialog::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const {
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        if (IsDlgButtonChecked(id)) return id;
    return 0;
}

void CDialog::CheckDlgButton(int nIDButton, UINT nCheck) {
    if (auto* button = dynamic_cast<CButton*>(GetDlgItem(nIDButton)))
        button->SetCheck(static_cast<int>(nCheck));
}

UINT CDialog::IsDlgButtonChecked(int nIDButton) const {
    auto* button = dynamic_cast<CButton*>(GetDlgItem(nIDButton));
    return button ? static_cast<UINT>(button->GetCheck()) : 0;
}

void CDialog::SetDlgItemText(int nID, const char* lpszString) {
    if (CWnd* item = GetDlgItem(nID)) item->SetWindowText(lpszString);
}

CString CDialog::GetDlgItemText(int nID) const {
    CWnd* item = GetDlgItem(nID);
    return item ? item->GetWindowText() : CString();
}

void CDialog::SetDlgItemInt(int nID, int nValue, BOOL bSigned) {
    SetDlgItemText(nID, bSigned ? std::to_string(nValue).c_str()
                                : std::to_string(static_cast<UINT>(nValue)).c_str());
}

const CDialogTemplate* CDialog::GetBuiltTemplate() const {
    return m_pBuilder ? &m_pBuilder->Template() : nullptr;
}

BOOL CDialog::SubclassDlgItem(UINT nID, CWnd& control) {
    return m_pBuilder && m_pBuilder->Replace(nID, control);
}

void CDialog::PressButton(UINT nID) {
    if (auto* button = dynamic_cast<CButton*>(GetDlgItem(static_cast<int>(nID)))) {
        if (button->IsWindowEnabled()) button->Click();
        return;
    }
    OnCmdMsg(nID, CN_COMMAND, nullptr, nullptr);
}

void CDialog::KickIdle() {
    SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, 0);
}

// --- update of the controls -------------------------------------------------------------------------

namespace {

class CDialogCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        auto* control = static_cast<CWnd*>(m_pOther);
        if (!bOn && control->GetWidget() && control->GetWidget()->hasFocus()) {
            // The focus leaves a control that is being disabled.
            if (QWidget* next = control->GetWidget()->nextInFocusChain()) next->setFocus();
        }
        if (static_cast<bool>(control->IsWindowEnabled()) != static_cast<bool>(bOn))
            control->EnableWindow(bOn);
    }
    void SetCheck(int nCheck) override {
        if (auto* button = dynamic_cast<CButton*>(static_cast<CWnd*>(m_pOther))) button->SetCheck(nCheck);
    }
    void SetRadio(BOOL bOn) override { SetCheck(bOn ? 1 : 0); }
    void SetText(const char* lpszText) override {
        auto* control = static_cast<CWnd*>(m_pOther);
        if (control->GetWindowText() != (lpszText ? lpszText : "")) control->SetWindowText(lpszText);
    }
};

} // namespace

void AfxUpdateDialogControls(CWnd* pDialog, CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    if (!pDialog) return;
    if (!pTarget) pTarget = pDialog;
    std::vector<HWND> handles;
    for (CWnd* child : pDialog->GetChildWindows())
        handles.push_back(child->m_hWnd);
    for (HWND h : handles) {
        CWnd* child = CWnd::FromHandle(h);
        if (!child) continue;
        const int id = child->GetDlgCtrlID();
        if (id == 0 || id == 0xFFFF) continue;
        CDialogCmdUI state;
        state.m_nID = static_cast<UINT>(id);
        state.m_pOther = child;
        // Only push buttons without a handler are disabled.
        auto* push = qobject_cast<QPushButton*>(child->GetWidget());
        state.DoUpdate(pTarget, bDisableIfNoHndler && push != nullptr);
    }
}

// --- the services -----------------------------------------------------------------------------------

namespace {
CModalDialogService* g_dialogService = nullptr;
} // namespace

CModalDialogService::~CModalDialogService() = default;

CModalDialogService& CModalDialogService::Instance() {
    static CQtModalDialogService qtService;
    return g_dialogService ? *g_dialogService : qtService;
}

CModalDialogService* CModalDialogService::Install(CModalDialogService* service) {
    CModalDialogService* previous = g_dialogService;
    g_dialogService = service;
    return previous;
}

INT_PTR CQtModalDialogService::RunModal(CWnd& window, CModalRun& run, UINT) {
    QWidget* widget = window.GetWidget();
    if (!widget) return -1;
    QEventLoop loop;
    run.onEnded = [&loop]() { loop.quit(); };
    QObject::connect(widget, &QObject::destroyed, &loop, &QEventLoop::quit);
    // The loop's idle passes: WM_KICKIDLE whenever it is about to wait.
    const HWND handle = window.m_hWnd;
    QMetaObject::Connection idle;
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        idle = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &loop, [handle]() {
            if (CWnd* wnd = CWnd::FromHandle(handle)) wnd->SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, 0);
        });
    widget->setWindowModality(Qt::ApplicationModal);
    widget->show();
    if (!run.ended) loop.exec(QEventLoop::DialogExec);
    QObject::disconnect(idle);
    run.onEnded = nullptr;
    return run.ended ? run.result : IDCANCEL;
}

CScriptedDialogService::CScriptedDialogService() {
    m_previous = Install(this);
}

CScriptedDialogService::~CScriptedDialogService() {
    Install(m_previous);
}

void CScriptedDialogService::Queue(std::function<void(CDialog&)> script) {
    m_scripts.push_back([script = std::move(script)](CWnd& window) {
        if (auto* dialog = dynamic_cast<CDialog*>(&window)) script(*dialog);
    });
}

INT_PTR CScriptedDialogService::RunModal(CWnd& window, CModalRun& run, UINT templateId) {
    m_runs.push_back(templateId);
    // Shown as the program shows it (offscreen under test), so focus and visibility behave.
    if (QWidget* widget = window.GetWidget()) widget->show();
    window.SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, 0);
    if (!m_scripts.empty()) {
        auto script = std::move(m_scripts.front());
        m_scripts.pop_front();
        script(window);
    }
    if (!run.ended) run.End(IDCANCEL);
    return run.result;
}
