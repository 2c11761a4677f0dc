#pragma once
// Input filters: clean a NUL-terminated text in place, keeping the wanted characters in order.
#include <cstdint>

#include "engine/alphabets.h"

// Keeps the digits of radix 2, 8, 10, 16 (either case), 36 (upper case), 60 or 64 and a "-" in the
// very first position; any other radix keeps only that "-". Returns the new length, "-" included.
int filter_radix_text(char* text, uint32_t radix);
// Keeps the hex digits (either case) only; unlike filter_radix_text no leading "-" either: as a sign
// it would make BASE(X) negative while ASCII stays empty. Returns the new length.
int filter_hex_text(char* text);
// Keeps the characters that occur in the alphabet (nothing passes an empty custom alphabet).
// Returns the new length.
int filter_basex_text(char* text, const digit_alphabet& alphabet);
