#include "tests/platform/gdi/AllocationProbe.h"

#include <cstdlib>
#include <new>

namespace {
thread_local bool t_probing = false;
thread_local std::size_t t_largest = 0;

void* allocate(std::size_t n) {
    if (t_probing && n > t_largest) t_largest = n;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
} // namespace

AllocationProbe::AllocationProbe() {
    t_largest = 0;
    t_probing = true;
}

AllocationProbe::~AllocationProbe() {
    t_probing = false;
}

std::size_t AllocationProbe::Largest() const {
    return t_largest;
}

// The test program's allocations go through the probe; the aligned forms keep
// the library's own.
void* operator new(std::size_t n) {
    return allocate(n);
}
void* operator new[](std::size_t n) {
    return allocate(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    try {
        return allocate(n);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    try {
        return allocate(n);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
