#include "cli/small_number.h"

#include <algorithm>

namespace {

constexpr size_t WORD_BITS = 32;
constexpr size_t MAX_WORDS = SMALL_NUMBER_BYTES / 4;

// A number of up to MAX_WORDS words, least significant first.
struct small_number {
    uint32_t words[MAX_WORDS];
    size_t used = 0;
};

// The largest power of radix that fits a word, and its exponent.
struct radix_chunk {
    uint32_t power;
    uint32_t digits;
};

radix_chunk chunk_of(uint32_t radix)
{
    radix_chunk chunk{radix, 1};
    while (uint64_t(chunk.power) * radix <= UINT32_MAX) {
        chunk.power *= radix;
        ++chunk.digits;
    }
    return chunk;
}

// number := number * factor + addend; false when it outgrows MAX_WORDS.
bool multiply_add(small_number& number, uint32_t factor, uint32_t addend)
{
    uint64_t carry = addend;
    for (size_t i = 0; i < number.used; ++i) {
        carry += uint64_t(number.words[i]) * factor;
        number.words[i] = static_cast<uint32_t>(carry);
        carry >>= WORD_BITS;
    }
    if (carry == 0)
        return true;
    if (number.used == MAX_WORDS)
        return false;
    number.words[number.used++] = static_cast<uint32_t>(carry);
    return true;
}

// number := number / divisor; the remainder.
uint32_t divide(small_number& number, uint32_t divisor)
{
    uint64_t remainder = 0;
    for (size_t i = number.used; i-- > 0;) {
        const uint64_t part = remainder << WORD_BITS | number.words[i];
        number.words[i] = static_cast<uint32_t>(part / divisor);
        remainder = part % divisor;
    }
    while (number.used > 0 && number.words[number.used - 1] == 0)
        --number.used;
    return static_cast<uint32_t>(remainder);
}

}  // namespace

std::optional<std::string> small_number_digits(const std::vector<uint8_t>& bytes, uint32_t radix)
{
    const auto first = std::find_if(bytes.begin(), bytes.end(), [](uint8_t b) { return b != 0; });
    if (bytes.end() - first > static_cast<std::ptrdiff_t>(SMALL_NUMBER_BYTES))
        return std::nullopt;
    small_number number;
    for (auto b = first; b != bytes.end(); ++b)
        multiply_add(number, 256, *b);
    // A word's worth of digits a division, least significant first.
    const radix_chunk chunk = chunk_of(radix);
    std::string digits;
    digits.reserve(8 * SMALL_NUMBER_BYTES);
    while (number.used > 0) {
        uint32_t part = divide(number, chunk.power);
        for (uint32_t i = 0; i < chunk.digits && (part != 0 || number.used > 0); ++i, part /= radix)
            digits.push_back(static_cast<char>(part % radix));
    }
    if (digits.empty())
        digits.push_back('\0');
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::optional<std::vector<uint8_t>> small_number_bytes(const std::string& digits, uint32_t radix)
{
    small_number number;
    for (char d : digits)
        if (!multiply_add(number, radix, static_cast<uint8_t>(d)))
            return std::nullopt;
    std::vector<uint8_t> bytes;
    bytes.reserve(4 * number.used);
    for (size_t i = 0; i < number.used; ++i)
        for (size_t shift = 0; shift < WORD_BITS; shift += 8)
            bytes.push_back(static_cast<uint8_t>(number.words[i] >> shift));
    while (bytes.size() > 1 && bytes.back() == 0)
        bytes.pop_back();
    if (bytes.empty())
        bytes.push_back(0);
    std::reverse(bytes.begin(), bytes.end());
    return bytes;
}
