#pragma once
// A resizable vector of doubles, the plain container on which the analysis
// computes. Two index conventions live side by side: operator(), at and every
// range argument are 1-based; atC, operator[] and the searches ending in C are
// 0-based. No accessor checks its index: the caller keeps indexes in range.
#include "common/AStorageBase.h"

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <utility>

class omSubMatrix;

// The numbers are fixed: callers pass them as plain integers, and 3 also means
// the Euclidean length.
enum NormType { normSum = 0, normEuclidean = 1, normMax = 2 };

class omVector : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()

public:
    omVector() = default;
    explicit omVector(int n);
    omVector(int n, const double* values);
    omVector(const omVector& v);
    omVector(omVector&& v) noexcept;
    // The elements first .. first+count-1 (1-based) of v, cut at v's end.
    omVector(const omVector& v, int first, int count);
    ~omVector() override;

    omVector& operator=(const omVector& v);
    omVector& operator=(omVector&& v) noexcept;

    // Values up to the smaller of the two sizes survive, new places are 0.0.
    int resize(int n);
    int copy(const omVector& v);
    int absCopy(const omVector& v);
    int size() const { return m_size; }

    operator double*() { return m_data.get(); }
    operator const double*() const { return m_data.get(); }

    // 1-based access.
    double& operator()(int i) { return m_data[i - 1]; }
    double operator()(int i) const { return m_data[i - 1]; }
    double& at(int i) { return m_data[i - 1]; }
    double at(int i) const { return m_data[i - 1]; }
    // 0-based access.
    double& atC(int i) { return m_data[i]; }
    double atC(int i) const { return m_data[i]; }
    // Indexed by std::ptrdiff_t, the index type of the built-in subscript that the
    // pointer conversion offers too, so that no index type is ambiguous.
    double& operator[](std::ptrdiff_t i) { return m_data[i]; }
    double operator[](std::ptrdiff_t i) const { return m_data[i]; }

    // Range transfers; all indexes 1-based, each returns the number of elements moved.
    int getFrom(const omVector& src, int from, int count, int to, bool grow);
    int putInto(omVector& dst, int to, int count, int from, bool grow) const;
    omVector& addAt(const omVector& src, int from, int count, int to);
    // Removes the elements first .. next-1.
    void remove(int first, int next);

    // Element by element over the smaller of the two sizes.
    omVector& add(const omVector& v);
    omVector& subtract(const omVector& v);
    // this = a + b (a - b), sized to the smaller of the two; returns the size.
    int sum(const omVector& a, const omVector& b);
    int difference(const omVector& a, const omVector& b);
    omVector& multiplyBy(double f);
    omVector& divideBy(double f);
    omVector& changeSign();
    void setAllTo(double x);
    void normalize();
    // this = m v, sized to m's rows; returns the size.
    int multiply(const omSubMatrix& m, const omVector& v);

    double scalarProduct(const omVector& v) const;
    double abs() const;
    double norm(NormType t) const;

    // The first of equal extremes wins; -1 (1-based: 0) when there is none.
    int indexOfMinElementC() const;
    int indexOfMaxElementC() const;
    int indexOfMinElement() const { return indexOfMinElementC() + 1; }
    int indexOfMaxElement() const { return indexOfMaxElementC() + 1; }
    // Only for a vector whose search yields an element.
    double& findMin() { return m_data[indexOfMinElementC()]; }
    double findMin() const { return m_data[indexOfMinElementC()]; }
    double& findMax() { return m_data[indexOfMaxElementC()]; }
    double findMax() const { return m_data[indexOfMaxElementC()]; }

    // Exact comparisons. The relational ones run over this vector's size only and
    // hold for an empty vector.
    bool isEqual(const omVector& v) const;
    bool operator==(const omVector& v) const { return isEqual(v); }
    bool operator!=(const omVector& v) const { return !isEqual(v); }
    bool isPartlyEqual(const omVector& v, int n) const;
    bool operator<(const omVector& v) const;
    bool lessOrEqual(const omVector& v) const;
    bool operator>(const omVector& v) const;
    bool greaterOrEqual(const omVector& v) const;
    bool isNull() const;

private:
    // Replaces the elements by an array of n doubles whose values the caller fills.
    void adopt(std::unique_ptr<double[]> data, int n);

    int m_size = 0;
    std::unique_ptr<double[]> m_data; // null when m_size is 0
};

// "{ 3: 1, 2, 3 }"
std::ostream& operator<<(std::ostream& os, const omVector& v);
// Reads what follows the opening brace and the size's separator as values
// separated by white space. On malformed input the stream fails and the vector
// keeps its old contents.
std::istream& operator>>(std::istream& is, omVector& v);
