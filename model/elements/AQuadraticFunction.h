#pragma once
// The quadratic polynomial a·x² + b·x + c and its roots.
#include <array>
#include <complex>

class AQuadraticFunction {
public:
    AQuadraticFunction() = default;
    AQuadraticFunction(double a, double b, double c) : m_a(a), m_b(b), m_c(c) {}
    AQuadraticFunction(const AQuadraticFunction&) = default;
    AQuadraticFunction& operator=(const AQuadraticFunction&) = default;
    virtual ~AQuadraticFunction();

    void Set(double a, double b, double c);
    double GetA() const { return m_a; }
    double GetB() const { return m_b; }
    double GetC() const { return m_c; }

    double operator()(double x) const;
    // The discriminant 4ac - b².
    double D() const;
    // The number of real roots, which come first in z; the other entries are
    // the complex pair, or 0 where there is no root. A double root counts once.
    // Without a and b: no root.
    int SolveZeroes(std::array<std::complex<double>, 2>& z) const;

protected:
    // With a not 0: b/a, and c/a - (b/a)²/4, whose sign decides whether the roots are real.
    double _p() const;
    double _q() const;

private:
    double m_a = 0.0;
    double m_b = 0.0;
    double m_c = 0.0;
};
