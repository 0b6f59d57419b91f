#include "platform/gdi/CImageDC.h"

#include <QImage>
#include <QPainter>

CImageDC::CImageDC(QImage* image) : CDC(CDeviceCaps{}) {
    if (!image || image->isNull()) return;
    CDeviceCaps caps =
        CDeviceCaps::FromPixels(image->width(), image->height(), image->logicalDpiX(), image->logicalDpiY());
    caps.bitsPixel = image->depth();
    setCaps(caps);
    m_ownPainter = std::make_unique<QPainter>(image);
    attachPainter(m_ownPainter.get(), false);
}

CImageDC::~CImageDC() {
    detachPainter();
    if (m_ownPainter) m_ownPainter->end();
}
