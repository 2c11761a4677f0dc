#include "engine/hex_utils.h"

#include "engine/digit_alphabet.h"

int count_significant_bits(const char* text, uint32_t len)
{
    uint32_t i = 0;
    while (i < len && text[i] == '0')
        ++i;
    if (i == len)
        return 0;
    uint8_t v = HEX_DIGIT_MAP[static_cast<unsigned char>(text[i])];
    int bits = 4;
    if (v != NOT_A_DIGIT)
        for (bits = 0; v != 0; v >>= 1)
            ++bits;
    return bits + static_cast<int>(4 * (len - 1 - i));
}

void reverse_hex_bytes(char* dst, const char* src, uint32_t len)
{
    if (len <= 2) {
        for (uint32_t i = 0; i < len; ++i)
            dst[i] = src[i];
        dst[len] = '\0';
        return;
    }
    uint32_t out = 0;
    uint32_t end = len;
    for (; end >= 2; end -= 2) {
        dst[out++] = src[end - 2];
        dst[out++] = src[end - 1];
    }
    if (end == 1) {
        dst[out++] = '0';
        dst[out++] = src[0];
    }
    dst[out] = '\0';
}
