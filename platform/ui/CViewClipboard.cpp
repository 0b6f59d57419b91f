// A view's drawing copied to the clipboard as SVG and PNG.
#include "platform/gdi/CDC.h"
#include "platform/gdi/CMetaFile.h"
#include "platform/ui/CView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QWidget>

bool CView::CopyToClipboard() {
    QWidget* widget = GetInputWidget();
    if (!widget) return false;
    // Drawn directly, never from the picture the view keeps on screen.
    return CopyDrawingToClipboard(CSize(widget->width(), widget->height()), widget->logicalDpiX(),
                                  [this](CDC& dc) {
                                      OnPrepareDC(&dc);
                                      OnDraw(&dc);
                                  });
}

bool CView::CopyDrawingToClipboard(CSize pixels, int dpi, const std::function<void(CDC&)>& draw) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || pixels.cx <= 0 || pixels.cy <= 0) return false;
    const std::string svg = DrawToSvg(pixels, dpi, draw);
    const std::string png = DrawToPng(pixels, dpi, draw);
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"),
                  QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    data->setData(QStringLiteral("image/png"), QByteArray(png.data(), static_cast<qsizetype>(png.size())));
    clipboard->setMimeData(data);
    const QMimeData* held = clipboard->mimeData();
    return held && held->hasFormat(QStringLiteral("image/svg+xml")) &&
           held->hasFormat(QStringLiteral("image/png"));
}
