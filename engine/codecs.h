#pragma once
// Byte codecs: hexadecimal text and unpadded Base64 text to and from bytes. Callers size the outputs.
#include <cstdint>

#include "engine/digit_alphabet.h"

// Writes len bytes of data as upper-case hex into out (2*len+1 chars, NUL included); returns 2*len.
int hex_encode(const uint8_t* data, char* out, uint32_t len);
// Decodes the first len chars of text into out; an odd count makes the first digit a byte of its own.
// Stops at the first pair holding a non-digit; NUL after the bytes. len 0, or an odd len with a bad
// first digit, returns 0 and leaves out untouched. Returns the bytes written.
int hex_decode(uint8_t* out, const char* text, uint32_t len);
// Writes len bytes as Base64 in alphabet (64 digits) without "=" padding plus a NUL; len 0 writes
// nothing. Returns the chars.
int base64_encode(const uint8_t* data, char* out, uint32_t len, const digit_alphabet& alphabet = BASE64_DIGIT_MAP);
// Decodes NUL-terminated Base64 in alphabet into out, ending at the first char that is no digit of it
// ("=" and NUL of the standard one included); a final lone char gives no byte. Writes a NUL after the
// bytes; returns the bytes.
int base64_decode(const char* text, uint8_t* out, const digit_alphabet& alphabet = BASE64_DIGIT_MAP);
