#pragma once
// A menu over a Qt menu. Items are addressed by position (MF_BYPOSITION) or by
// command id (MF_BYCOMMAND, which also searches the popups); each item carries
// its command id, 0 for a separator. A menu bar is a menu whose items are popups.
//
// Choosing an item sends WM_COMMAND to the window that owns the menu (the frame
// whose menu bar holds it, or the window of TrackPopupMenu); opening a popup
// sends it WM_INITMENUPOPUP, hovering an item WM_MENUSELECT, closing the menu
// WM_MENUSELECT with the flags 0xFFFF and WM_EXITMENULOOP.
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"
#include "platform/ui/WinUi.h"

#include <QPointer>

#include <vector>

class CWnd;
struct CMenuItemDef;
class QAction;
class QMenu;

class CMenu : public CObject {
    DECLARE_DYNCREATE(CMenu)
public:
    CMenu();
    // Destroys the menu when this object created or loaded it.
    ~CMenu() override;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    HMENU GetSafeHmenu() const { return GetQMenu(); }
    operator HMENU() const { return GetQMenu(); }
    // The living Qt menu, null when it is gone.
    QMenu* GetQMenu() const;

    // A lasting object for a menu handle; the menu owns it.
    static CMenu* FromHandle(HMENU hMenu);

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(UINT nIDResource);
    BOOL LoadMenuIndirect(const std::vector<CMenuItemDef>& items);
    BOOL DestroyMenu();
    // Takes a menu into this object without owning it.
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    UINT GetMenuItemCount() const;
    // 0 for a separator, (UINT)-1 for a popup.
    UINT GetMenuItemID(int nPos) const;
    // MF_CHECKED, MF_GRAYED | MF_DISABLED, MF_SEPARATOR, MF_POPUP (with the popup's
    // item count in the high byte); (UINT)-1 when there is no such item.
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    // The item's text with its accelerator part; returns its length (0 when none).
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    CMenu* GetSubMenu(int nPos) const;

    // MF_POPUP: nIDNewItem is the popup's handle; the popup then belongs to this menu.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr);
    // Takes the item out; a popup is kept alive for the caller.
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    // Takes the item out; a popup is destroyed with it.
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    // The previous state (MF_CHECKED or MF_UNCHECKED; MF_ENABLED or MF_GRAYED), (UINT)-1 when no item.
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    // Checks nIDItem with a radio mark and unchecks the others of the range.
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);
    // Shows the item's check as a radio mark (or as a check mark again).
    BOOL SetMenuItemRadio(UINT nItem, UINT nFlags, BOOL bRadio);
    BOOL SetMenuItemText(UINT nItem, UINT nFlags, const char* lpszText);

    // Shows the menu as a popup at a screen point. The choice is sent to pWnd as
    // WM_COMMAND, or with TPM_RETURNCMD returned instead (0 when nothing was chosen).
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

    // The Qt action of an item; null when there is none.
    QAction* GetItemAction(UINT nItem, UINT nFlags) const;

    // The window that receives the menu's messages (set on a menu bar by its frame).
    static void SetMenuOwner(HMENU hMenu, CWnd* pOwner);
    static CWnd* GetMenuOwner(HMENU hMenu);

private:
    void Take(QMenu* menu, bool owns);

    QPointer<QObject> m_menu;
    bool m_bOwns = false;
};
