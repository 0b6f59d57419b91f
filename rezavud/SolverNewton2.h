#pragma once
// Newton's method for two non-linear equations f1(x, y) = 0 and f2(x, y) = 0.
// A class derived from FunctionSolverNewton2 supplies the two functions; the
// Jacobian comes from numerical differentiation (Ridders' extrapolation of
// central differences) unless the derived class overrides Jacobi.
#include <utility>

class omMatrix;

class FunctionSolverNewton2 {
public:
    virtual ~FunctionSolverNewton2();
    virtual double f1(std::pair<double, double> p) const = 0;
    virtual double f2(std::pair<double, double> p) const = 0;
    // Fills the caller's 2 x 2 matrix (0-based): J(0,0) = df1/dx, J(0,1) = df1/dy,
    // J(1,0) = df2/dx, J(1,1) = df2/dy.
    virtual void Jacobi(std::pair<double, double> p, omMatrix& J) const;

    // (f1(p), f2(p)); f2 is evaluated first.
    std::pair<double, double> At(std::pair<double, double> p) const;
    std::pair<double, double> operator()(std::pair<double, double> p) const { return At(p); }

protected:
    // f_i (i = 1, otherwise f2) at p moved by h in x (j = 1) or in y (otherwise).
    double Direction(std::pair<double, double> p, double h, int i, int j) const;
    // df_i / d(variable j) at p, j = 1 for x and 2 for y.
    double Derivative(std::pair<double, double> p, int i, int j) const;
};

class SolverNewton2 {
public:
    // f is not owned and must outlive the solver.
    explicit SolverNewton2(FunctionSolverNewton2* f) : m_functions(f) {}
    SolverNewton2(const SolverNewton2&) = default;
    SolverNewton2& operator=(const SolverNewton2&) = default;
    virtual ~SolverNewton2();

    // 0: converged, x and y hold the solution (both |f1| and |f2| at most the
    // tolerance); -1: the Jacobian's determinant is exactly 0.0; -2: no
    // convergence within 30 steps. After -1 and -2 x and y keep their values.
    int Solve(double& x, double& y, double tolerance);

private:
    FunctionSolverNewton2* m_functions;
};
