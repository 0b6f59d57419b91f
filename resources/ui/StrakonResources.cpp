#include "resources/ui/StrakonResources.h"

#include "resources/ui/StrakonMessageIds.h"
#include "resources/ui/StrakonDialogs.h"

#include "platform/ui/CResources.h"
#include "resources/ui/StrakonEditorIds.h"
#include "resources/ui/StrakonDesignIds.h"
#include "resources/ui/StrakonResourceIds.h"

#include <algorithm>
#include <string>

namespace {

// The structure documents' strings: window title, document name, new-file
// name, filter name, filter extension, file type id and file type name.
const char* const kStructureStrings = "\nStrakon\nStrakon\nOrvex Strakon Structure Files (*.oxs)\n.oxs\n"
                                      "OrvexStrakon.Structure.Document.1\nOrvex Frame Structure Document";

void AddStrings(CResources& r) {
    r.AddStrings({
        {AFX_IDS_APP_TITLE, "Strakon"},
        {IDR_MAINFRAME, "Orvex Strakon"},
        {IDR_PROJECTTYPE, "\nStrakon\nStrakon\nOrvex Strakon Project Files (*.oxp)\n.oxp\n"
                          "OrvexStrakon.Project.Document.1\nOrvex Strakon Project Document"},
        {IDR_STRUCTURETYPE, kStructureStrings},
        {IDR_GEOMETRYTYPE, kStructureStrings},
        {IDR_LOADSTYPE, kStructureStrings},
        {IDR_LCRESULTSTYPE, kStructureStrings},
        {IDR_LOADCOMBINATIONSTYPE, kStructureStrings},
        {IDR_DESIGNCONCRETETYPE, kStructureStrings},
        {ID_INDICATOR_MODIFIED, " MOD "},
        {ID_INDICATOR_COORDINATES, "x: MMMMM MM, z:: MMMMM MM "},
        // The application's commands.
        {ID_FILE_NEW, "Creates a new structure or project\nNew structure"},
        {ID_FILE_OPEN, "Opens an existing project\nOpen an existing project"},
        {ID_CLOSE_PROJECT, "Closee the project\nClose"},
        {ID_SAVE_PROJECT, "Saves the active project\nSave"},
        {ID_SAVE_PROJECT_AS, "Saves the active project with a new name\nSave As"},
        {ID_INSERT_STRUCTURE, "Insert an existing structure into project\nInsert Structure"},
        {ID_REMOVE_STRUCTURE, "Remove structure from project\nRemove Structure"},
        {ID_PROJECT_SETTINGS, "Edit project settings\nProject Settings"},
        {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
        {ID_TIP_OF_THE_DAY, "Displays a Tip of the Day"},
        // The Window menu.
        {ID_WINDOW_CLOSE, "Closes the window\nClose Window"},
        {ID_WINDOW_CLOSE_ALL, "Closes all open windows\nClose all Windows"},
        {ID_WINDOW_MOREWINDOWS, "Manages the currenty open windows\nMore Windows"},
        {ID_WINDOW_NEXT, "Activates the next undocked window\nNext Window"},
        {ID_WINDOW_PREVIOUS, "Activates the previous undocked window\nPrevious Window"},
        // The workspaces.
        {ID_WORKSPACE_GEOMETRY, "Activates the geometry workspace\nGeometry workspace"},
        {ID_WORKSPACE_LOADS, "Activates the load workspace\nLoad workspace"},
        {ID_WORKSPACE_RESULTS, "Activates the results workspace\nResults workspace"},
        {ID_WORKSPACE_DESIGN, "Activates the design workspace\nDesign workspace"},
        // The views' commands.
        {ID_ZOOM_WINDOW, "Zooms to the window selected by rectangle\nZoom Window"},
        {ID_ZOOM_IN, "Enlarges the picture for 200%\nZoom In"},
        {ID_ZOOM_OUT, "Reduces the picture for 200%\nZoom Out"},
        {ID_ZOOM_PREVIOUS, "Restores the previous zoom view\nZoom Previous"},
        {ID_ZOOM_NEXT, "Restores the next zoom view\nZoom Next"},
        {ID_ZOOM_ALL, "Zooms all - fits whole structure to the screen\nZoom All"},
        {ID_ZOOM_EXTENTS, "Zooms to the extends\nZoom Extents"},
        {ID_SELECT, "Selects an object\nSelect object"},
        {ID_SELECT_WINDOW, "Selects objects by window\nSelect window"},
        {ID_MOVE, "Moves the selection\nMove"},
        {ID_COPY_VIEW, "Copies current view to the clipboard in the Enhenced Metafile (EMF) format.\n"
                       "Copy view to clipboard."},
        {ID_REDRAW, "Redraws windows on demand.\nRedraw now"},
        {ID_ADD_LINEAR_ELEMENT, "Adds a new linear element\nAdd linear element"},
        {ID_ADD_NONLINEAR_ELEMENT, "Adds a new non-linear element\nAdd non-linear element"},
        {ID_ADD_NODE, "Adds new node\nAdd node"},
        {ID_TOGGLE_ORTO, "Toggles the orto mode\nToggle orto mode"},
        {ID_TOGGLE_X_SUPPORT, "Toggles the support in the x direction\nToggle X support"},
        {ID_TOGGLE_Z_SUPPORT, "Toggles the support in the z direction\nToggle Z support"},
        {ID_TOGGLE_ROTATION_SUPPORT, "Toggles the support around y-y axis\nToggle rotational support"},
        {ID_ELASTIC_GROUND,
         "Sets the elastic ground support for linear elements.\nSets the elastic ground support."},
        {ID_TOGGLE_FI_RELEASE,
         "Toggles the fi release for selected element.\nToggles the fi release for selected element."},
        {ID_SHOW_MAJOR_GRID, "Shows major grid points.\nShow major grid"},
        {ID_SHOW_MINOR_GRID, "Shows minor grid points.\nShow minor grid"},
        {ID_SHOW_MATERIAL_COLOR, "Elements are filled with the material color\nShow material color"},
        {ID_SHOW_CROSS_SECTION_COLOR,
         "Elements are filled with the cross-section color\nShow cross-section color"},
        {ID_RESULT_DISPLACEMENTS, "Shows displacement diagram\nDisplacements"},
        {ID_RESULT_ROTATIONS, "Shows rotation diagram\nRotations"},
        {ID_RESULT_SHEAR_FORCES, "Shows shear force diagram\nShear forces"},
        {ID_RESULT_AXIAL_FORCES, "Shows axial force diagram\nAxial forces"},
        {ID_RESULT_MOMENTS, "Shows bending moment diagram\nMoments"},
        {ID_RESULT_LOCAL_DISPLACEMENTS, "Shows local displacements diagram\nLocal displacements"},
        {ID_CONTACT_PRESSURES,
         "Displays contact pressures for elements that lies on elastic ground support.\n"
         "Display contact pressures."},
        {ID_EXPAND_DIAGRAM, "Expands the diagram (makes it bigger)\nExpand diagram"},
        {ID_SHRINK_DIAGRAM, "Shrinks the diagram (makes it smaller)\nShrink diagram"},
        {ID_TOGGLE_LABELS, "Toggles results labels on/off.\nToggles labels on/off."},
        // Commands of which only the toolbar's tooltip is known; the prompt is left empty.
        {ID_FILE_PRINT, "\nPrint"},
        {ID_FILE_PRINT_PREVIEW, "\nPrint Preview"},
        {ID_OUTPUT_SETTINGS, "\nDefine the output settings"},
        {ID_EDIT_UNDO, "\nUndo"},
        {ID_EDIT_REDO, "\nRedo"},
        {ID_VIEW_PROJECT_WINDOW, "\nProject"},
        {ID_VIEW_OUTPUT_WINDOW, "\nOutput"},
        {ID_FACTORY_DEFAULTS, "\nRestores the application to the initial state"},
        {ID_VOLUME_AND_WEIGHT, "\nShows a window with volumes and weight of materials"},
        {ID_SOLVE, "\nSolve"},
        {ID_SHOW_ELEMENT_INDEX, "\nShow/hide elements index number"},
        {ID_SHOW_NODE_INDEX, "\nShow/hide nodes index number"},
        {ID_NODE_SMALLER, "\nMakes node smaller"},
        {ID_NODE_LARGER, "\nMakes node larger"},
        {ID_TOGGLE_HATCH, "\nToggle hatch"},
        {ID_EDIT_CROSS_SECTIONS, "\nEdit Cross-sections"},
        {ID_EDIT_MATERIALS, "\nEdit Materials"},
        {ID_STRUCTURE_EXTENT, "\nSet Structure Extent"},
        {ID_SUPPORT_NONE, "\nRemoves supports from the node"},
        {ID_SUPPORT_HORIZONTAL_1, "\nHorizontal support"},
        {ID_SUPPORT_HORIZONTAL_2, "\nHorizontal support"},
        {ID_SUPPORT_VERTICAL_1, "\nVertical support"},
        {ID_SUPPORT_VERTICAL_2, "\nVertical support"},
        {ID_SUPPORT_FIXED_1, "\nFixed support"},
        {ID_SUPPORT_FIXED_2, "\nFixed support"},
        {ID_SUPPORT_FIXED_3, "\nFixed support"},
        {ID_SUPPORT_FIXED_4, "\nFixed support"},
        {ID_SUPPORT_FULL_1, "\nFull support"},
        {ID_SUPPORT_FULL_2, "\nFull support"},
        {ID_SUPPORT_FULL_3, "\nFull support"},
        {ID_SUPPORT_FULL_4, "\nFull support"},
        {ID_ADD_FORCE, "\nAdd concetrated force"},
        {ID_PRESCRIBE_DISPLACEMENT, "\nPresribe displacements"},
        {ID_ADD_ELEMENT_LOAD, "\nAdd linear element load"},
        {ID_ADD_PARTIAL_ELEMENT_LOAD, "\nAdd linear element load (part)"},
        {ID_ADD_TEMPERATURE_LOAD, "\nAdd temperature load"},
        {ID_DESIGN_ALL, "\nDesigns all elements"},
        {ID_DESIGN_CURRENT, "\nDesigns current element"},
        {ID_SHOW_ULS_RESULTS, "\nShows the ultimate limit states results"},
        {ID_SHOW_SLS_RESULTS, "\nShows the serviceability limit states results"},
        {ID_EDIT_NEGATIVE_BARS, "\nEdit negative reinforcement bars"},
        {ID_EDIT_POSITIVE_BARS, "\nEdit positive reinforcement bars"},
        {ID_EDIT_STIRRUPS, "\nEdit stirrups"},
        {ID_STEEL_DESIGN_DATA, "\nSpecifies steel design specific information"},
        {ID_SAFETY_FACTORS, "\nSets partial safety factors"},
        {ID_SUPPORT_WIDTHS, "\nGets support widths"},
    });
}

std::vector<CMenuItemDef> FrameMenu() {
    return {
        MenuPopup("&File", {MenuItem("&New\tCtrl+N", ID_FILE_NEW), MenuItem("&Open...\tCtrl+O", ID_FILE_OPEN),
                            MenuItem("&Close", ID_CLOSE_PROJECT), MenuItem("&Save\tCtrl+S", ID_SAVE_PROJECT),
                            MenuItem("Save &As...", ID_SAVE_PROJECT_AS),
                            MenuItem("&Insert Structure...", ID_INSERT_STRUCTURE), MenuSeparator(),
                            MenuItem("P&rint Setup...", ID_FILE_PRINT_SETUP), MenuSeparator(),
                            MenuItem("Recent File", ID_FILE_MRU_FILE1, MF_GRAYED), MenuSeparator(),
                            MenuItem("E&xit", ID_APP_EXIT)}),
        MenuPopup("&View", {MenuPopup("&Toolbars", {MenuItem("Toolbar 1", ID_TOOLBARS_PLACEHOLDER)}),
                            MenuItem("&Status Bar", ID_VIEW_STATUS_BAR), MenuSeparator(),
                            MenuItem("&Project Window\tAlt+1", ID_VIEW_PROJECT_WINDOW),
                            MenuItem("&Output Window\tAlt+2", ID_VIEW_OUTPUT_WINDOW),
                            MenuPopup("&Workspace", {MenuItem("&Geometry", ID_WORKSPACE_GEOMETRY),
                                                     MenuItem("&Loads", ID_WORKSPACE_LOADS),
                                                     MenuItem("&Results", ID_WORKSPACE_RESULTS),
                                                     MenuItem("Design", ID_WORKSPACE_DESIGN)})}),
        MenuPopup("&Window", {MenuItem("&New Window", ID_WINDOW_NEW), MenuItem("Cl&ose", ID_WINDOW_CLOSE),
                              MenuItem("Close Al&l", ID_WINDOW_CLOSE_ALL), MenuSeparator(),
                              MenuItem("Ne&xt", ID_WINDOW_NEXT), MenuItem("Pre&vious", ID_WINDOW_PREVIOUS),
                              MenuSeparator(), MenuItem("&Cascade", ID_WINDOW_CASCADE),
                              MenuItem("Tile &Horizontaly", ID_WINDOW_TILE_HORZ),
                              MenuItem("&Tile Verticaly", ID_WINDOW_TILE_VERT), MenuSeparator(),
                              MenuItem("Windows...", ID_WINDOW_MOREWINDOWS)}),
        MenuPopup(
            "&Tools",
            {MenuItem("Options ...", ID_OPTIONS), MenuItem("Output &Settings...", ID_OUTPUT_SETTINGS),
             MenuSeparator(),
             MenuPopup("Character Set",
                       {MenuItem("Western", ID_CHARSET_WESTERN),
                        MenuItem("Central European", ID_CHARSET_CENTRAL_EUROPEAN),
                        MenuItem("Baltic", ID_CHARSET_BALTIC), MenuItem("Turkish", ID_CHARSET_TURKISH),
                        MenuItem("Greek", ID_CHARSET_GREEK), MenuItem("Cyrillic", ID_CHARSET_CYRILLIC)}),
             MenuSeparator(), MenuItem("Documents ...", ID_MESSAGE_DOCUMENTS), MenuSeparator(),
             MenuItem("Restore to the Factory Defaults", ID_FACTORY_DEFAULTS)}),
        MenuPopup("&Help", {MenuItem("&Help Topics", ID_HELP_FINDER), MenuSeparator(),
                            MenuItem("Tip of the &Day...", ID_TIP_OF_THE_DAY), MenuSeparator(),
                            MenuItem("&About Strakon...", ID_APP_ABOUT)}),
    };
}

// The frame's menu with printing before the printer set-up.
std::vector<CMenuItemDef> PrintingFrameMenu() {
    std::vector<CMenuItemDef> menu = FrameMenu();
    CMenuItemDef& file = menu[0];
    auto setup = std::find_if(file.items.begin(), file.items.end(),
                              [](const CMenuItemDef& item) { return item.id == ID_FILE_PRINT_SETUP; });
    file.items.insert(setup, {MenuItem("&Print...", ID_FILE_PRINT), MenuItem("Print Pre&view", ID_FILE_PRINT_PREVIEW)});
    return menu;
}

} // namespace

// The menu of a structure view: the main frame's menu with the view's Edit and
// Zoom menus, its own View entries, and its own menus before Tools.
std::vector<CMenuItemDef> StrakonStructureViewMenu(std::vector<CMenuItemDef> viewEntries,
                                            std::vector<CMenuItemDef> ownMenus) {
    std::vector<CMenuItemDef> menu = PrintingFrameMenu();
    menu.insert(menu.begin() + 1,
                MenuPopup("&Edit", {MenuItem("&Undo\tCtrl+Z", ID_EDIT_UNDO), MenuItem("&Redo\tCtrl+Y", ID_EDIT_REDO),
                                    MenuSeparator(),
                                    MenuItem("&Select", ID_SELECT), MenuItem("Select &Window", ID_SELECT_WINDOW),
                                    MenuItem("&Move", ID_MOVE), MenuItem("&Delete", ID_DELETE), MenuSeparator(),
                                    MenuItem("Current &View to Clipboard", ID_COPY_VIEW)}));
    CMenuItemDef& view = menu[2];
    view.items.push_back(MenuSeparator());
    for (CMenuItemDef& entry : viewEntries)
        view.items.push_back(std::move(entry));
    view.items.push_back(MenuItem("&Redraw", ID_REDRAW));
    std::vector<CMenuItemDef> own = {MenuPopup(
        "&Zoom", {MenuItem("Zoom &Window", ID_ZOOM_WINDOW), MenuItem("Zoom &In", ID_ZOOM_IN),
                  MenuItem("Zoom &Out", ID_ZOOM_OUT), MenuSeparator(), MenuItem("Zoom &Previous", ID_ZOOM_PREVIOUS),
                  MenuItem("Zoom &Next", ID_ZOOM_NEXT), MenuSeparator(), MenuItem("Zoom &All", ID_ZOOM_ALL),
                  MenuItem("Zoom &Extents", ID_ZOOM_EXTENTS)})};
    for (CMenuItemDef& m : ownMenus)
        own.push_back(std::move(m));
    // Before Window, Tools and Help.
    menu.insert(menu.begin() + 3, own.begin(), own.end());
    return menu;
}

namespace {

std::vector<CMenuItemDef> StructureViewMenu(std::vector<CMenuItemDef> viewEntries,
                                            std::vector<CMenuItemDef> ownMenus) {
    return StrakonStructureViewMenu(std::move(viewEntries), std::move(ownMenus));
}

std::vector<CMenuItemDef> GeometryViewMenu() {
    return StructureViewMenu(
        {MenuPopup("S&how", {MenuItem("&Material", ID_SHOW_MATERIAL_COLOR),
                             MenuItem("&Cross-section", ID_SHOW_CROSS_SECTION_COLOR)}),
         MenuItem("Major Grid", ID_SHOW_MAJOR_GRID), MenuItem("Minor Grid", ID_SHOW_MINOR_GRID)},
        {MenuPopup("&Geometry",
                   {MenuItem("N&odes", ID_ADD_NODE), MenuItem("&Linear Elements", ID_ADD_LINEAR_ELEMENT),
                    MenuItem("&Non-linear Elements", ID_ADD_NONLINEAR_ELEMENT), MenuSeparator(),
                    MenuItem("&X Support", ID_TOGGLE_X_SUPPORT), MenuItem("&Z Support", ID_TOGGLE_Z_SUPPORT),
                    MenuItem("&Rotational Support", ID_TOGGLE_ROTATION_SUPPORT), MenuSeparator(),
                    MenuItem("&Orto Mode", ID_TOGGLE_ORTO), MenuSeparator(), MenuItem("&Material ...", ID_EDIT_MATERIALS),
                    MenuItem("&Cross-Section ...", ID_EDIT_CROSS_SECTIONS)})});
}

std::vector<CMenuItemDef> ResultViewMenu() {
    return StructureViewMenu(
        {}, {MenuPopup("&Diagram", {MenuItem("&Moments", ID_RESULT_MOMENTS),
                                    MenuItem("&Axial Forces", ID_RESULT_AXIAL_FORCES),
                                    MenuItem("&Shear Forces", ID_RESULT_SHEAR_FORCES), MenuSeparator(),
                                    MenuItem("&Displacements", ID_RESULT_DISPLACEMENTS),
                                    MenuItem("Local U&z", ID_RESULT_LOCAL_DISPLACEMENTS),
                                    MenuItem("&Rotations", ID_RESULT_ROTATIONS), MenuSeparator(),
                                    MenuItem("Contact &Pressures", ID_CONTACT_PRESSURES), MenuSeparator(),
                                    MenuItem("&Expand", ID_EXPAND_DIAGRAM), MenuItem("Shrin&k", ID_SHRINK_DIAGRAM),
                                    MenuSeparator(), MenuItem("Show &Labels", ID_TOGGLE_LABELS)})});
}

// The concrete design window's menu: printing, undo, the shown limit state and the design commands.
std::vector<CMenuItemDef> DesignConcreteMenu() {
    std::vector<CMenuItemDef> menu = PrintingFrameMenu();
    menu.insert(menu.begin() + 1, MenuPopup("&Edit", {MenuItem("&Undo\tCtrl+Z", ID_EDIT_UNDO),
                                                      MenuItem("&Redo\tCtrl+Y", ID_EDIT_REDO)}));
    CMenuItemDef& view = menu[2];
    view.items.push_back(MenuSeparator());
    view.items.push_back(MenuItem("&Ultimate Limit States", ID_SHOW_ULS_RESULTS));
    view.items.push_back(MenuItem("&Serviceability Limit States", ID_SHOW_SLS_RESULTS));
    menu.insert(menu.begin() + 3,
                MenuPopup("&Design", {MenuItem("Design &All Elements", ID_DESIGN_ALL),
                                      MenuItem("Design This &Element", ID_DESIGN_CURRENT), MenuSeparator(),
                                      MenuItem("Edit &Positive Bars ...", ID_EDIT_POSITIVE_BARS),
                                      MenuItem("Edit &Negative Bars ...", ID_EDIT_NEGATIVE_BARS),
                                      MenuItem("Edit &Stirrups ...", ID_EDIT_STIRRUPS),
                                      MenuItem("Edit && Select &Materials ...", ID_SELECT_RC_MATERIALS),
                                      MenuItem("Edit &Cross-Sections ...", ID_EDIT_CROSS_SECTIONS), MenuSeparator(),
                                      MenuItem("Safety &Factors ...", ID_SAFETY_FACTORS),
                                      MenuItem("Edit support &width ...", ID_SUPPORT_WIDTHS)}));
    return menu;
}

// Every command that has a picture, in the order of the pictures (make_toolbar_art.py draws them so).
std::vector<UINT> PictureOrder() {
    std::vector<UINT> order;
    for (const AToolBarDef& toolbar : StrakonToolBars())
        for (UINT id : toolbar.buttons)
            if (id && std::find(order.begin(), order.end(), id) == order.end()) order.push_back(id);
    return order;
}

} // namespace

std::vector<CMenuItemDef> StrakonFrameMenu() {
    return FrameMenu();
}

const std::vector<AToolBarDef>& StrakonToolBars() {
    static const std::vector<AToolBarDef> toolbars = {
        {"Standard",
         IDW_TOOLBAR_STANDARD,
         {ID_FILE_NEW,
          ID_FILE_OPEN,
          ID_SAVE_PROJECT,
          ID_FILE_PRINT,
          ID_FILE_PRINT_PREVIEW,
          ID_COPY_VIEW,
          ID_OUTPUT_SETTINGS,
          0,
          ID_EDIT_UNDO,
          ID_EDIT_REDO,
          0,
          ID_VIEW_PROJECT_WINDOW,
          ID_VIEW_OUTPUT_WINDOW,
          ID_FACTORY_DEFAULTS,
          ID_VOLUME_AND_WEIGHT,
          0,
          ID_WORKSPACE_GEOMETRY,
          ID_WORKSPACE_LOADS,
          ID_WORKSPACE_RESULTS,
          ID_WORKSPACE_DESIGN,
          0,
          ID_SOLVE},
         AFX_IDW_DOCKBAR_TOP,
         0,
         true,
         -1},
        {"View",
         IDW_TOOLBAR_VIEW,
         {ID_SHOW_MATERIAL_COLOR, ID_SHOW_CROSS_SECTION_COLOR, ID_SHOW_ELEMENT_INDEX, ID_SHOW_NODE_INDEX, 0,
          ID_NODE_SMALLER, ID_NODE_LARGER, ID_TOGGLE_HATCH, 0, ID_ZOOM_ALL, ID_ZOOM_EXTENTS, ID_ZOOM_WINDOW,
          ID_ZOOM_IN, ID_ZOOM_OUT, ID_ZOOM_PREVIOUS, ID_ZOOM_NEXT, ID_REDRAW},
         AFX_IDW_DOCKBAR_TOP,
         IDW_TOOLBAR_STANDARD,
         true,
         -1},
        {"Geometry",
         IDW_TOOLBAR_GEOMETRY,
         {ID_SELECT,
          ID_SELECT_WINDOW,
          ID_MOVE,
          0,
          ID_ADD_LINEAR_ELEMENT,
          ID_ADD_NONLINEAR_ELEMENT,
          0,
          ID_ELASTIC_GROUND,
          ID_TOGGLE_FI_RELEASE,
          0,
          ID_ADD_NODE,
          ID_TOGGLE_X_SUPPORT,
          ID_TOGGLE_Z_SUPPORT,
          ID_TOGGLE_ROTATION_SUPPORT,
          0,
          ID_EDIT_CROSS_SECTIONS,
          ID_EDIT_MATERIALS,
          0,
          ID_STRUCTURE_EXTENT,
          ID_TOGGLE_ORTO},
         AFX_IDW_DOCKBAR_LEFT,
         0,
         false,
         0},
        {"Supports",
         IDW_TOOLBAR_SUPPORTS,
         {ID_SUPPORT_NONE, ID_SUPPORT_HORIZONTAL_1, ID_SUPPORT_HORIZONTAL_2, ID_SUPPORT_VERTICAL_1,
          ID_SUPPORT_VERTICAL_2, ID_SUPPORT_FIXED_1, ID_SUPPORT_FIXED_2, ID_SUPPORT_FIXED_3,
          ID_SUPPORT_FIXED_4, ID_SUPPORT_FULL_1, ID_SUPPORT_FULL_2, ID_SUPPORT_FULL_3, ID_SUPPORT_FULL_4},
         AFX_IDW_DOCKBAR_RIGHT,
         0,
         false,
         0},
        {"Loads",
         IDW_TOOLBAR_LOADS,
         {ID_SELECT, 0, ID_ADD_FORCE, ID_PRESCRIBE_DISPLACEMENT, ID_ADD_ELEMENT_LOAD,
          ID_ADD_PARTIAL_ELEMENT_LOAD, ID_ADD_TEMPERATURE_LOAD},
         AFX_IDW_DOCKBAR_LEFT,
         0,
         false,
         1},
        {"Results",
         IDW_TOOLBAR_RESULTS,
         {ID_RESULT_MOMENTS, ID_RESULT_AXIAL_FORCES, ID_RESULT_SHEAR_FORCES, 0, ID_RESULT_DISPLACEMENTS,
          ID_RESULT_LOCAL_DISPLACEMENTS, ID_RESULT_ROTATIONS, 0, ID_CONTACT_PRESSURES, 0, ID_EXPAND_DIAGRAM,
          ID_SHRINK_DIAGRAM, ID_TOGGLE_LABELS},
         AFX_IDW_DOCKBAR_LEFT,
         0,
         false,
         2},
        {"Design",
         IDW_TOOLBAR_DESIGN,
         {ID_DESIGN_ALL, ID_DESIGN_CURRENT, 0, ID_SHOW_ULS_RESULTS, ID_SHOW_SLS_RESULTS, 0,
          ID_EDIT_NEGATIVE_BARS, ID_EDIT_POSITIVE_BARS, ID_EDIT_STIRRUPS, ID_STEEL_DESIGN_DATA, 0,
          ID_EDIT_CROSS_SECTIONS, ID_EDIT_MATERIALS, 0, ID_SAFETY_FACTORS, ID_SUPPORT_WIDTHS},
         AFX_IDW_DOCKBAR_LEFT,
         0,
         false,
         3},
    };
    return toolbars;
}

void RegisterProjectWindowResources() {
    CResources& r = CResources::Instance();
    // The tab icons and the trees' image strips of the project window.
    for (UINT id : {161u, 162u, 163u, 256u, 169u, 171u, 172u, 173u})
        r.AddBitmap(id, (":/strakon/project" + std::to_string(id) + ".svg").c_str());
}

void RegisterStrakonResources() {
    CResources& r = CResources::Instance();
    AddStrings(r);
    r.AddMenu(IDR_MAINFRAME, FrameMenu());
    r.AddMenu(IDR_GEOMETRYTYPE, GeometryViewMenu());
    r.AddMenu(IDR_LCRESULTSTYPE, ResultViewMenu());
    r.AddMenu(IDR_DESIGNCONCRETETYPE, DesignConcreteMenu());
    r.AddAccelerators(IDR_MAINFRAME, {
                                         {FVIRTKEY | FCONTROL, 'N', static_cast<WORD>(ID_FILE_NEW)},
                                         {FVIRTKEY | FCONTROL, 'O', static_cast<WORD>(ID_FILE_OPEN)},
                                         {FVIRTKEY | FCONTROL, 'S', static_cast<WORD>(ID_SAVE_PROJECT)},
                                         {FVIRTKEY | FALT, '1', static_cast<WORD>(ID_VIEW_PROJECT_WINDOW)},
                                         {FVIRTKEY | FALT, '2', static_cast<WORD>(ID_VIEW_OUTPUT_WINDOW)},
                                         {FVIRTKEY, static_cast<WORD>(VK_F1), static_cast<WORD>(ID_HELP)},
                                         {FVIRTKEY | FCONTROL, 'Z', static_cast<WORD>(ID_EDIT_UNDO)},
                                         {FVIRTKEY | FCONTROL, 'Y', static_cast<WORD>(ID_EDIT_REDO)},
                                     });
    // The project item's own menu in the project window.
    r.AddMenu(IDR_PROJECT_ITEM_MENU,
              {MenuPopup("Project", {MenuItem("&Insert Structure...", ID_INSERT_STRUCTURE)})});
    r.AddToolBar(IDR_MAINFRAME, {16, 15, PictureOrder()});
    r.AddBitmap(IDR_MAINFRAME, ":/strakon/toolbar128.svg");
    RegisterProjectWindowResources();
    AddElementResultsDialog(r);
    RegisterStrakonDialogs();
    RegisterStrakonContextMenus();
    RegisterStrakonEditorResources();
    AddVolumeWeightDialog(r);
    AddMessageDialogs(r);
    AddPropertySheetDialogs(r);
    AddShellDialogs(r);
    AddOutputDialogs(r);
    AddProjectDialogs(r);
    RegisterStrakonLoadResources();
    RegisterStrakonDesignResources();
}
