#pragma once
// The command and pane ids that the framework library's frame and Window menu
// define and the program's resources share.
#include "platform/core/WinTypes.h"

// The modified pane of the status bar (its text is " MOD ").
constexpr UINT ID_INDICATOR_MODIFIED = 32905;
constexpr UINT ID_WINDOW_CLOSE = 32898;
constexpr UINT ID_WINDOW_CLOSEALL = 32899;
constexpr UINT ID_WINDOW_MOREWINDOWS = 32877;
constexpr UINT ID_WINDOW_NEXT = 32903;
constexpr UINT ID_WINDOW_PREVIOUS = 32904;
