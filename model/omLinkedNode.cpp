#include "model/omLinkedNode.h"

#include "model/omLogFile.h"

#include <algorithm>
#include <ostream>

omLinkedNode::omLinkedNode(const omNode* master, const omDofStructureType* type, unsigned id)
    : omNode(type, id), m_master(master), m_links(m_supports.size(), true) {}

omLinkedNode::omLinkedNode(const omLinkedNode& other)
    : omNode(other), m_master(other.m_master), m_links(other.m_links) {}

omLinkedNode::~omLinkedNode() = default;

void omLinkedNode::copy(const omLinkedNode& other) {
    if (&other == this) return;
    omNode::copy(other);
    m_master = other.m_master;
    m_links = other.m_links;
}

void omLinkedNode::copyLinks(const omLinkedNode& other) {
    m_links = other.m_links;
}

const omUnitValue* omLinkedNode::getCoor(omDofType t, CoorType c) const {
    return m_master ? m_master->getCoor(t, c) : nullptr;
}

int omLinkedNode::space() const {
    return m_master ? m_master->space() : 0;
}

omVector omLinkedNode::getVector(omUnitKey unit, CoorType c) const {
    return m_master ? m_master->getVector(unit, c) : omVector();
}

omNode* omLinkedNode::create() const {
    return m_master ? m_master->create() : nullptr;
}

bool omLinkedNode::useDof(omDofType t, bool on) {
    const int i = slot(t);
    if (!m_master || i < 0) return false;
    if (m_links[i]) {
        // The master is a node of the model, never a constant one: marking its
        // DOF is what this link is for.
        return const_cast<omNode*>(m_master)->useDof(t, on);
    }
    m_used[i] = on;
    return true;
}

unsigned omLinkedNode::equation(omDofType t) const {
    const int i = slot(t);
    if (i < 0) return 0;
    if (!m_links[i]) return m_equations[i];
    return m_master ? m_master->equation(t) : 0;
}

bool omLinkedNode::reaction(omDofType t) const {
    const int i = slot(t);
    if (i < 0) return false;
    if (!m_links[i]) return m_supports[i];
    return m_master ? m_master->reaction(t) : false;
}

bool omLinkedNode::setupEquationIndexes(unsigned& equation, unsigned& reaction) {
    for (int i = 0; i < dof(); ++i)
        if (!m_links[i] && m_used[i]) numberDof(i, equation, reaction);
    return true;
}

bool omLinkedNode::setupReactionIndexes(unsigned offset) {
    for (int i = 0; i < dof(); ++i)
        if (!m_links[i] && m_used[i] && m_supports[i] && m_equations[i] != 0) m_equations[i] += offset;
    return true;
}

bool omLinkedNode::releaseLink(omDofType t, bool release) {
    const int i = slot(t);
    if (i < 0) return false;
    m_links[i] = !release;
    return true;
}

void omLinkedNode::releaseAllLinks(bool release) {
    std::fill(m_links.begin(), m_links.end(), !release);
}

bool omLinkedNode::isReleased(omDofType t) const {
    const int i = slot(t);
    return i >= 0 && !m_links[i];
}

bool omLinkedNode::anyReleasedLink() const {
    return std::find(m_links.begin(), m_links.end(), false) != m_links.end();
}

void omLinkedNode::logFileReport() const {
    omLogFile* log = omLogFile::enabledFor(lfNodes);
    if (!log) return;
    log->setf(std::ios::fixed, std::ios::floatfield);
    log->setf(std::ios::right, std::ios::adjustfield);
    log->width(6);
    log->precision(0);
    *log << "\nid=" << getIndex()
         << ", linked to the master node #: " << (m_master ? m_master->getIndex() : 0u);
    logFileNodeType();
    if (!log->isEnabled(lfNodeDofs)) return;
    for (int i = 1; i <= dof(); ++i) {
        const omDofType t = dofType(i);
        *log << "\n\t"
             << "DOF: " << omDofStructureType::name(t) << ", equation: " << equation(t)
             << (reaction(t) ? ", supported" : ", free");
        if (m_links[i - 1])
            *log << ", linked to master";
        else if (!m_used[i - 1])
            *log << ", not used";
    }
}

omLinkedNode2D::omLinkedNode2D(const omNode* master, unsigned id)
    : omLinkedNode(master, omDofStrakonStructureType::instance(), id) {}

omLinkedNode2D::~omLinkedNode2D() = default;
