#include "model/omMaterial.h"

#include "model/omLogFile.h"

IMPLEMENT_DYNAMIC(omMaterial, CObject)
IMPLEMENT_DYNAMIC(omSteel, omMaterial)

// --- omMaterial --------------------------------------------------------------

omMaterial::omMaterial(unsigned id) : omId(id) {}

omMaterial::omMaterial(double E, double G, double alfaT, double ro, double poisson, unsigned id)
    : omId(id), m_E(E, omUK_kN_cm2), m_G(G == 0.0 ? 0.4 * E : G, omUK_kN_cm2), m_alfaT(alfaT, omUK_per_degC),
      m_ro(ro, omUK_kg_m3), m_poisson(poisson) {}

omMaterial::omMaterial(const omMaterial& other)
    : omId(other), omUndoObject(other), AStorageBase(other), m_E(other.m_E), m_G(other.m_G),
      m_alfaT(other.m_alfaT), m_ro(other.m_ro), m_name(other.m_name), m_color(other.m_color),
      m_poisson(other.m_poisson) {}

omMaterial& omMaterial::operator=(const omMaterial& other) {
    copy(other);
    return *this;
}

omMaterial::~omMaterial() = default;

void omMaterial::copy(const omMaterial& other) {
    if (&other == this) return;
    setIndex(other.getIndex());
    m_E = other.m_E;
    m_G = other.m_G;
    m_alfaT = other.m_alfaT;
    m_ro = other.m_ro;
    m_name = other.m_name;
    m_color = other.m_color;
    m_poisson = other.m_poisson;
}

void omMaterial::logFileReport() {
    omLogFile* log = omLogFile::enabledFor(lfMaterials);
    if (!log) return;
    std::ostream& out = *log;
    out.setf(std::ios::fixed, std::ios::floatfield);
    out.setf(std::ios::right, std::ios::adjustfield);
    out.precision(0);
    out.width(6);
    out << "\nid=" << getIndex() << ", E: " << E(0.0).Get(omUK_kN_cm2) << "kN/cm2"
        << ", G: " << m_G.Get(omUK_kN_cm2) << "kN/cm2";
}

omMaterial* omMaterial::clone() const {
    return new omMaterial(*this);
}

omUnitValue omMaterial::E(double) const {
    return m_E;
}

void omMaterial::convert(omUnitKey stressKey, omUnitKey densityKey, omUnitKey expansionKey) {
    m_E.ConvertTo(stressKey);
    m_G.ConvertTo(stressKey);
    m_ro.ConvertTo(densityKey);
    m_alfaT.ConvertTo(expansionKey);
}

std::string omMaterial::getIdName(bool withId, bool withName) const {
    // Names are shown in fixed-size list entries.
    return idName(m_name, withId, withName, 199);
}

// --- omSteel -----------------------------------------------------------------

const double omSteel::standardThickness[standardThicknessCount] = {
    3.0,  3.5,  4.0,  4.5,  5.0,  5.5,  6.0,  6.5,  7.0,  7.5,  8.0,  8.5,  9.0,  9.5,  10.0, 10.5,
    11.0, 11.5, 12.0, 12.5, 13.0, 13.5, 14.0, 14.5, 15.0, 15.5, 16.0, 16.5, 17.0, 17.5, 18.0, 19.0,
    20.0, 21.0, 22.0, 23.0, 24.0, 25.0, 30.0, 40.0, 45.0, 50.0, 55.0, 60.0, 65.0, 70.0};

omSteel::omSteel(unsigned id) : omMaterial(21000.0, 8076.9, 1.2e-5, 7850.0, 0.3, id) {}

omSteel::omSteel(const omUnitValue& fy, unsigned id) : omSteel(id) {
    setFy(fy);
}

omSteel::omSteel(const omSteel& other) : omMaterial(other), m_fy(other.m_fy), m_fu(other.m_fu) {}

omSteel& omSteel::operator=(const omSteel& other) {
    copy(other);
    return *this;
}

omSteel::~omSteel() = default;

void omSteel::copy(const omSteel& other) {
    omMaterial::copy(other);
    m_fy = other.m_fy;
    m_fu = other.m_fu;
}

void omSteel::logFileReport() {
    omLogFile* log = omLogFile::enabledFor(lfMaterials);
    if (!log) return;
    omMaterial::logFileReport();
    log->precision(1);
    *log << ", fy: " << m_fy.Get(omUK_kN_cm2) << " -> Steel";
}

omSteel* omSteel::clone() const {
    return new omSteel(*this);
}

void omSteel::convert(omUnitKey stressKey, omUnitKey densityKey, omUnitKey expansionKey) {
    omMaterial::convert(stressKey, densityKey, expansionKey);
    m_fy.ConvertTo(stressKey);
    m_fu.ConvertTo(stressKey);
}

void omSteel::getStandardThickness(std::vector<double>& out) {
    out.clear();
    out.reserve(standardThicknessCount);
    // Divided rather than multiplied by 0.1 so that each value is the double
    // nearest its decimal (3.5 * 0.1 would give 0.35000000000000003).
    for (double mm : standardThickness)
        out.push_back(mm / 10.0);
}
