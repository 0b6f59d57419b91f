// The resources of the loads window, the load-combinations window and the
// envelope form: the load input dialogs with their pictures (drawn by
// resources/tools/make_load_pictures.py), the envelope form, the menus and the
// load-combinations toolbar with the limit-state images.
#include "platform/ui/AfxRes.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CResources.h"
#include "platform/ui/DlgUi.h"
#include "resources/ui/StrakonLoadIds.h"
#include "resources/ui/StrakonResourceIds.h"
#include "resources/ui/StrakonResources.h"

namespace {

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kSpin = UDS_ARROWKEYS | UDS_ALIGNRIGHT;

void labelled(CDialogTemplate& t, const char* label, UINT id, int x, int y, int labelWidth, int editWidth,
              DWORD style = kEdit) {
    t.items.push_back(DlgLText(label, IDC_STATIC, x, y + 2, labelWidth, 8));
    t.items.push_back(DlgEditText(id, x + labelWidth, y, editWidth, 12, style));
}

void okCancelHelp(CDialogTemplate& t, int x, int y) {
    t.items.push_back(DlgDefPushButton("OK", IDOK, x, y, 50, 14, WS_GROUP | WS_TABSTOP));
    t.items.push_back(DlgPushButton("Cancel", IDCANCEL, x, y + 17, 50, 14, WS_TABSTOP));
    t.items.push_back(DlgPushButton("&Help", ID_HELP, x, y + 34, 50, 14, WS_TABSTOP));
}

CDialogTemplate modal(const char* caption, int cx, int cy) {
    CDialogTemplate t;
    t.caption = caption;
    t.style = kModal;
    t.cx = cx;
    t.cy = cy;
    return t;
}

// Dialog 158: a concentrated force and moment on a node or at a point of a member.
CDialogTemplate concentratedForce() {
    CDialogTemplate t = modal("Concentrated Force", 248, 162);
    t.items.push_back(DlgGroupBox("Force", IDC_STATIC, 7, 7, 176, 62));
    labelled(t, "Fx:", IDC_FORCE_FX, 14, 19, 26, 148, kEdit | WS_GROUP);
    labelled(t, "Fz:", IDC_FORCE_FZ, 14, 35, 26, 148);
    labelled(t, "My:", IDC_FORCE_MY, 14, 51, 26, 148);
    t.items.push_back(DlgGroupBox("Load &name", IDC_STATIC, 7, 73, 176, 28));
    t.items.push_back(DlgEditText(IDC_FORCE_NAME, 14, 84, 162, 12, kEdit));
    t.items.push_back(DlgGroupBox("System", IDC_STATIC, 7, 105, 56, 50));
    t.items.push_back(DlgRadioButton("&World", IDC_FORCE_WORLD, 14, 118, 45, 10, WS_GROUP | WS_TABSTOP));
    t.items.push_back(DlgRadioButton("&Local", IDC_FORCE_LOCAL, 14, 134, 45, 10));
    t.items.push_back(DlgGroupBox("Position", IDC_STATIC, 68, 105, 115, 50));
    labelled(t, "Rel.:", IDC_FORCE_RELATIVE, 75, 117, 24, 60, kEdit | WS_GROUP);
    t.items.push_back(DlgControl("", IDC_FORCE_SPIN, UPDOWN_CLASS, kSpin, 159, 117, 10, 12));
    labelled(t, "Abs.:", IDC_FORCE_ABSOLUTE, 75, 135, 24, 80);
    okCancelHelp(t, 191, 7);
    return t;
}

// Dialog 198: a prescribed displacement of a supported node.
CDialogTemplate displacement() {
    CDialogTemplate t = modal("Prescribed Nodal Displacements", 236, 140);
    t.items.push_back(DlgGroupBox("Displacements", IDC_STATIC, 7, 7, 164, 62));
    labelled(t, "Ux:", IDC_DISPLACEMENT_UX, 14, 19, 26, 136, kEdit | WS_GROUP);
    labelled(t, "Uz:", IDC_DISPLACEMENT_UZ, 14, 35, 26, 136);
    labelled(t, "Fiy:", IDC_DISPLACEMENT_FIY, 14, 51, 26, 136);
    t.items.push_back(DlgGroupBox("Load &name", IDC_STATIC, 7, 73, 164, 28));
    t.items.push_back(DlgEditText(IDC_DISPLACEMENT_NAME, 14, 84, 150, 12, kEdit));
    t.items.push_back(DlgLText("Note:\nDisplacement load is always set in the world (global) coordinate sytem!",
                               IDC_STATIC, 7, 107, 164, 26));
    okCancelHelp(t, 179, 7);
    return t;
}

// Dialog 175: a distributed load on a member, on the whole member or on a part of it.
CDialogTemplate linearLoad() {
    CDialogTemplate t = modal("Element Linear Load", 426, 214);
    t.items.push_back(DlgControl("", IDC_LINEAR_PICTURE, WC_STATIC, SS_ENHMETAFILE | SS_SUNKEN, 7, 7, 150, 112));
    t.items.push_back(DlgGroupBox("Direction system", IDC_STATIC, 7, 123, 72, 40));
    t.items.push_back(DlgRadioButton("&World", IDC_LINEAR_DIRECTION_WORLD, 14, 135, 60, 10, WS_GROUP | WS_TABSTOP));
    t.items.push_back(DlgRadioButton("&Local", IDC_LINEAR_DIRECTION_LOCAL, 14, 148, 60, 10));
    t.items.push_back(DlgGroupBox("Position system", IDC_STATIC, 85, 123, 72, 40));
    t.items.push_back(DlgRadioButton("W&orld", IDC_LINEAR_POSITION_WORLD, 92, 135, 60, 10, WS_GROUP | WS_TABSTOP));
    t.items.push_back(DlgRadioButton("Lo&cal", IDC_LINEAR_POSITION_LOCAL, 92, 148, 60, 10));
    t.items.push_back(DlgGroupBox("Load &name", IDC_STATIC, 7, 167, 150, 40));
    t.items.push_back(DlgEditText(IDC_LINEAR_NAME, 14, 178, 136, 12, kEdit | WS_GROUP));
    t.items.push_back(DlgLText("(Optional)", IDC_STATIC, 14, 193, 80, 8));

    t.items.push_back(DlgGroupBox("Load vector", IDC_STATIC, 163, 7, 200, 82));
    t.items.push_back(DlgRadioButton("Uniform", IDC_LINEAR_UNIFORM, 170, 19, 55, 10, WS_GROUP | WS_TABSTOP));
    t.items.push_back(DlgRadioButton("Linear", IDC_LINEAR_LINEAR, 230, 19, 55, 10));
    t.items.push_back(DlgLText("Start", IDC_STATIC, 190, 33, 80, 8));
    t.items.push_back(DlgLText("End", IDC_STATIC, 276, 33, 80, 8));
    const struct {
        const char* label;
        UINT start, end;
    } rows[] = {{"Fx:", IDC_LINEAR_FX_START, IDC_LINEAR_FX_END},
                {"Fz:", IDC_LINEAR_FZ_START, IDC_LINEAR_FZ_END},
                {"My:", IDC_LINEAR_MY_START, IDC_LINEAR_MY_END}};
    int y = 43;
    for (const auto& row : rows) {
        labelled(t, row.label, row.start, 170, y, 20, 82, kEdit | (y == 43 ? WS_GROUP : 0));
        t.items.push_back(DlgEditText(row.end, 276, y, 82, 12, kEdit));
        y += 15;
    }

    t.items.push_back(DlgGroupBox("Position", IDC_STATIC, 163, 93, 200, 60));
    t.items.push_back(DlgLText("Relative", IDC_STATIC, 210, 104, 60, 8));
    t.items.push_back(DlgLText("Absolute", IDC_STATIC, 276, 104, 60, 8));
    labelled(t, "&Start at:", IDC_LINEAR_START, 170, 114, 40, 50, kEdit | WS_GROUP);
    t.items.push_back(DlgControl("", IDC_LINEAR_START_SPIN, UPDOWN_CLASS, kSpin, 260, 114, 10, 12));
    t.items.push_back(DlgEditText(IDC_LINEAR_START_ABS, 276, 114, 82, 12, kEdit));
    labelled(t, "&End at:", IDC_LINEAR_END, 170, 132, 40, 50);
    t.items.push_back(DlgControl("", IDC_LINEAR_END_SPIN, UPDOWN_CLASS, kSpin, 260, 132, 10, 12));
    t.items.push_back(DlgEditText(IDC_LINEAR_END_ABS, 276, 132, 82, 12, kEdit));
    okCancelHelp(t, 369, 7);
    return t;
}

// Dialog 159: the temperatures of the two faces of a member.
CDialogTemplate temperatureLoad() {
    CDialogTemplate t = modal("Temperature Load", 197, 98);
    t.items.push_back(DlgControl("", IDC_TEMPERATURE_PICTURE, WC_STATIC, SS_ENHMETAFILE | SS_SUNKEN, 7, 7, 72, 54));
    labelled(t, "&Neg (-z):", IDC_TEMPERATURE_NEG, 84, 9, 36, 74, kEdit | WS_GROUP);
    labelled(t, "&Pos (+z):", IDC_TEMPERATURE_POS, 84, 27, 36, 74);
    labelled(t, "N&ame:", IDC_TEMPERATURE_NAME, 84, 45, 36, 74);
    t.items.push_back(DlgDefPushButton("OK", IDOK, 31, 77, 50, 14, WS_GROUP | WS_TABSTOP));
    t.items.push_back(DlgPushButton("Cancel", IDCANCEL, 86, 77, 50, 14, WS_TABSTOP));
    t.items.push_back(DlgPushButton("&Help", ID_HELP, 141, 77, 50, 14, WS_TABSTOP));
    return t;
}

// Form 145: the envelopes of the structure.
CDialogTemplate envelopeForm() {
    CDialogTemplate t;
    t.style = WS_CHILD;
    t.cx = 330;
    t.cy = 226;
    t.items = {
        DlgGroupBox("En&velopes", IDC_STATIC, 7, 7, 110, 212),
        DlgListBox(IDC_ENV_LIST, 14, 19, 96, 138, LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP),
        DlgLText("Name:", IDC_STATIC, 14, 162, 40, 8),
        DlgEditText(IDC_ENV_NAME, 14, 172, 96, 12, kEdit),
        DlgPushButton("&Add New", IDC_ENV_ADD, 14, 195, 46, 14, WS_TABSTOP),
        DlgPushButton("&Delete", IDC_ENV_DELETE, 64, 195, 46, 14, WS_TABSTOP),
        DlgGroupBox("Leading &quantity", IDC_STATIC, 124, 7, 92, 100),
        DlgRadioButton("M&y", IDC_ENV_MY, 131, 19, 80, 10, WS_GROUP | WS_TABSTOP),
        DlgRadioButton("F&x", IDC_ENV_FX, 131, 31, 80, 10),
        DlgRadioButton("F&z", IDC_ENV_FZ, 131, 43, 80, 10),
        DlgRadioButton("&fi", IDC_ENV_FI, 131, 55, 80, 10),
        DlgRadioButton("&ux", IDC_ENV_UX, 131, 67, 80, 10),
        DlgRadioButton("uz", IDC_ENV_UZ, 131, 79, 80, 10),
        DlgRadioButton("contact &pressure", IDC_ENV_PRESSURE, 131, 91, 80, 10),
        DlgGroupBox("Load case filter", IDC_STATIC, 222, 7, 101, 62),
        DlgCheckBox("U&ltimate", IDC_ENV_ULTIMATE, 229, 19, 88, 10, WS_GROUP | WS_TABSTOP),
        DlgCheckBox("&Serviceability", IDC_ENV_SERVICEABILITY, 229, 31, 88, 10, WS_TABSTOP),
        DlgCheckBox("&Creeping", IDC_ENV_CREEPING, 229, 43, 88, 10, WS_TABSTOP),
        DlgCheckBox("Skewness", IDC_ENV_SKEWNESS, 229, 55, 88, 10, WS_DISABLED),
        DlgGroupBox("Load case selection", IDC_STATIC, 222, 72, 101, 35),
        DlgRadioButton("Au&tomatic", IDC_ENV_AUTOMATIC, 229, 83, 88, 10, WS_GROUP | WS_TABSTOP),
        DlgRadioButton("&Manual", IDC_ENV_MANUAL, 229, 95, 88, 10),
        DlgGroupBox("Load cases used in envelope", IDC_ENV_CASES_GROUP, 124, 112, 199, 107),
        DlgLText("S&elected:", IDC_STATIC, 131, 123, 76, 8),
        DlgListBox(IDC_ENV_SELECTED, 131, 133, 76, 80, LBS_NOTIFY | LBS_MULTIPLESEL | WS_VSCROLL | WS_TABSTOP),
        DlgPushButton(">", IDC_ENV_REMOVE, 214, 150, 16, 14, WS_TABSTOP),
        DlgPushButton("<", IDC_ENV_ADD_CASES, 214, 172, 16, 14, WS_TABSTOP),
        DlgLText("&Not selected:", IDC_STATIC, 239, 123, 76, 8),
        DlgListBox(IDC_ENV_NOT_SELECTED, 239, 133, 76, 80,
                   LBS_NOTIFY | LBS_MULTIPLESEL | WS_VSCROLL | WS_TABSTOP),
    };
    return t;
}

// The loads window's commands, in the order of its menu.
CMenuItemDef loadsPopup() {
    return MenuPopup("&Loads", {MenuItem("&Select", ID_SELECT), MenuSeparator(),
                                MenuItem("Concentrated Force", ID_ADD_FORCE),
                                MenuItem("Prescribed Displacement", ID_PRESCRIBE_DISPLACEMENT), MenuSeparator(),
                                MenuItem("Uniform Force", ID_ADD_ELEMENT_LOAD),
                                MenuItem("Linear Force 2Pts", ID_ADD_LINEAR_FORCE_2PTS),
                                MenuItem("Uniform Force 2Pts", ID_ADD_PARTIAL_ELEMENT_LOAD), MenuSeparator(),
                                MenuItem("Temperature Load", ID_ADD_TEMPERATURE_LOAD)});
}

CMenuItemDef loadManagerPopup() {
    return MenuPopup("&Load Manager",
                     {MenuPopup("&Add", {MenuItem("Load &Case", ID_ADD_LOAD_CASE), MenuItem("&Action", ID_ADD_ACTION)}),
                      MenuPopup("&Remove",
                                {MenuItem("Load &Case", ID_REMOVE_LOAD_CASE), MenuItem("&Action", ID_REMOVE_ACTION)}),
                      MenuSeparator(), MenuItem("&Properties", ID_LOAD_CASE_PROPERTIES)});
}

// The menu of the load-combinations and envelope windows: the main frame's with
// an Edit menu (the commands of the structure and the table's clipboard, whose
// keys the table takes itself) after File and the window's own popup before "&Window".
std::vector<CMenuItemDef> tableMenu(CMenuItemDef own) {
    std::vector<CMenuItemDef> menu = StrakonFrameMenu();
    menu.insert(menu.begin() + 1,
                MenuPopup("&Edit", {MenuItem("&Undo\tCtrl+Z", ID_EDIT_UNDO), MenuItem("&Redo\tCtrl+Y", ID_EDIT_REDO),
                                    MenuSeparator(), MenuItem("Cu&t\tCtrl+X", ID_EDIT_CUT),
                                    MenuItem("&Copy\tCtrl+C", ID_EDIT_COPY), MenuItem("&Paste\tCtrl+V", ID_EDIT_PASTE)}));
    auto at = menu.end();
    for (auto it = menu.begin(); it != menu.end(); ++it)
        if (it->text == "&Window") at = it;
    menu.insert(at, std::move(own));
    return menu;
}

} // namespace

void RegisterStrakonLoadResources() {
    CResources& r = CResources::Instance();
    r.AddDialog(IDD_ENVELOPE_VIEW, envelopeForm());
    r.AddDialog(IDD_CONCENTRATED_FORCE, concentratedForce());
    r.AddDialog(IDD_TEMPERATURE_LOAD, temperatureLoad());
    r.AddDialog(IDD_LINEAR_LOAD, linearLoad());
    r.AddDialog(IDD_DISPLACEMENT, displacement());
    const struct {
        UINT id;
        const char* path;
    } pictures[] = {{IDM_TEMPERATURE_LOAD, ":/strakon/loads/temperature.svg"},
                    {IDM_LINEAR_WORLD_WORLD, ":/strakon/loads/linear_world_world.svg"},
                    {IDM_LINEAR_WORLD_LOCAL, ":/strakon/loads/linear_world_local.svg"},
                    {IDM_LINEAR_LOCAL_LOCAL, ":/strakon/loads/linear_local_local.svg"},
                    {IDM_LINEAR_LOCAL_WORLD, ":/strakon/loads/linear_local_world.svg"}};
    for (const auto& p : pictures)
        r.AddCustom("METAFILE", p.id, p.path);

    // The loads window is a zoom view: it has the structure windows' File, Edit and Zoom commands.
    r.AddMenu(IDR_LOADSTYPE, StrakonStructureViewMenu({}, {loadsPopup()}));
    r.AddMenu(IDR_LOADCOMBINATIONSTYPE, tableMenu(loadManagerPopup()));
    r.AddMenu(IDR_NODE_LOAD_MENU, {MenuPopup("Node Load Menu", {MenuItem("Select", ID_NODE_LOAD_SELECT),
                                                                 MenuItem("Delete", ID_NODE_LOAD_DELETE),
                                                                 MenuItem("Properties ...", ID_NODE_LOAD_PROPERTIES)})});
    r.AddMenu(IDR_ELEMENT_LOAD_MENU,
              {MenuPopup("Element Load Pop", {MenuItem("Select", ID_ELEMENT_LOAD_SELECT),
                                              MenuItem("Delete", ID_ELEMENT_LOAD_DELETE),
                                              MenuItem("Properties", ID_ELEMENT_LOAD_PROPERTIES)})});

    r.AddToolBar(IDR_LOADCOMBINATIONS_TOOLBAR,
                 {16, 15, {ID_ADD_LOAD_CASE, ID_REMOVE_LOAD_CASE, 0, ID_ADD_ACTION, ID_REMOVE_ACTION}});
    r.AddBitmap(IDR_LOADCOMBINATIONS_TOOLBAR, ":/strakon/loads/toolbar176.svg");
    r.AddBitmap(IDB_LIMIT_STATES, ":/strakon/loads/limitstates177.svg");
    r.AddStrings({
        {ID_ADD_LOAD_CASE, "Adds a new load case\nAdd load case"},
        {ID_REMOVE_LOAD_CASE, "Removes the current load case\nRemove load case"},
        {ID_ADD_ACTION, "Adds a new action\nAdd action"},
        {ID_REMOVE_ACTION, "Removes the current action\nRemove action"},
        {ID_LOAD_CASE_PROPERTIES, "Show Load Case/Action Properties."},
    });
}
