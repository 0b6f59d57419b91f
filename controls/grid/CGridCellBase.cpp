#include "controls/grid/CGridCellBase.h"

#include "controls/grid/CGridCell.h"
#include "controls/grid/CGridCtrl.h"
#include "platform/gdi/CDC.h"

#include <QApplication>
#include <QCursor>
#include <QPalette>
#include <QWidget>

IMPLEMENT_DYNAMIC(CGridCellBase, CObject)

COLORREF GetGridSysColor(GridSysColor which) {
    // Without an application there is no palette: the classic colours stand in.
    if (!QApplication::instance()) {
        switch (which) {
        case GridSysColor::WindowText:
        case GridSysColor::DkShadow:
        case GridSysColor::InfoText:
            return RGB(0, 0, 0);
        case GridSysColor::Window:
        case GridSysColor::BtnHighlight:
        case GridSysColor::HighlightText:
            return RGB(255, 255, 255);
        case GridSysColor::BtnShadow:
            return RGB(128, 128, 128);
        case GridSysColor::Highlight:
            return RGB(0, 0, 128);
        case GridSysColor::InfoBk:
            return RGB(255, 255, 225);
        case GridSysColor::BtnFace:
            return RGB(192, 192, 192);
        }
    }
    const QPalette palette = QApplication::palette();
    QColor c;
    switch (which) {
    case GridSysColor::WindowText:
        c = palette.color(QPalette::Active, QPalette::WindowText);
        break;
    case GridSysColor::Window:
        c = palette.color(QPalette::Active, QPalette::Base);
        break;
    case GridSysColor::BtnFace:
        c = palette.color(QPalette::Active, QPalette::Button);
        break;
    case GridSysColor::BtnShadow:
        c = palette.color(QPalette::Active, QPalette::Mid);
        break;
    case GridSysColor::BtnHighlight:
        c = palette.color(QPalette::Active, QPalette::Light);
        break;
    case GridSysColor::DkShadow:
        c = palette.color(QPalette::Active, QPalette::Shadow);
        break;
    case GridSysColor::Highlight:
        c = palette.color(QPalette::Active, QPalette::Highlight);
        break;
    case GridSysColor::HighlightText:
        c = palette.color(QPalette::Active, QPalette::HighlightedText);
        break;
    case GridSysColor::InfoBk:
        c = palette.color(QPalette::Active, QPalette::ToolTipBase);
        break;
    case GridSysColor::InfoText:
        c = palette.color(QPalette::Active, QPalette::ToolTipText);
        break;
    }
    return RGB(c.red(), c.green(), c.blue());
}

CGridDefaultCell* CGridCellBase::GetDefaultCell() const {
    CGridCtrl* grid = GetGrid();
    if (!grid) return nullptr;
    return grid->GetDefaultCell(IsFixedRow(), IsFixedCol());
}

void CGridCellBase::operator=(const CGridCellBase& cell) {
    if (this == &cell) return;
    SetGrid(cell.GetGrid());
    SetText(cell.GetText());
    SetImage(cell.GetImage());
    SetData(cell.GetData());
    SetState(cell.GetState());
    SetFormat(cell.GetFormat());
    SetTextClr(cell.GetTextClr());
    SetBackClr(cell.GetBackClr());
    SetFont(cell.IsDefaultFont() ? nullptr : cell.GetFont());
    SetMargin(cell.GetMargin());
}

bool CGridCellBase::OnSetCursor() {
    if (CGridCtrl* grid = GetGrid())
        if (QWidget* w = grid->GetInputWidget()) w->setCursor(Qt::ArrowCursor);
    return true;
}

LRESULT CGridCellBase::SendMessageToParent(int nRow, int nCol, int nMessage) {
    CGridCtrl* grid = GetGrid();
    return grid ? grid->SendMessageToParent(nRow, nCol, nMessage) : 0;
}

bool CGridCellBase::GetTextRect(LPRECT pRect) {
    if (GetImage() >= 0) pRect->left += static_cast<int>(GetMargin());
    return true;
}

namespace {

// The sort mark of a heading: a triangle pointing up (ascending) or down.
void DrawSortMark(CDC* pDC, CGridCtrl* grid, CRect& rect, bool rotated) {
    const int letter = pDC->GetTextExtent("M").cy;
    int size = std::min(letter - 4, rect.Height() - 4);
    if (size <= 0 || rect.Width() < size + 2) return;
    const int right = rotated ? rect.left + (rect.Width() + size) / 2 : rect.right;
    const int bottom = rect.bottom - 2;
    const int left = right - size, top = bottom - size;
    CPen light(PS_SOLID, 1, GetGridSysColor(GridSysColor::BtnHighlight));
    CPen shadow(PS_SOLID, 1, GetGridSysColor(GridSysColor::BtnShadow));
    for (int pass = 0; pass < 2; ++pass) {
        const int d = pass == 0 ? 1 : 0;
        CPen* old = pDC->SelectObject(pass == 0 ? &light : &shadow);
        if (grid->GetSortAscending()) {
            pDC->MoveTo(left + d, bottom + d);
            pDC->LineTo(right + d, bottom + d);
            pDC->LineTo((left + right) / 2 + d, top + d);
            pDC->LineTo(left + d, bottom + d);
        } else {
            pDC->MoveTo(left + d, top + d);
            pDC->LineTo(right + d, top + d);
            pDC->LineTo((left + right) / 2 + d, bottom + d);
            pDC->LineTo(left + d, top + d);
        }
        pDC->SelectObject(old);
    }
    if (!rotated) rect.right = left - 1;
}

// The light and dark lines of a heading cell.
void DrawFixedBorder(CDC* pDC, CRect& rect) {
    CPen light(PS_SOLID, 1, GetGridSysColor(GridSysColor::BtnHighlight));
    CPen dark(PS_SOLID, 1, GetGridSysColor(GridSysColor::DkShadow));
    CPen* old = pDC->SelectObject(&light);
    pDC->MoveTo(rect.right, rect.top);
    pDC->LineTo(rect.left, rect.top);
    pDC->LineTo(rect.left, rect.bottom);
    pDC->SelectObject(&dark);
    pDC->MoveTo(rect.right, rect.top);
    pDC->LineTo(rect.right, rect.bottom);
    pDC->LineTo(rect.left, rect.bottom);
    pDC->SelectObject(old);
}

} // namespace

bool CGridCellBase::Draw(CDC* pDC, int nRow, int nCol, CRect rect, bool bEraseBkgnd) {
    CGridCtrl* grid = GetGrid();
    if (!grid || !pDC || rect.Width() <= 0 || rect.Height() <= 0) return false;
    CGridDefaultCell* def = GetDefaultCell();
    if (!def) return false;
    const int saved = pDC->SaveDC();
    pDC->SetBkMode(TRANSPARENT);

    COLORREF textClr = GetTextClr() == CLR_DEFAULT ? def->GetTextClr() : GetTextClr();
    COLORREF backClr = GetBackClr() == CLR_DEFAULT ? def->GetBackClr() : GetBackClr();
    if (GetBackClr() != CLR_DEFAULT) bEraseBkgnd = true;
    const bool gridLines = grid->GetGridLines() != GVL_NONE;

    if (IsFocused() || IsDropHighlighted()) {
        if (IsSelected()) {
            backClr = GetGridSysColor(GridSysColor::Highlight);
            textClr = GetGridSysColor(GridSysColor::HighlightText);
            bEraseBkgnd = true;
        }
        rect.right++;
        rect.bottom++;
        if (bEraseBkgnd) pDC->FillSolidRect(&rect, backClr);
        if (gridLines) {
            rect.right--;
            rect.bottom--;
        }
        if (grid->GetFrameFocusCell()) {
            CPen pen(PS_SOLID, 1, textClr);
            CPen* old = pDC->SelectObject(&pen);
            pDC->MoveTo(rect.left, rect.top);
            pDC->LineTo(rect.right, rect.top);
            pDC->LineTo(rect.right, rect.bottom);
            pDC->LineTo(rect.left, rect.bottom);
            pDC->LineTo(rect.left, rect.top);
            pDC->SelectObject(old);
        }
        rect.DeflateRect(1, 1);
    } else {
        rect.right++;
        rect.bottom++;
        if (IsSelected()) {
            pDC->FillSolidRect(&rect, GetGridSysColor(GridSysColor::Highlight));
            textClr = GetGridSysColor(GridSysColor::HighlightText);
        } else if (bEraseBkgnd) {
            pDC->FillSolidRect(&rect, backClr);
        }
        rect.right--;
        rect.bottom--;
    }

    if (IsFixed() && gridLines) {
        const CCellID focus = grid->GetFocusCell();
        if (grid->GetTrackFocusCell() && focus.IsValid() && (focus.row == nRow || focus.col == nCol)) {
            CRect edge = rect;
            edge.right++;
            edge.bottom++;
            pDC->DrawEdge(&edge, BDR_SUNKENINNER, BF_RECT);
        } else {
            DrawFixedBorder(pDC, rect);
        }
        rect.DeflateRect(1, 1);
    }

    pDC->SetTextColor(textClr);
    if (CFont* font = GetFontObject()) pDC->SelectObject(font);
    const int margin = static_cast<int>(GetMargin());
    rect.DeflateRect(margin, 0);

    if (CGridImageList* images = grid->GetImageList(); images && GetImage() >= 0) {
        const CSize size = images->GetImageSize();
        if (rect.Width() + 2 * margin >= size.cx && rect.Height() + 2 * margin >= size.cy)
            images->Draw(pDC, GetImage(), rect.TopLeft());
        rect.left += margin + size.cx;
    }

    if (nRow == 0 && nCol == grid->GetSortColumn() && grid->GetSortColumn() >= 0) {
        const LOGFONT* lf = GetFont();
        DrawSortMark(pDC, grid, rect, lf && lf->lfEscapement == 900);
    }

    const CString text = GetText() ? GetText() : "";
    RECT textRect = rect;
    pDC->DrawText(text, &textRect, GetFormat() | DT_NOPREFIX);
    pDC->RestoreDC(saved);
    return true;
}

CSize CGridCellBase::GetTextExtent(const char* szText, CDC* pDC) {
    CGridCtrl* grid = GetGrid();
    CGridDefaultCell* def = GetDefaultCell();
    CDC measuring;
    if (!pDC) pDC = &measuring;
    if (!grid || !def) return CSize(def ? def->GetWidth() : 0, def ? def->GetHeight() : 0);
    const int saved = pDC->SaveDC();
    if (CFont* font = GetFontObject()) pDC->SelectObject(font);
    const CString text = szText ? szText : "";
    const DWORD format = GetFormat();
    CSize size;
    if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
        int widest = 0;
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            widest = std::max(
                widest,
                static_cast<int>(pDC->GetTextExtent(std::string_view(text).substr(start, end - start)).cx));
            start = end + 1;
        }
        RECT r{0, 0, widest + 1, 0};
        pDC->DrawText(text, &r, format | DT_CALCRECT);
        size = CSize(r.right - r.left, r.bottom - r.top);
    } else {
        size = pDC->GetTextExtent(text);
    }
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    const int margin = static_cast<int>(GetMargin());
    size.cx += tm.tmOverhang + 4 * margin;
    size.cy += 2 * margin;
    const LOGFONT* lf = GetFont();
    if (lf && (lf->lfEscapement == 900 || lf->lfEscapement == -900)) {
        std::swap(size.cx, size.cy);
        size.cy += 4 * margin;
    }
    pDC->RestoreDC(saved);
    return size;
}

CSize CGridCellBase::GetCellExtent(CDC* pDC) {
    CSize size = GetTextExtent(GetText(), pDC);
    CGridCtrl* grid = GetGrid();
    if (grid && grid->GetImageList() && GetImage() >= 0) {
        const CSize image = grid->GetImageList()->GetImageSize();
        size.cx += image.cx;
        size.cy = std::max(size.cy, image.cy);
    }
    return size;
}

bool CGridCellBase::PrintCell(CDC* pDC, int, int, CRect rect) {
    CGridCtrl* grid = GetGrid();
    CGridDefaultCell* def = GetDefaultCell();
    if (!grid || !def || !pDC || rect.Width() <= 0 || rect.Height() <= 0) return false;
    const int saved = pDC->SaveDC();
    pDC->SetBkMode(TRANSPARENT);
    COLORREF textClr = RGB(0, 0, 0);
    if (grid->GetShadedPrintOut()) {
        COLORREF backClr = CLR_DEFAULT;
        if (IsFixed())
            backClr = GetBackClr() != CLR_DEFAULT ? GetBackClr() : def->GetBackClr();
        else if (GetBackClr() != CLR_DEFAULT && GetBackClr() != def->GetBackClr())
            backClr = GetBackClr();
        if (IsFixed())
            textClr = GetBackClr() == CLR_DEFAULT ? def->GetTextClr() : GetTextClr();
        else if (GetBackClr() != CLR_DEFAULT)
            textClr = GetTextClr();
        else if (GetTextClr() != CLR_DEFAULT && GetTextClr() != def->GetTextClr())
            textClr = GetTextClr();
        if (textClr == CLR_DEFAULT) textClr = def->GetTextClr();
        if (backClr != CLR_DEFAULT) {
            CRect fill = rect;
            fill.right++;
            fill.bottom++;
            pDC->FillSolidRect(&fill, backClr);
        }
    }
    pDC->SetTextColor(textClr);
    if (CFont* font = GetFontObject()) pDC->SelectObject(font);
    if (IsFixed() && grid->GetGridLines() != GVL_NONE) {
        DrawFixedBorder(pDC, rect);
        rect.DeflateRect(1, 1);
    }
    const int margin = static_cast<int>(GetMargin());
    rect.DeflateRect(margin, 0);
    if (CGridImageList* images = grid->GetImageList(); images && GetImage() >= 0) {
        images->Draw(pDC, GetImage(), rect.TopLeft());
        rect.left += margin + images->GetImageSize().cx;
    }
    RECT textRect = rect;
    pDC->DrawText(GetText() ? GetText() : "", &textRect, GetFormat() | DT_NOPREFIX);
    pDC->RestoreDC(saved);
    return true;
}
