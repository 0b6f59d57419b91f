#pragma once
// The abstract cell of the grid control. It keeps only the state word; the
// cell classes keep the rest. The grid calls every operation through the
// virtual table, so a derived cell takes part in drawing, measuring, editing
// and printing.
#include "controls/grid/GridDefs.h"
#include "platform/core/CObject.h"
#include "platform/core/CRect.h"

class CDC;
class CFont;
class CGridCtrl;
class CGridDefaultCell;
class CWnd;

// The pictures a grid's cells show by index (the cell's image).
class CGridImageList {
public:
    virtual ~CGridImageList() = default;
    virtual CSize GetImageSize() const = 0;
    // Draws image nImage with its top-left corner at the point.
    virtual void Draw(CDC* pDC, int nImage, CPoint topLeft) = 0;
};

class CGridCellBase : public CObject {
    DECLARE_DYNAMIC(CGridCellBase)
public:
    CGridCellBase() = default;
    ~CGridCellBase() override = default;

    // Setters: all empty but SetState.
    virtual void SetText(const char*) {}
    virtual void SetImage(int) {}
    virtual void SetData(LPARAM) {}
    virtual void SetState(DWORD nState) { m_nState = nState; }
    virtual void SetFormat(DWORD) {}
    virtual void SetTextClr(COLORREF) {}
    virtual void SetBackClr(COLORREF) {}
    virtual void SetFont(const LOGFONT*) {}
    virtual void SetMargin(UINT) {}
    virtual void SetGrid(CGridCtrl*) {}
    virtual void SetCoords(int, int) {}

    // Getters: 0 or null unless a class keeps the value.
    virtual const char* GetText() const { return nullptr; }
    virtual const char* GetTipText() const { return GetText(); }
    virtual int GetImage() const { return -1; }
    virtual LPARAM GetData() const { return 0; }
    virtual DWORD GetState() const { return m_nState; }
    virtual DWORD GetFormat() const { return 0; }
    virtual COLORREF GetTextClr() const { return 0; }
    virtual COLORREF GetBackClr() const { return 0; }
    virtual const LOGFONT* GetFont() const { return nullptr; }
    // The font object to draw with; it stays valid while the cell keeps its font.
    virtual CFont* GetFontObject() const { return nullptr; }
    virtual CGridCtrl* GetGrid() const { return nullptr; }
    virtual CWnd* GetEditWnd() const { return nullptr; }
    virtual UINT GetMargin() const { return 0; }
    // The default cell of this cell's kind in its grid; null without a grid.
    virtual CGridDefaultCell* GetDefaultCell() const;
    virtual bool IsDefaultFont() const { return true; }

    // State tests.
    virtual bool IsEditing() const { return false; }
    virtual bool IsFocused() const { return (GetState() & GVIS_FOCUSED) != 0; }
    virtual bool IsFixed() const { return (GetState() & GVIS_FIXED) != 0; }
    virtual bool IsFixedCol() const { return (GetState() & GVIS_FIXEDCOL) != 0; }
    virtual bool IsFixedRow() const { return (GetState() & GVIS_FIXEDROW) != 0; }
    virtual bool IsSelected() const { return (GetState() & GVIS_SELECTED) != 0; }
    virtual bool IsReadOnly() const { return (GetState() & GVIS_READONLY) != 0; }
    virtual bool IsModified() const { return (GetState() & GVIS_MODIFIED) != 0; }
    virtual bool IsDropHighlighted() const { return (GetState() & GVIS_DROPHILITED) != 0; }

    // Copies another cell through the setters: grid, text, image, data, state,
    // format, colours, font (none for a default font), margin.
    virtual void operator=(const CGridCellBase& cell);
    virtual void Reset() { m_nState = 0; }

    // Drawing and extents.
    virtual bool Draw(CDC* pDC, int nRow, int nCol, CRect rect, bool bEraseBkgnd = true);
    virtual bool GetTextRect(LPRECT pRect);
    virtual bool GetTipTextRect(LPRECT pRect) { return GetTextRect(pRect); }
    virtual CSize GetTextExtent(const char* str, CDC* pDC = nullptr);
    virtual CSize GetCellExtent(CDC* pDC);

    // Editing and printing.
    virtual bool Edit(int, int, CRect, CPoint, UINT, UINT) { return false; }
    virtual bool ValidateEdit(const char*) { return true; }
    virtual void EndEdit() {}
    virtual bool PrintCell(CDC* pDC, int nRow, int nCol, CRect rect);
    virtual void OnEndEdit() {}

    // Hooks the grid calls on mouse events (points relative to the cell's origin).
    virtual void OnMouseEnter() {}
    virtual void OnMouseOver() {}
    virtual void OnMouseLeave() {}
    virtual void OnClick(CPoint) {}
    virtual void OnClickDown(CPoint) {}
    virtual void OnRClick(CPoint) {}
    virtual void OnDblClick(CPoint) {}
    // Sets the arrow cursor.
    virtual bool OnSetCursor();

    // Sends a notification to the grid's parent through the grid.
    LRESULT SendMessageToParent(int nRow, int nCol, int nMessage);

protected:
    DWORD m_nState = 0;

private:
    // The colours, font, margin and text of one drawing, shared by Draw and PrintCell.
    bool DrawContent(CDC* pDC, int nRow, int nCol, CRect rect, bool printing);
};
