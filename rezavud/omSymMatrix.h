#pragma once
// A symmetric n x n matrix stored as its lower triangle, packed row by row: the
// element of 0-based row i and column j (i >= j) lies at i(i+1)/2 + j, and an
// element above the diagonal is read from its mirror. Row i of the triangle is
// contiguous and is also column i of the upper triangle.
//
// A large sparse matrix (the stiffness matrix of a structure) may keep a
// profile instead: each row only from its first column to the diagonal, rows
// one after another (a skyline). The profile is given, never found from the
// values. An element before a row's first column reads as 0; writing anything
// but 0 there is a programming error, which profileIntact() reveals. The last
// rows may instead keep only the columns listed for them (the rows of the
// supported equations, which couple with a few equations far apart); they are
// never factorised.
#include "rezavud/omVector.h"

#include <iosfwd>
#include <utility>
#include <vector>

class omSymMatrix {
public:
    explicit omSymMatrix(int n = 0);
    omSymMatrix(const omSymMatrix& m) = default;
    omSymMatrix& operator=(const omSymMatrix& m) = default;
    // Virtual so that a derived matrix (the stiffness matrix) can be deleted through this class.
    virtual ~omSymMatrix();

    long copy(const omSymMatrix& m);
    // Keeps the leading block of the old matrix; new elements are 0.0.
    long resize(int n);
    int size() const { return m_n; }
    // The number of leading rows and columns that omCholesky factorises and
    // solves. A derived matrix may keep trailing rows out of it.
    virtual int solveSize() const { return m_n; }

    // 1-based; either order of i and j reaches the same element.
    double& operator()(int i, int j) { return element(i - 1, j - 1); }
    double operator()(int i, int j) const { return value(i - 1, j - 1); }
    double& at(int i, int j) { return element(i - 1, j - 1); }
    double at(int i, int j) const { return value(i - 1, j - 1); }
    // 0-based.
    double& atC(int i, int j) { return element(i, j); }
    double atC(int i, int j) const { return value(i, j); }
    // Element j of 0-based row i of the triangle lies at getColumn(i)[j]; with
    // a profile only for j from firstColumn(i) to i, and only in rows before listedFrom().
    double* getColumn(int i) { return static_cast<double*>(m_packed) + rowOffset(i); }
    const double* getColumn(int i) const { return static_cast<const double*>(m_packed) + rowOffset(i); }
    // The k-th stored element, 0-based.
    double& direct(int k) { return m_packed[k]; }
    double direct(int k) const { return m_packed[k]; }
    // The number of stored elements.
    long storedSize() const { return m_packed.size(); }

    // Replaces the matrix by one of order n that keeps row i from column
    // first[i] (0 <= first[i] <= i, 0-based) to the diagonal, every element 0.
    // The last listed.size() rows keep only the columns listed for them
    // (ascending, at most the row; the diagonal is always kept), and their
    // entries of first are not read. Throws std::invalid_argument for a
    // profile that does not fit n.
    void setProfile(int n, const std::vector<int>& first, const std::vector<std::vector<int>>& listed = {});
    // The first row that keeps listed columns (size() when none does).
    int listedFrom() const { return m_listedFrom < 0 ? m_n : m_listedFrom; }
    bool hasProfile() const { return !m_first.empty(); }
    // The first stored column of 0-based row i: 0 without a profile.
    int firstColumn(int i) const { return m_first.empty() ? 0 : m_first[i]; }
    // False once something other than 0 was written before the profile of a row.
    bool profileIntact() const { return m_outside == 0.0; }

    // The stored elements only: with a profile, elements before it stay 0.
    void setAllTo(double x) { m_packed.setAllTo(x); }
    void multiply(double f) { m_packed.multiplyBy(f); }
    void divide(double f) { m_packed.divideBy(f); }
    void changeSign() { m_packed.multiplyBy(-1.0); }
    // Over the shorter of the two packed vectors; element by element when either has a profile.
    void add(const omSymMatrix& m);
    bool isEqual(const omSymMatrix& m) const;
    bool operator==(const omSymMatrix& m) const { return isEqual(m); }
    bool operator!=(const omSymMatrix& m) const { return !isEqual(m); }
    // Every stored element strictly less than m's.
    bool operator<(const omSymMatrix& m) const { return m_packed < m.m_packed; }
    // result = A v, sized to n.
    void multiply(const omVector& v, omVector& result) const;

    // The packed position of the first element of 0-based row i.
    static long rowStart(long i) { return i * (i + 1) / 2; }

protected:
    int calcSize(int n) const;
    // Afterwards i <= j.
    void checkSwap(int& i, int& j) const;

private:
    long rowOffset(int i) const { return m_first.empty() ? rowStart(i) : m_offset[i]; }
    double& element(int i, int j) {
        if (i < j) std::swap(i, j);
        if (!m_first.empty() && j < m_first[i]) return m_outside;
        if (m_listedFrom >= 0 && i >= m_listedFrom) {
            const long k = listedPosition(i, j);
            return k < 0 ? m_outside : m_packed[k];
        }
        return m_packed[rowOffset(i) + j];
    }
    double value(int i, int j) const {
        if (i < j) std::swap(i, j);
        if (!m_first.empty() && j < m_first[i]) return 0.0;
        if (m_listedFrom >= 0 && i >= m_listedFrom) {
            const long k = listedPosition(i, j);
            return k < 0 ? 0.0 : m_packed[k];
        }
        return m_packed[rowOffset(i) + j];
    }
    // The stored position of column j of a listed row i, or -1.
    long listedPosition(int i, int j) const;

    omVector m_packed;
    int m_n = 0;
    // The profile: empty for the whole triangle; otherwise row i's first
    // column and the position of its element 0 (element j at m_offset[i] + j).
    std::vector<int> m_first;
    std::vector<long> m_offset;
    // Rows from m_listedFrom on (-1: none) keep the columns
    // m_listed[m_listStart[r] .. m_listStart[r + 1] - 1], r = i - m_listedFrom,
    // stored from m_listBase on in the same order.
    int m_listedFrom = -1;
    std::vector<long> m_listStart;
    std::vector<int> m_listed;
    long m_listBase = 0;
    // What a caller wrote before a row's profile.
    double m_outside = 0.0;
};

// The full matrix, every row mirrored from the triangle:
// "{ 1: { 4, 2 },\n  2: { 2, 3 } }\n"
std::ostream& operator<<(std::ostream& os, const omSymMatrix& m);
