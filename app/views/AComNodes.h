#pragma once
// The undoable commands on nodes: create one (splitting the members through
// it on request), move nodes, apply the node property sheet, and set or
// toggle supports. They keep node numbers, never pointers, between calls.
#include "app/views/ACommandManager.h"
#include "app/views/AExtents2D.h"
#include "app/views/AUndoList.h"
#include "common/omUnitValue.h"
#include "model/omDofStructureType.h"

#include <vector>

class ANode;
class ANode2D;
class AObjectPtrContainer;
class AStrakonDocument;
class omVector;

class AComNewNode : public ACommand {
public:
    // (x, z) in m.
    AComNewNode(double x, double z, bool split);
    ~AComNewNode() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override;

    unsigned GetNodeId() const { return m_nodeId; }

private:
    double m_x, m_z;
    bool m_split;
    unsigned m_nodeId = 0;
    AUndoList m_undo;
    AExtents2D m_extents;
    bool m_extentsChanged = false;
};

class AComToggleNodeSupport : public ACommand {
public:
    AComToggleNodeSupport(const ANode* node, omDofType dof);
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override { Execute(pDoc); }
    CString GetName() override;

private:
    unsigned m_nodeId;
    omDofType m_dof;
};

class AComSetNodeSupport : public ACommand {
public:
    // angle in degrees.
    AComSetNodeSupport(const ANode* node, bool x, bool z, bool rotation, double angle);
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override;

private:
    unsigned m_nodeId;
    bool m_new[3];
    bool m_old[3] = {false, false, false};
    double m_newAngle;
    double m_oldAngle = 0.0;
    bool m_oldShown = false;
};

class AComMoveNodes : public ACommand {
public:
    // displacement: (dx, dz) in the base length unit.
    AComMoveNodes(std::vector<unsigned> nodes, const omVector& displacement);
    ~AComMoveNodes() override;
    void Execute(AStructureDocument* pDoc) override;
    // Puts back the coordinates saved by Execute: moving back by the negated
    // displacement would not land on the same numbers.
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Move objects"; }

private:
    struct Saved {
        unsigned id;
        omUnitValue x, z;
    };
    std::vector<unsigned> m_nodes;
    double m_dx, m_dz;
    std::vector<Saved> m_saved;
    AExtents2D m_extents;
};

class AComEditNodeProperties : public ACommand {
public:
    // Takes over the edited copies; with extentsFlag the first node's new
    // position may change the extents.
    AComEditNodeProperties(std::vector<unsigned> nodes, std::vector<ANode2D*> edited, bool extentsFlag);
    ~AComEditNodeProperties() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Node Properties"; }

private:
    void finish(AStrakonDocument& doc, AObjectPtrContainer& nodes, bool undo);

    std::vector<unsigned> m_nodes;
    std::vector<ANode2D*> m_edited;
    std::vector<ANode2D*> m_saved;
    bool m_extentsFlag;
    AExtents2D m_extents;
    bool m_extentsChanged = false;
};
