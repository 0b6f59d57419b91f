#pragma once
// A geometrically non-linear plane beam element in a mixed formulation. The
// transverse displacement is interpolated by the four cubic end functions of
// the linear element plus three internal (bubble) modes; the axial part is
// carried by one axial-force variable; the axial strain is of second order,
// ε = u' + φ²/2. The bubble amplitudes and the axial force are internal
// unknowns: they are condensed out at every assembly, so that the global
// Newton-Raphson solution sees an ordinary 6 by 6 tangent and six end forces,
// and they are updated after each global solution. The tangent is the exact
// derivative of the element forces.
//
// Parameters U0..U8: the end displacements in element axes (u1, w1, φ1, u2,
// w2, φ2) and the amplitudes of the three internal modes.
#include "model/elements/omLinearLineFE2D.h"
#include "rezavud/omMatrix.h"
#include "rezavud/omVector.h"

class omQuentraFE : public omLinearLineFE2D {
public:
    // Five Gauss points, nine parameters, every value 0.
    omQuentraFE();
    omQuentraFE(const omQuentraFE& other);
    omQuentraFE& operator=(const omQuentraFE& other);
    ~omQuentraFE() override;

    // Both K and S are required. On iteration 1 the internal unknowns start
    // from 0. False, with nothing added, when K or S is missing, a DOF of an end
    // node has no equation number or the internal modes cannot be condensed
    // (their stiffness is not positive definite).
    bool setupGlobalKAndF(const omVector* U, omStiffnessMatrix* K, omVector* S, unsigned n) override;
    // Newton step of the internal unknowns for the global increment dU; returns
    // the larger of the Euclidean norm of the mode increments and the change of
    // the axial force.
    double solveInternalEquations(const omVector& dU) override;
    // The linear recovery from the end forces of the last assembly, plus the
    // second-order moment of the axial force on the rotations.
    omForceVector internalForceAt(double x, const omVector& U) override;
    // Deflection and rotation from the shape functions, the axial displacement
    // from the strain of the axis.
    omDisplacementVector displacementAt(double x, const omVector& U) override;
    // Also resets the internal unknowns.
    void clearLoad() override;
    void beginResults(const omVector& U) override;
    void endResults() override;

    const omVector& getParameters() const { return m_U; }
    double getAxialForce() const { return m_Nd; }
    // The end forces in element axes of the last assembly, before condensation.
    const omVector& getEndForces() const { return m_S; }
    // The unknowns of m_U and the axial force, which the next assembly starts from.
    std::vector<double> iterationState() const override;
    void setIterationState(const std::vector<double>& state) override;

protected:
    // The resultant of the axial loads between the first node and x (a
    // concentrated load at a ≤ x counts): the axial force at x is the force at
    // the first node minus it.
    double axialLoad(double x) const;
    // ∫ from 0 to x of axialLoad, in closed form: the axial force jumps and
    // kinks at the loads, which no Gauss rule over the element integrates.
    double axialLoadIntegral(double x) const;
    // The section at curvature κ and axial force N: the strain of the axis Dn
    // and the bending moment M, with the thermal strains of the element, and
    // the stiffnesses E·A, E·S, E·I. Always true.
    bool DnMASI(double kappa, double N, double& Dn, double& M, double& EA, double& ES, double& EI) const;
    // Subtracts the transverse forces and moments of the loads (as readLoads
    // gives them for the length L) from the generalised force of transverse
    // parameter i. Always true.
    bool lateralAndBendingLoad(double& S, int i, double L, const std::vector<PointLoad>& loads) const;
    // The thermal part of the generalised force of parameter i, whose curvature
    // function at the Gauss points is kappaI.
    double temperatureLoad_S(const double* kappaI) const;
    // The thermal elongation of the element.
    double temperatureLoad_Rd() const;
    // Eliminates the axial force and then the internal modes from the element
    // matrix K (9 by 9), the forces S (9), the compatibility residual Rd, the
    // axial coupling g (9) and the axial flexibility f. Afterwards the leading
    // 6 by 6 block of K and the first six entries of S are the condensed matrix
    // and end forces. False when the modes' stiffness is not positive definite.
    bool condensation(omMatrix& K, omVector& S, double Rd, const omVector& g, double f);
    // The n Gauss points of [a, b] (x) and the rotation there (fi) for the
    // parameters U.
    void int_Xq_Fi(double a, double b, const omVector& U, unsigned n, omVector& x, omVector& fi) const;

private:
    // An axial load as axialLoad reads it: the load's factor, its stretch and
    // its axial intensities (a concentrated load: its force, a = b).
    struct AxialLoad {
        bool concentrated = false;
        double f = 0.0;
        double a = 0.0, b = 0.0;
        double na = 0.0, nb = 0.0;
    };
    // Every concentrated and linear load of a non-zero factor, read once.
    void axialLoads(std::vector<AxialLoad>& loads) const;
    static double axialLoad(double x, const std::vector<AxialLoad>& loads);
    static double axialLoadIntegral(double x, const std::vector<AxialLoad>& loads);

    // int_Xq_Fi for the length L.
    void phiAtGaussPoints(double a, double b, const omVector& U, unsigned n, double L, omVector& x,
                          omVector& fi) const;
    // The parameters with the end displacements of U and the modes of m_U.
    omVector currentParameters(const omVector& U) const;
    double modulus() const;

    int m_nGauss = 5;
    int m_nPar = 9;
    omVector m_U;
    double m_Nd = 0.0;
    omVector m_r;
    double m_c = 0.0;
    omMatrix m_A;
    omVector m_b;
    omVector m_S;
    // Kept between beginResults and endResults, never copied: the loads, the
    // parameters for the displacements m_resultsU and the length.
    std::vector<AxialLoad> m_axialLoads;
    bool m_axialLoadsKept = false;
    const omVector* m_resultsU = nullptr;
    omVector m_resultsP;
    double m_resultsL = 0.0;
};
