#include "platform/ui/CImageList.h"

#include "platform/ui/CResources.h"

#include <QImage>
#include <QPixmap>

CImageList::CImageList() = default;
CImageList::~CImageList() = default;

BOOL CImageList::Create(UINT nBitmapID, int cx, int, COLORREF crMask) {
    DeleteImageList();
    if (cx <= 0) return FALSE;
    m_cx = cx;
    const QImage image = CResources::Instance().LoadBitmap(nBitmapID, QSize());
    if (image.isNull()) return FALSE;
    return Add(image, crMask) >= 0;
}

int CImageList::GetImageCount() const {
    return static_cast<int>(m_images.size());
}

int CImageList::Add(const QImage& image, COLORREF crMask) {
    if (image.isNull() || image.width() < m_cx) return -1;
    const int first = GetImageCount();
    const QRgb mask = qRgb(crMask & 0xFF, (crMask >> 8) & 0xFF, (crMask >> 16) & 0xFF);
    QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == (mask & 0x00FFFFFF)) line[x] = 0;
    }
    for (int x = 0; x + m_cx <= argb.width(); x += m_cx)
        m_images.push_back(argb.copy(x, 0, m_cx, argb.height()));
    return first;
}

QPixmap CImageList::GetPixmap(int nImage) const {
    if (nImage < 0 || nImage >= GetImageCount()) return QPixmap();
    return QPixmap::fromImage(m_images[static_cast<size_t>(nImage)]);
}

void CImageList::DeleteImageList() {
    m_images.clear();
}
