#include "platform/ui/CPropertySheet.h"

#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CDialogWidget.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWinApp.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

// --- CPropertyPage ----------------------------------------------------------------------------------

CPropertyPage::CPropertyPage() = default;

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CDialog(nIDTemplate), m_nIDCaption(nIDCaption) {}

CPropertyPage::CPropertyPage(const char* lpszTemplateName, UINT nIDCaption)
    : CDialog(lpszTemplateName), m_nIDCaption(nIDCaption) {}

CPropertyPage::~CPropertyPage() {
    if (m_pSheet) m_pSheet->RemovePage(this);
}

CString CPropertyPage::GetCaption() const {
    CString caption;
    if (m_nIDCaption && AfxLoadString(m_nIDCaption, caption)) return caption;
    const CDialogTemplate* t = GetTemplate();
    return t ? t->caption : CString();
}

QWidget* CPropertyPage::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    QWidget* host = m_pSheet ? m_pSheet->PageHost(this) : nullptr;
    CREATESTRUCT child = cs;
    child.style = (cs.style & ~WS_POPUP) | WS_CHILD;
    QWidget* widget = CDialog::CreateWidget(child, host ? host : parentWidget);
    if (host) widget->move(0, 0);
    return widget;
}

BOOL CPropertyPage::OnSetActive() {
    if (m_bFirstSetActive)
        m_bFirstSetActive = false;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(TRUE);
}

void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnApply() {
    OnOK();
    m_bModified = false;
    return TRUE;
}

void CPropertyPage::OnReset() {
    OnCancel();
}

BOOL CPropertyPage::OnQueryCancel() {
    return TRUE;
}

LRESULT CPropertyPage::OnWizardBack() {
    return 0;
}
LRESULT CPropertyPage::OnWizardNext() {
    return 0;
}
BOOL CPropertyPage::OnWizardFinish() {
    return TRUE;
}

void CPropertyPage::SetModified(BOOL bChanged) {
    m_bModified = bChanged;
    if (m_pSheet)
        if (CWnd* apply = m_pSheet->GetDlgItem(ID_APPLY_NOW)) {
            bool any = false;
            for (int i = 0; i < m_pSheet->GetPageCount(); ++i)
                any = any || m_pSheet->GetPage(i)->IsModified();
            apply->EnableWindow(any);
        }
}

// --- CPropertySheet ---------------------------------------------------------------------------------

namespace {

constexpr int kMargin = 7;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kGap = 6;

} // namespace

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
ON_COMMAND(IDOK, &CPropertySheet::OnOK)
ON_COMMAND(IDCANCEL, &CPropertySheet::OnCancel)
ON_COMMAND(ID_APPLY_NOW, &CPropertySheet::OnApplyNow)
ON_COMMAND(IDHELP, &CPropertySheet::OnHelp)
ON_COMMAND(ID_WIZBACK, &CPropertySheet::OnWizBack)
ON_COMMAND(ID_WIZNEXT, &CPropertySheet::OnWizNext)
ON_COMMAND(ID_WIZFINISH, &CPropertySheet::OnWizFinish)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet() = default;

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_pParentWnd(pParentWnd), m_strCaption(AfxLoadString(nIDCaption)) {
    m_psh.nStartPage = iSelectPage;
}

CPropertySheet::CPropertySheet(const char* pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_pParentWnd(pParentWnd), m_strCaption(pszCaption ? pszCaption : "") {
    m_psh.nStartPage = iSelectPage;
}

CPropertySheet::~CPropertySheet() {
    if (IsWindow()) DestroyWindow();
    for (CPropertyPage* page : m_pages)
        page->m_pSheet = nullptr;
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    if (!pPage) return;
    pPage->m_pSheet = this;
    m_pages.push_back(pPage);
    if (!IsWindow()) return;
    auto* host = new QWidget;
    m_hosts.push_back(host);
    if (m_pTabs) m_pTabs->addTab(host, QString::fromStdString(pPage->GetCaption()));
    if (m_pStack) m_pStack->addWidget(host);
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) {
    const int index = GetPageIndex(pPage);
    if (index >= 0) RemovePage(index);
}

void CPropertySheet::RemovePage(int nPage) {
    if (nPage < 0 || nPage >= GetPageCount()) return;
    CPropertyPage* page = m_pages[static_cast<size_t>(nPage)];
    if (page->IsWindow()) page->DestroyWindow();
    page->m_pSheet = nullptr;
    page->m_bFirstSetActive = true;
    m_pages.erase(m_pages.begin() + nPage);
    if (nPage < static_cast<int>(m_hosts.size())) {
        delete m_hosts[static_cast<size_t>(nPage)];
        m_hosts.erase(m_hosts.begin() + nPage);
    }
    if (m_nActive == nPage) {
        m_nActive = -1;
        if (IsWindow() && !m_pages.empty()) Activate(std::min(nPage, GetPageCount() - 1));
    } else if (m_nActive > nPage) {
        --m_nActive;
    }
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[static_cast<size_t>(nPage)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* pPage) const {
    for (size_t i = 0; i < m_pages.size(); ++i)
        if (m_pages[i] == pPage) return static_cast<int>(i);
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    // Before the window exists the start page counts as the active one.
    return GetPage(GetActiveIndex());
}

int CPropertySheet::GetActiveIndex() const {
    if (!IsWindow() || m_nActive < 0) return static_cast<int>(m_psh.nStartPage);
    return m_nActive;
}

BOOL CPropertySheet::SetActivePage(int nPage) {
    if (nPage < 0 || nPage >= GetPageCount()) return FALSE;
    if (!IsWindow()) {
        m_psh.nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    return Activate(nPage);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) {
    return SetActivePage(GetPageIndex(pPage));
}

void CPropertySheet::SetTitle(const char* lpszText, UINT) {
    m_strCaption = lpszText ? lpszText : "";
    if (IsWindow()) SetWindowText(m_strCaption.c_str());
}

BOOL CPropertySheet::SetTabText(int nPage, const char* lpszText) {
    if (!m_pTabs || nPage < 0 || nPage >= m_pTabs->count()) return FALSE;
    m_pTabs->setTabText(nPage, QString::fromUtf8(lpszText ? lpszText : ""));
    return TRUE;
}

CString CPropertySheet::GetTabText(int nPage) const {
    if (!m_pTabs || nPage < 0 || nPage >= m_pTabs->count()) return CString();
    return m_pTabs->tabText(nPage).toStdString();
}

QWidget* CPropertySheet::PageHost(const CPropertyPage* pPage) const {
    const int index = GetPageIndex(pPage);
    return index >= 0 && index < static_cast<int>(m_hosts.size()) ? m_hosts[static_cast<size_t>(index)]
                                                                  : nullptr;
}

bool CPropertySheet::Activate(int nPage) {
    if (nPage < 0 || nPage >= GetPageCount()) return false;
    if (nPage == m_nActive) return true;
    if (CPropertyPage* current = GetPage(m_nActive); current && current->IsWindow())
        if (!current->OnKillActive()) {
            ShowPage(m_nActive);
            return false;
        }
    CPropertyPage* page = m_pages[static_cast<size_t>(nPage)];
    if (!page->IsWindow()) {
        page->m_pSheet = this;
        if (!page->CreateFromTemplate(this, WS_CHILD)) return false;
        page->ShowWindow(SW_SHOW);
    }
    m_nActive = nPage;
    ShowPage(nPage);
    page->OnSetActive();
    // Each page change shows the page's caption (a wizard's steps name themselves).
    if (IsWizard()) {
        const CString caption = page->GetCaption();
        SetWindowText(caption.empty() ? m_strCaption.c_str() : caption.c_str());
    }
    return true;
}

void CPropertySheet::ShowPage(int nPage) {
    if (m_pTabs) {
        const QSignalBlocker block(m_pTabs);
        m_pTabs->setCurrentIndex(nPage);
    }
    if (m_pStack) m_pStack->setCurrentIndex(nPage);
}

QWidget* CPropertySheet::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    SetOwnPaintAndInput(false);
    m_bChild = (cs.style & WS_CHILD) != 0;
    QWidget* widget = nullptr;
    if (m_bChild) {
        widget = new QWidget(parentWidget);
    } else {
        QWidget* owner = parentWidget ? parentWidget->window() : nullptr;
        Qt::WindowFlags flags =
            Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (cs.dwExStyle & WS_EX_CONTEXTHELP) flags |= Qt::WindowContextHelpButtonHint;
        widget = new CDialogWidget(owner, flags);
    }
    QFont font = QApplication::font();
    font.setPointSize(8);
    widget->setFont(font);
    // The pages' area is as large as the largest page.
    QSize pageSize(0, 0);
    for (CPropertyPage* page : m_pages)
        if (const CDialogTemplate* t = page->GetTemplate()) {
            const RECT r = AfxDialogTemplateRect(*t);
            pageSize = pageSize.expandedTo(QSize(r.right, r.bottom));
        }
    QRect area;
    if (IsWizard()) {
        m_pStack = new QStackedWidget(widget);
        area = QRect(QPoint(0, 0), pageSize);
        m_pStack->setGeometry(area);
        for (size_t i = 0; i < m_pages.size(); ++i) {
            auto* host = new QWidget;
            m_hosts.push_back(host);
            m_pStack->addWidget(host);
        }
        auto* line = new QFrame(widget);
        line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        line->setGeometry(0, area.bottom() + 1, area.width(), 2);
    } else {
        m_pTabs = new QTabWidget(widget);
        for (CPropertyPage* page : m_pages) {
            auto* host = new QWidget;
            m_hosts.push_back(host);
            m_pTabs->addTab(host, QString::fromStdString(page->GetCaption()));
        }
        // Every tab shows its whole caption: the sheet is as wide as its tabs need.
        m_pTabs->setElideMode(Qt::ElideNone);
        m_pTabs->setUsesScrollButtons(false);
        const int tabHeight = m_pTabs->tabBar()->sizeHint().height();
        const int tabsWidth = m_pTabs->tabBar()->sizeHint().width() + 4;
        const int margin = m_bChild ? 0 : kMargin;
        area = QRect(margin, margin, std::max(pageSize.width() + 4, tabsWidth), pageSize.height() + tabHeight + 4);
        m_pTabs->setGeometry(area);
        QObject::connect(m_pTabs, &QTabWidget::currentChanged, widget, [widget](int index) {
            if (auto* sheet = dynamic_cast<CPropertySheet*>(CWnd::FromWidget(widget))) sheet->Activate(index);
        });
    }
    int width = area.right() + 1 + (m_bChild || IsWizard() ? 0 : kMargin);
    int height = area.bottom() + 1;
    if (!m_bChild && m_run.modal) height += kGap + kButtonHeight + kMargin;
    if (!m_bChild) {
        const int buttons = IsWizard() ? 5 : 4;
        width = std::max(width, buttons * (kButtonWidth + kGap) + kMargin);
    }
    widget->setFixedSize(width, height);
    return widget;
}

int CPropertySheet::OnCreate(LPCREATESTRUCT) {
    if (!m_bChild && m_run.modal) MakeButtons();
    return 0;
}

void CPropertySheet::MakeButtons() {
    QWidget* widget = GetWidget();
    const int y = widget->height() - kMargin - kButtonHeight;
    struct Def {
        UINT id;
        const char* text;
    };
    std::vector<Def> defs;
    if (IsWizard())
        defs = {{ID_WIZBACK, "< Back"}, {ID_WIZNEXT, "Next >"}, {IDCANCEL, "Cancel"}};
    else
        defs = {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    if (!IsWizard() && !(m_psh.dwFlags & PSH_NOAPPLYNOW)) defs.push_back({ID_APPLY_NOW, "&Apply"});
    if (m_psh.dwFlags & PSH_HASHELP) defs.push_back({IDHELP, "Help"});
    int x = widget->width() - kMargin - static_cast<int>(defs.size()) * (kButtonWidth + kGap) + kGap;
    for (size_t i = 0; i < defs.size(); ++i) {
        auto button = std::make_unique<CButton>();
        const DWORD style =
            WS_CHILD | WS_VISIBLE | WS_TABSTOP |
            (defs[i].id == IDOK || defs[i].id == ID_WIZNEXT ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        button->CreateEx(0, WC_BUTTON, defs[i].text, style, x, y, kButtonWidth, kButtonHeight, this,
                         defs[i].id);
        if (defs[i].id == ID_WIZNEXT) {
            // Finish waits hidden in Next's place.
            auto finish = std::make_unique<CButton>();
            finish->CreateEx(0, WC_BUTTON, "Finish", WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, x, y,
                             kButtonWidth, kButtonHeight, this, ID_WIZFINISH);
            m_buttons.push_back(std::move(finish));
        }
        // Back and Next sit together; the other buttons keep a gap.
        x += kButtonWidth + (defs[i].id == ID_WIZBACK ? 0 : kGap);
        if (defs[i].id == ID_APPLY_NOW) button->EnableWindow(FALSE);
        m_buttons.push_back(std::move(button));
    }
}

INT_PTR CPropertySheet::DoModal() {
    if (IsWindow()) return -1;
    m_run.Begin();
    CWnd* parent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    if (!CreateEx(0, "#32770", m_strCaption.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, 0)) {
        m_run.modal = false;
        return -1;
    }
    OnInitDialog();
    INT_PTR result = m_run.result;
    if (!m_run.ended) result = CModalDialogService::Instance().RunModal(*this, m_run, 0);
    if (IsWindow()) DestroyWindow();
    m_run.modal = false;
    return result;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle) {
    if (IsWindow()) return FALSE;
    if (dwStyle == static_cast<DWORD>(-1)) dwStyle = WS_SYSMENU | WS_POPUP | WS_CAPTION | WS_VISIBLE;
    if (pParentWnd) m_pParentWnd = pParentWnd;
    if (!CreateEx(dwExStyle, "#32770", m_strCaption.c_str(), dwStyle & ~WS_VISIBLE, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_pParentWnd, 0))
        return FALSE;
    OnInitDialog();
    if (IsWindow() && (dwStyle & WS_VISIBLE)) ShowWindow(SW_SHOW);
    return IsWindow();
}

BOOL CPropertySheet::OnInitDialog() {
    if (m_pages.empty()) return TRUE;
    const int start = std::clamp(static_cast<int>(m_psh.nStartPage), 0, GetPageCount() - 1);
    m_nActive = -1;
    Activate(start);
    return TRUE;
}

void CPropertySheet::EndDialog(int nEndID) {
    if (m_run.modal)
        m_run.End(nEndID);
    else if (IsWindow())
        DestroyWindow();
}

void CPropertySheet::OnClose() {
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KICKIDLE) {
        LRESULT result = 0;
        if (DispatchMessageMap(message, wParam, lParam, &result)) return result;
        if (CPropertyPage* page = GetPage(m_nActive); page && page->IsWindow())
            page->SendMessage(WM_KICKIDLE, wParam, lParam);
        return 0;
    }
    if (message == WM_DESTROY) {
        // The pages' windows go with the sheet; the page objects stay with their owners.
        for (CPropertyPage* page : m_pages)
            if (page->IsWindow()) page->DestroyWindow();
    }
    if (message == WM_NCDESTROY) {
        m_hosts.clear();
        m_pTabs = nullptr;
        m_pStack = nullptr;
        m_buttons.clear();
        m_nActive = -1;
        for (CPropertyPage* page : m_pages)
            page->m_bFirstSetActive = true;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CPropertySheet::OnOK() {
    if (CPropertyPage* page = GetPage(m_nActive); page && page->IsWindow() && !page->OnKillActive()) return;
    for (CPropertyPage* page : m_pages)
        if (page->IsWindow() && !page->OnApply()) return;
    EndDialog(IDOK);
}

void CPropertySheet::OnApplyNow() {
    if (CPropertyPage* page = GetPage(m_nActive); page && page->IsWindow() && !page->OnKillActive()) return;
    for (CPropertyPage* page : m_pages)
        if (page->IsWindow() && !page->OnApply()) return;
    if (CWnd* apply = GetDlgItem(ID_APPLY_NOW)) apply->EnableWindow(FALSE);
}

void CPropertySheet::OnCancel() {
    if (CPropertyPage* page = GetPage(m_nActive); page && page->IsWindow() && !page->OnQueryCancel()) return;
    for (CPropertyPage* page : m_pages)
        if (page->IsWindow()) page->OnReset();
    EndDialog(IDCANCEL);
}

void CPropertySheet::OnHelp() {
    if (CPropertyPage* page = GetPage(m_nActive); page && page->IsWindow())
        page->SendMessage(WM_COMMAND, MAKEWPARAM(IDHELP, BN_CLICKED), 0);
}

namespace {
int pageOfResult(const CPropertySheet& sheet, LRESULT result, int fallback) {
    if (result == 0) return fallback;
    if (result == -1) return -1;
    for (int i = 0; i < sheet.GetPageCount(); ++i)
        if (static_cast<LRESULT>(sheet.GetPage(i)->m_nIDTemplate) == result) return i;
    return -1;
}
} // namespace

void CPropertySheet::OnWizBack() {
    CPropertyPage* page = GetPage(m_nActive);
    if (!page) return;
    const int target = pageOfResult(*this, page->OnWizardBack(), m_nActive - 1);
    if (target < 0) return;
    // Going back does not check the page being left.
    m_nActive = -1;
    Activate(target);
}

void CPropertySheet::OnWizNext() {
    CPropertyPage* page = GetPage(m_nActive);
    if (!page) return;
    const int target = pageOfResult(*this, page->OnWizardNext(), m_nActive + 1);
    if (target < 0 || target >= GetPageCount()) return;
    Activate(target);
}

void CPropertySheet::OnWizFinish() {
    CPropertyPage* page = GetPage(m_nActive);
    if (!page || !page->OnWizardFinish()) return;
    EndDialog(ID_WIZFINISH);
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags) {
    if (CWnd* back = GetDlgItem(ID_WIZBACK)) back->EnableWindow((dwFlags & PSWIZB_BACK) != 0);
    CWnd* next = GetDlgItem(ID_WIZNEXT);
    CWnd* finish = GetDlgItem(ID_WIZFINISH);
    const bool showFinish = (dwFlags & (PSWIZB_FINISH | PSWIZB_DISABLEDFINISH)) != 0;
    if (next) {
        next->EnableWindow((dwFlags & PSWIZB_NEXT) != 0);
        next->ShowWindow(showFinish ? SW_HIDE : SW_SHOW);
    }
    if (finish) {
        finish->ShowWindow(showFinish ? SW_SHOW : SW_HIDE);
        finish->EnableWindow((dwFlags & PSWIZB_FINISH) != 0);
    }
}

void CPropertySheet::SetFinishText(const char* lpszText) {
    if (CWnd* finish = GetDlgItem(ID_WIZFINISH)) {
        finish->SetWindowText(lpszText);
        finish->ShowWindow(SW_SHOW);
    }
    if (CWnd* next = GetDlgItem(ID_WIZNEXT)) next->ShowWindow(SW_HIDE);
}

BOOL CPropertySheet::PressButton(int nButton) {
    static const UINT ids[] = {ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH, IDOK, ID_APPLY_NOW, IDCANCEL, IDHELP};
    if (nButton < 0 || nButton > PSBTN_HELP) return FALSE;
    const UINT id = ids[nButton];
    if (auto* button = dynamic_cast<CButton*>(GetDlgItem(static_cast<int>(id)))) {
        if (!button->IsWindowEnabled()) return FALSE;
        button->Click();
        return TRUE;
    }
    return OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
}

void CScriptedDialogService::Queue(std::function<void(CPropertySheet&)> script) {
    m_scripts.push_back([script = std::move(script)](CWnd& window) {
        if (auto* sheet = dynamic_cast<CPropertySheet*>(&window)) script(*sheet);
    });
}
