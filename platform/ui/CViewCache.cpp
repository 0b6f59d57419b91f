#include "platform/ui/CViewCache.h"

#include "platform/gdi/CDC.h"
#include "platform/ui/CView.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QWidget>

#include <cstdlib>
#include <cstring>

namespace {

// The context OnDraw draws into the picture with: the window's capabilities,
// client coordinates, and the picture's part of the scrolled area as the
// device's rectangle, so that the clip box reaches as far as the picture does.
class CPictureDC : public CDC {
public:
    CPictureDC(QPainter* painter, QWidget* window, const QRect& box) : CDC(painter, window) {
        setDeviceBox(CRect(box.left(), box.top(), box.left() + box.width(), box.top() + box.height()));
    }
};

} // namespace

void CViewCache::InvalidateAll() {
    m_dirty = QRegion(m_rect);
}

void CViewCache::InvalidateClient(const QRect& client) {
    m_dirty += client.translated(scrollPosition()) & m_rect;
}

QPoint CViewCache::scrollPosition() const {
    QAbstractScrollArea* area = m_view.GetScrollArea();
    if (!area) return {};
    return QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value());
}

QSize CViewCache::scrolledSize(const QWidget* widget) const {
    QSize size = widget->size();
    if (QAbstractScrollArea* area = m_view.GetScrollArea())
        size += QSize(area->horizontalScrollBar()->maximum(), area->verticalScrollBar()->maximum());
    return size;
}

void CViewCache::follow(const QPoint& scroll) {
    const QPoint delta = m_rect.topLeft() - scroll; // how far the picture moves on the image
    const QRect moved = m_rect.translated(scroll - m_rect.topLeft());
    const int dx = qRound(delta.x() * m_ratio);
    const int dy = qRound(delta.y() * m_ratio);
    const bool wholePixels = dx == delta.x() * m_ratio && dy == delta.y() * m_ratio;
    if (!wholePixels || std::abs(dx) >= m_image.width() || std::abs(dy) >= m_image.height()) {
        m_rect = moved;
        InvalidateAll();
        return;
    }
    // Rows move in the order that reads every source row before it is overwritten.
    const int height = m_image.height();
    const int width = m_image.width();
    const int bytes = (width - std::abs(dx)) * 4;
    const int from = dx < 0 ? -dx : 0;
    const int to = dx > 0 ? dx : 0;
    auto moveRow = [&](int y) {
        const int source = y - dy;
        if (source < 0 || source >= height) return;
        std::memmove(reinterpret_cast<uchar*>(m_image.scanLine(y)) + to * 4,
                     reinterpret_cast<const uchar*>(m_image.constScanLine(source)) + from * 4,
                     static_cast<size_t>(bytes));
    };
    if (dy > 0)
        for (int y = height - 1; y >= 0; --y)
            moveRow(y);
    else
        for (int y = 0; y < height; ++y)
            moveRow(y);
    // What the old picture did not cover is drawn anew; what it had still to draw stays to draw.
    QRegion uncovered(moved);
    uncovered -= m_rect;
    m_dirty = (m_dirty & moved) + uncovered;
    m_rect = moved;
}

void CViewCache::drawDirty(QWidget* widget, const QPoint& scroll) {
    m_dirty &= m_rect;
    if (m_dirty.isEmpty()) return;
    QPainter painter(&m_image);
    // Client coordinates on the image: the views draw as they would on the window.
    painter.translate(scroll - m_rect.topLeft());
    const QRegion dirty = m_dirty.translated(-scroll);
    painter.setClipRegion(dirty);
    const QBrush background = widget->palette().brush(widget->backgroundRole());
    for (const QRect& r : dirty)
        painter.fillRect(r, background);
    m_dirty = QRegion();
    CPictureDC dc(&painter, widget, m_rect.translated(-scroll));
    m_view.OnPrepareDC(&dc);
    m_view.OnDraw(&dc);
}

void CViewCache::Paint(QPainter& painter, QWidget* widget) {
    const QPoint scroll = scrollPosition();
    const QSize whole = scrolledSize(widget);
    const qreal ratio = widget->devicePixelRatioF();
    const bool fits =
        static_cast<long long>(whole.width() * ratio) * static_cast<long long>(whole.height() * ratio) <=
        kWholeAreaBudget;
    // Otherwise the picture covers what the window shows, and never more than
    // the screen holds: a window sized beyond it by a damaged placement asks
    // for no picture of its own size.
    QSize screen(kLargestScreenSide, kLargestScreenSide);
    if (const QScreen* s = widget->screen()) screen = screen.boundedTo(s->size());
    const QRect wanted = fits ? QRect(QPoint(0, 0), whole) : QRect(scroll, widget->size().boundedTo(screen));
    if (m_image.isNull() || fits != m_whole || wanted.size() != m_rect.size() || ratio != m_ratio) {
        m_whole = fits;
        m_ratio = ratio;
        m_rect = wanted;
        m_image = QImage((QSizeF(wanted.size()) * ratio).toSize(), QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        InvalidateAll();
    } else if (!m_whole && m_rect.topLeft() != scroll) {
        follow(scroll);
    }
    if (m_image.isNull()) return;
    drawDirty(widget, scroll);
    painter.drawImage(m_rect.topLeft() - scroll, m_image);
}
