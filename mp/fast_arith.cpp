// Word-array arithmetic in base 2^32 or a base B: linear passes, schoolbook and Karatsuba products.
//
// Products run on limbs of two words where the compiler has a 128-bit type (x86-64): a binary limb is a
// pair of words (base 2^64), a base-B limb the pair w0 + w1 * B (base B^2 < 2^63), so a quarter of the
// word products remain. Elsewhere (i686) they run on single words. One Karatsuba driver serves both.
#include "mp/fast_arith.h"

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

void fast_base_init(fast_base* b, uint32_t base)
{
    b->base = base;
    b->reciprocal = base == 0 ? 0 : UINT64_MAX / base;
}

namespace {

// Limb arrays of either width. base 0 is 2^(limb bits); any other base B has 3 B < 2^64 (words: B below
// 2^32; two-word limbs: B^2 < 2^64 / 3), so that sums of two limbs and a carry never wrap 64 bits.
template <typename L> size_t strip(const L* a, size_t n)
{
    while (n > 0 && a[n - 1] == 0)
        --n;
    return n;
}

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
    return carry_chain(r, a, b, n, [](unsigned char c, uint32_t x, uint32_t y, uint32_t* out) {
        return _addcarry_u32(c, x, y, out);
    });
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
        c = static_cast<uint32_t>(d >> 32) & 1; // the difference wrapped: a borrow
    }
    return c;
}
#endif

#if defined(__x86_64__)
inline limb2 add_binary(limb2* r, const limb2* a, const limb2* b, size_t n)
{
    return carry_chain(r, a, b, n, [](unsigned char c, limb2 x, limb2 y, limb2* out) {
        return _addcarry_u64(c, x, y, out);
    });
}

inline limb2 sub_binary(limb2* r, const limb2* a, const limb2* b, size_t n)
{
    return carry_chain(r, a, b, n, [](unsigned char c, limb2 x, limb2 y, limb2* out) {
        return _subborrow_u64(c, x, y, out);
    });
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

template <typename L> L add(L* r, const L* a, size_t an, const L* b, size_t bn, L base)
{
    L c = 0;
    size_t i = 0;
    if (base == 0) {
        c = add_binary(r, a, b, bn);
        i = bn;
    } else {
        for (; i < bn; ++i) { // in 64 bits: a word base may exceed 2^31
            const uint64_t s = static_cast<uint64_t>(a[i]) + b[i] + c;
            c = s >= base;
            r[i] = static_cast<L>(s - (base & (L{0} - c)));
        }
    }
    for (; c != 0 && i < an; ++i) {
        const L s = a[i] + 1;
        c = s == base; // base 0: the sum wrapped to 0
        r[i] = c != 0 ? 0 : s;
    }
    if (r != a)
        for (; i < an; ++i)
            r[i] = a[i];
    return c;
}

template <typename L> L sub(L* r, const L* a, size_t an, const L* b, size_t bn, L base)
{
    L c = 0;
    size_t i = 0;
    if (base == 0) {
        c = sub_binary(r, a, b, bn);
        i = bn;
    } else {
        for (; i < bn; ++i) {
            const L d = a[i] - b[i] - c; // wraps when a[i] < b[i] + c; adding base brings it back
            c = a[i] < static_cast<L>(b[i] + c);
            r[i] = d + (base & (L{0} - c));
        }
    }
    for (; c != 0 && i < an; ++i) {
        c = a[i] == 0;
        r[i] = c != 0 ? base - 1 : a[i] - 1; // base 0: the largest limb
    }
    if (r != a)
        for (; i < an; ++i)
            r[i] = a[i];
    return c;
}

// (hi, lo) = a[0] * b[0] + a[1] * b[-1] + ... for count terms, with lo the double-width sum of the
// limbs' products and hi counting its overflows. Four terms a step: the loop's own counting is then a
// small share of it (measured at 32 two-word limbs: 438 ns against 512 ns a step of one term).
template <typename L, typename S, typename H>
inline void column_sum(const L* a, const L* b, size_t count, S* lo, H* hi)
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

// Limbs of the base: its word base, and what product scanning needs.
struct word_limbs {
    using limb = uint32_t;
    using sum = uint64_t; // a column's sum of products, with a high word of overflows
    using high = uint32_t;
    uint32_t base;
    const fast_base* words;
};

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
};

void pair_limbs_init(pair_limbs* p, uint32_t word_base)
{
    if (word_base == 0) {
        *p = {0, 0, 0, 0};
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
    const int s = p->shift; // at least 1: base < 2^63
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

// Column-reducing schoolbook product for either limb width. The carry joins a column after its products,
// so that they need not wait for the reduction of the column before (measured in base 10^18 at 64
// limbs: 2.67 us against 3.03 us).
template <typename Limbs>
void basecase(typename Limbs::limb* r, const typename Limbs::limb* a, size_t an, const typename Limbs::limb* b,
              size_t bn, const Limbs* lb)
{
    const size_t columns = an + bn - 1;
    typename Limbs::sum carry = 0;
    for (size_t k = 0; k < columns; ++k) {
        const size_t i = k < bn ? 0 : k - bn + 1;
        const size_t last = k < an ? k : an - 1;
        typename Limbs::sum lo;
        typename Limbs::high hi;
        column_sum(a + i, b + (k - i), last - i + 1, &lo, &hi);
        lo += carry;
        hi += lo < carry;
        carry = reduce_column(lo, hi, &r[k], lb);
    }
    r[columns] = static_cast<typename Limbs::limb>(carry);
}

// Scratch limbs of a product whose first operand has n limbs: the larger of what a Toom-3 step and a
// Karatsuba step keep (a product of pieces keeps less than the Karatsuba step), with their products' own.
size_t product_scratch(size_t n, size_t threshold)
{
    if (n < threshold)
        return 0;
    const size_t h = (n + 1) / 2;
    size_t limbs = 6 * h + 2 + product_scratch(h, threshold);
    if (n >= TOOM3_THRESHOLD) {
        const size_t k = (n + 2) / 3;
        const size_t toom = 14 * (k + 1) + product_scratch(k + 1, threshold);
        limbs = toom > limbs ? toom : limbs;
    }
    return limbs;
}

// x[0..n) / D where the division is exact. With the base (2^bits for base 0) = D m + e, the quotient of
// rem * base + v (rem < D) is rem m + v / D + (rem e + v % D) / D: single-width steps, by a constant.
template <unsigned D, typename L> void divide_exact(L* x, size_t n, L base)
{
    if constexpr ((D & (D - 1)) == 0) {
        if (base == 0) { // a shift: no chain of remainders from limb to limb
            constexpr int BITS = 8 * sizeof(L), SHIFT = __builtin_ctz(D);
            for (size_t i = 0; i < n; ++i)
                x[i] = static_cast<L>((x[i] >> SHIFT) | (i + 1 < n ? x[i + 1] << (BITS - SHIFT) : 0));
            return;
        }
    }
    L m = base / D, e = base % D;
    if (base == 0) { // 2^bits = D m + e: 2^bits - 1 = D m + (e - 1), e <= D - 1 as D is not a power of two
        const L top = static_cast<L>(~L{0});
        m = top / D;
        e = top % D + 1;
    }
    L rem = 0;
    for (size_t i = n; i-- > 0;) {
        const L v = x[i];
        const L low = rem * e + v % D; // below D^2
        x[i] = static_cast<L>(rem * m + v / D + low / D);
        rem = low % D;
    }
}

// x[0..n) = x * 2^times (the result fits).
template <typename L> void double_times(L* x, size_t n, int times, L base)
{
    for (; times > 0; --times)
        add(x, x, n, x, n, base);
}

// x[0..n) = y[0..yn) followed by zeros, yn <= n.
template <typename L> void copy_padded(L* x, size_t n, const L* y, size_t yn)
{
    for (size_t i = 0; i < n; ++i)
        x[i] = i < yn ? y[i] : 0;
}

// d[0..n) = |x[0..n) - y[0..yn)|, yn <= n; returns 1 when x < y.
template <typename L> int abs_difference(L* d, const L* x, size_t n, const L* y, size_t yn, L base)
{
    if (compare(x, n, y, yn) >= 0) {
        sub(d, x, n, y, yn, base);
        return 0;
    }
    sub(d, y, yn, x, strip(x, n), base); // x < y, so x is no longer than y
    for (size_t i = yn; i < n; ++i)
        d[i] = 0;
    return 1;
}

template <typename Limbs>
void product(typename Limbs::limb* r, const typename Limbs::limb* a, size_t an, const typename Limbs::limb* b,
             size_t bn, const Limbs* lb, typename Limbs::limb* scratch, size_t threshold);

// a(1), |a(-1)| and a(2) of a = a0 + a1 X + a2 X^2 (a0, a1 of k limbs, a2 of a2n), each in k + 1 limbs;
// returns 1 when a(-1) is negative.
template <typename L>
int evaluate(L* e1, L* em, L* e2, const L* a, size_t k, size_t a2n, L base)
{
    const L* a1 = a + k;
    e1[k] = add(e1, a, k, a + 2 * k, a2n, base); // a0 + a2
    int negative = 0;
    if (compare(e1, k + 1, a1, k) >= 0) {
        sub(em, e1, k + 1, a1, k, base);
    } else {
        sub(em, a1, k, e1, k, base); // a0 + a2 < a1: its top limb is 0
        em[k] = 0;
        negative = 1;
    }
    add(e1, e1, k + 1, a1, k, base);
    copy_padded(e2, k + 1, a + 2 * k, a2n); // a(2) = (2 a2 + a1) 2 + a0
    double_times(e2, k + 1, 1, base);
    add(e2, e2, k + 1, a1, k, base);
    double_times(e2, k + 1, 1, base);
    add(e2, e2, k + 1, a, k, base);
    return negative;
}

// Toom-3 with the points 0, 1, -1, 2 and infinity: five products of a third of the length. Of the
// values interpolated only a(-1) b(-1) carries a sign:
//   c2 = (v1 + vm1) / 2 - c0 - c4,  d = (v1 - vm1) / 2 = c1 + c3,
//   e = (v2 - c0 - 4 c2 - 16 c4) / 2 = c1 + 4 c3,  c3 = (e - d) / 3,  c1 = d - c3.
template <typename Limbs>
__attribute__((noinline)) // kept apart: inlined, it slows the Karatsuba steps that call it (measured)
void toom3(typename Limbs::limb* r, const typename Limbs::limb* a, size_t an, const typename Limbs::limb* b,
           size_t bn, const Limbs* lb, typename Limbs::limb* scratch, size_t threshold)
{
    using L = typename Limbs::limb;
    const L base = static_cast<L>(lb->base);
    const size_t k = (an + 2) / 3, a2n = an - 2 * k, b2n = bn - 2 * k, w = 2 * k + 2;
    L* ea1 = scratch;
    L* eam = ea1 + (k + 1);
    L* ea2 = eam + (k + 1);
    L* eb1 = ea2 + (k + 1);
    L* ebm = eb1 + (k + 1);
    L* eb2 = ebm + (k + 1);
    L* v1 = eb2 + (k + 1);
    L* vm = v1 + w;
    L* v2 = vm + w;
    L* d = v2 + w;
    L* next = d + w;
    const int negative = evaluate(ea1, eam, ea2, a, k, a2n, base) ^ evaluate(eb1, ebm, eb2, b, k, b2n, base);
    product(v1, ea1, k + 1, eb1, k + 1, lb, next, threshold);
    product(vm, eam, k + 1, ebm, k + 1, lb, next, threshold);
    product(v2, ea2, k + 1, eb2, k + 1, lb, next, threshold);
    product(r, a, k, b, k, lb, next, threshold);                         // c0
    product(r + 4 * k, a + 2 * k, a2n, b + 2 * k, b2n, lb, next, threshold); // c4
    for (size_t i = 2 * k; i < 4 * k; ++i)
        r[i] = 0;
    const L* c0 = r;
    const L* c4 = r + 4 * k;
    const size_t c4n = a2n + b2n;
    // v1 = 2 (c0 + c2 + c4), d = 2 (c1 + c3), then halved.
    if (negative == 0) {
        sub(d, v1, w, vm, w, base);
        add(v1, v1, w, vm, w, base);
    } else {
        add(d, v1, w, vm, w, base);
        sub(v1, v1, w, vm, w, base);
    }
    divide_exact<2>(v1, w, base);
    divide_exact<2>(d, w, base);
    sub(v1, v1, w, c0, 2 * k, base); // c2
    sub(v1, v1, w, c4, c4n, base);
    sub(v2, v2, w, c0, 2 * k, base);
    add(vm, v1, w, v1, w, base); // 4 c2
    add(vm, vm, w, vm, w, base);
    sub(v2, v2, w, vm, w, base);
    copy_padded(vm, w, c4, c4n); // 16 c4
    double_times(vm, w, 4, base);
    sub(v2, v2, w, vm, w, base);
    divide_exact<2>(v2, w, base); // e
    sub(v2, v2, w, d, w, base);
    divide_exact<3>(v2, w, base); // c3
    sub(d, d, w, v2, w, base); // c1
    const size_t n = an + bn;
    add(r + k, r + k, n - k, d, strip(d, w), base);
    add(r + 2 * k, r + 2 * k, n - 2 * k, v1, strip(v1, w), base);
    add(r + 3 * k, r + 3 * k, n - 3 * k, v2, strip(v2, w), base);
}

// r[0..an+bn) = a * b for an >= bn >= 1: schoolbook below the threshold, pieces of b's length when a is
// at least about twice as long, Toom-3 for long balanced operands, Karatsuba otherwise.
template <typename Limbs>
void product(typename Limbs::limb* r, const typename Limbs::limb* a, size_t an, const typename Limbs::limb* b,
             size_t bn, const Limbs* lb, typename Limbs::limb* scratch, size_t threshold)
{
    using L = typename Limbs::limb;
    const L base = static_cast<L>(lb->base);
    if (bn < threshold) {
        basecase(r, a, an, b, bn, lb);
        return;
    }
    const size_t h = (an + 1) / 2;
    if (bn <= h) {
        L* piece = scratch;
        L* next = scratch + 2 * bn;
        product(r, a, bn, b, bn, lb, next, threshold);
        for (size_t done = bn; done < an; done += bn) {
            const size_t len = an - done < bn ? an - done : bn;
            if (len == bn)
                product(piece, a + done, len, b, bn, lb, next, threshold);
            else
                product(piece, b, bn, a + done, len, lb, next, threshold);
            add(r + done, piece, len + bn, r + done, bn, base); // no carry out: the product fits
        }
        return;
    }
    if (an >= TOOM3_THRESHOLD && bn > 2 * ((an + 2) / 3)) {
        toom3(r, a, an, b, bn, lb, scratch, threshold);
        return;
    }
    // a = a1 * W^h + a0, b = b1 * W^h + b0; a0 b1 + a1 b0 = a0 b0 + a1 b1 - (a0 - a1)(b0 - b1).
    const size_t a1n = an - h, b1n = bn - h;
    L* da = scratch;
    L* db = da + h;
    L* z1 = db + h;
    L* t = z1 + 2 * h;
    L* next = t + 2 * h + 2;
    product(r, a, h, b, h, lb, next, threshold);
    product(r + 2 * h, a + h, a1n, b + h, b1n, lb, next, threshold);
    const int na = abs_difference(da, a, h, a + h, a1n, base);
    const int nb = abs_difference(db, b, h, b + h, b1n, base);
    product(z1, da, h, db, h, lb, next, threshold);
    t[2 * h] = add(t, r, 2 * h, r + 2 * h, a1n + b1n, base);
    if (na == nb)
        sub(t, t, 2 * h + 1, z1, 2 * h, base);
    else
        add(t, t, 2 * h + 1, z1, 2 * h, base);
    add(r + h, r + h, an + bn - h, t, strip(t, 2 * h + 1), base);
}

#if defined(__SIZEOF_INT128__)
size_t limbs_of(size_t words) { return (words + 1) / 2; }

// Words to two-word limbs: binary pairs, or w0 + w1 * B.
void pack(limb2* out, const uint32_t* w, size_t n, uint32_t base)
{
    for (size_t i = 0; 2 * i < n; ++i) {
        const uint64_t high = 2 * i + 1 < n ? w[2 * i + 1] : 0;
        out[i] = base == 0 ? w[2 * i] | (high << 32) : w[2 * i] + high * base;
    }
}

// The first n words of the limbs (the limbs beyond them are zero).
void unpack(uint32_t* r, const limb2* l, size_t n, const fast_base* base)
{
    for (size_t i = 0; 2 * i < n; ++i) {
        uint32_t low;
        uint64_t high;
        if (base->base == 0) {
            low = static_cast<uint32_t>(l[i]);
            high = l[i] >> 32;
        } else {
            high = fast_div_word(l[i], base, &low);
        }
        r[2 * i] = low;
        if (2 * i + 1 < n)
            r[2 * i + 1] = static_cast<uint32_t>(high);
    }
}

limb2* aligned_limbs(uint32_t* p)
{
    const uintptr_t at = (reinterpret_cast<uintptr_t>(p) + 7) & ~static_cast<uintptr_t>(7);
    return reinterpret_cast<limb2*>(at);
}
#endif

} // namespace

size_t fast_strip(const uint32_t* a, size_t n) { return strip(a, n); }

int fast_compare(const uint32_t* a, size_t an, const uint32_t* b, size_t bn) { return compare(a, an, b, bn); }

uint32_t fast_add(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base)
{
    return add(r, a, an, b, bn, base->base);
}

uint32_t fast_sub(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base)
{
    return sub(r, a, an, b, bn, base->base);
}

uint32_t fast_mul_word(uint32_t* r, const uint32_t* a, size_t n, uint32_t m, uint32_t c, const fast_base* base)
{
    uint64_t carry = c;
    if (base->base == 0) {
        for (size_t i = 0; i < n; ++i) {
            uint64_t t = static_cast<uint64_t>(a[i]) * m + carry;
            r[i] = static_cast<uint32_t>(t);
            carry = t >> 32;
        }
    } else {
        for (size_t i = 0; i < n; ++i) {
            uint32_t rem;
            carry = fast_div_word(static_cast<uint64_t>(a[i]) * m + carry, base, &rem);
            r[i] = rem;
        }
    }
    return static_cast<uint32_t>(carry);
}

void fast_mul_basecase(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn,
                       const fast_base* base)
{
    const word_limbs w = {base->base, base};
    basecase(r, a, an, b, bn, &w);
}

size_t fast_mul_scratch_words(size_t n)
{
#if defined(__SIZEOF_INT128__)
    // Both operands and the product as limbs, the limb product's scratch, and one word for alignment.
    // The smaller of the two limb thresholds: its products keep the more scratch.
    const size_t limbs = 2 * limbs_of(n) + 2 * limbs_of(n) + product_scratch(limbs_of(n), KARATSUBA_THRESHOLD_WIDE);
    return 2 * limbs + 2;
#else
    // The smaller of the two word thresholds: its products keep the more scratch.
    return product_scratch(n, KARATSUBA_THRESHOLD < KARATSUBA_THRESHOLD_B ? KARATSUBA_THRESHOLD : KARATSUBA_THRESHOLD_B);
#endif
}

void fast_mul(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base,
              uint32_t* scratch)
{
#if defined(__SIZEOF_INT128__)
    if (bn >= WIDE_PRODUCT_MIN) {
        pair_limbs p;
        pair_limbs_init(&p, base->base);
        const size_t la = limbs_of(an), lbn = limbs_of(bn);
        limb2* a2 = aligned_limbs(scratch);
        limb2* b2 = a2 + la;
        limb2* r2 = b2 + lbn;
        limb2* next = r2 + la + lbn;
        pack(a2, a, an, base->base);
        pack(b2, b, bn, base->base);
        const size_t threshold = base->base == 0 ? KARATSUBA_THRESHOLD_WIDE : KARATSUBA_THRESHOLD_WIDE_B;
        product(r2, a2, la, b2, lbn, &p, next, threshold);
        unpack(r, r2, an + bn, base);
        return;
    }
#endif
    const word_limbs w = {base->base, base};
    product(r, a, an, b, bn, &w, scratch, base->base == 0 ? KARATSUBA_THRESHOLD : KARATSUBA_THRESHOLD_B);
}
