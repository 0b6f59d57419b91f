#pragma once
// The state of one user-interface element (menu item, toolbar button, status-bar
// pane) handed to the update handlers. The menu's CCmdUI acts on the item at
// m_nIndex of m_pMenu; toolbars and status bars derive their own kinds, and
// CTestCmdUI only collects what the handlers set.
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI {
public:
    CCmdUI();
    virtual ~CCmdUI();

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    // The menu being updated; null when the element is not a menu item.
    CMenu* m_pMenu = nullptr;
    // The popup that the item opens, when it opens one.
    CMenu* m_pSubMenu = nullptr;
    // The toolbar or status bar being updated; null for menus.
    CWnd* m_pOther = nullptr;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
    // The item count of the menu; a handler that adds or removes items updates it.
    UINT m_nIndexMax = 0;

    virtual void Enable(BOOL bOn = TRUE);
    // 0 unchecked, 1 checked, 2 indeterminate.
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(const char* lpszText);

    // The handler declines: the update goes on to the next target of the route.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Runs the update handler of m_nID found through pTarget's route. When no
    // handler enabled or disabled the element (none ran, or it only checked it),
    // and with bDisableIfNoHndler, the element is enabled exactly when a command
    // handler exists. Returns whether an update handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

// Collects what update handlers set; used to ask whether a command is enabled.
class CTestCmdUI : public CCmdUI {
public:
    CTestCmdUI();
    ~CTestCmdUI() override;

    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetRadio(BOOL bOn = TRUE) override;
    void SetText(const char* lpszText) override;

    BOOL m_bEnabled = TRUE;
    // -1 while no handler set it.
    int m_nCheck = -1;
    BOOL m_bRadio = FALSE;
    BOOL m_bTextSet = FALSE;
    CString m_strText;
};
