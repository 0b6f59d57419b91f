#pragma once
// The application: exactly one per process (AfxGetApp). It keeps the document
// templates, the main window, the recent-file list and the profile, runs the
// message loop with idle processing, and handles the commands that exist
// before any document (new, open, recent files, exit).
//
//   int main(int argc, char** argv) {
//       QApplication qt(argc, argv);   // Qt first
//       static CMyApp theApp;          // then the application object
//       return AfxWinMain();           // InitInstance, then the message loop
//   }
#include "platform/core/CString.h"
#include "platform/ui/CWinThread.h"

#include <memory>
#include <vector>

class CCmdUI;
class CDocTemplate;
class CDocument;
class CIdleDriver;
class CProfileStore;
class CRecentFileList;

// What the command line asks for.
class CCommandLineInfo : public CObject {
public:
    CCommandLineInfo();
    ~CCommandLineInfo() override;

    // One argument: bFlag when it began with '-' (the dash removed). Paths on this
    // system begin with '/', so only the dash marks a switch.
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

    enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppRegister, AppUnregister, FileNothing = -1 };
    int m_nShellCommand = FileNew;
    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    CString m_strFileName;
};

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;

    // The application's name (the string AFX_IDS_APP_TITLE when none was given).
    CString m_pszAppName;
    CString m_pszRegistryKey;
    CString m_pszProfileName;
    CString m_pszHelpFilePath;
    int m_nCmdShow = SW_SHOWNORMAL;
    // Owned; made by LoadStdProfileSettings.
    CRecentFileList* m_pRecentFileList = nullptr;

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    // Writes the recent-file list, reaps finished workers; returns the exit code.
    int ExitInstance() override;
    // The message loop; returns ExitInstance's result when the program ends.
    int Run() override;
    // Idle time: 0 updates the frames and their bars; TRUE asks for another call.
    BOOL OnIdle(LONG lCount) override;
    // Runs the idle processing now (OnIdle(0), OnIdle(1), ... until it returns FALSE).
    void RunIdleProcessing();
    // Something happened that the idle processing should follow.
    void NoteActivity();

    // Document templates; the application owns the ones added.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    const std::vector<CDocTemplate*>& GetDocTemplates() const { return m_templateList; }
    int GetOpenDocumentCount() const;

    virtual CDocument* OpenDocumentFile(const char* lpszFileName);
    virtual void AddToRecentFileList(const char* lpszPathName);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);
    // Asks for a file name with the templates' filters (or pTemplate's alone).
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                  CDocTemplate* pTemplate);
    // 1 begins the wait cursor, -1 ends it, 0 shows it again.
    virtual void DoWaitCursor(int nCode);
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    // The profile is kept in memory until SetRegistryKey puts it into the settings
    // store under "Software\<key>\<application name>" (or a store is set).
    void SetRegistryKey(const char* lpszRegistryKey);
    void SetProfileStore(std::shared_ptr<CProfileStore> store);
    CProfileStore& GetProfileStore() const { return *m_pProfileStore; }
    // Makes the recent-file list of nMaxMRU entries and reads it.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    UINT GetProfileInt(const char* lpszSection, const char* lpszEntry, int nDefault);
    BOOL WriteProfileInt(const char* lpszSection, const char* lpszEntry, int nValue);
    CString GetProfileString(const char* lpszSection, const char* lpszEntry,
                             const char* lpszDefault = nullptr);
    // A null value deletes the entry; a null entry deletes the section.
    BOOL WriteProfileString(const char* lpszSection, const char* lpszEntry, const char* lpszValue);
    BOOL GetProfileBinary(const char* lpszSection, const char* lpszEntry, std::vector<BYTE>& data);
    BOOL WriteProfileBinary(const char* lpszSection, const char* lpszEntry, const void* pData, UINT nBytes);

    // The command line (the arguments given to AfxWinMain, else Qt's).
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // Commands.
    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();
    BOOL OnOpenRecentFile(UINT nID);
    void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

    // Set by AfxPostQuitMessage.
    int m_nExitCode = 0;

protected:
    std::vector<CDocTemplate*> m_templateList;
    std::shared_ptr<CProfileStore> m_pProfileStore;
    std::unique_ptr<CIdleDriver> m_pIdleDriver;
    bool m_bRunning = false;

    friend void AfxPostQuitMessage(int nExitCode);
    friend int AfxWinMain(int argc, char** argv);
    std::vector<CString> m_arguments;
    bool m_bHaveArguments = false;

    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
const char* AfxGetAppName();
CWinThread* AfxGetThread();
// Ends the message loop with the exit code (when it runs).
void AfxPostQuitMessage(int nExitCode);
// The program's entry after QApplication exists: InitInstance, then Run.
int AfxWinMain(int argc = 0, char** argv = nullptr);
