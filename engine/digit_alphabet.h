#pragma once
// Constant digit alphabets and the three 256-entry digit-value maps (entry 255 = not a digit), all
// made at compile time. The radix 2-60 and Base64 alphabets are the library's own (mp/mp.h).
#include <cstdint>

#include "mp/mp.h"

inline constexpr char HEX_DIGITS_UPPER[] = "0123456789ABCDEF";
inline constexpr char HEX_DIGITS_LOWER[] = "0123456789abcdef";
inline constexpr const char* ALPHABET60 = DIGITS60;
inline constexpr const char* BASE64_ALPHABET = DIGITS64;

constexpr uint8_t NOT_A_DIGIT = 255;

// The value of each byte code as a digit, NOT_A_DIGIT for codes that are none.
struct digit_map {
    uint8_t value[256];
    constexpr uint8_t operator[](unsigned char code) const { return value[code]; }
};

// Each character of first, then of second, marked with its position; every other code NOT_A_DIGIT.
constexpr digit_map make_digit_map(const char* first, const char* second = "")
{
    digit_map map{};
    for (uint8_t& v : map.value)
        v = NOT_A_DIGIT;
    for (uint8_t i = 0; first[i] != '\0'; ++i)
        map.value[static_cast<unsigned char>(first[i])] = i;
    for (uint8_t i = 0; second[i] != '\0'; ++i)
        map.value[static_cast<unsigned char>(second[i])] = i;
    return map;
}

// Hex digits of either case (both give 10-15), the 60 characters of ALPHABET60, the 64 of BASE64_ALPHABET.
inline constexpr digit_map HEX_DIGIT_MAP = make_digit_map(HEX_DIGITS_UPPER, HEX_DIGITS_LOWER);
inline constexpr digit_map ALPHA60_DIGIT_MAP = make_digit_map(ALPHABET60);
inline constexpr digit_map BASE64_DIGIT_MAP = make_digit_map(BASE64_ALPHABET);
