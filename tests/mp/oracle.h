// Reference arithmetic for the library's tests, on tests/reference (and GMP natively). Values are
// unsigned, held as big-endian bytes without leading zero bytes (zero is the empty vector).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

typedef std::vector<uint8_t> byte_value;

// The library's digit alphabet for radix 2 to 60.
extern const char* const ORACLE_DIGITS60;

// The reference's schoolbook over 32-bit words, every radix 2 to 2^32 - 1: digit values, most
// significant first (no digit for zero), and back.
std::vector<uint32_t> schoolbook_digits(const byte_value& value, uint32_t radix);
byte_value schoolbook_value(const std::vector<uint32_t>& digits, uint32_t radix);
// a * b + c, schoolbook.
byte_value schoolbook_mul_add(const byte_value& a, const byte_value& b, const byte_value& c);
// -1, 0, +1 comparing magnitudes.
int compare_values(const byte_value& a, const byte_value& b);

// The reference used by the differential tests: GMP natively, the schoolbook code under Windows.
// Text of value in radix 2 to 60 with the library's alphabet ("0" for zero), and its inverse.
std::string oracle_text(const byte_value& value, int radix);
byte_value oracle_value(const std::string& text, int radix);

// Hex text (upper case, "0" for zero) and back, through the reference.
std::string value_to_hex(const byte_value& value);
byte_value hex_to_value(const std::string& hex);
// Random value of exactly `words` 32-bit words (top word non-zero).
byte_value random_value(uint32_t seed, int words);
