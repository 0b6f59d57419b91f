// Dialog 290, the volumes and weights of a structure's materials.
#include "resources/ui/StrakonResources.h"

#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CResources.h"
#include "platform/ui/DlgUi.h"

namespace {

// Dialog 290: volumes and weights of a structure's materials.
CDialogTemplate volumeWeight() {
    CDialogTemplate t;
    t.caption = "Volume and weight according to materials";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    t.cx = 262;
    t.cy = 158;
    t.items = {
        DlgControl("", 1734, WC_LISTVIEW, LVS_REPORT | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP, 7, 7, 248, 120),
        DlgCheckBox("Include stirrups", 1735, 7, 137, 100, 10, BS_AUTOCHECKBOX | WS_TABSTOP),
        DlgDefPushButton("Close", IDOK, 205, 135, 50, 14),
    };
    return t;
}

} // namespace

void AddVolumeWeightDialog(CResources& r) {
    r.AddDialog(290, volumeWeight());
}
