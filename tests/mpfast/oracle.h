// References for the fast layer's tests: the schoolbook conversions and products of tests/reference over
// std::vector<uint32_t> (words least significant first, normal form: no leading zero words), and, where
// GMP exists (native builds), conversions through GMP. Also the test inputs: random and structured values.
#pragma once

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "tests/reference/reference.h"

using words = std::vector<uint32_t>;

// The word base that a radix packs into: the largest power of the radix not above 2^31.
uint32_t word_base_of_radix(uint32_t radix);

// Schoolbook (quadratic) references, written without the fast layer: those of tests/reference.
inline words reference_to_radix(const words& binary, uint32_t base)
{
    return ref_to_radix(binary, base);
}
inline words reference_from_radix(const words& digits, uint32_t base)
{
    return ref_from_radix(digits, base);
}
inline words reference_product(const words& a, const words& b, uint32_t base)
{
    return ref_product(a, b, base);
}

#if defined(MPFAST_HAVE_GMP)
// The same conversions through GMP (fast for every length).
words gmp_to_radix(const words& binary, uint32_t base);
words gmp_from_radix(const words& digits, uint32_t base);
#endif

// Inputs of n words (n >= 1, top word not zero): kind 0 random words, 1 all words at their maximum,
// 2 sparse bits (a few set bits), 3 base^k - 1 / base^k + 1 shapes (the word pattern of max - 1 / 1 0..0 1),
// 4 random words with long runs of zeros and maxima. Words of a base-B kind are below B.
words make_value(std::mt19937& rng, size_t n, int kind, uint32_t base);
constexpr int VALUE_KINDS = 5;

// Words in normal form: leading zero words removed.
inline words stripped(words w)
{
    return ref_strip(std::move(w));
}
