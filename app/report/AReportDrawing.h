#pragma once
// What the report needs from the drawable structure: the structure, the loads
// of the active load group and the result diagrams drawn into a picture, and
// the active load group itself. The program's model object provides it.
#include "common/omRect.h"

class ADrawAttributes;
class AMapC2L;
class CDC;

class AReportDrawing {
public:
    virtual ~AReportDrawing() = default;

    // The elements and nodes that meet world.
    virtual void Draw(AMapC2L& map, CDC* dc, const omRect& world, int mode, ADrawAttributes* attributes) = 0;
    // The loads of the active load group.
    virtual void DrawLoads(AMapC2L& map, CDC* dc, const omRect& world, int mode, ADrawAttributes* attributes) = 0;
    // One result diagram of every element at a common scale; resultCase 1 to
    // 1000 is a load case, above 1000 envelope resultCase - 1000.
    virtual void DrawResults(AMapC2L& map, CDC* dc, const omRect& world, int mode, int resultCase, int kind,
                             bool forces, bool local) = 0;
    virtual void SetActiveLoadGroup(int group) = 0;
    // The group last made active.
    virtual int GetActiveLoadGroup() const = 0;
};
