#include "engine/basex_capacity.h"

#include <cmath>

// Floating-point log2 is off by far less than this over 262144 digits; closer calls are converted.
static constexpr double SAFETY_BITS = 1e-6;

uint32_t skip_zero_digits(const uint8_t* values, uint32_t count)
{
    uint32_t i = 0;
    while (i < count && values[i] == 0)
        ++i;
    return i;
}

basex_size_verdict judge_basex_digits(uint32_t significant, uint32_t radix, uint32_t capacity_bytes)
{
    const double limit_bits = 8.0 * capacity_bytes;
    double bits_per_digit = std::log2(static_cast<double>(radix));
    if (significant * bits_per_digit <= limit_bits - SAFETY_BITS)
        return BASEX_FITS;
    if ((significant - 1.0) * bits_per_digit >= limit_bits + SAFETY_BITS)
        return BASEX_TOO_BIG;
    return BASEX_CONVERT_TO_KNOW;
}

bool base64_count_fits(uint32_t count, uint32_t capacity_bytes)
{
    return static_cast<uint64_t>(count) * 3 / 4 <= capacity_bytes;
}
