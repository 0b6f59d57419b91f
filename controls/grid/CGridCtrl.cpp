// The grid's cells: counts, sizes, default cells, items, rows and columns,
// sorting, modified flags and virtual mode.
#include "controls/grid/CGridCtrl.h"

#include "controls/grid/CTitleTip.h"
#include "platform/gdi/CGdiObject.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"

#include <QAbstractScrollArea>
#include <QApplication>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

IMPLEMENT_DYNCREATE(CGridCtrl, CWnd)

namespace {

// A dialog template's custom control of the grid's class becomes a grid.
const bool s_registered = [] {
    AfxRegisterControlClass(CGridCtrl::kWindowClass, []() -> CWnd* { return new CGridCtrl; });
    return true;
}();

} // namespace

namespace {

// Growing the arrays ran out of memory: the user learns it, the grid keeps what it built.
void CPromptServiceReportOutOfMemory() {
    CMessageBoxRequest request;
    request.text = "Out of memory.";
    request.type = MB_OK | MB_ICONEXCLAMATION;
    CPromptService::Instance().MessageBox(request);
}

} // namespace

CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols) {
    m_nRowsPerWheelNotch = QApplication::instance() ? QApplication::wheelScrollLines() : 3;
    ReadSystemColours();
    m_crGridBkColour = m_crShadow;
    m_pRtcDefault = RUNTIME_CLASS(CGridCell);
    for (CGridDefaultCell* cell :
         {&m_cellDefault, &m_cellFixedRowDef, &m_cellFixedColDef, &m_cellFixedRowColDef}) {
        cell->SetGrid(this);
        cell->SetTextClr(m_crWindowText);
        cell->SetBackClr(cell == &m_cellDefault ? m_crWindowColour : m_cr3DFace);
    }
    SetRowCount(nRows);
    SetColumnCount(nCols);
    SetFixedRowCount(nFixedRows);
    SetFixedColumnCount(nFixedCols);
}

CGridCtrl::~CGridCtrl() {
    // Editors are child windows that report to their cells: they go with the window, before the cells.
    DestroyFromDestructor();
    DeleteAllItems();
    m_SelectedCellMap.clear();
    m_PrevSelectedCellMap.clear();
}

void CGridCtrl::ReadSystemColours() {
    m_crWindowText = GetGridSysColor(GridSysColor::WindowText);
    m_crWindowColour = GetGridSysColor(GridSysColor::Window);
    m_cr3DFace = GetGridSysColor(GridSysColor::BtnFace);
    m_crShadow = GetGridSysColor(GridSysColor::BtnShadow);
}

CGridDefaultCell* CGridCtrl::GetDefaultCell(bool bFixedRow, bool bFixedCol) const {
    auto* self = const_cast<CGridCtrl*>(this);
    if (bFixedRow && bFixedCol) return &self->m_cellFixedRowColDef;
    if (bFixedRow) return &self->m_cellFixedRowDef;
    if (bFixedCol) return &self->m_cellFixedColDef;
    return &self->m_cellDefault;
}

// --- counts ----------------------------------------------------------------------------------------

bool CGridCtrl::SetRowCount(int nRows) {
    if (nRows < 0) return false;
    if (nRows == GetRowCount()) return true;
    m_idTopLeftCell = CCellID();
    if (nRows < m_nFixedRows) m_nFixedRows = nRows;
    if (m_idCurrentCell.row >= nRows) SetFocusCell(-1, -1);
    const int addedRows = nRows - GetRowCount();
    if (addedRows < 0) {
        if (!m_bVirtualMode) {
            for (int row = nRows; row < m_nRows; ++row) {
                for (int col = 0; col < m_nCols; ++col)
                    DestroyCell(row, col);
            }
            m_RowData.resize(static_cast<size_t>(nRows));
        }
        m_nRows = nRows;
    }
    bool result = true;
    try {
        m_arRowHeights.resize(static_cast<size_t>(nRows), static_cast<UINT>(m_cellDefault.GetHeight()));
        if (addedRows > 0) {
            const int startRow = m_nRows;
            if (!m_bVirtualMode) {
                m_RowData.resize(static_cast<size_t>(nRows));
                for (int row = startRow; row < nRows; ++row) {
                    m_RowData[static_cast<size_t>(row)].assign(static_cast<size_t>(m_nCols), nullptr);
                    m_nRows = row + 1;
                    for (int col = 0; col < m_nCols; ++col)
                        m_RowData[static_cast<size_t>(row)][static_cast<size_t>(col)] = CreateCell(row, col);
                }
            }
            m_nRows = nRows;
        }
    } catch (const std::bad_alloc&) {
        CPromptServiceReportOutOfMemory();
        result = false;
    }
    SetModified();
    ResetScrollBars();
    Refresh();
    return result;
}

bool CGridCtrl::SetColumnCount(int nCols) {
    if (nCols < 0) return false;
    if (nCols == GetColumnCount()) return true;
    m_idTopLeftCell = CCellID();
    if (nCols < m_nFixedCols) m_nFixedCols = nCols;
    if (m_idCurrentCell.col >= nCols) SetFocusCell(-1, -1);
    const int addedCols = nCols - GetColumnCount();
    if (addedCols < 0 && !m_bVirtualMode) {
        for (int row = 0; row < m_nRows; ++row) {
            for (int col = nCols; col < m_nCols; ++col)
                DestroyCell(row, col);
            m_RowData[static_cast<size_t>(row)].resize(static_cast<size_t>(nCols));
        }
    }
    bool result = true;
    try {
        m_arColWidths.resize(static_cast<size_t>(nCols), static_cast<UINT>(m_cellFixedColDef.GetWidth()));
        if (!m_bVirtualMode && addedCols > 0) {
            const int startCol = m_nCols;
            for (int row = 0; row < m_nRows; ++row) {
                auto& rowData = m_RowData[static_cast<size_t>(row)];
                rowData.resize(static_cast<size_t>(nCols), nullptr);
            }
            m_nCols = nCols;
            for (int row = 0; row < m_nRows; ++row)
                for (int col = startCol; col < nCols; ++col)
                    m_RowData[static_cast<size_t>(row)][static_cast<size_t>(col)] = CreateCell(row, col);
        }
        m_nCols = nCols;
    } catch (const std::bad_alloc&) {
        CPromptServiceReportOutOfMemory();
        result = false;
    }
    SetModified();
    ResetScrollBars();
    Refresh();
    return result;
}

bool CGridCtrl::SetFixedRowCount(int nFixedRows) {
    if (nFixedRows < 0) return false;
    if (m_nFixedRows == nFixedRows) return true;
    ClearSelection();
    if (nFixedRows > GetRowCount())
        if (!SetRowCount(nFixedRows)) return false;
    if (m_idCurrentCell.row < nFixedRows) SetFocusCell(-1, -1);
    if (!m_bVirtualMode) {
        if (nFixedRows > m_nFixedRows) {
            for (int row = m_nFixedRows; row < nFixedRows; ++row)
                for (int col = 0; col < GetColumnCount(); ++col) {
                    SetItemState(row, col, GetItemState(row, col) | GVIS_FIXED | GVIS_FIXEDROW);
                    SetItemBkColour(row, col, CLR_DEFAULT);
                    SetItemFgColour(row, col, CLR_DEFAULT);
                }
        } else {
            for (int row = nFixedRows; row < m_nFixedRows; ++row) {
                for (int col = 0; col < GetFixedColumnCount(); ++col)
                    SetItemState(row, col, GetItemState(row, col) & ~GVIS_FIXEDROW);
                for (int col = GetFixedColumnCount(); col < GetColumnCount(); ++col) {
                    SetItemState(row, col, GetItemState(row, col) & ~(GVIS_FIXED | GVIS_FIXEDROW));
                    SetItemBkColour(row, col, CLR_DEFAULT);
                    SetItemFgColour(row, col, CLR_DEFAULT);
                }
            }
        }
    }
    m_nFixedRows = nFixedRows;
    m_idTopLeftCell = CCellID();
    ResetScrollBars();
    Refresh();
    return true;
}

bool CGridCtrl::SetFixedColumnCount(int nFixedCols) {
    if (nFixedCols < 0) return false;
    if (m_nFixedCols == nFixedCols) return true;
    if (nFixedCols > GetColumnCount())
        if (!SetColumnCount(nFixedCols)) return false;
    if (m_idCurrentCell.col < nFixedCols) SetFocusCell(-1, -1);
    ClearSelection();
    if (!m_bVirtualMode) {
        if (nFixedCols > m_nFixedCols) {
            for (int row = 0; row < GetRowCount(); ++row)
                for (int col = m_nFixedCols; col < nFixedCols; ++col) {
                    SetItemState(row, col, GetItemState(row, col) | GVIS_FIXED | GVIS_FIXEDCOL);
                    SetItemBkColour(row, col, CLR_DEFAULT);
                    SetItemFgColour(row, col, CLR_DEFAULT);
                }
        } else {
            for (int col = nFixedCols; col < m_nFixedCols; ++col) {
                for (int row = 0; row < GetFixedRowCount(); ++row)
                    SetItemState(row, col, GetItemState(row, col) & ~GVIS_FIXEDCOL);
                for (int row = GetFixedRowCount(); row < GetRowCount(); ++row) {
                    SetItemState(row, col, GetItemState(row, col) & ~(GVIS_FIXED | GVIS_FIXEDCOL));
                    SetItemBkColour(row, col, CLR_DEFAULT);
                    SetItemFgColour(row, col, CLR_DEFAULT);
                }
            }
        }
    }
    m_nFixedCols = nFixedCols;
    m_idTopLeftCell = CCellID();
    ResetScrollBars();
    Refresh();
    return true;
}

// --- sizes -----------------------------------------------------------------------------------------

int CGridCtrl::GetRowHeight(int nRow) const {
    if (nRow < 0 || nRow >= m_nRows) return -1;
    return static_cast<int>(m_arRowHeights[static_cast<size_t>(nRow)]);
}

int CGridCtrl::GetColumnWidth(int nCol) const {
    if (nCol < 0 || nCol >= m_nCols) return -1;
    return static_cast<int>(m_arColWidths[static_cast<size_t>(nCol)]);
}

bool CGridCtrl::SetRowHeight(int nRow, int height) {
    if (nRow < 0 || nRow >= m_nRows || height < 0) return false;
    m_arRowHeights[static_cast<size_t>(nRow)] = static_cast<UINT>(height);
    ResetScrollBars();
    return true;
}

bool CGridCtrl::SetColumnWidth(int nCol, int width) {
    if (nCol < 0 || nCol >= m_nCols || width < 0) return false;
    m_arColWidths[static_cast<size_t>(nCol)] = static_cast<UINT>(width);
    ResetScrollBars();
    return true;
}

int CGridCtrl::GetFixedRowHeight() const {
    int height = 0;
    for (int i = 0; i < m_nFixedRows; ++i)
        height += GetRowHeight(i);
    return height;
}

int CGridCtrl::GetFixedColumnWidth() const {
    int width = 0;
    for (int i = 0; i < m_nFixedCols; ++i)
        width += GetColumnWidth(i);
    return width;
}

long CGridCtrl::GetVirtualHeight() const {
    long height = 0;
    for (UINT h : m_arRowHeights)
        height += static_cast<long>(h);
    return height;
}

long CGridCtrl::GetVirtualWidth() const {
    long width = 0;
    for (UINT w : m_arColWidths)
        width += static_cast<long>(w);
    return width;
}

int CGridCtrl::GetDefCellHeight() const {
    return m_cellDefault.GetHeight();
}
int CGridCtrl::GetDefCellWidth() const {
    return m_cellDefault.GetWidth();
}
int CGridCtrl::GetDefCellMargin() const {
    return static_cast<int>(m_cellDefault.GetMargin());
}

void CGridCtrl::SetDefCellHeight(int height) {
    for (CGridDefaultCell* c :
         {&m_cellDefault, &m_cellFixedRowDef, &m_cellFixedColDef, &m_cellFixedRowColDef})
        c->SetHeight(height);
}
void CGridCtrl::SetDefCellWidth(int width) {
    for (CGridDefaultCell* c :
         {&m_cellDefault, &m_cellFixedRowDef, &m_cellFixedColDef, &m_cellFixedRowColDef})
        c->SetWidth(width);
}
void CGridCtrl::SetDefCellMargin(int margin) {
    for (CGridDefaultCell* c :
         {&m_cellDefault, &m_cellFixedRowDef, &m_cellFixedColDef, &m_cellFixedRowColDef})
        c->SetMargin(static_cast<UINT>(margin));
}

// --- colours ---------------------------------------------------------------------------------------

void CGridCtrl::SetTextColor(COLORREF clr) {
    m_cellDefault.SetTextClr(clr);
}
COLORREF CGridCtrl::GetTextColor() const {
    return m_cellDefault.GetTextClr();
}
void CGridCtrl::SetTextBkColor(COLORREF clr) {
    m_cellDefault.SetBackClr(clr);
}
COLORREF CGridCtrl::GetTextBkColor() const {
    return m_cellDefault.GetBackClr();
}
void CGridCtrl::SetFixedTextColor(COLORREF clr) {
    for (CGridDefaultCell* c : {&m_cellFixedRowDef, &m_cellFixedColDef, &m_cellFixedRowColDef})
        c->SetTextClr(clr);
}
COLORREF CGridCtrl::GetFixedTextColor() const {
    return m_cellFixedRowDef.GetTextClr();
}
void CGridCtrl::SetFixedBkColor(COLORREF clr) {
    for (CGridDefaultCell* c : {&m_cellFixedRowDef, &m_cellFixedColDef, &m_cellFixedRowColDef})
        c->SetBackClr(clr);
}
COLORREF CGridCtrl::GetFixedBkColor() const {
    return m_cellFixedRowDef.GetBackClr();
}

void CGridCtrl::OnSysColorChange() {
    const COLORREF oldText = m_crWindowText, oldWindow = m_crWindowColour, oldShadow = m_crShadow;
    ReadSystemColours();
    for (CGridDefaultCell* c :
         {&m_cellDefault, &m_cellFixedRowDef, &m_cellFixedColDef, &m_cellFixedRowColDef}) {
        if (c->GetTextClr() == oldText) c->SetTextClr(m_crWindowText);
        if (c->GetBackClr() == oldWindow) c->SetBackClr(m_crWindowColour);
    }
    if (m_crGridBkColour == oldShadow) m_crGridBkColour = m_crShadow;
    Refresh();
}

// --- options ---------------------------------------------------------------------------------------

void CGridCtrl::SetGridLines(int nWhichLines) {
    m_nGridLines = nWhichLines;
    Refresh();
}

void CGridCtrl::SetListMode(bool bEnableListMode) {
    ResetSelectedRange();
    SetSortColumn(-1);
    m_bListMode = bEnableListMode;
    SetFixedRowSelection(false);
    Refresh();
}

void CGridCtrl::EnableSelection(bool bEnable) {
    ResetSelectedRange();
    m_bEnableSelection = bEnable;
    ResetSelectedRange();
}

void CGridCtrl::SetSortColumn(int nCol) {
    if (m_nSortColumn >= 0) InvalidateCellRect(0, m_nSortColumn);
    m_nSortColumn = nCol;
    if (nCol >= 0) InvalidateCellRect(0, nCol);
}

void CGridCtrl::SetRedraw(bool bAllowDraw, bool bResetScrollBars) {
    if (bAllowDraw && !m_bAllowDraw) {
        m_bAllowDraw = true;
        Refresh();
    }
    m_bAllowDraw = bAllowDraw;
    if (bResetScrollBars) ResetScrollBars();
}

// --- cells -----------------------------------------------------------------------------------------

CGridCellBase* CGridCtrl::CreateCell(int nRow, int nCol) {
    CGridCellBase* cell = CreateObjectAs<CGridCellBase>(m_pRtcDefault);
    if (!cell) return nullptr;
    cell->SetGrid(this);
    cell->SetCoords(nRow, nCol);
    if (nCol < m_nFixedCols) cell->SetState(cell->GetState() | GVIS_FIXED | GVIS_FIXEDCOL);
    if (nRow < m_nFixedRows) cell->SetState(cell->GetState() | GVIS_FIXED | GVIS_FIXEDROW);
    cell->SetFormat(cell->GetDefaultCell()->GetFormat());
    return cell;
}

void CGridCtrl::DestroyCell(int nRow, int nCol) {
    SetItemState(nRow, nCol, 0);
    if (!IsValid(nRow, nCol) || m_bVirtualMode) return;
    CGridCellBase*& cell = m_RowData[static_cast<size_t>(nRow)][static_cast<size_t>(nCol)];
    delete cell;
    cell = nullptr;
}

CGridCellBase* CGridCtrl::GetCell(int nRow, int nCol) const {
    if (!IsValid(nRow, nCol)) return nullptr;
    if (m_bVirtualMode) return GetVirtualCell(nRow, nCol);
    return m_RowData[static_cast<size_t>(nRow)][static_cast<size_t>(nCol)];
}

bool CGridCtrl::SetCell(int nRow, int nCol, CGridCellBase* pCell) {
    if (m_bVirtualMode || !IsValid(nRow, nCol)) return false;
    if (pCell) pCell->SetCoords(nRow, nCol);
    m_RowData[static_cast<size_t>(nRow)][static_cast<size_t>(nCol)] = pCell;
    return true;
}

CGridCellBase* CGridCtrl::GetVirtualCell(int nRow, int nCol) const {
    if (!m_pVirtualCell) {
        m_pVirtualCell = std::make_unique<CGridCell>();
    }
    CGridCell* cell = m_pVirtualCell.get();
    cell->Reset();
    cell->SetGrid(const_cast<CGridCtrl*>(this));
    GV_DISPINFO info;
    info.hdr.hwndFrom = GetSafeHwnd();
    info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    info.hdr.code = GVN_GETDISPINFO;
    const bool fixedRow = nRow < m_nFixedRows, fixedCol = nCol < m_nFixedCols;
    const CGridDefaultCell* def = GetDefaultCell(fixedRow, fixedCol);
    info.item.row = nRow;
    info.item.col = nCol;
    info.item.mask = 0xFFFFFFFF;
    info.item.nFormat = def->GetFormat();
    info.item.iImage = -1;
    info.item.crBkClr = def->GetBackClr();
    info.item.crFgClr = def->GetTextClr();
    info.item.lParam = 0;
    if (def->GetFont()) info.item.lfFont = *def->GetFont();
    info.item.nMargin = def->GetMargin();
    UINT state = IsCellSelected(nRow, nCol) ? GVIS_SELECTED : 0;
    if (fixedRow) state |= GVIS_FIXED | GVIS_FIXEDROW;
    if (fixedCol) state |= GVIS_FIXED | GVIS_FIXEDCOL;
    if (CCellID(nRow, nCol) == m_idCurrentCell) state |= GVIS_FOCUSED;
    info.item.nState = state;
    if (m_pfnCallback) {
        m_pfnCallback(&info, m_lParam);
    } else if (CWnd* parent = GetParent()) {
        parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&info));
    }
    cell->SetText(info.item.strText.c_str());
    cell->SetData(info.item.lParam);
    cell->SetImage(info.item.iImage);
    cell->SetState(info.item.nState);
    cell->SetFormat(info.item.nFormat);
    cell->SetBackClr(info.item.crBkClr);
    cell->SetTextClr(info.item.crFgClr);
    if (!def->GetFont() || !(info.item.lfFont == *def->GetFont())) cell->SetFont(&info.item.lfFont);
    cell->SetMargin(info.item.nMargin);
    return cell;
}

bool CGridCtrl::SetCellType(int nRow, int nCol, const CRuntimeClass* pRuntimeClass) {
    if (m_bVirtualMode || !IsValid(nRow, nCol)) return false;
    if (!pRuntimeClass || !pRuntimeClass->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase))) return false;
    CGridCellBase* newCell = CreateObjectAs<CGridCellBase>(pRuntimeClass);
    if (!newCell) return false;
    CGridCellBase* oldCell = GetCell(nRow, nCol);
    if (oldCell) *newCell = *oldCell;
    SetCell(nRow, nCol, newCell);
    delete oldCell;
    return true;
}

bool CGridCtrl::SetDefaultCellType(const CRuntimeClass* pRuntimeClass) {
    if (!pRuntimeClass || !pRuntimeClass->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase))) return false;
    m_pRtcDefault = pRuntimeClass;
    return true;
}

// --- items -----------------------------------------------------------------------------------------

bool CGridCtrl::SetItem(const GV_ITEM* pItem) {
    if (!pItem || m_bVirtualMode) return false;
    CGridCellBase* cell = GetCell(pItem->row, pItem->col);
    if (!cell) return false;
    SetModified(true, pItem->row, pItem->col);
    if (pItem->mask & GVIF_TEXT) cell->SetText(pItem->strText.c_str());
    if (pItem->mask & GVIF_PARAM) cell->SetData(pItem->lParam);
    if (pItem->mask & GVIF_IMAGE) cell->SetImage(pItem->iImage);
    if (pItem->mask & GVIF_STATE) SetItemState(pItem->row, pItem->col, pItem->nState);
    if (pItem->mask & GVIF_FORMAT) cell->SetFormat(pItem->nFormat);
    if (pItem->mask & GVIF_BKCLR) cell->SetBackClr(pItem->crBkClr);
    if (pItem->mask & GVIF_FGCLR) cell->SetTextClr(pItem->crFgClr);
    if (pItem->mask & GVIF_FONT) cell->SetFont(&pItem->lfFont);
    if (pItem->mask & GVIF_MARGIN) cell->SetMargin(pItem->nMargin);
    return true;
}

bool CGridCtrl::GetItem(GV_ITEM* pItem) const {
    if (!pItem) return false;
    CGridCellBase* cell = GetCell(pItem->row, pItem->col);
    if (!cell) return false;
    if (pItem->mask & GVIF_TEXT) pItem->strText = GetItemText(pItem->row, pItem->col);
    if (pItem->mask & GVIF_PARAM) pItem->lParam = cell->GetData();
    if (pItem->mask & GVIF_IMAGE) pItem->iImage = cell->GetImage();
    if (pItem->mask & GVIF_STATE) pItem->nState = cell->GetState();
    if (pItem->mask & GVIF_FORMAT) pItem->nFormat = cell->GetFormat();
    if (pItem->mask & GVIF_BKCLR) pItem->crBkClr = cell->GetBackClr();
    if (pItem->mask & GVIF_FGCLR) pItem->crFgClr = cell->GetTextClr();
    if (pItem->mask & GVIF_FONT)
        if (const LOGFONT* lf = cell->GetFont()) pItem->lfFont = *lf;
    if (pItem->mask & GVIF_MARGIN) pItem->nMargin = cell->GetMargin();
    return true;
}

bool CGridCtrl::SetItemText(int nRow, int nCol, const char* str) {
    if (m_bVirtualMode) return false;
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return false;
    cell->SetText(str);
    SetModified(true, nRow, nCol);
    return true;
}

CString CGridCtrl::GetItemText(int nRow, int nCol) const {
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell || !cell->GetText()) return CString();
    return CString(cell->GetText());
}

namespace {

std::string FormatText(const char* szFmt, va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, szFmt, copy);
    va_end(copy);
    std::string text(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0) std::vsnprintf(text.data(), text.size() + 1, szFmt, args);
    return text;
}

} // namespace

bool CGridCtrl::SetItemTextFmt(int nRow, int nCol, const char* szFmt, ...) {
    if (m_bVirtualMode || !szFmt) return false;
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return false;
    va_list args;
    va_start(args, szFmt);
    const std::string text = FormatText(szFmt, args);
    va_end(args);
    cell->SetText(text.c_str());
    SetModified(true, nRow, nCol);
    return true;
}

bool CGridCtrl::SetItemTextFmtID(int nRow, int nCol, UINT nID, ...) {
    if (m_bVirtualMode) return false;
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return false;
    const CString format = AfxLoadString(nID);
    va_list args;
    va_start(args, nID);
    const std::string text = FormatText(format.c_str(), args);
    va_end(args);
    cell->SetText(text.c_str());
    SetModified(true, nRow, nCol);
    return true;
}

bool CGridCtrl::SetItemData(int nRow, int nCol, LPARAM lParam) {
    if (m_bVirtualMode) return false;
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return false;
    cell->SetData(lParam);
    SetModified(true, nRow, nCol);
    return true;
}

LPARAM CGridCtrl::GetItemData(int nRow, int nCol) const {
    CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? cell->GetData() : 0;
}

bool CGridCtrl::SetItemImage(int nRow, int nCol, int iImage) {
    if (m_bVirtualMode) return false;
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return false;
    cell->SetImage(iImage);
    SetModified(true, nRow, nCol);
    return true;
}

int CGridCtrl::GetItemImage(int nRow, int nCol) const {
    CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? cell->GetImage() : -1;
}

bool CGridCtrl::SetItemState(int nRow, int nCol, UINT state) {
    const CCellID id(nRow, nCol);
    const bool selected = IsCellSelected(nRow, nCol);
    if (selected && !(state & GVIS_SELECTED)) m_SelectedCellMap.erase(id);
    if (!selected && (state & GVIS_SELECTED) && IsValid(nRow, nCol)) m_SelectedCellMap[id] = id;
    if (m_bVirtualMode) return false;
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return false;
    cell->SetState(state);
    return true;
}

UINT CGridCtrl::GetItemState(int nRow, int nCol) const {
    CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? cell->GetState() : 0;
}

bool CGridCtrl::SetItemFormat(int nRow, int nCol, UINT nFormat) {
    if (m_bVirtualMode) return false;
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return false;
    cell->SetFormat(nFormat);
    return true;
}

UINT CGridCtrl::GetItemFormat(int nRow, int nCol) const {
    CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? cell->GetFormat() : 0;
}

bool CGridCtrl::SetItemBkColour(int nRow, int nCol, COLORREF cr) {
    if (m_bVirtualMode) return false;
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return false;
    cell->SetBackClr(cr);
    return true;
}

COLORREF CGridCtrl::GetItemBkColour(int nRow, int nCol) const {
    CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? cell->GetBackClr() : 0;
}

bool CGridCtrl::SetItemFgColour(int nRow, int nCol, COLORREF cr) {
    if (m_bVirtualMode) return false;
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return false;
    cell->SetTextClr(cr);
    return true;
}

COLORREF CGridCtrl::GetItemFgColour(int nRow, int nCol) const {
    CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? cell->GetTextClr() : 0;
}

bool CGridCtrl::SetItemFont(int nRow, int nCol, const LOGFONT* lf) {
    if (m_bVirtualMode) return false;
    CGridCellBase* cell = GetCell(nRow, nCol);
    if (!cell) return false;
    cell->SetFont(lf);
    return true;
}

const LOGFONT* CGridCtrl::GetItemFont(int nRow, int nCol) const {
    CGridCellBase* cell = GetCell(nRow, nCol);
    return cell ? cell->GetFont() : m_cellDefault.GetFont();
}

bool CGridCtrl::IsItemEditing(int nRow, int nCol) const {
    CGridCellBase* cell = GetCell(nRow, nCol);
    return cell && cell->IsEditing();
}

// --- rows and columns --------------------------------------------------------------------------------

int CGridCtrl::InsertColumn(const char* strHeading, UINT nFormat, int nColumn) {
    if (nColumn >= 0 && nColumn < m_nFixedCols) return -1;
    if (nColumn >= 0 && nColumn > GetColumnCount()) return -1;
    if (nColumn == GetColumnCount()) nColumn = -1;
    ClearSelection();
    if (m_nRows < 1) SetRowCount(1);
    try {
        if (nColumn < 0) {
            nColumn = m_nCols;
            m_arColWidths.push_back(0);
            if (!m_bVirtualMode)
                for (auto& row : m_RowData)
                    row.push_back(nullptr);
        } else {
            m_arColWidths.insert(m_arColWidths.begin() + nColumn, 0u);
            if (!m_bVirtualMode)
                for (auto& row : m_RowData)
                    row.insert(row.begin() + nColumn, nullptr);
        }
        m_nCols++;
        if (!m_bVirtualMode)
            for (int row = 0; row < m_nRows; ++row) {
                m_RowData[static_cast<size_t>(row)][static_cast<size_t>(nColumn)] = CreateCell(row, nColumn);
                for (int col = nColumn + 1; col < m_nCols; ++col)
                    if (CGridCellBase* c = GetCell(row, col)) c->SetCoords(row, col);
            }
    } catch (const std::bad_alloc&) {
        CPromptServiceReportOutOfMemory();
        return 0;
    }
    if (m_idCurrentCell.IsValid() && nColumn < m_nCols - 1 && m_idCurrentCell.col >= nColumn)
        m_idCurrentCell.col++;
    for (int row = 0; row < m_nRows; ++row)
        SetItemFormat(row, nColumn, nFormat);
    if (!m_bVirtualMode) SetItemText(0, nColumn, strHeading);
    m_arColWidths[static_cast<size_t>(nColumn)] = static_cast<UINT>(GetTextExtent(0, nColumn, strHeading).cx);
    m_idTopLeftCell = CCellID();
    SetModified();
    ResetScrollBars();
    return nColumn;
}

int CGridCtrl::InsertRow(const char* strHeading, int nRow) {
    if (nRow >= 0 && nRow < m_nFixedRows) return -1;
    if (nRow >= 0 && nRow >= GetRowCount()) return -1;
    ClearSelection();
    if (m_nCols < 1) SetColumnCount(1);
    try {
        if (nRow < 0) {
            nRow = m_nRows;
            m_arRowHeights.push_back(0);
            if (!m_bVirtualMode) m_RowData.emplace_back(static_cast<size_t>(m_nCols), nullptr);
        } else {
            m_arRowHeights.insert(m_arRowHeights.begin() + nRow, 0u);
            if (!m_bVirtualMode)
                m_RowData.insert(m_RowData.begin() + nRow,
                                 std::vector<CGridCellBase*>(static_cast<size_t>(m_nCols)));
        }
        m_nRows++;
        if (!m_bVirtualMode) {
            for (int col = 0; col < m_nCols; ++col)
                m_RowData[static_cast<size_t>(nRow)][static_cast<size_t>(col)] = CreateCell(nRow, col);
            for (int row = nRow + 1; row < m_nRows; ++row)
                for (int col = 0; col < m_nCols; ++col)
                    if (CGridCellBase* c = GetCell(row, col)) c->SetCoords(row, col);
        }
    } catch (const std::bad_alloc&) {
        CPromptServiceReportOutOfMemory();
        return 0;
    }
    if (m_idCurrentCell.IsValid() && nRow < m_nRows - 1 && m_idCurrentCell.row >= nRow) m_idCurrentCell.row++;
    if (!m_bVirtualMode) SetItemText(nRow, 0, strHeading);
    if (strHeading && *strHeading)
        m_arRowHeights[static_cast<size_t>(nRow)] = static_cast<UINT>(GetTextExtent(nRow, 0, strHeading).cy);
    else
        m_arRowHeights[static_cast<size_t>(nRow)] = static_cast<UINT>(m_cellFixedRowDef.GetHeight());
    m_idTopLeftCell = CCellID();
    SetModified();
    ResetScrollBars();
    return nRow;
}

bool CGridCtrl::DeleteColumn(int nColumn) {
    if (nColumn < 0 || nColumn >= GetColumnCount()) return false;
    ClearSelection();
    for (int row = 0; row < m_nRows; ++row) {
        DestroyCell(row, nColumn);
        if (!m_bVirtualMode) {
            auto& rowData = m_RowData[static_cast<size_t>(row)];
            rowData.erase(rowData.begin() + nColumn);
            for (int col = nColumn; col < static_cast<int>(rowData.size()); ++col)
                if (rowData[static_cast<size_t>(col)]) rowData[static_cast<size_t>(col)]->SetCoords(row, col);
        }
    }
    m_arColWidths.erase(m_arColWidths.begin() + nColumn);
    m_nCols--;
    if (nColumn < m_nFixedCols) m_nFixedCols--;
    if (nColumn == m_idCurrentCell.col)
        m_idCurrentCell = CCellID();
    else if (nColumn < m_idCurrentCell.col)
        m_idCurrentCell.col--;
    m_idTopLeftCell = CCellID();
    ResetScrollBars();
    SetModified();
    return true;
}

bool CGridCtrl::DeleteRow(int nRow) {
    if (nRow < 0 || nRow >= GetRowCount()) return false;
    ClearSelection();
    for (int col = 0; col < m_nCols; ++col)
        DestroyCell(nRow, col);
    if (!m_bVirtualMode) {
        m_RowData.erase(m_RowData.begin() + nRow);
        for (int row = nRow; row < static_cast<int>(m_RowData.size()); ++row)
            for (int col = 0; col < m_nCols; ++col)
                if (CGridCellBase* c = m_RowData[static_cast<size_t>(row)][static_cast<size_t>(col)])
                    c->SetCoords(row, col);
    }
    m_arRowHeights.erase(m_arRowHeights.begin() + nRow);
    m_nRows--;
    if (nRow < m_nFixedRows) m_nFixedRows--;
    if (nRow == m_idCurrentCell.row)
        m_idCurrentCell = CCellID();
    else if (nRow < m_idCurrentCell.row)
        m_idCurrentCell.row--;
    m_idTopLeftCell = CCellID();
    ResetScrollBars();
    SetModified();
    return true;
}

bool CGridCtrl::DeleteNonFixedRows() {
    for (int row = GetRowCount() - 1; row >= m_nFixedRows; --row)
        DeleteRow(row);
    return true;
}

bool CGridCtrl::DeleteAllItems() {
    ResetSelectedRange();
    m_arColWidths.clear();
    m_arRowHeights.clear();
    if (!m_bVirtualMode)
        for (int row = 0; row < m_nRows; ++row)
            for (int col = 0; col < m_nCols; ++col)
                DestroyCell(row, col);
    m_RowData.clear();
    m_idCurrentCell = CCellID();
    m_nRows = m_nFixedRows = m_nCols = m_nFixedCols = 0;
    m_idTopLeftCell = CCellID();
    ResetScrollBars();
    SetModified();
    return true;
}

// --- sorting ---------------------------------------------------------------------------------------

int CGridCtrl::pfnCellTextCompare(LPARAM lParam1, LPARAM lParam2, LPARAM) {
    auto* a = reinterpret_cast<CGridCellBase*>(lParam1);
    auto* b = reinterpret_cast<CGridCellBase*>(lParam2);
    if (!a || !b) return 0;
    return std::strcmp(a->GetText() ? a->GetText() : "", b->GetText() ? b->GetText() : "");
}

int CGridCtrl::pfnCellRezavudCompare(LPARAM lParam1, LPARAM lParam2, LPARAM) {
    auto* a = reinterpret_cast<CGridCellBase*>(lParam1);
    auto* b = reinterpret_cast<CGridCellBase*>(lParam2);
    if (!a || !b) return 0;
    const long x = std::atol(a->GetText() ? a->GetText() : "");
    const long y = std::atol(b->GetText() ? b->GetText() : "");
    return x < y ? -1 : x == y ? 0 : 1;
}

bool CGridCtrl::SortTextItems(int nCol, bool bAscending, LPARAM data) {
    return SortItems(pfnCellTextCompare, nCol, bAscending, data);
}

bool CGridCtrl::SortItems(int nCol, bool bAscending, LPARAM data) {
    return SortItems(m_pfnCompare ? m_pfnCompare : pfnCellTextCompare, nCol, bAscending, data);
}

bool CGridCtrl::SortItems(PFNLVCOMPARE pfnCompare, int nCol, bool bAscending, LPARAM data) {
    SetSortColumn(nCol);
    SetSortAscending(bAscending);
    ResetSelectedRange();
    SetFocusCell(-1, -1);
    const bool result = SortItemsRange(pfnCompare, nCol, bAscending, data, GetFixedRowCount(), -1);
    Refresh();
    return result;
}

bool CGridCtrl::SortItemsRange(PFNLVCOMPARE pfnCompare, int nCol, bool bAscending, LPARAM data, int low,
                               int high) {
    if (nCol >= GetColumnCount()) return false;
    if (high == -1) high = GetRowCount() - 1;
    int lo = low, hi = high;
    if (hi <= lo) return false;
    if (m_bVirtualMode) return true;
    auto cellParam = [this, nCol](int row) { return reinterpret_cast<LPARAM>(GetCell(row, nCol)); };
    const LPARAM pivot = cellParam((lo + hi) / 2);
    while (lo <= hi) {
        if (bAscending) {
            while (lo < high && pfnCompare(cellParam(lo), pivot, data) < 0)
                ++lo;
            while (hi > low && pfnCompare(cellParam(hi), pivot, data) > 0)
                --hi;
        } else {
            while (lo < high && pfnCompare(cellParam(lo), pivot, data) > 0)
                ++lo;
            while (hi > low && pfnCompare(cellParam(hi), pivot, data) < 0)
                --hi;
        }
        if (lo <= hi) {
            if (pfnCompare(cellParam(lo), cellParam(hi), data) != 0) {
                std::swap(m_RowData[static_cast<size_t>(lo)], m_RowData[static_cast<size_t>(hi)]);
                for (int col = 0; col < m_nCols; ++col) {
                    if (CGridCellBase* c = GetCell(lo, col)) c->SetCoords(lo, col);
                    if (CGridCellBase* c = GetCell(hi, col)) c->SetCoords(hi, col);
                }
                std::swap(m_arRowHeights[static_cast<size_t>(lo)], m_arRowHeights[static_cast<size_t>(hi)]);
            }
            ++lo;
            --hi;
        }
    }
    if (low < hi) SortItemsRange(pfnCompare, nCol, bAscending, data, low, hi);
    if (lo < high) SortItemsRange(pfnCompare, nCol, bAscending, data, lo, high);
    return true;
}

// --- modified flags and virtual mode ----------------------------------------------------------------

void CGridCtrl::SetModified(bool bModified, int nRow, int nCol) {
    if (nCol < 0 || nCol == GetSortColumn()) SetSortColumn(-1);
    if (nRow > 0 && nCol > 0) {
        if (bModified) {
            SetItemState(nRow, nCol, GetItemState(nRow, nCol) | GVIS_MODIFIED);
            m_bModified = true;
        } else {
            SetItemState(nRow, nCol, GetItemState(nRow, nCol) & ~GVIS_MODIFIED);
        }
    } else {
        m_bModified = bModified;
    }
    if (!m_bModified && !m_bVirtualMode) {
        for (int row = 0; row < m_nRows; ++row)
            for (int col = 0; col < m_nCols; ++col)
                if (CGridCellBase* c = GetCell(row, col)) c->SetState(c->GetState() & ~GVIS_MODIFIED);
    }
}

bool CGridCtrl::GetModified(int nRow, int nCol) const {
    if (nRow > 0 && nCol > 0 && IsValid(nRow, nCol)) return (GetItemState(nRow, nCol) & GVIS_MODIFIED) != 0;
    return m_bModified;
}

void CGridCtrl::SetVirtualMode(bool bVirtual) {
    DeleteAllItems();
    m_bVirtualMode = bVirtual;
    if (m_bVirtualMode) {
        SetEditable(false);
        SetHeaderSort(false);
        SetAutoSizeStyle(GVS_HEADER);
        SetFixedColumnSelection(false);
        SetFixedRowSelection(false);
    }
}

LRESULT CGridCtrl::SendMessageToParent(int nRow, int nCol, int nMessage) const {
    CWnd* parent = GetParent();
    if (!GetSafeHwnd() || !parent) return 0;
    NM_GRIDVIEW nmgv;
    nmgv.iRow = nRow;
    nmgv.iColumn = nCol;
    nmgv.hdr.hwndFrom = GetSafeHwnd();
    nmgv.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    nmgv.hdr.code = static_cast<UINT>(nMessage);
    return parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID()),
                               reinterpret_cast<LPARAM>(&nmgv));
}

void CGridCtrl::SendCacheHintToParent(const CCellRange& range) const {
    CWnd* parent = GetParent();
    if (!GetSafeHwnd() || !parent) return;
    GV_CACHEHINT hint;
    hint.hdr.hwndFrom = GetSafeHwnd();
    hint.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    hint.hdr.code = GVN_ODCACHEHINT;
    hint.range = range;
    parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&hint));
}

bool CGridCtrl::IsValid(const CCellRange& range) const {
    return range.GetMinRow() >= 0 && range.GetMinCol() >= 0 && range.GetMaxRow() >= 0 &&
           range.GetMaxCol() >= 0 && range.GetMaxRow() < m_nRows && range.GetMaxCol() < m_nCols &&
           range.GetMinRow() <= range.GetMaxRow() && range.GetMinCol() <= range.GetMaxCol();
}
