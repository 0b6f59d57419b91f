// The application object clears the upper vector state that Qt's start may
// leave in use, so that the arithmetic after it runs as fast as in a plain
// process. Where the processor reports which register state is in use
// (XGETBV with ECX = 1) that is checked directly; everywhere with AVX the time
// of a pow loop with the state left dirty, then cleared by a new application,
// is compared with the same loop in a clean state (a ratio, not a time).
// The fault it guards made pow eleven times slower.
#include "platform/ui/CWinApp.h"

#include "platform/core/VectorState.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <cpuid.h>

namespace {

bool hasAvx() {
    return __builtin_cpu_supports("avx");
}

// True when XGETBV can tell which state components are in use.
bool reportsStateInUse() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid_count(0xd, 1, &a, &b, &c, &d)) return false;
    return (a & (1u << 2)) != 0;
}

// The AVX upper halves (bit 2) and the upper halves of the 512-bit registers (bit 6).
bool upperStateInUse() {
    std::uint32_t lo = 0, hi = 0;
    __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(1));
    return (lo & ((1u << 2) | (1u << 6))) != 0;
}

// A 256-bit write that nothing clears afterwards, as a plugin's code may leave it.
void dirtyUpperState() {
    __asm__ volatile("vcmpps $15, %%ymm0, %%ymm0, %%ymm0" ::: "xmm0");
}

double powLoopSeconds() {
    volatile double sum = 0.0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 100000; ++i)
        sum = sum + std::pow(1.0001 + i * 1e-9, 2.5);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(CWinAppVectorState, TheApplicationObjectLeavesTheUpperVectorStateClear) {
    ASSERT_NE(QCoreApplication::instance(), nullptr);
    if (!hasAvx()) GTEST_SKIP() << "no AVX: the processor has no upper vector state";
    const bool observable = reportsStateInUse();
    // Rounds alternate between the two states and the best of each counts, so
    // that another process on the machine does not decide the outcome.
    double clean = 1e9, after = 1e9;
    for (int round = 0; round < 9; ++round) {
        dirtyUpperState();
        if (observable) {
            ASSERT_TRUE(upperStateInUse()) << "the state was not made dirty";
        }
        {
            CWinApp app("vector state");
            if (observable) {
                EXPECT_FALSE(upperStateInUse());
            }
            after = std::min(after, powLoopSeconds());
        }
        AfxClearUpperVectorState();
        clean = std::min(clean, powLoopSeconds());
    }
    EXPECT_LT(after / clean, 2.0) << "pow after the application object: " << after << " s, clean: " << clean << " s";
}

// An application whose start leaves the state in use, as plugins loaded for
// its main window may.
class CDirtyStartApp : public CWinApp {
public:
    CDirtyStartApp() : CWinApp("dirty start") {}
    BOOL InitInstance() override {
        dirtyUpperState();
        return TRUE;
    }
};

TEST(CWinAppVectorState, TheStateIsClearedAgainOnceTheApplicationHasStarted) {
    if (!hasAvx() || !reportsStateInUse()) GTEST_SKIP() << "the processor does not tell which state is in use";
    CDirtyStartApp app;
    char name[] = "dirty";
    char* argv[] = {name, nullptr};
    // No main window: the program ends at once.
    EXPECT_EQ(AfxWinMain(1, argv), 0);
    EXPECT_FALSE(upperStateInUse());
}

} // namespace

#endif
