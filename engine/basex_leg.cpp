// The BASE(X) leg: between the bytes/HEX text and the BASE(X) text of the engine's buffers.
// Radix 2-60 runs through the engine's radix converter; radix 64 is the Base64 codec.
// A custom alphabet is translated to and from the default one at the edge of the leg.
#include "engine/basex_capacity.h"
#include "engine/codecs.h"
#include "engine/engine.h"

// Makes the BASE(X) text from the bytes (radix 64) or the HEX text (radix 2-60) in the alphabet in
// force; a HEX text of fewer than 2 digits makes none.
void conversion_engine::bytes_to_basex()
{
    if (hex_count_ < 2)
        return;
    if (radix_ == 64) {
        basex_count_ = static_cast<uint32_t>(
            base64_encode(reinterpret_cast<const uint8_t*>(bytes_.get()), basex_.get(), byte_count_));
    } else {
        converter_.read(hex_.get(), 16);
        basex_count_ = static_cast<uint32_t>(converter_.write(basex_.get(), radix_));
    }
    if (alphabet_ == alphabet_choice::custom_alphabet)
        translate_alphabet(basex_.get(), basex_count_, default_alphabet(radix_), custom_.of(radix_));
}

// Makes the bytes and the HEX text (the shortest for radix 2-60) from the filtered BASE(X) text; false,
// converting nothing, when the value needs more than capacity_ bytes or when the library, as started,
// cannot read a text that long (see the constructor).
bool conversion_engine::basex_to_bytes()
{
    const bool custom = alphabet_ == alphabet_choice::custom_alphabet;
    if (custom)
        translate_alphabet(basex_.get(), basex_count_, custom_.of(radix_), default_alphabet(radix_));
    bool converted = false;
    if (radix_ == 64) {
        if (base64_count_fits(basex_count_, capacity_)) {
            byte_count_ = static_cast<uint32_t>(base64_decode(basex_.get(), reinterpret_cast<uint8_t*>(bytes_.get())));
            hex_count_ = static_cast<uint32_t>(
                hex_encode(reinterpret_cast<const uint8_t*>(bytes_.get()), hex_.get(), byte_count_));
            converted = true;
        }
    } else {
        // The library never sees a text whose digit count alone shows that it is too big or too long
        // for it to read; near the limit the number read decides. Leading zero digits are not passed
        // on: the library counts every digit position against its capacity, zeros included.
        const uint32_t first = skip_zero_digits(basex_.get(), basex_count_);
        const uint32_t significant = basex_count_ - first;
        const basex_size_verdict verdict = judge_basex_digits(significant, radix_, capacity_);
        if (verdict != BASEX_TOO_BIG && library_can_read(significant, radix_)) {
            converter_.read(basex_.get() + first, radix_);
            if (verdict == BASEX_FITS || number_fits_data(converter_.number(), capacity_)) {
                hex_count_ = static_cast<uint32_t>(converter_.write(hex_.get(), 16));
                byte_count_ =
                    static_cast<uint32_t>(hex_decode(reinterpret_cast<uint8_t*>(bytes_.get()), hex_.get(), hex_count_));
                converted = true;
            }
        }
    }
    // The source text is shown as filtered: back into the custom alphabet, whose characters are
    // distinct, so the round trip gives it back exactly.
    if (custom)
        translate_alphabet(basex_.get(), basex_count_, default_alphabet(radix_), custom_.of(radix_));
    return converted;
}
