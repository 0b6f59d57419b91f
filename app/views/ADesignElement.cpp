#include "app/views/ADesignElement.h"

#include "app/design/AFactorColor.h"
#include "app/dialogs/ALinElem2DProperty.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AElementLoadGroup.h"
#include "app/views/ANode2D.h"
#include "app/views/AStrakonCursors.h"
#include "app/views/AStructureSymbols.h"
#include "common/omMath.h"
#include "platform/gdi/GdiMath.h"
#include "controls/AMapC2L.h"
#include "controls/ASimpleObject.h"
#include "model/omCrossSection.h"
#include "model/omElementLoadGroup.h"
#include "model/omGenericDesignData.h"
#include "model/omLoad.h"
#include "model/omMaterial.h"
#include "platform/gdi/CDC.h"

#include <cmath>
#include <new>
#include <numbers>
#include <sstream>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

const ANode* drawableNode(const omNode* node) {
    return dynamic_cast<const ANode*>(node);
}

omPoint nodePoint(const omNode* node) {
    omPoint p;
    if (const ANode* n = drawableNode(node)) n->GetCoordinates(p, omUK_m);
    return p;
}

omPoint logical(AMapC2L& map, const omPoint& world) {
    const CPoint p = map.LU(world);
    return omPoint(p.x, p.y);
}

} // namespace

// --- ADesignElement --------------------------------------------------------------------------

// The model part is built by the most derived class: omDesignElement is a
// virtual base.
ADesignElement::ADesignElement() : m_results(this), m_design(this), m_diagram(this) {}

ADesignElement::ADesignElement(const ADesignElement& other)
    : omDesignElement(other), AObject(other), m_results(this), m_design(this), m_diagram(this) {}

ADesignElement::~ADesignElement() = default;

const ANode* ADesignElement::GetDrawableNode(position end) const {
    return drawableNode(end == first ? getNode1() : getNode2());
}

omRect ADesignElement::GetBoundingRect(bool large) const {
    const ANode* n1 = GetDrawableNode(first);
    const ANode* n2 = GetDrawableNode(second);
    if (!n1 || !n2) return n1 ? n1->GetBoundingRect(large) : (n2 ? n2->GetBoundingRect(large) : omRect());
    omRect r = n1->GetBoundingRect(large);
    r.Union(n2->GetBoundingRect(large));
    return r;
}

QCursor ADesignElement::GetCursor() const {
    return LoadStrakonCursor(133);
}

CString ADesignElement::GetTipText(const omPoint& p) const {
    const omLine axis = getLine(omUK_m, omNode::coorPlain);
    std::ostringstream text;
    text << "Id = " << getIndex() << "\nRel. pos = " << axis.scalar(axis.perpendicular(p))
         << "\nNode1 = " << getNodeIndex1() << "\nNode2 = " << getNodeIndex2() << "\nL = " << length()
         << " cm"
         << "\nSec. = " << getCrossSectionIndex() << "\nMat. = " << getMaterialIndex();
    return CString(text.str());
}

void ADesignElement::AddDragShapes(ASimpleObjectGroup& group, const AObjectPtrContainer& selection) {
    auto* line = new ASimpleLine(nodePoint(getNode1()), nodePoint(getNode2()));
    group.Add(line);
    auto moved = [&](const omNode* node) {
        const ANode* n = drawableNode(node);
        return n && selection.Contains(n);
    };
    if (moved(getNode1())) group.Add(line->GetPoint1());
    if (moved(getNode2())) group.Add(line->GetPoint2());
}

void ADesignElement::SetActiveLoadGroup(int loadGroup) {
    if (auto* group = dynamic_cast<AElementLoadGroup*>(getLoad()))
        group->SetActiveLoadGroup(static_cast<unsigned>(loadGroup));
}

void ADesignElement::DrawResult(AMapC2L& map, CDC& dc, int drawMode, unsigned caseNumber, int component,
                                bool forces, bool local, double scale) {
    m_diagram.Setup(map, dc, drawMode, component, forces, local, scale,
                    ADrawAttributes::Instance()->GetTextHeight(map));
    // A member added after the solution, or one whose results an edit cleared,
    // has no result of that number: it draws nothing.
    if (caseNumber >= 1 && caseNumber <= 1000) {
        const omElementResult& results = getResult();
        if (static_cast<int>(caseNumber) > results.caseSize()) return;
        if (m_diagram.Compute(results.getLCResult(caseNumber))) m_diagram.DrawCurve();
        return;
    }
    const unsigned e = caseNumber - 1000;
    const omElementEnvelope& envelope = getEnvelope();
    if (caseNumber <= 1000 || envelope.empty() || static_cast<int>(e) > envelope.envelopeSize()) return;
    if (!m_diagram.Compute(envelope.getMaxResult(e))) return;
    m_diagram.SavePoints();
    m_diagram.DrawCurve();
    if (!m_diagram.Compute(envelope.getMinResult(e))) {
        m_diagram.ClearPoints();
        return;
    }
    CPen dotted(PS_DOT, 0, RGB(0, 0, 0));
    CPen* old = dc.SelectObject(&dotted);
    m_diagram.DrawCurve();
    dc.SelectObject(old);
}

void ADesignElement::DrawResultLabels(unsigned caseNumber, AResultLabelPlaces* places) {
    if (m_diagram.GetX().size() == 0) return;
    if (caseNumber >= 1 && caseNumber <= 1000) {
        if (static_cast<int>(caseNumber) <= getResult().caseSize())
            m_diagram.DrawLabels(getResult().getLCResult(caseNumber), places);
        return;
    }
    const unsigned e = caseNumber - 1000;
    const omElementEnvelope& envelope = getEnvelope();
    if (caseNumber <= 1000 || envelope.empty() || static_cast<int>(e) > envelope.envelopeSize()) return;
    m_diagram.DrawLabels(envelope.getMinResult(e), places);
    m_diagram.RestorePoints();
    m_diagram.DrawLabels(envelope.getMaxResult(e), places);
}

// --- ALinearDesignElement2D --------------------------------------------------------------------

ALinearDesignElement2D::ALinearDesignElement2D(omNodeMap& nodeMap, unsigned node1, unsigned node2,
                                               unsigned crossSection, unsigned material, unsigned id)
    : omDesignElement(nodeMap, node1, node2, crossSection, material, id),
      omLinearDesignElement2D(nodeMap, node1, node2, crossSection, material, id) {}

ALinearDesignElement2D::ALinearDesignElement2D(omNodeMap& nodeMap, const omNode* node1, const omNode* node2,
                                               unsigned crossSection, unsigned material, unsigned id)
    : omDesignElement(nodeMap, node1, node2, crossSection, material, id),
      omLinearDesignElement2D(nodeMap, node1, node2, crossSection, material, id) {}

ALinearDesignElement2D::ALinearDesignElement2D(const ALinearDesignElement2D& other)
    : omDesignElement(other), omLinearDesignElement2D(other), ADesignElement(other) {}

ALinearDesignElement2D::~ALinearDesignElement2D() = default;

void ALinearDesignElement2D::copy(const ALinearDesignElement2D& other) {
    copy(static_cast<const omDesignElement&>(other));
    AObject::copy(other);
}

const CRuntimeClass* ALinearDesignElement2D::GetPropertySheet() const {
    return RUNTIME_CLASS(ALinElem2DProperty);
}

omDesignElement* ALinearDesignElement2D::clone() const {
    return new (std::nothrow) ALinearDesignElement2D(*this);
}

omDesignElement* ALinearDesignElement2D::create() const {
    return createAs<ALinearDesignElement2D>();
}

omElementLoadGroup* ALinearDesignElement2D::createLoadGroup(omLoad* load) {
    auto* group = new (std::nothrow) AElementLoadGroup(this);
    if (group && load) group->SetActiveLoadGroup(load->getLoadGroupIndex());
    return group;
}

double ALinearDesignElement2D::GetDistance(const omPoint& p) const {
    const double s = ADrawAttributes::Instance()->m_nodeSize * 0.7 * 0.5;
    const omPoint start = nodePoint(getNode1());
    const double L = getLine(omUK_m, omNode::coorPlain).length();
    double x = p.x - start.x;
    double y = p.y - start.y;
    omRotate(x, y, -angle());
    if (x < s || x > L - s) return 1e10;
    return std::max(0.0, std::fabs(y) - s);
}

omPoint ALinearDesignElement2D::GetReferencePoint(AMapC2L& map, const omPoint& p) {
    const omLine axis = getLine(omUK_m, omNode::coorPlain);
    const double L = axis.length();
    if (L <= 0.0) return axis.p1();
    const double step = map.GetD2LFactor() / map.GetFactor() * 6.0;
    const double r = step / L;
    const double d = std::pow(10.0, digits(r));
    const double q = r / d;
    double best = 10.0;
    double pick = 0.1;
    for (double v : {0.1, 0.2, 0.25, 0.5})
        if (std::fabs(q - v) < best) {
            best = std::fabs(q - v);
            pick = v;
        }
    return axis.at(omSnap(axis.scalar(p), d * pick));
}

double ALinearDesignElement2D::GetSetBack(position end, double nodeSize) const {
    int count = 0;
    for (omDofType dof : {Ux, Uz, Ry})
        if (isReleased(end, dof)) ++count;
    // All three released shows one symbol.
    if (count == 3) count = 1;
    return 0.5 * nodeSize + nodeSize * count;
}

void ALinearDesignElement2D::Draw(AMapC2L& map, CDC& dc, int drawMode, const ADrawAttributes& attributes) {
    COLORREF fill = AElementAttributes::Instance()->GetFillColor(drawMode, IsSelected());
    if (attributes.m_fillCrossSectionColor && getCrossSection())
        fill = getCrossSection()->color();
    else if (attributes.m_fillMaterialColor && getMaterial())
        fill = getMaterial()->color();
    DrawMember(map, dc, drawMode, attributes, fill);
}

void ALinearDesignElement2D::DrawMember(AMapC2L& map, CDC& dc, int drawMode,
                                        const ADrawAttributes& attributes, COLORREF fill) {
    const omLine axis = getLine(omUK_m, omNode::coorPlain);
    const double L = axis.length();
    if (!(L > 0.0) || !std::isfinite(L)) return;
    const double a = angle();
    const double nodeSize = attributes.m_nodeSize;
    const double s = nodeSize * 0.7;
    const double f = map.GetFactor();
    const bool lineMode = !(attributes.m_showElementAsRect && drawMode == 0);
    const bool selected = IsSelected();
    const AElementAttributes& colours = *AElementAttributes::Instance();
    const COLORREF lineColor = colours.GetLineColor(drawMode, selected, GetObjectType() == 10);
    const int penWidth = colours.GetPenWidth(dc);

    const double t1 = GetSetBack(first, nodeSize) / L;
    const double t2 = (L - GetSetBack(second, nodeSize)) / L;
    // On a member shorter than its set-backs the body would run backwards past
    // the nodes: only the releases and the index are drawn then.
    if (t1 < t2) {
        const omPoint p1 = axis.at(t1);
        const omPoint p2 = axis.at(t2);
        const omPoint l1 = logical(map, p1);
        const omPoint l2 = logical(map, p2);
        const double bodyLU = l1.distance(l2);

        if (lineMode) {
            CPen pen(PS_SOLID, penWidth, lineColor);
            CPen* old = dc.SelectObject(&pen);
            dc.MoveTo(ASymbol::Round(l1));
            dc.LineTo(ASymbol::Round(l2));
            dc.SelectObject(old);
        } else {
            ASymRectangle body(s * f, bodyLU, a);
            body.SetOrigin({0, 0.5});
            body.SetColors(lineColor, fill);
            body.SetPenThickness(static_cast<unsigned>(std::max(0, penWidth)));
            body.Draw(dc, l1, false);
        }

        omLine side = axis;
        side.movePerpendicular(1.2 * (lineMode ? 0.25 : 0.5) * nodeSize);
        {
            CPen dotted(PS_DOT, penWidth, lineColor);
            CPen* old = dc.SelectObject(&dotted);
            dc.MoveTo(map.LU(side.at(t1)));
            dc.LineTo(map.LU(side.at(t2)));
            dc.SelectObject(old);
        }

        const int groundType = static_cast<int>(getElGroundType());
        if (groundType != 0 && getElGroundCoef().Get(omUK_kN_cm3) != 0.0) {
            const double size = 1.2 * s * f;
            // Springs no closer than their size, and never more than a screenful.
            const int n = std::max(1, gdi::stepCount(bodyLU / size, 1000));
            ASymGroundSpring spring;
            spring.SetWidth(size);
            spring.SetHeight(size);
            spring.SetColors(lineColor, fill);
            spring.SetPenThickness(static_cast<unsigned>(std::max(0, penWidth)));
            const omLine body(l1, l2);
            for (int side2 = 0; side2 < 2; ++side2) {
                const bool onSide =
                    side2 == 0 ? (groundType == 1 || groundType == 2) : (groundType == 1 || groundType == 3);
                if (!onSide) continue;
                spring.SetAngle(side2 == 0 ? a : a + std::numbers::pi);
                for (int i = 0; i < n; ++i)
                    spring.Draw(dc, body.at((i + 0.5) / n), false);
            }
        }

        const double arrow = nodeSize * f;
        ASymArrow_1 tip(arrow, arrow, a);
        tip.SetOrigin({1.0, 0.5});
        tip.SetColors(lineColor, selected ? attributes.m_selectionColor : lineColor);
        tip.Draw(dc, l2, false);
    }

    DrawReleases(map, dc, first, axis, nodeSize, lineColor,
                 colours.GetReleasePenWidth(dc, drawMode, selected));
    DrawReleases(map, dc, second, axis, nodeSize, lineColor,
                 colours.GetReleasePenWidth(dc, drawMode, selected));

    if (attributes.m_showElementIndex) {
        const int height = attributes.GetTextHeight(map);
        // Below one logical unit the context would choose its default font.
        if (height >= 1) {
            ASymText label(CString(std::to_string(getIndex())), attributes.m_fontName, -height,
                           AOptionsAttributes::Instance()->characterSet, height / 4, ASymText::shapeRectangle,
                           0.0);
            label.SetColors(colours.GetLabelTextColor(drawMode, selected),
                            colours.GetLabelAreaColor(drawMode, selected));
            label.SetTextColor(colours.GetLabelTextColor(drawMode, selected));
            label.Draw(dc, logical(map, axis.at(0.5)), false);
        }
    }
}

void ALinearDesignElement2D::DrawReleases(AMapC2L& map, CDC& dc, position end, const omLine& axis,
                                          double symbolSize, COLORREF color, int penWidth) {
    const bool ux = isReleased(end, Ux);
    const bool uz = isReleased(end, Uz);
    const bool fiy = isReleased(end, Ry);
    if (!ux && !uz && !fiy) return;
    ASymUxRelease uxSymbol;
    ASymUzRelease uzSymbol;
    ASymFiyRelease fiySymbol;
    ASymEmpty empty;
    ASymbol* symbols[2] = {nullptr, nullptr};
    if (ux && uz && fiy) {
        symbols[0] = &empty;
    } else if (fiy) {
        symbols[0] = &fiySymbol;
        symbols[1] =
            ux ? static_cast<ASymbol*>(&uxSymbol) : (uz ? static_cast<ASymbol*>(&uzSymbol) : nullptr);
    } else {
        symbols[0] = ux ? static_cast<ASymbol*>(&uxSymbol) : &uzSymbol;
        if (ux && uz) symbols[1] = &uzSymbol;
    }
    const double L = axis.length();
    const double size = symbolSize * map.GetFactor();
    const double a = angle();
    for (int k = 0; k < 2; ++k) {
        if (!symbols[k]) continue;
        const double d = (k + 1) * symbolSize;
        const double t = end == first ? d / L : (L - d) / L;
        ASymbol& symbol = *symbols[k];
        symbol.SetWidth(size);
        symbol.SetHeight(size);
        symbol.SetAngle(a);
        symbol.SetColors(color, kWhite);
        symbol.SetPenThickness(static_cast<unsigned>(std::max(0, penWidth)));
        symbol.Draw(dc, logical(map, axis.at(t)), false);
    }
}

COLORREF ALinearDesignElement2D::GetDesignColour(const ADrawAttributes& attributes) const {
    const omGenericDesignData* data = getDesignData();
    if (!data) return kWhite;
    if (data->isUltDesign() && attributes.m_showDesignUltimate) return GetFactorColor(data->getUltFactor());
    if (!data->isSerDesign() || attributes.m_showDesignUltimate) return kWhite;
    return GetFactorColor(data->getSerFactor());
}

void ALinearDesignElement2D::DrawDesignColour(AMapC2L& map, CDC& dc, int drawMode,
                                              const ADrawAttributes& attributes) {
    DrawMember(map, dc, drawMode, attributes, GetDesignColour(attributes));
}

// --- AQuentraDesignElement ---------------------------------------------------------------------

AQuentraDesignElement::AQuentraDesignElement(omNodeMap& nodeMap, unsigned node1, unsigned node2,
                                             unsigned crossSection, unsigned material, unsigned id)
    : omDesignElement(nodeMap, node1, node2, crossSection, material, id),
      omLinearDesignElement2D(nodeMap, node1, node2, crossSection, material, id),
      ALinearDesignElement2D(nodeMap, node1, node2, crossSection, material, id),
      omDravikDesignElement(nodeMap, node1, node2, crossSection, material, id) {}

AQuentraDesignElement::AQuentraDesignElement(omNodeMap& nodeMap, const omNode* node1, const omNode* node2,
                                             unsigned crossSection, unsigned material, unsigned id)
    : omDesignElement(nodeMap, node1, node2, crossSection, material, id),
      omLinearDesignElement2D(nodeMap, node1, node2, crossSection, material, id),
      ALinearDesignElement2D(nodeMap, node1, node2, crossSection, material, id),
      omDravikDesignElement(nodeMap, node1, node2, crossSection, material, id) {}

AQuentraDesignElement::AQuentraDesignElement(const AQuentraDesignElement& other)
    : omDesignElement(other), omLinearDesignElement2D(other), ALinearDesignElement2D(other),
      omDravikDesignElement(other) {}

AQuentraDesignElement::~AQuentraDesignElement() = default;

omDesignElement* AQuentraDesignElement::clone() const {
    return new (std::nothrow) AQuentraDesignElement(*this);
}

omDesignElement* AQuentraDesignElement::create() const {
    return createAs<AQuentraDesignElement>();
}
