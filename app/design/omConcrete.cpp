#include "app/design/omConcrete.h"

#include "model/omLogFile.h"

IMPLEMENT_DYNCREATE(omConcrete, omMaterial)

omConcrete::omConcrete(unsigned id) : omMaterial(0.0, 0.0, 1e-5, 2400.0, 0.2, id) {}

omConcrete::omConcrete(const omConcrete& other) : omMaterial(other), m_fck(other.m_fck), m_fct(other.m_fct) {}

omConcrete& omConcrete::operator=(const omConcrete& other) {
    copy(other);
    return *this;
}

omConcrete::~omConcrete() = default;

void omConcrete::copy(const omConcrete& other) {
    omMaterial::copy(other);
    m_fck = other.m_fck;
    m_fct = other.m_fct;
}

void omConcrete::logFileReport() {
    omLogFile* log = omLogFile::enabledFor(lfMaterials);
    if (!log) return;
    omMaterial::logFileReport();
    log->precision(1);
    *log << ", fck: " << m_fck.Get(omUK_kN_cm2) << " -> Concrete";
}

omConcrete* omConcrete::clone() const {
    return new omConcrete(*this);
}

omUnitValue omConcrete::E(double phi) const {
    omUnitValue e = omMaterial::E(phi);
    e.Set(e.GetValue() / (1.0 + phi), e.GetKey());
    return e;
}

void omConcrete::convert(omUnitKey stressKey, omUnitKey densityKey, omUnitKey expansionKey) {
    omMaterial::convert(stressKey, densityKey, expansionKey);
    m_fck.ConvertTo(stressKey);
    m_fct.ConvertTo(stressKey);
}
