#include "app/views/AComLoads.h"

#include "app/shell/AProjectWorkspaceWndInterface.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/ACommandSteps.h"
#include "app/views/AComLoadLists.h"
#include "app/views/AElementLoadGroup.h"
#include "app/views/ANodeLoadGroup.h"
#include "app/views/AStrakon.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omLoad.h"
#include "model/omNode.h"
#include "model/omNodeMap.h"

using namespace ACommandSteps;
using namespace AComLoadLists;

namespace {

// The owner had no loads before the command: its load list goes, and with it
// the loads view's pickable objects, which are collected again.
template <class Side> void DropLoads(AStrakonDocument& doc, AStrakon& model, typename Side::Owner& owner) {
    doc.ClearObjects(false);
    owner.resetLoad();
    Hint(doc, 0);
    model.GetNodeLoads(doc.GetObjectList());
    model.GetElementLoads(doc.GetObjectList());
}

template <class Side>
void ExecuteAdd(AStructureDocument* pDoc, unsigned id, const omLoad& prototype, int loadGroup,
                std::unique_ptr<typename Side::Group>& former, bool& saved) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? ClearedModel(*doc) : nullptr;
    typename Side::Owner* owner = model ? Side::Find(*model, id) : nullptr;
    if (!owner) return;
    if (!saved) {
        former = SavedGroup<Side>(*owner);
        saved = true;
    }
    // A fresh clone at every execution: a Redo adds the same load once again.
    omLoad* load = prototype.clone();
    load->setLoadGroupIndex(static_cast<unsigned>(loadGroup));
    load->bindLoadGroup(model->getLoadManager());
    owner->addLoad(load);
    if (typename Side::Group* group = Side::GroupOf(*owner)) {
        Hint(*doc, 2201, group);
        Hint(*doc, 2010);
    }
}

template <class Side>
void UndoAdd(AStructureDocument* pDoc, unsigned id, std::unique_ptr<typename Side::Group>& former) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? ClearedModel(*doc) : nullptr;
    typename Side::Owner* owner = model ? Side::Find(*model, id) : nullptr;
    if (!owner) return;
    if (former) {
        if (typename Side::Group* group = Assign<Side>(*model, *owner, *former)) Hint(*doc, 2201, group);
    } else {
        DropLoads<Side>(*doc, *model, *owner);
    }
    Hint(*doc, 2010);
}

// Applies a property sheet's group (or, at Undo, the saved one); true when the
// owner was found.
template <class Side>
bool ApplyProperties(AStructureDocument* pDoc, unsigned id, typename Side::Group* source,
                     std::unique_ptr<typename Side::Group>* saveInto, bool* saved) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? ClearedModel(*doc) : nullptr;
    typename Side::Owner* owner = model ? Side::Find(*model, id) : nullptr;
    if (!owner) return false;
    if (saveInto && !*saved) {
        *saveInto = SavedGroup<Side>(*owner);
        *saved = true;
    }
    if (source) {
        if (typename Side::Group* group = Assign<Side>(*model, *owner, *source)) Hint(*doc, 2201, group);
    } else {
        // Undo for an owner that had no load list before the sheet gave it one.
        DropLoads<Side>(*doc, *model, *owner);
    }
    return true;
}

unsigned NodeNumber(const omNodeLoadGroup& group) { return group.getNode() ? group.getNode()->getIndex() : 0; }
unsigned ElementNumber(const omElementLoadGroup& group) {
    return group.getElement<omId>() ? group.getElement<omId>()->getIndex() : 0;
}

void UpdateNodes(AStructureDocument* pDoc) {
    if (AProjectWorkspaceWndInterface* project = ProjectWindow()) project->UpdateNodes(pDoc);
}

template <class Side, class Saved>
void DeleteLoads(AStrakonDocument& doc, AStrakon& model, const std::vector<unsigned>& ids, int loadGroup,
                 Saved* saved) {
    for (unsigned id : ids) {
        typename Side::Owner* owner = Side::Find(model, id);
        typename Side::Group* group = owner ? Side::GroupOf(*owner) : nullptr;
        if (!group) continue;
        if (saved) saved->emplace_back(id, std::make_unique<typename Side::Group>(*group));
        std::vector<const omLoad*> leaving;
        for (const omLoad* load : group->getLoads())
            if (load->getLoadGroupIndex() == static_cast<unsigned>(loadGroup)) leaving.push_back(load);
        for (const omLoad* load : leaving)
            group->remove(load);
        Side::List(*group, loadGroup);
        Hint(doc, 2201, group);
    }
}

template <class Side, class Saved>
void RestoreLoads(AStrakonDocument& doc, AStrakon& model, Saved& saved, int loadGroup) {
    for (auto& [id, copy] : saved) {
        typename Side::Owner* owner = Side::Find(model, id);
        typename Side::Group* group = owner ? Assign<Side>(model, *owner, *copy) : nullptr;
        if (!group) continue;
        Side::List(*group, loadGroup);
        Hint(doc, 2201, group);
    }
}

} // namespace

// ---- AComAddNodeLoad ---------------------------------------------------------------------------------------

AComAddNodeLoad::AComAddNodeLoad(const omNode* node, const omLoad& load, int loadGroup)
    : m_node(node ? node->getIndex() : 0), m_load(load.clone()), m_loadGroup(loadGroup) {}

AComAddNodeLoad::~AComAddNodeLoad() = default;

void AComAddNodeLoad::Execute(AStructureDocument* pDoc) {
    ExecuteAdd<NodeLoads>(pDoc, m_node, *m_load, m_loadGroup, m_former, m_saved);
}

void AComAddNodeLoad::Undo(AStructureDocument* pDoc) { UndoAdd<NodeLoads>(pDoc, m_node, m_former); }

// ---- AComAddElementLoad ------------------------------------------------------------------------------------

AComAddElementLoad::AComAddElementLoad(const omDesignElement* element, const omLoad& load, int loadGroup)
    : m_element(element ? element->getIndex() : 0), m_load(load.clone()), m_loadGroup(loadGroup) {}

AComAddElementLoad::~AComAddElementLoad() = default;

void AComAddElementLoad::Execute(AStructureDocument* pDoc) {
    ExecuteAdd<ElementLoads>(pDoc, m_element, *m_load, m_loadGroup, m_former, m_saved);
}

void AComAddElementLoad::Undo(AStructureDocument* pDoc) { UndoAdd<ElementLoads>(pDoc, m_element, m_former); }

// ---- AComElementLoadProperties -----------------------------------------------------------------------------

AComElementLoadProperties::AComElementLoadProperties(const AElementLoadGroup& edited)
    : m_element(ElementNumber(edited)), m_edited(new AElementLoadGroup(edited)) {}

AComElementLoadProperties::~AComElementLoadProperties() = default;

void AComElementLoadProperties::Execute(AStructureDocument* pDoc) {
    ApplyProperties<ElementLoads>(pDoc, m_element, m_edited.get(), &m_former, &m_saved);
}

void AComElementLoadProperties::Undo(AStructureDocument* pDoc) {
    ApplyProperties<ElementLoads>(pDoc, m_element, m_former.get(), nullptr, nullptr);
}

// ---- AComNodeLoadProperties --------------------------------------------------------------------------------

AComNodeLoadProperties::AComNodeLoadProperties(const ANodeLoadGroup& edited)
    : m_node(NodeNumber(edited)), m_edited(new ANodeLoadGroup(edited)) {}

AComNodeLoadProperties::~AComNodeLoadProperties() = default;

void AComNodeLoadProperties::Execute(AStructureDocument* pDoc) {
    if (ApplyProperties<NodeLoads>(pDoc, m_node, m_edited.get(), &m_former, &m_saved)) UpdateNodes(pDoc);
}

void AComNodeLoadProperties::Undo(AStructureDocument* pDoc) {
    if (ApplyProperties<NodeLoads>(pDoc, m_node, m_former.get(), nullptr, nullptr)) UpdateNodes(pDoc);
}

// ---- AComLoadDelete ----------------------------------------------------------------------------------------

AComLoadDelete::AComLoadDelete(std::vector<unsigned> nodes, std::vector<unsigned> elements, int loadGroup)
    : m_nodes(std::move(nodes)), m_elements(std::move(elements)), m_loadGroup(loadGroup) {}

AComLoadDelete::~AComLoadDelete() = default;

void AComLoadDelete::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? ClearedModel(*doc) : nullptr;
    if (!model) return;
    // The copies describe the owners before the first execution only.
    DeleteLoads<NodeLoads>(*doc, *model, m_nodes, m_loadGroup, m_saved ? nullptr : &m_nodeGroups);
    DeleteLoads<ElementLoads>(*doc, *model, m_elements, m_loadGroup, m_saved ? nullptr : &m_elementGroups);
    m_saved = true;
    UpdateNodes(pDoc);
}

void AComLoadDelete::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? ClearedModel(*doc) : nullptr;
    if (!model) return;
    RestoreLoads<NodeLoads>(*doc, *model, m_nodeGroups, m_loadGroup);
    RestoreLoads<ElementLoads>(*doc, *model, m_elementGroups, m_loadGroup);
    UpdateNodes(pDoc);
}
