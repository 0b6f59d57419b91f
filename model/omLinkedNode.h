#pragma once
// A node that shares the DOFs of a master node except where a link is released:
// the hinge at a member end. Its coordinates are the master's; a linked DOF uses
// the master's equation number and support, a released DOF has its own.
#include "model/omNode.h"

class omLinkedNode : public omNode {
    DECLARE_STORAGE_INTERFACE()
    // The structure file's serialiser reads and writes the stored fields directly.
    friend class ASILinkedNode;

public:
    // Every link holds. The master is not owned.
    omLinkedNode(const omNode* master, const omDofStructureType* type, unsigned id);
    omLinkedNode(const omLinkedNode& other);
    ~omLinkedNode() override;

    // The node data, the links and the master.
    void copy(const omLinkedNode& other);
    void copyLinks(const omLinkedNode& other);
    void setMaster(const omNode* master) { m_master = master; }
    const omNode* getMaster() const { return m_master; }

    omNode* clone() const override { return new omLinkedNode(*this); }
    // The master's.
    const omUnitValue* getCoor(omDofType t, CoorType c) const override;
    int space() const override;
    omVector getVector(omUnitKey unit, CoorType c) const override;
    using omNode::getVector;
    omNode* create() const override;
    // A linked node follows its master: these change nothing.
    void move(const omVector&, omUnitKey) override {}
    void setCoor(const omVector&, const std::string&) override {}
    bool setSupport(omDofType, bool) override { return false; }

    // A linked DOF marks the master's; a released one its own.
    bool useDof(omDofType t, bool on) override;
    unsigned equation(omDofType t) const override;
    bool reaction(omDofType t) const override;
    // Only released, used DOFs take numbers.
    bool setupEquationIndexes(unsigned& equation, unsigned& reaction) override;
    bool setupReactionIndexes(unsigned offset) override;
    void logFileReport() const override;

    // False when the layout lacks t.
    virtual bool releaseLink(omDofType t, bool release);
    void releaseAllLinks(bool release);
    bool isReleased(omDofType t) const;
    bool anyReleasedLink() const;

private:
    const omNode* m_master;
    std::vector<bool> m_links;
};

// The linked node of the plane frame.
class omLinkedNode2D : public omLinkedNode {
    DECLARE_STORAGE_INTERFACE()

public:
    omLinkedNode2D(const omNode* master, unsigned id);
    omLinkedNode2D(const omLinkedNode2D& other) = default;
    ~omLinkedNode2D() override;

    omNode* clone() const override { return new omLinkedNode2D(*this); }
    int space() const override { return 2; }
};
