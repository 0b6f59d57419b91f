#pragma once
// The loads window of a structure: the structure greyed and, over it, the node
// and member loads of one action. With the mouse the user places concentrated
// forces, prescribed displacements, linear loads on whole members or on a
// dragged part of a member and temperature loads, each through its dialog and
// then as one undoable command; the loads' context menus select, delete and
// show the properties of a node's or member's loads. Several loads views of one
// document may be open, each on its own action; they change input mode together.
#include "app/views/ACommandManager.h"
#include "app/views/AZoomView.h"
#include "common/omPoint.h"

class ADesignElement;
class AStrakonDocument;
class omLoadForce;
class omLoadLinear;
class omLoadTemperature;

class AForceView : public AZoomView, public ACommandView {
    DECLARE_DYNCREATE(AForceView)
public:
    // The input modes are the update hints that switch every loads view.
    enum InputMode {
        inputSelect = 2100,
        inputForce = 2101,
        inputLinearLoad = 2102,
        inputPartialLinearLoad = 2103,
        inputDisplacement = 2106,
        inputTemperature = 2107
    };

    AForceView();
    ~AForceView() override;

    // The view's action (1-based), set by the document when it opens the window.
    int GetLoadGroup() const { return m_LoadGroup; }
    void SetLoadGroup(int loadGroup) { m_LoadGroup = loadGroup; }
    // Whether the view's action exists in the document's load manager.
    bool IsLoadGroupValid() const;
    int GetInputMode() const { return m_InputMode; }
    // Refills the document's pickable objects for the mode and sets the mouse mode.
    void SetInputMode(int mode);

    // The loads the dialogs start from and write back to, shared by every loads
    // view: the last entered values carry over to the next placement. They are
    // made on first use; ReleasePrototypes drops them (the next use starts anew).
    static omLoadForce& PrototypeForce();
    static omLoadLinear& PrototypeLinearLoad();
    static omLoadTemperature& PrototypeTemperatureLoad();
    static void ReleasePrototypes();

    // The loaded part of a member between the feet of two points (relative
    // positions along it, in any order), kept inside the member; false when
    // nothing of it lies on the member.
    static bool LoadedPart(double a, double b, double& start, double& end);

    bool OnClickAction(UINT flags, int x, int y) override;
    bool OnButtonDownAction(UINT flags, int x, int y) override;
    bool OnMouseMoveAction(UINT flags, int x, int y) override;
    bool OnButtonUpAction(UINT flags, int x, int y) override;
    void CancelAction(UINT flags, int x, int y) override;
    UINT GetObjectMenuId(AObject* object) override;
    CString GetModeName() override;
    CString GetPromptText() override;
    bool Draw(CDC* dc, CPoint p) const override;
    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void UpdateAfterCommand(AStructureDocument*) override {}

    // The commands (public for the toolbars and for tests).
    void OnSelectMode();
    void OnModeCommand(UINT id);
    void OnLoadSelect();
    void OnLoadDelete();
    void OnLoadProperties();

protected:
    void OnUpdateSelectMode(CCmdUI* pCmdUI);
    void OnUpdateModeCommand(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    AStrakonDocument* GetStrakonDocument() const;
    // The load group of the object under the cursor (a node's, a member's, or the object itself).
    AObject* LoadGroupUnderCursor() const;
    // The band along the kept member from the foot of its press point to the foot of p.
    void DragBandTo(const omPoint& p);
    bool AddForce(AObject* hit, const omPoint& world, bool shift);
    bool AddDisplacement(AObject* hit);
    bool AddLinearLoad(ADesignElement* element, bool shift);
    bool AddTemperatureLoad(ADesignElement* element, bool shift);

    int m_LoadGroup = -1;
    int m_InputMode = inputForce;
    omPoint m_pressPoint;
    ADesignElement* m_pPressElement = nullptr; // not owned
};
