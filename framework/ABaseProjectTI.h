#pragma once
// The objects behind the items of a project tree. Each reacts to being
// selected and to its default action (double click or Enter); the window
// items also keep the frames opened from them, which they name.
#include "platform/core/CObject.h"
#include "platform/ui/WinUi.h"

#include <string>
#include <vector>

class ABaseProjectTreeCtrl;
class ABaseStructureDoc;
class CArchive;
struct HTREEITEM__;
using HTREEITEM = HTREEITEM__*;

class ABaseProjectTI : public CObject {
    DECLARE_DYNCREATE(ABaseProjectTI)
public:
    // The four flags mean what the derived item says.
    ABaseProjectTI(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc, bool b1, bool b2, bool b3, bool b4);
    ~ABaseProjectTI() override;

    virtual void Serialize(CArchive& ar);
    virtual void OnSelChanged();
    virtual void DefaultAction();
    // The menu resource whose first popup the item offers on a right click; 0 for none.
    virtual UINT GetContextMenuId() const { return 0; }
    // The object is done with: its tree item no longer deletes it.
    virtual void Destroy();

    void SetHTI(HTREEITEM hItem) { m_hItem = hItem; }
    HTREEITEM GetHTI() const { return m_hItem; }
    ABaseProjectTreeCtrl* GetTree() const { return m_pTree; }
    ABaseStructureDoc* GetStructureDoc() const { return m_pStructureDoc; }
    BOOL IsDestroyed() const { return m_bDestroyed; }

protected:
    ABaseProjectTI() = default;

    ABaseProjectTreeCtrl* m_pTree = nullptr;
    HTREEITEM m_hItem = nullptr;
    ABaseStructureDoc* m_pStructureDoc = nullptr; // null for project-level items
    bool m_bFlag1 = false;
    bool m_bFlag2 = false;
    bool m_bFlag3 = false;
    bool m_bFlag4 = false;
    BYTE m_bDestroyed = 0;
};

// An item that opens frames; they carry its description in their titles.
class ABaseProjectTIWin : public ABaseProjectTI {
    DECLARE_DYNCREATE(ABaseProjectTIWin)
public:
    ABaseProjectTIWin(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc, bool b1, bool b2, bool b3,
                      bool b4);
    // Every listed frame forgets this item.
    ~ABaseProjectTIWin() override;

    // The text after the document's title in the frames' titles.
    virtual std::string GetDescription();

    // Lists the frame once; the other frames renumber their titles.
    void AddWindow(HWND hWnd);
    void RemoveWindow(HWND hWnd);
    void ShowFirstWindow();
    BOOL IsWindowOpened() const { return !m_windows.empty(); }
    // Asks every listed frame once to close; stops at the first that stays
    // open. TRUE when none is left.
    BOOL CloseAllWindows();
    void UpdateAllWindowsTitle();
    // 1-based; 0 when the frame is not listed.
    int GetWindowListPosition(HWND hWnd) const;
    const std::vector<HWND>& GetWindows() const { return m_windows; }

protected:
    ABaseProjectTIWin() = default;

    std::vector<HWND> m_windows;
};

class ABaseProjectTIProject : public ABaseProjectTI {
    DECLARE_DYNCREATE(ABaseProjectTIProject)
public:
    ABaseProjectTIProject(ABaseProjectTreeCtrl* pTree, bool b1, bool b2, bool b3, bool b4);
    virtual void Initialize(ABaseProjectTreeCtrl* pTree) { m_pTree = pTree; }

protected:
    ABaseProjectTIProject() = default;
};

class ABaseProjectTIStructure : public ABaseProjectTI {
    DECLARE_DYNCREATE(ABaseProjectTIStructure)
public:
    ABaseProjectTIStructure(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc, bool b1, bool b2, bool b3,
                            bool b4);
    virtual void Initialize(ABaseProjectTreeCtrl* pTree) { m_pTree = pTree; }

protected:
    ABaseProjectTIStructure() = default;
};

class ABaseProjectTIFolder : public ABaseProjectTI {
    DECLARE_DYNCREATE(ABaseProjectTIFolder)
public:
    ABaseProjectTIFolder(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc, bool b1, bool b2, bool b3,
                         bool b4);
    virtual void Initialize(ABaseProjectTreeCtrl* pTree) { m_pTree = pTree; }

protected:
    ABaseProjectTIFolder() = default;
};
