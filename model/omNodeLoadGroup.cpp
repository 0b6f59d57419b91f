#include "model/omNodeLoadGroup.h"

#include "common/omErrorContainer.h"
#include "model/omIndexCheck.h"
#include "model/omLoad.h"
#include "model/omLoadGroup.h"
#include "model/omLoadList.h"
#include "model/omNode.h"

#include <algorithm>

omNodeLoadGroup::omNodeLoadGroup(const omNode* node) : m_node(node) {}

omNodeLoadGroup::omNodeLoadGroup(const omNodeLoadGroup& other)
    : AStorageBase(other), m_loads(omLoadList::cloneAll(other.m_loads)) {}

omNodeLoadGroup& omNodeLoadGroup::operator=(const omNodeLoadGroup& other) {
    copy(other);
    return *this;
}

void omNodeLoadGroup::copy(const omNodeLoadGroup& other) {
    if (&other == this) return;
    omLoadList::deleteAll(m_loads);
    for (const omLoad* load : other.m_loads)
        add(load->clone());
}

omNodeLoadGroup::~omNodeLoadGroup() {
    omLoadList::deleteAll(m_loads);
}

void omNodeLoadGroup::add(omLoad* load) {
    if (load) m_loads.push_back(load);
}

void omNodeLoadGroup::remove(const omLoad* load) {
    omLoadList::remove(m_loads, load);
}

void omNodeLoadGroup::removeLoadGroup(int k, NumberedLoads* removed) {
    omLoadList::removeLoadGroup(m_loads, k, nodeNumber(), removed);
}

void omNodeLoadGroup::logFileReport() const {
    omLoadList::logFileReport(m_loads);
}

void omNodeLoadGroup::insertLoadGroup(int k) {
    omLoadList::insertLoadGroup(m_loads, k);
}

void omNodeLoadGroup::bindLoadGroups(const omLoadManager* manager) {
    omLoadList::bindLoadGroups(m_loads, manager);
}

unsigned omNodeLoadGroup::nodeNumber() const {
    return m_node ? m_node->getIndex() : 0;
}

double omNodeLoadGroup::actingFactor(const omLoad& load) {
    const omLoadGroup* group = load.getLoadGroup();
    if (!group || !group->isActive()) return 0.0;
    return group->factor();
}

bool omNodeLoadGroup::setupForceVector(const omStiffnessMatrix&, omVector& F) const {
    if (!m_node) return true;
    for (const omLoad* load : m_loads) {
        const auto* force = dynamic_cast<const omLoadForce*>(load);
        if (!force || load->getType() != omLoad::Concentrated) continue;
        const double factor = actingFactor(*load);
        if (factor == 0.0) continue;
        const omForceVector f = force->getForce(0.0);
        for (int k = 1; k <= f.size(); ++k) {
            const double value = f(k);
            if (value == 0.0) continue;
            const omDofType t = f.type()->dofTypeArray()[k - 1];
            const unsigned e = m_node->equation(t);
            if (e == 0) {
                omErrorContainer::instance()->report(1004, omDofStructureType::name(t), value, nodeNumber());
                continue;
            }
            if (omCheckIndex("Equation", e, 1, F.size())) F(static_cast<int>(e)) += factor * value;
        }
    }
    return true;
}

void omNodeLoadGroup::setPrescribedDisplacement(omVector& U, int) const {
    if (!m_node) return;
    for (const omLoad* load : m_loads) {
        const auto* displacement = dynamic_cast<const omLoadDisplacement*>(load);
        if (!displacement || load->getType() != omLoad::Displacement) continue;
        const double factor = actingFactor(*load);
        if (factor == 0.0) continue;
        const omDisplacementVector u = displacement->getDisplacement();
        for (int k = 1; k <= u.size(); ++k) {
            const double value = u(k);
            if (value == 0.0) continue;
            const omDofType t = u.type()->dofTypeArray()[k - 1];
            const unsigned e = m_node->equation(t);
            if (e == 0) {
                omErrorContainer::instance()->report(1005, omDofStructureType::name(t), value, nodeNumber());
            } else if (!m_node->reaction(t)) {
                omErrorContainer::instance()->report(1006, omDofStructureType::name(t), value, nodeNumber());
            } else if (omCheckIndex("Equation", e, 1, U.size())) {
                U(static_cast<int>(e)) += factor * value;
            }
        }
    }
}

bool omNodeLoadGroup::isForce(omDofType t) const {
    if (!m_node || m_node->dofIndex(t) == 0) return false;
    return std::any_of(m_loads.begin(), m_loads.end(), [t](const omLoad* load) {
        const auto* force = dynamic_cast<const omLoadForce*>(load);
        return force && load->getType() == omLoad::Concentrated && force->isForce(t);
    });
}

bool omNodeLoadGroup::isDisplacement(omDofType t) const {
    if (!m_node || m_node->dofIndex(t) == 0) return false;
    return std::any_of(m_loads.begin(), m_loads.end(), [t](const omLoad* load) {
        const auto* displacement = dynamic_cast<const omLoadDisplacement*>(load);
        return displacement && load->getType() == omLoad::Displacement && displacement->isDisplacement(t);
    });
}

int omNodeLoadGroup::getLoads(int group, bool forces, bool displacements, NumberedLoads& out) const {
    int appended = 0;
    for (const omLoad* load : m_loads) {
        if (static_cast<int>(load->getLoadGroupIndex()) != group) continue;
        const omLoad::Type type = load->getType();
        if ((forces && type == omLoad::Concentrated) || (displacements && type == omLoad::Displacement)) {
            out.emplace_back(nodeNumber(), load);
            ++appended;
        }
    }
    return appended;
}
