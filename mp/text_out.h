// Writing numbers as text in the current packing.
#pragma once

#include <cstdint>

#include "mp/mp.h"

// Significant digits of the integer x in the current packing; 0 for zero.
int32_t digit_count(bignum x);
// Writes x in the current digit_base into text (NUL-terminated); x must not be scratch0 or scratch8.
// Returns the characters written, or 0 on error 1 or 18. Traced.
int otstr(bignum x, char* text);
