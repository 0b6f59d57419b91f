#include "app/views/ANodeMap.h"

#include "app/views/ANode2D.h"

ANodeMap::ANodeMap() = default;

ANodeMap::~ANodeMap() = default;

int ANodeMap::GetNodes(AObjectPtrContainer& list) {
    int count = 0;
    for (start_ii(); !stop_ii(); increment_ii())
        if (auto* node = dynamic_cast<ANode*>(object_ii())) {
            list.AddTail(node);
            ++count;
        }
    return count;
}

void ANodeMap::Draw(AMapC2L& map, CDC& dc, const omRect& clip, int drawMode, const ADrawAttributes& attributes) {
    for (start_ii(); !stop_ii(); increment_ii()) {
        auto* node = dynamic_cast<ANode*>(object_ii());
        if (node && node->GetBoundingRect(true).meets(clip)) node->Draw(map, dc, drawMode, attributes);
    }
}

void ANodeMap::DrawResults(AMapC2L& map, CDC& dc, int drawMode, unsigned caseNumber, double scale,
                           bool horizontal, bool vertical, bool allDisplaced) {
    for (start_ii(); !stop_ii(); increment_ii())
        if (auto* node = dynamic_cast<ANode2D*>(object_ii()))
            node->DrawResults(map, dc, drawMode, caseNumber, scale, horizontal, vertical, allDisplaced);
}

void ANodeMap::GetNodeNames(std::vector<std::string>& names) const {
    for (start_ii(); !stop_ii(); increment_ii())
        if (dynamic_cast<const ANode*>(object_ii())) names.push_back(std::to_string(object_ii()->getIndex()));
}

void ANodeMap::SetActiveLoadGroup(int loadGroup) {
    for (start_ii(); !stop_ii(); increment_ii())
        if (auto* node = dynamic_cast<ANode2D*>(object_ii())) node->SetActiveLoadGroup(loadGroup);
}

void ANodeMap::SetEditedLoadGroup(ANodeLoadGroup* group, const omNode* owner) {
    m_editedLoadGroup = group;
    m_editedOwner = group ? owner : nullptr;
    m_editedOwnerId = group && owner ? owner->getIndex() : 0;
}

ANodeLoadGroup* ANodeMap::GetLiveEditedLoadGroup() const {
    if (!m_editedLoadGroup || !m_editedOwner) return nullptr;
    auto it = table().find(m_editedOwnerId);
    return it != table().end() && it->second == m_editedOwner ? m_editedLoadGroup : nullptr;
}

bool ANodeMap::DropEditedLoadGroup(const omNode* node) {
    if (!m_editedLoadGroup || (node && node != m_editedOwner)) return false;
    SetEditedLoadGroup(nullptr, nullptr);
    return true;
}
