// A report table wider than the page's body wraps its headings over its
// columns and then writes smaller, so that it never runs off the paper: printed
// into a real PDF whose words pdftotext places, every word lies in the body.
#include "controls/report/ADrawTable.h"

#include "controls/report/APaper.h"
#include "controls/report/APrintManager.h"
#include "platform/gdi/CPrinterDC.h"
#include "tests/support/ArtifactsFolder.h"
#include "tests/support/PdfReport.h"
#include "tests/support/PdfText.h"

#include <QPdfWriter>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The report on its PDF, with the words pdftotext places outside the body.
struct PdfTableReport : testsupport::PdfReport {
    using PdfReport::PdfReport;
    // The words outside the body (0.1 mm units from the printable area's corner, y up),
    // with a quarter of a millimetre for rounding.
    std::vector<std::string> WordsOutsideTheBody() {
        const CRect body = composer.GetPaper()->Body(false);
        const double pt = 72.0 / 25.4;
        const double left = (kMarginMm + body.left / 10.0) * pt - 0.7;
        const double right = (kMarginMm + body.right / 10.0) * pt + 0.7;
        std::vector<std::string> out;
        for (const testsupport::PdfPageWords& page : testsupport::PdfWords(path))
            for (const testsupport::PdfWord& w : page.words)
                if (w.xMin < left || w.xMax > right)
                    out.push_back(w.text + " (page " + std::to_string(w.page) + ", " + std::to_string(w.xMin) +
                                  ".." + std::to_string(w.xMax) + " of " + std::to_string(left) + ".." +
                                  std::to_string(right) + ")");
        return out;
    }
};

ADrawSmartTable* Table(const std::vector<std::string>& heads, int rows, const std::string& value) {
    auto* table = new ADrawSmartTable;
    table->SetCaption("Elements");
    for (const std::string& h : heads)
        table->AddTopCell(h);
    for (int r = 1; r <= rows; ++r)
        for (size_t c = 0; c < heads.size(); ++c)
            table->AddCell(c == 0 ? CString(std::to_string(r)) : CString(value));
    table->SetMultiColumn(50, 200, 0);
    table->SetAutoSize(30, 25);
    return table;
}

std::string Words(const fs::path& pdf) {
    std::string all;
    for (const testsupport::PdfPageWords& page : testsupport::PdfWords(pdf))
        for (const testsupport::PdfWord& w : page.words)
            all += w.text + " ";
    return all;
}

} // namespace

TEST(ADrawSmartTable, ATableWiderThanTheBodyWrapsItsHeadingsOrShrinksAndStaysOnThePaper) {
    struct Case {
        const char* file;
        std::vector<std::string> heads;
        std::string value;
        bool shrinks;
    };
    const std::vector<std::string> longHeads = {
        "Element", "Start node", "End node", "Cross-section", "Material", "Start release", "End release",
        "Elastic ground coefficient", "Ground side", "Length"};
    const Case cases[] = {
        // Long headings over short values: wrapping the headings is enough.
        {"table-wrapped-heads.pdf", longHeads, "12", false},
        // Wide values in every column: the font shrinks.
        {"table-shrunk.pdf", longHeads, "-1234.567", true},
        // Many columns of values alone.
        {"table-many-columns.pdf",
         {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P"},
         "123456.789",
         true},
    };
    for (const Case& c : cases) {
        PdfTableReport report(c.file);
        ADrawSmartTable* table = Table(c.heads, 30, c.value);
        report.composer.Add(table);
        ASSERT_GT(report.print(), 0) << c.file;
        const CRect body = report.composer.GetPaper()->Body(false);
        EXPECT_LE(table->GetSize(report.dc.get()).cx, body.Width()) << c.file;
        EXPECT_EQ(report.WordsOutsideTheBody(), std::vector<std::string>()) << c.file;
        const std::string words = Words(report.path);
        EXPECT_NE(words.find(c.heads.back()), std::string::npos) << c.file << ": the last heading is printed";
        EXPECT_NE(words.find(c.value), std::string::npos) << c.file;
        EXPECT_NE(words.find("30 "), std::string::npos) << c.file << ": the last row";
        for (const testsupport::PdfPageWords& page : testsupport::PdfWords(report.path))
            for (const testsupport::PdfWord& w : page.words)
                if (w.text == c.value) {
                    // About 10.2 points high at full size: a shrunk table writes smaller.
                    const double height = w.yMax - w.yMin;
                    if (c.shrinks)
                        EXPECT_LT(height, 9.5) << c.file;
                    else
                        EXPECT_GT(height, 10.0) << c.file;
                    break;
                }
    }
}

TEST(ADrawSmartTable, ATableThatFitsKeepsItsFontsAndItsHeadingsOnOneLine) {
    PdfTableReport report("table-fits.pdf");
    ADrawSmartTable* table = Table({"Node", "x", "z", "Support"}, 5, "1.25");
    report.composer.Add(table);
    ASSERT_EQ(report.print(), 1);
    const int headHeight = std::abs(table->GetHead().front()->m_height);
    const int rowHeight = std::abs((*table->GetRows().front())[0]->m_height);
    EXPECT_EQ(headHeight, rowHeight) << "one line of the same font in the head and the rows";
    EXPECT_EQ(report.WordsOutsideTheBody(), std::vector<std::string>());
}
