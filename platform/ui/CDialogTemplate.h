#pragma once
// Dialog templates as data: the caption, the font, the dialog's style and size
// and its controls (id, window class, text, style, position and size), all in
// dialog units as the resource editor lays them out. A dialog unit is a quarter
// of the font's average character width across and an eighth of its height down.
//
// A control whose class is none of the platform's ("MFCGridCtrl") is a
// placeholder: the builder makes an empty child window with that id, which the
// C++ control of that class takes over.
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <vector>

// Window classes of the platform's controls.
inline constexpr const char* WC_BUTTON = "Button";
inline constexpr const char* WC_EDIT = "Edit";
inline constexpr const char* WC_STATIC = "Static";
inline constexpr const char* WC_LISTBOX = "ListBox";
inline constexpr const char* WC_COMBOBOX = "ComboBox";
inline constexpr const char* WC_SCROLLBAR = "ScrollBar";
inline constexpr const char* UPDOWN_CLASS = "msctls_updown32";
inline constexpr const char* PROGRESS_CLASS = "msctls_progress32";
inline constexpr const char* WC_LISTVIEW = "SysListView32";
inline constexpr const char* WC_TREEVIEW = "SysTreeView32";
inline constexpr const char* WC_TABCONTROL = "SysTabControl32";

struct CDlgItemTemplate {
    UINT id = 0;
    CString windowClass; // one of the classes above, or a custom control's class name
    CString text;        // caption, or the picture's resource id as "#130" for pictures
    DWORD style = 0;     // WS_ and the class's own styles; WS_VISIBLE is added by the builder
    int x = 0, y = 0, cx = 0, cy = 0;
    DWORD exStyle = 0;
    DWORD helpId = 0; // context help id of the control; 0 for none
};

struct CDialogTemplate {
    CString caption;
    CString fontName = "MS Sans Serif";
    int fontSize = 8;
    DWORD style = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    DWORD exStyle = 0;
    std::vector<CDlgItemTemplate> items;

    // The control with the id; null when the template has none.
    const CDlgItemTemplate* FindItem(UINT id) const;
};

// Shorthands for the tables in resources/.
CDlgItemTemplate DlgPushButton(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style = 0);
CDlgItemTemplate DlgDefPushButton(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style = 0);
CDlgItemTemplate DlgCheckBox(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style = 0);
CDlgItemTemplate DlgRadioButton(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style = 0);
CDlgItemTemplate DlgGroupBox(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style = 0);
CDlgItemTemplate DlgLText(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style = 0);
CDlgItemTemplate DlgEditText(UINT id, int x, int y, int cx, int cy, DWORD style = 0);
CDlgItemTemplate DlgComboBox(UINT id, int x, int y, int cx, int cy, DWORD style);
CDlgItemTemplate DlgListBox(UINT id, int x, int y, int cx, int cy, DWORD style = 0);
CDlgItemTemplate DlgControl(const char* text, UINT id, const char* windowClass, DWORD style, int x, int y,
                            int cx, int cy);
