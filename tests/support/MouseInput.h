#pragma once
// Mouse input as the window system delivers it to a widget.
#include <QTest>
#include <QWidget>

namespace testsupport {

// A double click: press and release, then the second press as the double click
// and its release. QTest's own double click on a widget sends the double-click
// event alone, which no user can make: a view that picks on the first click
// would see nothing picked.
inline void DoubleClick(QWidget* widget, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseClick(widget, Qt::LeftButton, modifiers, at);
    QTest::mouseDClick(widget, Qt::LeftButton, modifiers, at);
    QTest::mouseRelease(widget, Qt::LeftButton, modifiers, at);
}

} // namespace testsupport
