#include "model/omElementLoadGroup.h"

#include "model/omLoad.h"
#include "model/omLoadList.h"

#include <algorithm>

namespace {
// Results are taken just beside a concentrated load, so that a diagram shows
// the jump it causes.
constexpr double kBeside = 5e-6;
} // namespace

omElementLoadGroup::omElementLoadGroup(const omId* element) : m_element(element) {}

omElementLoadGroup::omElementLoadGroup(const omElementLoadGroup& other)
    : AStorageBase(other), m_loads(omLoadList::cloneAll(other.m_loads)) {}

omElementLoadGroup& omElementLoadGroup::operator=(const omElementLoadGroup& other) {
    copy(other);
    return *this;
}

void omElementLoadGroup::copy(const omElementLoadGroup& other) {
    if (&other == this) return;
    omLoadList::deleteAll(m_loads);
    for (const omLoad* load : other.m_loads)
        add(load->clone());
}

omElementLoadGroup::~omElementLoadGroup() {
    omLoadList::deleteAll(m_loads);
}

void omElementLoadGroup::add(omLoad* load) {
    if (load) m_loads.push_back(load);
}

void omElementLoadGroup::remove(const omLoad* load) {
    omLoadList::remove(m_loads, load);
}

void omElementLoadGroup::logFileReport() const {
    omLoadList::logFileReport(m_loads);
}

void omElementLoadGroup::insertLoadGroup(int k) {
    omLoadList::insertLoadGroup(m_loads, k);
}

void omElementLoadGroup::removeLoadGroup(int k, NumberedLoads* removed) {
    omLoadList::removeLoadGroup(m_loads, k, elementNumber(), removed);
}

void omElementLoadGroup::bindLoadGroups(const omLoadManager* manager) {
    omLoadList::bindLoadGroups(m_loads, manager);
}

int omElementLoadGroup::getLoads(int group, bool, bool concentrated, bool temperature, bool linear,
                                 NumberedLoads& out) const {
    int appended = 0;
    for (const omLoad* load : m_loads) {
        if (group != 0 && static_cast<int>(load->getLoadGroupIndex()) != group) continue;
        const omLoad::Type type = load->getType();
        if ((concentrated && type == omLoad::Concentrated) || (temperature && type == omLoad::Temperature) ||
            (linear && type == omLoad::Linear)) {
            out.emplace_back(elementNumber(), load);
            ++appended;
        }
    }
    return appended;
}

void omElementLoadGroup::addResultPoints(std::vector<double>& points) const {
    for (const omLoad* load : m_loads) {
        if (const auto* force = dynamic_cast<const omLoadForce*>(load)) {
            const double x = force->getX();
            if (x > kBeside) points.push_back(x - kBeside);
            if (x < 0.999995) points.push_back(x + kBeside);
        } else if (const auto* linear = dynamic_cast<const omLoadLinear*>(load)) {
            points.push_back(linear->getStart());
            points.push_back(linear->getEnd());
        }
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
}
