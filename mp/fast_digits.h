// Whole words of digits at a time, for reading and writing text: the digit loops of instr and otstr
// otherwise pay a chain of divisions per digit (digit_at, putdig) and a trace entry per digit.
#pragma once

#include <cstdint>

#include "mp/mp.h"

// The digits_per_word digits of the current digit_base held in word w, most significant first.
// digit_base is 2 to 256, so every digit fits a byte.
void fast_word_digits(uint32_t w, uint8_t* digits);

// Sets digit i (from 1) of the integer x to v, where that digit and every digit above it are 0, exactly as
// putdig (v, x, i) does but without entering the trace. Returns false, doing nothing, when putdig would
// raise error 3 there or the trace is printed; the caller then calls putdig.
bool fast_put_new_digit(uint32_t v, bignum x, int32_t i);
