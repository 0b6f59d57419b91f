#pragma once
// Integer coordinates that leave the range of int. Logical coordinates come
// from files and from scaled world coordinates, so sums, products and
// conversions from double are worked out wide and saturated to the nearest
// int, never wrapped: a shape far outside the device stays far outside it on
// the same side.
#include <climits>
#include <cmath>

namespace gdi {

constexpr int saturate(__int128 v) {
    return v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : static_cast<int>(v);
}
constexpr int saturate(long long v) {
    return saturate(static_cast<__int128>(v));
}
// Truncates toward zero, as the integer conversions of the device do; NaN is 0.
inline int saturate(double v) {
    if (std::isnan(v)) return 0;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    return static_cast<int>(v);
}
// Rounds half away from zero.
inline int roundSaturate(double v) {
    return saturate(std::round(v));
}
constexpr int add(int a, long long b) {
    return saturate(static_cast<__int128>(a) + b);
}

} // namespace gdi
