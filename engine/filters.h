#pragma once
// Input filters: clean a NUL-terminated text in place, keeping the wanted characters in order.
#include <cstdint>

// Keeps the digits of radix 2, 8, 10, 16 (either case), 36 (upper case), 60 or 64 and a "-" in the
// very first position; any other radix keeps only that "-". Returns the new length, "-" included.
int filter_radix_text(char* text, uint32_t radix);
// Keeps the characters that occur in the alphabet of radix (2-60 or 64) in force: the default one for
// table_mode 1, the custom one for 2 (nothing passes while none is stored). Returns the new length.
int filter_basex_text(char* text, uint32_t radix, uint32_t table_mode);
