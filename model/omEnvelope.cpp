#include "model/omEnvelope.h"

#include "model/omLoadCase.h"

#include <algorithm>
#include <cmath>

omEnvelope::omEnvelope()
    : m_maxF(omDofStrakonStructureType::instance()), m_maxU(omDofStrakonStructureType::instance()) {}

omEnvelope::~omEnvelope() = default;

const char* omEnvelope::getQuantityString() const {
    static const char* const texts[] = {"My", "Fx", "Fz", "Fi", "Ux", "Uz", "C.P."};
    return m_quantity >= qMy && m_quantity <= qCP ? texts[m_quantity] : "";
}

void omEnvelope::setFilter(bool serviceability, bool ultimate, bool creep) {
    m_serviceability = serviceability;
    m_ultimate = ultimate;
    m_creep = creep;
}

void omEnvelope::getFilter(bool& serviceability, bool& ultimate, bool& creep) const {
    serviceability = m_serviceability;
    ultimate = m_ultimate;
    creep = m_creep;
}

bool omEnvelope::qualifies(const omLoadCase& lc) const {
    return (lc.isServiceability() && m_serviceability) || (lc.isUltimate() && m_ultimate) ||
           (lc.limitState() == omLoadCase::lsCreep && m_creep);
}

void omEnvelope::update(unsigned k, const omLoadCase* lc) {
    auto it = std::find(m_cases.begin(), m_cases.end(), k);
    if (!lc) {
        if (it != m_cases.end()) m_cases.erase(it);
        for (unsigned& c : m_cases)
            if (c > k) --c;
        return;
    }
    const bool present = it != m_cases.end();
    if (qualifies(*lc)) {
        if (!present && m_useAllCases) m_cases.push_back(k);
    } else if (present) {
        m_cases.erase(it);
    }
}

void omEnvelope::exclude(unsigned k) {
    m_cases.erase(std::remove(m_cases.begin(), m_cases.end(), k), m_cases.end());
}

void omEnvelope::add(unsigned k, const omLoadCase* lc) {
    // A case already listed is not listed twice: it would be counted twice.
    if (std::find(m_cases.begin(), m_cases.end(), k) == m_cases.end()) m_cases.push_back(k);
    update(k, lc);
}

void omEnvelope::resetMaximum() const {
    m_maxF.setAllTo(0.0);
    m_maxU.setAllTo(0.0);
    m_maxCP = 0.0;
}

void omEnvelope::checkMaximum(const omForceVector& F, const omDisplacementVector& U, double p) const {
    omKeepAbsMaximum(m_maxF, F);
    omKeepAbsMaximum(m_maxU, U);
    if (std::fabs(p) > m_maxCP) m_maxCP = std::fabs(p);
}
