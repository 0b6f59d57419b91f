// Printing the grid over pages: a heading with the window's and the
// program's names, the column headings and row buttons on every page, and a
// footer with the page number and the date.
#include "controls/grid/CGridCtrl.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/CGdiObject.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/CWinApp.h"

#include <algorithm>
#include <ctime>
#include <iomanip>
#include <locale>
#include <memory>
#include <sstream>

namespace {

// Font precisions of the printer font: character output and character clipping.
constexpr BYTE kOutCharacterPrecis = 2;
constexpr BYTE kClipCharacterPrecis = 1;

// The first non-empty window text of the window's ancestors.
CString AncestorTitle(const CWnd* wnd) {
    for (CWnd* parent = wnd->GetParent(); parent; parent = parent->GetParent()) {
        const CString text = parent->GetWindowText();
        if (!text.empty()) return text;
    }
    return CString();
}

CString AppTitle() {
    const char* name = AfxGetAppName();
    return name ? CString(name) : CString();
}

// Now, as the "C" locale writes "%c".
std::string DateAndTime() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::put_time(&tm, "%c");
    return out.str();
}

} // namespace

void CGridCtrl::SetPrintMarginInfo(int nHeaderHeight, int nFooterHeight, int nLeftMargin, int nRightMargin,
                                   int nTopMargin, int nBottomMargin, int nGap) {
    if (nHeaderHeight >= 0) m_nHeaderHeight = nHeaderHeight;
    if (nFooterHeight >= 0) m_nFooterHeight = nFooterHeight;
    if (nLeftMargin >= 0) m_nLeftMargin = nLeftMargin;
    if (nRightMargin >= 0) m_nRightMargin = nRightMargin;
    if (nTopMargin >= 0) m_nTopMargin = nTopMargin;
    if (nBottomMargin >= 0) m_nBottomMargin = nBottomMargin;
    if (nGap >= 0) m_nGap = nGap;
}

void CGridCtrl::GetPrintMarginInfo(int& nHeaderHeight, int& nFooterHeight, int& nLeftMargin,
                                   int& nRightMargin, int& nTopMargin, int& nBottomMargin, int& nGap) const {
    nHeaderHeight = m_nHeaderHeight;
    nFooterHeight = m_nFooterHeight;
    nLeftMargin = m_nLeftMargin;
    nRightMargin = m_nRightMargin;
    nTopMargin = m_nTopMargin;
    nBottomMargin = m_nBottomMargin;
    nGap = m_nGap;
}

void CGridCtrl::Print() {
    CPrintDialog dialog(FALSE, 0, this);
    if (dialog.DoModal() != IDOK) return;
    std::unique_ptr<CDC> dc(dialog.CreatePrinterDC());
    if (!dc) return;
    CString title = AppTitle();
    if (title.empty()) title = AncestorTitle(this);
    if (dc->StartDoc(title) <= 0) return;
    CPrintInfo info;
    info.m_pPD->m_pd = dialog.m_pd;
    info.m_rectDraw = CRect(0, 0, dc->GetDeviceCaps(HORZRES), dc->GetDeviceCaps(VERTRES));
    OnBeginPrinting(dc.get(), &info);
    bool failed = false;
    for (UINT page = info.GetMinPage(); page <= info.GetMaxPage() && !failed; ++page) {
        if (dc->StartPage() <= 0) {
            failed = true;
            break;
        }
        info.m_nCurPage = page;
        OnPrint(dc.get(), &info);
        if (dc->EndPage() <= 0) failed = true;
    }
    OnEndPrinting(dc.get(), &info);
    if (failed)
        dc->AbortDoc();
    else
        dc->EndDoc();
}

int CGridCtrl::WalkPages(bool rows, int room, int block, int* pFirst) const {
    // A row (or column) larger than the room gets a page of its own.
    int pages = 1, total = 0;
    const int first = rows ? GetFixedRowCount() : GetFixedColumnCount();
    const int count = rows ? GetRowCount() : GetColumnCount();
    if (pFirst) *pFirst = count;
    for (int i = first; i < count; ++i) {
        const int size = rows ? GetRowHeight(i) : GetColumnWidth(i);
        if (total > 0 && total + size > room) {
            ++pages;
            total = size;
        } else {
            total += size;
        }
        if (pFirst && pages == block) {
            *pFirst = i;
            return pages;
        }
    }
    return pages;
}

void CGridCtrl::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
    if (!pDC || !pInfo) return;
    m_PrinterFont = std::make_unique<CFont>();
    m_PrinterFont->CreateFont(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, kOutCharacterPrecis,
                              kClipCharacterPrecis, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
    CFont* oldFont = pDC->SelectObject(m_PrinterFont.get());
    const CSize extent = pDC->GetTextExtent("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ");
    m_CharSize =
        CSize(std::max(1, static_cast<int>(extent.cx) / 52), std::max(1, static_cast<int>(extent.cy)));
    pDC->SelectObject(oldFont);

    m_PaperSize = CSize(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    if (m_bWysiwygPrinting) {
        const CDeviceCaps screen = CDeviceCaps::Screen();
        m_LogicalPageSize.cx = static_cast<int>(static_cast<long long>(m_PaperSize.cx) * screen.logPixelsX /
                                                std::max(1, pDC->GetDeviceCaps(LOGPIXELSX)) * 3 / 4);
        m_LogicalPageSize.cy = static_cast<int>(static_cast<long long>(m_PaperSize.cy) * screen.logPixelsY /
                                                std::max(1, pDC->GetDeviceCaps(LOGPIXELSY)) * 3 / 4);
    } else {
        m_LogicalPageSize.cx =
            static_cast<int>(GetVirtualWidth()) + (m_nLeftMargin + m_nRightMargin) * m_CharSize.cx;
        m_LogicalPageSize.cy =
            static_cast<int>(static_cast<long long>(m_LogicalPageSize.cx) * m_PaperSize.cy /
                             std::max(1, static_cast<int>(m_PaperSize.cx)));
    }
    m_nPageHeight = m_LogicalPageSize.cy - (m_nHeaderHeight + m_nFooterHeight + 2 * m_nGap) * m_CharSize.cy -
                    GetFixedRowHeight();
    m_nPageWidth =
        m_LogicalPageSize.cx - GetFixedColumnWidth() - (m_nLeftMargin + m_nRightMargin) * m_CharSize.cx;
    m_nPagesDown = WalkPages(true, m_nPageHeight, 0, nullptr);
    m_nPagesAcross = m_bWysiwygPrinting ? WalkPages(false, m_nPageWidth, 0, nullptr) : 1;
    pInfo->SetMaxPage(static_cast<UINT>(m_nPagesDown * m_nPagesAcross));
    pInfo->m_nCurPage = 1;
}

void CGridCtrl::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    if (!pDC || !pInfo || !m_PrinterFont) return;
    const int saved = pDC->SaveDC();
    pDC->SelectObject(m_PrinterFont.get());
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(m_LogicalPageSize.cx, m_LogicalPageSize.cy);
    pDC->SetViewportExt(m_PaperSize.cx, m_PaperSize.cy);
    const int left = m_nLeftMargin * m_CharSize.cx;
    const int pageRight = m_LogicalPageSize.cx - (m_nLeftMargin + m_nRightMargin) * m_CharSize.cx;
    pDC->SetWindowOrg(-left, 0);

    PrintHeader(pDC, pInfo);

    const int page = static_cast<int>(pInfo->m_nCurPage);
    const int rowBlock = (page + m_nPagesAcross - 1) / m_nPagesAcross;
    int colBlock = page % m_nPagesAcross;
    if (colBlock == 0) colBlock = m_nPagesAcross;
    WalkPages(true, m_nPageHeight, rowBlock, &m_nCurrPrintRow);
    WalkPages(false, m_nPageWidth, colBlock, &m_nPrintColumn);

    // The column headings start below the header and the gap.
    const int headingsTop = (m_nHeaderHeight + m_nGap) * m_CharSize.cy;
    pDC->SetWindowOrg(-left, -headingsTop);
    PrintColumnHeadings(pDC, pInfo);
    pDC->SetWindowOrg(-left, -(headingsTop + GetFixedRowHeight()));
    PrintRowButtons(pDC, pInfo);

    // The body: the page's rows and columns, at least the first of each (clipped).
    const bool horz = m_nGridLines == GVL_HORZ || m_nGridLines == GVL_BOTH;
    const bool vert = m_nGridLines == GVL_VERT || m_nGridLines == GVL_BOTH;
    const int fixedWidth = GetFixedColumnWidth();
    pDC->IntersectClipRect(fixedWidth, 0, fixedWidth + m_nPageWidth + 1, m_nPageHeight + 1);
    int y = 0;
    for (int row = m_nCurrPrintRow; row < GetRowCount(); ++row) {
        const int height = GetRowHeight(row);
        if (row > m_nCurrPrintRow && y + height > m_nPageHeight) break;
        if (height <= 0) continue;
        int x = fixedWidth;
        for (int col = m_nPrintColumn; col < GetColumnCount(); ++col) {
            const int width = GetColumnWidth(col);
            if (col > m_nPrintColumn && x - fixedWidth + width > m_nPageWidth) break;
            if (width <= 0) continue;
            // A row or column larger than the room is cut to it, so that its text shows.
            CRect rect(x, y, x + std::min(width, m_nPageWidth), y + std::min(height, m_nPageHeight));
            if (CGridCellBase* cell = GetCell(row, col)) cell->PrintCell(pDC, row, col, rect);
            if (horz) {
                pDC->MoveTo(rect.left, rect.bottom);
                pDC->LineTo(rect.right, rect.bottom);
            }
            if (vert) {
                pDC->MoveTo(rect.right, rect.top);
                pDC->LineTo(rect.right, rect.bottom);
                if (col == m_nPrintColumn && fixedWidth == 0) {
                    pDC->MoveTo(rect.left, rect.top);
                    pDC->LineTo(rect.left, rect.bottom);
                }
            }
            x += width;
        }
        y += height;
    }
    pDC->SelectClipRgn(nullptr);

    pDC->SetWindowOrg(-left, 0);
    m_rectFooter =
        CRect(0, m_LogicalPageSize.cy - m_nFooterHeight * m_CharSize.cy, pageRight, m_LogicalPageSize.cy);
    PrintFooter(pDC, pInfo);
    pDC->RestoreDC(saved);
}

void CGridCtrl::OnEndPrinting(CDC*, CPrintInfo*) {
    m_PrinterFont.reset();
}

void CGridCtrl::PrintHeader(CDC* pDC, CPrintInfo*) {
    const int pageRight = m_LogicalPageSize.cx - (m_nLeftMargin + m_nRightMargin) * m_CharSize.cx;
    CRect rect(0, 0, pageRight, m_nHeaderHeight * m_CharSize.cy);
    LOGFONT lf = m_PrinterFont->GetData();
    lf.lfWeight = FW_BOLD;
    CFont bold;
    bold.CreateFontIndirect(&lf);
    CFont* old = pDC->SelectObject(&bold);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(0, 0, 0));
    RECT r = rect;
    pDC->DrawText(AncestorTitle(this), &r, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    r = rect;
    pDC->DrawText(AppTitle(), &r, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    CPen pen(PS_SOLID, 0, RGB(0, 0, 0));
    CPen* oldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rect.left, rect.bottom);
    pDC->LineTo(rect.right, rect.bottom);
    pDC->SelectObject(oldPen);
    pDC->SelectObject(old);
}

void CGridCtrl::PrintFooter(CDC* pDC, CPrintInfo* pInfo) {
    const CRect rect = m_rectFooter;
    CPen pen(PS_SOLID, 0, RGB(0, 0, 0));
    CPen* oldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.right, rect.top);
    pDC->SelectObject(oldPen);
    LOGFONT lf = m_PrinterFont->GetData();
    lf.lfWeight = FW_BOLD;
    CFont bold;
    bold.CreateFontIndirect(&lf);
    CFont* old = pDC->SelectObject(&bold);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(0, 0, 0));
    char page[64];
    std::snprintf(page, sizeof page, "Page %u of %u", pInfo ? pInfo->m_nCurPage : 1u,
                  pInfo ? pInfo->GetMaxPage() : 1u);
    RECT r = rect;
    pDC->DrawText(page, &r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    r = rect;
    pDC->DrawText(DateAndTime(), &r, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    pDC->SelectObject(old);
}

bool CGridCtrl::PrintFixedRowCells(int nStartColumn, int nStopColumn, int& row, CRect& rect, CDC* pDC,
                                   bool& bFirst) {
    const bool horz = m_nGridLines == GVL_HORZ || m_nGridLines == GVL_BOTH;
    const bool vert = m_nGridLines == GVL_VERT || m_nGridLines == GVL_BOTH;
    const int fixedWidth = GetFixedColumnWidth();
    for (int col = nStartColumn; col <= nStopColumn && col < GetColumnCount(); ++col) {
        const int width = GetColumnWidth(col);
        if (width <= 0) continue;
        // Columns past the fixed ones fit in the page's width; the page's first always prints.
        if (col >= GetFixedColumnCount() && col > m_nPrintColumn &&
            rect.right - fixedWidth + width > m_nPageWidth)
            return false;
        rect.left = rect.right;
        rect.right = rect.left + width;
        if (CGridCellBase* cell = GetCell(row, col)) cell->PrintCell(pDC, row, col, rect);
        if (horz) {
            pDC->MoveTo(rect.left, rect.bottom);
            pDC->LineTo(rect.right, rect.bottom);
            if (row == 0) {
                pDC->MoveTo(rect.left, rect.top);
                pDC->LineTo(rect.right, rect.top);
            }
        }
        if (vert) {
            pDC->MoveTo(rect.right, rect.top);
            pDC->LineTo(rect.right, rect.bottom);
            if (bFirst) {
                pDC->MoveTo(rect.left, rect.top);
                pDC->LineTo(rect.left, rect.bottom);
                bFirst = false;
            }
        }
    }
    return true;
}

void CGridCtrl::PrintColumnHeadings(CDC* pDC, CPrintInfo*) {
    int y = 0;
    bool first = true;
    for (int row = 0; row < GetFixedRowCount(); ++row) {
        const int height = GetRowHeight(row);
        if (height <= 0) continue;
        CRect rect(0, y, 0, y + height);
        if (m_nPrintColumn >= GetFixedColumnCount())
            PrintFixedRowCells(0, GetFixedColumnCount() - 1, row, rect, pDC, first);
        PrintFixedRowCells(m_nPrintColumn, GetColumnCount() - 1, row, rect, pDC, first);
        first = false;
        y += height;
    }
}

void CGridCtrl::PrintRowButtons(CDC* pDC, CPrintInfo*) {
    const bool horz = m_nGridLines == GVL_HORZ || m_nGridLines == GVL_BOTH;
    const bool vert = m_nGridLines == GVL_VERT || m_nGridLines == GVL_BOTH;
    int y = 0;
    for (int row = m_nCurrPrintRow; row < GetRowCount(); ++row) {
        const int height = GetRowHeight(row);
        if (row > m_nCurrPrintRow && y + height > m_nPageHeight) break;
        if (height <= 0) continue;
        int x = 0;
        for (int col = 0; col < GetFixedColumnCount(); ++col) {
            const int width = GetColumnWidth(col);
            if (width <= 0) continue;
            CRect rect(x, y, x + width, y + std::min(height, m_nPageHeight));
            if (CGridCellBase* cell = GetCell(row, col)) cell->PrintCell(pDC, row, col, rect);
            if (horz) {
                pDC->MoveTo(rect.left, rect.bottom);
                pDC->LineTo(rect.right, rect.bottom);
            }
            if (vert) {
                pDC->MoveTo(rect.right, rect.top);
                pDC->LineTo(rect.right, rect.bottom);
                if (col == 0) {
                    pDC->MoveTo(rect.left, rect.top);
                    pDC->LineTo(rect.left, rect.bottom);
                }
            }
            x += width;
        }
        y += height;
    }
}
