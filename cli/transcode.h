#pragma once
// Between the digits of a number form and the bytes, with the rule for leading zeros: by default a
// number has no leading zero digits (the bytes of a number text are its shortest big-endian form, one
// zero byte for the value zero); with keep_zeros each leading zero byte is one zero digit and back.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/input_scan.h"

enum class decode_status { ok, too_big, library_error };

struct decoded_data {
    decode_status status;
    std::vector<uint8_t> bytes;
};

// The scanner for the digits of a number in radix (alphabet), stopping beyond max_bytes.
input_scanner make_number_scanner(const digit_alphabet& alphabet, uint32_t radix, bool keep_zeros, bool drop_garbage,
                                  uint64_t max_bytes);
// The bytes of a completed scan of a number in radix: too_big beyond max_bytes (decided before any
// conversion when the digit counts suffice).
decoded_data decode_number(uint32_t radix, const input_scanner& scan, bool keep_zeros, uint64_t max_bytes);
// The digit values of bytes (at most MAX_CLI_BYTES) as a number in radix; none when the library reports
// an error. No bytes make no digits.
std::optional<std::string> encode_number(uint32_t radix, const std::vector<uint8_t>& bytes, bool keep_zeros);
