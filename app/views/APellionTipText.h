#pragma once
// The texts the graphic views show about the cursor: the tooltip (what lies
// under it, where a member will start or end, how far a move goes) and the
// status-bar prompt with its coordinates. Lengths are world values in metres,
// shown in the length unit of the unit settings with the options' number format.
#include "app/shell/ASingleton.h"
#include "common/omPoint.h"
#include "platform/core/CString.h"

class ADesignElement;
class ANode;
class AObject;

class APellionTipText : public ASingleton<APellionTipText> {
public:
    virtual ~APellionTipText();

    // View kinds.
    static constexpr int kGeometryView = 0;
    static constexpr int kLoadsView = 1;

    // The tooltip for the view kind and its input category, with the object
    // under the cursor (or none); a is the cursor, b the reference point (where
    // a move or a member started).
    CString GetTipText(int viewKind, int category, const AObject* object, bool actionInProgress, const omPoint& a,
                       const omPoint& b) const;
    // "x: ..., z: ..." in the length unit: the prompt of the geometry and result views.
    CString GetCoordinateText(double x, double z) const;

    // The pieces of the tooltip.
    CString NodeName(const ANode& node) const;
    CString NodeCoordinates(const ANode& node) const;
    CString NodeTip(const ANode& node) const;
    CString ElementName(const ADesignElement& element) const;
    CString RelativePosition(const ADesignElement& element, const omPoint& a) const;
    CString ElementPositionTip(const ADesignElement& element, const omPoint& a) const;
    CString Material(const ADesignElement& element) const;
    CString CrossSection(const ADesignElement& element) const;
    CString ElementTip(const ADesignElement& element) const;
    CString Move(const omPoint& a, const omPoint& b) const;
    CString Length(const omPoint& a, const omPoint& b) const;
    CString Angle(const omPoint& a, const omPoint& b) const;
    CString LoadObject(const AObject& object) const;
    // The prompt of a loads-view input mode (6 to 12); empty for others.
    static CString LoadModePrompt(int category);

private:
    // A length in metres in the chosen unit, with the options' number format and the unit's name.
    static CString LengthText(double metres);
    // A length in metres in the chosen unit, 3 decimals, and the unit's name.
    static CString Decimals3(double metres);
};
