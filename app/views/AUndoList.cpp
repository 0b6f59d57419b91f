#include "app/views/AUndoList.h"

#include "app/views/ANode2D.h"

AUndoList::AUndoList() = default;

AUndoList::~AUndoList() = default;

AObject* AUndoList::GetDrawable(const omUndoItem& item) {
    return dynamic_cast<ANode2D*>(item.getObject());
}

int AUndoList::GetObjects(AObjectPtrContainer& objects, unsigned mask) const {
    for (const omUndoItem& item : *this) {
        const unsigned status = item.getStatus();
        const bool selected = (status == 1 || status == 2 || status == 4 || status == 8) && (mask & status);
        if (!selected) continue;
        if (AObject* drawable = GetDrawable(item)) objects.AddTail(drawable);
    }
    return objects.GetCount();
}

int AUndoList::Restore(omStrakon&) {
    return 0;
}
