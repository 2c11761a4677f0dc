// Word-array arithmetic: products and squares (schoolbook, Karatsuba, Toom-3, unbalanced pieces) against
// an independent row-by-row product, carries and borrows through maximal words, division by the word base.
#include <gtest/gtest.h>

#include <random>

#include "mp/fast/arith.h"
#include "oracle.h"

namespace {

// Word bases of the packings: 2^32, 10^9, 60^5, 3^19, the smallest (radix 46341), a prime (radix 2^31 - 1)
// and a power of two (radix 8); and wider powers that the radix change works in, above 2^31: 36^6, 46341^2
// and the widest base.
const uint32_t BASES[] = {0,           1000000000u, 777600000u,  1162261467u, 46341u,
                          2147483647u, 1u << 30,    2176782336u, 2147488281u, FAST_WIDEST_BASE};

enum class way { schoolbook, fast_mul, transforms };

#if defined(__i386__)
constexpr bool VECTOR_COLUMNS = true;  // the schoolbook's columns take the vector registers asked for
#else
constexpr bool VECTOR_COLUMNS = false;
#endif

// a * b by `how`, the schoolbook's columns and the transforms in `vectors`.
words multiply(const words& a, const words& b, uint32_t base, way how, fast_vectors vectors = fast_vectors::none)
{
    fast_base fb;
    fast_base_init(&fb, base);
    const words& x = a.size() >= b.size() ? a : b;
    const words& y = a.size() >= b.size() ? b : a;
    words r(x.size() + y.size(), 0xDEADBEEF);
    const size_t scratch_words =
        how == way::transforms ? fast_mul_ntt_scratch_words(x.size(), y.size()) : fast_mul_scratch_words(x.size());
    words scratch(scratch_words + 1, 0xDEADBEEF);
    if (how == way::schoolbook)
        fast_mul_basecase(r.data(), x.data(), x.size(), y.data(), y.size(), &fb, vectors);
    else if (how == way::fast_mul)
        fast_mul(r.data(), x.data(), x.size(), y.data(), y.size(), &fb, scratch.data());
    else
        fast_mul_ntt(r.data(), x.data(), x.size(), y.data(), y.size(), &fb, vectors, scratch.data());
    EXPECT_EQ(scratch.back(), 0xDEADBEEF) << "scratch overrun";
    return stripped(r);
}

TEST(FastArith, ProductsMatchRowByRowProductInEveryBase)
{
    // Shapes around the Karatsuba thresholds, the unbalanced split, Toom-3 (from 300 limbs), deep recursion
    // and the transforms (from NTT_THRESHOLD* words; every shape also through fast_mul_ntt, whose
    // transform lengths are powers of two from 8: 5 x 4 fills 8 points, 5 x 5 spills into 16, or into 8
    // with its top coefficient computed apart, as 9 x 9, 41 x 40 (the most that is: a quarter more) and
    // 2401 x 2400 are; not 41 x 41, nor 140 x 5, whose first operand does not fit the shorter transform).
    const size_t T = KARATSUBA_THRESHOLD, TB = 2 * KARATSUBA_THRESHOLD_WIDE_B;  // the latter in words
    const size_t T1 = KARATSUBA_THRESHOLD_B;
    const std::pair<size_t, size_t> shapes[] = {{TB - 2, TB - 2},
                                                {TB, TB - 1},
                                                {TB + 1, TB + 1},
                                                {T1 - 1, T1 - 1},
                                                {T1, T1},
                                                {2 * T1 + 1, T1},
                                                {1, 1},
                                                {7, 3},
                                                {5, 4},
                                                {5, 5},
                                                {9, 9},
                                                {41, 40},
                                                {41, 41},
                                                {140, 5},
                                                {T - 1, T - 1},
                                                {T, T},
                                                {T + 1, T},
                                                {2 * T, T},
                                                {2 * T + 1, T},
                                                {2 * T - 1, 2 * T - 1},
                                                {3 * T, T + 1},
                                                {5 * T + 3, T + 2},
                                                {4 * T, 4 * T},
                                                {4 * T + 1, 2 * T + 1},
                                                {9 * T + 7, 9 * T},
                                                {700, 351},
                                                {1000, 999},
                                                {1200, 41},
                                                {1808, 1300},
                                                {2401, 2400},
                                                {NTT_THRESHOLD_B, NTT_THRESHOLD_B},
                                                {NTT_THRESHOLD + 1, NTT_THRESHOLD}};
    std::mt19937 rng(11);
    for (uint32_t base : BASES) {
        for (auto [an, bn] : shapes) {
            for (int kind = 0; kind < VALUE_KINDS; ++kind) {
                words a = make_value(rng, an, kind, base), b = make_value(rng, bn, (kind + 1) % VALUE_KINDS, base);
                words expected = reference_product(a, b, base);
                const words square = reference_product(a, a, base);
                EXPECT_EQ(multiply(a, b, base, way::fast_mul), expected) << "base " << base << " " << an << "x" << bn;
                EXPECT_EQ(multiply(a, a, base, way::fast_mul), square) << "square base " << base << " " << an;
                // The schoolbook's columns (32-bit x86: scalar, SSE2, AVX2) and the transforms in every set of
                // vector registers that the processor has.
                for (fast_vectors v : {fast_vectors::none, fast_vectors::sse2, fast_vectors::avx2}) {
                    if (v > fast_widest_vectors())
                        continue;
                    const bool columns = v == fast_vectors::none || VECTOR_COLUMNS;
                    if (columns && bn < 200) {
                        EXPECT_EQ(multiply(a, b, base, way::schoolbook, v), expected) << "schoolbook base " << base;
                    }
                    if (columns && an < 200) {
                        EXPECT_EQ(multiply(a, a, base, way::schoolbook, v), square)
                            << "schoolbook square base " << base;
                    }
                    if (v == fast_vectors::none)
                        continue;
                    EXPECT_EQ(multiply(a, b, base, way::transforms, v), expected)
                        << "transforms base " << base << " " << an << "x" << bn;
                    EXPECT_EQ(multiply(a, a, base, way::transforms, v), square)
                        << "transforms square base " << base << " " << an;
                }
            }
        }
    }
}

TEST(FastArith, AddAndSubtractCarryThroughMaximalWords)
{
    for (uint32_t base : BASES) {
        fast_base fb;
        fast_base_init(&fb, base);
        const uint32_t top = base == 0 ? UINT32_MAX : base - 1;
        // (W^5 - 1) + 1 = W^5: zeros and a carry out; W^5 - 1 back: maxima and a borrow out.
        words a(5, top), one = {1}, r(5, 7);
        EXPECT_EQ(fast_add(r.data(), a.data(), 5, one.data(), 1, &fb), 1u);
        EXPECT_EQ(r, words(5, 0));
        EXPECT_EQ(fast_sub(r.data(), r.data(), 5, one.data(), 1, &fb), 1u);
        EXPECT_EQ(r, words(5, top));
        // Same-length sums of maxima: (W^3 - 1) * 2 = W^3 + (W^3 - 2).
        words m(3, top), s(3, 0);
        EXPECT_EQ(fast_add(s.data(), m.data(), 3, m.data(), 3, &fb), 1u);
        EXPECT_EQ(s, (words{top - 1, top, top}));
        // A borrow through words equal to the subtrahend: W^2 + 5 - (W^2 - 1) ... as 3 - 2 word numbers.
        words x = {5, 0, 1}, y = {top, top}, d(3, 9);
        EXPECT_EQ(fast_sub(d.data(), x.data(), 3, y.data(), 2, &fb), 0u);
        EXPECT_EQ(d, (words{6, 0, 0}));
        EXPECT_EQ(fast_compare(x.data(), 3, y.data(), 2), 1);
        EXPECT_EQ(fast_compare(y.data(), 2, x.data(), 3), -1);
        words padded = {5, 0, 1, 0, 0};
        EXPECT_EQ(fast_compare(x.data(), 3, padded.data(), 5), 0);
    }
}

TEST(FastArith, MultiplyByWordCarriesInTheBase)
{
    std::mt19937 rng(5);
    for (uint32_t base : BASES) {
        fast_base fb;
        fast_base_init(&fb, base);
        for (int kind = 0; kind < VALUE_KINDS; ++kind) {
            words a = make_value(rng, 37, kind, base);
            uint32_t m = base == 0 ? UINT32_MAX : base - 1, c = m;
            words r(a.size() + 1);
            r[a.size()] = fast_mul_word(r.data(), a.data(), a.size(), m, c, &fb);
            words expected = reference_product(a, words{m}, base);
            // + c: add the carry-in word through the reference too.
            words sum = expected;
            sum.resize(r.size() + 1, 0);
            fast_add(sum.data(), sum.data(), sum.size(), words{c}.data(), 1, &fb);
            EXPECT_EQ(stripped(r), stripped(sum)) << "base " << base;
        }
    }
}

TEST(FastArith, DivisionByTheBaseIsExactNearEveryMultiple)
{
    for (uint32_t base : BASES) {
        if (base == 0)
            continue;
        fast_base fb;
        fast_base_init(&fb, base);
        const uint64_t quotients[] = {0, 1, 2, 0xFFFFFFFFull, 1ull << 32, (UINT64_MAX / base) - 1, UINT64_MAX / base};
        for (uint64_t q : quotients)
            for (uint64_t r : {uint64_t{0}, uint64_t{1}, uint64_t{base} - 1}) {
                if (q == UINT64_MAX / base && r > UINT64_MAX - q * base)
                    continue;
                uint64_t t = q * base + r;
                uint32_t rem = 0;
                EXPECT_EQ(fast_div_word(t, &fb, &rem), t / base) << t;
                EXPECT_EQ(rem, t % base) << t;
            }
        uint32_t rem = 0;
        EXPECT_EQ(fast_div_word(UINT64_MAX, &fb, &rem), UINT64_MAX / base);
        EXPECT_EQ(rem, UINT64_MAX % base);
        // Random values of every size: quotients of one and of two words, high words just below the base.
        std::mt19937_64 rng(base);
        for (int i = 0; i < 20000; ++i) {
            const uint64_t t = i % 3 == 0   ? rng()
                               : i % 3 == 1 ? rng() >> (rng() % 64)
                                            : ((uint64_t{base} - 1 - rng() % 4) << 32) | (rng() >> 32);
            EXPECT_EQ(fast_div_word(t, &fb, &rem), t / base) << t;
            EXPECT_EQ(rem, t % base) << t;
        }
    }
}

}  // namespace
