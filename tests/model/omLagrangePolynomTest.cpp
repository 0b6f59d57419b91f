#include "model/elements/omLagrangePolynom.h"

#include <gtest/gtest.h>

namespace {

double node(unsigned degree, unsigned k) {
    return -1.0 + 2.0 * k / degree;
}

TEST(omLagrangePolynom, EachPolynomialIsOneAtItsOwnPointAndZeroAtTheOthers) {
    for (unsigned n = omLagrangePolynom::kMinDegree; n <= omLagrangePolynom::kMaxDegree; ++n)
        for (unsigned i = 0; i <= n; ++i) {
            const omLagrangePolynom P(n, i);
            ASSERT_EQ(P.getDegree(), n);
            for (unsigned k = 0; k <= n; ++k)
                EXPECT_NEAR(P.at(node(n, k), 0), i == k ? 1.0 : 0.0, 1e-12) << "degree " << n << ", i " << i;
        }
}

TEST(omLagrangePolynom, BasisReproducesPolynomialsUpToItsDegree) {
    // Σ L_i(ξ) f(ξ_i) = f(ξ) for f of the degree: here f = ξ^n, and Σ L_i = 1.
    for (unsigned n = omLagrangePolynom::kMinDegree; n <= omLagrangePolynom::kMaxDegree; ++n)
        for (double xi : {-0.93, -0.4, 0.17, 0.71}) {
            double one = 0.0, power = 0.0, slope = 0.0;
            for (unsigned i = 0; i <= n; ++i) {
                const omLagrangePolynom P(n, i);
                double fi = 1.0;
                for (unsigned k = 0; k < n; ++k)
                    fi *= node(n, i);
                one += P.at(xi, 0);
                power += P.at(xi, 0) * fi;
                slope += P.at(xi, 1) * fi;
            }
            double expected = 1.0, expectedSlope = n;
            for (unsigned k = 0; k < n; ++k)
                expected *= xi;
            for (unsigned k = 0; k + 1 < n; ++k)
                expectedSlope *= xi;
            EXPECT_NEAR(one, 1.0, 1e-12);
            EXPECT_NEAR(power, expected, 1e-11) << "degree " << n;
            EXPECT_NEAR(slope, expectedSlope, 1e-10) << "degree " << n;
        }
}

TEST(omLagrangePolynom, LowDegreesHaveTheirClosedForms) {
    const double xi = 0.3;
    EXPECT_DOUBLE_EQ(omLagrangePolynom(1, 0).at(xi, 0), 0.5 - 0.5 * xi);
    EXPECT_DOUBLE_EQ(omLagrangePolynom(1, 1).at(xi, 0), 0.5 + 0.5 * xi);
    EXPECT_DOUBLE_EQ(omLagrangePolynom(2, 0).at(xi, 0), -0.5 * xi + 0.5 * xi * xi);
    EXPECT_DOUBLE_EQ(omLagrangePolynom(2, 1).at(xi, 0), 1.0 - xi * xi);
    EXPECT_DOUBLE_EQ(omLagrangePolynom(2, 2).at(xi, 0), 0.5 * xi + 0.5 * xi * xi);
}

TEST(omLagrangePolynom, DegreesOutsideTheTablesHaveNoCoefficients) {
    EXPECT_FALSE(omLagrangePolynom::hasTable(0));
    EXPECT_FALSE(omLagrangePolynom::hasTable(9));
    EXPECT_EQ(omLagrangePolynom::coefficients(9, 0), nullptr);
    EXPECT_EQ(omLagrangePolynom::coefficients(3, 4), nullptr);
    EXPECT_EQ(omLagrangePolynom(9, 0).at(0.5, 0), 0.0);
}

} // namespace
