#pragma once
// The platform's common controls of dialogs: the list view in its report form
// (rows of texts under column headers), the tree view and the tab strip.
#include "platform/ui/CImageList.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/DlgUi.h"

// List view styles, item states and the search flags of GetNextItem.
constexpr DWORD LVS_REPORT = 0x0001;
constexpr DWORD LVS_SINGLESEL = 0x0004;
constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;
constexpr int LVNI_ALL = 0x0000;
constexpr int LVNI_SELECTED = 0x0002;
constexpr int LVCFMT_LEFT = 0x0000;
constexpr int LVCFMT_RIGHT = 0x0001;
constexpr int LVCFMT_CENTER = 0x0002;
constexpr UINT LVIF_STATE = 0x0008;

// The change of an item's state (LVN_ITEMCHANGED).
struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction{};
    LPARAM lParam = 0;
};

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl();
    ~CListCtrl() override;

    int InsertColumn(int nCol, const char* lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1);
    BOOL DeleteColumn(int nCol);
    int GetColumnCount() const;
    // The new item's index (-1 on failure); items after it move down.
    int InsertItem(int nItem, const char* lpszItem);
    BOOL SetItemText(int nItem, int nSubItem, const char* lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const;
    // The next item after nItem (-1: from the first) with the flags; -1 when none.
    int GetNextItem(int nItem, int nFlags) const;
    UINT GetSelectedCount() const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
};

struct HTREEITEM__;
using HTREEITEM = HTREEITEM__*;
inline HTREEITEM const TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x10000));
inline HTREEITEM const TVI_FIRST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFF));
inline HTREEITEM const TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFE));
// Among the parent's children in the order of their texts (CTreeCtrl::CompareItemTexts).
inline HTREEITEM const TVI_SORT = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFD));
// Tree styles; the tree always draws buttons and lines.
constexpr DWORD TVS_HASBUTTONS = 0x0001;
constexpr DWORD TVS_HASLINES = 0x0002;
constexpr DWORD TVS_LINESATROOT = 0x0004;
constexpr UINT TVE_COLLAPSE = 0x0001;
constexpr UINT TVE_EXPAND = 0x0002;
constexpr UINT TVE_TOGGLE = 0x0003;
constexpr UINT TVIS_SELECTED = 0x0002;
constexpr UINT TVIS_EXPANDED = 0x0020;
constexpr int TVSIL_NORMAL = 0;

struct TVITEM {
    UINT mask = 0;
    HTREEITEM hItem = nullptr;
    UINT state = 0;
    UINT stateMask = 0;
    LPARAM lParam = 0;
};

// The change of the selected item (TVN_SELCHANGED).
struct NMTREEVIEW {
    NMHDR hdr;
    UINT action = 0;
    TVITEM itemOld;
    TVITEM itemNew;
    POINT ptDrag{};
};

class CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    CTreeCtrl();
    ~CTreeCtrl() override;

    // A new item under the parent (TVI_ROOT), after hInsertAfter (TVI_FIRST, TVI_LAST, TVI_SORT or an item).
    HTREEITEM InsertItem(const char* lpszItem, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    // The order of TVI_SORT, as the system's tree sorts: letter case ignored,
    // blanks and punctuation before digits, digits before letters ("[10]" <
    // "[100]" < "[11]"). Negative, zero or positive.
    static int CompareItemTexts(const CString& a, const CString& b);
    BOOL DeleteItem(HTREEITEM hItem);
    BOOL DeleteAllItems();
    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, const char* lpszItem);
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetParentItem(HTREEITEM hItem) const;
    HTREEITEM GetChildItem(HTREEITEM hItem) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetSelectedItem() const;
    BOOL SelectItem(HTREEITEM hItem);
    BOOL Expand(HTREEITEM hItem, UINT nCode);
    BOOL ItemHasChildren(HTREEITEM hItem) const;
    UINT GetCount() const;

    // A new item showing picture nImage of the image list.
    HTREEITEM InsertItem(const char* lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    // The pictures of the items (TVSIL_NORMAL; not owned). The previous list.
    CImageList* SetImageList(CImageList* pImageList, int nImageList);
    CImageList* GetImageList(int nImageList) const;
    // The picture numbers the item was inserted with; FALSE for no item.
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
    // TVIS_EXPANDED and TVIS_SELECTED of the item, within the mask.
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    // The item at a point of the control's client area; null when there is none.
    HTREEITEM HitTest(CPoint pt) const;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;

private:
    CImageList* m_pImageList = nullptr;
};

class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    CTabCtrl();
    ~CTabCtrl() override;

    int InsertItem(int nItem, const char* lpszItem);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    int GetCurSel() const;
    // The previous selection, -1 for none.
    int SetCurSel(int nItem);
    CString GetItemText(int nItem) const;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
};
