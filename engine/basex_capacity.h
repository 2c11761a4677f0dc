#pragma once
// Capacity tests of BASE(X) values, run before the library reads them. A value may have at most the
// engine's capacity in bytes (MAX_DATA_BYTES for the dialog), and the library must be able to read its text:
// an over-long text would end the process through the library's overflow report. The tests run on
// every keystroke, so they decide from digit counts wherever that is enough.
#include <cstdint>

// What the count of significant digits of a radix 2-60 text says about its value.
enum basex_size_verdict { BASEX_FITS, BASEX_TOO_BIG, BASEX_CONVERT_TO_KNOW };

// Index of the first of count digit values that is not 0; count if none.
uint32_t skip_zero_digits(const uint8_t* values, uint32_t count);
// Judges a value of `significant` digits in radix 2-60, which lies in [radix^(d-1), radix^d), against
// a limit of capacity_bytes bytes. BASEX_CONVERT_TO_KNOW when that range straddles the limit; such a
// value exceeds it by at most 7 bits, so it still fits the library's working number.
basex_size_verdict judge_basex_digits(uint32_t significant, uint32_t radix, uint32_t capacity_bytes);
// True when count unpadded Base64 characters decode to at most capacity_bytes bytes.
bool base64_count_fits(uint32_t count, uint32_t capacity_bytes);
