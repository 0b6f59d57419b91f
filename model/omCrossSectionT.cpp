#include "model/omCrossSectionT.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(omCrossSectionT, omCrossSection)

omCrossSectionT::omCrossSectionT(unsigned id) : omCrossSection(id) {
    createVariables(4);
    defaultVariableDescription();
}

omCrossSectionT::omCrossSectionT(double h, double b, double x3, double x4, omUnitKey key, unsigned id)
    : omCrossSectionT(id) {
    setVariable(1, omUnitValue(h, key));
    setVariable(2, omUnitValue(b, key));
    setVariable(3, omUnitValue(x4, key));
    setVariable(4, omUnitValue(x3, key));
}

omCrossSectionT::omCrossSectionT(const omUnitValue& h, const omUnitValue& b, const omUnitValue& tw,
                                 const omUnitValue& tf, unsigned id)
    : omCrossSectionT(id) {
    setVariable(1, h);
    setVariable(2, b);
    setVariable(3, tw);
    setVariable(4, tf);
}

omCrossSectionT::omCrossSectionT(const omCrossSectionT& other) : omCrossSection(other) {}

omCrossSectionT& omCrossSectionT::operator=(const omCrossSectionT& other) {
    copy(other);
    return *this;
}

omCrossSectionT::~omCrossSectionT() = default;

void omCrossSectionT::copy(const omCrossSectionT& other) {
    omCrossSection::copy(other);
}

omCrossSectionT* omCrossSectionT::clone() const {
    return new omCrossSectionT(*this);
}

bool omCrossSectionT::canStoreBars() const {
    return true;
}

int omCrossSectionT::getMaxBarBands() const {
    return 2;
}

double omCrossSectionT::getStirrupLength(double c1, double c2) const {
    const double m = std::min(c1, c2);
    double inner = dim(3) - 2.0 * m;
    if (inner < 0.0) inner = 2.0;
    return 2.0 * (height() - c1 - c2) + 3.0 * inner;
}

omCrossSectionType omCrossSectionT::type() const {
    return csT;
}

bool omCrossSectionT::isProperlySet() const {
    const double h = dim(1), b = dim(2), tw = dim(3), tf = dim(4);
    // The web must fit under the flange and the flange must leave a web below it.
    if (!(h > 0.0 && b > 0.0 && tw > 0.0 && tf > 0.0)) return false;
    if (tw > b || tf >= h) return false;
    return omCrossSection::isProperlySet();
}

void omCrossSectionT::defaultVariableDescription() {
    describe(1, "h", "height", 5.0, 900.0, 0.5);
    describe(2, "b", "breadth", 5.0, 500.0, 0.2);
    describe(3, "tw", "web thickness", 0.3, 15.0, 0.05);
    describe(4, "tf", "flange thickness", 0.3, 15.0, 0.05);
}

double omCrossSectionT::A() const {
    return dim(2) * dim(4) + dim(3) * (dim(1) - dim(4));
}

double omCrossSectionT::Vy() const {
    return dim(2) * dim(4);
}

double omCrossSectionT::Vz() const {
    return dim(3) * (dim(1) - dim(4));
}

double omCrossSectionT::Iy() const {
    const double h = dim(1), b = dim(2), tw = dim(3), tf = dim(4);
    const double zc = -zTop();
    const double hw = h - tf;
    const double df = zc - tf / 2.0;
    const double dw = tf + hw / 2.0 - zc;
    return b * tf * tf * tf / 12.0 + tw * hw * hw * hw / 12.0 + b * tf * df * df + tw * hw * dw * dw;
}

double omCrossSectionT::Iz() const {
    const double h = dim(1), b = dim(2), tw = dim(3), tf = dim(4);
    return (tf * b * b * b + (h - tf) * tw * tw * tw) / 12.0;
}

double omCrossSectionT::Wy() const {
    return Iy() / std::min(std::fabs(zTop()), zBottom());
}

double omCrossSectionT::Wz() const {
    return 2.0 * Iz() / dim(2);
}

double omCrossSectionT::Zy() const {
    return 0.0;
}

double omCrossSectionT::Zz() const {
    return 0.0;
}

double omCrossSectionT::zTop() const {
    const double h = dim(1), b = dim(2), tw = dim(3), tf = dim(4);
    // First moment of the area about the top edge over the area: the centroid's depth.
    const double S = (b - tw) * tf * tf / 2.0 + tw * h * h / 2.0;
    return -S / A();
}

// The web carries the shear, not the flange.
double omCrossSectionT::Bw(double, double) const {
    return dim(3);
}

double omCrossSectionT::Integrate(double z1, double z2, int n) const {
    if (z1 > z2) std::swap(z1, z2);
    const double top = zTop();
    const double tf = dim(4);
    return omCSStrip{dim(2), top, top + tf}.integrate(z1, z2, n) +
           omCSStrip{dim(3), top + tf, zBottom()}.integrate(z1, z2, n);
}

double omCrossSectionT::height(omUnitKey key) const {
    return getVariable(1).Get(key);
}

double omCrossSectionT::height() const {
    return dim(1);
}

double omCrossSectionT::breadth(omUnitKey key) const {
    return getVariable(2).Get(key);
}

double omCrossSectionT::breadth() const {
    return dim(2);
}
