#pragma once
// The program's four workspaces ("Geometry", "Loads", "Results", "Design") and
// the record of one window of a workspace, which names the structure and the
// project-tree entry the window belongs to, so that opening the project
// reopens the window where it was.
#include "framework/ABaseWorkspace.h"

class CCmdUI;

class AWorkspaceManager : public ABaseWorkspaceManager {
    DECLARE_DYNCREATE(AWorkspaceManager)
public:
    // The four workspaces, Geometry active, placements tracked.
    AWorkspaceManager();

    // The program's manager, made on the first call.
    static AWorkspaceManager* Instance();
    // Deletes the manager; the next Instance makes a new one.
    static void Release();

    // Version 10001, the active workspace's id and the records of workspaces 0
    // to 3 (a record of version 10000 has no Design workspace). Loading then
    // shows the stored workspace through the project window; an id that names
    // no workspace shows Geometry.
    void Serialize(CArchive& ar) override;

    void ActivateGeometryWorkspace();
    void ActivateLoadsWorkspace();
    void ActivateResultsWorkspace();
    void ActivateDesignWorkspace();
    void OnUpdateGeometryWorkspace(CCmdUI* pCmdUI);
    void OnUpdateLoadsWorkspace(CCmdUI* pCmdUI);
    void OnUpdateResultsWorkspace(CCmdUI* pCmdUI);
    void OnUpdateDesignWorkspace(CCmdUI* pCmdUI);

protected:
    void ActivateWorkspace(int nId);
    void CheckWorkspace(CCmdUI* pCmdUI, int nId);

    DECLARE_MESSAGE_MAP()
};

class AWindowInfo : public ABaseWorkspaceWindowInfo {
public:
    using ABaseWorkspaceWindowInfo::ABaseWorkspaceWindowInfo;

    // Storing: version 10000, the placement, the structure's title, the type
    // name of the window's tree entry and, for the numbered kinds, the number.
    // Loading reads the same and reopens the window, hidden and disabled, in
    // the workspace being read; a window that cannot come back is skipped.
    void Serialize(CArchive& ar) override;
};

class AWindowInfoCreator : public ABaseWorkspaceWindowInfoCreator {
public:
    // A record for the window; an empty one for null (to be read).
    ABaseWorkspaceWindowInfo* CreateWindowInfoObject(HWND hWnd) override;
};
