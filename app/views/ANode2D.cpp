#include "app/views/ANode2D.h"

#include "app/dialogs/ANodeProperty.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/ANodeLoadGroup.h"
#include "app/views/AStrakonCursors.h"
#include "app/views/AStructureSymbols.h"
#include "controls/AMapC2L.h"
#include "controls/ASimpleObject.h"
#include "model/omDofVector.h"
#include "model/omLoad.h"
#include "platform/gdi/CDC.h"

#include <cmath>
#include <iomanip>
#include <new>
#include <numbers>
#include <sstream>

namespace {
constexpr COLORREF kReactionColor = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

double appNodeSize() {
    return ADrawAttributes::Instance()->m_nodeSize;
}

int roundToInt(double v) {
    return gdi::toDeviceLength(v);
}
} // namespace

// --- ANode -----------------------------------------------------------------------------

// The node part is built by the most derived class (omNode is a virtual base).
ANode::ANode() : omNode(omDofStrakonStructureType::instance(), 0) {}

ANode::ANode(const ANode& other)
    : omNode(other), AObject(other), m_showSupportSymbol(other.m_showSupportSymbol) {}

void ANode::copy(const ANode& other) {
    AObject::copy(other);
    m_showSupportSymbol = other.m_showSupportSymbol;
}

void ANode::SetActiveLoadGroup(int loadGroup) {
    if (auto* group = dynamic_cast<ANodeLoadGroup*>(getLoad())) group->SetActiveLoadGroup(loadGroup);
}

omNodeLoadGroup* ANode::createLoadGroup(const omLoad* load) {
    auto* group = new (std::nothrow) ANodeLoadGroup(this);
    if (group && load) group->SetActiveLoadGroup(static_cast<int>(load->getLoadGroupIndex()));
    return group;
}

QCursor ANode::GetCursor() const {
    return LoadStrakonCursor(130);
}

void ANode::AddDragShapes(ASimpleObjectGroup& group, const AObjectPtrContainer& selection) {
    if (!selection.Contains(this)) return;
    omPoint centre;
    GetCoordinates(centre, omUK_m);
    auto* circle = new ASimpleCircle(centre, 0.5 * appNodeSize());
    group.Add(circle);
    group.Add(circle->GetCentre());
}

// --- ANode2D -----------------------------------------------------------------------------

ANode2D::ANode2D(double x, double z, const std::string& unit, unsigned id)
    : omNode(omDofStrakonStructureType::instance(), id), omNode2D(x, z, unit, id), ANode() {}

ANode2D::ANode2D(const ANode2D& other)
    : omNode(other), omNode2D(other), ANode(other), m_supportAngle(other.m_supportAngle) {}

ANode2D::~ANode2D() = default;

void ANode2D::copy(const ANode2D& other) {
    if (&other == this) return;
    omNode2D::copy(other);
    ANode::copy(other);
    m_supportAngle = other.m_supportAngle;
}

const CRuntimeClass* ANode2D::GetPropertySheet() const {
    return RUNTIME_CLASS(ANodeProperty);
}

omNode* ANode2D::clone() const {
    return new (std::nothrow) ANode2D(*this);
}

omNode* ANode2D::create() const {
    return new (std::nothrow) ANode2D(0.0, 0.0, "m", 0);
}

void ANode2D::GetCoordinates(omPoint& p, int unit) const {
    const omUnitValue* x = getCoor(Ux, coorPlain);
    const omUnitValue* z = getCoor(Uz, coorPlain);
    p.x = x ? x->Get(unit) : 0.0;
    p.y = z ? z->Get(unit) : 0.0;
}

omPoint ANode2D::GetReferencePoint(AMapC2L&, const omPoint&) {
    omPoint p;
    GetCoordinates(p, omUK_m);
    return p;
}

omRect ANode2D::GetBoundingRect(bool large) const {
    omPoint c;
    GetCoordinates(c, omUK_m);
    const double h = appNodeSize() * (large ? 2.55 : 0.6);
    // The index label stands left of the node and above it (towards smaller z).
    const double before = large && ADrawAttributes::Instance()->m_showNodeIndex ? 3 * h : h;
    return omRect(c.x - before, c.y - before, c.x + h, c.y + h);
}

double ANode2D::GetDistance(const omPoint& p) const {
    omPoint c;
    GetCoordinates(c, omUK_m);
    const double d = std::hypot(p.x - c.x, p.y - c.y) - 0.5 * appNodeSize();
    return d < 0 ? 0.0 : d;
}

CString ANode2D::GetTipText(const omPoint&) const {
    omPoint c;
    GetCoordinates(c, omUK_m);
    std::ostringstream s;
    s << std::fixed << std::setprecision(2) << std::setw(6) << "id = " << getIndex();
    s << "\nCoor. = (" << c.x << "," << c.y << ")";
    for (int i = 1; i <= dof(); ++i) {
        const omDofType t = dofType(i);
        s << "\nDOF: " << omDofStructureType::name(t) << (reaction(t) ? ", supp." : ", free");
    }
    return CString(s.str());
}

void ANode2D::Draw(AMapC2L& map, CDC& dc, int drawMode, const ADrawAttributes& attributes) {
    omPoint c;
    GetCoordinates(c, omUK_m);
    const double f = map.GetFactor();
    const double s = attributes.m_nodeSize;
    const bool ux = getSupport(Ux), uz = getSupport(Uz), fiy = getSupport(Ry);

    // One symbol of each kind serves every node of a drawing: only the
    // generic symbol's switches differ from node to node.
    thread_local ASymFullSupp2D fixed;
    thread_local ASymPinSupp2D pinned(false);
    thread_local ASymPinSupp2D roller(true);
    thread_local ASymGenericSupp2D generic(false, false, false);
    generic.SetSupports(ux, uz, fiy);
    ASymbol* symbol = &generic;
    if (GetShowSupportSymbol() && !fiy) {
        if (ux && uz)
            symbol = &pinned;
        else if (ux != uz)
            symbol = &roller;
    } else if (GetShowSupportSymbol() && ux && uz) {
        symbol = &fixed;
    }

    const double size = roundToInt(f * s * 2.5);
    symbol->SetWidth(size);
    symbol->SetHeight(size);
    symbol->SetAngle(-m_supportAngle * std::numbers::pi / 180);
    const ANodeAttributes& colours = *ANodeAttributes::Instance();
    const bool selected = IsSelected();
    symbol->SetColors(colours.GetLineColor(drawMode, selected), colours.GetFillColor(drawMode, selected));
    symbol->SetPenThickness(static_cast<unsigned>(std::max(0, attributes.GetPenWidth(dc, 1))));
    const CPoint at = map.LU(c.x, c.y);
    symbol->Draw(dc, omPoint(at.x, at.y), false);

    if (!attributes.m_showNodeIndex) return;
    const ADrawAttributes& app = *ADrawAttributes::Instance();
    const int height = roundToInt(f * appNodeSize() * 1.3);
    // A label below one logical unit would get the context's default font.
    if (height < 1) return;
    const int offset = roundToInt(f * s);
    ASymText label(CString(std::to_string(getIndex())), app.m_fontName, -height,
                   AOptionsAttributes::Instance()->characterSet, offset / 4, ASymText::shapeOval, 0.0);
    label.SetOrigin({1, 0});
    label.SetColors(colours.GetLineColor(drawMode, selected), colours.GetLabelAreaColor(drawMode, selected));
    label.SetTextColor(colours.GetLabelTextColor(drawMode, selected));
    label.Draw(dc, omPoint(at.x - offset, at.y + offset), false);
}

CString ANode2D::FormatResult(const omDofVector* first, const omDofVector* second, omDofType dof, bool reaction) {
    const AUnitKeyAttributes& units = *AUnitKeyAttributes::Instance();
    omUnitKey key = omUK_kNcm;
    omUnitKey shown = units.moment;
    if (dof == Ux || dof == Uz) {
        key = reaction ? omUK_kN : omUK_cm;
        shown = reaction ? units.force : units.length;
    }
    CString text;
    if (reaction) text = dof == Ux ? "Fx:" : (dof == Uz ? "Fz:" : "My:");
    const omNumberFormat& format = AOptionsAttributes::Instance()->workFormat;
    auto value = [&](const omDofVector& v) {
        if (!v.exist(dof)) return CString();
        return format.CConvert(omUnitValue(v.getDof(dof), key).Get(shown));
    };
    if (first) text += value(*first);
    if (second) text += " [" + value(*second) + "]";
    return text;
}

void ANode2D::DrawResults(AMapC2L& map, CDC& dc, int drawMode, unsigned caseNumber, double scale,
                          bool horizontal, bool vertical, bool allDisplaced) {
    const omDofVector* first = nullptr;
    const omDofVector* second = nullptr;
    if (caseNumber <= 1000) {
        first = findResult(caseNumber);
    } else if (const omNodeEnvelope* envelope = findEnvelope(caseNumber - 1001)) {
        first = &envelope->first;
        second = &envelope->second;
    }
    // Results are cleared by every edit and envelopes can be deleted.
    if (!first || !first->exist(Ux) || !first->exist(Uz) || !std::isfinite(scale)) return;

    omPoint c;
    GetCoordinates(c, omUK_m);
    if (!reaction(Ux) || allDisplaced) c.x += first->getDof(Ux) * scale;
    if (!reaction(Uz) || allDisplaced) c.y += first->getDof(Uz) * scale;

    const double f = map.GetFactor();
    const int height = roundToInt(f * appNodeSize() * 1.3);
    if (height < 1) return;
    const CPoint at = map.LU(c.x, c.y);
    const omPoint position(at.x, at.y);
    const ADrawAttributes& app = *ADrawAttributes::Instance();
    ASymText text(CString(), app.m_fontName, -height, AOptionsAttributes::Instance()->characterSet,
                  roundToInt(f * appNodeSize()) / 10, ASymText::shapeRectangle, 0.0);
    const bool plain = drawMode == 2 || drawMode == 3;
    auto show = [&](omDofType dof, bool isReaction, const omPoint& origin, double angle) {
        const COLORREF colour = plain ? kBlack : (isReaction ? kReactionColor : kBlack);
        text.SetColors(colour, kWhite);
        text.SetTextColor(colour);
        text.SetOrigin(origin);
        text.SetAngle(angle);
        text.SetText(FormatResult(first, second, dof, isReaction));
        text.Draw(dc, position, false);
    };
    if (horizontal) show(Ux, reaction(Ux) && !allDisplaced, {-0.05, 1.05}, 0.0);
    if (vertical) show(Uz, reaction(Uz) && !allDisplaced, {-0.05, 1.05}, std::numbers::pi / 2);
    if (horizontal && vertical && reaction(Ry) && !allDisplaced) show(Ry, true, {-0.05, -0.05}, 0.0);
}
