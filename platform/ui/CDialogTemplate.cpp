#include "platform/ui/CDialogTemplate.h"

#include "platform/ui/DlgUi.h"

const CDlgItemTemplate* CDialogTemplate::FindItem(UINT id) const {
    for (const CDlgItemTemplate& item : items)
        if (item.id == id) return &item;
    return nullptr;
}

namespace {
CDlgItemTemplate item(const char* text, UINT id, const char* windowClass, DWORD style, int x, int y, int cx,
                      int cy) {
    CDlgItemTemplate t;
    t.id = id;
    t.windowClass = windowClass;
    t.text = text ? text : "";
    t.style = style | WS_CHILD;
    t.x = x;
    t.y = y;
    t.cx = cx;
    t.cy = cy;
    return t;
}
} // namespace

CDlgItemTemplate DlgPushButton(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style) {
    return item(text, id, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP | style, x, y, cx, cy);
}
CDlgItemTemplate DlgDefPushButton(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style) {
    return item(text, id, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP | style, x, y, cx, cy);
}
CDlgItemTemplate DlgCheckBox(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style) {
    return item(text, id, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP | style, x, y, cx, cy);
}
CDlgItemTemplate DlgRadioButton(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style) {
    return item(text, id, WC_BUTTON, BS_AUTORADIOBUTTON | style, x, y, cx, cy);
}
CDlgItemTemplate DlgGroupBox(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style) {
    return item(text, id, WC_BUTTON, BS_GROUPBOX | style, x, y, cx, cy);
}
CDlgItemTemplate DlgLText(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style) {
    return item(text, id, WC_STATIC, SS_LEFT | style, x, y, cx, cy);
}
CDlgItemTemplate DlgEditText(UINT id, int x, int y, int cx, int cy, DWORD style) {
    return item("", id, WC_EDIT, ES_LEFT | WS_BORDER | WS_TABSTOP | style, x, y, cx, cy);
}
CDlgItemTemplate DlgComboBox(UINT id, int x, int y, int cx, int cy, DWORD style) {
    return item("", id, WC_COMBOBOX, WS_TABSTOP | style, x, y, cx, cy);
}
CDlgItemTemplate DlgListBox(UINT id, int x, int y, int cx, int cy, DWORD style) {
    return item("", id, WC_LISTBOX, LBS_NOTIFY | WS_BORDER | WS_TABSTOP | style, x, y, cx, cy);
}
CDlgItemTemplate DlgControl(const char* text, UINT id, const char* windowClass, DWORD style, int x, int y,
                            int cx, int cy) {
    return item(text, id, windowClass, style, x, y, cx, cy);
}
