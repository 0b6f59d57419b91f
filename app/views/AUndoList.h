#pragma once
// The record of one editing command's changes of the structure: the nodes and
// members it created (status 1), removed (2, 8) or modified (4, with a copy of
// the former state), newest first. Restore replays the record against the
// model: created objects leave it, removed ones come back, modified ones take
// their saved state again.
//
// Ownership follows omUndoList: an item owns its object only while the object
// is outside the model. Putting an object back hands it to the model; when the
// model refuses it (its number is taken) the item keeps it and the refusal is
// reported.
#include "common/omUndoList.h"

class AObject;
class AObjectPtrContainer;
class AStructureDocument;
class omStrakon;

class AUndoList : public omUndoList {
public:
    AUndoList();
    ~AUndoList() override;

    // The item's object as a drawable node or member; null for anything else.
    static AObject* GetDrawable(const omUndoItem& item);
    // Appends the drawable objects of the items whose status is in the mask
    // (bits 1, 2, 4, 8); the container's size afterwards.
    int GetObjects(AObjectPtrContainer& objects, unsigned mask) const;
    // Replays the record against the model; afterwards only the created items
    // and those that could not be put back remain. The number of items that
    // the model refused.
    int Restore(omStrakon& model);
};
