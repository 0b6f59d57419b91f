#include "app/views/ACommandManager.h"

#include "StructureDocumentSupport.h"

#include "platform/ui/AfxRes.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CPromptService.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

// The Edit menu as the program's menus have it: the item's text carries its
// accelerator after a tab.
class EditMenu {
public:
    EditMenu() {
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, ID_EDIT_UNDO, "&Undo\tCtrl+Z");
        menu.AppendMenu(MF_STRING, ID_EDIT_REDO, "&Redo\tCtrl+Y");
        menu.AppendMenu(MF_STRING, 32907, "Node size");
    }
    // Updates item position as opening the menu does, through the document's
    // command routing; returns the item's text.
    CString Update(CCmdTarget& target, UINT position) {
        CCmdUI ui;
        ui.m_pMenu = &menu;
        ui.m_nIndex = position;
        ui.m_nIndexMax = menu.GetMenuItemCount();
        ui.m_nID = menu.GetMenuItemID(static_cast<int>(position));
        ui.DoUpdate(&target, FALSE);
        CString text;
        menu.GetMenuString(position, text, MF_BYPOSITION);
        return text;
    }
    bool Enabled(UINT id) const { return (menu.GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED) == 0; }

    CMenu menu;
};

// An update from an element without a menu, as toolbars send them at idle.
void UpdateFromToolbar(CCmdTarget& target, UINT id) {
    CTestCmdUI ui;
    ui.m_nID = id;
    ui.DoUpdate(&target, FALSE);
}

class ACommandManagerTest : public ::testing::Test {
protected:
    void Add(TestStructureDoc& doc, int node) {
        doc.GetCommandManager().AddCommand(new RecordingCommand(node, log));
    }
    void Send(TestStructureDoc& doc, UINT id) { doc.OnCmdMsg(id, CN_COMMAND, nullptr, nullptr); }

    std::vector<std::string> log;
    EditMenu edit;
};

TEST_F(ACommandManagerTest, MenuTextsCarryTheCommandNameAndTheAccelerator) {
    TestStructureDoc doc;
    EXPECT_EQ(edit.Update(doc, 0), "&Undo \tCtrl+Z");
    EXPECT_FALSE(edit.Enabled(ID_EDIT_UNDO));
    EXPECT_EQ(edit.Update(doc, 1), "&Redo \tCtrl+Y");
    EXPECT_FALSE(edit.Enabled(ID_EDIT_REDO));

    Add(doc, 3);
    EXPECT_EQ(edit.Update(doc, 0), "&Undo Create Node 3\tCtrl+Z");
    EXPECT_TRUE(edit.Enabled(ID_EDIT_UNDO));
    Send(doc, ID_EDIT_UNDO);
    EXPECT_EQ(edit.Update(doc, 0), "&Undo \tCtrl+Z");
    EXPECT_FALSE(edit.Enabled(ID_EDIT_UNDO));
    EXPECT_EQ(edit.Update(doc, 1), "&Redo Create Node 3\tCtrl+Y");
    EXPECT_TRUE(edit.Enabled(ID_EDIT_REDO));
}

TEST_F(ACommandManagerTest, AToolbarUpdateBeforeTheFirstMenuStillLeavesTheShortcutToRead) {
    TestStructureDoc doc;
    Add(doc, 1);
    UpdateFromToolbar(doc, ID_EDIT_UNDO);
    UpdateFromToolbar(doc, ID_EDIT_REDO);
    EXPECT_EQ(edit.Update(doc, 0), "&Undo Create Node 1\tCtrl+Z");
    EXPECT_EQ(edit.Update(doc, 1), "&Redo \tCtrl+Y");
}

TEST_F(ACommandManagerTest, AMenuItemWithoutATabEndsWithTheCommandsName) {
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_EDIT_UNDO, "&Undo");
    TestStructureDoc doc;
    Add(doc, 5);
    CCmdUI ui;
    ui.m_pMenu = &menu;
    ui.m_nID = ID_EDIT_UNDO;
    EXPECT_EQ(ACommandManager::GetAcceleratorText(&ui), "");
    ui.DoUpdate(&doc, FALSE);
    CString text;
    menu.GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_EQ(text, "&Undo Create Node 5");
}

TEST_F(ACommandManagerTest, UndoRunsNewestFirstAndRedoOldestFirst) {
    TestStructureDoc doc;
    Add(doc, 1);
    Add(doc, 2);
    Add(doc, 3);
    log.clear();
    for (int i = 0; i < 4; ++i) // the fourth has nothing to undo
        Send(doc, ID_EDIT_UNDO);
    EXPECT_EQ(doc.text, "");
    for (int i = 0; i < 4; ++i)
        Send(doc, ID_EDIT_REDO);
    EXPECT_EQ(
        log, (std::vector<std::string>{"undo 3", "undo 2", "undo 1", "execute 1", "execute 2", "execute 3"}));
    EXPECT_EQ(doc.text, "123");
    EXPECT_EQ(doc.GetCommandManager().GetDoneCount(), 3);
}

TEST_F(ACommandManagerTest, ANewCommandAfterTwoUndosDropsThemNewestFirst) {
    TestStructureDoc doc;
    Add(doc, 1);
    Add(doc, 2);
    Add(doc, 3);
    Send(doc, ID_EDIT_UNDO);
    Send(doc, ID_EDIT_UNDO);
    log.clear();
    Add(doc, 4);
    EXPECT_EQ(log, (std::vector<std::string>{"delete 3", "delete 2", "execute 4"}));
    EXPECT_EQ(doc.text, "14");
    EXPECT_EQ(doc.GetCommandManager().GetCommandCount(), 2);
    EXPECT_EQ(doc.GetCommandManager().GetRedoName(), "");
    edit.Update(doc, 1);
    EXPECT_FALSE(edit.Enabled(ID_EDIT_REDO));
    EXPECT_EQ(edit.Update(doc, 0), "&Undo Create Node 4\tCtrl+Z");
}

TEST_F(ACommandManagerTest, TwoDocumentsKeepTheirOwnHistories) {
    TestStructureDoc first;
    TestStructureDoc second;
    Add(first, 1);
    Add(second, 2);
    Add(second, 3);
    Send(first, ID_EDIT_UNDO);
    EXPECT_EQ(first.text, "");
    EXPECT_EQ(second.text, "23");
    EXPECT_EQ(edit.Update(second, 0), "&Undo Create Node 3\tCtrl+Z");
    EXPECT_EQ(edit.Update(first, 1), "&Redo Create Node 1\tCtrl+Y");
}

TEST_F(ACommandManagerTest, TheModifiedFlagFollowsEveryChangeAcrossARealSave) {
    TempFolder dir;
    CScriptedPromptService prompts;
    const auto path = dir / "frame.oxs";
    TestStructureDoc doc;
    Add(doc, 1);
    EXPECT_TRUE(doc.IsModified()) << "after a command";
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    EXPECT_FALSE(doc.IsModified()) << "after the save";
    Send(doc, ID_EDIT_UNDO);
    EXPECT_TRUE(doc.IsModified()) << "the model no longer matches the file after Undo";
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    EXPECT_FALSE(doc.IsModified());
    Send(doc, ID_EDIT_REDO);
    EXPECT_TRUE(doc.IsModified()) << "after Redo";
    EXPECT_TRUE(prompts.MessageBoxes().empty());
}

TEST_F(ACommandManagerTest, ClosingTheDocumentDeletesItsCommandsNewestFirst) {
    {
        TestStructureDoc doc;
        Add(doc, 1);
        Add(doc, 2);
        log.clear();
    }
    EXPECT_EQ(log, (std::vector<std::string>{"delete 2", "delete 1"}));
}

} // namespace
