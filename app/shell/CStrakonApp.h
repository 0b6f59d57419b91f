#pragma once
// The program's application object: it holds the progress bar of the long
// operation that is running and advances it.
#include "framework/ABaseWinApp.h"

#include <QPointer>

#include <memory>

class AApplicationBus;
class CMainFrame;
class QWidget;
class AProgressBar;
class AStrakonDocument;
class ABaseProjectWnd;
class ABaseStructureDoc;
class CCmdUI;
class CDocument;

class CStrakonApp : public ABaseWinApp {
    DECLARE_DYNAMIC(CStrakonApp)
public:
    CStrakonApp();
    ~CStrakonApp() override;

    // The running application; null when the application object is no CStrakonApp.
    static CStrakonApp* GetApp();

    CDocTemplate* GetStructureDocTemplate() override;
    CDocTemplate* GetProjectDocTemplate() override;

    // A normal start refreshes the desktop registration and takes the bus name;
    // an automation start stays hidden and ends when its last client has left.
    BOOL InitInstance() override;
    int ExitInstance() override;
    // An automation start has no main window and still runs its message loop.
    int Run() override;

    // The tip of the day (when the user wants tips, or always from the command).
    void ShowTipOfTheDay();
    void OnTipOfTheDay();
    void OnAppAbout();
    // Every help request of the program goes to the help dispatcher.
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;
    // Help Topics, and F1 where no dialog takes it: the help's start page.
    void OnHelpFinder();

    // File New: the New sheet until a structure is made or the user cancels.
    void OnFileNew();
    // FALSE sends the user back to the New sheet with the entries kept; TRUE ends
    // it (also after an error that was reported). Nothing is written to the disk
    // before the structure and its wizard are complete.
    BOOL CreateNewStructure(const CString& wizardPath, const CString& name, const CString& location,
                            BOOL newProject);
    // Runs the blank-structure wizard for a new document; Finish applies it.
    BOOL RunBlankStructureWizard(AStrakonDocument* document, const CString& location);
    // A structure name that would not name one file in the chosen folder; the
    // message tells the user why.
    static bool IsValidStructureName(const CString& name, CString& message);
    // The folder the New sheet starts in: the most recent file's folder, else
    // "My Projects", else the user's documents folder when it exists, else the
    // home folder. Always a folder that exists (or empty when none does).
    CString DefaultNewLocation();
    // The folder the file dialogs start in: the one where the user last chose or
    // opened a file, while it exists; else the default location above.
    CString LastFolder();
    // A location of File New that does not exist is made after one question;
    // false (the sheet comes back) when the user declines or it cannot be made,
    // which one message naming the folder says.
    bool EnsureLocation(const CString& folder);

    // ---- Project and structure commands (CStrakonAppCommands.cpp) -------------

    // Opens a project file (the only kind the program opens by name), shows it
    // in the project window and restores its windows; null when it could not be
    // opened or closed again because a structure could not be read. A structure
    // file is refused with a message.
    CDocument* OpenDocumentFile(const char* lpszFileName) override;
    // The recent files are projects: the structures a project opens stay out of
    // the list, since opening one of them as a project would show an empty
    // project that a save would write over the structure.
    void AddToRecentFileList(const char* lpszPathName) override;
    // Whether path names a structure file (the structure template's extension,
    // letter case ignored).
    bool IsStructureFile(const CString& path);
    // The title the program gives a project opened from path: the file name
    // without its folder and without the last extension.
    static CString ProjectTitleOfPath(const CString& path);
    // The windows of every workspace and the project window take up the
    // documents' new titles.
    void UpdateAllFrames() override;
    // Both show a status-bar progress bar that is registered as the active bar
    // only while they run (also when the project's streams throw). TRUE.
    BOOL LoadWorkspace() override;
    BOOL SaveWorkspace() override;

    void OnFileOpen();
    BOOL OnOpenRecentFile(UINT nID);
    void OnCloseProject();
    void OnSaveProject();
    void OnSaveProjectAs();
    void OnInsertStructure();
    // Adds the structure file to the open project and shows it in the project
    // window; FALSE when there is no project or it cannot be added (reported).
    BOOL InsertStructureFile(const CString& path);
    // A file dropped on the main window: a structure joins the open project as
    // Insert Structure adds it; anything else opens as File Open opens it (a
    // structure without a project is refused with the message of the opening).
    void OpenDroppedFile(const CString& path);
    void OnRemoveStructure();
    void OnProjectSettings();
    // Enabled exactly while a project is open.
    void OnUpdateProjectCommand(CCmdUI* pCmdUI);
    // Closes the open project, asking to save its changes; false when the user
    // keeps it. True when no project is open.
    bool CloseOpenProject();

    // A file dialog (open or save) with the title, the flags and the template's
    // filter (and "All Files (*.*)" when asked); path is the initial folder and
    // gets the chosen full path, fileTitle the initial name and then the chosen
    // title. FALSE when cancelled.
    BOOL PromptFileName(CString& path, CString& fileTitle, const CString& title, DWORD flags, BOOL open,
                        CDocTemplate* pTemplate, BOOL allFilter);
    // The main frame's project window; null without one.
    static ABaseProjectWnd* GetProjectWnd();
    // Shows the first workspace and selects the structure's entry of its tree.
    void SelectNewStructure(ABaseStructureDoc* pDocument);

    // The tip index and whether tips show at start-up ("InfoTip" in the profile).
    int m_nCurrentTip = 0;
    bool m_bShowTipAtStartup = true;

    // Advances the active progress bar by steps, pausing 15 ms after each of a
    // bar's first 100 steps (through the prompt service's sleep) so that a short
    // operation is seen, without holding up a long one; nothing without an
    // active bar or for steps of 0 or less.
    void StepProgress(int steps);

    // The full path of the project file last opened or created.
    CString m_strProjectPath;
    // The folder of the file the user last chose in a file dialog or opened.
    CString m_strLastFolder;
    // The bar of the long operation that is running; null otherwise. Not owned:
    // the operation that registers its bar clears this before it destroys the bar.
    AProgressBar* m_pActiveProgressBar = nullptr;
    // The progress steps of the next workspace load.
    int m_nWorkspaceSteps = 0;

    // The templates of a structure's windows, by kind (the load-combinations
    // and envelope windows share one resource id, so the kind tells them apart).
    enum WindowKind {
        GeometryWindow,
        LoadsWindow,
        LoadCaseResultsWindow,
        LoadCombinationsWindow,
        EnvelopeWindow,
        ResumeWindow,
        ConcreteDesignWindow,
        SteelDesignWindow,
        WindowKindCount
    };
    // Owned by the framework after AddDocTemplate; null until one is set.
    CDocTemplate* GetWindowTemplate(int kind) const {
        return kind >= 0 && kind < WindowKindCount ? m_pWindowTemplates[kind] : nullptr;
    }
    void SetWindowTemplate(int kind, CDocTemplate* pTemplate) {
        if (kind >= 0 && kind < WindowKindCount) m_pWindowTemplates[kind] = pTemplate;
    }

    // --- start-up, the main frame and the end ---------------------------------------------------------
    // The main window; null before it is made and after it closed.
    CMainFrame* GetMainFrame() const;
    // The saved toolbar layout of another version goes: a missing version or 100
    // drops every setting, any other below 202 only the bar layouts; then the
    // version becomes 202.
    static void CheckLayoutVersion();
    // The templates of the project, the structure and every window kind there is a view for.
    void CreateDocTemplates();
    // The splash window closes itself after a while; this closes it at once.
    void CloseSplash();
    QWidget* GetSplash() const;
    // Set once the factory defaults swept the settings: the end writes none again.
    bool m_bFactoryDefaults = false;

protected:
    void ShowSplash();
    QPointer<QObject> m_pSplash;
    // The bar whose steps StepProgress counts, and how many it has paused for.
    AProgressBar* m_pPausedBar = nullptr;
    int m_nPausedSteps = 0;

    CDocTemplate* m_pStructureTemplate = nullptr; // owned by the framework after AddDocTemplate
    CDocTemplate* m_pProjectTemplate = nullptr;   // owned by the framework after AddDocTemplate
    CDocTemplate* m_pWindowTemplates[WindowKindCount] = {};
    std::unique_ptr<AApplicationBus> m_pBus;
    bool m_bAutomation = false;

    DECLARE_MESSAGE_MAP()
};

// A long operation's progress bar for the length of a scope: created in the
// status bar and registered as the application's active bar; on every way out,
// an exception included, unregistered first and then destroyed, so that the
// application never keeps a bar that is gone.
class AProgressScope {
public:
    // Every caller shows its bar at 20 % of the prompt pane, with the wait cursor.
    AProgressScope(const char* text, int range);
    ~AProgressScope();
    AProgressScope(const AProgressScope&) = delete;
    AProgressScope& operator=(const AProgressScope&) = delete;

    AProgressBar* GetBar() const { return m_pBar.get(); }

private:
    std::unique_ptr<AProgressBar> m_pBar;
};
