#pragma once
// Per-radix alphabets of the BASE(X) text. An alphabet holds the radix characters of its radix,
// NUL-terminated in a 256-byte slot, and a reverse map giving each byte code's position in it (0 for
// codes not in it). Radix 2-60 and 64 are used: the default ones are constant (the first radix
// characters of ALPHABET60, for radix 64 BASE64_ALPHABET); custom ones are stored by their owner.
#include <cstdint>

constexpr uint32_t ALPHABET_SLOTS = 64;

struct alphabet_slot {
    char chars[256];
    uint8_t reverse[256];
};

// True for the radixes that have an alphabet: 2-60 and 64.
bool is_valid_radix(uint32_t radix);
// True when a character occurs twice among the first count characters of text: such an alphabet
// would write different digit values with the same character and read them back as one.
bool has_repeated_chars(const char* text, uint32_t count);

// The default alphabet of a valid radix.
const alphabet_slot& default_alphabet(uint32_t radix);

// One custom alphabet per radix, empty (every character and position 0) until one is stored.
class custom_alphabets {
public:
    // Stores the first radix chars of text (which holds at least that many) as the custom alphabet of
    // radix, replacing the slot and its reverse map; a repeated char reads back as its last position.
    void store(const char* text, uint32_t radix);
    // The custom alphabet of a valid radix, as stored or empty.
    const alphabet_slot& of(uint32_t radix) const { return slots_[radix - 1]; }

private:
    alphabet_slot slots_[ALPHABET_SLOTS] = {};
};

// Translates count chars of text in place from one alphabet of a radix to another: each char becomes
// the char at its position in `from` (position 0 for a char outside it). Writes no terminator.
void translate_alphabet(char* text, uint32_t count, const alphabet_slot& from, const alphabet_slot& to);
