// The data of every timing: random bytes from a fixed seed, the top byte made non-zero; a shorter row
// takes the first bytes of a longer one.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// The first `bytes` of that data.
inline std::vector<uint8_t> random_bytes(size_t bytes)
{
    std::mt19937 generator(32767);
    std::vector<uint8_t> data(bytes);
    for (size_t i = 0; i < bytes; ++i)
        data[i] = static_cast<uint8_t>(generator() & 0xFF);
    if (bytes > 0 && data[0] == 0)
        data[0] = 1;
    return data;
}

// Upper-case hex digits of the first `bytes` of that data.
inline std::string random_hex(size_t bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (uint8_t byte : random_bytes(bytes)) {
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}
