#include "platform/ui/CRecentFileList.h"

#include "UiTestSupport.h"

#include "platform/storage/CSettingsStore.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CProfileStore.h"
#include "platform/ui/CWinApp.h"

#include <gtest/gtest.h>

namespace {

std::vector<CString> Names(const CRecentFileList& list) {
    std::vector<CString> names;
    for (int i = 0; i < list.GetSize(); ++i)
        names.push_back(list[i]);
    return names;
}

TEST(CRecentFileList, NewestComesFirstDuplicatesMoveUpAndTheOldestDropsOut) {
    CRecentFileList list(0, "Recent File List", "File%d", 3);
    list.Add("/p/a.oxp");
    list.Add("/p/b.oxp");
    list.Add("/p/c.oxp");
    EXPECT_EQ(Names(list), std::vector<CString>({"/p/c.oxp", "/p/b.oxp", "/p/a.oxp"}));
    list.Add("/p/a.oxp");
    EXPECT_EQ(Names(list), std::vector<CString>({"/p/a.oxp", "/p/c.oxp", "/p/b.oxp"}));
    list.Add("/p/d.oxp");
    EXPECT_EQ(Names(list), std::vector<CString>({"/p/d.oxp", "/p/a.oxp", "/p/c.oxp"}));
    list.Add("");
    list.Remove(1);
    EXPECT_EQ(Names(list), std::vector<CString>({"/p/d.oxp", "/p/c.oxp", ""}));
    list.Remove(7);
    EXPECT_EQ(list.GetSize(), 3);
}

TEST(CRecentFileList, LongPathsAreShortenedAroundTheFileName) {
    CRecentFileList list(0, "Recent File List", "File%d", 4, 30);
    list.Add("/home/engineer/projects/2026/bridges/river/Bridge.oxp");
    list.Add("/home/engineer/a-very-long-file-name-of-a-project.oxp");
    list.Add("/p/short.oxp");
    CString name;
    ASSERT_TRUE(list.GetDisplayName(name, 2));
    EXPECT_EQ(name, "/home/.../river/Bridge.oxp");
    EXPECT_LE(name.GetLength(), 30);
    ASSERT_TRUE(list.GetDisplayName(name, 1));
    EXPECT_EQ(name, "a-very-long-file-name-of-a-project.oxp") << "the file name stays whole";
    ASSERT_TRUE(list.GetDisplayName(name, 0));
    EXPECT_EQ(name, "/p/short.oxp");
    EXPECT_FALSE(list.GetDisplayName(name, 3));
}

TEST(CRecentFileList, MenuShowsNumberedEntriesOrTheDisabledPlaceholder) {
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_FILE_OPEN, "&Open");
    menu.AppendMenu(MF_STRING | MF_GRAYED, ID_FILE_MRU_FILE1, "Recent File");
    menu.AppendMenu(MF_STRING, ID_APP_EXIT, "E&xit");
    CRecentFileList list(0, "Recent File List", "File%d", 4);
    auto update = [&]() {
        CCmdUI state;
        state.m_pMenu = &menu;
        state.m_nIndex = 1;
        state.m_nID = ID_FILE_MRU_FILE1;
        state.m_nIndexMax = menu.GetMenuItemCount();
        list.UpdateMenu(&state);
        return state;
    };
    list.Add("/p/R&D.oxp");
    list.Add("/p/b.oxp");
    const CCmdUI state = update();
    EXPECT_EQ(state.m_nIndexMax, 4u);
    EXPECT_EQ(state.m_nIndex, 2u) << "the caller goes on after the new entries";
    CString text;
    menu.GetMenuString(1, text, MF_BYPOSITION);
    EXPECT_EQ(text, "&1 /p/b.oxp");
    menu.GetMenuString(2, text, MF_BYPOSITION);
    EXPECT_EQ(text, "&2 /p/R&&D.oxp");
    EXPECT_EQ(menu.GetMenuItemID(2), ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(menu.GetMenuItemID(3), ID_APP_EXIT);

    list.Remove(0);
    list.Remove(0);
    update();
    EXPECT_EQ(menu.GetMenuItemCount(), 3u);
    menu.GetMenuString(1, text, MF_BYPOSITION);
    EXPECT_EQ(text, "Recent File");
    EXPECT_TRUE(menu.GetMenuState(ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED);
}

TEST(CRecentFileList, ListIsKeptInTheProfileOfTheSettingsStore) {
    TempFolder folder;
    CSettingsStore store(folder.path());
    {
        CWinApp app("Strakon");
        app.SetProfileStore(std::make_shared<CSettingsProfileStore>("Software\\Orvex\\Strakon", &store));
        app.LoadStdProfileSettings(6);
        app.AddToRecentFileList("/work/Bridge.oxp");
        app.AddToRecentFileList("/work/Hall.oxp");
        app.ExitInstance();
    }
    const auto first = store.QueryValue("Software\\Orvex\\Strakon\\Recent File List", "File1");
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(std::string(first->data.begin(), first->data.end()), "/work/Hall.oxp");
    EXPECT_FALSE(store.QueryValue("Software\\Orvex\\Strakon\\Recent File List", "File3").has_value());
    EXPECT_TRUE(std::filesystem::exists(folder / CSettingsStore::kFileName)) << "written at exit";

    CWinApp again("Strakon");
    again.SetProfileStore(std::make_shared<CSettingsProfileStore>("Software\\Orvex\\Strakon", &store));
    again.LoadStdProfileSettings(6);
    ASSERT_NE(again.m_pRecentFileList, nullptr);
    EXPECT_EQ((*again.m_pRecentFileList)[0], "/work/Hall.oxp");
    EXPECT_EQ((*again.m_pRecentFileList)[1], "/work/Bridge.oxp");
    EXPECT_EQ(again.m_pRecentFileList->GetSize(), 6);
}

TEST(CWinAppProfile, RegistryKeyPutsTheProfileUnderSoftwareCompanyApplication) {
    TempFolder folder;
    const std::filesystem::path previous = CSettingsStore::Instance().GetFolder();
    CSettingsStore::Instance().SetFolder(folder.path());
    {
        CWinApp app("Strakon");
        EXPECT_EQ(app.GetProfileInt("Settings", "Output window", 7), 7u)
            << "a fresh profile gives the defaults";
        app.SetRegistryKey("Orvex");
        EXPECT_TRUE(app.WriteProfileInt("Settings", "Output window", 0));
        EXPECT_TRUE(app.WriteProfileString("Settings", "FrameWindow", "1,0,-1,-1,-1,-1,10,410,20,320"));
        const BYTE bytes[] = {1, 2, 3};
        EXPECT_TRUE(app.WriteProfileBinary("Workspace\\Geometry\\Toolbars", "State", bytes, 3));
        EXPECT_EQ(app.GetProfileInt("Settings", "Output window", 7), 0u);
        EXPECT_EQ(app.GetProfileString("Settings", "FrameWindow"), "1,0,-1,-1,-1,-1,10,410,20,320");
        EXPECT_EQ(app.GetProfileString("Settings", "Missing", "none"), "none");
        std::vector<BYTE> read;
        EXPECT_TRUE(app.GetProfileBinary("Workspace\\Geometry\\Toolbars", "State", read));
        EXPECT_EQ(read, std::vector<BYTE>({1, 2, 3}));
        EXPECT_EQ(app.GetProfileInt("Settings", "FrameWindow", 5), 5u) << "a string is no number";
        const auto stored =
            CSettingsStore::Instance().QueryValue("Software\\Orvex\\Strakon\\Settings", "Output window");
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(stored->type, static_cast<DWORD>(CSettingsStore::typeDword));
        EXPECT_TRUE(app.WriteProfileString("Settings", "FrameWindow", nullptr));
        EXPECT_EQ(app.GetProfileString("Settings", "FrameWindow", "gone"), "gone");
        EXPECT_TRUE(app.WriteProfileString("Workspace\\Geometry\\Toolbars", nullptr, nullptr));
        EXPECT_FALSE(app.GetProfileBinary("Workspace\\Geometry\\Toolbars", "State", read));
    }
    CSettingsStore::Instance().SetFolder(previous);
}

} // namespace
