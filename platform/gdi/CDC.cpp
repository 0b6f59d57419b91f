#include "platform/gdi/CDC.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <numbers>
#include <optional>
#include <utility>

namespace {

// The widest pen and the tallest font the context realises, in device pixels.
constexpr int kMaxPenPixels = 4096;
constexpr int kMaxFontPixels = 2048;

QColor toQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

QString toQString(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Colours of three-dimensional edges.
constexpr COLORREF kHighlight = RGB(255, 255, 255);
constexpr COLORREF kLight = RGB(227, 227, 227);
constexpr COLORREF kShadow = RGB(160, 160, 160);
constexpr COLORREF kDarkShadow = RGB(105, 105, 105);
constexpr COLORREF kFace = RGB(240, 240, 240);

int roundToInt(double v) {
    return gdi::roundSaturate(v);
}

// Device coordinates this far out lie beyond every surface; rectangles are cut
// there before Qt's integer rectangles measure them, so that no width overflows.
constexpr long long kFar = 1LL << 28;

// A rectangle of device pixels from the smaller corner up to, but not
// including, the larger one, measured in 64 bits.
struct DeviceRect {
    long long left = 0, top = 0, right = 0, bottom = 0;

    DeviceRect() = default;
    DeviceRect(long long x1, long long y1, long long x2, long long y2)
        : left(std::min(x1, x2)), top(std::min(y1, y2)), right(std::max(x1, x2)), bottom(std::max(y1, y2)) {}
    long long width() const { return right - left; }
    long long height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    // The visible part as Qt's rectangle (cut far outside every surface).
    QRect cut() const {
        const auto c = [](long long v) { return static_cast<int>(std::clamp(v, -kFar, kFar)); };
        return QRect(QPoint(c(left), c(top)), QPoint(c(right) - 1, c(bottom) - 1));
    }
    // The whole rectangle in floating point, for curves that must keep their shape.
    QRectF exact() const {
        return QRectF(static_cast<double>(left), static_cast<double>(top), static_cast<double>(width()),
                      static_cast<double>(height()));
    }
};

} // namespace

// --- Device capabilities ------------------------------------------------------

CDeviceCaps CDeviceCaps::FromPixels(int width, int height, int dpiX, int dpiY, int technology) {
    CDeviceCaps c;
    c.horzRes = c.physicalWidth = width;
    c.vertRes = c.physicalHeight = height;
    c.logPixelsX = dpiX > 0 ? dpiX : 96;
    c.logPixelsY = dpiY > 0 ? dpiY : 96;
    c.horzSizeMM = static_cast<int>(std::lround(width * 25.4 / c.logPixelsX));
    c.vertSizeMM = static_cast<int>(std::lround(height * 25.4 / c.logPixelsY));
    c.technology = technology;
    return c;
}

CDeviceCaps CDeviceCaps::FromDevice(const QPaintDevice& device) {
    CDeviceCaps c = FromPixels(device.width(), device.height(), device.logicalDpiX(), device.logicalDpiY());
    c.horzSizeMM = device.widthMM();
    c.vertSizeMM = device.heightMM();
    c.bitsPixel = device.depth();
    return c;
}

CDeviceCaps CDeviceCaps::Screen() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (QScreen* s = QGuiApplication::primaryScreen()) {
            const QRect g = s->geometry();
            return FromPixels(g.width(), g.height(), roundToInt(s->logicalDotsPerInchX()),
                              roundToInt(s->logicalDotsPerInchY()));
        }
    }
    return FromPixels(1024, 768, 96, 96);
}

// --- Private part ---------------------------------------------------------------

struct CDC::Impl {
    bool restorePainter = false;
    bool hasBaseClip = false;
    QRegion baseClip; // the painter's own clipping when attached
    QRect paintBox;   // the device area being painted (empty: all of it)
    bool canInvert = false;
    CRect deviceBox; // replaces the device's rectangle when not empty

    // The pen and brush realised for the selected ones at the current scale,
    // made again only when those change.
    bool penValid = false;
    LOGPEN penKey;
    double penKeyScale = 0;
    QPen pen;
    QPen underPen; // the gaps of a broken line in an opaque background
    bool brushValid = false;
    LOGBRUSH brushKey;
    QBrush brush;
    COLORREF textPenColor = 0;
    QPen textPen{QColor(0, 0, 0)};
    QPainterPath linePath; // reused by every line, keeping its storage

    // The realised font of the last text call.
    bool fontValid = false;
    LOGFONT fontKey;
    bool fontKeyInPixels = false;
    double fontKeyScaleX = 0;
    double fontKeyScaleY = 0;
    QFont font;
    std::optional<QFontMetricsF> metrics;

    const QPen& realisedPen(const LOGPEN& p, double scale);
    const QBrush& realisedBrush(const LOGBRUSH& b);
    const QPen& realisedTextPen(COLORREF color) {
        if (textPenColor != color) {
            textPen = QPen(toQColor(color));
            textPenColor = color;
        }
        return textPen;
    }
};

// --- Construction ---------------------------------------------------------------

CDC::CDC() : CDC(CDeviceCaps::Screen()) {}

CDC::CDC(const CDeviceCaps& caps) : m_caps(caps), m_impl(std::make_unique<Impl>()) {
    initDefaults();
}

CDC::CDC(QPainter* painter, QPaintDevice* device) : m_impl(std::make_unique<Impl>()) {
    m_caps = device ? CDeviceCaps::FromDevice(*device) : CDeviceCaps::Screen();
    initDefaults();
    attachPainter(painter, true);
}

CDC::~CDC() {
    detachPainter();
}

void CDC::initDefaults() {
    m_state = State{};
    m_state.penObject = static_cast<CPen*>(CGdiObject::GetStockObject(BLACK_PEN));
    m_state.brushObject = static_cast<CBrush*>(CGdiObject::GetStockObject(WHITE_BRUSH));
    m_state.fontObject = static_cast<CFont*>(CGdiObject::GetStockObject(SYSTEM_FONT));
    m_state.pen = m_state.penObject->GetData();
    m_state.brush = m_state.brushObject->GetData();
    m_state.font = m_state.fontObject->GetData();
    m_state.fontInPixels = true;
    m_saved.clear();
}

void CDC::setCaps(const CDeviceCaps& caps) {
    m_caps = caps;
    const int mode = m_state.mapMode;
    m_state.mapMode = 0;
    SetMapMode(mode ? mode : MM_TEXT);
}

void CDC::setState(const State& state) {
    m_state = state;
    applyClip();
}

void CDC::attachPainter(QPainter* painter, bool restoreOnDetach) {
    detachPainter();
    m_painter = painter;
    if (!m_painter) return;
    m_impl->restorePainter = restoreOnDetach;
    if (restoreOnDetach) m_painter->save();
    m_impl->hasBaseClip = m_painter->hasClipping();
    m_impl->baseClip = m_impl->hasBaseClip ? m_painter->clipRegion() : QRegion();
    m_impl->paintBox = QRect();
    if (QPaintEngine* engine = m_painter->paintEngine()) {
        m_impl->canInvert = engine->hasFeature(QPaintEngine::RasterOpModes);
        // A widget's paint event paints only its update region; the clip box reports it.
        const QRegion system = engine->systemClip();
        if (!system.isEmpty()) {
            bool invertible = false;
            const QTransform toPainter = m_painter->deviceTransform().inverted(&invertible);
            if (invertible) m_impl->paintBox = toPainter.map(system).boundingRect();
        }
    }
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    applyClip();
}

void CDC::detachPainter() {
    if (m_painter && m_impl->restorePainter) m_painter->restore();
    m_painter = nullptr;
    m_impl->restorePainter = false;
}

int CDC::GetDeviceCaps(int index) const {
    switch (index) {
    case TECHNOLOGY:
        return m_caps.technology;
    case HORZSIZE:
        return m_caps.horzSizeMM;
    case VERTSIZE:
        return m_caps.vertSizeMM;
    case HORZRES:
        return m_caps.horzRes;
    case VERTRES:
        return m_caps.vertRes;
    case BITSPIXEL:
        return m_caps.bitsPixel;
    case LOGPIXELSX:
        return m_caps.logPixelsX;
    case LOGPIXELSY:
        return m_caps.logPixelsY;
    case PHYSICALWIDTH:
        return m_caps.physicalWidth;
    case PHYSICALHEIGHT:
        return m_caps.physicalHeight;
    case PHYSICALOFFSETX:
        return m_caps.physicalOffsetX;
    case PHYSICALOFFSETY:
        return m_caps.physicalOffsetY;
    default:
        return 0;
    }
}

// --- Mapping ----------------------------------------------------------------------

int CDC::SetMapMode(int mode) {
    const int old = m_state.mapMode;
    switch (mode) {
    case MM_TEXT:
        m_state.windowExt = CSize(1, 1);
        m_state.viewportExt = CSize(1, 1);
        break;
    case MM_LOMETRIC:
        // 254 units of 0.1 mm make an inch of the device's resolution.
        m_state.windowExt = CSize(254, 254);
        m_state.viewportExt = CSize(m_caps.logPixelsX, -m_caps.logPixelsY);
        break;
    case MM_ANISOTROPIC:
        break; // keeps the extents of the mode before
    default:
        return 0;
    }
    m_state.mapMode = mode;
    return old ? old : mode;
}

CPoint CDC::SetWindowOrg(int x, int y) {
    const CPoint old = m_state.windowOrg;
    m_state.windowOrg = CPoint(x, y);
    return old;
}

CPoint CDC::OffsetWindowOrg(int dx, int dy) {
    return SetWindowOrg(m_state.windowOrg.x + dx, m_state.windowOrg.y + dy);
}

CPoint CDC::SetViewportOrg(int x, int y) {
    const CPoint old = m_state.viewportOrg;
    m_state.viewportOrg = CPoint(x, y);
    return old;
}

CPoint CDC::OffsetViewportOrg(int dx, int dy) {
    return SetViewportOrg(m_state.viewportOrg.x + dx, m_state.viewportOrg.y + dy);
}

CSize CDC::SetWindowExt(int cx, int cy) {
    const CSize old = m_state.windowExt;
    if (m_state.mapMode != MM_ANISOTROPIC) return old;
    if (cx == 0 || cy == 0) return CSize(0, 0);
    m_state.windowExt = CSize(cx, cy);
    return old;
}

CSize CDC::SetViewportExt(int cx, int cy) {
    const CSize old = m_state.viewportExt;
    if (m_state.mapMode != MM_ANISOTROPIC) return old;
    if (cx == 0 || cy == 0) return CSize(0, 0);
    m_state.viewportExt = CSize(cx, cy);
    return old;
}

void CDC::LPtoDP(POINT* points, int count) const {
    const State& s = m_state;
    for (int i = 0; i < count; ++i) {
        points[i].x = MapAxis(points[i].x, s.windowOrg.x, s.viewportExt.cx, s.windowExt.cx, s.viewportOrg.x);
        points[i].y = MapAxis(points[i].y, s.windowOrg.y, s.viewportExt.cy, s.windowExt.cy, s.viewportOrg.y);
    }
}

void CDC::LPtoDP(RECT* rect) const {
    LPtoDP(reinterpret_cast<POINT*>(rect), 2);
}

namespace {
// A size scaled by the magnitudes of num / den on each axis.
void scaleSize(SIZE* size, CSize num, CSize den) {
    auto axis = [](int v, int n, int d) {
        return gdi::saturate(static_cast<long long>(v) * std::llabs(n) / std::llabs(d));
    };
    size->cx = axis(size->cx, num.cx, den.cx);
    size->cy = axis(size->cy, num.cy, den.cy);
}
} // namespace

void CDC::LPtoDP(SIZE* size) const {
    scaleSize(size, m_state.viewportExt, m_state.windowExt);
}

void CDC::DPtoLP(POINT* points, int count) const {
    const State& s = m_state;
    for (int i = 0; i < count; ++i) {
        points[i].x = MapAxis(points[i].x, s.viewportOrg.x, s.windowExt.cx, s.viewportExt.cx, s.windowOrg.x);
        points[i].y = MapAxis(points[i].y, s.viewportOrg.y, s.windowExt.cy, s.viewportExt.cy, s.windowOrg.y);
    }
}

void CDC::DPtoLP(RECT* rect) const {
    DPtoLP(reinterpret_cast<POINT*>(rect), 2);
}

void CDC::DPtoLP(SIZE* size) const {
    scaleSize(size, m_state.windowExt, m_state.viewportExt);
}

// --- Objects ----------------------------------------------------------------------

CPen* CDC::SelectObject(CPen* pen) {
    if (!pen || !pen->IsCreated()) return nullptr;
    CPen* old = m_state.penObject;
    m_state.penObject = pen;
    m_state.pen = pen->GetData();
    return old;
}

CBrush* CDC::SelectObject(CBrush* brush) {
    if (!brush || !brush->IsCreated()) return nullptr;
    CBrush* old = m_state.brushObject;
    m_state.brushObject = brush;
    m_state.brush = brush->GetData();
    return old;
}

CFont* CDC::SelectObject(CFont* font) {
    if (!font || !font->IsCreated()) return nullptr;
    CFont* old = m_state.fontObject;
    m_state.fontObject = font;
    m_state.font = font->GetData();
    m_state.fontInPixels = font->IsHeightInPixels();
    return old;
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
    if (!object) return nullptr;
    switch (object->GetKind()) {
    case CGdiObject::Kind::pen:
        return SelectObject(static_cast<CPen*>(object));
    case CGdiObject::Kind::brush:
        return SelectObject(static_cast<CBrush*>(object));
    case CGdiObject::Kind::font:
        return SelectObject(static_cast<CFont*>(object));
    }
    return nullptr;
}

CGdiObject* CDC::SelectStockObject(int index) {
    return SelectObject(CGdiObject::GetStockObject(index));
}

// --- Attributes -------------------------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF color) {
    return std::exchange(m_state.textColor, color);
}
COLORREF CDC::SetBkColor(COLORREF color) {
    return std::exchange(m_state.bkColor, color);
}

int CDC::SetBkMode(int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return std::exchange(m_state.bkMode, mode);
}

UINT CDC::SetTextAlign(UINT flags) {
    return std::exchange(m_state.textAlign, flags);
}

int CDC::SetROP2(int mode) {
    if (mode != R2_NOT && mode != R2_COPYPEN) return 0;
    return std::exchange(m_state.rop2, mode);
}

int CDC::SaveDC() {
    m_saved.push_back(m_state);
    return static_cast<int>(m_saved.size());
}

bool CDC::RestoreDC(int saved) {
    const int n = static_cast<int>(m_saved.size());
    const int index = saved < 0 ? n + saved : saved - 1;
    if (index < 0 || index >= n) return false;
    m_state = m_saved[static_cast<size_t>(index)];
    m_saved.resize(static_cast<size_t>(index));
    applyClip();
    return true;
}

// --- Clipping -----------------------------------------------------------------------

void CDC::applyClip() {
    if (!m_painter) return;
    QRegion clip;
    bool clipping = false;
    if (m_impl->hasBaseClip) {
        clip = m_impl->baseClip;
        clipping = true;
    }
    if (m_state.clipped) {
        const QRect own(m_state.clip.left, m_state.clip.top, m_state.clip.Width(), m_state.clip.Height());
        clip = clipping ? clip.intersected(own) : QRegion(own);
        clipping = true;
    }
    if (clipping)
        m_painter->setClipRegion(clip);
    else
        m_painter->setClipping(false);
}

void CDC::setDeviceBox(const CRect& box) {
    m_impl->deviceBox = box;
}

int CDC::GetClipBox(RECT* rect) const {
    const CRect& own = m_impl->deviceBox;
    QRect box = own.IsRectEmpty() ? QRect(0, 0, m_caps.horzRes, m_caps.vertRes)
                                  : QRect(own.left, own.top, own.Width(), own.Height());
    if (m_painter) {
        if (!m_impl->paintBox.isEmpty()) box &= m_impl->paintBox;
        if (m_impl->hasBaseClip) box &= m_impl->baseClip.boundingRect();
    }
    if (m_state.clipped)
        box &= QRect(m_state.clip.left, m_state.clip.top, m_state.clip.Width(), m_state.clip.Height());
    RECT r{box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
    if (box.isEmpty()) r = RECT{0, 0, 0, 0};
    DPtoLP(&r);
    if (rect) *rect = r;
    return box.isEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
    POINT p[2] = {{left, top}, {right, bottom}};
    LPtoDP(p, 2);
    CRect r(std::min(p[0].x, p[1].x), std::min(p[0].y, p[1].y), std::max(p[0].x, p[1].x),
            std::max(p[0].y, p[1].y));
    if (m_state.clipped) r.IntersectRect(r, m_state.clip);
    if (r.IsRectEmpty()) r.SetRectEmpty();
    m_state.clip = r;
    m_state.clipped = true;
    applyClip();
    return r.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::SelectClipRgn(std::nullptr_t) {
    m_state.clipped = false;
    m_state.clip.SetRectEmpty();
    applyClip();
    return SIMPLEREGION;
}

// --- Drawing helpers ------------------------------------------------------------------

namespace {

QPen makePen(const LOGPEN& p, double scaleX) {
    if (p.lopnStyle == PS_NULL) return QPen(Qt::NoPen);
    QPen pen(toQColor(p.lopnColor));
    // No pen is wider than a few screens (its stroke is cut at the device anyway).
    const double width = std::min(p.lopnWidth * std::abs(scaleX), static_cast<double>(kMaxPenPixels));
    const bool thin = width < 1.0;
    pen.setWidthF(thin ? 0.0 : width);
    pen.setCosmetic(thin);
    if (p.lopnStyle == PS_SOLID) {
        pen.setCapStyle(thin ? Qt::FlatCap : Qt::RoundCap);
        pen.setJoinStyle(thin ? Qt::MiterJoin : Qt::RoundJoin);
        return pen;
    }
    // Dash patterns in pen widths.
    QList<qreal> pattern;
    switch (p.lopnStyle) {
    case PS_DASH:
        pattern = {18, 6};
        break;
    case PS_DOT:
        pattern = {3, 3};
        break;
    case PS_DASHDOT:
        pattern = {9, 6, 3, 6};
        break;
    default:
        pattern = {9, 3, 3, 3, 3, 3};
        break;
    }
    pen.setDashPattern(pattern);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QBrush makeBrush(const LOGBRUSH& b) {
    switch (b.lbStyle) {
    case BS_SOLID:
        return QBrush(toQColor(b.lbColor));
    case BS_HATCHED: {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                                 Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(toQColor(b.lbColor), hatches[std::clamp(b.lbHatch, 0, 5)]);
    }
    default:
        return QBrush(Qt::NoBrush);
    }
}

// Sets the painter up for one shape and puts it back afterwards.
class ShapePainter {
public:
    ShapePainter(QPainter* p, bool invert) : m_p(p), m_invert(invert) {
        if (m_invert) m_p->setCompositionMode(QPainter::RasterOp_NotDestination);
    }
    ~ShapePainter() {
        if (m_invert) m_p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    ShapePainter(const ShapePainter&) = delete;
    ShapePainter& operator=(const ShapePainter&) = delete;

private:
    QPainter* m_p;
    bool m_invert;
};

// The device rectangle of a shape given by two logical corners.
DeviceRect shapeRect(const CDC& dc, int left, int top, int right, int bottom) {
    POINT p[2] = {{left, top}, {right, bottom}};
    dc.LPtoDP(p, 2);
    return DeviceRect(p[0].x, p[0].y, p[1].x, p[1].y);
}

// Up to this many points of a line are converted on the stack.
constexpr int kStackPoints = 64;

} // namespace

const QPen& CDC::Impl::realisedPen(const LOGPEN& p, double scale) {
    if (!penValid || !(penKey == p) || penKeyScale != scale) {
        pen = makePen(p, scale);
        underPen = pen;
        underPen.setStyle(Qt::SolidLine);
        penKey = p;
        penKeyScale = scale;
        penValid = true;
    }
    return pen;
}

const QBrush& CDC::Impl::realisedBrush(const LOGBRUSH& b) {
    if (!brushValid || !(brushKey == b)) {
        brush = makeBrush(b);
        brushKey = b;
        brushValid = true;
    }
    return brush;
}

// The gaps of hatches and broken lines take the background colour when the
// background mode is opaque.
void CDC::paintPath(const QPainterPath& path, bool fill, bool stroke) {
    const State& s = m_state;
    ShapePainter guard(m_painter, s.rop2 == R2_NOT && m_impl->canInvert);
    if (fill && s.brush.lbStyle != BS_NULL) {
        if (s.brush.lbStyle == BS_HATCHED && s.bkMode == OPAQUE)
            m_painter->fillPath(path, toQColor(s.bkColor));
        m_painter->fillPath(path, m_impl->realisedBrush(s.brush));
    }
    if (stroke && s.pen.lopnStyle != PS_NULL) {
        const QPen& pen = m_impl->realisedPen(s.pen, scaleX());
        if (s.pen.lopnStyle != PS_SOLID && s.bkMode == OPAQUE) {
            QPen under = m_impl->underPen;
            under.setColor(toQColor(s.bkColor));
            m_painter->strokePath(path, under);
        }
        m_painter->strokePath(path, pen);
    }
}

void CDC::strokePolyline(const QPoint* points, int count) {
    const State& s = m_state;
    if (s.pen.lopnStyle == PS_NULL) return;
    ShapePainter guard(m_painter, s.rop2 == R2_NOT && m_impl->canInvert);
    const QPen& pen = m_impl->realisedPen(s.pen, scaleX());
    if (s.pen.lopnStyle == PS_SOLID && pen.isCosmetic()) {
        // The thinnest solid lines, most of every drawing, go the short way.
        m_painter->setPen(pen);
        m_painter->drawPolyline(points, count);
        return;
    }
    QPainterPath& path = m_impl->linePath;
    path.clear();
    path.moveTo(points[0]);
    for (int i = 1; i < count; ++i)
        path.lineTo(points[i]);
    if (s.pen.lopnStyle != PS_SOLID && s.bkMode == OPAQUE) {
        QPen under = m_impl->underPen;
        under.setColor(toQColor(s.bkColor));
        m_painter->strokePath(path, under);
    }
    m_painter->strokePath(path, pen);
}

// --- Lines and shapes -------------------------------------------------------------------

CPoint CDC::MoveTo(int x, int y) {
    return std::exchange(m_state.currentPosition, CPoint(x, y));
}

bool CDC::LineTo(int x, int y) {
    const POINT pts[2] = {m_state.currentPosition, {x, y}};
    m_state.currentPosition = CPoint(x, y);
    CDC::Polyline(pts, 2);
    return true;
}

namespace {
bool anyNowhere(std::initializer_list<int> coordinates) {
    for (int c : coordinates)
        if (gdi::isNowhere(c)) return true;
    return false;
}
bool anyNowhere(const POINT* points, int count) {
    for (int i = 0; i < count; ++i)
        if (gdi::isNowhere(points[i].x, points[i].y)) return true;
    return false;
}
} // namespace

bool CDC::Polyline(const POINT* points, int count) {
    if (!points || count < 2) return false;
    if (!m_painter || m_state.pen.lopnStyle == PS_NULL) return true;
    if (anyNowhere(points, count)) {
        // The runs between points that are nowhere are drawn on their own.
        int start = 0;
        for (int i = 0; i <= count; ++i) {
            if (i < count && !gdi::isNowhere(points[i].x, points[i].y)) continue;
            if (i - start >= 2) CDC::Polyline(points + start, i - start);
            start = i + 1;
        }
        return true;
    }
    QPoint onStack[kStackPoints];
    std::vector<QPoint> onHeap;
    QPoint* d = onStack;
    if (count > kStackPoints) {
        onHeap.resize(static_cast<size_t>(count));
        d = onHeap.data();
    }
    const State& s = m_state;
    for (int i = 0; i < count; ++i)
        d[i] = QPoint(MapAxis(points[i].x, s.windowOrg.x, s.viewportExt.cx, s.windowExt.cx, s.viewportOrg.x),
                      MapAxis(points[i].y, s.windowOrg.y, s.viewportExt.cy, s.windowExt.cy, s.viewportOrg.y));
    strokePolyline(d, count);
    return true;
}

bool CDC::Polygon(const POINT* points, int count) {
    if (!points || count < 2) return false;
    if (!m_painter || anyNowhere(points, count)) return true;
    std::vector<POINT> d(points, points + count);
    LPtoDP(d.data(), count);
    QPolygonF poly;
    poly.reserve(count);
    for (const POINT& p : d)
        poly << QPointF(p.x, p.y);
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(poly);
    path.closeSubpath();
    paintPath(path, true, true);
    return true;
}

bool CDC::Rectangle(int left, int top, int right, int bottom) {
    if (!m_painter || anyNowhere({left, top, right, bottom})) return true;
    const DeviceRect d = shapeRect(*this, left, top, right, bottom);
    if (d.empty()) return true;
    const QRect r = d.cut();
    QPainterPath fill;
    fill.addRect(QRectF(r.left(), r.top(), r.width(), r.height()));
    paintPath(fill, true, false);
    QPainterPath outline;
    outline.addRect(QRectF(r.left(), r.top(), r.width() - 1, r.height() - 1));
    paintPath(outline, false, true);
    return true;
}

bool CDC::Ellipse(int left, int top, int right, int bottom) {
    if (!m_painter || anyNowhere({left, top, right, bottom})) return true;
    const DeviceRect d = shapeRect(*this, left, top, right, bottom);
    if (d.empty()) return true;
    QPainterPath path;
    path.addEllipse(d.exact().adjusted(0, 0, -1, -1));
    paintPath(path, true, true);
    return true;
}

namespace {

enum class ArcKind { arc, chord, pie };

// The arc of the ellipse in device rectangle r from the radial through s to the
// radial through e, counter-clockwise as seen on the device.
QPainterPath arcPath(const DeviceRect& r, QPoint s, QPoint e, ArcKind kind) {
    const double a = static_cast<double>(r.width() - 1) / 2.0;
    const double b = static_cast<double>(r.height() - 1) / 2.0;
    const double cx = static_cast<double>(r.left) + a;
    const double cy = static_cast<double>(r.top) + b;
    QPainterPath path;
    if (a <= 0 || b <= 0) return path;
    // Angles counter-clockwise on the device (y down), then the ellipse's parameter.
    auto parameter = [&](QPoint p) {
        const double theta = std::atan2(-(p.y() - cy), p.x() - cx);
        return std::atan2(std::sin(theta) / b, std::cos(theta) / a);
    };
    const double t0 = parameter(s);
    double span = parameter(e) - t0;
    while (span <= 1e-12)
        span += 2 * std::numbers::pi;
    // A step of about two pixels along the curve, bounded before it becomes a count.
    const int steps = static_cast<int>(std::clamp(std::ceil(span * std::max(a, b) / 2.0), 8.0, 2000.0));
    auto at = [&](double t) { return QPointF(cx + a * std::cos(t), cy - b * std::sin(t)); };
    if (kind == ArcKind::pie) {
        path.moveTo(cx, cy);
        path.lineTo(at(t0));
    } else {
        path.moveTo(at(t0));
    }
    for (int i = 1; i <= steps; ++i)
        path.lineTo(at(t0 + span * i / steps));
    if (kind != ArcKind::arc) path.closeSubpath();
    return path;
}

// The device path of an arc, chord or pie given in logical coordinates.
QPainterPath logicalArcPath(const CDC& dc, int left, int top, int right, int bottom, int xStart, int yStart,
                            int xEnd, int yEnd, ArcKind kind) {
    const DeviceRect r = shapeRect(dc, left, top, right, bottom);
    POINT p[2] = {{xStart, yStart}, {xEnd, yEnd}};
    dc.LPtoDP(p, 2);
    return arcPath(r, QPoint(p[0].x, p[0].y), QPoint(p[1].x, p[1].y), kind);
}

} // namespace

bool CDC::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    if (!m_painter || anyNowhere({left, top, right, bottom, xStart, yStart, xEnd, yEnd})) return true;
    paintPath(logicalArcPath(*this, left, top, right, bottom, xStart, yStart, xEnd, yEnd, ArcKind::arc),
              false, true);
    return true;
}

bool CDC::Chord(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    if (!m_painter || anyNowhere({left, top, right, bottom, xStart, yStart, xEnd, yEnd})) return true;
    paintPath(logicalArcPath(*this, left, top, right, bottom, xStart, yStart, xEnd, yEnd, ArcKind::chord),
              true, true);
    return true;
}

bool CDC::Pie(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    if (!m_painter || anyNowhere({left, top, right, bottom, xStart, yStart, xEnd, yEnd})) return true;
    paintPath(logicalArcPath(*this, left, top, right, bottom, xStart, yStart, xEnd, yEnd, ArcKind::pie), true,
              true);
    return true;
}

void CDC::FillRect(const RECT* rect, CBrush* brush) {
    if (!m_painter || !rect || !brush || !brush->IsCreated()) return;
    if (anyNowhere({rect->left, rect->top, rect->right, rect->bottom})) return;
    const DeviceRect d = shapeRect(*this, rect->left, rect->top, rect->right, rect->bottom);
    if (d.empty()) return;
    const LOGBRUSH& b = brush->GetData();
    if (b.lbStyle == BS_NULL) return;
    const QRect r = d.cut();
    if (b.lbStyle == BS_HATCHED && m_state.bkMode == OPAQUE)
        m_painter->fillRect(r, toQColor(m_state.bkColor));
    m_painter->fillRect(r, makeBrush(b));
}

void CDC::FillSolidRect(const RECT* rect, COLORREF color) {
    if (!m_painter || !rect || anyNowhere({rect->left, rect->top, rect->right, rect->bottom})) return;
    const DeviceRect d = shapeRect(*this, rect->left, rect->top, rect->right, rect->bottom);
    if (d.empty()) return;
    m_painter->fillRect(d.cut(), toQColor(color));
}

bool CDC::SetPixelV(int x, int y, COLORREF color) {
    if (!m_painter || gdi::isNowhere(x, y)) return true;
    POINT p{x, y};
    LPtoDP(&p);
    m_painter->fillRect(QRect(p.x, p.y, 1, 1), toQColor(color));
    return true;
}

bool CDC::DrawEdge(RECT* rect, UINT edge, UINT flags) {
    if (!rect) return false;
    POINT p[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
    LPtoDP(p, 2);
    DeviceRect r(p[0].x, p[0].y, p[1].x, p[1].y);
    // Outer border, then inner: (top-left colour, bottom-right colour).
    struct Border {
        UINT raised, sunken;
        COLORREF raisedTL, raisedBR, sunkenTL, sunkenBR;
    };
    const Border borders[2] = {
        {BDR_RAISEDOUTER, BDR_SUNKENOUTER, kLight, kDarkShadow, kShadow, kHighlight},
        {BDR_RAISEDINNER, BDR_SUNKENINNER, kHighlight, kShadow, kDarkShadow, kLight},
    };
    for (const Border& b : borders) {
        if (!(edge & (b.raised | b.sunken))) continue;
        if (r.empty()) break;
        COLORREF tl = (edge & b.raised) ? b.raisedTL : b.sunkenTL;
        COLORREF br = (edge & b.raised) ? b.raisedBR : b.sunkenBR;
        if (flags & BF_MONO)
            tl = br = RGB(0, 0, 0);
        else if (flags & BF_FLAT)
            tl = br = kShadow;
        if (m_painter) {
            const QRect c = r.cut();
            if (flags & BF_TOP) m_painter->fillRect(QRect(c.left(), c.top(), c.width(), 1), toQColor(tl));
            if (flags & BF_LEFT) m_painter->fillRect(QRect(c.left(), c.top(), 1, c.height()), toQColor(tl));
            if (flags & BF_BOTTOM)
                m_painter->fillRect(QRect(c.left(), c.bottom(), c.width(), 1), toQColor(br));
            if (flags & BF_RIGHT) m_painter->fillRect(QRect(c.right(), c.top(), 1, c.height()), toQColor(br));
        }
        if (flags & BF_LEFT) ++r.left;
        if (flags & BF_TOP) ++r.top;
        if (flags & BF_RIGHT) --r.right;
        if (flags & BF_BOTTOM) --r.bottom;
    }
    if ((flags & BF_MIDDLE) && m_painter && !r.empty()) m_painter->fillRect(r.cut(), toQColor(kFace));
    if (flags & BF_ADJUST) {
        // The inside, back in logical units, each corner keeping its side.
        const bool leftIsLeft = p[0].x <= p[1].x;
        const bool topIsTop = p[0].y <= p[1].y;
        POINT q[2];
        q[0].x = gdi::saturate(leftIsLeft ? r.left : r.right);
        q[1].x = gdi::saturate(leftIsLeft ? r.right : r.left);
        q[0].y = gdi::saturate(topIsTop ? r.top : r.bottom);
        q[1].y = gdi::saturate(topIsTop ? r.bottom : r.top);
        DPtoLP(q, 2);
        *rect = RECT{q[0].x, q[0].y, q[1].x, q[1].y};
    }
    return true;
}

void CDC::Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight) {
    if (!m_painter || !rect || anyNowhere({rect->left, rect->top, rect->right, rect->bottom})) return;
    const DeviceRect d = shapeRect(*this, rect->left, rect->top, rect->right, rect->bottom);
    if (d.empty()) return;
    const QRect r = d.cut();
    m_painter->fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), toQColor(topLeft));
    m_painter->fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), toQColor(topLeft));
    m_painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), toQColor(bottomRight));
    m_painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), toQColor(bottomRight));
}

// --- Fonts and text ----------------------------------------------------------------------

namespace {

QFont::StyleHint styleHintFor(const LOGFONT& lf, const QString& face) {
    const QString f = face.toLower();
    if (f.contains("courier") || f.contains("mono") || (lf.lfPitchAndFamily & 0xF0) == FF_MODERN)
        return QFont::TypeWriter;
    if (f.contains("times") || f.contains("serif") || (lf.lfPitchAndFamily & 0xF0) == FF_ROMAN)
        return f.contains("sans") ? QFont::SansSerif : QFont::Serif;
    return QFont::SansSerif;
}

// The font in device pixels for the given logical scales.
QFont realiseFont(const LOGFONT& lf, bool inPixels, double scaleX, double scaleY, int dpiY) {
    QString face = QString::fromUtf8(lf.FaceName());
    if (face.isEmpty()) face = QStringLiteral("Sans Serif");
    QFont font(face);
    font.setStyleHint(styleHintFor(lf, face));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setWeight(
        static_cast<QFont::Weight>(lf.lfWeight <= 0 ? FW_NORMAL : std::clamp<int>(lf.lfWeight, 100, 900)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);

    double height; // device pixels: negative for a character height, positive for a cell height
    if (lf.lfHeight == 0)
        height = -13.0 * dpiY / 96.0;
    else if (inPixels)
        height = lf.lfHeight;
    else
        height = lf.lfHeight * std::abs(scaleY);
    double em = -height;
    if (height > 0) {
        QFont probe = font;
        probe.setPixelSize(100);
        const QFontMetricsF m(probe);
        const double cell = m.ascent() + m.descent();
        em = cell > 0 ? height * 100.0 / cell : height;
    }
    // Glyphs beyond a few screens are no text anyone reads, and rasterising
    // them costs memory by the square of their size.
    font.setPixelSize(std::clamp(roundToInt(em), 1, kMaxFontPixels));
    if (lf.lfWidth != 0) {
        const QFontMetricsF m(font);
        const double natural = m.averageCharWidth();
        const double wanted = std::abs(lf.lfWidth * (inPixels ? 1.0 : scaleX));
        if (natural > 0) font.setStretch(std::clamp(roundToInt(100.0 * wanted / natural), 1, 4000));
    }
    return font;
}

QString stripPrefixes(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('&')) {
            if (i + 1 < s.size() && s[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += s[i];
    }
    return out;
}

// The text cut to the width with "..."; advance receives the width of the result.
QString elide(const QFontMetricsF& m, QString s, double width, double* advance = nullptr) {
    static const QString dots = QStringLiteral("...");
    double w = m.horizontalAdvance(s);
    if (w <= width) {
        if (advance) *advance = w;
        return s;
    }
    while (!s.isEmpty() && (w = m.horizontalAdvance(s + dots)) > width) {
        s.chop(1);
        if (!s.isEmpty() && s.back().isHighSurrogate()) s.chop(1);
    }
    if (advance) *advance = s.isEmpty() ? m.horizontalAdvance(dots) : w;
    return s + dots;
}

// Lines of DrawText: paragraphs at line breaks, and words wrapped at spaces
// when a width is given (a word wider than the width keeps a line of its own).
std::vector<QString> layoutLines(const QString& text, UINT format, const QFontMetricsF& m, double width) {
    std::vector<QString> lines;
    if (format & DT_SINGLELINE) {
        QString s = text;
        s.remove(QLatin1Char('\r'));
        s.remove(QLatin1Char('\n'));
        lines.push_back(s);
        return lines;
    }
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList paragraphs = normalised.split(QLatin1Char('\n'));
    for (const QString& para : paragraphs) {
        if (!(format & DT_WORDBREAK)) {
            lines.push_back(para);
            continue;
        }
        QString line;
        qsizetype i = 0;
        while (i < para.size()) {
            qsizetype j = i;
            while (j < para.size() && para[j] != QLatin1Char(' '))
                ++j;
            const qsizetype wordEnd = j;
            while (j < para.size() && para[j] == QLatin1Char(' '))
                ++j;
            const QString word = para.mid(i, wordEnd - i);
            const QString spaces = para.mid(wordEnd, j - wordEnd);
            if (!line.isEmpty() && m.horizontalAdvance(line + word) > width) {
                while (line.endsWith(QLatin1Char(' ')))
                    line.chop(1);
                lines.push_back(line);
                line.clear();
            }
            line += word + spaces;
            i = j;
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        lines.push_back(line);
    }
    return lines;
}

} // namespace

const QFont& CDC::realisedFont() const {
    Impl& impl = *m_impl;
    const State& s = m_state;
    const double sx = scaleX();
    const double sy = scaleY();
    if (!impl.fontValid || !(impl.fontKey == s.font) || impl.fontKeyInPixels != s.fontInPixels ||
        impl.fontKeyScaleX != sx || impl.fontKeyScaleY != sy) {
        impl.font = realiseFont(s.font, s.fontInPixels, sx, sy, m_caps.logPixelsY);
        impl.metrics.emplace(impl.font);
        impl.fontKey = s.font;
        impl.fontKeyInPixels = s.fontInPixels;
        impl.fontKeyScaleX = sx;
        impl.fontKeyScaleY = sy;
        impl.fontValid = true;
    }
    return impl.font;
}

bool CDC::TextOut(int x, int y, std::string_view text) {
    const State& s = m_state;
    const double sx = scaleX();
    const double sy = scaleY();
    const QFont& font = realisedFont();
    const QFontMetricsF& m = *m_impl->metrics;
    const QString qs = toQString(text);
    const bool updateCP = (s.textAlign & TA_UPDATECP) != 0;
    const bool centred = (s.textAlign & TA_CENTER) == TA_CENTER;
    const bool rightAligned = !centred && (s.textAlign & TA_RIGHT);
    const bool opaque = s.bkMode == OPAQUE;
    // Left-aligned transparent text, the common case, needs no measuring.
    const double width = (centred || rightAligned || opaque || updateCP) ? m.horizontalAdvance(qs) : 0.0;
    POINT anchor = updateCP ? POINT(s.currentPosition) : POINT{x, y};
    if (gdi::isNowhere(anchor.x, anchor.y)) return true;
    LPtoDP(&anchor);

    double dx = 0;
    if (centred)
        dx = -width / 2;
    else if (rightAligned)
        dx = -width;
    double baseline;
    if ((s.textAlign & TA_BASELINE) == TA_BASELINE)
        baseline = 0;
    else if (s.textAlign & TA_BOTTOM)
        baseline = -m.descent();
    else
        baseline = m.ascent();
    // Counter-clockwise as seen where y grows downwards; a mapping that turns an
    // axis over turns the text's rotation with it (the glyphs stay upright).
    const double angle = s.font.lfEscapement / 10.0 * (sx < 0 ? -1 : 1) * (sy < 0 ? -1 : 1);

    if (m_painter) {
        if (angle != 0) {
            m_painter->save();
            m_painter->translate(anchor.x, anchor.y);
            m_painter->rotate(-angle);
            if (opaque)
                m_painter->fillRect(QRectF(dx, baseline - m.ascent(), width, m.ascent() + m.descent()),
                                    toQColor(s.bkColor));
            m_painter->setFont(font);
            m_painter->setPen(m_impl->realisedTextPen(s.textColor));
            m_painter->drawText(QPointF(dx, baseline), qs);
            m_painter->restore();
        } else {
            // Upright text needs no turn of the painter and no saved state: a
            // shift of whole pixels to the anchor and back.
            m_painter->translate(anchor.x, anchor.y);
            if (opaque)
                m_painter->fillRect(QRectF(dx, baseline - m.ascent(), width, m.ascent() + m.descent()),
                                    toQColor(s.bkColor));
            if (!(m_painter->font() == font)) m_painter->setFont(font);
            m_painter->setPen(m_impl->realisedTextPen(s.textColor));
            m_painter->drawText(QPointF(dx, baseline), qs);
            m_painter->translate(-anchor.x, -anchor.y);
        }
    }
    if (updateCP) {
        double advance = 0;
        if (centred)
            advance = 0;
        else if (rightAligned)
            advance = -width;
        else
            advance = width;
        const double rad = angle * std::numbers::pi / 180.0;
        const double ddx = advance * std::cos(rad);
        const double ddy = -advance * std::sin(rad);
        m_state.currentPosition.x = gdi::add(m_state.currentPosition.x, roundToInt(ddx / sx));
        m_state.currentPosition.y = gdi::add(m_state.currentPosition.y, roundToInt(ddy / sy));
    }
    return true;
}

int CDC::DrawText(std::string_view text, RECT* rect, UINT format) {
    if (!rect) return 0;
    if (anyNowhere({rect->left, rect->top, rect->right, rect->bottom})) return 0;
    const State& s = m_state;
    const double sx = scaleX();
    const double sy = scaleY();
    const QFont& font = realisedFont();
    const QFontMetricsF& m = *m_impl->metrics;
    QString qs = toQString(text);
    if (!(format & DT_NOPREFIX)) qs = stripPrefixes(qs);
    qs.replace(QLatin1Char('\t'),
               (format & DT_EXPANDTABS) ? QStringLiteral("        ") : QStringLiteral(" "));

    POINT p[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
    LPtoDP(p, 2);
    const double left = std::min(p[0].x, p[1].x);
    const double right = std::max(p[0].x, p[1].x);
    const double top = std::min(p[0].y, p[1].y);
    const double bottom = std::max(p[0].y, p[1].y);
    const double boxWidth = right - left;

    const std::vector<QString> lines = layoutLines(qs, format, m, boxWidth);
    const double lineHeight = m.ascent() + m.descent();
    // Each line is a text-metric height, as the caller measures it.
    const int logicalHeight = roundToInt(lineHeight / std::abs(sy)) * static_cast<int>(lines.size());

    if (format & DT_CALCRECT) {
        double widest = 0;
        for (const QString& l : lines)
            widest = std::max(widest, m.horizontalAdvance(l));
        const int logicalWidth = roundToInt(widest / std::abs(sx));
        // Right and bottom move away from left and top in the device's directions.
        rect->right = rect->left + (sx > 0 ? logicalWidth : -logicalWidth);
        rect->bottom = rect->top + (sy > 0 ? logicalHeight : -logicalHeight);
        return logicalHeight;
    }
    if (!m_painter) return logicalHeight;

    double y = top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = top + (bottom - top - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            y = bottom - lineHeight;
    }
    m_painter->save();
    if (!(format & DT_NOCLIP))
        m_painter->setClipRect(QRectF(left, top, right - left, bottom - top), Qt::IntersectClip);
    m_painter->setFont(font);
    m_painter->setPen(toQColor(s.textColor));
    for (QString line : lines) {
        // Left-aligned transparent text needs no width: measuring shapes the text once more.
        const bool needWidth = (format & (DT_CENTER | DT_RIGHT)) || s.bkMode == OPAQUE;
        double w = 0;
        if (format & DT_END_ELLIPSIS)
            line = elide(m, line, boxWidth, &w);
        else if (needWidth)
            w = m.horizontalAdvance(line);
        double x = left;
        if (format & DT_CENTER)
            x = left + (boxWidth - w) / 2;
        else if (format & DT_RIGHT)
            x = right - w;
        if (s.bkMode == OPAQUE) m_painter->fillRect(QRectF(x, y, w, lineHeight), toQColor(s.bkColor));
        m_painter->drawText(QPointF(x, y + m.ascent()), line);
        y += lineHeight;
    }
    m_painter->restore();
    return logicalHeight;
}

CSize CDC::GetTextExtent(std::string_view text) const {
    const double sx = scaleX();
    const double sy = scaleY();
    realisedFont();
    const QFontMetricsF& m = *m_impl->metrics;
    return CSize(roundToInt(m.horizontalAdvance(toQString(text)) / std::abs(sx)),
                 roundToInt((m.ascent() + m.descent()) / std::abs(sy)));
}

bool CDC::GetTextMetrics(TEXTMETRIC* tm) const {
    if (!tm) return false;
    const State& s = m_state;
    const double sx = std::abs(scaleX());
    const double sy = std::abs(scaleY());
    const QFont& font = realisedFont();
    const QFontMetricsF& m = *m_impl->metrics;
    *tm = TEXTMETRIC{};
    tm->tmHeight = roundToInt((m.ascent() + m.descent()) / sy);
    tm->tmAscent = roundToInt(m.ascent() / sy);
    tm->tmDescent = tm->tmHeight - tm->tmAscent;
    tm->tmInternalLeading = std::max(0, tm->tmHeight - roundToInt(font.pixelSize() / sy));
    tm->tmExternalLeading = roundToInt(std::max(0.0, m.leading()) / sy);
    tm->tmAveCharWidth = roundToInt(m.averageCharWidth() / sx);
    tm->tmMaxCharWidth = roundToInt(m.maxWidth() / sx);
    tm->tmWeight = s.font.lfWeight <= 0 ? FW_NORMAL : s.font.lfWeight;
    tm->tmItalic = s.font.lfItalic;
    tm->tmUnderlined = s.font.lfUnderline;
    tm->tmStruckOut = s.font.lfStrikeOut;
    tm->tmPitchAndFamily = s.font.lfPitchAndFamily;
    tm->tmCharSet = s.font.lfCharSet;
    return true;
}

// --- Printing -----------------------------------------------------------------------------

int CDC::StartDoc(std::string_view) {
    return SP_ERROR;
}
int CDC::StartPage() {
    return SP_ERROR;
}
int CDC::EndPage() {
    return SP_ERROR;
}
int CDC::EndDoc() {
    return SP_ERROR;
}
int CDC::AbortDoc() {
    return SP_ERROR;
}
