#pragma once
// The drawable model as the report builder draws it: the structure, the loads of
// the active load group and the result diagrams.
#include "app/report/AReportDrawing.h"

class AStrakon;

class AStrakonReportDrawing : public AReportDrawing {
public:
    // The model is not owned.
    explicit AStrakonReportDrawing(AStrakon& model) : m_model(model) {}

    void Draw(AMapC2L& map, CDC* dc, const omRect& world, int mode, ADrawAttributes* attributes) override;
    void DrawLoads(AMapC2L& map, CDC* dc, const omRect& world, int mode, ADrawAttributes* attributes) override;
    void DrawResults(AMapC2L& map, CDC* dc, const omRect& world, int mode, int resultCase, int kind, bool forces,
                     bool local) override;
    void SetActiveLoadGroup(int group) override;
    int GetActiveLoadGroup() const override;

private:
    AStrakon& m_model;
};
