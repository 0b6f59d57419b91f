#pragma once
// The project window: the open project as four trees on the tabs "Geometry",
// "Loads", "Results" and "Design", each tab tied to the workspace of the same
// id. The edit commands tell it what changed in a structure, and the stored
// windows of a workspace ask it for the entry they belong to.
#include "app/shell/AProjectWorkspaceWndInterface.h"
#include "framework/ABaseProjectTreeCtrl.h"
#include "framework/ABaseProjectWnd.h"

class ABaseStructureDoc;

// What the four trees share: their image strip, the record of their branches
// and their step weight.
class AProjectTreeView : public ABaseProjectTreeCtrl, public AProjectWorkspaceWndInterface {
public:
    AProjectTreeView(UINT nImageStrip, int nStepsPerStructure, const CRuntimeClass* pItemClass);

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    int GetNumberOfSteps() override;
    // Version 10000, the count and per structure its title and its branch's
    // record. A title of no structure of the project is read into a
    // temporary branch and dropped.
    virtual void Serialize(CArchive& ar);

protected:
    // The branch of a structure given as a document of the interface.
    template <class T> T* BranchOf(CDocument* pStructure) const;

    UINT m_nImageStrip;
    int m_nStepsPerStructure;
    const CRuntimeClass* m_pItemClass;
};

class AProjectGeomertyView : public AProjectTreeView {
public:
    AProjectGeomertyView();
    void UpdateElements(CDocument* pStructure) override;
    void UpdateNodes(CDocument* pStructure) override;
    void UpdateMaterials(CDocument* pStructure) override;
    void UpdateCrossSections(CDocument* pStructure) override;
    ABaseProjectTI* GetGeometryItem(CDocument* pStructure) override;
};

class AProjectLoadView : public AProjectTreeView {
public:
    AProjectLoadView();
    void UpdateActions(CDocument* pStructure) override;
    ABaseProjectTI* GetActionItem(CDocument* pStructure, int number) override;
    ABaseProjectTI* GetActionsLoadCasesManagerItem(CDocument* pStructure) override;
};

class AProjectResultView : public AProjectTreeView {
public:
    AProjectResultView();
    void UpdateLoadCases(CDocument* pStructure) override;
    void UpdateEnvelopes(CDocument* pStructure) override;
    ABaseProjectTI* GetLoadCaseItem(CDocument* pStructure, int number) override;
    ABaseProjectTI* GetEnvelopeItem(CDocument* pStructure, int number) override;
    ABaseProjectTI* GetEnvelopeManagerItem(CDocument* pStructure) override;
};

class AProjectDesignView : public AProjectTreeView {
public:
    AProjectDesignView();
    void UpdateElements(CDocument* pStructure) override;
    ABaseProjectTI* GetDesignResumeItem(CDocument* pStructure) override;
    ABaseProjectTI* GetDesignElementItem(CDocument* pStructure, int number) override;
};

class AProjectWorkspaceWnd : public ABaseProjectWnd, public AProjectWorkspaceWndInterface {
    DECLARE_DYNCREATE(AProjectWorkspaceWnd)
public:
    // The tabs, in their order; each tab's index is also its workspace's id.
    enum Tab { GeometryTab = 0, LoadsTab = 1, ResultsTab = 2, DesignTab = 3 };

    AProjectWorkspaceWnd();

    // Registers the four trees with their workspaces, then makes the tabs.
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    // Version 10001 and the records of the four trees; a record of version
    // 10000 has no Design tree.
    virtual void Serialize(CArchive& ar);
    // The project texts count the structures that are left.
    void RemoveStructure(ABaseStructureDoc* pStructure) override;

    void UpdateElements(CDocument* pStructure) override;
    void UpdateNodes(CDocument* pStructure) override;
    void UpdateMaterials(CDocument* pStructure) override;
    void UpdateCrossSections(CDocument* pStructure) override;
    void UpdateActions(CDocument* pStructure) override;
    void UpdateLoadCases(CDocument* pStructure) override;
    void UpdateEnvelopes(CDocument* pStructure) override;
    ABaseProjectTI* GetGeometryItem(CDocument* pStructure) override;
    ABaseProjectTI* GetActionItem(CDocument* pStructure, int number) override;
    ABaseProjectTI* GetLoadCaseItem(CDocument* pStructure, int number) override;
    ABaseProjectTI* GetEnvelopeItem(CDocument* pStructure, int number) override;
    ABaseProjectTI* GetActionsLoadCasesManagerItem(CDocument* pStructure) override;
    ABaseProjectTI* GetEnvelopeManagerItem(CDocument* pStructure) override;
    ABaseProjectTI* GetDesignResumeItem(CDocument* pStructure) override;
    ABaseProjectTI* GetDesignElementItem(CDocument* pStructure, int number) override;

    AProjectGeomertyView& GetGeometryTree() { return m_wndGeometry; }
    AProjectLoadView& GetLoadTree() { return m_wndLoads; }
    AProjectResultView& GetResultTree() { return m_wndResults; }
    AProjectDesignView& GetDesignTree() { return m_wndDesign; }

protected:
    AProjectGeomertyView m_wndGeometry;
    AProjectLoadView m_wndLoads;
    AProjectResultView m_wndResults;
    AProjectDesignView m_wndDesign;
};
