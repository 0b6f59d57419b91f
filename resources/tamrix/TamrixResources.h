#pragma once
// The framework library's resources: its dialog templates, its strings and the
// pictures of the property frame's buttons. They live in the library's own
// tables (module "tamrix"), since their ids clash with the program's.

// The module name of the library's tables.
inline constexpr const char* kTamrixModule = "tamrix";

// Adds the tables once; later calls do nothing.
void RegisterTamrixResources();
