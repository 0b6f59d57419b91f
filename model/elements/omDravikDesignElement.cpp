#include "model/elements/omDravikDesignElement.h"

#include "common/omErrorContainer.h"
#include "common/omMath.h"
#include "model/elements/omDravikFE.h"
#include "model/omElementLoadGroup.h"
#include "model/omLinkedNode.h"
#include "model/omLoad.h"
#include "model/omNode2D.h"
#include "model/omNodeMap.h"

#include <algorithm>
#include <new>
#include <vector>

omDravikDesignElement::omDravikDesignElement(omNodeMap& nodeMap, unsigned startNode, unsigned endNode,
                                             unsigned crossSection, unsigned material, unsigned id)
    : omLinearDesignElement2D(nodeMap, startNode, endNode, crossSection, material, id) {}

omDravikDesignElement::omDravikDesignElement(omNodeMap& nodeMap, const omNode* start, const omNode* end,
                                             unsigned crossSection, unsigned material, unsigned id)
    : omLinearDesignElement2D(nodeMap, start, end, crossSection, material, id) {}

omDravikDesignElement::omDravikDesignElement(const omDravikDesignElement& other)
    : omLinearDesignElement2D(other) {}

omDravikDesignElement::~omDravikDesignElement() = default;

omDesignElement* omDravikDesignElement::clone() const {
    return new (std::nothrow) omDravikDesignElement(*this);
}

omDesignElement* omDravikDesignElement::create() const {
    auto* member = new (std::nothrow) omDravikDesignElement(getNodeMap(), getNode1(), getNode2(),
                                                            getCrossSectionIndex(), getMaterialIndex(), 0);
    if (!member) return nullptr;
    // A member whose nodes are not bound yet passes their numbers on instead.
    if (!getNode1()) member->setNodeIndex1(getNodeIndex1());
    if (!getNode2()) member->setNodeIndex2(getNodeIndex2());
    member->setMaterialIndex2(getMaterialIndex2());
    return member;
}

omLineFE* omDravikDesignElement::createLineFE() {
    return new (std::nothrow) omDravikFE();
}

bool omDravikDesignElement::setupFEs() {
    deleteInternalNodes();
    clearFE();
    const omNode* n1 = getNode1();
    const omNode* n2 = getNode2();
    if (!n1 || !n2) return false;

    // A member end with a released link hangs on its linked node, which then
    // takes part in the numbering as an external node.
    omNodeMap& nodeMap = getNodeMap();
    const omNode* ends[2] = {n1, n2};
    for (int end = 0; end < 2; ++end) {
        omLinkedNode* linked = linkedNode(end == 0 ? first : second);
        if (!linked) continue;
        linked->setMaster(ends[end]);
        if (linked->anyReleasedLink()) {
            nodeMap.addExternalNode(linked);
            ends[end] = linked;
        }
    }

    // Loads of every group count, so that one division serves every load case.
    // Rounding makes load points closer than 1e-5 of the length one point.
    std::vector<double> positions{0.0, 1.0};
    auto addPosition = [&positions](double position) {
        const double p = omSnap(position, 1e-5);
        // A point off the member would place a node off the member.
        if (p > 0.0 && p < 1.0) positions.push_back(p);
    };
    if (const omElementLoadGroup* group = getLoad()) {
        omElementLoadGroup::NumberedLoads loads;
        group->getLoads(0, false, true, false, true, loads);
        for (const auto& [number, load] : loads) {
            if (!load) continue;
            if (load->getType() == omLoad::Concentrated) {
                addPosition(static_cast<const omLoadForce*>(load)->getX());
            } else if (load->getType() == omLoad::Linear) {
                const auto* linear = static_cast<const omLoadLinear*>(load);
                addPosition(linear->getStart());
                addPosition(linear->getEnd());
            }
        }
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    const unsigned m = unsigned(positions.size()) - 1;

    std::vector<omLineFE*>& list = fes();
    list.reserve(m);
    for (unsigned i = 0; i < m; ++i) {
        omLineFE* fe = createLineFE();
        if (!fe) {
            omErrorContainer::instance()->report(100);
            clearFE();
            setupFEPositions();
            return false;
        }
        fe->setCrossSection(getCrossSection());
        fe->setMaterial(getMaterial());
        list.push_back(fe);
    }
    list.front()->setNode1(ends[0]);
    list.back()->setNode2(ends[1]);

    // From the entered coordinates, as the linear member places its nodes.
    const omVector P1 = n1->getVector(omUK_cm, omNode::coorPlain);
    const omVector P2 = n2->getVector(omUK_cm, omNode::coorPlain);
    for (unsigned i = 1; i < m; ++i) {
        const double f = positions[i];
        omNode* node =
            new (std::nothrow) omNode2D(P1(1) + (P2(1) - P1(1)) * f, P1(2) + (P2(2) - P1(2)) * f, "cm", 0);
        if (!node) {
            omErrorContainer::instance()->report(100);
            clearFE();
            setupFEPositions();
            return false;
        }
        internalNodes().push_back(node);
        nodeMap.addExternalNode(node);
        list[i - 1]->setNode2(node);
        list[i]->setNode1(node);
    }
    setupFEPositions();
    return true;
}
