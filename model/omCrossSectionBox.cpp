#include "model/omCrossSectionBox.h"

#include <utility>

IMPLEMENT_DYNAMIC(omCrossSectionBox, omCrossSection)

omCrossSectionBox::omCrossSectionBox(unsigned id) : omCrossSection(id) {
    createVariables(6);
    defaultVariableDescription();
}

omCrossSectionBox::omCrossSectionBox(const omCrossSectionBox& other) : omCrossSection(other) {}

omCrossSectionBox& omCrossSectionBox::operator=(const omCrossSectionBox& other) {
    copy(other);
    return *this;
}

omCrossSectionBox::~omCrossSectionBox() = default;

void omCrossSectionBox::copy(const omCrossSectionBox& other) {
    omCrossSection::copy(other);
}

omCrossSectionBox* omCrossSectionBox::clone() const {
    return new omCrossSectionBox(*this);
}

bool omCrossSectionBox::canStoreBars() const {
    return webThickness() > 2.0 && flangeThickness() > 2.0;
}

int omCrossSectionBox::getMaxBarBands() const {
    return 2;
}

double omCrossSectionBox::getStirrupLength(double, double) const {
    return 0.0;
}

omCrossSectionType omCrossSectionBox::type() const {
    return csBox;
}

bool omCrossSectionBox::isProperlySet() const {
    const double h = dim(1), b = dim(2), tw = webThickness(), tf = flangeThickness();
    const double of = flangeOutstand(), w = weldThickness();
    if (!(h > 0.0 && b > 0.0 && tw > 0.0 && tf > 0.0)) return false;
    if (!(of >= 0.0 && w >= 0.0)) return false;
    // The two flanges must leave room for the webs, and each web must lie in
    // its own half of the flanges.
    if (2.0 * tf >= h || of + tw > b / 2.0) return false;
    return omCrossSection::isProperlySet();
}

void omCrossSectionBox::defaultVariableDescription() {
    describe(1, "h", "height", 15.0, 250.0, 0.2);
    describe(2, "b", "breadth", 12.0, 250.0, 0.2);
    describe(3, "tw", "web thickness", 0.3, 3.5, 0.05);
    describe(4, "tf", "flange thickness", 0.3, 5.0, 0.05);
    describe(5, "of", "flange outstand", 0.0, 100.0, 0.1);
    describe(6, "w", "weld thickness", 0.3, 2.0, 0.05);
}

double omCrossSectionBox::A() const {
    const double h = dim(1), b = dim(2), tw = webThickness(), tf = flangeThickness();
    return b * h - (b - 2.0 * tw) * (h - 2.0 * tf);
}

double omCrossSectionBox::Vy() const {
    return 2.0 * dim(2) * flangeThickness();
}

double omCrossSectionBox::Vz() const {
    return 2.0 * webThickness() * (dim(1) - 2.0 * flangeThickness());
}

double omCrossSectionBox::Iy() const {
    const double h = dim(1), b = dim(2), tw = webThickness(), hi = h - 2.0 * flangeThickness();
    return (b * h * h * h - (b - 2.0 * tw) * hi * hi * hi) / 12.0;
}

double omCrossSectionBox::Iz() const {
    const double b = dim(2), tw = webThickness(), tf = flangeThickness();
    const double hi = dim(1) - 2.0 * tf;
    // e: the distance of each web's axis from the vertical axis.
    const double e = b / 2.0 - flangeOutstand() - tw / 2.0;
    return 2.0 * (tw * hi * (tw * tw / 12.0 + e * e) + tf * b * b * b / 12.0);
}

double omCrossSectionBox::Wy() const {
    return 2.0 * Iy() / dim(1);
}

double omCrossSectionBox::Wz() const {
    return 2.0 * Iz() / dim(2);
}

double omCrossSectionBox::Zy() const {
    const double h = dim(1), b = dim(2), tw = webThickness(), tf = flangeThickness();
    const double hi = h - 2.0 * tf;
    return b * tf * (h - tf) + tw * hi * hi / 2.0;
}

double omCrossSectionBox::Zz() const {
    const double b = dim(2), tw = webThickness(), tf = flangeThickness();
    const double hi = dim(1) - 2.0 * tf;
    const double e = b / 2.0 - flangeOutstand() - tw / 2.0;
    return 2.0 * (tw * hi * e + tf * b * b / 4.0);
}

double omCrossSectionBox::zTop() const {
    return -dim(1) / 2.0;
}

double omCrossSectionBox::Bw(double, double) const {
    return 2.0 * webThickness();
}

double omCrossSectionBox::Integrate(double z1, double z2, int n) const {
    if (z1 > z2) std::swap(z1, z2);
    const double h2 = dim(1) / 2.0, b = dim(2), tf = flangeThickness();
    return omCSStrip{b, -h2, -h2 + tf}.integrate(z1, z2, n) + omCSStrip{b, h2 - tf, h2}.integrate(z1, z2, n) +
           omCSStrip{2.0 * webThickness(), -h2 + tf, h2 - tf}.integrate(z1, z2, n);
}

double omCrossSectionBox::height(omUnitKey key) const {
    return getVariable(1).Get(key);
}

double omCrossSectionBox::height() const {
    return dim(1);
}

double omCrossSectionBox::breadth(omUnitKey key) const {
    return getVariable(2).Get(key);
}

double omCrossSectionBox::breadth() const {
    return dim(2);
}
