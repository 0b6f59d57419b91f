#include "platform/ui/CFormView.h"

#include "platform/gdi/GdiDefs.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialogBuilder.h"
#include "platform/ui/CResources.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

CFormView::CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

CFormView::CFormView(const char* lpszTemplateName)
    : m_lpszTemplateName(lpszTemplateName ? lpszTemplateName : "") {}

CFormView::~CFormView() = default;

QWidget* CFormView::GetClientWidget() const {
    // The controls go where the view paints.
    return GetInputWidget();
}

int CFormView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CScrollView::OnCreate(lpCreateStruct) == -1) return -1;
    const CDialogTemplate* dialogTemplate =
        m_nIDTemplate ? CResources::Instance().FindDialog(m_nIDTemplate)
                      : CResources::Instance().FindDialog(m_lpszTemplateName.c_str());
    if (!dialogTemplate) return -1;
    m_pBuilder = std::make_unique<CDialogBuilder>(*this, *dialogTemplate);
    const QFont font = m_pBuilder->Font();
    if (QWidget* client = GetClientWidget()) client->setFont(font);
    m_pBuilder->MeasureUnits(font);
    m_pBuilder->Build();
    const QSize size = m_pBuilder->Size();
    SetScrollSizes(MM_TEXT, SIZE{size.width(), size.height()});
    return 0;
}

void CFormView::OnInitialUpdate() {
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

BOOL CFormView::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

void CFormView::DoDataExchange(CDataExchange*) {}

void CFormView::OnDraw(CDC*) {}

BOOL CFormView::SubclassDlgItem(UINT nID, CWnd& control) {
    return m_pBuilder && m_pBuilder->Replace(nID, control);
}

const CDialogTemplate* CFormView::GetBuiltTemplate() const {
    return m_pBuilder ? &m_pBuilder->Template() : nullptr;
}
