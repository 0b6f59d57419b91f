// The output settings in the running program: the seven pages worked on their
// real widgets, the printed report that follows them, and what the next start
// of the program and the structure file keep.
#include "ProgramFixture.h"

#include "app/report/AOutputAttributes.h"
#include "app/shell/AProjectTreeItems.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/ALCResultView.h"
#include "app/views/AStrakon.h"
#include "framework/ABaseProjectDoc.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omStrakon.h"
#include "tests/app/OutputSheetSupport.h"
#include "tests/support/PdfText.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

using namespace sheetinput;

class ProgramOutputSettings : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
        for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs", "two-frames.oxp"})
            fs::copy_file(examples / name, work / name);
    }
    // The portal frame's results window of load case 1, maximised, from the Results tree.
    static AStrakonDocument* openPortal(CStrakonApp& app, CMainFrame& frame) {
        auto* portal =
            dynamic_cast<AStrakonDocument*>(app.GetProjectDocument()->GetStructure("portal-frame"));
        if (!portal) return nullptr;
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_RESULTS);
        auto* item = dynamic_cast<ATIWin*>(frame.GetProjectWindow()->GetLoadCaseItem(portal, 1));
        if (!item) return nullptr;
        item->DefaultAction();
        settle();
        if (CMDIChildWnd* child = frame.MDIGetActive()) child->MDIMaximize();
        settle();
        return portal;
    }
};

TEST_F(ProgramOutputSettings, WhatThePagesSetIsPrintedAndKept) {
    const fs::path pdf = work / "settings.pdf";
    std::string firstCase;
    std::vector<std::string> otherCases;
    run({(work / "two-frames.oxp").string()}, [&](CStrakonApp& app, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        AStrakonDocument* portal = openPortal(app, frame);
        ASSERT_NE(portal, nullptr);
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_SOLVE);
        const omLoadManager* loads = portal->GetModel()->getLoadManager();
        ASSERT_GE(loads->caseSize(), 2) << "a case to leave out and one to keep";
        firstCase = loads->getCase(1)->name();
        for (int k = 2; k <= loads->caseSize(); ++k)
            otherCases.push_back(loads->getCase(k)->name());

        dialogs.Queue([&](CPropertySheet& sheet) {
            const char* const names[] = {"general",    "geometry-load", "results", "description",
                                         "front-page", "header-footer", "margins"};
            for (int i = 0; i < sheet.GetPageCount(); ++i) {
                showPage(sheet, i);
                shot(std::string("output-") + names[i]);
            }
            CPropertyPage& geometry = showPage(sheet, 1);
            click(geometry, 1417);
            EXPECT_TRUE(sheetinput::checked(geometry, 1417));
            CPropertyPage& results = showPage(sheet, 2);
            selectItems(results, 1408, {"[LC]: " + firstCase});
            click(results, 1575);
            const Names dontPrint = entries(results, 1407);
            EXPECT_NE(std::find(dontPrint.begin(), dontPrint.end(), "[LC]: " + firstCase), dontPrint.end());
            sheetinput::type(showPage(sheet, 5), 1048, "&[TITLE]");
            CPropertyPage& description = showPage(sheet, 3);
            click(description, 1596);
            typeLines(description, 1595, {"Portal of hall B", "Columns fixed at the base"});
            sheet.PressButton(PSBTN_OK);
            EXPECT_TRUE(sheet.IsEnded());
        });
        frame.SendMessage(WM_COMMAND, ID_OUTPUT_SETTINGS, 0);
        EXPECT_EQ(dialogs.Runs().size(), 2u) << "the tip of the day and the sheet";

        prompts.QueuePrinterAnswer(CPrinterAnswer{pdf.string(), 0, 0});
        frame.SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
        settle();
        // Back in the main window after the dialogs, as the user's click brings it.
        frame.GetWidget()->activateWindow();
        settle();
        QTest::keyClick(frame.GetWidget(), Qt::Key_S, Qt::ControlModifier);
        settle();
        EXPECT_FALSE(portal->IsModified()) << "saved";
        prompts.SetMessageBoxHandler([](const CMessageBoxRequest&) { return IDNO; });
    });
    ASSERT_TRUE(fs::exists(pdf));
    // The report's fonts set "fi" and "ffi" as ligatures, which pdftotext gives back as one character.
    const std::string text = testsupport::LigaturesAsLetters(testsupport::PdfText(pdf));
    EXPECT_EQ(text.find("Nodes"), std::string::npos) << "no node table\n" << text;
    EXPECT_NE(text.find("Elements"), std::string::npos) << "the other tables stay";
    EXPECT_EQ(text.find("LC1: " + firstCase), std::string::npos) << "nothing of the left-out case";
    for (size_t i = 0; i < otherCases.size(); ++i)
        EXPECT_NE(text.find("LC" + std::to_string(i + 2) + ": " + otherCases[i]), std::string::npos)
            << otherCases[i];
    const std::size_t first = text.find("Portal of hall B"), second = text.find("Columns fixed at the base");
    ASSERT_NE(first, std::string::npos) << text;
    ASSERT_NE(second, std::string::npos) << text;
    EXPECT_NE(text.substr(first, second - first).find('\n'), std::string::npos) << "two lines";
    const int pages = testsupport::PdfPages(pdf);
    EXPECT_GE(pages, 2);
    for (int page = 1; page <= pages; ++page)
        EXPECT_NE(testsupport::PdfText(pdf, page).find("portal-frame"), std::string::npos)
            << "the title in the head of page " << page;

    // The next start: the program's settings and the structure's lists are there.
    run({(work / "two-frames.oxp").string()}, [&](CStrakonApp& app, CMainFrame&) {
        const AOutputAttributes& settings = *AOutputAttributes::Instance();
        EXPECT_EQ(settings.m_strHeadMiddle, "&[TITLE]");
        EXPECT_EQ(settings.m_nNodeTabType, 0);
        auto* portal =
            dynamic_cast<AStrakonDocument*>(app.GetProjectDocument()->GetStructure("portal-frame"));
        ASSERT_NE(portal, nullptr);
        const AOutputStructureAttributes& lists = portal->GetOutputAttributes();
        EXPECT_NE(
            std::find(lists.m_unprintedResults.begin(), lists.m_unprintedResults.end(), "[LC]: " + firstCase),
            lists.m_unprintedResults.end());
        EXPECT_TRUE(lists.m_bUseDescription);
        EXPECT_EQ(lists.m_strDescription, "Portal of hall B\r\nColumns fixed at the base");
    });
}

} // namespace
