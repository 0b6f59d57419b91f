#include "resources/ui/StrakonDialogs.h"

#include "platform/ui/AfxRes.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CResources.h"
#include "platform/ui/DlgUi.h"
#include "resources/ui/StrakonResourceIds.h"

namespace {

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

// Dialog 132: the subgrade reaction and the side of the elastic ground of linear members.
CDialogTemplate elasticGround() {
    CDialogTemplate t;
    t.caption = "Elastic Ground Data";
    t.style = kModal;
    t.cx = 232;
    t.cy = 118;
    t.items = {
        DlgGroupBox("Side", IDC_STATIC, 7, 7, 160, 62),
        DlgRadioButton("&No ground supp.", 1001, 14, 19, 140, 10, WS_GROUP | WS_TABSTOP),
        DlgRadioButton("&Both sides", 1002, 14, 31, 140, 10),
        DlgRadioButton("&Positive side", 1003, 14, 43, 140, 10),
        DlgRadioButton("N&egative side", 1004, 14, 55, 140, 10),
        DlgLText("Elastic ground support &coefficient:", IDC_STATIC, 7, 78, 160, 8),
        DlgEditText(1000, 7, 89, 110, 13, ES_AUTOHSCROLL | WS_GROUP | WS_TABSTOP),
        DlgDefPushButton("OK", IDOK, 175, 7, 50, 14, WS_GROUP | WS_TABSTOP),
        DlgPushButton("Cancel", IDCANCEL, 175, 24, 50, 14, WS_TABSTOP),
        DlgPushButton("&Help", ID_HELP, 175, 41, 50, 14, WS_TABSTOP),
    };
    return t;
}

// Dialog 133: the initial sway imperfection of a load case, two angles as 1/n and their centres.
CDialogTemplate skewStructure() {
    CDialogTemplate t;
    t.caption = "Define Skewness of the Structrue";
    t.style = kModal;
    t.cx = 262;
    t.cy = 146;
    t.items = {
        DlgGroupBox("Vertical skewness", IDC_STATIC, 7, 7, 120, 74),
        DlgLText("Angle:", IDC_STATIC, 14, 20, 40, 8),
        DlgLText("1", IDC_STATIC, 80, 18, 30, 8, SS_CENTER),
        DlgControl("", IDC_STATIC, WC_STATIC, SS_ETCHEDHORZ, 58, 28, 62, 1),
        DlgEditText(1012, 58, 31, 62, 13, ES_AUTOHSCROLL | WS_GROUP | WS_TABSTOP),
        DlgLText("X center:", IDC_STATIC, 14, 52, 40, 8),
        DlgEditText(1013, 58, 50, 62, 13, ES_AUTOHSCROLL | WS_TABSTOP),
        DlgGroupBox("Horizontal skewness", IDC_STATIC, 135, 7, 120, 74),
        DlgLText("Angle:", IDC_STATIC, 142, 20, 40, 8),
        DlgLText("1", IDC_STATIC, 208, 18, 30, 8, SS_CENTER),
        DlgControl("", IDC_STATIC, WC_STATIC, SS_ETCHEDHORZ, 186, 28, 62, 1),
        DlgEditText(1006, 186, 31, 62, 13, ES_AUTOHSCROLL | WS_TABSTOP),
        DlgLText("Z center:", IDC_STATIC, 142, 52, 40, 8),
        DlgEditText(1007, 186, 50, 62, 13, ES_AUTOHSCROLL | WS_TABSTOP),
        DlgLText("Effects of the skewness are not visible on the screen -- the structure will not be drawn in "
                 "the skewed shape. Skewness is used in the analysis, only.",
                 IDC_STATIC, 7, 88, 248, 26),
        DlgDefPushButton("OK", IDOK, 95, 124, 50, 14, WS_GROUP | WS_TABSTOP),
        DlgPushButton("Cancel", IDCANCEL, 150, 124, 50, 14, WS_TABSTOP),
        DlgPushButton("&Help", ID_HELP, 205, 124, 50, 14, WS_TABSTOP),
    };
    return t;
}

// Dialog 151: into how many parts a member is split.
CDialogTemplate elementSplitNumber() {
    CDialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
    t.cx = 186;
    t.cy = 62;
    t.items = {
        DlgLText("Number of element split segments:", IDC_STATIC, 7, 9, 118, 8),
        DlgEditText(1608, 128, 7, 40, 13, ES_AUTOHSCROLL | ES_NUMBER | WS_GROUP | WS_TABSTOP),
        DlgControl("", 1609, UPDOWN_CLASS,
                   UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 168, 7,
                   10, 13),
        DlgDefPushButton("OK", IDOK, 19, 40, 50, 14, WS_GROUP | WS_TABSTOP),
        DlgPushButton("Cancel", IDCANCEL, 74, 40, 50, 14, WS_TABSTOP),
        DlgPushButton("&Help", ID_HELP, 129, 40, 50, 14, WS_TABSTOP),
    };
    return t;
}

// Dialog 160: the drawing extents of the structure.
CDialogTemplate extents2D() {
    CDialogTemplate t;
    t.caption = "Approximate Extents of The Structure";
    t.style = kModal;
    t.cx = 220;
    t.cy = 124;
    t.items = {
        DlgGroupBox("Extents", IDC_STATIC, 7, 7, 206, 48),
        DlgLText("&Left:", IDC_STATIC, 14, 21, 30, 8),
        DlgEditText(1044, 44, 19, 62, 13, ES_AUTOHSCROLL | WS_GROUP | WS_TABSTOP),
        DlgLText("&Right:", IDC_STATIC, 114, 21, 30, 8),
        DlgEditText(1045, 144, 19, 62, 13, ES_AUTOHSCROLL | WS_TABSTOP),
        DlgLText("&Top:", IDC_STATIC, 14, 37, 30, 8),
        DlgEditText(1046, 44, 35, 62, 13, ES_AUTOHSCROLL | WS_TABSTOP),
        DlgLText("&Bottom:", IDC_STATIC, 114, 37, 30, 8),
        DlgEditText(1047, 144, 35, 62, 13, ES_AUTOHSCROLL | WS_TABSTOP),
        DlgLText("Due to selected coordinate system, the top extend must be always smaller than bottom extend.",
                 IDC_STATIC, 7, 62, 206, 18),
        DlgDefPushButton("OK", IDOK, 53, 102, 50, 14, WS_GROUP | WS_TABSTOP),
        DlgPushButton("Cancel", IDCANCEL, 108, 102, 50, 14, WS_TABSTOP),
        DlgPushButton("&Help", ID_HELP, 163, 102, 50, 14, WS_TABSTOP),
    };
    return t;
}

} // namespace

void RegisterStrakonDialogs() {
    CResources& r = CResources::Instance();
    r.AddDialog(132, elasticGround());
    r.AddDialog(133, skewStructure());
    r.AddDialog(151, elementSplitNumber());
    r.AddDialog(160, extents2D());
}

void RegisterStrakonContextMenus() {
    CResources& r = CResources::Instance();
    // The view shows the first popup of a context menu.
    r.AddMenu(IDR_ELEMENT_MENU,
              {MenuPopup("Element Menu",
                         {MenuItem("&Move", ID_ELEMENT_MOVE), MenuItem("&Select", ID_ELEMENT_SELECT),
                          MenuItem("&Delete", ID_ELEMENT_DELETE), MenuSeparator(),
                          MenuPopup("Split &Into", {MenuItem("&2 Elements", ID_SPLIT_2),
                                                    MenuItem("&3 Elements", ID_SPLIT_3),
                                                    MenuItem("&4 Elements", ID_SPLIT_4),
                                                    MenuItem("&5 Elements", ID_SPLIT_5), MenuSeparator(),
                                                    MenuItem("&More ...", ID_SPLIT_MORE)}),
                          MenuItem("&Toggle Truss Releases", ID_ELEMENT_TOGGLE_TRUSS), MenuSeparator(),
                          MenuItem("&Elastic Support ...", ID_ELEMENT_ELASTIC_SUPPORT),
                          MenuPopup("Elastic &Ground Side", {MenuItem("&Positive Side", ID_GROUND_POSITIVE),
                                                             MenuItem("&Negative Side", ID_GROUND_NEGATIVE),
                                                             MenuItem("&Both Sides", ID_GROUND_BOTH),
                                                             MenuItem("N&one", ID_GROUND_NONE)}),
                          MenuSeparator(), MenuItem("&Properties ...", ID_ELEMENT_PROPERTIES)})});
    r.AddMenu(IDR_NODE_MENU,
              {MenuPopup("Node Menu",
                         {MenuItem("&Move", ID_NODE_MOVE), MenuItem("&Select", ID_NODE_SELECT),
                          MenuItem("&Delete", ID_NODE_DELETE), MenuSeparator(),
                          MenuPopup("&Toggle Support", {MenuItem("&Vertical (uz)", ID_NODE_TOGGLE_UZ),
                                                        MenuItem("&Horizontal (ux)", ID_NODE_TOGGLE_UX),
                                                        MenuItem("&Rotation (fiy)", ID_NODE_TOGGLE_FIY)}),
                          MenuSeparator(), MenuItem("&Properties", ID_NODE_PROPERTIES)})});
}
