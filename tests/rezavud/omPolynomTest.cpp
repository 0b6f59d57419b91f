#include "rezavud/omPolynom.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(omPolynom, EvaluatesValueAndDerivatives) {
    const double c[] = {1, 2, 3}; // 1 + 2x + 3x²
    omPolynom p(2, c);
    EXPECT_EQ(p.getDegree(), 2u);
    EXPECT_EQ(p.at(0.5, 0), 2.75);
    EXPECT_EQ(p.at(0.5, 1), 5);
    EXPECT_EQ(p(0.5, 2), 6);
    EXPECT_EQ(p.at(0.5, 3), 0) << "beyond the degree every derivative vanishes";

    const double d[] = {0, 0, 0, 0, 1}; // x⁴
    omPolynom q = p;
    q.set(4, d);
    EXPECT_EQ(q.at(2, 0), 16);
    EXPECT_EQ(q.at(2, 1), 32);
    EXPECT_EQ(q.at(2, 3), 48);
    EXPECT_EQ(q.at(-3, 4), 24);
    EXPECT_EQ(p.at(0.5, 0), 2.75) << "copies keep their own degree";
}

TEST(omQuentraPolynom, ShapeFunctionsMeetTheirEndConditions) {
    struct Ends {
        unsigned index;
        double valueLeft, valueRight, slopeLeft, slopeRight;
    };
    const Ends table[] = {
        {2, 1, 0, 0, 0}, {3, 0, 0, -0.5, 0}, {5, 0, 1, 0, 0}, {6, 0, 0, 0, -0.5},
        {7, 0, 0, 0, 0}, {8, 0, 0, 0, 0},    {9, 0, 0, 0, 0},
    };
    for (const Ends& e : table) {
        omQuentraPolynom p(e.index);
        EXPECT_NEAR(p.at(-1, 0), e.valueLeft, 1e-15) << e.index;
        EXPECT_NEAR(p.at(1, 0), e.valueRight, 1e-15) << e.index;
        EXPECT_NEAR(p.at(-1, 1), e.slopeLeft, 1e-15) << e.index;
        EXPECT_NEAR(p.at(1, 1), e.slopeRight, 1e-15) << e.index;
    }
}

TEST(omQuentraPolynom, MatchesItsClosedForms) {
    const double xs[] = {-0.9, -0.3, 0.0, 0.4, 0.75};
    for (double x : xs) {
        const double s = 1 - x * x;
        EXPECT_NEAR(omQuentraPolynom(2).at(x, 0), (1 - x) * (1 - x) * (2 + x) / 4, 1e-15);
        EXPECT_NEAR(omQuentraPolynom(3).at(x, 0), -(1 - x) * (1 - x) * (1 + x) / 8, 1e-15);
        EXPECT_NEAR(omQuentraPolynom(5).at(x, 0), (1 + x) * (1 + x) * (2 - x) / 4, 1e-15);
        EXPECT_NEAR(omQuentraPolynom(6).at(x, 0), (1 + x) * (1 + x) * (1 - x) / 8, 1e-15);
        EXPECT_NEAR(omQuentraPolynom(7).at(x, 0), s * s / 8, 1e-15);
        EXPECT_NEAR(omQuentraPolynom(8).at(x, 0), x * s * s / 8, 1e-15);
        EXPECT_NEAR(omQuentraPolynom(9).at(x, 0), s * s * (7 * x * x - 1) / 48, 1e-15);
    }
    EXPECT_EQ(omQuentraPolynom(9).getDegree(), 6u);
    EXPECT_EQ(omQuentraPolynom::CI[8][0], -1.0 / 48);
    EXPECT_EQ(omQuentraPolynom::CI[8][6], 7.0 / 48);
}

TEST(omQuentraPolynom, IndexesWithoutPolynomialEvaluateToZero) {
    for (unsigned index : {1u, 4u}) {
        omQuentraPolynom p(index);
        EXPECT_EQ(p.getDegree(), 0u);
        EXPECT_EQ(omQuentraPolynom::CI[index - 1], nullptr);
        EXPECT_EQ(p.at(0.3, 0), 0.0);
    }
}
