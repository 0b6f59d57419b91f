#include "app/views/AStrakon.h"

#include "app/dialogs/ACrossSectionMap.h"
#include "app/dialogs/AMaterialMap.h"
#include "app/views/ADesignElement.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AElementMap.h"
#include "app/views/ANode2D.h"
#include "app/views/ANodeMap.h"
#include "app/views/AUndoList.h"
#include "common/omMath.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"

#include <algorithm>
#include <cmath>
#include <new>

AStrakon::AStrakon() = default;
AStrakon::~AStrakon() = default;

omNodeMap* AStrakon::createNodeMap() {
    return new (std::nothrow) ANodeMap;
}

omElementMap* AStrakon::createElementMap() {
    return new (std::nothrow) AElementMap;
}

omCrossSectionMap* AStrakon::createCrossSectionMap() {
    return new (std::nothrow) ACrossSectionMap;
}

omMaterialMap* AStrakon::createMaterialMap() {
    return new (std::nothrow) AMaterialMap;
}

omNode* AStrakon::createNode(double x, double z, const std::string& unit, unsigned id) {
    return new (std::nothrow) ANode2D(x, z, unit, id);
}

omDesignElement* AStrakon::createLinearElement(omNodeMap& nodes, unsigned node1, unsigned node2,
                                               unsigned crossSection, unsigned material, unsigned id) {
    return new (std::nothrow) ALinearDesignElement2D(nodes, node1, node2, crossSection, material, id);
}

omDesignElement* AStrakon::createQuentraElement(omNodeMap& nodes, unsigned node1, unsigned node2,
                                                unsigned crossSection, unsigned material, unsigned id) {
    return new (std::nothrow) AQuentraDesignElement(nodes, node1, node2, crossSection, material, id);
}

ANodeMap* AStrakon::GetNodeMap() const {
    return dynamic_cast<ANodeMap*>(getNodeMap());
}

AElementMap* AStrakon::GetElementMap() const {
    return dynamic_cast<AElementMap*>(getElementMap());
}

int AStrakon::GetNodes(AObjectPtrContainer& list) {
    ANodeMap* nodes = GetNodeMap();
    return nodes ? nodes->GetNodes(list) : 0;
}

int AStrakon::GetElements(AObjectPtrContainer& list) {
    AElementMap* elements = GetElementMap();
    return elements ? elements->GetElements(list) : 0;
}

void AStrakon::Draw(AMapC2L& map, CDC& dc, const omRect& clip, int drawMode,
                    const ADrawAttributes& attributes) {
    if (AElementMap* elements = GetElementMap()) elements->Draw(map, dc, clip, drawMode, attributes);
    if (ANodeMap* nodes = GetNodeMap()) nodes->Draw(map, dc, clip, drawMode, attributes);
}

int AStrakon::GetNodeLoads(AObjectPtrContainer& list) {
    ANodeMap* nodes = GetNodeMap();
    return nodes ? nodes->GetNodeLoadGroups(list) : 0;
}

int AStrakon::GetElementLoads(AObjectPtrContainer& list) {
    AElementMap* elements = GetElementMap();
    return elements ? elements->GetElementLoadGroups(list) : 0;
}

int AStrakon::GetElementResults(AObjectPtrContainer& list) {
    AElementMap* elements = GetElementMap();
    return elements ? elements->GetResultMarks(list) : 0;
}

int AStrakon::GetElementDesigns(AObjectPtrContainer& list) {
    AElementMap* elements = GetElementMap();
    return elements ? elements->GetDesignMarks(list) : 0;
}

void AStrakon::DrawLoads(AMapC2L& map, CDC& dc, const omRect& clip, int drawMode,
                         const ADrawAttributes& attributes) {
    if (AElementMap* elements = GetElementMap()) elements->DrawLoads(map, dc, clip, drawMode, attributes);
    if (ANodeMap* nodes = GetNodeMap()) nodes->DrawLoads(map, dc, clip, drawMode, attributes);
}

void AStrakon::DrawResults(AMapC2L& map, CDC& dc, const omRect& clip, int drawMode, unsigned caseNumber,
                           int component, bool forces, bool local) {
    AElementMap* elements = GetElementMap();
    if (!elements) return;
    const double scale =
        elements->DrawResults(*this, map, dc, clip, drawMode, caseNumber, component, forces, local);
    const bool displacedShape = !forces && component == 2 && !local;
    ANodeMap* nodes = GetNodeMap();
    if (!displacedShape || scale == 0.0 || !nodes || !ADrawAttributes::Instance()->m_showResultsLabels)
        return;
    bool skew = false;
    const omLoadManager* manager = getLoadManager();
    if (caseNumber >= 1 && caseNumber <= 1000 && manager &&
        static_cast<int>(caseNumber) <= manager->caseSize())
        if (const omLoadCase* lc = manager->getCase(static_cast<int>(caseNumber)))
            skew = lc->limitState() == omLoadCase::lsSkew;
    nodes->DrawResults(map, dc, drawMode, caseNumber, scale, true, true, skew);
}

void AStrakon::DrawDesignSummary(AMapC2L& map, CDC& dc, const omRect& clip, int drawMode,
                                 ADrawAttributes& attributes) {
    if (AElementMap* elements = GetElementMap())
        elements->DrawDesignState(map, dc, clip, drawMode, attributes);
    if (ANodeMap* nodes = GetNodeMap()) nodes->Draw(map, dc, clip, drawMode, attributes);
}

void AStrakon::SetActiveLoadGroup(int loadGroup) {
    m_activeLoadGroup = loadGroup;
    if (ANodeMap* nodes = GetNodeMap()) nodes->SetActiveLoadGroup(loadGroup);
    if (AElementMap* elements = GetElementMap()) elements->SetActiveLoadGroup(loadGroup);
}

namespace {

// Both insert operations compare in the node map's base unit.
constexpr omUnitKey kInsertUnit = omUK_cm;

omPoint coordinates(const omNode& node) {
    const omVector v = node.getVector(kInsertUnit, omNode::coorPlain);
    return v.size() >= 2 ? omPoint(v(1), v(2)) : omPoint();
}

bool sharesNode(const omDesignElement& a, const omDesignElement& b) {
    const unsigned a1 = a.getNodeIndex1(), a2 = a.getNodeIndex2();
    const unsigned b1 = b.getNodeIndex1(), b2 = b.getNodeIndex2();
    return a1 == b1 || a1 == b2 || a2 == b1 || a2 == b2;
}

} // namespace

void AStrakon::InsertNode(AUndoList& undo, omNode* node, bool split) {
    omNode* added = addNode(node, 0);
    omElementMap* elements = getElementMap();
    if (!added || !split || !elements) return;
    const omPoint p = coordinates(*added);
    for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii()) {
        omDesignElement* member = elements->object_ii();
        if (member->getNode1() == added || member->getNode2() == added) continue;
        const omLine axis = member->getLine(kInsertUnit, omNode::coorPlain);
        if (!(axis.isInLine(p) & omLine::insideThis)) continue;
        if (omDesignElement* piece = member->split(undo, added)) addElement(piece, 0);
    }
}

void AStrakon::InsertElement(AUndoList& undo, omDesignElement* element, bool split) {
    omElementMap* elements = getElementMap();
    if (!split || !elements || !element) {
        addElement(element, 0);
        return;
    }
    const omLine line = element->getLine(kInsertUnit, omNode::coorPlain);
    for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii()) {
        omDesignElement* member = elements->object_ii();
        const omLine other = member->getLine(kInsertUnit, omNode::coorPlain);
        omPoint p;
        const int flags = line.intersection(other, p);
        const bool crosses = (flags & omLine::insideThis) && (flags & omLine::insideOther);
        if (!crosses || sharesNode(*element, *member)) continue;

        const omNode* crossing = nullptr;
        const bool atStart = equal(p.x, other.p1().x, 1e-12) && equal(p.y, other.p1().y, 1e-12);
        const bool atEnd = equal(p.x, other.p2().x, 1e-12) && equal(p.y, other.p2().y, 1e-12);
        // At one of the new member's own ends there is nothing to split of it:
        // splitting there would give a piece of no length, and two nodes at one
        // place would hand the member back and forth between them for ever. The
        // other member is split at that end node when the end lies within its span.
        const double reach = omLine::tolerance * std::max(1.0, line.length());
        const bool atOwnStart = std::abs(p.x - line.p1().x) <= reach && std::abs(p.y - line.p1().y) <= reach;
        const bool atOwnEnd = std::abs(p.x - line.p2().x) <= reach && std::abs(p.y - line.p2().y) <= reach;
        if (atOwnStart || atOwnEnd) {
            const omNode* own = atOwnStart ? element->getNode1() : element->getNode2();
            if (!atStart && !atEnd && own && getNodeMap() && getNodeMap()->find(own->getIndex()) == own) {
                if (omDesignElement* piece = member->split(undo, own)) addElement(piece, 0);
            }
            continue;
        }
        if (atStart || atEnd) {
            crossing = atStart ? member->getNode1() : member->getNode2();
        } else {
            const omNode* model = element->getNode1();
            omNode* node = model ? model->create() : nullptr;
            if (!node) continue;
            omVector at(2);
            at(1) = p.x;
            at(2) = p.y;
            node->setCoor(at, "cm");
            omNode* added = addNode(node, 0);
            if (!added) continue;
            undo.add(added, omUndoItem::created);
            if (omDesignElement* piece = member->split(undo, added)) addElement(piece, 0);
            crossing = added;
        }
        if (!crossing) continue;
        if (omDesignElement* rest = element->split(undo, crossing)) {
            // The recursion walks the map with its single iterator: this walk is over.
            InsertElement(undo, element, split);
            InsertElement(undo, rest, split);
            return;
        }
    }
    addElement(element, 0);
}

bool AStrakon::DropLoadSheetGroups(const omUndoObject* leaving) {
    bool dropped = false;
    if (AElementMap* elements = GetElementMap()) {
        const auto* member = dynamic_cast<const omDesignElement*>(leaving);
        if (!leaving || member) dropped |= elements->DropCurrentLoadGroup(member);
    }
    if (ANodeMap* nodes = GetNodeMap()) {
        const auto* node = dynamic_cast<const omNode*>(leaving);
        if (!leaving || node) dropped |= nodes->DropEditedLoadGroup(node);
    }
    return dropped;
}
