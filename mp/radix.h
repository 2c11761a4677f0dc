// Radix change: re-expresses a number held in one word base in the instance's current word base.
#pragma once

#include <cstdint>

#include "mp/mp.h"

// y = x, where x's words are in old_word_base (0: 2^32) and y's in the current word_base; fractions convert
// numerator and denominator separately. x = y allowed, either may be scratch6; y must not be another
// scratch number of the conversion. Equal word bases copy.
void cbase(bignum x, uint32_t old_word_base, bignum y);
// The quadratic conversion behind cbase (same contract, always converts). Works in scratch0, scratch2,
// scratch3, scratch6, scratch8 and scratch10. Traced.
void cbase_schoolbook(bignum x, uint32_t old_word_base, bignum y);
