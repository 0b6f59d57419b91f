#pragma once
// The application base of the framework library. The main program derives its
// application from it; the library reaches the open project document, the base
// path and the workspace manager through it, and calls back the operations
// below (the two document templates, refreshing frame titles, loading and
// saving workspaces).
#include "platform/core/CString.h"
#include "platform/ui/CWinApp.h"

class ABaseProjectDoc;
class ABaseWorkspaceManager;
class CDocTemplate;

class ABaseWinApp : public CWinApp {
    DECLARE_DYNAMIC(ABaseWinApp)
public:
    explicit ABaseWinApp(const char* lpszAppName = nullptr);
    ~ABaseWinApp() override;

    // The running application as the library sees it; null when the
    // application object is not an ABaseWinApp.
    static ABaseWinApp* GetApp();

    // The template of structure documents (also used to name and filter their files).
    virtual CDocTemplate* GetStructureDocTemplate() = 0;
    // The template of project documents (the Save As filter of a project).
    virtual CDocTemplate* GetProjectDocTemplate() = 0;
    // After a project Save As: the derived application refreshes its frame titles.
    virtual void UpdateAllFrames();
    virtual BOOL LoadWorkspace();
    virtual BOOL SaveWorkspace();

    BOOL InitInstance() override;
    int ExitInstance() override;

    ABaseProjectDoc* GetProjectDocument() const { return m_pProjectDoc; }
    ABaseWorkspaceManager* GetWorkspaceManager() const { return m_pWorkspaceManager; }

    // The open project; null while none is open. Not owned here: the main
    // program opens, closes and deletes the project document and sets this.
    ABaseProjectDoc* m_pProjectDoc = nullptr;
    // The reference folder for structure paths: the main program keeps it set to
    // the path of the project file.
    CString m_strBasePath;
    // Set by the main program at start-up; not owned (the manager lives for the program's life).
    ABaseWorkspaceManager* m_pWorkspaceManager = nullptr;

    DECLARE_MESSAGE_MAP()
};
