#pragma once
// A report composer printing onto an A4 PDF at 600 dpi with 5 mm printer
// margins, in the report's mapping (0.1 mm, y up), as the program prints.
#include "controls/report/APaper.h"
#include "controls/report/APrintManager.h"
#include "platform/gdi/CPrinterDC.h"
#include "tests/support/ArtifactsFolder.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace testsupport {

struct PdfReport {
    static constexpr double kMarginMm = 5.0;

    // The PDF goes to the test artifacts under the given name.
    explicit PdfReport(const std::string& name)
        : path(ArtifactsFolder() / name), writer(QString::fromStdString(path.string())) {
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
        dc = std::make_unique<CPrinterDC>(&writer);
        dc->SetMapMode(MM_LOMETRIC);
        auto* paper = new AStandardPaper;
        paper->Setup(*dc);
        composer.SetPaper(paper);
        composer.SetDefaultFont("DejaVu Sans", 100, 0);
    }

    // Lays the blocks out and prints every page; the number of pages.
    int print() {
        const int pages = composer.Layout(dc.get());
        dc->StartDoc("report");
        for (int page = 1; page <= pages; ++page) {
            dc->StartPage();
            dc->SetMapMode(MM_LOMETRIC);
            EXPECT_TRUE(composer.PrintPage(page, dc.get()));
            dc->EndPage();
        }
        dc->EndDoc();
        return pages;
    }

    std::filesystem::path path;
    QPdfWriter writer;
    std::unique_ptr<CPrinterDC> dc;
    APrintManager composer;
};

} // namespace testsupport
