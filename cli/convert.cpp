#include "cli/convert.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "cli/limits.h"
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

// Numbers of up to 64 bits convert in machine words; longer ones go through the library, whose start-up
// costs more than the whole conversion of a short value (a column of ids is mostly such values).
constexpr size_t WORD_BYTES = 8;

// The digit values of value in radix, most significant first; one zero digit for zero.
std::string word_to_digits(uint64_t value, uint32_t radix)
{
    // Two divisions of the 64-bit value by the largest power of the radix in 32 bits leave 32-bit parts
    // (32-bit processors divide 64-bit numbers in a library call).
    uint32_t chunk_digits = 1;
    uint64_t chunk = radix;
    while (chunk * radix <= UINT32_MAX) {
        chunk *= radix;
        ++chunk_digits;
    }
    char reversed[64];
    size_t count = 0;
    while (value > UINT32_MAX) {
        uint32_t part = static_cast<uint32_t>(value % chunk);
        value /= chunk;
        for (uint32_t i = 0; i < chunk_digits; ++i, part /= radix)
            reversed[count++] = static_cast<char>(part % radix);
    }
    uint32_t rest = static_cast<uint32_t>(value);
    do {
        reversed[count++] = static_cast<char>(rest % radix);
        rest /= radix;
    } while (rest != 0);
    return std::string(std::make_reverse_iterator(reversed + count), std::make_reverse_iterator(reversed));
}

// The value of digit values in radix when it fits 64 bits.
std::optional<uint64_t> digits_to_word(const std::string& digits, uint32_t radix)
{
    uint64_t value = 0;
    for (char d : digits)
        if (__builtin_mul_overflow(value, radix, &value) ||
            __builtin_add_overflow(value, static_cast<uint8_t>(d), &value))
            return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::string> number_to_digits(const std::vector<uint8_t>& bytes, uint32_t radix)
{
    const auto first = std::find_if(bytes.begin(), bytes.end(), [](uint8_t b) { return b != 0; });
    if (bytes.end() - first <= static_cast<std::ptrdiff_t>(WORD_BYTES)) {
        uint64_t value = 0;
        for (auto b = first; b != bytes.end(); ++b)
            value = value << 8 | *b;
        return word_to_digits(value, radix);
    }
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
    if (std::optional<uint64_t> value = digits_to_word(digits, radix)) {
        std::vector<uint8_t> bytes;
        do {
            bytes.push_back(static_cast<uint8_t>(*value));
            *value >>= 8;
        } while (*value != 0);
        return std::vector<uint8_t>(bytes.rbegin(), bytes.rend());
    }
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
