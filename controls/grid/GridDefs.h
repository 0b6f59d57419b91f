#pragma once
// The grid control's numbers and records: cell state bits, the item record and
// its mask, the notification records its parent receives, and the colours and
// notification codes the grid takes from the platform's user interface.
#include "controls/grid/CCellRange.h"
#include "platform/core/COLORREF.h"
#include "platform/core/CString.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/ui/WinUi.h"

// Cell state bits.
constexpr UINT GVIS_FOCUSED = 0x0001;
constexpr UINT GVIS_SELECTED = 0x0002;
constexpr UINT GVIS_DROPHILITED = 0x0004;
constexpr UINT GVIS_READONLY = 0x0008;
constexpr UINT GVIS_FIXED = 0x0010;
constexpr UINT GVIS_FIXEDROW = 0x0020;
constexpr UINT GVIS_FIXEDCOL = 0x0040;
constexpr UINT GVIS_MODIFIED = 0x0080;

// Which fields of a GV_ITEM are meant.
constexpr UINT GVIF_TEXT = 0x0001;
constexpr UINT GVIF_IMAGE = 0x0002;
constexpr UINT GVIF_PARAM = 0x0004;
constexpr UINT GVIF_STATE = 0x0008;
constexpr UINT GVIF_BKCLR = 0x0010;
constexpr UINT GVIF_FGCLR = 0x0020;
constexpr UINT GVIF_FORMAT = 0x0040;
constexpr UINT GVIF_FONT = 0x0080;
constexpr UINT GVIF_MARGIN = 0x0100;

// Grid lines.
constexpr int GVL_NONE = 0;
constexpr int GVL_HORZ = 1;
constexpr int GVL_VERT = 2;
constexpr int GVL_BOTH = 3;

// Which rows AutoSize measures.
constexpr UINT GVS_DEFAULT = 0;
constexpr UINT GVS_HEADER = 1;
constexpr UINT GVS_DATA = 2;
constexpr UINT GVS_BOTH = 3;

// GetNextItem: the states a cell must show, and where to look.
constexpr int GVNI_FOCUSED = 0x0001;
constexpr int GVNI_SELECTED = 0x0002;
constexpr int GVNI_DROPHILITED = 0x0004;
constexpr int GVNI_READONLY = 0x0008;
constexpr int GVNI_FIXED = 0x0010;
constexpr int GVNI_MODIFIED = 0x0020;
constexpr int GVNI_ABOVE = 0x0100;
constexpr int GVNI_BELOW = 0x0200;
constexpr int GVNI_TOLEFT = 0x0400;
constexpr int GVNI_TORIGHT = 0x0800;
constexpr int GVNI_ALL = GVNI_BELOW | GVNI_TORIGHT | GVNI_TOLEFT;
constexpr int GVNI_AREA = GVNI_BELOW | GVNI_TORIGHT;

// What a drop would do.
constexpr DWORD DROPEFFECT_NONE = 0;
constexpr DWORD DROPEFFECT_COPY = 1;
constexpr DWORD DROPEFFECT_MOVE = 2;

// A colour that is not set: the default cell's applies.
constexpr COLORREF CLR_DEFAULT = 0xFF000000;

// The id every in-place editor window gets.
constexpr UINT IDC_INPLACE_CONTROL = 8;

// The character that opens an editor from the mouse or F2 (the caret goes to the end).
constexpr UINT VK_LBUTTON = 0x01;

// Tells the grid an in-place editor ended (the end-of-edit notification from the
// editor's window): the cell, the text and the key that ended it.
class CGridCtrl;
class CWnd;
void SendEndEditNotification(CWnd* pEditor, CGridCtrl* pGrid, int nRow, int nCol, const CString& text,
                             UINT nLastChar);

// Notification codes: those of the list view and the common controls.
constexpr UINT GVN_BEGINDRAG = LVN_BEGINDRAG;
constexpr UINT GVN_BEGINLABELEDIT = LVN_BEGINLABELEDIT;
constexpr UINT GVN_ENDLABELEDIT = LVN_ENDLABELEDIT;
constexpr UINT GVN_SELCHANGING = LVN_ITEMCHANGING;
constexpr UINT GVN_SELCHANGED = LVN_ITEMCHANGED;
constexpr UINT GVN_GETDISPINFO = static_cast<UINT>(-150); // the list view's LVN_GETDISPINFO
constexpr UINT GVN_ODCACHEHINT = static_cast<UINT>(-113); // the list view's LVN_ODCACHEHINT
constexpr UINT GVN_CLICK = NM_CLICK;
constexpr UINT GVN_DBLCLK = NM_DBLCLK;
constexpr UINT GVN_RCLICK = NM_RCLICK;

// One cell's fields as SetItem and GetItem exchange them.
struct GV_ITEM {
    int row = 0;
    int col = 0;
    UINT mask = 0;
    UINT nState = 0;
    UINT nFormat = 0;
    int iImage = -1;
    COLORREF crBkClr = CLR_DEFAULT;
    COLORREF crFgClr = CLR_DEFAULT;
    LPARAM lParam = 0;
    LOGFONT lfFont;
    UINT nMargin = 0;
    CString strText;
};

// What the grid tells its parent about a cell.
struct NM_GRIDVIEW {
    NMHDR hdr;
    int iRow = -1;
    int iColumn = -1;
};

// Asks the parent (or the callback) for a cell's fields in virtual mode.
struct GV_DISPINFO {
    NMHDR hdr;
    GV_ITEM item;
};

// The range of cells the grid is about to read in virtual mode.
struct GV_CACHEHINT {
    NMHDR hdr;
    CCellRange range;
};

// The callback of virtual mode: fills the record's item, with the user value.
using GRIDCALLBACK = bool (*)(GV_DISPINFO*, LPARAM);

// Colours of the user interface the grid draws with.
enum class GridSysColor {
    WindowText,
    Window,
    BtnFace,
    BtnShadow,
    BtnHighlight,
    DkShadow,
    Highlight,
    HighlightText,
    InfoBk,
    InfoText
};
// The colour as the application's palette gives it now.
COLORREF GetGridSysColor(GridSysColor which);

// A key (not a character) that opens an in-place editor: the end of an edit by
// Tab or a navigation key opens the next cell's editor with GV_EDITKEY | key,
// which selects the text and types nothing. Characters open it with their own
// code and replace the text, "%" and "(" as much as any letter.
constexpr UINT GV_EDITKEY = 0x80000000u;
