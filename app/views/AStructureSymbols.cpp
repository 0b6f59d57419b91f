#include "app/views/AStructureSymbols.h"

#include "app/shell/AOptionsAttributes.h"
#include "platform/gdi/CDC.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double pi = std::numbers::pi;
constexpr COLORREF kMixColor = RGB(255, 0, 0);
const char* const kMixText = "Mix: U+F";

void line(CDC& dc, const omPoint& a, const omPoint& b) {
    dc.MoveTo(ASymbol::Round(a));
    dc.LineTo(ASymbol::Round(b));
}

void polyline(CDC& dc, const std::vector<omPoint>& points, std::initializer_list<int> indexes, bool closed) {
    POINT p[16];
    int n = 0;
    for (int i : indexes)
        p[n++] = ASymbol::Round(points[static_cast<size_t>(i)]);
    if (closed)
        dc.Polygon(p, n);
    else
        dc.Polyline(p, n);
}

// A circle of the (truncated) radius around the point, with the selected pen and brush.
void circle(CDC& dc, const omPoint& centre, double radius) {
    const int r = gdi::toDeviceSize(std::trunc(std::fabs(radius)));
    const CPoint c = ASymbol::Round(centre);
    dc.Ellipse(c.x - r, c.y - r, c.x + r, c.y + r);
}

double sgn(double v) {
    return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0);
}

bool isFinite(double v) {
    return std::isfinite(v);
}

const omNumberFormat& numberFormat() {
    return AOptionsAttributes::Instance()->workFormat;
}

CString valueText(const omUnitValue& v) {
    return CString(v.AsString(numberFormat()));
}
} // namespace

// --- Supports -------------------------------------------------------------------------

ASymGenericSupp2D::ASymGenericSupp2D(bool ux, bool uz, bool fiy) : m_ux(ux), m_uz(uz), m_fiy(fiy) {}

void ASymGenericSupp2D::CreatePoints() {
    m_points = {{0.5, 0.5}, {0.25, 0.25}, {0.75, 0.75}, {0.75, 0.25}, {0.25, 0.75}, {0.2, 0.15}, {0.8, 0.15},
                {0.2, 0.85}, {0.8, 0.85}, {0.85, 0.2},  {0.85, 0.8},  {0.15, 0.2},  {0.15, 0.8}};
}

void ASymGenericSupp2D::Draw(CDC& dc, const omPoint& at, bool erase) {
    ASymbol::Draw(dc, at, erase);
    circle(dc, m_points[0], 0.2 * GetHeight());
    if (m_fiy) {
        line(dc, m_points[1], m_points[2]);
        line(dc, m_points[3], m_points[4]);
    }
    if (m_uz) {
        line(dc, m_points[5], m_points[6]);
        line(dc, m_points[7], m_points[8]);
    }
    if (m_ux) {
        line(dc, m_points[9], m_points[10]);
        line(dc, m_points[11], m_points[12]);
    }
    AfterDraw(dc);
}

ASymPinSupp2D::ASymPinSupp2D(bool slidingLine) : m_slidingLine(slidingLine) {
    SetOrigin({0.5, 0.8});
}

void ASymPinSupp2D::CreatePoints() {
    m_points = {{0.5, 0.8}, {0.1, 0.2}, {0.9, 0.2}, {0.1, 0.05}, {0.9, 0.05}};
}

void ASymPinSupp2D::Draw(CDC& dc, const omPoint& at, bool erase) {
    ASymbol::Draw(dc, at, erase);
    polyline(dc, m_points, {0, 1, 2}, true);
    circle(dc, m_points[0], 0.2 * GetHeight());
    if (m_slidingLine) line(dc, m_points[3], m_points[4]);
    AfterDraw(dc);
}

ASymFullSupp2D::ASymFullSupp2D() {
    SetOrigin({0.5, 0.7});
}

void ASymFullSupp2D::CreatePoints() {
    m_points = {{0, 0.5},   {1, 0.5}, {0, 0.3},   {0.2, 0.5}, {0.2, 0.2}, {0.5, 0.5}, {0.5, 0.2},
                {0.8, 0.5}, {0.8, 0.2}, {1, 0.4}, {0.7, 0.5}, {0.7, 0.9}, {0.3, 0.9}, {0.3, 0.5}};
}

void ASymFullSupp2D::Draw(CDC& dc, const omPoint& at, bool erase) {
    ASymbol::Draw(dc, at, erase);
    polyline(dc, m_points, {10, 11, 12, 13}, true);
    for (int i = 0; i < 10; i += 2)
        line(dc, m_points[static_cast<size_t>(i)], m_points[static_cast<size_t>(i + 1)]);
    AfterDraw(dc);
}

// --- Releases and ground ------------------------------------------------------------------

void ASymUzRelease::CreatePoints() {
    m_points = {{0, 0.5}, {0.4, 0.5}, {0.6, 0.5}, {1, 0.5}, {0.4, 0}, {0.4, 1}, {0.6, 0}, {0.6, 1}};
}

void ASymUzRelease::Draw(CDC& dc, const omPoint& at, bool erase) {
    ASymbol::Draw(dc, at, erase);
    for (int i = 0; i < 8; i += 2)
        line(dc, m_points[static_cast<size_t>(i)], m_points[static_cast<size_t>(i + 1)]);
    AfterDraw(dc);
}

void ASymUxRelease::CreatePoints() {
    m_points = {{0, 0.5}, {0.6, 0.5}, {0.8, 0.5}, {1, 0.5}, {0.2, 0.2}, {0.8, 0.2}, {0.8, 0.8}, {0.2, 0.8}};
}

void ASymUxRelease::Draw(CDC& dc, const omPoint& at, bool erase) {
    ASymbol::Draw(dc, at, erase);
    line(dc, m_points[0], m_points[1]);
    line(dc, m_points[2], m_points[3]);
    polyline(dc, m_points, {4, 5, 6, 7}, false);
    AfterDraw(dc);
}

void ASymFiyRelease::CreatePoints() {
    m_points = {{0, 0.5}, {1, 0.5}, {0.5, 0.5}};
}

void ASymFiyRelease::Draw(CDC& dc, const omPoint& at, bool erase) {
    ASymbol::Draw(dc, at, erase);
    line(dc, m_points[0], m_points[1]);
    circle(dc, m_points[2], 0.4 * GetWidth());
    AfterDraw(dc);
}

void ASymEmpty::CreatePoints() {
    m_points.clear();
}

void ASymEmpty::Draw(CDC& dc, const omPoint& at, bool erase) {
    ASymbol::Draw(dc, at, erase);
    AfterDraw(dc);
}

ASymGroundSpring::ASymGroundSpring() {
    SetOrigin({0.5, 1});
}

void ASymGroundSpring::CreatePoints() {
    m_points = {{0.8, 1}, {0.2, 1}, {0.8, 0.7}, {0.2, 0.4}, {0.8, 0.1}, {0.2, 0.1}, {0.8, 0}, {0.2, 0}};
}

void ASymGroundSpring::Draw(CDC& dc, const omPoint& at, bool erase) {
    ASymbol::Draw(dc, at, erase);
    polyline(dc, m_points, {0, 1, 2, 3, 4, 5}, false);
    line(dc, m_points[6], m_points[7]);
    AfterDraw(dc);
}

// --- Loads ----------------------------------------------------------------------------------

void ASymMoment::CreatePoints() {
    m_points = {{0.5, 0.1}, {0.5, 0.5}, {0.9, 0.5}, {0.75, 0.67}, {0.95, 0.65}, {0.7, 0.3}};
}

void ASymMoment::Draw(CDC& dc, const omPoint& at, bool erase) {
    ASymbol::Draw(dc, at, erase);
    const omPoint &p0 = m_points[0], &p2 = m_points[2], &p3 = m_points[3];
    const int r = gdi::toDeviceSize(std::trunc(std::fabs(0.4 * GetWidth())));
    const CPoint c = Round(m_points[1]);
    const CRect box(c.x - r, c.y - r, c.x + r, c.y + r);
    // The sense of the arc follows the side on which the arrow head opens, so
    // that a mirrored symbol (negative width) shows the other rotation.
    const double cross = (p3.y - p2.y) * (p2.x - p0.x) - (p3.x - p2.x) * (p2.y - p0.y);
    if (cross > 0)
        dc.Arc(&box, Round(p2), Round(p0));
    else
        dc.Arc(&box, Round(p0), Round(p2));
    line(dc, p2, p3);
    line(dc, p2, m_points[4]);
    AfterDraw(dc);
}

ASymConcentrated::ASymConcentrated() = default;

ASymConcentrated::~ASymConcentrated() = default;

void ASymConcentrated::SetValues(const omUnitValue& fx, const omUnitValue& fz, const omUnitValue& my) {
    m_fx = fx;
    m_fz = fz;
    m_my = my;
}

void ASymConcentrated::CreatePoints() {
    // The arrows' anchors lie half a node symbol from the node.
    const double r = 0.5 * m_baseSize / GetWidth();
    m_points = {{0.5, 0.5}, {0.5, 0.5 + r}, {0.5, 0.9}, {0.5 - r, 0.5},   {0.1, 0.5},
                {0.5, 0.35}, {0.5, 0.12},   {0.5, 0.25}, {0.5 + r, 0.12}};
}

void ASymConcentrated::Draw(CDC& dc, const omPoint& at, bool) {
    // The points divide by the width; a zero width has no picture.
    if (GetWidth() == 0.0 || !isFinite(GetWidth()) || !isFinite(GetHeight()) || !isFinite(m_baseSize)) return;
    CreatePoints();
    SetPoints(at);
    for (const omPoint& p : m_points)
        if (!isFinite(p.x) || !isFinite(p.y)) return;

    const double angle = GetAngle();
    const omPoint d = m_points[2] - m_points[1];
    const double length = std::hypot(d.x, d.y);
    auto prepare = [&](ASymbol& piece) {
        piece.SetColors(GetLineColor(), GetFillColor());
        piece.SetPenThickness(GetPenThickness());
    };

    prepare(m_arrowX);
    m_arrowX.SetWidth(length);
    m_arrowX.SetHeight(length);
    // A negative force points away from the node with its tail at the anchor;
    // a positive one touches the anchor with its head.
    m_arrowX.SetAngle(m_fx.GetValue() < 0 ? angle + pi : angle);
    m_arrowX.SetOrigin(m_fx.GetValue() < 0 ? omPoint(0, 0.5) : omPoint(1, 0.5));

    prepare(m_arrowZ);
    m_arrowZ.SetWidth(length);
    m_arrowZ.SetHeight(length);
    m_arrowZ.SetAngle(m_fz.GetValue() > 0 ? angle + pi / 2 : angle - pi / 2);
    m_arrowZ.SetOrigin(m_fz.GetValue() > 0 ? omPoint(1, 0.5) : omPoint(0, 0.5));

    const double sense = sgn(m_my.GetValue());
    prepare(m_moment);
    m_moment.SetAngle(angle - sense * pi / 4);
    m_moment.SetWidth(-1.55 * sense * length);
    m_moment.SetHeight(1.55 * length);

    m_text.SetColors(GetLineColor(), GetFillColor());
    m_text.SetOrigin({0.5, 0});

    auto force = [&](const omUnitValue& value, ASymArrow& arrow, int anchor, int textAt) {
        const bool mixed = !value.HasUnit();
        if (!mixed && value.GetValue() == 0.0) return;
        arrow.Draw(dc, m_points[static_cast<size_t>(anchor)], false);
        if (mixed) m_text.SetTextColor(kMixColor);
        m_text.SetText(mixed ? CString(kMixText) : valueText(value));
        m_text.SetAngle(angle - pi / 2);
        m_text.Draw(dc, m_points[static_cast<size_t>(textAt)], false);
        m_text.SetAngle(angle);
    };
    force(m_fx, m_arrowX, 3, 4);
    force(m_fz, m_arrowZ, 1, 2);

    m_text.SetOrigin({0.5, 0.5});
    m_text.SetAngle(angle);
    const bool mixedMoment = !m_my.HasUnit();
    if (mixedMoment || m_my.GetValue() != 0.0) {
        m_moment.Draw(dc, m_points[0], false);
        if (mixedMoment) m_text.SetTextColor(kMixColor);
        m_text.SetText(mixedMoment ? CString(kMixText) : valueText(m_my));
        m_text.Draw(dc, m_points[7], false);
    }
    if (!m_label.IsEmpty()) {
        // The label starts beside the node's axis: centred on it, it would lie across
        // a column that goes on from the node.
        m_text.SetOrigin({0, 0.5});
        m_text.SetText(m_label);
        m_text.Draw(dc, m_points[8], false);
    }
}

ASymLoadRect::ASymLoadRect() = default;

ASymLoadRect::~ASymLoadRect() = default;

void ASymLoadRect::CreatePoints() {
    m_points = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0.5, 0.5}, {0, 0.5}, {1, 0.5}};
}

CString ASymLoadRect::GetLabelText() const {
    if (m_end.HasUnit() && !(m_end == m_start)) {
        if (m_kind == 4) return CString::Formatted("-z: %s, +z: %s", valueText(m_end).c_str(), valueText(m_start).c_str());
        return CString::Formatted("%s <|> %s", valueText(m_start).c_str(), valueText(m_end).c_str());
    }
    return valueText(m_start);
}

void ASymLoadRect::Draw(CDC& dc, const omPoint& at, bool erase) {
    if (!isFinite(GetWidth()) || !isFinite(GetHeight()) || !isFinite(GetAngle()) || !isFinite(at.x) || !isFinite(at.y))
        return;
    ASymbol::Draw(dc, at, erase);
    polyline(dc, m_points, {0, 1, 2, 3}, true);
    AfterDraw(dc);

    m_text.SetColors(GetLineColor(), GetFillColor());
    m_text.SetTextColor(GetLineColor());
    m_text.SetAngle(GetAngle());
    m_text.SetText(GetLabelText());
    m_text.Draw(dc, m_points[4], false);
    const double textWidth = m_text.GetWidth();

    // Arrows only where they can be spaced and scaled: a rectangle without
    // height or length, or a load without intensity, shows its label alone.
    const double h = GetHeight();
    const omPoint from = m_points[5];
    const omPoint along = m_points[6] - from;
    const double len = std::hypot(along.x, along.y);
    const double i1 = m_start.GetValue();
    const double i2 = m_end.GetValue();
    const double m = std::max(std::fabs(i1), std::fabs(i2));
    if (!(h > 0.0) || !(len > 0.0) || !(m > 0.0) || !isFinite(m) || !isFinite(len / h)) return;

    // Arrows one height apart, and at most a few hundred of them: a load far
    // longer than its drawn height spaces them wider.
    constexpr int kMaxArrows = 500;
    const double spacing = len / h > kMaxArrows ? len / kMaxArrows : h;
    const double ratio = len / spacing;
    const int count = gdi::stepCount(ratio, kMaxArrows);
    const double f = ratio - count;
    // The length left over beyond the whole arrows is shared by both ends.
    const double start = (f * spacing + spacing) / 2;
    const double gap = (textWidth + h) / 2 / len;
    const double k1 = i1 / m;
    const double k2 = i2 / m;

    ASymArrow arrow;
    ASymMoment moment;
    ASymbol& piece = m_kind == 3 ? static_cast<ASymbol&>(moment) : static_cast<ASymbol&>(arrow);
    piece.SetColors(GetLineColor(), GetFillColor());
    piece.SetPenThickness(m_arrowPen);
    piece.SetOrigin({0.5, 0.5});
    for (int i = 0; i < count; ++i) {
        const double t = (i * spacing + start) / len;
        if (t >= 0.5 - gap && t <= 0.5 + gap) continue;
        if (m_kind == 4) {
            double a = i1 > 0 ? pi : 0.0;
            if (t > 0.5) a = pi - a;
            piece.SetWidth(h);
            piece.SetHeight(h);
            piece.SetAngle(a + GetAngle());
        } else {
            const double q = (1 - t) * k1 + t * k2;
            const double size = std::fabs(q) * h;
            piece.SetWidth(size);
            piece.SetHeight(size);
            const double flip = q < 0 ? pi : 0.0;
            switch (m_kind) {
            case 3:
                piece.SetAngle(GetAngle() - sgn(i1) * pi / 4);
                if (q > 0) piece.SetWidth(-size);
                break;
            case 0: piece.SetAngle(flip + m_baseAngle); break;
            case 1: piece.SetAngle(flip); break;
            default: piece.SetAngle(flip + pi / 2); break;
            }
        }
        piece.Draw(dc, from + along * t, false);
    }
}
