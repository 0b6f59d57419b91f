// The grid's window: its widgets, cell geometry, painting, scrolling and sizing
// rows and columns to their contents or to the window.
#include "controls/grid/CGridCtrl.h"

#include "controls/grid/CTitleTip.h"
#include "platform/gdi/CDC.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The grid's widget: a scroll area whose viewport is the grid's client area.
// The grid sets the bars itself; the area only shows them.
class CGridArea : public QAbstractScrollArea {
public:
    explicit CGridArea(QWidget* parent) : QAbstractScrollArea(parent) {}

protected:
    void scrollContentsBy(int, int) override { viewport()->update(); }
    // Tab and Shift+Tab are keys of the grid, not a way out of it.
    bool focusNextPrevChild(bool) override { return false; }
};

int BarOf(int nBar) {
    return nBar == SB_HORZ ? 0 : 1;
}

} // namespace

QAbstractScrollArea* CGridCtrl::GetScrollArea() const {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(GetWidget())) return area;
    // A grid over a dialog's placeholder keeps its area inside the placeholder.
    return GetWidget() ? GetWidget()->findChild<CGridArea*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

namespace {

CGridArea* NewGridArea(QWidget* parentWidget) {
    auto* area = new CGridArea(parentWidget);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setFocusPolicy(Qt::StrongFocus);
    area->viewport()->setFocusProxy(area);
    area->viewport()->setMouseTracking(true);
    area->viewport()->setAutoFillBackground(false);
    area->setFrameShape(QFrame::StyledPanel);
    return area;
}

} // namespace

QWidget* CGridCtrl::CreateWidget(const CREATESTRUCT&, QWidget* parentWidget) {
    SetOwnPaintAndInput(true);
    return NewGridArea(parentWidget);
}

void CGridCtrl::OnWidgetAttached() {
    QAbstractScrollArea* area = GetScrollArea();
    if (!area && GetWidget()) {
        // Subclassing a dialog's placeholder: the grid's area fills it, and the
        // placeholder takes the keys (the area hands its focus on to it).
        SetOwnPaintAndInput(true);
        QWidget* placeholder = GetWidget();
        auto* layout = new QVBoxLayout(placeholder);
        layout->setContentsMargins(0, 0, 0, 0);
        area = NewGridArea(placeholder);
        layout->addWidget(area);
        placeholder->setFocusPolicy(Qt::StrongFocus);
        area->setFocusProxy(placeholder);
        area->show();
        WatchWidget(area);
    }
    if (!area) return;
    // Made by Create, by a dialog template or over a placeholder: the sizes fit the counts.
    m_arRowHeights.resize(static_cast<size_t>(m_nRows), static_cast<UINT>(m_cellDefault.GetHeight()));
    m_arColWidths.resize(static_cast<size_t>(m_nCols), static_cast<UINT>(m_cellDefault.GetWidth()));
    area->viewport()->setFont(QApplication::font());
    WatchWidget(area->viewport());
    for (int bar = 0; bar < 2; ++bar) {
        QScrollBar* sb = bar == 0 ? area->horizontalScrollBar() : area->verticalScrollBar();
        const UINT message = bar == 0 ? WM_HSCROLL : WM_VSCROLL;
        const HWND self = GetSafeHwnd();
        QObject::connect(sb, &QAbstractSlider::actionTriggered, sb, [self, sb, message](int action) {
            CWnd* wnd = CWnd::FromHandle(self);
            if (!wnd) return;
            UINT code = SB_ENDSCROLL;
            switch (action) {
            case QAbstractSlider::SliderSingleStepAdd:
                code = SB_LINEDOWN;
                break;
            case QAbstractSlider::SliderSingleStepSub:
                code = SB_LINEUP;
                break;
            case QAbstractSlider::SliderPageStepAdd:
                code = SB_PAGEDOWN;
                break;
            case QAbstractSlider::SliderPageStepSub:
                code = SB_PAGEUP;
                break;
            case QAbstractSlider::SliderToMinimum:
                code = SB_TOP;
                break;
            case QAbstractSlider::SliderToMaximum:
                code = SB_BOTTOM;
                break;
            case QAbstractSlider::SliderMove:
                code = SB_THUMBTRACK;
                break;
            default:
                return;
            }
            const int track = sb->sliderPosition();
            // The grid moves the bar itself; the slider keeps the position the grid chose.
            sb->setSliderPosition(sb->value());
            wnd->SendMessage(message, MAKEWPARAM(static_cast<int>(code), track & 0xFFFF), 0);
            if (code == SB_THUMBTRACK)
                static_cast<CGridCtrl*>(wnd)->SetScrollPos32(message == WM_HSCROLL ? SB_HORZ : SB_VERT,
                                                             track);
            sb->setSliderPosition(sb->value());
        });
    }
    ResetScrollBars();
}

BOOL CGridCtrl::Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyle) {
    return CWnd::Create(kWindowClass, nullptr, dwStyle, rect, pParentWnd, nID);
}

QWidget* CGridCtrl::GetClientWidget() const {
    QAbstractScrollArea* area = GetScrollArea();
    return area ? area->viewport() : GetWidget();
}

void CGridCtrl::EnableDragAndDrop(bool b) {
    m_bAllowDragAndDrop = b;
    if (!b) m_DropTarget.Revoke();
    if (b && GetSafeHwnd()) m_DropTarget.Register(this);
}

bool CGridCtrl::FilterEvent(QObject* watched, QEvent* event) {
    if (FilterKeyModifiers(event)) return true;
    if (FilterDragEvent(watched, event)) return true;
    if (event->type() == QEvent::PaletteChange && watched == GetWidget()) OnSysColorChange();
    if (event->type() == QEvent::MouseButtonPress && watched == GetInputWidget())
        if (QWidget* w = GetWidget()) w->setFocus(Qt::MouseFocusReason);
    return CWnd::FilterEvent(watched, event);
}

// --- scroll bars -----------------------------------------------------------------------------------

int CGridCtrl::GetScrollPos32(int nBar, bool bGetTrackPos) {
    QAbstractScrollArea* area = GetScrollArea();
    if (!area) return 0;
    QScrollBar* sb = BarOf(nBar) == 0 ? area->horizontalScrollBar() : area->verticalScrollBar();
    return bGetTrackPos ? sb->sliderPosition() : sb->value();
}

bool CGridCtrl::SetScrollPos32(int nBar, int nPos, bool bRedraw) {
    m_idTopLeftCell = CCellID();
    QAbstractScrollArea* area = GetScrollArea();
    if (!area) return false;
    QScrollBar* sb = BarOf(nBar) == 0 ? area->horizontalScrollBar() : area->verticalScrollBar();
    const QSignalBlocker block(sb);
    sb->setValue(nPos);
    if (bRedraw) Invalidate();
    return true;
}

void CGridCtrl::EnableScrollBars(int nBar, bool bEnable) {
    QAbstractScrollArea* area = GetScrollArea();
    if (!area) return;
    const Qt::ScrollBarPolicy policy = bEnable ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (nBar == SB_HORZ || nBar == 3) {
        area->setHorizontalScrollBarPolicy(policy);
        m_nBarState = bEnable ? (m_nBarState | 1) : (m_nBarState & ~1);
    }
    if (nBar == SB_VERT || nBar == 3) {
        area->setVerticalScrollBarPolicy(policy);
        m_nBarState = bEnable ? (m_nBarState | 2) : (m_nBarState & ~2);
    }
}

void CGridCtrl::ResetScrollBars() {
    m_idTopLeftCell = CCellID();
    QAbstractScrollArea* area = GetScrollArea();
    if (!m_bAllowDraw || !area) return;
    CRect rect;
    GetClientRect(&rect);
    if (rect.left == rect.right || rect.top == rect.bottom) return;
    const int barWidth = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (IsVisibleVScroll()) rect.right += barWidth;
    if (IsVisibleHScroll()) rect.bottom += barWidth;
    rect.left += GetFixedColumnWidth();
    rect.top += GetFixedRowHeight();
    const long virtualHeight = GetVirtualHeight() - GetFixedRowHeight();
    const long virtualWidth = GetVirtualWidth() - GetFixedColumnWidth();
    if (rect.left >= rect.right || rect.top >= rect.bottom) {
        EnableScrollBars(3, false);
        SetScrollPos32(SB_HORZ, 0, false);
        SetScrollPos32(SB_VERT, 0, false);
        return;
    }
    bool needV = false, needH = false;
    if (virtualHeight > rect.Height()) {
        needV = true;
        rect.right -= barWidth;
    }
    if (virtualWidth > rect.Width()) {
        needH = true;
        rect.bottom -= barWidth;
        if (!needV && virtualHeight > rect.Height()) {
            needV = true;
            rect.right -= barWidth;
        }
    }
    EnableScrollBars(SB_VERT, needV);
    EnableScrollBars(SB_HORZ, needH);
    QScrollBar* vs = area->verticalScrollBar();
    QScrollBar* hs = area->horizontalScrollBar();
    {
        const QSignalBlocker bv(vs), bh(hs);
        const int pageV = needV ? std::max(1, rect.Height()) : 0;
        const int pageH = needH ? std::max(1, rect.Width()) : 0;
        vs->setRange(0, needV ? static_cast<int>(std::max(0L, virtualHeight - pageV)) : 0);
        vs->setPageStep(std::max(1, pageV));
        vs->setSingleStep(1);
        hs->setRange(0, needH ? static_cast<int>(std::max(0L, virtualWidth - pageH)) : 0);
        hs->setPageStep(std::max(1, pageH));
        hs->setSingleStep(1);
    }
    m_idTopLeftCell = CCellID();
}

// --- geometry --------------------------------------------------------------------------------------

CCellID CGridCtrl::GetTopleftNonFixedCell(bool bForceRecalculation) {
    if (m_idTopLeftCell.IsValid() && !bForceRecalculation) return m_idTopLeftCell;
    const int vPos = GetScrollPos32(SB_VERT), hPos = GetScrollPos32(SB_HORZ);
    m_idTopLeftCell.col = m_nFixedCols;
    int right = 0;
    while (right < hPos && m_idTopLeftCell.col < GetColumnCount() - 1)
        right += GetColumnWidth(m_idTopLeftCell.col++);
    m_idTopLeftCell.row = m_nFixedRows;
    int bottom = 0;
    while (bottom < vPos && m_idTopLeftCell.row < GetRowCount() - 1)
        bottom += GetRowHeight(m_idTopLeftCell.row++);
    if (m_nRows == 0 || m_nCols == 0 || m_idTopLeftCell.row >= m_nRows || m_idTopLeftCell.col >= m_nCols)
        return CCellID();
    return m_idTopLeftCell;
}

CCellRange CGridCtrl::GetVisibleNonFixedCellRange(LPRECT pRect, bool bForceRecalculation) {
    CRect rect;
    GetClientRect(&rect);
    const CCellID idTopLeft = GetTopleftNonFixedCell(bForceRecalculation);
    if (!idTopLeft.IsValid()) {
        if (pRect) *pRect = RECT{0, 0, 0, 0};
        return CCellRange(idTopLeft.row, idTopLeft.col, idTopLeft.row - 1, idTopLeft.col - 1);
    }
    int bottom = GetFixedRowHeight();
    int maxRow = idTopLeft.row;
    for (int i = idTopLeft.row; i < GetRowCount(); ++i) {
        bottom += GetRowHeight(i);
        maxRow = i;
        if (bottom >= rect.bottom) {
            bottom = rect.bottom;
            break;
        }
    }
    int right = GetFixedColumnWidth();
    int maxCol = idTopLeft.col;
    for (int i = idTopLeft.col; i < GetColumnCount(); ++i) {
        right += GetColumnWidth(i);
        maxCol = i;
        if (right >= rect.right) {
            right = rect.right;
            break;
        }
    }
    if (pRect) *pRect = RECT{0, 0, right, bottom};
    return CCellRange(idTopLeft.row, idTopLeft.col, maxRow, maxCol);
}

CCellRange CGridCtrl::GetUnobstructedNonFixedCellRange(bool bForceRecalculation) {
    CRect rect;
    GetClientRect(&rect);
    const CCellID idTopLeft = GetTopleftNonFixedCell(bForceRecalculation);
    if (!idTopLeft.IsValid()) return CCellRange(-1, -1, -2, -2);
    int bottom = GetFixedRowHeight();
    int maxRow = idTopLeft.row - 1;
    for (int i = idTopLeft.row; i < GetRowCount(); ++i) {
        bottom += GetRowHeight(i);
        if (bottom > rect.bottom) break;
        maxRow = i;
    }
    int right = GetFixedColumnWidth();
    int maxCol = idTopLeft.col - 1;
    for (int i = idTopLeft.col; i < GetColumnCount(); ++i) {
        right += GetColumnWidth(i);
        if (right > rect.right) break;
        maxCol = i;
    }
    return CCellRange(idTopLeft.row, idTopLeft.col, maxRow, maxCol);
}

bool CGridCtrl::GetCellOrigin(int nRow, int nCol, LPPOINT p) {
    if (!IsValid(nRow, nCol)) return false;
    CCellID idTopLeft;
    if (nCol >= m_nFixedCols || nRow >= m_nFixedRows) idTopLeft = GetTopleftNonFixedCell();
    if ((nRow >= m_nFixedRows && nRow < idTopLeft.row) || (nCol >= m_nFixedCols && nCol < idTopLeft.col))
        return false;
    p->x = 0;
    if (nCol < m_nFixedCols) {
        for (int i = 0; i < nCol; ++i)
            p->x += GetColumnWidth(i);
    } else {
        for (int i = 0; i < m_nFixedCols; ++i)
            p->x += GetColumnWidth(i);
        for (int i = idTopLeft.col; i < nCol; ++i)
            p->x += GetColumnWidth(i);
    }
    p->y = 0;
    if (nRow < m_nFixedRows) {
        for (int i = 0; i < nRow; ++i)
            p->y += GetRowHeight(i);
    } else {
        for (int i = 0; i < m_nFixedRows; ++i)
            p->y += GetRowHeight(i);
        for (int i = idTopLeft.row; i < nRow; ++i)
            p->y += GetRowHeight(i);
    }
    return true;
}

bool CGridCtrl::GetCellRect(int nRow, int nCol, LPRECT pRect) {
    CPoint origin;
    if (!GetCellOrigin(nRow, nCol, &origin)) return false;
    pRect->left = origin.x;
    pRect->top = origin.y;
    pRect->right = origin.x + GetColumnWidth(nCol) - 1;
    pRect->bottom = origin.y + GetRowHeight(nRow) - 1;
    return true;
}

bool CGridCtrl::GetTextRect(int nRow, int nCol, LPRECT pRect) {
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell || !GetCellRect(nRow, nCol, pRect)) return false;
    return cell->GetTextRect(pRect);
}

bool CGridCtrl::GetCellRangeRect(const CCellRange& cellRange, LPRECT lpRect) {
    CPoint minOrigin, maxOrigin;
    if (!GetCellOrigin(cellRange.GetMinRow(), cellRange.GetMinCol(), &minOrigin)) return false;
    if (!GetCellOrigin(cellRange.GetMaxRow(), cellRange.GetMaxCol(), &maxOrigin)) return false;
    lpRect->left = minOrigin.x;
    lpRect->top = minOrigin.y;
    lpRect->right = maxOrigin.x + GetColumnWidth(cellRange.GetMaxCol()) - 1;
    lpRect->bottom = maxOrigin.y + GetRowHeight(cellRange.GetMaxRow()) - 1;
    return true;
}

namespace {

// The column (or row) at a position along one axis: among the fixed ones from
// the start, else among the scrolled ones from the first shown; -1 outside.
template <class Size>
int cellAlong(int pos, bool allowFixed, int fixedExtent, int fixedCount, int firstShown, int count,
              Size size) {
    if (pos < 0 || (!allowFixed && pos < fixedExtent)) return -1;
    if (pos < fixedExtent) {
        int edge = 0, index = 0;
        while (index < fixedCount) {
            edge += size(index);
            if (edge > pos) break;
            ++index;
        }
        return index;
    }
    int edge = fixedExtent, index = firstShown;
    while (index < count) {
        edge += size(index);
        if (edge > pos) break;
        ++index;
    }
    return index >= count ? -1 : index;
}

} // namespace

CCellID CGridCtrl::GetCellFromPt(CPoint point, bool bAllowFixedCellCheck) {
    CCellID cellID;
    const CCellID idTopLeft = GetTopleftNonFixedCell();
    if (!idTopLeft.IsValid()) return cellID;
    cellID.col = cellAlong(point.x, bAllowFixedCellCheck, GetFixedColumnWidth(), m_nFixedCols, idTopLeft.col,
                           GetColumnCount(), [this](int col) { return GetColumnWidth(col); });
    cellID.row = cellAlong(point.y, bAllowFixedCellCheck, GetFixedRowHeight(), m_nFixedRows, idTopLeft.row,
                           GetRowCount(), [this](int row) { return GetRowHeight(row); });
    return cellID;
}

bool CGridCtrl::IsCellVisible(int nRow, int nCol) {
    if (!GetSafeHwnd()) return false;
    CPoint origin;
    if (!GetCellOrigin(nRow, nCol, &origin)) return false;
    CRect rect;
    GetClientRect(&rect);
    return origin.x < rect.right && origin.y < rect.bottom;
}

void CGridCtrl::EnsureVisible(int nRow, int nCol) {
    if (!m_bAllowDraw || !IsValid(nRow, nCol)) return;
    // Each loop ends when a step scrolls nothing: a hidden row or column, or a
    // client area smaller than the fixed cells, never becomes visible.
    auto step = [this](UINT message, UINT code) {
        const int bar = message == WM_VSCROLL ? SB_VERT : SB_HORZ;
        const int before = GetScrollPos32(bar);
        SendMessage(message, code, 0);
        return GetScrollPos32(bar) != before;
    };
    CCellRange visible = GetVisibleNonFixedCellRange();
    while (nCol >= m_nFixedCols && visible.GetMinCol() > nCol && step(WM_HSCROLL, SB_LINELEFT))
        visible = GetVisibleNonFixedCellRange();
    while (nCol >= m_nFixedCols && visible.GetMaxCol() < nCol && step(WM_HSCROLL, SB_LINERIGHT))
        visible = GetVisibleNonFixedCellRange();
    while (nRow >= m_nFixedRows && visible.GetMinRow() > nRow && step(WM_VSCROLL, SB_LINEUP))
        visible = GetVisibleNonFixedCellRange();
    while (nRow >= m_nFixedRows && visible.GetMaxRow() < nRow && step(WM_VSCROLL, SB_LINEDOWN))
        visible = GetVisibleNonFixedCellRange();
    CRect client;
    GetClientRect(&client);
    CRect rect;
    if (GetCellRect(nRow, nCol, &rect)) {
        while (rect.right > client.right && rect.left > GetFixedColumnWidth() &&
               step(WM_HSCROLL, SB_LINERIGHT))
            if (!GetCellRect(nRow, nCol, &rect)) break;
    }
    if (GetCellRect(nRow, nCol, &rect)) {
        while (rect.bottom > client.bottom && rect.top > GetFixedRowHeight() && step(WM_VSCROLL, SB_LINEDOWN))
            if (!GetCellRect(nRow, nCol, &rect)) break;
    }
}

// --- invalidation and drawing ----------------------------------------------------------------------

bool CGridCtrl::InvalidateCellRect(int row, int col) {
    if (!GetSafeHwnd() || !m_bAllowDraw || !IsValid(row, col) || !IsCellVisible(row, col)) return false;
    CRect rect;
    if (!GetCellRect(row, col, &rect)) return false;
    rect.right++;
    rect.bottom++;
    InvalidateRect(&rect, TRUE);
    return true;
}

bool CGridCtrl::InvalidateCellRect(const CCellRange& cellRange) {
    if (!GetSafeHwnd() || !m_bAllowDraw) return false;
    const CCellRange visible = GetVisibleNonFixedCellRange().Intersect(cellRange);
    CRect rect;
    if (!GetCellRangeRect(visible, &rect)) return false;
    rect.right++;
    rect.bottom++;
    InvalidateRect(&rect, TRUE);
    return true;
}

void CGridCtrl::Refresh() {
    if (GetSafeHwnd() && m_bAllowDraw) Invalidate();
}

bool CGridCtrl::RedrawCell(int nRow, int nCol, CDC*) {
    // Painting happens only in the paint event: the cell's rectangle is repainted there.
    if (!m_bAllowDraw || !IsCellVisible(nRow, nCol)) return false;
    return InvalidateCellRect(nRow, nCol);
}

bool CGridCtrl::RedrawRow(int row) {
    bool result = true;
    for (int col = 0; col < GetColumnCount(); ++col)
        result = RedrawCell(row, col) && result;
    return result;
}

bool CGridCtrl::RedrawColumn(int col) {
    bool result = true;
    for (int row = 0; row < GetRowCount(); ++row)
        result = RedrawCell(row, col) && result;
    return result;
}

void CGridCtrl::OnPaint() {
    QPaintDevice* device = GetPaintDevice();
    if (!device) return;
    QPainter painter(device);
    CDC dc(&painter, device);
    OnDraw(&dc);
    // The border that a row or column takes while the mouse drags it.
    if (m_nResizeLineX >= 0 || m_nResizeLineY >= 0) {
        CRect client;
        GetClientRect(&client);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        if (m_nResizeLineX >= 0) painter.fillRect(QRect(m_nResizeLineX, 0, 2, client.Height()), Qt::white);
        if (m_nResizeLineY >= 0) painter.fillRect(QRect(0, m_nResizeLineY, client.Width(), 2), Qt::white);
    }
}

void CGridCtrl::EraseBkgnd(CDC* pDC) {
    CRect visRect, clipRect, rect;
    if (pDC->GetClipBox(&clipRect) == NULLREGION) return;
    GetVisibleNonFixedCellRange(&visRect);
    CRect client;
    GetClientRect(&client);
    if (clipRect.IsRectEmpty()) clipRect = client;
    const int fixedColWidth = GetFixedColumnWidth(), fixedRowHeight = GetFixedRowHeight();
    auto fill = [pDC, &clipRect](CRect r, COLORREF clr) {
        CRect part;
        part.left = std::max(r.left, clipRect.left);
        part.top = std::max(r.top, clipRect.top);
        part.right = std::min(r.right, clipRect.right);
        part.bottom = std::min(r.bottom, clipRect.bottom);
        if (part.left < part.right && part.top < part.bottom) pDC->FillSolidRect(&part, clr);
    };
    fill(CRect(0, 0, fixedColWidth, fixedRowHeight), m_cellFixedRowColDef.GetBackClr());
    fill(CRect(0, clipRect.top, fixedColWidth, visRect.bottom), m_cellFixedColDef.GetBackClr());
    fill(CRect(fixedColWidth - 1, 0, visRect.right, fixedRowHeight), m_cellFixedRowDef.GetBackClr());
    fill(CRect(fixedColWidth, fixedRowHeight, visRect.right, visRect.bottom), m_cellDefault.GetBackClr());
    fill(CRect(visRect.right, 0, std::max(client.right, clipRect.right),
               std::max(client.bottom, clipRect.bottom)),
         m_crGridBkColour);
    fill(CRect(0, visRect.bottom, visRect.right, std::max(client.bottom, clipRect.bottom)), m_crGridBkColour);
}

void CGridCtrl::OnDraw(CDC* pDC) {
    if (!m_bAllowDraw) return;
    CRect clipRect;
    if (pDC->GetClipBox(&clipRect) == NULLREGION) return;
    EraseBkgnd(pDC);

    CRect visRect;
    const CCellRange visCellRange = GetVisibleNonFixedCellRange(&visRect);
    if (m_bVirtualMode) SendCacheHintToParent(visCellRange);

    const int fixedRowHeight = GetFixedRowHeight(), fixedColWidth = GetFixedColumnWidth();
    const int minVisibleRow = visCellRange.GetMinRow(), minVisibleCol = visCellRange.GetMinCol();
    const int maxVisibleRow = visCellRange.GetMaxRow(), maxVisibleCol = visCellRange.GetMaxCol();
    CRect rect;

    // The fixed corner.
    rect.bottom = -1;
    for (int row = 0; row < m_nFixedRows; ++row) {
        if (GetRowHeight(row) <= 0) continue;
        rect.top = rect.bottom + 1;
        rect.bottom = rect.top + GetRowHeight(row) - 1;
        rect.right = -1;
        for (int col = 0; col < m_nFixedCols; ++col) {
            if (GetColumnWidth(col) <= 0) continue;
            rect.left = rect.right + 1;
            rect.right = rect.left + GetColumnWidth(col) - 1;
            if (CGridCellBase* cell = GetCell(row, col)) cell->Draw(pDC, row, col, rect, false);
        }
    }
    if (visCellRange.IsValid()) {
        // The fixed columns of the visible rows.
        rect.bottom = fixedRowHeight - 1;
        for (int row = minVisibleRow; row <= maxVisibleRow; ++row) {
            if (GetRowHeight(row) <= 0) continue;
            rect.top = rect.bottom + 1;
            rect.bottom = rect.top + GetRowHeight(row) - 1;
            if (rect.top > clipRect.bottom) break;
            if (rect.bottom < clipRect.top) continue;
            rect.right = -1;
            for (int col = 0; col < m_nFixedCols; ++col) {
                if (GetColumnWidth(col) <= 0) continue;
                rect.left = rect.right + 1;
                rect.right = rect.left + GetColumnWidth(col) - 1;
                if (rect.left > clipRect.right) break;
                if (rect.right < clipRect.left) continue;
                if (CGridCellBase* cell = GetCell(row, col)) cell->Draw(pDC, row, col, rect, false);
            }
        }
        // The fixed rows of the visible columns.
        rect.bottom = -1;
        for (int row = 0; row < m_nFixedRows; ++row) {
            if (GetRowHeight(row) <= 0) continue;
            rect.top = rect.bottom + 1;
            rect.bottom = rect.top + GetRowHeight(row) - 1;
            if (rect.top > clipRect.bottom) break;
            if (rect.bottom < clipRect.top) continue;
            rect.right = fixedColWidth - 1;
            for (int col = minVisibleCol; col <= maxVisibleCol; ++col) {
                if (GetColumnWidth(col) <= 0) continue;
                rect.left = rect.right + 1;
                rect.right = rect.left + GetColumnWidth(col) - 1;
                if (rect.left > clipRect.right) break;
                if (rect.right < clipRect.left) continue;
                if (CGridCellBase* cell = GetCell(row, col)) cell->Draw(pDC, row, col, rect, false);
            }
        }
        // The scrolling cells.
        rect.bottom = fixedRowHeight - 1;
        for (int row = minVisibleRow; row <= maxVisibleRow; ++row) {
            if (GetRowHeight(row) <= 0) continue;
            rect.top = rect.bottom + 1;
            rect.bottom = rect.top + GetRowHeight(row) - 1;
            if (rect.top > clipRect.bottom) break;
            if (rect.bottom < clipRect.top) continue;
            rect.right = fixedColWidth - 1;
            for (int col = minVisibleCol; col <= maxVisibleCol; ++col) {
                if (GetColumnWidth(col) <= 0) continue;
                rect.left = rect.right + 1;
                rect.right = rect.left + GetColumnWidth(col) - 1;
                if (rect.left > clipRect.right) break;
                if (rect.right < clipRect.left) continue;
                if (CGridCellBase* cell = GetCell(row, col)) cell->Draw(pDC, row, col, rect, false);
            }
        }
        // Grid lines.
        CPen pen(PS_SOLID, 0, m_crGridLineColour);
        CPen* oldPen = pDC->SelectObject(&pen);
        if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT) {
            int x = fixedColWidth;
            for (int col = minVisibleCol; col <= maxVisibleCol; ++col) {
                if (GetColumnWidth(col) <= 0) continue;
                x += GetColumnWidth(col);
                pDC->MoveTo(x - 1, fixedRowHeight);
                pDC->LineTo(x - 1, visRect.bottom);
            }
        }
        if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_HORZ) {
            int y = fixedRowHeight;
            for (int row = minVisibleRow; row <= maxVisibleRow; ++row) {
                if (GetRowHeight(row) <= 0) continue;
                y += GetRowHeight(row);
                pDC->MoveTo(fixedColWidth, y - 1);
                pDC->LineTo(visRect.right, y - 1);
            }
        }
        pDC->SelectObject(oldPen);
    }
    if (m_bVirtualMode) SendCacheHintToParent(CCellRange(-1, -1, -1, -1));
}

// --- scrolling -------------------------------------------------------------------------------------

void CGridCtrl::OnSize(UINT nType, int cx, int cy) {
    static bool alreadyInsideThisProcedure = false;
    if (alreadyInsideThisProcedure) return;
    alreadyInsideThisProcedure = true;
    // The window takes drops from its first sizing on.
    if (m_bAllowDragAndDrop && !m_DropTarget.IsRegistered()) m_DropTarget.Register(this);
    EndEditing();
    CWnd::OnSize(nType, cx, cy);
    ResetScrollBars();
    alreadyInsideThisProcedure = false;
}

void CGridCtrl::OnVScroll(UINT nSBCode, UINT, CScrollBar*) {
    ScrollBy(SB_VERT, nSBCode);
}

void CGridCtrl::OnHScroll(UINT nSBCode, UINT, CScrollBar*) {
    ScrollBy(SB_HORZ, nSBCode);
}

void CGridCtrl::ScrollBy(int nBar, UINT nSBCode) {
    EndEditing();
    HideTitleTip();
    QAbstractScrollArea* area = GetScrollArea();
    if (!area) return;
    const bool vert = nBar == SB_VERT;
    const int scrollPos = GetScrollPos32(nBar);
    const CCellID idTopLeft = GetTopleftNonFixedCell();
    const int maxPos = (vert ? area->verticalScrollBar() : area->horizontalScrollBar())->maximum();
    CRect rect;
    GetClientRect(&rect);
    // Rows for the vertical bar, columns for the horizontal one.
    const int count = vert ? GetRowCount() : GetColumnCount();
    const int fixed = vert ? GetFixedRowCount() : GetFixedColumnCount();
    const int topLeft = vert ? idTopLeft.row : idTopLeft.col;
    auto size = [this, vert](int i) { return vert ? GetRowHeight(i) : GetColumnWidth(i); };
    const int page =
        std::max(1, vert ? rect.Height() - GetFixedRowHeight() : rect.Width() - GetFixedColumnWidth());
    switch (nSBCode) {
    case SB_LINEDOWN: // and SB_LINERIGHT
        if (scrollPos < maxPos && idTopLeft.IsValid()) {
            int i = topLeft;
            while (i < count - 1 && size(i) <= 0)
                ++i;
            SetScrollPos32(nBar, std::min(maxPos, scrollPos + std::max(size(i), 1)));
        }
        break;
    case SB_LINEUP: // and SB_LINELEFT
        if (scrollPos > 0 && topLeft > fixed) {
            int i = topLeft - 1;
            while (i > fixed && size(i) <= 0)
                --i;
            SetScrollPos32(nBar, std::max(0, scrollPos - std::max(size(i), 1)));
        } else if (scrollPos > 0) {
            SetScrollPos32(nBar, 0);
        }
        break;
    case SB_PAGEDOWN:
        SetScrollPos32(nBar, std::min(maxPos, scrollPos + page));
        break;
    case SB_PAGEUP:
        SetScrollPos32(nBar, std::max(0, scrollPos - page));
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetScrollPos32(nBar, GetScrollPos32(nBar, true));
        break;
    case SB_TOP:
        SetScrollPos32(nBar, 0);
        break;
    case SB_BOTTOM:
        SetScrollPos32(nBar, maxPos);
        break;
    default:
        break;
    }
    Invalidate();
}

BOOL CGridCtrl::OnMouseWheel(UINT, short zDelta, CPoint) {
    // Angle deltas add up, so that fine-grained wheels scroll as far as notched ones.
    m_nWheelRemainder += zDelta;
    const int notches = m_nWheelRemainder / 120;
    m_nWheelRemainder -= notches * 120;
    if (notches == 0) return TRUE;
    if (m_nRowsPerWheelNotch == -1) {
        for (int i = 0; i < std::abs(notches); ++i)
            SendMessage(WM_VSCROLL, notches > 0 ? SB_PAGEUP : SB_PAGEDOWN, 0);
    } else {
        const int lines = std::abs(notches) * m_nRowsPerWheelNotch;
        for (int i = 0; i < lines; ++i)
            SendMessage(WM_VSCROLL, notches > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    }
    return TRUE;
}

// --- measuring and sizing --------------------------------------------------------------------------

CSize CGridCtrl::GetTextExtent(int nRow, int nCol, const char* str) {
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return CSize(0, 0);
    return cell->GetTextExtent(str);
}

CSize CGridCtrl::GetCellTextExtent(int nRow, int nCol) {
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return CSize(0, 0);
    return cell->GetTextExtent(cell->GetText());
}

namespace {

void MeasuredRows(int style, int fixedRows, int rows, int& first, int& last) {
    first = (style & GVS_HEADER) ? 0 : fixedRows;
    last = (style & GVS_DATA) ? rows - 1 : fixedRows - 1;
}

} // namespace

bool CGridCtrl::AutoSizeColumn(int nCol, UINT nAutoSizeStyle, bool bResetScroll) {
    if (nCol < 0 || nCol >= m_nCols || GetColumnWidth(nCol) <= 0) return false;
    const int style =
        nAutoSizeStyle == GVS_DEFAULT ? m_nAutoSizeColumnStyle : static_cast<int>(nAutoSizeStyle);
    int first = 0, last = 0;
    MeasuredRows(style, m_nFixedRows, m_nRows, first, last);
    if (m_bVirtualMode) SendCacheHintToParent(CCellRange(first, nCol, last, nCol));
    CDC dc;
    int width = 0;
    for (int row = first; row <= last; ++row)
        if (CGridCellBase* cell = GetCell(row, nCol))
            width = std::max(width, static_cast<int>(cell->GetCellExtent(&dc).cx));
    if (m_bVirtualMode) SendCacheHintToParent(CCellRange(-1, -1, -1, -1));
    m_arColWidths[static_cast<size_t>(nCol)] = static_cast<UINT>(width);
    if (bResetScroll) ResetScrollBars();
    return true;
}

bool CGridCtrl::AutoSizeRow(int nRow, bool bResetScroll) {
    if (nRow < 0 || nRow >= m_nRows || GetRowHeight(nRow) <= 0) return false;
    CDC dc;
    int height = 0;
    for (int col = 0; col < m_nCols; ++col)
        if (CGridCellBase* cell = GetCell(nRow, col))
            height = std::max(height, static_cast<int>(cell->GetCellExtent(&dc).cy));
    m_arRowHeights[static_cast<size_t>(nRow)] = static_cast<UINT>(height);
    if (bResetScroll) ResetScrollBars();
    return true;
}

void CGridCtrl::AutoSizeColumns(UINT nAutoSizeStyle) {
    for (int col = 0; col < m_nCols; ++col)
        if (GetColumnWidth(col) > 0) AutoSizeColumn(col, nAutoSizeStyle, false);
    ResetScrollBars();
}

void CGridCtrl::AutoSizeRows() {
    for (int row = 0; row < m_nRows; ++row)
        if (GetRowHeight(row) > 0) AutoSizeRow(row, false);
    ResetScrollBars();
}

void CGridCtrl::AutoSize(UINT nAutoSizeStyle) {
    const int style =
        nAutoSizeStyle == GVS_DEFAULT ? m_nAutoSizeColumnStyle : static_cast<int>(nAutoSizeStyle);
    int first = 0, last = 0;
    MeasuredRows(style, m_nFixedRows, m_nRows, first, last);
    // Hidden rows and columns stay hidden: they are neither reset nor measured.
    std::vector<char> shownRows(static_cast<size_t>(m_nRows)), shownCols(static_cast<size_t>(m_nCols));
    for (int row = 0; row < m_nRows; ++row)
        shownRows[static_cast<size_t>(row)] = GetRowHeight(row) > 0;
    for (int col = 0; col < m_nCols; ++col)
        shownCols[static_cast<size_t>(col)] = GetColumnWidth(col) > 0;
    for (int row = first; row <= last; ++row)
        if (shownRows[static_cast<size_t>(row)]) m_arRowHeights[static_cast<size_t>(row)] = 1;
    for (int col = 0; col < m_nCols; ++col)
        if (shownCols[static_cast<size_t>(col)]) m_arColWidths[static_cast<size_t>(col)] = 0;
    if (m_bVirtualMode) SendCacheHintToParent(CCellRange(first, 0, last, m_nCols - 1));
    CDC dc;
    for (int row = first; row <= last; ++row) {
        if (!shownRows[static_cast<size_t>(row)]) continue;
        UINT& height = m_arRowHeights[static_cast<size_t>(row)];
        for (int col = 0; col < m_nCols; ++col) {
            if (!shownCols[static_cast<size_t>(col)]) continue;
            CGridCellBase* cell = GetCell(row, col);
            if (!cell) continue;
            const CSize size = cell->GetCellExtent(&dc);
            UINT& width = m_arColWidths[static_cast<size_t>(col)];
            if (static_cast<UINT>(size.cx) > width) width = static_cast<UINT>(size.cx);
            if (static_cast<UINT>(size.cy) > height) height = static_cast<UINT>(size.cy);
        }
    }
    if (m_bVirtualMode) SendCacheHintToParent(CCellRange(-1, -1, -1, -1));
    ResetScrollBars();
    Refresh();
}

namespace {

// Shares a difference of size out among the shown columns (or rows), one unit
// of the remainder each to the first ones; none gets less than one pixel.
template <class Sizes> void shareDifference(Sizes& sizes, const std::vector<int>& shown, long difference) {
    const int count = static_cast<int>(shown.size());
    const long share = difference / count;
    long remainder = difference - share * count;
    for (int index : shown) {
        long size = static_cast<long>(sizes[static_cast<size_t>(index)]) + share;
        if (remainder > 0) {
            ++size;
            --remainder;
        } else if (remainder < 0) {
            --size;
            ++remainder;
        }
        sizes[static_cast<size_t>(index)] = static_cast<typename Sizes::value_type>(std::max(1L, size));
    }
}

} // namespace

void CGridCtrl::ExpandColumnsToFit(bool bExpandFixed) {
    if (!GetSafeHwnd() || GetColumnCount() <= 0) return;
    CRect rect;
    GetClientRect(&rect);
    const int first = bExpandFixed ? 0 : GetFixedColumnCount();
    std::vector<int> shown;
    for (int col = first; col < GetColumnCount(); ++col)
        if (GetColumnWidth(col) > 0) shown.push_back(col);
    if (shown.empty()) return;
    EnableScrollBars(SB_HORZ, false);
    GetClientRect(&rect);
    const long difference = rect.Width() - GetVirtualWidth();
    shareDifference(m_arColWidths, shown, difference);
    ResetScrollBars();
    Refresh();
}

void CGridCtrl::ExpandRowsToFit(bool bExpandFixed) {
    if (!GetSafeHwnd() || GetRowCount() <= 0) return;
    CRect rect;
    const int first = bExpandFixed ? 0 : GetFixedRowCount();
    std::vector<int> shown;
    for (int row = first; row < GetRowCount(); ++row)
        if (GetRowHeight(row) > 0) shown.push_back(row);
    if (shown.empty()) return;
    EnableScrollBars(SB_VERT, false);
    GetClientRect(&rect);
    const long difference = rect.Height() - GetVirtualHeight();
    shareDifference(m_arRowHeights, shown, difference);
    ResetScrollBars();
    Refresh();
}

void CGridCtrl::ExpandToFit(bool bExpandFixed) {
    ExpandColumnsToFit(bExpandFixed);
    ExpandRowsToFit(bExpandFixed);
    ExpandColumnsToFit(bExpandFixed);
    Refresh();
}

void CGridCtrl::ExpandLastColumn() {
    if (!GetSafeHwnd() || GetColumnCount() <= 0) return;
    CRect rect;
    GetClientRect(&rect);
    long difference = rect.Width() - GetVirtualWidth();
    if (GetVirtualHeight() > rect.Height()) {
        QAbstractScrollArea* area = GetScrollArea();
        difference -= area ? area->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    }
    if (difference > 0) {
        const int last = GetColumnCount() - 1;
        m_arColWidths[static_cast<size_t>(last)] += static_cast<UINT>(difference);
    }
    ResetScrollBars();
    Refresh();
}

void CGridCtrl::AutoFill() {
    if (!GetSafeHwnd()) return;
    CRect rect;
    GetClientRect(&rect);
    SetColumnCount(rect.Width() / m_cellDefault.GetWidth() + 1);
    SetRowCount(rect.Height() / m_cellDefault.GetHeight() + 1);
    SetFixedRowCount(1);
    SetFixedColumnCount(1);
    ExpandToFit(true);
}
