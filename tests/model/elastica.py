#!/usr/bin/env python3
"""Reference values of the elastica: a cantilever of length L and bending
stiffness EI, clamped at one end, under a tip load P that keeps its direction
across the original axis. Prints, for each a = P L^2 / EI, the tip deflection
across the axis w/L, the tip's shortening along the axis u/L and the tip
rotation theta (rad), which omDravikDesignElementTest holds as constants.

With theta the slope along the arc and theta0 its value at the tip,
EI theta'' = -P cos(theta) with theta(0) = 0 and theta'(L) = 0 gives

    sqrt(a)   = int_0^theta0 dtheta / sqrt(2 (sin theta0 - sin theta))
    x_tip / L = sqrt(2 sin theta0 / a)
    w / L     = 1/sqrt(a) int_0^theta0 sin theta dtheta / sqrt(2 (sin theta0 - sin theta))

The substitution sin theta = sin theta0 - v^2 removes the singularity at the
tip: dtheta / sqrt(2 (s0 - sin theta)) = sqrt(2) dv / cos theta, v from 0 to
sqrt(s0), with cos theta = sqrt(1 - (s0 - v^2)^2). The smooth integrals are
taken by composite Gauss-Legendre rules refined until two refinements agree
to 1e-15, and sin theta0 by bisection. Standard library only.
"""
import math
import sys


def gauss_legendre(n):
    """Nodes and weights of the n-point Gauss-Legendre rule on [-1, 1]."""
    nodes, weights = [], []
    for i in range(1, n + 1):
        x = math.cos(math.pi * (i - 0.25) / (n + 0.5))
        for _ in range(100):
            p0, p1 = 1.0, x
            for k in range(2, n + 1):
                p0, p1 = p1, ((2 * k - 1) * x * p1 - (k - 1) * p0) / k
            dp = n * (x * p1 - p0) / (x * x - 1.0)
            dx = p1 / dp
            x -= dx
            if abs(dx) < 1e-16:
                break
        nodes.append(x)
        weights.append(2.0 / ((1.0 - x * x) * dp * dp))
    return nodes, weights


RULE = gauss_legendre(32)


def integrate(f, a, b):
    def composite(panels):
        h = (b - a) / panels
        total = 0.0
        for j in range(panels):
            c = a + (j + 0.5) * h
            total += sum(w * f(c + 0.5 * h * x) for x, w in zip(*RULE)) * 0.5 * h
        return total

    panels, last = 4, None
    while True:
        value = composite(panels)
        if last is not None and abs(value - last) <= 1e-15 * max(1.0, abs(value)):
            return value
        last, panels = value, panels * 2


def length_integral(s0):
    """sqrt(a) for the tip slope whose sine is s0."""
    return integrate(lambda v: math.sqrt(2.0) / math.sqrt(1.0 - (s0 - v * v) ** 2), 0.0, math.sqrt(s0))


def tip(a):
    lo, hi = 0.0, 1.0
    target = math.sqrt(a)
    for _ in range(200):
        mid = 0.5 * (lo + hi)
        if length_integral(mid) < target:
            lo = mid
        else:
            hi = mid
    s0 = 0.5 * (lo + hi)
    depth = integrate(lambda v: math.sqrt(2.0) * (s0 - v * v) / math.sqrt(1.0 - (s0 - v * v) ** 2), 0.0,
                      math.sqrt(s0)) / math.sqrt(a)
    return depth, 1.0 - math.sqrt(2.0 * s0 / a), math.asin(s0)


if __name__ == "__main__":
    loads = [float(x) for x in sys.argv[1:]] or [1.0, 10.0, 20.0]
    print("# P L^2/EI, w/L, u/L, theta")
    for a in loads:
        w, u, theta = tip(a)
        print(f"{a:g}, {w:.12f}, {u:.12f}, {theta:.12f}")
