#include "model/omLoadCase.h"

#include <cmath>

omLoadCase::omLoadCase(const omDofStructureType* type) : m_maxF(type), m_maxU(type) {}

omLoadCase::omLoadCase(const std::string& name, LimitState state, const omDofStructureType* type)
    : m_name(name), m_maxF(type), m_maxU(type) {
    setLimitState(state);
}

omLoadCase& omLoadCase::operator=(const omLoadCase& other) {
    copy(other);
    return *this;
}

omLoadCase::~omLoadCase() = default;

int omLoadCase::copy(const omLoadCase& other) {
    if (&other == this) return size();
    omVector::copy(other);
    m_name = other.m_name;
    m_limitState = other.m_limitState;
    m_maxF = other.m_maxF;
    m_maxU = other.m_maxU;
    m_maxCP = other.m_maxCP;
    m_fiCreep = other.m_fiCreep;
    m_skewRx = other.m_skewRx;
    m_skewRz = other.m_skewRz;
    m_skewCx = other.m_skewCx;
    m_skewCz = other.m_skewCz;
    return size();
}

void omLoadCase::setLimitState(LimitState state) {
    m_limitState = state;
    if (state != lsCreep) m_fiCreep = 0.0;
    if (state == lsSkew) setAllTo(0.0);
}

bool omLoadCase::isUltimate() const {
    switch (m_limitState) {
    case lsUltimate:
    case lsUltimateAccidental:
    case lsUltimatePT:
    case lsUltimateSeismic:
        return true;
    default:
        return false;
    }
}

std::string omLoadCase::getLSAndName() const {
    static const char* const prefixes[] = {"[U]", "[S]", "[C]", "[<->]", "[UA]", "[UP]", "[US]"};
    std::string text;
    if (m_limitState >= lsUltimate && m_limitState <= lsUltimateSeismic) text = prefixes[m_limitState];
    return text + " " + m_name;
}

void omLoadCase::setSkew(double rx, double rz, const omUnitValue& cx, const omUnitValue& cz) {
    m_skewRx = rx;
    m_skewRz = rz;
    m_skewCx = cx;
    m_skewCz = cz;
}

void omLoadCase::getSkew(double& rx, double& rz, omUnitValue& cx, omUnitValue& cz) const {
    rx = m_skewRx;
    rz = m_skewRz;
    cx = m_skewCx;
    cz = m_skewCz;
}

void omLoadCase::resetMaximum() const {
    m_maxF.setAllTo(0.0);
    m_maxU.setAllTo(0.0);
    m_maxCP = 0.0;
}

void omLoadCase::checkMaximum(const omForceVector& F, const omDisplacementVector& U, double p) const {
    omKeepAbsMaximum(m_maxF, F);
    omKeepAbsMaximum(m_maxU, U);
    if (std::fabs(p) > m_maxCP) m_maxCP = std::fabs(p);
}
