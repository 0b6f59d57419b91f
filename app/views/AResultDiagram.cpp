#include "app/views/AResultDiagram.h"

#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "common/omMath.h"
#include "common/omUnitValue.h"
#include "controls/AMapC2L.h"
#include "controls/AObject.h"
#include "model/omDesignElement.h"
#include "model/omLinearDesignElement2D.h"
#include "model/omLoadCaseResult.h"
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

bool allFinite(const omVector& v) {
    for (int i = 1; i <= v.size(); ++i)
        if (!std::isfinite(v(i))) return false;
    return true;
}

} // namespace

namespace {

CRect centredBox(CPoint at, CSize size) {
    const int w = std::abs(size.cx);
    const int h = std::abs(size.cy);
    return CRect(at.x - w / 2, at.y - h / 2, at.x - w / 2 + w, at.y - h / 2 + h);
}

} // namespace

const AResultLabelPlaces::Label* AResultLabelPlaces::overlapping(const CRect& box) const {
    for (const Label& label : m_labels) {
        CRect common;
        if (common.IntersectRect(box, label.box)) return &label;
    }
    return nullptr;
}

bool AResultLabelPlaces::Place(CPoint& at, CSize size, double normalX, double normalY, bool outward,
                               const CString& text) {
    CRect box = centredBox(at, size);
    if (overlapping(box)) {
        // The same value where another label already shows it (the two members at a
        // corner) says nothing new.
        for (const Label& label : m_labels) {
            CRect common;
            if (label.text == text && common.IntersectRect(box, label.box)) return false;
        }
        // One step moves the box by its own extent across the direction.
        const double step = std::fabs(normalX) * std::abs(size.cx) + std::fabs(normalY) * std::abs(size.cy) + 1.0;
        const double first = outward ? 1.0 : -1.0;
        for (int k = 1; k <= kSteps; ++k) {
            bool placed = false;
            for (double side : {first, -first}) {
                const CPoint moved(at.x + static_cast<int>(std::lround(side * k * step * normalX)),
                                   at.y + static_cast<int>(std::lround(side * k * step * normalY)));
                const CRect movedBox = centredBox(moved, size);
                if (!overlapping(movedBox)) {
                    at = moved;
                    box = movedBox;
                    placed = true;
                    break;
                }
            }
            if (placed) break;
        }
    }
    m_labels.push_back({box, text});
    return true;
}

void SubtractChord(omVector& values, const std::vector<double>& t) {
    const int n = values.size();
    if (n < 1 || static_cast<int>(t.size()) < n) return;
    const double first = values(1);
    const double last = values(n);
    for (int i = 1; i <= n; ++i)
        values(i) -= first + (last - first) * t[static_cast<size_t>(i - 1)];
}

void AResultDiagram::Setup(AMapC2L& map, CDC& dc, int drawMode, int component, bool forces, bool local,
                           double scale, int textHeight) {
    m_map = &map;
    m_dc = &dc;
    m_drawMode = drawMode;
    m_component = component;
    m_forces = forces;
    m_local = local;
    m_scale = scale;
    m_nodeSize = ADrawAttributes::Instance()->m_nodeSize;
    m_axis = m_element ? m_element->getLine(omUK_m, omNode::coorPlain) : omLine();
    m_length = m_axis.length();
    const auto* linear = dynamic_cast<const omLinearDesignElement2D*>(m_element);
    m_angle =
        linear ? linear->angle() : std::atan2(m_axis.p2().y - m_axis.p1().y, m_axis.p2().x - m_axis.p1().x);
    m_text.SetFontName(ADrawAttributes::Instance()->m_fontName);
    m_text.SetCharSet(AOptionsAttributes::Instance()->characterSet);
    m_text.SetFontSize(-textHeight);
    ClearPoints();
}

void AResultDiagram::ClearPoints() {
    m_x.resize(0);
    m_y.resize(0);
}

void AResultDiagram::SavePoints() {
    m_savedX = m_x;
    m_savedY = m_y;
}

void AResultDiagram::RestorePoints() {
    m_x = m_savedX;
    m_y = m_savedY;
}

void AResultDiagram::readValues(const omLoadCaseResult& result, omVector& values) const {
    if (IsDisplacedShape()) {
        result.getVector(values, Uz, false, false);
        if (m_local) SubtractChord(values, m_element->getResult().getPoints());
        return;
    }
    const bool pressure = !m_forces && m_component == 0;
    result.getVector(values, static_cast<omDofType>(m_component), m_forces, pressure);
}

bool AResultDiagram::Compute(const omLoadCaseResult& result) {
    ClearPoints();
    if (!m_element) return false;
    const std::vector<double>& t = m_element->getResult().getPoints();
    const int n = static_cast<int>(t.size());
    // Results are cleared by edits; a result that does not fit the positions is not drawn.
    if (n < 1 || static_cast<int>(result.size()) != n || !std::isfinite(m_scale)) return false;

    omVector u(n);
    omVector w(n);
    readValues(result, w);
    if (IsDisplacedShape() && !m_local) result.getVector(u, Ux, false, false);
    if (w.size() != n || !allFinite(w) || !allFinite(u)) return false;

    m_x.resize(n);
    m_y.resize(n);
    for (int i = 1; i <= n; ++i) {
        double x = t[static_cast<size_t>(i - 1)] * m_length;
        if (IsDisplacedShape() && u.size() == n) x += u(i) * m_scale;
        double y = w(i) * m_scale;
        omRotate(x, y, m_angle);
        m_x(i) = x + m_axis.p1().x;
        m_y(i) = y + m_axis.p1().y;
    }
    return true;
}

void AResultDiagram::DrawCurve() {
    if (!drawable()) return;
    CDC& dc = *m_dc;
    AMapC2L& map = *m_map;
    const int n = m_x.size();
    if (IsDisplacedShape()) {
        dc.MoveTo(map.LU(m_x(1), m_y(1)));
        for (int i = 2; i <= n; ++i)
            dc.LineTo(map.LU(m_x(i), m_y(i)));
        return;
    }
    dc.MoveTo(map.LU(m_axis.p1()));
    for (int i = 1; i <= n; ++i)
        dc.LineTo(map.LU(m_x(i), m_y(i)));
    dc.LineTo(map.LU(m_axis.p2()));
    Hatch();
}

void AResultDiagram::Hatch() {
    if (!drawable() || !(m_length > 0.0)) return;
    // However short the node size against the member, a diagram has at most
    // kMaxHatchLines hatch lines: a longer member is hatched more sparsely.
    constexpr double kMaxHatchLines = 2000.0;
    const double step = std::max(m_nodeSize / m_length, 1.0 / kMaxHatchLines);
    if (!(step > 0.0) || step >= 1.0) return;
    const std::vector<double>& t = m_element->getResult().getPoints();
    const int n = m_x.size();
    if (static_cast<int>(t.size()) != n || n < 2) return;
    int i = 0;
    for (double at = step; at < 1.0; at += step) {
        while (i < n - 1 && !(t[static_cast<size_t>(i)] <= at && at <= t[static_cast<size_t>(i + 1)]))
            ++i;
        // No interval holds the position: the positions end before it.
        if (i >= n - 1) return;
        const double t0 = t[static_cast<size_t>(i)];
        const double t1 = t[static_cast<size_t>(i + 1)];
        const double x = interpolate(t0, m_x(i + 1), t1, m_x(i + 2), at);
        const double y = interpolate(t0, m_y(i + 1), t1, m_y(i + 2), at);
        m_dc->MoveTo(m_map->LU(m_axis.at(at)));
        m_dc->LineTo(m_map->LU(x, y));
    }
}

std::vector<int> AResultDiagram::LabelPoints(const omVector& values, bool withEnds) {
    std::vector<int> points;
    const int n = values.size();
    if (n < 2) return points;
    double max = values[0];
    double min = values[n - 1];
    int maxIndex = 0;
    int minIndex = n - 1;
    if (max < min) {
        std::swap(max, min);
        std::swap(maxIndex, minIndex);
    }
    for (int i = 1; i <= n - 2; ++i) {
        if (values[i] > max) {
            max = values[i];
            maxIndex = i;
        }
        if (values[i] < min) {
            min = values[i];
            minIndex = i;
        }
    }
    if (withEnds) {
        points.push_back(0);
        points.push_back(n - 1);
    }
    if (minIndex > 0 && minIndex < n - 1) points.push_back(minIndex);
    if (maxIndex > 0 && maxIndex < n - 1) points.push_back(maxIndex);
    std::sort(points.begin(), points.end());
    return points;
}

void AResultDiagram::ConvertValues(omVector& values, int baseUnitKey, int shownUnitKey) {
    for (int i = 1; i <= values.size(); ++i)
        values(i) = omUnitValue(values(i), static_cast<omUnitKey>(baseUnitKey))
                        .Get(static_cast<omUnitKey>(shownUnitKey));
}

CString AResultDiagram::LabelText(double value, double extreme, const omNumberFormat& format) {
    extreme = std::fabs(extreme);
    if (std::isfinite(value) && std::isfinite(extreme) && extreme > 0.0) {
        const int digits = std::max(1, static_cast<int>(format.getDigits()));
        const double step = std::pow(10.0, std::floor(std::log10(extreme)) - digits + 1);
        if (step > 0.0 && std::isfinite(step)) value = std::round(value / step) * step;
        if (value == 0.0) value = 0.0; // no "-0"
    }
    return format.CConvert(value);
}

void AResultDiagram::DrawLabels(const omLoadCaseResult& result, AResultLabelPlaces* places) {
    if (!drawable() || m_text.GetFontSize() > -1) return;
    omVector values;
    readValues(result, values);
    const int n = m_x.size();
    if (values.size() != n) return;

    const AUnitKeyAttributes& units = *AUnitKeyAttributes::Instance();
    omUnitKey base = omUK_cm;
    omUnitKey shown = units.length;
    if (m_forces) {
        base = m_component == 4 ? omUK_kNcm : omUK_kN;
        shown = m_component == 4 ? units.moment : units.force;
    } else if (m_component == 4) {
        base = omUK_rad;
        shown = units.rotation;
    } else if (m_component == 0) {
        base = omUK_kN_cm2;
        shown = units.pressure;
    }
    // The picture's largest value: the diagram size stands for it (the displaced
    // shape's scale may be fixed, so there the member's own largest value serves).
    double extreme = 0.0;
    if (!IsDisplacedShape() && m_scale > 0.0)
        extreme = std::fabs(omUnitValue(ADrawAttributes::Instance()->GetDiagramSize() / m_scale, base).Get(shown));
    ConvertValues(values, base, shown);
    for (int i = 1; i <= values.size(); ++i)
        if (std::isfinite(values(i))) extreme = std::max(extreme, std::fabs(values(i)));

    const auto* object = dynamic_cast<const AObject*>(m_element);
    const bool selected = object && object->IsSelected();
    if (IsDisplacedShape()) {
        const COLORREF colour = m_drawMode <= 1 ? RGB(0, 0, 128) : RGB(0, 0, 0);
        m_text.SetTextColor(colour);
        m_text.SetColors(colour, RGB(255, 255, 255));
        m_text.SetOrigin({-0.05, 1.05});
        m_text.SetAngle(m_angle + std::numbers::pi / 2);
    } else {
        const AElementAttributes& colours = *AElementAttributes::Instance();
        m_text.SetTextColor(colours.GetResultLabelColor(m_drawMode, selected));
        m_text.SetColors(colours.GetResultLabelColor(m_drawMode, selected),
                         colours.GetResultLabelBackColor(m_drawMode, selected));
        m_text.SetOrigin({0.5, 0.5});
        m_text.SetAngle(0.0);
    }
    const omNumberFormat& format = AOptionsAttributes::Instance()->workFormat;
    // The member's normal in logical units: labels that would meet move along it.
    const CPoint a = m_map->LU(m_axis.p1());
    const CPoint b = m_map->LU(m_axis.p2());
    double nx = -(b.y - a.y);
    double ny = b.x - a.x;
    const double length = std::hypot(nx, ny);
    if (length > 0.0) {
        nx /= length;
        ny /= length;
    } else {
        nx = 0.0;
        ny = 1.0;
    }
    const std::vector<double>& t = m_element->getResult().getPoints();
    for (int index : LabelPoints(values, !IsDisplacedShape())) {
        const CString text = LabelText(values[index], extreme, format);
        if (text == "0") continue;
        m_text.SetText(text);
        CPoint at = m_map->LU(m_x[index], m_y[index]);
        // The upright labels of the force diagrams keep clear of each other; the
        // displaced shape's labels turn with their member and stay where they are.
        if (places && !IsDisplacedShape()) {
            // Away from the axis, on the diagram's side.
            bool outward = true;
            if (static_cast<size_t>(index) < t.size()) {
                const CPoint foot = m_map->LU(m_axis.at(t[static_cast<size_t>(index)]));
                outward = (at.x - foot.x) * nx + (at.y - foot.y) * ny >= 0.0;
            }
            if (!places->Place(at, m_text.GetTextSize(*m_dc), nx, ny, outward, text)) continue;
        }
        m_text.Draw(*m_dc, omPoint(at.x, at.y), false);
    }
}
