#pragma once
// Between Qt's key codes and the virtual-key codes that accelerator tables and
// key messages carry.
#include "platform/core/WinTypes.h"

// 0 when the key has no virtual-key code.
UINT AfxQtKeyToVirtualKey(int qtKey);
// 0 when the virtual key has no Qt key.
int AfxVirtualKeyToQtKey(UINT virtualKey);
