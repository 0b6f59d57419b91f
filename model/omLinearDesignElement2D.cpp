#include "model/omLinearDesignElement2D.h"

#include "common/omErrorContainer.h"
#include "model/omDofStructureType.h"
#include "model/omLinkedNode.h"
#include "model/omLogFile.h"
#include "model/omNode2D.h"
#include "model/omNodeMap.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace {
// A member on a ground is divided at least this finely, so that the ground's
// stiffness follows the deflection closely enough.
constexpr unsigned kGroundFEs = 5;
} // namespace

omLinearDesignElement2D::omLinearDesignElement2D(omNodeMap& nodeMap, unsigned node1, unsigned node2,
                                                 unsigned crossSection, unsigned material, unsigned number)
    : omDesignElement(nodeMap, node1, node2, crossSection, material, number) {
    setNumberOfFE(1);
    setDofStructureType(omDofStrakonStructureType::instance());
    setLinkedNodes(createLinkedNode(), createLinkedNode());
}

omLinearDesignElement2D::omLinearDesignElement2D(omNodeMap& nodeMap, const omNode* node1, const omNode* node2,
                                                 unsigned crossSection, unsigned material, unsigned number)
    : omDesignElement(nodeMap, node1, node2, crossSection, material, number) {
    setNumberOfFE(1);
    setDofStructureType(omDofStrakonStructureType::instance());
    setLinkedNodes(createLinkedNode(), createLinkedNode());
}

omLinearDesignElement2D::omLinearDesignElement2D(const omLinearDesignElement2D& other)
    : omDesignElement(other), m_elGroundCoef(other.m_elGroundCoef), m_elGroundType(other.m_elGroundType) {}

omLinearDesignElement2D::~omLinearDesignElement2D() = default;

void omLinearDesignElement2D::copy(const omDesignElement& other) {
    omDesignElement::copy(other);
    if (const auto* member = dynamic_cast<const omLinearDesignElement2D*>(&other)) {
        m_elGroundCoef = member->m_elGroundCoef;
        m_elGroundType = member->m_elGroundType;
    }
}

omLinkedNode* omLinearDesignElement2D::createLinkedNode() {
    return new (std::nothrow) omLinkedNode2D(nullptr, 0);
}

omDesignElement* omLinearDesignElement2D::create() const {
    return createAs<omLinearDesignElement2D>();
}

omLineFE* omLinearDesignElement2D::createLineFE() {
    return new (std::nothrow) omLinearLineFE2D();
}

bool omLinearDesignElement2D::isElasticGround() const {
    return m_elGroundCoef.GetValue() != 0.0 && m_elGroundType != ElGroundType(0);
}

double omLinearDesignElement2D::contactPressure(double w) const {
    if (!isElasticGround()) return 0.0;
    const double k = m_elGroundCoef.Get(omUK_kN_cm3);
    switch (static_cast<int>(m_elGroundType)) {
    case 1:
        return k * w;
    case 2:
        return w > 0.0 ? k * w : 0.0;
    case 3:
        return w < 0.0 ? k * w : 0.0;
    default:
        return 0.0;
    }
}

omLine omLinearDesignElement2D::getLine(omUnitKey unit, omNode::CoorType c) const {
    const omNode* n1 = getNode1();
    const omNode* n2 = getNode2();
    if (!n1 || !n2) return omLine();
    const omVector p1 = n1->getVector(unit, c);
    const omVector p2 = n2->getVector(unit, c);
    return omLine(p1(1), p1(2), p2(1), p2(2));
}

double omLinearDesignElement2D::angle() const {
    const omNode* n1 = getNode1();
    const omNode* n2 = getNode2();
    if (!n1 || !n2) return 0.0;
    const omVector p1 = n1->getVector(omUK_cm, omNode::coorSkewCreep);
    const omVector p2 = n2->getVector(omUK_cm, omNode::coorSkewCreep);
    return std::atan2(p2(2) - p1(2), p2(1) - p1(1));
}

bool omLinearDesignElement2D::setupFEs() {
    unsigned m = std::max({getNumberOfFE(), minimumNumberOfFE(), 1u});
    if (isElasticGround()) m = std::max(m, kGroundFEs);
    std::vector<double> positions(m + 1);
    for (unsigned i = 0; i <= m; ++i)
        positions[i] = double(i) / m;
    return divide(positions, true);
}

bool omLinearDesignElement2D::divide(const std::vector<double>& positions, bool withGround) {
    deleteInternalNodes();
    clearFE();
    const omNode* n1 = getNode1();
    const omNode* n2 = getNode2();
    if (!n1 || !n2 || positions.size() < 2) return false;

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

    const unsigned m = unsigned(positions.size()) - 1;
    std::vector<omLineFE*>& list = fes();
    list.reserve(m);
    const double k = m_elGroundCoef.Get(omUK_kN_cm3);
    for (unsigned i = 0; i < m; ++i) {
        omLineFE* fe = createLineFE();
        if (!fe) {
            omErrorContainer::instance()->report(100);
            clearFE();
            setupFEPositions();
            return false;
        }
        if (withGround)
            if (auto* beam = dynamic_cast<omLinearLineFE2D*>(fe)) beam->setElasticGround(k, m_elGroundType);
        fe->setCrossSection(getCrossSection());
        fe->setMaterial(getMaterial());
        list.push_back(fe);
    }
    list.front()->setNode1(ends[0]);
    list.back()->setNode2(ends[1]);

    // From the entered coordinates: offsets still on the end nodes (creep of
    // an earlier solution) reach these nodes through the usual path, and
    // must not bend the member's chord for good.
    const omVector P1 = n1->getVector(omUK_cm, omNode::coorPlain);
    const omVector P2 = n2->getVector(omUK_cm, omNode::coorPlain);
    // The interior nodes are numbered right after the end node numbered last.
    const omNode* anchor = n1->getIndex() > n2->getIndex() ? n1 : n2;
    for (unsigned i = 1; i < m; ++i) {
        const double f = positions[i];
        omNode* node =
            new (std::nothrow) omNode2D(P1(1) + (P2(1) - P1(1)) * f, P1(2) + (P2(2) - P1(2)) * f, "cm", 0);
        if (!node) {
            // The nodes made so far stay with the member (the node map lists
            // them) until its next division.
            omErrorContainer::instance()->report(100);
            clearFE();
            setupFEPositions();
            return false;
        }
        internalNodes().push_back(node);
        nodeMap.addExternalNode(node, anchor);
        list[i - 1]->setNode2(node);
        list[i]->setNode1(node);
    }
    setupFEPositions();
    return true;
}

void omLinearDesignElement2D::logFileReport() {
    omDesignElement::logFileReport();
    if (omLogFile* log = omLogFile::enabledFor(lfElements)) *log << ", LinearDesignElement2D";
}
