#pragma once
// The undoable deletion of nodes and members: they leave the model into the
// command's undo list, which puts them back at Undo, and the extents are
// rebuilt around the nodes that stay.
#include "app/views/ACommandManager.h"
#include "app/views/AExtents2D.h"
#include "app/views/AUndoList.h"

#include <vector>

class AComDeleteObjects : public ACommand {
public:
    // The numbers of the nodes and of the members to delete; a member that
    // uses a deleted node must be among the members.
    AComDeleteObjects(std::vector<unsigned> nodes, std::vector<unsigned> elements);
    ~AComDeleteObjects() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Delete Objects"; }

private:
    std::vector<unsigned> m_nodes;
    std::vector<unsigned> m_elements;
    AUndoList m_undo;
    AExtents2D m_extents;
};
