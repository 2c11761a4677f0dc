// Whole-word shifts, and multiplication and division of a number by one word, in the instance's current
// word base (2^32 when word_base is 0). Results go into numbers the caller provides; nothing allocates.
// Errors go through report_error.
#pragma once

#include <cstdint>

#include "mp/mp.h"

// w = x * word_base^n; n < 0 drops the low -n words. x = w allowed. Traced; error 3 (too long), 12 (fraction).
void mp_shift(bignum x, int32_t n, bignum w);
// z = x * m; x = z allowed; m may exceed word_base. Error 3 when the product needs more than max_words words.
void multiply_by_word(bignum x, uint32_t m, bignum z);
// z = x / d truncated (d != 0); returns the remainder of the magnitude. x = z allowed.
uint32_t divide_by_word(bignum x, uint32_t d, bignum z);
// Returns (a * b + c) / d and sets r to the remainder; the quotient must fit in 32 bits.
uint32_t mul_add_div(uint32_t a, uint32_t b, uint32_t c, uint32_t d, uint32_t* r);
