#pragma once
// Digit alphabets: the character of each digit value and the value of each character. Numbers cross
// the radix converter as digit values; an alphabet turns them into characters and back, once, at the
// edge of a conversion. The dialog and the console program use this one type for every alphabet.
#include <cstddef>
#include <cstdint>
#include <string_view>

// The value of a character that is no digit of the alphabet.
constexpr uint8_t NOT_A_DIGIT = 255;
// Digits an alphabet holds at most: each value fits a byte and differs from NOT_A_DIGIT.
constexpr size_t MAX_ALPHABET_DIGITS = 255;

inline constexpr char HEX_DIGITS_UPPER[] = "0123456789ABCDEF";
inline constexpr char HEX_DIGITS_LOWER[] = "0123456789abcdef";
// The dialog's digits of radix 2-60: the first radix characters of these.
inline constexpr char ALPHABET60[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx";
inline constexpr char BASE64_ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

struct digit_alphabet {
    char chars[MAX_ALPHABET_DIGITS + 1];  // the character of each value, value 0 first; NULs after the last
    uint8_t values[256];                  // the value of each byte code, NOT_A_DIGIT for codes that are none
    uint32_t count;                       // the digits: the radix the alphabet writes

    constexpr uint8_t operator[](unsigned char code) const { return values[code]; }
    constexpr std::string_view digits() const { return {chars, count}; }
};

// The alphabet of digits (at most MAX_ALPHABET_DIGITS; a repeated character reads as its last value),
// in which each byte aliases[2k] also reads as the value of the digit aliases[2k + 1].
constexpr digit_alphabet make_alphabet(std::string_view digits, std::string_view aliases = {})
{
    digit_alphabet alphabet{};
    for (uint8_t& v : alphabet.values)
        v = NOT_A_DIGIT;
    alphabet.count = static_cast<uint32_t>(digits.size() < MAX_ALPHABET_DIGITS ? digits.size() : MAX_ALPHABET_DIGITS);
    for (uint32_t i = 0; i < alphabet.count; ++i) {
        alphabet.chars[i] = digits[i];
        alphabet.values[static_cast<unsigned char>(digits[i])] = static_cast<uint8_t>(i);
    }
    for (size_t i = 0; i + 1 < aliases.size(); i += 2)
        alphabet.values[static_cast<unsigned char>(aliases[i])] = alphabet.values[static_cast<unsigned char>(aliases[i + 1])];
    return alphabet;
}

// Writes each of count digit values (each below the alphabet's count) as its character.
void write_digit_chars(const digit_alphabet& alphabet, const uint8_t* values, char* out, size_t count);
// Writes the value of each of count characters (NOT_A_DIGIT for a character that is none).
void read_digit_values(const digit_alphabet& alphabet, const char* text, uint8_t* out, size_t count);

// Hex digits of either case (both give 10-15), the 60 characters of ALPHABET60, the 64 of BASE64_ALPHABET.
inline constexpr digit_alphabet HEX_DIGIT_MAP = make_alphabet(HEX_DIGITS_UPPER, "aAbBcCdDeEfF");
inline constexpr digit_alphabet ALPHA60_DIGIT_MAP = make_alphabet(ALPHABET60);
inline constexpr digit_alphabet BASE64_DIGIT_MAP = make_alphabet(BASE64_ALPHABET);
