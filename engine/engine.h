#pragma once
// The conversion engine: one piece of data in three forms (HEX text, bytes, BASE(X) text), converted
// from whichever form is the source, with the radix and the alphabets of the BASE(X) form.
//
// An engine value holds everything the conversions need: the buffers, the radix, the alphabet choice,
// the custom alphabets (one per radix) and the one library number that radix conversions run through.
// Constructing it starts the multiprecision library, sized for its capacity; destroying it releases
// the library. The library's instance is process-wide, so one engine lives at a time.
//
// Each conversion call empties the buffers, takes its source, cleans it with the input filter of its
// form and converts it; the result's texts are views into the engine's buffers, each followed by a
// NUL there, valid until the next call.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "engine/alphabets.h"
#include "engine/limits.h"
#include "engine/radix_converter.h"
#include "engine/status.h"

struct conversion_counts {
    uint32_t hex_digits;
    uint32_t bytes;
    uint32_t basex_chars;
    uint32_t significant_bits;  // of the value the HEX text writes
};

struct conversion_result {
    conversion_status status;
    bool source_filtered;  // the filter removed characters: the source's cleaned text is its view here
    std::string_view hex;
    std::string_view bytes;  // the data; shown as text up to its first NUL
    std::string_view basex;  // in the alphabet in force
    conversion_counts counts;
};

class conversion_engine {
public:
    // Starts the library for capacity_bytes bytes of data: BASE(X) texts of values up to that size
    // read and write in every radix. Radix 64, the default alphabet, no custom alphabet stored.
    explicit conversion_engine(uint32_t capacity_bytes = MAX_DATA_BYTES);
    conversion_engine(const conversion_engine&) = delete;
    conversion_engine& operator=(const conversion_engine&) = delete;

    // From HEX text: at most max_hex_chars() chars up to the first NUL, cleaned to hex digits; makes
    // the bytes (an odd count makes the first digit a byte of its own), then the BASE(X) text (none
    // for fewer than 2 digits). Status hex_changed.
    conversion_result from_hex(const char* text, size_t length);
    // From the bytes themselves: at most capacity() of them, NULs included, nothing filtered; makes
    // the HEX text, then the BASE(X) text. Status ascii_changed.
    conversion_result from_bytes(const char* data, size_t length);
    // From BASE(X) text: at most max_basex_chars() chars up to the first NUL, cleaned to the alphabet
    // in force; makes the value's shortest HEX text ("0" for an empty radix 2-60 text) and its bytes
    // (radix 64: the decoded bytes). Status basex_changed, or basex_too_big when the value needs more
    // than capacity() bytes or the library cannot read a text that long: HEX and bytes then stay empty.
    conversion_result from_basex(const char* text, size_t length);
    // The byte-reversed HEX text of the last conversion (see reverse_hex_bytes), for the HEX source to
    // convert next; empty, changing nothing, when that text has 2 characters or fewer.
    std::string_view reverse_hex();
    // Empties the buffers; every count 0, status cleared.
    conversion_result clear();

    // Makes radix the radix of the BASE(X) form when it is 2-60 or 64; else changes nothing.
    radix_outcome change_radix(uint32_t radix);
    // Stores the first radix() chars of text[0, length) as the custom alphabet of the radix in force
    // when there are enough of them and none repeats; whether a complete custom alphabet is stored
    // for the radix (custom_alphabet_ready) follows the outcome.
    alphabet_outcome store_custom_alphabet(const char* text, size_t length);
    // Chooses the alphabet of the BASE(X) form. The custom one is chosen even when none is complete:
    // conversions then use the slot as it is (an empty one passes no character and writes NULs).
    void choose_alphabet(alphabet_choice choice);

    // The radix of the BASE(X) form (2-60 or 64) and the alphabet it is written in.
    uint32_t radix() const { return radix_; }
    alphabet_choice alphabet() const { return alphabet_; }
    // True after a complete custom alphabet was stored for the radix then in force, until a text is
    // refused; a radix change leaves it as it is.
    bool custom_alphabet_ready() const { return custom_ready_; }
    // The default and the stored custom alphabet of the radix in force (chars NUL-terminated).
    const digit_alphabet& default_alphabet_in_force() const { return default_alphabet(radix_); }
    const digit_alphabet& custom_alphabet_in_force() const { return custom_.of(radix_); }
    // The texts of the last conversion, as its result gave them.
    std::string_view hex() const { return {hex_.get(), hex_count_}; }
    std::string_view bytes() const { return {bytes_.get(), byte_count_}; }
    std::string_view basex() const { return {basex_.get(), basex_count_}; }

    // Bytes of data the engine holds at most.
    uint32_t capacity() const { return capacity_; }
    // The longest source texts taken: one hex digit more than capacity() bytes give, and the radix-2
    // text of capacity() + 1 bytes less one char.
    size_t max_hex_chars() const { return 2 * size_t(capacity_) + 1; }
    size_t max_basex_chars() const { return 8 * size_t(capacity_) + 7; }

private:
    void clear_buffers();
    conversion_result result(conversion_status status, bool filtered) const;
    const digit_alphabet& alphabet_in_force() const;
    // The BASE(X) leg (basex_leg.cpp): from the bytes/HEX text to the BASE(X) text and back.
    void bytes_to_basex();
    bool basex_to_bytes();

    uint32_t capacity_;
    std::unique_ptr<char[]> hex_;       // max_hex_chars() + 1
    std::unique_ptr<char[]> bytes_;     // capacity + 2: an odd HEX text of max_hex_chars() and a NUL
    std::unique_ptr<char[]> basex_;     // max_basex_chars() + 1
    std::unique_ptr<char[]> reversed_;  // max_hex_chars() + 2: an odd text widens by one digit
    std::unique_ptr<uint8_t[]> digits_;  // max_basex_chars() + 1: the BASE(X) text as digit values
    uint32_t hex_count_ = 0, byte_count_ = 0, basex_count_ = 0;
    uint32_t radix_ = 64;
    alphabet_choice alphabet_ = alphabet_choice::default_alphabet;
    bool custom_ready_ = false;
    custom_alphabets custom_;
    radix_converter converter_;
};
