#pragma once
// Everything that asks the user or makes the user wait goes through one
// replaceable service: message boxes, the beep, file dialogs, popup menus, the
// wait cursor and sleeps. The program runs with the Qt implementation; a test
// installs CScriptedPromptService and answers without any modal loop.
//
//   CScriptedPromptService prompts;          // installs itself, restores on destruction
//   prompts.QueueMessageBoxAnswer(IDCANCEL);
//   ... code that asks "Save changes to ...?" ...
//   EXPECT_EQ(prompts.MessageBoxes().size(), 1u);
#include "platform/core/COLORREF.h"
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"
#include "platform/ui/WinUi.h"

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class QPrinter;

struct CMessageBoxRequest {
    CString text;
    CString caption;
    UINT type = MB_OK; // buttons, icon and default button (MB_...)
    UINT helpId = 0;
};

struct CFileDialogRequest {
    bool open = true;
    CString title;
    // Pairs of description and patterns, e.g. {"Project Files (*.oxp)", "*.oxp"}.
    std::vector<std::pair<CString, CString>> filters;
    int filterIndex = 1;      // 1-based, as the file dialog counts
    CString defaultExtension; // without the dot
    CString initialFolder;
    CString fileName;
    DWORD flags = 0;
    // A folder is chosen instead of a file.
    bool folder = false;
};

// The print dialog: the printer it sets up (the program's), and the pages.
struct CPrintDialogRequest {
    QPrinter* printer = nullptr;
    bool setupOnly = false;
    UINT minPage = 1;
    UINT maxPage = 0xFFFF;
    // In: the range offered; out: the range chosen when range is set.
    UINT fromPage = 1;
    UINT toPage = 0xFFFF;
    bool range = false;
    // The dialog offers no "selection" range (PD_NOSELECTION).
    bool noSelection = false;
};

// A scripted print dialog's answer: print into a PDF file, all pages or a range.
struct CPrinterAnswer {
    CString pdfPath;
    UINT fromPage = 0; // 0: all pages
    UINT toPage = 0;
};

class CPromptService {
public:
    virtual ~CPromptService();

    // One of IDOK, IDCANCEL, IDYES, IDNO, IDABORT, IDRETRY, IDIGNORE.
    virtual int MessageBox(const CMessageBoxRequest& request) = 0;
    virtual void MessageBeep(UINT type) = 0;
    // The platform's file chooser. Returns false when cancelled. Default
    // extensions, must-exist and overwrite checks are the caller's (CFileDialog),
    // so that every implementation gets them alike.
    virtual bool ChooseFile(const CFileDialogRequest& request, CString& chosenPath) = 0;
    // Shows a popup menu at a screen point; the chosen action or null.
    virtual QAction* TrackPopupMenu(QMenu* menu, int x, int y) = 0;
    // The print (or print setup) dialog on the request's printer; false when cancelled.
    virtual bool ChoosePrinter(CPrintDialogRequest& request) = 0;
    // The wait cursor is shown (true) or taken away (false).
    virtual void ShowWaitCursor(bool show) = 0;
    virtual void Sleep(DWORD milliseconds) = 0;
    // The colour chooser, starting at color (0x00BBGGRR); false when cancelled.
    virtual bool ChooseColor(COLORREF& color) = 0;

    // The service in use: the installed one, else the Qt implementation.
    static CPromptService& Instance();
    // Installs a service (not owned; null goes back to the default); returns the previous one.
    static CPromptService* Install(CPromptService* service);
};

// The program's implementation: Qt message boxes and file dialogs.
class CQtPromptService : public CPromptService {
public:
    int MessageBox(const CMessageBoxRequest& request) override;
    void MessageBeep(UINT type) override;
    bool ChooseFile(const CFileDialogRequest& request, CString& chosenPath) override;
    QAction* TrackPopupMenu(QMenu* menu, int x, int y) override;
    bool ChoosePrinter(CPrintDialogRequest& request) override;
    void ShowWaitCursor(bool show) override;
    void Sleep(DWORD milliseconds) override;
    bool ChooseColor(COLORREF& color) override;

private:
    bool m_shown = false;
};

// Answers from queues and records every request. Installs itself while it lives.
// A message box without a queued answer gets the handler's answer, else its
// default button; a file dialog without one is cancelled; a popup menu without
// one is dismissed. Sleeps are recorded, not slept.
class CScriptedPromptService : public CPromptService {
public:
    CScriptedPromptService();
    ~CScriptedPromptService() override;
    CScriptedPromptService(const CScriptedPromptService&) = delete;
    CScriptedPromptService& operator=(const CScriptedPromptService&) = delete;

    void QueueMessageBoxAnswer(int answer) { m_messageAnswers.push_back(answer); }
    void SetMessageBoxHandler(std::function<int(const CMessageBoxRequest&)> handler) {
        m_messageHandler = std::move(handler);
    }
    void QueueFileAnswer(const CString& path) { m_fileAnswers.push_back(path); }
    void QueueFileCancel() { m_fileAnswers.push_back(std::nullopt); }
    // The command id to choose from the next popup menu (0 dismisses it).
    void QueuePopupMenuChoice(UINT id) { m_menuChoices.push_back(id); }
    // The next print dialog prints into a PDF file; without an answer it is cancelled.
    void QueuePrinterAnswer(const CPrinterAnswer& answer) { m_printerAnswers.push_back(answer); }
    void QueuePrinterCancel() { m_printerAnswers.push_back(std::nullopt); }
    const std::vector<CPrintDialogRequest>& PrintDialogs() const { return m_printDialogs; }
    // The colour the next colour chooser gives; without an answer it is cancelled.
    void QueueColorAnswer(COLORREF color) { m_colorAnswers.push_back(color); }
    void QueueColorCancel() { m_colorAnswers.push_back(std::nullopt); }
    // The colour each chooser started at.
    const std::vector<COLORREF>& ColorDialogs() const { return m_colorDialogs; }

    const std::vector<CMessageBoxRequest>& MessageBoxes() const { return m_messageBoxes; }
    const std::vector<CFileDialogRequest>& FileDialogs() const { return m_fileDialogs; }
    const std::vector<UINT>& Beeps() const { return m_beeps; }
    const std::vector<DWORD>& Sleeps() const { return m_sleeps; }
    // Every change of the wait cursor, in order.
    const std::vector<bool>& WaitCursorChanges() const { return m_waitCursor; }
    bool IsWaitCursorShown() const { return !m_waitCursor.empty() && m_waitCursor.back(); }
    int PopupMenusShown() const { return m_popupMenus; }
    void Clear();

    int MessageBox(const CMessageBoxRequest& request) override;
    void MessageBeep(UINT type) override;
    bool ChooseFile(const CFileDialogRequest& request, CString& chosenPath) override;
    QAction* TrackPopupMenu(QMenu* menu, int x, int y) override;
    bool ChoosePrinter(CPrintDialogRequest& request) override;
    void ShowWaitCursor(bool show) override;
    void Sleep(DWORD milliseconds) override;
    bool ChooseColor(COLORREF& color) override;

    // The answer that the default button of a message box type gives.
    static int DefaultAnswer(UINT type);

private:
    CPromptService* m_previous = nullptr;
    std::deque<int> m_messageAnswers;
    std::function<int(const CMessageBoxRequest&)> m_messageHandler;
    std::deque<std::optional<CString>> m_fileAnswers;
    std::deque<UINT> m_menuChoices;
    std::deque<std::optional<CPrinterAnswer>> m_printerAnswers;
    std::vector<CPrintDialogRequest> m_printDialogs;
    std::vector<CMessageBoxRequest> m_messageBoxes;
    std::vector<CFileDialogRequest> m_fileDialogs;
    std::vector<UINT> m_beeps;
    std::vector<DWORD> m_sleeps;
    std::vector<bool> m_waitCursor;
    std::deque<std::optional<COLORREF>> m_colorAnswers;
    std::vector<COLORREF> m_colorDialogs;
    int m_popupMenus = 0;
};

// The platform's calls, through the service.
int AfxMessageBox(const char* lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// A message from the string table; the help id defaults to the message id.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
void MessageBeep(UINT uType);
void Sleep(DWORD dwMilliseconds);
// The wait cursor: 1 begins, -1 ends, 0 shows it again when it is on. Goes
// through the application's DoWaitCursor when there is an application.
void AfxDoWaitCursor(int nCode);
// The counting behind it: the service shows the cursor while Begins outnumber Ends.
void AfxCountWaitCursor(int nCode);
// How many Begins are open.
int AfxGetWaitCursorCount();

// Keeps the wait cursor for its lifetime.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore();
};
