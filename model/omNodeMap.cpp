#include "model/omNodeMap.h"

#include "common/omErrorContainer.h"
#include "model/omIndexCheck.h"
#include "model/omLinkedNode.h"
#include "model/omLoad.h"
#include "model/omLogFile.h"
#include "model/omNode2D.h"
#include "model/omNodeLoadGroup.h"

#include <ostream>
#include <unordered_map>

namespace {
omUnitValue zeroLength() {
    return omUnitValue(0.0, omUK_cm);
}

// The plane node whose offsets the map sets, or null for a linked node (it
// follows its master) and for a node of another kind.
omNode2D* offsetNode(omNode* node) {
    if (dynamic_cast<omLinkedNode*>(node)) return nullptr;
    return dynamic_cast<omNode2D*>(node);
}

// U(e) for a DOF's equation number; 0 without one.
double displacementOf(const omNode& node, omDofType t, const omVector& U) {
    const unsigned e = node.equation(t);
    if (e == 0 || !omCheckIndex("Equation", e, 1, U.size())) return 0.0;
    return U(static_cast<int>(e));
}
} // namespace

template <class F> void omNodeMap::forAllNodes(F f) const {
    for (const auto& [id, node] : table())
        f(node);
    for (omNode* node : m_external)
        f(node);
}

omNodeMap::omNodeMap(const omNodeMap& other)
    : omIndexMap<omNode>(), AStorageBase(other), m_external(other.m_external), m_anchors(other.m_anchors),
      m_equations(other.m_equations), m_reactions(other.m_reactions) {
    copy(other);
}

omNodeMap& omNodeMap::operator=(const omNodeMap& other) {
    if (&other == this) return *this;
    copy(other);
    m_external = other.m_external;
    m_anchors = other.m_anchors;
    m_equations = other.m_equations;
    m_reactions = other.m_reactions;
    return *this;
}

omNodeMap::~omNodeMap() {
    m_external.clear();
}

void omNodeMap::addExternalNode(omNode* node, const omNode* anchor) {
    if (!node) return;
    m_external.push_back(node);
    m_anchors.push_back(anchor);
}

omNode* omNodeMap::findCoor(const omVector& v) {
    for (const auto& [id, node] : table())
        if (node->getVector(omUK_cm, omNode::coorSkewCreep) == v) return node;
    return nullptr;
}

void omNodeMap::resetEquationIndexes() {
    forAllNodes([](omNode* node) { node->resetEquationIndexes(); });
}

std::vector<omNode*> omNodeMap::numberingOrder() const {
    std::unordered_map<const omNode*, std::vector<omNode*>> anchored;
    std::vector<omNode*> rest;
    for (size_t i = 0; i < m_external.size(); ++i) {
        const omNode* anchor = m_anchors[i];
        // An anchor that is no longer this map's node (deleted or replaced
        // since) anchors nothing.
        if (anchor && doFind(anchor->getIndex()) == anchor)
            anchored[anchor].push_back(m_external[i]);
        else
            rest.push_back(m_external[i]);
    }
    std::vector<omNode*> order;
    order.reserve(table().size() + m_external.size());
    for (const auto& [id, node] : table()) {
        order.push_back(node);
        if (auto it = anchored.find(node); it != anchored.end())
            order.insert(order.end(), it->second.begin(), it->second.end());
    }
    order.insert(order.end(), rest.begin(), rest.end());
    return order;
}

bool omNodeMap::setupEquationIndexes() {
    unsigned equation = 1, reaction = 1;
    bool ok = true;
    const std::vector<omNode*> order = numberingOrder();
    for (omNode* node : order)
        ok = node->setupEquationIndexes(equation, reaction) && ok;
    m_equations = equation - 1;
    m_reactions = reaction - 1;
    for (omNode* node : order)
        ok = node->setupReactionIndexes(m_equations) && ok;
    return ok;
}

bool omNodeMap::setupForceVector(const omStiffnessMatrix& K, omVector& F) {
    forAllNodes([&](omNode* node) { node->setupForceVector(K, F); });
    return true;
}

void omNodeMap::setPrescribedDisplacement(omVector& U, int n) {
    for (int i = std::max(n, 0) + 1; i <= U.size(); ++i)
        U(i) = 0.0;
    forAllNodes([&](omNode* node) { node->setPrescribedDisplacement(U, n); });
}

void omNodeMap::addLoad(unsigned id, omLoad* load) {
    if (!load) return;
    omNode* node = find(id);
    if (!node) {
        omErrorContainer::instance()->report(1016, id);
        delete load;
        return;
    }
    node->addLoad(load);
}

void omNodeMap::bindLoadGroups(const omLoadManager* manager) {
    for (const auto& [id, node] : table())
        node->bindLoadGroups(manager);
}

void omNodeMap::removeLoadGroup(int k, omNode::NumberedLoads* removed) {
    for (const auto& [id, node] : table())
        node->removeLoadGroup(k, removed);
}

void omNodeMap::insertLoadGroup(int k, omNode::NumberedLoads* loads) {
    for (const auto& [id, node] : table())
        node->insertLoadGroup(k);
    if (!loads) return;
    for (auto& [id, constLoad] : *loads) {
        // The list hands back loads that the map owned before removeLoadGroup.
        omLoad* load = const_cast<omLoad*>(constLoad);
        load->setLoadGroupIndex(static_cast<unsigned>(k));
        addLoad(id, load);
    }
}

int omNodeMap::getLoads(int group, bool forces, bool displacements, omNode::NumberedLoads& out) const {
    for (const auto& [id, node] : table())
        if (const omNodeLoadGroup* loads = node->getLoad())
            loads->getLoads(group, forces, displacements, out);
    return static_cast<int>(out.size());
}

void omNodeMap::setSkew(double rx, double rz, const omUnitValue& z0, const omUnitValue& x0) {
    forAllNodes([&](omNode* node) {
        omNode2D* plane = offsetNode(node);
        if (!plane) return;
        const omUnitValue& x = *plane->getCoor(Ux, omNode::coorPlain);
        const omUnitValue& z = *plane->getCoor(Uz, omNode::coorPlain);
        plane->setSkew(rx != 0.0 ? (z - z0) / rx : zeroLength(), rz != 0.0 ? (x - x0) / rz : zeroLength());
    });
}

void omNodeMap::resetSkew() {
    setSkew(0.0, 0.0, zeroLength(), zeroLength());
}

void omNodeMap::setCreep(const omVector& U) {
    forAllNodes([&](omNode* node) {
        if (omNode2D* plane = offsetNode(node))
            plane->setCreep(omUnitValue(displacementOf(*plane, Ux, U), omUK_cm),
                            omUnitValue(displacementOf(*plane, Uz, U), omUK_cm));
    });
}

void omNodeMap::resetCreep() {
    forAllNodes([](omNode* node) {
        if (omNode2D* plane = offsetNode(node)) plane->setCreep(zeroLength(), zeroLength());
    });
}

void omNodeMap::skewCreepDisplacementsToResults(bool skew, bool creep, unsigned lc) {
    for (const auto& [id, node] : table()) {
        double dx = 0.0, dz = 0.0;
        auto add = [&](omNode::CoorType c) {
            const omUnitValue* x = node->getCoor(Ux, c);
            const omUnitValue* z = node->getCoor(Uz, c);
            if (x) dx += x->Get(omUK_cm);
            if (z) dz += z->Get(omUK_cm);
        };
        if (skew) add(omNode::coorSkew);
        if (creep) add(omNode::coorCreep);
        if (node->setResult(lc, Ux, dx)) node->setResult(lc, Uz, dz);
    }
}

void omNodeMap::reserveResults(const omLoadManager* manager) {
    for (const auto& [id, node] : table())
        node->reserveResults(manager);
}

void omNodeMap::storeResults(unsigned lc, unsigned nEq, const omVector& U, const omVector& R) {
    for (const auto& [id, node] : table())
        node->storeResults(lc, nEq, U, R);
}

void omNodeMap::clearResults() {
    for (const auto& [id, node] : table())
        node->clearResults();
}

void omNodeMap::reserveEnvelope(const omLoadManager* manager) {
    for (const auto& [id, node] : table())
        node->reserveEnvelope(manager);
}

void omNodeMap::calcEnvelope(unsigned i, const omLoadManager* manager) {
    for (const auto& [id, node] : table())
        node->calcEnvelope(i, manager);
}

bool omNodeMap::areResultsValid(const omLoadManager* manager) const {
    for (const auto& [id, node] : table())
        if (!node->areResultsValid(manager)) return false;
    return true;
}

void omNodeMap::logFileReport() const {
    if (omLogFile* log = omLogFile::enabledFor(lfNodes)) {
        log->heading("Nodes in the omNodeMap object:");
        *log << "\n\nNumber of nodes: " << size() << "\n";
        forAllNodes([](omNode* node) { node->logFileReport(); });
        log->dashLine();
    }
    if (omLogFile* log = omLogFile::enabledFor(lfNodeLoads)) {
        log->heading("Load on nodes in the omNodeMap object:");
        *log << "\n";
        forAllNodes([](omNode* node) { node->logFileLoadReport(); });
        log->dashLine();
    }
}

void omNodeMap::logFileNodeResults(const omVector& U, const omVector& R) const {
    omLogFile* log = omLogFile::enabledFor(lfNodeResults);
    if (!log) return;
    log->heading("displacements and reactions of nodes:");
    *log << "\n";
    forAllNodes([&](omNode* node) { node->logFileNodeResults(U, R, static_cast<int>(m_equations)); });
    log->dashLine();
}
