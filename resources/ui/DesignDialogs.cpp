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

constexpr DWORD kPageStyle = WS_CHILD | WS_CAPTION;

// Dialog 265: the EC2 factors, a table of design situations by material.
CDialogTemplate safetyFactorsEC2() {
    CDialogTemplate t;
    t.caption = "Eurocode 2";
    t.style = kPageStyle;
    t.cx = 250;
    t.cy = 160;
    t.items = {
        DlgLText("Design situation:", IDC_STATIC, 14, 10, 90, 8),
        DlgLText("concrete", IDC_STATIC, 120, 10, 50, 8),
        DlgLText("steel reinforcement", IDC_STATIC, 175, 10, 70, 8),
        DlgGroupBox("Ultimate limit states", IDC_STATIC, 7, 22, 236, 66),
        DlgLText("&Persistent && transient", IDC_STATIC, 14, 37, 100, 8),
        DlgEditText(IDC_EC2_CONCRETE_PERMANENT, 120, 35, 45, 13, kNumber),
        DlgEditText(IDC_EC2_STEEL_PERMANENT, 175, 35, 45, 13, kNumber),
        DlgLText("&Accidental", IDC_STATIC, 14, 53, 100, 8),
        DlgEditText(IDC_EC2_CONCRETE_ACCIDENTAL, 120, 51, 45, 13, kNumber),
        DlgEditText(IDC_EC2_STEEL_ACCIDENTAL, 175, 51, 45, 13, kNumber),
        DlgLText("&Seismic", IDC_STATIC, 14, 69, 100, 8),
        DlgEditText(IDC_EC2_CONCRETE_SEISMIC, 120, 67, 45, 13, kNumber),
        DlgEditText(IDC_EC2_STEEL_SEISMIC, 175, 67, 45, 13, kNumber),
        DlgGroupBox("Serviceability limit states", IDC_STATIC, 7, 94, 236, 34),
        DlgLText("An&y situation", IDC_STATIC, 14, 109, 100, 8),
        DlgEditText(IDC_EC2_CONCRETE_SERVICEABILITY, 120, 107, 45, 13, kNumber),
        DlgEditText(IDC_EC2_STEEL_SERVICEABILITY, 175, 107, 45, 13, kNumber),
    };
    return t;
}

// Dialog 287: the EC3 factors with what each is for.
CDialogTemplate safetyFactorsEC3() {
    CDialogTemplate t;
    t.caption = "Eurocode 3";
    t.style = kPageStyle;
    t.cx = 250;
    t.cy = 160;
    t.items = {
        DlgGroupBox("Partial safety factors for resistance:", IDC_STATIC, 7, 7, 236, 110),
        DlgLText("Gamma M&0:", IDC_STATIC, 14, 24, 40, 8),
        DlgEditText(IDC_EC3_GAMMA_M0, 56, 22, 40, 13, kNumber),
        DlgLText("Resistance of Class 1, 2 and 3 cross-sections.", IDC_STATIC, 102, 20, 136, 18),
        DlgLText("Gamma M&1:", IDC_STATIC, 14, 48, 40, 8),
        DlgEditText(IDC_EC3_GAMMA_M1, 56, 46, 40, 13, kNumber),
        DlgLText("Resistance of Class 4 cross-sections and member to buckling.", IDC_STATIC, 102, 44, 136, 18),
        DlgLText("Gamma M&2:", IDC_STATIC, 14, 72, 40, 8),
        DlgEditText(IDC_EC3_GAMMA_M2, 56, 70, 40, 13, kNumber),
        DlgLText("Resistance of net section at bolt holes (not used).", IDC_STATIC, 102, 68, 136, 18),
        DlgLText("&Psi vec:", IDC_STATIC, 14, 96, 40, 8),
        DlgEditText(IDC_EC3_PSI_VEC, 56, 94, 40, 13, kNumber),
        DlgLText("Reduction factor for vectorial effects.", IDC_STATIC, 102, 92, 136, 18),
    };
    return t;
}

// Dialog 288: the support widths of a member.
CDialogTemplate supportWidths() {
    CDialogTemplate t;
    t.caption = "Left/right support size settings.";
    t.style = kModal;
    t.cx = 280;
    t.cy = 196;
    t.items = {
        DlgRadioButton("Disable support width effects (conservative approach)", IDC_SUPPORT_WIDTH_OFF, 7, 7, 266,
                       10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP),
        DlgRadioButton("Enable support width effects", IDC_SUPPORT_WIDTH_ON, 7, 20, 266, 10, BS_AUTORADIOBUTTON),
        DlgLText("At element start:", IDC_STATIC, 17, 39, 70, 8),
        DlgEditText(IDC_SUPPORT_WIDTH_LEFT, 90, 37, 60, 13, kNumber | WS_GROUP),
        DlgLText("At element end:", IDC_STATIC, 17, 57, 70, 8),
        DlgEditText(IDC_SUPPORT_WIDTH_RIGHT, 90, 55, 60, 13, kNumber),
        DlgLText("Width from support center line to the inner side of support  (usually this is half of the total "
                 "support width). Press Help for more details.",
                 IDC_STATIC, 7, 78, 266, 26),
        DlgLText("If you are unsure about widths of supports, you should specify zero width!", IDC_STATIC, 7, 108,
                 266, 18),
        DlgLText("A negative width keeps the bending moment uncut at that support; use it where there is no "
                 "support at all (the free end of a cantilever).",
                 IDC_STATIC, 7, 130, 266, 26),
    };
    addButtons(t, 176);
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
    r.AddDialog(IDD_SAFETY_FACTORS_EC2, safetyFactorsEC2());
    r.AddDialog(IDD_SAFETY_FACTORS_EC3, safetyFactorsEC3());
    r.AddDialog(IDD_SUPPORT_WIDTHS, supportWidths());
    r.AddBitmap(IDI_SERVICEABILITY_TAB, ":/strakon/design/serviceability266.svg");
    r.AddBitmap(IDI_ULTIMATE_TAB, ":/strakon/design/ultimate267.svg");
    r.AddCustom("METAFILE", IDM_BARS_BOTTOM, ":/strakon/design/bars_bottom.svg");
    r.AddCustom("METAFILE", IDM_BARS_TOP, ":/strakon/design/bars_top.svg");
    r.AddCustom("METAFILE", IDM_STIRRUPS, ":/strakon/design/stirrups.svg");
    r.AddBitmap(IDI_MATERIAL_BUTTON, ":/strakon/design/material281.svg");
    r.AddBitmap(IDI_LOAD_ABOVE, ":/strakon/design/load_above283.svg");
    r.AddBitmap(IDI_LOAD_BELOW, ":/strakon/design/load_below284.svg");
    r.AddBitmap(IDI_LOAD_CENTRE, ":/strakon/design/load_centre285.svg");
}
