#include "app/views/AZoomView.h"

#include "app/views/ACoordinatePane.h"
#include "app/views/AExtents2D.h"
#include "app/views/AReportPrinting.h"
#include "app/views/AZoomViewDocument.h"
#include "controls/AObject.h"
#include "controls/report/APaper.h"
#include "controls/report/APrintManager.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/CPromptService.h"
#include "resources/ui/StrakonResourceIds.h"

#include <QGuiApplication>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace {

struct ModeRow {
    const char* name;
    int drag;
    int cancel;
};
constexpr ModeRow kModes[] = {
    {"None", 0, 0}, {"Pick", 0, 0}, {"PopUp", 0, 1}, {"Select", 1, 0},
    {"Zoom", 1, 0}, {"Move", 1, 0}, {"Pan", 1, 2},   {"Other", 0, 0},
};

CString HtmlEscaped(const CString& text) {
    return QString::fromStdString(text).toHtmlEscaped().toStdString();
}

} // namespace

bool AZoomView::s_bLeftDown = false;
AZoomViewDocument::~AZoomViewDocument() = default;
void AZoomViewDocument::DeleteSelection(CView*) {}
void AZoomViewDocument::MoveSelection(double, double) {}

// --- hook --------------------------------------------------------------------------------------------

AZoomViewHook::~AZoomViewHook() {
    if (IsHooked()) HookWindow(nullptr);
}

LRESULT AZoomViewHook::HookProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_EXITMENULOOP && m_pView && m_pView->IsWindow())
        m_pView->SendMessage(WM_EXITMENULOOP, wParam, lParam);
    return Next(message, wParam, lParam);
}

// --- construction ------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AZoomView, CScrollView)

BEGIN_MESSAGE_MAP(AZoomView, CScrollView)
ON_COMMAND(ID_ZOOM_WINDOW, &AZoomView::OnZoomWindow)
ON_UPDATE_COMMAND_UI(ID_ZOOM_WINDOW, &AZoomView::OnUpdateZoomWindow)
ON_COMMAND(ID_ZOOM_IN, &AZoomView::OnZoomIn)
ON_UPDATE_COMMAND_UI(ID_ZOOM_IN, &AZoomView::OnUpdateZoomWindow)
ON_COMMAND(ID_ZOOM_OUT, &AZoomView::OnZoomOut)
ON_UPDATE_COMMAND_UI(ID_ZOOM_OUT, &AZoomView::OnUpdateZoomOut)
ON_COMMAND(ID_ZOOM_PREVIOUS, &AZoomView::OnZoomPrevious)
ON_UPDATE_COMMAND_UI(ID_ZOOM_PREVIOUS, &AZoomView::OnUpdateZoomPrevious)
ON_COMMAND(ID_ZOOM_NEXT, &AZoomView::OnZoomNext)
ON_UPDATE_COMMAND_UI(ID_ZOOM_NEXT, &AZoomView::OnUpdateZoomNext)
ON_COMMAND(ID_ZOOM_ALL, &AZoomView::OnZoomAll)
ON_UPDATE_COMMAND_UI(ID_ZOOM_ALL, &AZoomView::OnUpdateNoBand)
ON_COMMAND(ID_ZOOM_EXTENTS, &AZoomView::OnZoomExtents)
ON_UPDATE_COMMAND_UI(ID_ZOOM_EXTENTS, &AZoomView::OnUpdateNoBand)
ON_UPDATE_COMMAND_UI(ID_SELECT, &AZoomView::OnUpdateSelect)
ON_COMMAND(ID_DELETE, &AZoomView::OnDelete)
ON_UPDATE_COMMAND_UI(ID_DELETE, &AZoomView::OnUpdateSelection)
ON_COMMAND(ID_MOVE, &AZoomView::OnMove)
ON_UPDATE_COMMAND_UI(ID_MOVE, &AZoomView::OnUpdateSelection)
ON_COMMAND(ID_COPY_VIEW, &AZoomView::OnCopyView)
ON_UPDATE_COMMAND_UI(ID_COPY_VIEW, &AZoomView::OnUpdateAlways)
ON_COMMAND(ID_REDRAW, &AZoomView::OnRedraw)
ON_UPDATE_COMMAND_UI(ID_REDRAW, &AZoomView::OnUpdateAlways)
END_MESSAGE_MAP()

AZoomView::AZoomView() : m_hook(this) {}

AZoomView::~AZoomView() {
    if (m_hook.IsHooked()) m_hook.HookWindow(nullptr);
}

AZoomViewDocument* AZoomView::GetZoomDocument() const {
    return dynamic_cast<AZoomViewDocument*>(GetDocument());
}

// --- modes -------------------------------------------------------------------------------------------

CString AZoomView::ModeName(int mode) {
    if (mode < 0 || mode >= static_cast<int>(std::size(kModes))) return CString();
    return kModes[mode].name;
}

void AZoomView::SetMouseMode(int mode) {
    m_nMode = mode;
    const bool known = mode >= 0 && mode < static_cast<int>(std::size(kModes));
    m_nDrag = known ? kModes[mode].drag : 0;
    m_nCancel = known ? kModes[mode].cancel : 0;
}

bool AZoomView::IsEnteringZoomMode(int mode) const {
    return m_nMode != modeZoom && m_nMode != modePan && (mode == modeZoom || mode == modePan);
}

bool AZoomView::IsBandInProgress() const {
    return m_bAction && (m_nMode == modeZoom || m_nMode == modePan);
}

void AZoomView::SaveMouseMode() {
    m_nSavedDrag = m_nDrag;
    m_nSavedMode = m_nMode;
    m_nSavedCancel = m_nCancel;
    m_bSavedAction = m_bAction;
    m_bSaved = true;
}

void AZoomView::RestoreMouseMode() {
    m_bSaved = false;
    m_nDrag = m_nSavedDrag;
    m_nMode = m_nSavedMode;
    m_nCancel = m_nSavedCancel;
    m_bAction = m_bSavedAction;
}

CString AZoomView::GetModeName() {
    return ModeName(m_nMode);
}

void AZoomView::ShowPrompt() {
    CString text = GetPromptText();
    const CString hint = GetActionHint();
    if (!hint.empty()) text = text.empty() ? hint : CString(text + "   " + hint);
    ACoordinatePane::SetText(text.c_str());
}

CString AZoomView::GetActionHint() const {
    if (m_nMode != modeMove) return CString();
    if (m_dragShapes.IsEmpty()) return "Move: click the point to move from (Esc cancels)";
    return "Move: click where the selection goes (Esc cancels)";
}

CString AZoomView::GetPromptText() {
    return CString();
}

UINT AZoomView::GetObjectMenuId(AObject* object) {
    return object ? object->GetMenuResourceId() : 0;
}

void AZoomView::UpdateGrid() {
    if (AZoomViewDocument* doc = GetZoomDocument()) doc->SetupGrid(m_grid, GetC2L());
}

bool AZoomView::IsShiftHeld() const {
    return (m_nLastFlags & MK_SHIFT) != 0 || (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier);
}

// --- coordinates -------------------------------------------------------------------------------------

CRect AZoomView::GetClientLogicalRect() {
    CRect client;
    GetClientRect(&client);
    CClientDC dc(this);
    dc.SetMapMode(MM_LOMETRIC);
    dc.DPtoLP(&client);
    return client;
}

CPoint AZoomView::ClientToLogical(CPoint client) {
    // The map converts through the mapping of the scrolled drawing as a client context has it now.
    CClientDC dc(this);
    OnPrepareDC(&dc);
    GetC2L().SetMapModeData(dc);
    return GetC2L().LU(client);
}

bool AZoomView::IsMapWindowEmpty() const {
    // In MM_LOMETRIC the logical window's top lies above its bottom.
    CRect window = GetC2L().GetWindowLU();
    window.NormalizeRect();
    return window.IsRectEmpty();
}

bool AZoomView::IsInsideClient(CPoint client) const {
    CRect rect;
    GetClientRect(&rect);
    return rect.PtInRect(client);
}

// --- picking -----------------------------------------------------------------------------------------

AObject* AZoomView::HitTest(int x, int y, omPoint& world, bool gridOnly) {
    AMapC2L& map = GetC2L();
    world = map.CU(CPoint(x, y));
    AObject* best = nullptr;
    double bestSquare = 1e10;
    bool exact = false;
    AZoomViewDocument* doc = GetZoomDocument();
    if (!gridOnly && doc) {
        for (AObject* object : doc->GetObjectList()) {
            const double d = object->GetDistance(world);
            if (d == 0.0) {
                best = object;
                exact = true;
                break;
            }
            if (d * d < bestSquare) {
                bestSquare = d * d;
                best = object;
            }
        }
    }
    if (!exact) {
        omPoint snapped;
        m_grid.Snap(map, CPoint(x, y), snapped);
        const double dx = snapped.x - world.x, dy = snapped.y - world.y;
        if (dx * dx + dy * dy < bestSquare) {
            world = snapped;
            return nullptr;
        }
    }
    if (best) world = best->GetReferencePoint(map, world);
    return best;
}

omRect AZoomView::BandWorldRect() {
    CRect band(m_dragRect);
    band.NormalizeRect();
    omRect world = GetC2L().CU(band);
    world.normalize();
    return world;
}

omRect AZoomView::ClipWorldRect(CDC* dc) const {
    CRect clip;
    dc->GetClipBox(&clip);
    omRect world = GetC2L().CU(clip);
    world.normalize();
    return world;
}

void AZoomView::Pick(AObject* hit, bool keepSelection) {
    AZoomViewDocument* doc = GetZoomDocument();
    if (!doc) return;
    AObjectPtrContainer& selection = doc->GetSelection();
    if (!IsShiftHeld() && !keepSelection) {
        for (AObject* object : selection) {
            object->Select(false);
            RedrawObject(object, false);
        }
        selection.RemoveAll();
    }
    if (m_nMode != modePick) {
        CRect band(m_dragRect);
        band.NormalizeRect();
        if (band.IsRectEmpty()) return;
        const omRect window = BandWorldRect();
        for (AObject* object : doc->GetObjectList()) {
            if (!window.liesIn(object->GetBoundingRect(false).normalized()) || selection.Contains(object))
                continue;
            selection.AddTail(object);
            object->Select(true);
            RedrawObject(object, false);
        }
    } else if (hit) {
        hit->Toggle();
        if (hit->IsSelected() != selection.Contains(hit)) {
            if (hit->IsSelected())
                selection.AddTail(hit);
            else
                selection.Remove(hit);
        }
        RedrawObject(hit, false);
    }
    doc->ShowSelectionProperties(this, false);
}

void AZoomView::RedrawObject(AObject* object, bool updateNow) {
    if (!object || !IsWindow()) return;
    CClientDC dc(this);
    OnPrepareDC(&dc);
    GetC2L().SetMapModeData(dc);
    CRect logical = GetC2L().LU(object->GetBoundingRect(true));
    logical.NormalizeRect();
    logical.InflateRect(2, 2);
    CRect device = GetC2L().DU(logical);
    device.NormalizeRect();
    InvalidateRect(&device, TRUE);
    if (updateNow) UpdateWindow();
}

void AZoomView::RedrawObjects(const AObjectPtrContainer& objects, bool updateNow) {
    if (objects.empty()) return;
    for (AObject* object : objects)
        RedrawObject(object, false);
    if (updateNow) UpdateWindow();
}

// --- zoom --------------------------------------------------------------------------------------------

void AZoomView::SetScrollSizesFromMap() {
    const CRect client = GetClientLogicalRect();
    const int width = std::abs(client.Width());
    const int height = std::abs(client.Height());
    const CRect& total = GetC2L().GetTotalLU();
    SetScrollSizes(MM_LOMETRIC, CSize(total.Width(), std::abs(total.bottom)), CSize(3 * width / 4, 3 * height / 4),
                   CSize(width / 10, width / 10));
    ScrollToPosition(GetC2L().GetWindowLU().TopLeft());
}

void AZoomView::ZoomToExtents(bool addToHistory) {
    if (!GetC2L().SetMap_tc_tl(GetClientLogicalRect(), AMapC2L::posCenter, AMapC2L::posCenter)) return;
    if (addToHistory) m_history.AddExtents();
    SetScrollSizesFromMap();
    UpdateGrid();
    Invalidate();
}

void AZoomView::ZoomWindow(omRect window, bool addToHistory) {
    omRect inside;
    if (!inside.intersect(window, GetC2L().GetTotalCU()) || inside.isRectEmpty()) return;
    if (!GetC2L().SetMap_wc_wl(inside, GetClientLogicalRect(), AMapC2L::posCenter, AMapC2L::posCenter)) return;
    if (addToHistory) m_history.AddWindow(inside);
    SetScrollSizesFromMap();
    UpdateGrid();
    Invalidate();
}

void AZoomView::ZoomByFactor(double factor) {
    if (factor == 1.0) return;
    if (factor < 1.0 && GetC2L().GetWindowCU() == GetC2L().GetTotalCU()) return;
    omRect window = GetC2L().GetWindowCU();
    window.shrink(factor);
    ZoomWindow(window, true);
}

void AZoomView::Pan() {
    CPoint position = GetScrollPosition();
    position.x += m_dragRect.left - m_dragRect.right;
    position.y += m_dragRect.top - m_dragRect.bottom;
    const CRect client = GetClientLogicalRect();
    const CSize total = GetTotalSize();
    const int maxX = std::max(0, static_cast<int>(total.cx) - std::abs(client.Width()));
    const int minY = std::min(0, std::abs(client.Height()) - static_cast<int>(total.cy));
    position.x = std::clamp(static_cast<int>(position.x), 0, maxX);
    position.y = std::clamp(static_cast<int>(position.y), minY, 0);
    ScrollToPosition(position);
    m_history.AddWindowAndScroll(GetC2L().GetWindowCU(), position.x, position.y);
    Invalidate();
}

void AZoomView::ZoomHistoryStep(bool back) {
    AZoomHistoryData entry;
    if (!(back ? m_history.Previous(entry) : m_history.Next(entry))) return;
    if (m_bAction) CancelAction(0xFFFF, 0, 0);
    switch (entry.m_nKind) {
    case AZoomHistoryData::kindExtents:
        ZoomToExtents(false);
        break;
    case AZoomHistoryData::kindWindow:
        ZoomWindow(entry.m_window, false);
        break;
    default:
        ZoomWindow(entry.m_window, false);
        ScrollToPosition(CPoint(entry.m_x, entry.m_y));
        Invalidate();
        break;
    }
}

// --- actions -----------------------------------------------------------------------------------------

bool AZoomView::OnClickAction(UINT, int x, int y) {
    omPoint world;
    if (m_nMode == modePick) {
        Pick(HitTest(x, y, world, false), false);
    } else if (m_nMode == modePopUp) {
        AObject* hit = HitTest(x, y, world, false);
        const UINT menuId = hit ? GetObjectMenuId(hit) : 0;
        // The chosen command arrives while the menu is being tracked, so Pick mode
        // comes first: a command may pick in it or enter a mode of its own (Move).
        SetMouseMode(modePick);
        if (menuId != 0) {
            CMenu menu;
            if (menu.LoadMenu(menuId)) {
                if (CMenu* popup = menu.GetSubMenu(0)) {
                    CClientDC dc(this);
                    OnPrepareDC(&dc);
                    GetC2L().SetMapModeData(dc);
                    CPoint screen = GetC2L().DU(CPoint(x, y));
                    ClientToScreen(&screen);
                    popup->TrackPopupMenu(TPM_RIGHTBUTTON, screen.x, screen.y, this);
                }
            }
        }
    }
    return false;
}

bool AZoomView::OnButtonDownAction(UINT, int x, int y) {
    switch (m_nMode) {
    case modeSelect:
    case modeZoom:
    case modePan:
        m_dragRect.Begin(this, x, y);
        return true;
    case modeMove: {
        m_dragShapes.Clear();
        HitTest(x, y, m_moveStart, false);
        AZoomViewDocument* doc = GetZoomDocument();
        if (doc && doc->BeginMove(this, m_dragShapes)) {
            m_dragShapes.SetMovablePoint(m_moveStart);
            // The outline shows from the first press, before the release anchors the move.
            InvalidateOverlay();
            ShowPrompt();
            return true;
        }
        m_bAction = false;
        SetMouseMode(modePick);
        return false;
    }
    default:
        return false;
    }
}

bool AZoomView::OnMouseMoveAction(UINT, int x, int y) {
    switch (m_nMode) {
    case modeSelect:
    case modeZoom:
    case modePan:
        m_dragRect.Move(this, x, y);
        return true;
    case modeMove: {
        omPoint world;
        HitTest(x, y, world, true);
        m_dragShapes.Drag(GetC2L(), this, world);
        return true;
    }
    default:
        return false;
    }
}

bool AZoomView::OnButtonUpAction(UINT, int x, int y) {
    switch (m_nMode) {
    case modeSelect: {
        m_dragRect.End(this, x, y);
        omPoint world;
        Pick(HitTest(x, y, world, false), false);
        m_bAction = false;
        return true;
    }
    case modeZoom: {
        m_dragRect.End(this, x, y);
        CRect band(m_dragRect);
        band.NormalizeRect();
        if (!band.IsRectEmpty()) ZoomWindow(BandWorldRect(), true);
        m_dragRect.SetRectEmpty();
        m_bAction = false;
        if (m_bSaved)
            RestoreMouseMode();
        else
            SetMouseMode(modeNone);
        return true;
    }
    case modePan:
        m_dragRect.End(this, x, y);
        Pan();
        m_dragRect.SetRectEmpty();
        m_bAction = false;
        if (m_bSaved)
            RestoreMouseMode();
        else
            SetMouseMode(modeNone);
        return true;
    case modeMove: {
        omPoint world;
        HitTest(x, y, world, true);
        m_dragShapes.Clear();
        InvalidateOverlay();
        const double dx = world.x - m_moveStart.x;
        const double dz = world.y - m_moveStart.y;
        // A click without a move is no edit: it must not enter the undo history
        // nor throw the results away.
        if (AZoomViewDocument* doc = GetZoomDocument(); doc && (dx != 0.0 || dz != 0.0))
            doc->MoveSelection(dx, dz);
        m_bAction = false;
        SetMouseMode(modePick);
        ShowPrompt();
        if (GetDocument()) GetDocument()->UpdateAllViews(nullptr, 0, nullptr);
        return true;
    }
    default:
        return false;
    }
}

void AZoomView::CancelAction(UINT, int x, int y) {
    switch (m_nMode) {
    case modeSelect:
    case modeZoom:
    case modePan:
        m_dragRect.End(this, x, y);
        m_dragRect.SetRectEmpty();
        m_bAction = false;
        InvalidateOverlay();
        break;
    case modeMove:
        m_dragShapes.Clear();
        Invalidate();
        m_bAction = false;
        SetMouseMode(modePick);
        ShowPrompt();
        break;
    default:
        break;
    }
}

// --- mouse and keys ----------------------------------------------------------------------------------

void AZoomView::ButtonDownStep(UINT flags, CPoint client) {
    if (!IsInsideClient(client)) return;
    if (!m_bAction && m_nDrag == 1) {
        const CPoint p = ClientToLogical(client);
        OnButtonDownAction(flags, p.x, p.y);
    }
}

void AZoomView::ButtonUpStep(UINT flags, CPoint client) {
    if (!IsInsideClient(client)) return;
    const CPoint p = ClientToLogical(client);
    if (m_nDrag == 1) {
        if (m_bAction)
            OnButtonUpAction(flags, p.x, p.y);
        else
            m_bAction = true;
    } else {
        OnClickAction(flags, p.x, p.y);
    }
}

void AZoomView::OnMouseMove(UINT nFlags, CPoint point) {
    m_nLastFlags = nFlags;
    m_lastClient = point;
    m_bTrackingLeave = true;
    const CPoint p = ClientToLogical(point);
    omPoint world;
    AObject* hit = HitTest(p.x, p.y, world, false);
    if (!IsInsideClient(point)) hit = nullptr;
    SetTipPosition(world.x, world.y);
    ShowPrompt();
    if (hit != m_pObjectUnder) {
        m_pObjectUnder = hit;
        if (QWidget* input = GetInputWidget()) {
            if (hit)
                input->setCursor(hit->GetCursor());
            else
                input->unsetCursor();
        }
    }
    // A move's outline follows the mouse from its first press on, also while the button is held.
    const bool moving = m_nMode == modeMove && !m_dragShapes.IsEmpty();
    if (m_nDrag == 1 && (m_bAction || moving)) OnMouseMoveAction(nFlags, p.x, p.y);
    CScrollView::OnMouseMove(nFlags, point);
}

void AZoomView::OnLButtonDown(UINT nFlags, CPoint point) {
    m_nLastFlags = nFlags;
    s_bLeftDown = true;
    if (m_nMode == modeNone) return;
    if (m_nCancel != 0) {
        const CPoint p = ClientToLogical(point);
        CancelAction(nFlags, p.x, p.y);
    }
    ButtonDownStep(nFlags, point);
    CScrollView::OnLButtonDown(nFlags, point);
}

void AZoomView::OnLButtonUp(UINT nFlags, CPoint point) {
    m_nLastFlags = nFlags;
    if (m_nMode != modeNone) {
        if (s_bLeftDown) ButtonUpStep(nFlags, point);
        CScrollView::OnLButtonUp(nFlags, point);
    }
    s_bLeftDown = false;
}

void AZoomView::OnMButtonDown(UINT nFlags, CPoint point) {
    m_nLastFlags = nFlags;
    if (m_nMode != modePan) {
        if (IsEnteringZoomMode(modePan)) {
            SaveMouseMode();
        } else {
            const CPoint p = ClientToLogical(point);
            CancelAction(0, p.x, p.y);
        }
        SetMouseMode(modePan);
        m_bAction = false;
    }
    ButtonDownStep(nFlags, point);
    CScrollView::OnMButtonDown(nFlags, point);
}

void AZoomView::OnMButtonUp(UINT nFlags, CPoint point) {
    m_nLastFlags = nFlags;
    if (m_nMode != modeNone) ButtonUpStep(nFlags, point);
    CScrollView::OnMButtonUp(nFlags, point);
}

void AZoomView::OnRButtonDown(UINT nFlags, CPoint point) {
    m_nLastFlags = nFlags;
    if (m_nCancel != 1) {
        const CPoint p = ClientToLogical(point);
        CancelAction(nFlags, p.x, p.y);
    }
    SetMouseMode(modePopUp);
    CScrollView::OnRButtonDown(nFlags, point);
}

void AZoomView::OnRButtonUp(UINT nFlags, CPoint point) {
    m_nLastFlags = nFlags;
    if (m_nMode != modeNone && m_nDrag == 0) {
        const CPoint p = ClientToLogical(point);
        OnClickAction(nFlags, p.x, p.y);
    }
    CScrollView::OnRButtonUp(nFlags, point);
}

void AZoomView::OnLButtonDblClk(UINT nFlags, CPoint point) {
    if (m_nMode == modePick || m_nMode == modeSelect) {
        if (AZoomViewDocument* doc = GetZoomDocument()) doc->ShowSelectionProperties(this, true);
    } else if (m_nMode != modeNone) {
        // The second press of a quick pair arrives as a double click instead of a press: in the
        // modes that insert, anchor or place, it is a click like any other, and losing it would
        // pair the following clicks wrongly.
        OnLButtonDown(nFlags, point);
        return;
    }
    CScrollView::OnLButtonDblClk(nFlags, point);
}

void AZoomView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    const bool ctrl = QGuiApplication::keyboardModifiers() & Qt::ControlModifier;
    switch (nChar) {
    case VK_ESCAPE:
        // A move waiting for its first click is cancelled as well: otherwise the next click,
        // even one meant to deselect, would move the selection.
        if (m_bAction || m_nMode == modeMove) CancelAction(0, m_dragRect.right, m_dragRect.bottom);
        if (m_bSaved) RestoreMouseMode();
        break;
    case VK_PRIOR:
        OnVScroll(SB_PAGEUP, 0, nullptr);
        break;
    case VK_NEXT:
        OnVScroll(SB_PAGEDOWN, 0, nullptr);
        break;
    case VK_HOME:
        OnVScroll(SB_TOP, 0, nullptr);
        OnHScroll(SB_TOP, 0, nullptr);
        break;
    case VK_END:
        OnVScroll(SB_BOTTOM, 0, nullptr);
        OnHScroll(SB_BOTTOM, 0, nullptr);
        break;
    case VK_LEFT:
        OnHScroll(ctrl ? SB_PAGELEFT : SB_LINELEFT, 0, nullptr);
        break;
    case VK_RIGHT:
        OnHScroll(ctrl ? SB_PAGERIGHT : SB_LINERIGHT, 0, nullptr);
        break;
    case VK_UP:
        OnVScroll(SB_LINEUP, 0, nullptr);
        break;
    case VK_DOWN:
        OnVScroll(SB_LINEDOWN, 0, nullptr);
        break;
    case VK_DELETE:
        OnDelete();
        break;
    default:
        break;
    }
    CScrollView::OnKeyDown(nChar, nRepCnt, nFlags);
}

void AZoomView::OnMouseLeave() {
    m_bTrackingLeave = false;
    ACoordinatePane::SetText("");
    CScrollView::OnMouseLeave();
}

void AZoomView::OnExitMenuLoop(BOOL bIsTrackPopupMenu) {
    ACoordinatePane::SetText("");
    CScrollView::OnExitMenuLoop(bIsTrackPopupMenu);
}

// --- tooltip -----------------------------------------------------------------------------------------

CString AZoomView::CutTipText(const CString& text) {
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        // A character starts at every byte that is not a continuation byte.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (chars == kTipMaxChars) return text.substr(0, i) + "...";
        ++chars;
    }
    return text;
}

void AZoomView::SetTipPosition(double x, double z) {
    if (x == m_tipX && z == m_tipZ) return;
    m_tipX = x;
    m_tipZ = z;
    QToolTip::hideText();
    if (m_pTipTimer) m_pTipTimer->start();
}

void AZoomView::HideTip() {
    if (m_pTipTimer) m_pTipTimer->stop();
    QToolTip::hideText();
}

void AZoomView::ModelChanged() {
    AZoomViewDocument* doc = GetZoomDocument();
    if (m_pObjectUnder && (!doc || !doc->GetObjectList().Contains(m_pObjectUnder))) {
        m_pObjectUnder = nullptr;
        HideTip();
        if (QWidget* input = GetInputWidget()) input->unsetCursor();
    }
    Invalidate();
}

bool AZoomView::ShowTip() {
    QWidget* input = GetInputWidget();
    if (!input || !IsInsideClient(m_lastClient)) return false;
    const CString text = CutTipText(GetModeName());
    if (text.empty()) {
        QToolTip::hideText();
        return false;
    }
    QString shown = QString::fromStdString(text);
    if (m_pObjectUnder) {
        const COLORREF c = m_pObjectUnder->GetTipColor();
        shown = QString("<span style=\"color:#%1%2%3; white-space:pre\">%4</span>")
                    .arg(GetRValue(c), 2, 16, QChar('0'))
                    .arg(GetGValue(c), 2, 16, QChar('0'))
                    .arg(GetBValue(c), 2, 16, QChar('0'))
                    .arg(QString::fromStdString(HtmlEscaped(text)));
    }
    QToolTip::showText(input->mapToGlobal(QPoint(m_lastClient.x, m_lastClient.y)), shown, input, QRect(),
                       kTipShownMs);
    return true;
}

// --- drawing -----------------------------------------------------------------------------------------

bool AZoomView::Draw(CDC*, CPoint) const {
    return true;
}

void AZoomView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    pDC->SetMapMode(MM_LOMETRIC);
    pDC->SetBkMode(TRANSPARENT);
    CScrollView::OnPrepareDC(pDC, pInfo);
}

void AZoomView::OnDraw(CDC* pDC) {
    if (IsMapWindowEmpty()) ZoomToExtents(true);
    GetC2L().SetMapModeData(*pDC);
    if (!pDC->IsPrinting()) {
        CRect clip;
        pDC->GetClipBox(&clip);
        clip.NormalizeRect();
        // The clip box in logical units is rounded inward: the bands reach past it
        // so that the last device column and row are filled too (the device clips them).
        CSize slack(4, 4);
        pDC->DPtoLP(&slack);
        clip.InflateRect(std::abs(slack.cx), std::abs(slack.cy));
        CRect total = GetC2L().GetTotalLU();
        total.NormalizeRect();
        // Outside the drawing's extents: the bands left, right, above and below it.
        const CRect bands[] = {
            CRect(clip.left, clip.top, std::min(clip.right, total.left), clip.bottom),
            CRect(std::max(clip.left, total.right), clip.top, clip.right, clip.bottom),
            CRect(std::max(clip.left, total.left), clip.top, std::min(clip.right, total.right),
                  std::min(clip.bottom, total.top)),
            CRect(std::max(clip.left, total.left), std::max(clip.top, total.bottom),
                  std::min(clip.right, total.right), clip.bottom),
        };
        for (const CRect& band : bands)
            if (band.right > band.left && band.bottom > band.top) pDC->FillSolidRect(&band, m_background);
        // The grid belongs to the drawing's extents: the margin around them stays plain.
        const int saved = pDC->SaveDC();
        if (!total.IsRectEmpty()) pDC->IntersectClipRect(&total);
        m_grid.Draw(*pDC, GetC2L(), GetScrollPosition());
        pDC->RestoreDC(saved);
    }
    Draw(pDC, CPoint(0, 0));
}

void AZoomView::OnDrawOverlay(CDC* pDC) {
    GetC2L().SetMapModeData(*pDC);
    // A move shows its outline from the press that starts it, before the release anchors it.
    if ((m_bAction || m_nMode == modeMove) && !m_dragShapes.IsEmpty()) m_dragShapes.Draw(GetC2L(), *pDC);
    if (m_bAction) m_dragRect.Redraw(this, pDC);
}

// --- framework ---------------------------------------------------------------------------------------

int AZoomView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CScrollView::OnCreate(lpCreateStruct) == -1) return -1;
    if (CWnd* top = GetTopLevelParent(); top && top != this) m_hook.HookWindow(top);
    return 0;
}

void AZoomView::OnDestroy() {
    QToolTip::hideText();
    // The widget may outlive the view for a moment: its timer must not call back into a view that is gone.
    delete m_pTipTimer;
    m_pTipTimer = nullptr;
    if (m_hook.IsHooked()) m_hook.HookWindow(nullptr);
    CScrollView::OnDestroy();
}

void AZoomView::OnInitialUpdate() {
    CScrollView::OnInitialUpdate();
    if (!m_pTipTimer && GetWidget()) {
        m_pTipTimer = new QTimer(GetWidget());
        m_pTipTimer->setSingleShot(true);
        m_pTipTimer->setInterval(kTipDelayMs);
        QObject::connect(m_pTipTimer, &QTimer::timeout, m_pTipTimer, [this] { ShowTip(); });
    }
    CClientDC dc(this);
    dc.SetMapMode(MM_LOMETRIC);
    GetC2L().SetMapModeData(dc);
    ZoomToExtents(true);
}

void AZoomView::OnSize(UINT nType, int cx, int cy) {
    ZoomWindow(GetC2L().GetWindowCU(), false);
    CScrollView::OnSize(nType, cx, cy);
}

void AZoomView::OnUpdate(CView*, LPARAM lHint, CObject* pHint) {
    switch (lHint) {
    case 0:
        Invalidate();
        break;
    case 1:
        if (auto* object = dynamic_cast<AObjectHint*>(pHint)) RedrawObject(object->m_pObject, false);
        break;
    case 2:
        if (auto* objects = dynamic_cast<AObjectListHint*>(pHint)) RedrawObjects(*objects, false);
        break;
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
        if (AZoomViewDocument* doc = GetZoomDocument()) {
            GetC2L().SetTotalCU(doc->GetDrawExtents(2, static_cast<int>(lHint) - 3, 0));
            if (IsMapWindowEmpty()) {
                ZoomToExtents(true);
            } else {
                const CPoint held = GetScrollPosition();
                ZoomWindow(GetC2L().GetWindowCU(), true);
                ScrollToPosition(held);
            }
        }
        break;
    case 10:
        // The objects changed: the one under the cursor may be gone, and its tooltip with it.
        if (m_pObjectUnder) HideTip();
        m_pObjectUnder = nullptr;
        break;
    case 11:
        UpdateGrid();
        break;
    default:
        break;
    }
}

// --- commands ----------------------------------------------------------------------------------------

void AZoomView::OnZoomWindow() {
    if (IsEnteringZoomMode(modeZoom)) {
        SaveMouseMode();
    } else {
        CancelAction(0xFFFF, 0, 0);
    }
    SetMouseMode(modeZoom);
    m_bAction = false;
}

void AZoomView::OnZoomIn() {
    ZoomByFactor(2.0);
}

void AZoomView::OnZoomOut() {
    ZoomByFactor(0.5);
}

void AZoomView::OnZoomPrevious() {
    ZoomHistoryStep(true);
}

void AZoomView::OnZoomNext() {
    ZoomHistoryStep(false);
}

void AZoomView::OnZoomAll() {
    AZoomViewDocument* doc = GetZoomDocument();
    omRect extents;
    if (doc) extents = doc->GetDrawExtents(omUK_m, AExtents2D::modeZoomAll, 0);
    if (doc && !extents.isRectEmpty())
        ZoomWindow(extents, true);
    else
        ZoomToExtents(true);
}

void AZoomView::OnZoomExtents() {
    ZoomToExtents(true);
}

void AZoomView::OnDelete() {
    AZoomViewDocument* doc = GetZoomDocument();
    if (!doc || doc->GetSelection().IsEmpty()) return;
    doc->DeleteSelection(this);
    m_pObjectUnder = nullptr;
    HideTip();
}

void AZoomView::OnMove() {
    CancelAction(0xFFFF, 0, 0);
    SetMouseMode(modeMove);
    m_bAction = false;
    ShowPrompt();
}

void AZoomView::OnCopyView() {
    AZoomViewDocument* doc = GetZoomDocument();
    if (doc) doc->InvertResultCaption();
    const bool copied = CopyToClipboard();
    if (doc) doc->InvertResultCaption();
    if (!copied) MessageBox("Can't copy enhanced metafile to the clipboard!\nCommand was aborted", "Error", MB_OK);
}

void AZoomView::OnRedraw() {
    Invalidate();
}

void AZoomView::OnUpdateZoomWindow(CCmdUI* pCmdUI) {
    pCmdUI->Enable(!GetC2L().IsZoomInLimit() && !IsBandInProgress());
}

void AZoomView::OnUpdateZoomOut(CCmdUI* pCmdUI) {
    pCmdUI->Enable(!GetC2L().IsZoomOutLimit() && !IsBandInProgress());
}

void AZoomView::OnUpdateZoomPrevious(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_history.HasPrevious() && !IsBandInProgress());
}

void AZoomView::OnUpdateZoomNext(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_history.HasNext() && !IsBandInProgress());
}

void AZoomView::OnUpdateNoBand(CCmdUI* pCmdUI) {
    pCmdUI->Enable(!IsBandInProgress());
}

void AZoomView::OnUpdateSelect(CCmdUI* pCmdUI) {
    AZoomViewDocument* doc = GetZoomDocument();
    pCmdUI->Enable(doc && !doc->GetObjectList().IsEmpty() && !IsBandInProgress());
}

void AZoomView::OnUpdateSelection(CCmdUI* pCmdUI) {
    AZoomViewDocument* doc = GetZoomDocument();
    pCmdUI->Enable(doc && !doc->GetSelection().IsEmpty() && !IsBandInProgress());
}

void AZoomView::OnUpdateAlways(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
}

// --- printing ----------------------------------------------------------------------------------------

BOOL AZoomView::OnPreparePrinting(CPrintInfo* pInfo) {
    return reportprinting::Prepare(*this, GetZoomDocument(), pInfo);
}

void AZoomView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void AZoomView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    reportprinting::PrintPage(GetZoomDocument(), pDC, pInfo);
}

void AZoomView::OnEndPrinting(CDC*, CPrintInfo*) {
    reportprinting::End(GetZoomDocument());
}
