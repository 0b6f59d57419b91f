#pragma once
// What the user-interface tests share besides the common test support (a
// temporary folder, the folder for the pictures the tests leave): event delivery.
#include "tests/support/ArtifactsFolder.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QEvent>

// Delivers posted events and the widgets' deferred deletions.
inline void ProcessEvents() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}
