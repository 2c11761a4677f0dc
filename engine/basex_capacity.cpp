#include "engine/basex_capacity.h"

#include <cmath>

#include "engine/state.h"

static constexpr double LIMIT_BITS = 8.0 * MAX_DATA_BYTES;
// Floating-point log2 is off by far less than this over 262144 digits; closer calls are converted.
static constexpr double SAFETY_BITS = 1e-6;

uint32_t skip_zero_digits(const char* text, uint32_t count)
{
    uint32_t i = 0;
    while (i < count && text[i] == '0')
        ++i;
    return i;
}

basex_size_verdict judge_basex_digits(uint32_t significant, uint32_t radix)
{
    double bits_per_digit = std::log2(static_cast<double>(radix));
    if (significant * bits_per_digit <= LIMIT_BITS - SAFETY_BITS)
        return BASEX_FITS;
    if ((significant - 1.0) * bits_per_digit >= LIMIT_BITS + SAFETY_BITS)
        return BASEX_TOO_BIG;
    return BASEX_CONVERT_TO_KNOW;
}

// Digits of radix per word in the library's packing of that radix: radix 2, 4 and 16 fill 32-bit
// words; any other radix packs into its largest power that does not exceed 2^31.
static uint32_t library_digits_per_word(uint32_t radix)
{
    if (radix == 2 || radix == 4 || radix == 16)
        return radix == 2 ? 32 : radix == 4 ? 16 : 8;
    uint32_t digits = 1;
    for (uint32_t rest = 0x80000000u / radix; rest >= radix; rest /= radix)
        ++digits;
    return digits;
}

bool library_can_read(uint32_t significant, uint32_t radix)
{
    uint32_t per_word = library_digits_per_word(radix);
    uint64_t words = (static_cast<uint64_t>(significant) + per_word - 1) / per_word;
    return words <= 2 * static_cast<uint64_t>(current_context()->max_words);
}

bool number_fits_data(const bignum_record* number)
{
    uint32_t words = number->length_word & 0x7FFFFFFF;  // an integer: no sign, no fraction part
    const uint32_t full_words = static_cast<uint32_t>(LIMIT_BITS) / 32;  // 8191 words and 24 bits
    const uint32_t top_bits = static_cast<uint32_t>(LIMIT_BITS) % 32;
    if (words <= full_words)
        return true;
    return words == full_words + 1 && (number->digits[full_words] >> top_bits) == 0;
}

bool base64_count_fits(uint32_t count)
{
    return static_cast<uint64_t>(count) * 3 / 4 <= MAX_DATA_BYTES;
}
