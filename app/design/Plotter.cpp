#include "app/design/Plotter.h"

#include "app/design/ADesignEC2.h"
#include "app/design/AFactorColor.h"
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

bool Finite(double a) {
    return std::isfinite(a);
}
bool Finite(double a, double b) {
    return std::isfinite(a) && std::isfinite(b);
}

// A rectangle with a one-colour pen and brush (the bars of the limit curves).
void FilledRect(CDC* pDC, COLORREF color, int left, int top, int right, int bottom) {
    SelectedLine pen(pDC, LineAttr(color, 1, PS_SOLID));
    SelectedArea brush(pDC, AreaAttr(color, AreaAttr::solid));
    pDC->Rectangle(left, top, right, bottom);
}

} // namespace

// --- Plotter ------------------------------------------------------------------------------

Plotter::~Plotter() = default;

void Plotter::SetChart(ChartBase* pChart) {
    m_pChart = pChart;
    if (!pChart) return;
    pChart->m_mainTitle.SetText("");
    pChart->m_xTitle.SetText("");
    pChart->m_yTitle.SetText("");
    pChart->m_nUnit = 28;
    pChart->m_nTitleGap = 1;
    pChart->m_nAxisTitleGap = 5;
    pChart->m_nUpperGap = pChart->m_nLowerGap = pChart->m_nLeftGap = pChart->m_nRightGap = 2;
    PlotArea& area = pChart->GetPlotArea();
    area.m_frameAttr.m_nStyle = PS_NULL;
    area.m_bMajorVertical = area.m_bMajorHorizontal = area.m_bMinorVertical = area.m_bMinorHorizontal = false;
    area.GetAxisX().m_strFormat = "%4.2lf";
    area.GetAxisX().m_dStep = 0.2;
}

CPoint Plotter::MapPoint(double x, double y) const {
    PlotArea& area = m_pChart->GetPlotArea();
    return CPoint(area.GetAxisX().GetPoint(x).x, area.GetAxisY().GetPoint(y).y);
}

void Plotter::DrawTitle(CDC* pDC, Title& title, double x, double y, int dx, int dy) const {
    if (!Finite(x, y)) return;
    const CPoint p = MapPoint(x, y);
    title.Draw(pDC, p.x + dx, p.y + dy);
}

// --- PlotterLineLimit ---------------------------------------------------------------------

PlotterLineLimit::PlotterLineLimit() = default;

void PlotterLineLimit::SetChart(ChartBase* pChart) {
    Plotter::SetChart(pChart);
    if (!pChart) return;
    PlotArea& area = pChart->GetPlotArea();
    area.GetAxisY().m_strFormat = "%3.1lf";
    area.GetAxisY().m_dStep = 0.0;
    area.GetAxisX().m_nMarginStart = area.GetAxisX().m_nMarginEnd = 2 * pChart->GetUnit();
}

void PlotterLineLimit::GetRange(double& xmin, double& xmax, double& ymin, double& ymax) {
    xmin = 0.0, xmax = 1.0, ymin = 0.0;
    ymax = Finite(m_dLimit) ? m_dLimit : 1.0;
    for (const ChartPoint& p : m_points)
        if (Finite(p.x, p.y)) ymax = std::max(ymax, p.y);
}

void PlotterLineLimit::DrawLimitCurve(CDC* pDC, const std::vector<ChartPoint>& points, double limit) {
    const int y0 = MapPoint(0.0, 0.0).y;
    const double l = std::fabs(limit);
    const int w = (4 * Unit()) / 5;
    const bool printing = pDC->IsPrinting();
    for (const ChartPoint& p : points) {
        if (!Finite(p.x, p.y)) continue;
        const CPoint at = MapPoint(p.x, p.y);
        const bool within = std::fabs(p.y) <= l;
        const COLORREF color = within ? (printing ? RGB(238, 232, 170) : RGB(255, 215, 0))
                                      : (printing ? RGB(255, 160, 122) : RGB(255, 69, 0));
        FilledRect(pDC, color, at.x - w, y0, at.x + w, at.y);
    }
}

void PlotterLineLimit::DrawLimitLine(CDC* pDC, double level) {
    if (!Finite(level)) return;
    SelectedLine pen(pDC, m_limitAttr);
    pDC->MoveTo(MapPoint(0.0, level));
    pDC->LineTo(MapPoint(1.0, level));
}

void PlotterLineLimit::Draw(CDC* pDC) {
    m_message.m_nDefaultHeight = Unit();
    if (m_points.empty()) {
        m_message.SetText("Chart is empty!");
        DrawTitle(pDC, m_message, 0.5, m_dLimit / 2);
    } else {
        DrawLimitCurve(pDC, m_points, m_dLimit);
    }
    DrawLimitLine(pDC, m_dLimit);
}

// --- PlotterLineLimit2 --------------------------------------------------------------------

void PlotterLineLimit2::SetChart(ChartBase* pChart) {
    PlotterLineLimit::SetChart(pChart);
    if (!pChart) return;
    Axis& x = pChart->GetPlotArea().GetAxisX();
    x.m_nMode = Axis::modeCrossing;
    x.m_dCrossing = 0.0;
}

void PlotterLineLimit2::GetRange(double& xmin, double& xmax, double& ymin, double& ymax) {
    xmin = 0.0, xmax = 1.0, ymin = -1.0, ymax = 1.0;
    for (const ChartPoint2& p : m_points2) {
        if (!Finite(p.x)) continue;
        if (Finite(p.y2)) ymin = std::min(ymin, p.y2);
        if (Finite(p.y1)) ymax = std::max(ymax, p.y1);
    }
}

void PlotterLineLimit2::DrawCurves(CDC* pDC, double limit) {
    std::vector<ChartPoint> upper, lower;
    upper.reserve(m_points2.size());
    lower.reserve(m_points2.size());
    for (const ChartPoint2& p : m_points2) {
        upper.push_back({p.x, p.y1});
        lower.push_back({p.x, p.y2});
    }
    DrawLimitCurve(pDC, upper, limit);
    DrawLimitCurve(pDC, lower, -limit);
}

void PlotterLineLimit2::Draw(CDC* pDC) {
    m_message.m_nDefaultHeight = Unit();
    if (m_points2.empty()) {
        m_message.SetText("Chart is empty!");
        DrawTitle(pDC, m_message, 0.5, 0.5);
    } else {
        DrawCurves(pDC, 1.0);
    }
    DrawLimitLine(pDC, 1.0);
    DrawLimitLine(pDC, -1.0);
}

// --- PlotterCracks ------------------------------------------------------------------------

void PlotterCracks::SetChart(ChartBase* pChart) {
    PlotterLineLimit2::SetChart(pChart);
    if (pChart) pChart->GetPlotArea().GetAxisY().m_strFormat = "%3.2lf";
}

void PlotterCracks::GetRange(double& xmin, double& xmax, double& ymin, double& ymax) {
    xmin = 0.0, xmax = 1.0, ymin = -0.2, ymax = 0.2;
    for (const ChartPoint2& p : m_points2) {
        if (!Finite(p.x)) continue;
        if (Finite(p.y2)) ymin = std::min(ymin, p.y2);
        if (Finite(p.y1)) ymax = std::max(ymax, p.y1);
    }
}

void PlotterCracks::Draw(CDC* pDC) {
    m_message.m_nDefaultHeight = Unit();
    if (m_points2.empty()) {
        m_message.SetText("Chart is empty!");
        DrawTitle(pDC, m_message, 0.5, 0.5);
    } else {
        // The colours say pass or fail against the same limit the
        // serviceability factor is measured with.
        DrawCurves(pDC, ADesignEC2::limitCrackWidth);
    }
    double xmin = 0, xmax = 1, ymin = 0, ymax = 0;
    GetRange(xmin, xmax, ymin, ymax);
    for (const double level : {0.4, 0.3, 0.2, -0.2, -0.3, -0.4}) {
        if (level < ymin || level > ymax) continue;
        DrawLimitLine(pDC, level);
        m_message.SetText(CString::Formatted("wk = %.1f", std::fabs(level)));
        m_message.SetAlignment(0.0, level > 0 ? 1.0 : 0.0);
        DrawTitle(pDC, m_message, 0.05, level);
    }
    m_message.SetAlignment(0.5, 0.5);
}

// --- PlotterDeflection --------------------------------------------------------------------

void PlotterDeflection::SetChart(ChartBase* pChart) {
    Plotter::SetChart(pChart);
    if (!pChart) return;
    pChart->GetPlotArea().SetAxisY(std::make_unique<AxisYDeflection>());
    pChart->GetPlotArea().GetAxisY().m_dStep = 0.0;
}

void PlotterDeflection::GetRange(double& xmin, double& xmax, double& ymin, double& ymax) {
    xmin = 0.0, xmax = 1.0, ymin = 0.0, ymax = 0.0;
    for (const ChartPoint& p : m_points)
        if (Finite(p.x, p.y)) ymax = std::max(ymax, p.y);
    if (ymax == 0.0) ymax = 1.0;
}

void PlotterDeflection::Draw(CDC* pDC) {
    m_message.m_nDefaultHeight = Unit();
    if (m_points.empty()) {
        const Axis& y = m_pChart->GetPlotArea().GetAxisY();
        m_message.SetText("Chart is empty!");
        DrawTitle(pDC, m_message, 0.5, (y.m_dStart + y.m_dEnd) / 2);
        return;
    }
    SelectedLine pen(pDC, m_curveAttr);
    // A point that is not finite breaks the curve instead of bending it.
    std::vector<POINT> run;
    auto flush = [&] {
        if (run.size() >= 2) pDC->Polyline(run.data(), static_cast<int>(run.size()));
        run.clear();
    };
    for (const ChartPoint& p : m_points) {
        if (!Finite(p.x, p.y)) {
            flush();
            continue;
        }
        const CPoint at = MapPoint(p.x, p.y);
        run.push_back({at.x, at.y});
    }
    flush();
}

// --- PlotterBarVec ------------------------------------------------------------------------

void PlotterBarVec::SetChart(ChartBase* pChart) {
    Plotter::SetChart(pChart);
    if (pChart) pChart->GetPlotArea().GetAxisY().m_dStep = 1.0;
}

void PlotterBarVec::GetRange(double& xmin, double& xmax, double& ymin, double& ymax) {
    xmin = 0.0, xmax = 1.0, ymin = 0.0;
    ymax = m_bars.empty() ? 1.0 : static_cast<double>(m_bars.size()) + 1.0;
}

void PlotterBarVec::Draw(CDC* pDC) {
    m_label.m_nDefaultHeight = Unit();
    if (m_bars.empty()) {
        m_label.SetText("Bars are not defined!");
        DrawTitle(pDC, m_label, 0.5, 0.5);
        return;
    }
    SelectedLine pen(pDC, m_barAttr);
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        const ChartBar& bar = m_bars[i];
        if (!Finite(bar.xs, bar.xe)) continue;
        const double y = static_cast<double>(i) + 1.0;
        pDC->MoveTo(MapPoint(bar.xs, y));
        pDC->LineTo(MapPoint(bar.xe, y));
        m_label.SetText(bar.label);
        DrawTitle(pDC, m_label, (bar.xs + bar.xe) / 2, y);
    }
}

// --- PlotterBarArea -----------------------------------------------------------------------

PlotterBarArea::PlotterBarArea() {
    m_barAttr = LineAttr(RGB(255, 69, 0), 1, PS_SOLID);
    m_barAttr.SetPrintAttr(LineAttr(RGB(255, 160, 122), 1, PS_SOLID));
    m_barArea.SetPrintAttr(AreaAttr(RGB(255, 160, 122), AreaAttr::solid));
}

void PlotterBarArea::SetChart(ChartBase* pChart) {
    Plotter::SetChart(pChart);
    if (!pChart) return;
    pChart->GetPlotArea().GetAxisY().m_strFormat = "%4.1lf";
    pChart->GetPlotArea().GetAxisY().m_dStep = 0.0;
}

void PlotterBarArea::GetRange(double& xmin, double& xmax, double& ymin, double& ymax) {
    xmin = 0.0, xmax = 1.0, ymin = 0.0, ymax = 0.0;
    for (const ChartBar& bar : m_bars)
        if (Finite(bar.value)) ymax = std::max(ymax, bar.value);
    if (ymax == 0.0) ymax = 1.0;
}

void PlotterBarArea::Draw(CDC* pDC) {
    m_label.m_nDefaultHeight = Unit();
    if (m_bars.empty()) {
        m_label.SetText("Bars are not defined!");
        DrawTitle(pDC, m_label, 0.5, 0.5);
        return;
    }
    for (const ChartBar& bar : m_bars) {
        if (!Finite(bar.xs, bar.xe) || !Finite(bar.value)) continue;
        const CPoint a = MapPoint(bar.xs, 0.0);
        const CPoint b = MapPoint(bar.xe, bar.value);
        {
            SelectedLine pen(pDC, m_barAttr);
            SelectedArea brush(pDC, m_barArea);
            pDC->Rectangle(a.x, b.y, b.x, a.y);
        }
        m_label.SetText(bar.label);
        DrawTitle(pDC, m_label, (bar.xs + bar.xe) / 2, bar.value / 2);
    }
}

// --- PlotterSteelClass --------------------------------------------------------------------

PlotterSteelClass::PlotterSteelClass()
    : m_classArea{AreaAttr(RGB(0, 0, 139)), AreaAttr(RGB(50, 205, 50)), AreaAttr(RGB(255, 215, 0)),
                  AreaAttr(RGB(255, 69, 0))} {}

void PlotterSteelClass::SetChart(ChartBase* pChart) {
    Plotter::SetChart(pChart);
    if (!pChart) return;
    PlotArea& area = pChart->GetPlotArea();
    area.m_bMajorHorizontal = true;
    area.GetAxisY().m_strFormat = "%3.1lf";
    area.GetAxisY().m_dStep = 1.0;
    area.GetAxisX().m_nMarginStart = area.GetAxisX().m_nMarginEnd = 2 * pChart->GetUnit();
}

void PlotterSteelClass::GetRange(double& xmin, double& xmax, double& ymin, double& ymax) {
    xmin = 0.0, xmax = 1.0, ymin = 0.0, ymax = 3.5;
    for (const ChartClassPoint& p : m_points)
        if (Finite(p.x, p.cls)) ymax = std::max(ymax, p.cls);
}

void PlotterSteelClass::Draw(CDC* pDC) {
    m_message.m_nDefaultHeight = Unit();
    if (m_points.empty()) {
        m_message.SetText("Chart is empty!");
        DrawTitle(pDC, m_message, 0.5, 2.0);
        return;
    }
    const int w = (4 * Unit()) / 5;
    Title mark("", 0.5, 0.5);
    mark.SetTextColor(RGB(255, 255, 255));
    mark.m_nDefaultHeight = 5 * Unit() / 4;
    for (const ChartClassPoint& p : m_points) {
        if (!Finite(p.x, p.cls)) continue;
        // Clamped before the conversion, so that any value read from a file converts.
        const int k = static_cast<int>(std::clamp(p.cls + 0.99999999999, 1.0, 4.0));
        const AreaAttr& area = m_classArea[k - 1];
        const CPoint base = MapPoint(p.x, 0.0);
        const CPoint top = MapPoint(p.x, p.cls);
        {
            SelectedLine pen(pDC, LineAttr(area.m_color, 3, PS_SOLID));
            SelectedArea brush(pDC, area);
            pDC->Rectangle(base.x - w, top.y, base.x + w, base.y);
        }
        mark.SetText(CString(p.mark));
        mark.Draw(pDC, base.x, (base.y + top.y) / 2);
    }
}

// --- PlotterSteelUlt ----------------------------------------------------------------------

void PlotterSteelUlt::SetChart(ChartBase* pChart) {
    Plotter::SetChart(pChart);
    if (!pChart) return;
    PlotArea& area = pChart->GetPlotArea();
    area.m_bMajorHorizontal = true;
    area.GetAxisY().m_strFormat = "%3.1lf";
    area.GetAxisY().m_dStep = 0.0;
    area.GetAxisX().m_nMarginStart = area.GetAxisX().m_nMarginEnd = 2 * pChart->GetUnit();
}

void PlotterSteelUlt::GetRange(double& xmin, double& xmax, double& ymin, double& ymax) {
    xmin = 0.0, xmax = 1.0, ymin = 0.0, ymax = 1.0;
    for (const ChartUltPoint& p : m_points) {
        if (!Finite(p.x)) continue;
        if (Finite(p.r1)) ymax = std::max(ymax, p.r1);
        if (Finite(p.r2)) ymax = std::max(ymax, p.r2);
    }
}

void PlotterSteelUlt::Draw(CDC* pDC) {
    m_message.m_nDefaultHeight = Unit();
    {
        SelectedLine pen(pDC, LineAttr(RGB(255, 69, 0), 3, PS_SOLID));
        pDC->MoveTo(MapPoint(0.0, 1.0));
        pDC->LineTo(MapPoint(1.0, 1.0));
    }
    if (m_points.empty()) {
        m_message.SetText("Chart is empty!");
        DrawTitle(pDC, m_message, 0.5, 0.5);
        return;
    }
    const int w = (4 * Unit()) / 5;
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    auto bar = [&](AreaAttr& area, double ratio, int left, int right, int style) {
        area.m_color = GetFactorColor(ratio);
        const int top = MapPoint(0.0, ratio).y;
        const int bottom = MapPoint(0.0, 0.0).y;
        SelectedLine pen(pDC, LineAttr(RGB(0, 0, 128), 1, style));
        SelectedArea brush(pDC, area);
        pDC->Rectangle(left, top, right, bottom);
    };
    for (const ChartUltPoint& p : m_points) {
        if (!Finite(p.x)) continue;
        const int x = MapPoint(p.x, 0.0).x;
        if (Finite(p.r1)) bar(m_area1, p.r1, x - 3 * w / 2, x + w / 2, PS_DOT);
        if (Finite(p.r2)) bar(m_area2, p.r2, x - w / 2, x + 3 * w / 2, PS_SOLID);
    }
    pDC->SetBkMode(oldMode);
}

// --- PlotterSupport -----------------------------------------------------------------------

PlotterSupport::PlotterSupport() = default;

void PlotterSupport::SetData(const std::vector<double>& positions, const std::vector<double>& coefficients,
                             bool fullySupported, const CString& message) {
    m_positions = positions;
    m_coefficients = coefficients;
    m_bFullySupported = fullySupported;
    m_strMessage = message;
}

void PlotterSupport::SetChart(ChartBase* pChart) {
    Plotter::SetChart(pChart);
    if (!pChart) return;
    PlotArea& area = pChart->GetPlotArea();
    area.GetAxisX().m_dStep = 0.0;
    area.GetAxisY().m_nMode = Axis::modeHidden;
}

void PlotterSupport::GetRange(double& xmin, double& xmax, double& ymin, double& ymax) {
    xmin = 0.0, xmax = 1.0, ymin = 0.0, ymax = 1.0;
}

void PlotterSupport::Draw(CDC* pDC) {
    const int unit = Unit();
    m_text.m_nDefaultHeight = unit;
    m_text.SetVertical(0);
    if (!m_strMessage.empty()) {
        m_text.SetAlignment(0.5, 0.5);
        m_text.SetText(m_strMessage);
        DrawTitle(pDC, m_text, 0.5, 0.0, 0, 3 * unit);
    }
    if (m_bFullySupported) {
        m_text.SetAlignment(0.5, 0.0);
        m_text.SetText("... element is fully supported ...");
        DrawTitle(pDC, m_text, 0.5, 0.0, 0, unit);
        return;
    }
    const int half = 2 * unit / 3;
    {
        SelectedLine pen(pDC, m_supportAttr);
        SelectedArea brush(pDC, AreaAttr(RGB(255, 255, 255), AreaAttr::hollow));
        for (const double p : m_positions) {
            if (!Finite(p)) continue;
            const CPoint apex = MapPoint(p, 0.0) + CSize(0, unit / 2);
            const POINT triangle[3] = {{apex.x, apex.y}, {apex.x - half, apex.y + unit}, {apex.x + half, apex.y + unit}};
            pDC->Polygon(triangle, 3);
        }
    }
    m_text.SetVertical(1);
    m_text.SetAlignment(0.0, 0.5);
    // A description with fewer coefficients than spans labels only the spans that have one.
    for (std::size_t i = 1; i < m_positions.size() && i - 1 < m_coefficients.size(); ++i) {
        const double a = m_positions[i - 1], b = m_positions[i];
        m_text.SetText(CString::Formatted("K = %3.1lf", m_coefficients[i - 1]));
        DrawTitle(pDC, m_text, (a + b) / 2, 0.0, 0, unit / 2);
    }
    m_text.SetVertical(0);
}
