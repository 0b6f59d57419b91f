#include "framework/ABaseProjectTreeCtrl.h"

#include "framework/ABaseProjectDoc.h"
#include "framework/ABaseProjectTI.h"
#include "framework/ABaseStructureDoc.h"
#include "framework/ABaseWinApp.h"
#include "platform/core/CArchive.h"
#include "platform/ui/CImageList.h"
#include "platform/ui/CMenu.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(ABaseProjectTreeCtrl, CTreeCtrl)
IMPLEMENT_DYNCREATE(ABaseProjectSTreeItem, CObject)

namespace {

constexpr DWORD kStructureItemVersion = 10000;

ABaseProjectTI* objectOf(const CTreeCtrl& tree, HTREEITEM hItem) {
    return reinterpret_cast<ABaseProjectTI*>(tree.GetItemData(hItem));
}

// The item and everything below it, parents before children.
void collect(const CTreeCtrl& tree, HTREEITEM hItem, std::vector<HTREEITEM>& items) {
    items.push_back(hItem);
    for (HTREEITEM child = tree.GetChildItem(hItem); child; child = tree.GetNextSiblingItem(child))
        collect(tree, child, items);
}

} // namespace

ABaseProjectTreeCtrl::ABaseProjectTreeCtrl() = default;

ABaseProjectTreeCtrl::~ABaseProjectTreeCtrl() {
    DeleteStructureItems();
}

BOOL ABaseProjectTreeCtrl::CreateImageList(UINT nBitmapID) {
    auto list = std::make_unique<CImageList>();
    // The pictures are drawn on the window colour, which stands for transparency.
    if (!list->Create(nBitmapID, 16, 1, RGB(255, 255, 255))) return FALSE;
    SetImageList(list.get(), TVSIL_NORMAL);
    m_pImageList = std::move(list);
    return TRUE;
}

int ABaseProjectTreeCtrl::GetNumberOfSteps() {
    return 0;
}

void ABaseProjectTreeCtrl::AddProject() {
    DeleteAllItems();
    // Structure items of an earlier project lost their subtrees with the items.
    DeleteStructureItems();
    m_hRoot = InsertItem(GetProjectItemText().c_str(), 0, 0, TVI_ROOT, TVI_LAST);
    auto* object = m_pProjectItemClass
                       ? DYNAMIC_DOWNCAST_PTR<ABaseProjectTIProject>(m_pProjectItemClass->CreateObject())
                       : nullptr;
    if (!object) return;
    object->Initialize(this);
    object->SetHTI(m_hRoot);
    SetItemData(m_hRoot, reinterpret_cast<DWORD_PTR>(static_cast<ABaseProjectTI*>(object)));
}

CString ABaseProjectTreeCtrl::GetProjectItemText() {
    ABaseWinApp* app = ABaseWinApp::GetApp();
    ABaseProjectDoc* project = app ? app->GetProjectDocument() : nullptr;
    return CString::Formatted("Project '%s': %d structure(s)", project ? project->GetTitle().c_str() : "",
                              static_cast<int>(m_structureItems.size()));
}

void ABaseProjectTreeCtrl::UpdateProject() {
    if (m_hRoot) SetItemText(m_hRoot, GetProjectItemText().c_str());
}

void ABaseProjectTreeCtrl::RemoveProject() {
    DeleteAllItems();
    DeleteStructureItems();
}

void ABaseProjectTreeCtrl::DeleteStructureItems() {
    std::list<ABaseProjectSTreeItem*> items;
    items.swap(m_structureItems);
    for (ABaseProjectSTreeItem* item : items)
        delete item;
}

void ABaseProjectTreeCtrl::AddStructure(ABaseStructureDoc* pDoc, ABaseProjectSTreeItem* pItem) {
    if (!pItem) return;
    if (GetSTreeItemObject(pDoc)) RemoveStructure(pDoc);
    m_structureItems.push_back(pItem);
    pItem->Initialize();
    // The structure is seen at once: its project item opens.
    ExpandItem(m_hRoot, TRUE);
}

void ABaseProjectTreeCtrl::UpdateStructureName(ABaseStructureDoc* pDoc) {
    if (ABaseProjectSTreeItem* item = GetSTreeItemObject(pDoc)) item->UpdateStructureName();
}

void ABaseProjectTreeCtrl::RemoveStructure(ABaseStructureDoc* pDoc) {
    ABaseProjectSTreeItem* item = GetSTreeItemObject(pDoc);
    if (!item) return;
    item->Destroy();
    m_structureItems.remove(item);
    delete item;
}

ABaseProjectSTreeItem* ABaseProjectTreeCtrl::GetSTreeItemObject(ABaseStructureDoc* pDoc) const {
    for (ABaseProjectSTreeItem* item : m_structureItems)
        if (item->GetStructureDoc() == pDoc) return item;
    return nullptr;
}

void ABaseProjectTreeCtrl::ExpandItem(HTREEITEM hItem, BOOL bExpand) {
    if (hItem && ItemHasChildren(hItem)) Expand(hItem, bExpand ? TVE_EXPAND : TVE_COLLAPSE);
}

BOOL ABaseProjectTreeCtrl::IsItemExpanded(HTREEITEM hItem) const {
    return hItem && (GetItemState(hItem, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

BOOL ABaseProjectTreeCtrl::DeleteItem(HTREEITEM hItem) {
    if (!hItem) return FALSE;
    if (hItem == TVI_ROOT) return DeleteAllItems();
    std::vector<HTREEITEM> items;
    collect(*this, hItem, items);
    std::vector<ABaseProjectTI*> objects;
    for (HTREEITEM h : items) {
        if (ABaseProjectTI* object = objectOf(*this, h)) objects.push_back(object);
        if (h == m_hRoot) m_hRoot = nullptr;
    }
    const BOOL deleted = CTreeCtrl::DeleteItem(hItem);
    for (ABaseProjectTI* object : objects)
        delete object;
    return deleted;
}

BOOL ABaseProjectTreeCtrl::DeleteAllItems() {
    std::vector<HTREEITEM> items;
    for (HTREEITEM top = GetRootItem(); top; top = GetNextSiblingItem(top))
        collect(*this, top, items);
    std::vector<ABaseProjectTI*> objects;
    for (HTREEITEM h : items)
        if (ABaseProjectTI* object = objectOf(*this, h)) objects.push_back(object);
    m_hRoot = nullptr;
    const BOOL deleted = CTreeCtrl::DeleteAllItems();
    for (ABaseProjectTI* object : objects)
        delete object;
    return deleted;
}

void ABaseProjectTreeCtrl::DefaultActionOf(HTREEITEM hItem) {
    ABaseProjectTI* object = hItem ? objectOf(*this, hItem) : nullptr;
    if (object && !object->IsDestroyed()) object->DefaultAction();
}

void ABaseProjectTreeCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_RETURN) {
        DefaultActionOf(GetSelectedItem());
        return;
    }
    CTreeCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
}

void ABaseProjectTreeCtrl::OnLButtonDblClk(UINT nFlags, CPoint point) {
    DefaultActionOf(HitTest(point));
    CTreeCtrl::OnLButtonDblClk(nFlags, point);
}

void ABaseProjectTreeCtrl::OnContextMenu(CWnd* pWnd, CPoint pos) {
    HTREEITEM hItem = nullptr;
    CPoint at = pos;
    if (pos.x == -1 && pos.y == -1) {
        hItem = GetSelectedItem();
        at = CPoint(0, 0);
        ClientToScreen(&at);
    } else {
        CPoint client = pos;
        ScreenToClient(&client);
        hItem = HitTest(client);
    }
    ABaseProjectTI* object = hItem ? objectOf(*this, hItem) : nullptr;
    const UINT menuId = object && !object->IsDestroyed() ? object->GetContextMenuId() : 0;
    CWnd* target = AfxGetMainWnd();
    if (!menuId || !target) {
        CTreeCtrl::OnContextMenu(pWnd, pos);
        return;
    }
    SelectItem(hItem);
    CMenu menu;
    if (!menu.LoadMenu(menuId)) return;
    if (CMenu* popup = menu.GetSubMenu(0)) popup->TrackPopupMenu(TPM_RIGHTBUTTON, at.x, at.y, target);
}

void ABaseProjectTreeCtrl::OnDestroy() {
    // The items go with the widget: their objects go first.
    DeleteAllItems();
    DeleteStructureItems();
    CTreeCtrl::OnDestroy();
}

// --- structure items ---------------------------------------------------------------------------

ABaseProjectSTreeItem::ABaseProjectSTreeItem() = default;

ABaseProjectSTreeItem::~ABaseProjectSTreeItem() = default;

void ABaseProjectSTreeItem::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kStructureItemVersion;
        ar << static_cast<int>(m_pTree && m_pTree->IsItemExpanded(m_hTop) ? 1 : 0);
        return;
    }
    DWORD version = 0;
    int expanded = 0;
    ar >> version >> expanded;
    if (m_bRestoreExpansion && m_pTree) m_pTree->ExpandItem(m_hTop, expanded ? TRUE : FALSE);
}

void ABaseProjectSTreeItem::Initialize(ABaseStructureDoc* pDoc, ABaseProjectTreeCtrl* pTree) {
    m_pDoc = pDoc;
    m_pTree = pTree;
}

void ABaseProjectSTreeItem::Initialize() {}

void ABaseProjectSTreeItem::Destroy() {
    if (m_pTree && m_hTop) m_pTree->DeleteItem(m_hTop);
    m_hTop = nullptr;
}

void ABaseProjectSTreeItem::UpdateStructureName() {
    if (m_pTree && m_hTop && m_pDoc)
        m_pTree->SetItemText(m_hTop,
                             CString::Formatted("Structure '%s'", m_pDoc->GetTitle().c_str()).c_str());
}
