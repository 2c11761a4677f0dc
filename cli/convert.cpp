#include "cli/convert.h"

#include <algorithm>
#include <cmath>

#include "cli/limits.h"
#include "cli/small_number.h"
#include "engine/radix_converter.h"

std::optional<std::string> number_to_digits(const std::vector<uint8_t>& bytes, uint32_t radix)
{
    if (std::optional<std::string> digits = small_number_digits(bytes, radix))
        return digits;
    std::string digits(8 * bytes.size() + 1, '\0');  // radix 2 writes the most digits: 8 a byte
    radix_converter converter(static_cast<uint32_t>(std::min<size_t>(bytes.size(), MAX_CLI_BYTES)),
                              library_errors::recorded);
    converter.read_bytes(bytes.data(), bytes.size());
    digits.resize(converter.write_digits(reinterpret_cast<uint8_t*>(&digits[0]), radix));
    if (converter.failed())
        return std::nullopt;
    return digits;
}

std::optional<std::vector<uint8_t>> digits_to_number(const std::string& digits, uint32_t radix)
{
    if (std::optional<std::vector<uint8_t>> bytes = small_number_bytes(digits, radix))
        return bytes;
    const uint64_t bound = number_bytes_bound(digits.size(), radix);
    const uint32_t capacity = static_cast<uint32_t>(std::min<uint64_t>(bound, MAX_CLI_BYTES));
    radix_converter converter(capacity, library_errors::recorded);
    converter.read_digits(reinterpret_cast<const uint8_t*>(digits.data()), digits.size(), radix);
    std::vector<uint8_t> bytes(converter.byte_count());
    bytes.resize(converter.write_bytes(bytes.data()));
    if (converter.failed())
        return std::nullopt;
    if (bytes.empty())
        bytes.push_back(0);  // zero: one zero byte
    return bytes;
}

uint64_t number_bytes_bound(uint64_t digits, uint32_t radix)
{
    return static_cast<uint64_t>(static_cast<double>(digits) * std::log2(static_cast<double>(radix)) / 8.0) + 1;
}
