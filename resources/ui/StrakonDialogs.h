#pragma once
// The program's dialog templates.

// Adds the templates to the program's resources; part of RegisterStrakonResources.
void RegisterStrakonDialogs();
