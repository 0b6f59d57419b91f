#pragma once
// How far a structure reaches: four extent values that the user sets and that
// grow when nodes lie outside them, and the rectangle that bounds the nodes
// (base length unit; all zero while there is no node). Views ask it for their
// drawing rectangle with a margin that suits what they show.
#include "common/AStorageBase.h"
#include "common/omRect.h"
#include "common/omUnitValue.h"

class AExtents2D : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()
public:
    // Drawing-rectangle modes: what the view shows.
    enum Mode {
        modeExtents = 0,
        modeLoads = 1,
        modeResults = 2,
        modeZoomAll = 3,
        modeReport = 4,
        modeDisplaced = 5
    };

    AExtents2D();
    AExtents2D(const AExtents2D&) = default;
    AExtents2D& operator=(const AExtents2D&) = default;
    ~AExtents2D() override;

    // Takes in a point (base length unit); true when the node rectangle grew.
    // The first point of empty extents is no growth; a first point at (0, 0) is
    // kept as (0, -0.00001) so that the rectangle is no longer null.
    bool AddPoint(double x, double z);
    // The drawing rectangle in unit, with the margin of mode (see Mode);
    // length is the displaced shape's length for mode 5.
    void GetExtentsRect(omRect& out, omUnitKey unit, int mode, double length = 0.0) const;

    // left the smallest x, right the largest, top the smallest z, bottom the largest.
    omUnitValue left;
    omUnitValue right;
    omUnitValue top;
    omUnitValue bottom;
    omRect m_nodeRect;
};
