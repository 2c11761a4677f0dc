#pragma once
// What digit counts say about the size of the data, before anything is converted.
#include <cstdint>

#include "cli/forms.h"

// The most digits a text of the form can have and hold at most max_bytes bytes of data (for a radix:
// significant digits; a number of more digits is at least radix^(digits - 1), too big).
uint64_t max_text_digits(const data_form& form, uint64_t max_bytes);
// The fewest bytes that a number of `digits` significant digits in radix (2-62) can need.
uint64_t min_number_bytes(uint64_t digits, uint32_t radix);
