#pragma once
// Start-up of the library and the tables as the dialog does it, and an independent oracle for
// radix conversion: the tests' schoolbook reference (tests/reference), written apart from the engine.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/alphabets.h"
#include "engine/codecs.h"
#include "engine/state.h"
#include "mp/mp.h"
#include "tests/reference/reference.h"

// Starts the library for LIBRARY_DIGITS hex digits with io_base 16, a 262144-character text buffer and
// work_number, and builds the Base64 map and the default alphabets; once per process.
inline void start_engine_once()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    mpsys(LIBRARY_DIGITS, 16);
    current_context()->io_base = 16;
    set_io_buffer_size(262144);
    work_number = mpvar(0);
    build_base64_digit_map();
    build_default_tables();
}

// The value of big-endian bytes written in radix 2-60 without leading zeros ("0" for zero).
inline std::string oracle_to_radix(const std::vector<uint8_t>& bytes, uint32_t radix)
{
    return ref_text(bytes, radix);
}

// The shortest big-endian bytes of a radix 2-60 text in the default alphabet (one 0x00 for zero).
inline std::vector<uint8_t> oracle_from_radix(const std::string& text, uint32_t radix)
{
    std::vector<uint8_t> bytes = ref_value(text, radix);
    if (bytes.empty())
        bytes.push_back(0);
    return bytes;
}

// Two upper-case hex digits a byte.
inline std::string oracle_hex(const std::vector<uint8_t>& bytes)
{
    return ref_hex_bytes(bytes);
}
