#pragma once
// The tree of one tab of the project window: the project as its single root
// item and under it one subtree per structure, built and kept by a structure
// item object per structure. Every tree item carries the object that reacts
// to it; a deleted item deletes its object.
#include "platform/core/CObject.h"
#include "platform/ui/CListCtrl.h"

#include <list>
#include <memory>

class ABaseProjectSTreeItem;
class ABaseStructureDoc;
class CArchive;

class ABaseProjectTreeCtrl : public CTreeCtrl {
    DECLARE_DYNAMIC(ABaseProjectTreeCtrl)
public:
    ABaseProjectTreeCtrl();
    // Deletes the structure item objects and the objects of the items.
    ~ABaseProjectTreeCtrl() override;

    // The images of the items, 16 pixels wide, from a bitmap resource.
    BOOL CreateImageList(UINT nBitmapID);
    // How many progress steps loading a project takes in this tree.
    virtual int GetNumberOfSteps();
    // Empties the tree and adds the project's root item.
    virtual void AddProject();
    // "Project '<title>': <n> structure(s)".
    virtual CString GetProjectItemText();
    void UpdateProject();
    // Deletes every item and every structure item object.
    void RemoveProject();

    // Takes pItem (owned from here on) for the structure and lets it build its
    // subtree; an object the structure had already is deleted first.
    void AddStructure(ABaseStructureDoc* pDoc, ABaseProjectSTreeItem* pItem);
    void UpdateStructureName(ABaseStructureDoc* pDoc);
    void RemoveStructure(ABaseStructureDoc* pDoc);
    ABaseProjectSTreeItem* GetSTreeItemObject(ABaseStructureDoc* pDoc) const;
    const std::list<ABaseProjectSTreeItem*>& GetStructureItems() const { return m_structureItems; }

    // Only an item with children is expanded or collapsed.
    void ExpandItem(HTREEITEM hItem, BOOL bExpand);
    BOOL IsItemExpanded(HTREEITEM hItem) const;

    // Deleting items deletes the objects attached to them and their children.
    BOOL DeleteItem(HTREEITEM hItem);
    BOOL DeleteAllItems();

    HTREEITEM GetProjectItem() const { return m_hRoot; }

    // Enter: the selected item's default action.
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // A double click: the default action of the item under the mouse.
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    // The item under the point (the selected one from the keyboard) is selected and
    // offers its menu; the main window carries out the commands.
    void OnContextMenu(CWnd* pWnd, CPoint pos) override;
    void OnDestroy() override;

    // The class of the root item's object (an ABaseProjectTIProject).
    const CRuntimeClass* m_pProjectItemClass = nullptr;

protected:
    void DeleteStructureItems();
    // Runs the default action of the item's object, when it has a living one.
    void DefaultActionOf(HTREEITEM hItem);

    HTREEITEM m_hRoot = nullptr;
    std::list<ABaseProjectSTreeItem*> m_structureItems;
    std::unique_ptr<CImageList> m_pImageList;
};

// The subtree of one structure in one tree.
class ABaseProjectSTreeItem : public CObject {
    DECLARE_DYNCREATE(ABaseProjectSTreeItem)
public:
    ABaseProjectSTreeItem();
    ~ABaseProjectSTreeItem() override;

    // The expanded state of the subtree's top item (version 10000, then 1 or 0).
    virtual void Serialize(CArchive& ar);
    virtual void Initialize(ABaseStructureDoc* pDoc, ABaseProjectTreeCtrl* pTree);
    // Builds the subtree; the base builds none.
    virtual void Initialize();
    // Deletes the subtree's top item.
    virtual void Destroy();
    // "Structure '<title>'".
    virtual void UpdateStructureName();

    ABaseStructureDoc* GetStructureDoc() const { return m_pDoc; }
    ABaseProjectTreeCtrl* GetTree() const { return m_pTree; }
    HTREEITEM GetTopItem() const { return m_hTop; }
    // While set, reading the record expands and collapses the branch as stored.
    void SetRestoreExpansion(BOOL bRestore) { m_bRestoreExpansion = bRestore ? 1 : 0; }

protected:
    HTREEITEM m_hTop = nullptr;
    ABaseStructureDoc* m_pDoc = nullptr;
    ABaseProjectTreeCtrl* m_pTree = nullptr;
    BYTE m_bRestoreExpansion = 0;
};
