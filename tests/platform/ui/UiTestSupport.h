#pragma once
// What the user-interface tests share besides the common test support (a
// temporary folder, the folder for the pictures the tests leave): event delivery
// and a frame window around one view.
#include "platform/ui/CFrameWnd.h"
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

// A frame window of the given size around one view of viewClass, shown and
// initially updated; null when it cannot be made. The view is its active view.
inline CFrameWnd* OpenViewFrame(const CRuntimeClass* viewClass, const char* title, const CRect& rect) {
    auto* frame = new CFrameWnd;
    CCreateContext context;
    context.m_pNewViewClass = viewClass;
    if (!frame->Create(nullptr, title, WS_OVERLAPPEDWINDOW, rect, nullptr, 0, 0, &context)) return nullptr;
    frame->InitialUpdateFrame(nullptr, TRUE);
    ProcessEvents();
    return frame;
}
