#include "model/omLoad.h"

#include "common/omErrorContainer.h"
#include "model/omIndexCheck.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "model/omLogFile.h"

#include <cmath>
#include <functional>
#include <ostream>
#include <typeinfo>

namespace {
const char* scopeText(omLoad::Scope scope) {
    switch (scope) {
    case omLoad::WorldCS:
        return "World CS";
    case omLoad::LocalCS:
        return "Local CS";
    default:
        return "Local non-conservative";
    }
}

const char* typeText(omLoad::Type type) {
    switch (type) {
    case omLoad::Concentrated:
        return "Concentrated";
    case omLoad::Uniform:
        return "Uniform";
    case omLoad::Linear:
        return "Linear";
    case omLoad::Temperature:
        return "Temperature";
    case omLoad::Displacement:
        return "Displacement";
    default:
        return "Non-documented";
    }
}

// Turns the x and z intensities of a linear load into the axes of a member at
// angle: per projected length (projected) and given in world axes (world).
void turnIntensity(double angle, bool projected, bool world, double& fx, double& fz) {
    const double s = std::sin(angle), c = std::cos(angle);
    if (projected) {
        fx *= std::fabs(s);
        fz *= std::fabs(c);
    }
    if (world) {
        const double px = fx;
        fx = s * fz + c * px;
        fz = c * fz - s * px;
    }
}

bool isTranslation(omDofType t) {
    return t >= Ux && t <= Uz;
}

void setKeys(omUnitValue* values, omUnitKey translation, omUnitKey rotation) {
    for (int t = Ux; t <= Rz; ++t)
        values[t].Set(0.0, t <= Uz ? translation : rotation);
}

// The number of DOFs of a layout; 0 for a load not yet given one.
int dofCount(const omDofStructureType* type) {
    return type ? type->dofSize() : 0;
}
} // namespace

// --- omLoad

omLoad::omLoad(const omDofStructureType* type, unsigned groupIndex)
    : m_type(type), m_groupIndex(groupIndex) {}

omLoad::omLoad(const std::string& name, const omDofStructureType* type, unsigned groupIndex)
    : m_type(type), m_name(name), m_groupIndex(groupIndex) {}

omLoad::~omLoad() = default;

void omLoad::setLoadGroupIndex(unsigned index) {
    m_groupIndex = index;
    m_group = nullptr;
}

void omLoad::bindLoadGroup(const omLoadManager* manager) {
    m_group = manager ? manager->getGroup(static_cast<int>(m_groupIndex)) : nullptr;
}

bool omLoad::operator<(const omLoad& other) const {
    return std::less<const omLoad*>()(&other, this);
}

omUnitValue& omLoad::component(omUnitValue* values, omDofType t) {
    if (t >= Ux && t <= Rz) return values[t];
    omErrorContainer::instance()->report(1002, omDofStructureType::name(t));
    return omScratch<omUnitValue>();
}

const omUnitValue& omLoad::component(const omUnitValue* values, omDofType t) {
    return component(const_cast<omUnitValue*>(values), t);
}

void omLoad::logFileReport() const {
    if (omLogFile* log = omLogFile::enabledFor(lfLoads)) writeLogHeader(*log);
}

void omLoad::writeLogHeader(omLogFile& log) const {
    log.setf(std::ios::fixed, std::ios::floatfield);
    log.setf(std::ios::right, std::ios::adjustfield);
    log.precision(0);
    log.width(6);
    log << "\nLoad name: " << m_name << ", Load group: " << (m_group ? m_group->name() : std::string())
        << ", Scope: " << scopeText(m_scope) << ", Type: " << typeText(getType());
}

// --- omLoadForce

omLoadForce::omLoadForce(const omDofStructureType* type, unsigned groupIndex) : omLoad(type, groupIndex) {
    setKeys(m_F, omUK_kN, omUK_kNm);
}

omLoadForce::omLoadForce(const std::string& name, const omDofStructureType* type, unsigned groupIndex)
    : omLoad(name, type, groupIndex) {
    setKeys(m_F, omUK_kN, omUK_kNm);
}

omLoadForce::~omLoadForce() = default;

omForceVector omLoadForce::getForce(double angle) const {
    const omDofStructureType* type = getDofStructureType();
    omForceVector f(type);
    for (int k = 1; k <= dofCount(type); ++k) {
        omDofType t = (*type)(k);
        f(k) = component(m_F, t).Get(isTranslation(t) ? omUK_kN : omUK_kNcm);
    }
    if (angle != 0.0 && getScope() == WorldCS && f.exist(Ux) && f.exist(Uz)) {
        const double c = std::cos(angle), s = std::sin(angle);
        const double fx = f.Fx(), fz = f.Fz();
        f.Fx() = c * fx + s * fz;
        f.Fz() = c * fz - s * fx;
    }
    return f;
}

void omLoadForce::setForce(const omForceVector& force) {
    const omDofStructureType* type = getDofStructureType();
    for (int k = 1; k <= dofCount(type); ++k) {
        omDofType t = (*type)(k);
        component(m_F, t).Set(force.getDof(t), isTranslation(t) ? omUK_kN : omUK_kNcm);
    }
}

bool omLoadForce::isForce(omDofType t) const {
    const omDofStructureType* type = getDofStructureType();
    return type && type->exist(t) && t <= Rz && m_F[t].GetValue() != 0.0;
}

void omLoadForce::convert(omUnitKey forceKey, omUnitKey momentKey) {
    for (int t = Ux; t <= Rz; ++t)
        m_F[t].ConvertTo(t <= Uz ? forceKey : momentKey);
}

void omLoadForce::logFileReport() const {
    omLogFile* log = omLogFile::enabledFor(lfLoads);
    if (!log) return;
    writeLogHeader(*log);
    *log << "\n\tApplication point: " << m_x << ", Force vector: " << getForce(0.0);
}

// --- omLoadDisplacement

omLoadDisplacement::omLoadDisplacement(const omDofStructureType* type, unsigned groupIndex)
    : omLoad(type, groupIndex) {
    setKeys(m_U, omUK_cm, omUK_rad);
}

omLoadDisplacement::omLoadDisplacement(const std::string& name, const omDofStructureType* type,
                                       unsigned groupIndex)
    : omLoad(name, type, groupIndex) {
    setKeys(m_U, omUK_cm, omUK_rad);
}

omLoadDisplacement::~omLoadDisplacement() = default;

omDisplacementVector omLoadDisplacement::getDisplacement() const {
    const omDofStructureType* type = getDofStructureType();
    omDisplacementVector u(type);
    for (int k = 1; k <= dofCount(type); ++k) {
        omDofType t = (*type)(k);
        u(k) = component(m_U, t).Get(isTranslation(t) ? omUK_cm : omUK_rad);
    }
    return u;
}

void omLoadDisplacement::setDisplacement(const omDisplacementVector& u) {
    const omDofStructureType* type = getDofStructureType();
    for (int k = 1; k <= dofCount(type); ++k) {
        omDofType t = (*type)(k);
        component(m_U, t).Set(u.getDof(t), isTranslation(t) ? omUK_cm : omUK_rad);
    }
}

bool omLoadDisplacement::isDisplacement(omDofType t) const {
    const omDofStructureType* type = getDofStructureType();
    return type && type->exist(t) && t <= Rz && m_U[t].GetValue() != 0.0;
}

void omLoadDisplacement::convert(omUnitKey lengthKey, omUnitKey angleKey) {
    for (int t = Ux; t <= Rz; ++t)
        m_U[t].ConvertTo(t <= Uz ? lengthKey : angleKey);
}

// --- omLoadLinear

omLoadLinear::omLoadLinear(const omDofStructureType* type, unsigned groupIndex) : omLoad(type, groupIndex) {
    setKeys(m_Fs, omUK_kN_m, omUK_kNm_m);
    setKeys(m_Fe, omUK_kN_m, omUK_kNm_m);
    setScope(LocalCS);
}

omLoadLinear::omLoadLinear(const std::string& name, const omDofStructureType* type, unsigned groupIndex)
    : omLoad(name, type, groupIndex) {
    setKeys(m_Fs, omUK_kN_m, omUK_kNm_m);
    setKeys(m_Fe, omUK_kN_m, omUK_kNm_m);
    setScope(LocalCS);
}

omLoadLinear::~omLoadLinear() = default;

omForceVector omLoadLinear::getForce(double angle, double x) const {
    const omDofStructureType* type = getDofStructureType();
    omForceVector f(type);
    // A load of no length has no slope: it reads its start intensities rather
    // than dividing by zero.
    const double length = m_end - m_start;
    const double t = length != 0.0 ? (x - m_start) / length : 0.0;
    for (int k = 1; k <= dofCount(type); ++k) {
        omDofType dof = (*type)(k);
        const omUnitKey key = isTranslation(dof) ? omUK_kN_cm : omUK_kNcm_cm;
        f(k) = (1.0 - t) * component(m_Fs, dof).Get(key) + t * component(m_Fe, dof).Get(key);
    }
    if (angle == 0.0 || (m_position != WorldCS && getScope() != WorldCS)) return f;
    if (!f.exist(Ux) || !f.exist(Uz)) return f;
    double fx = f.Fx(), fz = f.Fz();
    turnIntensity(angle, m_position == WorldCS, getScope() == WorldCS, fx, fz);
    f.Fx() = fx;
    f.Fz() = fz;
    return f;
}

double omLoadLinear::p(double x, double angle, omDofType dof) const {
    if (x < m_start || x > m_end) return 0.0;
    const omDofStructureType* type = getDofStructureType();
    // Only the x and z intensities are turned, and only into each other: any
    // other component, and one the layout lacks, is read as getForce reads it.
    if (!type || !type->exist(dof) || !type->exist(Ux) || !type->exist(Uz))
        return getForce(angle, x).getDof(dof);
    const double length = m_end - m_start;
    const double t = length != 0.0 ? (x - m_start) / length : 0.0;
    auto intensity = [&](omDofType d) {
        const omUnitKey key = isTranslation(d) ? omUK_kN_cm : omUK_kNcm_cm;
        return (1.0 - t) * component(m_Fs, d).Get(key) + t * component(m_Fe, d).Get(key);
    };
    if (dof != Ux && dof != Uz) return intensity(dof);
    if (angle == 0.0 || (m_position != WorldCS && getScope() != WorldCS)) return intensity(dof);
    double fx = intensity(Ux), fz = intensity(Uz);
    turnIntensity(angle, m_position == WorldCS, getScope() == WorldCS, fx, fz);
    return dof == Ux ? fx : fz;
}

omLinearLoadIntensity::omLinearLoadIntensity(const omLoadLinear& load, double angle)
    : m_load(&load), m_angle(angle) {
    const omDofStructureType* type = load.getDofStructureType();
    m_read =
        typeid(load) == typeid(omLoadLinear) && type && type->exist(Ux) && type->exist(Uz) && type->exist(Ry);
    if (!m_read) return;
    m_start = load.m_start;
    m_end = load.m_end;
    const omDofType dofs[3] = {Ux, Uz, Ry};
    for (int k = 0; k < 3; ++k) {
        const omUnitKey key = isTranslation(dofs[k]) ? omUK_kN_cm : omUK_kNcm_cm;
        m_fs[k] = omLoadLinear::component(load.m_Fs, dofs[k]).Get(key);
        m_fe[k] = omLoadLinear::component(load.m_Fe, dofs[k]).Get(key);
    }
    m_projected = load.m_position == omLoad::WorldCS;
    m_world = load.getScope() == omLoad::WorldCS;
    m_turn = !(angle == 0.0 || (!m_projected && !m_world));
}

double omLinearLoadIntensity::p(double x, omDofType dof) const {
    const int k = dof == Ux ? 0 : dof == Uz ? 1 : dof == Ry ? 2 : -1;
    if (!m_read || k < 0) return m_load->p(x, m_angle, dof);
    if (x < m_start || x > m_end) return 0.0;
    // The arithmetic of omLoadLinear::p, step by step.
    const double length = m_end - m_start;
    const double t = length != 0.0 ? (x - m_start) / length : 0.0;
    auto intensity = [&](int i) { return (1.0 - t) * m_fs[i] + t * m_fe[i]; };
    if (k == 2 || !m_turn) return intensity(k);
    double fx = intensity(0), fz = intensity(1);
    turnIntensity(m_angle, m_projected, m_world, fx, fz);
    return k == 0 ? fx : fz;
}

void omLoadLinear::setForce(const omForceVector& start, const omForceVector& end) {
    const omDofStructureType* type = getDofStructureType();
    for (int k = 1; k <= dofCount(type); ++k) {
        omDofType t = (*type)(k);
        const omUnitKey key = isTranslation(t) ? omUK_kN_cm : omUK_kNcm_cm;
        component(m_Fs, t).Set(start.getDof(t), key);
        component(m_Fe, t).Set(end.getDof(t), key);
    }
}

void omLoadLinear::convert(omUnitKey forceKey, omUnitKey momentKey) {
    for (int t = Ux; t <= Rz; ++t) {
        m_Fs[t].ConvertTo(t <= Uz ? forceKey : momentKey);
        m_Fe[t].ConvertTo(t <= Uz ? forceKey : momentKey);
    }
}

void omLoadLinear::logFileReport() const {
    omLogFile* log = omLogFile::enabledFor(lfLoads);
    if (!log) return;
    writeLogHeader(*log);
    if (m_start == 0.0 && m_end == 1.0)
        *log << "\n\tLies on whole element";
    else
        *log << "\n\tStart point: " << m_start << ", End point: " << m_end;
    *log << ", Force start: " << getForce(0.0, 0.0) << ", Force end: " << getForce(0.0, 1.0);
}

// --- omLoadTemperature

omLoadTemperature::omLoadTemperature(const omDofStructureType* type, unsigned groupIndex)
    : omLoad(type, groupIndex) {
    for (auto& face : m_T)
        for (auto& value : face)
            value.Set(0.0, omUK_degC);
}

omLoadTemperature::omLoadTemperature(const std::string& name, const omDofStructureType* type,
                                     unsigned groupIndex)
    : omLoad(name, type, groupIndex) {
    for (auto& face : m_T)
        for (auto& value : face)
            value.Set(0.0, omUK_degC);
}

omLoadTemperature::~omLoadTemperature() = default;

double omLoadTemperature::T(int position, int axis) const {
    return m_T[face(position)][direction(axis)].Get(omUK_degC);
}

void omLoadTemperature::convert(omUnitKey key) {
    for (auto& face : m_T)
        for (auto& value : face)
            value.ConvertTo(key);
}

void omLoadTemperature::logFileReport() const {
    omLogFile* log = omLogFile::enabledFor(lfLoads);
    if (!log) return;
    writeLogHeader(*log);
    *log << "\n\tTemperatures:"
         << "\n\tDirection z: T pos= " << m_T[face(1)][direction(1)]
         << ", T neg= " << m_T[face(0)][direction(1)]
         << "\n\tDirection y: T pos= " << m_T[face(1)][direction(0)]
         << ", T neg= " << m_T[face(0)][direction(0)];
}
