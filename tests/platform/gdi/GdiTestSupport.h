#pragma once
// What the drawing tests share: a font that every test machine has, and white
// images of a known resolution, on which logical units land on known pixels.
#include "platform/gdi/GdiDefs.h"

#include <QImage>

// DejaVu Sans (installed with the test dependencies) of the given height and escapement.
inline LOGFONT DejaVuFont(int height, int escapement = 0) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfEscapement = escapement;
    lf.lfWeight = FW_NORMAL;
    lf.SetFaceName("DejaVu Sans");
    return lf;
}

// A white image of the given resolution in dots per inch.
inline QImage WhiteImage(int width, int height, int dpi = 96) {
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    return image;
}
