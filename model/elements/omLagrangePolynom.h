#pragma once
// The Lagrange basis polynomials through equally spaced points of [-1, 1], over
// static coefficient tables (ascending powers) for the degrees 1 to 8: the
// interpolation of the cross-section rotation of the geometrically exact beam.
// Polynomial i of degree n is 1 at ξ_i = -1 + 2i/n and 0 at the other n points.
#include "rezavud/omPolynom.h"

class omLagrangePolynom : public omPolynom {
public:
    static constexpr unsigned kMinDegree = 1;
    static constexpr unsigned kMaxDegree = 8;

    // Polynomial i (0 .. degree) of the given degree. Outside the tables the
    // polynomial has no coefficients and evaluates to 0; ask hasTable first.
    omLagrangePolynom(unsigned degree, unsigned i);
    ~omLagrangePolynom() override;

    static bool hasTable(unsigned degree) { return degree >= kMinDegree && degree <= kMaxDegree; }
    // The coefficients of polynomial i of the degree, null outside the tables.
    static const double* coefficients(unsigned degree, unsigned i);

    static const double C1[2][2], C2[3][3], C3[4][4], C4[5][5], C5[6][6], C6[7][7], C7[8][8], C8[9][9];
};
