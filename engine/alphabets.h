#pragma once
// Per-radix alphabets of the BASE(X) text. Radix 2-60 and 64 are used: the default ones are constant
// (the first radix characters of ALPHABET60, for radix 64 BASE64_ALPHABET); custom ones are stored by
// their owner, one per radix.
#include <cstdint>

#include "engine/digit_alphabet.h"

constexpr uint32_t ALPHABET_SLOTS = 64;

// True for the radixes that have an alphabet: 2-60 and 64.
bool is_valid_radix(uint32_t radix);
// True when a character occurs twice among the first count characters of text: such an alphabet
// would write different digit values with the same character and read them back as one.
bool has_repeated_chars(const char* text, uint32_t count);

// The default alphabet of a valid radix.
const digit_alphabet& default_alphabet(uint32_t radix);

// One custom alphabet per radix, empty (no character, no digit) until one is stored.
class custom_alphabets {
public:
    custom_alphabets();
    // Stores the first radix chars of text (which holds at least that many) as the custom alphabet of
    // radix, replacing the slot; a repeated char reads back as its last position.
    void store(const char* text, uint32_t radix);
    // The custom alphabet of a valid radix, as stored or empty.
    const digit_alphabet& of(uint32_t radix) const { return slots_[radix - 1]; }

private:
    digit_alphabet slots_[ALPHABET_SLOTS];
};
