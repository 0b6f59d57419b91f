#include "rezavud/SolverNewton2.h"

#include "rezavud/omMatrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {
using Point = std::pair<double, double>;

class Functions : public FunctionSolverNewton2 {
public:
    Functions(std::function<double(Point)> g1, std::function<double(Point)> g2)
        : m_g1(std::move(g1)), m_g2(std::move(g2)) {}
    double f1(Point p) const override {
        ++calls;
        order.push_back(1);
        return m_g1(p);
    }
    double f2(Point p) const override {
        ++calls;
        order.push_back(2);
        return m_g2(p);
    }
    double derivative(Point p, int i, int j) const { return Derivative(p, i, j); }

    mutable int calls = 0;
    mutable std::vector<int> order;

private:
    std::function<double(Point)> m_g1, m_g2;
};

// Supplies its own Jacobian, which the solver must use instead of the numerical one.
class Analytic : public Functions {
public:
    Analytic() : Functions([](Point p) { return p.first * p.first - 4; }, [](Point p) { return p.second; }) {}
    void Jacobi(Point p, omMatrix& J) const override {
        ++jacobians;
        J.valAt(0, 0) = 2 * p.first;
        J.valAt(0, 1) = 0;
        J.valAt(1, 0) = 0;
        J.valAt(1, 1) = 1;
    }
    mutable int jacobians = 0;
};
} // namespace

TEST(SolverNewton2, ConvergesToKnownRoots) {
    struct Case {
        const char* name;
        std::function<double(Point)> f1, f2;
        Point start, root;
    };
    const Case cases[] = {
        {"linear", [](Point p) { return p.first - 1; }, [](Point p) { return p.second - 2; }, {0, 0}, {1, 2}},
        {"square",
         [](Point p) { return p.first * p.first - 4; },
         [](Point p) { return p.second; },
         {1, 0},
         {2, 0}},
        {"circle and line",
         [](Point p) { return p.first * p.first + p.second * p.second - 4; },
         [](Point p) { return p.first - p.second; },
         {1, 0.5},
         {std::sqrt(2.0), std::sqrt(2.0)}},
    };
    for (const Case& c : cases) {
        Functions f(c.f1, c.f2);
        SolverNewton2 solver(&f);
        double x = c.start.first, y = c.start.second;
        EXPECT_EQ(solver.Solve(x, y, 1e-10), 0) << c.name;
        EXPECT_NEAR(x, c.root.first, 1e-9) << c.name;
        EXPECT_NEAR(y, c.root.second, 1e-9) << c.name;
    }
}

TEST(SolverNewton2, AStartWithinToleranceTakesNoStep) {
    Functions f([](Point p) { return p.first - 1; }, [](Point p) { return p.second; });
    SolverNewton2 solver(&f);
    double x = 1 + 1e-9, y = 0;
    EXPECT_EQ(solver.Solve(x, y, 1e-6), 0);
    EXPECT_EQ(x, 1 + 1e-9);
    EXPECT_EQ(f.calls, 2);
    EXPECT_EQ(f.order, (std::vector<int>{2, 1})) << "f2 is evaluated first";
}

TEST(SolverNewton2, SingularJacobianReturnsMinusOneAndKeepsTheStart) {
    Functions f([](Point p) { return p.first + p.second; },
                [](Point p) { return 2 * p.first + 2 * p.second; });
    SolverNewton2 solver(&f);
    double x = 1, y = 1;
    EXPECT_EQ(solver.Solve(x, y, 1e-6), -1);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 1);
}

TEST(SolverNewton2, NoConvergenceInThirtyStepsReturnsMinusTwoAndKeepsTheStart) {
    Functions f([](Point p) { return std::exp(p.first); }, [](Point p) { return p.second; });
    SolverNewton2 solver(&f);
    double x = 0, y = 0;
    EXPECT_EQ(solver.Solve(x, y, 1e-20), -2);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

TEST(SolverNewton2, ConvergenceNeedsBothFunctionsWithinTolerance) {
    // f2 is NaN everywhere: never converged, whatever f1 does.
    Functions f([](Point) { return 0.0; }, [](Point) { return std::nan(""); });
    SolverNewton2 solver(&f);
    double x = 3, y = 4;
    EXPECT_LT(solver.Solve(x, y, 1e-6), 0);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 4);
}

TEST(SolverNewton2, UsesTheJacobianOfTheDerivedClass) {
    Analytic f;
    SolverNewton2 solver(&f);
    SolverNewton2 copy = solver;
    double x = 3, y = 1;
    EXPECT_EQ(copy.Solve(x, y, 1e-12), 0);
    EXPECT_NEAR(x, 2, 1e-12);
    EXPECT_EQ(y, 0);
    EXPECT_GT(f.jacobians, 0);
}

TEST(FunctionSolverNewton2, NumericalDerivativesAreAccurate) {
    Functions f([](Point p) { return std::sin(p.first) * std::exp(p.second); },
                [](Point p) { return p.first * p.first * p.second; });
    EXPECT_NEAR(f.derivative({0, 0}, 1, 1), 1.0, 1e-8);
    EXPECT_NEAR(f.derivative({0.5, 1}, 1, 2), std::sin(0.5) * std::exp(1.0), 1e-8);
    EXPECT_NEAR(f.derivative({3, 2}, 2, 1), 12.0, 1e-7);
    EXPECT_NEAR(f.derivative({3, 2}, 2, 2), 9.0, 1e-7);

    omMatrix J(2, 2);
    f.Jacobi({3, 2}, J);
    EXPECT_NEAR(J(1, 1), std::cos(3.0) * std::exp(2.0), 1e-7);
    EXPECT_NEAR(J(2, 1), 12.0, 1e-7);
    const Point values = f({3, 2});
    EXPECT_EQ(values.first, std::sin(3.0) * std::exp(2.0));
    EXPECT_EQ(values.second, 18.0);
}

TEST(FunctionSolverNewton2, DerivativeOfNonFiniteFunctionIsTheSentinel) {
    Functions f([](Point) { return std::nan(""); }, [](Point) { return 0.0; });
    EXPECT_EQ(f.derivative({0, 0}, 1, 1), 1e30);
}
