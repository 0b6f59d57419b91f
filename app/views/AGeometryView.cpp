#include "app/views/AGeometryView.h"

#include "app/dialogs/AElasticGroundDlg.h"
#include "app/dialogs/AElementSplitNumber.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AStrakonDocument.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADesignElement.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AGeometryViewDocument.h"
#include "app/views/ANode2D.h"
#include "app/views/APellionTipText.h"
#include "common/omLine.h"
#include "controls/ASimpleObject.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CPromptService.h"
#include "resources/ui/StrakonResourceIds.h"

#include <cmath>
#include <iterator>

namespace {

// The support buttons: what they fix and the angle of the symbol.
struct SupportButton {
    UINT id;
    bool x, z, rotation;
    double angle;
};
constexpr SupportButton kSupports[] = {
    {ID_SUPPORT_HORIZONTAL_1, true, false, false, 90},  {ID_SUPPORT_HORIZONTAL_2, true, false, false, 270},
    {ID_SUPPORT_VERTICAL_1, false, true, false, 0},     {ID_SUPPORT_VERTICAL_2, false, true, false, 180},
    {ID_SUPPORT_FIXED_1, true, true, false, 0},         {ID_SUPPORT_FIXED_2, true, true, false, 90},
    {ID_SUPPORT_FIXED_3, true, true, false, 180},       {ID_SUPPORT_FIXED_4, true, true, false, 270},
    {ID_SUPPORT_FULL_1, true, true, true, 0},           {ID_SUPPORT_FULL_2, true, true, true, 90},
    {ID_SUPPORT_FULL_3, true, true, true, 180},         {ID_SUPPORT_FULL_4, true, true, true, 270},
    {ID_SUPPORT_NONE, false, false, false, 0},
};

const SupportButton* supportButton(UINT id) {
    for (const SupportButton& b : kSupports)
        if (b.id == id) return &b;
    return nullptr;
}

// The input mode of a command.
int inputModeOf(UINT id) {
    switch (id) {
    case ID_ADD_NODE:
        return AGeometryView::inputNode;
    case ID_ADD_LINEAR_ELEMENT:
        return AGeometryView::inputLinearElement;
    case ID_ADD_NONLINEAR_ELEMENT:
        return AGeometryView::inputNonLinearElement;
    case ID_TOGGLE_X_SUPPORT:
        return AGeometryView::inputSupportX;
    case ID_TOGGLE_Z_SUPPORT:
        return AGeometryView::inputSupportZ;
    case ID_TOGGLE_ROTATION_SUPPORT:
        return AGeometryView::inputSupportRotation;
    case ID_ELASTIC_GROUND:
        return AGeometryView::inputElasticGround;
    case ID_TOGGLE_FI_RELEASE:
        return AGeometryView::inputRelease;
    default:
        return -1;
    }
}

bool isLinearMember(const ADesignElement* element) {
    return element && element->GetObjectType() == 10;
}

void message(const char* text, const char* caption) {
    CPromptService::Instance().MessageBox({text, caption, MB_OK});
}

} // namespace

omUnitValue AGeometryView::s_groundCoefficient{0.0, omUK_kN_cm3};
int AGeometryView::s_groundSide = 0;

IMPLEMENT_DYNCREATE(AGeometryView, AZoomView)

BEGIN_MESSAGE_MAP(AGeometryView, AZoomView)
ON_COMMAND(ID_SELECT, &AGeometryView::OnSelect)
ON_UPDATE_COMMAND_UI(ID_SELECT, &AGeometryView::OnUpdateSelect)
ON_COMMAND(ID_SELECT_WINDOW, &AGeometryView::OnSelectWindow)
ON_UPDATE_COMMAND_UI(ID_SELECT_WINDOW, &AGeometryView::OnUpdateSelectWindow)
ON_COMMAND_RANGE(ID_ADD_LINEAR_ELEMENT, ID_ADD_NODE, &AGeometryView::OnInputMode)
ON_UPDATE_COMMAND_UI_RANGE(ID_ADD_LINEAR_ELEMENT, ID_ADD_NODE, &AGeometryView::OnUpdateInputMode)
ON_COMMAND_RANGE(ID_TOGGLE_X_SUPPORT, ID_TOGGLE_ROTATION_SUPPORT, &AGeometryView::OnInputMode)
ON_UPDATE_COMMAND_UI_RANGE(ID_TOGGLE_X_SUPPORT, ID_TOGGLE_ROTATION_SUPPORT, &AGeometryView::OnUpdateInputMode)
ON_COMMAND_RANGE(ID_ELASTIC_GROUND, ID_TOGGLE_FI_RELEASE, &AGeometryView::OnInputMode)
ON_UPDATE_COMMAND_UI_RANGE(ID_ELASTIC_GROUND, ID_TOGGLE_FI_RELEASE, &AGeometryView::OnUpdateInputMode)
ON_COMMAND(ID_EDIT_MATERIALS, &AGeometryView::OnEditMaterials)
ON_COMMAND(ID_EDIT_CROSS_SECTIONS, &AGeometryView::OnEditCrossSections)
ON_COMMAND(ID_SHOW_MATERIAL_COLOR, &AGeometryView::OnSwapFill)
ON_UPDATE_COMMAND_UI(ID_SHOW_MATERIAL_COLOR, &AGeometryView::OnUpdateMaterialFill)
ON_COMMAND(ID_SHOW_CROSS_SECTION_COLOR, &AGeometryView::OnSwapFill)
ON_UPDATE_COMMAND_UI(ID_SHOW_CROSS_SECTION_COLOR, &AGeometryView::OnUpdateSectionFill)
ON_COMMAND(ID_TOGGLE_ORTO, &AGeometryView::OnToggleOrto)
ON_UPDATE_COMMAND_UI(ID_TOGGLE_ORTO, &AGeometryView::OnUpdateOrto)
ON_COMMAND(ID_SHOW_MAJOR_GRID, &AGeometryView::OnMajorGrid)
ON_UPDATE_COMMAND_UI(ID_SHOW_MAJOR_GRID, &AGeometryView::OnUpdateMajorGrid)
ON_COMMAND(ID_SHOW_MINOR_GRID, &AGeometryView::OnMinorGrid)
ON_UPDATE_COMMAND_UI(ID_SHOW_MINOR_GRID, &AGeometryView::OnUpdateMinorGrid)
ON_COMMAND_RANGE(ID_SUPPORT_HORIZONTAL_1, ID_SUPPORT_FULL_4, &AGeometryView::OnSupport)
ON_UPDATE_COMMAND_UI_RANGE(ID_SUPPORT_HORIZONTAL_1, ID_SUPPORT_FULL_4, &AGeometryView::OnUpdateSupport)
ON_COMMAND_RANGE(ID_SUPPORT_NONE, ID_SUPPORT_NONE, &AGeometryView::OnSupport)
ON_UPDATE_COMMAND_UI_RANGE(ID_SUPPORT_NONE, ID_SUPPORT_NONE, &AGeometryView::OnUpdateSupport)
ON_COMMAND(ID_ELEMENT_SELECT, &AGeometryView::OnObjectSelect)
ON_COMMAND(ID_NODE_SELECT, &AGeometryView::OnObjectSelect)
ON_COMMAND(ID_ELEMENT_DELETE, &AGeometryView::OnObjectDelete)
ON_COMMAND(ID_NODE_DELETE, &AGeometryView::OnObjectDelete)
ON_COMMAND(ID_ELEMENT_PROPERTIES, &AGeometryView::OnObjectProperties)
ON_COMMAND(ID_NODE_PROPERTIES, &AGeometryView::OnObjectProperties)
ON_COMMAND(ID_ELEMENT_MOVE, &AGeometryView::OnElementMove)
ON_COMMAND(ID_NODE_MOVE, &AGeometryView::OnNodeMove)
ON_COMMAND_RANGE(ID_SPLIT_2, ID_SPLIT_5, &AGeometryView::OnSplit)
ON_COMMAND(ID_SPLIT_MORE, &AGeometryView::OnSplitMore)
ON_COMMAND(ID_ELEMENT_TOGGLE_TRUSS, &AGeometryView::OnToggleTruss)
ON_COMMAND(ID_ELEMENT_ELASTIC_SUPPORT, &AGeometryView::OnElementGround)
ON_COMMAND_RANGE(ID_GROUND_POSITIVE, ID_GROUND_NONE, &AGeometryView::OnGroundSide)
ON_COMMAND_RANGE(ID_NODE_TOGGLE_UZ, ID_NODE_TOGGLE_FIY, &AGeometryView::OnNodeToggleSupport)
END_MESSAGE_MAP()

AGeometryViewDocument::~AGeometryViewDocument() = default;

AGeometryView::AGeometryView() = default;
AGeometryView::~AGeometryView() = default;

AStrakonDocument* AGeometryView::GetStrakonDocument() const {
    return dynamic_cast<AStrakonDocument*>(GetDocument());
}

AGeometryViewDocument* AGeometryView::GetEditDocument() const {
    return dynamic_cast<AGeometryViewDocument*>(GetDocument());
}

// --- input modes -------------------------------------------------------------------------------------

void AGeometryView::RefillObjects(bool elementsFirst, bool nodes) {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!doc) return;
    doc->ClearObjects(true);
    if (elementsFirst) {
        doc->CollectElements();
        if (nodes) doc->CollectNodes();
    } else {
        if (nodes) doc->CollectNodes();
        doc->CollectElements();
    }
}

void AGeometryView::SetInputMode(int mode) {
    if (mode < inputNode || mode > inputRelease) {
        m_bAction = false;
        return;
    }
    m_nInputMode = mode;
    SetMouseMode(modeOther);
    const bool drawsElement = mode == inputLinearElement || mode == inputNonLinearElement;
    // A member is drawn by click, move, click.
    m_nDrag = drawsElement ? 1 : 0;
    if (drawsElement) m_nCancel = 0;
    // Members are picked first where a member is being drawn (its end may split one),
    // members alone where ground and releases are set.
    const bool elementsOnly = mode == inputElasticGround || mode == inputRelease;
    RefillObjects(drawsElement || elementsOnly, !elementsOnly);
    m_bAction = false;
}

// --- actions -----------------------------------------------------------------------------------------

bool AGeometryView::OnClickAction(UINT flags, int x, int y) {
    if (m_nMode != modeOther) return AZoomView::OnClickAction(flags, x, y);
    omPoint world;
    AObject* hit = HitTest(x, y, world, false);
    auto* node = dynamic_cast<ANode2D*>(hit);
    auto* element = dynamic_cast<ALinearDesignElement2D*>(hit);
    const bool shift = (flags & MK_SHIFT) != 0 || IsShiftHeld();
    AGeometryViewDocument* edit = GetEditDocument();
    if (!edit) return false;
    switch (m_nInputMode) {
    case inputNode:
        if (node) {
            message("Cannot put a node over an existing node!", "Error");
            return true;
        }
        edit->NewNode(world.x, world.y, !shift);
        return true;
    case inputSupportX:
    case inputSupportZ:
    case inputSupportRotation:
        if (!node) return false;
        edit->ToggleNodeSupport(node, 2 * (m_nInputMode - inputSupportX));
        return true;
    case inputSupport:
        if (!node) return false;
        edit->SetNodeSupport(node, m_bSupportX, m_bSupportZ, m_bSupportRotation, m_supportAngle);
        return true;
    case inputElasticGround: {
        if (!element) return false;
        if (!isLinearMember(element)) {
            message("Elastic ground support can be assigned to the linear elements only. This element, however, "
                    "is non-linear!",
                    "Error");
            return false;
        }
        if (!shift) {
            s_groundCoefficient = omUnitValue(0.0, AUnitKeyAttributes::Instance()->forcePerVolume);
            s_groundSide = 0;
            AElasticGroundDlg dlg(this);
            dlg.SetGround(s_groundCoefficient, s_groundSide);
            if (dlg.DoModal() != IDOK) return false;
            omUnitValue coefficient;
            int side = -1;
            // OK without a side chosen asks for no change of the ground.
            if (!dlg.GetGround(coefficient, side)) return false;
            s_groundCoefficient = coefficient;
            s_groundSide = side;
        }
        edit->SetElasticGround(element, s_groundCoefficient, s_groundSide);
        return true;
    }
    case inputRelease: {
        if (!element) return false;
        const omLine axis = element->getLine(omUK_m, omNode::coorPlain);
        // The relative position of the foot of the perpendicular from the point.
        const double t = axis.scalar(world);
        edit->ToggleElementRelease(element, t > 0.5 ? 1 : 0, 4);
        return true;
    }
    default:
        return false;
    }
}

bool AGeometryView::OnButtonDownAction(UINT flags, int x, int y) {
    if (m_nMode != modeOther) return AZoomView::OnButtonDownAction(flags, x, y);
    if (m_nInputMode != inputLinearElement && m_nInputMode != inputNonLinearElement) return false;
    AObject* hit = HitTest(x, y, m_start, false);
    m_end = m_start;
    m_pFirstNode = dynamic_cast<ANode2D*>(hit);
    m_nCancel = 0;
    m_dragShapes.Clear();
    auto* line = new ASimpleLine(m_start, m_start);
    m_dragShapes.Add(line);
    m_dragShapes.Add(line->GetPoint2());
    m_dragShapes.SetMovablePoint(m_start);
    return true;
}

bool AGeometryView::OnMouseMoveAction(UINT flags, int x, int y) {
    if (m_nMode != modeOther) return AZoomView::OnMouseMoveAction(flags, x, y);
    if (m_nInputMode != inputLinearElement && m_nInputMode != inputNonLinearElement) return false;
    omPoint p;
    AObject* hit = HitTest(x, y, p, false);
    if (m_bOrto) p = OrthogonalPoint(x, y, hit);
    m_end = p;
    m_dragShapes.Drag(GetC2L(), this, p);
    return true;
}

bool AGeometryView::OnButtonUpAction(UINT flags, int x, int y) {
    if (m_nMode != modeOther) return AZoomView::OnButtonUpAction(flags, x, y);
    if (m_nInputMode != inputLinearElement && m_nInputMode != inputNonLinearElement) return false;
    omPoint end;
    AObject* hit = HitTest(x, y, end, false);
    if (end == m_start) {
        CancelAction(flags, x, y);
        return true;
    }
    if (m_bOrto) end = OrthogonalPoint(x, y, hit);
    m_end = end;
    m_dragShapes.Clear();
    InvalidateOverlay();
    m_bAction = false;
    const bool shift = (flags & MK_SHIFT) != 0 || IsShiftHeld();
    if (AGeometryViewDocument* edit = GetEditDocument())
        edit->NewElement(m_pFirstNode, dynamic_cast<ANode2D*>(hit), m_start, end,
                         m_nInputMode == inputNonLinearElement, !shift);
    return true;
}

void AGeometryView::CancelAction(UINT flags, int x, int y) {
    if (m_nMode != modeOther) {
        AZoomView::CancelAction(flags, x, y);
        return;
    }
    if (m_nInputMode != inputLinearElement && m_nInputMode != inputNonLinearElement) return;
    m_bAction = false;
    m_dragShapes.Clear();
    InvalidateOverlay();
}

omPoint AGeometryView::OrthogonalPoint(int x, int y, AObject* hit) {
    omPoint p;
    HitTest(x, y, p, true);
    if (std::fabs(p.y - m_start.y) >= std::fabs(p.x - m_start.x))
        p.x = m_start.x;
    else
        p.y = m_start.y;
    if (auto* element = dynamic_cast<ADesignElement*>(hit); element && !(p == m_start)) {
        // A member parallel to the line has no crossing: p stays as it is.
        const omLine towards(m_start, p);
        element->getLine(omUK_m, omNode::coorPlain).intersection(towards, p);
    }
    return p;
}

// --- texts -------------------------------------------------------------------------------------------

CString AGeometryView::GetModeName() {
    const omPoint cursor(m_tipX, m_tipZ);
    int category = -1;
    omPoint a = cursor, b = cursor;
    switch (m_nMode) {
    case modePick:
    case modeSelect:
        category = 1;
        break;
    case modeMove:
        category = 2;
        b = m_moveStart;
        break;
    case modeOther:
        switch (m_nInputMode) {
        case inputNode:
            category = 3;
            break;
        case inputLinearElement:
        case inputNonLinearElement:
            category = 4;
            if (m_bAction) {
                a = m_end;
                b = m_start;
            }
            break;
        case inputSupportX:
        case inputSupportZ:
        case inputSupportRotation:
            category = 5;
            break;
        default:
            category = 0;
            break;
        }
        break;
    default:
        return AZoomView::GetModeName();
    }
    return APellionTipText::Instance()->GetTipText(APellionTipText::kGeometryView, category, GetObjectUnderCursor(),
                                                   m_bAction, a, b);
}

CString AGeometryView::GetPromptText() {
    return APellionTipText::Instance()->GetCoordinateText(m_tipX, m_tipZ);
}

// --- drawing and framework ---------------------------------------------------------------------------

bool AGeometryView::Draw(CDC* dc, CPoint) const {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!doc) return true;
    const omRect world = ClipWorldRect(dc);
    AMapC2L& map = const_cast<AMapC2L&>(GetC2L());
    doc->DrawStructure(dc, map, world, 0);
    return true;
}

void AGeometryView::OnInitialUpdate() {
    if (AStrakonDocument* doc = GetStrakonDocument()) GetC2L().SetTotalCU(doc->GetDrawExtents(2, 0, 0));
    AZoomView::OnInitialUpdate();
    SetInputMode(AOptionsAttributes::Instance()->defaultElement == 1 ? inputNonLinearElement : inputLinearElement);
}

void AGeometryView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
    // The view that becomes active fills the document's pickable objects.
    if (bActivate) {
        if (m_nMode == modeOther)
            SetInputMode(m_nInputMode);
        else
            OnSelect();
    }
    AZoomView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void AGeometryView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
    if (lHint >= 1000) return;
    if (lHint == 11) {
        const AOptionsAttributes& options = *AOptionsAttributes::Instance();
        m_grid.SetColors(options.gridColorMajor, options.gridColorMinor);
        m_grid.EnableMajor(options.showGridMajor);
        m_grid.EnableMinor(options.showGridMinor);
    }
    AZoomView::OnUpdate(pSender, lHint, pHint);
}

// --- commands ----------------------------------------------------------------------------------------

void AGeometryView::OnSelect() {
    CancelAtCursor();
    RefillObjects(false, true);
    SetMouseMode(modePick);
    m_bAction = false;
}

void AGeometryView::OnSelectWindow() {
    CancelAtCursor();
    RefillObjects(false, true);
    SetMouseMode(modeSelect);
    m_bAction = false;
}

void AGeometryView::OnInputMode(UINT id) {
    // The ground and release buttons only switch the mode.
    if (id != ID_ELASTIC_GROUND && id != ID_TOGGLE_FI_RELEASE) CancelAtCursor();
    SetInputMode(inputModeOf(id));
}

void AGeometryView::OnEditMaterials() {
    if (AGeometryViewDocument* edit = GetEditDocument()) edit->EditMaterials(this);
}

void AGeometryView::OnEditCrossSections() {
    if (AGeometryViewDocument* edit = GetEditDocument()) edit->EditCrossSections(this);
}

void AGeometryView::OnSwapFill() {
    ADrawAttributes& attributes = *ADrawAttributes::Instance();
    if (!attributes.m_fillMaterialColor) {
        attributes.m_fillMaterialColor = true;
        attributes.m_fillCrossSectionColor = false;
    } else {
        attributes.m_fillMaterialColor = false;
        attributes.m_fillCrossSectionColor = true;
    }
    if (CDocument* doc = GetDocument()) doc->UpdateAllViews(nullptr, 0, nullptr);
}

void AGeometryView::OnToggleOrto() {
    m_bOrto = !m_bOrto;
}

void AGeometryView::OnMajorGrid() {
    if (m_grid.IsMajorEnabled()) {
        m_grid.EnableMajor(false);
        m_grid.EnableMinor(false);
    } else {
        m_grid.EnableMajor(true);
    }
    AOptionsAttributes& options = *AOptionsAttributes::Instance();
    options.showGridMajor = m_grid.IsMajorEnabled();
    options.showGridMinor = m_grid.IsMinorEnabled();
    Invalidate();
}

void AGeometryView::OnMinorGrid() {
    if (!m_grid.IsMinorEnabled()) {
        m_grid.EnableMinor(true);
        m_grid.EnableMajor(true);
    } else {
        m_grid.EnableMinor(false);
    }
    AOptionsAttributes& options = *AOptionsAttributes::Instance();
    options.showGridMajor = m_grid.IsMajorEnabled();
    options.showGridMinor = m_grid.IsMinorEnabled();
    Invalidate();
}

void AGeometryView::OnSupport(UINT id) {
    const SupportButton* button = supportButton(id);
    if (!button) return;
    m_bSupportX = button->x;
    m_bSupportZ = button->z;
    m_bSupportRotation = button->rotation;
    m_supportAngle = button->angle;
    SetInputMode(inputSupport);
}

ADesignElement* AGeometryView::ElementUnderCursor() const {
    return dynamic_cast<ADesignElement*>(GetObjectUnderCursor());
}

ANode* AGeometryView::NodeUnderCursor() const {
    return dynamic_cast<ANode*>(GetObjectUnderCursor());
}

void AGeometryView::OnObjectSelect() {
    Pick(GetObjectUnderCursor(), false);
}

void AGeometryView::OnObjectDelete() {
    Pick(GetObjectUnderCursor(), false);
    OnDelete();
}

void AGeometryView::OnObjectProperties() {
    Pick(GetObjectUnderCursor(), false);
    if (AZoomViewDocument* doc = GetZoomDocument()) doc->ShowSelectionProperties(this, true);
}

void AGeometryView::OnElementMove() {
    ADesignElement* element = ElementUnderCursor();
    if (!element) return;
    Pick(element, false);
    for (auto end : {omDesignElement::first, omDesignElement::second})
        if (const ANode* node = element->GetDrawableNode(end)) Pick(const_cast<ANode*>(node), true);
    OnMove();
}

void AGeometryView::OnNodeMove() {
    ANode* node = NodeUnderCursor();
    if (!node) return;
    Pick(node, false);
    OnMove();
}

void AGeometryView::OnSplit(UINT id) {
    ADesignElement* element = ElementUnderCursor();
    AGeometryViewDocument* edit = GetEditDocument();
    if (element && edit) edit->SplitElement(element, static_cast<int>(id - ID_SPLIT_2) + 2);
}

void AGeometryView::OnSplitMore() {
    ADesignElement* element = ElementUnderCursor();
    AGeometryViewDocument* edit = GetEditDocument();
    if (!element || !edit) return;
    AElementSplitNumber dlg(this);
    dlg.m_nNumber = 10;
    if (dlg.DoModal() == IDOK) edit->SplitElement(element, static_cast<int>(dlg.m_nNumber));
}

void AGeometryView::OnToggleTruss() {
    ADesignElement* element = ElementUnderCursor();
    AGeometryViewDocument* edit = GetEditDocument();
    if (!element || !edit) return;
    edit->ToggleElementRelease(element, 0, 4);
    edit->ToggleElementRelease(element, 1, 4);
}

ADesignElement* AGeometryView::GroundElementUnderCursor() {
    ADesignElement* element = ElementUnderCursor();
    if (!element) return nullptr;
    if (!isLinearMember(element)) {
        message("This command can not be applied to non-linear element!\nThe command is ignored.", "Warning");
        return nullptr;
    }
    return element;
}

void AGeometryView::OnElementGround() {
    AGeometryViewDocument* edit = GetEditDocument();
    auto* element = dynamic_cast<ALinearDesignElement2D*>(GroundElementUnderCursor());
    if (!element || !edit) return;
    s_groundCoefficient = element->getElGroundCoef();
    s_groundSide = static_cast<int>(element->getElGroundType());
    AElasticGroundDlg dlg(this);
    dlg.SetGround(s_groundCoefficient, s_groundSide);
    if (dlg.DoModal() != IDOK) return;
    omUnitValue coefficient;
    int side = -1;
    if (!dlg.GetGround(coefficient, side)) return;
    s_groundCoefficient = coefficient;
    s_groundSide = side;
    edit->SetElasticGround(element, coefficient, side);
}

void AGeometryView::OnGroundSide(UINT id) {
    AGeometryViewDocument* edit = GetEditDocument();
    auto* element = dynamic_cast<ALinearDesignElement2D*>(GroundElementUnderCursor());
    if (!element || !edit) return;
    const omUnitValue coefficient = element->getElGroundCoef();
    if (coefficient.GetValue() == 0.0) {
        message("The elastic ground coefficient is NULL!\nThis command has no effect!", "Warning");
        return;
    }
    constexpr int kSides[] = {2, 3, 1, 0}; // positive, negative, both, none
    edit->SetElasticGround(element, coefficient, kSides[id - ID_GROUND_POSITIVE]);
}

void AGeometryView::OnNodeToggleSupport(UINT id) {
    ANode* node = NodeUnderCursor();
    AGeometryViewDocument* edit = GetEditDocument();
    constexpr int kDofs[] = {2, 0, 4}; // uz, ux, rotation
    if (node && edit) edit->ToggleNodeSupport(node, kDofs[id - ID_NODE_TOGGLE_UZ]);
}

// --- update handlers ---------------------------------------------------------------------------------

void AGeometryView::OnUpdateSelect(CCmdUI* pCmdUI) {
    AZoomView::OnUpdateSelect(pCmdUI);
    pCmdUI->SetCheck(m_nMode == modePick);
}

void AGeometryView::OnUpdateSelectWindow(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_nMode == modeSelect);
}

void AGeometryView::OnUpdateInputMode(CCmdUI* pCmdUI) {
    const int mode = inputModeOf(pCmdUI->m_nID);
    // The ground and release buttons show their input mode whatever the mouse does.
    const bool buttonOnly = pCmdUI->m_nID == ID_ELASTIC_GROUND || pCmdUI->m_nID == ID_TOGGLE_FI_RELEASE;
    pCmdUI->SetCheck(m_nInputMode == mode && (buttonOnly || m_nMode == modeOther));
}

void AGeometryView::OnUpdateMaterialFill(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(ADrawAttributes::Instance()->m_fillMaterialColor);
}

void AGeometryView::OnUpdateSectionFill(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(ADrawAttributes::Instance()->m_fillCrossSectionColor);
}

void AGeometryView::OnUpdateOrto(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_bOrto);
}

void AGeometryView::OnUpdateMajorGrid(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_grid.IsMajorEnabled());
}

void AGeometryView::OnUpdateMinorGrid(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_grid.IsMinorEnabled());
}

void AGeometryView::OnUpdateSupport(CCmdUI* pCmdUI) {
    const SupportButton* button = supportButton(pCmdUI->m_nID);
    pCmdUI->SetCheck(button && m_nInputMode == inputSupport && m_bSupportX == button->x &&
                     m_bSupportZ == button->z && m_bSupportRotation == button->rotation &&
                     m_supportAngle == button->angle);
}
