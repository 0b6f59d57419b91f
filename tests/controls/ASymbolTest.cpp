#include "controls/ASymbol.h"

#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CMetaFile.h"
#include "platform/gdi/CPrinterDC.h"
#include "tests/platform/gdi/GdiTestSupport.h"
#include "tests/support/ArtifactsFolder.h"

#include <QImage>
#include <QPdfWriter>

#include <cmath>
#include <filesystem>
#include <numbers>

#include <gtest/gtest.h>

using Type = CMetaRecord::Type;
namespace fs = std::filesystem;

namespace {

constexpr double kQuarter = std::numbers::pi / 2;

// The drawing calls of a recording, without the attribute changes.
std::vector<const CMetaRecord*> shapes(const CMetaFile& f) {
    std::vector<const CMetaRecord*> out;
    for (const CMetaRecord& r : f.Records()) {
        switch (r.type) {
        case Type::moveTo:
        case Type::lineTo:
        case Type::polyline:
        case Type::polygon:
        case Type::ellipse:
        case Type::arc:
        case Type::chord:
        case Type::textOut:
            out.push_back(&r);
            break;
        default:
            break;
        }
    }
    return out;
}

const CMetaRecord* first(const CMetaFile& f, Type t) {
    for (const CMetaRecord& r : f.Records())
        if (r.type == t) return &r;
    return nullptr;
}

// A context like a view's: MM_LOMETRIC on a 96 dpi screen.
CDC& lometricScreen() {
    static CDC dc(CDeviceCaps::FromPixels(1200, 900, 96, 96));
    dc.SetMapMode(MM_LOMETRIC);
    return dc;
}

} // namespace

TEST(ASymbol, ArrowAtRightAngleStandsVerticalWithItsTipAtThePosition) {
    CMetaFileDC rec(&lometricScreen());
    ASymArrow arrow(20, 100, 0);
    arrow.Draw(rec, omPoint(500, -500), false);
    auto calls = shapes(rec.GetMetaFile());
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[0]->points[0], CPoint(400, -500)); // no angle: along +x
    EXPECT_EQ(calls[1]->points[0], CPoint(500, -500));

    CMetaFileDC turned(&lometricScreen());
    ASymArrow down(20, 100, kQuarter);
    down.SetColors(RGB(200, 0, 0), RGB(255, 255, 0));
    down.SetPenThickness(3);
    down.Draw(turned, omPoint(500, -500), false);
    const CMetaFile& f = turned.GetMetaFile();
    calls = shapes(f);
    ASSERT_EQ(calls.size(), 6u);
    const std::pair<Type, CPoint> expected[] = {
        {Type::moveTo, {500, -400}}, {Type::lineTo, {500, -500}}, // shaft from above down to the tip
        {Type::moveTo, {500, -500}}, {Type::lineTo, {504, -470}}, // head lines back up
        {Type::moveTo, {500, -500}}, {Type::lineTo, {496, -470}},
    };
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(calls[static_cast<size_t>(i)]->type, expected[i].first) << i;
        EXPECT_EQ(calls[static_cast<size_t>(i)]->points[0], expected[i].second) << i;
    }
    ASSERT_NE(first(f, Type::selectPen), nullptr);
    EXPECT_EQ(first(f, Type::selectPen)->pen, (LOGPEN{PS_SOLID, 3, RGB(200, 0, 0)}));
    EXPECT_EQ(first(f, Type::selectBrush)->brush, (LOGBRUSH{BS_SOLID, RGB(255, 255, 0), 0}));
    // The pen and brush of before are selected back at the end.
    EXPECT_EQ(f.Records().back().type, Type::selectPen);
    EXPECT_EQ(f.Records().back().pen, (LOGPEN{PS_SOLID, 0, RGB(0, 0, 0)}));
    EXPECT_EQ(down.GetPoint(0), omPoint(500, -400));
}

TEST(ASymbol, ErasingPaintsThePlacedBoxInTheFillColour) {
    CMetaFileDC rec(&lometricScreen());
    ASymRectangle box(10, 40, 0);
    box.SetColors(RGB(0, 0, 0), RGB(9, 9, 9));
    box.Draw(rec, omPoint(100, 100), true);
    const CMetaFile& f = rec.GetMetaFile();
    const CMetaRecord* erase = first(f, Type::polygon);
    ASSERT_NE(erase, nullptr);
    const std::vector<CPoint> corners = {{80, 95}, {120, 95}, {120, 105}, {80, 105}};
    EXPECT_EQ(erase->points, corners);
    EXPECT_EQ(first(f, Type::selectPen)->pen, (LOGPEN{PS_SOLID, 1, RGB(9, 9, 9)}));
    int polygons = 0;
    for (const CMetaRecord* r : shapes(f))
        polygons += r->type == Type::polygon;
    EXPECT_EQ(polygons, 2); // the erasing box and the rectangle itself
}

TEST(ASymText, FramedTextWithEscapementTurnsWithItsFrame) {
    CMetaFileDC rec(&lometricScreen());
    ASymText text("Hello", "DejaVu Sans", -40, ANSI_CHARSET, 10, ASymText::shapeRectangle, kQuarter);
    text.SetColors(RGB(0, 0, 128), RGB(255, 255, 255));
    text.SetTextColor(RGB(0, 0, 255));
    const CSize extent = text.GetTextSize(rec);
    ASSERT_GT(extent.cx, extent.cy);
    text.Draw(rec, omPoint(1000, -1000), false);
    EXPECT_EQ(text.GetWidth(), extent.cx);
    EXPECT_EQ(text.GetHeight(), extent.cy);

    const CMetaFile& f = rec.GetMetaFile();
    const CMetaRecord* font = first(f, Type::selectFont);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->font.lfHeight, -40);
    EXPECT_EQ(font->font.lfEscapement, 900);
    EXPECT_EQ(font->font.lfWeight, FW_NORMAL);
    EXPECT_EQ(font->font.lfOutPrecision, OUT_TT_PRECIS);
    EXPECT_EQ(font->font.FaceName(), "DejaVu Sans");
    EXPECT_EQ(static_cast<COLORREF>(first(f, Type::setTextColor)->value), RGB(0, 0, 255));

    // The frame: text height + offset across, text width + offset along the
    // text, turned a quarter like the text and centred on the position.
    const CMetaRecord* frame = first(f, Type::polygon);
    ASSERT_NE(frame, nullptr);
    const double h = extent.cy + 10, w = extent.cx + 10;
    const std::vector<CPoint> corners = {
        ASymbol::Round({1000 - h / 2, -1000 + w / 2}), ASymbol::Round({1000 - h / 2, -1000 - w / 2}),
        ASymbol::Round({1000 + h / 2, -1000 - w / 2}), ASymbol::Round({1000 + h / 2, -1000 + w / 2})};
    EXPECT_EQ(frame->points, corners);

    // The text starts at the box's corner (0, 1), which the quarter turn puts at
    // the upper right: turned with the mapping it reads downwards from there,
    // its top towards +x, so it fills the frame.
    const CMetaRecord* out = first(f, Type::textOut);
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(out->text, "Hello");
    EXPECT_EQ(out->points[0], ASymbol::Round({1000 + extent.cy / 2.0, -1000 + extent.cx / 2.0}));
    const CMetaRecord* mode = first(f, Type::setBkMode);
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->value, TRANSPARENT);

    // Everything is put back.
    EXPECT_EQ(rec.GetTextAlign(), TA_LEFT | TA_TOP);
    EXPECT_EQ(rec.GetTextColor(), RGB(0, 0, 0));
    EXPECT_EQ(rec.GetBkMode(), OPAQUE);
    EXPECT_TRUE(rec.GetCurrentFont()->IsStockObject());
}

TEST(ASymText, ShortTextsGetASquareOrRoundFrame) {
    for (ASymText::Shape shape : {ASymText::shapeRectangle, ASymText::shapeOval}) {
        CMetaFileDC rec(&lometricScreen());
        ASymText text("i", "DejaVu Sans", -60, ANSI_CHARSET, 4, shape, 0);
        text.Draw(rec, omPoint(0, 0), false);
        const CMetaFile& f = rec.GetMetaFile();
        if (shape == ASymText::shapeRectangle) {
            const CMetaRecord* frame = first(f, Type::polygon);
            ASSERT_NE(frame, nullptr);
            const CRect r(frame->points[0].x, frame->points[2].y, frame->points[2].x, frame->points[0].y);
            EXPECT_EQ(std::abs(r.Width()), std::abs(r.Height()));
        } else {
            // A circle: two half discs on the same square box, and no straight sides.
            std::vector<const CMetaRecord*> chords, arcs;
            for (const CMetaRecord* r : shapes(f)) {
                if (r->type == Type::chord) chords.push_back(r);
                if (r->type == Type::arc) arcs.push_back(r);
            }
            ASSERT_EQ(chords.size(), 2u);
            ASSERT_EQ(arcs.size(), 2u);
            EXPECT_EQ(chords[0]->Rect(), chords[1]->Rect());
            EXPECT_EQ(std::abs(chords[0]->Rect().Width()), std::abs(chords[0]->Rect().Height()));
            EXPECT_EQ(chords[0]->points[2], chords[1]->points[3]);
            EXPECT_EQ(first(f, Type::lineTo), nullptr);
        }
    }
}

TEST(ASymText, PrintRotationSwitchTurnsTextTheOtherWayOnPrintersOnly) {
    CDC screen;
    CDC printer(CDeviceCaps::FromPixels(4000, 6000, 600, 600, DT_RASPRINTER));
    printer.SetPrinting(true);
    ASymText text("T", "DejaVu Sans", -40, ANSI_CHARSET, 0, ASymText::shapeNone, 0.5);
    auto escapement = [&](const CDC& reference) {
        CMetaFileDC rec(&reference);
        text.Draw(rec, omPoint(0, 0), false);
        return first(rec.GetMetaFile(), Type::selectFont)->font.lfEscapement;
    };
    EXPECT_EQ(escapement(screen), 286); // 28.6 degrees
    EXPECT_EQ(escapement(printer), 286);
    ASymText::SetFixFontPrintRotation(true);
    EXPECT_EQ(escapement(screen), 286);
    EXPECT_EQ(escapement(printer), -286);
    EXPECT_EQ(text.GetFontAngleFactor(printer), -10);
    ASymText::SetFixFontPrintRotation(false);
    EXPECT_EQ(text.GetFontAngleFactor(printer), 10);
}

TEST(ASymOval, CapsuleHasRoundEndsUnderEveryMapping) {
    // 200 by 100 pixels, drawn in pixels and in tenths of a millimetre.
    for (int mode : {MM_TEXT, MM_LOMETRIC}) {
        QImage img = WhiteImage(300, 200);
        {
            CImageDC dc(&img);
            dc.SetMapMode(mode);
            dc.SetViewportOrg(150, 100);
            const double scale = mode == MM_TEXT ? 1.0 : 254.0 / 96.0;
            ASymOval oval(100 * scale, 200 * scale, 0);
            oval.SetColors(RGB(0, 0, 0), RGB(0, 0, 255));
            oval.Draw(dc, omPoint(0, 0), false);
        }
        const QRgb blue = qRgb(0, 0, 255);
        EXPECT_EQ(img.pixel(150, 100), blue) << mode; // the middle
        EXPECT_EQ(img.pixel(60, 100), blue) << mode;  // inside the left end
        EXPECT_EQ(img.pixel(240, 100), blue) << mode; // inside the right end
        EXPECT_NE(img.pixel(55, 55), blue) << mode;   // the box's corners stay out
        EXPECT_NE(img.pixel(245, 145), blue) << mode;
        EXPECT_EQ(img.pixel(0, 0), qRgb(255, 255, 255)) << mode;
    }
}

TEST(ASymOrigin, DrawsTheAxesIconWithItsLabels) {
    CMetaFileDC rec(&lometricScreen());
    ASymOrigin axes(200, 200, 0);
    axes.SetColors(RGB(128, 128, 128), RGB(128, 128, 128));
    axes.Draw(rec, omPoint(0, 0), false);
    const CMetaFile& f = rec.GetMetaFile();
    const CMetaRecord* outline = first(f, Type::polyline);
    ASSERT_NE(outline, nullptr);
    ASSERT_EQ(outline->points.size(), 9u);
    // The origin point (0.15, 0.85) lands on the position; the Z arrow's tip
    // (0.15, 0) lies below it and the X arrow's tip (1, 0.85) right of it.
    EXPECT_EQ(outline->points[2], CPoint(0, -170));
    EXPECT_EQ(outline->points[6], CPoint(170, 0));
    std::vector<std::string> labels;
    for (const CMetaRecord* r : shapes(f))
        if (r->type == Type::textOut) labels.push_back(r->text);
    EXPECT_EQ(labels, (std::vector<std::string>{"X", "Z"}));
    int labelFonts = 0;
    for (const CMetaRecord& r : f.Records())
        labelFonts += r.type == Type::selectFont && r.font.lfHeight == 40 && r.font.FaceName() == "ARIAL";
    EXPECT_EQ(labelFonts, 2); // 0.2 of the height, in Arial
}

TEST(ASymbol, SymbolsLookTheSameOnImageAndPdf) {
    // A sheet of symbols in MM_LOMETRIC, recorded once, played on an image and
    // into a PDF file; the image is kept for a look.
    CDC reference(CDeviceCaps::FromPixels(800, 500, 120, 120));
    reference.SetMapMode(MM_LOMETRIC);
    CMetaFileDC rec(&reference);
    ASymArrow right(40, 200, 0), down(40, 200, kQuarter);
    right.SetPenThickness(4);
    down.SetPenThickness(4);
    right.Draw(rec, omPoint(400, -200), false);
    down.Draw(rec, omPoint(600, -300), false);
    ASymArrow_1 dart(60, 120, -0.5);
    dart.SetColors(RGB(0, 0, 0), RGB(60, 170, 80));
    dart.Draw(rec, omPoint(900, -200), false);
    ASymOval capsule(80, 240, 0.3);
    capsule.SetColors(RGB(0, 0, 128), RGB(255, 220, 120));
    capsule.Draw(rec, omPoint(1300, -200), false);
    ASymText upright("Upright text", "DejaVu Sans", -50, ANSI_CHARSET, 16, ASymText::shapeRectangle, 0);
    upright.SetColors(RGB(0, 0, 128), RGB(230, 240, 255));
    upright.Draw(rec, omPoint(500, -600), true);
    ASymText turned("Turned 90", "DejaVu Sans", -40, ANSI_CHARSET, 12, ASymText::shapeOval, kQuarter);
    turned.SetColors(RGB(128, 0, 0), RGB(255, 235, 235));
    turned.Draw(rec, omPoint(1100, -650), true);
    ASymText leaning("Leaning", "DejaVu Sans", -40, ANSI_CHARSET, 12, ASymText::shapeRectangle, 0.5);
    leaning.Draw(rec, omPoint(1450, -650), true);
    ASymOrigin axes(300, 300, 0);
    axes.SetColors(RGB(128, 128, 128), RGB(128, 128, 128));
    axes.Draw(rec, omPoint(150, -850), false);
    const CMetaFile sheet = rec.Close();

    QImage img = WhiteImage(800, 500, 120);
    {
        CImageDC dc(&img);
        dc.SetMapMode(MM_LOMETRIC);
        ASSERT_TRUE(dc.PlayMetaFile(sheet));
    }
    ASSERT_TRUE(img.save(QString::fromStdString((ArtifactsFolder() / "symbols.png").string())));

    // The upright text sits inside its frame: ink inside, and none just above
    // or below the frame.
    const CSize ext = upright.GetTextSize(reference);
    const int cx = 500 * 120 / 254, cy = 600 * 120 / 254;
    const int halfTextRows = ext.cy * 120 / 254 / 2;
    int inside = 0, outside = 0;
    for (int x = cx - 20; x <= cx + 20; ++x) {
        for (int y = cy - halfTextRows + 1; y < cy + halfTextRows; ++y)
            inside += qGray(img.pixel(x, y)) < 128;
        outside += qGray(img.pixel(x, cy - halfTextRows - 8)) < 128;
        outside += qGray(img.pixel(x, cy + halfTextRows + 8)) < 128;
    }
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);

    const fs::path pdf = ArtifactsFolder() / "symbols.pdf";
    QPdfWriter writer(QString::fromStdString(pdf.string()));
    writer.setResolution(600);
    CPrinterDC printer(&writer);
    ASSERT_GT(printer.StartDoc("Symbols"), 0);
    printer.StartPage();
    printer.SetMapMode(MM_LOMETRIC);
    EXPECT_TRUE(printer.PlayMetaFile(sheet, CPoint(100, -100)));
    printer.EndPage();
    ASSERT_GT(printer.EndDoc(), 0);
    EXPECT_GT(fs::file_size(pdf), 1000u);
}
