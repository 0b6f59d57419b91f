#pragma once
// Report tables. ADrawTable is a caption and a free set of positioned cells;
// ADrawSmartTable is the table of the report pages: a head row and rows of
// text cells, sized and arranged by itself, painted in one of four styles,
// optionally in two column blocks side by side, and split between pages at
// row boundaries with its caption and head repeated.
#include "controls/report/ATextRect.h"
#include "platform/core/COLORREF.h"

#include <vector>

// One border of a cell: style (0 none, 1 solid, 2 solid drawn inset, 3 dashed,
// 4 dotted), width and colour.
struct ATableBorder {
    int style = 0;
    int width = 1;
    COLORREF color = 0;
};

class ATableCell {
public:
    enum Side { sideLeft = 0, sideRight = 1, sideTop = 2, sideBottom = 3 };

    ATableCell() = default;
    ATableCell(const ATableCell&) = default;
    ATableCell& operator=(const ATableCell&) = default;
    virtual ~ATableCell();

    // A new cell of the same kind and contents, owned by the caller.
    virtual ATableCell* Clone() const = 0;
    virtual CSize GetCellSize() const { return CSize(m_width, m_height); }
    virtual CPoint GetPosition() const { return CPoint(m_x, m_y); }
    virtual CRect GetCellRect() const { return CRect(m_x, m_y, m_x + m_width, m_y + m_height); }
    // The size the contents need.
    virtual CSize GetContentSize(CDC* dc) = 0;
    virtual void Draw(CDC* dc, const CPoint& origin) const;

    int m_width = 0;
    int m_height = 0;
    int m_x = 0;
    int m_y = 0;
    int m_vAlign = 1;
    int m_hAlign = 1;
    COLORREF m_background = 1; // 1: no fill
    COLORREF m_color2 = 0;
    ATableBorder m_border[4];
};

class ATableStringCell : public ATableCell {
public:
    ATableStringCell() = default;
    explicit ATableStringCell(const CString& text) { m_text.Add(text); }

    ATableCell* Clone() const override;
    CSize GetContentSize(CDC* dc) override;
    void Draw(CDC* dc, const CPoint& origin) const override;

    ATextRect& GetText() { return m_text; }
    const ATextRect& GetText() const { return m_text; }
    // Lays the text out in the cell's width with the cell's justification.
    void LayoutText(CDC* dc);

private:
    ATextRect m_text;
};

class ADrawTable : public ADrawRect {
public:
    ADrawTable() = default;
    ADrawTable(const ADrawTable&) = delete;
    ADrawTable& operator=(const ADrawTable&) = delete;
    ~ADrawTable() override;

    ATextRect& GetCaption() { return m_caption; }
    // Replaces the caption's text and locks it.
    void SetCaption(const CString& text);

    CSize GetSize(CDC* dc) override;
    bool Draw(CDC* dc, CPoint p) const override;
    // The caption and every cell, relative to the table's origin.
    virtual CRect GetRect();
    // Takes the cell over.
    virtual void AddCell(ATableCell* cell);

    const std::vector<ATableCell*>& GetCells() const { return m_cells; }

protected:
    ATextRect m_caption;
    std::vector<ATableCell*> m_cells;
};

// The colours and borders of a table style.
struct ATableAttributes {
    COLORREF headColor2;
    COLORREF headBackground;
    bool alternateByRows;
    COLORREF oddColor2;
    COLORREF oddBackground;
    COLORREF evenColor2;
    COLORREF evenBackground;
    // Outer left, outer right, outer top, outer bottom, below the head, right
    // of the first column, between rows, between columns.
    ATableBorder borders[8];
};

class ADrawSmartTable : public ADrawTable {
public:
    enum Border {
        outerLeft,
        outerRight,
        outerTop,
        outerBottom,
        belowHead,
        rightOfFirst,
        betweenRows,
        betweenColumns
    };

    ADrawSmartTable();
    ~ADrawSmartTable() override;

    // A head cell with the text.
    void AddTopCell(const CString& text);
    // A text cell in the current row; a new row begins when the current one
    // already has as many cells as the head.
    void AddCell(const CString& text);
    void AddCell(ATableCell* cell) override;
    void SetColumnWidth(unsigned column, int width);
    // Row 0 is the head, row k the k-th data row; the height is taken downwards.
    void SetRowHeight(unsigned row, int height);
    void LockTopRow(bool on) { m_lockTopRow = on; }
    void SetAutoSize(int extraWidth, int extraHeight);
    void SetMultiColumn(int gap, int value, int width);
    void SetHeadFont(const CString& face, int size);
    void SetCellFont(const CString& face, int size);
    void SetAttributes(const CString& headFace, int headSize, const CString& cellFace, int cellSize,
                       int style, BYTE charSet);
    void SetStyle(int style) { m_style = style < 0 || style > 3 ? 3 : style; }
    void SetStyle(const CString& name);
    int GetStyle() const { return m_style; }
    void SetCharSet(BYTE charSet) { m_charSet = charSet; }

    void BeforeLayout(CDC* dc, APrintManager* composer) override;
    bool Draw(CDC* dc, CPoint p) const override;
    int AllowBreak(int height) override;
    bool BreakAt(int height, ADrawRect*& first, ADrawRect*& rest) override;

    const std::vector<ATableCell*>& GetHead() const { return m_head; }
    // The data rows that hold cells.
    std::vector<const std::vector<ATableCell*>*> GetRows() const;
    int GetBlockCount() const { return m_blocks; }
    int GetRowsPerBlock() const { return m_rowsPerBlock; }

    // The four styles: "Rows 1", "Columns 1", "Grid 1" and the plain one.
    static const ATableAttributes m_Attr[4];

private:
    ADrawSmartTable* emptyCopy() const;
    std::vector<std::vector<ATableCell*>*> dataRows();
    int captionHeight() const;
    int headHeight() const;
    static int rowHeight(const std::vector<ATableCell*>& row);
    void arrange();
    // The fonts of the head and of the data cells.
    void setFonts(int headSize, int cellSize);
    // The columns as wide as their widest text and the rows as high as their highest,
    // within the page's body.
    void autoSize(CDC* dc);

    std::vector<ATableCell*> m_head;
    std::vector<std::vector<ATableCell*>> m_rows;
    bool m_lockTopRow = false;
    bool m_arranged = false;
    int m_down = -1;
    bool m_autoSize = true;
    int m_extraWidth = 0;
    int m_extraHeight = 0;
    bool m_multiColumn = false;
    int m_gap = 0;
    int m_multiValue = 0;
    int m_width = 0;
    int m_blocks = 1;
    int m_rowsPerBlock = 0;
    int m_blockWidth = 0;
    int m_blockShift = 0;
    CString m_headFace;
    int m_headSize = 0;
    CString m_cellFace;
    int m_cellSize = 0;
    int m_style = 0;
    BYTE m_charSet = 255;
};
