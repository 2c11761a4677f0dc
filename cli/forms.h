#pragma once
// The forms data can take on either side of a conversion: the bytes themselves, two byte codecs, and a
// number in a radix (the bytes read as one unsigned big-endian number).
#include <cstdint>
#include <optional>
#include <string>

#include "mp/mp.h"

enum class form_kind { raw, hex, base64, radix };

struct data_form {
    form_kind kind;
    uint32_t radix;  // digits of the form: 16 for hex, 64 for base64, 2-62 for a radix, 256 for raw
};

constexpr uint32_t MIN_RADIX = 2;
// The dialog's radixes reach 60; 61 and 62 serve the Base62 alphabets.
constexpr uint32_t MAX_RADIX = 62;
// The default digits of a radix: its first digits of these, the library's DIGITS60 followed by "yz".
struct default_digits {
    char chars[MAX_RADIX + 1];
};
constexpr default_digits make_default_digits()
{
    default_digits d{};
    for (uint32_t i = 0; i < 60; ++i)
        d.chars[i] = DIGITS60[i];
    d.chars[60] = 'y';
    d.chars[61] = 'z';
    return d;
}
inline constexpr default_digits DEFAULT_DIGITS = make_default_digits();
inline constexpr const char* ALPHABET62 = DEFAULT_DIGITS.chars;

// The form a --from/--to value names ("raw", "hex", "base64", or a radix "2" to "62"); none otherwise.
std::optional<data_form> parse_form(const std::string& name);
// The name that parse_form takes for the form.
std::string form_name(const data_form& form);
// True for the forms whose digits may be given another alphabet (a radix, and base64).
bool takes_alphabet(const data_form& form);
// True for a radix form, where leading zero bytes are a matter of convention.
inline bool is_number(const data_form& form)
{
    return form.kind == form_kind::radix;
}
