#include "common/omMath.h"

#include <cmath>

double interpolate(double x1, double y1, double x2, double y2, double x) {
    if (x1 == x2) return y1;
    return y1 + (y2 - y1) * (x - x1) / (x2 - x1);
}

int digits(double x) {
    x = std::fabs(x);
    if (x == 0.0 || !std::isfinite(x)) return 0;
    int p = static_cast<int>(std::floor(std::log10(x))) + 1;
    // Callers divide by pow(10, p) themselves; near a power of ten rounding can
    // put that quotient just outside [0.1, 1). A quotient of 1 would make them
    // pick a decade too small, so it is kept below 1 and may fall a hair under 0.1.
    if (x / std::pow(10.0, p) >= 1.0)
        ++p;
    else if (x / std::pow(10.0, p) < 0.1 && x / std::pow(10.0, p - 1) < 1.0)
        --p;
    return p;
}

namespace {
// Steps such as 0.1 or 0.001 are not exact in binary; their inverses are. Working
// with the inverse makes omSnap(0.3, 0.1) give 0.3 rather than 0.30000000000000004.
struct Step {
    explicit Step(double s) : step(s) {
        const double inv = 1.0 / s;
        const double n = std::round(inv);
        byInverse = s < 1.0 && n >= 1.0 && std::fabs(inv - n) <= 1e-9 * n;
        inverse = n;
    }
    double count(double value) const { return byInverse ? value * inverse : value / step; }
    double value(double count) const { return byInverse ? count / inverse : count * step; }

    double step;
    double inverse = 0.0;
    bool byInverse = false;
};
} // namespace

double omSnap(double value, double step) {
    if (!(step > 0.0) || !std::isfinite(step)) return value;
    const Step s(step);
    return s.value(std::round(s.count(value)));
}

void omRotate(double& x, double& y, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    const double nx = c * x - s * y;
    y = s * x + c * y;
    x = nx;
}

void omSuggestMinMaxOutside(double step, double& min, double& max) {
    if (!(step > 0.0) || !std::isfinite(step)) return;
    const Step s(step);
    min = s.value(std::floor(s.count(min)));
    max = s.value(std::ceil(s.count(max)));
}

int GuiPTS10toMM(double factor, int pts10) {
    return static_cast<int>(std::lround(pts10 * 25.4 / 720.0 * factor));
}
