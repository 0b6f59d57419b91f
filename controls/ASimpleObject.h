#pragma once
// Drag outlines: the simple shapes that stand for the picked objects while the
// user drags them with the mouse. A group holds the shapes of one drag and the
// world points of the dragged objects that move with it.
//
// The shapes are drawn inverting (R2_NOT) where the surface allows it. On a
// widget they are the view's overlay, drawn over its cached picture in every
// paint event, so a drag moves the points and asks for the overlay only; the
// document is not drawn again:
//
//   group.Clear(); object->AddDragShapes(group, selection); group.SetMovablePoint(start);
//   mouse moves:   group.Drag(map, view, world);     // the overlay repaints
//   OnDrawOverlay: group.Show(map, dc, true);        // over the picture
//   end of drag:   group.Clear() and InvalidateOverlay(), or a last repaint
#include "common/omPoint.h"

#include <memory>
#include <vector>

class AMapC2L;
class CDC;

class ASimpleObject {
public:
    virtual ~ASimpleObject();
    virtual void Draw(AMapC2L& map, CDC& dc) const = 0;
};

// A line between two world points. A dragged object registers the points that
// follow the drag with the group (ASimpleObjectGroup::Add(omPoint*)).
class ASimpleLine : public ASimpleObject {
public:
    ASimpleLine(const omPoint& a, const omPoint& b) : m_a(a), m_b(b) {}
    void Draw(AMapC2L& map, CDC& dc) const override;
    omPoint* GetPoint1() { return &m_a; }
    omPoint* GetPoint2() { return &m_b; }

private:
    omPoint m_a;
    omPoint m_b;
};

// The ellipse in the world square centre +- radius.
class ASimpleCircle : public ASimpleObject {
public:
    ASimpleCircle(const omPoint& centre, double radius) : m_centre(centre), m_radius(radius) {}
    void Draw(AMapC2L& map, CDC& dc) const override;
    omPoint* GetCentre() { return &m_centre; }

private:
    omPoint m_centre;
    double m_radius;
};

// A band of the given world width beside the segment a-b (to the left of its
// direction for a positive width), drawn as its closed outline; nothing when a
// and b coincide.
class ASimpleBand : public ASimpleObject {
public:
    ASimpleBand(const omPoint& a, const omPoint& b, double width) : m_a(a), m_b(b), m_width(width) {}
    void Draw(AMapC2L& map, CDC& dc) const override;
    omPoint* GetPoint1() { return &m_a; }
    omPoint* GetPoint2() { return &m_b; }

private:
    omPoint m_a;
    omPoint m_b;
    double m_width;
};

class ASimpleObjectGroup {
public:
    ASimpleObjectGroup() = default;
    // A group hands its shapes and their moving points over when it is moved;
    // the source keeps neither.
    ASimpleObjectGroup(ASimpleObjectGroup&& other) noexcept;
    ASimpleObjectGroup& operator=(ASimpleObjectGroup&& other) noexcept;
    ASimpleObjectGroup(const ASimpleObjectGroup&) = delete;
    ASimpleObjectGroup& operator=(const ASimpleObjectGroup&) = delete;
    virtual ~ASimpleObjectGroup();

    // Takes ownership of the shape.
    void Add(ASimpleObject* shape);
    // A point (not owned) that moves with the drag: usually a point of one of
    // the group's shapes, so that the outline follows the mouse.
    void Add(omPoint* point);
    // The world position the drag starts from.
    void SetMovablePoint(const omPoint& p) { m_movablePoint = p; }
    const omPoint& GetMovablePoint() const { return m_movablePoint; }

    // Draws every shape inverting with the hollow brush; the context's raster
    // operation and brush are as before afterwards.
    void Draw(AMapC2L& map, CDC& dc) const;
    // Draws when not shown yet or when forced, and marks the shapes shown.
    void Show(AMapC2L& map, CDC& dc, bool force);
    // Draws once more (erasing, since drawing inverts) when shown, and marks them hidden.
    void Hide(AMapC2L& map, CDC& dc);
    bool IsShown() const { return m_shown; }

    // Adds d to every registered point.
    void Offset(const omPoint& d);
    // Follows the mouse to world point p: unless p is the movable point, the
    // registered points move by the difference, p becomes the movable point and
    // the view (anything with InvalidateOverlay(), such as the zoom view) is
    // asked to paint its overlay again. Returns whether anything moved.
    template <class View> bool Drag(AMapC2L& map, View* view, const omPoint& p) {
        if (!MoveTo(map, p)) return false;
        if (view) view->InvalidateOverlay();
        return true;
    }
    // The moving part of Drag, for callers that repaint by themselves.
    bool MoveTo(AMapC2L& map, const omPoint& p);

    // Deletes the shapes, forgets the points and marks the group hidden.
    void Clear();
    bool IsEmpty() const { return m_shapes.empty(); }
    int GetShapeCount() const { return static_cast<int>(m_shapes.size()); }

private:
    std::vector<std::unique_ptr<ASimpleObject>> m_shapes;
    std::vector<omPoint*> m_points;
    omPoint m_movablePoint;
    bool m_shown = false;
};
