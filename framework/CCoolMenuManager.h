#pragma once
// Gives the frame's menus the toolbar look: while a popup is open, each
// command shows the picture of the toolbar button with the same command id,
// and the accelerator keys of each command follow its text ("New\tCtrl+N").
// Check marks, disabled pictures and mnemonics are the platform menu's own.
// The manager sees the frame's menu messages through a hook on the frame.
#include "framework/CSubclassWnd.h"
#include "platform/core/CString.h"
#include "platform/ui/WinUi.h"

#include <QIcon>
#include <QPointer>

#include <map>
#include <vector>

class CFrameWnd;
class CMenu;
class QMenu;

class CCoolMenuManager : public CSubclassWnd {
    DECLARE_DYNAMIC(CCoolMenuManager)
public:
    CCoolMenuManager();
    // Gives every converted menu its items back.
    ~CCoolMenuManager() override;

    // Remembers the frame and hooks it.
    void Install(CFrameWnd* pFrame);
    // The pictures of a toolbar resource for its commands. FALSE when the
    // toolbar or its picture is missing, or its buttons are of another size
    // than the pictures taken so far.
    BOOL LoadToolbar(UINT nID);
    BOOL LoadToolbars(const UINT* pIDs, int n);
    // One picture of nIDs images for the commands of pIDs (0 skips an image).
    BOOL AddSingleBitmap(UINT nBitmapID, UINT n, const UINT* pIDs);
    // Takes every loaded toolbar again (after the colours or settings changed).
    virtual void Refresh();
    // Forgets all pictures, toolbars and accelerators.
    virtual void Destroy();

    // The picture index of a command; -1 for none.
    int GetButtonIndex(WORD nID) const;
    const std::vector<QIcon>& GetImages() const { return m_images; }
    CSize GetButtonSize() const { return m_szButton; }

    BOOL m_bShowButtons = TRUE;
    BOOL m_bAutoAccel = TRUE;

    // The names of key combinations of a command: text is cut at its tab, then
    // "\t" and the names of the command's accelerators, the latest entry
    // first, separated by ", ". TRUE when any name was added.
    BOOL AppendAccelName(CString& text, UINT nID) const;
    // The shown name of a key name that the keyboard layout gives: the keypad
    // names of the editing keys become "Ins", "Del", "Home", "End", "PgUp", "PgDn".
    static CString GetVirtualKeyName(const CString& layoutName);
    // The keyboard layout's name of a virtual key.
    static CString GetKeyLayoutName(UINT nVirtualKey);
    // Takes the accelerator table of a resource id.
    void LoadAccel(UINT nIDAccel);
    void DestroyAccel();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu);
    virtual void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    // Gives the items of the menu their pictures and accelerator names
    // (bToOwnerDraw), or their own texts and pictures back. Repeating it is
    // harmless: the accelerator names are cut off and added again.
    void ConvertMenu(CMenu* pMenu, UINT nIndex, BOOL bSysMenu, BOOL bToOwnerDraw);

private:
    BOOL AddImages(const std::vector<class QImage>& images, const std::vector<UINT>& ids,
                   bool everyIdTakesOne);

    CFrameWnd* m_pFrame = nullptr;
    std::vector<UINT> m_toolbarIds;
    std::vector<QIcon> m_images;
    std::map<UINT, int> m_buttonIndex;
    // Per command its accelerator entries in table order.
    std::map<UINT, std::vector<ACCEL>> m_accel;
    UINT m_nIDAccel = 0;
    bool m_bAccelLoaded = false;
    std::vector<QPointer<QMenu>> m_converted;
    CSize m_szButton{0, 0};
    CSize m_szBox{0, 0};
};
