#pragma once
// Small routines over hexadecimal text given with an explicit length; neither changes its input.
#include <cstdint>

// Bit length of the unsigned value whose hex digits (either case) are the first len chars of text;
// 0 for zero and for len 0. A non-hex first significant char counts as a full digit of 4 bits.
int count_significant_bits(const char* text, uint32_t len);
// Writes into dst (room for len + 2 chars) the hex text of the first len chars of src with the byte
// order reversed and a NUL; an odd leading digit becomes the last byte "0" + digit. len <= 2: a copy.
void reverse_hex_bytes(char* dst, const char* src, uint32_t len);
