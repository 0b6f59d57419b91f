#include "platform/gdi/CImageDC.h"

#include <QImage>
#include <QPainter>

CImageDC::CImageDC(QImage* image) : CDC(CDeviceCaps{}) {
    if (!image || image->isNull()) return;
    setCaps(CDeviceCaps::FromDevice(*image));
    m_ownPainter = std::make_unique<QPainter>(image);
    attachPainter(m_ownPainter.get(), false);
}

CImageDC::~CImageDC() {
    detachPainter();
    if (m_ownPainter) m_ownPainter->end();
}
