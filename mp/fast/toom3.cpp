// The Toom-3 step of the fast products (points 0, 1, -1, 2, infinity; exact division by 2 and 3 in the
// limb base), O(n^1.465), taken by product (mp/fast/karatsuba.cpp) for long balanced operands.
#include "mp/fast/products.h"

namespace fast_detail {

namespace {

// x[0..n) / D where the division is exact. With the base (2^bits for base 0) = D m + e, the quotient of
// rem * base + v (rem < D) is rem m + v / D + (rem e + v % D) / D: single-width steps, by a constant.
template <unsigned D, typename L> void divide_exact(L* x, size_t n, L base)
{
    if constexpr ((D & (D - 1)) == 0) {
        if (base == 0) {  // a shift: no chain of remainders from limb to limb
            constexpr int BITS = 8 * sizeof(L), SHIFT = __builtin_ctz(D);
            for (size_t i = 0; i < n; ++i)
                x[i] = static_cast<L>((x[i] >> SHIFT) | (i + 1 < n ? x[i + 1] << (BITS - SHIFT) : 0));
            return;
        }
    }
    L m = base / D, e = base % D;
    if (base == 0) {  // 2^bits = D m + e: 2^bits - 1 = D m + (e - 1), e <= D - 1 as D is not a power of two
        const L top = static_cast<L>(~L{0});
        m = top / D;
        e = top % D + 1;
    }
    L rem = 0;
    for (size_t i = n; i-- > 0;) {
        const L v = x[i];
        const L low = rem * e + v % D;  // below D^2
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

// a(1), |a(-1)| and a(2) of a = a0 + a1 X + a2 X^2 (a0, a1 of k limbs, a2 of a2n), each in k + 1 limbs;
// returns 1 when a(-1) is negative.
template <typename L> int evaluate(L* e1, L* em, L* e2, const L* a, size_t k, size_t a2n, L base)
{
    const L* a1 = a + k;
    e1[k] = add(e1, a, k, a + 2 * k, a2n, base);  // a0 + a2
    int negative = 0;
    if (compare(e1, k + 1, a1, k) >= 0) {
        sub(em, e1, k + 1, a1, k, base);
    } else {
        sub(em, a1, k, e1, k, base);  // a0 + a2 < a1: its top limb is 0
        em[k] = 0;
        negative = 1;
    }
    add(e1, e1, k + 1, a1, k, base);
    copy_padded(e2, k + 1, a + 2 * k, a2n);  // a(2) = (2 a2 + a1) 2 + a0
    double_times(e2, k + 1, 1, base);
    add(e2, e2, k + 1, a1, k, base);
    double_times(e2, k + 1, 1, base);
    add(e2, e2, k + 1, a, k, base);
    return negative;
}

}  // namespace

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
    int negative = evaluate(ea1, eam, ea2, a, k, a2n, base);
    if (a == b && an == bn) {  // a square: b's values are a's, and the five products squares
        negative = 0;
        eb1 = ea1;
        ebm = eam;
        eb2 = ea2;
    } else {
        negative ^= evaluate(eb1, ebm, eb2, b, k, b2n, base);
    }
    product(v1, ea1, k + 1, eb1, k + 1, lb, next, threshold);
    product(vm, eam, k + 1, ebm, k + 1, lb, next, threshold);
    product(v2, ea2, k + 1, eb2, k + 1, lb, next, threshold);
    product(r, a, k, b, k, lb, next, threshold);                              // c0
    product(r + 4 * k, a + 2 * k, a2n, b + 2 * k, b2n, lb, next, threshold);  // c4
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
    sub(v1, v1, w, c0, 2 * k, base);  // c2
    sub(v1, v1, w, c4, c4n, base);
    sub(v2, v2, w, c0, 2 * k, base);
    add(vm, v1, w, v1, w, base);  // 4 c2
    add(vm, vm, w, vm, w, base);
    sub(v2, v2, w, vm, w, base);
    copy_padded(vm, w, c4, c4n);  // 16 c4
    double_times(vm, w, 4, base);
    sub(v2, v2, w, vm, w, base);
    divide_exact<2>(v2, w, base);  // e
    sub(v2, v2, w, d, w, base);
    divide_exact<3>(v2, w, base);  // c3
    sub(d, d, w, v2, w, base);     // c1
    const size_t n = an + bn;
    add(r + k, r + k, n - k, d, strip(d, w), base);
    add(r + 2 * k, r + 2 * k, n - 2 * k, v1, strip(v1, w), base);
    add(r + 3 * k, r + 3 * k, n - 3 * k, v2, strip(v2, w), base);
}

template void toom3<word_limbs>(uint32_t*, const uint32_t*, size_t, const uint32_t*, size_t, const word_limbs*,
                                uint32_t*, size_t);
#if defined(__SIZEOF_INT128__)
template void toom3<pair_limbs>(limb2*, const limb2*, size_t, const limb2*, size_t, const pair_limbs*, limb2*, size_t);
#endif

}  // namespace fast_detail
