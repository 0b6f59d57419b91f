#include "model/omCrossSection.h"

#include "model/omLogFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

IMPLEMENT_DYNAMIC(omCrossSection, CObject)

namespace {

// Quotients of a value and its step that lie this close to an integer count as
// that integer. Values typed in a unit or multiplied out (15.2 / 0.2 =
// 75.99999999999999) would otherwise drop or gain a whole step.
constexpr double kStepTolerance = 1e-9;

double snappedQuotient(double x, double step) {
    const double q = x / step;
    const double nearest = std::round(q);
    if (std::fabs(q - nearest) <= kStepTolerance * std::max(1.0, std::fabs(q))) return nearest;
    return q;
}

// Listed values compare with the same relative tolerance: 0.35 typed by the user
// is the listed 0.35 even when the two differ in the last bit.
bool notLess(double value, double x) {
    return value >= x - kStepTolerance * std::max(std::fabs(value), std::fabs(x));
}
bool notGreater(double value, double x) {
    return value <= x + kStepTolerance * std::max(std::fabs(value), std::fabs(x));
}

} // namespace

// --- omCSVariable ----------------------------------------------------------

omCSVariable::omCSVariable() : m_name("N/A"), m_description("N/A"), m_value(0.0, omUK_cm) {}

omCSVariable::omCSVariable(double lower, double upper, double step, const std::vector<double>& values,
                           const std::string& name, const std::string& description)
    : m_lower(lower), m_upper(upper), m_step(step), m_values(values), m_name(name),
      m_description(description), m_value(0.0, omUK_cm) {}

omCSVariable::omCSVariable(const omCSVariable& other) : AStorageBase(other) {
    copy(other);
}

omCSVariable& omCSVariable::operator=(const omCSVariable& other) {
    copy(other);
    return *this;
}

omCSVariable::~omCSVariable() = default;

void omCSVariable::copy(const omCSVariable& other) {
    if (&other == this) return;
    m_lower = other.m_lower;
    m_upper = other.m_upper;
    m_step = other.m_step;
    m_values = other.m_values;
    m_name = other.m_name;
    m_description = other.m_description;
    m_value = other.m_value;
}

// --- integration pieces ----------------------------------------------------

double omCSStrip::integrate(double z1, double z2, int n) const {
    if (n < 0 || n > 4) return 0.0;
    if (z1 > zb || z2 < za) return 0.0;
    const double lo = std::max(z1, za);
    const double hi = std::min(z2, zb);
    const int k = n + 1;
    return b * (std::pow(hi, k) - std::pow(lo, k)) / k;
}

namespace {

// The integral of the chord 2*sqrt(R^2 - t^2) times t^n over t from z to R.
double discTail(double R, double z, int n) {
    using std::numbers::pi;
    const double phi = std::asin(std::clamp(z / R, -1.0, 1.0));
    const double w = std::sqrt(std::max(0.0, R * R - z * z));
    const double R2 = R * R;
    switch (n) {
    case 0:
        return (pi - 2.0 * phi) * R2 / 2.0 - z * w;
    case 1:
        return 2.0 / 3.0 * R2 * R * std::cos(phi) - 2.0 / 3.0 * z * z * w;
    case 2:
        return (pi - 2.0 * phi + std::sin(2.0 * phi)) * R2 * R2 / 8.0 - z * z * z * w / 2.0;
    case 3:
        return (9.0 * std::cos(phi) - std::cos(3.0 * phi)) * R2 * R2 * R / 30.0 - 0.4 * std::pow(z, 4) * w;
    case 4:
        return -(12.0 * phi - 6.0 * pi - 8.0 * std::sin(2.0 * phi) + std::sin(4.0 * phi)) * R2 * R2 * R2 /
                   96.0 -
               std::pow(z, 5) * w / 3.0;
    default:
        return 0.0;
    }
}

} // namespace

double omCSDisc::integrate(double z1, double z2, int n) const {
    if (n < 0 || n > 4) return 0.0;
    if (!(R > 0.0)) return 0.0;
    if (z1 > R || z2 < -R) return 0.0;
    z1 = std::max(z1, -R);
    z2 = std::min(z2, R);
    return discTail(R, z1, n) - discTail(R, z2, n);
}

// --- omCrossSection --------------------------------------------------------

omCrossSection::omCrossSection(unsigned id) : omId(id) {}

omCrossSection::omCrossSection(const omCrossSection& other)
    : omId(other), omUndoObject(other), AStorageBase(other), m_variables(other.m_variables),
      m_name(other.m_name), m_color(other.m_color) {}

omCrossSection& omCrossSection::operator=(const omCrossSection& other) {
    copy(other);
    return *this;
}

omCrossSection::~omCrossSection() = default;

void omCrossSection::copy(const omCrossSection& other) {
    if (&other == this) return;
    setIndex(other.getIndex());
    m_variables = other.m_variables;
    m_name = other.m_name;
    m_color = other.m_color;
}

double omCrossSection::getStirrupLength(double, double) const {
    return 0.0;
}

bool omCrossSection::isProperlySet() const {
    // Each value must be positive: a negative breadth is no section either, and
    // a degenerate shape's NaN property fails every comparison.
    return A() > 0.0 && Iy() > 0.0 && height() > 0.0 && breadth() > 0.0;
}

void omCrossSection::logFileReport() {
    omLogFile* log = omLogFile::enabledFor(lfCrossSections);
    if (!log) return;
    std::ostream& out = *log;
    out.setf(std::ios::fixed, std::ios::floatfield);
    out.setf(std::ios::right, std::ios::adjustfield);
    out.precision(6);
    out.width(1);
    out << "\nid=" << getIndex() << ", Name: " << name() << ", Variables: " << variables();
    out.width(0);
    out << "\n\tA: " << A() << ", Iy: " << Iy() << ", Wy: " << Wy();
    if (log->isEnabled(lfCrossSectionProperties)) {
        out << "\n\tIz: " << Iz() << ", Ix: " << Ix() << ", Wz: " << Wz() << ", Zy: " << Zy()
            << ", Zz: " << Zz() << "\n\tiy: " << iy() << ", iz: " << iz() << ", Vy: " << Vy()
            << ", Vz: " << Vz() << ", Sy: " << Sy() << ", Sz: " << Sz();
    }
}

double omCrossSection::iy() const {
    return std::sqrt(Iy() / A());
}

double omCrossSection::iz() const {
    return std::sqrt(Iz() / A());
}

bool omCrossSection::lowerUpper(unsigned i, const omVector&, double& lower, double& upper) const {
    lower = this->lower(i);
    upper = this->upper(i);
    return true;
}

std::string omCrossSection::getIdName(bool withId, bool withName) const {
    // List entries hold at most 199 bytes.
    return idName(m_name, withId, withName, 199);
}

void omCrossSection::setVariable(unsigned i, double value, const std::string& unitName) {
    variable(i).value().Set(value, unitName);
}

void omCrossSection::setValues(unsigned i, const double* values, unsigned count) {
    variable(i).setValues(std::vector<double>(values, values + count));
}

bool omCrossSection::setVariables(const omVector& v) {
    if (v.size() != variableCount()) return false;
    for (int i = 0; i < v.size(); ++i)
        m_variables[static_cast<size_t>(i)].value().Set(v[i], omUK_cm);
    return true;
}

omVector omCrossSection::variables() const {
    omVector v(variableCount());
    for (int i = 0; i < v.size(); ++i)
        v[i] = m_variables[static_cast<size_t>(i)].value().Get(omUK_cm);
    return v;
}

double omCrossSection::roundUp(unsigned i, double x) const {
    const omCSVariable& var = variable(i);
    if (!var.values().empty()) {
        for (double value : var.values())
            if (notLess(value, x)) return value;
        return 0.0;
    }
    const double step = var.step();
    if (step == 0.0) return x;
    return step * std::ceil(snappedQuotient(x, step));
}

double omCrossSection::roundDown(unsigned i, double x) const {
    const omCSVariable& var = variable(i);
    if (!var.values().empty()) {
        for (auto it = var.values().rbegin(); it != var.values().rend(); ++it)
            if (notGreater(*it, x)) return *it;
        return 0.0;
    }
    const double step = var.step();
    if (step == 0.0) return x;
    return step * std::floor(snappedQuotient(x, step));
}

void omCrossSection::describe(unsigned i, const char* name, const char* description, double lower,
                              double upper, double step) {
    omCSVariable& var = variable(i);
    var.setName(name);
    var.setDescription(description);
    var.setLower(lower);
    var.setUpper(upper);
    var.setStep(step);
}
