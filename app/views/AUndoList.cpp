#include "app/views/AUndoList.h"

#include "app/views/ADesignElement.h"
#include "app/views/ANode2D.h"
#include "app/views/ANodeMap.h"
#include "app/views/AStrakon.h"
#include "common/omErrorContainer.h"
#include "model/omCrossSectionMap.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omMaterialMap.h"
#include "model/omNodeMap.h"
#include "model/omStrakon.h"


namespace {
bool isRecorded(unsigned status) {
    return status == omUndoItem::created || status == omUndoItem::removed || status == omUndoItem::modified ||
           status == omUndoItem::deleted;
}

// The model's maps refuse an object whose number another object holds; the
// model would then free it, while the item still owns it. Asked first, so that
// the object is handed over only when the map will take it.
template <class Map> bool takes(const Map* map, unsigned id) {
    return map && !map->exist(id);
}

// An open load sheet edits a copy of the loads of a node or member; the copy
// must be forgotten before its owner leaves the model or gets other loads.
void dropLoadSheetCopies(omStrakon& model, const omUndoObject* owner) {
    if (auto* drawable = dynamic_cast<AStrakon*>(&model))
        drawable->DropLoadSheetGroups(owner);
    else if (auto* nodes = dynamic_cast<ANodeMap*>(model.getNodeMap()))
        nodes->DropEditedLoadGroup(dynamic_cast<const omNode*>(owner));
}
} // namespace

AUndoList::AUndoList() = default;

AUndoList::~AUndoList() = default;

AObject* AUndoList::GetDrawable(const omUndoItem& item) {
    if (auto* node = dynamic_cast<ANode2D*>(item.getObject())) return node;
    return dynamic_cast<ALinearDesignElement2D*>(item.getObject());
}

int AUndoList::GetObjects(AObjectPtrContainer& objects, unsigned mask) const {
    for (const omUndoItem& item : *this) {
        const unsigned status = item.getStatus();
        if (!isRecorded(status) || !(mask & status)) continue;
        if (AObject* drawable = GetDrawable(item)) objects.AddTail(drawable);
    }
    return objects.GetCount();
}

int AUndoList::Restore(omStrakon& model) {
    omNodeMap* nodes = model.getNodeMap();
    omElementMap* members = model.getElementMap();
    int refused = 0;
    for (auto it = begin(); it != end();) {
        omUndoItem& item = *it;
        omUndoObject* object = item.getObject();
        auto* node = dynamic_cast<omNode*>(object);
        auto* member = dynamic_cast<omDesignElement*>(object);
        switch (item.getStatus()) {
        case omUndoItem::created: {
            bool gone = false;
            if (node && nodes && nodes->find(node->getIndex()) == node) {
                dropLoadSheetCopies(model, object);
                gone = model.deleteNode(node);
            } else if (member && members && members->find(member->getIndex()) == member) {
                dropLoadSheetCopies(model, object);
                gone = model.deleteElement(member);
            }
            // The model freed the object: the item would only keep a dangling pointer.
            it = gone ? erase(it) : std::next(it);
            continue;
        }
        case omUndoItem::removed:
        case omUndoItem::deleted:
            if (node) {
                if (takes(nodes, node->getIndex())) {
                    item.setOwned(false);
                    model.addNode(node, 0);
                } else {
                    omErrorContainer::instance()->report(101, "Node", node->getIndex());
                    ++refused;
                }
            } else if (member) {
                if (takes(members, member->getIndex())) {
                    item.setOwned(false);
                    model.addElement(member, 0);
                } else {
                    omErrorContainer::instance()->report(101, "Element", member->getIndex());
                    ++refused;
                    member = nullptr;
                }
            }
            break;
        case omUndoItem::modified:
            if (node && nodes) {
                auto* target = dynamic_cast<ANode2D*>(nodes->find(node->getIndex()));
                auto* saved = dynamic_cast<ANode2D*>(node);
                if (target && saved && target != saved) {
                    dropLoadSheetCopies(model, target);
                    target->copy(*saved);
                }
            } else if (member && members) {
                auto* target = dynamic_cast<ALinearDesignElement2D*>(members->find(member->getIndex()));
                auto* saved = dynamic_cast<ALinearDesignElement2D*>(member);
                if (target && saved && target != saved) {
                    dropLoadSheetCopies(model, static_cast<omDesignElement*>(target));
                    target->copy(*saved);
                    // The copy gave the model's member the saved copy's section
                    // and material, which an edit of the maps may have replaced
                    // since: it binds to the maps the model holds now.
                    if (model.getCrossSectionMap()) target->bindCrossSection(*model.getCrossSectionMap());
                    if (model.getMaterialMap()) target->bindMaterial(*model.getMaterialMap());
                }
            }
            break;
        default: break;
        }
        // The saved or re-added member takes the sections and materials that
        // the model holds now.
        if (member) {
            if (model.getCrossSectionMap()) member->bindCrossSection(*model.getCrossSectionMap());
            if (model.getMaterialMap()) member->bindMaterial(*model.getMaterialMap());
        }
        ++it;
    }
    clear(omUndoItem::removed | omUndoItem::modified);
    return refused;
}
