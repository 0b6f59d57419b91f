#pragma once
// A view of a rectangular block of a matrix through an array of row pointers.
// The view owns its row-pointer array but never the doubles it addresses, so it
// must not outlive (or survive a resize of) the matrix it views. Element
// formulations address blocks of their matrices through views without copying.
#include <iosfwd>
#include <memory>

class omSubMatrix {
public:
    omSubMatrix() = default;
    // The block of m that begins at the 1-based position (firstRow, firstCol) and
    // has nRows x nCols elements. Views of views are allowed.
    omSubMatrix(const omSubMatrix& m, int firstRow, int firstCol, int nRows, int nCols);
    // The new view addresses the same elements as m.
    omSubMatrix(const omSubMatrix& m);
    omSubMatrix& operator=(const omSubMatrix& m);
    void copy(const omSubMatrix& m);
    virtual ~omSubMatrix();

    int nRows() const { return m_nRows; }
    int nCols() const { return m_nCols; }
    int isSquare() const { return m_nRows == m_nCols ? 1 : 0; }
    double** getPointerColumn() { return m_rows.get(); }

    // 1-based access.
    double& operator()(int i, int j) { return m_rows[i - 1][j - 1]; }
    double operator()(int i, int j) const { return m_rows[i - 1][j - 1]; }
    double& valAt_F(int i, int j) { return m_rows[i - 1][j - 1]; }
    double valAt_F(int i, int j) const { return m_rows[i - 1][j - 1]; }
    // 0-based access.
    double& valAt(int i, int j) { return m_rows[i][j]; }
    double valAt(int i, int j) const { return m_rows[i][j]; }
    double* operator[](int i) { return m_rows[i]; }
    const double* operator[](int i) const { return m_rows[i]; }

    // 1 when the block ends inside this view; the lower bounds are not tested.
    virtual int isValidRange(int row, int col, int nRows, int nCols) const;

    void setAllTo(double x);
    // 1 for the same dimensions and exactly equal elements.
    int isEqual(const omSubMatrix& m) const;
    bool operator==(const omSubMatrix& m) const { return isEqual(m) != 0; }
    bool operator!=(const omSubMatrix& m) const { return isEqual(m) == 0; }
    // Element by element over this view's dimensions.
    void add(const omSubMatrix& m);
    void subtract(const omSubMatrix& m);
    void multiply(double f);
    void divide(double f);
    void changeSign();
    void abs();

protected:
    // Takes the dimensions and a copy of m's row pointers.
    void assignView(const omSubMatrix& m);

    std::unique_ptr<double*[]> m_rows; // the array owned, the rows not; null for 0 rows
    int m_nRows = 0;
    int m_nCols = 0;
};

// "{ 2 x 2 :\n 1: {1, 2}, \n 2: {3, 4}, \n}"; serves omMatrix too.
std::ostream& operator<<(std::ostream& os, const omSubMatrix& m);
