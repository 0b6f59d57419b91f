// The pages of the output-settings sheet, "Setup Output Content ...": general,
// front page, header and footer, margins, description, geometry and load, results.
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CResources.h"
#include "platform/ui/DlgUi.h"
#include "resources/ui/StrakonResources.h"

namespace {

constexpr DWORD kPageStyle = WS_CHILD | WS_CAPTION;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kDropList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kFontList = kDropList | CBS_SORT | CBS_HASSTRINGS;
constexpr DWORD kMultiLine = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;
// The "print" and "don't print" lists.
constexpr DWORD kNameList = LBS_SORT | LBS_EXTENDEDSEL | LBS_HASSTRINGS | WS_VSCROLL;

CDialogTemplate page(const char* caption, int cx, int cy) {
    CDialogTemplate t;
    t.caption = caption;
    t.style = kPageStyle;
    t.cx = cx;
    t.cy = cy;
    return t;
}

// A pair of name lists with the four buttons between them; ids: print list,
// don't-print list, ">", "<", ">>", "<<".
void nameLists(CDialogTemplate& t, const char* printLabel, const char* dontLabel, const UINT ids[6], int y,
               int height) {
    t.items.push_back(DlgLText(printLabel, IDC_STATIC, 15, y, 100, 8));
    t.items.push_back(DlgListBox(ids[0], 15, y + 10, 112, height, kNameList));
    const char* const arrows[4] = {">", "<", ">>", "<<"};
    const int step = (height - 4) / 4;
    for (int i = 0; i < 4; ++i)
        t.items.push_back(DlgPushButton(arrows[i], ids[2 + i], 134, y + 12 + i * step, 26, 13));
    t.items.push_back(DlgLText(dontLabel, IDC_STATIC, 167, y, 100, 8));
    t.items.push_back(DlgListBox(ids[1], 167, y + 10, 118, height, kNameList));
}

// Dialog 192: fonts, table style, pictures, printer and output language.
CDialogTemplate outputGeneral() {
    CDialogTemplate t = page("General", 300, 212);
    const struct {
        const char* label;
        UINT font;
        UINT size;
    } fonts[] = {{"&Caption font:", 1044, 1384},
                 {"Table && picture &caption font:", 1043, 1385},
                 {"Normal &font:", 1045, 1386}};
    t.items.push_back(DlgGroupBox("Fonts", IDC_STATIC, 7, 7, 286, 62));
    int y = 19;
    for (const auto& f : fonts) {
        t.items.push_back(DlgLText(f.label, IDC_STATIC, 15, y + 2, 110, 8));
        t.items.push_back(DlgComboBox(f.font, 128, y, 110, 150, kFontList));
        t.items.push_back(DlgComboBox(f.size, 244, y, 40, 100, kDropList));
        y += 16;
    }
    t.items.push_back(DlgLText("Table &style:", IDC_STATIC, 15, 83, 50, 8));
    t.items.push_back(DlgComboBox(1046, 66, 81, 75, 80, kDropList));
    t.items.push_back(DlgGroupBox("Output language", IDC_STATIC, 153, 72, 140, 28));
    t.items.push_back(DlgComboBox(1592, 161, 82, 124, 100, kDropList));

    t.items.push_back(DlgGroupBox("Pictures", IDC_STATIC, 7, 104, 140, 84));
    t.items.push_back(DlgRadioButton("As bi&g as posible (allow rotation)", 1366, 15, 116, 128, 10,
                                     WS_GROUP | WS_TABSTOP | WS_DISABLED));
    t.items.push_back(DlgRadioButton("As big as posible (&no rotation)", 1367, 15, 128, 128, 10));
    t.items.push_back(DlgRadioButton("At least &2 pictures per page", 1388, 15, 140, 128, 10));
    t.items.push_back(DlgRadioButton("At least &3 pictures per page", 1389, 15, 152, 128, 10));
    t.items.push_back(DlgCheckBox("&Draw border", 1387, 15, 170, 60, 10, WS_GROUP));
    t.items.push_back(DlgCheckBox("Center ca&ption", 1393, 78, 170, 65, 10));

    t.items.push_back(DlgGroupBox("Printer", IDC_STATIC, 153, 104, 140, 84));
    t.items.push_back(DlgRadioButton("&Use colors if supported by printer", 1394, 161, 116, 128, 10,
                                     WS_GROUP | WS_TABSTOP | WS_DISABLED));
    t.items.push_back(DlgRadioButton("Black && &white", 1395, 161, 128, 128, 10, WS_DISABLED));
    t.items.push_back(DlgCheckBox("M&irror margins", 1400, 161, 146, 128, 10, WS_GROUP | WS_DISABLED));

    t.items.push_back(DlgCheckBox("Check this box if non-horizontal text labels are not printed properly.",
                                  1464, 7, 195, 286, 10));
    return t;
}

// Dialog 191: the front page's switches and texts.
CDialogTemplate outputFrontPage() {
    CDialogTemplate t = page("Front Page", 300, 212);
    t.items.push_back(DlgCheckBox("&Print front page", 1383, 7, 7, 120, 10));
    t.items.push_back(DlgGroupBox("Contents", IDC_STATIC, 7, 20, 286, 166));
    const struct {
        const char* label;
        UINT check;
        UINT edit;
        DWORD checkStyle;
        DWORD editStyle;
    } rows[] = {
        {"&Title:", 1373, 1044, 0, kEdit},
        {"&Subtitle:", 1374, 1048, 0, kEdit},
        {"&Your Logo:", 1377, 1368, WS_DISABLED, ES_AUTOHSCROLL | ES_READONLY | WS_DISABLED},
        {"Pro&ject:", 1382, 1052, 0, kEdit},
        {"&Investor:", 1378, 1045, 0, kEdit},
        {"&Author:", 1380, 1049, 0, kEdit},
        {"&File:", 1381, 1051, 0, ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP},
        {"&Keywords:", 1376, 1047, 0, kEdit},
    };
    int y = 32;
    for (const auto& row : rows) {
        t.items.push_back(DlgCheckBox(row.label, row.check, 15, y + 1, 62, 10, row.checkStyle));
        t.items.push_back(DlgEditText(row.edit, 80, y, 205, 12, row.editStyle));
        y += 15;
    }
    t.items.push_back(DlgCheckBox("&Comment:", 1375, 15, y + 1, 62, 10));
    t.items.push_back(DlgEditText(1365, 80, y, 205, 40, kMultiLine));
    t.items.push_back(DlgLText("F&ront page font:", IDC_STATIC, 7, 194, 70, 8));
    t.items.push_back(DlgComboBox(1407, 80, 192, 120, 150, kFontList));
    return t;
}

// Dialog 190: the three panes of the page head and of the page foot.
CDialogTemplate outputHeadFoot() {
    CDialogTemplate t = page("Header && Footer", 300, 212);
    const struct {
        const char* title;
        UINT ids[3];
        int y;
    } bands[] = {{"Header", {1047, 1048, 1044}, 7}, {"Footer", {1053, 1054, 1052}, 66}};
    const DWORD align[3] = {ES_LEFT, ES_CENTER, ES_RIGHT};
    for (const auto& band : bands) {
        t.items.push_back(DlgGroupBox(band.title, IDC_STATIC, 7, band.y, 286, 54));
        for (int i = 0; i < 3; ++i)
            t.items.push_back(
                DlgEditText(band.ids[i], 15 + i * 92, band.y + 12, 86, 36,
                            align[i] | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_TABSTOP));
    }
    t.items.push_back(DlgGroupBox("Text tags", IDC_STATIC, 7, 126, 286, 44));
    const char* const tags[] = {"&[PAGE]", "&[DATE]",    "&[AUTHOR]",   "&[TITLE]",
                                "&[FILE]", "&[PROJECT]", "&[INVESTOR]", "&[PATH]"};
    for (int i = 0; i < 8; ++i)
        t.items.push_back(
            DlgLText(tags[i], IDC_STATIC, 15 + (i % 4) * 70, 139 + (i / 4) * 14, 66, 8, SS_NOPREFIX));
    t.items.push_back(
        DlgLText("The tags are replaced by the page number, the date and the structure's texts.", IDC_STATIC,
                 7, 176, 286, 16));
    return t;
}

// Dialog 195: the page margins of the two printers.
CDialogTemplate outputMargins() {
    CDialogTemplate t = page("Margins", 300, 212);
    const struct {
        const char* title;
        int x;
        DWORD style;
        const char* labels[6];
        UINT ids[6];
    } printers[] = {
        {"Standard Printer",
         7,
         0,
         {"&Top:", "&Left:", "&Right:", "&Bottom:", "&Header top:", "&Footer bottom:"},
         {1398, 1396, 1397, 1399, 1400, 1401}},
        {"Secondary Printer",
         153,
         WS_DISABLED,
         {"T&op:", "L&eft:", "R&ight:", "Botto&m:", "He&ader top:", "Footer bottom:"},
         {1404, 1402, 1403, 1405, 1406, 1407}},
    };
    for (const auto& p : printers) {
        t.items.push_back(DlgGroupBox(p.title, IDC_STATIC, p.x, 7, 140, 106));
        for (int i = 0; i < 6; ++i) {
            t.items.push_back(DlgLText(p.labels[i], IDC_STATIC, p.x + 8, 22 + i * 15, 55, 8));
            t.items.push_back(DlgEditText(p.ids[i], p.x + 64, 20 + i * 15, 68, 12, kEdit | p.style));
        }
    }
    return t;
}

// Dialog 230: the structure's own description for the report.
CDialogTemplate outputDescription() {
    CDialogTemplate t = page("Description", 300, 212);
    t.items.push_back(DlgCheckBox("Use structure description in the output.", 1596, 7, 7, 286, 10));
    t.items.push_back(DlgEditText(1595, 7, 22, 286, 183, kMultiLine));
    return t;
}

// One row of three radio buttons: none, normal, detailed (not offered).
void tableKind(CDialogTemplate& t, const char* label, const UINT ids[3], int y) {
    t.items.push_back(DlgLText(label, IDC_STATIC, 15, y, 90, 8));
    t.items.push_back(DlgRadioButton("None", ids[0], 110, y, 50, 10, WS_GROUP | WS_TABSTOP));
    t.items.push_back(DlgRadioButton("Normal", ids[1], 165, y, 50, 10));
    t.items.push_back(DlgRadioButton("Detailed", ids[2], 220, y, 55, 10, WS_DISABLED));
}

// Dialog 193: the geometry picture and tables, the load tables and the printed actions.
CDialogTemplate outputGeometryLoad() {
    CDialogTemplate t = page("Geometry && Load", 300, 228);
    t.items.push_back(DlgGroupBox("Picture", IDC_STATIC, 7, 7, 286, 24));
    t.items.push_back(DlgCheckBox("&Print picture", 1416, 15, 17, 100, 10));
    t.items.push_back(DlgGroupBox("Tables", IDC_STATIC, 7, 34, 286, 64));
    const UINT nodes[3] = {1417, 1418, 1368};
    const UINT elements[3] = {1369, 1370, 1371};
    const UINT sections[3] = {1372, 1373, 1374};
    const UINT materials[3] = {1375, 1376, 1377};
    tableKind(t, "Table of &nodes:", nodes, 46);
    tableKind(t, "Table of &elements:", elements, 58);
    tableKind(t, "Table of &cross-sections:", sections, 70);
    tableKind(t, "Table of &materials:", materials, 82);
    t.items.push_back(DlgGroupBox("Load", IDC_STATIC, 7, 101, 286, 121));
    t.items.push_back(DlgCheckBox("&Load case table", 1402, 15, 112, 80, 10, WS_GROUP));
    t.items.push_back(DlgLText("Actions:", IDC_STATIC, 110, 113, 35, 8));
    t.items.push_back(DlgCheckBox("P&ictures", 1419, 148, 112, 50, 10));
    t.items.push_back(DlgCheckBox("&Tables", 1401, 205, 112, 50, 10));
    t.items.push_back(
        DlgCheckBox("For pictures use &secondary printer", 1406, 148, 124, 140, 10, WS_DISABLED));
    const UINT lists[6] = {1574, 1569, 1570, 1571, 1572, 1573};
    nameLists(t, "P&rint:", "&Don't print:", lists, 138, 76);
    return t;
}

// Dialog 194: the result pictures and tables and the printed load cases and envelopes.
CDialogTemplate outputResults() {
    CDialogTemplate t = page("Results", 300, 246);
    t.items.push_back(DlgGroupBox("Pictures according to the limit state", IDC_STATIC, 7, 7, 286, 108));
    const int columns[4] = {96, 142, 190, 238};
    t.items.push_back(DlgLText("Ultimate", IDC_STATIC, columns[0] - 10, 18, 44, 8));
    t.items.push_back(DlgLText("Ser. && Creep.", IDC_STATIC, columns[1] - 14, 18, 48, 8));
    t.items.push_back(DlgLText("Envelope", IDC_STATIC, columns[2] - 10, 18, 44, 8));
    t.items.push_back(
        DlgLText("Use secondary printer if available", IDC_STATIC, columns[3] - 18, 18, 68, 16));
    const struct {
        const char* label;
        UINT ids[4];
    } rows[] = {
        {"My:", {1390, 1396, 1418, 1412}},
        {"Fx:", {1391, 1400, 1419, 1413}},
        {"Fz:", {1392, 1401, 1420, 1403}},
        {"Displ && react.:", {1393, 1402, 1421, 1404}},
        {"Local displ.:", {1394, 1406, 1422, 1405}},
        {"Rotations:", {1395, 1409, 1423, 1414}},
        {"Contact Press.:", {1415, 1416, 1424, 1417}},
    };
    int y = 37;
    for (const auto& row : rows) {
        t.items.push_back(DlgLText(row.label, IDC_STATIC, 15, y + 1, 70, 8));
        for (int c = 0; c < 4; ++c)
            t.items.push_back(DlgCheckBox("", row.ids[c], columns[c], y, 10, 10, c == 3 ? WS_DISABLED : 0));
        y += 11;
    }
    t.items.push_back(DlgGroupBox("Tables", IDC_STATIC, 7, 118, 286, 38));
    t.items.push_back(DlgCheckBox("&Displacements", 1410, 15, 129, 65, 10));
    t.items.push_back(DlgCheckBox("&Reactions", 1411, 82, 129, 55, 10));
    t.items.push_back(DlgCheckBox("&Internal forces", 1389, 140, 129, 68, 10));
    t.items.push_back(DlgCheckBox("&Envelope results", 1425, 210, 129, 78, 10));
    t.items.push_back(DlgCheckBox("Print design results", 1726, 15, 141, 100, 10));
    t.items.push_back(DlgGroupBox("Load cases && envelopes selection", IDC_STATIC, 7, 159, 286, 81));
    const UINT lists[6] = {1408, 1407, 1575, 1397, 1398, 1399};
    nameLists(t, "&Print:", "Do&n't print:", lists, 170, 58);
    return t;
}

} // namespace

void AddOutputDialogs(CResources& r) {
    r.AddDialog(190, outputHeadFoot());
    r.AddDialog(191, outputFrontPage());
    r.AddDialog(192, outputGeneral());
    r.AddDialog(193, outputGeometryLoad());
    r.AddDialog(194, outputResults());
    r.AddDialog(195, outputMargins());
    r.AddDialog(230, outputDescription());
}
