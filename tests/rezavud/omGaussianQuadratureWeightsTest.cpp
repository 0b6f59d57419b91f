#include "rezavud/omGaussianQuadratureWeights.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// Legendre polynomial P_n and its derivative at x, in long double.
void legendre(unsigned n, long double x, long double& p, long double& dp) {
    long double p0 = 1, p1 = x;
    for (unsigned k = 2; k <= n; ++k) {
        const long double pk = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
        p0 = p1;
        p1 = pk;
    }
    p = n == 0 ? 1 : p1;
    dp = n * (x * p1 - p0) / (x * x - 1);
}
} // namespace

TEST(omGaussianQuadratureWeights, RulesIntegratePolynomialsOfDegreeTwoNMinusOneExactly) {
    for (unsigned n = 1; n <= 10; ++n) {
        const double* x = omGaussianQuadratureWeights::getX(n);
        const double* a = omGaussianQuadratureWeights::getA(n);
        for (unsigned degree = 0; degree <= 2 * n - 1; ++degree) {
            double integral = 0.0;
            for (unsigned k = 0; k < n; ++k)
                integral += a[k] * std::pow(x[k], degree);
            const double exact = degree % 2 == 0 ? 2.0 / (degree + 1) : 0.0;
            EXPECT_NEAR(integral, exact, 2e-15) << n << " points, degree " << degree;
        }
    }
}

TEST(omGaussianQuadratureWeights, PointsAreAscendingLegendreRootsWithTheirWeights) {
    omGaussianQuadratureWeights tables;
    for (unsigned n = 1; n <= 10; ++n) {
        const double* x = tables.getX(n);
        const double* a = tables.getA(n);
        for (unsigned k = 0; k < n; ++k) {
            if (k > 0) {
                EXPECT_LT(x[k - 1], x[k]) << n;
            }
            long double p, dp;
            legendre(n, x[k], p, dp);
            EXPECT_NEAR(static_cast<double>(p), 0.0, 1e-15) << n << " points, root " << k;
            const long double w = 2 / ((1 - static_cast<long double>(x[k]) * x[k]) * dp * dp);
            EXPECT_NEAR(a[k], static_cast<double>(w), 1e-15) << n << " points, weight " << k;
        }
    }
    EXPECT_EQ(tables.getX(1)[0], 0.0);
    EXPECT_EQ(tables.getA(1)[0], 2.0);
    EXPECT_NEAR(tables.getX(2)[1], 1 / std::sqrt(3.0), 2.3e-16);
    EXPECT_EQ(tables.getX(2)[0], -tables.getX(2)[1]);
}
