#pragma once
// The standard cell of the grid control, and the default cells that hold the
// settings of each kind of cell (normal, fixed row, fixed column, fixed corner).
#include "controls/grid/CGridCellBase.h"

#include <memory>

class CInPlaceEdit;

class CGridCell : public CGridCellBase {
    DECLARE_DYNCREATE(CGridCell)
public:
    CGridCell();
    ~CGridCell() override;

    void SetText(const char* szText) override { m_strText = szText ? szText : ""; }
    void SetImage(int nImage) override { m_nImage = nImage; }
    void SetData(LPARAM lParam) override { m_lParam = lParam; }
    void SetFormat(DWORD nFormat) override { m_nFormat = nFormat; }
    void SetTextClr(COLORREF clr) override { m_crFgClr = clr; }
    void SetBackClr(COLORREF clr) override { m_crBkClr = clr; }
    // A copy of the font, with a font object of its own; null goes back to the default font.
    void SetFont(const LOGFONT* plf) override;
    void SetMargin(UINT nMargin) override { m_nMargin = nMargin; }
    void SetGrid(CGridCtrl* pGrid) override { m_pGrid = pGrid; }
    void SetCoords(int, int) override {}

    const char* GetText() const override { return m_strText.c_str(); }
    int GetImage() const override { return m_nImage; }
    LPARAM GetData() const override { return m_lParam; }
    DWORD GetFormat() const override;
    COLORREF GetTextClr() const override { return m_crFgClr; }
    COLORREF GetBackClr() const override { return m_crBkClr; }
    const LOGFONT* GetFont() const override;
    CFont* GetFontObject() const override;
    CGridCtrl* GetGrid() const override { return m_pGrid; }
    CWnd* GetEditWnd() const override;
    UINT GetMargin() const override;
    bool IsDefaultFont() const override { return m_plfFont == nullptr; }
    bool IsEditing() const override { return m_bEditing; }

    void Reset() override;

    // Opens an in-place text editor over the cell; a cell already being edited gets the character.
    bool Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar) override;
    void EndEdit() override;
    void OnEndEdit() override;

protected:
    friend class CInPlaceEdit;
    // The editor's window went away on its own (its grid was destroyed).
    void EditorGone(CInPlaceEdit* pEdit);

    CString m_strText;
    LPARAM m_lParam = 0;
    int m_nImage = -1;
    DWORD m_nFormat = static_cast<DWORD>(-1);
    COLORREF m_crFgClr = CLR_DEFAULT;
    COLORREF m_crBkClr = CLR_DEFAULT;
    std::unique_ptr<LOGFONT> m_plfFont;
    std::unique_ptr<CFont> m_pFontObject;
    UINT m_nMargin = static_cast<UINT>(-1);
    CGridCtrl* m_pGrid = nullptr;
    bool m_bEditing = false;
    CInPlaceEdit* m_pEditWnd = nullptr; // deletes itself when its window goes
};

class CGridDefaultCell : public CGridCell {
    DECLARE_DYNCREATE(CGridDefaultCell)
public:
    CGridDefaultCell();
    ~CGridDefaultCell() override;

    // A default cell is read-only whatever its state, and keeps no state or data.
    DWORD GetState() const override { return m_nState | GVIS_READONLY; }
    void SetState(DWORD) override {}
    void SetData(LPARAM) override {}
    // Measures the font: the margin is a space, the size fits " XXXXXXXXXXXX ".
    void SetFont(const LOGFONT* plf) override;
    const LOGFONT* GetFont() const override;
    CFont* GetFontObject() const override;
    DWORD GetFormat() const override { return m_nFormat; }
    UINT GetMargin() const override { return m_nMargin; }

    virtual DWORD GetStyle() const { return m_dwStyle; }
    virtual void SetStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    virtual int GetWidth() const { return m_Size.cx; }
    virtual int GetHeight() const { return m_Size.cy; }
    virtual void SetWidth(int nWidth) { m_Size.cx = nWidth; }
    virtual void SetHeight(int nHeight) { m_Size.cy = nHeight; }

protected:
    CSize m_Size{30, 10};
    DWORD m_dwStyle = 0;
    std::unique_ptr<CFont> m_Font;
};

// The font of the application as a LOGFONT, its height in pixels.
LOGFONT GridApplicationFont();
