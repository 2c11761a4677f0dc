// Number representation: the length word, packing of digits into words, and basic handling.
#pragma once

#include <cstdint>

#include "mp/mp.h"

constexpr uint32_t SIGN_BIT = 0x80000000u;
constexpr uint32_t COUNT_MASK = 0x7FFFFFFFu;        // words in use of an integer
constexpr uint32_t NUMERATOR_MASK = 0xFFFFu;        // numerator words of a fraction
constexpr uint32_t DENOMINATOR_MASK = 0x7FFF0000u;  // denominator words of a fraction
constexpr int DENOMINATOR_SHIFT = 16;

// Words in use of an integer (bits 0-30 of the length word).
inline int32_t word_count(bignum x)
{
    return static_cast<int32_t>(x->length_word & COUNT_MASK);
}

// How digits of a radix pack into a word: word_base 0 stands for 2^32.
struct packing {
    uint32_t word_base;
    int32_t digits_per_word;
};
// The packing of radix r (0 means 2^32, r != 1): 2, 4, 16, 256, 65536 pack into full words, any other
// radix into its largest power up to 2^31.
packing packing_of(uint32_t r);
// Sets digit_base, digits_per_word and word_base of the instance to radix r and its packing_of.
void choose_word_base(uint32_t r);
// True when r can be the radix of a packing (0 for 2^32, or 2 to 2^31); otherwise reports error 6.
// Radix 1 would never finish choosing a packing.
bool check_packing_radix(uint32_t r);
// w shifted left by n bits (0 <= n <= 31).
uint32_t shift_word_bits(uint32_t w, int n);
// Words in use, numerator and denominator together.
int32_t stored_length(bignum x);
// x = 0, wiping the words in use; null is ignored.
void clear_number(bignum x);
// x = n.
void set_from_int(int32_t n, bignum x);
// y = x (integer or fraction); x = y has no effect, a null x clears y.
void copy_number(bignum x, bignum y);
// -1 if x is negative, else +1 (also for 0).
int sign_of(bignum x);
// A non-zero x becomes negative when s < 0, else positive; zero stays unsigned.
void set_sign(int s, bignum x);
// Lowers the count past zero words at the top; a count of 0 leaves no sign.
void strip_leading_zeros(bignum x);
// -1, 0, +1 for x < y, x = y, x > y (signed integers); x = y allowed.
int compare_numbers(bignum x, bignum y);
// x as a signed value when it is one word below 2^30, else +-2^30 with its sign; 0 for zero or null.
int32_t clamped_value(bignum x);
