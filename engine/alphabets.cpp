#include "engine/alphabets.h"

#include <cstring>

#include "engine/digit_maps.h"

char default_tables[ALPHABET_SLOTS][256];
char custom_tables[ALPHABET_SLOTS][256];
uint8_t default_reverse[ALPHABET_SLOTS][256];
uint8_t custom_reverse[ALPHABET_SLOTS][256];

// Puts the first radix chars of source into an alphabet slot and records their positions.
static void fill_slot(char* table, uint8_t* reverse, const char* source, uint32_t radix)
{
    for (uint32_t i = 0; i < radix; ++i) {
        table[i] = source[i];
        reverse[static_cast<unsigned char>(source[i])] = static_cast<uint8_t>(i);
    }
}

void build_default_tables()
{
    for (uint32_t r = 2; r <= 60; ++r)
        fill_slot(default_tables[r - 1], default_reverse[r - 1], ALPHABET60, r);
    fill_slot(default_tables[63], default_reverse[63], BASE64_ALPHABET, 64);
}

void store_custom_table(const char* text, uint32_t radix)
{
    std::memset(custom_reverse[radix - 1], 0, sizeof custom_reverse[0]);
    std::memset(custom_tables[radix - 1], 0, sizeof custom_tables[0]);
    fill_slot(custom_tables[radix - 1], custom_reverse[radix - 1], text, radix);
}

// Maps each of count chars through reverse (source alphabet) into table (target alphabet).
static void translate(char* text, uint32_t count, const uint8_t* reverse, const char* table)
{
    for (uint32_t i = 0; i < count; ++i)
        text[i] = table[reverse[static_cast<unsigned char>(text[i])]];
}

void to_custom_alphabet(char* text, uint32_t count, uint32_t radix)
{
    translate(text, count, default_reverse[radix - 1], custom_tables[radix - 1]);
}

void to_default_alphabet(char* text, uint32_t count, uint32_t radix)
{
    translate(text, count, custom_reverse[radix - 1], default_tables[radix - 1]);
}
