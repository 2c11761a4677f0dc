#include "engine/digit_alphabet.h"

void write_digit_chars(const digit_alphabet& alphabet, const uint8_t* values, char* out, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        out[i] = alphabet.chars[values[i]];
}

void read_digit_values(const digit_alphabet& alphabet, const char* text, uint8_t* out, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        out[i] = alphabet.values[static_cast<unsigned char>(text[i])];
}
