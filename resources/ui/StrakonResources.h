#pragma once
// The program's resource tables: the string table, the main frame's menu and
// accelerators, the document templates' strings, toolbar resource 128 with its
// pictures, and the seven toolbars that the main frame defines from it.
#include "platform/core/WinTypes.h"

#include <vector>

// One toolbar of the main frame: its title, id, buttons (0 is a separator), the
// dock bar it starts in (AFX_IDW_DOCKBAR_...), the toolbar it starts beside (0
// for none), whether it is shown at first, and its workspace (-1: every workspace).
struct AToolBarDef {
    const char* title;
    UINT id;
    std::vector<UINT> buttons;
    UINT dockBarId;
    UINT nextToId;
    bool shownAtFirst;
    int workspace;
};

// The toolbars in the order in which the main frame defines them.
const std::vector<AToolBarDef>& StrakonToolBars();

// Adds the tables to the platform's resources; called once at start-up.
void RegisterStrakonResources();
// The project window's tab icons and tree image strips alone (part of the above).
void RegisterProjectWindowResources();

// The main frame's menu, which the document windows' menus extend.
struct CMenuItemDef;
std::vector<CMenuItemDef> StrakonFrameMenu();
// The menu of a zoomable structure window: the frame's menu with Print and Print
// Preview, the Edit and Zoom menus, the View entries given and the own menus
// before Window.
std::vector<CMenuItemDef> StrakonStructureViewMenu(std::vector<CMenuItemDef> viewEntries,
                                                   std::vector<CMenuItemDef> ownMenus);
// The loads, load-combinations and envelope windows' dialogs, menus, toolbar and
// pictures; part of RegisterStrakonResources.
void RegisterStrakonLoadResources();

class CResources;
// The dialog templates, one function per template.
void AddElementResultsDialog(CResources& r);
void AddVolumeWeightDialog(CResources& r);
// The pages of the property sheets of members and nodes and of the message sheet, with the support symbols.
void AddPropertySheetDialogs(CResources& r);
void AddShellDialogs(CResources& r);
// The seven pages of the output-settings sheet (190 to 195 and 230).
void AddOutputDialogs(CResources& r);
// The project commands' dialogs (Remove Structure).
void AddProjectDialogs(CResources& r);
