#pragma once
// The bases of every dialog, property page and property sheet of the program:
// the Help button opens the dialog's topic, help on a single control (F1, the
// caption's question mark) goes to the help dispatcher, which swallows it.
#include "platform/ui/CPropertySheet.h"

#include <vector>

// The help-id table: pairs (control id, context help id) for the direct child
// controls with a help id, in window order, ended by (0, 0).
std::vector<DWORD> AfxBuildHelpIDs(const CWnd* pDialog);

class ABaseDialog : public CDialog {
    DECLARE_DYNAMIC(ABaseDialog)
public:
    ABaseDialog();
    ABaseDialog(UINT nIDTemplate, CWnd* pParentWnd);
    ABaseDialog(const char* lpszTemplateName, CWnd* pParentWnd);
    ~ABaseDialog() override;

    // Null until the dialog is initialised.
    virtual const DWORD* GetHelpIDs();
    // The dialog's help topic; 0xFFFFFFFF for none.
    virtual DWORD GetDialogID();

    BOOL OnInitDialog() override;
    // The help-id table goes with the window.
    void OnDestroy() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnHelp() override;
    LRESULT OnHelpMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    std::vector<DWORD> m_helpIDs;
};

class ABasePropertyPage : public CPropertyPage {
    DECLARE_DYNAMIC(ABasePropertyPage)
public:
    ABasePropertyPage();
    ABasePropertyPage(UINT nIDTemplate, UINT nIDCaption);
    ABasePropertyPage(const char* lpszTemplateName, UINT nIDCaption);
    ~ABasePropertyPage() override;

    virtual const DWORD* GetHelpIDs();
    virtual DWORD GetDialogID();

    BOOL OnInitDialog() override;

protected:
    LRESULT OnHelpMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    std::vector<DWORD> m_helpIDs;
};

class ABasePropertySheet : public CPropertySheet {
    DECLARE_DYNAMIC(ABasePropertySheet)
public:
    ABasePropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ABasePropertySheet(const char* pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~ABasePropertySheet() override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    // The active page's topic, when it is one of ours and has one.
    void OnHelp() override;
};
