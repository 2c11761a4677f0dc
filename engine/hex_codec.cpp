#include "engine/codecs.h"

int hex_encode(const uint8_t* data, char* out, uint32_t len)
{
    for (uint32_t i = 0; i < len; ++i) {
        out[2 * i] = HEX_DIGITS_UPPER[data[i] >> 4];
        out[2 * i + 1] = HEX_DIGITS_UPPER[data[i] & 15];
    }
    out[2 * len] = '\0';
    return static_cast<int>(2 * len);
}

int hex_decode(uint8_t* out, const char* text, uint32_t len)
{
    if (len == 0)
        return 0;
    const unsigned char* in = reinterpret_cast<const unsigned char*>(text);
    uint32_t read = 0;
    int written = 0;
    if (len % 2 == 1) {
        uint8_t v = HEX_DIGIT_MAP[in[0]];
        if (v == NOT_A_DIGIT)
            return 0;
        out[written++] = v;
        read = 1;
    }
    for (; read < len; read += 2) {  // what is left is an even count
        uint8_t high = HEX_DIGIT_MAP[in[read]];
        if (high == NOT_A_DIGIT)
            break;
        uint8_t low = HEX_DIGIT_MAP[in[read + 1]];
        if (low == NOT_A_DIGIT)
            break;
        out[written++] = static_cast<uint8_t>((high << 4) | low);
    }
    out[written] = 0;
    return written;
}
