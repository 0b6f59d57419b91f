// Pictures in device contexts: SVG and PNG artwork and display lists drawn into
// rectangles, and drawings exported as SVG and PNG documents.
#include "platform/core/Exceptions.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CMetaFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>

namespace {

// Display lists inside display lists are played this deep at most: a damaged
// or hostile list that contains itself over and over ends there.
constexpr int kMaxNesting = 16;
thread_local int t_nesting = 0;

QByteArray toBytes(std::string_view data) {
    return QByteArray(data.data(), static_cast<qsizetype>(data.size()));
}

std::string toString(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool startsWith(std::string_view data, std::string_view head) {
    return data.substr(0, head.size()) == head;
}

} // namespace

bool CDC::DrawPicture(const RECT& rect, CPictureKind kind, std::string_view data) {
    if (kind == CPictureKind::displayList) {
        if (t_nesting >= kMaxNesting) return false;
        struct Level {
            Level() { ++t_nesting; }
            ~Level() { --t_nesting; }
            Level(const Level&) = delete;
            Level& operator=(const Level&) = delete;
        } level;
        try {
            return CMetaFile::FromBytes(data).Play(*this, rect);
        } catch (const CException&) {
            return false; // bytes that are no display list draw nothing
        }
    }
    if (!m_painter) return true;
    POINT p[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    LPtoDP(p, 2);
    const QRectF box = QRectF(QPointF(p[0].x, p[0].y), QPointF(p[1].x, p[1].y)).normalized();
    if (box.isEmpty()) return true;
    switch (kind) {
    case CPictureKind::svg: {
        QSvgRenderer renderer(toBytes(data));
        if (!renderer.isValid()) return false;
        renderer.render(m_painter, box);
        return true;
    }
    case CPictureKind::png: {
        const QImage image = QImage::fromData(toBytes(data), "PNG");
        if (image.isNull()) return false;
        m_painter->save();
        m_painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
        m_painter->drawImage(box, image);
        m_painter->restore();
        return true;
    }
    default:
        return false;
    }
}

bool CDC::DrawPictureFile(const RECT& rect, std::string_view path) {
    QFile file(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const std::string data = toString(file.readAll());
    CPictureKind kind;
    if (startsWith(data, "\x89PNG\r\n\x1a\n"))
        kind = CPictureKind::png;
    else if (startsWith(data, "\x12StrakonDisplayList"))
        kind = CPictureKind::displayList;
    else if (data.find("<svg") != std::string::npos)
        kind = CPictureKind::svg;
    else
        return false;
    return DrawPicture(rect, kind, data);
}

// --- Export -----------------------------------------------------------------------------------

std::string DrawToSvg(CSize pixels, int dpi, const std::function<void(CDC&)>& draw) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(pixels.cx, pixels.cy));
    generator.setViewBox(QRect(0, 0, pixels.cx, pixels.cy));
    generator.setResolution(dpi);
    {
        QPainter painter(&generator);
        painter.fillRect(QRect(0, 0, pixels.cx, pixels.cy), Qt::white);
        CDC dc(&painter, &generator);
        draw(dc);
    }
    // The generator gives the size in millimetres, which readers turn back into
    // pixels at a resolution of their own; the picture's size is its pixels.
    std::string svg = toString(buffer.data());
    const std::size_t width = svg.find(" width=\"");
    const std::size_t end = width == std::string::npos ? width : svg.find('\n', width);
    if (end != std::string::npos)
        svg.replace(width, end - width,
                    " width=\"" + std::to_string(pixels.cx) + "\" height=\"" + std::to_string(pixels.cy) +
                        "\"");
    return svg;
}

std::string DrawToPng(CSize pixels, int dpi, const std::function<void(CDC&)>& draw) {
    QImage image(std::max(1, pixels.cx), std::max(1, pixels.cy), QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        CDC dc(&painter, &image);
        draw(dc);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return toString(buffer.data());
}

std::string CMetaFile::ToSvg(CSize pixels) const {
    return DrawToSvg(pixels, 96, [&](CDC& dc) { Play(dc, CRect(0, 0, pixels.cx, pixels.cy)); });
}

std::string CMetaFile::ToPng(CSize pixels) const {
    return DrawToPng(pixels, 96, [&](CDC& dc) { Play(dc, CRect(0, 0, pixels.cx, pixels.cy)); });
}
