#include "app/views/ADragRect.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CView.h"
#include "tests/support/ArtifactsFolder.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

void processEvents() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

// A zoom-view-like page in 0.1 mm units, y upwards, that draws the band on top.
class CBandView : public CScrollView {
    DECLARE_DYNCREATE(CBandView)
public:
    void OnInitialUpdate() override { SetScrollSizes(MM_LOMETRIC, CSize(1000, 1000)); }
    void OnDraw(CDC* pDC) override {
        pDC->FillSolidRect(0, 0, 1000, -1000, RGB(255, 255, 255));
        band.Redraw(this, pDC);
    }
    ADragRect band;
};
IMPLEMENT_DYNCREATE(CBandView, CScrollView)

class ADragRectTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new CFrameWnd;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CBandView);
        ASSERT_TRUE(frame->Create(nullptr, "Band", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), nullptr, 0, 0,
                                  &context));
        frame->InitialUpdateFrame(nullptr, TRUE);
        view = static_cast<CBandView*>(frame->GetActiveView());
        ASSERT_NE(view, nullptr);
        processEvents();
        dpi = view->GetInputWidget()->logicalDpiY();
    }
    void TearDown() override {
        frame->DestroyWindow();
        processEvents();
    }
    QImage grab(const char* name) {
        processEvents();
        QImage image = view->GetInputWidget()->grab().toImage();
        image.save(QString::fromStdString((ArtifactsFolder() / name).string()));
        return image;
    }
    // The rows of a column that show the frame's colour.
    static std::vector<int> frameRows(const QImage& image, int x) {
        std::vector<int> rows;
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == QColor(64, 64, 64)) rows.push_back(y);
        return rows;
    }
    int device(int logical) const { return (logical * dpi + 127) / 254; }

    CFrameWnd* frame = nullptr;
    CBandView* view = nullptr;
    int dpi = 96;
};

TEST_F(ADragRectTest, ABandIsPaintedWhileItIsDraggedAndIsGoneAfterEnd) {
    ADragRect& band = view->band;
    band.Begin(view, 100, -100);
    EXPECT_EQ(band.GetFrameWidth(), 1) << "a small window has a thin frame";
    EXPECT_TRUE(frameRows(grab("drag-rect-begin.png"), device(300)).empty())
        << "nothing before the first move";

    band.Move(view, 400, -300);
    band.Move(view, 600, -500);
    EXPECT_EQ(band, CRect(100, -100, 600, -500));
    const QImage shown = grab("drag-rect-shown.png");
    const std::vector<int> rows = frameRows(shown, device(300));
    ASSERT_EQ(rows.size(), 2u) << "top and bottom edge";
    EXPECT_NEAR(rows[0], device(100), 1);
    EXPECT_NEAR(rows[1], device(500) - 1, 1) << "the last row inside the band";
    EXPECT_TRUE(frameRows(shown, device(700)).empty()) << "nothing right of the band";

    band.End(view, 600, -500);
    EXPECT_FALSE(band.IsDrawn());
    EXPECT_TRUE(frameRows(grab("drag-rect-ended.png"), device(300)).empty());
}

TEST_F(ADragRectTest, ABandWithoutSizeDrawsNothing) {
    ADragRect& band = view->band;
    band.Begin(view, 200, -200);
    band.Move(view, 200, -200);
    const QImage image = grab("drag-rect-empty.png");
    for (int x = 0; x < image.width(); ++x)
        ASSERT_TRUE(frameRows(image, x).empty()) << x;
    band.End(view, 200, -200);
}

TEST_F(ADragRectTest, TheAutomaticWidthGrowsWithTheWindow) {
    frame->MoveWindow(0, 0, 1400, 900);
    processEvents();
    ADragRect& band = view->band;
    band.Begin(view, 0, 0);
    CRect client;
    view->GetClientRect(&client);
    EXPECT_EQ(band.GetFrameWidth(), std::max(client.Width(), client.Height()) / 550 + 1);
    EXPECT_GE(band.GetFrameWidth(), 2);
    band.End(view, 0, 0);
    band.m_bAutoWidth = false;
    band.m_nWidth = 7;
    band.Begin(view, 0, 0);
    EXPECT_EQ(band.GetFrameWidth(), 7);
    band.End(view, 0, 0);
}

} // namespace
