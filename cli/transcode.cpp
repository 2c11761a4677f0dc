#include "cli/transcode.h"

#include <limits>

#include "cli/convert.h"
#include "cli/size_limit.h"

input_scanner make_number_scanner(const digit_alphabet& alphabet, uint32_t radix, bool keep_zeros, bool drop_garbage,
                                  uint64_t max_bytes)
{
    const uint64_t max_zeros = keep_zeros ? max_bytes : std::numeric_limits<uint64_t>::max();
    return input_scanner(alphabet, drop_garbage, max_number_digits(radix, max_bytes), max_zeros);
}

decoded_data decode_number(uint32_t radix, const input_scanner& scan, bool keep_zeros, uint64_t max_bytes)
{
    const std::string& digits = scan.digits();
    const uint64_t zero_bytes = keep_zeros ? scan.zeros() : 0;
    if (zero_bytes + min_number_bytes(digits.size(), radix) > max_bytes)
        return {decode_status::too_big, {}};
    std::vector<uint8_t> bytes(zero_bytes, 0);
    if (digits.empty()) {
        // Only zeros, or nothing: by default the value zero is one zero byte, and no digits no bytes.
        if (!keep_zeros && scan.zeros() > 0)
            bytes.push_back(0);
        return {decode_status::ok, bytes};
    }
    std::optional<std::vector<uint8_t>> number = digits_to_number(digits, radix);
    if (!number)
        return {decode_status::library_error, {}};
    if (zero_bytes + number->size() > max_bytes)
        return {decode_status::too_big, {}};
    bytes.insert(bytes.end(), number->begin(), number->end());
    return {decode_status::ok, bytes};
}

std::optional<std::string> encode_number(uint32_t radix, const std::vector<uint8_t>& bytes, bool keep_zeros)
{
    size_t zero_bytes = 0;
    if (keep_zeros)
        while (zero_bytes < bytes.size() && bytes[zero_bytes] == 0)
            ++zero_bytes;
    if (zero_bytes == 0)
        return bytes.empty() ? std::string() : number_to_digits(bytes, radix);
    std::string digits(zero_bytes, '\0');
    if (zero_bytes == bytes.size())
        return digits;
    std::optional<std::string> number = number_to_digits(
        std::vector<uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(zero_bytes), bytes.end()), radix);
    if (!number)
        return std::nullopt;
    return digits + *number;
}
