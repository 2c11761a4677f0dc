// Schoolbook columns of word limbs summed four at a time in SSE2 registers (eight in AVX2, below), for
// 32-bit x86, where the scalar column loop is bound by `mul`'s two result registers out of seven (about
// 0.85 ns a word product on the benchmark machine) and pmuludq takes two products an instruction.
//
// Columns k..k+3 are summed together: for each word a[i], one broadcast and two pmuludq against the pairs
// (b[k-i], b[k-i+1]) and (b[k-i+2], b[k-i+3]), taken from a table of b's neighbouring pairs with zeros
// beyond either end of b, so that one run of i serves all four columns (the zeros give the products that a
// column does not have). A lane keeps two sums of its 64-bit products: S, their sum modulo 2^64, and H,
// the sum of their high words, exact. The column's sum is then S plus 2^64 times the high word of
// H * 2^32 and the carry of adding its low part back (the low words' sum is S - H * 2^32, below 2^64).
// Each column then joins the carry and is reduced by the scalar reduce_column, as in reduce_columns.
// Measured against the scalar loop (g++ -m32 -O2, binary words): 0.48 against 0.92 ns a word product
// at 32 words, 0.31 against 0.76 at 128.
#include "mp/fast/schoolbook.h"

#if defined(__i386__)

#include <cpuid.h>
#include <immintrin.h>

namespace fast_detail {

bool sse2_available()
{
    static const bool sse2 = [] {
        unsigned eax, ebx, ecx, edx;
        return __get_cpuid(1, &eax, &ebx, &ecx, &edx) != 0 && (edx & bit_SSE2) != 0;
    }();
    return sse2;
}

namespace {

// A lane's column (its sums s and h, as above) joined with the carry and reduced into *digit; returns the
// carry into the next column.
inline uint64_t reduce_vector_column(uint64_t s, uint64_t h, uint64_t carry, uint32_t* digit, const word_limbs* lb)
{
    uint64_t lo = s;
    uint32_t hi = static_cast<uint32_t>(h >> 32) + (lo < (h << 32));
    lo += carry;
    hi += lo < carry;
    return reduce_column(lo, hi, digit, lb);
}

// out[0..pad + bn + pad) = b[0..bn) with pad zeros on either side: the tables of b's neighbours are
// read from it, a vector load an entry.
inline void pad_copy(uint32_t* out, const uint32_t* b, size_t bn, size_t pad)
{
    for (size_t i = 0; i < pad; ++i)
        out[i] = out[pad + bn + i] = 0;
    for (size_t i = 0; i < bn; ++i)
        out[pad + i] = b[i];
}

}  // namespace

// The stack of a 32-bit Windows thread may be aligned to 4 bytes only: the routine realigns its own frame
// for the table and the vector registers that it spills.
__attribute__((target("sse2"), force_align_arg_pointer)) void
reduce_columns_sse2(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const word_limbs* lb)
{
    // Pair j (j from -3 to bn + 1) at pairs[j + 3]: {b[j], 0, b[j + 1], 0}, b zero outside [0, bn).
    uint32_t padded[VECTOR_COLUMNS_MAX + 6];
    pad_copy(padded, b, bn, 3);
    __m128i pairs[VECTOR_COLUMNS_MAX + 5];
    for (size_t e = 0; e < bn + 5; ++e)
        pairs[e] = _mm_unpacklo_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(padded + e)),
                                      _mm_setzero_si128());
    const __m128i* pair0 = pairs + 3;
    const size_t columns = an + bn - 1;
    uint64_t carry = 0;
    for (size_t k = 0; k < columns; k += 4) {
        const size_t first = k + 1 > bn ? k + 1 - bn : 0;  // column k's first word of a
        const size_t last = k + 3 < an ? k + 3 : an - 1;   // column k+3's last word of a
        __m128i s01 = _mm_setzero_si128(), h01 = s01, s23 = s01, h23 = s01;
        const __m128i* pair = pair0 + (k - first);
        for (size_t i = first; i <= last; ++i, --pair) {
            const __m128i x = _mm_shuffle_epi32(_mm_cvtsi32_si128(static_cast<int>(a[i])), 0);
            const __m128i p01 = _mm_mul_epu32(x, pair[0]);
            const __m128i p23 = _mm_mul_epu32(x, pair[2]);
            s01 = _mm_add_epi64(s01, p01);
            h01 = _mm_add_epi64(h01, _mm_srli_epi64(p01, 32));
            s23 = _mm_add_epi64(s23, p23);
            h23 = _mm_add_epi64(h23, _mm_srli_epi64(p23, 32));
        }
        alignas(16) uint64_t s[4], h[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(s), s01);
        _mm_store_si128(reinterpret_cast<__m128i*>(s + 2), s23);
        _mm_store_si128(reinterpret_cast<__m128i*>(h), h01);
        _mm_store_si128(reinterpret_cast<__m128i*>(h + 2), h23);
        for (size_t m = 0; m < 4 && k + m < columns; ++m)
            carry = reduce_vector_column(s[m], h[m], carry, &r[k + m], lb);
    }
    r[columns] = static_cast<uint32_t>(carry);
}

// The same eight columns at a time in AVX2 registers: one broadcast word of a against two quads of b's
// words, (b[k-i] .. b[k-i+3]) and (b[k-i+4] .. b[k-i+7]), vpmuludq taking four products an instruction.
// Measured against the SSE2 columns (bench32 build, BM_fast_mul_basecase/<words>/<base>, fastest of four
// rounds alternating the binaries): binary words 0.5 against 0.6 us at 32 words, 3.0 against 5.5 us at
// 128; base 10^9 (whose columns also pay two divisions) 1.3 against 1.4 us at 32, 6.4 against 8.6 at 128.
__attribute__((target("avx2"), force_align_arg_pointer)) void
reduce_columns_avx2(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const word_limbs* lb)
{
    // Quad j (j from -7 to bn + 3) at quads[j + 7]: {b[j], 0, b[j + 1], 0, b[j + 2], 0, b[j + 3], 0}, b zero
    // outside [0, bn).
    uint32_t padded[VECTOR_COLUMNS_MAX + 14];
    pad_copy(padded, b, bn, 7);
    __m256i quads[VECTOR_COLUMNS_MAX + 11];
    for (size_t e = 0; e < bn + 11; ++e)
        quads[e] = _mm256_cvtepu32_epi64(_mm_loadu_si128(reinterpret_cast<const __m128i*>(padded + e)));
    const __m256i* quad0 = quads + 7;
    const size_t columns = an + bn - 1;
    uint64_t carry = 0;
    for (size_t k = 0; k < columns; k += 8) {
        const size_t first = k + 1 > bn ? k + 1 - bn : 0;  // column k's first word of a
        const size_t last = k + 7 < an ? k + 7 : an - 1;   // column k+7's last word of a
        __m256i s03 = _mm256_setzero_si256(), h03 = s03, s47 = s03, h47 = s03;
        const __m256i* quad = quad0 + (k - first);
        for (size_t i = first; i <= last; ++i, --quad) {
            const __m256i x = _mm256_set1_epi32(static_cast<int>(a[i]));
            const __m256i p03 = _mm256_mul_epu32(x, quad[0]);
            const __m256i p47 = _mm256_mul_epu32(x, quad[4]);
            s03 = _mm256_add_epi64(s03, p03);
            h03 = _mm256_add_epi64(h03, _mm256_srli_epi64(p03, 32));
            s47 = _mm256_add_epi64(s47, p47);
            h47 = _mm256_add_epi64(h47, _mm256_srli_epi64(p47, 32));
        }
        alignas(32) uint64_t s[8], h[8];
        _mm256_store_si256(reinterpret_cast<__m256i*>(s), s03);
        _mm256_store_si256(reinterpret_cast<__m256i*>(s + 4), s47);
        _mm256_store_si256(reinterpret_cast<__m256i*>(h), h03);
        _mm256_store_si256(reinterpret_cast<__m256i*>(h + 4), h47);
        for (size_t m = 0; m < 8 && k + m < columns; ++m)
            carry = reduce_vector_column(s[m], h[m], carry, &r[k + m], lb);
    }
    r[columns] = static_cast<uint32_t>(carry);
}

}  // namespace fast_detail

#endif
