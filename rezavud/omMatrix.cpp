#include "rezavud/omMatrix.h"

#include <algorithm>
#include <cstring>
#include <utility>

omMatrix::omMatrix(int nRows, int nCols) {
    resize(nRows, nCols);
}

omMatrix::omMatrix(int nRows, int nCols, const double* values) {
    resize(nRows, nCols);
    if (m_values) std::memcpy(m_values.get(), values, sizeof(double) * m_nRows * m_nCols);
}

omMatrix::omMatrix(const omSubMatrix& m) : omSubMatrix() {
    copy(m);
}

omMatrix::omMatrix(const omMatrix& m) : omSubMatrix() {
    copy(m);
}

omMatrix::omMatrix(omMatrix&& m) noexcept : omSubMatrix() {
    adopt(m);
}

omMatrix& omMatrix::operator=(const omMatrix& m) {
    if (this == &m) return *this;
    if (m.m_nRows > 0 && m.m_nCols > 0)
        copy(m);
    else
        deallocate();
    return *this;
}

omMatrix& omMatrix::operator=(omMatrix&& m) noexcept {
    if (this != &m) adopt(m);
    return *this;
}

omMatrix::~omMatrix() = default;

void omMatrix::allocate(int nRows, int nCols) {
    m_values.reset(new double[static_cast<size_t>(nRows) * nCols]);
    m_rows.reset(new double*[nRows]);
    for (int i = 0; i < nRows; ++i)
        m_rows[i] = m_values.get() + static_cast<size_t>(i) * nCols;
    m_nRows = nRows;
    m_nCols = nCols;
}

void omMatrix::deallocate() {
    m_rows.reset();
    m_values.reset();
    m_nRows = 0;
    m_nCols = 0;
}

void omMatrix::adopt(omMatrix& built) {
    m_values = std::move(built.m_values);
    m_rows = std::move(built.m_rows);
    m_nRows = std::exchange(built.m_nRows, 0);
    m_nCols = std::exchange(built.m_nCols, 0);
}

long omMatrix::copy(const omSubMatrix& m) {
    if (m.nRows() > 0 && m.nCols() > 0 && this != &m) {
        omMatrix built;
        built.allocate(m.nRows(), m.nCols());
        for (int i = 0; i < m.nRows(); ++i)
            std::memcpy(built.m_rows[i], m[i], sizeof(double) * m.nCols());
        adopt(built);
    }
    return static_cast<long>(m_nRows) * m_nCols;
}

long omMatrix::resize(int nRows, int nCols) {
    if (nRows <= 0 || nCols <= 0) {
        deallocate();
        return 0;
    }
    omMatrix built;
    built.allocate(nRows, nCols);
    std::fill_n(built.m_values.get(), static_cast<size_t>(nRows) * nCols, 0.0);
    const int keepRows = std::min(nRows, m_nRows);
    const int keepCols = std::min(nCols, m_nCols);
    for (int i = 0; i < keepRows; ++i)
        std::memcpy(built.m_rows[i], m_rows[i], sizeof(double) * keepCols);
    adopt(built);
    return static_cast<long>(m_nRows) * m_nCols;
}

void omMatrix::sum(const omMatrix& a, const omMatrix& b) {
    omMatrix built;
    if (a.m_nRows > 0 && a.m_nCols > 0) built.allocate(a.m_nRows, a.m_nCols);
    for (int i = 0; i < a.m_nRows; ++i)
        for (int j = 0; j < a.m_nCols; ++j)
            built.m_rows[i][j] = a.m_rows[i][j] + b.m_rows[i][j];
    adopt(built);
}

void omMatrix::difference(const omMatrix& a, const omMatrix& b) {
    omMatrix built;
    if (a.m_nRows > 0 && a.m_nCols > 0) built.allocate(a.m_nRows, a.m_nCols);
    for (int i = 0; i < a.m_nRows; ++i)
        for (int j = 0; j < a.m_nCols; ++j)
            built.m_rows[i][j] = a.m_rows[i][j] - b.m_rows[i][j];
    adopt(built);
}

void omMatrix::multiply(const omMatrix& a, const omMatrix& b) {
    omMatrix built;
    built.resize(a.m_nRows, b.m_nCols);
    for (int i = 0; i < built.m_nRows; ++i)
        for (int k = 0; k < built.m_nCols; ++k) {
            double s = 0.0;
            for (int j = 0; j < b.m_nRows; ++j)
                s += a.m_rows[i][j] * b.m_rows[j][k];
            built.m_rows[i][k] = s;
        }
    adopt(built);
}

void omMatrix::transpose(const omMatrix& a) {
    omMatrix built;
    if (a.m_nRows > 0 && a.m_nCols > 0) built.allocate(a.m_nCols, a.m_nRows);
    for (int i = 0; i < built.m_nRows; ++i)
        for (int j = 0; j < built.m_nCols; ++j)
            built.m_rows[i][j] = a.m_rows[j][i];
    adopt(built);
}
