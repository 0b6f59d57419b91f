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

// World and logical coordinates that come from doubles (a file's coordinates,
// results, scales that make them huge) enter the integer device space through
// toDevice alone. Values are held to +-kDeviceLimit, a range QPainter carries
// exactly and in which sums and products of a few coordinates stay within int,
// so a line to a point far outside is still drawn in its direction. A value
// that is no number becomes kNowhere: the context draws no primitive that has
// a coordinate of kNowhere. kNowhere lies beyond the limit and far from the
// ends of int, so adding offsets or sizes to it never overflows; a coordinate
// within a few limits of it (a symbol's corner around a point that is
// nowhere) is nowhere too, as no conversion gives such a value.
constexpr int kDeviceLimit = 1 << 24;
constexpr int kNowhere = -((1 << 28) + 77);
constexpr bool isNowhere(int v) {
    return v >= kNowhere - 4 * kDeviceLimit && v <= kNowhere + 4 * kDeviceLimit;
}

// Truncating toward zero, as the symbols place their points.
inline int toDeviceTruncated(double v) {
    if (std::isnan(v)) return kNowhere;
    if (v >= kDeviceLimit) return kDeviceLimit;
    if (v <= -kDeviceLimit) return -kDeviceLimit;
    return static_cast<int>(v);
}
// Adding 0.5 and truncating toward zero, as the world maps round: -2.7
// becomes -2, 2.5 becomes 3.
inline int toDevice(double v) {
    return std::isnan(v) ? kNowhere : toDeviceTruncated(v + 0.5);
}
// A length (a radius, a pen width, a text height) from a double: NaN is 0,
// the rest is held to 0..kDeviceLimit and rounded half away from zero.
inline int toDeviceSize(double v) {
    if (!(v > 0.0)) return 0;
    if (v >= kDeviceLimit) return kDeviceLimit;
    return static_cast<int>(std::round(v));
}
// A signed length, as toDeviceSize but keeping its sign.
inline int toDeviceLength(double v) {
    return v < 0.0 ? -toDeviceSize(-v) : toDeviceSize(v);
}
constexpr bool isNowhere(int x, int y) {
    return isNowhere(x) || isNowhere(y);
}
// A count of steps over a drawn range (ticks, hatch lines, arrows): what the
// ratio asks for, held to 0..limit; NaN gives none.
inline int stepCount(double ratio, int limit) {
    if (!(ratio > 0.0)) return 0;
    if (ratio >= limit) return limit;
    return static_cast<int>(ratio);
}

} // namespace gdi
