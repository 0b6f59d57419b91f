#include "app/views/AForceView.h"

#include "app/dialogs/AConcentratedForceDlg.h"
#include "app/dialogs/ADisplacementDlg.h"
#include "app/dialogs/ALinearLoadDlg.h"
#include "app/dialogs/ATemperatureLoadDlg.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/ADesignElement.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AElementLoadGroup.h"
#include "app/views/ANode2D.h"
#include "app/views/ANodeLoadGroup.h"
#include "app/views/APellionTipText.h"
#include "app/views/AStrakon.h"
#include "common/omLine.h"
#include "controls/ASimpleObject.h"
#include "model/omDofStructureType.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CWinApp.h"
#include "resources/ui/StrakonLoadIds.h"
#include "resources/ui/StrakonResourceIds.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr LPARAM kHintActionsChanged = 2200;
constexpr LPARAM kHintLoadChanged = 2201;

// The input mode of a command.
int inputModeOf(UINT id) {
    switch (id) {
    case ID_ADD_FORCE:
        return AForceView::inputForce;
    case ID_ADD_ELEMENT_LOAD:
        return AForceView::inputLinearLoad;
    case ID_ADD_PARTIAL_ELEMENT_LOAD:
        return AForceView::inputPartialLinearLoad;
    case ID_ADD_TEMPERATURE_LOAD:
        return AForceView::inputTemperature;
    case ID_PRESCRIBE_DISPLACEMENT:
        return AForceView::inputDisplacement;
    default:
        return -1;
    }
}

// The prototypes are made on first use: the structure type they are built with
// is itself a singleton made on first use.
struct Prototypes {
    std::unique_ptr<omLoadForce> force;
    std::unique_ptr<omLoadLinear> linear;
    std::unique_ptr<omLoadTemperature> temperature;
};

Prototypes& prototypes() {
    static Prototypes p;
    return p;
}

const omDofStructureType* frameType() {
    return omDofStrakonStructureType::instance();
}

double memberLengthCm(const ADesignElement& element) {
    return element.getLine(omUK_cm, omNode::coorPlain).length();
}

bool isZeroLinear(const omLoadLinear& load) {
    return load.getForce(0.0, 0.0).norm(normEuclidean) == 0.0 &&
           load.getForce(0.0, 1.0).norm(normEuclidean) == 0.0;
}

} // namespace

IMPLEMENT_DYNCREATE(AForceView, AZoomView)

BEGIN_MESSAGE_MAP(AForceView, AZoomView)
ON_COMMAND(ID_SELECT, &AForceView::OnSelectMode)
ON_UPDATE_COMMAND_UI(ID_SELECT, &AForceView::OnUpdateSelectMode)
ON_COMMAND_RANGE(ID_ADD_FORCE, ID_ADD_ELEMENT_LOAD, &AForceView::OnModeCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_ADD_FORCE, ID_ADD_ELEMENT_LOAD, &AForceView::OnUpdateModeCommand)
ON_COMMAND_RANGE(ID_ADD_PARTIAL_ELEMENT_LOAD, ID_ADD_TEMPERATURE_LOAD, &AForceView::OnModeCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_ADD_PARTIAL_ELEMENT_LOAD, ID_ADD_TEMPERATURE_LOAD,
                           &AForceView::OnUpdateModeCommand)
ON_COMMAND(ID_NODE_LOAD_SELECT, &AForceView::OnLoadSelect)
ON_COMMAND(ID_NODE_LOAD_DELETE, &AForceView::OnLoadDelete)
ON_COMMAND(ID_NODE_LOAD_PROPERTIES, &AForceView::OnLoadProperties)
ON_COMMAND(ID_ELEMENT_LOAD_SELECT, &AForceView::OnLoadSelect)
ON_COMMAND(ID_ELEMENT_LOAD_DELETE, &AForceView::OnLoadDelete)
ON_COMMAND(ID_ELEMENT_LOAD_PROPERTIES, &AForceView::OnLoadProperties)
END_MESSAGE_MAP()

AForceView::AForceView() {
    m_grid.EnableMajor(false);
    m_grid.EnableMinor(false);
}

AForceView::~AForceView() = default;

// --- prototypes --------------------------------------------------------------------------------------

omLoadForce& AForceView::PrototypeForce() {
    auto& p = prototypes().force;
    if (!p) p = std::make_unique<omLoadForce>(frameType(), 0);
    return *p;
}

omLoadLinear& AForceView::PrototypeLinearLoad() {
    auto& p = prototypes().linear;
    if (!p) p = std::make_unique<omLoadLinear>(frameType(), 0);
    return *p;
}

omLoadTemperature& AForceView::PrototypeTemperatureLoad() {
    auto& p = prototypes().temperature;
    if (!p) p = std::make_unique<omLoadTemperature>(frameType(), 0);
    return *p;
}

void AForceView::ReleasePrototypes() {
    prototypes() = Prototypes();
}

bool AForceView::LoadedPart(double a, double b, double& start, double& end) {
    start = std::min(a, b);
    end = std::max(a, b);
    if (start <= 0.0) start = 0.0;
    if (end > 1.0) end = 1.0;
    // A part wholly beyond one end is clamped to nothing.
    return end > start;
}

// --- document ----------------------------------------------------------------------------------------

AStrakonDocument* AForceView::GetStrakonDocument() const {
    return dynamic_cast<AStrakonDocument*>(GetDocument());
}

bool AForceView::IsLoadGroupValid() const {
    AStrakonDocument* doc = GetStrakonDocument();
    const omLoadManager* manager = doc && doc->GetModel() ? doc->GetModel()->getLoadManager() : nullptr;
    return manager && m_LoadGroup >= 1 && m_LoadGroup <= manager->groupSize();
}

void AForceView::SetInputMode(int mode) {
    AStrakonDocument* doc = GetStrakonDocument();
    if (doc) {
        doc->ClearObjects(false);
        doc->UpdateAllViews(nullptr, 2000, nullptr);
        doc->ShowSelectionProperties(static_cast<CView*>(this), false);
    }
    m_InputMode = mode;
    m_pPressElement = nullptr;
    switch (mode) {
    case inputSelect:
        if (doc) {
            doc->GetObjectList().RemoveAll();
            doc->CollectNodeLoads();
            doc->CollectElementLoads();
        }
        SetMouseMode(modePick);
        break;
    case inputForce:
        if (doc) {
            doc->CollectNodes();
            doc->CollectElements();
        }
        SetMouseMode(modeOther);
        break;
    case inputLinearLoad:
    case inputTemperature:
        if (doc) doc->CollectElements();
        SetMouseMode(modeOther);
        break;
    case inputPartialLinearLoad:
        if (doc) doc->CollectElements();
        SetMouseMode(modeOther);
        // Button down, moves and button up reach the view; no rubber band.
        m_nDrag = 1;
        m_nCancel = 0;
        break;
    case inputDisplacement:
        if (doc) doc->CollectNodes();
        SetMouseMode(modeOther);
        break;
    default:
        break;
    }
    m_bAction = false;
}

// --- placing loads -----------------------------------------------------------------------------------

bool AForceView::AddForce(AObject* hit, const omPoint& world, bool shift) {
    auto* node = dynamic_cast<ANode*>(hit);
    auto* element = dynamic_cast<ADesignElement*>(hit);
    if (!node && !element) return false;
    omLoadForce& force = PrototypeForce();
    double length = 1.0;
    if (element) {
        const omLine axis = element->getLine(omUK_m, omNode::coorPlain);
        force.setX(axis.scalar(axis.perpendicular(world)));
        length = memberLengthCm(*element);
    } else {
        force.setX(0.0);
    }
    if (!shift) {
        AConcentratedForceDlg dlg(this);
        dlg.SetLoad(force, element != nullptr, length);
        if (dlg.DoModal() != IDOK) return false;
        dlg.GetLoad(force);
    }
    if (!force.isForce(Ux) && !force.isForce(Uz) && !force.isForce(Ry)) return false;
    AStrakonDocument* doc = GetStrakonDocument();
    if (element)
        doc->AddElementLoad(element, force, m_LoadGroup);
    else
        doc->AddNodeLoad(node, force, m_LoadGroup);
    return true;
}

bool AForceView::AddDisplacement(AObject* hit) {
    auto* node = dynamic_cast<ANode*>(hit);
    if (!node) return false;
    if (!node->isSupported()) {
        CPromptService::Instance().MessageBox(
            {"The selected node is not supported in either direction.\nYou can't prescribe displacement for "
             "unsupported node!",
             AfxGetAppName(), MB_OK});
        return true;
    }
    omLoadDisplacement displacement(frameType(), 0);
    ADisplacementDlg dlg(this);
    dlg.SetLoad(displacement, node);
    if (dlg.DoModal() != IDOK) return true;
    if (!dlg.GetLoad(displacement)) return true;
    GetStrakonDocument()->AddNodeLoad(node, displacement, m_LoadGroup);
    return true;
}

bool AForceView::AddLinearLoad(ADesignElement* element, bool shift) {
    omLoadLinear& load = PrototypeLinearLoad();
    if (!shift) {
        ALinearLoadDlg dlg(this);
        dlg.SetLoad(load, memberLengthCm(*element));
        if (dlg.DoModal() != IDOK) return false;
        dlg.GetLoad(load);
    }
    if (isZeroLinear(load)) return false;
    GetStrakonDocument()->AddElementLoad(element, load, m_LoadGroup);
    return true;
}

bool AForceView::AddTemperatureLoad(ADesignElement* element, bool shift) {
    omLoadTemperature& load = PrototypeTemperatureLoad();
    if (!shift) {
        ATemperatureLoadDlg dlg(this);
        dlg.SetLoad(load);
        if (dlg.DoModal() != IDOK) return false;
        dlg.GetLoad(load);
    }
    if (load.T(0, 1) == 0.0 && load.T(1, 1) == 0.0) return false;
    GetStrakonDocument()->AddElementLoad(element, load, m_LoadGroup);
    return true;
}

bool AForceView::OnClickAction(UINT flags, int x, int y) {
    if (m_nMode != modeOther) return AZoomView::OnClickAction(flags, x, y);
    omPoint world;
    AObject* hit = HitTest(x, y, world, false);
    if (!hit) return false;
    // Loads of an action that does not exist would never be solved nor seen.
    if (!GetStrakonDocument() || !IsLoadGroupValid()) return false;
    const bool shift = (flags & MK_SHIFT) != 0 || IsShiftHeld();
    auto* element = dynamic_cast<ADesignElement*>(hit);
    switch (m_InputMode) {
    case inputForce:
        return AddForce(hit, world, shift);
    case inputDisplacement:
        return AddDisplacement(hit);
    case inputLinearLoad:
        if (!element) return false;
        PrototypeLinearLoad().setStart(0.0);
        PrototypeLinearLoad().setEnd(1.0);
        return AddLinearLoad(element, shift);
    case inputTemperature:
        return element && AddTemperatureLoad(element, shift);
    default:
        return false;
    }
}

void AForceView::DragBandTo(const omPoint& p) {
    const omLine axis = m_pPressElement->getLine(omUK_m, omNode::coorPlain);
    const double d = ADrawAttributes::Instance()->m_nodeSize;
    const double length = axis.length();
    // The band lies beside the member, moved off its line by -d.
    omPoint offset;
    if (length > 0.0)
        offset =
            omPoint(-(axis.p2().y - axis.p1().y) / length * -d, (axis.p2().x - axis.p1().x) / length * -d);
    const omPoint foot = axis.perpendicular(p) + offset;
    if (m_dragShapes.IsEmpty()) {
        const omPoint start = axis.perpendicular(m_pressPoint) + offset;
        auto* band = new ASimpleBand(start, start, -1.5 * d);
        m_dragShapes.Add(band);
        m_dragShapes.Add(band->GetPoint2());
        m_dragShapes.SetMovablePoint(start);
    }
    m_dragShapes.Drag(GetC2L(), this, foot);
}

bool AForceView::OnButtonDownAction(UINT flags, int x, int y) {
    if (m_nMode != modeOther) return AZoomView::OnButtonDownAction(flags, x, y);
    if (m_InputMode != inputPartialLinearLoad) return false;
    omPoint world;
    auto* element = dynamic_cast<ADesignElement*>(HitTest(x, y, world, false));
    m_pPressElement = element;
    if (!element) return false;
    // The point as the hit test steps it along the member.
    m_pressPoint = world;
    m_dragShapes.Clear();
    DragBandTo(m_pressPoint);
    return true;
}

bool AForceView::OnMouseMoveAction(UINT flags, int x, int y) {
    if (m_nMode != modeOther) return AZoomView::OnMouseMoveAction(flags, x, y);
    if (m_InputMode != inputPartialLinearLoad) return false;
    if (!m_pPressElement) {
        m_bAction = false;
        return false;
    }
    DragBandTo(GetC2L().CU(CPoint(x, y)));
    return true;
}

bool AForceView::OnButtonUpAction(UINT flags, int x, int y) {
    if (m_nMode != modeOther) return AZoomView::OnButtonUpAction(flags, x, y);
    if (m_InputMode != inputPartialLinearLoad || !m_pPressElement) return false;
    ADesignElement* element = m_pPressElement;
    // On the kept member the point is stepped along it as the press point was.
    omPoint release;
    if (HitTest(x, y, release, false) != element) release = GetC2L().CU(CPoint(x, y));
    m_dragShapes.Clear();
    InvalidateOverlay();
    m_bAction = false;
    m_pPressElement = nullptr;
    if (release == m_pressPoint) return true;
    if (!GetStrakonDocument() || !IsLoadGroupValid()) return false;
    const omLine axis = element->getLine(omUK_m, omNode::coorPlain);
    double start = 0.0, end = 0.0;
    if (!LoadedPart(axis.scalar(m_pressPoint), axis.scalar(release), start, end)) return false;
    omLoadLinear& load = PrototypeLinearLoad();
    load.setStart(start);
    load.setEnd(end);
    const bool shift = (flags & MK_SHIFT) != 0 || IsShiftHeld();
    return AddLinearLoad(element, shift);
}

void AForceView::CancelAction(UINT flags, int x, int y) {
    if (m_nMode == modeOther) return;
    AZoomView::CancelAction(flags, x, y);
}

// --- texts and menus ---------------------------------------------------------------------------------

UINT AForceView::GetObjectMenuId(AObject* object) {
    if (dynamic_cast<ANode*>(object)) return IDR_NODE_LOAD_MENU;
    if (dynamic_cast<ADesignElement*>(object)) return IDR_ELEMENT_LOAD_MENU;
    return AZoomView::GetObjectMenuId(object);
}

CString AForceView::GetModeName() {
    int category = 0;
    switch (m_nMode) {
    case modePick:
    case modeSelect:
        category = 1;
        break;
    case modeOther:
        switch (m_InputMode) {
        case inputSelect:
            category = 1;
            break;
        case inputForce:
            category = 6;
            break;
        case inputLinearLoad:
            category = 8;
            break;
        case inputPartialLinearLoad:
            category = 9;
            break;
        case inputDisplacement:
            category = 7;
            break;
        case inputTemperature:
            category = 12;
            break;
        default:
            break;
        }
        break;
    default:
        return AZoomView::GetModeName();
    }
    const omPoint cursor(m_tipX, m_tipZ);
    return APellionTipText::Instance()->GetTipText(APellionTipText::kLoadsView, category,
                                                   GetObjectUnderCursor(), m_bAction, cursor, cursor);
}

CString AForceView::GetPromptText() {
    return APellionTipText::Instance()->GetCoordinateText(m_tipX, m_tipZ);
}

// --- drawing and framework ---------------------------------------------------------------------------

bool AForceView::Draw(CDC* dc, CPoint) const {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!doc) return true;
    const omRect world = ClipWorldRect(dc);
    AMapC2L& map = const_cast<AMapC2L&>(GetC2L());
    doc->DrawStructure(dc, map, world, 2);
    // A view whose action went shows the structure alone.
    if (!IsLoadGroupValid()) return true;
    const int previous = doc->GetActiveLoadGroup();
    if (previous != m_LoadGroup) doc->SetActiveLoadGroup(m_LoadGroup, false);
    doc->DrawLoads(dc, map, world, 0);
    if (previous != m_LoadGroup) doc->SetActiveLoadGroup(previous, false);
    return true;
}

void AForceView::OnInitialUpdate() {
    if (AStrakonDocument* doc = GetStrakonDocument()) GetC2L().SetTotalCU(doc->GetDrawExtents(2, 1, 0));
    AZoomView::OnInitialUpdate();
    SetInputMode(inputForce);
}

void AForceView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
    AZoomView::OnActivateView(bActivate, pActivateView, pDeactiveView);
    AStrakonDocument* doc = GetStrakonDocument();
    if (!bActivate || !doc) return;
    doc->SetActiveLoadGroup(m_LoadGroup, true);
    if (m_nMode == modeOther)
        SetInputMode(m_InputMode);
    else if (m_nMode == modePick)
        doc->UpdateAllViews(nullptr, inputSelect, nullptr);
    else
        doc->GetObjectList().RemoveAll();
}

void AForceView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
    if (lHint < 2000) {
        AZoomView::OnUpdate(pSender, lHint == 3 ? 4 : lHint, pHint);
        return;
    }
    if (lHint < 2100) {
        const LPARAM hint = lHint - 2000;
        AZoomView::OnUpdate(pSender, hint == 3 ? 4 : hint, pHint);
        return;
    }
    AStrakonDocument* doc = GetStrakonDocument();
    if (lHint == kHintActionsChanged) {
        const omLoadManager* manager = doc && doc->GetModel() ? doc->GetModel()->getLoadManager() : nullptr;
        if (!manager || manager->groupSize() <= m_LoadGroup) Invalidate();
        return;
    }
    if (lHint == kHintLoadChanged) {
        if (doc && doc->GetActiveLoadGroup() == m_LoadGroup) AZoomView::OnUpdate(pSender, 1, pHint);
        return;
    }
    // The hints of the other views (load cases, envelopes, results, design) are not input modes.
    if (lHint > inputTemperature) return;
    CancelAction(0xFFFF, 0, 0);
    SetInputMode(static_cast<int>(lHint));
}

// --- commands ----------------------------------------------------------------------------------------

void AForceView::OnSelectMode() {
    if (CDocument* doc = GetDocument()) doc->UpdateAllViews(nullptr, inputSelect, nullptr);
}

void AForceView::OnModeCommand(UINT id) {
    const int mode = inputModeOf(id);
    if (mode < 0) return;
    if (CDocument* doc = GetDocument()) doc->UpdateAllViews(nullptr, mode, nullptr);
}

AObject* AForceView::LoadGroupUnderCursor() const {
    AObject* object = GetObjectUnderCursor();
    if (auto* node = dynamic_cast<ANode*>(object)) return dynamic_cast<ANodeLoadGroup*>(node->getLoad());
    if (auto* element = dynamic_cast<ADesignElement*>(object))
        return dynamic_cast<AElementLoadGroup*>(element->getLoad());
    return object;
}

void AForceView::OnLoadSelect() {
    AObject* group = LoadGroupUnderCursor();
    if (CDocument* doc = GetDocument()) doc->UpdateAllViews(nullptr, inputSelect, nullptr);
    if (group) Pick(group, false);
}

void AForceView::OnLoadDelete() {
    OnLoadSelect();
    AStrakonDocument* doc = GetStrakonDocument();
    if (doc && !doc->GetSelection().IsEmpty()) doc->DeleteSelection(this);
    m_pObjectUnder = nullptr;
}

void AForceView::OnLoadProperties() {
    OnLoadSelect();
    if (AStrakonDocument* doc = GetStrakonDocument())
        doc->ShowSelectionProperties(static_cast<CView*>(this), true);
}

// --- update handlers ---------------------------------------------------------------------------------

void AForceView::OnUpdateSelectMode(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_nMode == modePick);
}

void AForceView::OnUpdateModeCommand(CCmdUI* pCmdUI) {
    const int mode = inputModeOf(pCmdUI->m_nID);
    pCmdUI->Enable(mode >= 0);
    pCmdUI->SetCheck(mode >= 0 && m_InputMode == mode && m_nMode == modeOther);
}
