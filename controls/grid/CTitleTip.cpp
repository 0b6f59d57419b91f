#include "controls/grid/CTitleTip.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/CGdiObject.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

CTitleTip::CTitleTip() = default;

CTitleTip::~CTitleTip() {
    DestroyFromDestructor();
}

QWidget* CTitleTip::CreateWidget(const CREATESTRUCT&, QWidget* parentWidget) {
    SetOwnPaintAndInput(true);
    auto* tip = new QWidget(parentWidget, Qt::ToolTip | Qt::FramelessWindowHint);
    tip->setAttribute(Qt::WA_ShowWithoutActivating);
    tip->setAttribute(Qt::WA_TransparentForMouseEvents);
    tip->setFocusPolicy(Qt::NoFocus);
    return tip;
}

BOOL CTitleTip::Create(CWnd* pParentWnd) {
    m_pParentWnd = pParentWnd;
    return CWnd::Create(nullptr, nullptr, WS_POPUP | WS_BORDER, RECT{0, 0, 1, 1}, pParentWnd, 0);
}

bool CTitleTip::IsShown() const {
    return GetWidget() && GetWidget()->isVisible();
}

void CTitleTip::Show(CRect rectTitle, const char* lpszTitleText, int xoffset, LPRECT lpHoverRect,
                     const LOGFONT* lpLogFont, COLORREF crTextClr, COLORREF crBackClr) {
    if (!GetWidget() && m_pParentWnd) Create(m_pParentWnd);
    if (!GetWidget() || rectTitle.IsRectEmpty() || IsShown() || !QApplication::focusWidget()) return;
    m_rectHover = lpHoverRect ? CRect(*lpHoverRect) : rectTitle;
    m_rectHover.InflateRect(1, 1);
    m_strText = std::string(" ") + (lpszTitleText ? lpszTitleText : "") + " ";
    m_bOwnFont = lpLogFont != nullptr;
    if (lpLogFont) m_font = *lpLogFont;
    m_crText = crTextClr;
    m_crBack = crBackClr;

    CDC measure;
    CFont font;
    if (m_bOwnFont) {
        font.CreateFontIndirect(&m_font);
        measure.SelectObject(&font);
    }
    TEXTMETRIC tm;
    measure.GetTextMetrics(&tm);
    const CSize size = measure.GetTextExtent(m_strText);
    const int width = size.cx + tm.tmOverhang;
    // The text fits in the cell: no tip.
    if (width + 2 * xoffset <= rectTitle.Width() - xoffset) return;
    CRect tip(rectTitle.left + xoffset, rectTitle.top, rectTitle.left + xoffset + width + xoffset,
              rectTitle.bottom + 1);
    if (m_pParentWnd) m_pParentWnd->ClientToScreen(&tip);
    GetWidget()->setGeometry(tip.left, tip.top, tip.Width(), tip.Height());
    GetWidget()->show();
    GetWidget()->raise();
}

void CTitleTip::Hide() {
    if (GetWidget()) GetWidget()->hide();
}

void CTitleTip::OnPaint() {
    QPaintDevice* device = GetPaintDevice();
    if (!device) return;
    QPainter painter(device);
    CDC dc(&painter, device);
    CRect rect;
    GetClientRect(&rect);
    dc.FillSolidRect(&rect, m_crBack != CLR_DEFAULT ? m_crBack : GetGridSysColor(GridSysColor::InfoBk));
    CFont font;
    if (m_bOwnFont) {
        font.CreateFontIndirect(&m_font);
        dc.SelectObject(&font);
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_crText != CLR_DEFAULT ? m_crText : GetGridSysColor(GridSysColor::InfoText));
    RECT textRect = rect;
    dc.DrawText(m_strText, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
