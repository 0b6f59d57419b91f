#include "platform/ui/CMenu.h"

#include "UiTestSupport.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWnd.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

constexpr UINT kMenuId = 9100;

// A window that records the menu messages it gets.
class CMenuOwner : public CWnd {
public:
    std::vector<UINT> commands;
    std::vector<HMENU> opened;
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL) override {
        opened.push_back(pPopupMenu->GetSafeHmenu());
    }
};

class CMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        CResources::Instance().AddMenu(
            kMenuId,
            {MenuPopup("&File", {MenuItem("&New\tCtrl+N", 100), MenuSeparator(), MenuItem("E&xit", 101)}),
             MenuPopup("&Edit", {MenuItem("&Undo", 200, MF_GRAYED), MenuItem("&Mark", 201, MF_CHECKED),
                                 MenuPopup("&More", {MenuItem("&Deep", 210)})})});
        ASSERT_TRUE(menu.LoadMenu(kMenuId));
        ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, 0));
    }
    void TearDown() override {
        owner.DestroyWindow();
        ProcessEvents();
    }

    CMenu menu;
    CMenuOwner owner;
    CScriptedPromptService prompts;
};

TEST_F(CMenuTest, LoadedMenuHasPopupsSeparatorsAndCommandIds) {
    ASSERT_EQ(menu.GetMenuItemCount(), 2u);
    EXPECT_EQ(menu.GetMenuItemID(0), static_cast<UINT>(-1));
    CMenu* file = menu.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file, menu.GetSubMenu(0)) << "a popup keeps one lasting object";
    ASSERT_EQ(file->GetMenuItemCount(), 3u);
    EXPECT_EQ(file->GetMenuItemID(0), 100u);
    EXPECT_EQ(file->GetMenuItemID(1), 0u);
    EXPECT_EQ(file->GetMenuItemID(2), 101u);
    EXPECT_EQ(file->GetMenuItemID(7), static_cast<UINT>(-1));
    CString text;
    EXPECT_EQ(file->GetMenuString(0, text, MF_BYPOSITION), 11);
    EXPECT_EQ(text, "&New\tCtrl+N");
    EXPECT_EQ(menu.GetMenuString(210, text, MF_BYCOMMAND), 5) << "by command searches the popups";
    EXPECT_EQ(text, "&Deep");
}

TEST_F(CMenuTest, StatesAreReadAndChangedByCommandOrPosition) {
    EXPECT_EQ(menu.GetMenuState(200, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED), static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(menu.GetMenuState(201, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(menu.GetMenuState(999, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(menu.EnableMenuItem(200, MF_BYCOMMAND | MF_ENABLED), static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(menu.GetMenuState(200, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(menu.CheckMenuItem(201, MF_BYCOMMAND | MF_UNCHECKED), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(menu.GetMenuState(201, MF_BYCOMMAND) & MF_CHECKED, 0u);
    CMenu* edit = menu.GetSubMenu(1);
    EXPECT_EQ(edit->GetMenuState(2, MF_BYPOSITION) & MF_POPUP, static_cast<UINT>(MF_POPUP));
    EXPECT_EQ(edit->GetMenuState(2, MF_BYPOSITION) >> 8, 1u) << "a popup reports its item count";

    ASSERT_TRUE(menu.CheckMenuRadioItem(200, 201, 201, MF_BYCOMMAND));
    EXPECT_EQ(menu.GetMenuState(201, MF_BYCOMMAND) & (MF_CHECKED | MFT_RADIOCHECK),
              static_cast<UINT>(MF_CHECKED | MFT_RADIOCHECK));
    EXPECT_EQ(menu.GetMenuState(200, MF_BYCOMMAND) & MF_CHECKED, 0u);
}

TEST_F(CMenuTest, ItemsAreInsertedRemovedAndDeleted) {
    CMenu* file = menu.GetSubMenu(0);
    ASSERT_TRUE(file->InsertMenu(1, MF_BYPOSITION | MF_STRING, 102, "&Open"));
    ASSERT_TRUE(file->InsertMenu(101, MF_BYCOMMAND | MF_STRING, 103, "&Save"));
    ASSERT_TRUE(file->AppendMenu(MF_STRING | MF_GRAYED, 104, "&Last"));
    std::vector<UINT> ids;
    for (UINT i = 0; i < file->GetMenuItemCount(); ++i)
        ids.push_back(file->GetMenuItemID(static_cast<int>(i)));
    EXPECT_EQ(ids, std::vector<UINT>({100, 102, 0, 103, 101, 104}));
    EXPECT_FALSE(file->InsertMenu(999, MF_BYCOMMAND, 105, "x")) << "no item to insert before";

    ASSERT_TRUE(menu.DeleteMenu(103, MF_BYCOMMAND));
    ASSERT_TRUE(file->ModifyMenu(0, MF_BYPOSITION | MF_STRING, 106, "&Fresh"));
    EXPECT_EQ(file->GetMenuItemID(0), 106u);
    EXPECT_EQ(file->GetMenuItemCount(), 5u);

    // A removed popup lives on for whoever took it; a deleted one is gone.
    CMenu* edit = menu.GetSubMenu(1);
    HMENU more = edit->GetSubMenu(2)->GetSafeHmenu();
    ASSERT_TRUE(edit->RemoveMenu(2, MF_BYPOSITION));
    QPointer<QMenu> kept(more);
    EXPECT_TRUE(kept);
    CMenu taken;
    taken.Attach(more);
    ASSERT_TRUE(file->AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(taken.Detach()), "&More"));
    EXPECT_EQ(menu.GetMenuState(210, MF_BYCOMMAND) & MF_GRAYED, 0u) << "the popup moved with its items";
    ASSERT_TRUE(file->DeleteMenu(file->GetMenuItemCount() - 1, MF_BYPOSITION));
    EXPECT_FALSE(kept);
}

TEST_F(CMenuTest, ChoosingAnItemOfAnOwnedMenuSendsTheCommandToItsWindow) {
    CMenu::SetMenuOwner(menu.GetSafeHmenu(), &owner);
    CMenu* file = menu.GetSubMenu(0);
    emit file->GetSafeHmenu()->aboutToShow();
    EXPECT_EQ(owner.opened, std::vector<HMENU>({file->GetSafeHmenu()}));
    file->GetItemAction(101, MF_BYCOMMAND)->trigger();
    menu.GetItemAction(210, MF_BYCOMMAND)->trigger();
    EXPECT_EQ(owner.commands, std::vector<UINT>({101, 210}));
}

TEST_F(CMenuTest, UpdateStateActsOnTheMenuItemItNames) {
    CMenu* edit = menu.GetSubMenu(1);
    CCmdUI state;
    state.m_pMenu = edit;
    state.m_nIndex = 0;
    state.m_nID = 200;
    state.Enable(TRUE);
    state.SetText("&Undo Add Node\tCtrl+Z");
    state.SetRadio(TRUE);
    EXPECT_EQ(edit->GetMenuState(200, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED | MFT_RADIOCHECK),
              static_cast<UINT>(MF_CHECKED | MFT_RADIOCHECK));
    CString text;
    edit->GetMenuString(200, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "&Undo Add Node\tCtrl+Z");
    state.SetCheck(0);
    EXPECT_EQ(edit->GetMenuState(200, MF_BYCOMMAND) & MF_CHECKED, 0u);
}

TEST_F(CMenuTest, TrackedPopupSendsTheChosenCommandOrReturnsIt) {
    CMenu* edit = menu.GetSubMenu(1);
    prompts.QueuePopupMenuChoice(201);
    EXPECT_TRUE(edit->TrackPopupMenu(TPM_RIGHTBUTTON, 10, 10, &owner));
    EXPECT_EQ(owner.commands, std::vector<UINT>({201}));
    EXPECT_EQ(owner.opened, std::vector<HMENU>({edit->GetSafeHmenu()}));

    prompts.QueuePopupMenuChoice(210);
    EXPECT_EQ(edit->TrackPopupMenu(TPM_RETURNCMD, 10, 10, &owner), 210);
    EXPECT_EQ(owner.commands.size(), 1u) << "TPM_RETURNCMD returns the choice instead";

    EXPECT_EQ(edit->TrackPopupMenu(TPM_RETURNCMD, 10, 10, &owner), 0) << "dismissed";
    EXPECT_EQ(prompts.PopupMenusShown(), 3);
}

} // namespace
