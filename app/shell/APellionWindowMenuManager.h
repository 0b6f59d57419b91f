#pragma once
// The Window menu of the main frame: the framework's manager, whose New Window
// opens another window of the active window's own kind onto the same
// structure and project-tree entry.
#include "framework/AWindowMenuManager.h"

class APellionWindowMenuManager : public AWindowMenuManager {
    DECLARE_DYNCREATE(APellionWindowMenuManager)
public:
    // The kind comes from the template that made the active window; a result
    // window of an envelope opens that envelope's results again. Without an
    // active structure window the framework's failure message.
    void WindowNew() override;
};
