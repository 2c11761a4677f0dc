#pragma once
// An independent oracle for radix conversion: schoolbook arithmetic on big-endian bytes, written here
// and not in the engine. (Tests start the library by constructing a conversion_engine.)
#include <cstdint>
#include <string>
#include <vector>

inline const std::string& oracle_digits()
{
    static const std::string d = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx";
    return d;
}

// The value of big-endian bytes written in radix 2-60 without leading zeros ("0" for zero).
inline std::string oracle_to_radix(std::vector<uint8_t> bytes, uint32_t radix)
{
    std::string out;
    for (;;) {
        size_t first = 0;
        while (first < bytes.size() && bytes[first] == 0)
            ++first;
        if (first == bytes.size())
            break;
        uint32_t rest = 0;
        for (size_t i = first; i < bytes.size(); ++i) {
            uint32_t cur = (rest << 8) | bytes[i];
            bytes[i] = static_cast<uint8_t>(cur / radix);
            rest = cur % radix;
        }
        out.insert(out.begin(), oracle_digits()[rest]);
    }
    return out.empty() ? "0" : out;
}

// The shortest big-endian bytes of a radix 2-60 text in the default alphabet (one 0x00 for zero).
inline std::vector<uint8_t> oracle_from_radix(const std::string& text, uint32_t radix)
{
    std::vector<uint8_t> le;  // little-endian while accumulating
    for (char c : text) {
        uint32_t carry = static_cast<uint32_t>(oracle_digits().find(c));
        for (auto& b : le) {
            uint32_t cur = b * radix + carry;
            b = static_cast<uint8_t>(cur);
            carry = cur >> 8;
        }
        for (; carry; carry >>= 8)
            le.push_back(static_cast<uint8_t>(carry));
    }
    if (le.empty())
        le.push_back(0);
    return std::vector<uint8_t>(le.rbegin(), le.rend());
}

inline std::string oracle_hex(const std::vector<uint8_t>& bytes)
{
    static const char* d = "0123456789ABCDEF";
    std::string s;
    for (uint8_t b : bytes) {
        s += d[b >> 4];
        s += d[b & 15];
    }
    return s;
}
