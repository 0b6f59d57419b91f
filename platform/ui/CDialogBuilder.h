#pragma once
// Builds the controls of a dialog template into a window (a dialog, a property
// page, a form view) and keeps the control objects it made for them. For the
// platform layer's sources only: it brings in Qt's widget headers.
#include "platform/core/CString.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CDialogTemplate.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

// Lays the template's controls out in the template's font.
class CDialogBuilder {
public:
    CDialogBuilder(CWnd& host, const CDialogTemplate& dialogTemplate)
        : m_dialog(host), m_template(dialogTemplate) {}

    QFont Font() const {
        QFont font = QApplication::font();
        if (m_template.fontSize > 0) font.setPointSize(m_template.fontSize);
        return font;
    }

    void MeasureUnits(const QFont& font) {
        // A dialog unit across is a quarter of the average width of the letters,
        // one down an eighth of the font's height, as the platform measures them.
        const QFontMetrics metrics(font);
        const int letters = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        m_baseX = (letters / 26 + 1) / 2;
        m_baseY = metrics.height();
        m_quarterX = 4 * m_baseX;
        // The templates were laid out for another font and narrower check marks:
        // the dialog widens as a whole until every control's text fits in it (at
        // most by half), so that its proportions stay.
        int needed = m_quarterX;
        for (const CDlgItemTemplate& item : m_template.items)
            if (item.cx > 0) needed = std::max(needed, QuarterUnitsFor(item, metrics));
        m_quarterX = std::min(needed, m_quarterX * 3 / 2);
    }

    QSize Size() const { return QSize(ToPixelsX(m_template.cx), ToPixelsY(m_template.cy)); }
    int ToPixelsX(int x) const { return (x * m_quarterX + 8) / 16; }
    int ToPixelsY(int y) const { return (y * m_baseY + 4) / 8; }

    // The text a control shows: a single "&" marks the mnemonic, "&&" is one "&".
    static QString ShownText(const CDlgItemTemplate& item) {
        const QString text = QString::fromStdString(item.text);
        const bool isStatic = CompareNoCase(item.windowClass, WC_STATIC) == 0;
        if (isStatic && (item.style & SS_NOPREFIX)) return text;
        QString shown;
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] != '&') {
                shown += text[i];
            } else if (i + 1 < text.size() && text[i + 1] == '&') {
                shown += '&';
                ++i;
            }
        }
        return shown;
    }

    // The width in pixels that the control's text needs, with the box, circle or
    // frame drawn beside it; 0 for controls without a text of one line to fit.
    static int NeededWidth(const CDlgItemTemplate& item, const QFontMetrics& metrics) {
        const QString text = ShownText(item);
        if (text.isEmpty()) return 0;
        const QStyle* style = QApplication::style();
        if (CompareNoCase(item.windowClass, WC_BUTTON) == 0) {
            const int textWidth = metrics.horizontalAdvance(text);
            switch (item.style & BS_TYPEMASK) {
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
            case BS_3STATE:
            case BS_AUTO3STATE:
                return style->pixelMetric(QStyle::PM_IndicatorWidth) +
                       style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + textWidth + 2;
            case BS_RADIOBUTTON:
            case BS_AUTORADIOBUTTON:
                return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                       style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + textWidth + 2;
            case BS_GROUPBOX: return textWidth + 16;
            case BS_OWNERDRAW: return 0;
            default: return (item.style & BS_BITMAP) ? 0 : textWidth + 8;
            }
        }
        if (CompareNoCase(item.windowClass, WC_STATIC) == 0) {
            const DWORD type = item.style & SS_TYPEMASK;
            if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT) return 0;
            return metrics.horizontalAdvance(text);
        }
        return 0;
    }

    // Whether a wrapping static's text fits the box in lines of that width.
    static bool WrapsInto(const QString& text, const QFontMetrics& metrics, int width, int height) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text);
        return needed.width() <= width && needed.height() <= height;
    }

    // The quarter pixels per dialog unit across with which the item's text fits.
    int QuarterUnitsFor(const CDlgItemTemplate& item, const QFontMetrics& metrics) const {
        const int needed = NeededWidth(item, metrics);
        if (needed <= 0) return 0;
        auto quarterUnits = [&](int pixels) { return (16 * pixels - 8 + item.cx - 1) / item.cx; };
        if (CompareNoCase(item.windowClass, WC_STATIC) == 0) {
            // A static breaks its text into lines where its height leaves room for them.
            const QString text = ShownText(item);
            const int height = ToPixelsY(item.cy);
            for (int q = m_quarterX; q <= m_quarterX * 3 / 2; ++q)
                if (WrapsInto(text, metrics, (item.cx * q + 8) / 16, height)) return q;
            return quarterUnits(needed);
        }
        return quarterUnits(needed);
    }

    RECT ItemRect(const CDlgItemTemplate& item) const {
        const int left = ToPixelsX(item.x), top = ToPixelsY(item.y);
        return RECT{left, top, left + ToPixelsX(item.cx), top + ToPixelsY(item.cy)};
    }

    void Build() {
        QButtonGroup* group = nullptr;
        CWnd* previous = nullptr;
        for (const CDlgItemTemplate& item : m_template.items) {
            std::unique_ptr<CWnd> control(AfxNewControlOfClass(item.windowClass.c_str(), item.style));
            CreateControl(*control, item);
            if (IsRadio(item)) {
                if (!group || (item.style & WS_GROUP)) group = NewGroup();
                m_groups[item.id] = group;
                Join(*control, group);
            } else if (item.style & WS_GROUP) {
                group = nullptr;
            }
            // A spin button's automatic buddy is the control made just before it.
            if (auto* spin = dynamic_cast<CSpinButtonCtrl*>(control.get());
                spin && (item.style & UDS_AUTOBUDDY))
                spin->SetBuddy(previous);
            previous = control.get();
            m_controls.push_back(std::move(control));
        }
    }

    bool Replace(UINT id, CWnd& replacement) {
        const CDlgItemTemplate* item = m_template.FindItem(id);
        if (!item || replacement.IsWindow()) return false;
        CWnd* old = m_dialog.GetDlgItem(static_cast<int>(id));
        QPointer<QWidget> oldWidget = old ? old->GetWidget() : nullptr;
        if (!CreateControl(replacement, *item)) return false;
        QWidget* widget = replacement.GetWidget();
        if (oldWidget) {
            // The new control takes the old one's place in the stacking and tab order.
            widget->stackUnder(oldWidget);
            QWidget* before = oldWidget->previousInFocusChain();
            if (before && before != widget) QWidget::setTabOrder(before, widget);
            widget->setGeometry(oldWidget->geometry());
            widget->setVisible(!oldWidget->isHidden());
            widget->setEnabled(oldWidget->isEnabled());
        }
        if (auto it = m_groups.find(id); it != m_groups.end()) Join(replacement, it->second);
        if (auto* spin = dynamic_cast<CSpinButtonCtrl*>(&replacement))
            if (auto* oldSpin = dynamic_cast<CSpinButtonCtrl*>(old)) spin->SetBuddy(oldSpin->GetBuddy());
        bool owned = false;
        for (auto it = m_controls.begin(); it != m_controls.end(); ++it) {
            if (it->get() == old) {
                m_controls.erase(it);
                owned = true;
                break;
            }
        }
        if (old && !owned) old->DestroyWindow();
        return true;
    }

    const CDialogTemplate& Template() const { return m_template; }

private:
    static bool IsRadio(const CDlgItemTemplate& item) {
        const DWORD type = item.style & BS_TYPEMASK;
        return CompareNoCase(item.windowClass, WC_BUTTON) == 0 &&
               (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
    }

    bool CreateControl(CWnd& control, const CDlgItemTemplate& item) {
        const RECT rect = ItemRect(item);
        CString text = item.text;
        // A picture's text names its resource.
        const bool picture =
            CompareNoCase(item.windowClass, WC_STATIC) == 0 &&
            ((item.style & SS_TYPEMASK) == SS_BITMAP || (item.style & SS_TYPEMASK) == SS_ICON ||
             (item.style & SS_TYPEMASK) == SS_ENHMETAFILE);
        if (picture) text.clear();
        if (!control.CreateEx(item.exStyle, item.windowClass.c_str(), text.c_str(), item.style | WS_CHILD,
                              rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, &m_dialog,
                              item.id))
            return false;
        if (picture && item.text.size() > 1 && item.text[0] == '#') {
            if (auto* stat = dynamic_cast<CStatic*>(&control))
                stat->SetBitmap(static_cast<UINT>(std::strtoul(item.text.c_str() + 1, nullptr, 10)));
        }
        if (QWidget* widget = control.GetWidget()) {
            // A drop-down combo box's height in the template includes its list.
            if (CompareNoCase(item.windowClass, WC_COMBOBOX) == 0 && (item.style & 3) != CBS_SIMPLE)
                widget->resize(widget->width(), widget->sizeHint().height());
            widget->setProperty("strakonHelpId", static_cast<uint>(item.helpId));
            if (!(item.style & WS_TABSTOP) && !qobject_cast<QLineEdit*>(widget))
                widget->setFocusPolicy(widget->focusPolicy() == Qt::NoFocus ? Qt::NoFocus : Qt::ClickFocus);
        }
        return true;
    }

    QButtonGroup* NewGroup() {
        auto* group = new QButtonGroup(m_dialog.GetWidget());
        group->setExclusive(true);
        return group;
    }

    static void Join(CWnd& control, QButtonGroup* group) {
        if (auto* button = qobject_cast<QAbstractButton*>(control.GetWidget())) group->addButton(button);
    }

    CWnd& m_dialog;
    CDialogTemplate m_template;
    int m_baseX = 6;
    int m_baseY = 13;
    // Four times the pixels per dialog unit across, widened where a text needs it.
    int m_quarterX = 24;
    std::vector<std::unique_ptr<CWnd>> m_controls;
    std::map<UINT, QButtonGroup*> m_groups;
};
