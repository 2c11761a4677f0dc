// The schoolbook radix change: the value summed word by word against a growing power of the old word
// base, in the current word base. Quadratic in the length of the number.
#pragma once

#include <cstdint>

#include "mp/mp.h"

// The quadratic conversion behind cbase (mp/cbase.h: same contract, always converts). Works in scratch0,
// scratch2, scratch3, scratch6, scratch8 and scratch10. Traced.
void cbase_schoolbook(bignum x, uint32_t old_word_base, bignum y);
