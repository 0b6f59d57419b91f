#pragma once
// One member's result diagram: the points of the last drawn curve of a load
// case or an envelope, kept so that the value labels can be drawn in a second
// pass over all members, above every diagram.
#include "common/omLine.h"
#include "controls/ASymbol.h"
#include "platform/core/CRect.h"
#include "rezavud/omVector.h"

#include <vector>

class AMapC2L;
class CDC;
class omDesignElement;
class omLoadCaseResult;
class omNumberFormat;

// values(i) minus the chord through the first and the last value at the
// relative positions t (0-based, one per value).
void SubtractChord(omVector& values, const std::vector<double>& t);

// The value labels already drawn in one picture: their boxes (logical units,
// normalised) and texts. A label keeps clear of them.
class AResultLabelPlaces {
public:
    struct Label {
        CRect box;
        CString text;
    };
    // Where a label of the box size, centred at 'at', goes: the first place along
    // 'normal' (a unit vector in logical units, tried on the 'outward' side first)
    // whose box overlaps no label drawn before. False when the label would overlap
    // a label with the same text: it is left out. When no place within a few steps
    // is free, the label stays where it is. The place found is taken.
    bool Place(CPoint& at, CSize size, double normalX, double normalY, bool outward, const CString& text);
    const std::vector<Label>& GetLabels() const { return m_labels; }
    void Clear() { m_labels.clear(); }

    static constexpr int kSteps = 4;

private:
    // The first label overlapping the box; null when none does.
    const Label* overlapping(const CRect& box) const;
    std::vector<Label> m_labels;
};

class AResultDiagram {
public:
    explicit AResultDiagram(const omDesignElement* element = nullptr) : m_element(element) {}
    void SetElement(const omDesignElement* element) { m_element = element; }

    // Keeps the drawing's arguments and reads the member's axis (metres).
    void Setup(AMapC2L& map, CDC& dc, int drawMode, int component, bool forces, bool local, double scale,
               int textHeight);
    // The diagram points of one result in world coordinates; false (no points)
    // when the result does not fit the member's result positions.
    bool Compute(const omLoadCaseResult& result);
    // The curve through the points with the context's pen.
    void DrawCurve();
    // Lines from the axis to the curve, one node symbol apart.
    void Hatch();
    // The value labels at the extremes; with places, clear of the labels drawn before.
    void DrawLabels(const omLoadCaseResult& result, AResultLabelPlaces* places = nullptr);
    // Indexes of the extreme values (and of both ends when asked), ascending;
    // none for fewer than two values.
    static std::vector<int> LabelPoints(const omVector& values, bool withEnds);
    // A label's text: the value rounded to the last digit that the format
    // writes of the picture's largest value (extreme, same unit), then written
    // in the format. Round-off far below the picture's precision is written as
    // zero, "0", never as "-0".
    static CString LabelText(double value, double extreme, const omNumberFormat& format);
    // Each value from the base unit of the quantity into the unit chosen for it.
    static void ConvertValues(omVector& values, int baseUnitKey, int shownUnitKey);

    // The points of the current curve and the saved first curve of an envelope.
    void SavePoints();
    void RestorePoints();
    void ClearPoints();
    const omVector& GetX() const { return m_x; }
    const omVector& GetY() const { return m_y; }
    bool IsDisplacedShape() const { return !m_forces && m_component == 2; }
    double GetNodeSize() const { return m_nodeSize; }

private:
    // The values the labels and the curve read for the result.
    void readValues(const omLoadCaseResult& result, omVector& values) const;
    bool drawable() const { return m_map && m_dc && m_x.size() > 0; }

    const omDesignElement* m_element;
    AMapC2L* m_map = nullptr;
    CDC* m_dc = nullptr;
    int m_drawMode = 0;
    int m_component = 4;
    bool m_forces = true;
    bool m_local = false;
    double m_scale = 0.0;
    double m_nodeSize = 0.0;
    omLine m_axis;
    double m_length = 0.0;
    double m_angle = 0.0;
    omVector m_x;
    omVector m_y;
    omVector m_savedX;
    omVector m_savedY;
    ASymText m_text;
};
