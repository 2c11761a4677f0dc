#include "engine/alphabets.h"

#include <string_view>

namespace {

struct alphabet_table {
    digit_alphabet slots[ALPHABET_SLOTS];
};

constexpr alphabet_table make_default_alphabets()
{
    alphabet_table table{};
    for (uint32_t r = 1; r <= ALPHABET_SLOTS; ++r)
        table.slots[r - 1] = make_alphabet(std::string_view(ALPHABET60, r <= 60 ? r : 0));
    table.slots[63] = make_alphabet(BASE64_ALPHABET);
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

const digit_alphabet& default_alphabet(uint32_t radix)
{
    return DEFAULT_ALPHABETS.slots[radix - 1];
}

custom_alphabets::custom_alphabets()
{
    for (digit_alphabet& slot : slots_)
        slot = make_alphabet({});
}

void custom_alphabets::store(const char* text, uint32_t radix)
{
    slots_[radix - 1] = make_alphabet(std::string_view(text, radix));
}
