#pragma once
// The plane beam finite element of a linear member: an Euler-Bernoulli beam
// with axial stiffness, optionally resting on an elastic (Winkler) ground that
// may act on one side only. It gives the Newton-Raphson solution its stiffness
// matrix and end forces, and recovers the internal forces and displacements at
// any point exactly from its end forces and loads. The non-linear elements
// derive from it for its index, extraction and transformation operations.
//
// A one-sided ground makes the element non-linear: its ground stiffness depends
// on the current deflection. The ground matrix and reaction are recomputed from
// the current displacements at every assembly and recovery; the tangent used
// is the secant ground matrix of the current contact pattern.
#include "model/elements/omLineFE.h"
#include "rezavud/omVector.h"

#include <vector>

class ACubicFunction;
class omSymMatrix;

// Where the ground acts: nowhere, everywhere, where the local deflection w is
// positive, or where it is negative.
enum ElGroundType { egNone = 0, egBothSides = 1, egPositiveSide = 2, egNegativeSide = 3 };

class omLinearLineFE2D : public virtual omLineFE {
public:
    // No end forces yet, no ground.
    omLinearLineFE2D();
    omLinearLineFE2D(const omLinearLineFE2D& other);
    omLinearLineFE2D& operator=(const omLinearLineFE2D& other);
    ~omLinearLineFE2D() override;

    bool markUsedDofInNodes() override;
    // The element has no internal DOFs: null, null, nothing and 0.
    omNode* createInternalNode() override;
    const omNode* getInternalNode() const override;
    void setInternalNode() override;
    int internalDOF() const override;
    // False when a DOF of an end node has no equation number; a failing
    // stiffness assembly leaves S untouched.
    bool setupGlobalKAndF(const omVector* U, omStiffnessMatrix* K, omVector* S, unsigned n) override;
    // 0: the element has no internal unknowns.
    double solveInternalEquations(const omVector& dU) override;
    // Both start from the end forces of the last force assembly, so they expect
    // the element forces to have been assembled for the same displacements.
    omForceVector internalForceAt(double x, const omVector& U) override;
    omDisplacementVector displacementAt(double x, const omVector& U) override;
    void beginResults(const omVector& U) override;
    void endResults() override;
    // Without temporary vectors when F and D have the frame's layout.
    void resultsAt(double x, const omVector& U, omForceVector& F, omDisplacementVector& D) override;

    // k is the modulus of subgrade reaction in kN/cm3; the reaction per unit
    // length is k times the cross-section's breadth times the deflection.
    void setElasticGround(double k, ElGroundType type);
    double getElGroundCoef() const { return m_elGroundCoef; }
    ElGroundType getElGroundType() const { return m_elGroundType; }

    // atan2(dz, dx) in radians from the first to the second node, skew and creep offsets included.
    double angle() const;
    // Ue = the six end displacements in element axes, taken from the global
    // vector U (1-based equation order). Ue is left as it was when a DOF has no
    // equation number. Always false; no caller uses the result.
    bool extractDisplacement(const omVector& U, omVector& Ue) const;
    // Turns the two displacement pairs of a 6-vector, or the 6 by 6 matrix
    // (R K Rᵀ, only the stored triangle), between element and global axes;
    // toLocal false turns element values into global ones. Nothing changes for
    // alpha 0. Always true.
    bool transform(omVector& v, double alpha, bool toLocal) const;
    bool transform(omSymMatrix& K, double alpha, bool toLocal) const;

protected:
    // length() and angle() from one reading of the nodes: the recovery needs
    // both at every result point.
    void chord(double& L, double& alpha) const;
    // extractDisplacement for an angle the caller has already found.
    bool extractDisplacement(const omVector& U, omVector& Ue, double alpha) const;
    // e is set to one array of six equation numbers (first node's DOF types 0,
    // 2, 4, then the second node's), shared by all elements and valid until the
    // next call. False when any number is 0.
    bool setupIndex(int*& e) const;
    // The 6 by 6 stiffness matrix, in element axes for alpha 0 and otherwise
    // directly in global axes, with the ground matrix of the displacements Ue added.
    bool constructK(omSymMatrix& K, const omVector& Ue, double alpha);
    // The end forces K Ue - f_eq of the element-axes displacements Ue: the
    // element's resisting forces minus the equivalent forces of its loads. They
    // are kept in element axes in m_F and returned in global axes (alpha not 0).
    bool constructF(const omVector& Ue, omVector& F, double alpha);
    // Adds the element matrix Ke (global axes, stored triangle) into K and the
    // end forces Se into S at the equations e (1-based), each pair when both
    // are given. False, with nothing added, when an equation is 0 or lies
    // beyond K or S.
    static bool addToGlobal(const int* e, const omSymMatrix* Ke, omSymMatrix* K, const omVector* Se,
                            omVector* S);
    // Adds the element matrix into the packed lower triangle of K.
    bool setupStiffnessMatrix(const omVector& Ue, omStiffnessMatrix& K);
    bool setupElementForces(const omVector& Ue, omVector& S);
    // (N, V, M) or (u, w, φ) in element axes at the relative position x, from
    // the first-node end forces of F, the loads, the ground and U.
    omDofVector internalAt(const omVector& F, double x, const omVector& U, bool displacements);

    // K = the integrals of N_i N_j from a to b (transverse DOFs 1, 2, 4, 5) in element axes.
    void setGroundK(double a, double b, omSymMatrix& K) const;
    // The ground matrix of the contact pattern of Ue, times k b, in the axes of alpha.
    void constructGroundK(omSymMatrix& K, const omVector& Ue, double alpha) const;
    // The cubic deflection w(x), x from 0 to L, of the transverse end displacements of Ue.
    void calculateW(const omVector& Ue, ACubicFunction& w) const;
    // 0, the real zeroes of w strictly inside the element, L, ascending: the
    // bounds of the stretches on which w keeps its sign.
    void calculateWZeroes(const ACubicFunction& w, std::vector<double>& z) const;
    // Forces: r1 = ∫ w, r2 = ∫ w (x - ξ); displacements: r1 = -∫ w (x - ξ)³/6,
    // r2 = ∫ w (x - ξ)²/2; all from a to x.
    void integrateW(ACubicFunction& w, double a, double x, double& r1, double& r2, bool displacements) const;
    // The ground reaction's part of internalAt over the active part of [0, x].
    omDofVector internalAtGround(double x, const omVector& Ue, bool displacements) const;

    // A concentrated or linear load as the recovery reads it: its positions
    // along the element and its components in element axes at them, each
    // times the load's factor f (the end values only for a linear load).
    struct PointLoad {
        const omLoad* load = nullptr;
        double f = 0.0;
        // The end's axial intensity, before the factor, is not 0.
        bool axialAtEnd = false;
        bool concentrated = false;
        double a = 0.0, b = 0.0;
        double n = 0.0, p = 0.0, m = 0.0;
        double nb = 0.0, pb = 0.0, mb = 0.0;
    };
    // What every result point of the displacements U shares.
    struct ResultState {
        const omVector* U = nullptr;
        // False without a material or a cross-section: every result is 0.
        bool complete = false;
        bool ground = false;
        double L = 0.0, alpha = 0.0;
        double E = 0.0, A = 0.0, I = 0.0;
        // The temperature loads' normal force and moment of a free element.
        double NT = 0.0, MT = 0.0;
        omVector Ue = omVector(6);
        std::vector<PointLoad> loads;
    };
    // The concentrated and linear loads of a non-zero factor, for the element's length and angle.
    void readLoads(double L, double alpha, std::vector<PointLoad>& loads) const;
    void prepareResults(const omVector& U, ResultState& state) const;
    // internalAt for the state's displacements.
    void evaluateAt(const ResultState& state, const omVector& F, double xRel, bool displacements,
                    double D[3]) const;

    // The end forces in element axes as the last constructF left them.
    omVector m_F;
    // Kept between beginResults and endResults; never copied.
    ResultState m_results;
    bool m_resultsKept = false;
    double m_elGroundCoef = 0.0;
    ElGroundType m_elGroundType = egNone;
};
