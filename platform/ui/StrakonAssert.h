#pragma once
// A soft assertion for what must hold in a running program: a cast or a
// look-up that the program's own classes guarantee. When it fails, the place
// is logged through Qt's message handler (where the tests turn it into a
// failure of the running test) and the program goes on with the action, e.g.
//
//     STRAKON_ASSERT(document, return);
//
// The action may be a return, break or continue of the enclosing code.
#include <QtGlobal>

// The text that starts every message of a failed soft assertion.
#define STRAKON_ASSERT_PREFIX "SOFT ASSERT"

#define STRAKON_ASSERT_STRING(cond)                                                                          \
    QMessageLogger(__FILE__, __LINE__, Q_FUNC_INFO).warning(STRAKON_ASSERT_PREFIX ": \"%s\" in %s:%d", cond,   \
                                                           __FILE__, __LINE__)

#define STRAKON_ASSERT(cond, action)                                                                         \
    if (Q_LIKELY(cond)) {                                                                                    \
    } else {                                                                                                 \
        STRAKON_ASSERT_STRING(#cond);                                                                        \
        action;                                                                                              \
    }                                                                                                        \
    do {                                                                                                     \
    } while (false)
