// Owner-drawn buttons, list boxes and combo boxes: the control's parent (or the
// control itself, through DrawItem and MeasureItem) draws what Qt would draw.
#include "platform/gdi/CDC.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/ControlPaint.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>

namespace {

thread_local bool t_declined = false;

const int kItemDataRole = Qt::UserRole + 1;

RECT rectOf(const QRect& r) {
    return RECT{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

// Asks the control's parent to draw one item (or the whole button) with a context on the painter.
void sendDrawItem(CWnd* control, QPainter* painter, UINT ctlType, int item, UINT state, const QRect& rect,
                  DWORD_PTR data) {
    CWnd* parent = control->GetParent();
    if (!parent) return;
    CDC dc(painter, painter->device());
    DRAWITEMSTRUCT dis;
    dis.CtlType = ctlType;
    dis.CtlID = static_cast<UINT>(control->GetDlgCtrlID());
    dis.itemID = static_cast<UINT>(item);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = state;
    dis.hwndItem = control->m_hWnd;
    dis.hDC = &dc;
    dis.rcItem = rectOf(rect);
    dis.itemData = data;
    parent->SendMessage(WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

UINT widgetState(const QWidget* widget) {
    UINT state = 0;
    if (widget->hasFocus()) state |= ODS_FOCUS;
    if (!widget->isEnabled()) state |= ODS_DISABLED;
    return state;
}

class COwnerDrawDelegate : public QStyledItemDelegate {
public:
    COwnerDrawDelegate(QWidget* control, UINT ctlType, bool variable)
        : QStyledItemDelegate(control), m_control(control), m_ctlType(ctlType), m_variable(variable) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        CWnd* wnd = CWnd::FromWidget(m_control);
        if (!wnd) return;
        UINT state = 0;
        if (option.state & QStyle::State_Selected) state |= ODS_SELECTED;
        if (option.state & QStyle::State_HasFocus) state |= ODS_FOCUS;
        if (!(option.state & QStyle::State_Enabled)) state |= ODS_DISABLED;
        sendDrawItem(wnd, painter, m_ctlType, index.row(), state, option.rect,
                     index.data(kItemDataRole).value<quintptr>());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize natural = QStyledItemDelegate::sizeHint(option, index);
        if (!m_variable && m_fixedHeight > 0) return {natural.width(), m_fixedHeight};
        CWnd* wnd = CWnd::FromWidget(m_control);
        CWnd* parent = wnd ? wnd->GetParent() : nullptr;
        if (!parent) return natural;
        // A fixed-height list asks once for all its items; a variable one for each.
        MEASUREITEMSTRUCT mis;
        mis.CtlType = m_ctlType;
        mis.CtlID = static_cast<UINT>(wnd->GetDlgCtrlID());
        mis.itemID = m_variable ? static_cast<UINT>(index.row()) : 0;
        mis.itemWidth = static_cast<UINT>(std::max(natural.width(), 0));
        mis.itemHeight = static_cast<UINT>(std::max(natural.height(), 1));
        mis.itemData = m_variable ? index.data(kItemDataRole).value<quintptr>() : 0;
        parent->SendMessage(WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
        const int height = std::clamp(static_cast<int>(mis.itemHeight), 1, 0x7FFF);
        if (!m_variable) m_fixedHeight = height;
        return {natural.width(), height};
    }

private:
    QWidget* m_control;
    UINT m_ctlType;
    bool m_variable;
    mutable int m_fixedHeight = 0;
};

} // namespace

void AfxOwnerDrawDeclined() {
    t_declined = true;
}

bool AfxTakeOwnerDrawDeclined() {
    const bool declined = t_declined;
    t_declined = false;
    return declined;
}

bool AfxOwnerDrawButtonOnPaint(CWnd* button, QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QAbstractButton*>(button->GetWidget());
    if (!widget || watched != widget || event->type() != QEvent::Paint) return false;
    UINT state = widgetState(widget);
    if (widget->isDown() || widget->isChecked()) state |= ODS_SELECTED;
    QPainter painter(widget);
    sendDrawItem(button, &painter, ODT_BUTTON, 0, state, widget->rect(), 0);
    return true;
}

void AfxInstallOwnerDrawItems(QWidget* control, QAbstractItemView* view, UINT ctlType, bool variableHeight) {
    view->setItemDelegate(new COwnerDrawDelegate(control, ctlType, variableHeight));
}

bool AfxOwnerDrawComboOnPaint(CWnd* combo, QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QComboBox*>(combo->GetWidget());
    if (!widget || widget->isEditable() || watched != widget || event->type() != QEvent::Paint) return false;
    QPainter painter(widget);
    QStyleOptionComboBox option;
    option.initFrom(widget);
    option.editable = false;
    option.frame = true;
    widget->style()->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, widget);
    const QRect field =
        widget->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, widget);
    UINT state = widgetState(widget) | ODS_COMBOBOXEDIT;
    if (widget->hasFocus()) state |= ODS_SELECTED;
    const int current = widget->currentIndex();
    sendDrawItem(combo, &painter, ODT_COMBOBOX, current, state, field,
                 current >= 0 ? widget->itemData(current, kItemDataRole).value<quintptr>() : 0);
    return true;
}

// --- the controls' own drawing --------------------------------------------------------------------

void CButton::DrawItem(LPDRAWITEMSTRUCT) {
    AfxOwnerDrawDeclined();
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_DRAWITEM) return AfxReflectOwnerDraw(this, message, lParam);
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {
    AfxOwnerDrawDeclined();
}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {
    AfxOwnerDrawDeclined();
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_DRAWITEM || message == WM_MEASUREITEM)
        return AfxReflectOwnerDraw(this, message, lParam);
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {
    AfxOwnerDrawDeclined();
}

void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {
    AfxOwnerDrawDeclined();
}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_DRAWITEM || message == WM_MEASUREITEM)
        return AfxReflectOwnerDraw(this, message, lParam);
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
