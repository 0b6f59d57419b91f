#pragma once
// The main editing view of a structure: it draws the members and nodes, and
// with the mouse inserts nodes and members (snapped to nodes and the grid, with
// an orthogonal mode), puts supports on nodes, elastic ground and hinge releases
// on members, and through the objects' context menus selects, moves, deletes
// and splits them. Every change goes to the document's edit operations
// (AGeometryViewDocument), which submit undoable commands.
#include "app/views/ACommandManager.h"
#include "app/views/AZoomView.h"
#include "common/omPoint.h"
#include "common/omUnitValue.h"

class ADesignElement;
class AGeometryViewDocument;
class ANode;
class ANode2D;
class AStrakonDocument;

class AGeometryView : public AZoomView, public ACommandView {
    DECLARE_DYNCREATE(AGeometryView)
public:
    // What a click does while the mouse mode is Other.
    enum InputMode {
        inputNode = 0,
        inputLinearElement = 1,
        inputNonLinearElement = 2,
        inputSupportX = 3,
        inputSupportZ = 4,
        inputSupportRotation = 5,
        inputSupport = 6,
        inputElasticGround = 7,
        inputRelease = 8
    };

    AGeometryView();
    ~AGeometryView() override;

    // Refills the document's pickable objects for the mode and enters mouse mode Other;
    // a value from 9 up only ends the action in progress.
    void SetInputMode(int mode);
    int GetInputMode() const { return m_nInputMode; }
    bool IsOrtoMode() const { return m_bOrto; }
    // The rubber line of the member being inserted (world metres).
    const omPoint& GetElementStart() const { return m_start; }
    const omPoint& GetElementEnd() const { return m_end; }

    // The ground values of the last ground dialog, shared by all geometry views.
    static omUnitValue s_groundCoefficient;
    static int s_groundSide;

    bool OnClickAction(UINT flags, int x, int y) override;
    bool OnButtonDownAction(UINT flags, int x, int y) override;
    bool OnMouseMoveAction(UINT flags, int x, int y) override;
    bool OnButtonUpAction(UINT flags, int x, int y) override;
    void CancelAction(UINT flags, int x, int y) override;
    CString GetModeName() override;
    CString GetPromptText() override;
    bool Draw(CDC* dc, CPoint p) const override;
    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void UpdateAfterCommand(AStructureDocument*) override {}

    // The commands (public for the toolbars and for tests).
    void OnSelect();
    void OnSelectWindow();
    void OnInputMode(UINT id);
    void OnEditMaterials();
    void OnEditCrossSections();
    void OnSwapFill();
    void OnToggleOrto();
    void OnMajorGrid();
    void OnMinorGrid();
    void OnSupport(UINT id);
    void OnObjectSelect();
    void OnObjectDelete();
    void OnObjectProperties();
    void OnElementMove();
    void OnNodeMove();
    void OnSplit(UINT id);
    void OnSplitMore();
    void OnToggleTruss();
    void OnElementGround();
    void OnGroundSide(UINT id);
    void OnNodeToggleSupport(UINT id);

protected:
    void OnUpdateSelect(CCmdUI* pCmdUI);
    void OnUpdateSelectWindow(CCmdUI* pCmdUI);
    void OnUpdateInputMode(CCmdUI* pCmdUI);
    void OnUpdateMaterialFill(CCmdUI* pCmdUI);
    void OnUpdateSectionFill(CCmdUI* pCmdUI);
    void OnUpdateOrto(CCmdUI* pCmdUI);
    void OnUpdateMajorGrid(CCmdUI* pCmdUI);
    void OnUpdateMinorGrid(CCmdUI* pCmdUI);
    void OnUpdateSupport(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    AStrakonDocument* GetStrakonDocument() const;
    AGeometryViewDocument* GetEditDocument() const;
    // The point of the member's end: a horizontal or vertical line from the
    // start, ended where it crosses a hit member.
    omPoint OrthogonalPoint(int x, int y, AObject* hit);
    // Empties the pickable objects and refills them with what the mode offers.
    void RefillObjects(bool elementsFirst, bool nodes);
    // The context menus act on the object under the cursor at the right click.
    ADesignElement* ElementUnderCursor() const;
    ANode* NodeUnderCursor() const;
    // The linear member under the cursor for the ground commands; a warning and null for another.
    ADesignElement* GroundElementUnderCursor();
    void CancelAtCursor() { CancelAction(0xFFFF, 0, 0); }

    int m_nInputMode = inputNode;
    ANode2D* m_pFirstNode = nullptr; // not owned
    omPoint m_start;
    omPoint m_end;
    bool m_bOrto = false;
    bool m_bSupportX = false;
    bool m_bSupportZ = false;
    bool m_bSupportRotation = false;
    double m_supportAngle = 0.0;
};
