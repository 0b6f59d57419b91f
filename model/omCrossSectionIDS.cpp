#include "model/omCrossSectionIDS.h"

#include "model/omMaterial.h"

#include <utility>
#include <vector>

IMPLEMENT_DYNAMIC(omCrossSectionIDS, omCrossSection)

omCrossSectionIDS::omCrossSectionIDS(unsigned id) : omCrossSection(id) {
    createVariables(5);
    defaultVariableDescription();
}

omCrossSectionIDS::omCrossSectionIDS(double h, double b, double tw, double tf, double w,
                                     const std::string& unitName, unsigned id)
    : omCrossSectionIDS(id) {
    setVariable(1, h, unitName);
    setVariable(2, b, unitName);
    setVariable(3, tw, unitName);
    setVariable(4, tf, unitName);
    setVariable(5, w, unitName);
}

omCrossSectionIDS::omCrossSectionIDS(const omUnitValue& h, const omUnitValue& b, const omUnitValue& tw,
                                     const omUnitValue& tf, const omUnitValue& w, unsigned id)
    : omCrossSectionIDS(id) {
    setVariable(1, h);
    setVariable(2, b);
    setVariable(3, tw);
    setVariable(4, tf);
    setVariable(5, w);
}

omCrossSectionIDS::omCrossSectionIDS(const omCrossSectionIDS& other)
    : omCrossSection(other), m_changeAxis(other.m_changeAxis), m_rolled(other.m_rolled) {}

omCrossSectionIDS& omCrossSectionIDS::operator=(const omCrossSectionIDS& other) {
    copy(other);
    return *this;
}

omCrossSectionIDS::~omCrossSectionIDS() = default;

void omCrossSectionIDS::copy(const omCrossSectionIDS& other) {
    omCrossSection::copy(other);
    m_changeAxis = other.m_changeAxis;
    m_rolled = other.m_rolled;
}

omCrossSectionIDS* omCrossSectionIDS::clone() const {
    return new omCrossSectionIDS(*this);
}

bool omCrossSectionIDS::canStoreBars() const {
    return webThickness() >= 2.0 && flangeThickness() >= 2.0;
}

bool omCrossSectionIDS::isProperlySet() const {
    const double h = dim(1), b = dim(2), tw = dim(3), tf = dim(4), w = dim(5);
    if (!(h > 0.0 && b > 0.0 && tw > 0.0 && tf > 0.0 && w >= 0.0)) return false;
    if (tw >= h || tw >= b || tf >= h || tf >= b) return false;
    // Two flanges thicker than the height together would leave a web of negative height.
    if (2.0 * tf >= h) return false;
    return true;
}

void omCrossSectionIDS::defaultVariableDescription() {
    std::vector<double> plates;
    omSteel::getStandardThickness(plates);
    describe(1, "h", "height", 15.0, 250.0, 0.2);
    describe(2, "b", "breadth", 12.0, 250.0, 0.2);
    // The plate thicknesses keep their step; the list of standard plates takes its place.
    describe(3, "tw", "web thickness", 0.3, 3.5, step(3));
    setValues(3, plates);
    describe(4, "tf", "flange thickness", 0.3, 5.0, step(4));
    setValues(4, plates);
    describe(5, "w", "weld thickness", 0.3, 2.0, 0.1);
}

double omCrossSectionIDS::A() const {
    const double h = dim(1), b = dim(2), tw = dim(3), tf = dim(4);
    return 2.0 * b * tf + (h - 2.0 * tf) * tw;
}

double omCrossSectionIDS::Ix() const {
    const double h = dim(1), b = dim(2), tw = dim(3), tf = dim(4);
    return (2.0 * b * tf * tf * tf + (h - 2.0 * tf) * tw * tw * tw) / 3.0;
}

double omCrossSectionIDS::VyInt() const {
    return 2.0 * dim(2) * dim(4);
}

double omCrossSectionIDS::VzInt() const {
    const double h = dim(1), tw = dim(3), tf = dim(4);
    return m_rolled ? 1.04 * h * tw : (h - 2.0 * tf) * tw;
}

double omCrossSectionIDS::IyInt() const {
    const double h = dim(1), b = dim(2), tw = dim(3), hw = h - 2.0 * dim(4);
    return (b * h * h * h - (b - tw) * hw * hw * hw) / 12.0;
}

double omCrossSectionIDS::IzInt() const {
    const double h = dim(1), b = dim(2), tw = dim(3), tf = dim(4);
    return (2.0 * tf * b * b * b + (h - 2.0 * tf) * tw * tw * tw) / 12.0;
}

double omCrossSectionIDS::WyInt() const {
    return 2.0 * IyInt() / dim(1);
}

double omCrossSectionIDS::WzInt() const {
    const double h = dim(1), b = dim(2), tw = dim(3), tf = dim(4);
    return (2.0 * tf * b * b * b + (h - 2.0 * tf) * tw * tw * tw) / (6.0 * b);
}

double omCrossSectionIDS::ZyInt() const {
    const double h = dim(1), b = dim(2), tw = dim(3), tf = dim(4);
    const double half = h / 2.0 - tf;
    return b * tf * (h - tf) + tw * half * half;
}

double omCrossSectionIDS::ZzInt() const {
    const double h = dim(1), b = dim(2), tw = dim(3), tf = dim(4);
    return tf * b * b / 2.0 + (h - 2.0 * tf) * tw * tw / 4.0;
}

double omCrossSectionIDS::Bw(double, double) const {
    return dim(3);
}

double omCrossSectionIDS::Integrate(double z1, double z2, int n) const {
    if (z1 > z2) std::swap(z1, z2);
    const double h = dim(1), b = dim(2), tw = dim(3), tf = dim(4);
    if (!m_changeAxis) {
        return omCSStrip{tw, -h / 2.0 + tf, h / 2.0 - tf}.integrate(z1, z2, n) +
               omCSStrip{b, h / 2.0 - tf, h / 2.0}.integrate(z1, z2, n) +
               omCSStrip{b, -h / 2.0, -h / 2.0 + tf}.integrate(z1, z2, n);
    }
    // Turned: the web lies flat across the middle, the flanges stand on either side.
    return omCSStrip{h - 2.0 * tf, -tw / 2.0, tw / 2.0}.integrate(z1, z2, n) +
           omCSStrip{2.0 * tf, -b / 2.0, b / 2.0}.integrate(z1, z2, n);
}

double omCrossSectionIDS::height(omUnitKey key) const {
    return getVariable(m_changeAxis ? 2 : 1).Get(key);
}

double omCrossSectionIDS::height() const {
    return dim(m_changeAxis ? 2 : 1);
}

double omCrossSectionIDS::breadth(omUnitKey key) const {
    return getVariable(m_changeAxis ? 1 : 2).Get(key);
}

double omCrossSectionIDS::breadth() const {
    return dim(m_changeAxis ? 1 : 2);
}
