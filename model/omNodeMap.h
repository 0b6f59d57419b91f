#pragma once
// The nodes of a structure, keyed by number, and a second, non-owning list of
// external nodes: nodes of elements (linked member-end nodes with a released
// link, element-internal nodes) that take part in the analysis. Over both it
// numbers the equations of the global system: free DOFs 1 to neq, supported
// DOFs neq + 1 to neq + nreac, both in node order (map nodes by ascending
// number, then the external nodes in the order they were added) and within a
// node in layout order.
#include "common/AStorageBase.h"
#include "model/omIndexMap.h"
#include "model/omNode.h"

#include <vector>

class omNodeMap : public omIndexMap<omNode>, public AStorageBase {
    DECLARE_STORAGE_INTERFACE()

public:
    omNodeMap() = default;
    // A deep copy of the map's nodes; the same external nodes and counters.
    omNodeMap(const omNodeMap& other);
    omNodeMap& operator=(const omNodeMap& other);
    // Deletes the map's nodes; the external nodes stay with their elements.
    ~omNodeMap() override;

    unsigned getNumberOfEquations() const { return m_equations; }
    unsigned getNumberOfReactions() const { return m_reactions; }

    // Not owned. An external node with an anchor (a node of this map) takes
    // its equation numbers right after the anchor's instead of after all map
    // nodes: the interior nodes of a divided member then lie beside its end
    // nodes in the equation order, which keeps the matrix's profile as narrow
    // as that of the undivided structure.
    void addExternalNode(omNode* node, const omNode* anchor = nullptr);
    void clearExternalNodes() {
        m_external.clear();
        m_anchors.clear();
    }
    const std::vector<omNode*>& getExternalNodes() const { return m_external; }

    // One walk over the map nodes in ascending number; nested walks of the
    // same map are not possible.
    void start_ii() const { m_ii = table().begin(); }
    bool stop_ii() const { return m_ii == table().end(); }
    void increment_ii() const { ++m_ii; }
    omNode* object_ii() { return m_ii->second; }
    const omNode* object_ii() const { return m_ii->second; }

    // The first map node whose coordinates with all offsets (in cm) equal v exactly.
    omNode* findCoor(const omVector& v);

    void resetEquationIndexes();
    bool setupEquationIndexes();
    bool setupForceVector(const omStiffnessMatrix& K, omVector& F);
    // Zeroes U(n + 1) to the end, then writes the prescribed displacements.
    void setPrescribedDisplacement(omVector& U, int n);

    // The node of that number takes the load; an unknown number is reported
    // (1016) and the load is deleted, since nothing else holds it.
    void addLoad(unsigned id, omLoad* load);
    void bindLoadGroups(const omLoadManager* manager);
    void removeLoadGroup(int k, omNode::NumberedLoads* removed);
    // Makes room for group k, then gives the listed loads back to their nodes
    // as loads of group k: the undo of removeLoadGroup.
    void insertLoadGroup(int k, omNode::NumberedLoads* loads);
    int getLoads(int group, bool forces, bool displacements, omNode::NumberedLoads& out) const;

    // Skew offsets from the inclination ratios rx and rz about the reference
    // coordinates z0 and x0: skew x = (z - z0) / rx, skew z = (x - x0) / rz,
    // zero for a zero ratio. Linked nodes follow their master.
    void setSkew(double rx, double rz, const omUnitValue& z0, const omUnitValue& x0);
    void resetSkew();
    // Creep offsets from the displacements of a solved creep case (U by
    // equation number); a DOF without an equation keeps no offset.
    void setCreep(const omVector& U);
    void resetCreep();
    // The offsets become the Ux and Uz results of load case lc.
    void skewCreepDisplacementsToResults(bool skew, bool creep, unsigned lc);

    void reserveResults(const omLoadManager* manager);
    void storeResults(unsigned lc, unsigned nEq, const omVector& U, const omVector& R);
    void clearResults();
    void reserveEnvelope(const omLoadManager* manager);
    void calcEnvelope(unsigned i, const omLoadManager* manager);
    bool areResultsValid(const omLoadManager* manager) const;

    // Categories 1, 2 and 9 of the calculation log.
    void logFileReport() const;
    // Category 20.
    void logFileNodeResults(const omVector& U, const omVector& R) const;

private:
    // Map nodes in ascending number, then the external nodes.
    template <class F> void forAllNodes(F f) const;
    // All nodes in the order of the equation numbers: the map nodes in
    // ascending number, each followed by the external nodes anchored to it,
    // then the other external nodes.
    std::vector<omNode*> numberingOrder() const;

    std::vector<omNode*> m_external;
    // The anchor of each external node, null for none.
    std::vector<const omNode*> m_anchors;
    unsigned m_equations = 0;
    unsigned m_reactions = 0;
    mutable Table::const_iterator m_ii;
};
