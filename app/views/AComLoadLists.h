#pragma once
// The load lists of nodes and of members as the load commands handle them:
// found by their owner's number, saved as drawable copies and given back.
// Only the commands' sources include it.
#include "app/views/AElementLoadGroup.h"
#include "app/views/ANodeLoadGroup.h"
#include "app/views/AStrakon.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omLoad.h"
#include "model/omNode.h"
#include "model/omNodeMap.h"

#include <memory>

namespace AComLoadLists {

// What the node and member forms of the load commands do differently.
struct NodeLoads {
    using Owner = omNode;
    using Group = ANodeLoadGroup;
    static Owner* Find(AStrakon& model, unsigned id) {
        return model.getNodeMap() ? model.getNodeMap()->find(id) : nullptr;
    }
    static Group* GroupOf(Owner& owner) { return dynamic_cast<Group*>(owner.getLoad()); }
    static void List(Group& group, int loadGroup) { group.SetActiveLoadGroup(loadGroup); }
};

struct ElementLoads {
    using Owner = omDesignElement;
    using Group = AElementLoadGroup;
    static Owner* Find(AStrakon& model, unsigned id) {
        return model.getElementMap() ? model.getElementMap()->find(id) : nullptr;
    }
    static Group* GroupOf(Owner& owner) { return dynamic_cast<Group*>(owner.getLoad()); }
    static void List(Group& group, int loadGroup) { group.SetActiveLoadGroup(static_cast<unsigned>(loadGroup)); }
};

template <class Side> std::unique_ptr<typename Side::Group> SavedGroup(typename Side::Owner& owner) {
    typename Side::Group* group = Side::GroupOf(owner);
    return std::unique_ptr<typename Side::Group>(group ? new typename Side::Group(*group) : nullptr);
}

// Gives the owner the loads of source, bound to the model's actions. The
// owner's list keeps its own selected flag: the source may have been copied
// while the list was selected.
template <class Side>
typename Side::Group* Assign(AStrakon& model, typename Side::Owner& owner, typename Side::Group& source) {
    source.bindLoadGroups(model.getLoadManager());
    typename Side::Group* group = Side::GroupOf(owner);
    if (!group) {
        for (const omLoad* load : source.getLoads())
            owner.addLoad(load->clone());
        group = Side::GroupOf(owner);
        if (group) Side::List(*group, static_cast<int>(source.GetActiveLoadGroup()));
        return group;
    }
    const bool selected = group->IsSelected();
    group->copy(source);
    group->Select(selected);
    return group;
}

} // namespace AComLoadLists
