// The structure document as its graphic views see it (AZoomViewDocument): the
// selection's properties and move outlines, the drawing extents and grid, the
// report composer, and the result view's drawing of one result case.
#include "app/shell/AStrakonDocument.h"

#include "app/report/AStrakonReport.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AStrakonReportDrawing.h"
#include "app/views/AStrakon.h"
#include "common/omUnitValue.h"
#include "controls/AGrid.h"
#include "model/omElementMap.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "platform/ui/CView.h"

void AStrakonDocument::ShowSelectionProperties(CView* pView, bool open) {
    ShowSelectionProperties(static_cast<CWnd*>(pView), open);
}

bool AStrakonDocument::BeginMove(CView* pView, ASimpleObjectGroup& group) {
    return BeginMove(pView, &group);
}

omRect AStrakonDocument::GetDrawExtents(int unitCode, int viewKind, int caseIndex) {
    omRect out;
    GetDrawExtents(out, omUnitKey(unitCode), viewKind, caseIndex);
    return out;
}

void AStrakonDocument::SetupGrid(AGrid& grid, const AMapC2L& map) {
    const AOptionsAttributes& options = *AOptionsAttributes::Instance();
    grid.EnableAutoUnits(false, false);
    grid.SetUnits(omUnitValue(options.gridSizeMajor, options.gridUnitMajor).Get(omUK_m),
                  omUnitValue(options.gridSizeMinor, options.gridUnitMinor).Get(omUK_m));
    grid.CalculateUnits(map);
}

bool AStrakonDocument::IsResultCaseValid(int resultCase) const {
    const omLoadManager* manager = GetModel() ? GetModel()->getLoadManager() : nullptr;
    if (!manager || resultCase <= 0) return false;
    if (resultCase <= 1000) return resultCase <= manager->caseSize();
    return resultCase - 1000 <= manager->envelopeSize();
}

bool AStrakonDocument::IsSkewnessCase(int resultCase) const {
    if (resultCase > 1000 || !IsResultCaseValid(resultCase)) return false;
    const omLoadCase* lc = GetModel()->getLoadManager()->getCase(resultCase);
    return lc && lc->limitState() == omLoadCase::lsSkew;
}

bool AStrakonDocument::HasElasticGround() const {
    const omElementMap* elements = GetModel() ? GetModel()->getElementMap() : nullptr;
    return elements && elements->isElasticGround();
}

void AStrakonDocument::DrawResults(CDC* pDC, AMapC2L& map, const omRect& clip, int drawMode, int resultCase,
                                   int component, bool forces, bool local) {
    AStrakon* model = dynamic_cast<AStrakon*>(GetModel());
    // A case deleted since the view chose it: the structure alone is shown.
    if (!model || !IsResultCaseValid(resultCase)) return;
    model->DrawResults(map, *pDC, clip, drawMode, static_cast<unsigned>(resultCase), component, forces, local);
    if (!m_bDrawResultCaptions) return;
    omRect world;
    const bool displaced = component == 2 && !forces && !local;
    GetDrawExtents(world, omUnitKey(2), displaced ? AExtents2D::modeDisplaced : AExtents2D::modeResults, resultCase);
    AStrakonReportDrawing drawing(*model);
    AStrakonReport captions(*model, drawing, GetOutputAttributes());
    const omPoint corner(world.left, world.top);
    captions.DrawResultUnits(map, pDC, corner, component, forces, local, resultCase);
    captions.DrawResultTitle(map, pDC, resultCase, corner);
}
