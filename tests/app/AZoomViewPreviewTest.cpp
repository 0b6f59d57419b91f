// The print preview of an example structure's report shows the pages that the
// printed PDF holds: each preview page, rendered to an image, has ink where the
// PDF's page has it.
#include "ProjectWindowFixture.h"

#include "app/views/AZoomView.h"
#include "tests/support/ArtifactsFolder.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kBands = 16;
constexpr int kDpi = 50;

// Where a page has ink: one flag per horizontal band, inside the page's outer edge.
struct Ink {
    std::vector<bool> bands;
    bool any() const { return std::find(bands.begin(), bands.end(), true) != bands.end(); }
    int first() const { return static_cast<int>(std::find(bands.begin(), bands.end(), true) - bands.begin()); }
    std::string text() const {
        std::string s;
        for (bool b : bands)
            s += b ? '#' : '.';
        return s;
    }
};

Ink inkOf(const QImage& page) {
    const QImage gray = page.convertToFormat(QImage::Format_Grayscale8);
    // The outer 2 % belong to the page's frame in the preview.
    const int mx = gray.width() / 50, my = gray.height() / 50;
    const int top = my, height = gray.height() - 2 * my;
    Ink ink;
    for (int band = 0; band < kBands; ++band) {
        const int y0 = top + height * band / kBands, y1 = top + height * (band + 1) / kBands;
        int dark = 0;
        for (int y = y0; y < y1; ++y) {
            const uchar* line = gray.constScanLine(y);
            for (int x = mx; x < gray.width() - mx; ++x)
                if (line[x] < 160) ++dark;
        }
        ink.bands.push_back(dark >= 3);
    }
    return ink;
}

class AZoomViewPreviewTest : public ProjectWindowFixture {};

TEST_F(AZoomViewPreviewTest, ThePreviewPagesHoldInkWhereThePrintedPagesDo) {
    const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
    for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs", "two-frames.oxp"})
        fs::copy_file(examples / name, folder / name);
    ASSERT_NE(openProject(folder / "two-frames.oxp"), nullptr);
    ProcessEvents();
    auto* portal = dynamic_cast<AStrakonDocument*>(project()->GetStructure("portal-frame"));
    ASSERT_NE(portal, nullptr);
    auto* item = dynamic_cast<ATIWin*>(wnd().GetGeometryItem(portal));
    ASSERT_NE(item, nullptr);
    item->DefaultAction();
    ProcessEvents();
    CMDIChildWnd* child = frame->MDIGetActive();
    ASSERT_NE(child, nullptr);
    auto* view = dynamic_cast<AZoomView*>(child->GetActiveView());
    ASSERT_NE(view, nullptr);

    // Printed into a PDF, and its pages as pictures.
    const fs::path pdf = folder / "report.pdf";
    prompts.QueuePrinterAnswer(CPrinterAnswer{pdf.string(), 0, 0});
    view->SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
    ProcessEvents();
    ASSERT_TRUE(fs::exists(pdf));
    const fs::path pictures = folder / "pdf-page";
    const std::string command = "pdftoppm -r " + std::to_string(kDpi) + " -gray '" + pdf.string() + "' '" +
                                pictures.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::vector<QImage> printed;
    for (int i = 1;; ++i) {
        QImage page;
        for (const std::string& name : {std::to_string(i), "0" + std::to_string(i), "00" + std::to_string(i)})
            if (page.isNull()) page.load(QString::fromStdString(pictures.string() + "-" + name + ".pgm"));
        if (page.isNull()) break;
        printed.push_back(page);
    }
    ASSERT_GE(printed.size(), 3u) << "the example report has several pages";

    // The preview, and each of its pages rendered at the size of the PDF's picture.
    ASSERT_TRUE(view->OnCmdMsg(ID_FILE_PRINT_PREVIEW, CN_COMMAND, nullptr, nullptr));
    QWidget* preview = view->GetPrintPreview();
    ASSERT_NE(preview, nullptr);
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(pages, nullptr);
    pages->updatePreview();
    ProcessEvents();
    // A second run, as the preview makes on a new zoom or page set-up, shows the same pages.
    pages->updatePreview();
    ProcessEvents();
    ASSERT_EQ(pages->pageCount(), static_cast<int>(printed.size()));
    auto* graphics = pages->findChild<QGraphicsView*>();
    ASSERT_NE(graphics, nullptr);
    const QList<QGraphicsItem*> listed = graphics->scene()->items();
    std::vector<QGraphicsItem*> items(listed.begin(), listed.end());
    std::sort(items.begin(), items.end(), [](QGraphicsItem* a, QGraphicsItem* b) {
        return a->sceneBoundingRect().top() < b->sceneBoundingRect().top() ||
               (a->sceneBoundingRect().top() == b->sceneBoundingRect().top() &&
                a->sceneBoundingRect().left() < b->sceneBoundingRect().left());
    });
    ASSERT_EQ(items.size(), printed.size());
    for (size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE("page " + std::to_string(i + 1));
        // The item's bounding rectangle holds the paper and a shadow border of 1/25 of its longer side around it.
        const QRectF bounds = items[i]->boundingRect();
        const qreal border = -bounds.left();
        const QRectF paper = items[i]->mapRectToScene(bounds.adjusted(border, border, -border, -border));
        QImage shown(printed[i].size(), QImage::Format_RGB32);
        shown.fill(Qt::white);
        {
            QPainter painter(&shown);
            graphics->scene()->render(&painter, QRectF(shown.rect()), paper, Qt::IgnoreAspectRatio);
        }
        shown.save(QString::fromStdString((ArtifactsFolder() / ("preview-page-" + std::to_string(i + 1) + ".png")).string()));
        const Ink expected = inkOf(printed[i]);
        const Ink seen = inkOf(shown);
        EXPECT_EQ(seen.any(), expected.any()) << "printed " << expected.text() << "\npreview " << seen.text();
        EXPECT_NEAR(seen.first(), expected.first(), 1) << "printed " << expected.text() << "\npreview " << seen.text();
        int differing = 0;
        for (int b = 0; b < kBands; ++b)
            if (seen.bands[static_cast<size_t>(b)] != expected.bands[static_cast<size_t>(b)]) ++differing;
        EXPECT_LE(differing, 2) << "printed " << expected.text() << "\npreview " << seen.text();
    }
    preview->close();
    ProcessEvents();
}

} // namespace
