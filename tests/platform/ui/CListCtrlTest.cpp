#include "platform/ui/CListCtrl.h"

#include "UiTestSupport.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CResources.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT IDD_LISTS = 9670;

class Lists : public ::testing::Test {
protected:
    void SetUp() override {
        CDialogTemplate t;
        t.caption = "Lists";
        t.style = WS_POPUP | WS_CAPTION;
        t.cx = 300;
        t.cy = 160;
        t.items = {DlgControl("", 1000, WC_LISTVIEW, WS_VISIBLE | WS_BORDER | LVS_REPORT, 7, 7, 140, 80),
                   DlgControl("", 1001, WC_TREEVIEW, WS_VISIBLE | WS_BORDER, 150, 7, 140, 80),
                   DlgControl("", 1002, WC_TABCONTROL, WS_VISIBLE, 7, 100, 200, 14)};
        CResources::Instance().AddDialog(IDD_LISTS, t);
        ASSERT_TRUE(m_dlg.Create(IDD_LISTS));
    }
    void TearDown() override { m_dlg.DestroyWindow(); }
    CDialog m_dlg;
};

TEST_F(Lists, ReportRowsKeepTheirTextsWhenColumnsComeAndGo) {
    auto* list = dynamic_cast<CListCtrl*>(m_dlg.GetDlgItem(1000));
    ASSERT_NE(list, nullptr);
    list->InsertColumn(0, "Node");
    list->InsertColumn(1, "x", LVCFMT_RIGHT, 60);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list->InsertItem(i, std::to_string(i + 1).c_str()), i);
        list->SetItemText(i, 1, std::to_string(10 * (i + 1)).c_str());
    }
    EXPECT_EQ(list->InsertItem(0, "0"), 0);
    EXPECT_EQ(list->InsertItem(99, "9"), 4);
    list->InsertColumn(1, "Name");
    EXPECT_EQ(list->GetColumnCount(), 3);
    EXPECT_EQ(list->GetItemText(1, 0), "1");
    EXPECT_EQ(list->GetItemText(1, 1), "");
    EXPECT_EQ(list->GetItemText(1, 2), "10");
    list->DeleteColumn(1);
    EXPECT_EQ(list->GetItemText(3, 1), "30");
    EXPECT_FALSE(list->SetItemText(7, 0, "x"));
    EXPECT_FALSE(list->SetItemText(0, 5, "x"));

    list->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list->SetItemState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(list->GetSelectedCount(), 2u);
    std::vector<int> selected;
    for (int i = list->GetNextItem(-1, LVNI_SELECTED); i != -1; i = list->GetNextItem(i, LVNI_SELECTED))
        selected.push_back(i);
    EXPECT_EQ(selected, (std::vector<int>{1, 3}));
    EXPECT_EQ(list->GetItemState(3, LVIS_FOCUSED), LVIS_FOCUSED);
    list->SetItemState(-1, 0, LVIS_SELECTED);
    EXPECT_EQ(list->GetSelectedCount(), 0u);
    list->SetItemData(2, 42);
    EXPECT_EQ(list->GetItemData(2), 42u);
    EXPECT_TRUE(list->DeleteItem(0));
    EXPECT_EQ(list->GetItemData(1), 42u);
    EXPECT_EQ(list->GetItemCount(), 4);
}

TEST_F(Lists, TreeItemsGoWhereTheyAreInsertedAndWalkInOrder) {
    auto* tree = dynamic_cast<CTreeCtrl*>(m_dlg.GetDlgItem(1001));
    ASSERT_NE(tree, nullptr);
    HTREEITEM loads = tree->InsertItem("Loads");
    HTREEITEM geometry = tree->InsertItem("Geometry", TVI_ROOT, TVI_FIRST);
    HTREEITEM results = tree->InsertItem("Results", TVI_ROOT, loads);
    HTREEITEM case2 = tree->InsertItem("Case 2", loads);
    tree->InsertItem("Case 1", loads, TVI_FIRST);
    tree->InsertItem("Case 3", loads, case2);
    std::vector<CString> order;
    for (HTREEITEM h = tree->GetRootItem(); h; h = tree->GetNextSiblingItem(h))
        order.push_back(tree->GetItemText(h));
    EXPECT_EQ(order, (std::vector<CString>{"Geometry", "Loads", "Results"}));
    order.clear();
    for (HTREEITEM h = tree->GetChildItem(loads); h; h = tree->GetNextSiblingItem(h))
        order.push_back(tree->GetItemText(h));
    EXPECT_EQ(order, (std::vector<CString>{"Case 1", "Case 2", "Case 3"}));
    EXPECT_EQ(tree->GetParentItem(case2), loads);
    EXPECT_EQ(tree->GetParentItem(geometry), nullptr);
    EXPECT_TRUE(tree->ItemHasChildren(loads));
    EXPECT_FALSE(tree->ItemHasChildren(results));
    EXPECT_EQ(tree->GetCount(), 6u);
    tree->SelectItem(case2);
    EXPECT_EQ(tree->GetSelectedItem(), case2);
    tree->DeleteItem(loads);
    EXPECT_EQ(tree->GetCount(), 2u);
}

TEST_F(Lists, TabsSelectByIndexAndReportThePreviousOne) {
    auto* tabs = dynamic_cast<CTabCtrl*>(m_dlg.GetDlgItem(1002));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->GetCurSel(), -1);
    tabs->InsertItem(0, "Geometry");
    tabs->InsertItem(1, "Results");
    tabs->InsertItem(1, "Loads");
    EXPECT_EQ(tabs->GetItemText(1), "Loads");
    EXPECT_EQ(tabs->SetCurSel(2), 0);
    EXPECT_EQ(tabs->GetCurSel(), 2);
    EXPECT_EQ(tabs->SetCurSel(5), -1);
    EXPECT_EQ(tabs->GetCurSel(), 2);
}

} // namespace
