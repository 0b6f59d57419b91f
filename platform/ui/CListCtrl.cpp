#include "platform/ui/CListCtrl.h"

#include "platform/ui/CDialogControls.h"

#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QPixmap>
#include <QTabBar>
#include <QTreeWidget>

#include <algorithm>
#include <cctype>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

namespace {

const int kDataRole = Qt::UserRole + 1;

QString qs(const char* text) {
    return QString::fromUtf8(text ? text : "");
}

QTreeWidget* treeOf(const CWnd* wnd) {
    return qobject_cast<QTreeWidget*>(wnd->GetWidget());
}

} // namespace

namespace {
QTreeWidgetItem* itemOf(HTREEITEM h) {
    return reinterpret_cast<QTreeWidgetItem*>(h);
}
HTREEITEM handleOf(QTreeWidgetItem* item) {
    return reinterpret_cast<HTREEITEM>(item);
}
bool isSpecial(HTREEITEM h) {
    return h == TVI_ROOT || h == TVI_FIRST || h == TVI_LAST || h == TVI_SORT;
}

// The rank of a character in the system's text order: marks, digits, letters.
int sortRank(unsigned char c) {
    if (std::isalpha(c) || c >= 0x80) return 2;
    if (std::isdigit(c)) return 1;
    return 0;
}
} // namespace

// --- CListCtrl --------------------------------------------------------------------------------------

CListCtrl::CListCtrl() = default;
CListCtrl::~CListCtrl() = default;

QWidget* CListCtrl::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    auto* list = new QTreeWidget(parentWidget);
    list->setRootIsDecorated(false);
    list->setColumnCount(0);
    list->setSelectionMode(cs.style & LVS_SINGLESEL ? QAbstractItemView::SingleSelection
                                                    : QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->header()->setStretchLastSection(false);
    // Each row whose selection changes is reported as LVN_ITEMCHANGED.
    QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, list,
                     [list](const QItemSelection& selected, const QItemSelection& deselected) {
                         auto report = [list](const QItemSelection& rows, UINT newState, UINT oldState) {
                             for (const QModelIndex& index : rows.indexes()) {
                                 if (index.column() != 0) continue;
                                 CWnd* wnd = CWnd::FromWidget(list);
                                 if (!wnd) return;
                                 NMLISTVIEW change;
                                 change.iItem = index.row();
                                 change.uNewState = newState;
                                 change.uOldState = oldState;
                                 change.uChanged = LVIF_STATE;
                                 change.lParam = static_cast<LPARAM>(index.data(kDataRole).value<quintptr>());
                                 AfxNotifyParent(wnd, LVN_ITEMCHANGED, change.hdr);
                             }
                         };
                         report(deselected, 0, LVIS_SELECTED);
                         report(selected, LVIS_SELECTED, 0);
                     });
    QObject::connect(list, &QTreeWidget::itemClicked, list, [list]() {
        NMHDR header;
        AfxNotifyParent(CWnd::FromWidget(list), NM_CLICK, header);
    });
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, list, [list]() {
        NMHDR header;
        AfxNotifyParent(CWnd::FromWidget(list), NM_DBLCLK, header);
    });
    return list;
}

int CListCtrl::InsertColumn(int nCol, const char* lpszColumnHeading, int nFormat, int nWidth) {
    QTreeWidget* list = treeOf(this);
    if (!list || nCol < 0) return -1;
    const int count = list->columnCount();
    const int column = std::min(nCol, count);
    QTreeWidgetItem* header = list->headerItem();
    // Columns after the new one move right, their texts with them.
    list->setColumnCount(count + 1);
    for (int c = count; c > column; --c) {
        header->setText(c, header->text(c - 1));
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            list->topLevelItem(i)->setText(c, list->topLevelItem(i)->text(c - 1));
    }
    header->setText(column, qs(lpszColumnHeading));
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        list->topLevelItem(i)->setText(column, QString());
    const Qt::Alignment align = nFormat == LVCFMT_RIGHT    ? Qt::AlignRight
                                : nFormat == LVCFMT_CENTER ? Qt::AlignHCenter
                                                           : Qt::AlignLeft;
    header->setTextAlignment(column, align | Qt::AlignVCenter);
    if (nWidth >= 0) list->setColumnWidth(column, nWidth);
    return column;
}

BOOL CListCtrl::DeleteColumn(int nCol) {
    QTreeWidget* list = treeOf(this);
    if (!list || nCol < 0 || nCol >= list->columnCount()) return FALSE;
    const int count = list->columnCount();
    QTreeWidgetItem* header = list->headerItem();
    for (int c = nCol; c + 1 < count; ++c) {
        header->setText(c, header->text(c + 1));
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            list->topLevelItem(i)->setText(c, list->topLevelItem(i)->text(c + 1));
    }
    list->setColumnCount(count - 1);
    return TRUE;
}

int CListCtrl::GetColumnCount() const {
    QTreeWidget* list = treeOf(this);
    return list ? list->columnCount() : 0;
}

int CListCtrl::InsertItem(int nItem, const char* lpszItem) {
    QTreeWidget* list = treeOf(this);
    if (!list || nItem < 0) return -1;
    if (list->columnCount() == 0) list->setColumnCount(1);
    const int index = std::min(nItem, list->topLevelItemCount());
    auto* item = new QTreeWidgetItem;
    item->setText(0, qs(lpszItem));
    for (int c = 0; c < list->columnCount(); ++c)
        item->setTextAlignment(c, Qt::Alignment(list->headerItem()->textAlignment(c)));
    list->insertTopLevelItem(index, item);
    return index;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const char* lpszText) {
    QTreeWidget* list = treeOf(this);
    if (!list || nItem < 0 || nItem >= list->topLevelItemCount() || nSubItem < 0 ||
        nSubItem >= list->columnCount())
        return FALSE;
    list->topLevelItem(nItem)->setText(nSubItem, qs(lpszText));
    return TRUE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    QTreeWidget* list = treeOf(this);
    if (!list || nItem < 0 || nItem >= list->topLevelItemCount() || nSubItem < 0) return CString();
    return CString(list->topLevelItem(nItem)->text(nSubItem).toStdString());
}

BOOL CListCtrl::DeleteItem(int nItem) {
    QTreeWidget* list = treeOf(this);
    if (!list || nItem < 0 || nItem >= list->topLevelItemCount()) return FALSE;
    delete list->takeTopLevelItem(nItem);
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
    QTreeWidget* list = treeOf(this);
    if (!list) return FALSE;
    list->clear();
    return TRUE;
}

int CListCtrl::GetItemCount() const {
    QTreeWidget* list = treeOf(this);
    return list ? list->topLevelItemCount() : 0;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
    QTreeWidget* list = treeOf(this);
    if (!list || nItem < 0 || nItem >= list->topLevelItemCount()) return FALSE;
    list->topLevelItem(nItem)->setData(0, kDataRole, QVariant::fromValue<quintptr>(dwData));
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
    QTreeWidget* list = treeOf(this);
    if (!list || nItem < 0 || nItem >= list->topLevelItemCount()) return 0;
    return list->topLevelItem(nItem)->data(0, kDataRole).value<quintptr>();
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    QTreeWidget* list = treeOf(this);
    if (!list) return FALSE;
    // -1 sets the state of every item.
    const int first = nItem < 0 ? 0 : nItem, last = nItem < 0 ? list->topLevelItemCount() - 1 : nItem;
    if (nItem >= list->topLevelItemCount()) return FALSE;
    for (int i = first; i <= last; ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        if (nMask & LVIS_SELECTED) item->setSelected((nState & LVIS_SELECTED) != 0);
        if ((nMask & LVIS_FOCUSED) && (nState & LVIS_FOCUSED))
            list->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    }
    return TRUE;
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
    QTreeWidget* list = treeOf(this);
    if (!list || nItem < 0 || nItem >= list->topLevelItemCount()) return 0;
    QTreeWidgetItem* item = list->topLevelItem(nItem);
    UINT state = 0;
    if (item->isSelected()) state |= LVIS_SELECTED;
    if (list->currentItem() == item) state |= LVIS_FOCUSED;
    return state & nMask;
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const {
    QTreeWidget* list = treeOf(this);
    if (!list) return -1;
    for (int i = nItem + 1; i < list->topLevelItemCount(); ++i)
        if (!(nFlags & LVNI_SELECTED) || list->topLevelItem(i)->isSelected()) return i;
    return -1;
}

UINT CListCtrl::GetSelectedCount() const {
    QTreeWidget* list = treeOf(this);
    return list ? static_cast<UINT>(list->selectedItems().size()) : 0;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL) {
    QTreeWidget* list = treeOf(this);
    if (!list || nItem < 0 || nItem >= list->topLevelItemCount()) return FALSE;
    list->scrollToItem(list->topLevelItem(nItem));
    return TRUE;
}

// --- CTreeCtrl --------------------------------------------------------------------------------------

CTreeCtrl::CTreeCtrl() = default;
CTreeCtrl::~CTreeCtrl() = default;

QWidget* CTreeCtrl::CreateWidget(const CREATESTRUCT&, QWidget* parentWidget) {
    auto* tree = new QTreeWidget(parentWidget);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    QObject::connect(tree, &QTreeWidget::currentItemChanged, tree,
                     [tree](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
                         NMTREEVIEW change;
                         change.itemOld.hItem = handleOf(previous);
                         change.itemNew.hItem = handleOf(current);
                         if (previous) change.itemOld.lParam = previous->data(0, kDataRole).value<quintptr>();
                         if (current) change.itemNew.lParam = current->data(0, kDataRole).value<quintptr>();
                         AfxNotifyParent(CWnd::FromWidget(tree), TVN_SELCHANGED, change.hdr);
                     });
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked, tree, [tree]() {
        NMHDR header;
        AfxNotifyParent(CWnd::FromWidget(tree), NM_DBLCLK, header);
    });
    return tree;
}

HTREEITEM CTreeCtrl::InsertItem(const char* lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    QTreeWidget* tree = treeOf(this);
    if (!tree) return nullptr;
    auto* item = new QTreeWidgetItem(QStringList(qs(lpszItem)));
    QTreeWidgetItem* parent = !hParent || isSpecial(hParent) ? tree->invisibleRootItem() : itemOf(hParent);
    int index = parent->childCount();
    if (hInsertAfter == TVI_FIRST) {
        index = 0;
    } else if (hInsertAfter == TVI_SORT) {
        // The children are in order already: a binary search finds the place
        // after the last child that does not come after the new text.
        const CString text = lpszItem ? lpszItem : "";
        int low = 0;
        int high = parent->childCount();
        while (low < high) {
            const int mid = (low + high) / 2;
            if (CompareItemTexts(parent->child(mid)->text(0).toStdString(), text) <= 0)
                low = mid + 1;
            else
                high = mid;
        }
        index = low;
    } else if (hInsertAfter && !isSpecial(hInsertAfter)) {
        const int after = parent->indexOfChild(itemOf(hInsertAfter));
        if (after >= 0) index = after + 1;
    }
    parent->insertChild(index, item);
    return handleOf(item);
}

int CTreeCtrl::CompareItemTexts(const CString& a, const CString& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca == cb) continue;
        const int ra = sortRank(ca);
        const int rb = sortRank(cb);
        if (ra != rb) return ra - rb;
        const int la = std::tolower(ca);
        const int lb = std::tolower(cb);
        if (la != lb) return la - lb;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    // Equal but for letter case: a fixed order all the same.
    return a.compare(b);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem) {
    QTreeWidget* tree = treeOf(this);
    if (!tree || !hItem) return FALSE;
    if (hItem == TVI_ROOT) return DeleteAllItems();
    delete itemOf(hItem);
    return TRUE;
}

BOOL CTreeCtrl::DeleteAllItems() {
    QTreeWidget* tree = treeOf(this);
    if (!tree) return FALSE;
    tree->clear();
    return TRUE;
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const {
    return hItem && !isSpecial(hItem) ? CString(itemOf(hItem)->text(0).toStdString()) : CString();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, const char* lpszItem) {
    if (!hItem || isSpecial(hItem)) return FALSE;
    itemOf(hItem)->setText(0, qs(lpszItem));
    return TRUE;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData) {
    if (!hItem || isSpecial(hItem)) return FALSE;
    itemOf(hItem)->setData(0, kDataRole, QVariant::fromValue<quintptr>(dwData));
    return TRUE;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
    return hItem && !isSpecial(hItem) ? itemOf(hItem)->data(0, kDataRole).value<quintptr>() : 0;
}

HTREEITEM CTreeCtrl::GetRootItem() const {
    QTreeWidget* tree = treeOf(this);
    return tree && tree->topLevelItemCount() ? handleOf(tree->topLevelItem(0)) : nullptr;
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const {
    return hItem && !isSpecial(hItem) ? handleOf(itemOf(hItem)->parent()) : nullptr;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const {
    if (!hItem || hItem == TVI_ROOT) return GetRootItem();
    if (isSpecial(hItem)) return nullptr;
    return itemOf(hItem)->childCount() ? handleOf(itemOf(hItem)->child(0)) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const {
    QTreeWidget* tree = treeOf(this);
    if (!tree || !hItem || isSpecial(hItem)) return nullptr;
    QTreeWidgetItem* item = itemOf(hItem);
    QTreeWidgetItem* parent = item->parent() ? item->parent() : tree->invisibleRootItem();
    const int index = parent->indexOfChild(item);
    return index >= 0 && index + 1 < parent->childCount() ? handleOf(parent->child(index + 1)) : nullptr;
}

HTREEITEM CTreeCtrl::GetSelectedItem() const {
    QTreeWidget* tree = treeOf(this);
    return tree ? handleOf(tree->currentItem()) : nullptr;
}

BOOL CTreeCtrl::SelectItem(HTREEITEM hItem) {
    QTreeWidget* tree = treeOf(this);
    if (!tree) return FALSE;
    tree->setCurrentItem(hItem && !isSpecial(hItem) ? itemOf(hItem) : nullptr);
    return TRUE;
}

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) {
    if (!hItem || isSpecial(hItem)) return FALSE;
    QTreeWidgetItem* item = itemOf(hItem);
    switch (nCode) {
    case TVE_EXPAND:
        item->setExpanded(true);
        break;
    case TVE_COLLAPSE:
        item->setExpanded(false);
        break;
    case TVE_TOGGLE:
        item->setExpanded(!item->isExpanded());
        break;
    default:
        return FALSE;
    }
    return TRUE;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const {
    return hItem && !isSpecial(hItem) && itemOf(hItem)->childCount() > 0;
}

UINT CTreeCtrl::GetCount() const {
    QTreeWidget* tree = treeOf(this);
    if (!tree) return 0;
    UINT count = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        ++count;
    return count;
}

namespace {
const int kImageRole = Qt::UserRole + 2;
} // namespace

HTREEITEM CTreeCtrl::InsertItem(const char* lpszItem, int nImage, int, HTREEITEM hParent,
                                HTREEITEM hInsertAfter) {
    HTREEITEM h = InsertItem(lpszItem, hParent, hInsertAfter);
    if (!h) return nullptr;
    itemOf(h)->setData(0, kImageRole, nImage);
    if (m_pImageList) {
        const QPixmap picture = m_pImageList->GetPixmap(nImage);
        if (!picture.isNull()) itemOf(h)->setIcon(0, QIcon(picture));
    }
    return h;
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const {
    if (!hItem || isSpecial(hItem)) return FALSE;
    nImage = nSelectedImage = itemOf(hItem)->data(0, kImageRole).toInt();
    return TRUE;
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageList) {
    if (nImageList != TVSIL_NORMAL) return nullptr;
    CImageList* previous = m_pImageList;
    m_pImageList = pImageList;
    // The items already there take their pictures from the new list.
    if (QTreeWidget* tree = treeOf(this))
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            const QVariant image = (*it)->data(0, kImageRole);
            const QPixmap picture =
                m_pImageList && image.isValid() ? m_pImageList->GetPixmap(image.toInt()) : QPixmap();
            (*it)->setIcon(0, picture.isNull() ? QIcon() : QIcon(picture));
        }
    return previous;
}

CImageList* CTreeCtrl::GetImageList(int nImageList) const {
    return nImageList == TVSIL_NORMAL ? m_pImageList : nullptr;
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const {
    if (!hItem || isSpecial(hItem)) return 0;
    QTreeWidgetItem* item = itemOf(hItem);
    UINT state = 0;
    if (item->isExpanded()) state |= TVIS_EXPANDED;
    if (item->isSelected()) state |= TVIS_SELECTED;
    return state & nStateMask;
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt) const {
    QTreeWidget* tree = treeOf(this);
    if (!tree) return nullptr;
    const QPoint inView = tree->viewport()->mapFrom(tree, QPoint(pt.x, pt.y));
    return handleOf(tree->itemAt(inView));
}

// --- CTabCtrl ---------------------------------------------------------------------------------------

namespace {
QTabBar* tabsOf(const CWnd* wnd) {
    return qobject_cast<QTabBar*>(wnd->GetWidget());
}

// The tab the parent last knew as the selection, and whether tabs are being
// removed (a removal moves the selection without asking).
const char* const kShownTab = "strakonShownTab";
const char* const kRemovingTabs = "strakonRemovingTabs";

void rememberShownTab(QTabBar* tabs) {
    tabs->setProperty(kShownTab, tabs->currentIndex());
}

// A tab the user picks: the parent may keep the old one (TCN_SELCHANGING, asked
// while the old tab is still the selection), then hears of the new one.
void userPickedTab(QTabBar* tabs, int index) {
    CWnd* wnd = CWnd::FromWidget(tabs);
    if (!wnd) return;
    const QVariant shown = tabs->property(kShownTab);
    const int previous = shown.isValid() ? shown.toInt() : -1;
    if (!tabs->property(kRemovingTabs).toBool() && previous >= 0 && previous < tabs->count() &&
        previous != index) {
        {
            const QSignalBlocker block(tabs);
            tabs->setCurrentIndex(previous);
        }
        const HWND self = wnd->m_hWnd;
        NMHDR asking;
        const bool refused = AfxNotifyParent(wnd, TCN_SELCHANGING, asking) != 0;
        if (CWnd::FromHandle(self) != wnd || refused) return;
        const QSignalBlocker block(tabs);
        tabs->setCurrentIndex(index);
    }
    rememberShownTab(tabs);
    NMHDR header;
    AfxNotifyParent(wnd, TCN_SELCHANGE, header);
}
} // namespace

CTabCtrl::CTabCtrl() = default;
CTabCtrl::~CTabCtrl() = default;

QWidget* CTabCtrl::CreateWidget(const CREATESTRUCT&, QWidget* parentWidget) {
    auto* tabs = new QTabBar(parentWidget);
    tabs->setExpanding(false);
    // A tab the user picks is reported; one chosen by code is not.
    QObject::connect(tabs, &QTabBar::currentChanged, tabs, [tabs](int index) { userPickedTab(tabs, index); });
    return tabs;
}

int CTabCtrl::InsertItem(int nItem, const char* lpszItem) {
    QTabBar* tabs = tabsOf(this);
    if (!tabs || nItem < 0) return -1;
    const QSignalBlocker block(tabs);
    const int index = tabs->insertTab(std::min(nItem, tabs->count()), qs(lpszItem));
    rememberShownTab(tabs);
    return index;
}

BOOL CTabCtrl::DeleteItem(int nItem) {
    QTabBar* tabs = tabsOf(this);
    if (!tabs || nItem < 0 || nItem >= tabs->count()) return FALSE;
    tabs->setProperty(kRemovingTabs, true);
    tabs->removeTab(nItem);
    tabs->setProperty(kRemovingTabs, false);
    rememberShownTab(tabs);
    return TRUE;
}

BOOL CTabCtrl::DeleteAllItems() {
    QTabBar* tabs = tabsOf(this);
    if (!tabs) return FALSE;
    tabs->setProperty(kRemovingTabs, true);
    while (tabs->count())
        tabs->removeTab(0);
    tabs->setProperty(kRemovingTabs, false);
    rememberShownTab(tabs);
    return TRUE;
}

int CTabCtrl::GetItemCount() const {
    QTabBar* tabs = tabsOf(this);
    return tabs ? tabs->count() : 0;
}

int CTabCtrl::GetCurSel() const {
    QTabBar* tabs = tabsOf(this);
    return tabs ? tabs->currentIndex() : -1;
}

int CTabCtrl::SetCurSel(int nItem) {
    QTabBar* tabs = tabsOf(this);
    if (!tabs || nItem < 0 || nItem >= tabs->count()) return -1;
    const int previous = tabs->currentIndex();
    // Selecting by code sends no notification, as on the platform.
    const QSignalBlocker block(tabs);
    tabs->setCurrentIndex(nItem);
    rememberShownTab(tabs);
    return previous;
}

CString CTabCtrl::GetItemText(int nItem) const {
    QTabBar* tabs = tabsOf(this);
    return tabs && nItem >= 0 && nItem < tabs->count() ? CString(tabs->tabText(nItem).toStdString())
                                                       : CString();
}
