// The design dialogs: steel design data and its supports, the bar bands and
// stirrups of concrete members, and the materials of a concrete member; with
// the pictures and icons they show (made by make_design_pictures.py).
#include "resources/ui/StrakonDesignIds.h"
#include "resources/ui/StrakonResources.h"

#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CResources.h"
#include "platform/ui/DlgUi.h"

namespace {

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kChartFrame = SS_BLACKFRAME;
// Editable in place (the tables' own style bit).
constexpr DWORD kEditLabels = 0x0200;
constexpr DWORD kTable = LVS_REPORT | kEditLabels | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kNumber = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr const char* kTableHint =
    "'x' must be given in relative coordinates [0-1]!\nLeft-click a cell to edit its value.\nRight-click a cell to "
    "select a row.";

void addButtons(CDialogTemplate& t, int y) {
    t.items.push_back(DlgDefPushButton("OK", IDOK, t.cx - 171, y, 50, 14, WS_GROUP | WS_TABSTOP));
    t.items.push_back(DlgPushButton("Cancel", IDCANCEL, t.cx - 114, y, 50, 14, WS_TABSTOP));
    t.items.push_back(DlgPushButton("&Help", ID_HELP, t.cx - 57, y, 50, 14, WS_TABSTOP));
}

// Dialog 262: one bar band, three rows of bars and the cover.
CDialogTemplate barDialog() {
    CDialogTemplate t;
    t.caption = "Reinforcement bar editor ...";
    t.style = kModal;
    t.cx = 340;
    t.cy = 262;
    t.items = {
        DlgControl("", IDC_RC_PICTURE, WC_STATIC, SS_ENHMETAFILE | SS_SUNKEN, 7, 7, 126, 96),
        DlgControl("", IDC_BAR_TABS, WC_TABCONTROL, WS_TABSTOP, 141, 7, 192, 14),
        DlgControl("", IDC_RC_TABLE, WC_LISTVIEW, kTable, 141, 22, 192, 80),
        DlgPushButton("New bar", IDC_RC_NEW_BAR, 141, 107, 55, 14, WS_TABSTOP),
        DlgPushButton("Delete", IDC_RC_DELETE, 201, 107, 55, 14, WS_TABSTOP),
        DlgLText("Concrete Cover:", IDC_STATIC, 7, 110, 60, 8),
        DlgEditText(IDC_BAR_COVER, 70, 108, 50, 13, kNumber),
        DlgLText(kTableHint, IDC_STATIC, 7, 126, 326, 26),
        DlgControl("", IDC_RC_CHART, WC_STATIC, kChartFrame, 7, 154, 326, 82),
    };
    addButtons(t, 242);
    return t;
}

// Dialog 263: the stirrups of a member.
CDialogTemplate stirrupDialog() {
    CDialogTemplate t;
    t.caption = "Stirrups editor ...";
    t.style = kModal;
    t.cx = 340;
    t.cy = 262;
    t.items = {
        DlgControl("", IDC_RC_PICTURE, WC_STATIC, SS_ENHMETAFILE | SS_SUNKEN, 7, 7, 126, 96),
        DlgCheckBox("The element does not have any shear reinforcement.", IDC_NO_STIRRUPS, 141, 7, 192, 10,
                    BS_AUTOCHECKBOX | WS_TABSTOP),
        DlgGroupBox("Stirrups editor:", IDC_STATIC, 141, 20, 192, 110),
        DlgControl("", IDC_RC_TABLE, WC_LISTVIEW, kTable, 147, 31, 180, 74),
        DlgPushButton("New bar", IDC_RC_NEW_BAR, 147, 110, 55, 14, WS_TABSTOP),
        DlgPushButton("Delete", IDC_RC_DELETE, 207, 110, 55, 14, WS_TABSTOP),
        DlgLText(kTableHint, IDC_STATIC, 7, 107, 130, 44),
        DlgControl("", IDC_RC_CHART, WC_STATIC, kChartFrame, 7, 154, 326, 82),
    };
    addButtons(t, 242);
    return t;
}

// Dialog 264: the concrete and the reinforcement of a member.
CDialogTemplate selectElementMaterials() {
    CDialogTemplate t;
    t.caption = "Select element materials ...";
    t.style = kModal;
    t.cx = 262;
    t.cy = 206;
    t.items = {
        DlgLText("&List of concrete materials:", IDC_STATIC, 7, 7, 120, 8),
        DlgListBox(IDC_CONCRETE_LIST, 7, 18, 120, 96, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP),
        DlgLText("List of &reinforcing steel:", IDC_STATIC, 135, 7, 120, 8),
        DlgListBox(IDC_RC_STEEL_LIST, 135, 18, 120, 96, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP),
        DlgPushButton("Material ...", IDC_EDIT_MATERIALS, 7, 120, 80, 22, WS_TABSTOP),
        DlgLText("Note:\nIf the list is empty, create (edit) suitable material first. You need at least one "
                 "\"Concrete\" and one \"Reinforcement Steel\" material.",
                 IDC_STATIC, 7, 148, 248, 34),
    };
    addButtons(t, 186);
    return t;
}

// Dialog 282: the design data of a steel member.
CDialogTemplate steelDesignData() {
    CDialogTemplate t;
    t.caption = "Steel element design data ...";
    t.style = kModal;
    t.cx = 330;
    t.cy = 262;
    t.items = {
        DlgGroupBox("Intemediate supports and buckling lengths:", IDC_STATIC, 7, 7, 316, 152),
        DlgPushButton("YY (strong axis) ...", IDC_SUPPORT_YY, 14, 22, 90, 14, WS_TABSTOP),
        DlgControl("", IDC_CHART_YY, WC_STATIC, kChartFrame, 110, 18, 206, 42),
        DlgPushButton("ZZ (weak axis) ...", IDC_SUPPORT_ZZ, 14, 70, 90, 14, WS_TABSTOP),
        DlgControl("", IDC_CHART_ZZ, WC_STATIC, kChartFrame, 110, 65, 206, 42),
        DlgPushButton("LT (lateral-torsional) ...", IDC_SUPPORT_LT, 14, 117, 90, 14, WS_TABSTOP),
        DlgControl("", IDC_CHART_LT, WC_STATIC, kChartFrame, 110, 112, 206, 42),
        DlgGroupBox("Load position:", IDC_STATIC, 7, 163, 170, 74),
        DlgLText("Unfavourable", IDC_STATIC, 14, 175, 70, 8),
        DlgLText("Favourable", IDC_STATIC, 96, 175, 70, 8),
        // The three radios follow each other: one group.
        DlgRadioButton("Negative", IDC_LOAD_NEGATIVE, 14, 186, 70, 20, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP),
        DlgRadioButton("Indifferent", IDC_LOAD_INDIFFERENT, 14, 210, 70, 20, BS_AUTORADIOBUTTON),
        DlgRadioButton("Positive", IDC_LOAD_POSITIVE, 96, 186, 70, 20, BS_AUTORADIOBUTTON),
        DlgGroupBox("Shear stiffeners:", IDC_STATIC, 183, 163, 140, 74),
        DlgRadioButton("Stiffners are not present", IDC_NO_STIFFENERS, 190, 176, 128, 10,
                       BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP),
        DlgRadioButton("Distance between stiffners:", IDC_STIFFENERS, 190, 190, 128, 10, BS_AUTORADIOBUTTON),
        DlgEditText(IDC_STIFFENER_DISTANCE, 200, 206, 70, 13, kNumber | WS_GROUP),
    };
    addButtons(t, 242);
    return t;
}

// Dialog 286: the supports of one direction and the buckling coefficients of their spans.
CDialogTemplate steelDesignSupports() {
    CDialogTemplate t;
    t.caption = "Supports and buckling lengths ...";
    t.style = kModal;
    t.cx = 340;
    t.cy = 206;
    t.items = {
        DlgRadioButton("Element is fully supported, buckling effects are not possible.", IDC_FULLY_SUPPORTED, 7, 7,
                       326, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP),
        DlgRadioButton("Supports positions and buckling coefficients are given below:", IDC_SUPPORTS_GIVEN, 7, 20,
                       326, 10, BS_AUTORADIOBUTTON),
        DlgLText("Number of supports:", IDC_STATIC, 17, 38, 70, 8),
        DlgEditText(IDC_SUPPORT_COUNT, 90, 36, 30, 13, ES_NUMBER | kNumber | WS_GROUP),
        DlgControl("", IDC_SUPPORT_SPIN, UPDOWN_CLASS,
                   UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 120, 36, 10,
                   13),
        DlgLText("x:", IDC_STATIC, 7, 58, 10, 8),
        DlgLText("K:", IDC_STATIC, 7, 76, 10, 8),
    };
    for (int i = 0; i < 10; ++i)
        t.items.push_back(DlgEditText(IDC_SUPPORT_POSITION + i, 17 + 31 * i, 56, 29, 13, kNumber));
    for (int i = 0; i < 9; ++i)
        t.items.push_back(DlgEditText(IDC_SUPPORT_K + i, 32 + 31 * i, 74, 29, 13, kNumber));
    t.items.push_back(DlgControl("", IDC_SUPPORT_CHART, WC_STATIC, kChartFrame, 7, 94, 326, 86));
    addButtons(t, 186);
    return t;
}

} // namespace

void RegisterStrakonDesignResources() {
    CResources& r = CResources::Instance();
    r.AddDialog(262, barDialog());
    r.AddDialog(263, stirrupDialog());
    r.AddDialog(264, selectElementMaterials());
    r.AddDialog(282, steelDesignData());
    r.AddDialog(286, steelDesignSupports());
    r.AddCustom("METAFILE", IDM_BARS_BOTTOM, ":/strakon/design/bars_bottom.svg");
    r.AddCustom("METAFILE", IDM_BARS_TOP, ":/strakon/design/bars_top.svg");
    r.AddCustom("METAFILE", IDM_STIRRUPS, ":/strakon/design/stirrups.svg");
    r.AddBitmap(IDI_MATERIAL_BUTTON, ":/strakon/design/material281.svg");
    r.AddBitmap(IDI_LOAD_ABOVE, ":/strakon/design/load_above283.svg");
    r.AddBitmap(IDI_LOAD_BELOW, ":/strakon/design/load_below284.svg");
    r.AddBitmap(IDI_LOAD_CENTRE, ":/strakon/design/load_centre285.svg");
}
