#pragma once
// The grid control: a spreadsheet-like child window of fixed (heading) rows and
// columns and scrolling cells, with typed cells, in-place editing, sorting,
// selection, the clipboard and comma-separated text files. A derived grid
// overrides the virtual operations; the grid calls them through the virtual
// table on every path.
//
// The grid paints only in its paint event (Qt double-buffers). Redrawing a cell
// invalidates its rectangle. Notifications go to the parent as WM_NOTIFY with an
// NM_GRIDVIEW record (codes GVN_...), and a released left button also posts the
// parent WM_COMMAND with the grid's id.
#include "controls/grid/CGridCell.h"
#include "controls/grid/CGridDropTarget.h"
#include "platform/ui/CWnd.h"

#include <Qt>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

class CFont;
class CPrintInfo;
class CCmdUI;
class CTitleTip;
class QMimeData;
class QPixmap;
class QAbstractScrollArea;

class CGridCtrl : public CWnd {
    DECLARE_DYNCREATE(CGridCtrl)
public:
    // The window class a dialog template names for a grid.
    static constexpr const char* kWindowClass = "MFCGridCtrl";
    // The format that carries cells between grids whole, commas and line breaks included.
    static constexpr const char* kCellsMimeType = "application/x-strakon-grid-cells";

    CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    ~CGridCtrl() override;

    using CWnd::Create;
    BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyle = WS_CHILD | WS_VISIBLE);

    // --- Counts and sizes -----------------------------------------------------------------
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetFixedRowCount() const { return m_nFixedRows; }
    int GetFixedColumnCount() const { return m_nFixedCols; }
    bool SetRowCount(int nRows = 10);
    bool SetColumnCount(int nCols = 10);
    bool SetFixedRowCount(int nFixedRows = 1);
    bool SetFixedColumnCount(int nFixedCols = 1);

    int GetRowHeight(int nRow) const;
    int GetColumnWidth(int nCol) const;
    bool SetRowHeight(int row, int height);
    bool SetColumnWidth(int col, int width);
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    long GetVirtualHeight() const;
    long GetVirtualWidth() const;
    int GetDefCellHeight() const;
    int GetDefCellWidth() const;
    int GetDefCellMargin() const;
    void SetDefCellHeight(int height);
    void SetDefCellWidth(int width);
    void SetDefCellMargin(int margin);

    // --- Colours ------------------------------------------------------------------------------
    void SetTextColor(COLORREF clr);
    COLORREF GetTextColor() const;
    void SetTextBkColor(COLORREF clr);
    COLORREF GetTextBkColor() const;
    void SetFixedTextColor(COLORREF clr);
    COLORREF GetFixedTextColor() const;
    void SetFixedBkColor(COLORREF clr);
    COLORREF GetFixedBkColor() const;
    void SetGridLineColor(COLORREF clr) { m_crGridLineColour = clr; }
    void SetGridColor(COLORREF clr) { SetGridLineColor(clr); }
    COLORREF GetGridLineColor() const { return m_crGridLineColour; }
    COLORREF GetGridColor() const { return GetGridLineColor(); }
    void SetGridBkColor(COLORREF clr) { m_crGridBkColour = clr; }
    void SetBkColor(COLORREF clr) { SetGridBkColor(clr); }
    COLORREF GetGridBkColor() const { return m_crGridBkColour; }
    COLORREF GetBkColor() const { return GetGridBkColor(); }
    void SetTitleTipBackClr(COLORREF clr = CLR_DEFAULT) { m_crTTipBackClr = clr; }
    COLORREF GetTitleTipBackClr() const { return m_crTTipBackClr; }
    void SetTitleTipTextClr(COLORREF clr = CLR_DEFAULT) { m_crTTipTextClr = clr; }
    COLORREF GetTitleTipTextClr() const { return m_crTTipTextClr; }
    CGridDefaultCell* GetDefaultCell(bool bFixedRow, bool bFixedCol) const;
    // The pictures of the cells (not owned; null for none).
    void SetImageList(CGridImageList* pList) { m_pImageList = pList; }
    CGridImageList* GetImageList() const { return m_pImageList; }

    // --- Options ------------------------------------------------------------------------------
    void SetGridLines(int nWhichLines = GVL_BOTH);
    int GetGridLines() const { return m_nGridLines; }
    void SetEditable(bool bEditable = true) { m_bEditable = bEditable; }
    bool IsEditable() const { return m_bEditable; }
    void SetListMode(bool bEnableListMode = true);
    bool GetListMode() const { return m_bListMode; }
    void SetSingleRowSelection(bool b = true) { m_bSingleRowSelection = b; }
    bool GetSingleRowSelection() const { return m_bSingleRowSelection; }
    void SetSingleColSelection(bool b = true) { m_bSingleColSelection = b; }
    bool GetSingleColSelection() const { return m_bSingleColSelection; }
    void EnableSelection(bool bEnable = true);
    bool IsSelectable() const { return m_bEnableSelection; }
    void SetFixedRowSelection(bool b) { m_bFixedRowSelection = b; }
    bool GetFixedRowSelection() const { return m_bFixedRowSelection; }
    void SetFixedColumnSelection(bool b) { m_bFixedColumnSelection = b; }
    bool GetFixedColumnSelection() const { return m_bFixedColumnSelection; }
    void SetRowResize(bool b = true) { m_bAllowRowResize = b; }
    bool GetRowResize() const { return m_bAllowRowResize; }
    void SetColumnResize(bool b = true) { m_bAllowColumnResize = b; }
    bool GetColumnResize() const { return m_bAllowColumnResize; }
    void SetHeaderSort(bool b = true) { m_bSortOnClick = b; }
    bool GetHeaderSort() const { return m_bSortOnClick; }
    void SetHandleTabKey(bool b = true) { m_bHandleTabKey = b; }
    bool GetHandleTabKey() const { return m_bHandleTabKey; }
    void SetDoubleBuffering(bool b = true) { m_bDoubleBuffer = b; }
    bool GetDoubleBuffering() const { return m_bDoubleBuffer; }
    void EnableTitleTips(bool b = true) { m_bTitleTips = b; }
    bool GetTitleTips() const { return m_bTitleTips; }
    void SetSortAscending(bool b) { m_bAscending = b; }
    bool GetSortAscending() const { return m_bAscending; }
    void SetSortColumn(int nCol);
    int GetSortColumn() const { return m_nSortColumn; }
    void SetAutoSizeStyle(int nStyle = GVS_BOTH) { m_nAutoSizeColumnStyle = nStyle; }
    int GetAutoSizeStyle() const { return m_nAutoSizeColumnStyle; }
    void SetTrackFocusCell(bool b) { m_bTrackFocusCell = b; }
    bool GetTrackFocusCell() const { return m_bTrackFocusCell; }
    void SetFrameFocusCell(bool b) { m_bFrameFocus = b; }
    bool GetFrameFocusCell() const { return m_bFrameFocus; }
    void EnableColumnHide(bool b = true) { m_bAllowColHide = b; }
    bool GetColumnHide() const { return m_bAllowColHide; }
    void EnableRowHide(bool b = true) { m_bAllowRowHide = b; }
    bool GetRowHide() const { return m_bAllowRowHide; }
    void EnableHiddenColUnhide(bool b = true) { m_bHiddenColUnhide = b; }
    bool GetHiddenColUnhide() const { return m_bHiddenColUnhide; }
    void EnableHiddenRowUnhide(bool b = true) { m_bHiddenRowUnhide = b; }
    bool GetHiddenRowUnhide() const { return m_bHiddenRowUnhide; }
    void EnableWysiwygPrinting(bool b = true) { m_bWysiwygPrinting = b; }
    bool GetWysiwygPrinting() const { return m_bWysiwygPrinting; }
    void SetShadedPrintOut(bool b = true) { m_bShadedPrintOut = b; }
    bool GetShadedPrintOut() const { return m_bShadedPrintOut; }
    // The grid then takes drops of cell text and starts drags of its selection.
    void EnableDragAndDrop(bool b = true);
    bool GetDragAndDrop() const { return m_bAllowDragAndDrop; }
    void SetRedraw(bool bAllowDraw, bool bResetScrollBars = false);
    bool GetRedraw() const { return m_bAllowDraw; }
    // Lines a wheel notch scrolls; -1 scrolls a page.
    void SetWheelScrollLines(int nLines) { m_nRowsPerWheelNotch = nLines; }
    int GetWheelScrollLines() const { return m_nRowsPerWheelNotch; }

    // --- Cells and items ----------------------------------------------------------------------
    CGridCellBase* GetCell(int nRow, int nCol) const;
    bool SetItem(const GV_ITEM* pItem);
    bool GetItem(GV_ITEM* pItem) const;
    bool SetItemText(int nRow, int nCol, const char* str);
    CString GetItemText(int nRow, int nCol) const;
    bool SetItemTextFmt(int nRow, int nCol, const char* szFmt, ...);
    // The format is a string of the string table.
    bool SetItemTextFmtID(int nRow, int nCol, UINT nID, ...);
    bool SetItemData(int nRow, int nCol, LPARAM lParam);
    LPARAM GetItemData(int nRow, int nCol) const;
    bool SetItemImage(int nRow, int nCol, int iImage);
    int GetItemImage(int nRow, int nCol) const;
    bool SetItemState(int nRow, int nCol, UINT state);
    UINT GetItemState(int nRow, int nCol) const;
    bool SetItemFormat(int nRow, int nCol, UINT nFormat);
    UINT GetItemFormat(int nRow, int nCol) const;
    bool SetItemBkColour(int nRow, int nCol, COLORREF cr = CLR_DEFAULT);
    COLORREF GetItemBkColour(int nRow, int nCol) const;
    bool SetItemFgColour(int nRow, int nCol, COLORREF cr = CLR_DEFAULT);
    COLORREF GetItemFgColour(int nRow, int nCol) const;
    bool SetItemFont(int nRow, int nCol, const LOGFONT* lf);
    const LOGFONT* GetItemFont(int nRow, int nCol) const;
    bool IsItemEditing(int nRow, int nCol) const;

    // Replaces a cell by one of the class, copying the old one into it.
    bool SetCellType(int nRow, int nCol, const CRuntimeClass* pRuntimeClass);
    bool SetDefaultCellType(const CRuntimeClass* pRuntimeClass);

    // --- Rows and columns ---------------------------------------------------------------------
    int InsertColumn(const char* strHeading, UINT nFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                     int nColumn = -1);
    int InsertRow(const char* strHeading, int nRow = -1);
    bool DeleteColumn(int nColumn);
    bool DeleteRow(int nRow);
    bool DeleteNonFixedRows();
    bool DeleteAllItems();

    // --- Sorting ------------------------------------------------------------------------------
    using PFNLVCOMPARE = int (*)(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    bool SortTextItems(int nCol, bool bAscending, LPARAM data = 0);
    bool SortItems(int nCol, bool bAscending, LPARAM data = 0);
    bool SortItems(PFNLVCOMPARE pfnCompare, int nCol, bool bAscending, LPARAM data = 0);
    void SetCompareFunction(PFNLVCOMPARE pfnCompare) { m_pfnCompare = pfnCompare; }
    // The arguments are the two cells (CGridCellBase*).
    static int pfnCellTextCompare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    static int pfnCellRezavudCompare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    // --- Modified flags, virtual mode ---------------------------------------------------------
    void SetModified(bool bModified = true, int nRow = -1, int nCol = -1);
    bool GetModified(int nRow = -1, int nCol = -1) const;
    void SetVirtualMode(bool bVirtual);
    bool GetVirtualMode() const { return m_bVirtualMode; }
    void SetCallbackFunc(GRIDCALLBACK pCallback, LPARAM lParam) {
        m_pfnCallback = pCallback;
        m_lParam = lParam;
    }
    GRIDCALLBACK GetCallbackFunc() const { return m_pfnCallback; }

    // --- Geometry -----------------------------------------------------------------------------
    bool GetCellOrigin(int nRow, int nCol, LPPOINT p);
    bool GetCellOrigin(const CCellID& cell, LPPOINT p) { return GetCellOrigin(cell.row, cell.col, p); }
    bool GetCellRect(int nRow, int nCol, LPRECT pRect);
    bool GetCellRect(const CCellID& cell, LPRECT pRect) { return GetCellRect(cell.row, cell.col, pRect); }
    bool GetCellRangeRect(const CCellRange& cellRange, LPRECT lpRect);
    bool GetTextRect(int nRow, int nCol, LPRECT pRect);
    CCellID GetCellFromPt(CPoint point, bool bAllowFixedCellCheck = true);
    CCellID GetTopleftNonFixedCell(bool bForceRecalculation = false);
    CCellRange GetVisibleNonFixedCellRange(LPRECT pRect = nullptr, bool bForceRecalculation = false);
    CCellRange GetUnobstructedNonFixedCellRange(bool bForceRecalculation = false);
    bool IsCellVisible(int nRow, int nCol);
    bool IsCellVisible(const CCellID& cell) { return IsCellVisible(cell.row, cell.col); }
    void EnsureVisible(int nRow, int nCol);
    void EnsureVisible(const CCellID& cell) { EnsureVisible(cell.row, cell.col); }
    bool InvalidateCellRect(int row, int col);
    bool InvalidateCellRect(const CCellID& cell) { return InvalidateCellRect(cell.row, cell.col); }
    bool InvalidateCellRect(const CCellRange& cellRange);
    void Refresh();
    bool RedrawCell(int nRow, int nCol, CDC* pDC = nullptr);
    bool RedrawCell(const CCellID& cell, CDC* pDC = nullptr) { return RedrawCell(cell.row, cell.col, pDC); }
    bool RedrawRow(int row);
    bool RedrawColumn(int col);

    CSize GetTextExtent(int nRow, int nCol, const char* str);
    CSize GetCellTextExtent(int nRow, int nCol);

    bool AutoSizeColumn(int nCol, UINT nAutoSizeStyle = GVS_DEFAULT, bool bResetScroll = true);
    bool AutoSizeRow(int nRow, bool bResetScroll = true);
    void AutoSizeColumns(UINT nAutoSizeStyle = GVS_DEFAULT);
    void AutoSizeRows();
    void AutoSize(UINT nAutoSizeStyle = GVS_DEFAULT);
    void ExpandColumnsToFit(bool bExpandFixed = true);
    void ExpandLastColumn();
    void ExpandRowsToFit(bool bExpandFixed = true);
    void ExpandToFit(bool bExpandFixed = true);
    void AutoFill();

    // --- Scroll bars --------------------------------------------------------------------------
    void ResetScrollBars();
    void EnableScrollBars(int nBar, bool bEnable = true);
    int GetScrollPos32(int nBar, bool bGetTrackPos = false);
    bool SetScrollPos32(int nBar, int nPos, bool bRedraw = true);
    bool IsVisibleVScroll() const { return (m_nBarState & 2) != 0; }
    bool IsVisibleHScroll() const { return (m_nBarState & 1) != 0; }

    // --- Focus and selection ------------------------------------------------------------------
    CCellID SetFocusCell(CCellID cell);
    CCellID SetFocusCell(int nRow, int nCol) { return SetFocusCell(CCellID(nRow, nCol)); }
    CCellID GetFocusCell() const { return m_idCurrentCell; }
    void SetSelectedRange(const CCellRange& Range, bool bForceRepaint = false, bool bSelectCells = true);
    void SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, bool bForceRepaint = false,
                          bool bSelectCells = true);
    CCellRange GetSelectedCellRange() const;
    int GetSelectedCount() const { return static_cast<int>(m_SelectedCellMap.size()); }
    CCellRange GetCellRange() const { return CCellRange(0, 0, GetRowCount() - 1, GetColumnCount() - 1); }
    bool IsCellSelected(int nRow, int nCol) const;
    bool IsCellSelected(const CCellID& cell) const { return IsCellSelected(cell.row, cell.col); }
    bool IsCellEditable(int nRow, int nCol) const;
    bool IsCellEditable(const CCellID& cell) const { return IsCellEditable(cell.row, cell.col); }
    bool IsCellFixed(int nRow, int nCol) const {
        return nRow < GetFixedRowCount() || nCol < GetFixedColumnCount();
    }
    void SelectAllCells();
    void SelectColumns(CCellID currentCell, bool bForceRedraw = false, bool bSelectCells = true);
    void SelectRows(CCellID currentCell, bool bForceRedraw = false, bool bSelectCells = true);
    void SelectCells(CCellID currentCell, bool bForceRedraw = false, bool bSelectCells = true);
    void OnSelecting(const CCellID& currentCell);
    void ResetSelectedRange();
    CCellID GetNextItem(CCellID& cell, int nFlags) const;

    // --- Editing ------------------------------------------------------------------------------
    bool ValidateAndModifyCellContents(int nRow, int nCol, const char* strText);
    void ClearCells(CCellRange Selection);
    // The editor ended: store the text and move on with the key that ended it.
    void OnEndInPlaceEdit(int nRow, int nCol, const CString& text, UINT nLastChar);

    // --- Clipboard and files ------------------------------------------------------------------
    // The selection as data for the clipboard or a drag (the caller owns it); null when nothing is selected.
    virtual QMimeData* CopyTextFromGrid();
    virtual bool PasteTextToGrid(CCellID cell, const QMimeData* pDataObject);
    virtual void CutSelectedText();
    virtual void OnEditCut();
    virtual void OnEditCopy();
    virtual void OnEditPaste();
    virtual void OnEditSelectAll();
    // The commands' update handlers (ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_SELECT_ALL).
    void OnUpdateEditCut(CCmdUI* pCmdUI);
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    bool CanEditCut() const;
    bool CanEditCopy() const;
    bool CanEditPaste() const;
    bool CanEditSelectAll() const { return IsSelectable(); }
    // Writes the cells as comma-separated lines (UTF-8, atomically).
    bool Save(const char* filename);
    // Reads such a file into the grid; on failure the grid stays as it was.
    bool Load(const char* filename);

    // --- Drag and drop ------------------------------------------------------------------------
    // Starts dragging the selection; a move clears the cells it carried that the drop did not write.
    void OnBeginDrag();
    // The drop side; the answers are DROPEFFECT_ values. Key state: MK_CONTROL copies.
    DWORD OnDragEnter(const QMimeData* pDataObject, DWORD dwKeyState, CPoint point);
    DWORD OnDragOver(const QMimeData* pDataObject, DWORD dwKeyState, CPoint point);
    void OnDragLeave();
    bool OnDrop(const QMimeData* pDataObject, DWORD dropEffect, CPoint point);
    // The picture a drag shows: the focus cell as drawn; the hotspot gets the
    // cell's width and height. A null picture when there is no focus cell on view.
    virtual QPixmap CreateDragImage(CPoint* pHotSpot);
    // Runs the drag loop for OnBeginDrag in place of QDrag (tests drop without a mouse); empty restores
    // QDrag.
    using DragRunner = std::function<Qt::DropAction(QMimeData* data, CGridCtrl* source)>;
    static void SetDragRunner(DragRunner runner);

    // --- Printing -----------------------------------------------------------------------------
    // Asks for the printer and prints every page.
    void Print();
    // Heights in printer character heights, margins in character widths; negative values stay.
    void SetPrintMarginInfo(int nHeaderHeight, int nFooterHeight, int nLeftMargin, int nRightMargin,
                            int nTopMargin, int nBottomMargin, int nGap);
    void GetPrintMarginInfo(int& nHeaderHeight, int& nFooterHeight, int& nLeftMargin, int& nRightMargin,
                            int& nTopMargin, int& nBottomMargin, int& nGap) const;
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual bool PrintFixedRowCells(int nStartColumn, int nStopColumn, int& row, CRect& rect, CDC* pDC,
                                    bool& bFirst);
    virtual void PrintColumnHeadings(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintHeader(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintFooter(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintRowButtons(CDC* pDC, CPrintInfo* pInfo);

    // --- Overridables -------------------------------------------------------------------------
    virtual void OnFixedColumnClick(CCellID& cell);
    virtual void OnFixedRowClick(CCellID& cell);
    virtual void OnEditCell(int nRow, int nCol, CPoint point, UINT nChar);
    virtual void OnEndEditCell(int nRow, int nCol, CString str);
    virtual bool ValidateEdit(int nRow, int nCol, const char* str);
    virtual void EndEditing();
    virtual void OnDraw(CDC* pDC);
    virtual CGridCellBase* CreateCell(int nRow, int nCol);
    virtual void DestroyCell(int nRow, int nCol);

    // Sends WM_NOTIFY with an NM_GRIDVIEW record to the parent; returns its answer.
    LRESULT SendMessageToParent(int nRow, int nCol, int nMessage) const;

    // --- Message handlers ---------------------------------------------------------------------
    void OnPaint() override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnRButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Arrows and characters, and Tab while the grid handles it and Ctrl is not held.
    UINT OnGetDlgCode() override;
    void OnCaptureChanged(CWnd* pWnd) override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;
    // The palette changed: colours that followed the old one follow the new one.
    void OnSysColorChange();

    // Mouse modes.
    enum eMouseModes {
        MOUSE_NOTHING,
        MOUSE_SELECT_ALL,
        MOUSE_SELECT_COL,
        MOUSE_SELECT_ROW,
        MOUSE_SELECT_CELLS,
        MOUSE_SCROLLING_CELLS,
        MOUSE_OVER_ROW_DIVIDE,
        MOUSE_SIZING_ROW,
        MOUSE_OVER_COL_DIVIDE,
        MOUSE_SIZING_COL,
        MOUSE_PREPARE_EDIT,
        MOUSE_PREPARE_DRAG,
        MOUSE_DRAGGING
    };
    int GetMouseMode() const { return m_MouseMode; }
    // The tip that shows a narrow cell's whole text; null before its first use.
    CTitleTip* GetTitleTip() const { return m_pTitleTip.get(); }

    QWidget* GetClientWidget() const override;

protected:
    DECLARE_MESSAGE_MAP()
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    void OnWidgetAttached() override;
    bool FilterEvent(QObject* watched, QEvent* event) override;
    bool SetCell(int nRow, int nCol, CGridCellBase* pCell);
    // Deselects every cell and keeps the focus cell.
    void ClearSelection();
    // Remembers Ctrl and Shift of a key event; Shift+Tab becomes Tab with Shift.
    bool FilterKeyModifiers(QEvent* event);
    bool FilterDragEvent(QObject* watched, QEvent* event);
    // The Tab key at the end of the grid passes the focus on to the next control.
    void PassFocusOn(bool bForward);
    void HideTitleTip();
    // One step of a scroll bar (SB_VERT or SB_HORZ) by an SB_ request.
    void ScrollBy(int nBar, UINT nSBCode);
    void SendCacheHintToParent(const CCellRange& range) const;
    CGridCellBase* GetVirtualCell(int nRow, int nCol) const;
    void EraseBkgnd(CDC* pDC);
    bool SortItemsRange(PFNLVCOMPARE pfnCompare, int nCol, bool bAscending, LPARAM data, int low, int high);
    bool IsValid(int nRow, int nCol) const {
        return nRow >= 0 && nRow < m_nRows && nCol >= 0 && nCol < m_nCols;
    }
    bool IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
    bool IsValid(const CCellRange& range) const;
    CPoint GetPointClicked(int nRow, int nCol, const CPoint& point);
    CCellID GetCellFromPtAndMode(CPoint point);
    void ResetResizeLine();
    QAbstractScrollArea* GetScrollArea() const;
    void ReadSystemColours();

    // Splits cell text into lines and fields: tabs and commas (other programs'
    // text), or the grid's own quoted format.
    static std::vector<std::vector<CString>> SplitPastedText(const std::string& text);

    int m_nRows = 0, m_nFixedRows = 0, m_nCols = 0, m_nFixedCols = 0;
    std::vector<UINT> m_arRowHeights;
    std::vector<UINT> m_arColWidths;
    // The cells by row; the grid owns them.
    std::vector<std::vector<CGridCellBase*>> m_RowData;

    CGridDefaultCell m_cellDefault, m_cellFixedColDef, m_cellFixedRowDef, m_cellFixedRowColDef;
    const CRuntimeClass* m_pRtcDefault = nullptr;
    CGridImageList* m_pImageList = nullptr;

    COLORREF m_crWindowText = 0, m_crWindowColour = 0, m_cr3DFace = 0, m_crShadow = 0;
    COLORREF m_crGridLineColour = RGB(192, 192, 192);
    COLORREF m_crGridBkColour = 0;
    COLORREF m_crTTipBackClr = CLR_DEFAULT, m_crTTipTextClr = CLR_DEFAULT;

    CCellID m_idCurrentCell, m_SelectionStartCell, m_LeftClickDownCell;
    // Selected cells by (row, column): rows beyond 65535 and any column keep apart.
    std::map<CCellID, CCellID> m_SelectedCellMap;
    std::map<CCellID, CCellID> m_PrevSelectedCellMap;
    CCellID m_idTopLeftCell;

    int m_nGridLines = GVL_BOTH;
    bool m_bEditable = true, m_bListMode = false, m_bSingleRowSelection = false,
         m_bSingleColSelection = false, m_bEnableSelection = true, m_bFixedRowSelection = true,
         m_bFixedColumnSelection = true, m_bAllowRowResize = true, m_bAllowColumnResize = true,
         m_bSortOnClick = false, m_bHandleTabKey = true, m_bDoubleBuffer = true, m_bTitleTips = true,
         m_bAscending = true, m_bTrackFocusCell = true, m_bFrameFocus = true, m_bAllowColHide = true,
         m_bAllowRowHide = true, m_bHiddenColUnhide = true, m_bHiddenRowUnhide = true,
         m_bWysiwygPrinting = false, m_bShadedPrintOut = true, m_bAllowDragAndDrop = false,
         m_bAllowDraw = true;
    int m_nSortColumn = -1;
    int m_nAutoSizeColumnStyle = GVS_BOTH;
    int m_nResizeCaptureRange = 3;
    PFNLVCOMPARE m_pfnCompare = nullptr;

    bool m_bVirtualMode = false;
    GRIDCALLBACK m_pfnCallback = nullptr;
    LPARAM m_lParam = 0;
    mutable std::unique_ptr<CGridCell> m_pVirtualCell;

    bool m_bModified = false;
    int m_nRowsPerWheelNotch = 3;
    int m_nWheelRemainder = 0;

    // Input state.
    int m_MouseMode = MOUSE_NOTHING;
    bool m_bLMouseButtonDown = false;
    CPoint m_LeftClickDownPoint, m_LastMousePoint;
    UINT_PTR m_nTimerID = 0;
    // The line that shows where a row or column border goes while it is dragged (-1: none).
    int m_nResizeLineX = -1, m_nResizeLineY = -1;
    int m_nBarState = 0; // bit 0 horizontal, bit 1 vertical bar shown
    bool m_bInEndEdit = false;
    bool m_bCtrlDown = false, m_bShiftDown = false;
    // Drag and drop: the cell under a drag, and the cells the last paste or drop wrote.
    CCellID m_LastDragOverCell;
    std::set<CCellID> m_PastedCells;
    bool m_bDropOnSelf = false;
    std::unique_ptr<CTitleTip> m_pTitleTip;
    CGridDropTarget m_DropTarget;

    // Printing: the settings, and the state kept between the printing calls.
    // Breaks the rows (or columns) into pages of the room; returns the page count,
    // or with pFirst the page count up to page block, whose first index goes to pFirst.
    int WalkPages(bool rows, int room, int block, int* pFirst) const;
    int m_nHeaderHeight = 2, m_nFooterHeight = 2, m_nLeftMargin = 4, m_nRightMargin = 4, m_nTopMargin = 1,
        m_nBottomMargin = 1, m_nGap = 1;
    std::unique_ptr<CFont> m_PrinterFont;
    CSize m_CharSize, m_PaperSize, m_LogicalPageSize;
    int m_nPageHeight = 0, m_nPageWidth = 0, m_nPagesDown = 1, m_nPagesAcross = 1;
    int m_nCurrPrintRow = 0, m_nPrintColumn = 0;
    CRect m_rectFooter;
};
