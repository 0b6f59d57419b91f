#pragma once
// The undoable commands on the loads of nodes and members: adding one load,
// applying a load property sheet's edited group, and deleting the loads of one
// action from nodes and members. Each keeps the owners' former load lists,
// taken at its first execution, for its Undo.
#include "app/views/ACommandManager.h"

#include <memory>
#include <utility>
#include <vector>

class AElementLoadGroup;
class ANodeLoadGroup;
class omDesignElement;
class omLoad;
class omNode;

class AComAddNodeLoad : public ACommand {
public:
    // The node may be null (the command then does nothing); the load is cloned.
    AComAddNodeLoad(const omNode* node, const omLoad& load, int loadGroup);
    ~AComAddNodeLoad() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Add Nodal Load"; }

private:
    unsigned m_node;
    std::unique_ptr<omLoad> m_load;
    int m_loadGroup;
    // The node's loads before the first execution; null when it had none.
    std::unique_ptr<ANodeLoadGroup> m_former;
    bool m_saved = false;
};

class AComAddElementLoad : public ACommand {
public:
    AComAddElementLoad(const omDesignElement* element, const omLoad& load, int loadGroup);
    ~AComAddElementLoad() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Add Element Load"; }

private:
    unsigned m_element;
    std::unique_ptr<omLoad> m_load;
    int m_loadGroup;
    std::unique_ptr<AElementLoadGroup> m_former;
    bool m_saved = false;
};

class AComElementLoadProperties : public ACommand {
public:
    // The property sheet's edited group, cloned.
    explicit AComElementLoadProperties(const AElementLoadGroup& edited);
    ~AComElementLoadProperties() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Element Load Properties"; }

private:
    unsigned m_element;
    std::unique_ptr<AElementLoadGroup> m_edited;
    std::unique_ptr<AElementLoadGroup> m_former;
    bool m_saved = false;
};

class AComNodeLoadProperties : public ACommand {
public:
    explicit AComNodeLoadProperties(const ANodeLoadGroup& edited);
    ~AComNodeLoadProperties() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Node Load Properties"; }

private:
    unsigned m_node;
    std::unique_ptr<ANodeLoadGroup> m_edited;
    std::unique_ptr<ANodeLoadGroup> m_former;
    bool m_saved = false;
};

class AComLoadDelete : public ACommand {
public:
    // Deletes the loads of loadGroup (the active action) from the nodes and members of those numbers.
    AComLoadDelete(std::vector<unsigned> nodes, std::vector<unsigned> elements, int loadGroup);
    ~AComLoadDelete() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Delete Load"; }

private:
    std::vector<unsigned> m_nodes;
    std::vector<unsigned> m_elements;
    // The former loads of each owner that had a load list, by its number:
    // owners without one have no entry, so the copies cannot shift onto others.
    std::vector<std::pair<unsigned, std::unique_ptr<ANodeLoadGroup>>> m_nodeGroups;
    std::vector<std::pair<unsigned, std::unique_ptr<AElementLoadGroup>>> m_elementGroups;
    int m_loadGroup;
    bool m_saved = false;
};
