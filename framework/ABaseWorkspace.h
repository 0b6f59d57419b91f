#pragma once
// Workspaces: named sets of MDI child frames and control bars shown together.
// Switching workspaces hides and disables the frames and bars of one set and
// shows those of another, each frame with its remembered placement. The
// manager owns the workspaces by id and knows the active one; each workspace
// owns one record per window, made by the creator that the program installs.
#include "framework/CWindowPlacement.h"
#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"

#include <list>
#include <map>

class ABaseWorkspaceManager;
class CArchive;

// One window of a workspace: its handle, its placement and (for bars) whether it is shown.
class ABaseWorkspaceWindowInfo {
public:
    ABaseWorkspaceWindowInfo() = default;
    explicit ABaseWorkspaceWindowInfo(HWND hWnd) : m_hWnd(hWnd) {}
    ABaseWorkspaceWindowInfo(const ABaseWorkspaceWindowInfo&) = default;
    ABaseWorkspaceWindowInfo& operator=(const ABaseWorkspaceWindowInfo&) = default;
    // The program's records derive from this one and are deleted through it.
    virtual ~ABaseWorkspaceWindowInfo();

    // The program's record reads and writes its window; the base stores nothing.
    virtual void Serialize(CArchive& ar);

    HWND m_hWnd = nullptr;
    CWindowPlacement m_wp;
    BYTE m_bVisible = 1;
};

// Makes the window records; the program installs its own at start-up.
class ABaseWorkspaceWindowInfoCreator {
public:
    virtual ~ABaseWorkspaceWindowInfoCreator();
    // A new record for the window (owned by the caller); null in the base.
    virtual ABaseWorkspaceWindowInfo* CreateWindowInfoObject(HWND hWnd);
};

class ABaseWorkspace {
public:
    explicit ABaseWorkspace(ABaseWorkspaceManager* pManager);
    ABaseWorkspace(int nId, CString name, ABaseWorkspaceManager* pManager);
    // The records are owned: a copy would delete them twice.
    ABaseWorkspace(const ABaseWorkspace&) = delete;
    ABaseWorkspace& operator=(const ABaseWorkspace&) = delete;
    virtual ~ABaseWorkspace();

    void AddFrame(HWND hWnd);
    void AddControlBar(HWND hWnd);
    void RemoveFrame(HWND hWnd);
    void RemoveControlBar(HWND hWnd);
    // The frame becomes the last (most recently active) one, unless the
    // workspace itself caused the activation.
    void FrameActivated(HWND hWnd);

    void Activate() { ShowAll(); }
    void Deactivate() { HideAll(); }
    void ShowAll();
    void HideAll();
    void ShowAllFrames();
    void HideAllFrames();
    void ShowAllControlBars();
    void HideAllControlBars();

    BOOL IsInWorkspace(HWND hWnd) const;
    BOOL IsFirstFrame() const { return m_frames.size() == 1; }
    // Every frame's current placement into its record.
    void SaveWindowPlacement();
    // The placement of the last frame's record.
    void SetWindowPlacement(const CWindowPlacement* pWp);

    void InitializeToolbarsVisibleState();
    void SaveToolbarsVisibleState();
    void UpdateToolbarsVisibleState();
    // Every frame refreshes its title.
    void UpdateAllFrames();
    void RemoveAllFrames();
    void RemoveAllControlBars();

    // The frame records in activation order. Loading reopens the windows
    // through the program's records; without a creator there is nothing that
    // could read them, and loading fails with a bad-schema archive exception.
    virtual void Serialize(CArchive& ar);

    // The creator is owned from here on; the previous one is deleted.
    static void SetWindowInfoCreatorObject(ABaseWorkspaceWindowInfoCreator* pCreator);
    static void DeleteWindowInfoCreatorObject();
    static ABaseWorkspaceWindowInfoCreator* GetWindowInfoCreatorObject() { return m_pWindowInfoCreator; }

    ABaseWorkspaceManager* GetWorkspaceManager() const { return m_pManager; }
    CString GetWorkspaceName() const { return m_strName; }
    int GetWorkspaceId() const { return m_nId; }
    int GetNumberOfSteps() const { return static_cast<int>(m_frames.size()); }
    const std::list<ABaseWorkspaceWindowInfo*>& GetFrames() const { return m_frames; }
    const std::list<ABaseWorkspaceWindowInfo*>& GetControlBars() const { return m_controlBars; }
    BOOL IsBusy() const { return m_bBusy; }

protected:
    ABaseWorkspaceWindowInfo* MakeInfo(HWND hWnd) const;
    CString ToolbarsSection(const CString& barText) const;

    std::list<ABaseWorkspaceWindowInfo*> m_frames;
    std::list<ABaseWorkspaceWindowInfo*> m_controlBars;
    int m_nId = -1;
    BYTE m_bBusy = 0;
    CString m_strName;
    ABaseWorkspaceManager* m_pManager = nullptr;

    static ABaseWorkspaceWindowInfoCreator* m_pWindowInfoCreator;
};

class ABaseWorkspaceManager : public CCmdTarget {
    DECLARE_DYNCREATE(ABaseWorkspaceManager)
public:
    ABaseWorkspaceManager();
    ABaseWorkspaceManager(const ABaseWorkspaceManager&) = delete;
    ABaseWorkspaceManager& operator=(const ABaseWorkspaceManager&) = delete;
    ~ABaseWorkspaceManager() override;

    // Makes a workspace under nId; one that was stored there is deleted (and
    // when it was the active one, the new workspace becomes active). True.
    bool AddWorkspace(int nId, CString name);
    ABaseWorkspace* GetWorkspace(int nId) const;
    ABaseWorkspace* GetActiveWorkspace() const { return m_pActiveWorkspace; }
    // Hides the active workspace and shows the one of nId (with bShow); the
    // same workspace is only shown again. An unknown id leaves no workspace active.
    void SetActiveWorkspace(int nId, bool bShow);

    void ShowAll();
    void HideAll();
    void ShowAllFrames();
    void HideAllFrames();
    void ShowAllControlBars();
    void HideAllControlBars();
    void UpdateAllFrames();
    BOOL IsInActiveWorkspace(HWND hWnd) const;
    void SaveToolbarsVisibleState();
    void InitializeToolbarsVisibleState();
    int GetNumberOfSteps() const;
    const std::map<int, ABaseWorkspace*>& GetWorkspaces() const { return m_workspaces; }

    virtual void Serialize(CArchive& ar);

    ABaseWorkspace* m_pActiveWorkspace = nullptr;
    // Placements are captured on hiding and the last frame's maximised state decides how it comes back.
    BYTE m_bTrackPlacement = 0;
    BYTE m_bLastFrameMaximized = 0;

protected:
    std::map<int, ABaseWorkspace*> m_workspaces;
};
