// Factorises a small symmetric positive-definite system with the packed
// Cholesky solver and prints the solution and the determinant's logarithm.
#include "rezavud/omCholesky.h"
#include "rezavud/omSymMatrix.h"
#include "rezavud/omVector.h"

#include <iostream>

int main() {
    omSymMatrix a(3);
    a(1, 1) = 4.0;
    a(2, 1) = 2.0;
    a(2, 2) = 5.0;
    a(3, 1) = -2.0;
    a(3, 2) = 1.0;
    a(3, 3) = 6.0;
    const double values[] = {4.0, 8.0, 5.0};
    omVector b(3, values);

    std::cout << "A =\n" << a << "b = " << b << '\n';

    omCholesky cholesky(a);
    if (const int row = cholesky.makeTransformation(); row != 0) {
        std::cerr << "The matrix is not positive definite (row " << row << ").\n";
        return 1;
    }
    cholesky.solve(b);
    std::cout << "x = " << b << '\n' << "detLog10 = " << cholesky.detLog10() << '\n';
    return 0;
}
