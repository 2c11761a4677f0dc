#pragma once
// An independent oracle for radix conversion: the tests' schoolbook reference (tests/reference),
// written apart from the engine. (Tests start the library by constructing a conversion_engine.)
#include <cstdint>
#include <string>
#include <vector>

#include "tests/reference/reference.h"

// The value of big-endian bytes written in radix 2-60 without leading zeros ("0" for zero).
inline std::string oracle_to_radix(const std::vector<uint8_t>& bytes, uint32_t radix)
{
    return ref_text(bytes, radix);
}

// The shortest big-endian bytes of a radix 2-60 text in the default alphabet (one 0x00 for zero).
inline std::vector<uint8_t> oracle_from_radix(const std::string& text, uint32_t radix)
{
    std::vector<uint8_t> bytes = ref_value(text, radix);
    if (bytes.empty())
        bytes.push_back(0);
    return bytes;
}

// Two upper-case hex digits a byte.
inline std::string oracle_hex(const std::vector<uint8_t>& bytes)
{
    return ref_hex_bytes(bytes);
}
