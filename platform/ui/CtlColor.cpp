// The colours and owner drawing of child controls, on the parent's side and on the control's.
#include "platform/gdi/CDC.h"
#include "platform/gdi/CGdiObject.h"
#include "platform/ui/ControlPaint.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace {

COLORREF refOf(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

QColor colorOf(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// The palette the widget had before any colour answer changed it.
const char* const kNaturalPalette = "strakonNaturalPalette";

} // namespace

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return nullptr;
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) {}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT) {}

LRESULT CWnd::OnControlPaintMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* control = nullptr;
    if (message == WM_DRAWITEM)
        control = FromHandle(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)->hwndItem);
    else if (message == WM_MEASUREITEM)
        control = GetDlgItem(static_cast<int>(wParam));
    else
        control = FromHandle(reinterpret_cast<HWND>(lParam));
    const HWND self = m_hWnd;
    LRESULT answer = 0;
    if (control && control->OnChildNotify(message, wParam, lParam, &answer)) return answer;
    if (!::IsWindow(self)) return 0;
    switch (message) {
    case WM_DRAWITEM:
        OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        return TRUE;
    case WM_MEASUREITEM:
        OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        return TRUE;
    default:
        return reinterpret_cast<LRESULT>(
            OnCtlColor(reinterpret_cast<CDC*>(wParam), control, message - WM_CTLCOLORMSGBOX));
    }
}

void AfxControlColorsOnPaint(CWnd* control, QObject* watched, QEvent* event, UINT message,
                             bool fillBackground) {
    QWidget* widget = control->GetWidget();
    if (!widget || watched != widget || event->type() != QEvent::Paint) return;
    CWnd* parent = control->GetParent();
    if (!parent) return;
    QVariant kept = widget->property(kNaturalPalette);
    if (!kept.isValid()) {
        kept = QVariant::fromValue(widget->palette());
        widget->setProperty(kNaturalPalette, kept);
    }
    const QPalette natural = kept.value<QPalette>();
    const bool textual = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
    CDC dc;
    dc.SetTextColor(refOf(natural.color(textual ? QPalette::Text : QPalette::WindowText)));
    dc.SetBkColor(refOf(natural.color(textual ? QPalette::Base : QPalette::Window)));
    const HWND self = control->m_hWnd;
    auto* brush = reinterpret_cast<HBRUSH>(
        parent->SendMessage(message, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(self)));
    if (CWnd::FromHandle(self) != control) return;
    QPalette palette = natural;
    QColor fill;
    if (brush) {
        // The answer colours the enabled control; a disabled one keeps its grey.
        const QColor text = colorOf(dc.GetTextColor());
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::WindowText, text);
            palette.setColor(group, QPalette::Text, text);
            palette.setColor(group, QPalette::ButtonText, text);
        }
        LOGBRUSH lb;
        if (brush->GetLogBrush(&lb) && lb.lbStyle != BS_NULL) {
            fill = colorOf(lb.lbColor);
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                palette.setColor(group, QPalette::Base, fill);
                palette.setColor(group, QPalette::Window, fill);
            }
        }
    }
    if (widget->palette() != palette) widget->setPalette(palette);
    if (fillBackground && fill.isValid()) {
        QPainter painter(widget);
        painter.fillRect(widget->rect(), fill);
    }
}
