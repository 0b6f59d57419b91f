#include "controls/ASymbol.h"

#include "common/omMath.h"
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <atomic>
#include <cmath>

// --- ASymbol ---------------------------------------------------------------------

ASymbol::ASymbol(const ASymbol& o)
    : m_points(o.m_points), m_lineColor(o.m_lineColor), m_fillColor(o.m_fillColor), m_angle(o.m_angle),
      m_width(o.m_width), m_height(o.m_height), m_origin(o.m_origin), m_penThickness(o.m_penThickness) {}

ASymbol& ASymbol::operator=(const ASymbol& o) {
    // The drawing objects belong to a draw in progress and are not copied.
    m_points = o.m_points;
    m_lineColor = o.m_lineColor;
    m_fillColor = o.m_fillColor;
    m_angle = o.m_angle;
    m_width = o.m_width;
    m_height = o.m_height;
    m_origin = o.m_origin;
    m_penThickness = o.m_penThickness;
    return *this;
}

ASymbol::~ASymbol() = default;

const omPoint& ASymbol::GetPoint(int index) const {
    static const omPoint none;
    if (index < 0 || index >= static_cast<int>(m_points.size())) return none;
    return m_points[static_cast<size_t>(index)];
}

omPoint ASymbol::Place(const omPoint& unit, const omPoint& position) const {
    double x = (unit.x - m_origin.x) * m_width;
    double y = (unit.y - m_origin.y) * m_height;
    if (m_angle != 0.0) omRotate(x, y, -m_angle);
    return omPoint(x + position.x, y + position.y);
}

void ASymbol::SetPoints(const omPoint& position) {
    for (omPoint& p : m_points)
        p = Place(p, position);
}

void ASymbol::Draw(CDC& dc, const omPoint& position, bool eraseBackground) {
    CreatePoints();
    SetPoints(position);
    if (eraseBackground) {
        const POINT box[4] = {Round(Place({0, 0}, position)), Round(Place({1, 0}, position)),
                              Round(Place({1, 1}, position)), Round(Place({0, 1}, position))};
        CPen pen(PS_SOLID, 1, m_fillColor);
        CBrush brush(m_fillColor);
        CPen* oldPen = dc.SelectObject(&pen);
        CBrush* oldBrush = dc.SelectObject(&brush);
        dc.Polygon(box, 4);
        dc.SelectObject(oldBrush);
        dc.SelectObject(oldPen);
    }
    m_brush.DeleteObject();
    m_pen.DeleteObject();
    m_brush.CreateSolidBrush(m_fillColor);
    m_pen.CreatePen(PS_SOLID, gdi::toDeviceSize(m_penThickness), m_lineColor);
    m_oldBrush = dc.SelectObject(&m_brush);
    m_oldPen = dc.SelectObject(&m_pen);
}

void ASymbol::AfterDraw(CDC& dc) {
    if (m_oldBrush) dc.SelectObject(m_oldBrush);
    if (m_oldPen) dc.SelectObject(m_oldPen);
    m_oldBrush = nullptr;
    m_oldPen = nullptr;
    m_brush.DeleteObject();
    m_pen.DeleteObject();
}

namespace {
void line(CDC& dc, const omPoint& a, const omPoint& b) {
    dc.MoveTo(ASymbol::Round(a));
    dc.LineTo(ASymbol::Round(b));
}
} // namespace

// --- ASymArrow ----------------------------------------------------------------------

ASymArrow::ASymArrow() {
    SetOrigin({1.0, 0.5});
}

ASymArrow::ASymArrow(double height, double width, double angle) : ASymbol(height, width, angle) {
    SetOrigin({1.0, 0.5});
}

void ASymArrow::CreatePoints() {
    m_points = {{0, 0.5}, {1, 0.5}, {0.7, 0.7}, {0.7, 0.3}};
}

void ASymArrow::Draw(CDC& dc, const omPoint& position, bool eraseBackground) {
    ASymbol::Draw(dc, position, eraseBackground);
    line(dc, m_points[0], m_points[1]);
    line(dc, m_points[1], m_points[2]);
    line(dc, m_points[1], m_points[3]);
    AfterDraw(dc);
}

// --- Filled polygons ------------------------------------------------------------------

namespace {
void polygon(CDC& dc, const std::vector<omPoint>& points) {
    std::vector<POINT> p;
    p.reserve(points.size());
    for (const omPoint& q : points)
        p.push_back(ASymbol::Round(q));
    dc.Polygon(p.data(), static_cast<int>(p.size()));
}
} // namespace

void ASymArrow_1::CreatePoints() {
    m_points = {{0.2, 0.5}, {0, 0}, {1, 0.5}, {0, 1}};
}

void ASymArrow_1::Draw(CDC& dc, const omPoint& position, bool eraseBackground) {
    ASymbol::Draw(dc, position, eraseBackground);
    polygon(dc, m_points);
    AfterDraw(dc);
}

void ASymRectangle::CreatePoints() {
    m_points = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
}

void ASymRectangle::Draw(CDC& dc, const omPoint& position, bool eraseBackground) {
    ASymbol::Draw(dc, position, eraseBackground);
    polygon(dc, m_points);
    AfterDraw(dc);
}

// --- ASymOval ---------------------------------------------------------------------------

void ASymOval::CreatePoints() {
    m_points = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
}

void ASymOval::Draw(CDC& dc, const omPoint& position, bool eraseBackground) {
    ASymbol::Draw(dc, position, eraseBackground);
    const double aw = std::fabs(GetWidth());
    const double ah = std::fabs(GetHeight());
    const double r = std::min(aw, ah) / 2;
    const bool alongU = aw >= ah;
    const double f = alongU ? (aw > 0 ? r / aw : 0.5) : (ah > 0 ? r / ah : 0.5);

    // In unit-box coordinates: the straight part, and for each end the chord's
    // two ends, the disc's centre and the outermost point of the end.
    std::vector<omPoint> middle;
    struct End {
        omPoint a, b, centre, outer;
    };
    End ends[2];
    if (alongU) {
        middle = {{f, 0}, {1 - f, 0}, {1 - f, 1}, {f, 1}};
        ends[0] = {{f, 0}, {f, 1}, {f, 0.5}, {0, 0.5}};
        ends[1] = {{1 - f, 0}, {1 - f, 1}, {1 - f, 0.5}, {1, 0.5}};
    } else {
        middle = {{0, f}, {1, f}, {1, 1 - f}, {0, 1 - f}};
        ends[0] = {{0, f}, {1, f}, {0.5, f}, {0.5, 0}};
        ends[1] = {{0, 1 - f}, {1, 1 - f}, {0.5, 1 - f}, {0.5, 1}};
    }
    for (omPoint& p : middle)
        p = Place(p, position);

    // Arcs run counter-clockwise as seen on the device: in logical terms that is
    // the positive sense when the mapping turns y over, else the negative one.
    const CSize we = dc.GetWindowExt(), ve = dc.GetViewportExt();
    const bool yFlipped = (static_cast<double>(ve.cx) / we.cx) * (static_cast<double>(ve.cy) / we.cy) < 0;
    struct Arc {
        CRect box;
        CPoint from, to;
    };
    Arc arcs[2];
    for (int i = 0; i < 2; ++i) {
        const omPoint a = Place(ends[i].a, position), b = Place(ends[i].b, position);
        const omPoint c = Place(ends[i].centre, position), o = Place(ends[i].outer, position);
        const omPoint ca = a - c;
        const omPoint quarter = yFlipped ? omPoint(-ca.y, ca.x) : omPoint(ca.y, -ca.x);
        const omPoint out = o - c;
        const bool fromA = quarter.x * out.x + quarter.y * out.y > 0;
        arcs[i].box = CRect(Round(c - omPoint(r, r)), Round(c + omPoint(r, r)));
        arcs[i].from = Round(fromA ? a : b);
        arcs[i].to = Round(fromA ? b : a);
    }

    // The fill without outline, then the outline with the symbol's pen.
    CGdiObject* pen = dc.SelectStockObject(NULL_PEN);
    polygon(dc, middle);
    for (const Arc& arc : arcs)
        dc.Chord(&arc.box, arc.from, arc.to);
    dc.SelectObject(pen);
    for (const Arc& arc : arcs)
        dc.Arc(&arc.box, arc.from, arc.to);
    if (f < 0.5) {
        line(dc, middle[0], middle[1]);
        line(dc, middle[3], middle[2]);
    }
    AfterDraw(dc);
}

// --- ASymText ----------------------------------------------------------------------------

namespace {
std::atomic<bool> s_fixFontPrintRotation{false};
} // namespace

ASymText::ASymText() = default;

ASymText::ASymText(const CString& text, const CString& fontName, int fontSize, BYTE charSet, int borderOffset,
                   Shape shape, double angle)
    : ASymbol(0.0, 0.0, angle), m_text(text), m_fontName(fontName), m_fontSize(fontSize), m_charSet(charSet),
      m_shape(shape), m_borderOffset(borderOffset) {}

void ASymText::SetFixFontPrintRotation(bool on) {
    s_fixFontPrintRotation = on;
}
bool ASymText::GetFixFontPrintRotation() {
    return s_fixFontPrintRotation;
}

int ASymText::GetFontAngleFactor(const CDC& dc) const {
    return s_fixFontPrintRotation && dc.IsPrinting() ? -10 : 10;
}

void ASymText::CreatePoints() {
    m_points = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0.5, 0.5}};
}

void ASymText::makeFont(const CDC& dc, CFont& font) const {
    const int escapement = static_cast<int>(std::lround(deg(GetAngle()) * GetFontAngleFactor(dc)));
    font.CreateFont(m_fontSize, 0, escapement, escapement, FW_NORMAL, 0, 0, 0, m_charSet, OUT_TT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, m_fontName);
}

CSize ASymText::GetTextSize(CDC& dc) const {
    CFont font;
    makeFont(dc, font);
    CFont* old = dc.SelectObject(&font);
    const CSize size = dc.GetTextExtent(m_text);
    dc.SelectObject(old);
    return size;
}

void ASymText::Draw(CDC& dc, const omPoint& position, bool eraseBackground) {
    const UINT oldAlign = dc.SetTextAlign(TA_LEFT | TA_TOP);
    const COLORREF oldColor = dc.SetTextColor(m_textColor);
    CFont font;
    makeFont(dc, font);
    CFont* oldFont = dc.SelectObject(&font);

    const CSize extent = dc.GetTextExtent(m_text);
    SetWidth(extent.cx);
    SetHeight(extent.cy);
    ASymbol::Draw(dc, position, m_shape == shapeNone && eraseBackground);

    if (m_shape == shapeRectangle || m_shape == shapeOval) {
        const double h = extent.cy + m_borderOffset;
        const double w = std::max(extent.cx + m_borderOffset, h);
        auto drawFrame = [&](ASymbol&& frame) {
            frame.SetColors(GetLineColor(), GetFillColor());
            frame.Draw(dc, GetPoint(4), eraseBackground);
        };
        if (m_shape == shapeRectangle)
            drawFrame(ASymRectangle(h, w, GetAngle()));
        else
            drawFrame(ASymOval(h, w, GetAngle()));
    }

    const int oldBkMode = dc.SetBkMode(TRANSPARENT);
    const CPoint at = Round(GetPoint(3));
    dc.TextOut(at.x, at.y, m_text);
    dc.SetBkMode(oldBkMode);
    dc.SelectObject(oldFont);
    dc.SetTextColor(oldColor);
    dc.SetTextAlign(oldAlign);
    AfterDraw(dc);
}

// --- ASymOrigin -----------------------------------------------------------------------------

ASymOrigin::ASymOrigin() {
    SetOrigin({0.15, 0.85});
}

ASymOrigin::ASymOrigin(double height, double width, double angle) : ASymbol(height, width, angle) {
    SetOrigin({0.15, 0.85});
}

void ASymOrigin::CreatePoints() {
    m_points = {{0.3, 1}, {0.3, 0.2},  {0.15, 0},   {0, 0.2},   {0, 1},     {0.8, 1},   {1, 0.85}, {0.8, 0.7},
                {0, 0.7}, {0.15, 0.4}, {0.6, 0.85}, {0.1, 0.8}, {0.2, 0.9}, {0.1, 0.9}, {0.2, 0.8}};
}

void ASymOrigin::Draw(CDC& dc, const omPoint& position, bool eraseBackground) {
    ASymbol::Draw(dc, position, eraseBackground);
    POINT outline[9];
    for (int i = 0; i < 9; ++i)
        outline[i] = Round(m_points[static_cast<size_t>(i)]);
    dc.Polyline(outline, 9);
    line(dc, m_points[11], m_points[12]);
    line(dc, m_points[13], m_points[14]);

    const int fontSize = gdi::toDeviceLength(0.2 * GetHeight());
    const omPoint xAt = m_points[10];
    const omPoint zAt = m_points[9];
    for (const auto& [text, at] : {std::pair<const char*, omPoint>{"X", xAt}, {"Z", zAt}}) {
        ASymText label(text, "ARIAL", fontSize, ANSI_CHARSET, 0, ASymText::shapeNone, GetAngle());
        label.SetColors(GetLineColor(), GetFillColor());
        label.SetTextColor(GetLineColor());
        label.Draw(dc, at, false);
    }
    AfterDraw(dc);
}
