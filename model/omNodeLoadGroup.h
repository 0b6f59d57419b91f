#pragma once
// The loads of one node, of all load groups. The list puts the nodal forces and
// the prescribed displacements of the active load case into the structure's
// vectors, and renumbers its loads when load groups are inserted or deleted.
#include "common/AStorageBase.h"
#include "model/omDofStructureType.h"
#include "model/omLoadList.h"

#include <vector>

class omLoad;
class omLoadManager;
class omNode;
class omStiffnessMatrix;
class omVector;

class omNodeLoadGroup : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()

public:
    using NumberedLoads = omLoadList::NumberedLoads;

    // The node is not owned.
    explicit omNodeLoadGroup(const omNode* node);
    // Clones every load; the copy has no node until setNode.
    omNodeLoadGroup(const omNodeLoadGroup& other);
    // Replaces the loads by clones of other's (the old loads are deleted: the
    // list owns them); the node stays.
    omNodeLoadGroup& operator=(const omNodeLoadGroup& other);
    void copy(const omNodeLoadGroup& other);
    // Deletes every load.
    ~omNodeLoadGroup() override;

    virtual omNodeLoadGroup* clone() const { return new omNodeLoadGroup(*this); }
    // Takes the load over.
    virtual void add(omLoad* load);
    // Deletes the load when the list holds it.
    virtual void remove(const omLoad* load);
    // The loads of group k leave: into removed as (node number, load) when
    // given, otherwise deleted; later groups move down by one.
    virtual void removeLoadGroup(int k, NumberedLoads* removed);
    // Category 8 of the calculation log.
    virtual void logFileReport() const;

    const omNode* getNode() const { return m_node; }
    void setNode(const omNode* node) { m_node = node; }
    const std::vector<omLoad*>& getLoads() const { return m_loads; }
    int size() const { return static_cast<int>(m_loads.size()); }

    void insertLoadGroup(int k);
    void bindLoadGroups(const omLoadManager* manager);

    // Adds the nodal forces of the active load case, times their group's factor,
    // at the node's equation numbers; a force without an equation is reported
    // (1004) and skipped. The matrix is not used.
    bool setupForceVector(const omStiffnessMatrix& K, omVector& F) const;
    // Adds the prescribed displacements of the active load case at the node's
    // equation numbers; only supported directions take them (1005, 1006 otherwise).
    void setPrescribedDisplacement(omVector& U, int n) const;
    bool isForce(omDofType t) const;
    bool isDisplacement(omDofType t) const;
    // Appends (node number, load) for the loads of exactly that group, of the
    // asked kinds; returns the number appended.
    int getLoads(int group, bool forces, bool displacements, NumberedLoads& out) const;

private:
    // The group's factor when the load acts in the active case, else 0.0.
    static double actingFactor(const omLoad& load);
    unsigned nodeNumber() const;

    std::vector<omLoad*> m_loads;
    const omNode* m_node = nullptr;
};
