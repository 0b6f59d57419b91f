#pragma once
// The cubic polynomial a·x³ + b·x² + c·x + d and its roots, found in closed
// form (Cardano's reduced equation y³ + 3p·y + 2q = 0, x = y - b/(3a)); the
// root of the largest size is then polished and divided out, and the quadratic
// left over gives the other two.
#include <array>
#include <complex>

class ACubicFunction {
public:
    ACubicFunction() = default;
    ACubicFunction(double a, double b, double c, double d) : m_a(a), m_b(b), m_c(c), m_d(d) {}
    ACubicFunction(const ACubicFunction&) = default;
    ACubicFunction& operator=(const ACubicFunction&) = default;
    virtual ~ACubicFunction();

    void Set(double a, double b, double c, double d);
    double GetA() const { return m_a; }
    double GetB() const { return m_b; }
    double GetC() const { return m_c; }
    double GetD() const { return m_d; }

    double operator()(double x) const;
    // The discriminant q² + p³ of the reduced equation; only meaningful with a not 0.
    double D() const;
    // The number of distinct real roots, which come first in z; the other
    // entries are complex. A triple root counts once, a double root once beside
    // the simple one. With a = 0 the quadratic b·x² + c·x + d is solved.
    int SolveZeroes(std::array<std::complex<double>, 3>& z) const;

protected:
    // With a not 0: p = (3ac - b²)/(9a²) and q = b³/(27a³) - bc/(6a²) + d/(2a).
    double _p() const;
    double _q() const;

private:
    double m_a = 0.0;
    double m_b = 0.0;
    double m_c = 0.0;
    double m_d = 0.0;
};
