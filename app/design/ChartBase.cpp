#include "app/design/ChartBase.h"

#include "app/design/Plotter.h"
#include "common/omMath.h"
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// Beyond this many ticks a step says more about the data (a class of 1e12 read
// from a file) than about the chart, which then picks its own step.
constexpr int kMaxTicks = 1000;

int Truncate(double v) {
    // Far outside any device; keeps the conversion defined for huge or odd values.
    constexpr double limit = 1e8;
    if (!(v == v)) return 0;
    return static_cast<int>(std::clamp(v, -limit, limit));
}

} // namespace

// --- Attributes ---------------------------------------------------------------------------

LineAttr::LineAttr(const LineAttr& other)
    : m_color(other.m_color), m_nWidth(other.m_nWidth), m_nStyle(other.m_nStyle),
      m_pPrint(other.m_pPrint ? std::make_unique<LineAttr>(*other.m_pPrint) : nullptr) {}

LineAttr& LineAttr::operator=(const LineAttr& other) {
    if (this != &other) {
        m_color = other.m_color;
        m_nWidth = other.m_nWidth;
        m_nStyle = other.m_nStyle;
        m_pPrint = other.m_pPrint ? std::make_unique<LineAttr>(*other.m_pPrint) : nullptr;
    }
    return *this;
}

LineAttr::~LineAttr() = default;

void LineAttr::SetPrintAttr(const LineAttr& attr) {
    m_pPrint = std::make_unique<LineAttr>(attr.m_color, attr.m_nWidth, attr.m_nStyle);
}

CPen* LineAttr::Select(CDC* pDC, CPen& holder) const {
    const LineAttr& a = pDC->IsPrinting() && m_pPrint ? *m_pPrint : *this;
    holder.CreatePen(a.m_nStyle, a.m_nWidth, a.m_color);
    return pDC->SelectObject(&holder);
}

AreaAttr::AreaAttr(const AreaAttr& other)
    : m_color(other.m_color), m_nStyle(other.m_nStyle),
      m_pPrint(other.m_pPrint ? std::make_unique<AreaAttr>(*other.m_pPrint) : nullptr) {}

AreaAttr& AreaAttr::operator=(const AreaAttr& other) {
    if (this != &other) {
        m_color = other.m_color;
        m_nStyle = other.m_nStyle;
        m_pPrint = other.m_pPrint ? std::make_unique<AreaAttr>(*other.m_pPrint) : nullptr;
    }
    return *this;
}

AreaAttr::~AreaAttr() = default;

void AreaAttr::SetPrintAttr(const AreaAttr& attr) {
    m_pPrint = std::make_unique<AreaAttr>(attr.m_color, attr.m_nStyle);
}

CBrush* AreaAttr::Select(CDC* pDC, CBrush& holder) const {
    const AreaAttr& a = pDC->IsPrinting() && m_pPrint ? *m_pPrint : *this;
    if (a.m_nStyle == hollow)
        holder.CreateStockObject(HOLLOW_BRUSH);
    else if (a.m_nStyle == solid)
        holder.CreateSolidBrush(a.m_color);
    else
        holder.CreateHatchBrush(a.m_nStyle, a.m_color);
    return pDC->SelectObject(&holder);
}

SelectedLine::SelectedLine(CDC* pDC, const LineAttr& attr) : m_pDC(pDC), m_pOld(attr.Select(pDC, m_pen)) {}
SelectedLine::~SelectedLine() {
    m_pDC->SelectObject(m_pOld);
}

SelectedArea::SelectedArea(CDC* pDC, const AreaAttr& attr) : m_pDC(pDC), m_pOld(attr.Select(pDC, m_brush)) {}
SelectedArea::~SelectedArea() {
    m_pDC->SelectObject(m_pOld);
}

// --- Title --------------------------------------------------------------------------------

Title::Title(const CString& text, double alignX, double alignY)
    : m_text(text, "Arial", 0, 0, 0, ASymText::shapeNone, 0.0) {
    m_text.SetOrigin(omPoint(alignX, alignY));
}

void Title::SetVertical(int vertical) {
    m_bVertical = vertical;
    m_text.SetAngle(vertical ? -std::numbers::pi / 2 : 0.0);
}

void Title::ApplyHeight() {
    m_text.SetFontSize(-std::abs(GetFontHeight()));
}

void Title::Draw(CDC* pDC, int x, int y) {
    ApplyHeight();
    m_text.Draw(*pDC, omPoint(x, y), false);
}

CSize Title::GetSize(CDC* pDC) {
    ApplyHeight();
    CSize size = m_text.GetTextSize(*pDC);
    if (m_bVertical == 1) std::swap(size.cx, size.cy);
    return size;
}

// --- Axis ---------------------------------------------------------------------------------

Axis::Axis() = default;
Axis::~Axis() = default;

CString Axis::FormatLabel(double value) {
    return CString::Formatted(m_strFormat.empty() ? "%1.0lf" : m_strFormat.c_str(), value);
}

CString AxisYDeflection::FormatLabel(double value) {
    if (value == 0.0) return CString();
    return CString::Formatted(m_strFormat.empty() ? "1/%1.0lf" : m_strFormat.c_str(), 1.0 / value);
}

void Axis::SanitiseRange() {
    if (!std::isfinite(m_dMin) || !std::isfinite(m_dMax) || !(m_dMax > m_dMin)) {
        m_dMin = 0.0;
        m_dMax = 1.0;
    }
}

int Axis::Map(double value) const {
    if (m_nMode == modeHidden) return 0;
    const double span = m_dEnd - m_dStart;
    const int room = m_nLength - m_nMarginStart - m_nMarginEnd;
    if (!(span != 0.0) || !std::isfinite(span)) return m_nMarginStart;
    return Truncate((value - m_dStart) / span * room + m_nMarginStart);
}

double Axis::NiceStep(int n) const {
    const double d = std::fabs(m_dMax - m_dMin) / std::max(n, 1);
    const double p = std::pow(10.0, digits(d));
    const double q = d / p;
    const double candidates[] = {0.1, 0.2, 0.5, 1.0};
    double best = 1.0;
    double distance = 10.0;
    for (double c : candidates)
        if (std::fabs(q - c) < distance) {
            distance = std::fabs(q - c);
            best = c;
        }
    return p * best;
}

void Axis::RoundRange(double step) {
    if (!(step > 0.0) || !std::isfinite(step)) {
        m_dStart = m_dMin;
        m_dEnd = m_dMax;
        return;
    }
    const double qs = m_dMin / step;
    double k = std::trunc(qs);
    if (m_dMin < 0.0 && std::fabs(qs - k) > 1e-12) k -= 1.0;
    const double qe = m_dMax / step;
    double m = std::trunc(qe);
    if (m_dMax > 0.0 && std::fabs(qe - m) > 1e-12) m += 1.0;
    m_dStart = step * k;
    m_dEnd = step * m;
}

int Axis::TickCount(double step) const {
    if (!(step > 0.0)) return 0;
    const double n = (m_dEnd + 0.01 * step - m_dStart) / step;
    if (!(n > 0.0)) return 0;
    return static_cast<int>(std::min(std::ceil(n), static_cast<double>(kMaxTicks + 2)));
}

double Axis::GetStep(CDC* pDC) {
    if (m_nMode == modeHidden) return 0.0;
    SanitiseRange();
    auto automatic = [&] {
        m_label.SetText(FormatLabel((m_dMax + m_dMin) * 0.5));
        const int room = std::max(1, GetLabelSpace(m_label.GetSize(pDC)));
        const int n = std::max(1, (m_nLength - m_nMarginStart - m_nMarginEnd) / room);
        return NiceStep(n);
    };
    double step = m_dStep;
    if (!(step > 0.0) || !std::isfinite(step) || (m_dMax - m_dMin) / step > kMaxTicks) step = automatic();
    RoundRange(step);
    return step;
}

double Axis::GetMinorStep(CDC* pDC, double step) {
    if (m_nMode == modeHidden) return 0.0;
    if (step == 0.0) step = GetStep(pDC);
    if (!(step > 0.0)) return 0.0;
    const double q = step / std::pow(10.0, digits(step));
    if (std::fabs(q - 1.0 / 3.0) < 1e-12) return step / 3.0;
    if (std::fabs(q - 0.5) < 1e-12) return step * 0.2;
    return step * 0.1;
}

void Axis::GetTickExtents(int& below, int& above, int& labelOffset) const {
    const int h = m_label.GetFontHeight() / 3;
    switch (m_nTickStyle) {
    case 0: below = 0, above = h, labelOffset = 0; break;
    case 2: below = h, above = h, labelOffset = -h; break;
    default: below = h, above = 0, labelOffset = -h; break;
    }
    if (m_nMode == modeUpper) {
        std::swap(below, above);
        labelOffset = -labelOffset;
    }
}

int Axis::LabelExtent(CDC* pDC, double step, bool width) {
    const int count = TickCount(step);
    int extent = 0;
    for (int i = 0; i < count; ++i) {
        const CSize size = LabelSize(pDC, m_dStart + i * step);
        extent = std::max(extent, static_cast<int>(width ? size.cx : size.cy));
    }
    return extent;
}

CSize Axis::LabelSize(CDC* pDC, double value) {
    m_label.SetText(FormatLabel(value));
    return m_label.GetSize(pDC);
}

void Axis::DrawTicks(CDC* pDC, double step, bool ticksUpright) {
    int below = 0, above = 0, offset = 0;
    GetTickExtents(below, above, offset);
    const int count = TickCount(step);
    for (int i = 0; i < count; ++i) {
        const double v = m_dStart + i * step;
        const CPoint p = GetPoint(v);
        if (ticksUpright) {
            pDC->MoveTo(p.x, p.y - below);
            pDC->LineTo(p.x, p.y + above);
        } else {
            pDC->MoveTo(p.x - below, p.y);
            pDC->LineTo(p.x + above, p.y);
        }
        m_label.SetText(FormatLabel(v));
        m_label.Draw(pDC, ticksUpright ? p.x : p.x + offset, ticksUpright ? p.y + offset : p.y);
    }
}

// --- AxisX --------------------------------------------------------------------------------

CPoint AxisX::GetPoint(double value) {
    if (m_nMode == modeHidden) return CPoint(m_nOriginX, m_nOriginY);
    return CPoint(m_nOriginX + Map(value), m_nOriginY);
}

int AxisX::GetLabelSpace(const CSize& label) {
    return static_cast<int>((IsVertical() ? 3.0 : 2.5) * label.cx);
}

void AxisX::GetMargins(CDC* pDC, int& left, int& top, int& right, int& bottom) {
    left = top = right = bottom = 0;
    if (m_nMode == modeHidden) return;
    const int side = LabelExtent(pDC, GetStep(pDC), false) + m_label.GetFontHeight() / 2 + 1;
    if (m_nMode == modeLower) bottom = side;
    if (m_nMode == modeUpper) top = side;
    left = LabelSize(pDC, m_dStart).cx / 2 + 1;
    right = LabelSize(pDC, m_dEnd).cx / 2 + 1;
}

void AxisX::Draw(CDC* pDC) {
    if (m_nMode == modeHidden) return;
    const double step = GetStep(pDC);
    SelectedLine pen(pDC, m_lineAttr);
    pDC->MoveTo(m_nOriginX, m_nOriginY);
    pDC->LineTo(m_nOriginX + m_nLength, m_nOriginY);
    if (IsVertical())
        m_label.SetAlignment(m_nMode == modeUpper ? 0.0 : 1.0, 0.5);
    else
        m_label.SetAlignment(0.5, m_nMode == modeUpper ? 0.0 : 1.0);
    DrawTicks(pDC, step, true);
}

// --- AxisY --------------------------------------------------------------------------------

CPoint AxisY::GetPoint(double value) {
    if (m_nMode == modeHidden) return CPoint(m_nOriginX, m_nOriginY);
    return CPoint(m_nOriginX, m_nOriginY + Map(value));
}

int AxisY::GetLabelSpace(const CSize& label) {
    return static_cast<int>((IsVertical() ? 2.5 : 3.0) * label.cy);
}

void AxisY::GetMargins(CDC* pDC, int& left, int& top, int& right, int& bottom) {
    left = top = right = bottom = 0;
    if (m_nMode == modeHidden) return;
    const int side = LabelExtent(pDC, GetStep(pDC), true) + m_label.GetFontHeight() / 2 + 1;
    if (m_nMode == modeLower) left = side;
    if (m_nMode == modeUpper) right = side;
    bottom = LabelSize(pDC, m_dStart).cy / 2 + 1;
    top = LabelSize(pDC, m_dEnd).cy / 2 + 1;
}

void AxisY::Draw(CDC* pDC) {
    if (m_nMode == modeHidden) return;
    const double step = GetStep(pDC);
    SelectedLine pen(pDC, m_lineAttr);
    pDC->MoveTo(m_nOriginX, m_nOriginY);
    pDC->LineTo(m_nOriginX, m_nOriginY + m_nLength);
    if (IsVertical())
        m_label.SetAlignment(0.5, m_nMode == modeUpper ? 1.0 : 0.0);
    else
        m_label.SetAlignment(m_nMode == modeUpper ? 0.0 : 1.0, 0.5);
    DrawTicks(pDC, step, false);
}

// --- PlotArea -----------------------------------------------------------------------------

PlotArea::PlotArea()
    : m_pAxisX(std::make_unique<AxisX>()), m_pAxisY(std::make_unique<AxisY>()),
      m_pAxisX2(std::make_unique<AxisX>()), m_pAxisY2(std::make_unique<AxisY>()) {
    m_pAxisX2->m_nMode = Axis::modeHidden;
    m_pAxisY2->m_nMode = Axis::modeHidden;
}

PlotArea::~PlotArea() = default;

void PlotArea::SetAxisY(std::unique_ptr<Axis> axis) {
    if (axis) m_pAxisY = std::move(axis);
}

void PlotArea::DrawGrid(CDC* pDC, Axis& axis, bool vertical, bool minor, bool major) {
    const double step = axis.GetStep(pDC);
    if (!(step > 0.0)) return;
    const CRect& r = m_plotRect;
    auto line = [&](double v) {
        const CPoint p = axis.GetPoint(v);
        if (vertical) {
            pDC->MoveTo(p.x, r.bottom);
            pDC->LineTo(p.x, r.top);
        } else {
            pDC->MoveTo(r.left, p.y);
            pDC->LineTo(r.right, p.y);
        }
    };
    if (minor) {
        const double minorStep = axis.GetMinorStep(pDC, step);
        if (minorStep > 0.0) {
            SelectedLine pen(pDC, m_minorGrid);
            const double n = std::min((axis.m_dEnd - axis.m_dStart) / minorStep + 1e-9, 20.0 * kMaxTicks);
            for (int i = 0; i <= static_cast<int>(n); ++i) {
                const double v = axis.m_dStart + i * minorStep;
                const double q = (v - axis.m_dStart) / step;
                if (std::fabs(q - std::round(q)) > 1e-9) line(v);
            }
        }
    }
    if (major) {
        SelectedLine pen(pDC, m_majorGrid);
        const double n = std::min((axis.m_dEnd - axis.m_dStart) / step + 1e-9, static_cast<double>(kMaxTicks + 1));
        for (int i = 0; i <= static_cast<int>(n); ++i)
            line(axis.m_dStart + i * step);
    }
}

void PlotArea::Draw(CDC* pDC, int x, int y, Plotter* pPlotter) {
    m_plotRect.SetRectEmpty();
    if (m_nHeight <= 0) return;
    const int f = m_nLabelFontHeight != 0 ? m_nLabelFontHeight : m_nHeight / 20;
    Axis* axes[] = {m_pAxisX.get(), m_pAxisY.get(), m_pAxisX2.get(), m_pAxisY2.get()};
    m_pAxisX->m_nLength = m_pAxisX2->m_nLength = static_cast<int>(0.9 * m_nWidth);
    m_pAxisY->m_nLength = m_pAxisY2->m_nLength = static_cast<int>(0.9 * m_nHeight);
    for (Axis* a : axes)
        a->m_label.m_nDefaultHeight = f;

    int ml = 0, mt = 0, mr = 0, mb = 0;
    for (Axis* a : axes) {
        int l = 0, t = 0, r = 0, b = 0;
        a->GetMargins(pDC, l, t, r, b);
        ml = std::max(ml, l), mt = std::max(mt, t), mr = std::max(mr, r), mb = std::max(mb, b);
    }
    const CRect plot(x + ml, y + m_nHeight - mt, x + m_nWidth - mr, y + mb);
    if (plot.right - plot.left < 10 || plot.top - plot.bottom < 10) return;
    m_plotRect = plot;

    const int w = plot.right - plot.left;
    const int h = plot.top - plot.bottom;
    m_pAxisX->m_nLength = m_pAxisX2->m_nLength = w;
    m_pAxisY->m_nLength = m_pAxisY2->m_nLength = h;
    for (Axis* a : axes)
        a->GetStep(pDC);
    for (Axis* a : {m_pAxisX.get(), m_pAxisX2.get()}) {
        a->m_nOriginX = plot.left;
        a->m_nOriginY = plot.bottom;
        if (a->m_nMode == Axis::modeUpper) a->m_nOriginY += h;
        if (a->m_nMode == Axis::modeCrossing) a->m_nOriginY += m_pAxisY->Map(a->GetCrossing());
    }
    for (Axis* a : {m_pAxisY.get(), m_pAxisY2.get()}) {
        a->m_nOriginX = plot.left;
        a->m_nOriginY = plot.bottom;
        if (a->m_nMode == Axis::modeUpper) a->m_nOriginX += w;
        if (a->m_nMode == Axis::modeCrossing) a->m_nOriginX += m_pAxisX->Map(a->GetCrossing());
    }

    {
        SelectedLine pen(pDC, m_frameAttr);
        SelectedArea brush(pDC, m_background);
        pDC->Rectangle(x, y + m_nHeight, x + m_nWidth, y);
        pDC->Rectangle(plot.left, plot.top, plot.right, plot.bottom);
    }
    DrawGrid(pDC, *m_pAxisX, true, m_bMinorVertical, m_bMajorVertical);
    DrawGrid(pDC, *m_pAxisY, false, m_bMinorHorizontal, m_bMajorHorizontal);

    if (pPlotter) pPlotter->Draw(pDC);
    for (Axis* a : axes)
        a->Draw(pDC);
}

// --- ChartBase ----------------------------------------------------------------------------

ChartBase::ChartBase()
    : m_mainTitle("Chart main title", 0.5, 1.0), m_xTitle("Chart X title [untis]", 0.5, 0.0),
      m_yTitle("Chart Y title [units]", 0.5, 1.0) {
    m_yTitle.SetVertical(1);
}

ChartBase::~ChartBase() = default;

int ChartBase::GetUnit() const {
    return m_nUnit != 0 ? m_nUnit : m_nHeight / 28;
}

void ChartBase::SetPlotter(Plotter* pPlotter) {
    m_pPlotter = pPlotter;
    if (!pPlotter) return;
    pPlotter->SetChart(this);
    double xmin = 0, xmax = 1, ymin = 0, ymax = 1;
    pPlotter->GetRange(xmin, xmax, ymin, ymax);
    Axis& ax = m_plotArea.GetAxisX();
    Axis& ay = m_plotArea.GetAxisY();
    ax.m_dMin = xmin, ax.m_dMax = xmax;
    ay.m_dMin = ymin, ay.m_dMax = ymax;
}

void ChartBase::Draw(CDC* pDC, const CPoint& anchor) {
    if (m_nHeight <= 0) return;
    const int unit = GetUnit();
    m_mainTitle.m_nDefaultHeight = 2 * unit;
    m_xTitle.m_nDefaultHeight = static_cast<int>(1.3 * unit);
    m_yTitle.m_nDefaultHeight = static_cast<int>(1.3 * unit);
    m_plotArea.m_nLabelFontHeight = unit;
    auto gap = [](int set, int derived) { return set != 0 ? set : derived; };
    const int upper = gap(m_nUpperGap, unit / 2);
    const int leftGap = gap(m_nLeftGap, unit / 2);
    const int lower = gap(m_nLowerGap, unit / 2);
    const int rightGap = gap(m_nRightGap, unit);
    const int titleGap = gap(m_nTitleGap, unit / 2);
    const int axisGap = gap(m_nAxisTitleGap, unit / 2);

    const int left = anchor.x - static_cast<int>(m_nWidth * m_dAnchorX);
    const int bottom = anchor.y - static_cast<int>(m_nHeight * m_dAnchorY);

    // Long labels, bars beside the ends and supports outside the element stay
    // inside the chart instead of painting over their neighbours.
    const int saved = pDC->SaveDC();
    pDC->IntersectClipRect(left, bottom + m_nHeight, left + m_nWidth, bottom);
    {
        SelectedLine pen(pDC, m_frameAttr);
        SelectedArea brush(pDC, m_background);
        pDC->Rectangle(left, bottom + m_nHeight, left + m_nWidth, bottom);

        m_mainTitle.Draw(pDC, left + m_nWidth / 2, bottom + m_nHeight - upper);
        m_xTitle.Draw(pDC, left + m_nWidth / 2, bottom + lower);
        m_yTitle.Draw(pDC, left + leftGap, bottom + m_nHeight / 2);

        const CSize main = m_mainTitle.GetSize(pDC);
        const CSize xs = m_xTitle.GetSize(pDC);
        const CSize ys = m_yTitle.GetSize(pDC);
        m_plotArea.m_nWidth = m_nWidth - ys.cx - leftGap - axisGap - rightGap;
        m_plotArea.m_nHeight = m_nHeight - main.cy - xs.cy - lower - axisGap - titleGap - upper;
        m_plotArea.Draw(pDC, left + leftGap + ys.cx + axisGap, bottom + lower + xs.cy + axisGap, m_pPlotter);
    }
    pDC->RestoreDC(saved);
}
