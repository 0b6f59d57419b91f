#pragma once
// The program's cursors over structure objects, by resource id: 130 over a
// node, 133 over a member, 134 over a load. Any other id gives the cross.
#include "platform/core/WinTypes.h"

#include <QCursor>

QCursor LoadStrakonCursor(UINT id);
