#pragma once
// The colour scale of utilisation factors, from light blue (much reserve) to
// red (exceeded). Inline, so that the drawing code of the views uses it without
// linking the design library.
#include "platform/core/COLORREF.h"

inline COLORREF GetFactorColor(double factor) {
    if (factor < 0.5) return RGB(135, 206, 250);
    if (factor < 0.7) return RGB(50, 205, 50);
    if (factor < 0.9) return RGB(255, 215, 0);
    if (factor < 1.0) return RGB(255, 165, 0);
    return RGB(255, 0, 0);
}
