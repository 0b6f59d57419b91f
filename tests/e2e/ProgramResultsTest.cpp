// Solving, reading the moment diagram, printing, the Options sheet, the about
// box and a cancelled close in the running program.
#include "ProgramFixture.h"

#include "app/dialogs/AContentsSetupSheet.h"
#include "app/shell/AProjectTreeItems.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/ALCResultView.h"
#include "framework/ABaseProjectDoc.h"
#include "framework/ABaseStructureDoc.h"
#include "resources/ui/StrakonResourceIds.h"
#include "tests/app/OutputSheetSupport.h"
#include "tests/support/PdfText.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class ProgramResults : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
        for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs", "two-frames.oxp"})
            fs::copy_file(examples / name, work / name);
    }
    // The result window of load case 1 of the portal frame, from the Results tree.
    ALCResultView* openResults(CMainFrame& frame, AStrakonDocument* portal) {
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_RESULTS);
        auto* item = dynamic_cast<ATIWin*>(frame.GetProjectWindow()->GetLoadCaseItem(portal, 1));
        if (!item) return nullptr;
        item->DefaultAction();
        settle();
        CMDIChildWnd* child = frame.MDIGetActive();
        if (!child) return nullptr;
        child->MDIMaximize();
        settle();
        return dynamic_cast<ALCResultView*>(child->GetActiveView());
    }
};

TEST_F(ProgramResults, SolveFromTheToolbarShowsTheMomentsAndTheyStayAfterSaveAndReopen) {
    const fs::path pdf = work / "results.pdf";
    const fs::path titled = work / "titled.pdf";
    run({(work / "two-frames.oxp").string()}, [&](CStrakonApp& app, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        auto* portal = dynamic_cast<AStrakonDocument*>(app.GetProjectDocument()->GetStructure("portal-frame"));
        ASSERT_NE(portal, nullptr);
        // Solve acts on the active window's structure.
        ALCResultView* view = openResults(frame, portal);
        ASSERT_NE(view, nullptr);
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_SOLVE);
        EXPECT_TRUE(view->IsResultCaseValid());
        EXPECT_TRUE(shown(frame.GetOutputWindow())) << "the report of the solution";
        clickToolButton(frame, IDW_TOOLBAR_RESULTS, ID_RESULT_MOMENTS);
        EXPECT_EQ(view->GetResultKind(), ALCResultView::kindMoments);
        clickToolButton(frame, IDW_TOOLBAR_VIEW, ID_ZOOM_EXTENTS);
        shot("moment-diagram");

        // Printing the window into a PDF.
        prompts.QueuePrinterAnswer(CPrinterAnswer{pdf.string(), 0, 0});
        frame.SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
        settle();
        // The structure's title, read from its file, changed in the output settings, with a front page
        // and the title in the middle of the page head.
        dialogs.Queue([&](CPropertySheet& sheet) {
            ASSERT_NE(dynamic_cast<AContentsSetupSheet*>(&sheet), nullptr);
            CPropertyPage& front = sheetinput::showPage(sheet, 4);
            EXPECT_EQ(sheetinput::shownText(front, 1044), "portal-frame");
            sheetinput::type(front, 1044, "Hall B portal");
            sheetinput::click(front, 1383);
            EXPECT_TRUE(sheetinput::checked(front, 1383));
            sheetinput::type(sheetinput::showPage(sheet, 5), 1048, "&[TITLE]");
            sheet.PressButton(PSBTN_OK);
        });
        frame.SendMessage(WM_COMMAND, ID_OUTPUT_SETTINGS, 0);
        prompts.QueuePrinterAnswer(CPrinterAnswer{titled.string(), 0, 0});
        frame.SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
        settle();

        // Saved with its results, closed, opened again: the results are there without solving.
        ASSERT_NO_FATAL_FAILURE(saveCloseReopen(app, frame, work / "two-frames.oxp"));
        portal = dynamic_cast<AStrakonDocument*>(app.GetProjectDocument()->GetStructure("portal-frame"));
        ASSERT_NE(portal, nullptr);
        EXPECT_EQ(portal->GetDocAttributes().title, "Hall B portal") << "the changed title was saved";
        view = openResults(frame, portal);
        ASSERT_NE(view, nullptr);
        EXPECT_TRUE(view->IsResultCaseValid());
    });
    ASSERT_TRUE(fs::exists(pdf));
    // The report of the structure: its first chapter's title and the node table.
    const std::string text = testsupport::PdfText(pdf);
    EXPECT_NE(text.find("Geometry"), std::string::npos) << text;
    EXPECT_NE(text.find("Nodes"), std::string::npos) << text;
    EXPECT_EQ(text.find("portal-frame"), std::string::npos) << "no front page and an empty head by default";
    EXPECT_EQ(text.find("Hall B"), std::string::npos);
    // The front page and the page heads show the title.
    ASSERT_TRUE(fs::exists(titled));
    const std::string front = testsupport::PdfText(titled, 1);
    EXPECT_NE(front.find("Hall B portal"), std::string::npos) << front;
    EXPECT_EQ(front.find("Geometry"), std::string::npos) << "the report body starts on a new page";
    const std::string rest = testsupport::PdfText(titled, 2);
    EXPECT_NE(rest.find("Hall B portal"), std::string::npos) << "the head of the body's pages\n" << rest;
}

TEST_F(ProgramResults, OptionsAboutAndACancelledCloseOfAChangedProject) {
    CRect placed;
    run({(work / "two-frames.oxp").string()}, [&](CStrakonApp& app, CMainFrame& frame) {
        placeOnScreen(frame, 20, 10, 1100, 800);
        settle();
        frame.GetWindowRect(&placed);
        // The Options sheet: every page, then OK.
        std::vector<std::string> titles;
        dialogs.Queue([&](CPropertySheet& sheet) {
            for (int i = 0; i < sheet.GetPageCount(); ++i) {
                sheet.SetActivePage(i);
                titles.push_back(sheet.GetActivePage()->GetWindowText());
                shot("options-" + std::to_string(i + 1));
            }
            sheet.PressButton(PSBTN_OK);
        });
        frame.SendMessage(WM_COMMAND, ID_OPTIONS, 0);
        EXPECT_EQ(titles, (std::vector<std::string>{"Units", "Precision", "Grid && Snap Units", "Personalize",
                                                    "Symbol Settings", "Analysis"}));
        // The about box.
        std::string version;
        dialogs.Queue([&](CDialog& about) {
            shot("about");
            about.PressButton(IDOK);
        });
        frame.SendMessage(WM_COMMAND, ID_APP_ABOUT, 0);

        // A change, then the close box: Cancel at the save question keeps the program.
        auto* portal = app.GetProjectDocument()->GetStructure("portal-frame");
        ASSERT_NE(portal, nullptr);
        portal->SetModifiedFlag(TRUE);
        app.GetProjectDocument()->SetModifiedFlag(TRUE);
        prompts.SetMessageBoxHandler([](const CMessageBoxRequest&) { return IDCANCEL; });
        frame.SendMessage(WM_CLOSE, 0, 0);
        ASSERT_NE(AfxGetMainWnd(), nullptr) << "the frame stays";
        EXPECT_NE(app.GetProjectDocument(), nullptr);
        EXPECT_FALSE(prompts.MessageBoxes().empty());
        // The user hides the View toolbar and closes without saving.
        frame.SendMessage(WM_COMMAND, IDW_TOOLBAR_VIEW, 0);
        prompts.SetMessageBoxHandler([](const CMessageBoxRequest&) { return IDNO; });
    });
    EXPECT_EQ(dialogs.Runs().size(), 3u) << "tips, options, about";
    run({}, [&](CStrakonApp&, CMainFrame& frame) {
        settle();
        CRect rect;
        frame.GetWindowRect(&rect);
        EXPECT_TRUE(rect == placed);
        EXPECT_FALSE(shown(frame.GetToolBar(IDW_TOOLBAR_VIEW)));
        EXPECT_TRUE(shown(frame.GetToolBar(IDW_TOOLBAR_STANDARD)));
    });
}

} // namespace
