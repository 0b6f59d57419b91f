#pragma once
// A point (or vector) of the plane in world coordinates: x to the right, y the
// second axis (the structure's z).
#include <cmath>

struct omPoint {
    double x = 0.0;
    double y = 0.0;

    constexpr omPoint() = default;
    constexpr omPoint(double x0, double y0) : x(x0), y(y0) {}

    // Distance to another point.
    double distance(const omPoint& p) const { return std::hypot(p.x - x, p.y - y); }
    // Length of the point taken as a vector.
    double length() const { return std::hypot(x, y); }

    constexpr bool operator==(const omPoint& p) const = default;
    constexpr omPoint operator+(const omPoint& p) const { return {x + p.x, y + p.y}; }
    constexpr omPoint operator-(const omPoint& p) const { return {x - p.x, y - p.y}; }
    constexpr omPoint operator-() const { return {-x, -y}; }
    constexpr omPoint operator*(double f) const { return {x * f, y * f}; }
    constexpr omPoint operator/(double d) const { return {x / d, y / d}; }
    omPoint& operator+=(const omPoint& p) {
        x += p.x;
        y += p.y;
        return *this;
    }
    omPoint& operator-=(const omPoint& p) {
        x -= p.x;
        y -= p.y;
        return *this;
    }
    omPoint& operator*=(double f) {
        x *= f;
        y *= f;
        return *this;
    }
};
