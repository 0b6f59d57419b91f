#include "platform/gdi/GuiGetMMFactor.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/GdiDefs.h"

#include <cstdlib>

double GuiGetMMFactor(const CDC& dc) {
    const int dpi = dc.GetDeviceCaps(LOGPIXELSX);
    if (dpi <= 0) return 0.0;
    // A long distance keeps the context's integer conversion exact to many digits.
    constexpr int kPixels = 1000000;
    SIZE size{kPixels, kPixels};
    dc.DPtoLP(&size);
    const double logicalPerPixel = std::abs(static_cast<double>(size.cx)) / kPixels;
    return logicalPerPixel * dpi / 25.4;
}
