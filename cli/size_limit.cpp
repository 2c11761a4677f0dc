#include "cli/size_limit.h"

#include <cmath>

namespace {

// Floating-point log2 is off by far less than this over a million digits; closer calls are converted
// and the bytes counted.
constexpr double SAFETY_BITS = 1e-6;

}  // namespace

uint64_t max_number_digits(uint32_t radix, uint64_t max_bytes)
{
    // d digits fit while (d - 1) * log2(radix) < 8 * max_bytes.
    const double bits = 8.0 * static_cast<double>(max_bytes) - SAFETY_BITS;
    return static_cast<uint64_t>(bits / std::log2(static_cast<double>(radix))) + 1;
}

uint64_t min_number_bytes(uint64_t digits, uint32_t radix)
{
    if (digits == 0)
        return 0;
    // The value is at least radix^(digits - 1): its bit length at least floor((digits - 1) * log2(radix)) + 1.
    const double bits = static_cast<double>(digits - 1) * std::log2(static_cast<double>(radix)) - SAFETY_BITS;
    const uint64_t bit_length = static_cast<uint64_t>(bits < 0 ? 0 : bits) + 1;
    return (bit_length + 7) / 8;
}
