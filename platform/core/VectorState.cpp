#include "VectorState.h"

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace {

// Compiled for AVX whatever the rest of the program is built for; run only
// where the processor has AVX.
__attribute__((target("avx"))) void zeroUpper() {
    _mm256_zeroupper();
}

} // namespace

void AfxClearUpperVectorState() {
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) zeroUpper();
}

#else

void AfxClearUpperVectorState() {}

#endif
