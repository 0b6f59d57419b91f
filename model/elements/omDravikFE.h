#pragma once
// The geometrically exact plane beam element without shear deformation: the
// cross-section stays normal to the deformed axis however far it turns. Its
// unknowns are the force resultant at the first end and the cross-section
// rotations at m_N equally spaced points, interpolated by Lagrange polynomials.
// The element equations are the gradient of a mixed functional, so the element
// tangent is symmetric. The interior rotations and the two forces are condensed
// out by LU factorisation, and the element gives the Newton-Raphson solution an
// ordinary 6 by 6 tangent and six end forces.
//
// Equilibrium along the element is exact: the force resultant follows from the
// end force and the distributed loads, N and Q are its components in the turned
// cross-section, and the moment equilibrium, the axial kinematics and the
// constitutive law hold in the weak (Gauss-point) sense.
#include "model/elements/omLinearLineFE2D.h"
#include "rezavud/omMatrix.h"
#include "rezavud/omVector.h"

class omSymMatrix;

class omDravikFE : public omLinearLineFE2D {
public:
    // The number of rotation points (polynomial degree m_N - 1) of the elements
    // constructed from now on. Each element keeps the number it was built with,
    // so a change never reaches elements that exist already. Set it through
    // SetPolyDegree, which keeps it within what the element can use.
    inline static unsigned m_N = 5;
    // Kept for the program's options; no computation reads it.
    inline static bool m_bLobato = false;

    // m_N = degree + 1 for degrees 2 to 8. Any other degree is refused (false,
    // m_N unchanged): beyond 8 there is no polynomial table, and with degree 1
    // the rotation is linear, which leaves the shear force of a straight
    // element undetermined, so that no element could be condensed.
    static bool SetPolyDegree(unsigned degree);
    static void SetLobato(bool lobato) { m_bLobato = lobato; }
    static constexpr unsigned kMinPoints = 3;
    static constexpr unsigned kMaxPoints = 9;

    // Sized by m_N: the unknowns all 0 and as many Gauss points as rotation points.
    omDravikFE();
    omDravikFE(const omDravikFE& other);
    omDravikFE& operator=(const omDravikFE& other);
    ~omDravikFE() override;

    // Adds the condensed tangent and end forces (global axes) into K and S, each
    // when given. On iteration 1 the element's unknowns start from 0 and the
    // temperature strain and curvature are taken from the loads. False, with
    // nothing added, when an end DOF has no equation number, when the element
    // has no length, material or cross-section, or when its internal equations
    // cannot be condensed (a singular block or values that are not finite).
    bool setupGlobalKAndF(const omVector* U, omStiffnessMatrix* K, omVector* S, unsigned iteration) override;
    // Updates the unknowns from the global increment with the condensation of
    // the last assembly; returns the largest change of the condensed unknowns
    // (the end rotations, being global DOFs, do not count). 0 and no change
    // without a condensation to work from.
    double solveInternalEquations(const omVector& dU) override;
    // N, Q and the constitutive moment at the relative position x, from the
    // element's current unknowns.
    omForceVector internalForceAt(double x, const omVector& U) override;
    // u, w (element axes) and the rotation at the relative position x: the
    // first node's displacements plus the integral of the deformed axis.
    omDisplacementVector displacementAt(double x, const omVector& U) override;
    // Also sets the unknowns to 0.
    void clearLoad() override;
    // The unknowns of m_U, which the next assembly starts from.
    std::vector<double> iterationState() const override;
    void setIterationState(const std::vector<double>& state) override;

    // The number of rotation points of this element.
    unsigned pointCount() const { return m_n; }
    // Rx0, Rz0, φ_0 .. φ_(n-1).
    const omVector& getUnknowns() const { return m_U; }

protected:
    // Value (derivative 0) or slope d/dx (derivative 1) at x (0 .. L) of the
    // Lagrange polynomial of rotation point i.
    double f_P(unsigned i, double x, unsigned derivative) const;
    // φ(x) (derivative 0) and κ(x) = φ'(x) (derivative 1).
    double f_Fi(double x, unsigned derivative) const;
    // The force resultant at x: the end force minus the distributed loads on [0, x].
    void f_R(double x, double& Rx, double& Rz) const;
    // The distributed moment load at x.
    double f_m(double x) const;
    // The temperature strain and curvature of the element's temperature loads.
    void f_T(double& epsT, double& kappaT) const;
    // Subtracts the concentrated loads at the element's ends from S.
    void f_S(omVector& S) const;
    // The axial strain and the constitutive moment for the curvature kappa and
    // the normal force N, with the section stiffnesses.
    void f_Constituition(double x, double kappa, double N, double& eps, double& Mc, double& C11, double& C12,
                         double& C22p) const;
    // Splits the element matrix and gradient into the internal and external
    // parts and eliminates the internal unknowns: K22 and S2 become the
    // condensed tangent and end forces, m_Z1 and m_L12 keep what the update of
    // the internal unknowns needs. False, with nothing changed, when the
    // internal block is singular or a result is not finite.
    bool f_Condense(const omSymMatrix& K, omSymMatrix& K22, const omVector& S, omVector& S2);
    double x0L_to_x11(double x) const { return 2.0 * x / m_L - 1.0; }
    double x11_to_x0L(double xi) const { return (xi + 1.0) * m_L / 2.0; }

    // The gradient S and the symmetric derivative K of the element functional
    // by the unknown vector (Rx0, Rz0, φ_0 .. φ_(n-1), u1, w1, u2, w2), at the
    // element-axes end displacements U2 and the element's own unknowns; the
    // end rotations of U2 become φ_0 and φ_(n-1). False when the element has no
    // length, material or cross-section.
    bool f_Element(const omVector& U2, omSymMatrix& K, omVector& S);

    // The element's length and angle as the last assembly found them.
    double m_L = 0.0;
    double m_angle = 0.0;
    // Rx0, Rz0, φ_0 .. φ_(n-1).
    omVector m_U;
    unsigned m_nGauss = 0;
    double m_epsT = 0.0;
    double m_kappaT = 0.0;
    // K11⁻¹ S1 and K11⁻¹ K12 of the last condensation.
    omVector m_Z1;
    omMatrix m_L12;

private:
    // Reads the length and angle from the nodes.
    void refreshGeometry();
    // The section's stiffnesses: false when the element lacks its material or
    // cross-section or they give no positive axial and bending stiffness.
    bool sectionReady() const;

    // The number of rotation points, fixed at construction.
    unsigned m_n = 0;
};
