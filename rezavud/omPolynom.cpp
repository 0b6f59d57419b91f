#include "rezavud/omPolynom.h"

omPolynom::~omPolynom() = default;

double omPolynom::at(double x, unsigned k) const {
    if (k > m_degree || !m_coefficients) return 0.0;
    double sum = 0.0;
    double power = 1.0; // x^i
    for (unsigned i = 0; i <= m_degree - k; ++i) {
        // (k + i)(k + i - 1) ... (i + 1): the factor that k derivatives of x^(k+i) bring down.
        double factor = 1.0;
        for (unsigned m = i + 1; m <= k + i; ++m)
            factor *= m;
        sum += m_coefficients[k + i] * factor * power;
        power *= x;
    }
    return sum;
}

namespace {
// (1 - ξ)² (2 + ξ) / 4
constexpr double C2[] = {1.0 / 2, -3.0 / 4, 0.0, 1.0 / 4};
// -(1 - ξ)² (1 + ξ) / 8
constexpr double C3[] = {-1.0 / 8, 1.0 / 8, 1.0 / 8, -1.0 / 8};
// (1 + ξ)² (2 - ξ) / 4
constexpr double C5[] = {1.0 / 2, 3.0 / 4, 0.0, -1.0 / 4};
// (1 + ξ)² (1 - ξ) / 8
constexpr double C6[] = {1.0 / 8, 1.0 / 8, -1.0 / 8, -1.0 / 8};
// (1 - ξ²)² / 8
constexpr double C7[] = {1.0 / 8, 0.0, -1.0 / 4, 0.0, 1.0 / 8};
// ξ (1 - ξ²)² / 8
constexpr double C8[] = {0.0, 1.0 / 8, 0.0, -1.0 / 4, 0.0, 1.0 / 8};
// (1 - ξ²)² (7 ξ² - 1) / 48
constexpr double C9[] = {-1.0 / 48, 0.0, 3.0 / 16, 0.0, -5.0 / 16, 0.0, 7.0 / 48};
} // namespace

const unsigned omQuentraPolynom::D[9] = {0, 3, 3, 0, 3, 3, 4, 5, 6};
const double* const omQuentraPolynom::CI[9] = {nullptr, C2, C3, nullptr, C5, C6, C7, C8, C9};

omQuentraPolynom::omQuentraPolynom(unsigned index)
    : omPolynom(index >= 1 && index <= 9 ? D[index - 1] : 0,
                index >= 1 && index <= 9 ? CI[index - 1] : nullptr) {}

omQuentraPolynom::~omQuentraPolynom() = default;
