// The program's first start, what it keeps for the next, and the factory defaults.
#include "ProgramFixture.h"

#include "app/shell/AOptionsAttributes.h"
#include "app/shell/ARegistry.h"
#include "resources/ui/StrakonResourceIds.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

class ProgramStart : public ProgramFixture {};

TEST_F(ProgramStart, FirstStartShowsStandardAndViewToolbarsAndTheProjectWindowOnly) {
    std::string tipText;
    dialogs.Queue([&](CDialog& tips) {
        tipText = tips.GetDlgItemText(IDC_TIP_TEXT);
        shot("tips");
    });
    const int code = run({}, [&](CStrakonApp&, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        EXPECT_TRUE(frame.IsWindowVisible());
        EXPECT_EQ(frame.GetWindowText(), "Orvex Strakon");
        // The general toolbars, and those of the active workspace (Geometry) only.
        for (UINT id : {IDW_TOOLBAR_STANDARD, IDW_TOOLBAR_VIEW, IDW_TOOLBAR_GEOMETRY, IDW_TOOLBAR_SUPPORTS})
            EXPECT_TRUE(shown(frame.GetToolBar(id))) << id;
        for (UINT id : {IDW_TOOLBAR_LOADS, IDW_TOOLBAR_RESULTS, IDW_TOOLBAR_DESIGN})
            EXPECT_FALSE(shown(frame.GetToolBar(id))) << id;
        EXPECT_TRUE(shown(frame.GetProjectWindow()));
        EXPECT_FALSE(shown(frame.GetOutputWindow()));
        // Without a structure there is nothing for Options and Output Settings to act on.
        EXPECT_FALSE(enabled(frame, ID_OPTIONS));
        EXPECT_FALSE(enabled(frame, ID_OUTPUT_SETTINGS));
        EXPECT_EQ(checked(frame, ID_VIEW_PROJECT_WINDOW), 1);
        EXPECT_EQ(checked(frame, ID_VIEW_OUTPUT_WINDOW), 0);
        shot("main-window");
    });
    EXPECT_EQ(code, 0);
    ASSERT_EQ(dialogs.Runs().size(), 1u) << "the tip of the day";
    EXPECT_EQ(dialogs.Runs()[0], IDD_TIP_OF_THE_DAY);
    EXPECT_FALSE(tipText.empty());
}

TEST_F(ProgramStart, WithoutAStoredPlacementTheWindowTakesFourFifthsOfTheScreenCentred) {
    run({}, [&](CStrakonApp&, CMainFrame& frame) {
        settle();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        CRect rect;
        frame.GetWindowRect(&rect);
        // The platform may add its frame around the client; a few pixels either way.
        EXPECT_NEAR(rect.Width(), area.width() * 0.8, area.width() * 0.03);
        EXPECT_NEAR(rect.Height(), area.height() * 0.8, area.height() * 0.03);
        EXPECT_NEAR((rect.left + rect.right) / 2.0, area.center().x(), 8.0);
        EXPECT_NEAR((rect.top + rect.bottom) / 2.0, area.center().y(), 30.0);
        EXPECT_GE(rect.left, area.left());
        EXPECT_GE(rect.top, area.top());
        shot("first-start");
    });
}

TEST_F(ProgramStart, TheNextStartRestoresPlacementBarsAndDockingWindows) {
    CRect placed;
    run({}, [&](CStrakonApp&, CMainFrame& frame) {
        placeOnScreen(frame, 40, 30, 1000, 700);
        settle();
        frame.GetWindowRect(&placed);
        // The user hides the project window and shows the output window from the toolbar.
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_VIEW_PROJECT_WINDOW);
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_VIEW_OUTPUT_WINDOW);
        // ... and the View toolbar from the Toolbars menu.
        frame.SendMessage(WM_COMMAND, IDW_TOOLBAR_VIEW, 0);
        settle();
        EXPECT_FALSE(shown(frame.GetToolBar(IDW_TOOLBAR_VIEW)));
    });
    run({}, [&](CStrakonApp&, CMainFrame& frame) {
        settle();
        CRect rect;
        frame.GetWindowRect(&rect);
        EXPECT_TRUE(rect == placed) << rect.left << "," << rect.top << " " << rect.Width() << "x" << rect.Height();
        EXPECT_FALSE(shown(frame.GetProjectWindow()));
        EXPECT_TRUE(shown(frame.GetOutputWindow()));
        EXPECT_TRUE(shown(frame.GetToolBar(IDW_TOOLBAR_STANDARD)));
        EXPECT_FALSE(shown(frame.GetToolBar(IDW_TOOLBAR_VIEW)));
    });
}

TEST_F(ProgramStart, FactoryDefaultsEndTheProgramAndTheNextStartHasTheDefaultsWithTheOptionsKept) {
    run({}, [&](CStrakonApp&, CMainFrame& frame) {
        frame.MoveWindow(40, 30, 900, 600);
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_VIEW_OUTPUT_WINDOW);
        AOptionsAttributes::Instance()->author = "A. Builder";
        AOptionsAttributes::Instance()->Save();
        // The character set is an option too: it is written with the options at the end.
        frame.SendMessage(WM_COMMAND, ID_CHARSET_GREEK, 0);
        EXPECT_EQ(AOptionsAttributes::Instance()->characterSet, 161);
        prompts.QueueMessageBoxAnswer(IDNO);
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_FACTORY_DEFAULTS);
        ASSERT_NE(AfxGetMainWnd(), nullptr) << "No keeps the program";
        prompts.QueueMessageBoxAnswer(IDYES);
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_FACTORY_DEFAULTS);
        // The frame is gone now: nothing of it may be touched.
    });
    ASSERT_EQ(prompts.MessageBoxes().size(), 2u);
    EXPECT_EQ(prompts.MessageBoxes()[1].caption, "WARNING");
    EXPECT_EQ(prompts.MessageBoxes()[1].type & MB_DEFBUTTON2, static_cast<UINT>(MB_DEFBUTTON2));
    EXPECT_EQ(prompts.MessageBoxes()[1].text,
              "This command will restore the factory default settings\nand will exit the application.\n\n"
              "Most of the user specified settings will be lost!\n\nWould you like to proceed?");
    {
        ARegistry reg;
        ASSERT_TRUE(reg.OpenOrCreate("Software\\Orvex\\Strakon"));
        std::vector<std::string> keys;
        CString name;
        for (DWORD i = 0; reg.EnumerateKeys(i, name); ++i)
            keys.push_back(name);
        EXPECT_EQ(keys, std::vector<std::string>{"Options"});
    }
    run({}, [&](CStrakonApp&, CMainFrame& frame) {
        settle();
        EXPECT_TRUE(shown(frame.GetProjectWindow()));
        EXPECT_FALSE(shown(frame.GetOutputWindow()));
        EXPECT_EQ(AOptionsAttributes::Instance()->author, "A. Builder");
        EXPECT_EQ(AOptionsAttributes::Instance()->characterSet, 0) << "not saved before the sweep";
    });
    EXPECT_EQ(dialogs.Runs().size(), 2u) << "the tips show on each start";
}

} // namespace
