#pragma once
// The node map of the drawable structure: the model's node map with the loops
// that the views need.
//
// The map keeps the working copy of a node's load group that an open node-load
// sheet edits. The map does not own it, and its node can leave the model while
// the sheet is open (deleted, or removed by an Undo); the map then drops the
// pointer through DropEditedLoadGroup, and draws the copy only while its node
// is still the map's node under that number.
#include "controls/AObject.h"
#include "model/omNodeMap.h"

#include <string>
#include <vector>

class ANodeLoadGroup;
class AMapC2L;
class CDC;

class ANodeMap : public omNodeMap {
public:
    ANodeMap();
    ~ANodeMap() override;

    // Appends every drawable node; the number appended.
    int GetNodes(AObjectPtrContainer& list);
    // Each drawable node whose large bounding rectangle meets the clip draws itself.
    void Draw(AMapC2L& map, CDC& dc, const omRect& clip, int drawMode, const ADrawAttributes& attributes);
    // Every drawable node draws its result labels.
    void DrawResults(AMapC2L& map, CDC& dc, int drawMode, unsigned caseNumber, double scale, bool horizontal,
                     bool vertical, bool allDisplaced);
    // Each node's number as text, in map order.
    void GetNodeNames(std::vector<std::string>& names) const;
    void SetActiveLoadGroup(int loadGroup);

    // The sheet's working copy of the load group of owner (neither owned);
    // null hides it.
    void SetEditedLoadGroup(ANodeLoadGroup* group, const omNode* owner);
    ANodeLoadGroup* GetEditedLoadGroup() const { return m_editedLoadGroup; }
    // The edited group while its node is still the map's node of that number;
    // null otherwise. The node is compared by address and never read.
    ANodeLoadGroup* GetLiveEditedLoadGroup() const;
    // Forgets the edited group when node is its owner (any owner for null):
    // called before the node leaves the model. Whether it was dropped.
    bool DropEditedLoadGroup(const omNode* node);

private:
    ANodeLoadGroup* m_editedLoadGroup = nullptr;
    const omNode* m_editedOwner = nullptr;
    unsigned m_editedOwnerId = 0;
};
