#include "platform/ui/SysColor.h"

#include <QApplication>
#include <QPalette>

COLORREF GetSysColor(int nIndex) {
    const QPalette palette = QApplication::palette();
    QPalette::ColorRole role;
    switch (nIndex) {
    case COLOR_WINDOW: role = QPalette::Base; break;
    case COLOR_WINDOWTEXT: role = QPalette::WindowText; break;
    case COLOR_BTNFACE: role = QPalette::Button; break;
    case COLOR_BTNTEXT: role = QPalette::ButtonText; break;
    default: return RGB(0, 0, 0);
    }
    const QColor c = palette.color(QPalette::Active, role);
    return RGB(c.red(), c.green(), c.blue());
}
