#include "app/views/ANodeLoadGroup.h"

#include "app/shell/AOptionsAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/ANode2D.h"
#include "app/views/AStructureSymbols.h"
#include "controls/AMapC2L.h"
#include "model/omLoad.h"
#include "platform/core/CObject.h"

#include "platform/gdi/GdiMath.h"

#include <cmath>
#include <new>

namespace {

const char* nodeKindMark(const omLoad& load) {
    switch (load.getType()) {
    case omLoad::Concentrated:
        return "-F";
    case omLoad::Displacement:
        return "-D";
    default:
        return "-ERROR";
    }
}

// The value of dof of a force or a prescribed displacement; false for other loads.
bool valueOf(omLoad& load, omDofType dof, omUnitValue& value) {
    if (load.getType() == omLoad::Concentrated) {
        value = static_cast<omLoadForce&>(load).getF(dof);
        return true;
    }
    if (load.getType() == omLoad::Displacement) {
        value = static_cast<omLoadDisplacement&>(load).getU(dof);
        return true;
    }
    return false;
}

// The longest start of text of at most n bytes that ends on a UTF-8 character boundary.
CString cutUtf8(const CString& text, size_t n) {
    if (text.size() <= n) return text;
    size_t end = n;
    // A continuation byte (10xxxxxx) belongs to the character that started before it.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

} // namespace

ANodeLoadGroup::ANodeLoadGroup(const omNode* node) : omNodeLoadGroup(node) {}

ANodeLoadGroup::ANodeLoadGroup(const ANodeLoadGroup& other)
    : omNodeLoadGroup(other), AObject(other), ALoadGroupList() {
    // The drawable copy stands at the same node (the model's copy waits for setNode).
    setNode(other.getNode());
    SetActiveLoadGroup(static_cast<int>(other.m_ActiveLoadGroup));
}

ANodeLoadGroup::~ANodeLoadGroup() = default;

void ANodeLoadGroup::copy(const ANodeLoadGroup& other) {
    omNodeLoadGroup::copy(other);
    AObject::copy(other);
    SetActiveLoadGroup(static_cast<int>(other.m_ActiveLoadGroup));
}

omNodeLoadGroup* ANodeLoadGroup::clone() const {
    return new (std::nothrow) ANodeLoadGroup(*this);
}

const ANode* ANodeLoadGroup::GetDrawableNode() const {
    return dynamic_cast<const ANode*>(getNode());
}

void ANodeLoadGroup::add(omLoad* load) {
    Adopt(load);
    omNodeLoadGroup::add(load);
    Listed(load);
}

void ANodeLoadGroup::remove(const omLoad* load) {
    Unlisted(load);
    omNodeLoadGroup::remove(load);
}

void ANodeLoadGroup::SetActiveLoadGroup(int loadGroup) {
    ListLoads(getLoads(), static_cast<unsigned>(loadGroup));
    SetShownLoad(0);
}

omUnitValue ANodeLoadGroup::GetLoadValue(omDofType dof, int shown) const {
    omUnitValue value;
    if (shown >= 1) {
        omLoad* load = GetListedLoad(static_cast<unsigned>(shown));
        if (!load || !valueOf(*load, dof, value)) return omUnitValue();
        return value;
    }
    if (m_Loads.empty()) return omUnitValue();
    const omLoad::Type kind = m_Loads.front()->getType();
    for (omLoad* load : m_Loads) {
        omUnitValue part;
        if (load->getType() != kind || !valueOf(*load, dof, part)) return omUnitValue();
        if (load == m_Loads.front())
            value = part;
        else
            value += part;
    }
    return value;
}

CString ANodeLoadGroup::GetLabelText(int shown) const {
    return shown == 0 ? CString("All loads") : LoadLabel(static_cast<unsigned>(shown));
}

CString ANodeLoadGroup::GetTipText(const omPoint&) const {
    return cutUtf8(LoadsTipText(nodeKindMark), kTipLength);
}

const CRuntimeClass* ANodeLoadGroup::GetPropertySheet() const {
    // The load sheets live with the dialogs; the views know them by name only.
    return CRuntimeClass::FromName("ANodeLoadProperty");
}

QCursor ANodeLoadGroup::GetCursor() const {
    return LoadCursor();
}

omPoint ANodeLoadGroup::GetReferencePoint(AMapC2L&, const omPoint& p) {
    const ANode* node = GetDrawableNode();
    if (!node) return p;
    omPoint at;
    node->GetCoordinates(at, omUK_m);
    return at;
}

omRect ANodeLoadGroup::GetBoundingRect(bool) const {
    const ANode* node = GetDrawableNode();
    if (!node) return omRect();
    omPoint at;
    node->GetCoordinates(at, omUK_m);
    const double h = 7 * ADrawAttributes::Instance()->m_nodeSize;
    return omRect(at.x - h, at.y - h, at.x + h, at.y + h);
}

double ANodeLoadGroup::GetDistance(const omPoint& p) const {
    const ANode* node = GetDrawableNode();
    if (!node) return 1e10;
    omPoint at;
    node->GetCoordinates(at, omUK_m);
    const double d = at.distance(p) - 2.5 * ADrawAttributes::Instance()->m_nodeSize;
    return d < 0 ? 0.0 : d;
}

void ANodeLoadGroup::Draw(AMapC2L& map, CDC& dc, int drawMode, const ADrawAttributes& attributes) {
    const ANode* node = GetDrawableNode();
    if (m_Loads.empty() || !node) return;
    omPoint at;
    node->GetCoordinates(at, omUK_m);
    const double b = map.GetFactor() * attributes.m_nodeSize;
    const ADrawAttributes& application = *ADrawAttributes::Instance();
    const int H = gdi::toDeviceLength(map.GetFactor() * application.m_nodeSize * 1.3);
    const ALoadAttributes& colours = *ALoadAttributes::Instance();
    const int shown = static_cast<int>(m_ShownLoad);

    ASymConcentrated symbol;
    symbol.SetColors(colours.GetLineColor(drawMode, IsSelected()), colours.GetLabelAreaColor(drawMode, IsSelected()));
    symbol.GetText().SetTextColor(colours.GetLineColor(drawMode, IsSelected()));
    symbol.SetWidth(10 * b);
    symbol.SetHeight(10 * b);
    symbol.SetBaseSize(b);
    symbol.SetPenThickness(static_cast<unsigned>(colours.GetPenWidth(dc, drawMode, IsSelected())));
    symbol.GetText().SetFont(application.m_fontName, -H, AOptionsAttributes::Instance()->characterSet);
    symbol.SetAngle(0.0);
    symbol.SetValues(GetLoadValue(Ux, shown), GetLoadValue(Uz, shown), GetLoadValue(Ry, shown));
    symbol.SetLabel(GetLabelText(shown));
    const CPoint p = map.LU(at);
    symbol.Draw(dc, omPoint(p.x, p.y), false);
}
