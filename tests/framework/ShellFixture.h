#pragma once
// A small program on the framework's window bases, as the real program is
// built: a main frame with a project window (two tabs, each showing one of the
// four workspaces) and an output window, structure windows in child frames
// bound to project-tree items, and a project with structures in real files.
#include "ProjectFixture.h"

#include "framework/ABaseMDIChildWnd.h"
#include "framework/ABaseMDIFrameWnd.h"
#include "framework/ABaseOutputWnd.h"
#include "framework/ABaseProjectTI.h"
#include "framework/ABaseProjectTreeCtrl.h"
#include "framework/ABaseProjectWnd.h"
#include "framework/ABaseWorkspace.h"
#include "framework/AWindowMenuManager.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CView.h"
#include "platform/ui/SECTabWnd.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QMdiArea>

#include <memory>
#include <string>

class ShellView : public CView {
    DECLARE_DYNCREATE(ShellView)
public:
    void OnDraw(CDC*) override {}
};

class ShellChildFrame : public ABaseMDIChildWnd {
    DECLARE_DYNCREATE(ShellChildFrame)
public:
    // Frames that refuse to close stay open on WM_CLOSE.
    void OnClose() override {
        ++closeRequests;
        if (!refuseClose) ABaseMDIChildWnd::OnClose();
    }
    bool refuseClose = false;
    int closeRequests = 0;
};

// A tree item that opens windows and names them.
class ShellItem : public ABaseProjectTIWin {
public:
    ShellItem(ABaseStructureDoc* doc, std::string description)
        : ABaseProjectTIWin(nullptr, doc, false, false, false, false), m_description(std::move(description)) {
    }
    std::string GetDescription() override { return m_description; }

private:
    std::string m_description;
};

// Tree item objects that count how many live and how often their default action ran.
struct ShellCount {
    ShellCount() { ++alive; }
    ShellCount(const ShellCount&) { ++alive; }
    ~ShellCount() { --alive; }
    static int alive;
    static int actions;
};

class ShellTI : public ABaseProjectTIWin {
public:
    using ABaseProjectTIWin::ABaseProjectTIWin;
    void DefaultAction() override { ++ShellCount::actions; }

private:
    ShellCount m_count;
};

class ShellProjectTI : public ABaseProjectTIProject {
    DECLARE_DYNCREATE(ShellProjectTI)

private:
    ShellCount m_count;
};

class ShellStructureTI : public ABaseProjectTIStructure {
public:
    using ABaseProjectTIStructure::ABaseProjectTIStructure;

private:
    ShellCount m_count;
};

// One structure: its item and a "Geometry" item below it.
class ShellSTreeItem : public ABaseProjectSTreeItem {
    DECLARE_DYNCREATE(ShellSTreeItem)
public:
    void Initialize() override;
    void RestoreExpansion() { m_bRestoreExpansion = 1; }
};

class ShellTree : public ABaseProjectTreeCtrl {
public:
    ShellTree() { m_pProjectItemClass = RUNTIME_CLASS(ShellProjectTI); }
};

class ShellProjectWnd : public ABaseProjectWnd {
public:
    ShellTree trees[2];
};

class ShellOutputWnd : public ABaseOutputWnd {
public:
    void ClearOutput() override { ++cleared; }
    int cleared = 0;
};

class ShellMainFrame : public ABaseMDIFrameWnd {
    DECLARE_DYNCREATE(ShellMainFrame)
public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    ABaseProjectWnd* GetProjectWnd() override { return &projectWnd; }
    ABaseOutputWnd* GetOutputWnd() override { return &outputWnd; }
    // The window manager hears of commands first.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override {
        if (windowMenu.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
        return ABaseMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    // The window list is the manager's.
    HMENU GetWindowMenuPopup(HMENU) override { return nullptr; }

    AWindowMenuManager windowMenu;
    ShellProjectWnd projectWnd;
    ShellOutputWnd outputWnd;
};

// The program's workspace manager: four workspaces, the first active, placements tracked.
class ShellWorkspaceManager : public ABaseWorkspaceManager {
public:
    ShellWorkspaceManager() {
        AddWorkspace(0, "Geometry");
        AddWorkspace(1, "Loads");
        AddWorkspace(2, "Results");
        AddWorkspace(3, "Design");
        m_pActiveWorkspace = GetWorkspace(0);
        m_bTrackPlacement = 1;
        m_bLastFrameMaximized = 0;
    }
};

class ShellFixture : public ProjectFixture {
protected:
    static constexpr UINT kMainFrameId = 128;
    static constexpr UINT kViewId = 190;

    void SetUp() override;
    void TearDown() override;

    // A structure window bound to item (when given), opened in the active workspace.
    ShellChildFrame* openWindow(ABaseStructureDoc* doc, ABaseProjectTIWin* item);
    // The titles of the child frames that the user can see, in creation order.
    std::vector<std::string> visibleTitles() const;
    ABaseWorkspace* workspace(int id) { return manager.GetWorkspace(id); }

    ShellWorkspaceManager manager;
    ShellMainFrame* frame = nullptr;
    CMultiDocTemplate* viewTemplate = nullptr;
};
