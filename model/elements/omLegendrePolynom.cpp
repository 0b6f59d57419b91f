#include "model/elements/omLegendrePolynom.h"

namespace {
// Built by (n + 1) P(n+1) = (2n + 1) ξ P(n) - n P(n-1); every coefficient is a
// fraction with a power of two below, so all of them are exact doubles.
constexpr double L0[] = {1.0};
constexpr double L1[] = {0.0, 1.0};
constexpr double L2[] = {-1.0 / 2, 0.0, 3.0 / 2};
constexpr double L3[] = {0.0, -3.0 / 2, 0.0, 5.0 / 2};
constexpr double L4[] = {3.0 / 8, 0.0, -15.0 / 4, 0.0, 35.0 / 8};
constexpr double L5[] = {0.0, 15.0 / 8, 0.0, -35.0 / 4, 0.0, 63.0 / 8};
constexpr double L6[] = {-5.0 / 16, 0.0, 105.0 / 16, 0.0, -315.0 / 16, 0.0, 231.0 / 16};
constexpr double L7[] = {0.0, -35.0 / 16, 0.0, 315.0 / 16, 0.0, -693.0 / 16, 0.0, 429.0 / 16};
constexpr double L8[] = {35.0 / 128, 0.0,          -315.0 / 32, 0.0,         3465.0 / 64,
                         0.0,        -3003.0 / 32, 0.0,         6435.0 / 128};
constexpr double L9[] = {0.0,         315.0 / 128, 0.0,          -1155.0 / 32, 0.0,
                         9009.0 / 64, 0.0,         -6435.0 / 32, 0.0,          12155.0 / 128};
constexpr double L10[] = {-63.0 / 256,   0.0, 3465.0 / 256,    0.0, -15015.0 / 128, 0.0,
                          45045.0 / 128, 0.0, -109395.0 / 256, 0.0, 46189.0 / 256};
constexpr double L11[] = {0.0, -693.0 / 256,   0.0, 15015.0 / 256,   0.0, -45045.0 / 128,
                          0.0, 109395.0 / 128, 0.0, -230945.0 / 256, 0.0, 88179.0 / 256};
constexpr double L12[] = {231.0 / 1024,    0.0, -9009.0 / 512,    0.0, 225225.0 / 1024, 0.0,
                          -255255.0 / 256, 0.0, 2078505.0 / 1024, 0.0, -969969.0 / 512, 0.0,
                          676039.0 / 1024};
} // namespace

const double* const omLegendrePolynom::C[kMaxDegree + 1] = {L0, L1, L2, L3,  L4,  L5, L6,
                                                            L7, L8, L9, L10, L11, L12};

omLegendrePolynom::omLegendrePolynom(unsigned degree)
    : omPolynom(degree <= kMaxDegree ? degree : 0, degree <= kMaxDegree ? C[degree] : nullptr) {}

omLegendrePolynom::~omLegendrePolynom() = default;
