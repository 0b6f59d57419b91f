#include "tests/app/design/charts/ChartFixture.h"

#include "app/design/AFactorColor.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

using namespace chart_test;

namespace {

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

bool HasLine(const CMetaFile& file, COLORREF color, int width) {
    LOGPEN pen;
    for (const CMetaRecord& r : file.Records()) {
        if (r.type == Type::selectPen) pen = r.pen;
        if (r.type == Type::lineTo && pen.lopnColor == color && pen.lopnWidth == width) return true;
    }
    return false;
}

int CountType(const CMetaFile& file, Type type, std::size_t points = 0) {
    int n = 0;
    for (const CMetaRecord& r : file.Records())
        n += r.type == type && (points == 0 || r.points.size() == points);
    return n;
}

} // namespace

TEST(PlotterTest, ALimitChartWithoutPointsSaysSoAndDrawsTheLimit) {
    PlotterLineLimit plotter;
    const CMetaFile file = Record(plotter);
    EXPECT_EQ(Count(Texts(file), "Chart is empty!"), 1);
    EXPECT_TRUE(HasLine(file, RGB(255, 69, 0), 3));
    EXPECT_TRUE(RectangleFills(file).empty());
}

TEST(PlotterTest, LimitBarsAreColouredByWhetherTheyPass) {
    const struct {
        double value, limit;
        bool printing;
        COLORREF fill;
    } cases[] = {
        {1.0, 1.0, false, RGB(255, 215, 0)},   {1.0001, 1.0, false, RGB(255, 69, 0)},
        {-0.5, 1.0, false, RGB(255, 215, 0)},  {0.5, 1.0, true, RGB(238, 232, 170)},
        {2.0, 1.0, true, RGB(255, 160, 122)},
    };
    for (const auto& c : cases) {
        PlotterLineLimit plotter;
        plotter.m_dLimit = c.limit;
        plotter.m_points.push_back({0.5, c.value});
        const std::vector<COLORREF> fills = RectangleFills(Record(plotter, 1800, 900, c.printing));
        ASSERT_EQ(fills.size(), 1u) << c.value;
        EXPECT_EQ(fills[0], c.fill) << c.value;
    }
}

TEST(PlotterTest, SmallCracksShowTheRangeOfTwoTenthsAndOnlyItsLines) {
    PlotterCracks plotter;
    plotter.m_points2.push_back({0.3, 0.1, -0.15});
    plotter.m_points2.push_back({0.7, 0.05, 0.0});
    ChartBase chart;
    chart.m_nWidth = 1800;
    chart.m_nHeight = 900;
    chart.SetPlotter(&plotter);
    CMetaFileDC dc;
    chart.Draw(&dc, CPoint(0, 0));
    EXPECT_NEAR(chart.GetPlotArea().GetAxisY().m_dStart, -0.2, 1e-12);
    EXPECT_NEAR(chart.GetPlotArea().GetAxisY().m_dEnd, 0.2, 1e-12);
    const std::vector<std::string> texts = Texts(dc.Close());
    EXPECT_EQ(Count(texts, "wk = 0.2"), 2);
    EXPECT_EQ(Count(texts, "wk = 0.3"), 0);
    EXPECT_EQ(Count(texts, "wk = 0.4"), 0);
}

TEST(PlotterTest, CracksPassOrFailAgainstTheLimitCrackWidth) {
    PlotterCracks plotter;
    plotter.m_points2.push_back({0.25, 0.35, 0.0});
    plotter.m_points2.push_back({0.75, 0.25, -0.31});
    const std::vector<COLORREF> fills = RectangleFills(Record(plotter));
    // Upper values first, then lower ones: 0.35 and 0.25, then 0 and -0.31.
    ASSERT_EQ(fills.size(), 4u);
    EXPECT_EQ(fills[0], RGB(255, 69, 0));
    EXPECT_EQ(fills[1], RGB(255, 215, 0));
    EXPECT_EQ(fills[2], RGB(255, 215, 0));
    EXPECT_EQ(fills[3], RGB(255, 69, 0));
    const std::vector<std::string> texts = Texts(Record(plotter));
    EXPECT_EQ(Count(texts, "wk = 0.3"), 2);
    EXPECT_EQ(Count(texts, "wk = 0.4"), 0);
}

TEST(PlotterTest, UltimateBarsTakeTheFactorColours) {
    PlotterSteelUlt plotter;
    plotter.m_points.push_back({0.5, 1.0, 0.9999});
    const std::vector<COLORREF> fills = RectangleFills(Record(plotter));
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0], GetFactorColor(1.0));
    EXPECT_EQ(fills[0], RGB(255, 0, 0));
    EXPECT_EQ(fills[1], RGB(255, 165, 0));
}

TEST(PlotterTest, SectionClassesRoundUpAndStopAtFour) {
    const struct {
        double cls;
        COLORREF fill;
    } cases[] = {{1.0, RGB(0, 0, 139)}, {2.3, RGB(255, 215, 0)}, {3.0, RGB(255, 215, 0)},
                 {7.0, RGB(255, 69, 0)}, {0.0, RGB(0, 0, 139)},  {1e12, RGB(255, 69, 0)}};
    for (const auto& c : cases) {
        PlotterSteelClass plotter;
        plotter.m_points.push_back({0.5, c.cls, 'W'});
        const CMetaFile file = Record(plotter);
        const std::vector<COLORREF> fills = RectangleFills(file);
        ASSERT_EQ(fills.size(), 1u) << c.cls;
        EXPECT_EQ(fills[0], c.fill) << c.cls;
        EXPECT_EQ(Count(Texts(file), "W"), 1);
    }
}

TEST(PlotterTest, TwoSupportsGiveTwoTrianglesAndOneCoefficient) {
    PlotterSupport plotter;
    plotter.SetData({0.0, 1.0}, {1.0}, false, "");
    const CMetaFile file = Record(plotter);
    EXPECT_EQ(CountType(file, Type::polygon, 3), 2);
    EXPECT_EQ(Count(Texts(file), "K = 1.0"), 1);
}

TEST(PlotterTest, SupportsWithFewerCoefficientsThanSpansLabelOnlyThoseThatHaveOne) {
    PlotterSupport plotter;
    plotter.SetData({-0.5, 0.5, 1.5}, {2.0}, false, "Each position must lie inside [0,1] interval!");
    const CMetaFile file = Record(plotter);
    EXPECT_EQ(CountType(file, Type::polygon, 3), 3);
    const std::vector<std::string> texts = Texts(file);
    EXPECT_EQ(Count(texts, "K = 2.0"), 1);
    EXPECT_EQ(Count(texts, "Each position must lie inside [0,1] interval!"), 1);
}

TEST(PlotterTest, AFullySupportedElementShowsOnlyItsText) {
    PlotterSupport plotter;
    plotter.SetData({0.0, 1.0}, {1.0}, true, "");
    const CMetaFile file = Record(plotter);
    EXPECT_EQ(CountType(file, Type::polygon, 3), 0);
    EXPECT_EQ(Count(Texts(file), "... element is fully supported ..."), 1);
}

TEST(PlotterTest, BarsAndEmptyChartsSayWhatTheyShow) {
    PlotterBarVec vec;
    EXPECT_EQ(Count(Texts(Record(vec)), "Bars are not defined!"), 1);
    vec.m_bars.push_back(ChartBar(0.0, 0.5, "2 Fi 16", 0.0));
    vec.m_bars.push_back(ChartBar(0.5, 1.0, "3 Fi 12", 0.0));
    const CMetaFile file = Record(vec);
    EXPECT_EQ(Count(Texts(file), "2 Fi 16"), 1);
    EXPECT_TRUE(HasLine(file, RGB(255, 69, 0), 9));

    PlotterBarArea area;
    area.m_bars.push_back(ChartBar(0.0, 1.0, "2 Fi 8/15.0", 6.70));
    const CMetaFile areaFile = Record(area);
    EXPECT_EQ(RectangleFills(areaFile), std::vector<COLORREF>{RGB(255, 69, 0)});
    EXPECT_EQ(RectangleFills(Record(area, 1800, 900, true)), std::vector<COLORREF>{RGB(255, 160, 122)});

    PlotterDeflection deflection;
    EXPECT_EQ(Count(Texts(Record(deflection)), "Chart is empty!"), 1);
    PlotterLineLimit2 limit2;
    EXPECT_EQ(Count(Texts(Record(limit2)), "Chart is empty!"), 1);
    PlotterSteelClass cls;
    EXPECT_EQ(Count(Texts(Record(cls)), "Chart is empty!"), 1);
    PlotterSteelUlt ult;
    EXPECT_EQ(Count(Texts(Record(ult)), "Chart is empty!"), 1);
}

TEST(PlotterTest, DeflectionsAreLabelledOneOverN) {
    PlotterDeflection plotter;
    for (int i = 0; i <= 10; ++i)
        plotter.m_points.push_back({i / 10.0, std::sin(i / 10.0 * 3.14159) / 300.0});
    const CMetaFile file = Record(plotter);
    EXPECT_EQ(CountType(file, Type::polyline), 1);
    int ratios = 0;
    for (const std::string& t : Texts(file))
        ratios += t.rfind("1/", 0) == 0;
    EXPECT_GE(ratios, 2);
}

// Odd data draws in bounded time and never outside the chart.
TEST(PlotterTest, OddDataStaysInsideTheChart) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<Plotter>()> make;
    };
    auto limit = [](std::vector<ChartPoint> points) {
        auto p = std::make_unique<PlotterLineLimit>();
        p->m_points = std::move(points);
        return p;
    };
    const Case cases[] = {
        {"nan", [&] { return limit({{0.5, kNan}, {kNan, 0.5}, {0.2, 0.4}}); }},
        {"inf", [&] { return limit({{0.5, kInf}, {0.7, -kInf}}); }},
        {"one point", [&] { return limit({{0.5, 0.5}}); }},
        {"zero range",
         [&] {
             auto p = std::make_unique<PlotterLineLimit>();
             p->m_dLimit = 0.0;
             p->m_points = {{0.5, 0.0}};
             return p;
         }},
        {"class 1e12",
         [] {
             auto p = std::make_unique<PlotterSteelClass>();
             p->m_points = {{0.5, 1e12, 'X'}, {0.2, 2.0, 'Y'}};
             return p;
         }},
        {"supports outside",
         [] {
             auto p = std::make_unique<PlotterSupport>();
             p->SetData({-0.5, 1.5}, {}, false, "First support must be 0.0");
             return p;
         }},
        {"cracks nan",
         [] {
             auto p = std::make_unique<PlotterCracks>();
             p->m_points2 = {{0.5, kNan, -kInf}, {1.0, 0.1, -0.1}};
             return p;
         }},
        {"deflection inf",
         [] {
             auto p = std::make_unique<PlotterDeflection>();
             p->m_points = {{0.0, 0.0}, {0.5, kInf}, {1.0, 0.0}};
             return p;
         }},
        {"bars beside",
         [] {
             auto p = std::make_unique<PlotterBarArea>();
             p->m_bars = {ChartBar(-1.0, 2.0, "a label far wider than the chart could ever hold", 1e12),
                          ChartBar(kNan, 1.0, "nan", 1.0)};
             return p;
         }},
        {"ult nan",
         [] {
             auto p = std::make_unique<PlotterSteelUlt>();
             p->m_points = {{0.5, kNan, 2.0}, {0.0, 1.0, kInf}};
             return p;
         }},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Plotter> plotter = c.make();
        const CMetaFile file = Record(*plotter, 1200, 600);
        const auto& records = file.Records();
        ASSERT_GE(records.size(), 3u) << c.name;
        // The clip to the chart comes before anything is drawn and holds to the end.
        EXPECT_EQ(records[0].type, Type::saveDC) << c.name;
        EXPECT_EQ(records[1].type, Type::intersectClipRect) << c.name;
        EXPECT_EQ(records[1].Rect(), CRect(0, 600, 1200, 0)) << c.name;
        EXPECT_EQ(records.back().type, Type::restoreDC) << c.name;
        EXPECT_LT(records.size(), 20000u) << c.name;

        // Played into a larger picture, not one pixel outside the chart changes.
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            CImageDC dc(&image);
            // 1200 x 600 units at a quarter, y up: the chart covers (100..400, 50..200).
            dc.SetMapMode(MM_ANISOTROPIC);
            dc.SetWindowExt(4, 4);
            dc.SetViewportExt(1, -1);
            dc.SetViewportOrg(100, 200);
            file.Play(dc);
        }
        int outside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool inside = x >= 99 && x <= 401 && y >= 49 && y <= 201;
                if (!inside && image.pixel(x, y) != qRgb(255, 255, 255)) ++outside;
            }
        EXPECT_EQ(outside, 0) << c.name;
    }
}

// Pictures of every kind of chart for a person to look at.
TEST(PlotterTest, PicturesOfEveryChartKind) {
    PlotterLineLimit limit;
    for (int i = 0; i <= 20; ++i)
        limit.m_points.push_back({i / 20.0, 1.3 * std::sin(i / 20.0 * 3.14159)});
    SavePicture(Picture(limit), "chart-line-limit.png");

    PlotterLineLimit2 limit2;
    for (int i = 0; i <= 20; ++i)
        limit2.m_points2.push_back({i / 20.0, 1.2 * std::sin(i / 20.0 * 3.14159), -0.8 * std::cos(i / 10.0)});
    SavePicture(Picture(limit2), "chart-line-limit2.png");

    PlotterCracks cracks;
    for (int i = 0; i <= 20; ++i)
        cracks.m_points2.push_back({i / 20.0, 0.35 * std::sin(i / 20.0 * 3.14159), -0.15 * (i % 3)});
    SavePicture(Picture(cracks), "chart-cracks.png");

    PlotterDeflection deflection;
    for (int i = 0; i <= 40; ++i)
        deflection.m_points.push_back({i / 40.0, std::sin(i / 40.0 * 3.14159) / 250.0});
    SavePicture(Picture(deflection), "chart-deflection.png");

    PlotterBarVec bars;
    bars.m_bars = {ChartBar(0.0, 1.0, "2 Fi 16", 0.0), ChartBar(0.0, 0.4, "2 Fi 12", 0.0),
                   ChartBar(0.0, 0.5, "Bar is not complete -- 0 Fi 0", 0.0)};
    SavePicture(Picture(bars), "chart-bar-vec.png");

    PlotterBarArea area;
    area.m_bars = {ChartBar(0.0, 0.3, "2 Fi 8/10.0", 10.05), ChartBar(0.3, 1.0, "2 Fi 8/15.0", 6.70)};
    SavePicture(Picture(area), "chart-bar-area.png");

    PlotterSteelClass cls;
    for (int i = 0; i <= 10; ++i)
        cls.m_points.push_back({i / 10.0, 1.0 + (i % 4), "WFWF"[i % 4]});
    SavePicture(Picture(cls), "chart-steel-class.png");

    PlotterSteelUlt ult;
    for (int i = 0; i <= 10; ++i)
        ult.m_points.push_back({i / 10.0, 0.3 + 0.08 * i, 1.1 - 0.09 * i});
    SavePicture(Picture(ult), "chart-steel-ult.png");

    PlotterSupport support;
    support.SetData({0.0, 1.0 / 3, 0.75, 1.0}, {1.0, 0.7, 2.0}, false, "");
    SavePicture(Picture(support, 600, 200), "chart-support.png");
    SUCCEED();
}
