#include "app/views/AComLoadGroups.h"

#include "app/shell/AProjectWorkspaceWndInterface.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/ACommandSteps.h"
#include "app/views/AComLoadLists.h"
#include "app/views/AStrakon.h"
#include "model/omLoad.h"
#include "model/omLoadGroup.h"


using namespace ACommandSteps;

namespace {

void UpdateActions(AStrakonDocument& doc) {
    if (AProjectWorkspaceWndInterface* project = ProjectWindow()) project->UpdateActions(&doc);
}

// Copies of the lists of the owners that hold loads of the action.
template <class Side, class Map, class Saved> void SaveListsHolding(const Map* map, int action, Saved& saved) {
    saved.clear();
    if (!map) return;
    for (const auto& [id, owner] : *map) {
        typename Side::Group* group = Side::GroupOf(*owner);
        if (!group) continue;
        for (const omLoad* load : group->getLoads())
            if (load->getLoadGroupIndex() == static_cast<unsigned>(action)) {
                saved.emplace_back(id, std::make_unique<typename Side::Group>(*group));
                break;
            }
    }
}

template <class Side, class Saved> void RestoreLists(AStrakon& model, Saved& saved) {
    for (auto& [id, copy] : saved)
        if (typename Side::Owner* owner = Side::Find(model, id)) AComLoadLists::Assign<Side>(model, *owner, *copy);
}

void DeleteAll(omLoadList::NumberedLoads& loads) {
    for (auto& [owner, load] : loads)
        delete load;
    loads.clear();
}

} // namespace

// ---- AComAddLoadGroup --------------------------------------------------------------------------------------

AComAddLoadGroup::AComAddLoadGroup() = default;
AComAddLoadGroup::~AComAddLoadGroup() = default;

void AComAddLoadGroup::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? ClearedModel(*doc) : nullptr;
    omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    if (!manager) return;
    const CString name = Unique(CString::Formatted("Action: %i", manager->groupSize() + 1), "-%d",
                                [&](const CString& tried) { return manager->getGroupIndex(tried) != 0; });
    m_done = manager->addGroup(omLoadGroup(name)) == 0;
    Hint(*doc, 4000);
    UpdateActions(*doc);
}

void AComAddLoadGroup::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? ClearedModel(*doc) : nullptr;
    omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    if (!manager) return;
    if (m_done) manager->deleteGroup(manager->groupSize());
    Hint(*doc, 2200);
    Hint(*doc, 4000);
    UpdateActions(*doc);
}

// ---- AComChangeLoadGroup -----------------------------------------------------------------------------------

AComChangeLoadGroup::AComChangeLoadGroup(int row, int number, const CString& text)
    : m_row(row), m_number(number), m_text(text) {}

AComChangeLoadGroup::~AComChangeLoadGroup() = default;

void AComChangeLoadGroup::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? doc->GetModel() : nullptr;
    omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    omLoadGroup* group = manager ? manager->getGroup(m_number) : nullptr;
    // An action without a name would be dropped when the file is read, and
    // every later action's number, factors and loads would shift.
    m_done = group && !(m_row == 0 && IsBlank(m_text));
    if (!m_done) return;
    model->clearResults();
    if (m_row == 0) {
        const int holder = manager->getGroupIndex(m_text);
        if (holder != 0 && holder != m_number)
            m_text = Unique(m_text, "_%d", [&](const CString& tried) { return manager->getGroupIndex(tried) != 0; });
        m_former = group->name();
        group->setName(m_text);
    }
    Hint(*doc, 4000);
    UpdateActions(*doc);
}

void AComChangeLoadGroup::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc && m_done ? ClearedModel(*doc) : nullptr;
    omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    omLoadGroup* group = manager ? manager->getGroup(m_number) : nullptr;
    if (!group) return;
    if (m_row == 0) group->setName(m_former);
    Hint(*doc, 4000);
    UpdateActions(*doc);
}

// ---- AComDeleteLoadGroup -----------------------------------------------------------------------------------

AComDeleteLoadGroup::AComDeleteLoadGroup(int number) : m_number(number) {}

AComDeleteLoadGroup::~AComDeleteLoadGroup() {
    DeleteAll(m_nodeLoads);
    DeleteAll(m_elementLoads);
}

void AComDeleteLoadGroup::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? doc->GetModel() : nullptr;
    omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    m_done = manager && m_number >= 1 && m_number <= manager->groupSize();
    if (!m_done) return;
    model->clearResults();
    m_manager.copy(*manager);
    SaveListsHolding<AComLoadLists::NodeLoads>(model->getNodeMap(), m_number, m_nodeLists);
    SaveListsHolding<AComLoadLists::ElementLoads>(model->getElementMap(), m_number, m_elementLists);
    model->removeLoadGroup(m_number, &m_nodeLoads, &m_elementLoads);
    manager->deleteGroup(m_number);
    // The drawable load lists list the loads of the active action by pointer
    // and number: the action's loads left them and the later actions moved down.
    model->SetActiveLoadGroup(doc->GetActiveLoadGroup());
    Hint(*doc, 2200);
    Hint(*doc, 2010);
    Hint(*doc, 4000);
    UpdateActions(*doc);
}

void AComDeleteLoadGroup::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc && m_done ? ClearedModel(*doc) : nullptr;
    omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    if (!manager) return;
    manager->copy(m_manager);
    // The model takes the loads back.
    model->insertLoadGroup(m_number, &m_nodeLoads, &m_elementLoads);
    m_nodeLoads.clear();
    m_elementLoads.clear();
    RestoreLists<AComLoadLists::NodeLoads>(*model, m_nodeLists);
    RestoreLists<AComLoadLists::ElementLoads>(*model, m_elementLists);
    // The copy replaced every action that the loads point at.
    model->bindLoadGroups();
    model->SetActiveLoadGroup(doc->GetActiveLoadGroup());
    Hint(*doc, 4000);
    Hint(*doc, 2010);
    UpdateActions(*doc);
}
