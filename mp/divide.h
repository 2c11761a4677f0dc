// Long division of integers in the current word base.
#pragma once

#include <cstdint>

#include "mp/mp.h"

// Returns (hi * 2^32 + lo) / d and sets r to the remainder; the quotient must fit in 32 bits.
uint32_t div_double_word(uint32_t hi, uint32_t lo, uint32_t d, uint32_t* r);
// y = x * f for the factor f that brings y's top word near the word base; returns f. x non-zero; x = y allowed.
uint32_t normalise(bignum x, bignum y);
// z = x / y truncated toward zero, x = the remainder (sign of the dividend). x != y (error 7); z = x gives
// only the quotient, z = y only the remainder. Errors 12 (fraction), 2 (zero divisor), 3 (quotient too
// long). Works in scratch0; x may be scratch0, y and z not. Traced.
void divide(bignum x, bignum y, bignum z);
