#pragma once
// Gauss-Legendre points and weights on [-1, 1] for 1 to 10 points, abscissae in
// ascending order. An n-point rule integrates polynomials of degree 2n - 1 exactly.
class omGaussianQuadratureWeights {
public:
    omGaussianQuadratureWeights() = default;
    virtual ~omGaussianQuadratureWeights();

    // The n abscissae (weights) of the n-point rule, n = 1 .. 10.
    static const double* getX(unsigned n) { return X[n - 1]; }
    static const double* getA(unsigned n) { return A[n - 1]; }

    static const double X1[1], X2[2], X3[3], X4[4], X5[5], X6[6], X7[7], X8[8], X9[9], X10[10];
    static const double A1[1], A2[2], A3[3], A4[4], A5[5], A6[6], A7[7], A8[8], A9[9], A10[10];
    static const double* const X[10];
    static const double* const A[10];
};
