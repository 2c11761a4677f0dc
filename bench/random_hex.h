// The data of every timing: random bytes from a fixed seed, the top byte made non-zero; a shorter row
// takes the first bytes of a longer one.
#pragma once

#include <random>
#include <string>

// Upper-case hex digits of the first `bytes` of that data.
inline std::string random_hex(size_t bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::mt19937 generator(32767);
    std::string hex;
    for (size_t i = 0; i < bytes; ++i) {
        unsigned byte = generator() & 0xFF;
        if (i == 0 && byte == 0)
            byte = 1;
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}
