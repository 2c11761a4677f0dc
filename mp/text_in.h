// Reading numbers from text in the current packing.
#pragma once

#include "mp/mp.h"

// Parses text in the current digit_base into x (x must not be scratch0); returns the characters that make
// up the text, or 0 on its own errors (1, 5, 17, 18). Traced.
int instr(bignum x, const char* text);
