#include "platform/gdi/CDC.h"
#include "platform/gdi/CImageDC.h"
#include "tests/platform/gdi/GdiTestSupport.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <climits>

#include <gtest/gtest.h>

namespace {

// A surface-less printer-like device: 600 dots per inch, A4-ish.
CDeviceCaps printer600() {
    return CDeviceCaps::FromPixels(4800, 6800, 600, 600, DT_RASPRINTER);
}

bool isInk(QRgb c) {
    return qGray(c) < 128;
}

// Device pixels of the image that hold dark ink.
QRect inkBounds(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (isInk(img.pixel(x, y))) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

// --- Mapping -------------------------------------------------------------------

TEST(CDC, LometricMapsTenthsOfAMillimetreWithYUpOnAKnownResolution) {
    CDC dc(printer600());
    dc.SetMapMode(MM_LOMETRIC);
    EXPECT_EQ(dc.GetWindowExt(), CSize(254, 254));
    EXPECT_EQ(dc.GetViewportExt(), CSize(600, -600));

    struct Case {
        CPoint logical;
        CPoint device;
    };
    const Case cases[] = {
        {{0, 0}, {0, 0}},
        {{254, -254}, {600, 600}}, // one inch right and down
        {{254, 254}, {600, -600}}, // y grows upwards
        {{1, -1}, {2, 2}},         // 2.36 pixels, truncated
        {{-1, 1}, {-2, -2}},       // toward zero on the negative side too
        {{1000, -2540}, {2362, 6000}},
    };
    for (const Case& c : cases) {
        POINT p = c.logical;
        dc.LPtoDP(&p);
        EXPECT_EQ(CPoint(p), c.device) << c.logical.x << "," << c.logical.y;
    }

    // Origins: the window origin is subtracted in logical units, the viewport
    // origin added in pixels.
    dc.SetWindowOrg(100, -200);
    dc.SetViewportOrg(10, 20);
    POINT p{354, -454};
    dc.LPtoDP(&p);
    EXPECT_EQ(CPoint(p), CPoint(610, 620));
    dc.DPtoLP(&p);
    EXPECT_EQ(CPoint(p), CPoint(354, -454));

    SIZE s{254, 508};
    dc.LPtoDP(&s);
    EXPECT_EQ(s.cx, 600);
    EXPECT_EQ(s.cy, 1200);
}

TEST(CDC, AnisotropicTakesExtentsOtherModesKeepTheirOwn) {
    CDC dc(CDeviceCaps::FromPixels(800, 600, 96, 96));
    EXPECT_EQ(dc.SetWindowExt(10, 10), CSize(1, 1)); // refused in MM_TEXT
    EXPECT_EQ(dc.GetWindowExt(), CSize(1, 1));

    EXPECT_EQ(dc.SetMapMode(MM_ANISOTROPIC), MM_TEXT);
    dc.SetWindowExt(1000, 1000);
    dc.SetViewportExt(500, -250);
    dc.SetViewportOrg(0, 300);
    POINT p{200, 400};
    dc.LPtoDP(&p);
    EXPECT_EQ(CPoint(p), CPoint(100, 200));
    EXPECT_EQ(dc.SetWindowExt(0, 5), CSize(0, 0));
    EXPECT_EQ(dc.GetWindowExt(), CSize(1000, 1000));

    EXPECT_EQ(dc.SetMapMode(12345), 0);
    EXPECT_EQ(dc.GetMapMode(), MM_ANISOTROPIC);
}

TEST(CDC, ClipBoxIsTheVisibleDeviceInLogicalUnits) {
    CDC dc(CDeviceCaps::FromPixels(600, 300, 600, 600));
    dc.SetMapMode(MM_LOMETRIC);
    CRect box;
    EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(0, 0, 254, -127)); // top above bottom in y-up units

    dc.SetWindowOrg(1000, -1000);
    dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(1000, -1000, 1254, -1127));

    dc.IntersectClipRect(1100, -1050, 1200, -1100);
    dc.GetClipBox(&box);
    EXPECT_NEAR(box.left, 1100, 1); // through whole pixels and back
    EXPECT_NEAR(box.right, 1200, 1);
    EXPECT_NEAR(box.top, -1050, 1);
    EXPECT_NEAR(box.bottom, -1100, 1);

    dc.SelectClipRgn(nullptr);
    dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(1000, -1000, 1254, -1127));
}

// --- State ---------------------------------------------------------------------

TEST(CDC, SelectObjectHandsBackWhatWasSelected) {
    CDC dc;
    CPen red(PS_SOLID, 2, RGB(255, 0, 0));
    CPen blue(PS_DASH, 0, RGB(0, 0, 255));
    CPen* stock = dc.GetCurrentPen();
    ASSERT_NE(stock, nullptr);
    EXPECT_TRUE(stock->IsStockObject());
    EXPECT_EQ(dc.SelectObject(&red), stock);
    EXPECT_EQ(dc.SelectObject(&blue), &red);
    EXPECT_EQ(dc.SelectObject(&red), &blue);

    CPen notCreated;
    EXPECT_EQ(dc.SelectObject(&notCreated), nullptr);
    EXPECT_EQ(dc.GetCurrentPen(), &red);

    CGdiObject* hollow = CGdiObject::GetStockObject(HOLLOW_BRUSH);
    CBrush* oldBrush = dc.GetCurrentBrush();
    EXPECT_EQ(dc.SelectStockObject(HOLLOW_BRUSH), oldBrush);
    EXPECT_EQ(dc.GetCurrentBrush(), hollow);
    EXPECT_FALSE(hollow->DeleteObject());
    EXPECT_EQ(dc.SelectStockObject(999), nullptr);
}

TEST(CDC, RestoreDCBringsBackEverySavedAttribute) {
    CDC dc;
    CPen pen(PS_SOLID, 1, RGB(1, 2, 3));
    const int first = dc.SaveDC();
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetWindowOrg(5, 6);
    dc.SelectObject(&pen);
    dc.SetTextColor(RGB(9, 9, 9));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_BASELINE | TA_UPDATECP);
    dc.MoveTo(40, 50);
    const int second = dc.SaveDC();
    EXPECT_EQ(second, first + 1);
    dc.SetTextColor(RGB(7, 7, 7));

    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.GetTextColor(), RGB(9, 9, 9));
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(40, 50));

    EXPECT_TRUE(dc.RestoreDC(first));
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));
    EXPECT_NE(dc.GetCurrentPen(), &pen);
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetTextAlign(), TA_LEFT | TA_TOP);
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(0, 0));

    // The later states went with it.
    EXPECT_FALSE(dc.RestoreDC(second));
    EXPECT_FALSE(dc.RestoreDC(-1));
}

// --- Fonts and text -------------------------------------------------------------

TEST(CDC, PointFontsBecomeCharacterHeightsInTheContextsUnits) {
    struct Case {
        CDeviceCaps caps;
        int mapMode;
        int tenths;
        int height;
    };
    const Case cases[] = {
        {CDeviceCaps::FromPixels(800, 600, 96, 96), MM_TEXT, 100, -13},     // 13.3 pixels
        {CDeviceCaps::FromPixels(800, 600, 96, 96), MM_LOMETRIC, 100, -35}, // 3.53 mm
        {printer600(), MM_LOMETRIC, 100, -35},                              // independent of the device
        {printer600(), MM_TEXT, 120, -100},
    };
    for (const Case& c : cases) {
        CDC dc(c.caps);
        dc.SetMapMode(c.mapMode);
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(c.tenths, "DejaVu Sans", &dc));
        EXPECT_EQ(font.GetData().lfHeight, c.height) << c.tenths << " in mode " << c.mapMode;
    }
}

TEST(CDC, TextMeasuresAlikeInPixelsAndInLometric) {
    CDC pixels(printer600());
    CDC lometric(printer600());
    lometric.SetMapMode(MM_LOMETRIC);
    CFont big, same;
    const LOGFONT lfPixels = DejaVuFont(-600); // one inch
    const LOGFONT lfLometric = DejaVuFont(-254);
    big.CreateFontIndirect(&lfPixels);
    same.CreateFontIndirect(&lfLometric);
    pixels.SelectObject(&big);
    lometric.SelectObject(&same);

    const CSize a = pixels.GetTextExtent("Strakon");
    const CSize b = lometric.GetTextExtent("Strakon");
    EXPECT_GT(a.cx, 600);
    EXPECT_NEAR(b.cx, a.cx * 254 / 600, 2);
    EXPECT_NEAR(b.cy, a.cy * 254 / 600, 2);

    TEXTMETRIC tm;
    ASSERT_TRUE(lometric.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, b.cy);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
    // A character height excludes the internal leading.
    EXPECT_NEAR(tm.tmHeight - tm.tmInternalLeading, 254, 2);

    // A positive height asks for the cell height instead.
    CFont cell;
    const LOGFONT lfCell = DejaVuFont(254);
    cell.CreateFontIndirect(&lfCell);
    lometric.SelectObject(&cell);
    lometric.GetTextMetrics(&tm);
    EXPECT_NEAR(tm.tmHeight, 254, 2);
}

TEST(CDC, TextOutWithUpdateCpMovesThePositionPastTheText) {
    CDC dc(printer600());
    dc.SetMapMode(MM_LOMETRIC);
    CFont font;
    const LOGFONT lf = DejaVuFont(-50);
    font.CreateFontIndirect(&lf);
    dc.SelectObject(&font);
    dc.SetTextAlign(TA_BASELINE | TA_UPDATECP);
    dc.MoveTo(100, -300);
    const CSize word = dc.GetTextExtent("word ");
    dc.TextOut(0, 0, "word ");
    EXPECT_NEAR(dc.GetCurrentPosition().x, 100 + word.cx, 1);
    EXPECT_EQ(dc.GetCurrentPosition().y, -300);

    // A quarter turn follows the mapping: with y up the text runs downwards.
    CFont up;
    const LOGFONT lfUp = DejaVuFont(-50, 900);
    up.CreateFontIndirect(&lfUp);
    dc.SelectObject(&up);
    dc.MoveTo(100, -300);
    dc.TextOut(0, 0, "word ");
    EXPECT_NEAR(dc.GetCurrentPosition().x, 100, 1);
    EXPECT_NEAR(dc.GetCurrentPosition().y, -300 - word.cx, 1);

    // Without the flag the position stays.
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.MoveTo(1, 2);
    dc.TextOut(50, 50, "word");
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(1, 2));
}

TEST(CDC, DrawTextCalcRectBoundsTheLinesInTheDevicesDirections) {
    CDC dc(printer600());
    dc.SetMapMode(MM_LOMETRIC);
    CFont font;
    const LOGFONT lf = DejaVuFont(-40);
    font.CreateFontIndirect(&lf);
    dc.SelectObject(&font);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    const CSize one = dc.GetTextExtent("one two");

    CRect r(100, -100, 2000, -2000);
    EXPECT_EQ(dc.DrawText("one two", &r, DT_SINGLELINE | DT_CALCRECT), tm.tmHeight);
    EXPECT_NEAR(r.right, 100 + one.cx, 1);
    EXPECT_EQ(r.bottom, -100 - tm.tmHeight); // downwards is negative in y-up units
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, -100);

    // Word breaking in a rectangle that holds one word per line.
    const CSize word = dc.GetTextExtent("three");
    CRect narrow(0, 0, word.cx + 5, -1000);
    const int h = dc.DrawText("one two three", &narrow, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(h, 3 * tm.tmHeight);
    EXPECT_EQ(narrow.bottom, -3 * tm.tmHeight);
    EXPECT_LE(narrow.right, word.cx + 5);

    // Line breaks end lines without word breaking too.
    CRect lines(0, 0, 2000, -1000);
    EXPECT_EQ(dc.DrawText("a\r\nb\nc", &lines, DT_CALCRECT), 3 * tm.tmHeight);
    // Prefix ampersands vanish unless asked to stay.
    CRect p1(0, 0, 0, 0), p2(0, 0, 0, 0);
    dc.DrawText("&&File", &p1, DT_SINGLELINE | DT_CALCRECT);
    dc.DrawText("&File", &p2, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(p1.right, p2.right);
}

// --- Pixels -------------------------------------------------------------------------

TEST(CDC, RectangleFillsFromTheSmallerCornerUpToTheLargerOne) {
    QImage img(40, 40, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        CImageDC dc(&img);
        CBrush red(RGB(255, 0, 0));
        dc.SelectObject(&red);
        dc.SelectStockObject(BLACK_PEN);
        dc.Rectangle(10, 10, 20, 15);
    }
    EXPECT_EQ(img.pixel(10, 10), qRgb(0, 0, 0));   // outline on the left and top edges
    EXPECT_EQ(img.pixel(19, 14), qRgb(0, 0, 0));   // and on the last pixel inside
    EXPECT_EQ(img.pixel(15, 12), qRgb(255, 0, 0)); // inside filled
    EXPECT_EQ(img.pixel(20, 12), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(15, 15), qRgb(255, 255, 255));
}

TEST(CDC, ArcsRunCounterClockwiseAsSeenInEveryMappingMode) {
    // From the radial to the right to the radial upwards: the upper right
    // quarter, whether y grows down (MM_TEXT) or up (MM_LOMETRIC).
    for (int mode : {MM_TEXT, MM_LOMETRIC}) {
        QImage img = WhiteImage(200, 200);
        {
            CImageDC dc(&img);
            dc.SetMapMode(mode);
            dc.SetViewportOrg(100, 100);
            CPen pen(PS_SOLID, 0, RGB(0, 0, 0));
            dc.SelectObject(&pen);
            const int r = mode == MM_TEXT ? 80 : 211; // 80 pixels either way
            const int up = mode == MM_TEXT ? -r : r;
            dc.Arc(-r, -r, r, r, r, 0, 0, up);
        }
        const QRect ink = inkBounds(img);
        EXPECT_GE(ink.left(), 99) << mode;
        EXPECT_LE(ink.bottom(), 101) << mode;
        EXPECT_LE(ink.top(), 22) << mode;
        EXPECT_GE(ink.right(), 177) << mode;
    }
}

TEST(CDC, TextStaysUprightWithYUp) {
    // A "T" written top-left aligned under MM_LOMETRIC hangs below its anchor,
    // with its bar at the top: upright and not mirrored.
    QImage img = WhiteImage(400, 400);
    {
        CImageDC dc(&img);
        dc.SetMapMode(MM_LOMETRIC);
        dc.SetWindowOrg(0, 0);
        dc.SetViewportOrg(0, 400); // logical origin at the bottom left
        CFont font;
        const LOGFONT lf = DejaVuFont(-500);
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(254, 762, "T"); // one inch right, three up: device (96, 112)
    }
    const QRect ink = inkBounds(img);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), 112);
    EXPECT_GE(ink.left(), 94); // the glyph's side bearing may reach a pixel out
    auto inkInRow = [&](int y) {
        int n = 0;
        for (int x = ink.left(); x <= ink.right(); ++x)
            n += isInk(img.pixel(x, y));
        return n;
    };
    EXPECT_GT(inkInRow(ink.top() + 2), 3 * inkInRow(ink.bottom() - 2));
}

TEST(CDC, EscapementTurnsTextWithTheMapping) {
    // In MM_TEXT a quarter turn reads upwards from the anchor, the glyphs' tops
    // facing left, so the letters lie right of it.
    QImage img = WhiteImage(300, 300);
    {
        CImageDC dc(&img);
        CFont font;
        const LOGFONT lf = DejaVuFont(-30, 900);
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        dc.TextOut(150, 250, "Rising text");
    }
    QRect ink = inkBounds(img);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.bottom(), 251);
    EXPECT_LT(ink.top(), 150);
    EXPECT_GE(ink.left(), 149);
    EXPECT_GT(ink.height(), 3 * ink.width());

    // Under MM_LOMETRIC the same font reads downwards, the tops facing right,
    // the letters left of the anchor.
    img.fill(Qt::white);
    {
        CImageDC dc(&img);
        dc.SetMapMode(MM_LOMETRIC);
        CFont font;
        const LOGFONT lf = DejaVuFont(-80, 900);
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        dc.TextOut(397, -132, "Falling text"); // device (150, 50) at 96 dpi
    }
    ink = inkBounds(img);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), 49);
    EXPECT_GT(ink.bottom(), 150);
    EXPECT_LE(ink.right(), 151);
    EXPECT_GT(ink.height(), 3 * ink.width());
}

TEST(CDC, InversionFlipsPixelsTwiceBackToTheStart) {
    QImage img(30, 30, QImage::Format_RGB32);
    img.fill(qRgb(200, 100, 50));
    const QImage before = img.copy();
    {
        CImageDC dc(&img);
        dc.SetROP2(R2_NOT);
        dc.SelectStockObject(HOLLOW_BRUSH);
        dc.Rectangle(5, 5, 25, 25);
        EXPECT_EQ(img.pixel(5, 10), qRgb(55, 155, 205));
        dc.Rectangle(5, 5, 25, 25);
    }
    EXPECT_EQ(img, before);
}

TEST(CDC, SetPixelAndSolidFillsIgnoreThePen) {
    QImage img(20, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        CImageDC dc(&img);
        dc.SelectStockObject(NULL_PEN);
        dc.SetPixelV(3, 4, RGB(0, 0, 255));
        dc.FillSolidRect(10, 10, 5, 5, RGB(0, 255, 0));
    }
    EXPECT_EQ(img.pixel(3, 4), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(10, 10), qRgb(0, 255, 0));
    EXPECT_EQ(img.pixel(14, 14), qRgb(0, 255, 0));
    EXPECT_EQ(img.pixel(15, 15), qRgb(255, 255, 255));
}

TEST(CDC, DrawEdgeAdjustShrinksTheRectangleByItsBorders) {
    QImage img(50, 50, QImage::Format_RGB32);
    img.fill(Qt::white);
    CImageDC dc(&img);
    CRect r(10, 10, 40, 30);
    dc.DrawEdge(&r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(r, CRect(12, 12, 38, 28));
    CRect top(10, 10, 40, 30);
    dc.DrawEdge(&top, BDR_SUNKENINNER, BF_TOP | BF_ADJUST);
    EXPECT_EQ(top, CRect(10, 11, 40, 30));
}

// --- Attached to a widget's painter ------------------------------------------------------

namespace {

// A widget that paints through a device context the way the views do.
class PaintedWidget : public QWidget {
public:
    CRect clipBox;
    int mapMode = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(Qt::green);
        CDC dc(&painter, this);
        mapMode = dc.GetMapMode();
        dc.GetClipBox(&clipBox);
        CBrush blue(RGB(0, 0, 255));
        dc.SelectObject(&blue);
        dc.SelectStockObject(NULL_PEN);
        dc.SetMapMode(MM_LOMETRIC);
        dc.Rectangle(0, 0, 254, -254); // one inch square from the top-left corner
        // The painter is handed back as it came.
        EXPECT_EQ(painter.pen().color(), QColor(Qt::green));
    }
};

} // namespace

TEST(CDC, AttachesToAViewsPainterInPixels) {
    PaintedWidget w;
    w.resize(200, 150);
    const int dpi = w.logicalDpiX();
    QImage img(200, 150, QImage::Format_RGB32);
    img.fill(Qt::white);
    w.render(&img, QPoint(), QRegion(20, 30, 50, 40), QWidget::DrawChildren);
    EXPECT_EQ(w.mapMode, MM_TEXT);
    EXPECT_EQ(w.clipBox, CRect(20, 30, 70, 70)); // the area being painted
    EXPECT_EQ(img.pixel(25, 35), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(dpi + 5, 35), qRgb(255, 255, 255));

    w.render(&img);
    EXPECT_EQ(w.clipBox, CRect(0, 0, 200, 150));
}

// --- Coordinates at the limits of int ----------------------------------------------------

TEST(CDC, MappingSaturatesInsteadOfWrappingAround) {
    CDC dc(CDeviceCaps::FromPixels(100, 100, 96, 96));
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(1000, -1000);
    dc.SetViewportOrg(50, 50);
    struct Case {
        POINT logical;
        POINT device;
    };
    const Case cases[] = {
        {{0, 0}, {50, 50}},
        {{3, 4}, {3050, -3950}},
        {{INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}},
        {{INT_MIN, INT_MAX}, {INT_MIN, INT_MIN}},
        {{3'000'000, -3'000'000}, {INT_MAX, INT_MAX}},
    };
    for (const Case& c : cases) {
        POINT p = c.logical;
        dc.LPtoDP(&p);
        EXPECT_EQ(p.x, c.device.x) << c.logical.x;
        EXPECT_EQ(p.y, c.device.y) << c.logical.y;
    }
    SIZE s{INT_MAX, -3'000'000};
    dc.LPtoDP(&s);
    EXPECT_EQ(s.cx, INT_MAX);
    EXPECT_EQ(s.cy, INT_MIN);
    // The widest products of the conversion itself.
    EXPECT_EQ(CDC::MapAxis(INT_MAX, INT_MIN, INT_MAX, 1, 0), INT_MAX);
    EXPECT_EQ(CDC::MapAxis(INT_MIN, INT_MAX, INT_MAX, 1, INT_MAX), INT_MIN);
}

TEST(CDC, ShapesSpanningTheWholeRangeCoverTheDevice) {
    // Each shape reaches far beyond the 40 x 40 image on every side: the image
    // is filled with red (or framed by an edge), nothing wraps around to nothing.
    struct Case {
        const char* what;
        void (*draw)(CDC&);
        QPoint probe;
        QRgb expected;
    };
    const Case cases[] = {
        {"FillSolidRect by size",
         [](CDC& dc) { dc.FillSolidRect(10, 10, INT_MAX, INT_MAX, RGB(255, 0, 0)); },
         {20, 20},
         qRgb(255, 0, 0)},
        {"FillSolidRect by corners",
         [](CDC& dc) {
             const RECT r{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
             dc.FillSolidRect(&r, RGB(255, 0, 0));
         },
         {39, 39},
         qRgb(255, 0, 0)},
        {"FillRect",
         [](CDC& dc) {
             CBrush red(RGB(255, 0, 0));
             const RECT r{-2'000'000'000, -2'000'000'000, 2'000'000'000, 2'000'000'000};
             dc.FillRect(&r, &red);
         },
         {0, 0},
         qRgb(255, 0, 0)},
        {"Rectangle",
         [](CDC& dc) {
             CBrush red(RGB(255, 0, 0));
             dc.SelectObject(&red);
             dc.Rectangle(-2'000'000'000, -2'000'000'000, 2'000'000'000, 2'000'000'000);
             dc.SelectStockObject(WHITE_BRUSH);
         },
         {20, 20},
         qRgb(255, 0, 0)},
        {"Ellipse",
         [](CDC& dc) {
             CBrush red(RGB(255, 0, 0));
             dc.SelectObject(&red);
             dc.Ellipse(-2'000'000'000, -2'000'000'000, 2'000'000'000, 2'000'000'000);
             dc.SelectStockObject(WHITE_BRUSH);
         },
         {20, 20},
         qRgb(255, 0, 0)},
        {"Pie",
         [](CDC& dc) {
             CBrush red(RGB(255, 0, 0));
             dc.SelectObject(&red);
             dc.Pie(INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MAX, 0, INT_MAX, 0);
             dc.SelectStockObject(WHITE_BRUSH);
         },
         {20, 20},
         qRgb(255, 0, 0)},
        {"DrawEdge",
         [](CDC& dc) {
             RECT r{-10, -10, INT_MAX, INT_MAX};
             dc.DrawEdge(&r, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
         },
         {20, 20},
         qRgb(240, 240, 240)},
        {"a line between the ends of the range",
         [](CDC& dc) {
             CPen red(PS_SOLID, 0, RGB(255, 0, 0));
             dc.SelectObject(&red);
             dc.MoveTo(INT_MIN, INT_MIN);
             dc.LineTo(INT_MAX, INT_MAX);
             dc.SelectStockObject(BLACK_PEN);
         },
         {20, 20},
         qRgb(255, 0, 0)},
    };
    for (const Case& c : cases) {
        QImage img = WhiteImage(40, 40);
        {
            CImageDC dc(&img);
            c.draw(dc);
        }
        EXPECT_EQ(img.pixel(c.probe), c.expected) << c.what;
    }
}

TEST(CDC, EdgeAdjustOfAHugeRectangleKeepsItsCorners) {
    CDC dc(CDeviceCaps::FromPixels(100, 100, 96, 96));
    RECT r{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    dc.DrawEdge(&r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    EXPECT_EQ(r.left, INT_MIN + 2);
    EXPECT_EQ(r.top, INT_MIN + 2);
    EXPECT_EQ(r.right, INT_MAX - 2);
    EXPECT_EQ(r.bottom, INT_MAX - 2);
}

TEST(CDC, APrimitiveWithAPointThatIsNowhereIsNotDrawnAndTheRestOfALineIs) {
    const int N = gdi::kNowhere;
    struct Case {
        const char* what;
        void (*draw)(CDC&);
        QPoint drawn;     // red, or (-1, -1) when nothing is
        QPoint untouched; // stays white
    };
    const Case cases[] = {
        {"a line to nowhere",
         [](CDC& dc) {
             dc.MoveTo(5, 20);
             dc.LineTo(N, N);
         },
         {-1, -1}, {5, 20}},
        {"a line from nowhere",
         [](CDC& dc) {
             dc.MoveTo(N, 3);
             dc.LineTo(30, 20);
         },
         {-1, -1}, {30, 20}},
        {"a polyline broken by nowhere",
         [](CDC& dc) {
             const POINT p[5] = {{2, 10}, {37, 10}, {N, N}, {2, 30}, {37, 30}};
             dc.Polyline(p, 5);
         },
         {20, 30}, {20, 20}},
        {"a polygon with a corner nowhere",
         [](CDC& dc) {
             const POINT p[3] = {{2, 2}, {37, 2}, {N, 37}};
             dc.Polygon(p, 3);
         },
         {-1, -1}, {20, 2}},
        {"an ellipse around nowhere", [](CDC& dc) { dc.Ellipse(N - 5, 5, N + 5, 35); }, {-1, -1}, {0, 20}},
        {"a rectangle", [](CDC& dc) { dc.Rectangle(2, 2, 37, N); }, {-1, -1}, {2, 2}},
        {"text", [](CDC& dc) { dc.TextOut(N, N + 4, "Node"); }, {-1, -1}, {0, 0}},
    };
    for (const Case& c : cases) {
        QImage img = WhiteImage(40, 40);
        {
            CImageDC dc(&img);
            CPen red(PS_SOLID, 0, RGB(255, 0, 0));
            dc.SelectObject(&red);
            c.draw(dc);
            dc.SelectStockObject(BLACK_PEN);
        }
        if (c.drawn.x() >= 0) EXPECT_EQ(img.pixel(c.drawn), qRgb(255, 0, 0)) << c.what;
        EXPECT_EQ(img.pixel(c.untouched), qRgb(255, 255, 255)) << c.what;
        if (c.drawn.x() < 0) {
            bool any = false;
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x)
                    any = any || img.pixel(x, y) != qRgb(255, 255, 255);
            EXPECT_FALSE(any) << c.what;
        }
    }
}
