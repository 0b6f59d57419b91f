#pragma once
// Small numeric helpers of the drawing and design code.
#include <cmath>
#include <numbers>

// -1, 0 or 1 by the sign of x.
inline int sgn(double x) {
    return x > 0.0 ? 1 : (x < 0.0 ? -1 : 0);
}
// Radians to degrees and back.
inline double deg(double radians) {
    return radians * (180.0 / std::numbers::pi);
}
inline double rad(double degrees) {
    return degrees * (std::numbers::pi / 180.0);
}
// True when |a - b| is within the tolerance.
inline bool equal(double a, double b, double tolerance) {
    return std::fabs(a - b) <= tolerance;
}
// The value at x of the straight line through (x1, y1) and (x2, y2); y1 when x1 equals x2.
double interpolate(double x1, double y1, double x2, double y2, double x);
// The decimal exponent p of x chosen so that |x| / 10^p lies in [0.1, 1): the
// number of digits before the decimal point (1 for 1 to 9.99, 0 for 0.1 to
// 0.999, -1 for 0.01 to 0.0999). 0 for 0 and for values that are not finite.
int digits(double x);
// The value rounded to the nearest multiple of step (halves away from zero); the
// value itself when step is not positive.
double omSnap(double value, double step);
// Rotates the point (x, y) about the origin by angle radians, counter-clockwise with the y axis up.
void omRotate(double& x, double& y, double angle);
// Widens [min, max] outward to multiples of step: min down, max up. Nothing
// changes when step is not positive.
void omSuggestMinMaxOutside(double step, double& min, double& max);
// A pen width of tenths of a point in logical units, for a device with factor
// logical units per millimetre (one tenth of a point is 25.4/720 mm), rounded
// to the nearest integer.
int GuiPTS10toMM(double factor, int pts10);
