// Schoolbook products of the fast word-array layer: column-wise product scanning over limbs of one word
// (struct word_limbs) or, where the compiler has a 128-bit integer, two words (struct pair_limbs: base
// 2^64, or B^2 with its column reduced by division by an invariant integer). O(n^2); the Karatsuba and
// Toom-3 steps (mp/fast/products.h) fall back on it below their thresholds. Internal to mp/.
#pragma once

#include <cstddef>
#include <cstdint>

#include "mp/fast/carry.h"

namespace fast_detail {

// Limbs of the base: its word base, and what product scanning needs.
struct word_limbs {
    using limb = uint32_t;
    using sum = uint64_t;  // a column's sum of products, with a high word of overflows
    using high = uint32_t;
    uint32_t base;
    const fast_base* words;
#if defined(__i386__)
    fast_vectors vector;  // the columns go through reduce_columns_sse2 or _avx2 where they take them
#endif
};

#if defined(__i386__)
// The longest second operand, in words, that the vector columns take (they keep a table of it on the
// stack, 16 or 32 bytes a word): every schoolbook product of the recursive steps.
constexpr size_t VECTOR_COLUMNS_MAX = 192;
static_assert(KARATSUBA_THRESHOLD <= VECTOR_COLUMNS_MAX + 1 && KARATSUBA_THRESHOLD_B <= VECTOR_COLUMNS_MAX + 1,
              "the vector columns take every schoolbook product below the thresholds");

// True when the processor has SSE2 (asked once): the vector columns and the transforms of fast_mul_ntt
// need it.
bool sse2_available();

// The columns of a * b reduced into r[0..an+bn), as reduce_columns<false> computes them, an >= bn >= 1,
// bn <= VECTOR_COLUMNS_MAX, r apart from a and b, on a processor with SSE2 (four columns at a time) or
// AVX2 (eight); in mp/fast/vector_columns.cpp.
void reduce_columns_sse2(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const word_limbs* lb);
void reduce_columns_avx2(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const word_limbs* lb);
#endif

#if defined(__SIZEOF_INT128__)
__extension__ typedef unsigned __int128 u128;

// Two-word limbs: base 2^64 (base 0) or B^2. For B^2 the divisor normalised (shifted left until its top
// bit is set) and its reciprocal floor((2^128 - 1) / d) - 2^64, for division by invariant integers.
struct pair_limbs {
    using limb = limb2;
    using sum = u128;
    using high = uint64_t;
    uint64_t base;
    uint64_t divisor;
    uint64_t reciprocal;
    int shift;
#if defined(__x86_64__)
    bool rows;  // binary products but squares go through mul_rows_adx
#endif
};
#endif

#if defined(__x86_64__) && defined(__SIZEOF_INT128__)
// True when the processor has mulx, adcx and adox (asked once), which mul_rows_adx needs.
bool mulx_adx_available();

// r[0..an+bn) = a[0..an) * b[0..bn) in base 2^64, an >= 1, bn >= 1, r apart from a and b, by rows of an
// limbs, on a processor with mulx, adcx and adox; in mp/fast/wide_rows.cpp.
void mul_rows_adx(limb2* r, const limb2* a, size_t an, const limb2* b, size_t bn);
#endif

// Internal linkage, as in mp/fast/carry.h.
namespace {

// The word limbs of a word base.
inline word_limbs word_limbs_of(const fast_base* base)
{
#if defined(__i386__)
    return {base->base, base, fast_widest_vectors()};
#else
    return {base->base, base};
#endif
}

// (hi, lo) = a[0] * b[0] + a[1] * b[-1] + ... for count terms, with lo the double-width sum of the
// limbs' products and hi counting its overflows. Four terms a step: the loop's own counting is then a
// small share of it (measured at 32 two-word limbs: 438 ns against 512 ns a step of one term).
template <typename L, typename S, typename H> inline void column_sum(const L* a, const L* b, size_t count, S* lo, H* hi)
{
    S s = 0;
    H h = 0;
    for (; count % 4 != 0; --count, ++a, --b) {
        const S p = static_cast<S>(a[0]) * b[0];
        s += p;
        h += s < p;
    }
    for (; count != 0; count -= 4, a += 4, b -= 4) {
        const S p0 = static_cast<S>(a[0]) * b[0];
        s += p0;
        h += s < p0;
        const S p1 = static_cast<S>(a[1]) * b[-1];
        s += p1;
        h += s < p1;
        const S p2 = static_cast<S>(a[2]) * b[-2];
        s += p2;
        h += s < p2;
        const S p3 = static_cast<S>(a[3]) * b[-3];
        s += p3;
        h += s < p3;
    }
    *lo = s;
    *hi = h;
}

// (hi, lo) = the column k of a square, a[i] * a[k - i] summed over i0 <= i <= k - i0 (k - i0 the column's
// last limb): each product off the diagonal taken once and doubled, so that a column costs half its
// products, and a[k / 2]^2 added for an even k.
template <typename L, typename S, typename H> inline void square_column(const L* a, size_t k, size_t i0, S* lo, H* hi)
{
    S s;
    H h;
    column_sum(a + i0, a + (k - i0), (k + 1) / 2 - i0, &s, &h);
    h = static_cast<H>((h << 1) | static_cast<H>(s >> (8 * sizeof(S) - 1)));
    s <<= 1;
    if (k % 2 == 0) {
        const S p = static_cast<S>(a[k / 2]) * a[k / 2];
        s += p;
        h += s < p;
    }
    *lo = s;
    *hi = h;
}

// A column sum hi * 2^64 + lo of word limbs reduced: its digit goes to *digit; returns the carry into the
// next column (the quotient by the base, below 2^64).
inline uint64_t reduce_column(uint64_t lo, uint32_t hi, uint32_t* digit, const word_limbs* lb)
{
    if (lb->base == 0) {
        *digit = static_cast<uint32_t>(lo);
        return (lo >> 32) | (static_cast<uint64_t>(hi) << 32);
    }
    uint32_t r1;
    const uint64_t q1 = fast_div_word((static_cast<uint64_t>(hi) << 32) | (lo >> 32), lb->words, &r1);
    const uint64_t q0 = fast_div_word((static_cast<uint64_t>(r1) << 32) | static_cast<uint32_t>(lo), lb->words, digit);
    return (q1 << 32) + q0;
}

#if defined(__SIZEOF_INT128__)

// Fills p for the two-word limbs of word base `word_base` (0: 2^32, limbs of base 2^64).
inline void pair_limbs_init(pair_limbs* p, uint32_t word_base)
{
    *p = {};
    if (word_base == 0) {
#if defined(__x86_64__)
        p->rows = mulx_adx_available();
#endif
        return;
    }
    p->base = static_cast<uint64_t>(word_base) * word_base;
    p->shift = __builtin_clzll(p->base);
    p->divisor = p->base << p->shift;
    p->reciprocal = static_cast<uint64_t>((((static_cast<u128>(~p->divisor)) << 64) | UINT64_MAX) / p->divisor);
}

// (u1 * 2^64 + u0) / base for u1 < base: the quotient, and the remainder in *rem.
inline uint64_t divide_pair(uint64_t u1, uint64_t u0, const pair_limbs* p, uint64_t* rem)
{
    const int s = p->shift;  // at least 1: base < 2^63
    const uint64_t n1 = (u1 << s) | (u0 >> (64 - s)), n0 = u0 << s, d = p->divisor;
    const u128 q = static_cast<u128>(p->reciprocal) * n1 + ((static_cast<u128>(n1) << 64) | n0);
    uint64_t q1 = static_cast<uint64_t>(q >> 64) + 1;
    const uint64_t q0 = static_cast<uint64_t>(q);
    uint64_t r = n0 - q1 * d;
    // The first correction goes either way about as often (a branch here mispredicts half the time,
    // measured), so it is done by masks; the second is rare.
    const uint64_t back = uint64_t{0} - static_cast<uint64_t>(r > q0);
    q1 += back;
    r += back & d;
    if (__builtin_expect(r >= d, 0)) {
        ++q1;
        r -= d;
    }
    *rem = r >> s;
    return q1;
}

// A column sum hi * 2^128 + lo of two-word limbs reduced, as for words. Column sums stay below
// 2^128 * base, so hi < base and the division by base is two steps.
inline u128 reduce_column(u128 lo, uint64_t hi, limb2* digit, const pair_limbs* p)
{
    if (p->base == 0) {
        *digit = static_cast<uint64_t>(lo);
        return (lo >> 64) | (static_cast<u128>(hi) << 64);
    }
    uint64_t r1, r0;
    const uint64_t q1 = divide_pair(hi, static_cast<uint64_t>(lo >> 64), p, &r1);
    const uint64_t q0 = divide_pair(r1, static_cast<uint64_t>(lo), p, &r0);
    *digit = r0;
    return (static_cast<u128>(q1) << 64) + q0;
}
#endif

// The columns of a * b (of a * a when SQUARE) reduced into r[0..an+bn). The carry joins a column after
// its products, so that they need not wait for the reduction of the column before (measured in base
// 10^18 at 64 limbs: 2.67 us against 3.03 us).
template <bool SQUARE, typename Limbs>
void reduce_columns(typename Limbs::limb* r, const typename Limbs::limb* a, size_t an, const typename Limbs::limb* b,
                    size_t bn, const Limbs* lb)
{
    const size_t columns = an + bn - 1;
    typename Limbs::sum carry = 0;
    for (size_t k = 0; k < columns; ++k) {
        const size_t i = k < bn ? 0 : k - bn + 1;
        const size_t last = k < an ? k : an - 1;
        typename Limbs::sum lo;
        typename Limbs::high hi;
        if constexpr (SQUARE)
            square_column(a, k, i, &lo, &hi);
        else
            column_sum(a + i, b + (k - i), last - i + 1, &lo, &hi);
        lo += carry;
        hi += lo < carry;
        carry = reduce_column(lo, hi, &r[k], lb);
    }
    r[columns] = static_cast<typename Limbs::limb>(carry);
}

// r[0..an+bn) = a[0..an) * b[0..bn), an >= bn >= 1, r apart from a and b: column-reducing schoolbook
// product for either limb width, a square (a the same array as b) by square_column, chosen once outside
// the column loop; on 32-bit x86 the vector columns of lb->vector, for squares too; binary two-word limbs
// by rows where lb->rows, but squares, whose halved columns measured faster (BM_fast_sqr/512/0: 16.5
// against 18.4 us).
template <typename Limbs>
void basecase(typename Limbs::limb* r, const typename Limbs::limb* a, size_t an, const typename Limbs::limb* b,
              size_t bn, const Limbs* lb)
{
#if defined(__i386__)
    if constexpr (sizeof(typename Limbs::limb) == sizeof(uint32_t)) {
        if (lb->vector == fast_vectors::avx2 && bn <= VECTOR_COLUMNS_MAX) {
            reduce_columns_avx2(r, a, an, b, bn, lb);
            return;
        }
        if (lb->vector == fast_vectors::sse2 && bn <= VECTOR_COLUMNS_MAX) {
            reduce_columns_sse2(r, a, an, b, bn, lb);
            return;
        }
    }
#endif
#if defined(__x86_64__) && defined(__SIZEOF_INT128__)
    if constexpr (sizeof(typename Limbs::limb) == sizeof(limb2)) {
        if (lb->rows && !(a == b && an == bn)) {
            mul_rows_adx(r, a, an, b, bn);
            return;
        }
    }
#endif
    if (a == b && an == bn)
        reduce_columns<true>(r, a, an, b, bn, lb);
    else
        reduce_columns<false>(r, a, an, b, bn, lb);
}

}  // namespace

}  // namespace fast_detail
