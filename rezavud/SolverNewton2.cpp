#include "rezavud/SolverNewton2.h"

#include "rezavud/omMatrix.h"

#include <algorithm>
#include <array>
#include <cmath>

FunctionSolverNewton2::~FunctionSolverNewton2() = default;

std::pair<double, double> FunctionSolverNewton2::At(std::pair<double, double> p) const {
    const double v2 = f2(p);
    const double v1 = f1(p);
    return {v1, v2};
}

double FunctionSolverNewton2::Direction(std::pair<double, double> p, double h, int i, int j) const {
    if (j == 1)
        p.first += h;
    else
        p.second += h;
    return i == 1 ? f1(p) : f2(p);
}

double FunctionSolverNewton2::Derivative(std::pair<double, double> p, int i, int j) const {
    constexpr int size = 10;
    constexpr double shrink = 0.7142857142857143; // 1 / 1.4
    constexpr double fac0 = 1.9599999999999997;   // 1.4 * 1.4 in double precision
    std::array<double, size * size> a{};          // a[r * size + c]: order r, step c
    auto at = [&a](int r, int c) -> double& { return a[r * size + c]; };

    double err = 1e30;
    double answer = 1e30;
    double h = 1e-7;
    at(0, 0) = (Direction(p, h, i, j) - Direction(p, -h, i, j)) * 5000000;
    for (int c = 1; c < size; ++c) {
        h *= shrink;
        at(0, c) = (Direction(p, h, i, j) - Direction(p, -h, i, j)) / (2 * h);
        double fac = fac0;
        for (int r = 1; r <= c; ++r) {
            at(r, c) = (at(r - 1, c) * fac - at(r - 1, c - 1)) / (fac - 1);
            fac *= fac0;
            const double errt =
                std::max(std::fabs(at(r, c) - at(r - 1, c)), std::fabs(at(r, c) - at(r - 1, c - 1)));
            if (errt <= err) {
                err = errt;
                answer = at(r, c);
            }
        }
        // Higher orders have stopped helping.
        if (std::fabs(at(c, c) - at(c - 1, c - 1)) >= 2 * err) break;
    }
    return answer;
}

void FunctionSolverNewton2::Jacobi(std::pair<double, double> p, omMatrix& J) const {
    if (J.nRows() < 2 || J.nCols() < 2) J.resize(2, 2);
    J.valAt(0, 0) = Derivative(p, 1, 1);
    J.valAt(0, 1) = Derivative(p, 1, 2);
    J.valAt(1, 0) = Derivative(p, 2, 1);
    J.valAt(1, 1) = Derivative(p, 2, 2);
}

SolverNewton2::~SolverNewton2() = default;

int SolverNewton2::Solve(double& x, double& y, double tolerance) {
    constexpr int maxSteps = 30;
    std::pair<double, double> p{x, y};
    std::pair<double, double> F = m_functions->At(p);
    omMatrix J(2, 2);
    int steps = 0;
    for (;;) {
        // Both tested on their own, so that a NaN in either never passes as converged.
        if (std::fabs(F.first) <= tolerance && std::fabs(F.second) <= tolerance) {
            x = p.first;
            y = p.second;
            return 0;
        }
        m_functions->Jacobi(p, J);
        const double det = J.valAt(0, 0) * J.valAt(1, 1) - J.valAt(0, 1) * J.valAt(1, 0);
        if (det == 0.0) return -1;
        const double dx = (F.first * J.valAt(1, 1) - F.second * J.valAt(0, 1)) / det;
        const double dy = (J.valAt(0, 0) * F.second - J.valAt(1, 0) * F.first) / det;
        p.first -= dx;
        p.second -= dy;
        F = m_functions->At(p);
        // The step past the last one is computed and discarded.
        if (++steps > maxSteps) return -2;
    }
}
