#pragma once
// The ByteUnit of Base(2^n) mode, which follows the bit count n.
#include <cstdint>

#include "platform/win32.h"

// Puts into IDC_BYTE_UNIT the ByteUnit of the n in IDC_POW2_BITS, unless it shows that value already.
void update_byte_unit(HWND dialog);
// ByteUnit of n bits: 1 up to 8, 2 up to 16, 4 up to 32, above that 4 x ceil(n / 32).
uint32_t byte_unit_for_bits(uint32_t n);
