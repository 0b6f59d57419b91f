#include "app/design/omRCSteel.h"

#include "model/omLogFile.h"

IMPLEMENT_DYNCREATE(omRCSteel, omMaterial)

// G is the value the program has always given reinforcement, not E / 2.6.
omRCSteel::omRCSteel(unsigned id) : omMaterial(20000.0, 8076.9, 1.2e-5, 7850.0, 0.3, id) {}

omRCSteel::omRCSteel(const omRCSteel& other)
    : omMaterial(other), m_fyk(other.m_fyk), m_class(other.m_class) {}

omRCSteel& omRCSteel::operator=(const omRCSteel& other) {
    copy(other);
    return *this;
}

omRCSteel::~omRCSteel() = default;

void omRCSteel::copy(const omRCSteel& other) {
    omMaterial::copy(other);
    m_fyk = other.m_fyk;
    m_class = other.m_class;
}

void omRCSteel::logFileReport() {
    omLogFile* log = omLogFile::enabledFor(lfMaterials);
    if (!log) return;
    omMaterial::logFileReport();
    log->precision(1);
    *log << ", fyk: " << m_fyk.Get(omUK_kN_cm2) << " -> Reinforcement";
}

omRCSteel* omRCSteel::clone() const {
    return new omRCSteel(*this);
}

void omRCSteel::convert(omUnitKey stressKey, omUnitKey densityKey, omUnitKey expansionKey) {
    omMaterial::convert(stressKey, densityKey, expansionKey);
    m_fyk.ConvertTo(stressKey);
}
