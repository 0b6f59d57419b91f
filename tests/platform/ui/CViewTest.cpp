#include "platform/ui/CView.h"

#include "UiTestSupport.h"

#include "platform/gdi/CDC.h"
#include "platform/ui/CFrameWnd.h"

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSvgRenderer>

#include <vector>

#include <gtest/gtest.h>

namespace {

// A drawing of `total` pixels (MM_TEXT) that counts how often it is drawn and
// keeps the clip boxes it was drawn with. It draws only what meets the clip
// box, as the graphic views do, a grid of lines every 20 pixels, and carries
// an inverted outline in its overlay.
class CCountingView : public CScrollView {
    DECLARE_DYNCREATE(CCountingView)
public:
    static CSize s_total;
    int draws = 0;
    std::vector<CRect> clipBoxes;
    CRect outline; // empty: none
    void OnInitialUpdate() override { SetScrollSizes(MM_TEXT, s_total); }
    void OnDraw(CDC* pDC) override {
        ++draws;
        CRect box;
        pDC->GetClipBox(&box);
        clipBoxes.push_back(box);
        CPen blue(PS_SOLID, 0, RGB(0, 0, 200));
        CPen* old = pDC->SelectObject(&blue);
        for (int x = (box.left / 20) * 20; x < box.right; x += 20) {
            pDC->MoveTo(x, box.top);
            pDC->LineTo(x, box.bottom);
        }
        for (int y = (box.top / 20) * 20; y < box.bottom; y += 20) {
            pDC->MoveTo(box.left, y);
            pDC->LineTo(box.right, y);
        }
        // A mark that shows where the drawing's origin went.
        pDC->FillSolidRect(3, 3, 10, 10, RGB(200, 0, 0));
        pDC->SelectObject(old);
    }
    void OnDrawOverlay(CDC* pDC) override {
        if (outline.IsRectEmpty()) return;
        pDC->SetROP2(R2_NOT);
        pDC->SelectStockObject(HOLLOW_BRUSH);
        pDC->Rectangle(&outline);
    }
};
IMPLEMENT_DYNCREATE(CCountingView, CScrollView)
CSize CCountingView::s_total(600, 500);

class CViewTest : public ::testing::Test {
protected:
    void open(CSize total) {
        CCountingView::s_total = total;
        frame = OpenViewFrame(RUNTIME_CLASS(CCountingView), "Counting", CRect(0, 0, 300, 200));
        ASSERT_NE(frame, nullptr);
        view = static_cast<CCountingView*>(frame->GetActiveView());
        ASSERT_NE(view, nullptr);
        ProcessEvents();
    }
    void TearDown() override {
        if (frame) frame->DestroyWindow();
        ProcessEvents();
    }
    QImage shot() const { return view->GetInputWidget()->grab().toImage(); }
    QSize client() const { return view->GetInputWidget()->size(); }

    CFrameWnd* frame = nullptr;
    CCountingView* view = nullptr;
};

// The same view drawn straight onto an image at the given scroll position.
QImage directDrawing(CCountingView& view, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(view.GetInputWidget()->palette().color(view.GetInputWidget()->backgroundRole()));
    CCountingView copy;
    {
        QPainter painter(&image);
        CDC dc(&painter, &image);
        const CPoint scroll = view.GetDeviceScrollPosition();
        dc.SetViewportOrg(-scroll.x, -scroll.y);
        copy.OnDraw(&dc);
    }
    return image;
}

} // namespace

TEST_F(CViewTest, OverlayAndScrollingRepaintWithoutDrawingTheDocumentAgain) {
    open(CSize(600, 500));
    const QImage before = shot();
    const int drawnOnce = view->draws;
    EXPECT_LE(drawnOnce, 1);

    // Ten steps of a drag outline, then the drag is cancelled.
    for (int i = 0; i < 10; ++i) {
        view->outline = CRect(10 + 5 * i, 10 + 3 * i, 80 + 5 * i, 60 + 3 * i);
        view->InvalidateOverlay();
        const QImage during = shot();
        EXPECT_NE(during, before) << "the outline shows at step " << i;
        if (i == 5)
            during.save(QString::fromStdString((ArtifactsFolder() / "view-drag-outline.png").string()));
    }
    view->outline.SetRectEmpty();
    view->InvalidateOverlay();
    EXPECT_EQ(shot(), before) << "a cancelled drag leaves the view as it was";

    // Five scroll steps down and right.
    for (int i = 0; i < 5; ++i) {
        view->OnScrollBy(CSize(7, 11));
        shot();
    }
    EXPECT_EQ(view->GetDeviceScrollPosition(), CPoint(35, 55));
    EXPECT_EQ(view->draws, drawnOnce) << "scrolling moved the picture";
    const QImage scrolled = shot();
    EXPECT_EQ(scrolled, directDrawing(*view, client()));
    scrolled.save(QString::fromStdString((ArtifactsFolder() / "view-scrolled-from-picture.png").string()));

    // A change of the document draws it again, once.
    view->Invalidate();
    shot();
    EXPECT_EQ(view->draws, drawnOnce + 1);
}

TEST_F(CViewTest, ThePictureIsDrawnWholeWhateverPartIsExposedFirst) {
    open(CSize(600, 500));
    view->Invalidate();
    const int draws = view->draws;
    // Only a small part of the window asks to be painted.
    QImage part(client(), QImage::Format_RGB32);
    view->GetInputWidget()->render(&part, QPoint(), QRegion(20, 30, 40, 20));
    ASSERT_EQ(view->draws, draws + 1);
    // The clip box of the drawing is the whole scrolled area, not the exposed part.
    EXPECT_EQ(view->clipBoxes.back(), CRect(0, 0, 600, 500));
    // So the rest of the window comes from the picture, complete.
    EXPECT_EQ(shot(), directDrawing(*view, client()));
    EXPECT_EQ(view->draws, draws + 1);
}

TEST_F(CViewTest, InvalidatingAPartDrawsOnlyThatPart) {
    open(CSize(600, 500));
    shot();
    const int draws = view->draws;
    const CRect part(40, 50, 90, 70);
    view->InvalidateRect(&part);
    EXPECT_EQ(shot(), directDrawing(*view, client()));
    ASSERT_EQ(view->draws, draws + 1);
    EXPECT_EQ(view->clipBoxes.back(), part);
}

TEST_F(CViewTest, ALargeAreaIsKeptWindowByWindowAndScrollingDrawsTheUncoveredStrip) {
    // Far more pixels than a picture of the whole area may take.
    open(CSize(20000, 20000));
    shot();
    const int draws = view->draws;
    const QSize size = client();
    EXPECT_EQ(view->clipBoxes.back(), CRect(0, 0, size.width(), size.height()));

    struct Step {
        CSize by;
        CRect strip; // client pixels drawn anew
    };
    const Step steps[] = {
        {CSize(0, 30), CRect(0, size.height() - 30, size.width(), size.height())},
        {CSize(25, 0), CRect(size.width() - 25, 0, size.width(), size.height())},
        {CSize(-10, -20), CRect(0, 0, size.width(), size.height())}, // both directions: an L of two strips
    };
    int expectedDraws = draws;
    for (const Step& s : steps) {
        ASSERT_TRUE(view->OnScrollBy(s.by));
        const QImage scrolled = shot();
        ++expectedDraws;
        EXPECT_EQ(view->draws, expectedDraws);
        // In client coordinates shifted by the scroll: the clip box is logical.
        const CPoint scroll = view->GetDeviceScrollPosition();
        CRect expected = s.strip;
        expected.OffsetRect(scroll);
        if (s.by.cx != 0 && s.by.cy != 0) {
            EXPECT_EQ(view->clipBoxes.back().Width(), size.width());
            EXPECT_EQ(view->clipBoxes.back().Height(), size.height());
        } else {
            EXPECT_EQ(view->clipBoxes.back(), expected);
        }
        EXPECT_EQ(scrolled, directDrawing(*view, size))
            << "after scrolling by " << s.by.cx << ", " << s.by.cy;
    }
}

TEST_F(CViewTest, CopyPutsTheDrawingOnTheClipboardAsSvgAndPng) {
    open(CSize(600, 500));
    view->OnScrollBy(CSize(0, 13));
    view->outline = CRect(10, 10, 50, 50); // an overlay is no part of the copy
    const int draws = view->draws;
    ASSERT_TRUE(view->CopyToClipboard());
    EXPECT_EQ(view->draws, draws + 2) << "drawn directly for each picture";

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat("image/svg+xml"));
    ASSERT_TRUE(data->hasFormat("image/png"));
    const QImage png = QImage::fromData(data->data("image/png"), "PNG").convertToFormat(QImage::Format_RGB32);
    QImage expected(client(), QImage::Format_RGB32);
    expected.fill(Qt::white); // the copy's background is white
    {
        QPainter painter(&expected);
        CDC dc(&painter, &expected);
        view->OnPrepareDC(&dc);
        CCountingView().OnDraw(&dc);
    }
    EXPECT_EQ(png, expected);
    png.save(QString::fromStdString((ArtifactsFolder() / "view-copied.png").string()));

    QSvgRenderer svg(data->data("image/svg+xml"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize(), client());
}
