#pragma once
// What digit counts say about the size of a number, before anything is converted.
#include <cstdint>

// The most significant digits a number in radix (2-62) can have and hold at most max_bytes bytes: a
// number of more digits is at least radix^(digits - 1), too big.
uint64_t max_number_digits(uint32_t radix, uint64_t max_bytes);
// The fewest bytes that a number of `digits` significant digits in radix (2-62) can need.
uint64_t min_number_bytes(uint64_t digits, uint32_t radix);
