// The pages of the floating property sheets of members, nodes, node loads and
// member loads and of the message sheet (dialogs 104, 131, 134 to 139, 149,
// 150), the load sheets' "New load" menus (149, 151), and the natural support
// symbols of the node sheet (bitmaps 199 to 201, drawn by make_support_symbols.py).
#include "resources/ui/StrakonLoadIds.h"
#include "resources/ui/StrakonResources.h"

#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CResources.h"
#include "platform/ui/DlgUi.h"

namespace {

constexpr DWORD kPage = WS_CHILD | WS_CAPTION | DS_SETFONT;
constexpr int kWidth = 250;
constexpr int kHeight = 150;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr DWORD kReadOnly = ES_AUTOHSCROLL | ES_READONLY;

CDialogTemplate page(const char* caption) {
    CDialogTemplate t;
    t.caption = caption;
    t.style = kPage;
    t.cx = kWidth;
    t.cy = kHeight;
    return t;
}

// A three-state box that only its page changes.
CDlgItemTemplate threeState(const char* text, UINT id, int x, int y, int cx) {
    return DlgControl(text, id, WC_BUTTON, BS_3STATE | WS_TABSTOP, x, y, cx, 10);
}

// The spring columns of both sheets: kept for their looks, without a function.
void springRow(std::vector<CDlgItemTemplate>& items, UINT box, int x, int y) {
    items.push_back(DlgCheckBox("Spring", box, x, y, 40, 10, WS_DISABLED));
    items.push_back(DlgPushButton("N/A", IDC_STATIC, x + 44, y - 1, 24, 12, WS_DISABLED));
}

// Dialog 135: name, number and end nodes of one member.
CDialogTemplate elementGeneral() {
    CDialogTemplate t = page("General");
    t.items = {
        DlgLText("Element id (informative):", IDC_STATIC, 7, 10, 100, 8),
        DlgEditText(1019, 110, 8, 60, 12, kReadOnly),
        DlgLText("Start node:", IDC_STATIC, 7, 30, 100, 8),
        DlgComboBox(1018, 110, 28, 60, 120, kList),
        DlgLText("End node:", IDC_STATIC, 7, 48, 100, 8),
        DlgComboBox(1017, 110, 46, 60, 120, kList),
        DlgLText("Name:", IDC_STATIC, 7, 68, 100, 8),
        DlgEditText(1020, 110, 66, 133, 12, ES_AUTOHSCROLL),
    };
    return t;
}

// Dialog 136: the six end releases.
CDialogTemplate elementReleases() {
    CDialogTemplate t = page("Releases");
    t.items = {
        DlgGroupBox("Start node", IDC_STATIC, 7, 7, 236, 60),
        DlgLText("Released", IDC_STATIC, 14, 18, 80, 8),
        DlgLText("Spring", IDC_STATIC, 110, 18, 40, 8, WS_DISABLED),
        DlgLText("Spring id & properties", IDC_STATIC, 160, 18, 80, 8, WS_DISABLED),
        threeState("Rotation y-y", 1071, 14, 29, 90),
        threeState("Horizontal x", 1072, 14, 41, 90),
        threeState("Vertical z", 1073, 14, 53, 90),
        DlgGroupBox("End node", IDC_STATIC, 7, 73, 236, 60),
        DlgLText("Released", IDC_STATIC, 14, 84, 80, 8),
        DlgLText("Spring", IDC_STATIC, 110, 84, 40, 8, WS_DISABLED),
        DlgLText("Spring id & properties", IDC_STATIC, 160, 84, 80, 8, WS_DISABLED),
        threeState("Rotation y-y", 1074, 14, 95, 90),
        threeState("Horizontal x", 1075, 14, 107, 90),
        threeState("Vertical z", 1076, 14, 119, 90),
    };
    springRow(t.items, 1042, 110, 29);
    springRow(t.items, 1043, 110, 41);
    springRow(t.items, 1044, 110, 53);
    springRow(t.items, 1048, 110, 95);
    springRow(t.items, 1049, 110, 107);
    springRow(t.items, 1050, 110, 119);
    return t;
}

// Dialog 137: the cross-section and its values.
CDialogTemplate elementCrossSection() {
    CDialogTemplate t = page("Cross-section");
    t.items = {
        DlgLText("Cross-section:", IDC_STATIC, 7, 10, 60, 8),
        DlgComboBox(1040, 70, 8, 173, 120, kList),
        DlgGroupBox("Properties", IDC_STATIC, 7, 28, 236, 96),
        DlgLText("A:", IDC_STATIC, 14, 42, 50, 8),
        DlgEditText(1042, 70, 40, 110, 12, kReadOnly),
        DlgLText("Iy:", IDC_STATIC, 14, 58, 50, 8),
        DlgEditText(1043, 70, 56, 110, 12, kReadOnly),
        DlgLText("Wy:", IDC_STATIC, 14, 74, 50, 8),
        DlgEditText(1044, 70, 72, 110, 12, kReadOnly),
        DlgLText("iy:", IDC_STATIC, 14, 90, 50, 8),
        DlgEditText(1045, 70, 88, 110, 12, kReadOnly),
        DlgLText("Reinforcement:", IDC_STATIC, 14, 106, 54, 8),
        DlgEditText(1046, 70, 104, 40, 12, kReadOnly),
    };
    return t;
}

// Dialog 138: the leading and the reinforcement material.
CDialogTemplate elementMaterial() {
    CDialogTemplate t = page("Material");
    t.items = {
        DlgGroupBox("Material 1 (leading material)", IDC_STATIC, 7, 7, 236, 50),
        DlgComboBox(1043, 14, 19, 222, 120, kList),
        DlgLText("E:", IDC_STATIC, 14, 39, 20, 8),
        DlgEditText(1044, 36, 37, 110, 12, kReadOnly | WS_DISABLED),
        DlgGroupBox("Material 2 (reinforcement material)", IDC_STATIC, 7, 63, 236, 50),
        DlgComboBox(1045, 14, 75, 222, 120, kList),
        DlgLText("E:", IDC_STATIC, 14, 95, 20, 8),
        DlgEditText(1046, 36, 93, 110, 12, kReadOnly | WS_DISABLED),
    };
    return t;
}

// Dialog 131: the elastic ground of linear members.
CDialogTemplate elementGround() {
    CDialogTemplate t = page("Elastic Ground Support");
    t.items = {
        DlgGroupBox("Side", IDC_STATIC, 7, 7, 120, 62),
        DlgRadioButton("&No ground supp.", 1001, 14, 19, 108, 10, WS_GROUP | WS_TABSTOP),
        DlgRadioButton("&Both sides", 1002, 14, 31, 108, 10),
        DlgRadioButton("&Positive side", 1003, 14, 43, 108, 10),
        DlgRadioButton("N&egative side", 1004, 14, 55, 108, 10),
        DlgLText("Coefficient of subgrade reaction:", IDC_STATIC, 7, 78, 150, 8),
        DlgEditText(1000, 7, 89, 120, 12, ES_AUTOHSCROLL | WS_GROUP | WS_TABSTOP),
        DlgLText("These options are available for linear elements only. Non-linear elements can not be put on "
                 "the elastic ground.",
                 IDC_STATIC, 7, 110, 236, 18),
    };
    return t;
}

// Dialog 104: number, name and coordinates of one node.
CDialogTemplate nodeCoordinates() {
    CDialogTemplate t = page("Coordinates && Name");
    t.items = {
        DlgLText("Nodal id (informative):", IDC_STATIC, 7, 10, 90, 8),
        DlgEditText(1002, 100, 8, 60, 12, kReadOnly),
        DlgGroupBox("Coordinates", IDC_STATIC, 7, 26, 236, 46),
        DlgLText("&Horizontal [x]:", IDC_STATIC, 14, 40, 80, 8),
        DlgEditText(1000, 100, 38, 110, 12, ES_AUTOHSCROLL),
        DlgLText("&Vertical [z]:", IDC_STATIC, 14, 56, 80, 8),
        DlgEditText(1001, 100, 54, 110, 12, ES_AUTOHSCROLL),
        DlgLText("Name:", IDC_STATIC, 7, 84, 90, 8),
        DlgEditText(1568, 100, 82, 143, 12, ES_AUTOHSCROLL),
    };
    return t;
}

// Dialog 134: the supports and the natural support symbol of nodes.
CDialogTemplate nodeSupports() {
    CDialogTemplate t = page("Supports");
    t.items = {
        DlgGroupBox("Supported directions", IDC_STATIC, 7, 7, 236, 52),
        threeState("Horizontal x", 1066, 14, 19, 90),
        threeState("Vertical z", 1067, 14, 31, 90),
        threeState("Rotation y-y", 1068, 14, 43, 90),
        DlgGroupBox("Symbol", IDC_STATIC, 7, 63, 236, 80),
        threeState("&Use natural symbol", 1422, 14, 75, 100),
        DlgLText("Symbol rotation [°]:", 1429, 14, 91, 80, 8),
        DlgComboBox(1043, 14, 102, 60, 80, kList),
        DlgControl("", 1425, WC_STATIC, SS_BLACKFRAME, 150, 78, 34, 34),
        DlgControl("", 1426, WC_STATIC, SS_BITMAP | SS_CENTERIMAGE, 152, 80, 30, 30),
        DlgLText("Natural symbol is not available for this combination of suppotted directions!", 1430, 14, 91,
                 222, 18),
        DlgLText("Note:\nSprings are not available in this version.", IDC_STATIC, 100, 120, 140, 20),
    };
    springRow(t.items, 1069, 110, 19);
    springRow(t.items, 1070, 110, 31);
    springRow(t.items, 1071, 110, 43);
    return t;
}

// Dialog 139: one centred text between two lines.
CDialogTemplate message() {
    CDialogTemplate t = page("Message");
    t.items = {
        DlgControl("", IDC_STATIC, WC_STATIC, SS_ETCHEDHORZ, 7, 50, 236, 1),
        DlgLText("", 1045, 7, 64, 236, 20, SS_CENTER),
        DlgControl("", IDC_STATIC, WC_STATIC, SS_ETCHEDHORZ, 7, 96, 236, 1),
    };
    return t;
}

constexpr DWORD kValue = ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kSpin = UDS_ARROWKEYS | UDS_ALIGNRIGHT;

// Dialog 149: the loads of one node in the active action. The displacement
// edits lie over the force edits; the page shows one set.
CDialogTemplate nodeLoads() {
    CDialogTemplate t = page("Nodal Loads");
    t.items = {
        DlgLText("Loads:", IDC_STATIC, 7, 7, 90, 8),
        DlgListBox(IDC_NL_LIST, 7, 17, 90, 86, LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP),
        DlgPushButton("&New load", IDC_NL_NEW, 7, 107, 44, 14, WS_TABSTOP),
        DlgPushButton("&Delete load", IDC_NL_DELETE, 53, 107, 44, 14, WS_TABSTOP),
        DlgLText("Name:", IDC_STATIC, 7, 126, 90, 8),
        DlgEditText(IDC_NL_NAME, 7, 136, 90, 12, kValue),
        DlgLText("Type:", IDC_STATIC, 104, 9, 24, 8),
        DlgEditText(IDC_NL_TYPE, 130, 7, 113, 12, kReadOnly),
        DlgLText("Force Vector: (World Coor. Sys.)", IDC_NL_HEADING, 104, 28, 139, 8),
        DlgLText("Fx:", IDC_NL_LABEL1, 104, 44, 20, 8),
        DlgLText("Fz:", IDC_NL_LABEL2, 104, 60, 20, 8),
        DlgLText("My:", IDC_NL_LABEL3, 104, 76, 20, 8),
        DlgEditText(IDC_NL_FX, 126, 42, 117, 12, kValue),
        DlgEditText(IDC_NL_FZ, 126, 58, 117, 12, kValue),
        DlgEditText(IDC_NL_MY, 126, 74, 117, 12, kValue),
        DlgEditText(IDC_NL_UX, 126, 42, 117, 12, kValue),
        DlgEditText(IDC_NL_UZ, 126, 58, 117, 12, kValue),
        DlgEditText(IDC_NL_FIY, 126, 74, 117, 12, kValue),
    };
    return t;
}

// Dialog 150: the loads of one member in the active action. The controls of
// the three kinds (concentrated force, linear load, temperature) lie over each
// other; the page shows those of the selected load's kind.
CDialogTemplate elementLoads() {
    CDialogTemplate t = page("Element Loads");
    t.cx = 300;
    t.cy = 190;
    t.items = {
        DlgLText("Loads:", IDC_STATIC, 7, 7, 93, 8),
        DlgListBox(IDC_EL_LIST, 7, 17, 93, 122, LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP),
        DlgPushButton("&New Load", IDC_EL_NEW, 7, 143, 45, 14, WS_TABSTOP),
        DlgPushButton("&Delete Load", IDC_EL_DELETE, 55, 143, 45, 14, WS_TABSTOP),
        DlgLText("Name:", IDC_STATIC, 7, 162, 93, 8),
        DlgEditText(IDC_EL_NAME, 7, 172, 93, 12, kValue),
        DlgLText("Type:", IDC_STATIC, 106, 9, 26, 8),
        DlgEditText(IDC_EL_TYPE, 134, 7, 80, 12, kReadOnly),

        DlgGroupBox("Force vector", IDC_EL_FORCE_GROUP, 106, 24, 187, 76),
        DlgLText("Fx:", IDC_EL_FX_LABEL, 113, 38, 20, 8),
        DlgEditText(IDC_EL_FX, 135, 36, 110, 12, kValue | WS_GROUP),
        DlgLText("Fz:", IDC_EL_FZ_LABEL, 113, 53, 20, 8),
        DlgEditText(IDC_EL_FZ, 135, 51, 110, 12, kValue),
        DlgLText("My:", IDC_EL_MY_LABEL, 113, 68, 20, 8),
        DlgEditText(IDC_EL_MY, 135, 66, 110, 12, kValue),
        DlgCheckBox("&World coor. system", IDC_EL_FORCE_WORLD, 113, 84, 120, 10, WS_TABSTOP),
        DlgGroupBox("Application point", IDC_EL_POINT_GROUP, 106, 104, 187, 32),
        DlgLText("&Rel.:", IDC_EL_REL_LABEL, 113, 118, 20, 8),
        DlgEditText(IDC_EL_FORCE_REL, 135, 116, 48, 12, kValue),
        DlgControl("", IDC_EL_FORCE_SPIN, UPDOWN_CLASS, kSpin, 183, 116, 10, 12),
        DlgLText("A&bs.:", IDC_EL_ABS_LABEL, 199, 118, 22, 8),
        DlgEditText(IDC_EL_FORCE_ABS, 221, 116, 66, 12, kValue),

        DlgGroupBox("Load vector", IDC_EL_LINEAR_GROUP, 106, 24, 187, 78),
        DlgLText("Start", IDC_EL_LINEAR_START_HEAD, 133, 34, 70, 8),
        DlgLText("End", IDC_EL_LINEAR_END_HEAD, 212, 34, 70, 8),
        DlgLText("Fx:", IDC_EL_LINEAR_FX_LABEL, 113, 46, 18, 8),
        DlgEditText(IDC_EL_FX_START, 133, 44, 76, 12, kValue | WS_GROUP),
        DlgEditText(IDC_EL_FX_END, 212, 44, 76, 12, kValue),
        DlgLText("Fz:", IDC_EL_LINEAR_FZ_LABEL, 113, 60, 18, 8),
        DlgEditText(IDC_EL_FZ_START, 133, 58, 76, 12, kValue),
        DlgEditText(IDC_EL_FZ_END, 212, 58, 76, 12, kValue),
        DlgLText("My:", IDC_EL_LINEAR_MY_LABEL, 113, 74, 18, 8),
        DlgEditText(IDC_EL_MY_START, 133, 72, 76, 12, kValue),
        DlgEditText(IDC_EL_MY_END, 212, 72, 76, 12, kValue),
        DlgCheckBox("W&orld coor. system", IDC_EL_LINEAR_WORLD, 113, 88, 120, 10, WS_TABSTOP),
        DlgGroupBox("Applies to", IDC_EL_APPLIES_GROUP, 106, 104, 187, 80),
        DlgRadioButton("whole &element", IDC_EL_WHOLE, 113, 115, 72, 10, WS_GROUP | WS_TABSTOP),
        DlgRadioButton("&part of element", IDC_EL_PART, 190, 115, 80, 10),
        DlgLText("Relative", IDC_EL_REL_HEAD, 140, 128, 50, 8),
        DlgLText("Absolute", IDC_EL_ABS_HEAD, 206, 128, 60, 8),
        DlgLText("Start:", IDC_EL_START_LABEL, 113, 141, 26, 8),
        DlgEditText(IDC_EL_START_REL, 140, 139, 48, 12, kValue | WS_GROUP),
        DlgControl("", IDC_EL_START_SPIN, UPDOWN_CLASS, kSpin, 188, 139, 10, 12),
        DlgEditText(IDC_EL_START_ABS, 206, 139, 81, 12, kValue),
        DlgLText("End:", IDC_EL_END_LABEL, 113, 156, 26, 8),
        DlgEditText(IDC_EL_END_REL, 140, 154, 48, 12, kValue),
        DlgControl("", IDC_EL_END_SPIN, UPDOWN_CLASS, kSpin, 188, 154, 10, 12),
        DlgEditText(IDC_EL_END_ABS, 206, 154, 81, 12, kValue),
        DlgCheckBox("World coor. sys.", IDC_EL_POSITION_WORLD, 113, 170, 120, 10, WS_TABSTOP),

        DlgGroupBox("Temperature differences", IDC_EL_TEMP_GROUP, 106, 24, 187, 76),
        DlgControl("", IDC_EL_TEMP_PICTURE, WC_STATIC, SS_ENHMETAFILE | SS_SUNKEN, 113, 36, 64, 48),
        DlgLText("At the &top (negative) side:", IDC_EL_TEMP_TOP_LABEL, 182, 36, 106, 8),
        DlgEditText(IDC_EL_TEMP_TOP, 182, 46, 106, 12, kValue | WS_GROUP),
        DlgLText("At the &bottom (positive) side:", IDC_EL_TEMP_BOTTOM_LABEL, 182, 64, 106, 8),
        DlgEditText(IDC_EL_TEMP_BOTTOM, 182, 74, 106, 12, kValue),
    };
    return t;
}

} // namespace

void AddPropertySheetDialogs(CResources& r) {
    r.AddDialog(104, nodeCoordinates());
    r.AddDialog(131, elementGround());
    r.AddDialog(134, nodeSupports());
    r.AddDialog(135, elementGeneral());
    r.AddDialog(136, elementReleases());
    r.AddDialog(137, elementCrossSection());
    r.AddDialog(138, elementMaterial());
    r.AddDialog(139, message());
    r.AddDialog(149, nodeLoads());
    r.AddDialog(150, elementLoads());
    r.AddMenu(IDR_NODE_LOAD_NEW,
              {MenuPopup("New Load", {MenuItem("Concentrated force", ID_NEW_NODE_FORCE),
                                      MenuItem("Prescribed displacement", ID_NEW_NODE_DISPLACEMENT)})});
    r.AddMenu(IDR_ELEMENT_LOAD_NEW,
              {MenuPopup("Load", {MenuItem("Concentrated", ID_NEW_ELEMENT_CONCENTRATED),
                                  MenuItem("Linear", ID_NEW_ELEMENT_LINEAR),
                                  MenuItem("Temperature", ID_NEW_ELEMENT_TEMPERATURE)})});
    r.AddBitmap(199, ":/strakon/support199.svg");
    r.AddBitmap(200, ":/strakon/support200.svg");
    r.AddBitmap(201, ":/strakon/support201.svg");
}
