// Writing numbers as text in the current packing.
#pragma once

#include "mp/mp.h"

// Writes x in the current digit_base into text (NUL-terminated); x must not be scratch0 or scratch8.
// Returns the characters written, or 0 on error 1 or 18. Traced.
int otstr(bignum x, char* text);
