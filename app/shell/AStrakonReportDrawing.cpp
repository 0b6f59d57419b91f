#include "app/shell/AStrakonReportDrawing.h"

#include "app/views/ADrawAttributes.h"
#include "app/views/AStrakon.h"

void AStrakonReportDrawing::Draw(AMapC2L& map, CDC* dc, const omRect& world, int mode,
                                 ADrawAttributes* attributes) {
    if (dc) m_model.Draw(map, *dc, world, mode, attributes ? *attributes : *ADrawAttributes::Instance());
}

void AStrakonReportDrawing::DrawLoads(AMapC2L& map, CDC* dc, const omRect& world, int mode,
                                      ADrawAttributes* attributes) {
    if (dc) m_model.DrawLoads(map, *dc, world, mode, attributes ? *attributes : *ADrawAttributes::Instance());
}

void AStrakonReportDrawing::DrawResults(AMapC2L& map, CDC* dc, const omRect& world, int mode, int resultCase,
                                        int kind, bool forces, bool local) {
    if (dc && resultCase > 0)
        m_model.DrawResults(map, *dc, world, mode, static_cast<unsigned>(resultCase), kind, forces, local);
}

void AStrakonReportDrawing::SetActiveLoadGroup(int group) {
    m_model.SetActiveLoadGroup(group);
}

int AStrakonReportDrawing::GetActiveLoadGroup() const {
    return m_model.GetActiveLoadGroup();
}
