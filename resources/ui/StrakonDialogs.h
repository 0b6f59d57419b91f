#pragma once
// The program's dialog templates and the context menus of the structure views' objects.

// Adds the templates to the program's resources; part of RegisterStrakonResources.
void RegisterStrakonDialogs();

// Adds the context menus (element and node menus) to the program's resources;
// part of RegisterStrakonResources.
void RegisterStrakonContextMenus();
