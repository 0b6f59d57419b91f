// The dialogs and pages of the material and cross-section editors, and the
// pictures of the section shapes (drawn by resources/tools/make_section_pictures.py).
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CResources.h"
#include "platform/ui/DlgUi.h"
#include "resources/ui/StrakonEditorIds.h"

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kPageStyle = WS_CHILD | WS_CAPTION;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kValue = ES_AUTOHSCROLL | WS_DISABLED;

CDialogTemplate page(const char* caption, int cx, int cy) {
    CDialogTemplate t;
    t.caption = caption;
    t.style = kPageStyle;
    t.cx = cx;
    t.cy = cy;
    return t;
}

// A label left of an edit on one row.
void labelled(CDialogTemplate& t, const char* label, int id, int x, int y, int labelWidth, int editWidth,
              DWORD style = kEdit) {
    t.items.push_back(DlgLText(label, IDC_STATIC, x, y + 2, labelWidth, 8));
    t.items.push_back(DlgEditText(static_cast<UINT>(id), x + labelWidth, y, editWidth, 12, style));
}

// Name and colour, the top row of every page with them.
void nameAndColor(CDialogTemplate& t) {
    labelled(t, "&Name:", IDC_PAGE_NAME, 7, 7, 28, 110);
    t.items.push_back(DlgLText("&Color:", IDC_STATIC, 155, 9, 24, 8));
    t.items.push_back(DlgPushButton("", IDC_PAGE_COLOR, 180, 6, 30, 14, BS_OWNERDRAW));
}

CDialogTemplate editor(const char* caption, const char* listLabel, const int ids[10]) {
    // ids: list, name, id, change id, colour, edit, new, delete, make default, default static.
    CDialogTemplate t;
    t.caption = caption;
    t.style = kDialogStyle;
    t.cx = 187;
    t.cy = 178;
    t.items = {
        DlgLText(listLabel, IDC_STATIC, 7, 7, 110, 8),
        DlgListBox(static_cast<UINT>(ids[0]), 7, 17, 110, 86, LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP),
        DlgPushButton("&Edit ...", static_cast<UINT>(ids[5]), 125, 17, 55, 14),
        DlgPushButton("&New ...", static_cast<UINT>(ids[6]), 125, 35, 55, 14),
        DlgPushButton("&Delete", static_cast<UINT>(ids[7]), 125, 53, 55, 14),
        DlgPushButton("&Make default", static_cast<UINT>(ids[8]), 125, 71, 55, 14),
        DlgLText("&Name:", IDC_STATIC, 7, 112, 24, 8),
        DlgEditText(static_cast<UINT>(ids[1]), 34, 110, 83, 12, kEdit),
        DlgLText("&Id:", IDC_STATIC, 7, 128, 24, 8),
        DlgEditText(static_cast<UINT>(ids[2]), 34, 126, 30, 12, ES_AUTOHSCROLL | WS_DISABLED),
        DlgPushButton("C&hange id ...", static_cast<UINT>(ids[3]), 68, 125, 49, 14),
        DlgLText("&Color:", IDC_STATIC, 125, 112, 24, 8),
        DlgPushButton("", static_cast<UINT>(ids[4]), 150, 109, 30, 14, BS_OWNERDRAW | WS_TABSTOP),
        DlgGroupBox("Default", IDC_STATIC, 7, 139, 173, 16),
        // The default static shows a name, whose "&" is no mnemonic.
        DlgLText("", static_cast<UINT>(ids[9]), 12, 145, 163, 8, SS_CENTER | SS_NOPREFIX),
        DlgDefPushButton("OK", IDOK, 7, 159, 50, 14, WS_GROUP),
        DlgPushButton("Cancel", IDCANCEL, 68, 159, 50, 14),
        DlgPushButton("&Help", IDHELP, 130, 159, 50, 14),
    };
    return t;
}

CDialogTemplate materialEditor() {
    const int ids[10] = {IDC_MATERIAL_LIST,      IDC_MATERIAL_NAME,  IDC_MATERIAL_ID,     IDC_MATERIAL_CHANGE_ID,
                         IDC_MATERIAL_COLOR,     IDC_MATERIAL_EDIT,  IDC_MATERIAL_NEW,    IDC_MATERIAL_DELETE,
                         IDC_MATERIAL_MAKE_DEFAULT, IDC_MATERIAL_DEFAULT};
    return editor("Material Editor", "&Material list:", ids);
}

CDialogTemplate crossSectionEditor() {
    const int ids[10] = {IDC_CS_LIST,  IDC_CS_NAME, IDC_CS_ID,     IDC_CS_CHANGE_ID,    IDC_CS_COLOR,
                         IDC_CS_EDIT,  IDC_CS_NEW,  IDC_CS_DELETE, IDC_CS_MAKE_DEFAULT, IDC_CS_DEFAULT};
    return editor("Cross-section Editor", "&Cross-section list:", ids);
}

const char* const kOptionalNote = "* - These settings are optional and informative, only.";

CDialogTemplate genericMaterial() {
    CDialogTemplate t = page("General", 250, 140);
    nameAndColor(t);
    t.items.push_back(DlgGroupBox("Properties", IDC_STATIC, 7, 26, 236, 92));
    labelled(t, "Elastic &modulus:", IDC_GM_E, 14, 38, 100, 90);
    labelled(t, "*&Shear modulus:", IDC_GM_G, 14, 54, 100, 90);
    labelled(t, "*&Poisson's ratio:", IDC_GM_POISSON, 14, 70, 100, 60);
    labelled(t, "*Densit&y:", IDC_GM_DENSITY, 14, 86, 100, 90);
    labelled(t, "Coef. of &thermal expansion:", IDC_GM_EXPANSION, 14, 102, 100, 90);
    t.items.push_back(DlgLText(kOptionalNote, IDC_STATIC, 7, 124, 236, 8));
    return t;
}

CDialogTemplate steelMaterial() {
    CDialogTemplate t = page("Steel", 250, 188);
    nameAndColor(t);
    t.items.push_back(DlgLText("Materials by design codes:", IDC_STATIC, 7, 26, 110, 8));
    t.items.push_back(DlgComboBox(IDC_STEEL_CODE, 7, 36, 110, 80, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP));
    t.items.push_back(DlgLText("Material:", IDC_STATIC, 125, 26, 110, 8));
    t.items.push_back(DlgComboBox(IDC_STEEL_GRADE, 125, 36, 118, 80, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP));
    t.items.push_back(DlgGroupBox("Properties", IDC_STATIC, 7, 54, 236, 118));
    labelled(t, "Elastic &modulus:", IDC_STEEL_E, 14, 66, 100, 90);
    labelled(t, "*&Shear modulus:", IDC_STEEL_G, 14, 82, 100, 90);
    labelled(t, "*&Yield strength:", IDC_STEEL_FY, 14, 98, 100, 90);
    labelled(t, "*&Ultimate tensile strength:", IDC_STEEL_FU, 14, 114, 100, 90);
    labelled(t, "*&Poisson's ratio:", IDC_STEEL_POISSON, 14, 130, 100, 60);
    labelled(t, "*Densit&y:", IDC_STEEL_DENSITY, 14, 146, 100, 90);
    labelled(t, "Coef. of &thermal expansion:", IDC_STEEL_EXPANSION, 14, 158, 100, 90);
    t.items.push_back(DlgLText(kOptionalNote, IDC_STATIC, 7, 176, 236, 8));
    return t;
}

CDialogTemplate concreteMaterial() {
    CDialogTemplate t = page("Concrete", 250, 200);
    nameAndColor(t);
    t.items.push_back(DlgLText("Code:", IDC_STATIC, 7, 26, 110, 8));
    t.items.push_back(DlgComboBox(IDC_CONCRETE_CODE, 7, 36, 110, 80, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP));
    t.items.push_back(DlgLText("Material:", IDC_STATIC, 125, 26, 110, 8));
    t.items.push_back(
        DlgComboBox(IDC_CONCRETE_GRADE, 125, 36, 118, 80, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP));
    t.items.push_back(DlgGroupBox("Properties", IDC_STATIC, 7, 54, 236, 134));
    labelled(t, "Elastic &modulus:", IDC_CONCRETE_E, 14, 66, 130, 90);
    labelled(t, "*&Shear modulus:", IDC_CONCRETE_G, 14, 82, 130, 90);
    labelled(t, "*Characteristic compressive strength:", IDC_CONCRETE_FCK, 14, 98, 130, 90);
    labelled(t, "*Mean value of tensile strength:", IDC_CONCRETE_FCTM, 14, 114, 130, 90);
    labelled(t, "*&Poisson's ratio:", IDC_CONCRETE_POISSON, 14, 130, 130, 60);
    labelled(t, "*Densit&y:", IDC_CONCRETE_DENSITY, 14, 146, 130, 90);
    labelled(t, "Coef. of &thermal expansion:", IDC_CONCRETE_EXPANSION, 14, 162, 130, 90);
    t.items.push_back(DlgLText(kOptionalNote, IDC_STATIC, 7, 190, 236, 8));
    return t;
}

CDialogTemplate rcSteelMaterial() {
    CDialogTemplate t = page("Reinforcement Steel", 250, 196);
    nameAndColor(t);
    t.items.push_back(DlgGroupBox("Classes of Convenience (EN 10080)", IDC_STATIC, 7, 26, 236, 60));
    t.items.push_back(DlgRadioButton("A (eps uk = 2.5%)", IDC_RCSTEEL_CLASS_A, 14, 38, 100, 10, WS_GROUP | WS_TABSTOP));
    t.items.push_back(DlgRadioButton("B (eps uk = 5.0%)", IDC_RCSTEEL_CLASS_B, 14, 50, 100, 10));
    t.items.push_back(DlgRadioButton("C (eps uk = 7.5%)", IDC_RCSTEEL_CLASS_C, 14, 62, 100, 10));
    t.items.push_back(DlgLText("When in doubt, select class A.", IDC_STATIC, 14, 74, 200, 8, WS_GROUP));
    t.items.push_back(DlgGroupBox("Properties", IDC_STATIC, 7, 90, 236, 76));
    labelled(t, "&Yield strength:", IDC_RCSTEEL_FY, 14, 102, 100, 90);
    labelled(t, "Elastic modulus:", IDC_RCSTEEL_E, 14, 118, 100, 90, kValue);
    labelled(t, "Density:", IDC_RCSTEEL_DENSITY, 14, 134, 100, 90, kValue);
    labelled(t, "Coef. of thermal expansion:", IDC_RCSTEEL_EXPANSION, 14, 150, 100, 90, kValue);
    t.items.push_back(DlgLText("Reinforcement steel information is given according to European Standard "
                               "(pr)EN-1992-1",
                               IDC_STATIC, 7, 172, 236, 18));
    return t;
}

// A shape page: name and colour, the picture, the section values on the right.
CDialogTemplate shapePage(const char* caption, int pictureId) {
    CDialogTemplate t = page(caption, 316, 133);
    nameAndColor(t);
    t.items.push_back(DlgControl("", static_cast<UINT>(pictureId), WC_STATIC, SS_ENHMETAFILE | SS_SUNKEN, 7, 26,
                                 110, 100));
    t.items.push_back(DlgGroupBox("Section values", IDC_STATIC, 232, 22, 77, 104));
    const struct {
        const char* label;
        int id;
    } values[] = {{"A:", IDC_CS_VALUE_A},   {"Iy:", IDC_CS_VALUE_IY}, {"Wy:", IDC_CS_VALUE_WY},
                  {"Iz:", IDC_CS_VALUE_IZ}, {"Wz:", IDC_CS_VALUE_WZ}, {"iy:", IDC_CS_VALUE_IY_RADIUS}};
    int y = 34;
    for (const auto& v : values) {
        labelled(t, v.label, v.id, 237, y, 14, 65, kValue);
        y += 15;
    }
    return t;
}

void dimensions(CDialogTemplate& t, std::initializer_list<std::pair<const char*, int>> rows) {
    int y = 30;
    for (const auto& [label, id] : rows) {
        labelled(t, label, id, 124, y, 45, 58);
        y += 16;
    }
}

CDialogTemplate rectangle() {
    CDialogTemplate t = shapePage("Rectangle", IDC_PICTURE_1497);
    dimensions(t, {{"&Depth:", IDC_RECT_DEPTH}, {"&Breadth:", IDC_RECT_BREADTH}});
    return t;
}

CDialogTemplate circle() {
    CDialogTemplate t = shapePage("Circle", IDC_PICTURE_1496);
    dimensions(t, {{"&Diameter:", IDC_CIRCLE_DIAMETER}});
    return t;
}

CDialogTemplate tube() {
    CDialogTemplate t = shapePage("Tube", IDC_PICTURE_1496);
    dimensions(t, {{"&Outer Diameter (D):", IDC_TUBE_D}, {"&Thickness (t):", IDC_TUBE_T}});
    return t;
}

CDialogTemplate box() {
    CDialogTemplate t = shapePage("Box", IDC_PICTURE_1497);
    dimensions(t, {{"&h:", IDC_BOX_H},
                   {"&b:", IDC_BOX_H + 1},
                   {"&t:", IDC_BOX_H + 2},
                   {"&d:", IDC_BOX_H + 3},
                   {"&c:", IDC_BOX_H + 4},
                   {"&w:", IDC_BOX_H + 5}});
    return t;
}

CDialogTemplate tShape() {
    CDialogTemplate t = shapePage("T", IDC_PICTURE_1498);
    dimensions(t, {{"&Depth:", IDC_T_DEPTH},
                   {"&Breadth:", IDC_T_DEPTH + 1},
                   {"Web &thickness:", IDC_T_DEPTH + 2},
                   {"&Flange thickness:", IDC_T_DEPTH + 3}});
    return t;
}

CDialogTemplate doublySymmetricI() {
    CDialogTemplate t = shapePage("I (double sym.)", IDC_PICTURE_1495);
    t.items.push_back(DlgCheckBox("&Standard sections", IDC_DSI_STANDARD, 124, 22, 100, 10, WS_TABSTOP));
    t.items.push_back(DlgLText("&Group:", IDC_DSI_GROUP_LABEL, 124, 34, 40, 8));
    t.items.push_back(DlgListBox(IDC_DSI_GROUP, 124, 44, 44, 70, LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP));
    t.items.push_back(DlgLText("S&ections:", IDC_DSI_SECTION_LABEL, 172, 34, 55, 8));
    t.items.push_back(DlgListBox(IDC_DSI_SECTION, 172, 44, 55, 70, LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP));
    const struct {
        const char* label;
        int id;
    } dims[] = {{"&h:", IDC_DSI_H}, {"&b:", IDC_DSI_B}, {"&t:", IDC_DSI_T}, {"&d:", IDC_DSI_D}, {"&w:", IDC_DSI_W}};
    int y = 36;
    for (int i = 0; i < 5; ++i) {
        t.items.push_back(DlgLText(dims[i].label, static_cast<UINT>(IDC_DSI_H_LABEL + i), 124, y + 2, 20, 8));
        t.items.push_back(DlgEditText(static_cast<UINT>(dims[i].id), 146, y, 70, 12, kEdit));
        y += 16;
    }
    t.items.push_back(DlgCheckBox("Change 'z' and 'y' axis.", IDC_DSI_SWAP, 124, 117, 105, 10, WS_TABSTOP));
    return t;
}

CDialogTemplate generalSection() {
    CDialogTemplate t = page("General", 316, 160);
    t.items.push_back(DlgGroupBox("Required data", IDC_STATIC, 7, 7, 302, 48));
    labelled(t, "* &A:", IDC_GCS_A, 14, 19, 36, 90);
    labelled(t, "* &Iy:", IDC_GCS_IY, 160, 19, 36, 90);
    labelled(t, "* &height:", IDC_GCS_HEIGHT, 14, 36, 36, 90);
    labelled(t, "* &breadth:", IDC_GCS_BREADTH, 160, 36, 36, 90);
    t.items.push_back(DlgGroupBox("Optional data", IDC_STATIC, 7, 58, 302, 76));
    const struct {
        const char* label;
        int id;
    } optional[] = {{"Vy:", IDC_GCS_VY},   {"&Vz (As):", IDC_GCS_VZ}, {"Ix [torsion]:", IDC_GCS_IX},
                    {"Iz:", IDC_GCS_IZ},   {"Iyz:", IDC_GCS_IYZ},     {"&Sy:", IDC_GCS_SY},
                    {"Sz:", IDC_GCS_SZ},   {"Wy:", IDC_GCS_WY},       {"Wz:", IDC_GCS_WZ},
                    {"Zy:", IDC_GCS_ZY},   {"Zz:", IDC_GCS_ZZ},       {"top z:", IDC_GCS_TOPZ}};
    for (int i = 0; i < 12; ++i)
        labelled(t, optional[i].label, optional[i].id, 14 + (i % 3) * 99, 70 + (i / 3) * 15, 40, 54);
    t.items.push_back(DlgLText("(*) Must be non-zero!", IDC_STATIC, 7, 137, 302, 8));
    t.items.push_back(DlgLText("All other values are optional any may be set to zero. If shear area 'Vz(As)' is "
                               "zero it will be treated as an infinite value.",
                               IDC_STATIC, 7, 146, 302, 14));
    return t;
}

} // namespace

void RegisterStrakonEditorResources() {
    CResources& r = CResources::Instance();
    r.AddDialog(140, genericMaterial());
    r.AddDialog(141, steelMaterial());
    r.AddDialog(142, materialEditor());
    r.AddDialog(143, crossSectionEditor());
    r.AddDialog(144, rectangle());
    r.AddDialog(146, circle());
    r.AddDialog(147, doublySymmetricI());
    r.AddDialog(148, tShape());
    r.AddDialog(174, generalSection());
    r.AddDialog(212, concreteMaterial());
    r.AddDialog(258, tube());
    r.AddDialog(261, box());
    r.AddDialog(266, rcSteelMaterial());
    const struct {
        UINT id;
        const char* path;
    } pictures[] = {{IDM_CS_DSI, ":/strakon/sections/dsi.svg"},
                    {IDM_CS_RECTANGLE, ":/strakon/sections/rectangle.svg"},
                    {IDM_CS_CIRCLE, ":/strakon/sections/circle.svg"},
                    {IDM_CS_T, ":/strakon/sections/t.svg"},
                    {IDM_CS_DSI_STANDARD, ":/strakon/sections/dsi_standard.svg"},
                    {IDM_CS_TUBE, ":/strakon/sections/tube.svg"},
                    {IDM_CS_BOX, ":/strakon/sections/box.svg"}};
    for (const auto& p : pictures)
        r.AddCustom("METAFILE", p.id, p.path);
}
