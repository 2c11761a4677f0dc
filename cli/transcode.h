#pragma once
// Between the digits of a form and the bytes, with the rule for leading zeros: by default a number has
// no leading zero digits (the bytes of a number text are its shortest big-endian form, one zero byte for
// the value zero); with keep_zeros each leading zero byte is one zero digit and back.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/forms.h"
#include "cli/input_scan.h"

enum class decode_status { ok, too_big, lone_digit, library_error };

struct decoded_data {
    decode_status status;
    std::vector<uint8_t> bytes;
};

// The scanner for input text of form (hex, base64 or a radix) in alphabet, stopping beyond max_bytes.
input_scanner make_scanner(const data_form& form, const digit_alphabet& alphabet, bool keep_zeros, bool drop_garbage,
                           uint64_t max_bytes);
// The bytes of a completed scan of form: too_big beyond max_bytes (decided before any conversion when
// the digit counts suffice), lone_digit for Base64 text that ends in a lone digit.
decoded_data decode_text(const data_form& form, const input_scanner& scan, bool keep_zeros, uint64_t max_bytes);
// The digit values of bytes (at most MAX_CLI_BYTES) in form (hex, base64 or a radix); none when the
// library reports an error. No bytes make no digits.
std::optional<std::string> encode_bytes(const data_form& form, const std::vector<uint8_t>& bytes, bool keep_zeros);
