#include "engine/conversion.h"

#include <cstring>

#include "engine/basex_leg.h"
#include "engine/codecs.h"
#include "engine/filters.h"
#include "engine/state.h"

void hex_to_all(int& byte_count, int& hex_count, int& basex_count)
{
    byte_count = hex_decode(byte_data, hex_text, static_cast<uint32_t>(hex_count));
    bytes_to_basex(byte_count, hex_count, basex_count);
}

void ascii_to_all(int& byte_count, int& hex_count, int& basex_count)
{
    hex_count = hex_encode(byte_data, hex_text, static_cast<uint32_t>(byte_count));
    bytes_to_basex(byte_count, hex_count, basex_count);
}

int filter_hex_field_text()
{
    int n = filter_radix_text(hex_text, 16);
    if (hex_text[0] != '-')
        return n;
    std::memmove(hex_text, hex_text + 1, static_cast<size_t>(n));  // the NUL moves too
    return n - 1;
}
