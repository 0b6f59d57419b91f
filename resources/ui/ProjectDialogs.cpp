// The dialogs of the project commands: Remove Structure, and the New sheet's
// project page with its list pictures.
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CResources.h"
#include "platform/ui/DlgUi.h"
#include "resources/ui/StrakonResources.h"

namespace {

// Dialog 205: the open project's structures, to be removed.
CDialogTemplate removeStructure() {
    CDialogTemplate t;
    t.caption = "Remove Structure";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    t.cx = 300;
    t.cy = 130;
    t.items = {
        DlgLText("&Structures:", IDC_STATIC, 7, 7, 220, 8),
        DlgListBox(1465, 7, 18, 220, 105,
                   LBS_SORT | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_HASSTRINGS | WS_VSCROLL | WS_HSCROLL |
                       WS_TABSTOP),
        DlgDefPushButton("Close", IDOK, 236, 18, 57, 14, WS_TABSTOP),
        DlgPushButton("&Remove", 1396, 236, 36, 57, 14, WS_TABSTOP),
        DlgPushButton("&Help", IDHELP, 236, 109, 57, 14, WS_TABSTOP),
    };
    return t;
}

// Dialog 180: the New sheet's project page.
CDialogTemplate newProject() {
    CDialogTemplate t;
    t.caption = "Project";
    t.style = WS_CHILD | WS_CAPTION;
    t.cx = 300;
    t.cy = 180;
    t.items = {
        DlgControl("", 1351, WC_LISTVIEW,
                   LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 7, 7, 286, 108),
        DlgLText("Project &name:", IDC_STATIC, 7, 122, 128, 8),
        DlgEditText(1044, 7, 132, 150, 12, ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP),
        DlgLText("Lo&cation:", IDC_STATIC, 7, 150, 100, 8),
        DlgEditText(1565, 7, 160, 266, 12, ES_AUTOHSCROLL | WS_TABSTOP),
        DlgPushButton("&...", 1566, 277, 159, 16, 14, WS_TABSTOP),
    };
    return t;
}

} // namespace

void AddProjectDialogs(CResources& r) {
    r.AddDialog(205, removeStructure());
    r.AddDialog(180, newProject());
    // The project page's list images: 0 a folder, 1 the blank project.
    r.AddBitmap(184, ":/strakon/shell/project_list.svg");
}
