// Printing the grid into a real PDF, read back with pdftotext.
#include "GridTestWindow.h"
#include "platform/ui/CPromptService.h"
#include "tests/support/ArtifactsFolder.h"
#include "tests/support/PdfText.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <regex>
#include <string>

namespace {

using testsupport::PdfPages;
using testsupport::PdfText;

// Prints a 300 x 15 grid into a PDF named name; returns the page count in the footers.
struct PrintedGrid {
    PrintedGrid(const std::string& name, bool wysiwyg, int tallRow = -1) : w(300, 15) {
        path = (ArtifactsFolder() / name).string();
        std::remove(path.c_str());
        for (int c = 1; c < 15; ++c)
            w.grid.SetItemText(0, c, ("Head " + std::to_string(c)).c_str());
        for (int r = 1; r < 300; ++r) {
            w.grid.SetItemText(r, 0, std::to_string(r).c_str());
            for (int c = 1; c < 15; ++c)
                w.grid.SetItemText(r, c, ("r" + std::to_string(r) + "c" + std::to_string(c)).c_str());
        }
        if (tallRow > 0) {
            w.grid.SetItemText(tallRow, 1, "TALLROW");
            w.grid.SetRowHeight(tallRow, 6000);
        }
        w.grid.EnableWysiwygPrinting(wysiwyg);
        CScriptedPromptService prompts;
        CPrinterAnswer answer;
        answer.pdfPath = path;
        prompts.QueuePrinterAnswer(answer);
        w.grid.Print();
        text = PdfText(path);
        pages = PdfPages(path);
    }
    GridWindow<> w;
    std::string path, text;
    int pages = 0;
};

int FooterCount(const std::string& text) {
    std::smatch m;
    return std::regex_search(text, m, std::regex("Page 1 of (\\d+)")) ? std::stoi(m[1]) : -1;
}

} // namespace

TEST(CGridCtrlPrintTest, AGridPrintsOverPagesWithHeadingsAndPageNumbers) {
    PrintedGrid printed("grid-print.pdf", false);
    ASSERT_GT(printed.pages, 1);
    EXPECT_EQ(FooterCount(printed.text), printed.pages);
    const std::string second = PdfText(printed.path, 2);
    EXPECT_NE(second.find("Page 2 of " + std::to_string(printed.pages)), std::string::npos);
    EXPECT_NE(second.find("Head 1"), std::string::npos);
    EXPECT_NE(second.find("Head 14"), std::string::npos);
    // Without WYSIWYG the whole width is on every page, and every row is printed once.
    for (int r : {1, 150, 299}) {
        EXPECT_NE(printed.text.find("r" + std::to_string(r) + "c14"), std::string::npos) << r;
        EXPECT_EQ(printed.text.find("r" + std::to_string(r) + "c1 "),
                  printed.text.rfind("r" + std::to_string(r) + "c1 "));
    }
}

TEST(CGridCtrlPrintTest, WysiwygPrintingSplitsTheColumnsOverPagesAcross) {
    PrintedGrid fitted("grid-print-fitted.pdf", false);
    PrintedGrid wysiwyg("grid-print-wysiwyg.pdf", true);
    EXPECT_EQ(FooterCount(wysiwyg.text), wysiwyg.pages);
    EXPECT_GT(wysiwyg.pages, fitted.pages);
    // The first page holds the first columns only; the last columns come on later pages.
    const std::string first = PdfText(wysiwyg.path, 1);
    EXPECT_NE(first.find("Head 1"), std::string::npos);
    EXPECT_EQ(first.find("Head 14"), std::string::npos);
    EXPECT_NE(wysiwyg.text.find("r299c14"), std::string::npos);
    EXPECT_NE(wysiwyg.text.find("r1c14"), std::string::npos);
}

TEST(CGridCtrlPrintTest, ARowTallerThanAPageIsPrinted) {
    PrintedGrid printed("grid-print-tall-row.pdf", false, 5);
    EXPECT_NE(printed.text.find("TALLROW"), std::string::npos);
    EXPECT_NE(printed.text.find("r4c1"), std::string::npos);
    EXPECT_NE(printed.text.find("r6c1"), std::string::npos);
    EXPECT_NE(printed.text.find("r299c1"), std::string::npos);
    EXPECT_EQ(FooterCount(printed.text), printed.pages);
}
