#include "StrakonDocumentFixture.h"
#include "StrakonModelSupport.h"
#include "model/omEnvelope.h"
#include "model/omLoadManager.h"

#include "app/report/AOutputAttributes.h"
#include "app/report/TranslateOutputString.h"
#include "controls/report/APaper.h"
#include "platform/gdi/CPrinterDC.h"
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
    // Prepares the head on an A4 PDF, lays out and prints; the page count.
    int print(const std::string& name) {
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

} // namespace
