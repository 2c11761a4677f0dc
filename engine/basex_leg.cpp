#include "engine/basex_leg.h"

#include <cstring>

#include "engine/alphabets.h"
#include "engine/basex_capacity.h"
#include "engine/codecs.h"
#include "engine/state.h"

// Reads the NUL-terminated text in radix into work_number; the library's io_base is kept.
static void read_number(const char* text, uint32_t radix)
{
    mp_context* library = current_context();
    int32_t saved_base = library->io_base;
    library->io_base = static_cast<int32_t>(radix);
    cinstr(work_number, text);
    library->io_base = saved_base;
}

// Writes work_number in radix into out, NUL-terminated; the library's io_base is kept.
static void write_number(char* out, uint32_t radix)
{
    mp_context* library = current_context();
    int32_t saved_base = library->io_base;
    library->io_base = static_cast<int32_t>(radix);
    cotstr(work_number, out);
    library->io_base = saved_base;
}

void bytes_to_basex(int& byte_count, int& hex_count, int& basex_count)
{
    if (hex_count < 2)
        return;
    if (current_base == 64) {
        basex_count = base64_encode(byte_data, basex_text, static_cast<uint32_t>(byte_count));
    } else {
        read_number(hex_text, 16);
        write_number(basex_text, current_base);
        basex_count = static_cast<int>(std::strlen(basex_text));
    }
    if (table_mode == 2)
        to_custom_alphabet(basex_text, static_cast<uint32_t>(basex_count), current_base);
}

bool basex_to_bytes(int& byte_count, int& hex_count, int& basex_count)
{
    uint32_t count = static_cast<uint32_t>(basex_count);
    if (table_mode == 2)
        to_default_alphabet(basex_text, count, current_base);
    if (current_base == 64) {
        if (!base64_count_fits(count))
            return false;
        byte_count = base64_decode(basex_text, byte_data);
        hex_count = hex_encode(byte_data, hex_text, static_cast<uint32_t>(byte_count));
        return true;
    }
    // The library never sees a text whose digit count alone shows that it is too big or too long
    // for it to read; near the limit the number read decides. Leading zero digits are not passed on:
    // the library counts every digit position against its capacity, zeros included.
    uint32_t first = skip_zero_digits(basex_text, count);
    uint32_t significant = count - first;
    basex_size_verdict verdict = judge_basex_digits(significant, current_base);
    if (verdict == BASEX_TOO_BIG || !library_can_read(significant, current_base))
        return false;
    read_number(basex_text + first, current_base);
    if (verdict == BASEX_CONVERT_TO_KNOW && !number_fits_data(work_number))
        return false;
    write_number(hex_text, 16);
    hex_count = static_cast<int>(std::strlen(hex_text));
    byte_count = hex_decode(byte_data, hex_text, static_cast<uint32_t>(hex_count));
    return true;
}
