#pragma once
// The View / Toolbars menu: it lists the general toolbars and those of the
// active workspace, each checked while shown, and its entries show and hide
// their toolbar. The main frame asks it before its own handlers.
#include "platform/ui/CCmdTarget.h"

class CMenu;

class APellionToolbarsMenuManager : public CCmdTarget {
    DECLARE_DYNCREATE(APellionToolbarsMenuManager)
public:
    // The general toolbars, the workspaces' toolbars and the ids the toggle accepts.
    static constexpr UINT kFirstGeneral = 0xE805;
    static constexpr UINT kLastGeneral = 0xE809;
    static constexpr UINT kFirstWorkspace = 0xE80A;
    static constexpr UINT kLastWorkspace = 0xE818;
    static constexpr UINT kLastToggle = 0xE81A;
    // The menu's entry while no toolbar is listed ("Empty", without a handler).
    static constexpr UINT kPlaceholder = 32921;

    // Rebuilds the popup: the general toolbars that exist, a separator, and the
    // workspace toolbars that belong to the active workspace; "Empty" first when
    // there is none.
    void LoadToolbarsMenu(CMenu* pMenu);
    // Whether the popup is the Toolbars menu: its first item is the placeholder or a toolbar.
    static bool IsToolbarsMenu(const CMenu* pMenu);

    // Shows a hidden toolbar, hides a shown one; nothing for an id without a bar.
    void OnToggleToolbar(UINT nID);
    void OnUpdateToggleToolbar(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
