#pragma once
// A geometrically exact plane beam element with shear deformation. Inside the
// element the unknowns are not displacements but the Legendre coefficients of
// the curvature and the force and moment at the first end: the forces along
// the element follow from them and the loads by equilibrium on the deformed
// axis, the curvature is interpolated, and the constitutive and kinematic
// conditions hold in the weak sense of the element's Gauss points. The
// internal unknowns are condensed out, so that the global solution sees an
// ordinary 6 by 6 tangent and six end forces.
//
// The rotation of a cross-section is the first end's rotation plus the
// integral of the curvature. The conditions are the stationarity of one
// discrete mixed functional (the complementary energy of the axial force and
// the shear, the energy of the bending, the work of the end forces and of the
// applied moments); its exact derivatives give a symmetric condensed tangent.
// Every load counts: concentrated forces and moments, distributed forces and
// moments, temperature. The integration is cut at the loads' positions, so
// that under small loads the element gives the linear element's end forces.
//
// Unknowns m_U: a_0 .. a_(p-1), the curvature coefficients; Rx0 and Rz0, the
// force resultant at the first end in element axes; M0, the bending moment at
// the first end.
#include "model/elements/omLinearLineFE2D.h"
#include "rezavud/omMatrix.h"
#include "rezavud/omVector.h"

#include <vector>

class omSolmarFE : public omLinearLineFE2D {
public:
    // p = 2 curvature terms, three Gauss points, all unknowns 0.
    omSolmarFE();
    omSolmarFE(const omSolmarFE& other);
    omSolmarFE& operator=(const omSolmarFE& other);
    ~omSolmarFE() override;

    // Adds the condensed tangent and end forces. On iteration 1 the internal
    // unknowns start from 0. False, with nothing added, when a DOF of an end
    // node has no equation number or the internal conditions are singular.
    bool setupGlobalKAndF(const omVector* U, omStiffnessMatrix* K, omVector* S, unsigned n) override;
    // Newton step of the internal unknowns for the global increment dU; returns
    // the largest absolute change.
    double solveInternalEquations(const omVector& dU) override;
    // The normal force and shear force in the rotated cross-section and the
    // bending moment from equilibrium, all from the element's own unknowns.
    omForceVector internalForceAt(double x, const omVector& U) override;
    // The x and z displacements in element axes integrated along the deformed
    // axis, and the rotation of the cross-section.
    omDisplacementVector displacementAt(double x, const omVector& U) override;
    // Also resets the internal unknowns.
    void clearLoad() override;
    // The unknowns of m_U, which the next assembly starts from.
    std::vector<double> iterationState() const override;
    void setIterationState(const std::vector<double>& state) override;

    const omVector& getInternalUnknowns() const { return m_U; }

private:
    struct PointLoad {
        double a, Fx, Fz, M;
    };
    struct LinearLoad {
        double a, b;
        double qx[2], qz[2], m[2];
    };
    // The values at one point along the element.
    struct Section {
        double P[13], PS[13];
        double kappa, theta, Rx, Rz, c, s, N, Q, eps, gamma, Mc;
    };

    // Reads the geometry, section, material, loads and end displacements (in
    // element axes, from U) that every computation works on.
    void prepare(const omVector& U);
    // The Gauss points and weights that integrate from 0 to x, the stretch cut
    // at every load position so that the integrands are smooth on each piece.
    void gaussPoints(double x, std::vector<double>& xs, std::vector<double>& ws) const;
    Section sectionAt(double x) const;
    // The growth of the deformed axis's projection on the element axis per unit
    // length: (1 + ε)·cos θ + γ·sin θ - 1.
    static double axialStretch(const Section& q);
    // The gradient (by κ, θ, Rx, Rz) and Hessian of the section's part of the
    // functional.
    void sectionDerivatives(const Section& q, double grad[4], double hess[4][4]) const;
    // The distributed moment at x.
    double momentIntensity(double x) const;

    double f_P(unsigned i, double x) const;
    double f_PS(unsigned i, double x) const;
    double f_Kappa(double x) const;
    // The rotation of the cross-section at x relative to the first end.
    double f_Fi(double x) const;
    // The force resultant at x: the first end's minus the loads up to x (a
    // concentrated load at a ≤ x counts).
    void f_R(double x, double& Rx, double& Rz) const;
    // The moment of the applied moments (distributed and concentrated) up to x.
    double f_IntM(double x) const;
    void f_Constituition(double x, double kappa, double N, double Q, double& eps, double& gamma, double& Mc,
                         double& C11, double& C13, double& C33p, double& GAs) const;
    // M(x) = M0 + ∫((1 + ε)Q - γN) - f_IntM(x). With A not null also its
    // derivatives by Rx0 (A), Rz0 (B), the first end's rotation (C) and the
    // curvature coefficients (Dp[0 .. p-1]).
    double f_M_ABCDp(double x, double* A, double* B, double* C, double* Dp) const;
    // Eliminates the internal unknowns; false when K11 is singular, with
    // nothing changed.
    bool f_Condense(omMatrix& K11, omMatrix& K12, omMatrix& K21, omMatrix& K22, omVector& S1, omVector& S2);
    double x0L_to_x11(double x) const { return 2.0 * x / m_L - 1.0; }
    double x11_to_x0L(double xi) const { return (xi + 1.0) * m_L / 2.0; }

    double m_L = 0.0;
    double m_angle = 0.0;
    omVector m_U;
    // One point more than curvature terms: the integrands of a member under a
    // linearly varying load reach degree five, which three points integrate
    // exactly, so that small loads give the linear element's results.
    unsigned m_nGauss = 3;
    unsigned m_p = 2;
    omVector m_Z1;
    omMatrix m_L12;

    // Working values of the current computation (see prepare).
    omVector m_Ue;
    std::vector<PointLoad> m_pointLoads;
    std::vector<LinearLoad> m_linearLoads;
    std::vector<double> m_breaks;
    double m_epsT = 0.0;
    double m_kappaT = 0.0;
    double m_C11 = 0.0;
    double m_C13 = 0.0;
    double m_EI = 0.0;
    double m_GAs = 0.0;
};
