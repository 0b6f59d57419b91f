#pragma once
// Wizards: a sheet in wizard mode whose Back, Next and Finish buttons follow the
// pages' wishes on every idle pass, whose caption shows the step, and whose
// Finish button stands beside Next. ADlgWizardInformation is the summary shown
// before a wizard's result is applied.
#include "framework/ABaseDialog.h"

class CCmdUI;

class AWizard : public ABasePropertySheet {
    DECLARE_DYNAMIC(AWizard)
public:
    AWizard(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    AWizard(const char* pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~AWizard() override;

    void ShowInformation(BOOL bShow) { m_bShowInformation = bShow; }
    BOOL OnInitDialog() override;
    // The derived wizard checks the whole input here; TRUE lets Finish end the wizard.
    virtual BOOL OnWizardFinish();
    virtual void ArrangeButtons();
    virtual void UpdateWizardTitle();

protected:
    LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    void OnUpdateBack(CCmdUI* pCmdUI);
    void OnUpdateNext(CCmdUI* pCmdUI);
    void OnUpdateFinish(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    int m_bUpdateTitle = 1;
    CString m_strLastTitle;
    int m_bShowInformation = FALSE;
};

class AWizardPage : public ABasePropertyPage {
    DECLARE_DYNCREATE(AWizardPage)
public:
    AWizardPage();
    AWizardPage(UINT nIDTemplate, UINT nIDCaption = 0);
    ~AWizardPage() override;

    virtual BOOL EnableBackButton();
    virtual BOOL EnableNextButton();
    // Asked of every page, shown or not: a page without a window answers from its members.
    virtual BOOL EnableFinishButton();
    // The page's part of the summary.
    virtual void GetInformation(CString& information);
    // Reads the page; invalid input, or a wizard that refuses, keeps the wizard open.
    BOOL OnWizardFinish() override;
};

class ADlgWizardInformation : public ABaseDialog {
    DECLARE_DYNAMIC(ADlgWizardInformation)
public:
    enum { IDD = 130 };
    static constexpr int IDC_INFORMATION = 1000;
    static constexpr int IDC_MESSAGE_TOP = 1002;
    static constexpr int IDC_MESSAGE_BOTTOM1 = 1003;
    static constexpr int IDC_MESSAGE_BOTTOM2 = 1004;

    explicit ADlgWizardInformation(CWnd* pParent = nullptr);
    ~ADlgWizardInformation() override;

    void SetMessageTop(const CString& text) { m_strTop = text; }
    void SetMessageBottom(const CString& first, const CString& second, BOOL show);
    void SetInformation(const CString& text) { m_strInformation = text; }
    BOOL OnInitDialog() override;

private:
    CEdit m_information;
    CStatic m_messageTop;
    CStatic m_messageBottom1;
    CStatic m_messageBottom2;
    CString m_strTop;
    CString m_strBottom1;
    CString m_strBottom2;
    CString m_strInformation;
    BOOL m_bShowBottom = TRUE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
