// The dialogs of the project commands: Remove Structure.
#include "platform/ui/CDialogTemplate.h"
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

} // namespace

void AddProjectDialogs(CResources& r) {
    r.AddDialog(205, removeStructure());
}
