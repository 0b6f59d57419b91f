#include "app/shell/AStrakonReportDrawing.h"

#include "app/views/ADrawAttributes.h"
#include "app/views/AStrakon.h"
#include "controls/AObject.h"
#include "model/omDesignElement.h"
#include "model/omElementLoadGroup.h"
#include "model/omElementMap.h"
#include "model/omNode.h"
#include "model/omNodeLoadGroup.h"
#include "model/omNodeMap.h"

#include <vector>

namespace {

// A printed picture shows the structure, not the view's selection: while it is
// drawn, the selected nodes, members and their loads draw as unselected.
class SelectionHidden {
public:
    explicit SelectionHidden(AStrakon& model) {
        if (omNodeMap* nodes = model.getNodeMap())
            for (nodes->start_ii(); !nodes->stop_ii(); nodes->increment_ii()) {
                omNode* node = nodes->object_ii();
                hide(dynamic_cast<AObject*>(node));
                if (node) hide(dynamic_cast<AObject*>(node->getLoad()));
            }
        if (omElementMap* elements = model.getElementMap())
            for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii()) {
                omDesignElement* element = elements->object_ii();
                hide(dynamic_cast<AObject*>(element));
                if (element) hide(dynamic_cast<AObject*>(element->getLoad()));
            }
    }
    ~SelectionHidden() {
        for (AObject* object : m_hidden)
            object->Select(true);
    }
    SelectionHidden(const SelectionHidden&) = delete;
    SelectionHidden& operator=(const SelectionHidden&) = delete;

private:
    void hide(AObject* object) {
        if (!object || !object->IsSelected()) return;
        object->Select(false);
        m_hidden.push_back(object);
    }
    std::vector<AObject*> m_hidden;
};

} // namespace

void AStrakonReportDrawing::Draw(AMapC2L& map, CDC* dc, const omRect& world, int mode,
                                 ADrawAttributes* attributes) {
    if (!dc) return;
    SelectionHidden unselected(m_model);
    m_model.Draw(map, *dc, world, mode, attributes ? *attributes : *ADrawAttributes::Instance());
}

void AStrakonReportDrawing::DrawLoads(AMapC2L& map, CDC* dc, const omRect& world, int mode,
                                      ADrawAttributes* attributes) {
    if (!dc) return;
    SelectionHidden unselected(m_model);
    m_model.DrawLoads(map, *dc, world, mode, attributes ? *attributes : *ADrawAttributes::Instance());
}

void AStrakonReportDrawing::DrawResults(AMapC2L& map, CDC* dc, const omRect& world, int mode, int resultCase,
                                        int kind, bool forces, bool local) {
    if (!dc || resultCase <= 0) return;
    SelectionHidden unselected(m_model);
    m_model.DrawResults(map, *dc, world, mode, static_cast<unsigned>(resultCase), kind, forces, local);
}

void AStrakonReportDrawing::SetActiveLoadGroup(int group) {
    m_model.SetActiveLoadGroup(group);
}

int AStrakonReportDrawing::GetActiveLoadGroup() const {
    return m_model.GetActiveLoadGroup();
}
