#pragma once
// The docking project window's base: one project tree per tab of a tab window,
// each tab tied to a workspace, so that choosing a tab shows that workspace's
// windows. The trees show the open project and its structures.
#include "platform/core/CString.h"
#include "platform/ui/CControlBar.h"

#include <vector>

class ABaseProjectTreeCtrl;
class ABaseStructureDoc;
class ABaseWorkspace;
class ABaseWorkspaceManager;
class SECTabWnd;
struct CRuntimeClass;

class ABaseProjectWnd : public SECControlBar {
    DECLARE_DYNCREATE(ABaseProjectWnd)
public:
    // One tab: its tree and how to make it, its picture and label, its
    // workspace and the class of its structure items.
    class ABaseProjectWndItem {
    public:
        virtual ~ABaseProjectWndItem() = default;
        // The tab's tree, created by OnCreate in the tab window. Owned by the
        // derived window.
        ABaseProjectTreeCtrl* m_pTree = nullptr;
        UINT m_nTabIndex = 0;
        DWORD m_dwStyle = 0;
        UINT m_nControlId = 0;
        UINT m_nIconId = 0;
        CString m_strLabel;
        // Owned by its manager, which may replace it (a loaded project brings its
        // own workspaces): the tab finds its workspace again by id.
        ABaseWorkspace* m_pWorkspace = nullptr;
        int m_nWorkspaceId = -1;
        ABaseWorkspaceManager* m_pManager = nullptr;
        const CRuntimeClass* m_pStructureItemClass = nullptr;
    };

    ABaseProjectWnd();
    ~ABaseProjectWnd() override;

    // Describes one tab; called before the window is created.
    void AddProjectView(ABaseProjectTreeCtrl* pTree, DWORD dwStyle, UINT nTabIndex, UINT nControlId,
                        UINT nIconId, CString label, ABaseWorkspace* pWorkspace,
                        const CRuntimeClass* pStructureItemClass);

    // The trees follow the project: these tell them what changed.
    virtual void AddProject();
    virtual void AddStructure(ABaseStructureDoc* pStructure);
    virtual void RemoveStructure(ABaseStructureDoc* pStructure);
    virtual void UpdateStructureName(ABaseStructureDoc* pStructure);
    virtual void UpdateProject();
    virtual void RemoveProject();
    int GetNumberOfSteps();
    // Shows tab nTab and its workspace.
    void ActivateWorkspace(int nTab);

    SECTabWnd* GetTabWnd() const { return m_pTabWnd; }
    const std::vector<ABaseProjectWndItem*>& GetItems() const { return m_items; }
    BOOL IsCreated() const { return m_bCreated; }

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    // The tab window reports a newly chosen tab: its workspace is shown.
    LRESULT OnTabSelected(WPARAM wParam, LPARAM lParam);
    // The workspace of a tab; null when the tab has none.
    ABaseWorkspace* GetTabWorkspace(int nTab) const;

protected:
    // Every tree shows the single item "No opened project".
    void AddEmptyProjectItems();

    CString m_strEmptyTree = "No opened project";
    SECTabWnd* m_pTabWnd = nullptr; // a child window, deleted with the bar
    BOOL m_bCreated = FALSE;
    std::vector<ABaseProjectWndItem*> m_items;

    DECLARE_MESSAGE_MAP()
};
