#pragma once
// The analysis model of one plane frame. It owns the node map, the element map,
// the load manager, the cross-section and material maps and the global
// stiffness matrix; offers the editing entry points through which the program
// builds and changes the model; binds the parts before an analysis, numbers the
// equations, solves load cases and keeps their results and envelopes.
//
// The program derives its drawable structure from this class and overrides the
// five map factories; everything else is used as it is.
#include "common/AStorageBase.h"
#include "model/omDofStructureType.h"
#include "model/omLoadCase.h"
#include "model/omLoadList.h"

#include <list>
#include <string>
#include <utility>
#include <vector>

class omCrossSection;
class omCrossSectionMap;
class omDesignElement;
class omElementMap;
class omLoad;
class omLoadManager;
class omMaterial;
class omMaterialMap;
class omNode;
class omNodeMap;
class omStiffnessMatrix;

class omStrakon : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()

public:
    using NumberedLoads = omLoadList::NumberedLoads;

    // solveLoadCase's result for a load case that cannot be made active.
    static constexpr int kCaseNotActive = -1;

    // No maps until setupObjects().
    omStrakon();
    // A structure owns its maps and matrix: it is never copied.
    omStrakon(const omStrakon&) = delete;
    omStrakon& operator=(const omStrakon&) = delete;
    ~omStrakon() override;

    // Creates the five maps through the factories; a missing one is reported (100).
    virtual void setupObjects();
    // Factories of the five maps; the structure owns what they return.
    virtual omNodeMap* createNodeMap();
    virtual omElementMap* createElementMap();
    virtual omLoadManager* createLoadManager();
    virtual omCrossSectionMap* createCrossSectionMap();
    virtual omMaterialMap* createMaterialMap();
    // The objects that addNode, addElement and addQuentraElement make from
    // numbers; a derived model makes its own kinds.
    virtual omNode* createNode(double x, double z, const std::string& unit, unsigned id);
    virtual omDesignElement* createLinearElement(omNodeMap& nodes, unsigned node1, unsigned node2,
                                                 unsigned crossSection, unsigned material, unsigned id);
    virtual omDesignElement* createQuentraElement(omNodeMap& nodes, unsigned node1, unsigned node2,
                                                  unsigned crossSection, unsigned material, unsigned id);
    // Binds load groups, nodes, materials and cross-sections and divides the
    // members into finite elements. No node (1023) or no member (1024) is
    // reported and the binding goes on.
    virtual void bind();
    virtual void bindMaterial();
    virtual void bindCrossSection();
    // Numbers the equations, writes the model to the log and creates or resizes
    // the stiffness matrix.
    virtual void allocateStiffnessMatrix();

    void bindLoadGroups();
    // Kept for the program's solution sequence; there is nothing to set up.
    void setupStiffnessMatrix() {}

    const omDofStructureType* getStructureType() const { return m_structureType; }
    omNodeMap* getNodeMap() const { return m_nodeMap; }
    omElementMap* getElementMap() const { return m_elementMap; }
    omLoadManager* getLoadManager() const { return m_loadManager; }
    omCrossSectionMap* getCrossSectionMap() const { return m_crossSectionMap; }
    omMaterialMap* getMaterialMap() const { return m_materialMap; }
    // Null before the first allocateStiffnessMatrix.
    omStiffnessMatrix* getStiffnessMatrix() const { return m_stiffnessMatrix; }
    // Some member is not linear (set by addElement, recomputed by bind).
    bool hasNonlinearElements() const { return m_hasNonlinear; }

    void setDisplacementPrecision(double precision) { m_precision = precision; }
    double getDisplacementPrecision() const { return m_precision; }
    void setMaxIterations(unsigned n) { m_maxIterations = n; }
    unsigned getMaxIterations() const { return m_maxIterations; }

    // Editing. Every add... takes the object over. An object that cannot be
    // added (its number is taken, its group or owner is unknown) is reported,
    // deleted, and the call returns null or false.
    //
    // A plane node at (x, z) in the named unit; id 0 numbers it automatically.
    omNode* addNode(double x, double z, const std::string& unit, unsigned id);
    omNode* addNode(omNode* node, unsigned id);
    // A linear member between the nodes of those numbers.
    omDesignElement* addElement(unsigned node1, unsigned node2, unsigned crossSection, unsigned material,
                                unsigned id);
    // A second-order (Quentra) member between the nodes of those numbers.
    omDesignElement* addQuentraElement(unsigned node1, unsigned node2, unsigned crossSection,
                                       unsigned material, unsigned id);
    omDesignElement* addElement(omDesignElement* element, unsigned id);
    // A number of 0 keeps the object's own number.
    bool addCrossSection(omCrossSection* cs, unsigned id);
    bool addMaterial(omMaterial* m, unsigned id);
    bool addLoadGroup(const std::string& name);
    // The new case, or null.
    omLoadCase* addLoadCase(const std::string& name, omLoadCase::LimitState state);
    // Sets the factors only when the case was added.
    omLoadCase* addLoadCase(const std::string& name, omLoadCase::LimitState state, const omVector& factors);
    bool setLoadFactor(const std::string& name, const omVector& factors);
    bool addElementLoad(unsigned element, omLoad* load, const std::string& group);
    bool addNodeLoad(unsigned node, omLoad* load, const std::string& group);
    bool setSupport(unsigned node, omDofType dof, bool fixed);
    // The loads of group k leave the nodes and members into the two lists, so
    // that insertLoadGroup can give them back.
    void removeLoadGroup(int k, NumberedLoads* nodeLoads, NumberedLoads* elementLoads);
    void insertLoadGroup(int k, NumberedLoads* nodeLoads, NumberedLoads* elementLoads);
    // The members that use the node; asked before a node is deleted.
    int objectsUsingNode(const omNode* node, std::list<omDesignElement*>& out);
    // False when the node is not the map's node of its number.
    bool deleteNode(omNode* node);
    bool deleteNodes(std::list<omNode*>& nodes);
    bool deleteElement(omDesignElement* element);
    bool deleteElements(std::list<omDesignElement*>& elements);
    unsigned numOfDof() const;
    unsigned numOfElem(bool linear) const;

    // Analysis and results.
    void distributeElementLoad();
    // n divisions along every member (n + 1 points) plus the load points.
    void reserveResults(int n);
    bool areResultsValid() const;
    void clearResults();
    // Solves load case index (1-based) by Newton-Raphson: 0 when converged, -1
    // when the case cannot be made active, -2 when a member failed to assemble,
    // -3 without convergence, or the failing equation of a matrix that is not
    // positive definite. Results are stored (scaled by factor) only on success.
    // A case with non-linear members that fails after the first iteration is
    // solved again from rest in load increments before it is reported.
    int solveLoadCase(unsigned index, double factor);
    int solveLoadCase(const std::string& name);
    // The last solution's total displacements (all DOFs in equation order) and
    // reactions; empty before the stiffness matrix exists.
    const omVector& getDisplacements() const;
    const omVector& getReactions() const;
    void skewCreepDisplacementsToResults(bool skew, bool creep, unsigned lc);
    // Envelope k, or with 0 every envelope after reserving their storage.
    void calcEnvelopes(unsigned k);

private:
    // Frees an object that was handed over but could not be added.
    template <class T> static T* refuse(T* object);
    // Newton-Raphson iterations of the active load case from the total
    // displacements U, at most the maximum number; the elements see the
    // iterations numbered from firstIteration (1 makes them start from rest).
    // Returns 0 when converged, -2 after reporting a member that failed to
    // assemble, -3 without convergence, or the failing equation of a matrix
    // that is not positive definite; iteration is the last one taken.
    int newtonRaphson(omVector& U, omVector& S, const std::string& name, unsigned firstIteration,
                      unsigned& iteration);
    // Solves the active load case (number index) again from rest, raising its
    // loads in increments that halve when one fails and double when one
    // converges quickly. Returns 0 at the full load; otherwise reports why the
    // smallest increment failed and leaves U at the last load level reached.
    int solveInIncrements(unsigned index, omVector& U, omVector& S, const std::string& name);
    // Reports a failed solution: 1022 for a failing equation, 1026 for -3.
    void reportFailure(int result, const std::string& name) const;

    const omDofStructureType* m_structureType;
    omNodeMap* m_nodeMap = nullptr;
    omElementMap* m_elementMap = nullptr;
    omLoadManager* m_loadManager = nullptr;
    omCrossSectionMap* m_crossSectionMap = nullptr;
    omMaterialMap* m_materialMap = nullptr;
    omStiffnessMatrix* m_stiffnessMatrix = nullptr;
    bool m_hasNonlinear = false;
    double m_precision = 1e-5;
    unsigned m_maxIterations = 10;
};
