// Fractions ("Flash" numbers): numerator and denominator words side by side in one number, the counts
// split in the length word (numerator bits 0-15, denominator bits 16-30), never reduced.
#pragma once

#include "mp/mp.h"

// f = n / d for integers n, d; f may be n, not d (error 7). Error 13 for a zero denominator or too many
// words, 12 for a fractional operand. A denominator of +-1 gives an integer. Traced.
void fpack(bignum n, bignum d, bignum f);
// y = the numerator of x with the sign of x (a copy for an integer); x = y allowed.
void numerator_of(bignum x, bignum y);
// y = the denominator of x, positive (1 for an integer); x = y allowed.
void denominator_of(bignum x, bignum y);
// 1 for a fraction, 0 for an integer.
int has_denominator(bignum x);
