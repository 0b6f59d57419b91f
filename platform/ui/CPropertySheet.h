#pragma once
// Property sheets: pages of a dialog behind tabs, or one after the other as a
// wizard. A sheet runs modal (OK, Cancel, Apply, Help), modeless, as a child
// window without a caption of its own (inside another frame), or as a wizard
// (Back, Next, Finish, Cancel). A page gets its window only when it is first
// shown, so code that asks a page before then works from its members.
#include "platform/ui/CDialog.h"
#include "platform/ui/CDialogControls.h"

#include <vector>

class QStackedWidget;
class QTabWidget;

// Sheet flags.
constexpr DWORD PSH_HASHELP = 0x00000200;
constexpr DWORD PSH_NOAPPLYNOW = 0x00000080;
constexpr DWORD PSH_WIZARD = 0x00000020;
// Wizard buttons.
constexpr DWORD PSWIZB_BACK = 0x1;
constexpr DWORD PSWIZB_NEXT = 0x2;
constexpr DWORD PSWIZB_FINISH = 0x4;
constexpr DWORD PSWIZB_DISABLEDFINISH = 0x8;
// Buttons for PressButton.
constexpr int PSBTN_BACK = 0;
constexpr int PSBTN_NEXT = 1;
constexpr int PSBTN_FINISH = 2;
constexpr int PSBTN_OK = 3;
constexpr int PSBTN_APPLYNOW = 4;
constexpr int PSBTN_CANCEL = 5;
constexpr int PSBTN_HELP = 6;

struct PROPSHEETHEADER {
    DWORD dwFlags = 0;
    UINT nStartPage = 0;
};

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(const char* lpszTemplateName, UINT nIDCaption = 0);
    ~CPropertyPage() override;

    // Entering the page (TRUE shows it); the second and later times it fills the controls again.
    virtual BOOL OnSetActive();
    // Leaving the page: reads and checks the controls; FALSE keeps the page.
    virtual BOOL OnKillActive();
    // OK or Apply: the page's changes are to be taken.
    void OnOK() override;
    void OnCancel() override;
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    // 0 goes to the previous (next) page, -1 stays, another value is the template id of the page to go to.
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();
    void SetModified(BOOL bChanged = TRUE);
    BOOL IsModified() const { return m_bModified; }

    // The tab or step caption: the caption string, else the template's caption.
    CString GetCaption() const;
    CPropertySheet* GetSheet() const { return m_pSheet; }

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;

private:
    friend class CPropertySheet;
    UINT m_nIDCaption = 0;
    CPropertySheet* m_pSheet = nullptr;
    bool m_bFirstSetActive = true;
    bool m_bModified = false;
};

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(const char* pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    // Pages are not owned.
    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(const CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    void SetTitle(const char* lpszText, UINT nStyle = 0);
    // The text on a page's tab (the page's caption until changed); FALSE while there is no such tab.
    BOOL SetTabText(int nPage, const char* lpszText);
    CString GetTabText(int nPage) const;
    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
    BOOL IsWizard() const { return (m_psh.dwFlags & PSH_WIZARD) != 0; }
    void SetWizardButtons(DWORD dwFlags);
    void SetFinishText(const char* lpszText);
    BOOL PressButton(int nButton);
    void EndDialog(int nEndID);

    // Modal: OK, Cancel or, for a wizard, ID_WIZFINISH; -1 when the window cannot be made.
    virtual INT_PTR DoModal();
    // Modeless (dwStyle with WS_CHILD: a child window without a caption or buttons of its own).
    virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = static_cast<DWORD>(-1),
                        DWORD dwExStyle = 0);
    virtual BOOL OnInitDialog();

    BOOL IsEnded() const { return m_run.ended; }
    int GetModalResult() const { return m_run.result; }

    PROPSHEETHEADER m_psh;
    CWnd* m_pParentWnd = nullptr;

    // Where a page's window goes.
    QWidget* PageHost(const CPropertyPage* pPage) const;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    void OnClose() override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void OnHelp();
    void OnOK();
    void OnCancel();
    void OnApplyNow();
    void OnWizBack();
    void OnWizNext();
    void OnWizFinish();
    DECLARE_MESSAGE_MAP()

    CString m_strCaption;
    CModalRun m_run;

private:
    bool Activate(int nPage);
    void MakeButtons();
    void ShowPage(int nPage);
    std::vector<CPropertyPage*> m_pages;
    std::vector<QWidget*> m_hosts;
    int m_nActive = -1;
    QTabWidget* m_pTabs = nullptr;
    QStackedWidget* m_pStack = nullptr;
    std::vector<std::unique_ptr<CButton>> m_buttons;
    bool m_bChild = false;
};
