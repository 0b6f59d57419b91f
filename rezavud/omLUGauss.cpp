#include "rezavud/omLUGauss.h"

#include "rezavud/omMatrix.h"
#include "rezavud/omVector.h"

#include <cmath>
#include <numeric>
#include <utility>

omLUGauss::omLUGauss(omSubMatrix& m, bool inPlace, omPivot pivot)
    : m_matrix(inPlace ? std::make_unique<omSubMatrix>(m) : std::make_unique<omMatrix>(m)), m_pivot(pivot),
      m_inPlace(inPlace) {
    if (m_pivot != noPivot) {
        m_permutation.resize(std::max(order(), 0));
        std::iota(m_permutation.begin(), m_permutation.end(), 0);
    }
}

omLUGauss::~omLUGauss() = default;

int omLUGauss::order() const {
    return m_matrix->nRows();
}

int omLUGauss::getPivotRow(int k) const {
    return m_pivot != noPivot ? m_permutation[k] : k;
}

int omLUGauss::makeTransformation() {
    omSubMatrix& a = *m_matrix;
    const int n = order();
    if (m_pivot != noPivot) std::iota(m_permutation.begin(), m_permutation.end(), 0);
    // Every stage is tested, the last one too: a zero last pivot would otherwise
    // pass as success and the solution divide by it.
    for (int k = 0; k < n; ++k) {
        if (m_pivot != noPivot) {
            int r = k;
            double largest = std::fabs(a[k][k]);
            for (int i = k + 1; i < n; ++i) {
                if (std::fabs(a[i][k]) > largest) {
                    largest = std::fabs(a[i][k]);
                    r = i;
                }
            }
            if (r != k) {
                std::swap(m_permutation[k], m_permutation[r]);
                for (int j = 0; j < n; ++j)
                    std::swap(a[k][j], a[r][j]);
            }
        }
        const double pivot = a[k][k];
        if (pivot == 0.0) return 1 + getPivotRow(k);
        for (int i = k + 1; i < n; ++i) {
            const double l = a[i][k] / pivot;
            a[i][k] = l;
            for (int j = k + 1; j < n; ++j)
                a[i][j] -= l * a[k][j];
        }
    }
    return 0;
}

int omLUGauss::solve(double* y) {
    const omSubMatrix& a = *m_matrix;
    const int n = order();
    for (int i = 1; i < n; ++i) {
        double sum = 0.0;
        for (int j = 0; j < i; ++j)
            sum += a[i][j] * y[j];
        y[i] -= sum;
    }
    for (int i = n - 1; i >= 0; --i) {
        double sum = 0.0;
        for (int j = i + 1; j < n; ++j)
            sum += a[i][j] * y[j];
        y[i] = (y[i] - sum) / a[i][i];
    }
    return 1;
}

int omLUGauss::solve(omVector& b) {
    const int n = order();
    if (b.size() < n) return 0;
    std::vector<double> y(n);
    for (int k = 0; k < n; ++k)
        y[k] = b[getPivotRow(k)];
    solve(y.data());
    for (int k = 0; k < n; ++k)
        b[k] = y[k];
    return 1;
}

int omLUGauss::solve(omSubMatrix& B) {
    const int n = order();
    if (B.nRows() < n) return 0;
    std::vector<double> y(n);
    for (int j = 0; j < B.nCols(); ++j) {
        for (int k = 0; k < n; ++k)
            y[k] = B[getPivotRow(k)][j];
        solve(y.data());
        for (int k = 0; k < n; ++k)
            B[k][j] = y[k];
    }
    return 1;
}

int omLUGauss::getInverse(omMatrix& inv) {
    const int n = order();
    inv.resize(n, n);
    inv.setAllTo(0.0);
    for (int i = 0; i < n; ++i)
        inv[i][i] = 1.0;
    return solve(static_cast<omSubMatrix&>(inv));
}
