#pragma once
// Numbers that reach the model from outside (a load-case, load-group or
// envelope number, a DOF position, an equation number, a result point) are
// checked before they are used. A bad one is reported to the error container
// and the caller takes its fallback, so that a wrong number never reads or
// writes memory the model does not hold.
#include "common/omErrorContainer.h"

// Error code of a number outside its range; arguments: what the number counts
// ("Load case", "Equation" ...), the number, the smallest and the largest valid one.
inline constexpr unsigned omErrIndexOutOfRange = 1030;

// True when first <= k <= last; otherwise reports the number and returns false.
inline bool omCheckIndex(const char* what, long long k, long long first, long long last) {
    if (k >= first && k <= last) return true;
    omErrorContainer::instance()->report(omErrIndexOutOfRange, what, k, first, last);
    return false;
}

// Where a write through a refused number goes: one value of the type, reset on
// every hand-out, so that nothing written into it is ever read back.
template <class T> T& omScratch() {
    static T s_scratch;
    s_scratch = T();
    return s_scratch;
}
