#pragma once
// A symmetric n x n matrix stored as its lower triangle, packed row by row: the
// element of 0-based row i and column j (i >= j) lies at i(i+1)/2 + j, and an
// element above the diagonal is read from its mirror. Row i of the triangle is
// contiguous and is also column i of the upper triangle.
#include "rezavud/omVector.h"

#include <iosfwd>

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
    double& operator()(int i, int j) { return m_packed[index(i - 1, j - 1)]; }
    double operator()(int i, int j) const { return m_packed[index(i - 1, j - 1)]; }
    double& at(int i, int j) { return m_packed[index(i - 1, j - 1)]; }
    double at(int i, int j) const { return m_packed[index(i - 1, j - 1)]; }
    // 0-based.
    double& atC(int i, int j) { return m_packed[index(i, j)]; }
    double atC(int i, int j) const { return m_packed[index(i, j)]; }
    // The start of 0-based row i of the triangle.
    double* getColumn(int i) { return static_cast<double*>(m_packed) + rowStart(i); }
    const double* getColumn(int i) const { return static_cast<const double*>(m_packed) + rowStart(i); }
    // The k-th packed element, 0-based.
    double& direct(int k) { return m_packed[k]; }
    double direct(int k) const { return m_packed[k]; }

    void setAllTo(double x) { m_packed.setAllTo(x); }
    void multiply(double f) { m_packed.multiplyBy(f); }
    void divide(double f) { m_packed.divideBy(f); }
    void changeSign() { m_packed.multiplyBy(-1.0); }
    // Over the shorter of the two packed vectors.
    void add(const omSymMatrix& m) { m_packed.add(m.m_packed); }
    bool isEqual(const omSymMatrix& m) const { return m_packed.isEqual(m.m_packed); }
    bool operator==(const omSymMatrix& m) const { return isEqual(m); }
    bool operator!=(const omSymMatrix& m) const { return !isEqual(m); }
    // Every packed element strictly less than m's.
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
    static long index(long i, long j) { return i >= j ? rowStart(i) + j : rowStart(j) + i; }

    omVector m_packed;
    int m_n = 0;
};

// The full matrix, every row mirrored from the triangle:
// "{ 1: { 4, 2 },\n  2: { 2, 3 } }\n"
std::ostream& operator<<(std::ostream& os, const omSymMatrix& m);
