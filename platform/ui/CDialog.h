#pragma once
// Dialogs built from templates: modal (DoModal) and modeless (Create). The
// dialog's window holds the template's controls, each a window with its id,
// found with GetDlgItem. OnInitDialog runs once the controls exist and fills
// them from the members (UpdateData(FALSE)); OK reads them back
// (UpdateData(TRUE)) and closes only when that succeeds.
//
// DoModal goes through a replaceable service. The program's service runs the
// dialog in its own event loop until EndDialog; a test installs
// CScriptedDialogService and works the live, initialised dialog:
//
//   CScriptedDialogService dialogs;        // installs itself, restores on destruction
//   dialogs.Queue([](CDialog& dlg) {
//       dlg.GetDlgItem(IDC_COUNT)->SetWindowText("12");
//       dlg.PressButton(IDOK);             // runs OnOK as a click on OK does
//   });
//   EXPECT_EQ(dlg.DoModal(), IDOK);
#include "platform/ui/CWnd.h"
#include "platform/ui/DlgUi.h"

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class CDataExchange;
class CPropertySheet;
struct CDialogTemplate;
class QWidget;

// The state of one modal run of a dialog or sheet.
struct CModalRun {
    bool modal = false;
    bool ended = false;
    int result = -1;
    // Called when the run ends (the event loop quits here).
    std::function<void()> onEnded;
    void Begin() {
        modal = true;
        ended = false;
        result = -1;
    }
    void End(int nResult) {
        ended = true;
        result = nResult;
        if (onEnded) onEnded();
    }
};

// A window whose controls come from a dialog template: dialogs, property pages
// and form views. Data exchange takes controls over through it.
class CTemplateWindow {
public:
    virtual ~CTemplateWindow();
    // The control object of the id takes over the control: the template's control
    // is made again as that object, in the same place of the tab order.
    virtual BOOL SubclassDlgItem(UINT nID, CWnd& control) = 0;
    // The template the window was built from; null before it was built.
    virtual const CDialogTemplate* GetBuiltTemplate() const = 0;
};

class CDialog : public CWnd, public CTemplateWindow {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(const char* lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless: makes the window (visible when the template says WS_VISIBLE).
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(const char* lpszTemplateName, CWnd* pParentWnd = nullptr);
    // Modal: makes the window, runs it through the dialog service and destroys
    // it again. IDOK, IDCANCEL or what EndDialog was given; -1 when the window
    // could not be made.
    virtual INT_PTR DoModal();
    // Ends a modal dialog with the result; hides a modeless one.
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Reads the controls into the members (TRUE) or fills the controls (FALSE);
    // FALSE when a value failed its check (the user was told and the control has the focus).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void SetDlgItemText(int nID, const char* lpszString);
    CString GetDlgItemText(int nID) const;
    void SetDlgItemInt(int nID, int nValue, BOOL bSigned = TRUE);

    BOOL SubclassDlgItem(UINT nID, CWnd& control) override;
    const CDialogTemplate* GetBuiltTemplate() const override;

    // Sends the click of a push button as the user's click does (the button's notification).
    void PressButton(UINT nID);

    // Runs what the modal loop does when it has nothing to do: WM_KICKIDLE and the
    // update of the controls' command states.
    void KickIdle();

    BOOL IsModal() const { return m_run.modal; }
    // Whether EndDialog was called during the current run, and with what.
    BOOL IsEnded() const { return m_run.ended; }
    int GetModalResult() const { return m_run.result; }

    UINT m_nIDHelp = 0;
    // The template (by id, or by name when the id is 0).
    UINT m_nIDTemplate = 0;
    CString m_lpszTemplateName;
    CWnd* m_pParentWnd = nullptr;
    // The module whose resources hold the template (empty: the current module, then the program).
    CString m_strResourceModule;

    // The template of the dialog: the resources' one, unless a class gives its own.
    virtual const CDialogTemplate* GetTemplate() const;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // Builds the dialog's widget and its controls from the template.
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    void OnClose() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // The help command of the dialog's Help button; the application's help by default.
    virtual void OnHelp();
    // Builds the window from the template: modeless, child or modal.
    BOOL CreateFromTemplate(CWnd* pParentWnd, DWORD extraStyle);
    DECLARE_MESSAGE_MAP()

    CModalRun m_run;

private:
    friend class CDialogBuilder;
    friend class CPropertySheet;
    std::unique_ptr<class CDialogBuilder> m_pBuilder;
};

// Runs modal dialogs. The program's service runs an event loop per dialog.
class CModalDialogService {
public:
    virtual ~CModalDialogService();
    // Runs the created, initialised dialog or sheet until its run ends; the run's result.
    // templateId names the dialog (0 for sheets).
    virtual INT_PTR RunModal(CWnd& window, CModalRun& run, UINT templateId) = 0;

    static CModalDialogService& Instance();
    // Installs a service (not owned; null goes back to the program's); returns the previous one.
    static CModalDialogService* Install(CModalDialogService* service);
};

class CQtModalDialogService : public CModalDialogService {
public:
    INT_PTR RunModal(CWnd& window, CModalRun& run, UINT templateId) override;
};

// Works each modal dialog with the next queued script. The script gets the live,
// initialised dialog; a dialog that the script leaves running ends with IDCANCEL.
// A dialog without a script ends with IDCANCEL at once. Every run is recorded by
// its template id.
class CScriptedDialogService : public CModalDialogService {
public:
    CScriptedDialogService();
    ~CScriptedDialogService() override;
    CScriptedDialogService(const CScriptedDialogService&) = delete;
    CScriptedDialogService& operator=(const CScriptedDialogService&) = delete;

    void Queue(std::function<void(CDialog&)> script);
    void Queue(std::function<void(CPropertySheet&)> script);
    // Template ids of the dialogs run, 0 for sheets.
    const std::vector<UINT>& Runs() const { return m_runs; }
    INT_PTR RunModal(CWnd& window, CModalRun& run, UINT templateId) override;

private:
    CModalDialogService* m_previous = nullptr;
    std::deque<std::function<void(CWnd&)>> m_scripts;
    std::vector<UINT> m_runs;
};

// The size in pixels of a dialog made from the template.
RECT AfxDialogTemplateRect(const CDialogTemplate& dialogTemplate);

// Thrown by CDataExchange::Fail and caught by UpdateData.
class CUserException {};

// Sets the controls' enabled and checked states from the update handlers of
// pTarget (the dialog's own handlers by default).
void AfxUpdateDialogControls(CWnd* pDialog, CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
