#include "tests/app/design/charts/ChartFixture.h"

#include "platform/gdi/CDC.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace chart_test;

TEST(ChartBaseTest, StepsAndRangesRoundOutwardToWholeTicks) {
    const struct {
        double min, max, step, start, end;
    } cases[] = {
        {0.0, 1.0, 0.2, 0.0, 1.0},    {0.0, 0.95, 0.2, 0.0, 1.0},   {-0.05, 1.0, 0.2, -0.2, 1.0},
        {-0.4, 0.4, 0.2, -0.4, 0.4},  {0.0, 0.0, 0.2, 0.0, 0.0},    {0.1, 3.5, 1.0, 0.0, 4.0},
    };
    for (const auto& c : cases) {
        AxisX axis;
        axis.m_dMin = c.min;
        axis.m_dMax = c.max;
        axis.RoundRange(c.step);
        EXPECT_NEAR(axis.m_dStart, c.start, 1e-12) << c.min << " " << c.max;
        EXPECT_NEAR(axis.m_dEnd, c.end, 1e-12) << c.min << " " << c.max;
    }
}

TEST(ChartBaseTest, AnAxisWithRoomForFiveLabelsStepsByAFifth) {
    CDC dc;
    AxisX axis;
    axis.m_dMin = 0.0;
    axis.m_dMax = 1.0;
    axis.m_label.m_nDefaultHeight = 28;
    axis.m_label.SetText(axis.FormatLabel(0.5));
    const int room = axis.GetLabelSpace(axis.m_label.GetSize(&dc));
    ASSERT_GT(room, 0);
    axis.m_nLength = 5 * room + room / 2;
    EXPECT_DOUBLE_EQ(axis.GetStep(&dc), 0.2);
    EXPECT_DOUBLE_EQ(axis.m_dStart, 0.0);
    EXPECT_DOUBLE_EQ(axis.m_dEnd, 1.0);
    EXPECT_DOUBLE_EQ(axis.NiceStep(5), 0.2);
    EXPECT_NEAR(axis.GetMinorStep(&dc, 0.2), 0.02, 1e-15);
    EXPECT_NEAR(axis.GetMinorStep(&dc, 0.5), 0.1, 1e-15);
}

TEST(ChartBaseTest, DeflectionLabelsReadOneOverN) {
    AxisYDeflection axis;
    EXPECT_EQ(axis.FormatLabel(0.0), "");
    EXPECT_EQ(axis.FormatLabel(1.0 / 250), "1/250");
    AxisY plain;
    EXPECT_EQ(plain.FormatLabel(2.4), "2");
    plain.m_strFormat = "%3.1lf";
    EXPECT_EQ(plain.FormatLabel(2.4), "2.4");
}

TEST(ChartBaseTest, DegenerateAxesNeitherDivideByZeroNorLoopWithoutEnd) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double min, max, userStep;
    } cases[] = {
        {0.0, 0.0, 0.0}, {nan, 1.0, 0.0}, {0.0, inf, 0.0},  {-inf, inf, 0.2},
        {0.0, 1e12, 1.0}, {5.0, 5.0, 1.0}, {1.0, 0.0, 0.0}, {0.0, 1.0, nan},
    };
    CDC dc;
    for (const auto& c : cases) {
        AxisY axis;
        axis.m_dMin = c.min;
        axis.m_dMax = c.max;
        axis.m_dStep = c.userStep;
        axis.m_nLength = 500;
        axis.m_label.m_nDefaultHeight = 0; // a label 0 high leaves no room per label
        const double step = axis.GetStep(&dc);
        ASSERT_GT(step, 0.0) << c.min << " " << c.max;
        EXPECT_TRUE(std::isfinite(axis.m_dStart) && std::isfinite(axis.m_dEnd));
        EXPECT_LE((axis.m_dEnd - axis.m_dStart) / step, 1001.0) << c.min << " " << c.max;
        EXPECT_GE(axis.Map(axis.m_dEnd), 0);
        EXPECT_EQ(axis.Map(nan), 0);
    }
}

TEST(ChartBaseTest, SizesBelowWhatTheAxesNeedDrawNothing) {
    const struct {
        int width, height;
        bool draws;
    } cases[] = {{9, 200, false}, {200, 9, false}, {10, 10, true}, {200, 0, false}};
    for (const auto& c : cases) {
        PlotArea area;
        area.GetAxisX().m_nMode = Axis::modeHidden;
        area.GetAxisY().m_nMode = Axis::modeHidden;
        area.m_nWidth = c.width;
        area.m_nHeight = c.height;
        CMetaFileDC dc;
        area.Draw(&dc, 0, 0, nullptr);
        EXPECT_EQ(!dc.GetMetaFile().IsEmpty(), c.draws) << c.width << " x " << c.height;
    }
}

TEST(ChartBaseTest, AChartWithoutHeightDrawsNothing) {
    ChartBase chart;
    chart.m_nWidth = 1000;
    CMetaFileDC dc;
    chart.Draw(&dc, CPoint(0, 0));
    EXPECT_TRUE(dc.GetMetaFile().IsEmpty());
}

TEST(ChartBaseTest, TheUnitFollowsTheHeightAndSizesTheTitles) {
    ChartBase chart;
    chart.m_nWidth = 1200;
    chart.m_nHeight = 560;
    CMetaFileDC dc;
    chart.Draw(&dc, CPoint(0, 0));
    EXPECT_EQ(chart.GetUnit(), 20);
    EXPECT_EQ(chart.m_mainTitle.GetFontHeight(), 40);
    EXPECT_EQ(chart.m_xTitle.GetFontHeight(), 26);
    EXPECT_EQ(chart.m_yTitle.GetFontHeight(), 26);
    EXPECT_EQ(chart.m_xTitle.GetText(), "Chart X title [untis]");
    const std::vector<std::string> texts = Texts(dc.Close());
    EXPECT_EQ(Count(texts, "Chart main title"), 1);
    EXPECT_EQ(Count(texts, "Chart Y title [units]"), 1);
}

TEST(ChartBaseTest, PrintAttributesAreUsedOnlyWhilePrinting) {
    const struct {
        bool printing, withPrintAttr;
        COLORREF pen, brush;
    } cases[] = {
        {false, false, RGB(1, 2, 3), RGB(4, 5, 6)},
        {false, true, RGB(1, 2, 3), RGB(4, 5, 6)},
        {true, false, RGB(1, 2, 3), RGB(4, 5, 6)},
        {true, true, RGB(7, 8, 9), RGB(10, 11, 12)},
    };
    for (const auto& c : cases) {
        LineAttr line(RGB(1, 2, 3), 2, PS_SOLID);
        AreaAttr area(RGB(4, 5, 6), AreaAttr::solid);
        if (c.withPrintAttr) {
            line.SetPrintAttr(LineAttr(RGB(7, 8, 9), 1, PS_DOT));
            area.SetPrintAttr(AreaAttr(RGB(10, 11, 12), AreaAttr::solid));
        }
        const LineAttr copy = line; // copies keep their own print attribute
        CMetaFileDC dc;
        dc.SetPrinting(c.printing);
        {
            SelectedLine pen(&dc, copy);
            SelectedArea brush(&dc, area);
            dc.Rectangle(0, 10, 10, 0);
        }
        const CMetaFile file = dc.Close();
        ASSERT_GE(file.Records().size(), 3u);
        EXPECT_EQ(file.Records()[0].pen.lopnColor, c.pen);
        EXPECT_EQ(file.Records()[1].brush.lbColor, c.brush);
        // Both are put back after drawing, the brush first.
        ASSERT_GE(file.Records().size(), 5u);
        EXPECT_EQ(file.Records()[3].type, Type::selectBrush);
        EXPECT_EQ(file.Records()[4].type, Type::selectPen);
    }
}

TEST(ChartBaseTest, HatchedAndHollowAreasSelectTheirBrushes) {
    CMetaFileDC dc;
    {
        SelectedArea hollow(&dc, AreaAttr(RGB(1, 1, 1), AreaAttr::hollow));
        SelectedArea hatch(&dc, AreaAttr(RGB(2, 2, 2), HS_CROSS));
    }
    const CMetaFile file = dc.Close();
    ASSERT_GE(file.Records().size(), 2u);
    EXPECT_EQ(file.Records()[0].brush.lbStyle, BS_HOLLOW);
    EXPECT_EQ(file.Records()[1].brush.lbStyle, BS_HATCHED);
    EXPECT_EQ(file.Records()[1].brush.lbHatch, HS_CROSS);
}

TEST(ChartBaseTest, TheAnchorFractionsPlaceTheChart) {
    ChartBase chart;
    chart.m_nWidth = 1000;
    chart.m_nHeight = 500;
    chart.m_dAnchorX = 0.5;
    chart.m_dAnchorY = 1.0;
    CMetaFileDC dc;
    chart.Draw(&dc, CPoint(2000, 3000));
    const CMetaFile file = dc.Close();
    const CMetaRecord* frame = nullptr;
    for (const CMetaRecord& r : file.Records())
        if (r.type == Type::rectangle && !frame) frame = &r;
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Rect(), CRect(1500, 3000, 2500, 2500));
}
