// The views' model builds its printed report through the report builder,
// which draws through this model.
#include "app/report/AOutputAttributes.h"
#include "app/report/AStrakonReport.h"
#include "app/shell/AStrakonReportDrawing.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AStrakon.h"

bool AStrakon::BuildReport(APrintManager& report, CDC* dc, AExtents2D& extents, AOutputStructureAttributes& printed) {
    AStrakonReportDrawing drawing(*this);
    return AStrakonReport(*this, drawing, printed).BuildReport(report, dc, extents);
}

void AStrakon::DrawResultTitle(AMapC2L& map, CDC* dc, int resultCase, omPoint corner) {
    AStrakonReportDrawing drawing(*this);
    AOutputStructureAttributes none;
    AStrakonReport(*this, drawing, none).DrawResultTitle(map, dc, resultCase, corner);
}

void AStrakon::DrawResultUnits(AMapC2L& map, CDC* dc, omPoint corner, int diagramKind, bool forces, bool local,
                               int resultCase) {
    AStrakonReportDrawing drawing(*this);
    AOutputStructureAttributes none;
    AStrakonReport(*this, drawing, none).DrawResultUnits(map, dc, corner, diagramKind, forces, local, resultCase);
}
