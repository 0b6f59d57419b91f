#include "app/views/APellionTipText.h"

#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADesignElement.h"
#include "app/views/AElementLoadGroup.h"
#include "app/views/ANode2D.h"
#include "app/views/ANodeLoadGroup.h"
#include "common/omUnitValue.h"
#include "model/omCrossSection.h"
#include "model/omMaterial.h"
#include "model/omRCDesignBeamData.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <typeinfo>

namespace {

CString format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// "7: Beam", or "7" for an object without a name (the model's form with both parts would end in ": ").
template <class T> CString idName(const T& object) {
    const std::string named = object.getIdName(false, true);
    return object.getIdName(true, !named.empty());
}

const omNumberFormat& optionsFormat() {
    return AOptionsAttributes::Instance()->workFormat;
}

} // namespace

APellionTipText::~APellionTipText() = default;

CString APellionTipText::LengthText(double metres) {
    omUnitValue value(metres, omUK_m);
    value.ConvertTo(AUnitKeyAttributes::Instance()->length);
    return value.AsString(optionsFormat());
}

CString APellionTipText::Decimals3(double metres) {
    const omUnitKey unit = AUnitKeyAttributes::Instance()->length;
    // A number alone would leave the reader to guess between cm and m.
    return format("%.3f", omUnitValue(metres, omUK_m).Get(unit)) + " " + omUnitValue(unit).GetUnitName();
}

CString APellionTipText::GetCoordinateText(double x, double z) const {
    return "x: " + LengthText(x) + ", z: " + LengthText(z);
}

CString APellionTipText::NodeName(const ANode& node) const {
    return "Node: " + idName(node);
}

CString APellionTipText::NodeCoordinates(const ANode& node) const {
    omPoint at;
    node.GetCoordinates(at, omUK_m);
    return "x=" + Decimals3(at.x) + ", z=" + Decimals3(at.y);
}

CString APellionTipText::NodeTip(const ANode& node) const {
    return NodeName(node) + "\n" + NodeCoordinates(node);
}

CString APellionTipText::ElementName(const ADesignElement& element) const {
    const CString kind = typeid(element) == typeid(ALinearDesignElement2D) ? "Linenar el.: " : "Nonlinear el.: ";
    return kind + idName(element);
}

CString APellionTipText::RelativePosition(const ADesignElement& element, const omPoint& a) const {
    const omLine line = element.getLine(omUK_m, omNode::coorPlain);
    return format("Rel. x: %4.3lf", line.scalar(line.perpendicular(a)));
}

CString APellionTipText::ElementPositionTip(const ADesignElement& element, const omPoint& a) const {
    return ElementName(element) + "\n" + RelativePosition(element, a);
}

CString APellionTipText::Material(const ADesignElement& element) const {
    const omMaterial* material = element.getMaterial();
    return "Mat: " + (material ? idName(*material) : CString("Undefined"));
}

CString APellionTipText::CrossSection(const ADesignElement& element) const {
    const omCrossSection* section = element.getCrossSection();
    return "CS: " + (section ? idName(*section) : CString("Undefined"));
}

CString APellionTipText::ElementTip(const ADesignElement& element) const {
    CString text = ElementName(element) + "\n" + Material(element) + "\n" + CrossSection(element);
    const omMaterial* material = element.getMaterial();
    if (!material || !element.getCrossSection()) return text;
    const AUnitKeyAttributes& units = *AUnitKeyAttributes::Instance();
    // t/m3 times cm3 is grams.
    const double density = material->ro().Get(omUK_t_m3);
    const double volume = element.volume();
    text += "\n" + format("Mass %3.0lf", omUnitValue(density * volume * 0.001, omUK_kg).Get(units.mass));
    const omMaterial* reinforcement = element.getMaterial2();
    if (const auto* beam = dynamic_cast<const omRCDesignBeamData*>(element.getDesignData()); reinforcement && beam) {
        const double steel = (beam->getBarVolume() + beam->getStirrupVolume()) * reinforcement->ro().Get(omUK_t_m3);
        text += format(" [Reinf. %3.0lf]", omUnitValue(steel * 0.001, omUK_kg).Get(units.mass));
    }
    text += " " + omUnitValue(units.mass).GetUnitName();
    // The weight per length in kN/cm: grams times g is 9.81e-6 kN.
    const double length = element.length();
    omUnitValue weight(length > 0 ? density * volume * 9.81e-6 / length : 0.0, omUK_kN_cm);
    weight.ConvertTo(units.forcePerLength);
    text += "\ng'=" + weight.AsString(optionsFormat());
    return text;
}

CString APellionTipText::Move(const omPoint& a, const omPoint& b) const {
    return "dx=" + Decimals3(a.x - b.x) + ", dz=" + Decimals3(a.y - b.y);
}

CString APellionTipText::Length(const omPoint& a, const omPoint& b) const {
    return "Len: " + LengthText(a.distance(b));
}

CString APellionTipText::Angle(const omPoint& a, const omPoint& b) const {
    omUnitValue angle(-std::atan2(a.y - b.y, a.x - b.x) * 180.0 / std::numbers::pi, omUK_deg);
    angle.ConvertTo(AUnitKeyAttributes::Instance()->rotation);
    return " Ang: " + angle.AsString(optionsFormat());
}

CString APellionTipText::LoadObject(const AObject& object) const {
    return object.GetTipText(omPoint(0, 0));
}

CString APellionTipText::LoadModePrompt(int category) {
    switch (category) {
    case 6:
        return "Add concentrated force";
    case 7:
        return "Add displacement";
    case 8:
        return "Add uniform load";
    case 9:
        return "Add uniform (2 pts) load";
    case 10:
        return "Add linear load";
    case 11:
        return "Add linear (2 pts) load";
    case 12:
        return "Add temperature load";
    default:
        return CString();
    }
}

CString APellionTipText::GetTipText(int viewKind, int category, const AObject* object, bool actionInProgress,
                                    const omPoint& a, const omPoint& b) const {
    const auto* node = dynamic_cast<const ANode*>(object);
    const auto* element = dynamic_cast<const ADesignElement*>(object);
    if (viewKind == kGeometryView) {
        if (object) {
            switch (category) {
            case 1:
                return node ? NodeTip(*node) : element ? ElementTip(*element) : CString();
            case 2:
                return "Move: " + Move(a, b);
            case 3:
                return node ? CString("Invalid position") : element ? ElementPositionTip(*element, a) : CString();
            case 4:
                return node ? NodeTip(*node) : element ? ElementPositionTip(*element, a) : CString();
            default:
                return CString();
            }
        }
        switch (category) {
        case 2:
            return "Move: " + Move(a, b);
        case 3:
            return GetCoordinateText(a.x, a.y);
        case 4:
            return actionInProgress ? GetCoordinateText(a.x, a.y) + "\n" + Length(a, b) + "\n" + Angle(a, b)
                                    : GetCoordinateText(a.x, a.y);
        default:
            return CString();
        }
    }
    if (viewKind != kLoadsView) return CString();
    if (!object) return LoadModePrompt(category);
    switch (category) {
    case 1:
        if (const auto* group = dynamic_cast<const ANodeLoadGroup*>(object)) return LoadObject(*group);
        if (const auto* group = dynamic_cast<const AElementLoadGroup*>(object)) return LoadObject(*group);
        return CString();
    case 6:
    case 7:
    case 9:
    case 11:
        return element ? ElementPositionTip(*element, a) : node ? NodeName(*node) : CString();
    case 8:
    case 10:
    case 12:
        return element ? ElementName(*element) : CString();
    default:
        return CString();
    }
}
