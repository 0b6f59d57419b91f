#pragma once
// A view made of a dialog template's controls: its document's data is shown and
// edited in them, with data exchange as in a dialog. The controls sit in the
// view's client area at their template places; the scroll sizes are the template's.
#include "platform/ui/CDialog.h"
#include "platform/ui/CView.h"

#include <memory>

class CDialogBuilder;

class CFormView : public CScrollView, public CTemplateWindow {
    DECLARE_DYNAMIC(CFormView)
public:
    explicit CFormView(UINT nIDTemplate);
    explicit CFormView(const char* lpszTemplateName);
    ~CFormView() override;

    // Fills the controls from the members, then the view's first update.
    void OnInitialUpdate() override;
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    BOOL SubclassDlgItem(UINT nID, CWnd& control) override;
    const CDialogTemplate* GetBuiltTemplate() const override;

    UINT m_nIDTemplate = 0;
    CString m_lpszTemplateName;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // The form has nothing of its own to draw; its controls draw themselves.
    void OnDraw(CDC* pDC) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    QWidget* GetClientWidget() const override;

private:
    std::unique_ptr<CDialogBuilder> m_pBuilder;
};
