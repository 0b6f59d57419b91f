#include "app/views/AStructureSymbols.h"

#include "SettingsFixture.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CMetaFile.h"
#include "tests/support/ArtifactsFolder.h"

#include <QImage>

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using Type = CMetaRecord::Type;

namespace {

struct Segment {
    CPoint a, b;
};

// The MoveTo/LineTo pairs of a recording.
std::vector<Segment> segments(const CMetaFile& f) {
    std::vector<Segment> out;
    CPoint at;
    for (const CMetaRecord& r : f.Records()) {
        if (r.type == Type::moveTo) at = r.points[0];
        if (r.type == Type::lineTo) {
            out.push_back({at, r.points[0]});
            at = r.points[0];
        }
    }
    return out;
}

int count(const CMetaFile& f, Type t) {
    int n = 0;
    for (const CMetaRecord& r : f.Records())
        n += r.type == t;
    return n;
}

// Each text with the text colour it was drawn in.
std::vector<std::pair<std::string, COLORREF>> texts(const CMetaFile& f) {
    std::vector<std::pair<std::string, COLORREF>> out;
    COLORREF colour = 0;
    for (const CMetaRecord& r : f.Records()) {
        if (r.type == Type::setTextColor) colour = static_cast<COLORREF>(r.value);
        if (r.type == Type::textOut) out.emplace_back(r.text, colour);
    }
    return out;
}

bool near(const CPoint& p, int x, int y) {
    return std::abs(p.x - x) <= 1 && std::abs(p.y - y) <= 1;
}

template <class Symbol> CMetaFile record(Symbol& symbol, omPoint at = {200, 200}) {
    CMetaFileDC dc;
    symbol.Draw(dc, at, false);
    return dc.Close();
}

void size(ASymbol& s, double w, double h) {
    s.SetWidth(w);
    s.SetHeight(h);
}

std::string valueText(const omUnitValue& v) {
    return v.AsString(AOptionsAttributes::Instance()->workFormat);
}

class SymbolTest : public SettingsFixture {};

} // namespace

TEST_F(SymbolTest, GenericSupportDrawsTheCircleAndTheBarsOfEachHeldDirection) {
    struct Case {
        bool ux, uz, fiy;
    };
    for (Case c : {Case{false, false, false}, Case{true, false, false}, Case{false, true, false},
                   Case{false, false, true}, Case{true, true, true}}) {
        SCOPED_TRACE(testing::Message() << c.ux << c.uz << c.fiy);
        ASymGenericSupp2D symbol(c.ux, c.uz, c.fiy);
        size(symbol, 100, 100);
        const CMetaFile f = record(symbol);
        EXPECT_EQ(count(f, Type::ellipse), 1);
        const auto lines = segments(f);
        ASSERT_EQ(lines.size(), 2u * (c.ux + c.uz + c.fiy));
        size_t i = 0;
        if (c.fiy) {
            EXPECT_TRUE(near(lines[i].a, 175, 175) && near(lines[i].b, 225, 225));
            i += 2;
        }
        if (c.uz) { // across at v = 0.15 and 0.85
            EXPECT_TRUE(near(lines[i].a, 170, 165) && near(lines[i].b, 230, 165));
            EXPECT_TRUE(near(lines[i + 1].a, 170, 235) && near(lines[i + 1].b, 230, 235));
            i += 2;
        }
        if (c.ux) { // upright at u = 0.85 and 0.15
            EXPECT_TRUE(near(lines[i].a, 235, 170) && near(lines[i].b, 235, 230));
            EXPECT_TRUE(near(lines[i + 1].a, 165, 170) && near(lines[i + 1].b, 165, 230));
        }
    }
}

TEST_F(SymbolTest, PinDrawsTheSlidingLineOnlyForARoller) {
    for (bool sliding : {false, true}) {
        ASymPinSupp2D symbol(sliding);
        size(symbol, 100, 100);
        const CMetaFile f = record(symbol);
        EXPECT_EQ(count(f, Type::polygon), 1);
        EXPECT_EQ(count(f, Type::ellipse), 1);
        const auto lines = segments(f);
        ASSERT_EQ(lines.size(), sliding ? 1u : 0u);
        // The apex sits on the position; the line lies under the base (v = 0.05).
        if (sliding) {
            EXPECT_TRUE(near(lines[0].a, 160, 125) && near(lines[0].b, 240, 125));
        }
    }
}

TEST_F(SymbolTest, GroundSpringHangsFromItsPositionDownToTheGroundLine) {
    ASymGroundSpring spring;
    size(spring, 40, 100);
    const CMetaFile f = record(spring);
    const CMetaRecord* zigzag = nullptr;
    for (const CMetaRecord& r : f.Records())
        if (r.type == Type::polyline) zigzag = &r;
    ASSERT_NE(zigzag, nullptr);
    ASSERT_EQ(zigzag->points.size(), 6u);
    EXPECT_TRUE(near(zigzag->points[0], 212, 200));
    const auto lines = segments(f);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].a.y, 100);
    EXPECT_EQ(lines[0].b.y, 100);
}

TEST_F(SymbolTest, ConcentratedForceXPointsAwayWhenNegativeAndAtTheNodeWhenPositive) {
    for (double fx : {-5.0, 5.0}) {
        SCOPED_TRACE(fx);
        ASymConcentrated symbol;
        symbol.SetBaseSize(20);
        size(symbol, 200, 200);
        symbol.SetValues(omUnitValue(fx, omUK_kN), omUnitValue(0.0, omUK_kN), omUnitValue(0.0, omUK_kNcm));
        const CMetaFile f = record(symbol, {500, 500});
        const auto lines = segments(f);
        // One arrow (shaft and head) and its value; no moment.
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(count(f, Type::arc), 0);
        // Point 3 lies half a node size (10) left of the node; the arrow is 70 long.
        if (fx < 0) {
            EXPECT_TRUE(near(lines[0].a, 490, 500)) << lines[0].a.x; // the tail at point 3
            EXPECT_TRUE(near(lines[0].b, 420, 500)) << lines[0].b.x; // the head away from the node
            EXPECT_TRUE(near(lines[1].a, 420, 500));
        } else {
            EXPECT_TRUE(near(lines[0].a, 420, 500));
            EXPECT_TRUE(near(lines[0].b, 490, 500)); // the head touches point 3
            EXPECT_TRUE(near(lines[1].a, 490, 500));
        }
        const auto t = texts(f);
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(t[0].first, valueText(omUnitValue(fx, omUK_kN)));
    }
}

TEST_F(SymbolTest, ConcentratedMixedValuesAreShownInRedWithTheLabel) {
    ASymConcentrated symbol;
    symbol.SetBaseSize(20);
    size(symbol, 200, 200);
    symbol.SetValues(omUnitValue(1.0, omUK_NoUnit), omUnitValue(2.0, omUK_NoUnit), omUnitValue(3.0, omUK_NoUnit));
    symbol.SetLabel("LC1");
    const CMetaFile f = record(symbol, {500, 500});
    EXPECT_EQ(segments(f).size(), 8u); // two arrows and the moment's head
    EXPECT_EQ(count(f, Type::arc), 1);
    const auto t = texts(f);
    ASSERT_EQ(t.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t[i].first, "Mix: U+F");
        EXPECT_EQ(t[i].second, RGB(255, 0, 0));
    }
    EXPECT_EQ(t[3].first, "LC1");
    EXPECT_EQ(t[3].second, RGB(255, 0, 0));
}

TEST_F(SymbolTest, ConcentratedWithoutWidthDrawsNothing) {
    ASymConcentrated symbol;
    symbol.SetBaseSize(20);
    size(symbol, 0, 200);
    symbol.SetValues(omUnitValue(1.0, omUK_kN), omUnitValue(2.0, omUK_kN), omUnitValue(3.0, omUK_kNcm));
    EXPECT_TRUE(record(symbol).IsEmpty());
}

TEST_F(SymbolTest, LoadRectangleLabelShowsOneOrBothIntensities) {
    const omUnitValue a(5.0, omUK_kN_m), b(7.5, omUK_kN_m);
    struct Case {
        omUnitValue start, end;
        int kind;
        std::string expected;
    };
    const Case cases[] = {
        {a, a, 0, valueText(a)},
        {a, omUnitValue(0.05, omUK_kN_cm), 0, valueText(a)}, // equal after conversion
        {a, b, 0, valueText(a) + " <|> " + valueText(b)},
        {a, b, 4, "-z: " + valueText(b) + ", +z: " + valueText(a)},
        {a, omUnitValue(), 0, valueText(a)},
    };
    for (const Case& c : cases) {
        ASymLoadRect symbol;
        symbol.SetIntensities(c.start, c.end);
        symbol.SetKind(c.kind);
        size(symbol, 400, 20);
        EXPECT_EQ(symbol.GetLabelText(), c.expected);
        const auto t = texts(record(symbol));
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(t[0].first, c.expected);
    }
}

TEST_F(SymbolTest, LoadRectangleSpacesItsArrowsEvenlyAndLeavesTheLabelFree) {
    // 10.5 heights long: ten arrows, the half height left over shared by both ends.
    ASymLoadRect symbol;
    symbol.SetIntensities(omUnitValue(5.0, omUK_kN_m), omUnitValue(5.0, omUK_kN_m));
    symbol.SetKind(2);
    size(symbol, 210, 20);
    const CMetaFile f = record(symbol, {500, 500});
    const double textWidth = symbol.GetText().GetWidth();
    ASSERT_GT(textWidth, 0);
    // Vertical arrows: every shaft runs along x = its parameter's point.
    std::vector<int> xs;
    const auto lines = segments(f);
    for (size_t i = 0; i < lines.size(); i += 3)
        xs.push_back(lines[i].a.x);
    ASSERT_FALSE(xs.empty());
    EXPECT_EQ(lines.size() % 3, 0u);
    // Rectangle from 395 to 605: the first arrow 15 from the start, the last 15 from the end.
    EXPECT_NEAR(xs.front(), 410, 1);
    EXPECT_NEAR(xs.back(), 590, 1);
    const double gapHalf = (textWidth + 20) / 2;
    int dropped = 0;
    for (int i = 0; i < 10; ++i) {
        const double x = 395 + 15 + 20.0 * i;
        const bool inZone = std::abs(x - 500) <= gapHalf;
        dropped += inZone;
        const bool drawn = std::find_if(xs.begin(), xs.end(), [&](int v) { return std::abs(v - x) <= 1; }) != xs.end();
        EXPECT_EQ(drawn, !inZone) << x;
    }
    EXPECT_GT(dropped, 0);
}

TEST_F(SymbolTest, LoadRectangleDrawsOnlyItsRectangleAndLabelWhenArrowsCannotBeSpaced) {
    struct Case {
        const char* name;
        double width, height, start, end;
        double angle;
    };
    const Case cases[] = {
        {"shorter than high", 15, 20, 5, 5, 0},
        {"no height", 200, 0, 5, 5, 0},
        {"no length", 0, 20, 5, 5, 0},
        {"no intensity", 200, 20, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASymLoadRect symbol;
        symbol.SetIntensities(omUnitValue(c.start, omUK_kN_m), omUnitValue(c.end, omUK_kN_m));
        symbol.SetKind(1);
        size(symbol, c.width, c.height);
        const CMetaFile f = record(symbol);
        EXPECT_EQ(count(f, Type::polygon), 1);
        EXPECT_EQ(count(f, Type::textOut), 1);
        EXPECT_TRUE(segments(f).empty());
        EXPECT_EQ(count(f, Type::arc), 0);
    }
    ASymLoadRect endless;
    endless.SetIntensities(omUnitValue(5.0, omUK_kN_m), omUnitValue(5.0, omUK_kN_m));
    size(endless, std::nan(""), 20);
    EXPECT_TRUE(record(endless).IsEmpty());
}

TEST_F(SymbolTest, PictureOfAllSymbols) {
    QImage image(900, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        CImageDC dc(&image);
        auto place = [&](ASymbol& s, double x, double y, double w, double h, double angle = 0) {
            s.SetWidth(w);
            s.SetHeight(h);
            s.SetAngle(angle);
            s.SetColors(RGB(0, 0, 160), RGB(200, 220, 255));
            s.SetPenThickness(1);
            s.Draw(dc, {x, y}, false);
        };
        ASymGenericSupp2D plain(false, false, false), bars(true, true, true);
        ASymPinSupp2D pin(false), roller(true);
        ASymFullSupp2D full;
        ASymUzRelease uz;
        ASymUxRelease ux;
        ASymFiyRelease fiy;
        ASymEmpty empty;
        ASymGroundSpring spring;
        ASymMoment moment;
        place(plain, 50, 50, 40, 40);
        place(bars, 130, 50, 40, 40);
        place(pin, 210, 50, 50, 50);
        place(roller, 290, 50, 50, 50);
        place(full, 370, 50, 50, 50);
        place(uz, 450, 50, 50, 25);
        place(ux, 530, 50, 50, 25);
        place(fiy, 610, 50, 50, 25);
        place(empty, 690, 50, 50, 25);
        place(spring, 770, 30, 30, 50);
        place(moment, 850, 50, 50, 50);
        ASymConcentrated load;
        load.SetBaseSize(12);
        load.SetValues(omUnitValue(-5.0, omUK_kN), omUnitValue(10.0, omUK_kN), omUnitValue(3.0, omUK_kNm));
        load.SetLabel("G");
        load.GetText().SetFontSize(-11);
        place(load, 120, 200, 120, 120);
        ASymLoadRect rect;
        rect.SetIntensities(omUnitValue(5.0, omUK_kN_m), omUnitValue(10.0, omUK_kN_m));
        rect.SetKind(2);
        rect.GetText().SetFontSize(-11);
        place(rect, 420, 200, 300, 30);
        ASymLoadRect temperature;
        temperature.SetIntensities(omUnitValue(5.0, omUK_kN_m), omUnitValue(5.0, omUK_kN_m));
        temperature.SetKind(4);
        temperature.GetText().SetFontSize(-11);
        place(temperature, 740, 200, 220, 30);
    }
    const auto path = ArtifactsFolder() / "structure-symbols.png";
    ASSERT_TRUE(image.save(QString::fromStdString(path.string())));
}
