#pragma once
// What the structure's edit commands and the stored window information ask of
// the project window: keep the trees in step with a structure that changed,
// and find the tree item that lists a given window. The bodies do nothing and
// return null, so an implementation overrides only what its trees show.
class ABaseProjectTI;
class CDocument;

class AProjectWorkspaceWndInterface {
public:
    virtual ~AProjectWorkspaceWndInterface() = default;

    virtual void UpdateElements(CDocument* pStructure);
    virtual void UpdateNodes(CDocument* pStructure);
    virtual void UpdateMaterials(CDocument* pStructure);
    virtual void UpdateCrossSections(CDocument* pStructure);
    virtual void UpdateActions(CDocument* pStructure);
    virtual void UpdateLoadCases(CDocument* pStructure);

    virtual ABaseProjectTI* GetGeometryItem(CDocument* pStructure);
    virtual ABaseProjectTI* GetActionItem(CDocument* pStructure, int number);
    virtual ABaseProjectTI* GetLoadCaseItem(CDocument* pStructure, int number);
    virtual ABaseProjectTI* GetEnvelopeItem(CDocument* pStructure, int number);
    virtual ABaseProjectTI* GetActionsLoadCasesManagerItem(CDocument* pStructure);
    virtual ABaseProjectTI* GetEnvelopeManagerItem(CDocument* pStructure);
    virtual ABaseProjectTI* GetDesignResumeItem(CDocument* pStructure);
    virtual ABaseProjectTI* GetDesignElementItem(CDocument* pStructure, int number);

    // The Results tree's envelope folder. Virtual here (unlike the other
    // updates it concerns one tree only) so that a recording window in the
    // tests sees it as well.
    virtual void UpdateEnvelopes(CDocument* pStructure);

    // The project window of the application's main frame when that frame has
    // one that implements this interface; null otherwise (no main frame yet, a
    // frame without a project bar). The edit commands skip their tree updates
    // on null.
    static AProjectWorkspaceWndInterface* FromMainFrame();
};
