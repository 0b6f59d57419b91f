#include "controls/ASimpleObject.h"

#include "common/omLine.h"
#include "common/omRect.h"
#include "controls/AMapC2L.h"
#include "platform/gdi/CDC.h"

ASimpleObject::~ASimpleObject() = default;

void ASimpleLine::Draw(AMapC2L& map, CDC& dc) const {
    dc.MoveTo(map.LU(m_a));
    dc.LineTo(map.LU(m_b));
}

void ASimpleCircle::Draw(AMapC2L& map, CDC& dc) const {
    const CRect r = map.LU(
        omRect(m_centre.x - m_radius, m_centre.y - m_radius, m_centre.x + m_radius, m_centre.y + m_radius));
    dc.Ellipse(&r);
}

void ASimpleBand::Draw(AMapC2L& map, CDC& dc) const {
    if (m_a == m_b) return;
    omLine moved(m_a, m_b);
    moved.movePerpendicular(m_width);
    dc.MoveTo(map.LU(m_a));
    dc.LineTo(map.LU(m_b));
    dc.LineTo(map.LU(moved.p2()));
    dc.LineTo(map.LU(moved.p1()));
    dc.LineTo(map.LU(m_a));
}

ASimpleObjectGroup::ASimpleObjectGroup(ASimpleObjectGroup&& other) noexcept
    : m_shapes(std::move(other.m_shapes)), m_points(std::move(other.m_points)),
      m_movablePoint(other.m_movablePoint), m_shown(other.m_shown) {
    other.m_shapes.clear();
    other.m_points.clear();
}

ASimpleObjectGroup& ASimpleObjectGroup::operator=(ASimpleObjectGroup&& other) noexcept {
    if (this != &other) {
        m_shapes = std::move(other.m_shapes);
        other.m_shapes.clear();
        m_points = std::move(other.m_points);
        other.m_points.clear();
        m_movablePoint = other.m_movablePoint;
        m_shown = other.m_shown;
    }
    return *this;
}

ASimpleObjectGroup::~ASimpleObjectGroup() = default;

void ASimpleObjectGroup::Add(ASimpleObject* shape) {
    if (shape) m_shapes.emplace_back(shape);
}

void ASimpleObjectGroup::Add(omPoint* point) {
    if (point) m_points.push_back(point);
}

void ASimpleObjectGroup::Draw(AMapC2L& map, CDC& dc) const {
    const int oldRop = dc.SetROP2(R2_NOT);
    CGdiObject* oldBrush = dc.SelectStockObject(HOLLOW_BRUSH);
    for (const auto& shape : m_shapes)
        shape->Draw(map, dc);
    dc.SelectObject(oldBrush);
    dc.SetROP2(oldRop);
}

void ASimpleObjectGroup::Show(AMapC2L& map, CDC& dc, bool force) {
    if (!m_shown || force) Draw(map, dc);
    m_shown = true;
}

void ASimpleObjectGroup::Hide(AMapC2L& map, CDC& dc) {
    if (m_shown) Draw(map, dc);
    m_shown = false;
}

void ASimpleObjectGroup::Offset(const omPoint& d) {
    for (omPoint* p : m_points)
        *p += d;
}

bool ASimpleObjectGroup::MoveTo(AMapC2L&, const omPoint& p) {
    const omPoint d = p - m_movablePoint;
    if (d.x == 0.0 && d.y == 0.0) return false;
    Offset(d);
    m_movablePoint = p;
    return true;
}

void ASimpleObjectGroup::Clear() {
    m_shapes.clear();
    m_points.clear();
    m_shown = false;
}
