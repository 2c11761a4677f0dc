#pragma once
// The forms data can take on either side of a conversion: the bytes themselves; byte forms, which write
// each group of bytes as a group of digits and so stream at any size; and number forms, the bytes read
// as one unsigned big-endian number in a radix, which hold the whole value at once.
#include <cstdint>
#include <optional>
#include <string>

#include "engine/digit_alphabet.h"

enum class form_kind {
    raw,        // the bytes themselves
    hex,        // base 16 in either case; an odd digit count makes the first digit a byte of its own
    base16,     // RFC 4648 base 16: two digits a byte, either case
    base32,     // RFC 4648 base 32, padded
    base32hex,  // RFC 4648 base 32 with the extended hex alphabet
    base64,     // RFC 4648 base 64, padded
    base64url,  // RFC 4648 base 64 with the URL and file name alphabet
    base2msbf,  // eight binary digits a byte, most significant bit first
    z85,        // four bytes a group of five base-85 digits
    base58,     // a number in the Base58 address alphabet whose leading zero bytes are each a digit 1
    radix,      // a number in radix 2 to 62
};

struct data_form {
    form_kind kind;
    uint32_t radix;  // digits of the form: 16 for hex, 64 for base64, 2-62 for a radix, 256 for raw
};

constexpr uint32_t MIN_RADIX = 2;
// The dialog's radixes reach 60; 61 and 62 serve the Base62 alphabets.
constexpr uint32_t MAX_RADIX = 62;
// The largest radix whose default digits hold no lower-case letter, so that input takes either case.
constexpr uint32_t MAX_CASELESS_RADIX = 36;
// The default digits of a radix: its first digits of these, the dialog's ALPHABET60 followed by "yz".
struct default_digits {
    char chars[MAX_RADIX + 1];
};
constexpr default_digits make_default_digits()
{
    default_digits d{};
    for (uint32_t i = 0; i < 60; ++i)
        d.chars[i] = ALPHABET60[i];
    d.chars[60] = 'y';
    d.chars[61] = 'z';
    return d;
}
inline constexpr default_digits DEFAULT_DIGITS = make_default_digits();
inline constexpr const char* ALPHABET62 = DEFAULT_DIGITS.chars;

// The form a --from/--to value names (a form's name, or a radix "2" to "62"); none otherwise.
std::optional<data_form> parse_form(const std::string& name);
// The name that parse_form takes for the form.
std::string form_name(const data_form& form);
// Every form's name for messages: "raw, hex, ..., or a radix 2 to 62".
std::string form_names();
// True for the forms whose digits may be given another alphabet (a radix, base58 and base64).
bool takes_alphabet(const data_form& form);
// True for the number forms (a radix, base58): the value is held whole, up to the library's limit.
bool is_number(const data_form& form);
// True for the byte forms that write text (all but raw and the numbers).
bool is_byte_text(const data_form& form);
// The padding character of the forms that pad.
constexpr char PAD_CHAR = '=';
// True for the forms that write '=' padding unless --no-padding.
bool pads(const data_form& form);
// True for the forms whose default digits have a lower case for --lower (hex, base16, radix 2-36).
bool has_lower_case(const data_form& form);
