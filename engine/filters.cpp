#include "engine/filters.h"

#include <cstring>

#include "engine/digit_alphabet.h"

// The digit test of filter_radix_text for one radix; false for every character of an unknown radix.
static bool is_radix_digit(unsigned char c, uint32_t radix)
{
    switch (radix) {
    case 2: return c == '0' || c == '1';
    case 8: return c >= '0' && c <= '7';
    case 10: return c >= '0' && c <= '9';
    case 16: return HEX_DIGIT_MAP[c] != NOT_A_DIGIT;
    case 36: return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
    case 60: return ALPHA60_DIGIT_MAP[c] != NOT_A_DIGIT;
    case 64: return BASE64_DIGIT_MAP[c] != NOT_A_DIGIT;
    default: return false;
    }
}

int filter_radix_text(char* text, uint32_t radix)
{
    uint32_t read = text[0] == '-' ? 1 : 0;
    uint32_t write = read;
    for (; text[read] != '\0'; ++read)
        if (is_radix_digit(static_cast<unsigned char>(text[read]), radix))
            text[write++] = text[read];
    text[write] = '\0';
    return static_cast<int>(write);
}

int filter_hex_text(char* text)
{
    int n = filter_radix_text(text, 16);
    if (text[0] != '-')
        return n;
    std::memmove(text, text + 1, static_cast<size_t>(n));  // the NUL moves too
    return n - 1;
}

int filter_basex_text(char* text, const digit_alphabet& alphabet)
{
    uint32_t write = 0;
    for (uint32_t read = 0; text[read] != '\0'; ++read) {
        char c = text[read];
        if (alphabet[static_cast<unsigned char>(c)] != NOT_A_DIGIT)
            text[write++] = c;
    }
    text[write] = '\0';
    return static_cast<int>(write);
}
