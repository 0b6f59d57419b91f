#include "platform/ui/CPrintInfo.h"

#include "platform/gdi/CPrinterDC.h"
#include "platform/ui/CPromptService.h"

#include <QPrinter>

#include <algorithm>

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd*) : m_setupOnly(bPrintSetupOnly) {
    m_pd.Flags = dwFlags;
}

CPrintDialog::~CPrintDialog() = default;

QPrinter& CPrintDialog::ProgramPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

QPrinter* CPrintDialog::GetPrinter() const {
    return &ProgramPrinter();
}

CDC* CPrintDialog::CreatePrinterDC() const {
    return new CPrinterDC(GetPrinter());
}

BOOL CPrintDialog::OnInitDialog() {
    return TRUE;
}

void CPrintDialog::HideControl(int nID) {
    if (std::find(m_hiddenControls.begin(), m_hiddenControls.end(), nID) == m_hiddenControls.end())
        m_hiddenControls.push_back(nID);
}

namespace {
const CPrintDialog* t_showing = nullptr;
} // namespace

const CPrintDialog* CPrintDialog::Showing() {
    return t_showing;
}

INT_PTR CPrintDialog::DoModal() {
    OnInitDialog();
    const CPrintDialog* outer = t_showing;
    t_showing = this;
    struct Restore {
        const CPrintDialog* outer;
        ~Restore() { t_showing = outer; }
    } restore{outer};
    CPrintDialogRequest request;
    request.printer = GetPrinter();
    request.setupOnly = m_setupOnly;
    request.minPage = m_pd.nMinPage;
    request.maxPage = m_pd.nMaxPage;
    request.fromPage = m_pd.nFromPage;
    request.toPage = m_pd.nToPage;
    request.noSelection = (m_pd.Flags & PD_NOSELECTION) != 0;
    if (!CPromptService::Instance().ChoosePrinter(request)) return IDCANCEL;
    m_range = request.range;
    if (m_range) {
        m_pd.nFromPage = request.fromPage;
        m_pd.nToPage = request.toPage;
    }
    return IDOK;
}

CPrintInfo::CPrintInfo() : m_pPD(std::make_unique<CPrintDialog>(FALSE)) {}

CPrintInfo::~CPrintInfo() = default;

UINT CPrintInfo::GetFromPage() const {
    if (!m_pPD->PrintRange()) return GetMinPage();
    return std::max(m_pPD->m_pd.nFromPage, GetMinPage());
}

UINT CPrintInfo::GetToPage() const {
    if (!m_pPD->PrintRange()) return GetMaxPage();
    return std::min(m_pPD->m_pd.nToPage, GetMaxPage());
}
