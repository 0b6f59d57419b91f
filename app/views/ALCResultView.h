#pragma once
// The results of one load case or envelope of a structure, drawn as diagrams
// over the structure: moments, axial and shear forces, displacements (global or
// local Uz), rotations and contact pressures. Every result view of a document
// shows the same kind of diagram; picking a member's result mark selects its
// results.
#include "app/views/ACommandManager.h"
#include "app/views/AZoomView.h"

class AStrakonDocument;

class ALCResultView : public AZoomView, public ACommandView {
    DECLARE_DYNCREATE(ALCResultView)
public:
    // The result kinds are the update hints that switch every result view.
    enum ResultKind {
        kindMoments = 3101,
        kindAxialForces = 3102,
        kindShearForces = 3103,
        kindDisplacements = 3104,
        kindLocalDisplacements = 3105,
        kindRotations = 3106,
        kindContactPressures = 3107
    };

    ALCResultView();
    ~ALCResultView() override;

    // A load case number up to 1000, or 1000 + an envelope number.
    int GetResultCase() const { return m_nResultCase; }
    void SetResultCase(int resultCase) { m_nResultCase = resultCase; }
    int GetResultKind() const { return m_nResultKind; }
    bool IsLocal() const { return m_bLocal; }
    // The view's case still exists in the document (a deleted one shows no diagrams).
    bool IsResultCaseValid() const;

    CString GetModeName() override;
    CString GetPromptText() override;
    bool Draw(CDC* dc, CPoint p) const override;
    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void UpdateAfterCommand(AStructureDocument*) override {}

    // The commands (public for the toolbars and for tests).
    void OnResultKind(UINT id);
    void OnExpandDiagram();
    void OnShrinkDiagram();
    void OnToggleLabels();

protected:
    void OnUpdateResultKind(CCmdUI* pCmdUI);
    void OnUpdateDiagramSize(CCmdUI* pCmdUI);
    void OnUpdateLabels(CCmdUI* pCmdUI);
    void OnUpdateUndoRedo(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    AStrakonDocument* GetStrakonDocument() const;

    int m_nResultCase = 1;
    int m_nResultKind = kindMoments;
    bool m_bLocal = false;
};
