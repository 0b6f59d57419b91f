#pragma once
// The process state the program's numerics run in: Qt's application object,
// after which the program's application object clears the upper vector state
// Qt's start left behind (platform/ui/CWinApp.cpp). Benchmarks that run their
// road once in a plain process and once after this show what the program's
// start costs the arithmetic.
#include "platform/core/VectorState.h"

#include <QApplication>

namespace inprogram {

inline void enter() {
    static const bool entered = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "strakon_bench";
        static char* argv[] = {name, nullptr};
        static QApplication qt(argc, argv);
        // STRAKON_BENCH_UNCLEARED=1 measures the state as Qt leaves it.
        if (!qEnvironmentVariableIsSet("STRAKON_BENCH_UNCLEARED")) AfxClearUpperVectorState();
        return true;
    }();
    (void)entered;
}

} // namespace inprogram
