#include "app/views/AElementLoadGroup.h"

#include "app/shell/AOptionsAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/ADesignElement.h"
#include "app/views/AStructureSymbols.h"
#include "controls/AMapC2L.h"
#include "controls/ASymbol.h"
#include "model/omLoad.h"
#include "platform/core/CObject.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

const char* elementKindMark(const omLoad& load) {
    switch (load.getType()) {
    case omLoad::Concentrated:
        return "-F";
    case omLoad::Linear:
        return "-L";
    case omLoad::Temperature:
        return "-T";
    default:
        return "ERROR";
    }
}

// Where the symbols of one member go: the member line, its angle and side, and
// the two projection lines that world-position loads lie beside.
struct LoadGeometry {
    explicit LoadGeometry(const omLine& elementLine) : line(elementLine) {
        theta = line.angle();
        side = theta >= kPi / 2 && theta <= 3 * kPi / 2 ? -1.0 : 1.0;
        const omPoint& a = line.p1();
        const omPoint& b = line.p2();
        if (theta <= kPi) {
            horizontal = omLine(a, omPoint(b.x, a.y));
            vertical = omLine(omPoint(b.x, a.y), b);
        } else {
            horizontal = omLine(omPoint(a.x, b.y), b);
            vertical = omLine(a, omPoint(a.x, b.y));
        }
    }
    static bool degenerate(const omLine& l) { return l.p1() == l.p2(); }

    omLine line;
    double theta = 0.0;
    double side = 1.0;
    omLine horizontal;
    omLine vertical;
};

omLine moved(omLine l, double offset) {
    l.movePerpendicular(offset);
    return l;
}

// A component of a linear load takes part when it has an intensity on a loaded
// part of positive length; a point-like or reversed part draws nothing.
bool componentActs(omLoadLinear& load, omDofType dof) {
    if (!(load.getEnd() > load.getStart())) return false;
    return load.getFs(dof).GetValue() != 0.0 || load.getFe(dof).GetValue() != 0.0;
}

bool isWorldPosition(const omLoadLinear& load) {
    return load.getPosition() == omLoad::WorldCS;
}

bool isLocalScope(const omLoad& load) {
    return load.getScope() == omLoad::LocalCS;
}

// The extent of a point set, free of omRect's rule that a null rectangle is "nothing".
class PointBox {
public:
    void add(const omPoint& p) {
        if (m_empty) {
            m_box = omRect(p.x, p.y, p.x, p.y);
            m_empty = false;
            return;
        }
        m_box.left = std::min(m_box.left, p.x);
        m_box.right = std::max(m_box.right, p.x);
        m_box.top = std::min(m_box.top, p.y);
        m_box.bottom = std::max(m_box.bottom, p.y);
    }
    void add(const omLine& l) {
        add(l.p1());
        add(l.p2());
    }
    const omRect& box() const { return m_box; }

private:
    omRect m_box;
    bool m_empty = true;
};

// The drawing of one group in one pass: colours, sizes, the offset counters.
class LoadPainter {
public:
    LoadPainter(AMapC2L& map, CDC& dc, int drawMode, bool selected, const ADrawAttributes& attributes,
                const LoadGeometry& geometry)
        : m_map(map), m_dc(dc), m_mode(drawMode), m_selected(selected), m_geometry(geometry) {
        const ALoadAttributes& colours = *ALoadAttributes::Instance();
        m_penWidth = colours.GetPenWidth(dc, drawMode, selected);
        m_lineColor = colours.GetLineColor(drawMode, selected);
        m_textColor = colours.GetForceColor(drawMode, selected);
        m_labelAreaColor = colours.GetLabelAreaColor(drawMode, selected);
        m_d = attributes.m_nodeSize;
        m_S = m_d * map.GetFactor();
        m_textHeight = attributes.GetTextHeight(map);
        m_fontName = attributes.m_fontName;
        m_charSet = AOptionsAttributes::Instance()->characterSet;
        m_bLocal = m_bX = m_bZ = 0.7 * m_d;
    }

    void force(omLoadForce& load, bool shown) {
        ASymConcentrated symbol;
        symbol.SetColors(m_lineColor, m_labelAreaColor);
        symbol.GetText().SetTextColor(m_textColor);
        symbol.SetPenThickness(static_cast<unsigned>(shown ? 2 * m_penWidth : m_penWidth));
        symbol.SetWidth(10 * m_S);
        symbol.SetHeight(10 * m_S);
        symbol.SetBaseSize(m_S);
        symbol.GetText().SetFont(m_fontName, -m_textHeight, m_charSet);
        symbol.SetAngle(isLocalScope(load) ? m_geometry.theta : 0.0);
        symbol.SetValues(load.getF(Ux), load.getF(Uz), load.getF(Ry));
        symbol.Draw(m_dc, toLogical(m_geometry.line.at(load.getX())), false);
    }

    void linear(omLoadLinear& load, bool shown) {
        const COLORREF fill = ALoadAttributes::Instance()->GetUniformFillColor(shown ? m_mode : 2, m_selected);
        const bool local = isLocalScope(load);
        const double theta = m_geometry.theta;
        const double s = m_geometry.side;
        if (componentActs(load, Ux)) {
            if (!isWorldPosition(load))
                component(load, Ux, local ? 0 : 1, theta, m_geometry.line, s * take(m_bLocal), fill);
            else if (!LoadGeometry::degenerate(m_geometry.vertical))
                component(load, Ux, local ? 0 : 1, theta, m_geometry.vertical, -s * take(m_bX), fill);
        }
        if (componentActs(load, Uz)) {
            if (!isWorldPosition(load))
                component(load, Uz, local ? 0 : 2, theta + kPi / 2, m_geometry.line, s * take(m_bLocal), fill);
            else if (!LoadGeometry::degenerate(m_geometry.horizontal))
                component(load, Uz, local ? 0 : 2, theta + kPi / 2, m_geometry.horizontal, -s * take(m_bZ),
                          fill);
        }
        if (componentActs(load, Ry)) component(load, Ry, 3, 0.0, m_geometry.line, s * take(m_bLocal), fill);
    }

    void temperature(omLoadTemperature& load, bool shown) {
        omUnitValue& top = load.getT(1, 1);
        omUnitValue& bottom = load.getT(0, 1);
        if (top.GetValue() == 0.0 && bottom.GetValue() == 0.0) return;
        const COLORREF fill =
            ALoadAttributes::Instance()->GetTemperatureFillColor(shown ? m_mode : 2, m_selected);
        const double offset = m_geometry.side * take(m_bLocal);
        const omLine beside = moved(m_geometry.line, offset);
        ASymLoadRect symbol;
        prepare(symbol, fill, 4, 0.0, m_geometry.theta, m_geometry.line.length() * m_map.GetFactor(), offset);
        symbol.SetIntensities(top, bottom);
        symbol.Draw(m_dc, toLogical(beside.p1()), false);
    }

    void label(const CString& text) {
        const double offset = -m_geometry.side * 0.7 * m_d;
        ASymText symbol(text, m_fontName, -m_textHeight, m_charSet, m_textHeight / 10, ASymText::shapeRectangle,
                        m_geometry.theta);
        symbol.SetColors(m_lineColor, m_labelAreaColor);
        symbol.SetTextColor(m_textColor);
        symbol.SetOrigin(offset > 0 ? omPoint(0.5, 1.0) : omPoint(0.5, 0.0));
        symbol.Draw(m_dc, toLogical(moved(m_geometry.line, offset).at(0.5)), false);
    }

private:
    double take(double& counter) const {
        const double value = counter;
        counter += 1.5 * m_d;
        return value;
    }

    omPoint toLogical(const omPoint& world) const {
        const CPoint p = m_map.LU(world);
        return omPoint(p.x, p.y);
    }

    void prepare(ASymLoadRect& symbol, COLORREF fill, int kind, double baseAngle, double rotation, double length,
                 double offset) const {
        symbol.SetColors(m_lineColor, fill);
        symbol.SetPenThickness(static_cast<unsigned>(m_penWidth));
        symbol.SetArrowPenThickness(0);
        symbol.SetHeight(1.5 * m_S);
        symbol.SetWidth(length);
        symbol.GetText().SetFont(m_fontName, -m_textHeight, m_charSet);
        symbol.SetKind(kind);
        symbol.SetBaseAngle(baseAngle);
        symbol.SetAngle(rotation);
        symbol.SetOrigin(offset > 0 ? omPoint(0.0, 1.0) : omPoint(0.0, 0.0));
    }

    void component(omLoadLinear& load, omDofType dof, int kind, double baseAngle, const omLine& along,
                   double offset, COLORREF fill) {
        const omLine beside = moved(along, offset);
        ASymLoadRect symbol;
        prepare(symbol, fill, kind, baseAngle, along.angle(),
                (load.getEnd() - load.getStart()) * along.length() * m_map.GetFactor(), offset);
        symbol.SetIntensities(load.getFs(dof), load.getFe(dof));
        symbol.Draw(m_dc, toLogical(beside.at(load.getStart())), false);
    }

    AMapC2L& m_map;
    CDC& m_dc;
    int m_mode;
    bool m_selected;
    const LoadGeometry& m_geometry;
    int m_penWidth = 0;
    COLORREF m_lineColor = 0;
    COLORREF m_textColor = 0;
    COLORREF m_labelAreaColor = 0;
    double m_d = 0.0;
    double m_S = 0.0;
    int m_textHeight = 0;
    CString m_fontName;
    BYTE m_charSet = 0;
    double m_bLocal = 0.0;
    double m_bX = 0.0;
    double m_bZ = 0.0;
};

} // namespace

AElementLoadGroup::AElementLoadGroup(const ALinearDesignElement2D* element) : omElementLoadGroup(element) {}

AElementLoadGroup::AElementLoadGroup(const AElementLoadGroup& other)
    : omElementLoadGroup(other), AObject(other), ALoadGroupList() {
    // The drawable copy stands for the same member (the model's copy waits for setElement).
    setElement(other.getElement<omId>());
    SetActiveLoadGroup(other.m_ActiveLoadGroup);
}

AElementLoadGroup::~AElementLoadGroup() = default;

void AElementLoadGroup::copy(const AElementLoadGroup& other) {
    omElementLoadGroup::copy(other);
    AObject::copy(other);
    SetActiveLoadGroup(other.m_ActiveLoadGroup);
}

omElementLoadGroup* AElementLoadGroup::clone() const {
    return new (std::nothrow) AElementLoadGroup(*this);
}

const ALinearDesignElement2D* AElementLoadGroup::GetDesignElement() const {
    return dynamic_cast<const ALinearDesignElement2D*>(getElement());
}

void AElementLoadGroup::add(omLoad* load) {
    Adopt(load);
    omElementLoadGroup::add(load);
    Listed(load);
}

void AElementLoadGroup::remove(const omLoad* load) {
    Unlisted(load);
    omElementLoadGroup::remove(load);
}

void AElementLoadGroup::SetActiveLoadGroup(unsigned loadGroup) {
    ListLoads(getLoads(), loadGroup);
    SetShownLoad(1);
}

CString AElementLoadGroup::GetLoadLabel(unsigned index) const {
    return LoadLabel(index);
}

CString AElementLoadGroup::GetTipText(const omPoint&) const {
    return LoadsTipText(elementKindMark);
}

const CRuntimeClass* AElementLoadGroup::GetPropertySheet() const {
    // The load sheets live with the dialogs; the views know them by name only.
    return CRuntimeClass::FromName("AElementLoadProperty");
}

double AElementLoadGroup::GetDistance(const omPoint& p) const {
    const ALinearDesignElement2D* element = GetDesignElement();
    return element ? element->GetDistance(p) : 1e10;
}

QCursor AElementLoadGroup::GetCursor() const {
    return LoadCursor();
}

omPoint AElementLoadGroup::GetReferencePoint(AMapC2L& map, const omPoint& p) {
    auto* element = const_cast<ALinearDesignElement2D*>(GetDesignElement());
    return element ? element->GetReferencePoint(map, p) : p;
}

omRect AElementLoadGroup::GetBoundingRect(bool) const {
    const ALinearDesignElement2D* element = GetDesignElement();
    if (!element) return omRect();
    const LoadGeometry g(element->getLine(omUK_m, omNode::coorPlain));
    const double d = ADrawAttributes::Instance()->m_nodeSize;
    int local = 1, x = 1, z = 1;
    for (omLoad* load : m_Loads) {
        if (load->getType() == omLoad::Temperature) ++local;
        if (load->getType() != omLoad::Linear) continue;
        auto& linear = static_cast<omLoadLinear&>(*load);
        int& sideOfX = isWorldPosition(linear) ? x : local;
        int& sideOfZ = isWorldPosition(linear) ? z : local;
        if (componentActs(linear, Ux)) ++sideOfX;
        if (componentActs(linear, Uz)) ++sideOfZ;
        if (componentActs(linear, Ry)) ++local;
    }
    PointBox box;
    const double length = g.line.length();
    if (length > 0) {
        const omPoint along = (g.line.p2() - g.line.p1()) / length * (6 * d);
        const omLine longer(g.line.p1() - along, g.line.p2() + along);
        box.add(moved(longer, 5 * d));
        box.add(moved(longer, -5 * d));
    } else {
        box.add(g.line);
    }
    box.add(moved(g.line, g.side * (local * 1.5 * d + 0.7 * d)));
    if (!LoadGeometry::degenerate(g.vertical)) box.add(moved(g.vertical, -g.side * (x * 1.5 * d + 0.7 * d)));
    if (!LoadGeometry::degenerate(g.horizontal))
        box.add(moved(g.horizontal, -g.side * (z * 1.5 * d + 0.7 * d)));
    return box.box();
}

void AElementLoadGroup::Draw(AMapC2L& map, CDC& dc, int drawMode, const ADrawAttributes& attributes) {
    const ALinearDesignElement2D* element = GetDesignElement();
    if (m_Loads.empty() || !element) return;
    const LoadGeometry geometry(element->getLine(omUK_m, omNode::coorPlain));
    LoadPainter painter(map, dc, drawMode, IsSelected(), attributes, geometry);
    const omLoad* shown = GetListedLoad(m_ShownLoad);
    // Forces go last, over the distributed loads.
    for (omLoad* load : m_Loads) {
        if (load->getType() == omLoad::Linear)
            painter.linear(static_cast<omLoadLinear&>(*load), load == shown);
        else if (load->getType() == omLoad::Temperature)
            painter.temperature(static_cast<omLoadTemperature&>(*load), load == shown);
    }
    for (omLoad* load : m_Loads)
        if (load->getType() == omLoad::Concentrated) painter.force(static_cast<omLoadForce&>(*load), load == shown);
    if (shown) painter.label(GetLoadLabel(m_ShownLoad));
}
