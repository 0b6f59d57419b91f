// The grid's focus cell and selection, its answers to the keyboard and the
// mouse, and in-place editing.
#include "controls/grid/CGridCtrl.h"

#include "controls/grid/CInPlaceEdit.h"
#include "controls/grid/CTitleTip.h"
#include "platform/gdi/CGdiObject.h"
#include "platform/ui/CPromptService.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>
#include <cstring>

namespace {

constexpr UINT_PTR kAutoScrollTimer = 513;
constexpr UINT kVkF2 = 0x71;

bool IsNavigationKey(UINT key) {
    switch (key) {
    case VK_TAB:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

// --- focus and selection ---------------------------------------------------------------------------

CCellID CGridCtrl::SetFocusCell(CCellID cell) {
    if (cell == m_idCurrentCell) return m_idCurrentCell;
    const CCellID idPrev = m_idCurrentCell;
    if (cell.row != -1 && cell.row < GetFixedRowCount()) cell.row = GetFixedRowCount();
    if (cell.col != -1 && cell.col < GetFixedColumnCount()) cell.col = GetFixedColumnCount();
    m_idCurrentCell = cell;
    if (IsValid(idPrev)) {
        SetItemState(idPrev.row, idPrev.col, GetItemState(idPrev.row, idPrev.col) & ~GVIS_FOCUSED);
        RedrawCell(idPrev);
        if (m_bTrackFocusCell && idPrev.col != m_idCurrentCell.col)
            for (int row = 0; row < m_nFixedRows; ++row)
                RedrawCell(row, idPrev.col);
        if (m_bTrackFocusCell && idPrev.row != m_idCurrentCell.row)
            for (int col = 0; col < m_nFixedCols; ++col)
                RedrawCell(idPrev.row, col);
    }
    if (IsValid(m_idCurrentCell)) {
        SetItemState(m_idCurrentCell.row, m_idCurrentCell.col,
                     GetItemState(m_idCurrentCell.row, m_idCurrentCell.col) | GVIS_FOCUSED);
        RedrawCell(m_idCurrentCell);
        if (m_bTrackFocusCell && idPrev.col != m_idCurrentCell.col)
            for (int row = 0; row < m_nFixedRows; ++row)
                RedrawCell(row, m_idCurrentCell.col);
        if (m_bTrackFocusCell && idPrev.row != m_idCurrentCell.row)
            for (int col = 0; col < m_nFixedCols; ++col)
                RedrawCell(m_idCurrentCell.row, col);
    }
    return idPrev;
}

bool CGridCtrl::IsCellSelected(int nRow, int nCol) const {
    if (m_bVirtualMode) return m_SelectedCellMap.count(CCellID(nRow, nCol)) != 0;
    CGridCellBase* cell = GetCell(nRow, nCol);
    return cell && cell->IsSelected();
}

bool CGridCtrl::IsCellEditable(int nRow, int nCol) const {
    return IsEditable() && (GetItemState(nRow, nCol) & GVIS_READONLY) == 0;
}

CCellRange CGridCtrl::GetSelectedCellRange() const {
    CCellRange selection(GetRowCount(), GetColumnCount(), -1, -1);
    for (const auto& entry : m_SelectedCellMap) {
        const CCellID& cell = entry.first;
        selection.SetMinRow(std::min(selection.GetMinRow(), cell.row));
        selection.SetMinCol(std::min(selection.GetMinCol(), cell.col));
        selection.SetMaxRow(std::max(selection.GetMaxRow(), cell.row));
        selection.SetMaxCol(std::max(selection.GetMaxCol(), cell.col));
    }
    return selection;
}

void CGridCtrl::SetSelectedRange(const CCellRange& Range, bool bForceRepaint, bool bSelectCells) {
    SetSelectedRange(Range.GetMinRow(), Range.GetMinCol(), Range.GetMaxRow(), Range.GetMaxCol(),
                     bForceRepaint, bSelectCells);
}

// The cells repaint in the next paint event either way: a forced repaint adds nothing.
void CGridCtrl::SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol,
                                 [[maybe_unused]] bool bForceRepaint, bool bSelectCells) {
    if (!m_bEnableSelection) return;
    if (nMinRow >= 0 && nMinRow < GetFixedRowCount()) nMinRow = GetFixedRowCount();
    if (nMaxRow >= 0 && nMaxRow < GetFixedRowCount()) nMaxRow = GetFixedRowCount();
    if (nMinCol >= 0 && nMinCol < GetFixedColumnCount()) nMinCol = GetFixedColumnCount();
    if (nMaxCol >= 0 && nMaxCol < GetFixedColumnCount()) nMaxCol = GetFixedColumnCount();
    const CCellRange range(nMinRow, nMinCol, nMaxRow, nMaxCol);
    if (bSelectCells) {
        const auto selected = m_SelectedCellMap;
        for (const auto& entry : selected) {
            const CCellID& cell = entry.first;
            if (!IsValid(cell)) continue;
            SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~GVIS_SELECTED);
            if (!range.InRange(cell)) RedrawCell(cell);
        }
        m_SelectedCellMap.clear();
        if (!(GetListMode() && GetSingleRowSelection()) && range.IsValid()) {
            for (const auto& entry : m_PrevSelectedCellMap) {
                const CCellID& cell = entry.first;
                if (!IsValid(cell)) continue;
                SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_SELECTED);
                RedrawCell(cell);
            }
        }
    }
    if (range.IsValid() && IsValid(range)) {
        for (int row = nMinRow; row <= nMaxRow; ++row)
            for (int col = nMinCol; col <= nMaxCol; ++col) {
                const UINT state = GetItemState(row, col);
                const bool was = IsCellSelected(row, col);
                if (bSelectCells) {
                    if (!was)
                        SetItemState(row, col, state | GVIS_SELECTED);
                    else if (m_bVirtualMode || !(state & GVIS_SELECTED))
                        SetItemState(row, col, state | GVIS_SELECTED);
                } else {
                    SetItemState(row, col, state & ~GVIS_SELECTED);
                }
            }
        InvalidateCellRect(range);
    }
}

void CGridCtrl::SelectAllCells() {
    if (!m_bEnableSelection) return;
    SetSelectedRange(GetFixedRowCount(), GetFixedColumnCount(), GetRowCount() - 1, GetColumnCount() - 1);
}

void CGridCtrl::SelectColumns(CCellID currentCell, bool bForceRedraw, bool bSelectCells) {
    if (currentCell.col < m_nFixedCols || currentCell.col >= GetColumnCount()) return;
    if (GetSingleColSelection())
        SetSelectedRange(GetFixedRowCount(), currentCell.col, GetRowCount() - 1, currentCell.col,
                         bForceRedraw, bSelectCells);
    else
        SetSelectedRange(GetFixedRowCount(), std::min(m_SelectionStartCell.col, currentCell.col),
                         GetRowCount() - 1, std::max(m_SelectionStartCell.col, currentCell.col), bForceRedraw,
                         bSelectCells);
}

void CGridCtrl::SelectRows(CCellID currentCell, bool bForceRedraw, bool bSelectCells) {
    if (currentCell.row < m_nFixedRows || currentCell.row >= GetRowCount()) return;
    if (GetListMode() && GetSingleRowSelection())
        SetSelectedRange(currentCell.row, GetFixedColumnCount(), currentCell.row, GetColumnCount() - 1,
                         bForceRedraw, bSelectCells);
    else
        SetSelectedRange(std::min(m_SelectionStartCell.row, currentCell.row), GetFixedColumnCount(),
                         std::max(m_SelectionStartCell.row, currentCell.row), GetColumnCount() - 1,
                         bForceRedraw, bSelectCells);
}

void CGridCtrl::SelectCells(CCellID currentCell, bool bForceRedraw, bool bSelectCells) {
    const int row = currentCell.row, col = currentCell.col;
    if (row < m_nFixedRows || col < m_nFixedCols || !IsValid(currentCell)) return;
    SetSelectedRange(std::min(m_SelectionStartCell.row, row), std::min(m_SelectionStartCell.col, col),
                     std::max(m_SelectionStartCell.row, row), std::max(m_SelectionStartCell.col, col),
                     bForceRedraw, bSelectCells);
}

void CGridCtrl::OnSelecting(const CCellID& currentCell) {
    if (!m_bEnableSelection) return;
    switch (m_MouseMode) {
    case MOUSE_SELECT_ALL:
        SelectAllCells();
        break;
    case MOUSE_SELECT_COL:
        SelectColumns(currentCell, false);
        break;
    case MOUSE_SELECT_ROW:
        SelectRows(currentCell, false);
        break;
    case MOUSE_SELECT_CELLS:
        SelectCells(currentCell, false);
        break;
    default:
        break;
    }
}

void CGridCtrl::ClearSelection() {
    m_PrevSelectedCellMap.clear();
    SetSelectedRange(-1, -1, -1, -1);
}

void CGridCtrl::ResetSelectedRange() {
    m_PrevSelectedCellMap.clear();
    SetSelectedRange(-1, -1, -1, -1);
    SetFocusCell(-1, -1);
}

CCellID CGridCtrl::GetNextItem(CCellID& cell, int nFlags) const {
    const UINT states = static_cast<UINT>(nFlags & 0xFF);
    auto matches = [this, states](int row, int col) {
        UINT state = GetItemState(row, col);
        // GVNI_MODIFIED (0x20) asks for the modified bit (0x80).
        UINT wanted = states & (GVNI_FOCUSED | GVNI_SELECTED | GVNI_DROPHILITED | GVNI_READONLY | GVNI_FIXED);
        if (states & GVNI_MODIFIED) wanted |= GVIS_MODIFIED;
        return (state & wanted) != 0;
    };
    if ((nFlags & GVNI_ALL) == GVNI_ALL) {
        int row = cell.row, col = cell.col + 1;
        if (row <= 0) row = GetFixedRowCount();
        for (; row < GetRowCount(); ++row) {
            if (col <= 0) col = GetFixedColumnCount();
            for (; col < GetColumnCount(); ++col)
                if (matches(row, col)) return CCellID(row, col);
            col = GetFixedColumnCount();
        }
        return CCellID();
    }
    if ((nFlags & GVNI_AREA) == GVNI_AREA) {
        for (int row = std::max(cell.row, GetFixedRowCount()); row < GetRowCount(); ++row)
            for (int col = std::max(cell.col, GetFixedColumnCount()); col < GetColumnCount(); ++col)
                if (CCellID(row, col) != cell && matches(row, col)) return CCellID(row, col);
        return CCellID();
    }
    if (nFlags & GVNI_ABOVE) {
        for (int row = cell.row - 1; row >= GetFixedRowCount(); --row)
            if (matches(row, cell.col)) return CCellID(row, cell.col);
    } else if (nFlags & GVNI_BELOW) {
        for (int row = cell.row + 1; row < GetRowCount(); ++row)
            if (matches(row, cell.col)) return CCellID(row, cell.col);
    } else if (nFlags & GVNI_TOLEFT) {
        for (int col = cell.col - 1; col >= GetFixedColumnCount(); --col)
            if (matches(cell.row, col)) return CCellID(cell.row, col);
    } else if (nFlags & GVNI_TORIGHT) {
        for (int col = cell.col + 1; col < GetColumnCount(); ++col)
            if (matches(cell.row, col)) return CCellID(cell.row, col);
    }
    return CCellID();
}

// --- keyboard --------------------------------------------------------------------------------------

bool CGridCtrl::FilterKeyModifiers(QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        m_bCtrlDown = key->modifiers() & Qt::ControlModifier;
        m_bShiftDown = key->modifiers() & Qt::ShiftModifier;
        if (key->key() == Qt::Key_Backtab && event->type() == QEvent::KeyPress) {
            // Shift+Tab arrives as its own key: it is Tab with Shift.
            m_bShiftDown = true;
            SendMessage(WM_KEYDOWN, VK_TAB, MAKELPARAM(1, 0));
            return true;
        }
    }
    return false;
}

void CGridCtrl::PassFocusOn(bool bForward) {
    QWidget* self = GetWidget();
    if (!self) return;
    QWidget* w = self;
    for (int guard = 0; guard < 10000; ++guard) {
        w = bForward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == self) return;
        if (self->isAncestorOf(w)) continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
            w->setFocus(bForward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

void CGridCtrl::HideTitleTip() {
    if (m_pTitleTip) m_pTitleTip->Hide();
}

void CGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    HideTitleTip();
    if (!IsValid(m_idCurrentCell)) {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    CCellID next = m_idCurrentCell;
    bool changeFocus = true;
    const bool ctrl = m_bCtrlDown, shift = m_bShiftDown;

    if (ctrl) {
        switch (nChar) {
        case 'A':
            OnEditSelectAll();
            return;
        case 'X':
            OnEditCut();
            return;
        case VK_INSERT:
        case 'C':
            OnEditCopy();
            return;
        case 'V':
            OnEditPaste();
            return;
        default:
            break;
        }
    }
    if (shift && nChar == VK_INSERT) {
        OnEditPaste();
        return;
    }

    auto nextVisibleCol = [this](int col, int direction) {
        int c = col + direction;
        while (c >= m_nFixedCols && c < GetColumnCount() && GetColumnWidth(c) <= 0)
            c += direction;
        return c >= m_nFixedCols && c < GetColumnCount() ? c : col;
    };
    auto nextVisibleRow = [this](int row, int direction) {
        int r = row + direction;
        while (r >= m_nFixedRows && r < GetRowCount() && GetRowHeight(r) <= 0)
            r += direction;
        return r >= m_nFixedRows && r < GetRowCount() ? r : row;
    };
    auto firstVisibleCol = [this]() {
        int c = m_nFixedCols;
        while (c < GetColumnCount() - 1 && GetColumnWidth(c) <= 0)
            ++c;
        return c;
    };
    auto lastVisibleCol = [this]() {
        int c = GetColumnCount() - 1;
        while (c > m_nFixedCols && GetColumnWidth(c) <= 0)
            --c;
        return c;
    };

    bool wrapped = false;
    switch (nChar) {
    case VK_DELETE:
        if (IsCellEditable(m_idCurrentCell.row, m_idCurrentCell.col))
            ValidateAndModifyCellContents(m_idCurrentCell.row, m_idCurrentCell.col, "");
        return;
    case VK_TAB:
        if (!m_bHandleTabKey) {
            PassFocusOn(!shift);
            return;
        }
        if (shift) {
            const int col = nextVisibleCol(next.col, -1);
            if (col != next.col) {
                next.col = col;
            } else if (nextVisibleRow(next.row, -1) != next.row) {
                next.row = nextVisibleRow(next.row, -1);
                next.col = lastVisibleCol();
                wrapped = true;
            } else {
                PassFocusOn(false);
                return;
            }
        } else {
            const int col = nextVisibleCol(next.col, 1);
            if (col != next.col) {
                next.col = col;
            } else if (nextVisibleRow(next.row, 1) != next.row) {
                next.row = nextVisibleRow(next.row, 1);
                next.col = firstVisibleCol();
                wrapped = true;
            } else {
                PassFocusOn(true);
                return;
            }
        }
        break;
    case VK_LEFT:
        next.col = nextVisibleCol(next.col, -1);
        break;
    case VK_RIGHT:
        next.col = nextVisibleCol(next.col, 1);
        break;
    case VK_UP:
        next.row = nextVisibleRow(next.row, -1);
        break;
    case VK_DOWN:
        next.row = nextVisibleRow(next.row, 1);
        break;
    case VK_NEXT: {
        const CCellID oldTopLeft = GetTopleftNonFixedCell();
        SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
        const CCellID newTopLeft = GetTopleftNonFixedCell(true);
        const int increment = newTopLeft.row - oldTopLeft.row;
        next.row = increment ? std::min(GetRowCount() - 1, next.row + increment) : GetRowCount() - 1;
        break;
    }
    case VK_PRIOR: {
        const CCellID oldTopLeft = GetTopleftNonFixedCell();
        SendMessage(WM_VSCROLL, SB_PAGEUP, 0);
        const CCellID newTopLeft = GetTopleftNonFixedCell(true);
        const int increment = newTopLeft.row - oldTopLeft.row;
        next.row = increment ? std::max(GetFixedRowCount(), next.row + increment) : GetFixedRowCount();
        break;
    }
    case VK_HOME:
        if (ctrl) {
            SendMessage(WM_VSCROLL, SB_TOP, 0);
            next.row = GetFixedRowCount();
        }
        SendMessage(WM_HSCROLL, SB_LEFT, 0);
        next.col = firstVisibleCol();
        break;
    case VK_END:
        if (ctrl) {
            SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
            next.row = GetRowCount() - 1;
            while (next.row > m_nFixedRows && GetRowHeight(next.row) <= 0)
                --next.row;
        }
        SendMessage(WM_HSCROLL, SB_RIGHT, 0);
        next.col = lastVisibleCol();
        break;
    case kVkF2:
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), VK_LBUTTON);
        return;
    default:
        changeFocus = false;
        break;
    }
    if (!changeFocus) {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    if (next != m_idCurrentCell) {
        if (m_MouseMode == MOUSE_NOTHING) {
            m_PrevSelectedCellMap.clear();
            m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
            if (!shift || nChar == VK_TAB) m_SelectionStartCell = next;
            OnSelecting(next);
            m_MouseMode = MOUSE_NOTHING;
        }
        SetFocusCell(next);
        if (!IsCellVisible(next)) {
            EnsureVisible(next);
            if (wrapped) SendMessage(WM_HSCROLL, shift ? SB_RIGHT : SB_LEFT, 0);
            Invalidate();
        }
    }
}

void CGridCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_bCtrlDown && m_MouseMode == MOUSE_NOTHING && nChar != VK_ESCAPE) {
        if (!m_bHandleTabKey || nChar != VK_TAB)
            OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), nChar);
    }
    CWnd::OnChar(nChar, nRepCnt, nFlags);
}

// --- mouse -----------------------------------------------------------------------------------------

CPoint CGridCtrl::GetPointClicked(int nRow, int nCol, const CPoint& point) {
    CPoint origin;
    if (!GetCellOrigin(nRow, nCol, &origin)) return CPoint(0, 0);
    return CPoint(point.x - origin.x, point.y - origin.y);
}

void CGridCtrl::ResetResizeLine() {
    m_nResizeLineX = m_nResizeLineY = -1;
    Invalidate();
}

void CGridCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    HideTitleTip();
    SetFocus();
    m_bLMouseButtonDown = true;
    m_LeftClickDownPoint = point;
    m_LeftClickDownCell = GetCellFromPt(point);
    if (!IsValid(m_LeftClickDownCell)) return;
    const bool shift = (nFlags & MK_SHIFT) != 0, ctrl = (nFlags & MK_CONTROL) != 0;
    if (!shift)
        m_SelectionStartCell = m_LeftClickDownCell;
    else if (!IsValid(m_SelectionStartCell))
        m_SelectionStartCell = m_idCurrentCell;

    EndEditing();
    if (CGridCellBase* cell = GetCell(m_LeftClickDownCell.row, m_LeftClickDownCell.col))
        cell->OnClickDown(GetPointClicked(m_LeftClickDownCell.row, m_LeftClickDownCell.col, point));

    if (m_LeftClickDownCell == m_idCurrentCell) {
        if (IsCellEditable(m_LeftClickDownCell)) m_MouseMode = MOUSE_PREPARE_EDIT;
        return;
    }
    if (m_MouseMode != MOUSE_OVER_COL_DIVIDE && m_MouseMode != MOUSE_OVER_ROW_DIVIDE) {
        if (IsCellSelected(m_LeftClickDownCell)) {
            if (ctrl) {
                SetFocusCell(m_LeftClickDownCell);
                if (GetListMode())
                    SelectRows(m_LeftClickDownCell, true, false);
                else
                    SelectCells(m_LeftClickDownCell, true, false);
                return;
            }
            if (m_bAllowDragAndDrop) m_MouseMode = MOUSE_PREPARE_DRAG;
        }
        if (m_MouseMode != MOUSE_PREPARE_DRAG) {
            CCellID focus = m_LeftClickDownCell;
            if (focus.row < GetFixedRowCount())
                focus.row = GetRowCount() > GetFixedRowCount() ? GetFixedRowCount() : -1;
            if (focus.col < GetFixedColumnCount())
                focus.col = GetColumnCount() > GetFixedColumnCount() ? GetFixedColumnCount() : -1;
            if (focus.row < 0 || focus.col < 0) focus = CCellID();
            SetFocusCell(focus);
        }
    }
    SetCapture();

    if (m_MouseMode == MOUSE_NOTHING) {
        // A press on a border of the headings starts resizing.
        CPoint origin;
        if (m_bAllowColumnResize && m_LeftClickDownCell.row < GetFixedRowCount() &&
            GetCellOrigin(m_LeftClickDownCell, &origin)) {
            const int right = origin.x + GetColumnWidth(m_LeftClickDownCell.col);
            if (point.x - origin.x < m_nResizeCaptureRange || right - point.x < m_nResizeCaptureRange)
                m_MouseMode = MOUSE_OVER_COL_DIVIDE;
        }
        if (m_MouseMode == MOUSE_NOTHING && m_bAllowRowResize &&
            m_LeftClickDownCell.col < GetFixedColumnCount() && GetCellOrigin(m_LeftClickDownCell, &origin)) {
            const int bottom = origin.y + GetRowHeight(m_LeftClickDownCell.row);
            if (point.y - origin.y < m_nResizeCaptureRange || bottom - point.y < m_nResizeCaptureRange)
                m_MouseMode = MOUSE_OVER_ROW_DIVIDE;
        }
    }

    if (m_MouseMode == MOUSE_OVER_COL_DIVIDE) {
        m_MouseMode = MOUSE_SIZING_COL;
        CPoint origin;
        GetCellOrigin(m_LeftClickDownCell, &origin);
        int col = m_LeftClickDownCell.col;
        // A press just right of a column's left edge sizes the column before it.
        if (point.x - origin.x < m_nResizeCaptureRange && col > 0) {
            --col;
            while (col > 0 && !m_bHiddenColUnhide && GetColumnWidth(col) <= 0)
                --col;
        }
        m_LeftClickDownCell.col = col;
        m_nResizeLineX = point.x;
        Invalidate();
        return;
    }
    if (m_MouseMode == MOUSE_OVER_ROW_DIVIDE) {
        m_MouseMode = MOUSE_SIZING_ROW;
        CPoint origin;
        GetCellOrigin(m_LeftClickDownCell, &origin);
        int row = m_LeftClickDownCell.row;
        if (point.y - origin.y < m_nResizeCaptureRange && row > 0) {
            --row;
            while (row > 0 && !m_bHiddenRowUnhide && GetRowHeight(row) <= 0)
                --row;
        }
        m_LeftClickDownCell.row = row;
        m_nResizeLineY = point.y;
        Invalidate();
        return;
    }
    if (m_MouseMode != MOUSE_PREPARE_DRAG) {
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col,
                            static_cast<int>(GVN_SELCHANGING));
        m_PrevSelectedCellMap.clear();
        if (ctrl) m_PrevSelectedCellMap = m_SelectedCellMap;
        if (m_LeftClickDownCell.row < GetFixedRowCount()) {
            OnFixedRowClick(m_LeftClickDownCell);
        } else if (m_LeftClickDownCell.col < GetFixedColumnCount()) {
            OnFixedColumnClick(m_LeftClickDownCell);
        } else {
            m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
            OnSelecting(m_LeftClickDownCell);
            m_nTimerID = SetTimer(kAutoScrollTimer, 25);
        }
    }
    m_LastMousePoint = point;
}

void CGridCtrl::OnLButtonUp(UINT, CPoint point) {
    m_bLMouseButtonDown = false;
    if (GetCapture() == this) {
        ReleaseCapture();
        if (m_nTimerID) KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }
    const CPoint pointClickedRel = GetPointClicked(m_idCurrentCell.row, m_idCurrentCell.col, point);
    if (m_MouseMode == MOUSE_PREPARE_EDIT) {
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, pointClickedRel, VK_LBUTTON);
    } else if (m_MouseMode == MOUSE_PREPARE_DRAG) {
        if (CGridCellBase* cell = GetCell(m_idCurrentCell.row, m_idCurrentCell.col))
            cell->OnClick(pointClickedRel);
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, static_cast<int>(GVN_CLICK));
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col,
                            static_cast<int>(GVN_SELCHANGING));
        ResetSelectedRange();
        SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, static_cast<int>(GVN_SELCHANGED));
    } else if (m_MouseMode == MOUSE_SIZING_COL) {
        m_nResizeLineX = -1;
        CPoint origin;
        const CCellID sized(0, m_LeftClickDownCell.col);
        if (m_LeftClickDownPoint != point && (point.x != 0 || point.y != 0)) {
            // The column's left edge, whether or not the column is scrolled into view.
            int left = 0;
            if (GetCellOrigin(0, sized.col, &origin)) left = origin.x;
            int width = point.x - left;
            width = std::max(width, m_bAllowColHide ? 0 : 1);
            SetColumnWidth(sized.col, width);
            ResetScrollBars();
        }
        Invalidate();
    } else if (m_MouseMode == MOUSE_SIZING_ROW) {
        m_nResizeLineY = -1;
        CPoint origin;
        if (m_LeftClickDownPoint != point && (point.x != 0 || point.y != 0)) {
            int top = 0;
            if (GetCellOrigin(m_LeftClickDownCell.row, 0, &origin)) top = origin.y;
            int height = std::max(point.y - top, m_bAllowRowHide ? 0 : 1);
            SetRowHeight(m_LeftClickDownCell.row, height);
            ResetScrollBars();
        }
        Invalidate();
    } else {
        SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, static_cast<int>(GVN_SELCHANGED));
        if (CGridCellBase* cell = GetCell(m_idCurrentCell.row, m_idCurrentCell.col))
            cell->OnClick(pointClickedRel);
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, static_cast<int>(GVN_CLICK));
    }
    m_MouseMode = MOUSE_NOTHING;
    if (QWidget* w = GetInputWidget()) w->setCursor(Qt::ArrowCursor);
    if (IsValid(m_LeftClickDownCell))
        if (CWnd* parent = GetParent())
            parent->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0),
                                reinterpret_cast<LPARAM>(GetSafeHwnd()));
}

void CGridCtrl::OnLButtonDblClk(UINT, CPoint point) {
    const CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell)) return;
    if (m_MouseMode == MOUSE_OVER_COL_DIVIDE) {
        int col = cell.col;
        CPoint origin;
        GetCellOrigin(0, col, &origin);
        if (point.x - origin.x < m_nResizeCaptureRange) --col;
        while (col > 0 && GetColumnWidth(col) <= 0)
            --col;
        if (col >= 0) AutoSizeColumn(col, static_cast<UINT>(m_nAutoSizeColumnStyle));
        Invalidate();
    } else if (m_MouseMode == MOUSE_OVER_ROW_DIVIDE) {
        int row = cell.row;
        CPoint origin;
        GetCellOrigin(row, 0, &origin);
        if (point.y - origin.y < m_nResizeCaptureRange) --row;
        while (row > 0 && GetRowHeight(row) <= 0)
            --row;
        if (row >= 0) AutoSizeRow(row);
        Invalidate();
    } else if (m_MouseMode == MOUSE_NOTHING) {
        const bool editable = (!IsCellFixed(cell.row, cell.col)) ||
                              (m_bListMode && cell.row >= m_nFixedRows && cell.col < m_nFixedCols);
        const CPoint rel = GetPointClicked(cell.row, cell.col, point);
        if (editable) OnEditCell(cell.row, cell.col, rel, VK_LBUTTON);
        if (CGridCellBase* c = GetCell(cell.row, cell.col)) c->OnDblClick(rel);
        SendMessageToParent(cell.row, cell.col, static_cast<int>(GVN_DBLCLK));
    }
}

void CGridCtrl::OnRButtonUp(UINT, CPoint point) {
    HideTitleTip();
    EndEditing();
    CCellID cell = GetCellFromPt(point);
    if (IsValid(cell)) {
        CCellID focus = cell;
        focus.row = std::max(focus.row, GetFixedRowCount());
        focus.col = std::max(focus.col, GetFixedColumnCount());
        if (IsValid(focus)) SetFocusCell(focus);
        if (CGridCellBase* c = GetCell(cell.row, cell.col))
            c->OnRClick(GetPointClicked(cell.row, cell.col, point));
        SendMessageToParent(cell.row, cell.col, static_cast<int>(GVN_RCLICK));
    } else {
        SendMessageToParent(-1, -1, static_cast<int>(GVN_RCLICK));
    }
}

void CGridCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point) && m_MouseMode != MOUSE_DRAGGING && !m_bLMouseButtonDown) return;
    QWidget* input = GetInputWidget();
    if (!m_bLMouseButtonDown || !(nFlags & MK_LBUTTON)) {
        if (!(nFlags & MK_LBUTTON)) m_bLMouseButtonDown = false;
        const CCellID cell = GetCellFromPt(point);
        CPoint origin;
        int mode = MOUSE_NOTHING;
        if (IsValid(cell) && GetCellOrigin(cell, &origin)) {
            if (m_bAllowColumnResize && cell.row < GetFixedRowCount() &&
                (point.x - origin.x < m_nResizeCaptureRange ||
                 origin.x + GetColumnWidth(cell.col) - point.x < m_nResizeCaptureRange))
                mode = MOUSE_OVER_COL_DIVIDE;
            else if (m_bAllowRowResize && cell.col < GetFixedColumnCount() &&
                     (point.y - origin.y < m_nResizeCaptureRange ||
                      origin.y + GetRowHeight(cell.row) - point.y < m_nResizeCaptureRange))
                mode = MOUSE_OVER_ROW_DIVIDE;
        }
        m_MouseMode = mode;
        if (input)
            input->setCursor(mode == MOUSE_OVER_COL_DIVIDE   ? Qt::SizeHorCursor
                             : mode == MOUSE_OVER_ROW_DIVIDE ? Qt::SizeVerCursor
                                                             : Qt::ArrowCursor);
        if (m_pTitleTip && m_pTitleTip->IsShown() && !m_pTitleTip->GetHoverRect().PtInRect(point))
            m_pTitleTip->Hide();
        if (mode == MOUSE_NOTHING && IsValid(cell)) {
            CGridCellBase* c = GetCell(cell.row, cell.col);
            if (c) c->OnMouseOver();
            if (c && m_bTitleTips && !c->IsEditing() && c->GetTipText() && *c->GetTipText()) {
                CRect textRect, cellRect;
                if (GetCellRect(cell.row, cell.col, &cellRect)) {
                    textRect = cellRect;
                    c->GetTipTextRect(&textRect);
                    if (!m_pTitleTip) m_pTitleTip = std::make_unique<CTitleTip>();
                    m_pTitleTip->SetParentWnd(this);
                    m_pTitleTip->Show(textRect, c->GetTipText(), 0, &cellRect, c->GetFont(), m_crTTipTextClr,
                                      m_crTTipBackClr);
                }
            }
        }
        m_LastMousePoint = point;
        return;
    }
    switch (m_MouseMode) {
    case MOUSE_SELECT_ALL:
        break;
    case MOUSE_SELECT_COL:
    case MOUSE_SELECT_ROW:
    case MOUSE_SELECT_CELLS: {
        CCellID cell = GetCellFromPt(point);
        if (!IsValid(cell)) break;
        if (cell != m_idCurrentCell) {
            OnSelecting(cell);
            if (m_MouseMode == MOUSE_SELECT_CELLS) {
                cell.row = std::max(cell.row, GetFixedRowCount());
                cell.col = std::max(cell.col, GetFixedColumnCount());
            }
            if (cell.row >= GetFixedRowCount() && cell.col >= GetFixedColumnCount()) SetFocusCell(cell);
        }
        break;
    }
    case MOUSE_SIZING_COL:
        m_nResizeLineX = std::clamp(static_cast<int>(point.x), 0, static_cast<int>(client.right));
        Invalidate();
        break;
    case MOUSE_SIZING_ROW:
        m_nResizeLineY = std::clamp(static_cast<int>(point.y), 0, static_cast<int>(client.bottom));
        Invalidate();
        break;
    case MOUSE_PREPARE_EDIT:
    case MOUSE_PREPARE_DRAG:
        if (point != m_LeftClickDownPoint && m_bAllowDragAndDrop) {
            m_MouseMode = MOUSE_PREPARE_DRAG;
            OnBeginDrag();
        }
        break;
    default:
        break;
    }
    m_LastMousePoint = point;
}

void CGridCtrl::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kAutoScrollTimer) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    CPoint pt = m_LastMousePoint;
    CRect rect;
    GetClientRect(&rect);
    const int fixedRowHeight = GetFixedRowHeight(), fixedColWidth = GetFixedColumnWidth();
    CPoint origin(rect.left, rect.top);
    if (pt.y > rect.bottom) {
        SendMessage(WM_KEYDOWN, VK_DOWN, 0);
        pt.y = rect.bottom - 1;
        OnSelecting(GetCellFromPt(pt));
    } else if (pt.y < fixedRowHeight) {
        SendMessage(WM_KEYDOWN, VK_UP, 0);
        pt.y = fixedRowHeight + 1;
        OnSelecting(GetCellFromPt(pt));
    }
    if (pt.x > rect.right) {
        SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
        pt.x = rect.right - 1;
        OnSelecting(GetCellFromPt(pt));
    } else if (pt.x < fixedColWidth) {
        SendMessage(WM_KEYDOWN, VK_LEFT, 0);
        pt.x = fixedColWidth + 1;
        OnSelecting(GetCellFromPt(pt));
    }
}

// --- heading clicks --------------------------------------------------------------------------------

void CGridCtrl::OnFixedRowClick(CCellID& cell) {
    if (!IsValid(cell)) return;
    if (m_bSortOnClick) {
        CPromptService::Instance().ShowWaitCursor(true);
        const bool ascending = !(cell.col == GetSortColumn() && GetSortAscending());
        SortItems(cell.col, ascending);
        CPromptService::Instance().ShowWaitCursor(false);
        Invalidate();
    }
    if (m_bFixedRowSelection) {
        if (cell.col < GetFixedColumnCount()) {
            m_MouseMode = MOUSE_SELECT_ALL;
            OnSelecting(cell);
        } else {
            m_MouseMode = MOUSE_SELECT_COL;
            OnSelecting(cell);
        }
    }
}

void CGridCtrl::OnFixedColumnClick(CCellID& cell) {
    if (!IsValid(cell)) return;
    if (m_bFixedColumnSelection) {
        if (cell.row < GetFixedRowCount()) {
            m_MouseMode = MOUSE_SELECT_ALL;
            OnSelecting(cell);
        } else {
            m_MouseMode = MOUSE_SELECT_ROW;
            OnSelecting(cell);
        }
    }
}

// --- editing ---------------------------------------------------------------------------------------

void CGridCtrl::OnEditCell(int nRow, int nCol, CPoint point, UINT nChar) {
    HideTitleTip();
    if (!IsValid(nRow, nCol) || !IsCellEditable(nRow, nCol)) return;
    EnsureVisible(nRow, nCol);
    if (!IsCellVisible(nRow, nCol)) return;
    CRect rect;
    if (!GetCellRect(nRow, nCol, &rect)) return;
    if (SendMessageToParent(nRow, nCol, static_cast<int>(GVN_BEGINLABELEDIT)) < 0) return;
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (cell) cell->Edit(nRow, nCol, rect, point, IDC_INPLACE_CONTROL, nChar);
}

void CGridCtrl::EndEditing() {
    CCellID cell = GetFocusCell();
    if (!IsValid(cell)) return;
    if (CGridCellBase* c = GetCell(cell.row, cell.col)) c->EndEdit();
}

bool CGridCtrl::ValidateEdit(int nRow, int nCol, const char* str) {
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return true;
    return cell->ValidateEdit(str);
}

void CGridCtrl::OnEndEditCell(int nRow, int nCol, CString str) {
    const CString oldText = GetItemText(nRow, nCol);
    if (std::strcmp(str.c_str(), oldText.c_str()) != 0) {
        CGridCellBase* cell = GetCell(nRow, nCol);
        if (cell) cell->SetText(str.c_str());
        if (ValidateEdit(nRow, nCol, str.c_str()) &&
            SendMessageToParent(nRow, nCol, static_cast<int>(GVN_ENDLABELEDIT)) >= 0) {
            SetModified(true, nRow, nCol);
            RedrawCell(nRow, nCol);
        } else if (cell) {
            cell->SetText(oldText.c_str());
        }
    }
    if (CGridCellBase* cell = GetCell(nRow, nCol)) cell->OnEndEdit();
}

bool CGridCtrl::ValidateAndModifyCellContents(int nRow, int nCol, const char* strText) {
    if (!IsCellEditable(nRow, nCol)) return false;
    if (SendMessageToParent(nRow, nCol, static_cast<int>(GVN_BEGINLABELEDIT)) < 0) return false;
    const CString oldText = GetItemText(nRow, nCol);
    const CString text = strText ? strText : "";
    if (text != oldText) {
        CGridCellBase* cell = GetCell(nRow, nCol);
        if (!cell) return false;
        cell->SetText(text.c_str());
        if (ValidateEdit(nRow, nCol, text.c_str()) &&
            SendMessageToParent(nRow, nCol, static_cast<int>(GVN_ENDLABELEDIT)) >= 0) {
            SetModified(true, nRow, nCol);
            RedrawCell(nRow, nCol);
        } else {
            cell->SetText(oldText.c_str());
            return false;
        }
    }
    return true;
}

void CGridCtrl::ClearCells(CCellRange Selection) {
    for (int row = Selection.GetMinRow(); row <= Selection.GetMaxRow(); ++row) {
        if (GetRowHeight(row) <= 0) continue;
        for (int col = Selection.GetMinCol(); col <= Selection.GetMaxCol(); ++col) {
            if (GetColumnWidth(col) <= 0) continue;
            ValidateAndModifyCellContents(row, col, "");
        }
    }
    Refresh();
}

void CGridCtrl::OnEndInPlaceEdit(int nRow, int nCol, const CString& text, UINT nLastChar) {
    OnEndEditCell(nRow, nCol, text);
    if (IsNavigationKey(nLastChar) && nLastChar != VK_RETURN) {
        OnKeyDown(nLastChar, 0, 0);
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), GV_EDITKEY | nLastChar);
    }
}

UINT CGridCtrl::OnGetDlgCode() {
    UINT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (m_bHandleTabKey && !m_bCtrlDown) code |= DLGC_WANTTAB;
    return code;
}

void CGridCtrl::OnCaptureChanged(CWnd* pWnd) {
    if (pWnd == this) return;
    if (m_nTimerID) KillTimer(m_nTimerID);
    m_nTimerID = 0;
    if (m_MouseMode == MOUSE_DRAGGING) m_MouseMode = MOUSE_NOTHING;
}

BOOL CGridCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (nHitTest != HTCLIENT) return CWnd::OnSetCursor(pWnd, nHitTest, message);
    QWidget* input = GetInputWidget();
    switch (m_MouseMode) {
    case MOUSE_OVER_COL_DIVIDE:
        if (input) input->setCursor(Qt::SizeHorCursor);
        return TRUE;
    case MOUSE_OVER_ROW_DIVIDE:
        if (input) input->setCursor(Qt::SizeVerCursor);
        return TRUE;
    case MOUSE_DRAGGING:
        return TRUE;
    default:
        if (!m_bVirtualMode) {
            CPoint point = m_LastMousePoint;
            const CCellID cell = GetCellFromPt(point);
            if (IsValid(cell))
                if (CGridCellBase* c = GetCell(cell.row, cell.col)) return c->OnSetCursor();
        }
        if (input) input->setCursor(Qt::ArrowCursor);
        return TRUE;
    }
}

LRESULT CGridCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY && lParam) {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (hdr->idFrom == IDC_INPLACE_CONTROL && hdr->code == GVN_ENDLABELEDIT) {
            auto* info = reinterpret_cast<GV_DISPINFO*>(lParam);
            OnEndInPlaceEdit(info->item.row, info->item.col, info->item.strText,
                             static_cast<UINT>(info->item.lParam));
            return 0;
        }
    }
    if (message == WM_SETFONT) {
        // The font handle is the font object; the four default cells take it.
        LOGFONT lf;
        if (auto* font = reinterpret_cast<CFont*>(wParam); font && font->GetLogFont(&lf)) {
            for (bool fixedRow : {false, true})
                for (bool fixedCol : {false, true})
                    GetDefaultCell(fixedRow, fixedCol)->SetFont(&lf);
            if (lParam) Refresh();
        }
        return 0;
    }
    if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(m_cellDefault.GetFontObject());
    if (message == WM_SYSCOLORCHANGE || message == WM_SETTINGCHANGE) {
        OnSysColorChange();
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
