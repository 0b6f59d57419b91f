#pragma once
// The Legendre polynomial of one degree, in ξ on [-1, 1], normalised to 1 at
// ξ = 1. The Solmar element interpolates the curvature of a member with them.
#include "rezavud/omPolynom.h"

class omLegendrePolynom : public omPolynom {
public:
    // Degrees 0 to 12; any other degree gives the empty polynomial, whose value
    // and derivatives are 0.
    explicit omLegendrePolynom(unsigned degree);
    ~omLegendrePolynom() override;

    static constexpr unsigned kMaxDegree = 12;
    // The coefficient arrays of degrees 0 to 12, ascending powers.
    static const double* const C[kMaxDegree + 1];
};
