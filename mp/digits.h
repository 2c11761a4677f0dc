// Single digits of a number in the current packing: reading one, writing one, counting them.
#pragma once

#include <cstdint>

#include "mp/mp.h"

// Words of a number that putdig may write: max_words with the overflow test on, twice that with it off
// (as when cinstr reads a text in the text's own packing).
inline int64_t digit_word_bound(const mp_context* ctx, bool overflow_check)
{
    return overflow_check ? ctx->max_words : 2 * static_cast<int64_t>(ctx->max_words);
}
// Digit i (from 1 at the least significant end) of x in the current packing.
uint32_t digit_at(bignum x, int32_t i);
// Replaces digit i of the integer x by n (0 <= n < digit_base). Error 3 beyond max_words words
// (twice that while overflow_check is off). Traced.
void putdig(uint32_t n, bignum x, int32_t i);
// Significant digits of the integer x in the current packing; 0 for zero.
int32_t digit_count(bignum x);
