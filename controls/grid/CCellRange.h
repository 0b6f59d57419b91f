#pragma once
// A cell of the grid by row and column, and a rectangle of cells with inclusive
// bounds. (-1, -1) names no cell.

class CCellID {
public:
    int row = -1;
    int col = -1;

    CCellID(int nRow = -1, int nCol = -1) : row(nRow), col(nCol) {}
    bool IsValid() const { return row >= 0 && col >= 0; }
    bool operator==(const CCellID& o) const { return row == o.row && col == o.col; }
    bool operator!=(const CCellID& o) const { return !(*this == o); }
    // Orders cells row by row, for maps keyed on cells.
    bool operator<(const CCellID& o) const { return row < o.row || (row == o.row && col < o.col); }
};

class CCellRange {
public:
    CCellRange(int nMinRow = -1, int nMinCol = -1, int nMaxRow = -1, int nMaxCol = -1) {
        Set(nMinRow, nMinCol, nMaxRow, nMaxCol);
    }
    void Set(int nMinRow = -1, int nMinCol = -1, int nMaxRow = -1, int nMaxCol = -1) {
        m_nMinRow = nMinRow;
        m_nMinCol = nMinCol;
        m_nMaxRow = nMaxRow;
        m_nMaxCol = nMaxCol;
    }

    int GetMinRow() const { return m_nMinRow; }
    void SetMinRow(int v) { m_nMinRow = v; }
    int GetMinCol() const { return m_nMinCol; }
    void SetMinCol(int v) { m_nMinCol = v; }
    int GetMaxRow() const { return m_nMaxRow; }
    void SetMaxRow(int v) { m_nMaxRow = v; }
    int GetMaxCol() const { return m_nMaxCol; }
    void SetMaxCol(int v) { m_nMaxCol = v; }

    bool IsValid() const {
        return m_nMinRow >= 0 && m_nMinCol >= 0 && m_nMaxRow >= 0 && m_nMaxCol >= 0 &&
               m_nMinRow <= m_nMaxRow && m_nMinCol <= m_nMaxCol;
    }
    bool InRange(int row, int col) const {
        return row >= m_nMinRow && row <= m_nMaxRow && col >= m_nMinCol && col <= m_nMaxCol;
    }
    bool InRange(const CCellID& cell) const { return InRange(cell.row, cell.col); }
    CCellID GetTopLeft() const { return CCellID(m_nMinRow, m_nMinCol); }
    int GetRowSpan() const { return m_nMaxRow - m_nMinRow + 1; }
    int GetColSpan() const { return m_nMaxCol - m_nMinCol + 1; }
    int Count() const { return GetRowSpan() * GetColSpan(); }
    CCellRange Intersect(const CCellRange& o) const {
        return CCellRange(m_nMinRow > o.m_nMinRow ? m_nMinRow : o.m_nMinRow,
                          m_nMinCol > o.m_nMinCol ? m_nMinCol : o.m_nMinCol,
                          m_nMaxRow < o.m_nMaxRow ? m_nMaxRow : o.m_nMaxRow,
                          m_nMaxCol < o.m_nMaxCol ? m_nMaxCol : o.m_nMaxCol);
    }
    bool operator==(const CCellRange& o) const {
        return m_nMinRow == o.m_nMinRow && m_nMinCol == o.m_nMinCol && m_nMaxRow == o.m_nMaxRow &&
               m_nMaxCol == o.m_nMaxCol;
    }
    bool operator!=(const CCellRange& o) const { return !(*this == o); }

private:
    int m_nMinRow;
    int m_nMinCol;
    int m_nMaxRow;
    int m_nMaxCol;
};
