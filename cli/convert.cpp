#include "cli/convert.h"

#include <algorithm>
#include <cmath>

#include "cli/limits.h"
#include "cli/small_number.h"
#include "engine/codecs.h"
#include "engine/digit_maps.h"
#include "engine/radix_converter.h"

namespace {

// The digit values of count characters of text, by one of the engine's digit maps.
std::string values_of(const char* text, size_t count, const digit_map& map)
{
    std::string values(count, '\0');
    for (size_t i = 0; i < count; ++i)
        values[i] = static_cast<char>(map[static_cast<unsigned char>(text[i])]);
    return values;
}

// The characters of digit values in an alphabet, NUL-terminated.
std::vector<char> chars_of(const std::string& values, const char* alphabet)
{
    std::vector<char> text(values.size() + 1, '\0');
    for (size_t i = 0; i < values.size(); ++i)
        text[i] = alphabet[static_cast<uint8_t>(values[i])];
    return text;
}

}  // namespace

std::optional<std::string> number_to_digits(const std::vector<uint8_t>& bytes, uint32_t radix)
{
    if (std::optional<std::string> digits = small_number_digits(bytes, radix))
        return digits;
    std::vector<char> hex(2 * bytes.size() + 1);
    hex_encode(bytes.data(), hex.data(), static_cast<uint32_t>(bytes.size()));
    std::vector<char> text(8 * bytes.size() + 2);  // radix 2 writes the most digits: 8 a byte
    radix_converter converter(static_cast<uint32_t>(std::min<size_t>(bytes.size(), MAX_CLI_BYTES)),
                              library_errors::recorded);
    converter.read(hex.data(), 16);
    const size_t count = converter.write(text.data(), radix);
    if (converter.failed())
        return std::nullopt;
    if (radix > LIBRARY_LETTER_RADIX)
        return count == 0 ? std::string(1, '\0') : std::string(text.data(), count);
    return values_of(text.data(), count, ALPHA60_DIGIT_MAP);
}

std::optional<std::vector<uint8_t>> digits_to_number(const std::string& digits, uint32_t radix)
{
    if (std::optional<std::vector<uint8_t>> bytes = small_number_bytes(digits, radix))
        return bytes;
    const uint64_t bound = number_bytes_bound(digits.size(), radix);
    std::vector<char> text(digits.begin(), digits.end());
    text.push_back('\0');
    if (radix <= LIBRARY_LETTER_RADIX)
        text = chars_of(digits, ALPHABET60);
    const uint32_t capacity = static_cast<uint32_t>(std::min<uint64_t>(bound, MAX_CLI_BYTES));
    std::vector<char> hex(2 * (size_t(capacity) + 1) + 1);  // the value may take the headroom byte
    radix_converter converter(capacity, library_errors::recorded);
    if (radix > LIBRARY_LETTER_RADIX)
        converter.read_codes(text.data(), digits.size(), radix);
    else
        converter.read(text.data(), radix);
    const size_t count = converter.write(hex.data(), 16);
    if (converter.failed())
        return std::nullopt;
    std::vector<uint8_t> bytes((count + 1) / 2 + 1);
    bytes.resize(static_cast<size_t>(hex_decode(bytes.data(), hex.data(), static_cast<uint32_t>(count))));
    return bytes;
}

uint64_t number_bytes_bound(uint64_t digits, uint32_t radix)
{
    return static_cast<uint64_t>(static_cast<double>(digits) * std::log2(static_cast<double>(radix)) / 8.0) + 1;
}
