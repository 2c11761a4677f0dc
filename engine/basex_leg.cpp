// The BASE(X) leg: between the bytes and the BASE(X) text of the engine's buffers. Radix 2-60 runs
// through the engine's radix converter as digit values; radix 64 is the Base64 codec. The alphabet in
// force turns digit values into characters and back, once, at the edge of the leg.
#include <cstring>

#include "engine/basex_capacity.h"
#include "engine/codecs.h"
#include "engine/engine.h"

// Makes the BASE(X) text from the bytes in the alphabet in force; a HEX text of fewer than 2 digits
// makes none.
void conversion_engine::bytes_to_basex()
{
    if (hex_count_ < 2)
        return;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes_.get());
    if (radix_ == 64) {
        basex_count_ = static_cast<uint32_t>(base64_encode(data, basex_.get(), byte_count_, alphabet_in_force()));
        return;
    }
    converter_.read_bytes(data, byte_count_);
    basex_count_ = static_cast<uint32_t>(converter_.write_digits(digits_.get(), radix_));
    write_digit_chars(alphabet_in_force(), digits_.get(), basex_.get(), basex_count_);
}

// Makes the bytes and the HEX text from the filtered BASE(X) text; false, converting nothing, when the
// value needs more than capacity_ bytes or when the library, as started, cannot read a text that long
// (see the constructor). Radix 2-60 gives the value's shortest HEX text ("0" for zero) and its bytes as
// that text decodes (an odd count makes the first digit a byte of its own).
bool conversion_engine::basex_to_bytes()
{
    auto* bytes = reinterpret_cast<uint8_t*>(bytes_.get());
    if (radix_ == 64) {
        if (!base64_count_fits(basex_count_, capacity_))
            return false;
        byte_count_ = static_cast<uint32_t>(base64_decode(basex_.get(), bytes, alphabet_in_force()));
        hex_count_ = static_cast<uint32_t>(hex_encode(bytes, hex_.get(), byte_count_));
        return true;
    }
    // The library never sees a text whose digit count alone shows that it is too big or too long for
    // it to read; near the limit the number read decides. Leading zero digits are not passed on: the
    // library counts every digit position against its capacity, zeros included.
    uint8_t* values = digits_.get();
    read_digit_values(alphabet_in_force(), basex_.get(), values, basex_count_);
    const uint32_t first = skip_zero_digits(values, basex_count_);
    const uint32_t significant = basex_count_ - first;
    const basex_size_verdict verdict = judge_basex_digits(significant, radix_, capacity_);
    if (verdict == BASEX_TOO_BIG || significant > converter_.digit_capacity(radix_))
        return false;
    converter_.read_digits(values + first, significant, radix_);
    if (verdict != BASEX_FITS && converter_.byte_count() > capacity_)
        return false;
    byte_count_ = static_cast<uint32_t>(converter_.write_bytes(bytes));
    if (byte_count_ == 0)  // zero: one zero byte, HEX "0"
        bytes[byte_count_++] = 0;
    hex_count_ = static_cast<uint32_t>(hex_encode(bytes, hex_.get(), byte_count_));
    if (hex_.get()[0] == '0') {  // the first byte below 16, or zero: one digit less
        std::memmove(hex_.get(), hex_.get() + 1, hex_count_);  // the NUL moves too
        --hex_count_;
    }
    return true;
}
