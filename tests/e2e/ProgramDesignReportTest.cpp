// The design pages of the printed report in the running program: the designed
// example project printed structure by structure into PDFs, then printed again
// with "Print design results" switched off in the Output Settings.
#include "ProgramFixture.h"

#include "app/shell/AProjectTreeItems.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"
#include "framework/ABaseProjectDoc.h"
#include "model/omElementMap.h"
#include "model/omSteelDesignData.h"
#include "model/omStrakon.h"
#include "tests/app/OutputSheetSupport.h"
#include "tests/support/PdfText.h"

#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string squeeze(const std::string& text) {
    return testsupport::Squeezed(text);
}

class ProgramDesignReport : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
        for (const char* name : {"steel-portal.oxs", "rc-beam.oxs", "designed.oxp"})
            fs::copy_file(examples / name, work / name);
    }
    // The structure's geometry window made active, then File Print into pdf.
    void printStructure(CStrakonApp& app, CMainFrame& frame, const char* name, const fs::path& pdf) {
        auto* doc = dynamic_cast<AStrakonDocument*>(app.GetProjectDocument()->GetStructure(name));
        ASSERT_NE(doc, nullptr) << name;
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_GEOMETRY);
        auto* item = dynamic_cast<ATIWin*>(frame.GetProjectWindow()->GetGeometryItem(doc));
        ASSERT_NE(item, nullptr);
        item->DefaultAction();
        settle();
        prompts.QueuePrinterAnswer(CPrinterAnswer{pdf.string(), 0, 0});
        frame.SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
        settle();
    }
};

TEST_F(ProgramDesignReport, TheDesignedProjectPrintsTheDesignPagesOfEveryMemberUntilSwitchedOff) {
    const fs::path steel = work / "steel.pdf", beam = work / "beam.pdf";
    const fs::path steelOff = work / "steel-off.pdf", beamOff = work / "beam-off.pdf";
    std::vector<std::string> stability;
    run({(work / "designed.oxp").string()}, [&](CStrakonApp& app, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        auto* portal = dynamic_cast<AStrakonDocument*>(app.GetProjectDocument()->GetStructure("steel-portal"));
        ASSERT_NE(portal, nullptr);
        omElementMap* elements = portal->GetModel()->getElementMap();
        for (unsigned id = 1; id <= 3; ++id)
            if (auto* data = dynamic_cast<const omSteelDesignData*>(elements->find(id)->getDesignData()))
                stability.push_back(data->getStabilityDescription());
        ASSERT_NO_FATAL_FAILURE(printStructure(app, frame, "steel-portal", steel));
        ASSERT_NO_FATAL_FAILURE(printStructure(app, frame, "rc-beam", beam));
        shot("design-report-printed");

        dialogs.Queue([&](CPropertySheet& sheet) {
            CPropertyPage& results = sheetinput::showPage(sheet, 2);
            EXPECT_TRUE(sheetinput::checked(results, 1726)) << "on by default";
            sheetinput::click(results, 1726);
            EXPECT_FALSE(sheetinput::checked(results, 1726));
            sheet.PressButton(PSBTN_OK);
        });
        frame.SendMessage(WM_COMMAND, ID_OUTPUT_SETTINGS, 0);
        ASSERT_NO_FATAL_FAILURE(printStructure(app, frame, "steel-portal", steelOff));
        ASSERT_NO_FATAL_FAILURE(printStructure(app, frame, "rc-beam", beamOff));
        prompts.SetMessageBoxHandler([](const CMessageBoxRequest&) { return IDNO; });
    });
    ASSERT_EQ(stability.size(), 3u);
    for (const fs::path& pdf : {steel, beam, steelOff, beamOff})
        ASSERT_TRUE(fs::exists(pdf)) << pdf;

    const std::string steelText = squeeze(testsupport::PdfText(steel));
    for (unsigned id = 1; id <= 3; ++id)
        EXPECT_NE(steelText.find("Steel design of element " + std::to_string(id)), std::string::npos) << id;
    for (const std::string& text : stability) {
        ASSERT_FALSE(text.empty());
        EXPECT_NE(steelText.find(squeeze(text)), std::string::npos) << text;
    }
    EXPECT_NE(steelText.find("Cross-section classes"), std::string::npos);
    EXPECT_EQ(steelText.find("Error:"), std::string::npos);
    EXPECT_EQ(steelText.find("Not designed"), std::string::npos);

    const std::string beamText = squeeze(testsupport::PdfText(beam));
    for (const char* s : {"Reinforced-concrete design of element 1", "C30/37", "B500", "2 Fi 8/20.0", "9.4 cm2",
                          "wk = 0.2"})
        EXPECT_NE(beamText.find(s), std::string::npos) << s;
    EXPECT_EQ(beamText.find("Error:"), std::string::npos);

    const std::string off = testsupport::PdfText(steelOff) + testsupport::PdfText(beamOff);
    EXPECT_NE(off.find("Nodes"), std::string::npos) << "the rest of the report stays";
    for (const char* s : {"design of element", "Ultimate limit state", "Cross-section classes", "Crack widths"})
        EXPECT_EQ(off.find(s), std::string::npos) << s;
}

} // namespace
