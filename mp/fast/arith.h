// Word-array arithmetic for the fast radix change.
//
// A number here is a plain array of uint32_t words, least significant first, with an explicit length; no
// sign, no length word, no instance. The word base is carried by a fast_base record: 2^32 (given as 0) or
// a base B with 2^15 < B <= FAST_WIDEST_BASE: the word bases that non-binary packings use (up to 2^31),
// and the wider powers of their radixes that the radix change works in. Every word of a base-B array is
// below B. Routines never allocate: the caller passes result arrays and scratch.
//
// Algorithms and costs (n = words of the longer operand):
// - add, subtract, compare, multiply by one word: one pass, O(n).
// - fast_mul_basecase: column-wise (product scanning) schoolbook multiplication, O(n^2): every column is
//   summed in a 96-bit accumulator of 32x32->64-bit products, then reduced once (base 2^32: a shift;
//   base B: two divisions by B through a precomputed reciprocal, on 32-bit targets a word at a time).
//   On 32-bit x86 with SSE2 four columns are summed at once in vector registers, two products an
//   instruction (mp/fast/vector_columns.cpp), about twice as fast; with AVX2 eight, four products an
//   instruction, faster again by up to 1.8 (binary) and 1.3 (base B, whose divisions stay scalar); the
//   thresholds below are set for them.
//   A square (a the same array as b, of the same length) takes each product off the diagonal once and
//   doubles the column: half the products. The recursive steps keep a square a square; the power
//   tables of the radix change are built by squaring. Measured (bench/bench_fast.cpp, BM_fast_sqr against
//   BM_fast_mul, 64 to 4096 words): a square costs 0.61-0.79 of a product natively, 0.72-0.91 on i686.
// - fast_mul: Karatsuba (subtractive form, |a0 - a1| * |b0 - b1|), O(n^1.585), for any word base, over
//   the schoolbook product below a threshold, and Toom-3 (points 0, 1, -1, 2, infinity; exact division by
//   2 and 3 in the word base), O(n^1.465), for long balanced operands; a much longer first operand is cut
//   into pieces of the second operand's length. Where the compiler has a 128-bit integer (x86-64) the product runs on
//   limbs of two words (binary: base 2^64; base B: w0 + w1 * B, base B^2), packed and unpacked in linear passes, with
//   64x64->128-bit products summed in 192-bit columns and a base-B^2 column reduced by division by an
//   invariant integer (normalised divisor, precomputed reciprocal); a quarter of the word products remain.
//   Binary limbs go by rows instead where the processor has mulx, adcx and adox (mp/fast/wide_rows.cpp):
//   two carry chains a row, and one loop length for the whole product, about 1.4 times as fast.
//   From NTT_THRESHOLD* words on the shorter operand fast_mul takes fast_mul_ntt instead.
// - fast_mul_ntt: number-theoretic transforms of the word sequences modulo three primes below 2^30,
//   pointwise products, the inverse transforms, and the coefficients put together by the Chinese
//   remainder theorem and carried into the word base: O(n log n), for any word base. The butterflies run
//   in vector registers, four (SSE2) or eight (AVX2) at a time, and so does the remainders' first step: on
//   i686 (BM_fast_mul/4096/0, bench32 build, AVX2) 0.31 ms against 1.12 ms by Toom-3 and GMP's 0.90 ms. A
//   product whose coefficients pass a power of two by at most a quarter (as the radix change's powers of a
//   base B do) takes the cyclic transform of that power and its top coefficients apart.
//
// One file per algorithm:
// - mp/fast/carry.h/.cpp: the carry chains (add, subtract with carry or borrow, four limbs a step), strip,
//   compare and the product by one word.
// - mp/fast/schoolbook.h/.cpp: product scanning over word and two-word limbs; below KARATSUBA_THRESHOLD*.
// - mp/fast/vector_columns.cpp: the SSE2 and AVX2 columns of word limbs on 32-bit x86.
// - mp/fast/wide_rows.cpp: the rows of binary two-word limbs on x86-64 with mulx, adcx and adox.
// - mp/fast/karatsuba.cpp: the product driver (schoolbook, pieces, Toom-3 or Karatsuba) and fast_mul with its
//   packing into two-word limbs; from KARATSUBA_THRESHOLD* on the shorter operand.
// - mp/fast/toom3.cpp: the Toom-3 step, from TOOM3_THRESHOLD limbs on balanced operands.
// - mp/fast/ntt.cpp: the transforms' product (setup, twiddles, Chinese remainders, carries), with its
//   vector kernels in mp/fast/ntt_sse2.cpp and mp/fast/ntt_avx2.cpp (mp/fast/ntt_kernels.h).
// mp/fast/products.h declares the two recursive steps to each other.
#pragma once

#include <cstddef>
#include <cstdint>

// Thresholds, chosen by timing fast_mul (bench/bench_fast.cpp, BM_fast_mul/<words>/<base>) built with
// candidate values, at 64 to 4370 words in base 2^32 and 10^9:
// shorter operand, in words, below which the one-word product (32-bit targets) is schoolbook: binary
// words, and words of a base B whose columns also pay two divisions. Measured in the bench32 build with
// the SSE2 columns (mp/fast/vector_columns.cpp), fastest of six rounds alternating the candidates' binaries
// (the machine's noise comes in bursts of seconds): binary 48, 64, 96 and 128 gave 452, 392, 399 and 394
// us for BM_fast_mul/2048/0 and 1197, 1195, 1118 and 1112 us for /4096/0; base 10^9 128, 160, 192 and 256
// gave 92.6, 92.8, 81.2 and 81.3 us for BM_fast_mul/512/1 and 2344, 2104, 2066 and 2107 us for /4096/1.
// (With the scalar columns, on a processor without SSE2, 32 and 96 were best.) With the AVX2 columns the
// same pairs held: binary 128 and 192, base B 256 and 320 (the vector columns' table made longer for
// them) took alike or longer (fastest of four rounds: BM_fast_mul/512/0 36.9 us at 96, 47.6-49.4 at 128
// and 192; BM_cotstr/10/32767 4.78 ms at 192, 4.89 and 6.63 at 256 and 320).
constexpr size_t KARATSUBA_THRESHOLD = 96;
constexpr size_t KARATSUBA_THRESHOLD_B = 192;
// The same in two-word binary limbs (x86-64): 48 measured best against 16, 24, 32, 64, 80, 96 and 128 (at 4370
// words in base 10^9: 0.90 ms against 1.07 ms at 32 and 0.94 ms at 96).
// With the rows of mp/fast/wide_rows.cpp, 32, 40 and 48 took alike (fastest of five rounds: 1.54, 1.54 and
// 1.55 ms for BM_cinstr/10/32767, 19.3 us each for BM_fast_mul/512/0).
constexpr size_t KARATSUBA_THRESHOLD_WIDE = 48;
// The same for base-B^2 limbs, whose columns also pay two divisions: 64 measured best against 48, 80 and 96
// once the division lost its unpredictable branch (at 4096 words in base 10^9: 0.72 ms against 0.79 ms at
// 48; radix change to 10^9 at 32767 bytes: 2.68 ms against 2.90 ms).
constexpr size_t KARATSUBA_THRESHOLD_WIDE_B = 64;
// Longer operand, in limbs (words, or two-word limbs on x86-64), from which balanced operands take Toom-3:
// 300 measured best against 100, 150, 200, 500 and 800 (at 4370 words: 0.49 ms against 0.55 ms without
// Toom-3 in base 2^32, 0.81 ms against 0.92 ms in base 10^9). A Toom-4 step (points 0, +/-1, +/-2, 1/2,
// infinity) from 500 to 1500 limbs gained nothing measurable up to the 2048-limb products used here. On
// i686 (word limbs, the bench32 build) 120, 200, 300 and 450 took alike within the noise: fastest of three
// rounds 1.81-1.87 ms for BM_fast_mul/4096/0 and 3.20-3.46 ms for /4096/1.
// On x86-64 with the binary rows (mp/fast/wide_rows.cpp), 150 and 200 against 300 traded binary for base B
// (BM_fast_mul/512/0 21.0 and 20.9 us against 19.3, /512/1 43.5 and 43.3 against 45.6) and the radix
// change took alike (BM_cinstr/10/32767 1.57 and 1.56 ms against 1.55, BM_cotstr/10/32767 3.03 and 3.01
// against 2.99).
constexpr size_t TOOM3_THRESHOLD = 300;
// Shorter operand, in words, from which fast_mul takes the transforms of fast_mul_ntt (where they run),
// binary words and words of a base B. Measured on the radix change both ways (BM_cotstr and BM_cinstr,
// radix 10 and 60 at 32767 and 131060 bytes; from text the products are binary, to text in a base B),
// fastest of four rounds alternating the candidates' binaries, with the AVX2 kernels of the benchmark
// machine. i686 (bench32): binary 512 against 768 and 1024 took 2.58 against 2.82 and 2.81 ms from radix
// 10 at 32767 bytes; base B 768 against 384 and 512 took 5.72 against 5.84 and 5.88 ms to it. x86-64,
// where the two-word products are twice as fast and the transforms are not: binary 2048 against 1024,
// 3072 and 4096 took 1.88 against 1.91, 1.98 and 1.98 ms; base B 1536 against 512, 1024 and 2048 took
// 3.77 against 4.13, 3.86 and 3.77 ms. (With the SSE2 kernels only, i686 pairs from 768/512 to 2048/1024
// came within 3% of each other, and x86-64 gained only from 131060 bytes, with 4096/2048.)
#if defined(__SIZEOF_INT128__)
constexpr size_t NTT_THRESHOLD = 2048;
constexpr size_t NTT_THRESHOLD_B = 1536;
#else
constexpr size_t NTT_THRESHOLD = 512;
constexpr size_t NTT_THRESHOLD_B = 768;
#endif
// Shorter operand, in words, from which x86-64 packs the operands into two-word limbs: packing already
// pays at 4 words (6 words: 16 ns against 24 ns; 12 words: 36 ns against 70 ns).
constexpr size_t WIDE_PRODUCT_MIN = 4;

// The widest word base B: 3 B^2 < 2^64, so that a sum of two two-word limbs (base B^2) and a carry stays
// well within 64 bits.
constexpr uint32_t FAST_WIDEST_BASE = 2479700524u;

// A word base: base 0 stands for 2^32. Where the compiler has a 128-bit integer, reciprocal =
// floor((2^64 - 1) / base) for base B. Elsewhere (i686) the base is divided as an invariant integer on
// 32-bit words: divisor = B shifted left by `shift` until its top bit is set, inverse = floor((2^64 - 1) /
// divisor) - 2^32; two multiplications a quotient word, where a 64-bit division is a libgcc call (about a
// fifth of the radix change to radix 10 at 32767 bytes on i686 went there).
struct fast_base {
    uint32_t base;
#if defined(__SIZEOF_INT128__)
    uint64_t reciprocal;
#else
    uint32_t divisor;
    uint32_t inverse;
    int shift;
#endif
};

// Fills b for word base `base` (0 = 2^32, otherwise at least 2): the array routines below take
// 2^15 < base <= FAST_WIDEST_BASE; fast_div_word and fast_mul_word any base, as the digit tables use them.
void fast_base_init(fast_base* b, uint32_t base);

#if !defined(__SIZEOF_INT128__)
// (u1 * 2^32 + u0) / divisor for u1 < divisor: the quotient word, and the remainder in *rem. Division by
// an invariant integer with a precomputed reciprocal, two corrections at most, the first by masks.
inline uint32_t fast_div_normalised(uint32_t u1, uint32_t u0, const fast_base* b, uint32_t* rem)
{
    const uint64_t q = static_cast<uint64_t>(b->inverse) * u1 + ((static_cast<uint64_t>(u1) << 32) | u0);
    uint32_t q1 = static_cast<uint32_t>(q >> 32) + 1;
    uint32_t r = u0 - q1 * b->divisor;
    // The first correction goes either way about as often, so it is done by masks (as divide_pair does).
    const uint32_t back = 0u - static_cast<uint32_t>(r > static_cast<uint32_t>(q));
    q1 += back;
    r += back & b->divisor;
    if (__builtin_expect(r >= b->divisor, 0)) {
        ++q1;
        r -= b->divisor;
    }
    *rem = r;
    return q1;
}
#endif

// Quotient of t by the base B of b (not 2^32); the remainder goes to *rem. Natively one multiplication by
// the reciprocal and at most one correction (for any B < 2^32 the estimate is never more than one too
// small); on 32-bit targets t shifted by the divisor's shift, divided a word at a time from the top.
inline uint64_t fast_div_word(uint64_t t, const fast_base* b, uint32_t* rem)
{
#if defined(__SIZEOF_INT128__)
    uint64_t q = static_cast<uint64_t>((static_cast<unsigned __int128>(t) * b->reciprocal) >> 64);
    uint64_t r = t - q * b->base;
    if (r >= b->base) {
        ++q;
        r -= b->base;
    }
    *rem = static_cast<uint32_t>(r);
    return q;
#else
    // t * 2^shift as three words n2 n1 n0; n2 < 2^shift <= divisor. (x >> 1) >> (31 - shift) is
    // x >> (32 - shift), and 0 for shift 0, without a shift by 32.
    const int s = b->shift;
    const uint32_t hi = static_cast<uint32_t>(t >> 32), lo = static_cast<uint32_t>(t);
    const uint32_t n2 = (hi >> 1) >> (31 - s);
    const uint32_t n1 = (hi << s) | ((lo >> 1) >> (31 - s));
    uint32_t r1, r0;
    const uint32_t q1 = n2 == 0 && n1 < b->divisor ? (r1 = n1, 0u) : fast_div_normalised(n2, n1, b, &r1);
    const uint32_t q0 = fast_div_normalised(r1, lo << s, b, &r0);
    *rem = r0 >> s;
    return (static_cast<uint64_t>(q1) << 32) | q0;
#endif
}

// Length of a[0..n) without its leading zero words.
size_t fast_strip(const uint32_t* a, size_t n);

// -1, 0 or +1 as a[0..an) <, =, > b[0..bn) (leading zero words allowed on either side).
int fast_compare(const uint32_t* a, size_t an, const uint32_t* b, size_t bn);

// r[0..an) = a[0..an) + b[0..bn), an >= bn; returns the carry out (0 or 1). r may be a or b (same place).
uint32_t fast_add(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base);

// r[0..an) = a[0..an) - b[0..bn), an >= bn; returns the borrow out (0 or 1). r may be a or b (same place).
uint32_t fast_sub(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base);

// r[0..n) = a[0..n) * m + c, for m, c below the base; returns the carry word (below the base). r may be a.
uint32_t fast_mul_word(uint32_t* r, const uint32_t* a, size_t n, uint32_t m, uint32_t c, const fast_base* base);

// The vector registers that the schoolbook columns (32-bit x86) and fast_mul_ntt's transforms run in,
// narrowest first.
enum class fast_vectors { none, sse2, avx2 };

// The widest that this processor (and system) runs, asked once: none on 32-bit x86 without SSE2 (part of
// x86-64), avx2 where it has AVX2.
fast_vectors fast_widest_vectors();

// r[0..an+bn) = a[0..an) * b[0..bn), an >= bn >= 1, bn <= 65536 (the column sums then fit the
// accumulator); r must not overlap a or b (a may be b). Schoolbook product scanning; on 32-bit x86 its
// columns run in `vectors` (at most fast_widest_vectors(); none: the scalar loop), elsewhere scalar.
void fast_mul_basecase(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base,
                       fast_vectors vectors);

// The longest product (an + bn words) that fast_mul_ntt takes: its coefficients stay below the product
// of its three primes, and its transforms within their roots of unity.
constexpr size_t FAST_NTT_MAX_WORDS = size_t{1} << 21;

// Scratch words that fast_mul_ntt needs for a product of an + bn words: five times the transform length,
// the power of two from an + bn - 1.
size_t fast_mul_ntt_scratch_words(size_t an, size_t bn);

// r[0..an+bn) = a[0..an) * b[0..bn), an >= bn >= 1, an + bn <= FAST_NTT_MAX_WORDS, in any word base:
// number-theoretic transforms modulo three primes and the Chinese remainder theorem, O(n log n), in
// `vectors` (not none, and at most fast_widest_vectors()). r must not overlap a, b or scratch (a may be b:
// a square takes one forward transform).
void fast_mul_ntt(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base,
                  fast_vectors vectors, uint32_t* scratch);

// Scratch words that fast_mul needs for a first operand of n words.
size_t fast_mul_scratch_words(size_t n);

// r[0..an+bn) = a[0..an) * b[0..bn), an >= bn >= 1; r must not overlap a, b or scratch (a may be b).
// scratch holds fast_mul_scratch_words(an) words. Karatsuba above the thresholds.
void fast_mul(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base,
              uint32_t* scratch);
