#include "StrakonDocumentFixture.h"
#include "StrakonModelSupport.h"
#include "model/omEnvelope.h"
#include "model/omLoadManager.h"

#include "app/report/AOutputAttributes.h"
#include "app/report/TranslateOutputString.h"
#include "controls/report/APaper.h"
#include "platform/gdi/CPrinterDC.h"
#include "app/shell/AStorageInterface.h"
#include "app/views/ANode2D.h"
#include "model/omNodeMap.h"
#include "model/omLoad.h"
#include "model/omMaterialMap.h"
#include "platform/core/CArchive.h"
#include "tests/support/ArtifactsFolder.h"

#include "tests/support/PdfText.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <QPdfWriter>

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace strakonmodel;

using testsupport::PdfText;

class AStrakonDocumentOutputTest : public StrakonDocumentFixture {
protected:
    void SetUp() override {
        StrakonDocumentFixture::SetUp();
        AOutputAttributes& out = *AOutputAttributes::Instance();
        out.m_strNormalFont = "DejaVu Sans";
        out.m_strFrontPageFont = "DejaVu Sans";
        out.m_strCaptionFont = "DejaVu Sans";
        out.m_strHeadLeft = "&[FILE]";
        out.m_strHeadMiddle = "&[PROJECT]";
        out.m_strHeadRight = "";
        out.m_strFootLeft = "&[DATE]";
        out.m_strFootMiddle = "";
        out.m_strFootRight = "";
        out.m_bPrintFrontPage = true;
        out.m_bPrintSubtitle = true;
        out.m_bPrintProject = true;
        out.m_bPrintAuthor = true;
        out.m_bPrintInvestor = false;
        out.m_bPrintFile = false;
        out.m_bPrintKeywords = false;
        out.m_bPrintText = true;
        out.m_bPrintLogo = true;
        ADocAttributes& d = doc->GetDocAttributes();
        d.title = "Frame over the river";
        d.subtitle = "Portal of axis B";
        d.project = "Bridge Seven";
        d.author = "Ann Engineer";
        d.comment = "Checked on site\r\nSecond visit pending";
        doc->SetPathName((logDir.path() / "portal.oxs").c_str(), FALSE);
    }
    // Prepares the head (or with wholeReport the whole report) on an A4 PDF,
    // lays out and prints; the page count.
    int print(const std::string& name, bool wholeReport = false) {
        path = ArtifactsFolder() / name;
        QPdfWriter writer(QString::fromStdString(path.string()));
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        CPrinterDC dc(&writer);
        dc.SetMapMode(MM_LOMETRIC);
        APrintManager& report = doc->GetReport();
        report.Clear();
        auto* paper = new AStandardPaper;
        paper->Setup(dc);
        report.SetPaper(paper);
        if (wholeReport)
            EXPECT_TRUE(doc->PrepareOutput(&dc));
        else
            doc->BuildReportHead();
        const int pages = report.Layout(&dc);
        dc.StartDoc("report");
        for (int page = 1; page <= pages; ++page) {
            dc.StartPage();
            dc.SetMapMode(MM_LOMETRIC);
            report.PrintPage(page, &dc);
            dc.EndPage();
        }
        dc.EndDoc();
        return pages;
    }
    std::filesystem::path path;
};

TEST_F(AStrakonDocumentOutputTest, TheFrontPageHeadAndFootCarryTheDocumentsTexts) {
    ASSERT_GE(print("structure-report-head.pdf"), 1);
    const std::string text = PdfText(path);
    const std::vector<std::string> expectedTexts = {std::string("Frame over the river"), std::string("Portal of axis B"), std::string("Bridge Seven"),
          std::string("Ann Engineer"), TranslateOutputString("PRJ"), TranslateOutputString("AUT"),
          TranslateOutputString("COM"), std::string("portal.oxs"),
          // The logo line ends in a blank that text extraction drops at the line end.
          std::string("Orvex Strakon -"),
          QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString()};
    for (const std::string& expected : expectedTexts)
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    // The comment keeps its two lines.
    const std::size_t first = text.find("Checked on site"), second = text.find("Second visit pending");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    EXPECT_NE(text.substr(first, second - first).find('\n'), std::string::npos);
}

TEST_F(AStrakonDocumentOutputTest, TheLastFrontPageBlockBreaksThePage) {
    AOutputAttributes& out = *AOutputAttributes::Instance();
    out.m_bPrintText = false;
    out.m_bPrintProject = out.m_bPrintAuthor = false;
    doc->GetDocAttributes().subtitle.clear();
    EXPECT_EQ(print("structure-report-title-only.pdf"), 1) << "only the title block";
}

// The structure's texts are the user's: an "@" in them is no markup of the
// report's text blocks and prints as it stands.
TEST_F(AStrakonDocumentOutputTest, TheUsersTextsPrintAsTheyStandWithTheirAtSigns) {
    ADocAttributes& d = doc->GetDocAttributes();
    d.title = "Mail a@b.com";
    d.subtitle = "Big @{F:D,2000}type";
    d.project = "Project @{A:B}x";
    d.author = "Ann @ site";
    d.comment = "Note@{N}one\r\nLine two@";
    AOutputStructureAttributes& lists = doc->GetOutputAttributes();
    lists.m_bUseDescription = true;
    lists.m_strDescription = "Span 6@m\r\nSecond @@ line";
    ASSERT_GE(print("structure-report-at-signs.pdf"), 1);
    const std::string text = PdfText(path);
    for (const char* expected : {"Mail a@b.com", "Big @{F:D,2000}type", "Project @{A:B}x", "Ann @ site",
                                 "Note@{N}one", "Line two@", "Span 6@m", "Second @@ line"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    // The description keeps its two lines.
    const std::size_t first = text.find("Span 6@m"), second = text.find("Second @@ line");
    ASSERT_LT(first, second);
    EXPECT_NE(text.substr(first, second - first).find('\n'), std::string::npos);
}

// The widest margins the settings take leave a narrow body; the whole report
// still comes out, each block within it.
TEST_F(AStrakonDocumentOutputTest, TenCentimetreMarginsOnEverySideStillPrintTheWholeReport) {
    column(model(), 400.0, 100.0);
    loadCase(model(), "A", omLoadCase::lsUltimate, 1.0);
    AOutputAttributes& out = *AOutputAttributes::Instance();
    for (omUnitValue& margin : out.m_margins)
        margin = omUnitValue(10.0, omUK_cm);
    out.m_bPrintFrontPage = true;
    prompts.QueueMessageBoxAnswer(IDOK);
    EXPECT_GE(print("structure-report-wide-margins.pdf", true), 2);
    const std::string text = PdfText(path);
    EXPECT_NE(text.find("Frame"), std::string::npos) << text;
}

TEST(AStrakonDocumentReportFont, TheSizeTextGivesWholePointsFromOneToTwoHundredElseTen) {
    const struct {
        const char* text;
        int tenths;
    } cases[] = {{"12", 120}, {"10.7", 100}, {"9.99", 90}, {"200", 2000}, {"1", 10},  {"abc", 100},
                 {"", 100},   {"0", 100},    {"201", 100},  {"-5", 100},  {"12pt", 100}, {"1,5", 100}};
    for (const auto& c : cases)
        EXPECT_EQ(AStrakonDocument::ReportFontSize(c.text), c.tenths) << '"' << c.text << '"';
}

TEST_F(AStrakonDocumentOutputTest, TwoCasesOneEnvelopeAndTwoActionsTakeThirtyOneSteps) {
    column(model(), 400.0, 100.0);
    model().addLoadGroup("Wind");
    loadCase(model(), "A", omLoadCase::lsUltimate, 1.0);
    loadCase(model(), "B", omLoadCase::lsUltimate, 1.0);
    model().getLoadManager()->addEnvelope(new omEnvelope());
    AOutputAttributes::Instance()->m_bDesignResults = false;
    EXPECT_EQ(doc->OutputProgressSteps(), 31);
    AOutputAttributes::Instance()->m_bDesignResults = true;
    EXPECT_EQ(doc->OutputProgressSteps(), 32) << "one more per member";
}

TEST_F(AStrakonDocumentOutputTest, CancelAtTheResultsWarningAddsNothingAndGivesNoPage) {
    column(model(), 400.0, 100.0);
    loadCase(model(), "A", omLoadCase::lsUltimate, 1.0);
    ASSERT_FALSE(model().areResultsValid());
    prompts.QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_EQ(print("structure-report-cancelled.pdf", true), 0);
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text,
              "Current results do not exists or are not valid!\nOnly geometry and load data might be printed!");
    EXPECT_EQ(prompts.MessageBoxes()[0].caption, "Warning");
    EXPECT_EQ(prompts.MessageBoxes()[0].type, static_cast<UINT>(MB_OKCANCEL | MB_ICONEXCLAMATION));
    EXPECT_TRUE(prompts.Sleeps().empty()) << "no progress was made";
    EXPECT_TRUE(doc->GetReport().GetBlocks().empty());
}

// Each action's picture draws the loads of that action only: the column's top
// force belongs to G, the load on the top of the second column to Q.
TEST_F(AStrakonDocumentOutputTest, TheActionPicturesDrawTheLoadsOfTheirAction) {
    column(model(), 400.0, 100.0);
    model().addLoadGroup("Q");
    model().addNode(300.0, 0.0, "cm", 3);
    model().addNode(300.0, -400.0, "cm", 4);
    fix(model(), 3, {Ux, Uz, Ry});
    model().addElement(3, 4, 1, 1, 2);
    auto* wind = new omLoadForce("Wind", model().getStructureType(), 0);
    wind->setF(Ux, omUnitValue(20.0, omUK_kN));
    model().addNodeLoad(4, wind, "Q");
    auto* snow = new omLoadForce("Snow", model().getStructureType(), 0);
    snow->setF(Uz, omUnitValue(5.0, omUK_kN));
    model().addNodeLoad(4, snow, "Q");
    loadCase(model(), "A", omLoadCase::lsUltimate, 1.0);
    model().bind();
    // The pictures show the structure's extents, as the views leave them.
    for (const auto& [id, node] : *model().getNodeMap()) {
        omPoint p;
        dynamic_cast<const ANode&>(*node).GetCoordinates(p, 2);
        doc->GetExtents().AddPoint(p.x, p.y);
    }
    AOutputAttributes& out = *AOutputAttributes::Instance();
    out.m_bPrintFrontPage = false;
    out.m_bActionPic = true;
    out.m_bDesignResults = false;
    prompts.QueueMessageBoxAnswer(IDOK);
    ASSERT_GE(print("structure-report-actions.pdf", true), 1);
    const std::string text = PdfText(path);
    const std::size_t g = text.find("A1 : G"), q = text.find("A2 : Q");
    ASSERT_NE(g, std::string::npos) << text;
    ASSERT_NE(q, std::string::npos) << text;
    // A node's load symbol is labelled with its loads; G's picture has the
    // column top's one load, Q's the two loads of the other column's top.
    const std::string first = text.substr(g, q - g), second = text.substr(q);
    EXPECT_NE(first.find("All loads"), std::string::npos) << first;
    EXPECT_NE(second.find("All loads"), std::string::npos) << second;
    ::system(("pdftoppm -r 60 -png '" + path.string() + "' '" + (ArtifactsFolder() / "structure-report-actions").string() +
              "' 2>/dev/null")
                 .c_str());
}

TEST_F(AStrakonDocumentOutputTest, LoadingShowsTheLoadReportInTheMessagesTab) {
    AStorageInterface::InitializeAll();
    AStrakonDocument original;
    column(*original.GetModel(), 400.0, 100.0);
    // A member whose material the file does not hold: binding reports it.
    original.GetModel()->getMaterialMap()->erase(1);
    CArchive store(CArchive::store);
    store.m_pDocument = &original;
    original.Serialize(store);
    CArchive load(CArchive::load, store.Detach());
    load.m_pDocument = doc.get();
    doc->Serialize(load);
    const QString shown = messages();
    EXPECT_TRUE(shown.startsWith("Loading ...")) << shown.toStdString();
    EXPECT_GT(shown.size(), QString("Loading ...\n").size()) << "with the binding's error";
    EXPECT_EQ(prompts.Beeps().size(), 1u);
}

} // namespace
