// The tests' one reference for radix conversion and word arithmetic: plain schoolbook code, written
// without the library, in the simplest form that is obviously right. Numbers are std::vector<uint32_t>
// of words, least significant first, in normal form (no zero word on top; zero is empty); digit and
// word bases run from 2 to 2^32 - 1, base 0 standing for 2^32. Byte values are big-endian.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using ref_words = std::vector<uint32_t>;

// The library's digit alphabet of radix 2 to 60.
extern const char REFERENCE_DIGITS60[];

// w without its zero words on top.
ref_words ref_strip(ref_words w);

// The words of the binary number `binary` in base B, by repeated division by B (one pass a word).
ref_words ref_to_radix(const ref_words& binary, uint32_t base);
// The digits of radix r (2 to 2^32 - 1) of the binary number, least significant first (none for zero):
// ref_to_radix in the largest power of r that fits a word, each word then split into its digits.
ref_words ref_digits(const ref_words& binary, uint32_t radix);
// The binary words of the base-B words `digits`, by Horner's rule from the top word down.
ref_words ref_from_radix(const ref_words& digits, uint32_t base);
// a * b in base B (0: 2^32), row by row.
ref_words ref_product(const ref_words& a, const ref_words& b, uint32_t base);
// a + b in base B (0: 2^32).
ref_words ref_sum(const ref_words& a, const ref_words& b, uint32_t base);

// Big-endian bytes (leading zero bytes allowed) as binary words, and back without leading zero bytes
// (empty for zero).
ref_words ref_words_of_bytes(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ref_bytes_of_words(const ref_words& w);

// Big-endian bytes written in radix 2 to 60 with REFERENCE_DIGITS60, no leading zeros ("0" for zero).
std::string ref_text(const std::vector<uint8_t>& bytes, uint32_t radix);
// The big-endian bytes, without leading zero bytes, of a radix 2 to 60 text in REFERENCE_DIGITS60.
std::vector<uint8_t> ref_value(const std::string& text, uint32_t radix);
// Two upper-case hex digits a byte, leading zero bytes kept.
std::string ref_hex_bytes(const std::vector<uint8_t>& bytes);
// The bytes of a hex text in either case, two digits a byte; of an odd count the first digit is a byte
// of its own.
std::vector<uint8_t> ref_bytes_of_hex(const std::string& hex);
// Base64 without padding, six bits a character from the top, the last character's spare bits zero.
extern const char REFERENCE_BASE64[];
std::string ref_base64(const std::vector<uint8_t>& bytes);
// The whole bytes of a Base64 text without padding (the bits short of a byte at its end dropped).
std::vector<uint8_t> ref_base64_bytes(const std::string& text);
