// The fast path of the radix change: cbase between the binary word base (2^32) and any other word base
// through the divide-and-conquer conversion of mp/fast/radix.h, with the schoolbook routine's results, errors
// and use of scratch numbers. Its workspace is obtained once per instance, when mpsys starts it.
#pragma once

#include <cstdint>

#include "mp/mp.h"

// Obtains (zeroed) the fast path's workspace for numbers of max_words words, replacing any earlier one.
// When the memory cannot be had, the fast path stays off and cbase converts by schoolbook.
void fast_cbase_start(int32_t max_words);
// Wipes and frees the workspace; the fast path is off until the next start.
void fast_cbase_stop();
// cbase (x, old_word_base, y) by the fast conversion when that gives exactly what the schoolbook routine
// gives: one side binary, each part of x within the workspace, no routine trace printed, and no overflow
// test on the growing power pending (overflow_check off, or the target base binary). Returns false,
// having done nothing, otherwise.
bool fast_cbase(bignum x, uint32_t old_word_base, bignum y);
