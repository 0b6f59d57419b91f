#include "ShellFixture.h"

#include "framework/ABaseProjectTreeCtrl.h"
#include "platform/core/CArchive.h"

#include <QTest>
#include <QTreeWidget>

namespace {

class ABaseProjectTreeCtrlTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        ShellCount::actions = 0;
    }
    ShellTree& tree(int tab) { return frame->projectWnd.trees[tab]; }
    // The texts of a tree's items, depth first, indented by level.
    std::vector<std::string> texts(int tab) {
        std::vector<std::string> out;
        std::function<void(HTREEITEM, int)> walk = [&](HTREEITEM h, int level) {
            for (; h; h = tree(tab).GetNextSiblingItem(h)) {
                out.push_back(std::string(static_cast<size_t>(level) * 2, ' ') + tree(tab).GetItemText(h));
                walk(tree(tab).GetChildItem(h), level + 1);
            }
        };
        walk(tree(tab).GetRootItem(), 0);
        return out;
    }
};

TEST_F(ABaseProjectTreeCtrlTest, WithoutAProjectEveryTreeShowsOneItem) {
    for (int tab : {0, 1})
        EXPECT_EQ(texts(tab), std::vector<std::string>({"No opened project"}));
}

TEST_F(ABaseProjectTreeCtrlTest, AProjectShowsItsStructuresInEveryTree) {
    addNew("Frame1", "");
    addNew("Beam", "");
    frame->projectWnd.AddProject();
    tree(0).UpdateProject();
    EXPECT_EQ(texts(0), std::vector<std::string>({"Project 'Bridge': 2 structure(s)", "  Structure 'Frame1'",
                                                  "    Geometry", "  Structure 'Beam'", "    Geometry"}));
    EXPECT_EQ(texts(1).size(), 5u);
    EXPECT_EQ(tree(1).GetStructureItems().size(), 2u);
    EXPECT_EQ(ShellCount::alive, 5 * 2) << "every item carries its object";
}

TEST_F(ABaseProjectTreeCtrlTest, ClosingAndReopeningAProjectLeavesNoStaleItems) {
    ABaseStructureDoc* frame1 = addNew("Frame1", "");
    frame->projectWnd.AddProject();
    EXPECT_TRUE(project->OnFileCloseProject(TRUE));
    for (int tab : {0, 1}) {
        EXPECT_EQ(texts(tab), std::vector<std::string>({"No opened project"}));
        EXPECT_TRUE(tree(tab).GetStructureItems().empty());
    }
    EXPECT_EQ(ShellCount::alive, 0) << "deleted items deleted their objects";
    ABaseStructureDoc* again = addNew("Frame2", "");
    frame->projectWnd.AddProject();
    EXPECT_EQ(tree(0).GetStructureItems().size(), 1u);
    EXPECT_EQ(tree(0).GetSTreeItemObject(again)->GetStructureDoc(), again);
    if (frame1 != again) {
        EXPECT_EQ(tree(0).GetSTreeItemObject(frame1), nullptr);
    }
}

TEST_F(ABaseProjectTreeCtrlTest, AddingAStructureTwiceReplacesItsSubtree) {
    ABaseStructureDoc* s = addNew("Frame1", "");
    frame->projectWnd.AddProject();
    frame->projectWnd.AddStructure(s);
    EXPECT_EQ(tree(0).GetStructureItems().size(), 1u);
    EXPECT_EQ(texts(0).size(), 3u);
    s->SetTitle("Portal");
    frame->projectWnd.UpdateStructureName(s);
    EXPECT_EQ(texts(0)[1], "  Structure 'Portal'");
    EXPECT_TRUE(project->RemoveStructure(s, TRUE));
    EXPECT_EQ(texts(0).size(), 1u);
    EXPECT_EQ(ShellCount::alive, 2) << "only the two project items are left";
}

TEST_F(ABaseProjectTreeCtrlTest, TheDefaultActionRunsOnlyForItemsWithALivingObject) {
    addNew("Frame1", "");
    frame->projectWnd.AddProject();
    HTREEITEM geometry = tree(0).GetChildItem(tree(0).GetChildItem(tree(0).GetProjectItem()));
    tree(0).SelectItem(geometry);
    tree(0).SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(ShellCount::actions, 1);
    auto* object = reinterpret_cast<ABaseProjectTI*>(tree(0).GetItemData(geometry));
    object->Destroy();
    tree(0).SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(ShellCount::actions, 1) << "a destroyed item's object does nothing";
    delete object;
    EXPECT_TRUE(project->OnFileCloseProject(TRUE));
    tree(0).SelectItem(tree(0).GetRootItem());
    tree(0).SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(ShellCount::actions, 1) << "the empty tree's item has no object";
}

TEST_F(ABaseProjectTreeCtrlTest, ExpansionIsStoredAndRestoredOnlyWhenAsked) {
    ABaseStructureDoc* s = addNew("Frame1", "");
    frame->projectWnd.AddProject();
    ABaseProjectSTreeItem* item = tree(0).GetSTreeItemObject(s);
    tree(0).ExpandItem(item->GetTopItem(), TRUE);
    CArchive out(CArchive::store);
    item->Serialize(out);
    std::vector<std::uint8_t> bytes = out.Detach();
    EXPECT_EQ(bytes, std::vector<std::uint8_t>({0x10, 0x27, 0, 0, 1, 0, 0, 0}));
    tree(0).ExpandItem(item->GetTopItem(), FALSE);
    {
        CArchive in(CArchive::load, bytes);
        item->Serialize(in);
        EXPECT_EQ(in.BytesLeft(), 0u);
    }
    EXPECT_FALSE(tree(0).IsItemExpanded(item->GetTopItem())) << "the base item does not restore";
    static_cast<ShellSTreeItem*>(item)->RestoreExpansion();
    CArchive in(CArchive::load, bytes);
    item->Serialize(in);
    EXPECT_TRUE(tree(0).IsItemExpanded(item->GetTopItem()));
    HTREEITEM leaf = tree(0).GetChildItem(item->GetTopItem());
    tree(0).ExpandItem(leaf, TRUE);
    EXPECT_FALSE(tree(0).IsItemExpanded(leaf)) << "an item without children is not expanded";
}

} // namespace

namespace {

TEST_F(ABaseProjectTreeCtrlTest, TheUsersEnterAndDoubleClickRunTheDefaultAction) {
    addNew("Frame1", "");
    frame->projectWnd.AddProject();
    auto* widget = qobject_cast<QTreeWidget*>(tree(0).GetWidget());
    ASSERT_NE(widget, nullptr);
    widget->expandAll();
    HTREEITEM geometry = tree(0).GetChildItem(tree(0).GetChildItem(tree(0).GetProjectItem()));
    tree(0).SelectItem(geometry);
    const int before = ShellCount::actions;
    QTest::keyClick(widget, Qt::Key_Return);
    EXPECT_EQ(ShellCount::actions, before + 1);
    QTreeWidgetItem* item = widget->currentItem();
    ASSERT_NE(item, nullptr);
    const QPoint centre = widget->visualItemRect(item).center();
    QTest::mouseDClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_EQ(ShellCount::actions, before + 2);
}

} // namespace
