#include "engine/codecs.h"

int base64_encode(const uint8_t* data, char* out, uint32_t len, const digit_alphabet& alphabet)
{
    if (len == 0)
        return 0;
    const char* a = alphabet.chars;
    int n = 0;
    uint32_t i = 0;
    for (; i + 3 <= len; i += 3) {
        uint8_t b0 = data[i], b1 = data[i + 1], b2 = data[i + 2];
        out[n++] = a[b0 >> 2];
        out[n++] = a[((b0 & 3) << 4) | (b1 >> 4)];
        out[n++] = a[((b1 & 15) << 2) | (b2 >> 6)];
        out[n++] = a[b2 & 63];
    }
    if (len - i == 1) {
        out[n++] = a[data[i] >> 2];
        out[n++] = a[(data[i] & 3) << 4];
    } else if (len - i == 2) {
        uint8_t b0 = data[i], b1 = data[i + 1];
        out[n++] = a[b0 >> 2];
        out[n++] = a[((b0 & 3) << 4) | (b1 >> 4)];
        out[n++] = a[(b1 & 15) << 2];
    }
    out[n] = '\0';
    return n;
}

int base64_decode(const char* text, uint8_t* out, const digit_alphabet& alphabet)
{
    const unsigned char* in = reinterpret_cast<const unsigned char*>(text);
    int n = 0;
    for (;; in += 4) {
        uint8_t d0 = alphabet[in[0]];
        if (d0 == NOT_A_DIGIT)
            break;
        uint8_t d1 = alphabet[in[1]];
        if (d1 == NOT_A_DIGIT)
            break;
        out[n++] = static_cast<uint8_t>((d0 << 2) | (d1 >> 4));
        uint8_t d2 = alphabet[in[2]];
        if (d2 == NOT_A_DIGIT)
            break;
        out[n++] = static_cast<uint8_t>((d1 << 4) | (d2 >> 2));
        uint8_t d3 = alphabet[in[3]];
        if (d3 == NOT_A_DIGIT)
            break;
        out[n++] = static_cast<uint8_t>((d2 << 6) | d3);
    }
    out[n] = 0;
    return n;
}
