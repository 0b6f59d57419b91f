#pragma once
// The system's colours of window elements, taken from the application's palette.
#include "platform/core/COLORREF.h"

constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNTEXT = 18;

// The colour of the element; black for an index this platform does not know.
COLORREF GetSysColor(int nIndex);
