#include "platform/gdi/CMetaFile.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileIO.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CPrinterDC.h"
#include "tests/platform/gdi/AllocationProbe.h"
#include "tests/platform/gdi/GdiTestSupport.h"
#include "tests/support/ArtifactsFolder.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>

#include <climits>
#include <filesystem>

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using Type = CMetaRecord::Type;

namespace {

// A picture in MM_LOMETRIC units (y up, origin at the top-left corner): a
// frame, a filled triangle, a circle, an arc, a dashed line and texts.
void drawPicture(CDC& dc) {
    CPen frame(PS_SOLID, 5, RGB(0, 0, 128));
    CBrush yellow(RGB(255, 230, 120));
    CPen* oldPen = dc.SelectObject(&frame);
    CBrush* oldBrush = dc.SelectObject(&yellow);
    dc.Rectangle(20, -20, 980, -580);

    CBrush green(RGB(60, 170, 80));
    dc.SelectObject(&green);
    const POINT triangle[] = {{100, -500}, {300, -500}, {200, -300}};
    dc.Polygon(triangle, 3);

    dc.SelectStockObject(HOLLOW_BRUSH);
    dc.Ellipse(400, -300, 600, -500);
    CPen red(PS_SOLID, 3, RGB(200, 0, 0));
    dc.SelectObject(&red);
    dc.Arc(650, -300, 850, -500, 850, -400, 750, -300); // the upper right quarter

    CPen dash(PS_DASH, 0, RGB(0, 0, 0));
    dc.SelectObject(&dash);
    dc.SetBkMode(TRANSPARENT);
    dc.MoveTo(50, -540);
    dc.LineTo(950, -540);

    CFont font, turned;
    const LOGFONT lf = DejaVuFont(-60);
    const LOGFONT lfTurned = DejaVuFont(-40, 900);
    font.CreateFontIndirect(&lf);
    turned.CreateFontIndirect(&lfTurned);
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.TextOut(100, -60, "Upright Ag");
    dc.SelectObject(&turned);
    dc.TextOut(920, -60, "Down");
    dc.SelectObject(oldFont);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

void prepareLometric(CDC& dc) {
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetBkMode(OPAQUE);
}

} // namespace

TEST(CMetaFile, RecordsCallsAndAttributesInLogicalUnits) {
    CMetaFileDC rec;
    rec.SetMapMode(MM_LOMETRIC); // affects measuring only
    CPen pen(PS_DOT, 2, RGB(1, 2, 3));
    rec.SelectObject(&pen);
    rec.SetTextColor(RGB(9, 8, 7));
    rec.MoveTo(10, -20);
    rec.LineTo(30, -40);
    rec.Arc(0, 0, 100, -100, 100, -50, 50, 0);
    CRect box(0, 0, 500, -100);
    rec.DrawText("measured only", &box, DT_CALCRECT | DT_SINGLELINE);
    rec.DrawText("drawn", &box, DT_SINGLELINE);

    const auto& r = rec.GetMetaFile().Records();
    ASSERT_EQ(r.size(), 6u); // the measuring DrawText left no record
    EXPECT_EQ(r[0].type, Type::selectPen);
    EXPECT_EQ(r[0].pen, (LOGPEN{PS_DOT, 2, RGB(1, 2, 3)}));
    EXPECT_EQ(r[1].type, Type::setTextColor);
    EXPECT_EQ(static_cast<COLORREF>(r[1].value), RGB(9, 8, 7));
    EXPECT_EQ(r[2].type, Type::moveTo);
    EXPECT_EQ(r[3].type, Type::lineTo);
    EXPECT_EQ(r[3].points[0], CPoint(30, -40));
    EXPECT_EQ(r[4].type, Type::arc);
    EXPECT_EQ(r[4].Rect(), CRect(0, 0, 100, -100));
    EXPECT_EQ(r[4].points[2], CPoint(100, -50));
    EXPECT_EQ(r[4].points[3], CPoint(50, 0));
    EXPECT_EQ(r[5].type, Type::drawText);
    EXPECT_EQ(r[5].text, "drawn");
    EXPECT_EQ(rec.GetCurrentPosition(), CPoint(30, -40));

    const CMetaFile taken = rec.Close();
    EXPECT_EQ(taken.Records().size(), 6u);
    EXPECT_TRUE(rec.GetMetaFile().IsEmpty());
}

TEST(CMetaFile, PlaysAtAnOffsetAndLeavesTheTargetAsItWas) {
    CMetaFileDC rec;
    CFont font;
    const LOGFONT lf = DejaVuFont(-30);
    font.CreateFontIndirect(&lf);
    rec.SelectObject(&font);
    rec.SetBkMode(TRANSPARENT);
    rec.Rectangle(0, 0, 10, -10);
    const POINT line[] = {{1, 1}, {2, 2}, {3, 5}};
    rec.Polyline(line, 3);
    rec.SaveDC();
    rec.IntersectClipRect(0, 0, 50, -50);
    rec.TextOut(5, -5, "x");
    rec.RestoreDC(-1);
    const CMetaFile picture = rec.Close();

    CMetaFileDC target;
    CPen mine(PS_SOLID, 1, RGB(5, 5, 5));
    target.SelectObject(&mine);
    target.SetTextColor(RGB(1, 1, 1));
    target.MoveTo(7, 7);
    const std::size_t before = target.GetMetaFile().Records().size();
    ASSERT_TRUE(target.PlayMetaFile(picture, CPoint(100, -200)));

    const auto& r = target.GetMetaFile().Records();
    std::vector<const CMetaRecord*> played;
    for (std::size_t i = before; i < r.size(); ++i)
        played.push_back(&r[i]);
    auto find = [&](Type t) -> const CMetaRecord* {
        for (const CMetaRecord* p : played)
            if (p->type == t) return p;
        return nullptr;
    };
    ASSERT_NE(find(Type::rectangle), nullptr);
    EXPECT_EQ(find(Type::rectangle)->Rect(), CRect(100, -200, 110, -210));
    ASSERT_NE(find(Type::polyline), nullptr);
    EXPECT_EQ(find(Type::polyline)->points[2], CPoint(103, -195));
    ASSERT_NE(find(Type::intersectClipRect), nullptr);
    EXPECT_EQ(find(Type::intersectClipRect)->Rect(), CRect(100, -200, 150, -250));
    ASSERT_NE(find(Type::textOut), nullptr);
    EXPECT_EQ(find(Type::textOut)->points[0], CPoint(105, -205));
    EXPECT_EQ(find(Type::selectFont)->font, lf);

    EXPECT_EQ(target.GetCurrentPen(), &mine);
    EXPECT_EQ(target.GetTextColor(), RGB(1, 1, 1));
    EXPECT_EQ(target.GetBkMode(), OPAQUE);
    EXPECT_EQ(target.GetCurrentPosition(), CPoint(7, 7));
    CRect clip;
    target.GetClipBox(&clip);
    EXPECT_EQ(clip, CRect(0, 0, target.GetDeviceCaps(HORZRES), target.GetDeviceCaps(VERTRES)));
}

TEST(CMetaFile, FilesKeepEveryRecord) {
    CMetaFileDC rec;
    drawPicture(rec);
    CRect edge(1, 2, 3, 4);
    rec.DrawEdge(&edge, EDGE_RAISED, BF_RECT);
    rec.FillSolidRect(0, 0, 5, 5, RGB(1, 2, 3));
    CBrush hatch(HS_DIAGCROSS, RGB(4, 5, 6));
    const CRect fill(0, 0, 9, 9);
    rec.FillRect(&fill, &hatch);
    rec.TextOut(0, 0, "Ünïcode ✓");
    const CMetaFile picture = rec.Close();

    const fs::path path = ArtifactsFolder() / "display-list.bin";
    picture.Save(path);
    const CMetaFile loaded = CMetaFile::Load(path);
    ASSERT_EQ(loaded.Records().size(), picture.Records().size());
    for (std::size_t i = 0; i < loaded.Records().size(); ++i) {
        const CMetaRecord& a = picture.Records()[i];
        const CMetaRecord& b = loaded.Records()[i];
        EXPECT_EQ(a.type, b.type) << i;
        EXPECT_EQ(a.points, b.points) << i;
        EXPECT_EQ(a.text, b.text) << i;
        EXPECT_EQ(a.value, b.value) << i;
        EXPECT_EQ(a.flags, b.flags) << i;
        if (a.type == Type::selectPen) {
            EXPECT_EQ(a.pen, b.pen) << i;
        }
        if (a.type == Type::selectBrush || a.type == Type::fillRect) {
            EXPECT_EQ(a.brush, b.brush) << i;
        }
        if (a.type == Type::selectFont) {
            EXPECT_EQ(a.font, b.font) << i;
        }
    }
    fs::remove(path);
}

TEST(CMetaFile, RefusesFilesThatAreNoDisplayList) {
    const fs::path path = ArtifactsFolder() / "not-a-display-list.bin";
    EXPECT_THROW(CMetaFile::Load(path), CFileException);
    fileio::writeFileAtomically(path, std::string_view("some other file"));
    EXPECT_THROW(CMetaFile::Load(path), CArchiveException);

    // A valid head with a record count far beyond the data.
    CMetaFileDC rec;
    rec.MoveTo(1, 1);
    rec.Close().Save(path);
    auto bytes = fileio::readFile(path);
    const std::size_t countAt = 1 + std::string_view("StrakonDisplayList").size() + 4;
    bytes[countAt + 3] = 0x7F;
    fileio::writeFileAtomically(path, bytes);
    EXPECT_THROW(CMetaFile::Load(path), CArchiveException);
    fs::remove(path);
}

TEST(CMetaFile, PlayedPictureLooksLikeTheDrawingOnImageAndPdf) {
    // Drawn straight onto an image and played from a recording onto another:
    // the same pixels.
    const int dpi = 150;
    QImage direct = WhiteImage(600, 360, dpi);
    {
        CImageDC dc(&direct);
        prepareLometric(dc);
        drawPicture(dc);
    }
    QImage played = WhiteImage(600, 360, dpi);
    CMetaFile picture;
    {
        CImageDC dc(&played);
        prepareLometric(dc);
        CMetaFileDC rec(&dc);
        drawPicture(rec);
        picture = rec.Close();
        dc.PlayMetaFile(picture);
    }
    EXPECT_EQ(differingPixels(direct, played), 0);
    ASSERT_TRUE(
        played.save(QString::fromStdString((ArtifactsFolder() / "display-list-on-image.png").string())));

    // Text upright: the upright label's ink lies below its anchor (y up, top
    // aligned), within the frame's upper part.
    const int anchorY = 60 * dpi / 254;
    bool inkAbove = false;
    for (int y = 30 * dpi / 254; y < anchorY - 1; ++y) // between the frame and the anchor
        for (int x = 100 * dpi / 254 + 2; x < 300 * dpi / 254; ++x)
            inkAbove |= qGray(played.pixel(x, y)) < 100;
    EXPECT_FALSE(inkAbove);

    // The same list printed on two PDF pages, the second moved down 2 cm.
    const fs::path pdf = ArtifactsFolder() / "display-list.pdf";
    QPdfWriter writer(QString::fromStdString(pdf.string()));
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    CPrinterDC printer(&writer);
    ASSERT_GT(printer.StartDoc("Display list"), 0);
    for (int page = 0; page < 2; ++page) {
        ASSERT_GT(printer.StartPage(), 0);
        printer.SetMapMode(MM_LOMETRIC);
        printer.PlayMetaFile(picture, CPoint(0, -200 * page));
        ASSERT_GT(printer.EndPage(), 0);
    }
    ASSERT_GT(printer.EndDoc(), 0);
    EXPECT_GT(fs::file_size(pdf), 1000u);
}

// --- Damaged and hostile pictures ---------------------------------------------------------

namespace {

CMetaRecord restoreRecord(int value) {
    CMetaRecord r;
    r.type = Type::restoreDC;
    r.value = value;
    return r;
}

CMetaRecord saveRecord(int number) {
    CMetaRecord r;
    r.type = Type::saveDC;
    r.value = number;
    return r;
}

CMetaRecord colourRecord(COLORREF c) {
    CMetaRecord r;
    r.type = Type::setTextColor;
    r.value = static_cast<int>(c);
    return r;
}

} // namespace

TEST(CMetaFile, APictureRestoresOnlyTheStatesItSavedItself) {
    struct Case {
        const char* what;
        std::vector<CMetaRecord> records;
    };
    const Case cases[] = {
        {"relative restores beyond its own", {restoreRecord(-1), restoreRecord(-1), restoreRecord(-3)}},
        {"numbers of states it never saved", {restoreRecord(1), restoreRecord(2)}},
        {"its own state, then one more",
         {saveRecord(1), colourRecord(RGB(9, 9, 9)), restoreRecord(-1), restoreRecord(-1)}},
        {"two of its own restored by the first's number",
         {saveRecord(1), saveRecord(2), colourRecord(RGB(9, 9, 9)), restoreRecord(1), restoreRecord(-1)}},
    };
    for (const Case& c : cases) {
        CMetaFile picture;
        for (const CMetaRecord& r : c.records)
            picture.Append(r);
        CDC dc(CDeviceCaps::FromPixels(100, 100, 96, 96));
        dc.SetTextColor(RGB(1, 0, 0));
        ASSERT_EQ(dc.SaveDC(), 1);
        dc.SetTextColor(RGB(2, 0, 0));
        ASSERT_EQ(dc.SaveDC(), 2);
        dc.SetTextColor(RGB(3, 0, 0));

        EXPECT_TRUE(dc.PlayMetaFile(picture)) << c.what;
        EXPECT_EQ(dc.GetTextColor(), RGB(3, 0, 0)) << c.what;
        EXPECT_TRUE(dc.RestoreDC(2)) << c.what;
        EXPECT_EQ(dc.GetTextColor(), RGB(2, 0, 0)) << c.what;
        EXPECT_TRUE(dc.RestoreDC(-1)) << c.what;
        EXPECT_EQ(dc.GetTextColor(), RGB(1, 0, 0)) << c.what;
    }
}

TEST(CMetaFile, OffsetsSaturateAtTheEndsOfTheRange) {
    CMetaFile picture;
    CMetaRecord line;
    line.type = Type::polyline;
    line.points = {CPoint(INT_MAX - 5, INT_MIN + 5), CPoint(0, 0)};
    picture.Append(line);
    struct Case {
        CPoint offset;
        CPoint first;
        CPoint second;
    };
    const Case cases[] = {
        {CPoint(100, -100), CPoint(INT_MAX, INT_MIN), CPoint(100, -100)},
        {CPoint(-100, 100), CPoint(INT_MAX - 105, INT_MIN + 105), CPoint(-100, 100)},
        {CPoint(INT_MAX, INT_MIN), CPoint(INT_MAX, INT_MIN), CPoint(INT_MAX, INT_MIN)},
    };
    for (const Case& c : cases) {
        CMetaFileDC target;
        ASSERT_TRUE(target.PlayMetaFile(picture, c.offset));
        const CMetaRecord* played = nullptr;
        for (const CMetaRecord& r : target.GetMetaFile().Records())
            if (r.type == Type::polyline) played = &r;
        ASSERT_NE(played, nullptr);
        EXPECT_EQ(played->points[0], c.first);
        EXPECT_EQ(played->points[1], c.second);
    }
}

TEST(CMetaFile, LoadSizesItsMemoryByTheRecordsItReads) {
    // Three records with large texts (about 3 MB in all) under a record count
    // that claims the file is full of the smallest records.
    const std::string big(1'000'000, 'x');
    CMetaFileDC rec;
    for (int i = 0; i < 3; ++i)
        rec.TextOut(i, i, big);
    const CMetaFile picture = rec.Close();
    const fs::path path = ArtifactsFolder() / "display-list-count.bin";
    picture.Save(path);
    auto bytes = fileio::readFile(path);
    const std::size_t countAt = 1 + std::string_view("StrakonDisplayList").size() + 4;
    const std::uint32_t claimed = static_cast<std::uint32_t>((bytes.size() - countAt - 4) / 15);
    for (int i = 0; i < 4; ++i)
        bytes[countAt + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(claimed >> (8 * i));
    fileio::writeFileAtomically(path, bytes);

    {
        AllocationProbe probe;
        EXPECT_THROW(CMetaFile::Load(path), CArchiveException);
        EXPECT_LT(probe.Largest(), 2 * bytes.size());
    }

    // The same records under their true count load in full.
    picture.Save(path);
    {
        AllocationProbe probe;
        const CMetaFile loaded = CMetaFile::Load(path);
        EXPECT_EQ(loaded.Records().size(), 3u);
        EXPECT_LT(probe.Largest(), 2 * bytes.size());
    }
    fs::remove(path);
}

// --- Pictures scaled into rectangles, picture records, export ------------------------------

namespace {

// The test picture recorded in MM_LOMETRIC at the resolution of dc, its frame
// the 100 mm by 60 mm it was drawn for.
CMetaFile recordPicture(const CDC& reference) {
    CMetaFileDC rec(&reference);
    prepareLometric(rec);
    drawPicture(rec);
    rec.SetFrame(CRect(0, 0, 1000, -600));
    return rec.Close();
}

// Pixels whose colours differ by more than tolerance in some channel.
int differingPixels(const QImage& a, const QImage& b, int tolerance) {
    if (a.size() != b.size()) return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            n += std::abs(qRed(p) - qRed(q)) > tolerance || std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                 std::abs(qBlue(p) - qBlue(q)) > tolerance;
        }
    return n;
}

// Pixels of b that no anti-aliasing of a explains: their colour lies outside
// the range of colours around the same place in a (3 x 3 pixels), widened by slack.
int differingBeyondAntialiasing(const QImage& a, const QImage& b, int slack) {
    if (a.size() != b.size()) return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
            for (int v = std::max(0, y - 1); v <= std::min(a.height() - 1, y + 1); ++v)
                for (int u = std::max(0, x - 1); u <= std::min(a.width() - 1, x + 1); ++u) {
                    const QRgb p = a.pixel(u, v);
                    const int c[3] = {qRed(p), qGreen(p), qBlue(p)};
                    for (int k = 0; k < 3; ++k) {
                        lo[k] = std::min(lo[k], c[k]);
                        hi[k] = std::max(hi[k], c[k]);
                    }
                }
            const QRgb q = b.pixel(x, y);
            const int c[3] = {qRed(q), qGreen(q), qBlue(q)};
            bool outside = false;
            for (int k = 0; k < 3; ++k)
                outside |= c[k] < lo[k] - slack || c[k] > hi[k] + slack;
            n += outside;
        }
    return n;
}

void saveArtifact(const QImage& image, const char* name) {
    ASSERT_TRUE(image.save(QString::fromStdString((ArtifactsFolder() / name).string())));
}

} // namespace

TEST(CMetaFile, PlayedIntoATwiceAsLargeRectangleLooksLikeDrawingAtTwiceTheScale) {
    const int dpi = 96;
    // Directly at twice the scale of MM_LOMETRIC.
    QImage direct = WhiteImage(2 * 378, 2 * 227, dpi);
    {
        CImageDC dc(&direct);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(254, 254);
        dc.SetViewportExt(2 * dpi, -2 * dpi);
        dc.SetBkMode(OPAQUE);
        drawPicture(dc);
    }
    // Recorded at its own size, played into a rectangle twice as large.
    QImage played = WhiteImage(2 * 378, 2 * 227, dpi);
    {
        CImageDC dc(&played);
        const CMetaFile picture = recordPicture(dc);
        dc.SetMapMode(MM_LOMETRIC);
        ASSERT_TRUE(dc.PlayMetaFile(picture, CRect(0, 0, 2000, -1200)));
        EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC) << "the context's mapping is as before";
    }
    saveArtifact(played, "display-list-twice-as-large.png");
    EXPECT_LE(differingPixels(direct, played, 64), direct.width() * direct.height() / 500);
}

TEST(CMetaFile, ARecordingsFrameIsWhatItDrewAsTheDeviceSeesIt) {
    struct Case {
        const char* what;
        int mapMode;
        CRect expected;
    };
    const Case cases[] = {
        {"y down", MM_TEXT, CRect(10, 20, 110, 70)},
        {"y up", MM_LOMETRIC, CRect(10, 70, 110, 20)},
    };
    for (const Case& c : cases) {
        CDC reference(CDeviceCaps::FromPixels(800, 600, 96, 96));
        reference.SetMapMode(c.mapMode);
        CMetaFileDC rec(&reference);
        rec.IntersectClipRect(-500, -500, 500, 500); // clipping is no drawing
        rec.Rectangle(10, 20, 60, 70);
        rec.MoveTo(110, 30);
        rec.LineTo(90, 40);
        EXPECT_EQ(rec.Close().GetFrame(), c.expected) << c.what;
    }
}

TEST(CMetaFile, ExportedSvgRendersLikeTheDirectDrawing) {
    const CSize size(600, 360);
    QImage direct = WhiteImage(size.cx, size.cy);
    CMetaFile picture;
    {
        CImageDC dc(&direct);
        picture = recordPicture(dc);
        // The frame of 1000 x 600 units onto the 600 x 360 pixels.
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(1000, -600);
        dc.SetViewportExt(600, 360);
        dc.SetBkMode(OPAQUE);
        drawPicture(dc);
    }
    const std::string svg = picture.ToSvg(size);
    const fs::path svgPath = ArtifactsFolder() / "display-list.svg";
    fileio::writeFileAtomically(svgPath, svg);
    QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.defaultSize(), QSize(size.cx, size.cy));
    QImage rendered = WhiteImage(size.cx, size.cy);
    {
        QPainter painter(&rendered);
        renderer.render(&painter);
    }
    saveArtifact(rendered, "display-list-svg-rendered.png");
    saveArtifact(direct, "display-list-drawn-directly.png");
    EXPECT_LE(differingBeyondAntialiasing(direct, rendered, 24), size.cx * size.cy / 1000);

    // The PNG export is the played picture itself.
    const std::string png = picture.ToPng(size);
    const QImage fromPng =
        QImage::fromData(QByteArray(png.data(), static_cast<qsizetype>(png.size())), "PNG");
    ASSERT_EQ(fromPng.size(), QSize(size.cx, size.cy));
    EXPECT_LE(differingPixels(direct, fromPng.convertToFormat(QImage::Format_RGB32), 64),
              size.cx * size.cy / 500);
}

TEST(CMetaFile, PicturesOfResourcesAndOtherListsPlayInsideADisplayList) {
    // A list of its own: a green square.
    CMetaFileDC inner;
    inner.FillSolidRect(0, 0, 10, 10, RGB(0, 200, 0));
    const CMetaFile square = inner.Close();

    CMetaFileDC rec;
    EXPECT_TRUE(rec.DrawPictureFile(CRect(0, 0, 100, 100), ":/pictures/mark.svg"));
    EXPECT_TRUE(rec.DrawPictureFile(CRect(100, 0, 200, 100), ":/pictures/halves.png"));
    EXPECT_TRUE(rec.PlayMetaFile(square, CRect(200, 0, 300, 100)));
    EXPECT_FALSE(rec.DrawPictureFile(CRect(0, 0, 1, 1), ":/pictures/none.svg"));
    const CMetaFile picture = rec.Close();
    ASSERT_EQ(picture.Records().size(), 3u);
    EXPECT_EQ(picture.GetFrame(), CRect(0, 0, 300, 100));

    // Through a file and back, played at an offset.
    const fs::path path = ArtifactsFolder() / "display-list-pictures.bin";
    picture.Save(path);
    const CMetaFile loaded = CMetaFile::Load(path);
    fs::remove(path);
    QImage image = WhiteImage(320, 120);
    {
        CImageDC dc(&image);
        ASSERT_TRUE(dc.PlayMetaFile(loaded, CPoint(10, 10)));
    }
    saveArtifact(image, "display-list-pictures.png");
    struct Probe {
        QPoint at;
        QRgb colour;
    };
    const Probe probes[] = {
        {{60, 30}, qRgb(255, 0, 0)},    // the SVG's upper half
        {{60, 90}, qRgb(0, 0, 255)},    // and its lower half
        {{130, 60}, qRgb(0, 160, 0)},   // the PNG's left half
        {{190, 60}, qRgb(255, 160, 0)}, // and its right half
        {{260, 60}, qRgb(0, 200, 0)},   // the list, ten times its size
        {{5, 5}, qRgb(255, 255, 255)},  // outside, before the offset
    };
    for (const Probe& p : probes)
        EXPECT_EQ(image.pixel(p.at), p.colour) << p.at.x() << ", " << p.at.y();
}

TEST(CMetaFile, DamagedPictureRecordsDrawNothingAndEndlessNestingStops) {
    struct Case {
        const char* what;
        CPictureKind kind;
        std::string bytes;
    };
    // A list that holds itself, 40 deep.
    std::string nested = CMetaFile().ToBytes();
    for (int i = 0; i < 40; ++i) {
        CMetaFileDC rec;
        rec.DrawPicture(CRect(0, 0, 10, 10), CPictureKind::displayList, nested);
        nested = rec.Close().ToBytes();
    }
    const Case cases[] = {
        {"an SVG that is none", CPictureKind::svg, "<svg"},
        {"a PNG that is none", CPictureKind::png, "\x89PNG\r\n\x1a\n broken"},
        {"a list that is none", CPictureKind::displayList, "\x12StrakonDisplayList\x02"},
        {"a kind that does not exist", static_cast<CPictureKind>(77), "x"},
    };
    QImage image = WhiteImage(20, 20);
    CImageDC dc(&image);
    for (const Case& c : cases)
        EXPECT_FALSE(dc.DrawPicture(CRect(0, 0, 10, 10), c.kind, c.bytes)) << c.what;
    EXPECT_FALSE(dc.DrawPicture(CRect(0, 0, 10, 10), CPictureKind::displayList, nested));
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
}

TEST(CMetaFile, ScalingBetweenExtremeFramesAndTargetsStaysInRange) {
    CMetaFile picture;
    CMetaRecord line;
    line.type = Type::polyline;
    line.points = {CPoint(INT_MIN, INT_MIN), CPoint(INT_MAX, INT_MAX)};
    picture.Append(line);
    struct Case {
        CRect frame;
        CRect target;
    };
    const Case cases[] = {
        {CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), CRect(0, 0, 10, 10)},
        {CRect(0, 0, 1, 1), CRect(INT_MIN, INT_MAX, INT_MAX, INT_MIN)},
        {CRect(INT_MAX, INT_MIN, INT_MIN, INT_MAX), CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX)},
        {CRect(5, 5, 5, 5), CRect(0, 0, 100, 100)}, // no extent: the context's own scale
    };
    for (const Case& c : cases) {
        picture.SetFrame(c.frame);
        QImage image = WhiteImage(40, 40);
        CImageDC dc(&image);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(1, -3);
        dc.SetViewportExt(INT_MAX, INT_MAX);
        EXPECT_TRUE(dc.PlayMetaFile(picture, c.target));
        EXPECT_EQ(dc.GetViewportExt(), CSize(INT_MAX, INT_MAX));
        EXPECT_EQ(dc.GetWindowExt(), CSize(1, -3));
    }
}

TEST(CMetaFile, ARecordingStopsAtItsCapAndKeepsWhatCameBefore) {
    CMetaFileDC rec;
    EXPECT_FALSE(rec.IsCapped());
    rec.SetMaxRecords(1000);
    rec.MoveTo(0, 0);
    rec.LineTo(100, 100);
    // A point that is nowhere widens no frame.
    rec.LineTo(gdi::kNowhere, gdi::kNowhere);
    EXPECT_FALSE(rec.IsCapped());
    for (int i = 0; i < 5000; ++i)
        rec.LineTo(i % 100, 5);
    EXPECT_TRUE(rec.IsCapped());
    EXPECT_EQ(rec.GetMetaFile().Records().size(), 1000u);
    const POINT p[2] = {{0, 0}, {1, 1}};
    EXPECT_TRUE(rec.Polyline(p, 2));
    EXPECT_EQ(rec.GetMetaFile().Records().size(), 1000u);
    const CMetaFile file = rec.Close();
    EXPECT_EQ(file.GetFrame(), CRect(0, 0, 100, 100));
    EXPECT_EQ(file.Records()[1].points.front(), CPoint(100, 100));
    EXPECT_FALSE(rec.IsCapped()) << "a new recording starts empty";
}
