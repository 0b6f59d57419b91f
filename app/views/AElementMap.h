#pragma once
// The element map of the drawable structure: the model's element map with the
// loops that the views need: collecting, drawing, result diagrams at one
// common scale and the design state.
//
// The map keeps the working copy of a member's load group that an open
// element-load sheet edits. The map does not own it, and its member can leave
// the model while the sheet is open (deleted, removed by an Undo, or given
// another load group by an Undo); the owner of the sheet then drops the pointer
// through DropCurrentLoadGroup, and the copy is drawn only while its member is
// still the map's member under that number.
#include "controls/AObject.h"
#include "model/omElementMap.h"

class AElementLoadGroup;
class AMapC2L;
class CDC;
class omDofVector;
class omStrakon;

class AElementMap : public omElementMap {
public:
    AElementMap();
    ~AElementMap() override;

    // Appends every drawable member; the number appended.
    int GetElements(AObjectPtrContainer& list);
    // Each drawable member whose large bounding rectangle meets the clip draws itself.
    void Draw(AMapC2L& map, CDC& dc, const omRect& clip, int drawMode, const ADrawAttributes& attributes);
    // The members in the colours of their design results, as rectangles.
    void DrawDesignState(AMapC2L& map, CDC& dc, const omRect& clip, int drawMode,
                         const ADrawAttributes& attributes);
    void SetActiveLoadGroup(int loadGroup);

    // The diagrams of a load case (1 to 1000) or an envelope (above 1000) of the
    // model's results; the common scale, 0 when nothing was drawn.
    double DrawResults(const omStrakon& model, AMapC2L& map, CDC& dc, const omRect& clip, int drawMode,
                       unsigned caseNumber, int component, bool forces, bool local);
    // Model units of drawing per unit of the quantity; 0 for no diagram.
    static double ResultScale(const omDofVector& extremeF, const omDofVector& extremeU, double extremeValue,
                              bool forces, int component);

    // The sheet's working copy of the load group of owner (neither owned);
    // null hides it.
    void SetCurrentLoadGroup(AElementLoadGroup* group, const omDesignElement* owner);
    AElementLoadGroup* GetCurrentLoadGroup() const { return m_currentLoadGroup; }
    // The current group while its member is still the map's member of that
    // number; null otherwise. The member is compared by address and never read.
    AElementLoadGroup* GetLiveCurrentLoadGroup() const;
    // Forgets the current group when element is its owner (any owner for
    // null): called before the member leaves the model. Whether it was dropped.
    bool DropCurrentLoadGroup(const omDesignElement* element);

private:
    AElementLoadGroup* m_currentLoadGroup = nullptr;
    const omDesignElement* m_currentOwner = nullptr;
    unsigned m_currentOwnerId = 0;
};
