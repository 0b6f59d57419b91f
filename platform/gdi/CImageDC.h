#pragma once
// A device context that paints into an image: pictures for tests and files,
// and the off-screen buffers of double-buffered painting. The image's size and
// resolution are the device's.
#include "platform/gdi/CDC.h"

class QImage;

class CImageDC : public CDC {
public:
    // Paints into image (not owned), which must outlive the context.
    explicit CImageDC(QImage* image);
    ~CImageDC() override;

private:
    std::unique_ptr<QPainter> m_ownPainter;
};
