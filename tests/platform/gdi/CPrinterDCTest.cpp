#include "platform/gdi/CPrinterDC.h"
#include "platform/core/FileIO.h"
#include "tests/support/ArtifactsFolder.h"

#include <QPdfWriter>
#include <QPrinter>

#include <filesystem>
#include <string_view>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

int pdfPages(const fs::path& path) {
    const auto bytes = fileio::readFile(path);
    const std::string_view data(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    int pages = 0;
    for (std::size_t at = data.find("/Type /Page"); at != std::string_view::npos;
         at = data.find("/Type /Page", at + 1))
        pages += data.compare(at, 12, "/Type /Pages") != 0;
    return pages;
}

} // namespace

TEST(CPrinterDC, CapabilitiesComeFromThePageLayout) {
    const fs::path path = ArtifactsFolder() / "caps.pdf";
    QPdfWriter writer(QString::fromStdString(path.string()));
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(10, 15, 20, 25), QPageLayout::Millimeter);
    CPrinterDC dc(&writer);

    EXPECT_TRUE(dc.IsPrinting());
    EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 600);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 600);
    // 210 x 297 mm at 600 dpi, margins of 10, 15, 20 and 25 mm; the layout
    // works in whole points, so allow a quarter of a millimetre (6 pixels).
    EXPECT_NEAR(dc.GetDeviceCaps(PHYSICALWIDTH), 4961, 6);
    EXPECT_NEAR(dc.GetDeviceCaps(PHYSICALHEIGHT), 7016, 6);
    EXPECT_NEAR(dc.GetDeviceCaps(PHYSICALOFFSETX), 236, 6);
    EXPECT_NEAR(dc.GetDeviceCaps(PHYSICALOFFSETY), 354, 6);
    EXPECT_NEAR(dc.GetDeviceCaps(HORZRES), 4961 - 236 - 472, 6);
    EXPECT_NEAR(dc.GetDeviceCaps(VERTRES), 7016 - 354 - 591, 6);
    EXPECT_NEAR(dc.GetDeviceCaps(HORZSIZE), 180, 1);
    EXPECT_NEAR(dc.GetDeviceCaps(VERTSIZE), 257, 1);
    // The printable area is what is left of the sheet beside the margins.
    EXPECT_LT(dc.GetDeviceCaps(PHYSICALOFFSETX) + dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(PHYSICALWIDTH));
    EXPECT_LT(dc.GetDeviceCaps(PHYSICALOFFSETY) + dc.GetDeviceCaps(VERTRES),
              dc.GetDeviceCaps(PHYSICALHEIGHT));
}

TEST(CPrinterDC, PrintsPagesOfADocumentInOrder) {
    const fs::path path = ArtifactsFolder() / "pages.pdf";
    fs::remove(path);
    QPdfWriter writer(QString::fromStdString(path.string()));
    writer.setResolution(300);
    CPrinterDC dc(&writer);

    EXPECT_EQ(dc.StartPage(), SP_ERROR); // no document yet
    ASSERT_GT(dc.StartDoc("Three pages"), 0);
    EXPECT_EQ(dc.StartDoc("again"), SP_ERROR);
    for (int page = 1; page <= 3; ++page) {
        ASSERT_GT(dc.StartPage(), 0);
        EXPECT_EQ(dc.StartPage(), SP_ERROR); // one page at a time
        dc.SetMapMode(MM_LOMETRIC);
        dc.Rectangle(100, -100, 100 + 200 * page, -300);
        dc.TextOut(100, -400, "Page " + std::to_string(page));
        ASSERT_GT(dc.EndPage(), 0);
    }
    EXPECT_EQ(dc.EndPage(), SP_ERROR);
    EXPECT_EQ(dc.GetPagesDone(), 3);
    ASSERT_GT(dc.EndDoc(), 0);
    EXPECT_FALSE(dc.IsDocumentOpen());
    EXPECT_EQ(pdfPages(path), 3);
}

TEST(CPrinterDC, PrinterWritesToAPdfFileToo) {
    const fs::path path = ArtifactsFolder() / "printer.pdf";
    fs::remove(path);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path.string()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    {
        CPrinterDC dc(&printer);
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), printer.resolution());
        EXPECT_GT(dc.GetDeviceCaps(PHYSICALWIDTH), dc.GetDeviceCaps(HORZRES) - 1);
        ASSERT_GT(dc.StartDoc("Printer"), 0);
        dc.StartPage();
        dc.SetMapMode(MM_LOMETRIC);
        dc.TextOut(0, 0, "Hello");
        dc.EndPage();
        // The document is ended when the context goes.
    }
    EXPECT_EQ(pdfPages(path), 1);
}
