#pragma once
// The undoable commands on the actions (load groups): adding one, renaming one
// and removing one with its loads.
#include "app/views/ACommandManager.h"
#include "model/omLoadList.h"
#include "model/omLoadManager.h"

#include <memory>
#include <utility>
#include <vector>

class AElementLoadGroup;
class ANodeLoadGroup;

class AComAddLoadGroup : public ACommand {
public:
    AComAddLoadGroup();
    ~AComAddLoadGroup() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Add Action"; }

private:
    bool m_done = false;
};

class AComChangeLoadGroup : public ACommand {
public:
    // Row 0 is the name; the other rows change nothing. A blank name, or an
    // unknown action, changes nothing either.
    AComChangeLoadGroup(int row, int number, const CString& text);
    ~AComChangeLoadGroup() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Change Action Data"; }

private:
    int m_row;
    int m_number;
    CString m_text;
    CString m_former;
    bool m_done = false;
};

class AComDeleteLoadGroup : public ACommand {
public:
    explicit AComDeleteLoadGroup(int number);
    // Deletes the loads it holds while it is done.
    ~AComDeleteLoadGroup() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Remove Action"; }

private:
    int m_number;
    omLoadManager m_manager;
    // The action's loads while they are off the model, with their owners' numbers; owned.
    omLoadList::NumberedLoads m_nodeLoads;
    omLoadList::NumberedLoads m_elementLoads;
    // The load lists that held loads of the action, as they were: the loads
    // that come back would otherwise stand at the ends of their lists, and the
    // structure would differ from what it was.
    std::vector<std::pair<unsigned, std::unique_ptr<ANodeLoadGroup>>> m_nodeLists;
    std::vector<std::pair<unsigned, std::unique_ptr<AElementLoadGroup>>> m_elementLists;
    bool m_done = false;
};
