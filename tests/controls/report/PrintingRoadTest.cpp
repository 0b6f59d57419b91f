// A view prints a report through the print dialog into a PDF, and its print
// preview draws the same pages through the same page loop.
#include "controls/report/APaper.h"
#include "controls/report/APrintManager.h"
#include "platform/gdi/CPrinterDC.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CCmdTarget.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CView.h"
#include "tests/support/ArtifactsFolder.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

int pdfPageCount(const fs::path& pdf) {
    std::string out;
    if (FILE* p = ::popen(("pdfinfo '" + pdf.string() + "' 2>/dev/null").c_str(), "r")) {
        std::array<char, 4096> buffer;
        std::size_t n;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), p)) > 0)
            out.append(buffer.data(), n);
        ::pclose(p);
    }
    const std::size_t at = out.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(out.c_str() + at + 6);
}

// A view whose printout is a report of numbered lines, laid out when printing begins.
class ReportView : public CView {
public:
    void OnDraw(CDC*) override {}
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override {
        composer = std::make_unique<APrintManager>();
        pDC->SetMapMode(MM_LOMETRIC);
        auto* paper = new AStandardPaper;
        paper->Setup(*pDC);
        composer->SetPaper(paper);
        composer->SetDefaultFont("DejaVu Sans", 100, 0);
        std::string text;
        for (int i = 1; i <= 200; ++i)
            text += "Line " + std::to_string(i) + "@{N}";
        composer->Add(new ATextRect(text));
        laidOut = composer->Layout(pDC);
        pInfo->SetMaxPage(static_cast<UINT>(laidOut));
        ++begun;
    }
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override {
        pDC->SetMapMode(MM_LOMETRIC);
        CView::OnPrepareDC(pDC, pInfo);
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override {
        composer->PrintPage(static_cast<int>(pInfo->m_nCurPage), pDC);
        ++printed;
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override { ++ended; }

    std::unique_ptr<APrintManager> composer;
    int laidOut = 0;
    int begun = 0, printed = 0, ended = 0;
};

} // namespace

TEST(PrintingRoad, APrintCommandPrintsEveryLaidOutPageIntoThePdfTheDialogChose) {
    CScriptedPromptService prompts;
    const fs::path pdf = ArtifactsFolder() / "printing-road.pdf";
    fs::remove(pdf);
    prompts.QueuePrinterAnswer({CString(pdf.string())});
    ReportView view;
    ASSERT_TRUE(view.OnCmdMsg(ID_FILE_PRINT, CN_COMMAND, nullptr, nullptr));
    ASSERT_EQ(prompts.PrintDialogs().size(), 1u);
    ASSERT_GE(view.laidOut, 3);
    EXPECT_EQ(view.begun, 1);
    EXPECT_EQ(view.ended, 1);
    EXPECT_EQ(view.printed, view.laidOut);
    EXPECT_EQ(pdfPageCount(pdf), view.laidOut);
}

TEST(PrintingRoad, ARangeOrACancelledDialogPrintsWhatWasAskedFor) {
    CScriptedPromptService prompts;
    const fs::path pdf = ArtifactsFolder() / "printing-road-range.pdf";
    fs::remove(pdf);
    prompts.QueuePrinterAnswer({CString(pdf.string()), 2, 3});
    ReportView view;
    view.OnFilePrint();
    EXPECT_EQ(view.printed, 2);
    EXPECT_EQ(pdfPageCount(pdf), 2);
    prompts.QueuePrinterCancel();
    ReportView cancelled;
    cancelled.OnFilePrint();
    EXPECT_EQ(cancelled.begun, 0);
    EXPECT_EQ(cancelled.printed, 0);
}

TEST(PrintingRoad, AViewWithoutAKnownLastPagePrintsOnePage) {
    class Plain : public CView {
    public:
        void OnDraw(CDC*) override { ++drawn; }
        int drawn = 0;
    };
    CScriptedPromptService prompts;
    const fs::path pdf = ArtifactsFolder() / "printing-road-plain.pdf";
    prompts.QueuePrinterAnswer({CString(pdf.string())});
    Plain view;
    view.OnFilePrint();
    EXPECT_EQ(view.drawn, 1);
    EXPECT_EQ(pdfPageCount(pdf), 1);
}

TEST(PrintingRoad, ThePreviewDrawsAsManyPagesAsTheLayoutMakes) {
    CScriptedPromptService prompts;
    ReportView view;
    ASSERT_TRUE(view.OnCmdMsg(ID_FILE_PRINT_PREVIEW, CN_COMMAND, nullptr, nullptr));
    QWidget* preview = view.GetPrintPreview();
    ASSERT_NE(preview, nullptr);
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(pages, nullptr);
    pages->updatePreview();
    QApplication::processEvents();
    EXPECT_GE(view.laidOut, 3);
    EXPECT_EQ(pages->pageCount(), view.laidOut);
    EXPECT_TRUE(prompts.PrintDialogs().empty()); // a preview asks for no printer
    preview->close();
    QApplication::processEvents();
    EXPECT_EQ(view.GetPrintPreview(), nullptr);
}
