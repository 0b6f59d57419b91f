#include "controls/report/ADrawTable.h"

#include "controls/report/APaper.h"
#include "controls/report/APrintManager.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CGdiObject.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr ATableBorder none{0, 1, 0};
constexpr ATableBorder solid2{1, 2, 0};
constexpr ATableBorder solid3{1, 3, 0};
constexpr ATableBorder dotted1{4, 1, 0};

int penStyle(int borderStyle) {
    switch (borderStyle) {
    case 3:
        return PS_DASH;
    case 4:
        return PS_DOT;
    default:
        return PS_SOLID;
    }
}

void deleteCells(std::vector<ATableCell*>& cells) {
    for (ATableCell* c : cells)
        delete c;
    cells.clear();
}

} // namespace

const ATableAttributes ADrawSmartTable::m_Attr[4] = {
    // "Rows 1"
    {0,
     0xC8C8C8,
     true,
     0,
     0xEDEDED,
     0,
     0xFFFFFF,
     {solid3, solid3, solid3, solid3, solid2, solid2, dotted1, dotted1}},
    // "Columns 1"
    {0,
     0xEDEDED,
     false,
     0,
     0xFFFFFF,
     0,
     0xFFFFFF,
     {solid3, solid3, solid3, solid3, solid2, solid2, none, solid2}},
    // "Grid 1"
    {0,
     0xFFFFFF,
     false,
     0,
     0xFFFFFF,
     0,
     0xFFFFFF,
     {solid3, solid3, solid3, solid3, solid2, solid2, solid2, solid2}},
    // the plain style
    {0, 0xFFFFFF, true, 0, 0xFFFFFF, 0, 0xEDEDED, {none, none, solid2, solid2, solid3, solid3, none, none}},
};

// ---------------------------------------------------------------------------
// Cells

ATableCell::~ATableCell() = default;

void ATableCell::Draw(CDC* dc, const CPoint& o) const {
    int left = o.x + m_x, right = o.x + m_x + m_width;
    int top = o.y + m_y, bottom = o.y + m_y + m_height;
    const int down = m_height < 0 ? -1 : 1; // the direction from top to bottom
    if (m_background != 1) {
        // One unit more to the right and downwards, so that neighbours meet.
        CRect fill(left, top, right + 1, bottom + down);
        dc->FillSolidRect(&fill, m_background);
    }
    // Inset borders move their edge inwards by one and a half widths.
    auto inset = [&](int side) {
        return m_border[side].style == 2 ? static_cast<int>(1.5 * m_border[side].width) : 0;
    };
    left += inset(sideLeft);
    right -= inset(sideRight);
    top += down * inset(sideTop);
    bottom -= down * inset(sideBottom);
    const CPoint ends[4][2] = {{{left, top}, {left, bottom}},
                               {{right, top}, {right, bottom}},
                               {{left, top}, {right, top}},
                               {{left, bottom}, {right, bottom}}};
    for (int side = 0; side < 4; ++side) {
        const ATableBorder& b = m_border[side];
        if (b.style == 0) continue;
        CPen pen(penStyle(b.style), b.width, b.color);
        CPen* old = dc->SelectObject(&pen);
        dc->MoveTo(ends[side][0]);
        dc->LineTo(ends[side][1]);
        dc->SelectObject(old);
    }
}

ATableCell* ATableStringCell::Clone() const {
    auto* c = new ATableStringCell;
    static_cast<ATableCell&>(*c) = *this;
    // The same text with its settings and, while they hold, its laid-out lines,
    // so that the pieces of a split table need not measure their cells again.
    c->m_text = m_text;
    return c;
}

CSize ATableStringCell::GetContentSize(CDC* dc) {
    return m_text.GetSize(dc);
}

void ATableStringCell::LayoutText(CDC* dc) {
    m_text.SetAvailableWidth(m_width);
    m_text.SetJustify(m_hAlign == 0 ? ATextRect::left
                                    : (m_hAlign == 1 ? ATextRect::center : ATextRect::right));
    m_text.CalcLineBreaks(dc);
}

void ATableStringCell::Draw(CDC* dc, const CPoint& o) const {
    ATableCell::Draw(dc, o);
    if (!m_text.AreLineBreaksValid() || m_text.GetAvailableWidth() != m_width)
        const_cast<ATableStringCell*>(this)->LayoutText(dc);
    const int textHeight = m_text.GetLines().empty() ? 0 : m_text.GetLines().back().baseline;
    const int freeHeight = std::abs(m_height) - textHeight;
    const int below = m_vAlign == 0 ? 0 : (m_vAlign == 1 ? freeHeight / 2 : freeHeight);
    const int down = m_height < 0 ? -1 : 1;
    m_text.Draw(dc, CPoint(o.x + m_x, o.y + m_y + down * below));
}

// ---------------------------------------------------------------------------
// ADrawTable

ADrawTable::~ADrawTable() {
    deleteCells(m_cells);
}

void ADrawTable::SetCaption(const CString& text) {
    m_caption.Clear();
    m_caption.Add(text);
    m_caption.Lock(true);
}

CRect ADrawTable::GetRect() {
    CRect r(0, 0, 0, 0);
    if (!m_caption.IsEmpty() && m_caption.AreLineBreaksValid()) {
        const int h = m_caption.GetLines().back().baseline;
        int w = 0;
        for (const auto& l : m_caption.GetLines())
            w = std::max(w, m_caption.GetAvailableWidth() - l.freeWidth);
        r = CRect(0, -h, w, 0);
    }
    for (const ATableCell* c : m_cells) {
        CRect cr = c->GetCellRect();
        cr.NormalizeRect();
        if (r.IsRectEmpty())
            r = cr;
        else
            r.UnionRect(r, cr);
    }
    return r;
}

CSize ADrawTable::GetSize(CDC*) {
    const CRect r = GetRect();
    // Downwards on the page.
    return CSize(r.Width(), -std::abs(r.Height()));
}

bool ADrawTable::Draw(CDC* dc, CPoint p) const {
    if (!m_caption.IsEmpty()) m_caption.Draw(dc, p);
    for (const ATableCell* c : m_cells)
        c->Draw(dc, p);
    return true;
}

void ADrawTable::AddCell(ATableCell* cell) {
    if (cell) m_cells.push_back(cell);
}

// ---------------------------------------------------------------------------
// ADrawSmartTable

ADrawSmartTable::ADrawSmartTable() {
    m_rows.emplace_back();
}

ADrawSmartTable::~ADrawSmartTable() = default;

void ADrawSmartTable::AddTopCell(const CString& text) {
    auto* c = new ATableStringCell(text);
    m_head.push_back(c);
    ADrawTable::AddCell(c);
    m_arranged = false;
}

void ADrawSmartTable::AddCell(const CString& text) {
    AddCell(new ATableStringCell(text));
}

void ADrawSmartTable::AddCell(ATableCell* cell) {
    if (!cell) return;
    if (!m_rows.back().empty() && m_rows.back().size() >= m_head.size()) m_rows.emplace_back();
    m_rows.back().push_back(cell);
    ADrawTable::AddCell(cell);
    m_arranged = false;
}

void ADrawSmartTable::SetColumnWidth(unsigned column, int width) {
    if (column < m_head.size()) m_head[column]->m_width = width;
    for (auto& row : m_rows)
        if (column < row.size()) row[column]->m_width = width;
}

void ADrawSmartTable::SetRowHeight(unsigned row, int height) {
    std::vector<ATableCell*>* cells = nullptr;
    if (row == 0) {
        cells = &m_head;
    } else {
        auto data = dataRows();
        if (row - 1 < data.size()) cells = data[row - 1];
    }
    if (!cells) return;
    for (ATableCell* c : *cells)
        c->m_height = height * m_down;
}

void ADrawSmartTable::SetAutoSize(int extraWidth, int extraHeight) {
    m_extraWidth = extraWidth;
    m_extraHeight = extraHeight;
    m_autoSize = true;
}

void ADrawSmartTable::SetMultiColumn(int gap, int value, int width) {
    m_multiColumn = true;
    m_gap = gap;
    m_multiValue = value;
    m_width = width;
}

void ADrawSmartTable::SetHeadFont(const CString& face, int size) {
    m_headFace = face;
    m_headSize = size;
}

void ADrawSmartTable::SetCellFont(const CString& face, int size) {
    m_cellFace = face;
    m_cellSize = size;
}

void ADrawSmartTable::SetAttributes(const CString& headFace, int headSize, const CString& cellFace,
                                    int cellSize, int style, BYTE charSet) {
    SetHeadFont(headFace, headSize);
    SetCellFont(cellFace, cellSize);
    SetStyle(style);
    m_charSet = charSet;
}

void ADrawSmartTable::SetStyle(const CString& name) {
    if (name == "Rows 1")
        m_style = 0;
    else if (name == "Columns 1")
        m_style = 1;
    else if (name == "Grid 1")
        m_style = 2;
    else
        m_style = 3;
}

std::vector<std::vector<ATableCell*>*> ADrawSmartTable::dataRows() {
    std::vector<std::vector<ATableCell*>*> rows;
    for (auto& r : m_rows)
        if (!r.empty()) rows.push_back(&r);
    return rows;
}

std::vector<const std::vector<ATableCell*>*> ADrawSmartTable::GetRows() const {
    std::vector<const std::vector<ATableCell*>*> rows;
    for (const auto& r : m_rows)
        if (!r.empty()) rows.push_back(&r);
    return rows;
}

int ADrawSmartTable::captionHeight() const {
    if (m_caption.IsEmpty() || m_caption.GetLines().empty()) return 0;
    return m_caption.GetLines().back().baseline + 20;
}

int ADrawSmartTable::headHeight() const {
    return m_head.empty() ? 0 : std::abs(m_head.front()->m_height);
}

int ADrawSmartTable::rowHeight(const std::vector<ATableCell*>& row) {
    return row.empty() ? 0 : std::abs(row.front()->m_height);
}

void ADrawSmartTable::BeforeLayout(CDC* dc, APrintManager* composer) {
    if (composer) {
        if (m_width == 0 && composer->GetPaper()) m_width = composer->GetPaper()->Body(false).Width();
        if (m_charSet == 255) m_charSet = composer->GetDefaultCharSet();
        if (m_headFace.empty()) {
            m_headFace = composer->GetDefaultFontName();
            m_headSize = composer->GetDefaultFontSize();
        }
        if (m_cellFace.empty()) {
            m_cellFace = composer->GetDefaultFontName();
            m_cellSize = composer->GetDefaultFontSize();
        }
    }
    m_caption.BeforeLayout(dc, composer);
    auto rows = dataRows();
    // Fonts first: they decide the sizes.
    setFonts(m_headSize, m_cellSize);
    if (m_autoSize) autoSize(dc);
    arrange();
    // Colours of the style: the head, then bands by rows within a block or by columns.
    const ATableAttributes& a = m_Attr[m_style];
    for (ATableCell* c : m_head) {
        c->m_color2 = a.headColor2;
        c->m_background = a.headBackground;
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::size_t rowInBlock = m_rowsPerBlock > 0 ? r % static_cast<std::size_t>(m_rowsPerBlock) : r;
        for (std::size_t col = 0; col < rows[r]->size(); ++col) {
            const bool odd = (a.alternateByRows ? rowInBlock : col) % 2 == 1;
            ATableCell* c = (*rows[r])[col];
            c->m_color2 = odd ? a.oddColor2 : a.evenColor2;
            c->m_background = odd ? a.oddBackground : a.evenBackground;
        }
    }
    // Borders.
    auto setBorders = [&](std::vector<ATableCell*>& row) {
        for (ATableCell* c : row) {
            c->m_border[ATableCell::sideRight] = a.borders[betweenColumns];
            c->m_border[ATableCell::sideBottom] = a.borders[betweenRows];
        }
        if (row.empty()) return;
        row.front()->m_border[ATableCell::sideLeft] = a.borders[outerLeft];
        row.front()->m_border[ATableCell::sideRight] = a.borders[rightOfFirst];
        row.back()->m_border[ATableCell::sideRight] = a.borders[outerRight];
    };
    setBorders(m_head);
    for (ATableCell* c : m_head) {
        c->m_border[ATableCell::sideTop] = a.borders[outerTop];
        c->m_border[ATableCell::sideBottom] = a.borders[belowHead];
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        setBorders(*rows[r]);
        const bool lastOfBlock =
            r + 1 == rows.size() || (m_rowsPerBlock > 0 && (r + 1) % m_rowsPerBlock == 0);
        if (lastOfBlock)
            for (ATableCell* c : *rows[r])
                c->m_border[ATableCell::sideBottom] = a.borders[outerBottom];
    }
    // The texts in their cells' widths.
    for (ATableCell* c : m_cells)
        if (auto* s = dynamic_cast<ATableStringCell*>(c)) s->LayoutText(dc);
}

namespace {

// The width a text may take before it wraps, when nothing narrower is asked of it.
constexpr int kFreeWidth = 1500;
// A table never shrinks its fonts below this share of their size.
constexpr double kSmallestFont = 0.25;

CSize contentSize(CDC* dc, ATableCell* cell, int available) {
    if (auto* s = dynamic_cast<ATableStringCell*>(cell)) s->GetText().SetAvailableWidth(available);
    const CSize size = cell->GetContentSize(dc);
    return CSize(std::abs(size.cx), std::abs(size.cy));
}

} // namespace

void ADrawSmartTable::setFonts(int headSize, int cellSize) {
    auto setFont = [&](ATableCell* c, const CString& face, int size) {
        if (auto* s = dynamic_cast<ATableStringCell*>(c)) {
            s->GetText().SetDefaultFont(face, size);
            s->GetText().SetDefaultCharSet(m_charSet);
        }
    };
    for (ATableCell* c : m_head)
        setFont(c, m_headFace, headSize);
    for (auto* row : dataRows())
        for (ATableCell* c : *row)
            setFont(c, m_cellFace, cellSize);
}

void ADrawSmartTable::autoSize(CDC* dc) {
    auto rows = dataRows();
    std::size_t columns = m_head.size();
    for (auto* row : rows)
        columns = std::max(columns, row->size());
    // A table wider than the page's body first wraps its headings over the columns' values,
    // then writes smaller, so that it never runs off the paper.
    const int limit = m_width;
    const int headSize = m_headSize;
    const int cellSize = m_cellSize;
    double scale = 1.0;
    std::vector<int> widths(columns, 0);
    // The room around the texts shrinks with them.
    int extra = m_extraWidth;
    std::vector<int> headWidths(columns, kFreeWidth);
    for (int attempt = 0;; ++attempt) {
        if (scale < 1.0) {
            extra = static_cast<int>(m_extraWidth * scale);
            m_headSize = std::max(1, static_cast<int>(headSize * scale));
            m_cellSize = std::max(1, static_cast<int>(cellSize * scale));
        }
        setFonts(m_headSize, m_cellSize);
        std::vector<int> values(columns, 0);
        for (auto* row : rows)
            for (std::size_t i = 0; i < row->size(); ++i)
                values[i] = std::max(values[i], contentSize(dc, (*row)[i], kFreeWidth).cx);
        int total = 0;
        for (std::size_t i = 0; i < columns; ++i) {
            headWidths[i] = kFreeWidth;
            const int head = i < m_head.size() ? contentSize(dc, m_head[i], kFreeWidth).cx : 0;
            widths[i] = std::max(values[i], head);
            total += widths[i] + extra;
        }
        if (limit > 0 && total > limit) {
            total = 0;
            for (std::size_t i = 0; i < columns; ++i) {
                if (i < m_head.size() && widths[i] > values[i]) {
                    // The heading wraps to its column's values, no narrower than its longest word.
                    headWidths[i] = std::max(1, values[i]);
                    widths[i] = std::max(values[i], contentSize(dc, m_head[i], headWidths[i]).cx);
                    headWidths[i] = widths[i];
                }
                total += widths[i] + extra;
            }
        }
        if (limit <= 0 || total <= limit || scale <= kSmallestFont || attempt >= 8) break;
        // The fonts shrink by the share the table is too wide, a little more each time, since
        // text widths do not follow the font size exactly.
        scale = std::max(kSmallestFont, scale * static_cast<double>(limit) / total * (attempt == 0 ? 1.0 : 0.97));
    }
    auto setHeights = [&](std::vector<ATableCell*>& row, bool head) {
        int height = 0;
        for (std::size_t i = 0; i < row.size(); ++i)
            height = std::max(height, contentSize(dc, row[i], head ? headWidths[i] : kFreeWidth).cy);
        for (ATableCell* c : row)
            c->m_height = (height + m_extraHeight) * m_down;
    };
    setHeights(m_head, true);
    for (auto* row : rows)
        setHeights(*row, false);
    for (std::size_t i = 0; i < columns; ++i)
        SetColumnWidth(static_cast<unsigned>(i), widths[i] + extra);
}

void ADrawSmartTable::arrange() {
    auto rows = dataRows();
    const int top = -captionHeight();
    int x = 0;
    for (ATableCell* c : m_head) {
        c->m_x = x;
        c->m_y = top;
        x += c->m_width;
    }
    m_blockWidth = x;
    for (auto* row : rows) {
        int w = 0;
        for (ATableCell* c : *row)
            w += c->m_width;
        m_blockWidth = std::max(m_blockWidth, w);
    }
    m_blocks = 1;
    const int count = static_cast<int>(rows.size());
    if (m_multiColumn && m_blockWidth + m_gap > 0) {
        m_blocks = std::clamp((m_gap + m_width) / (m_blockWidth + m_gap), 1, 2);
        if (m_blocks == 2 && (count + 1) / 2 < 2) m_blocks = 1;
    }
    m_rowsPerBlock = m_blocks == 2 ? (count + 1) / 2 : count;
    m_blockShift = m_blocks == 2 ? m_width / 2 : 0;
    const int bodyTop = top - headHeight();
    for (int r = 0; r < count; ++r) {
        const int block = m_rowsPerBlock > 0 ? r / m_rowsPerBlock : 0;
        if (r == block * m_rowsPerBlock) x = 0;
        int y = bodyTop;
        for (int k = block * m_rowsPerBlock; k < r; ++k)
            y -= rowHeight(*rows[static_cast<std::size_t>(k)]);
        int cx = block * m_blockShift;
        for (ATableCell* c : *rows[static_cast<std::size_t>(r)]) {
            c->m_x = cx;
            c->m_y = y;
            cx += c->m_width;
        }
    }
    m_arranged = true;
}

bool ADrawSmartTable::Draw(CDC* dc, CPoint p) const {
    if (m_blocks == 2)
        for (const ATableCell* c : m_head)
            c->Draw(dc, CPoint(p.x + m_blockShift, p.y));
    return ADrawTable::Draw(dc, p);
}

int ADrawSmartTable::AllowBreak(int height) {
    if (m_rowsPerBlock <= 2) return 0;
    auto rows = dataRows();
    const int room = std::abs(height);
    int sum = captionHeight() + headHeight() + rowHeight(*rows[0]) + rowHeight(*rows[1]);
    if (sum > room) return 0;
    for (int r = 2; r < m_rowsPerBlock - 1; ++r) {
        const int next = sum + rowHeight(*rows[static_cast<std::size_t>(r)]);
        if (next > room) break;
        sum = next;
    }
    return height < 0 ? -sum : sum;
}

ADrawSmartTable* ADrawSmartTable::emptyCopy() const {
    auto* t = new ADrawSmartTable;
    static_cast<ADrawRect&>(*t) = *this;
    t->m_caption = m_caption;
    t->m_lockTopRow = m_lockTopRow;
    t->m_autoSize = m_autoSize;
    t->m_extraWidth = m_extraWidth;
    t->m_extraHeight = m_extraHeight;
    t->m_multiColumn = m_multiColumn;
    t->m_gap = m_gap;
    t->m_multiValue = m_multiValue;
    t->m_width = m_width;
    t->m_headFace = m_headFace;
    t->m_headSize = m_headSize;
    t->m_cellFace = m_cellFace;
    t->m_cellSize = m_cellSize;
    t->m_style = m_style;
    t->m_charSet = m_charSet;
    for (const ATableCell* c : m_head) {
        ATableCell* h = c->Clone();
        t->m_head.push_back(h);
        t->m_cells.push_back(h);
    }
    return t;
}

bool ADrawSmartTable::BreakAt(int height, ADrawRect*& first, ADrawRect*& rest) {
    first = nullptr;
    rest = nullptr;
    auto rows = dataRows();
    const int target = std::abs(height);
    int sum = captionHeight() + headHeight();
    int n = 0;
    while (sum < target && n < m_rowsPerBlock - 1)
        sum += rowHeight(*rows[static_cast<std::size_t>(n++)]);
    if (sum != target || n < 1) return false;
    ADrawSmartTable* a = emptyCopy();
    ADrawSmartTable* b = emptyCopy();
    const std::size_t split =
        std::min(rows.size(), static_cast<std::size_t>(n) * static_cast<std::size_t>(m_blocks));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        ADrawSmartTable* t = r < split ? a : b;
        if (!t->m_rows.back().empty()) t->m_rows.emplace_back();
        for (const ATableCell* c : *rows[r]) {
            ATableCell* copy = c->Clone();
            t->m_rows.back().push_back(copy);
            t->m_cells.push_back(copy);
        }
    }
    first = a;
    rest = b;
    return true;
}
