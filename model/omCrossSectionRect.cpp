#include "model/omCrossSectionRect.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(omCrossSectionRect, omCrossSection)

omCrossSectionRect::omCrossSectionRect(unsigned id) : omCrossSection(id) {
    createVariables(2);
    defaultVariableDescription();
}

omCrossSectionRect::omCrossSectionRect(double h, double b, omUnitKey key, unsigned id)
    : omCrossSectionRect(id) {
    setVariable(1, omUnitValue(h, key));
    setVariable(2, omUnitValue(b, key));
}

omCrossSectionRect::omCrossSectionRect(const omUnitValue& h, const omUnitValue& b, unsigned id)
    : omCrossSectionRect(id) {
    setVariable(1, h);
    setVariable(2, b);
}

omCrossSectionRect::omCrossSectionRect(const omCrossSectionRect& other) : omCrossSection(other) {}

omCrossSectionRect& omCrossSectionRect::operator=(const omCrossSectionRect& other) {
    copy(other);
    return *this;
}

omCrossSectionRect::~omCrossSectionRect() = default;

void omCrossSectionRect::copy(const omCrossSectionRect& other) {
    omCrossSection::copy(other);
}

omCrossSectionRect* omCrossSectionRect::clone() const {
    return new omCrossSectionRect(*this);
}

bool omCrossSectionRect::canStoreBars() const {
    return true;
}

int omCrossSectionRect::getMaxBarBands() const {
    return 2;
}

double omCrossSectionRect::getStirrupLength(double c1, double c2) const {
    const double m = std::min(c1, c2);
    return 2.0 * (height() - c1 - c2) + 3.0 * (breadth() - 2.0 * m);
}

omCrossSectionType omCrossSectionRect::type() const {
    return csRect;
}

void omCrossSectionRect::defaultVariableDescription() {
    describe(1, "h", "height", 5.0, 900.0, 0.5);
    describe(2, "b", "breadth", 5.0, 500.0, 0.2);
}

double omCrossSectionRect::A() const {
    return dim(1) * dim(2);
}

double omCrossSectionRect::Vy() const {
    return 2.0 / 3.0 * dim(1) * dim(2);
}

double omCrossSectionRect::Vz() const {
    return Vy();
}

double omCrossSectionRect::Iy() const {
    const double h = dim(1);
    return dim(2) * h * h * h / 12.0;
}

double omCrossSectionRect::Iz() const {
    const double b = dim(2);
    return dim(1) * b * b * b / 12.0;
}

double omCrossSectionRect::Wy() const {
    const double h = dim(1);
    return dim(2) * h * h / 6.0;
}

double omCrossSectionRect::Wz() const {
    const double b = dim(2);
    return dim(1) * b * b / 6.0;
}

double omCrossSectionRect::Zy() const {
    const double h = dim(1);
    return dim(2) * h * h / 4.0;
}

// The plastic modulus about the vertical axis is h*b^2/4, the counterpart of
// Zy; h*b^2/6 would be the elastic modulus Wz.
double omCrossSectionRect::Zz() const {
    const double b = dim(2);
    return dim(1) * b * b / 4.0;
}

double omCrossSectionRect::zTop() const {
    return -dim(1) / 2.0;
}

double omCrossSectionRect::Bw(double, double) const {
    return dim(2);
}

double omCrossSectionRect::Integrate(double z1, double z2, int n) const {
    if (z1 > z2) std::swap(z1, z2);
    const double h = dim(1);
    return omCSStrip{dim(2), -h / 2.0, h / 2.0}.integrate(z1, z2, n);
}

double omCrossSectionRect::height(omUnitKey key) const {
    return getVariable(1).Get(key);
}

double omCrossSectionRect::height() const {
    return dim(1);
}

double omCrossSectionRect::breadth(omUnitKey key) const {
    return getVariable(2).Get(key);
}

double omCrossSectionRect::breadth() const {
    return dim(2);
}
