// The product driver of the fast word-array layer: schoolbook below the thresholds, a long first operand
// cut into pieces of the second's length, Toom-3 (mp/fast/toom3.cpp) for long balanced operands, and the
// Karatsuba step (subtractive form) otherwise; and fast_mul, which runs it on two-word limbs where the
// compiler has a 128-bit integer, packing and unpacking the words in linear passes.
#include "mp/fast/products.h"

#include "mp/precondition.h"

namespace fast_detail {

namespace {

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

// d[0..n) = |x[0..n) - y[0..yn)|, yn <= n; returns 1 when x < y.
template <typename L> int abs_difference(L* d, const L* x, size_t n, const L* y, size_t yn, L base)
{
    if (compare(x, n, y, yn) >= 0) {
        sub(d, x, n, y, yn, base);
        return 0;
    }
    sub(d, y, yn, x, strip(x, n), base);  // x < y, so x is no longer than y
    for (size_t i = yn; i < n; ++i)
        d[i] = 0;
    return 1;
}

}  // namespace

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
            add(r + done, piece, len + bn, r + done, bn, base);  // no carry out: the product fits
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
    // A square stays a square: its three products are squares too.
    const bool square = a == b && an == bn;
    const int na = abs_difference(da, a, h, a + h, a1n, base);
    const int nb = square ? na : abs_difference(db, b, h, b + h, b1n, base);
    product(z1, da, h, square ? da : db, h, lb, next, threshold);
    t[2 * h] = add(t, r, 2 * h, r + 2 * h, a1n + b1n, base);
    if (na == nb)
        sub(t, t, 2 * h + 1, z1, 2 * h, base);
    else
        add(t, t, 2 * h + 1, z1, 2 * h, base);
    add(r + h, r + h, an + bn - h, t, strip(t, 2 * h + 1), base);
}

template void product<word_limbs>(uint32_t*, const uint32_t*, size_t, const uint32_t*, size_t, const word_limbs*,
                                  uint32_t*, size_t);
#if defined(__SIZEOF_INT128__)
template void product<pair_limbs>(limb2*, const limb2*, size_t, const limb2*, size_t, const pair_limbs*, limb2*,
                                  size_t);
#endif

}  // namespace fast_detail

using namespace fast_detail;

namespace {

#if defined(__SIZEOF_INT128__)
size_t limbs_of(size_t words)
{
    return (words + 1) / 2;
}

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

// Scratch words of the Karatsuba and Toom-3 steps for a first operand of n words.
size_t recursive_scratch_words(size_t n)
{
#if defined(__SIZEOF_INT128__)
    // Both operands and the product as limbs, the limb product's scratch, and one word for alignment.
    // The smaller of the two limb thresholds: its products keep the more scratch.
    const size_t limbs = 2 * limbs_of(n) + 2 * limbs_of(n) + product_scratch(limbs_of(n), KARATSUBA_THRESHOLD_WIDE);
    return 2 * limbs + 2;
#else
    // The smaller of the two word thresholds: its products keep the more scratch.
    return product_scratch(n,
                           KARATSUBA_THRESHOLD < KARATSUBA_THRESHOLD_B ? KARATSUBA_THRESHOLD : KARATSUBA_THRESHOLD_B);
#endif
}

}  // namespace

size_t fast_mul_scratch_words(size_t n)
{
    const size_t transforms = n >= (NTT_THRESHOLD < NTT_THRESHOLD_B ? NTT_THRESHOLD : NTT_THRESHOLD_B)
                                  ? fast_mul_ntt_scratch_words(n, n)
                                  : 0;
    const size_t steps = recursive_scratch_words(n);
    return transforms > steps ? transforms : steps;
}

void fast_mul(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base,
              uint32_t* scratch)
{
    MP_EXPECTS(array_base(base->base) && an >= bn && bn >= 1);
    MP_EXPECTS(words_disjoint(r, an + bn, a, an) && words_disjoint(r, an + bn, b, bn));
    MP_EXPECTS(words_disjoint(r, an + bn, scratch, fast_mul_scratch_words(an)));
    if (bn >= (base->base == 0 ? NTT_THRESHOLD : NTT_THRESHOLD_B) && an + bn <= FAST_NTT_MAX_WORDS) {
        const fast_vectors vectors = fast_widest_vectors();
        if (vectors != fast_vectors::none) {
            fast_mul_ntt(r, a, an, b, bn, base, vectors, scratch);
            return;
        }
    }
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
        if (a == b && an == bn)
            b2 = a2;  // a square: the limb product squares too
        else
            pack(b2, b, bn, base->base);
        const size_t threshold = base->base == 0 ? KARATSUBA_THRESHOLD_WIDE : KARATSUBA_THRESHOLD_WIDE_B;
        product(r2, a2, la, b2, lbn, &p, next, threshold);
        unpack(r, r2, an + bn, base);
        return;
    }
#endif
    const word_limbs w = word_limbs_of(base);
    product(r, a, an, b, bn, &w, scratch, base->base == 0 ? KARATSUBA_THRESHOLD : KARATSUBA_THRESHOLD_B);
}
