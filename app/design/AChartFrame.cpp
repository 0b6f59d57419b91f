#include "app/design/AChartFrame.h"

#include "platform/gdi/CDC.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

AChartFrame::AChartFrame() = default;
AChartFrame::~AChartFrame() = default;

void AChartFrame::Redraw() {
    if (QWidget* widget = GetWidget()) widget->update();
}

bool AChartFrame::FilterEvent(QObject* watched, QEvent* event) {
    QWidget* widget = GetWidget();
    if (m_painter && widget && watched == widget && event->type() == QEvent::Paint) {
        QPainter painter(widget);
        CDC dc(&painter, widget);
        dc.SetMapMode(MM_LOMETRIC);
        dc.SetViewportOrg(0, widget->height());
        CSize size(widget->width(), widget->height());
        dc.DPtoLP(&size);
        m_painter(&dc, CSize(std::abs(size.cx), std::abs(size.cy)));
        return true;
    }
    return CStatic::FilterEvent(watched, event);
}
