#include "engine/digit_maps.h"

#include <cstring>

uint8_t hex_digit_map[256];
uint8_t alpha60_digit_map[256];
uint8_t base64_digit_map[256];
uint8_t hex_map_built;
uint8_t alpha60_map_built;
uint8_t base64_map_built;

// Marks each character of alphabet with its position; leaves earlier entries of other characters alone.
static void mark_alphabet(uint8_t* map, const char* alphabet)
{
    for (uint8_t i = 0; alphabet[i] != '\0'; ++i)
        map[static_cast<unsigned char>(alphabet[i])] = i;
}

void build_hex_digit_map()
{
    std::memset(hex_digit_map, NOT_A_DIGIT, sizeof hex_digit_map);
    mark_alphabet(hex_digit_map, HEX_DIGITS_UPPER);
    mark_alphabet(hex_digit_map, HEX_DIGITS_LOWER);
    hex_map_built = 1;
}

void build_alpha60_digit_map()
{
    std::memset(alpha60_digit_map, NOT_A_DIGIT, sizeof alpha60_digit_map);
    mark_alphabet(alpha60_digit_map, ALPHABET60);
    alpha60_map_built = 1;
}

void build_base64_digit_map()
{
    std::memset(base64_digit_map, NOT_A_DIGIT, sizeof base64_digit_map);
    mark_alphabet(base64_digit_map, BASE64_ALPHABET);
    base64_map_built = 1;
}
