// Whole words of digits at a time, for reading and writing text: the digit loops of instr and otstr
// otherwise pay a chain of divisions per digit (digit_at, putdig) and a trace entry per digit.
#pragma once

#include <cstdint>

#include "mp/mp.h"

// The digits_per_word digits of the current digit_base held in word w, most significant first.
// digit_base is 2 to 256, so every digit fits a byte.
void fast_word_digits(uint32_t w, uint8_t* digits);

// Reads a run of digits of text into x, from index i down to start, exactly as instr's loop does one
// character at a time (each digit stored with putdig (value, x, ++*position) into a digit that is 0):
// values[c] is the digit value of character c (negative for none). Stops at the first character that is
// not a digit below digit_base, or whose place putdig would refuse, and returns its index (start - 1 when
// the run reached start). Reads nothing while the trace is printed.
int32_t fast_read_digits(bignum x, const char* text, int32_t start, int32_t i, int32_t* position,
                         const int16_t* values);

// Sets digit i (from 1) of the integer x to v, where that digit and every digit above it are 0, exactly as
// putdig (v, x, i) does but without entering the trace. Returns false, doing nothing, when putdig would
// raise error 3 there or the trace is printed; the caller then calls putdig.
bool fast_put_new_digit(uint32_t v, bignum x, int32_t i);
