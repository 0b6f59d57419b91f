// The program's shell pieces that need no running program: the layout version
// check at start, the Toolbars menu of a frame without toolbars, the pauses of
// the progress steps, and the character sets of the Tools menu.
#include "app/shell/APellionToolbarsMenuManager.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CStrakonApp.h"

#include "OutputFrameSupport.h"
#include "SettingsFixture.h"
#include "app/views/AProgressBar.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class LayoutVersion : public SettingsFixture {
protected:
    static std::vector<std::string> subkeys() {
        ARegistry reg;
        std::vector<std::string> names;
        if (!reg.OpenOrCreate("Software\\Orvex\\Strakon")) return names;
        CString name;
        for (DWORD i = 0; reg.EnumerateKeys(i, name); ++i)
            names.push_back(name);
        return names;
    }
};

TEST_F(LayoutVersion, AnOlderLayoutLosesItsBarLayoutsAndAnUnversionedOneEverySetting) {
    const std::vector<std::string> all = {"InfoTip", "Options", "PellionBarState", "PellionBarState-Bar0",
                                          "Settings"};
    const struct {
        const char* name;
        int version; // -1: no value
        std::vector<std::string> left;
        DWORD after;
    } cases[] = {
        {"missing", -1, {}, 202},
        {"100", 100, {}, 202},
        {"150", 150, {"InfoTip", "Options", "Settings"}, 202},
        {"202", 202, all, 202},
        {"300", 300, all, 300},
    };
    for (const auto& c : cases) {
        for (const std::string& key : all)
            write(("Software\\Orvex\\Strakon\\" + key).c_str(), [](ARegistry& reg) { reg.SetDword("x", 1); });
        write("Software\\Orvex\\Strakon", [&](ARegistry& reg) {
            if (c.version < 0)
                reg.DeleteValue("Version");
            else
                reg.SetDword("Version", static_cast<DWORD>(c.version));
        });
        CStrakonApp::CheckLayoutVersion();
        EXPECT_EQ(subkeys(), c.left) << c.name;
        ARegistry reg;
        ASSERT_TRUE(reg.OpenOrCreate("Software\\Orvex\\Strakon"));
        EXPECT_EQ(reg.GetDword("Version", 0), c.after) << c.name;
    }
}

TEST(ToolbarsMenu, AFrameWithoutToolbarsShowsTheDisabledEntryEmpty) {
    CStrakonApp app;
    OutputFrameHolder holder(app);
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, APellionToolbarsMenuManager::kPlaceholder, "Toolbar 1");
    APellionToolbarsMenuManager manager;
    ASSERT_TRUE(APellionToolbarsMenuManager::IsToolbarsMenu(&popup));
    manager.LoadToolbarsMenu(&popup);
    ASSERT_EQ(popup.GetMenuItemCount(), 2u);
    CString text;
    popup.GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_EQ(text, "Empty");
    EXPECT_EQ(popup.GetMenuItemID(0), APellionToolbarsMenuManager::kPlaceholder);
    EXPECT_EQ(popup.GetMenuItemID(1), 0u) << "the separator";
    // No handler exists for the entry: the frame shows it disabled.
    CTestCmdUI ui;
    ui.m_nID = APellionToolbarsMenuManager::kPlaceholder;
    EXPECT_FALSE(ui.DoUpdate(&manager, TRUE));
    EXPECT_FALSE(ui.m_bEnabled);
}

TEST(StepProgress, OnlyABarsFirstHundredStepsPause) {
    CStrakonApp app;
    OutputFrameHolder holder(app);
    CScriptedPromptService prompts;
    AProgressBar bar("Preparing ...", 20, 1200, false, 0, true);
    app.m_pActiveProgressBar = &bar;
    for (int i = 0; i < 11; ++i)
        app.StepProgress(10);
    app.StepProgress(1090);
    EXPECT_EQ(prompts.Sleeps(), std::vector<DWORD>(100, 15));
    // A new bar pauses again.
    AProgressBar next("Solving ...", 20, 10, false, 0, true);
    app.m_pActiveProgressBar = &next;
    app.StepProgress(3);
    EXPECT_EQ(prompts.Sleeps().size(), 103u);
    app.m_pActiveProgressBar = nullptr;
}

TEST(CharacterSet, EachCommandOfTheMenuNamesItsCodePage) {
    const std::pair<UINT, int> cases[] = {{32935, 0},   {32936, 238}, {32937, 186},
                                          {32938, 162}, {32939, 161}, {32940, 204}};
    for (auto [id, set] : cases)
        EXPECT_EQ(CMainFrame::CharacterSetOf(id), set) << id;
    EXPECT_EQ(CMainFrame::CharacterSetOf(32934), -1);
    EXPECT_EQ(CMainFrame::CharacterSetOf(32941), -1);
}

} // namespace
