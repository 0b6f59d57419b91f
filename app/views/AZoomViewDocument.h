#pragma once
// What a graphic view asks of its document: the pickable objects and the
// selection, the selection's edit operations, the drawing extents and grid,
// and the report it prints. The structure document implements it; a view finds
// it on its document.
#include "common/omRect.h"
#include "controls/AObject.h"
#include "platform/core/CObject.h"

class AExtents2D;
class AGrid;
class AMapC2L;
class APrintManager;
class ASimpleObjectGroup;
class CDC;
class CView;

class AZoomViewDocument {
public:
    virtual ~AZoomViewDocument();

    // The objects the active view can pick.
    virtual AObjectPtrContainer& GetObjectList() = 0;
    // The selected objects, in the order of their selection.
    virtual AObjectPtrContainer& GetSelection() = 0;
    // Deletes the selection as one undoable command (a document that cannot edit ignores it).
    virtual void DeleteSelection(CView* view);
    // Shows the selection in the property frame; open asks to open it when it is closed.
    virtual void ShowSelectionProperties(CView* view, bool open) = 0;
    // Collects the outlines of the selection's movable objects into group;
    // false (after its own message) when nothing can move.
    virtual bool BeginMove(CView* view, ASimpleObjectGroup& group) = 0;
    // Moves the selection by a world offset, as one undoable command (a
    // document that cannot edit ignores it).
    virtual void MoveSelection(double dx, double dz);
    // The world rectangle of the drawing of a view kind (0 geometry, 1 loads,
    // 2 results, ...) for a case (0 the active case), in the unit of the code.
    virtual omRect GetDrawExtents(int unitCode, int viewKind, int caseIndex) = 0;
    // The structure's extents (what Zoom All fits).
    virtual const AExtents2D& GetExtents() const = 0;
    // Sets the grid's spacings and colours from the options for the map's zoom.
    virtual void SetupGrid(AGrid& grid, const AMapC2L& map) = 0;
    // Switches the captions of result drawings on or off (a copied view has them the other way).
    virtual void InvertResultCaption() = 0;
    // The composer of the printed report.
    virtual APrintManager& GetReportComposer() = 0;
    // Fills the composer with the report for the printer's context; false when there is nothing to print.
    virtual bool PrepareOutput(CDC* dc) = 0;
};

// The objects of update hint 2 (redraw these objects), as a document passes them to its views.
class AObjectListHint : public CObject, public AObjectPtrContainer {
public:
    AObjectListHint() = default;
    explicit AObjectListHint(const AObjectPtrContainer& objects) : AObjectPtrContainer(objects) {}
};
// The one object of a hint such as 1 (redraw this object). The drawable objects
// are no CObjects, so they travel wrapped.
class AObjectHint : public CObject {
public:
    explicit AObjectHint(AObject* object) : m_pObject(object) {}
    AObject* m_pObject;
};
