#include "model/omCrossSectionTube.h"

#include <numbers>
#include <utility>

IMPLEMENT_DYNAMIC(omCrossSectionTube, omCrossSection)

using std::numbers::pi;

omCrossSectionTube::omCrossSectionTube(unsigned id) : omCrossSection(id) {
    createVariables(2);
    defaultVariableDescription();
}

omCrossSectionTube::omCrossSectionTube(const omCrossSectionTube& other) : omCrossSection(other) {}

omCrossSectionTube& omCrossSectionTube::operator=(const omCrossSectionTube& other) {
    copy(other);
    return *this;
}

omCrossSectionTube::~omCrossSectionTube() = default;

void omCrossSectionTube::copy(const omCrossSectionTube& other) {
    omCrossSection::copy(other);
}

omCrossSectionTube* omCrossSectionTube::clone() const {
    return new omCrossSectionTube(*this);
}

bool omCrossSectionTube::canStoreBars() const {
    return thickness() > 2.0;
}

int omCrossSectionTube::getMaxBarBands() const {
    return 1;
}

double omCrossSectionTube::getStirrupLength(double, double) const {
    return 0.0;
}

omCrossSectionType omCrossSectionTube::type() const {
    return csTube;
}

bool omCrossSectionTube::isProperlySet() const {
    const double D = diameter(), t = thickness();
    // A wall thicker than the radius would give a negative inner diameter.
    if (!(D > 0.0 && t > 0.0) || t > D / 2.0) return false;
    return omCrossSection::isProperlySet();
}

void omCrossSectionTube::defaultVariableDescription() {
    describe(1, "d", "diameter", 1.0, 900.0, 0.5);
    describe(2, "t", "thickness", 0.1, 50.0, 0.05);
}

double omCrossSectionTube::A() const {
    const double D = diameter(), Di = D - 2.0 * thickness();
    return pi * (D * D - Di * Di) / 4.0;
}

double omCrossSectionTube::Vy() const {
    return A() * 2.0 / pi;
}

double omCrossSectionTube::Vz() const {
    return Vy();
}

double omCrossSectionTube::Iy() const {
    const double D = diameter(), Di = D - 2.0 * thickness();
    return pi * (D * D * D * D - Di * Di * Di * Di) / 64.0;
}

double omCrossSectionTube::Iz() const {
    return Iy();
}

double omCrossSectionTube::Wy() const {
    return 2.0 * Iy() / diameter();
}

double omCrossSectionTube::Wz() const {
    return Wy();
}

double omCrossSectionTube::Zy() const {
    const double D = diameter(), Di = D - 2.0 * thickness();
    return (D * D * D - Di * Di * Di) / 6.0;
}

double omCrossSectionTube::Zz() const {
    return Zy();
}

double omCrossSectionTube::zTop() const {
    return -diameter() / 2.0;
}

double omCrossSectionTube::Bw(double, double) const {
    return thickness();
}

double omCrossSectionTube::Integrate(double z1, double z2, int n) const {
    if (z1 > z2) std::swap(z1, z2);
    const double R = diameter() / 2.0;
    return omCSDisc{R}.integrate(z1, z2, n) - omCSDisc{R - thickness()}.integrate(z1, z2, n);
}

double omCrossSectionTube::height(omUnitKey key) const {
    return getVariable(1).Get(key);
}

double omCrossSectionTube::height() const {
    return dim(1);
}

double omCrossSectionTube::breadth(omUnitKey key) const {
    return getVariable(1).Get(key);
}

double omCrossSectionTube::breadth() const {
    return dim(1);
}
