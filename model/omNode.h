#pragma once
// A point of the structure carrying one set of DOFs of a layout. Per DOF it
// keeps whether a support holds it, whether an element uses it and its equation
// number; it owns its loads of all load groups, keeps its results per load case
// and its envelopes, and knows its coordinates with the skew (initial sway
// imperfection) and creep offsets that the analysis adds.
//
// omNode is abstract; omNode2D (omNode2D.h) is the plane-frame node and
// omLinkedNode (omLinkedNode.h) a node that shares a master's DOFs except where
// a link is released.
#include "common/AStorageBase.h"
#include "common/omUndoList.h"
#include "common/omUnitValue.h"
#include "model/omDofVector.h"
#include "model/omId.h"
#include "model/omLoadList.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class omLoad;
class omLoadManager;
class omNodeLoadGroup;
class omNodeMap;
class omStiffnessMatrix;

// The extremes of one envelope at a node: first the maxima, then the minima.
struct omNodeEnvelope : std::pair<omDofVector, omDofVector> {
    explicit omNodeEnvelope(const omDofStructureType* type)
        : std::pair<omDofVector, omDofVector>(type, type) {}
};

class omNode : public omId, public omUndoObject, public AStorageBase {
    DECLARE_STORAGE_INTERFACE()
    // The structure file's serialiser reads and writes the stored fields directly.
    friend class ASINode;
    friend class ASIStrakon;

public:
    // Which offsets the coordinates include.
    enum CoorType : int { coorPlain = 0, coorSkew = 1, coorCreep = 2, coorSkewCreep = 3 };
    using NumberedLoads = omLoadList::NumberedLoads;

    // Deletes the load list with its loads, the results and the envelopes.
    ~omNode() override;
    // A node owns its load list: two nodes must never share one.
    omNode& operator=(const omNode&) = delete;

    // A new copy the caller owns.
    virtual omNode* clone() const = 0;
    // The coordinate or offset of a DOF direction; null where the node has none.
    virtual const omUnitValue* getCoor(omDofType t, CoorType c) const;
    virtual int dof() const;
    // The type of DOF i (1-based).
    virtual omDofType dofType(int i) const;
    virtual int dofIndex(const omDofType& t) const;
    virtual int space() const = 0;
    virtual void move(const omVector& v, omUnitKey unit) = 0;
    virtual omVector getVector(omUnitKey unit, CoorType c) const = 0;
    virtual void setCoor(const omVector& v, const std::string& unit) = 0;
    // False (error 1003) for a DOF type outside the layout.
    virtual bool setSupport(omDofType t, bool on);
    virtual bool useDof(omDofType t, bool on);
    // 0 for none.
    virtual unsigned equation(omDofType t) const;
    // True when the DOF is supported and so yields a reaction.
    virtual bool reaction(omDofType t) const;
    virtual void resetEquationIndexes();
    // Numbers the used DOFs: free ones from equation, supported ones from
    // reaction; a DOF that no element uses is reported (1017).
    virtual bool setupEquationIndexes(unsigned& equation, unsigned& reaction);
    // Moves the numbers of the supported DOFs behind the free ones.
    virtual bool setupReactionIndexes(unsigned offset);
    // A new default node of this kind.
    virtual omNode* create() const = 0;
    // Categories 1 and 2 of the calculation log.
    virtual void logFileReport() const;
    // A new load list of this node, which the caller owns.
    virtual omNodeLoadGroup* createLoadGroup(const omLoad* load);

    // With unit key 1 (cm).
    omVector getVector(CoorType c) const { return getVector(omUK_cm, c); }
    // The first two coordinates of getVector(c) in cm, without a vector: the
    // elements read their geometry at every assembly and result point.
    virtual void getPlanePoint(CoorType c, double& x, double& z) const;

    void setName(const std::string& name) { m_name = name; }
    const std::string& getName() const { return m_name; }
    // "7: A" with both, "7" or "A" with one (at most 200 characters).
    std::string getIdName(bool withId, bool withName) const;
    // The names of the supported DOFs run together ("UxRy"); empty for none.
    std::string getSupportString() const;
    const omDofStructureType* getDofStructureType() const { return m_type; }
    bool is2D() const { return space() == 2; }
    bool is3D() const { return space() == 3; }
    bool getSupport(omDofType t) const { return reaction(t); }
    bool isSupported() const;
    bool isFree() const;

    // Takes the load over, creating the load list on the first load, and gives
    // the load the node's layout.
    void addLoad(omLoad* load);
    // Deletes the load list and its loads.
    void resetLoad();
    const omNodeLoadGroup* getLoad() const { return m_loads.get(); }
    omNodeLoadGroup* getLoad() { return m_loads.get(); }
    void bindLoadGroups(const omLoadManager* manager);
    void insertLoadGroup(int k);
    void removeLoadGroup(int k, NumberedLoads* removed);
    bool setupForceVector(const omStiffnessMatrix& K, omVector& F) const;
    void setPrescribedDisplacement(omVector& U, int n) const;

    // One zero result per load case of the manager.
    void reserveResults(const omLoadManager* manager);
    // Per DOF: the reaction R(e - nEq) when supported, the displacement U(e)
    // when free, 0 without an equation. Nothing without reserved results.
    void storeResults(unsigned lc, unsigned nEq, const omVector& U, const omVector& R);
    // The stored value in cm or rad when free, in kN or kNcm when supported.
    omUnitValue getResult(unsigned lc, omDofType t) const;
    bool areResultsValid(const omLoadManager* manager) const;
    void clearResults();
    // One envelope per envelope of the manager, maxima at the lowest and minima
    // at the highest double.
    void reserveEnvelope(const omLoadManager* manager);
    void calcEnvelope(unsigned i, const omLoadManager* manager);
    // Envelope i (1-based).
    const omNodeEnvelope& getEnvelope(unsigned i) const;
    // The stored result of load case lc (1-based) and envelope i (1-based), or
    // null without one, silently: drawing asks for cases that an edit has
    // cleared or that were deleted since the last solution.
    const omDofVector* findResult(unsigned lc) const;
    const omNodeEnvelope* findEnvelope(unsigned i) const;

    // Category 9: the node's loads.
    void logFileLoadReport() const;
    // Category 20: the node's displacements and reactions.
    void logFileNodeResults(const omVector& U, const omVector& R, int nEq) const;

protected:
    // The layout is not owned.
    omNode(const omDofStructureType* type, unsigned id);
    // The number, layout, supports, used flags, equation numbers, name and a
    // clone of the load list; not the results nor the envelopes.
    omNode(const omNode& other);
    void copy(const omNode& other);

    // The 0-based slot of t in the per-DOF arrays, or -1 when the layout lacks it.
    int slot(omDofType t) const;
    void reportMissingDof(omDofType t) const;
    // The node type and the layout's name in the log report.
    void logFileNodeType() const;
    // Numbers one DOF by the rule of setupEquationIndexes.
    void numberDof(int i, unsigned& equation, unsigned& reaction);

    const omDofStructureType* m_type;
    std::vector<bool> m_supports;
    std::vector<bool> m_used;
    std::vector<unsigned> m_equations;

private:
    friend class omNodeMap;
    // Sets one DOF of the result of load case lc; false for a bad case number.
    bool setResult(unsigned lc, omDofType t, double value);

    std::unique_ptr<omNodeLoadGroup> m_loads;
    std::vector<omDofVector> m_results;
    std::vector<omNodeEnvelope> m_envelopes;
    std::string m_name;
};
