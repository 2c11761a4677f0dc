#include "engine/alphabets.h"

#include <cstring>

#include "engine/digit_maps.h"

namespace {

// Puts the first radix chars of source into an alphabet slot and records their positions.
constexpr void fill_slot(alphabet_slot& slot, const char* source, uint32_t radix)
{
    for (uint32_t i = 0; i < radix; ++i) {
        slot.chars[i] = source[i];
        slot.reverse[static_cast<unsigned char>(source[i])] = static_cast<uint8_t>(i);
    }
}

struct alphabet_table {
    alphabet_slot slots[ALPHABET_SLOTS];
};

constexpr alphabet_table make_default_alphabets()
{
    alphabet_table table{};
    for (uint32_t r = 2; r <= 60; ++r)
        fill_slot(table.slots[r - 1], ALPHABET60, r);
    fill_slot(table.slots[63], BASE64_ALPHABET, 64);
    return table;
}

constexpr alphabet_table DEFAULT_ALPHABETS = make_default_alphabets();

}  // namespace

bool is_valid_radix(uint32_t radix)
{
    return (radix >= 2 && radix <= 60) || radix == 64;
}

bool has_repeated_chars(const char* text, uint32_t count)
{
    bool seen[256] = {};
    for (uint32_t i = 0; i < count; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (seen[c])
            return true;
        seen[c] = true;
    }
    return false;
}

const alphabet_slot& default_alphabet(uint32_t radix)
{
    return DEFAULT_ALPHABETS.slots[radix - 1];
}

void custom_alphabets::store(const char* text, uint32_t radix)
{
    alphabet_slot& slot = slots_[radix - 1];
    std::memset(&slot, 0, sizeof slot);
    fill_slot(slot, text, radix);
}

void translate_alphabet(char* text, uint32_t count, const alphabet_slot& from, const alphabet_slot& to)
{
    for (uint32_t i = 0; i < count; ++i)
        text[i] = to.chars[from.reverse[static_cast<unsigned char>(text[i])]];
}
