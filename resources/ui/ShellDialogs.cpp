// The dialogs of the program shell: the about box and the tip of the day, the
// New sheet's structure page, the blank-structure wizard's pages and the Options
// pages, with the pictures the New page and the wizard show.
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CResources.h"
#include "platform/ui/DlgUi.h"
#include "resources/ui/StrakonResourceIds.h"
#include "resources/ui/StrakonResources.h"

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kPageStyle = WS_CHILD | WS_CAPTION;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kDropList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kSpin = UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;

CDialogTemplate page(const char* caption, int cx, int cy) {
    CDialogTemplate t;
    t.caption = caption;
    t.style = kPageStyle;
    t.cx = cx;
    t.cy = cy;
    return t;
}

CDlgItemTemplate picture(UINT id, int x, int y, int cx, int cy) {
    return DlgControl("", id, WC_STATIC, SS_ENHMETAFILE | SS_SUNKEN, x, y, cx, cy);
}

// Dialog 100: the about box; the program fills the product and build lines.
CDialogTemplate about() {
    CDialogTemplate t;
    t.caption = "About Orvex Strakon";
    t.style = kDialogStyle;
    t.cx = 250;
    t.cy = 122;
    t.items = {
        DlgLText("Orvex Strakon Version XXX (Final Release)", 1731, 42, 10, 200, 8),
        DlgLText("BUILD VERSION", 1661, 42, 22, 200, 8),
        DlgLText("Analysis and design of plane frames: geometry, loads, load combinations and "
                 "envelopes, non-linear analysis, reinforced-concrete and steel design, reports.",
                 IDC_STATIC, 42, 38, 200, 26),
        DlgLText("Copyright (C) Orvex. All rights reserved.", IDC_STATIC, 42, 68, 200, 8),
        DlgLText("Questions and comments: support@orvex.example", IDC_STATIC, 42, 80, 200, 8),
        DlgDefPushButton("OK", IDOK, 193, 101, 50, 14, WS_GROUP | WS_TABSTOP),
    };
    return t;
}

// The tip of the day.
CDialogTemplate tipOfTheDay() {
    CDialogTemplate t;
    t.caption = "Tip of the Day";
    t.style = kDialogStyle;
    t.cx = 260;
    t.cy = 130;
    t.items = {
        DlgLText("Did you know...", IDC_TIP_HEADING, 12, 10, 236, 14),
        DlgLText("", IDC_TIP_TEXT, 12, 28, 236, 70, SS_SUNKEN),
        DlgCheckBox("&Show tips on startup", IDC_TIP_STARTUP, 12, 110, 110, 10, WS_TABSTOP),
        DlgPushButton("&Next Tip", IDC_TIP_NEXT, 143, 107, 50, 14, WS_TABSTOP),
        DlgDefPushButton("Close", IDOK, 198, 107, 50, 14, WS_TABSTOP),
    };
    return t;
}

// Dialog 181: the New sheet's structure page.
CDialogTemplate newStructure() {
    CDialogTemplate t = page("Structure", 300, 180);
    t.items = {
        DlgControl("", 1353, WC_LISTVIEW,
                   LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 7, 7, 150, 108),
        DlgLText("Structure preview:", 1359, 165, 7, 128, 8),
        picture(1567, 165, 18, 128, 97),
        DlgRadioButton("C&reate new project", 1355, 7, 122, 140, 10, WS_GROUP | WS_TABSTOP),
        DlgRadioButton("&Add to current project", 1356, 7, 134, 140, 10),
        DlgLText("Structure &name:", IDC_STATIC, 165, 122, 128, 8),
        DlgEditText(1044, 165, 132, 128, 12, kEdit | WS_GROUP),
        DlgLText("Lo&cation:", IDC_STATIC, 7, 150, 100, 8),
        DlgEditText(1046, 7, 160, 266, 12, kEdit),
        DlgPushButton("&...", 1352, 277, 159, 16, 14, WS_TABSTOP),
    };
    return t;
}

// Dialog 208: the wizard's unit system and approximate size.
CDialogTemplate basicInformation() {
    CDialogTemplate t = page("Basic Information", 290, 176);
    t.items = {
        picture(1580, 7, 7, 90, 156),
        DlgGroupBox("Units", IDC_STATIC, 105, 7, 178, 40),
        DlgRadioButton("&Metric", 1465, 113, 19, 80, 10, WS_GROUP | WS_TABSTOP),
        DlgRadioButton("&Imperial (US && UK)", 1466, 113, 31, 110, 10),
        DlgLText("You can use any units you like.\nLater, you can change default settings any  time using "
                 "the Tool | Options command.",
                 IDC_STATIC, 105, 52, 178, 26),
        DlgGroupBox("Approximate size of the structure", IDC_STATIC, 105, 80, 178, 40),
        DlgLText("&Height:", IDC_STATIC, 113, 97, 28, 8),
        DlgEditText(1044, 141, 95, 50, 12, kEdit | WS_GROUP),
        DlgLText("&Width:", IDC_STATIC, 199, 97, 26, 8),
        DlgEditText(1045, 225, 95, 50, 12, kEdit),
        DlgLText("Note:\nThe global coordinate system you will work with, has Z axis pointed downwards. This "
                 "means that the structure 'grows' in a negative direction.",
                 IDC_STATIC, 105, 124, 178, 32),
        DlgLText("You can change these settings later using the 'Geometry | Extents' command.", IDC_STATIC,
                 105, 158, 178, 16),
    };
    return t;
}

// Dialog 206: the report description texts.
CDialogTemplate structureInformation() {
    CDialogTemplate t = page("Structure Information", 290, 170);
    t.items = {picture(1358, 7, 7, 90, 156)};
    const struct {
        const char* label;
        UINT id;
    } rows[] = {{"Title:", 1044},    {"Subtitle:", 1045}, {"Project:", 1046},
                {"Investor:", 1047}, {"Author:", 1048},   {"Keywords:", 1049}};
    int y = 7;
    for (const auto& row : rows) {
        t.items.push_back(DlgLText(row.label, IDC_STATIC, 105, y + 2, 40, 8));
        t.items.push_back(DlgEditText(row.id, 145, y, 138, 12, kEdit));
        y += 16;
    }
    t.items.push_back(DlgLText("Comment:", IDC_STATIC, 105, y + 2, 40, 8));
    t.items.push_back(
        DlgEditText(1050, 145, y, 138, 28, ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP));
    t.items.push_back(DlgLText("Note:\nLater, you can change this settings using the Tools | Output settings "
                               "and selecting the Front Page tab!",
                               IDC_STATIC, 105, 140, 178, 24));
    return t;
}

// Dialog 207: the project page that the wizard never shows.
CDialogTemplate projectInformation() {
    CDialogTemplate t = page("Project Information", 290, 170);
    t.items = {picture(1580, 7, 7, 90, 156)};
    return t;
}

// Dialog 200: the unit of every quantity.
CDialogTemplate optionsUnits() {
    CDialogTemplate t = page("Units", 290, 200);
    const struct {
        const char* label;
        UINT id;
    } rows[] = {{"&Length:", 1043},
                {"&Area:", 1054},
                {"&2nd mom. of area:", 1052},
                {"Volume\n&1st mom. of area:", 1053},
                {"&Rotation:", 1051},
                {"&Force:", 1055},
                {"&Moment:", 1056},
                {"&Pressure:", 1046},
                {"&Temperature difference:", 1047},
                {"Temperature &expansion:", 1048},
                {"F&orce per lenght:", 1049},
                {"Mome&nt per length:", 1050},
                {"Ma&ss:", 1044},
                {"&Density:", 1045},
                {"Force per Vol&ume:", 1057}};
    int i = 0;
    for (const auto& row : rows) {
        const int x = i < 8 ? 7 : 148;
        const int y = 7 + (i % 8) * 18;
        t.items.push_back(DlgLText(row.label, IDC_STATIC, x, y, 76, 16));
        t.items.push_back(DlgComboBox(row.id, x + 78, y, 56, 120, kDropList));
        ++i;
    }
    t.items.push_back(DlgLText("You can use any units you like. There is no need to select compatible units. "
                               "The application will take care for correct conversion, automatically!",
                               IDC_STATIC, 148, 133, 135, 32));
    t.items.push_back(DlgPushButton("Load Metri&c Default", 1462, 7, 176, 100, 14, WS_TABSTOP));
    t.items.push_back(DlgPushButton("Load &Imperial Default", 1463, 113, 176, 100, 14, WS_TABSTOP));
    return t;
}

// Dialog 202: the two number formats and the small-value filter.
CDialogTemplate optionsPrecision() {
    CDialogTemplate t = page("Precision", 290, 200);
    const auto group = [&t](const char* title, int x, const UINT ids[], const char* const texts[]) {
        // ids: smart, fixed, scientific, digits, spin, zeroes, three samples
        t.items.push_back(DlgGroupBox(title, IDC_STATIC, x, 7, 134, 132));
        t.items.push_back(DlgRadioButton(texts[0], ids[0], x + 8, 19, 60, 10, WS_GROUP | WS_TABSTOP));
        t.items.push_back(DlgRadioButton(texts[1], ids[1], x + 8, 31, 60, 10));
        t.items.push_back(DlgRadioButton(texts[2], ids[2], x + 8, 43, 60, 10));
        t.items.push_back(DlgLText("Digits:", IDC_STATIC, x + 72, 19, 40, 8));
        t.items.push_back(DlgEditText(ids[3], x + 72, 29, 40, 12, kEdit | ES_NUMBER | WS_GROUP));
        t.items.push_back(DlgControl("", ids[4], UPDOWN_CLASS, kSpin, x + 112, 29, 10, 12));
        t.items.push_back(DlgCheckBox(texts[3], ids[5], x + 8, 58, 120, 10, WS_TABSTOP));
        for (int k = 0; k < 3; ++k)
            t.items.push_back(
                DlgEditText(ids[6 + k], x + 8, 74 + k * 18, 118, 12, ES_AUTOHSCROLL | ES_READONLY));
    };
    const UINT working[] = {1456, 1458, 1459, 1044, 1450, 1451, 1046, 1047, 1460};
    const char* const workingTexts[] = {"&Smart", "&Fixed", "S&cientific", "Delete redundant &zeroes"};
    const UINT output[] = {1453, 1440, 1452, 1045, 1454, 1455, 1461, 1050, 1051};
    const char* const outputTexts[] = {"S&mart", "F&ixed", "Sci&entific", "De&lete redundant zeroes"};
    group("Working", 7, working, workingTexts);
    group("Output", 149, output, outputTexts);
    t.items.push_back(DlgGroupBox("Small values output filter", IDC_STATIC, 7, 146, 276, 30));
    t.items.push_back(DlgCheckBox("Treat values smaller than ", 1593, 15, 159, 100, 10, WS_TABSTOP));
    t.items.push_back(DlgEditText(1594, 117, 157, 60, 12, kEdit));
    t.items.push_back(DlgLText("as zeroes!", IDC_STATIC, 181, 159, 60, 8));
    return t;
}

// Dialog 201: the drawing grid.
CDialogTemplate optionsGrid() {
    CDialogTemplate t = page("Grid && Snap Units", 290, 200);
    t.items = {
        DlgRadioButton("&Metric (m, dm, cm, mm)", 1390, 7, 9, 120, 10, WS_GROUP | WS_TABSTOP),
        DlgRadioButton("&Imperial (yr, ft, in)", 1391, 140, 9, 120, 10),
        DlgGroupBox("Grid", IDC_STATIC, 7, 24, 276, 60),
        DlgLText("Unit", IDC_STATIC, 60, 34, 50, 8),
        DlgLText("Size", IDC_STATIC, 120, 34, 50, 8),
        DlgLText("Color", IDC_STATIC, 180, 34, 50, 8),
        DlgLText("Major:", IDC_STATIC, 15, 46, 40, 8),
        DlgComboBox(1043, 60, 44, 50, 100, kDropList | WS_GROUP),
        DlgComboBox(1045, 120, 44, 50, 120, kDropList),
        DlgPushButton("", 1447, 180, 43, 30, 14, BS_OWNERDRAW | WS_TABSTOP),
        DlgLText("Minor:", IDC_STATIC, 15, 64, 40, 8),
        DlgComboBox(1044, 60, 62, 50, 100, kDropList),
        DlgComboBox(1046, 120, 62, 50, 120, kDropList),
        DlgPushButton("", 1446, 180, 61, 30, 14, BS_OWNERDRAW | WS_TABSTOP),
        DlgGroupBox("Grid options", IDC_STATIC, 7, 90, 276, 50),
        DlgRadioButton("Show major &only", 1442, 15, 102, 120, 10, WS_GROUP | WS_TABSTOP),
        DlgRadioButton("&Show major && minor", 1443, 15, 114, 120, 10),
        DlgRadioButton("&Hide both", 1444, 15, 126, 120, 10),
    };
    return t;
}

// Dialog 203: the personal data of the reports.
CDialogTemplate optionsPersonalize() {
    CDialogTemplate t = page("Personalize", 290, 200);
    t.items = {
        DlgLText("&Author name\n(your name):", IDC_STATIC, 7, 7, 70, 16),
        DlgEditText(1044, 80, 8, 203, 12, kEdit),
        DlgLText("&Company name:", IDC_STATIC, 7, 30, 70, 8),
        DlgEditText(1045, 80, 28, 203, 12, kEdit),
        DlgLText("&Big logo:", IDC_STATIC, 7, 50, 70, 8),
        DlgEditText(1046, 80, 48, 185, 12, ES_AUTOHSCROLL | WS_DISABLED),
        DlgPushButton("...", 1048, 268, 47, 15, 14, WS_TABSTOP),
        DlgLText("&Small logo:", IDC_STATIC, 7, 70, 70, 8),
        DlgEditText(1047, 80, 68, 185, 12, ES_AUTOHSCROLL | WS_DISABLED),
        DlgPushButton("...", 1049, 268, 67, 15, 14, WS_TABSTOP),
    };
    return t;
}

// Dialog 209: the colours and font of the drawing symbols.
CDialogTemplate optionsSymbols() {
    CDialogTemplate t = page("Symbol Settings", 290, 200);
    const auto colour = [&t](const char* label, UINT id, int x, int y) {
        t.items.push_back(DlgLText(label, IDC_STATIC, x, y + 3, 70, 8));
        t.items.push_back(DlgPushButton("", id, x + 72, y, 30, 14, BS_OWNERDRAW | WS_TABSTOP));
    };
    t.items.push_back(DlgGroupBox("General", IDC_STATIC, 7, 7, 276, 42));
    t.items.push_back(DlgLText("Font:", IDC_STATIC, 15, 20, 30, 8));
    t.items.push_back(DlgComboBox(1467, 45, 18, 100, 120, kDropList | CBS_SORT | CBS_HASSTRINGS));
    colour("Selection color:", 1476, 155, 17);
    t.items.push_back(DlgGroupBox("Node", IDC_STATIC, 7, 52, 134, 62));
    colour("Line:", 1477, 15, 63);
    colour("Label text:", 1479, 15, 79);
    colour("Label area:", 1478, 15, 95);
    t.items.push_back(DlgGroupBox("Element", IDC_STATIC, 149, 52, 134, 92));
    colour("Linear element:", 1475, 157, 63);
    colour("Non-linear element:", 1472, 157, 79);
    colour("Label text:", 1473, 157, 95);
    colour("Label area:", 1474, 157, 111);
    t.items.push_back(DlgCheckBox("Draw element as rectangle", 1466, 157, 129, 120, 10, WS_TABSTOP));
    t.items.push_back(DlgGroupBox("Load", IDC_STATIC, 7, 117, 134, 78));
    colour("Line:", 1468, 15, 128);
    colour("Label area:", 1469, 15, 144);
    colour("Uniform area:", 1470, 15, 160);
    colour("Temperature area:", 1471, 15, 176);
    return t;
}

// Dialog 130: the analysis settings.
CDialogTemplate optionsAnalysis() {
    CDialogTemplate t = page("Analysis", 290, 200);
    t.items = {
        DlgGroupBox("Non-linear analysis settings", IDC_STATIC, 7, 7, 276, 62),
        DlgLText("Maximal number of iterations:", IDC_STATIC, 15, 20, 150, 8),
        DlgEditText(1586, 170, 18, 40, 12, kEdit | ES_NUMBER),
        DlgControl("", 1588, UPDOWN_CLASS, kSpin, 210, 18, 10, 12),
        DlgLText("Relative displacement precision:", IDC_STATIC, 15, 36, 150, 8),
        DlgEditText(1589, 170, 34, 50, 12, kEdit),
        DlgLText("Degree of interpolation polynom :", IDC_STATIC, 15, 52, 150, 8),
        DlgEditText(1606, 170, 50, 40, 12, kEdit | ES_NUMBER),
        DlgControl("", 1607, UPDOWN_CLASS, kSpin, 210, 50, 10, 12),
        DlgGroupBox("Element results", IDC_STATIC, 7, 74, 276, 44),
        DlgLText("Number of equidistant internal points in each element in which internal forces are "
                 "calculated:",
                 IDC_STATIC, 15, 86, 150, 26),
        DlgEditText(1044, 170, 88, 40, 12, kEdit | ES_NUMBER),
        DlgControl("", 1494, UPDOWN_CLASS, kSpin, 210, 88, 10, 12),
        DlgGroupBox("Default finite element", IDC_STATIC, 7, 124, 276, 40),
        DlgRadioButton("Linear finite element", 1660, 15, 136, 150, 10, WS_GROUP | WS_TABSTOP),
        DlgRadioButton("Non-linear finite element", 1661, 15, 148, 150, 10),
    };
    return t;
}

} // namespace

void AddShellDialogs(CResources& r) {
    r.AddDialog(100, about());
    r.AddDialog(IDD_TIP_OF_THE_DAY, tipOfTheDay());
    r.AddDialog(181, newStructure());
    r.AddDialog(206, structureInformation());
    r.AddDialog(207, projectInformation());
    r.AddDialog(208, basicInformation());
    r.AddDialog(200, optionsUnits());
    r.AddDialog(201, optionsGrid());
    r.AddDialog(202, optionsPrecision());
    r.AddDialog(203, optionsPersonalize());
    r.AddDialog(209, optionsSymbols());
    r.AddDialog(130, optionsAnalysis());
    // The blank wizard's preview and the wizard pages' pictures.
    r.AddCustom("METAFILE", 182, ":/strakon/shell/blank_structure.svg");
    r.AddCustom("METAFILE", 209, ":/strakon/shell/basic_information.svg");
    r.AddCustom("METAFILE", 210, ":/strakon/shell/project_information.svg");
    r.AddCustom("METAFILE", 211, ":/strakon/shell/structure_information.svg");
    // The New page's list images: 0 a plug-in without an icon, 1 the blank wizard.
    r.AddBitmap(183, ":/strakon/shell/wizard_list.svg");
}
