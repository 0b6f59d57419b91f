#include "app/dialogs/CButtonST.h"

#include "platform/gdi/CDC.h"
#include "platform/ui/CResources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace {

COLORREF paletteColor(QPalette::ColorRole role) {
    const QColor c = QApplication::palette().color(role);
    return RGB(c.red(), c.green(), c.blue());
}

QColor qColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

} // namespace

IMPLEMENT_DYNAMIC(CButtonST, CButton)

CButtonST::CButtonST() : m_pIconIn(std::make_unique<QIcon>()), m_pIconOut(std::make_unique<QIcon>()) {
    SetDefaultBackColorOut(FALSE);
    SetDefaultTextColorOut(FALSE);
    SetDefaultBackColorIn(FALSE);
    SetDefaultTextColorIn(FALSE);
}

CButtonST::~CButtonST() {
    DestroyFromDestructor();
}

void CButtonST::OnWidgetAttached() {
    CButton::OnWidgetAttached();
    // The button draws itself, whatever its template said.
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
    if (QWidget* widget = GetWidget()) widget->setAttribute(Qt::WA_Hover, true);
}

void CButtonST::Repaint() {
    if (IsWindow()) Invalidate();
}

void CButtonST::SetIcon(UINT nIconIn, UINT nIconOut) {
    const CResources& r = CResources::Instance();
    const QImage in = r.LoadBitmap(nIconIn, QSize());
    const QImage out = nIconOut ? r.LoadBitmap(nIconOut, QSize()) : QImage();
    SetIcon(in.isNull() ? QIcon() : QIcon(QPixmap::fromImage(in)),
            out.isNull() ? QIcon() : QIcon(QPixmap::fromImage(out)));
}

void CButtonST::SetIcon(const QIcon& iconIn, const QIcon& iconOut) {
    // Values, not shared handles: each button owns its copies.
    *m_pIconIn = iconIn;
    *m_pIconOut = iconOut.isNull() ? iconIn : iconOut;
    const QList<QSize> sizes = iconIn.availableSizes();
    const QSize size = sizes.isEmpty() ? QSize(iconIn.isNull() ? 0 : 32, iconIn.isNull() ? 0 : 32) : sizes.first();
    m_cxIcon = std::min(size.width(), 255);
    m_cyIcon = std::min(size.height(), 255);
    Repaint();
}

void CButtonST::SetFlat(BOOL bState) {
    m_bIsFlat = bState;
    Repaint();
}
void CButtonST::SetAlign(int nAlign) {
    m_nAlign = nAlign;
    Repaint();
}
void CButtonST::SetShowText(BOOL bShow) {
    m_bShowText = bShow;
    Repaint();
}
void CButtonST::DrawBorder(BOOL bEnable) {
    m_bDrawBorder = bEnable;
    Repaint();
}
void CButtonST::SetFlatFocus(BOOL bDrawFlatFocus) {
    m_bDrawFlatFocus = bDrawFlatFocus;
    Repaint();
}
void CButtonST::DrawTransparent(BOOL bTransparent) {
    m_bDrawTransparent = bTransparent;
    if (QWidget* widget = GetWidget()) widget->setAttribute(Qt::WA_TranslucentBackground, bTransparent != FALSE);
    Repaint();
}
void CButtonST::SetDefaultBackColorOut(BOOL bRepaint) {
    m_crBackOut = paletteColor(QPalette::Button);
    if (bRepaint) Repaint();
}
void CButtonST::SetDefaultTextColorOut(BOOL bRepaint) {
    m_crTextOut = paletteColor(QPalette::ButtonText);
    if (bRepaint) Repaint();
}
void CButtonST::SetDefaultBackColorIn(BOOL bRepaint) {
    m_crBackIn = paletteColor(QPalette::Button);
    if (bRepaint) Repaint();
}
void CButtonST::SetDefaultTextColorIn(BOOL bRepaint) {
    m_crTextIn = paletteColor(QPalette::ButtonText);
    if (bRepaint) Repaint();
}
void CButtonST::SetBackColorOut(COLORREF color, BOOL bRepaint) {
    m_crBackOut = color;
    if (bRepaint) Repaint();
}
void CButtonST::SetBackColorIn(COLORREF color, BOOL bRepaint) {
    m_crBackIn = color;
    if (bRepaint) Repaint();
}

bool CButtonST::FilterEvent(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Enter:
        if (m_bIsFlat && !m_bMouseOver) {
            m_bMouseOver = TRUE;
            Repaint();
        }
        break;
    case QEvent::Leave:
        if (m_bMouseOver) {
            m_bMouseOver = FALSE;
            Repaint();
        }
        break;
    case QEvent::FocusOut:
        if (m_bIsFlat && m_bMouseOver) {
            m_bMouseOver = FALSE;
            Repaint();
        }
        break;
    case QEvent::MouseButtonDblClick: {
        // The second press of a double click is a press of its own, so it clicks too.
        auto* mouse = static_cast<QMouseEvent*>(event);
        QMouseEvent press(QEvent::MouseButtonPress, mouse->position(), mouse->globalPosition(), mouse->button(),
                          mouse->buttons(), mouse->modifiers());
        QApplication::sendEvent(watched, &press);
        return true;
    }
    default:
        break;
    }
    return CButton::FilterEvent(watched, event);
}

void CButtonST::DrawItem(LPDRAWITEMSTRUCT dis) {
    CDC* dc = dis->hDC;
    QPainter* painter = dc->GetPainter();
    const bool pressed = (dis->itemState & ODS_SELECTED) != 0;
    const bool focused = (dis->itemState & ODS_FOCUS) != 0;
    const bool disabled = (dis->itemState & ODS_DISABLED) != 0;
    const bool in = m_bMouseOver || pressed;
    RECT r = dis->rcItem;
    const COLORREF light = paletteColor(QPalette::Light), shadow = paletteColor(QPalette::Dark);
    // Background: none in transparent mode, so the parent shows through.
    if (!m_bDrawTransparent) dc->FillSolidRect(&r, in ? m_crBackIn : m_crBackOut);
    if (pressed) {
        if (m_bIsFlat) {
            if (m_bDrawBorder) dc->Draw3dRect(&r, shadow, light);
        } else {
            dc->Draw3dRect(&r, shadow, shadow);
        }
    } else if (!m_bIsFlat) {
        dc->Draw3dRect(&r, light, paletteColor(QPalette::Shadow));
        RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        dc->Draw3dRect(&inner, paletteColor(QPalette::Midlight), shadow);
    } else if (m_bMouseOver && m_bDrawBorder) {
        dc->Draw3dRect(&r, light, shadow);
    }
    const CString caption = m_bShowText ? GetWindowText() : CString();
    QRect text(r.left, r.top, r.right - r.left, r.bottom - r.top);
    const int shift = pressed ? 1 : 0;
    const QIcon& icon = in ? *m_pIconIn : *m_pIconOut;
    if (!icon.isNull() && painter) {
        const QSize size(m_cxIcon, m_cyIcon);
        QPoint at;
        const int cx = text.left() + (text.width() - size.width()) / 2;
        const int cy = text.top() + (text.height() - size.height()) / 2;
        if (m_nAlign == ST_ALIGN_VERT) {
            at = QPoint(cx, caption.empty() ? cy : text.top() + 3);
            if (!caption.empty()) text.setTop(at.y() + size.height());
        } else if (m_nAlign == ST_ALIGN_HORIZ_RIGHT) {
            at = QPoint(caption.empty() ? cx : text.right() - 3 - size.width(), cy);
            if (!caption.empty()) text.setRight(at.x() - 1);
        } else {
            at = QPoint(caption.empty() ? cx : text.left() + 3, cy);
            if (!caption.empty()) text.setLeft(at.x() + size.width() + 3);
        }
        painter->drawPixmap(at + QPoint(shift, shift),
                            icon.pixmap(size, disabled ? QIcon::Disabled : QIcon::Normal));
    }
    if (!caption.empty() && painter) {
        painter->save();
        painter->setPen(disabled ? QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText)
                                 : qColor(in ? m_crTextIn : m_crTextOut));
        painter->drawText(text.translated(shift, shift), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                          QString::fromStdString(caption));
        painter->restore();
    }
    if (focused && (!m_bIsFlat || m_bDrawFlatFocus) && painter) {
        painter->save();
        painter->setPen(QPen(QApplication::palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter->drawRect(QRect(r.left + 3, r.top + 3, r.right - r.left - 7, r.bottom - r.top - 7));
        painter->restore();
    }
}
