#include "rezavud/omCholesky.h"

#include "rezavud/omMatrix.h"
#include "rezavud/omSymMatrix.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {
// The factor lies in the matrix's own packed layout.
constexpr long (&rowStart)(long) = omSymMatrix::rowStart;
} // namespace

omCholesky::omCholesky(omSymMatrix& m) : m_matrix(m) {}

int omCholesky::blockSize() const {
    // A derived matrix that claims more than it holds must not lead us outside it.
    return std::clamp(m_matrix.solveSize(), 0, m_matrix.size());
}

void omCholesky::findProfile(int s) {
    m_first.assign(s, 0);
    m_last.resize(s);
    for (int c = 0; c < s; ++c)
        m_last[c] = c;
    for (int i = 0; i < s; ++i) {
        const double* row = m_matrix.getColumn(i);
        int j = m_matrix.firstColumn(i);
        // A whole triangle: the values tell where its rows begin.
        if (!m_matrix.hasProfile())
            while (j < i && row[j] == 0.0)
                ++j;
        m_first[i] = j;
        m_last[j] = std::max(m_last[j], i);
    }
    // Row i reaches every column from its first one onwards.
    for (int c = 1; c < s; ++c)
        m_last[c] = std::max(m_last[c], m_last[c - 1]);
}

int omCholesky::makeTransformation() {
    if (!m_matrix.profileIntact())
        throw std::logic_error("an element outside the matrix's profile was written");
    const int s = blockSize();
    if (s == 0) return 0;
    if (s > m_matrix.listedFrom()) throw std::logic_error("rows with listed columns are not factorised");
    findProfile(s);
    for (int c = 0; c < s; ++c) {
        double* rowC = m_matrix.getColumn(c);
        const int firstC = m_first[c];
        double sum = 0.0;
        for (int k = firstC; k < c; ++k)
            sum += rowC[k] * rowC[k];
        const double d = rowC[c] - sum;
        if (!(d > 0.0)) return c + 1;
        const double pivot = std::sqrt(d);
        rowC[c] = pivot;
        const int last = m_last[c];
        for (int i = c + 1; i <= last; ++i) {
            const int firstI = m_first[i];
            if (firstI > c) continue;
            double* rowI = m_matrix.getColumn(i);
            double t = 0.0;
            for (int k = std::max(firstI, firstC); k < c; ++k)
                t += rowI[k] * rowC[k];
            rowI[c] = (rowI[c] - t) / pivot;
        }
    }
    return 0;
}

int omCholesky::makeTransformationFull() {
    if (m_matrix.hasProfile()) throw std::logic_error("the whole-triangle loops need a whole triangle");
    const int s = blockSize();
    m_first.clear();
    m_last.clear();
    if (s == 0) return 0;
    double* a = m_matrix.getColumn(0);
    for (int c = 0; c < s; ++c) {
        double* rowC = a + rowStart(c);
        double sum = 0.0;
        for (int k = 0; k < c; ++k)
            sum += rowC[k] * rowC[k];
        const double d = rowC[c] - sum;
        if (!(d > 0.0)) return c + 1;
        const double pivot = std::sqrt(d);
        rowC[c] = pivot;
        for (int i = c + 1; i < s; ++i) {
            double* rowI = a + rowStart(i);
            double t = 0.0;
            for (int k = 0; k < c; ++k)
                t += rowI[k] * rowC[k];
            rowI[c] = (rowI[c] - t) / pivot;
        }
    }
    return 0;
}

double omCholesky::detLog10() const {
    const int s = blockSize();
    double sum = 0.0;
    for (int i = 0; i < s; ++i)
        sum += std::log10(m_matrix.atC(i, i));
    return sum;
}

bool omCholesky::solve(double* b) {
    const int s = blockSize();
    if (s == 0) return true;
    if (s > m_matrix.listedFrom()) throw std::logic_error("rows with listed columns are not factorised");
    // Known after makeTransformation; a factor made elsewhere is scanned once.
    if (static_cast<int>(m_first.size()) != s) findProfile(s);
    for (int i = 0; i < s; ++i) {
        const double* row = m_matrix.getColumn(i);
        double sum = 0.0;
        for (int j = m_first[i]; j < i; ++j)
            sum += row[j] * b[j];
        b[i] = (b[i] - sum) / row[i];
    }
    // Down column i of the factor, in ascending rows as always. The rows of a
    // profile are short, so the few rows that reach column i stay in the cache
    // from one column to the next. A row that begins after column i holds 0
    // there: its product would add nothing to the sum.
    for (int i = s - 1; i >= 0; --i) {
        double sum = 0.0;
        const int last = m_last[i];
        for (int j = i + 1; j <= last; ++j)
            if (m_first[j] <= i) sum += m_matrix.getColumn(j)[i] * b[j];
        b[i] = (b[i] - sum) / m_matrix.getColumn(i)[i];
    }
    return true;
}

bool omCholesky::solveFull(double* b) {
    if (m_matrix.hasProfile()) throw std::logic_error("the whole-triangle loops need a whole triangle");
    const int s = blockSize();
    if (s == 0) return true;
    const double* a = m_matrix.getColumn(0);
    b[0] = b[0] / a[0];
    for (int i = 1; i < s; ++i) {
        const double* row = a + rowStart(i);
        double sum = 0.0;
        for (int j = 0; j < i; ++j)
            sum += row[j] * b[j];
        b[i] = (b[i] - sum) / row[i];
    }
    for (int i = s - 1; i >= 0; --i) {
        double sum = 0.0;
        for (int j = i + 1; j < s; ++j)
            sum += a[rowStart(j) + i] * b[j];
        b[i] = (b[i] - sum) / a[rowStart(i) + i];
    }
    return true;
}

bool omCholesky::solve(omVector& b) {
    const int s = blockSize();
    if (b.size() < s) return false;
    return solve(static_cast<double*>(b));
}

bool omCholesky::solve(omMatrix& B) {
    const int s = blockSize();
    if (B.nRows() < s) return false;
    std::vector<double> column(B.nRows());
    for (int j = 0; j < B.nCols(); ++j) {
        for (int i = 0; i < B.nRows(); ++i)
            column[i] = B.valAt(i, j);
        solve(column.data());
        for (int i = 0; i < B.nRows(); ++i)
            B.valAt(i, j) = column[i];
    }
    return true;
}
