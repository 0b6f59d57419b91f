#pragma once
// A polynomial of degree n over a coefficient array that it does not own: c(i)
// is the coefficient of x^i. Copies share the array.
class omPolynom {
public:
    // c must hold n + 1 coefficients and outlive the polynomial.
    omPolynom(unsigned n, const double* c) : m_degree(n), m_coefficients(c) {}
    omPolynom(const omPolynom&) = default;
    omPolynom& operator=(const omPolynom&) = default;
    virtual ~omPolynom();

    void set(unsigned n, const double* c) {
        m_degree = n;
        m_coefficients = c;
    }
    unsigned getDegree() const { return m_degree; }
    // The k-th derivative at x (k = 0: the value); 0.0 for k above the degree and
    // for a polynomial without coefficients.
    double at(double x, unsigned k) const;
    double operator()(double x, unsigned k) const { return at(x, k); }

private:
    unsigned m_degree;
    const double* m_coefficients;
};

// One of the nine shape polynomials of the force-based beam element, in ξ on
// [-1, 1]. Indexes 1 and 4 have no polynomial.
class omQuentraPolynom : public omPolynom {
public:
    // index 1 to 9.
    explicit omQuentraPolynom(unsigned index);
    ~omQuentraPolynom() override;

    // Degrees and coefficient arrays of indexes 1 to 9 (null where there is none).
    static const unsigned D[9];
    static const double* const CI[9];
};
