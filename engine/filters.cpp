#include "engine/filters.h"

#include "engine/alphabets.h"
#include "engine/digit_maps.h"

// The digit test of filter_radix_text for one radix; false for every character of an unknown radix.
static bool is_radix_digit(unsigned char c, uint32_t radix)
{
    switch (radix) {
    case 2: return c == '0' || c == '1';
    case 8: return c >= '0' && c <= '7';
    case 10: return c >= '0' && c <= '9';
    case 16: return hex_digit_map[c] != NOT_A_DIGIT;
    case 36: return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
    case 60: return alpha60_digit_map[c] != NOT_A_DIGIT;
    case 64: return base64_digit_map[c] != NOT_A_DIGIT;
    default: return false;
    }
}

int filter_radix_text(char* text, uint32_t radix)
{
    if (radix == 16 && !hex_map_built)
        build_hex_digit_map();
    if (radix == 60 && !alpha60_map_built)
        build_alpha60_digit_map();
    if (radix == 64 && !base64_map_built)
        build_base64_digit_map();
    uint32_t read = text[0] == '-' ? 1 : 0;
    uint32_t write = read;
    for (; text[read] != '\0'; ++read)
        if (is_radix_digit(static_cast<unsigned char>(text[read]), radix))
            text[write++] = text[read];
    text[write] = '\0';
    return static_cast<int>(write);
}

int filter_basex_text(char* text, uint32_t radix, uint32_t table_mode)
{
    const char* alphabet = table_mode == 2 ? custom_tables[radix - 1] : default_tables[radix - 1];
    const uint8_t* reverse = table_mode == 2 ? custom_reverse[radix - 1] : default_reverse[radix - 1];
    uint32_t write = 0;
    for (uint32_t read = 0; text[read] != '\0'; ++read) {
        char c = text[read];
        if (alphabet[reverse[static_cast<unsigned char>(c)]] == c)
            text[write++] = c;
    }
    text[write] = '\0';
    return static_cast<int>(write);
}
