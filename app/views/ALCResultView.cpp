#include "app/views/ALCResultView.h"

#include "app/shell/AStrakonDocument.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/APellionTipText.h"
#include "app/views/AStrakon.h"
#include "model/omLoadManager.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/CCmdUI.h"
#include "resources/ui/StrakonResourceIds.h"

namespace {

// A result kind: its command, and what the document's result drawing is asked for.
struct KindRow {
    int kind;
    UINT command;
    int component;
    bool forces;
};
constexpr KindRow kKinds[] = {
    {ALCResultView::kindMoments, ID_RESULT_MOMENTS, 4, true},
    {ALCResultView::kindAxialForces, ID_RESULT_AXIAL_FORCES, 0, true},
    {ALCResultView::kindShearForces, ID_RESULT_SHEAR_FORCES, 2, true},
    {ALCResultView::kindDisplacements, ID_RESULT_DISPLACEMENTS, 2, false},
    {ALCResultView::kindLocalDisplacements, ID_RESULT_LOCAL_DISPLACEMENTS, 2, false},
    {ALCResultView::kindRotations, ID_RESULT_ROTATIONS, 4, false},
    {ALCResultView::kindContactPressures, ID_CONTACT_PRESSURES, 0, false},
};

const KindRow* rowOfKind(int kind) {
    for (const KindRow& row : kKinds)
        if (row.kind == kind) return &row;
    return nullptr;
}

const KindRow* rowOfCommand(UINT id) {
    for (const KindRow& row : kKinds)
        if (row.command == id) return &row;
    return nullptr;
}

// Hints of the document's load cases and envelopes.
constexpr LPARAM kHintLoadCases = 3200;
constexpr LPARAM kHintEnvelopeFirst = 5100;
constexpr LPARAM kHintEnvelopeLast = 5199;

} // namespace

IMPLEMENT_DYNCREATE(ALCResultView, AZoomView)

BEGIN_MESSAGE_MAP(ALCResultView, AZoomView)
ON_COMMAND_RANGE(ID_RESULT_DISPLACEMENTS, ID_RESULT_MOMENTS, &ALCResultView::OnResultKind)
ON_UPDATE_COMMAND_UI_RANGE(ID_RESULT_DISPLACEMENTS, ID_RESULT_MOMENTS, &ALCResultView::OnUpdateResultKind)
ON_COMMAND_RANGE(ID_RESULT_LOCAL_DISPLACEMENTS, ID_RESULT_LOCAL_DISPLACEMENTS, &ALCResultView::OnResultKind)
ON_UPDATE_COMMAND_UI(ID_RESULT_LOCAL_DISPLACEMENTS, &ALCResultView::OnUpdateResultKind)
ON_COMMAND_RANGE(ID_CONTACT_PRESSURES, ID_CONTACT_PRESSURES, &ALCResultView::OnResultKind)
ON_UPDATE_COMMAND_UI(ID_CONTACT_PRESSURES, &ALCResultView::OnUpdateResultKind)
ON_COMMAND(ID_EXPAND_DIAGRAM, &ALCResultView::OnExpandDiagram)
ON_UPDATE_COMMAND_UI(ID_EXPAND_DIAGRAM, &ALCResultView::OnUpdateDiagramSize)
ON_COMMAND(ID_SHRINK_DIAGRAM, &ALCResultView::OnShrinkDiagram)
ON_UPDATE_COMMAND_UI(ID_SHRINK_DIAGRAM, &ALCResultView::OnUpdateDiagramSize)
ON_COMMAND(ID_TOGGLE_LABELS, &ALCResultView::OnToggleLabels)
ON_UPDATE_COMMAND_UI(ID_TOGGLE_LABELS, &ALCResultView::OnUpdateLabels)
ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, &ALCResultView::OnUpdateUndoRedo)
ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, &ALCResultView::OnUpdateUndoRedo)
END_MESSAGE_MAP()

ALCResultView::ALCResultView() {
    m_grid.EnableMajor(false);
    m_grid.EnableMinor(false);
}

ALCResultView::~ALCResultView() = default;

AStrakonDocument* ALCResultView::GetStrakonDocument() const {
    return dynamic_cast<AStrakonDocument*>(GetDocument());
}

bool ALCResultView::IsResultCaseValid() const {
    AStrakonDocument* doc = GetStrakonDocument();
    return doc && doc->IsResultCaseValid(m_nResultCase);
}

CString ALCResultView::GetModeName() {
    return "Result View";
}

CString ALCResultView::GetPromptText() {
    return APellionTipText::Instance()->GetCoordinateText(m_tipX, m_tipZ);
}

bool ALCResultView::Draw(CDC* dc, CPoint) const {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!doc) return true;
    const omRect world = ClipWorldRect(dc);
    AMapC2L& map = const_cast<AMapC2L&>(GetC2L());
    doc->DrawStructure(dc, map, world, 2);
    // A case deleted since the view was opened: the structure alone.
    const KindRow* row = rowOfKind(m_nResultKind);
    if (row && doc->IsResultCaseValid(m_nResultCase))
        doc->DrawResults(dc, map, world, 0, m_nResultCase, row->component, row->forces, m_bLocal);
    return true;
}

void ALCResultView::OnInitialUpdate() {
    SetMouseMode(modeOther);
    if (AStrakonDocument* doc = GetStrakonDocument()) GetC2L().SetTotalCU(doc->GetDrawExtents(2, 2, 0));
    AZoomView::OnInitialUpdate();
}

void ALCResultView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
    // The view that becomes active fills the document's pickable objects.
    if (AStrakonDocument* doc = GetStrakonDocument(); doc && bActivate) {
        doc->ClearObjects(false);
        // Result marks belong to load cases (up to 1000 inclusive), not to envelopes.
        if (m_nResultCase <= 1000)
            if (auto* model = dynamic_cast<AStrakon*>(doc->GetModel())) model->GetElementResults(doc->GetObjectList());
        SetMouseMode(modePick);
        m_bAction = false;
        doc->SetActiveResultCase(m_nResultCase, true);
    }
    AZoomView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void ALCResultView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
    AStrakonDocument* doc = GetStrakonDocument();
    if (lHint == kHintLoadCases) {
        const omLoadManager* manager = doc && doc->GetModel() ? doc->GetModel()->getLoadManager() : nullptr;
        if (!manager || manager->caseSize() <= m_nResultCase) Invalidate();
        return;
    }
    if (lHint >= kHintEnvelopeFirst && lHint <= kHintEnvelopeLast) {
        // An envelope changed or went: the view draws again, without diagrams when its own went.
        if (m_nResultCase > 1000) Invalidate();
        return;
    }
    if (lHint >= 3100 && lHint < 4000) {
        const int old = m_nResultKind;
        if (lHint == kindMoments || lHint == kindDisplacements || lHint == kindRotations) m_bLocal = false;
        if (lHint == kindLocalDisplacements) m_bLocal = true;
        m_nResultKind = static_cast<int>(lHint);
        // The displaced shape needs other margins than the diagrams.
        const bool extentsChange = (old == kindDisplacements) != (m_nResultKind == kindDisplacements);
        if (doc) doc->UpdateAllViews(nullptr, extentsChange ? 3003 : 3000, nullptr);
        return;
    }
    if (lHint >= 4000) return;
    LPARAM hint = lHint >= 3000 ? lHint - 3000 : lHint;
    if (hint == 3) hint = m_nResultKind == kindDisplacements ? 8 : 5;
    AZoomView::OnUpdate(pSender, hint, pHint);
}

// --- commands ----------------------------------------------------------------------------------------

void ALCResultView::OnResultKind(UINT id) {
    const KindRow* row = rowOfCommand(id);
    if (row && GetDocument()) GetDocument()->UpdateAllViews(nullptr, row->kind, nullptr);
}

void ALCResultView::OnExpandDiagram() {
    ADrawAttributes::Instance()->ExpandDiagram();
    if (GetDocument()) GetDocument()->UpdateAllViews(nullptr, 3003, nullptr);
}

void ALCResultView::OnShrinkDiagram() {
    ADrawAttributes::Instance()->ShrinkDiagram();
    if (GetDocument()) GetDocument()->UpdateAllViews(nullptr, 3003, nullptr);
}

void ALCResultView::OnToggleLabels() {
    ADrawAttributes& attributes = *ADrawAttributes::Instance();
    attributes.m_showResultsLabels = !attributes.m_showResultsLabels;
    if (GetDocument()) GetDocument()->UpdateAllViews(nullptr, 3000, nullptr);
}

void ALCResultView::OnUpdateResultKind(CCmdUI* pCmdUI) {
    const KindRow* row = rowOfCommand(pCmdUI->m_nID);
    AStrakonDocument* doc = GetStrakonDocument();
    if (!row || !doc) return;
    // A case that no longer exists offers no diagram until the view shows a valid one.
    const bool valid = doc->IsResultCaseValid(m_nResultCase);
    if (row->kind == kindContactPressures) {
        const bool ground = valid && doc->HasElasticGround();
        pCmdUI->Enable(ground);
        pCmdUI->SetCheck(ground && m_nResultKind == kindContactPressures);
        return;
    }
    pCmdUI->SetCheck(m_nResultKind == row->kind);
    if (row->kind == kindDisplacements)
        pCmdUI->Enable(valid);
    else
        pCmdUI->Enable(valid && !doc->IsSkewnessCase(m_nResultCase));
}

void ALCResultView::OnUpdateDiagramSize(CCmdUI* pCmdUI) {
    pCmdUI->Enable(IsResultCaseValid());
}

void ALCResultView::OnUpdateLabels(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(ADrawAttributes::Instance()->m_showResultsLabels);
}

void ALCResultView::OnUpdateUndoRedo(CCmdUI* pCmdUI) {
    pCmdUI->Enable(FALSE);
}
