#include "model/elements/omLegendrePolynom.h"
#include "rezavud/omGaussianQuadratureWeights.h"

#include <gtest/gtest.h>

TEST(LegendrePolynom, EveryDegreeIsOneAtTheEndAndOrthogonalToTheOthers) {
    // The 10-point rule integrates products up to degree 19 exactly.
    const double* x = omGaussianQuadratureWeights::getX(10);
    const double* a = omGaussianQuadratureWeights::getA(10);
    for (unsigned i = 0; i <= omLegendrePolynom::kMaxDegree; ++i) {
        const omLegendrePolynom Pi(i);
        EXPECT_EQ(Pi.getDegree(), i);
        EXPECT_NEAR(Pi.at(1.0, 0), 1.0, 1e-14) << i;
        EXPECT_NEAR(Pi.at(-1.0, 0), i % 2 ? -1.0 : 1.0, 1e-14) << i;
        for (unsigned j = 0; j <= i && i + j <= 19; ++j) {
            const omLegendrePolynom Pj(j);
            double sum = 0.0;
            for (int k = 0; k < 10; ++k)
                sum += Pi.at(x[k], 0) * Pj.at(x[k], 0) * a[k];
            EXPECT_NEAR(sum, i == j ? 2.0 / (2 * i + 1) : 0.0, 1e-13) << i << "," << j;
        }
    }
}

TEST(LegendrePolynom, DerivativesFollowTheCoefficients) {
    // P2 = (3ξ² - 1)/2
    const omLegendrePolynom P2(2);
    EXPECT_DOUBLE_EQ(P2.at(0.5, 0), -0.125);
    EXPECT_DOUBLE_EQ(P2.at(0.5, 1), 1.5);
    EXPECT_DOUBLE_EQ(P2.at(0.5, 2), 3.0);
    EXPECT_EQ(P2.at(0.5, 3), 0.0);
}

TEST(LegendrePolynom, DegreeWithoutATableIsTheZeroPolynomial) {
    const omLegendrePolynom P(omLegendrePolynom::kMaxDegree + 1);
    EXPECT_EQ(P.getDegree(), 0u);
    EXPECT_EQ(P.at(0.3, 0), 0.0);
    EXPECT_EQ(P.at(1.0, 1), 0.0);
}
