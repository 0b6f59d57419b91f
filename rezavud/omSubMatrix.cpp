#include "rezavud/omSubMatrix.h"

#include <cmath>
#include <ostream>

omSubMatrix::omSubMatrix(const omSubMatrix& m, int firstRow, int firstCol, int nRows, int nCols)
    : m_nRows(nRows > 0 ? nRows : 0), m_nCols(nCols) {
    if (m_nRows == 0) return;
    m_rows.reset(new double*[m_nRows]);
    for (int k = 0; k < m_nRows; ++k)
        m_rows[k] = m.m_rows[firstRow - 1 + k] + (firstCol - 1);
}

omSubMatrix::omSubMatrix(const omSubMatrix& m) {
    assignView(m);
}

omSubMatrix& omSubMatrix::operator=(const omSubMatrix& m) {
    if (this != &m) assignView(m);
    return *this;
}

void omSubMatrix::copy(const omSubMatrix& m) {
    if (this != &m) assignView(m);
}

omSubMatrix::~omSubMatrix() = default;

void omSubMatrix::assignView(const omSubMatrix& m) {
    std::unique_ptr<double*[]> rows;
    if (m.m_rows && m.m_nRows > 0) {
        rows.reset(new double*[m.m_nRows]);
        for (int k = 0; k < m.m_nRows; ++k)
            rows[k] = m.m_rows[k];
    }
    m_rows = std::move(rows);
    m_nRows = m.m_nRows;
    m_nCols = m.m_nCols;
}

int omSubMatrix::isValidRange(int row, int col, int nRows, int nCols) const {
    return (row + nRows - 1 <= m_nRows && col + nCols - 1 <= m_nCols) ? 1 : 0;
}

void omSubMatrix::setAllTo(double x) {
    if (!m_rows) return;
    for (int i = 0; i < m_nRows; ++i)
        for (int j = 0; j < m_nCols; ++j)
            m_rows[i][j] = x;
}

int omSubMatrix::isEqual(const omSubMatrix& m) const {
    if (m_nRows != m.m_nRows || m_nCols != m.m_nCols) return 0;
    for (int i = 0; i < m_nRows; ++i)
        for (int j = 0; j < m_nCols; ++j)
            if (m_rows[i][j] != m.m_rows[i][j]) return 0;
    return 1;
}

void omSubMatrix::add(const omSubMatrix& m) {
    for (int i = 0; i < m_nRows; ++i)
        for (int j = 0; j < m_nCols; ++j)
            m_rows[i][j] += m.m_rows[i][j];
}

void omSubMatrix::subtract(const omSubMatrix& m) {
    for (int i = 0; i < m_nRows; ++i)
        for (int j = 0; j < m_nCols; ++j)
            m_rows[i][j] -= m.m_rows[i][j];
}

void omSubMatrix::multiply(double f) {
    for (int i = 0; i < m_nRows; ++i)
        for (int j = 0; j < m_nCols; ++j)
            m_rows[i][j] *= f;
}

void omSubMatrix::divide(double f) {
    multiply(1.0 / f);
}

void omSubMatrix::changeSign() {
    multiply(-1.0);
}

void omSubMatrix::abs() {
    for (int i = 0; i < m_nRows; ++i)
        for (int j = 0; j < m_nCols; ++j)
            m_rows[i][j] = std::fabs(m_rows[i][j]);
}

std::ostream& operator<<(std::ostream& os, const omSubMatrix& m) {
    os << "{ " << m.nRows() << " x " << m.nCols() << " :";
    for (int i = 0; i < m.nRows(); ++i) {
        os << "\n " << i + 1 << ": {";
        for (int j = 0; j < m.nCols(); ++j) {
            if (j > 0) os << ", ";
            os << m.valAt(i, j);
        }
        os << "}, ";
    }
    return os << "\n}";
}
