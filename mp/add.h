// Signed addition and subtraction of integers in the instance's current word base (2^32 when word_base
// is 0). Results go into numbers the caller provides; nothing allocates. Errors go through report_error.
#pragma once

#include "mp/mp.h"

// z = x + y for non-negative x, y; any aliasing. Error 3 when the sum needs more than max_words words.
void add_magnitudes(bignum x, bignum y, bignum z);
// z = x - y for x >= y >= 0; any aliasing. Error 4 when y is the larger.
void subtract_magnitudes(bignum x, bignum y, bignum z);
// z = x + d * y with d = +1 or -1; any aliasing; operands keep their signs. Error 12 for fractions.
void add_or_subtract(bignum x, int d, bignum y, bignum z);
// z = x + y; any aliasing. Traced.
void add(bignum x, bignum y, bignum z);
