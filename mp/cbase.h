// Radix change: re-expresses a number held in one word base in the instance's current word base, by the
// fast path (mp/fast/cbase.h) where it gives the same result, else by the schoolbook routine
// (mp/cbase_schoolbook.h).
#pragma once

#include <cstdint>

#include "mp/mp.h"

// y = x, where x's words are in old_word_base (0: 2^32) and y's in the current word_base; fractions convert
// numerator and denominator separately. x = y allowed, either may be scratch6; y must not be another
// scratch number of the conversion. Equal word bases copy.
void cbase(bignum x, uint32_t old_word_base, bignum y);
