#pragma once
// Per-radix alphabet tables: one 256-byte slot per radix 1-64 (slot radix - 1); only radix 2-60
// and 64 are used. Alphabet slots are NUL-terminated strings of radix characters; reverse slots give
// each byte code's position in the alphabet (0 for codes not in it). Process-wide, never freed.
#include <cstdint>

constexpr uint32_t ALPHABET_SLOTS = 64;

extern char default_tables[ALPHABET_SLOTS][256];
extern char custom_tables[ALPHABET_SLOTS][256];
extern uint8_t default_reverse[ALPHABET_SLOTS][256];
extern uint8_t custom_reverse[ALPHABET_SLOTS][256];

// Fills the default alphabets and their reverse maps: radix 2-60 the first radix chars of ALPHABET60,
// radix 64 BASE64_ALPHABET.
void build_default_tables();
// Stores the first radix chars of text (which holds at least that many) as the custom alphabet of
// radix, replacing the slot and its reverse map; a repeated char reads back as its last position.
void store_custom_table(const char* text, uint32_t radix);
// Translates count chars of text in place from the default to the custom alphabet of radix; a char
// outside the default alphabet translates as position 0. Writes no terminator.
void to_custom_alphabet(char* text, uint32_t count, uint32_t radix);
// Translates count chars of text in place from the custom to the default alphabet of radix; a char
// outside the custom alphabet translates as position 0. Writes no terminator.
void to_default_alphabet(char* text, uint32_t count, uint32_t radix);
