// The transforms' kernels eight lanes at a time in AVX2 registers, for processors that have it: the
// spans from 8 up (and every product of residues); the spans 4, 2 and 1 go to the SSE2 kernels, whose
// four lanes they fill without shuffles across the halves of a register.
#include "mp/fast/ntt_kernels.h"

#include <immintrin.h>

#if defined(__i386__)
// As for the SSE2 kernels: the stack of a 32-bit Windows thread may be aligned to 4 bytes only.
#define AVX2_ROUTINE __attribute__((target("avx2"), force_align_arg_pointer))
#else
#define AVX2_ROUTINE __attribute__((target("avx2")))
#endif

namespace fast_detail {

namespace {

struct lanes8 {
    __m256i p, p2, negated_inverse;
};

AVX2_ROUTINE inline lanes8 lanes_of(const ntt_field& f)
{
    return {_mm256_set1_epi32(static_cast<int>(f.p)), _mm256_set1_epi32(static_cast<int>(2 * f.p)),
            _mm256_set1_epi32(static_cast<int>(f.negated_inverse))};
}

// x * w * 2^-32 mod p in [0, 2p), lane by lane, for x * w < p * 2^32.
AVX2_ROUTINE inline __m256i redc8(__m256i x, __m256i w, const lanes8& l)
{
    const __m256i t02 = _mm256_mul_epu32(x, w);
    const __m256i t13 = _mm256_mul_epu32(_mm256_srli_epi64(x, 32), _mm256_srli_epi64(w, 32));
    const __m256i u02 = _mm256_add_epi64(t02, _mm256_mul_epu32(_mm256_mul_epu32(t02, l.negated_inverse), l.p));
    const __m256i u13 = _mm256_add_epi64(t13, _mm256_mul_epu32(_mm256_mul_epu32(t13, l.negated_inverse), l.p));
    return _mm256_blend_epi32(_mm256_srli_epi64(u02, 32), u13, 0xAA);
}

// x - m where x >= m, lane by lane, for x < 2m and m < 2^31.
AVX2_ROUTINE inline __m256i reduce8(__m256i x, __m256i m)
{
    const __m256i d = _mm256_sub_epi32(x, m);
    return _mm256_add_epi32(d, _mm256_and_si256(_mm256_srai_epi32(d, 31), m));
}

AVX2_ROUTINE inline __m256i load8(const uint32_t* a)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a));
}

AVX2_ROUTINE inline void store8(uint32_t* a, __m256i x)
{
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(a), x);
}

}  // namespace

bool avx2_available()
{
    static const bool avx2 = __builtin_cpu_supports("avx2") != 0;
    return avx2;
}

AVX2_ROUTINE void ntt_forward_avx2(uint32_t* a, size_t n, const uint32_t* w, const ntt_field& f)
{
    const lanes8 l = lanes_of(f);
    for (size_t len = n / 2; len >= 8; len /= 2)
        for (size_t s = 0; s < n; s += 2 * len)
            for (size_t j = 0; j < len; j += 8) {
                const __m256i u = load8(a + s + j), v = load8(a + s + len + j);
                store8(a + s + j, reduce8(_mm256_add_epi32(u, v), l.p2));
                store8(a + s + len + j, redc8(_mm256_add_epi32(_mm256_sub_epi32(u, v), l.p2), load8(w + len + j), l));
            }
    ntt_forward_sse2(a, n, w, f, 4);
}

AVX2_ROUTINE void ntt_inverse_avx2(uint32_t* a, size_t n, const uint32_t* w, const ntt_field& f)
{
    ntt_inverse_sse2(a, n, w, f, 4);
    const lanes8 l = lanes_of(f);
    for (size_t len = 8; len < n; len *= 2)
        for (size_t s = 0; s < n; s += 2 * len)
            for (size_t j = 0; j < len; j += 8) {
                const __m256i u = load8(a + s + j), v = redc8(load8(a + s + len + j), load8(w + len + j), l);
                store8(a + s + j, reduce8(_mm256_add_epi32(u, v), l.p2));
                store8(a + s + len + j, reduce8(_mm256_add_epi32(_mm256_sub_epi32(u, v), l.p2), l.p2));
            }
}

AVX2_ROUTINE void ntt_multiply_avx2(uint32_t* c, const uint32_t* m, size_t n, bool constant, bool reduce,
                                    const ntt_field& f)
{
    const lanes8 l = lanes_of(f);
    const __m256i k = _mm256_set1_epi32(static_cast<int>(m[0]));
    for (size_t i = 0; i < n; i += 8) {
        __m256i x = redc8(load8(c + i), constant ? k : load8(m + i), l);
        if (reduce)
            x = reduce8(x, l.p);
        store8(c + i, x);
    }
}

}  // namespace fast_detail
