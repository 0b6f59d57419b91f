#pragma once
// The common base of every finite element that lies on a straight line between
// two nodes. A member divides itself into such elements; the element map and the
// structure object talk to each of them only through the virtual operations
// below: during the assembly of the tangent stiffness matrix and the element
// forces, during the update of internal unknowns, and when internal forces and
// displacements are recovered for result diagrams.
//
// Element vectors and matrices are ordered (u1, w1, φ1, u2, w2, φ2): the x and z
// displacements and the rotation of the first node, then of the second. In
// element axes x runs from the first to the second node and z is normal to it;
// φ = -dw/dx.
#include "model/omDofVector.h"

#include <vector>

class omCrossSection;
class omLoad;
class omMaterial;
class omNode;
class omStiffnessMatrix;
class omVector;

class omLineFE {
public:
    // Null nodes, cross-section and material, no loads, creep coefficient 0.
    omLineFE();
    // Each element owns the loads in its list, so a copy gets clones of them
    // rather than a second reference to the same objects.
    omLineFE(const omLineFE& other);
    omLineFE& operator=(const omLineFE& other);
    // Deletes the loads still listed.
    virtual ~omLineFE();

    // Tells both end nodes that the element uses their DOF types 0, 2 and 4;
    // true when every node accepted every type.
    virtual bool markUsedDofInNodes() = 0;
    // Internal DOFs of an element of its own; the line elements of this system have none.
    virtual omNode* createInternalNode() = 0;
    virtual const omNode* getInternalNode() const = 0;
    virtual void setInternalNode() = 0;
    virtual int internalDOF() const = 0;
    // Adds the element's tangent stiffness (global axes) into K and its end
    // forces into S at the equation numbers of its six DOFs, at the total
    // displacements U (1-based equation order). K and S may be null; n is the
    // current Newton-Raphson iteration. False on failure.
    virtual bool setupGlobalKAndF(const omVector* U, omStiffnessMatrix* K, omVector* S, unsigned n) = 0;
    // Updates the element's internal unknowns from the global increment and
    // returns a non-negative measure of their change.
    virtual double solveInternalEquations(const omVector& dU) = 0;
    // At the relative position x (0 at the first node, 1 at the second) for the
    // global displacements U: the normal force, shear force and bending moment,
    // and the x and z displacements in element axes and the rotation.
    virtual omForceVector internalForceAt(double x, const omVector& U) = 0;
    virtual omDisplacementVector displacementAt(double x, const omVector& U) = 0;
    // Around the recovery of many result points for one set of displacements
    // U: in between, the element may keep what the points share (its geometry,
    // end displacements, material values and loads) and use it for calls with
    // this U, which must not change meanwhile. The results are the same as
    // without.
    virtual void beginResults(const omVector& U);
    virtual void endResults();
    // internalForceAt and displacementAt at once, into vectors the caller keeps.
    virtual void resultsAt(double x, const omVector& U, omForceVector& F, omDisplacementVector& D);
    // The element takes the load over; the destructor deletes it unless
    // clearLoad has dropped it first.
    virtual void addLoad(omLoad* load);
    // Empties the list without deleting anything: whoever added the loads owns
    // the cleared ones again.
    virtual void clearLoad();
    // The unknowns that the element carries from one Newton-Raphson iteration
    // to the next (none when it has no unknowns of its own), so that a solution
    // by load increments can return to the last equilibrium it reached.
    virtual std::vector<double> iterationState() const { return {}; }
    virtual void setIterationState(const std::vector<double>& state) { (void)state; }

    // The nodes, cross-section and material are not owned.
    void setNode1(const omNode* node) { m_node1 = node; }
    void setNode2(const omNode* node) { m_node2 = node; }
    const omNode* getNode1() const { return m_node1; }
    const omNode* getNode2() const { return m_node2; }
    void setMaterial(const omMaterial* material) { m_material = material; }
    void setCrossSection(const omCrossSection* crossSection) { m_crossSection = crossSection; }
    void setCreepFi(double fi) { m_creepFi = fi; }
    // The loads in the order of addition.
    const std::vector<omLoad*>& getLoads() const { return m_loads; }

    // Identity and address order.
    bool operator==(const omLineFE& other) const { return this == &other; }
    bool operator<(const omLineFE& other) const { return this < &other; }

    // Widens the profile of the global stiffness matrix (first[i]: the first
    // column of 0-based row i; from row listedFrom on, listed[i - listedFrom]:
    // the columns of the row, in any order) so that it holds every coupling
    // between the equations of the element's two end nodes, where
    // setupGlobalKAndF adds.
    void addToProfile(std::vector<int>& first, int listedFrom, std::vector<std::vector<int>>& listed) const;

    // The distance between the end nodes, skew and creep offsets included, so
    // that offsets set on the nodes change the element's geometry.
    double length() const;

protected:
    // The strain of the axis and the curvature with which the element's
    // temperature loads (each times its factor) would lengthen and bend it if
    // it were free.
    struct Thermal {
        double eps = 0.0;
        double kappa = 0.0;
    };
    // Zero without a material or cross-section.
    Thermal thermal() const;
    // The factor with which the element applies a load: its group's factor when
    // the group is active, otherwise 0 (and 0 for a load without a bound group).
    static double loadFactor(const omLoad* load);
    // The entries of v followed by `extra` more (zero), as an iteration state;
    // and back: v takes the first entries of a state of exactly v's size plus
    // `extra`, false (v unchanged) for any other size.
    static std::vector<double> stateOf(const omVector& v, size_t extra = 0);
    static bool takeState(const std::vector<double>& state, omVector& v, size_t extra = 0);
    // Reduces a concentrated force (type 0) or a linear load (type 2) to the
    // positions a and b along the element (in length units, from the first
    // node) and the force vectors in element axes at them; for a concentrated
    // force a = b and only F1 is written. Other types write nothing. The group
    // factor is not applied. Always true.
    bool parseLoad(const omLoad* load, double L, double angle, double& a, double& b, omForceVector& F1,
                   omForceVector& F2) const;

    const omNode* m_node1 = nullptr;
    const omNode* m_node2 = nullptr;
    // Kept and copied for elements with a node of their own; the line elements here do not read it.
    const omNode* m_node3 = nullptr;
    const omCrossSection* m_crossSection = nullptr;
    const omMaterial* m_material = nullptr;
    // Owned, in the order of addition.
    std::vector<omLoad*> m_loads;
    // The creep coefficient with which the material's modulus is read.
    double m_creepFi = 0.0;
};
