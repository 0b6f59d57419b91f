#pragma once
// The picture a view keeps of its drawing. OnDraw draws the document into an
// image only where the picture is out of date (the view was invalidated, it
// grew, or scrolling uncovered a strip of it); every paint event copies the
// image to the window and draws the view's overlay (drag outlines, the rubber
// band, a highlight) on top, so that an overlay never changes the picture.
//
// The image covers the whole scrolled area of the view while that stays within
// a budget of pixels, so that scrolling draws nothing at all; a larger area is
// covered window by window: scrolling moves the image and draws only the strip
// it uncovers. OnDraw sees the same mapping (OnPrepareDC) and the same kind of
// clip box as in a paint event, the box being the part that is drawn.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>

class CView;
class QPainter;
class QWidget;

class CViewCache {
public:
    explicit CViewCache(CView& view) : m_view(view) {}

    // The document changed: all of the picture, or the given part of the
    // window (client pixels), is drawn again at the next paint.
    void InvalidateAll();
    void InvalidateClient(const QRect& client);
    // Paints the window's paint event with painter on widget (the view's client area).
    void Paint(QPainter& painter, QWidget* widget);

    // Pixels of the largest picture that covers a whole scrolled area.
    static constexpr long long kWholeAreaBudget = 8LL * 1024 * 1024;
    // The longest side of the picture of a window larger than that.
    static constexpr int kLargestScreenSide = 8192;

private:
    // The scroll position and the size of the whole scrolled area of the view.
    QPoint scrollPosition() const;
    QSize scrolledSize(const QWidget* widget) const;
    // Moves the picture of a window-sized image to a new scroll position.
    void follow(const QPoint& scroll);
    void drawDirty(QWidget* widget, const QPoint& scroll);

    CView& m_view;
    QImage m_image;
    QRect m_rect;    // the part of the scrolled area the image shows
    QRegion m_dirty; // out of date, in coordinates of the scrolled area
    bool m_whole = false;
    qreal m_ratio = 1;
};
