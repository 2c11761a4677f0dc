// The transforms' kernels four lanes at a time in SSE2 registers: pmuludq takes the even lanes'
// products, so a Montgomery reduction of four is six of them.
#include "mp/fast/ntt_kernels.h"

#include <emmintrin.h>

#if defined(__i386__)
// On 32-bit x86 the kernels are compiled for SSE2, which fast_mul asks the processor for; the stack of a
// 32-bit Windows thread may be aligned to 4 bytes only, so each routine realigns its own frame.
#define VECTOR_ROUTINE __attribute__((target("sse2"), force_align_arg_pointer))
#else
#define VECTOR_ROUTINE
#endif

namespace fast_detail {

namespace {

struct lanes {
    __m128i p, p2, negated_inverse;
};

VECTOR_ROUTINE inline lanes lanes_of(const ntt_field& f)
{
    return {_mm_set1_epi32(static_cast<int>(f.p)), _mm_set1_epi32(static_cast<int>(2 * f.p)),
            _mm_set1_epi32(static_cast<int>(f.negated_inverse))};
}

// x * w * 2^-32 mod p in [0, 2p), lane by lane, for x * w < p * 2^32.
VECTOR_ROUTINE inline __m128i redc4(__m128i x, __m128i w, const lanes& l)
{
    const __m128i t02 = _mm_mul_epu32(x, w);
    const __m128i t13 = _mm_mul_epu32(_mm_srli_epi64(x, 32), _mm_srli_epi64(w, 32));
    const __m128i u02 = _mm_add_epi64(t02, _mm_mul_epu32(_mm_mul_epu32(t02, l.negated_inverse), l.p));
    const __m128i u13 = _mm_add_epi64(t13, _mm_mul_epu32(_mm_mul_epu32(t13, l.negated_inverse), l.p));
    return _mm_or_si128(_mm_srli_epi64(u02, 32), _mm_and_si128(u13, _mm_set_epi32(-1, 0, -1, 0)));
}

// x - m where x >= m, lane by lane, for x < 2m and m < 2^31 (x - m then fits a signed lane).
VECTOR_ROUTINE inline __m128i reduce4(__m128i x, __m128i m)
{
    const __m128i d = _mm_sub_epi32(x, m);
    return _mm_add_epi32(d, _mm_and_si128(_mm_srai_epi32(d, 31), m));
}

VECTOR_ROUTINE inline __m128i load4(const uint32_t* a)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
}

VECTOR_ROUTINE inline void store4(uint32_t* a, __m128i x)
{
    _mm_storeu_si128(reinterpret_cast<__m128i*>(a), x);
}

// The butterflies of either direction on four lanes: forward (x, y) -> (x + y, (x - y) w), inverse
// (x, y) -> (x + y w, x - y w); values in [0, 2p) in and out.
VECTOR_ROUTINE inline void forward4(__m128i* x, __m128i* y, __m128i w, const lanes& l)
{
    const __m128i u = *x, v = *y;
    *x = reduce4(_mm_add_epi32(u, v), l.p2);
    *y = redc4(_mm_add_epi32(_mm_sub_epi32(u, v), l.p2), w, l);
}

VECTOR_ROUTINE inline void inverse4(__m128i* x, __m128i* y, __m128i w, const lanes& l)
{
    const __m128i u = *x, v = redc4(*y, w, l);
    *x = reduce4(_mm_add_epi32(u, v), l.p2);
    *y = reduce4(_mm_add_epi32(_mm_sub_epi32(u, v), l.p2), l.p2);
}

// Eight values of the two smallest butterfly spans as the x and y lanes: span 2 takes [x0 x1 y0 y1]
// [x2 x3 y2 y3] to [x0 x1 x2 x3] [y0 y1 y2 y3]; span 1 first takes [x0 y0 x1 y1] to [x0 x1 y0 y1]
// (its own inverse, so both are undone by the same steps in reverse).
VECTOR_ROUTINE inline void split_spans(__m128i* a, __m128i* b, bool span1)
{
    if (span1) {
        *a = _mm_shuffle_epi32(*a, _MM_SHUFFLE(3, 1, 2, 0));
        *b = _mm_shuffle_epi32(*b, _MM_SHUFFLE(3, 1, 2, 0));
    }
    const __m128i x = _mm_unpacklo_epi64(*a, *b), y = _mm_unpackhi_epi64(*a, *b);
    *a = x;
    *b = y;
}

VECTOR_ROUTINE inline void join_spans(__m128i* x, __m128i* y, bool span1)
{
    __m128i a = _mm_unpacklo_epi64(*x, *y), b = _mm_unpackhi_epi64(*x, *y);
    if (span1) {
        a = _mm_shuffle_epi32(a, _MM_SHUFFLE(3, 1, 2, 0));
        b = _mm_shuffle_epi32(b, _MM_SHUFFLE(3, 1, 2, 0));
    }
    *x = a;
    *y = b;
}

// The butterflies of spans 2 and 1 over a[0..n), eight values at a time, w the twiddles.
template <bool FORWARD> VECTOR_ROUTINE inline void small_spans(uint32_t* a, size_t n, const uint32_t* w, const lanes& l)
{
    const __m128i w2 =
        _mm_set_epi32(static_cast<int>(w[3]), static_cast<int>(w[2]), static_cast<int>(w[3]), static_cast<int>(w[2]));
    const __m128i w1 = _mm_set1_epi32(static_cast<int>(w[1]));
    for (int pass = 0; pass < 2; ++pass) {
        const bool span1 = FORWARD ? pass == 1 : pass == 0;
        for (size_t s = 0; s < n; s += 8) {
            __m128i x = load4(a + s), y = load4(a + s + 4);
            split_spans(&x, &y, span1);
            if (FORWARD)
                forward4(&x, &y, span1 ? w1 : w2, l);
            else
                inverse4(&x, &y, span1 ? w1 : w2, l);
            join_spans(&x, &y, span1);
            store4(a + s, x);
            store4(a + s + 4, y);
        }
    }
}

// The butterflies of one span `len` (at least 4) over a[0..n), four at a time.
template <bool FORWARD>
VECTOR_ROUTINE inline void span(uint32_t* a, size_t n, size_t len, const uint32_t* w, const lanes& l)
{
    for (size_t s = 0; s < n; s += 2 * len)
        for (size_t j = 0; j < len; j += 4) {
            __m128i x = load4(a + s + j), y = load4(a + s + len + j);
            if (FORWARD)
                forward4(&x, &y, load4(w + len + j), l);
            else
                inverse4(&x, &y, load4(w + len + j), l);
            store4(a + s + j, x);
            store4(a + s + len + j, y);
        }
}

}  // namespace

VECTOR_ROUTINE void ntt_forward_sse2(uint32_t* a, size_t n, const uint32_t* w, const ntt_field& f, size_t largest)
{
    const lanes l = lanes_of(f);
    for (size_t len = largest; len >= 4; len /= 2)
        span<true>(a, n, len, w, l);
    small_spans<true>(a, n, w, l);
}

VECTOR_ROUTINE void ntt_inverse_sse2(uint32_t* a, size_t n, const uint32_t* w, const ntt_field& f, size_t largest)
{
    const lanes l = lanes_of(f);
    small_spans<false>(a, n, w, l);
    for (size_t len = 4; len <= largest; len *= 2)
        span<false>(a, n, len, w, l);
}

VECTOR_ROUTINE void ntt_multiply_sse2(uint32_t* c, const uint32_t* m, size_t n, bool constant, bool reduce,
                                      const ntt_field& f)
{
    const lanes l = lanes_of(f);
    const __m128i k = _mm_set1_epi32(static_cast<int>(m[0]));
    for (size_t i = 0; i < n; i += 4) {
        __m128i x = redc4(load4(c + i), constant ? k : load4(m + i), l);
        if (reduce)
            x = reduce4(x, l.p);
        store4(c + i, x);
    }
}

VECTOR_ROUTINE void ntt_garner_sse2(const uint32_t* r1, uint32_t* r2, uint32_t* r3, size_t n, const ntt_garner& g)
{
    const lanes l2 = lanes_of(g.f2), l3 = lanes_of(g.f3);
    const __m128i inverse1 = _mm_set1_epi32(static_cast<int>(g.inverse1));
    const __m128i p1_mod3 = _mm_set1_epi32(static_cast<int>(g.p1_mod3));
    const __m128i inverse12 = _mm_set1_epi32(static_cast<int>(g.inverse12));
    const __m128i p3_thrice = _mm_set1_epi32(static_cast<int>(3 * g.f3.p));
    for (size_t i = 0; i < n; i += 4) {
        const __m128i x1 = load4(r1 + i);
        // r2 + p2 - r1 > 0 as p1 < p2; below 2 p2, and r3 + 3 p3 - r1 - v2 p1 (v2 p1 below 2 p3) is
        // between p3 - p1 > 0 and 4 p3 < 2^32: both products stay below p 2^32.
        const __m128i v2 = reduce4(redc4(_mm_sub_epi32(_mm_add_epi32(load4(r2 + i), l2.p), x1), inverse1, l2), l2.p);
        const __m128i v2p1 = redc4(v2, p1_mod3, l3);
        const __m128i d3 = _mm_sub_epi32(_mm_add_epi32(load4(r3 + i), p3_thrice), _mm_add_epi32(x1, v2p1));
        store4(r2 + i, v2);
        store4(r3 + i, reduce4(redc4(d3, inverse12, l3), l3.p));
    }
}

}  // namespace fast_detail
