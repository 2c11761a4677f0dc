#pragma once
// Every call the command makes into the conversion engine: its radix converter (the one start-up of the
// multiprecision library) for a radix change, short numbers by schoolbook arithmetic (cli/small_number.h).
// Text crosses this boundary as digit values, most significant first; the alphabets are the caller's
// business.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The digits in radix 2-62 of the big-endian number in bytes (1 to MAX_CLI_BYTES of them), without
// leading zeros: one zero digit for the value zero. None when the library reports an error.
std::optional<std::string> number_to_digits(const std::vector<uint8_t>& bytes, uint32_t radix);
// The shortest big-endian bytes of the number whose radix 2-62 digits are given, one zero byte for the
// value zero. The value may need up to MAX_CLI_BYTES + 1 bytes (the caller then refuses it); none when
// the library reports an error.
std::optional<std::vector<uint8_t>> digits_to_number(const std::string& digits, uint32_t radix);
// Upper bound of the bytes of a number of `digits` digits in radix (2-62).
uint64_t number_bytes_bound(uint64_t digits, uint32_t radix);
