// Precondition checks of the library's routines. In the sanitizer build (MORVANE_SANITIZE, which defines
// MORVANE_CHECK_PRECONDITIONS) a failed check names the condition and its place on standard error and
// aborts; elsewhere the check is compiled out (the condition is not evaluated).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#if defined(MORVANE_CHECK_PRECONDITIONS)
#define MP_EXPECTS(condition)                                                                                          \
    ((condition) ? static_cast<void>(0) : mp_precondition_failed(#condition, __FILE__, __LINE__))
#else
#define MP_EXPECTS(condition) static_cast<void>(sizeof(!(condition)))
#endif

// Writes "precondition failed: <condition>" with the file and line to standard error, then aborts.
[[noreturn]] inline void mp_precondition_failed(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: precondition failed: %s\n", file, line, condition);
    std::fflush(stderr);
    std::abort();
}

// True when the word ranges a[0..an) and b[0..bn) share no word (empty ranges share none).
inline bool words_disjoint(const uint32_t* a, size_t an, const uint32_t* b, size_t bn)
{
    const uintptr_t pa = reinterpret_cast<uintptr_t>(a), pb = reinterpret_cast<uintptr_t>(b);
    return an == 0 || bn == 0 || pa + an * sizeof(uint32_t) <= pb || pb + bn * sizeof(uint32_t) <= pa;
}

// True when r[0..rn) is in the same place as a or shares no word with a[0..an).
inline bool same_or_disjoint(const uint32_t* r, size_t rn, const uint32_t* a, size_t an)
{
    return r == a || words_disjoint(r, rn, a, an);
}

// True when every word of w[0..n) is below base (0 stands for 2^32: always true).
inline bool words_below_base(const uint32_t* w, size_t n, uint32_t base)
{
    for (size_t i = 0; base != 0 && i < n; ++i)
        if (w[i] >= base)
            return false;
    return true;
}
