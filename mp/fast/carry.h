// Carry chains of the fast word-array layer, for limbs of one word or (x86-64) two words: strip, compare,
// and addition and subtraction with carry or borrow, in base 2^(limb bits) or a base B. Internal to mp/:
// the products (mp/fast/schoolbook.h, mp/fast/products.h) build on these; mp/fast/arith.h is the public face.
#pragma once

#include <cstddef>
#include <cstdint>

#include "mp/fast/arith.h"

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

namespace fast_detail {

// Internal linkage in every file that includes these, as when they were one file's own: the compiler then
// inlines them as it did (with external linkage the two-word schoolbook product stayed a call of its own).
namespace {

// True for a word base that the array routines take: 0 (2^32) or 2^15 < base <= FAST_WIDEST_BASE.
inline bool array_base(uint32_t base)
{
    return base == 0 || (base > (1u << 15) && base <= FAST_WIDEST_BASE);
}

// Limb arrays of either width. base 0 is 2^(limb bits); any other base B has 3 B < 2^64 (words: B below
// 2^32; two-word limbs: B^2 < 2^64 / 3), so that sums of two limbs and a carry never wrap 64 bits.
// strip: the length of a[0..n) without its zero limbs on top.
template <typename L> size_t strip(const L* a, size_t n)
{
    while (n > 0 && a[n - 1] == 0)
        --n;
    return n;
}

// -1, 0 or +1 as a[0..an) <, =, > b[0..bn) (zero limbs on top allowed on either side).
template <typename L> int compare(const L* a, size_t an, const L* b, size_t bn)
{
    an = strip(a, an);
    bn = strip(b, bn);
    if (an != bn)
        return an < bn ? -1 : 1;
    while (an > 0) {
        --an;
        if (a[an] != b[an])
            return a[an] < b[an] ? -1 : 1;
    }
    return 0;
}

#if defined(__SIZEOF_INT128__)
// A two-word limb (see pair_limbs): unsigned long long, the type that the carry intrinsics write.
typedef unsigned long long limb2;
#endif

// r[0..n) = a[0..n) +/- b[0..n) in base 2^(limb bits); returns the carry or borrow out (0 or 1).
#if defined(__x86_64__) || defined(__i386__)
// One add (subtract) with carry per limb, four limbs a step so that the carry stays in the flag between
// them, each sum written straight to its place (through a temporary, the compiler kept it on the stack).
// A sum in the double width compiles to about three times the instructions, and a loop of one limb a
// step moves the carry through a register every limb (measured with two-word limbs: 0.71 ns against
// 0.35 ns a limb at 1024 limbs).
template <typename L, typename Step> inline L carry_chain(L* r, const L* a, const L* b, size_t n, Step step)
{
    unsigned char c = 0;
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        c = step(c, a[i], b[i], &r[i]);
        c = step(c, a[i + 1], b[i + 1], &r[i + 1]);
        c = step(c, a[i + 2], b[i + 2], &r[i + 2]);
        c = step(c, a[i + 3], b[i + 3], &r[i + 3]);
    }
    for (; i < n; ++i)
        c = step(c, a[i], b[i], &r[i]);
    return c;
}

inline uint32_t add_binary(uint32_t* r, const uint32_t* a, const uint32_t* b, size_t n)
{
    return carry_chain(
        r, a, b, n, [](unsigned char c, uint32_t x, uint32_t y, uint32_t* out) { return _addcarry_u32(c, x, y, out); });
}

inline uint32_t sub_binary(uint32_t* r, const uint32_t* a, const uint32_t* b, size_t n)
{
    return carry_chain(r, a, b, n, [](unsigned char c, uint32_t x, uint32_t y, uint32_t* out) {
        return _subborrow_u32(c, x, y, out);
    });
}
#else
inline uint32_t add_binary(uint32_t* r, const uint32_t* a, const uint32_t* b, size_t n)
{
    uint32_t c = 0;
    for (size_t i = 0; i < n; ++i) {
        const uint64_t s = static_cast<uint64_t>(a[i]) + b[i] + c;
        r[i] = static_cast<uint32_t>(s);
        c = static_cast<uint32_t>(s >> 32);
    }
    return c;
}

inline uint32_t sub_binary(uint32_t* r, const uint32_t* a, const uint32_t* b, size_t n)
{
    uint32_t c = 0;
    for (size_t i = 0; i < n; ++i) {
        const uint64_t d = static_cast<uint64_t>(a[i]) - b[i] - c;
        r[i] = static_cast<uint32_t>(d);
        c = static_cast<uint32_t>(d >> 32) & 1;  // the difference wrapped: a borrow
    }
    return c;
}
#endif

#if defined(__x86_64__)
inline limb2 add_binary(limb2* r, const limb2* a, const limb2* b, size_t n)
{
    return carry_chain(r, a, b, n,
                       [](unsigned char c, limb2 x, limb2 y, limb2* out) { return _addcarry_u64(c, x, y, out); });
}

inline limb2 sub_binary(limb2* r, const limb2* a, const limb2* b, size_t n)
{
    return carry_chain(r, a, b, n,
                       [](unsigned char c, limb2 x, limb2 y, limb2* out) { return _subborrow_u64(c, x, y, out); });
}
#elif defined(__SIZEOF_INT128__)
inline uint64_t add_binary(limb2* r, const limb2* a, const limb2* b, size_t n)
{
    uint64_t c = 0;
    for (size_t i = 0; i < n; ++i) {
        const unsigned __int128 s = static_cast<unsigned __int128>(a[i]) + b[i] + c;
        r[i] = static_cast<uint64_t>(s);
        c = static_cast<uint64_t>(s >> 64);
    }
    return c;
}

inline uint64_t sub_binary(limb2* r, const limb2* a, const limb2* b, size_t n)
{
    uint64_t c = 0;
    for (size_t i = 0; i < n; ++i) {
        const unsigned __int128 d = static_cast<unsigned __int128>(a[i]) - b[i] - c;
        r[i] = static_cast<uint64_t>(d);
        c = static_cast<uint64_t>(d >> 64) & 1;
    }
    return c;
}
#endif

// r[0..an) = a[0..an) + b[0..bn), an >= bn, in base `base` (0: 2^(limb bits)); returns the carry out.
// r may be a or b.
template <typename L> L add(L* r, const L* a, size_t an, const L* b, size_t bn, L base)
{
    L c = 0;
    size_t i = 0;
    if (base == 0) {
        c = add_binary(r, a, b, bn);
        i = bn;
    } else {
        for (; i < bn; ++i) {  // in 64 bits: a word base may exceed 2^31
            const uint64_t s = static_cast<uint64_t>(a[i]) + b[i] + c;
            c = s >= base;
            r[i] = static_cast<L>(s - (base & (L{0} - c)));
        }
    }
    for (; c != 0 && i < an; ++i) {
        const L s = a[i] + 1;
        c = s == base;  // base 0: the sum wrapped to 0
        r[i] = c != 0 ? 0 : s;
    }
    if (r != a)
        for (; i < an; ++i)
            r[i] = a[i];
    return c;
}

// r[0..an) = a[0..an) - b[0..bn), an >= bn, in base `base` (0: 2^(limb bits)); returns the borrow out.
// r may be a or b.
template <typename L> L sub(L* r, const L* a, size_t an, const L* b, size_t bn, L base)
{
    L c = 0;
    size_t i = 0;
    if (base == 0) {
        c = sub_binary(r, a, b, bn);
        i = bn;
    } else {
        for (; i < bn; ++i) {
            const L d = a[i] - b[i] - c;  // wraps when a[i] < b[i] + c; adding base brings it back
            c = a[i] < static_cast<L>(b[i] + c);
            r[i] = d + (base & (L{0} - c));
        }
    }
    for (; c != 0 && i < an; ++i) {
        c = a[i] == 0;
        r[i] = c != 0 ? base - 1 : a[i] - 1;  // base 0: the largest limb
    }
    if (r != a)
        for (; i < an; ++i)
            r[i] = a[i];
    return c;
}

}  // namespace

}  // namespace fast_detail
