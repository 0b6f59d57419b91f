#pragma once
// How the standard controls ask their parent for colours and owner drawing (for
// the controls' own sources only).
#include "platform/ui/CWnd.h"

class QAbstractItemView;
class QEvent;
class QObject;

// Before the control's widget paints: asks the parent for the control's colours
// (message: WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC, ...) and puts the answer into the
// widget's palette; with fillBackground, the answer's brush is painted under the
// control as well. Other events pass untouched.
void AfxControlColorsOnPaint(CWnd* control, QObject* watched, QEvent* event, UINT message,
                             bool fillBackground);
// Paints an owner-drawn button through WM_DRAWITEM instead of the widget; true
// when the event was the button's paint event (and is done).
bool AfxOwnerDrawButtonOnPaint(CWnd* button, QObject* watched, QEvent* event);
// Draws and measures the items of a list box or of a combo box's list through
// WM_DRAWITEM and WM_MEASUREITEM (ODT_LISTBOX or ODT_COMBOBOX).
void AfxInstallOwnerDrawItems(QWidget* control, QAbstractItemView* view, UINT ctlType, bool variableHeight);
// Paints the face of an owner-drawn drop-down list combo box: the frame and the
// arrow, and the selected item through WM_DRAWITEM (ODS_COMBOBOXEDIT).
bool AfxOwnerDrawComboOnPaint(CWnd* combo, QObject* watched, QEvent* event);
// The base DrawItem or MeasureItem of a control was reached: the control does
// not draw the item itself, so the parent is asked.
void AfxOwnerDrawDeclined();
// Offers WM_DRAWITEM or WM_MEASUREITEM to the control's DrawItem or MeasureItem;
// TRUE when the control took it.
template <class Control> BOOL AfxReflectOwnerDraw(Control* control, UINT message, LPARAM lParam);
bool AfxTakeOwnerDrawDeclined();

template <class Control> BOOL AfxReflectOwnerDraw(Control* control, UINT message, LPARAM lParam) {
    AfxTakeOwnerDrawDeclined();
    if (message == WM_DRAWITEM)
        control->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    else if constexpr (requires { control->MeasureItem(nullptr); })
        control->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    return !AfxTakeOwnerDrawDeclined();
}
