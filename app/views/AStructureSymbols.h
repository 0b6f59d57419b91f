#pragma once
// The symbols of the structure pictures: supports, member-end releases,
// elastic ground, node loads and distributed loads. Each lists its points in
// the unit box and draws from them once ASymbol has placed them. Circles are
// drawn with the context's Ellipse, so they take the pen and the fill.
//
// u is the first and v the second unit-box coordinate; v grows with the
// logical y of the context.
#include "common/omUnitValue.h"
#include "controls/ASymbol.h"

// A node with its supports shown as bars: a filled circle, a cross when the
// rotation is held, bars above and below when uz is held, bars left and right
// when ux is held.
class ASymGenericSupp2D : public ASymbol {
public:
    ASymGenericSupp2D(bool ux, bool uz, bool fiy);
    void Draw(CDC& dc, const omPoint& at, bool erase) override;
    void CreatePoints() override;

private:
    bool m_ux;
    bool m_uz;
    bool m_fiy;
};

// A triangle with the hinge over its apex; a roller adds the sliding line
// under the base.
class ASymPinSupp2D : public ASymbol {
public:
    explicit ASymPinSupp2D(bool slidingLine);
    void Draw(CDC& dc, const omPoint& at, bool erase) override;
    void CreatePoints() override;

private:
    bool m_slidingLine;
};

// The block on the hatched ground line of a fixed support.
class ASymFullSupp2D : public ASymbol {
public:
    ASymFullSupp2D();
    void Draw(CDC& dc, const omPoint& at, bool erase) override;
    void CreatePoints() override;
};

// Two plates across the member line: the transverse force is released.
class ASymUzRelease : public ASymbol {
public:
    ASymUzRelease() = default;
    void Draw(CDC& dc, const omPoint& at, bool erase) override;
    void CreatePoints() override;
};

// An open box on the member line: the normal force is released.
class ASymUxRelease : public ASymbol {
public:
    ASymUxRelease() = default;
    void Draw(CDC& dc, const omPoint& at, bool erase) override;
    void CreatePoints() override;
};

// The hinge on the member line: the moment is released.
class ASymFiyRelease : public ASymbol {
public:
    ASymFiyRelease() = default;
    void Draw(CDC& dc, const omPoint& at, bool erase) override;
    void CreatePoints() override;
};

// Nothing of its own: only the box painted when erasing.
class ASymEmpty : public ASymbol {
public:
    ASymEmpty() = default;
    void Draw(CDC& dc, const omPoint& at, bool erase) override;
    void CreatePoints() override;
};

// A zigzag spring hanging from the top edge (the reference edge) down to its
// ground line.
class ASymGroundSpring : public ASymbol {
public:
    ASymGroundSpring();
    void Draw(CDC& dc, const omPoint& at, bool erase) override;
    void CreatePoints() override;
};

// A curved arrow around the box's centre; a negative width mirrors it, which
// turns the sense of rotation it shows.
class ASymMoment : public ASymbol {
public:
    ASymMoment() = default;
    void Draw(CDC& dc, const omPoint& at, bool erase) override;
    void CreatePoints() override;
};

// The loads of a node: an arrow for Fx, an arrow for Fz, the moment for My,
// their values and a label. A value without a unit stands for a mixed sum of
// forces and displacements and is shown as such in red.
class ASymConcentrated : public ASymbol {
public:
    ASymConcentrated();
    ~ASymConcentrated() override;
    void Draw(CDC& dc, const omPoint& at, bool erase) override;
    void CreatePoints() override;

    void SetValues(const omUnitValue& fx, const omUnitValue& fz, const omUnitValue& my);
    void SetLabel(const CString& label) { m_label = label; }
    const CString& GetLabel() const { return m_label; }
    // The node symbol size in logical units: the arrows start half of it from the node.
    void SetBaseSize(double size) { m_baseSize = size; }
    double GetBaseSize() const { return m_baseSize; }
    // The text symbol of the values and the label (font, height).
    ASymText& GetText() { return m_text; }

private:
    ASymArrow m_arrowX;
    ASymArrow m_arrowZ;
    ASymMoment m_moment;
    ASymText m_text;
    double m_baseSize = 0.0;
    omUnitValue m_fx;
    omUnitValue m_fz;
    omUnitValue m_my;
    CString m_label;
};

// A distributed load: the filled rectangle along the member, its value in the
// middle and arrows (or moments) along the centre line, each as long as the
// load's intensity there.
//
// Kinds: 0 arrows along the base angle, 1 horizontal, 2 vertical, 3 moments,
// 4 arrows pointing away from the middle (temperature difference).
class ASymLoadRect : public ASymbol {
public:
    ASymLoadRect();
    ~ASymLoadRect() override;
    void Draw(CDC& dc, const omPoint& at, bool erase) override;
    void CreatePoints() override;

    void SetIntensities(const omUnitValue& start, const omUnitValue& end) {
        m_start = start;
        m_end = end;
    }
    void SetKind(int kind) { m_kind = kind; }
    int GetKind() const { return m_kind; }
    void SetArrowPenThickness(unsigned thickness) { m_arrowPen = thickness; }
    // Radians; kind 0 turns its arrows by it.
    void SetBaseAngle(double angle) { m_baseAngle = angle; }
    // The text symbol of the label (font, height).
    ASymText& GetText() { return m_text; }
    // The label that the intensities give.
    CString GetLabelText() const;

private:
    ASymText m_text;
    omUnitValue m_start;
    omUnitValue m_end;
    int m_kind = 0;
    unsigned m_arrowPen = 0;
    double m_baseAngle = 0.0;
};
