// The views' model builds its printed report through the report builder,
// which draws through this model.
#include "app/report/AOutputAttributes.h"
#include "app/report/AReportDrawing.h"
#include "app/report/AStrakonReport.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AStrakon.h"

namespace {

class AStrakonDrawing : public AReportDrawing {
public:
    explicit AStrakonDrawing(AStrakon& model) : m_model(model) {}

    void Draw(AMapC2L& map, CDC* dc, const omRect& world, int mode, ADrawAttributes* attributes) override {
        m_model.Draw(map, *dc, world, mode, *attributes);
    }
    // The model draws no loads yet: the action pictures show the structure
    // alone until it does.
    void DrawLoads(AMapC2L&, CDC*, const omRect&, int, ADrawAttributes*) override {}
    void DrawResults(AMapC2L& map, CDC* dc, const omRect& world, int mode, int resultCase, int kind, bool forces,
                     bool local) override {
        m_model.DrawResults(map, *dc, world, mode, unsigned(resultCase), kind, forces, local);
    }
    void SetActiveLoadGroup(int group) override { m_model.SetActiveLoadGroup(group); }
    int GetActiveLoadGroup() const override { return m_model.GetActiveLoadGroup(); }

private:
    AStrakon& m_model;
};

} // namespace

bool AStrakon::BuildReport(APrintManager& report, CDC* dc, AExtents2D& extents, AOutputStructureAttributes& printed) {
    AStrakonDrawing drawing(*this);
    return AStrakonReport(*this, drawing, printed).BuildReport(report, dc, extents);
}

void AStrakon::DrawResultTitle(AMapC2L& map, CDC* dc, int resultCase, omPoint corner) {
    AStrakonDrawing drawing(*this);
    AOutputStructureAttributes none;
    AStrakonReport(*this, drawing, none).DrawResultTitle(map, dc, resultCase, corner);
}

void AStrakon::DrawResultUnits(AMapC2L& map, CDC* dc, omPoint corner, int diagramKind, bool forces, bool local,
                               int resultCase) {
    AStrakonDrawing drawing(*this);
    AOutputStructureAttributes none;
    AStrakonReport(*this, drawing, none).DrawResultUnits(map, dc, corner, diagramKind, forces, local, resultCase);
}
