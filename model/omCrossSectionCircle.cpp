#include "model/omCrossSectionCircle.h"

#include <numbers>
#include <utility>

IMPLEMENT_DYNAMIC(omCrossSectionCircle, omCrossSection)

using std::numbers::pi;

omCrossSectionCircle::omCrossSectionCircle(unsigned id) : omCrossSection(id) {
    createVariables(1);
    defaultVariableDescription();
}

omCrossSectionCircle::omCrossSectionCircle(double d, omUnitKey key, unsigned id) : omCrossSectionCircle(id) {
    setVariable(1, omUnitValue(d, key));
}

omCrossSectionCircle::omCrossSectionCircle(const omUnitValue& d, unsigned id) : omCrossSectionCircle(id) {
    setVariable(1, d);
}

omCrossSectionCircle::omCrossSectionCircle(const omCrossSectionCircle& other) : omCrossSection(other) {}

omCrossSectionCircle& omCrossSectionCircle::operator=(const omCrossSectionCircle& other) {
    copy(other);
    return *this;
}

omCrossSectionCircle::~omCrossSectionCircle() = default;

void omCrossSectionCircle::copy(const omCrossSectionCircle& other) {
    omCrossSection::copy(other);
}

omCrossSectionCircle* omCrossSectionCircle::clone() const {
    return new omCrossSectionCircle(*this);
}

bool omCrossSectionCircle::canStoreBars() const {
    return true;
}

int omCrossSectionCircle::getMaxBarBands() const {
    return 1;
}

double omCrossSectionCircle::getStirrupLength(double, double) const {
    return 0.0;
}

omCrossSectionType omCrossSectionCircle::type() const {
    return csCircle;
}

void omCrossSectionCircle::defaultVariableDescription() {
    describe(1, "d", "diameter", 5.0, 900.0, 0.5);
}

double omCrossSectionCircle::A() const {
    const double d = dim(1);
    return pi * d * d / 4.0;
}

double omCrossSectionCircle::Vy() const {
    return A();
}

double omCrossSectionCircle::Vz() const {
    return A();
}

double omCrossSectionCircle::Iy() const {
    const double d = dim(1);
    return pi * d * d * d * d / 64.0;
}

double omCrossSectionCircle::Iz() const {
    return Iy();
}

double omCrossSectionCircle::Wy() const {
    const double d = dim(1);
    return pi * d * d * d / 32.0;
}

double omCrossSectionCircle::Wz() const {
    return Wy();
}

double omCrossSectionCircle::Zy() const {
    const double d = dim(1);
    return d * d * d / 6.0;
}

double omCrossSectionCircle::Zz() const {
    return Zy();
}

double omCrossSectionCircle::zTop() const {
    return -dim(1) / 2.0;
}

double omCrossSectionCircle::Bw(double, double) const {
    return dim(1) / 2.0;
}

double omCrossSectionCircle::Integrate(double z1, double z2, int n) const {
    if (z1 > z2) std::swap(z1, z2);
    return omCSDisc{dim(1) / 2.0}.integrate(z1, z2, n);
}

double omCrossSectionCircle::height(omUnitKey key) const {
    return getVariable(1).Get(key);
}

double omCrossSectionCircle::height() const {
    return dim(1);
}

double omCrossSectionCircle::breadth(omUnitKey key) const {
    return getVariable(1).Get(key);
}

double omCrossSectionCircle::breadth() const {
    return dim(1);
}
